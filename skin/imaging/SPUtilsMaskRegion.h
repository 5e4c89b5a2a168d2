#pragma once
// Window regions from monochrome masks: black pixels are inside, every other colour outside.
#include <cstdint>
#include <vector>

#include "skin/imaging/SPUtilsFBitmap.h"

#ifdef _WIN32
#include "framework/gui/Handles.h"
#endif

namespace tmv {

// A mask one byte a pixel: 0 for black (inside), 0xFF for every other colour; rows top-down.
class TMaskBits {
public:
  static constexpr int kPixelBytes = 1;
  TMaskBits() = default;
  // Negative sizes count as 0; every pixel starts outside.
  TMaskBits(int32_t width, int32_t height);
  static TMaskBits FromPicture(const TFBitmap& picture);
  // Monochrome bitmaps are read a byte of pixels at a time; others through TFBitmap.
  static TMaskBits FromBitmap(const TBitmap& bitmap);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // Black inside, white outside; outside the picture a read gives black, as TFBitmap's does.
  TBgr Pixel(int32_t x, int32_t y) const;
  uint8_t* Row(int32_t y) { return bytes_.data() + static_cast<size_t>(y) * width_; }
  const uint8_t* Row(int32_t y) const { return bytes_.data() + static_cast<size_t>(y) * width_; }

private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<uint8_t> bytes_;
};

// Region data in the system's layout: a 32-byte header (header size 32, type 1, rectangle
// count, size hint 0, bounding rectangle offset by (ox, oy) with the mask's size) followed by
// one rectangle per run of black pixels, row by row, left to right. Empty for an empty mask;
// the block grows with the mask however many runs it has.
std::vector<uint8_t> MaskToRegionData(const TMaskBits& mask, int32_t ox, int32_t oy);
std::vector<uint8_t> MaskToRegionData(const TFBitmap& mask, int32_t ox, int32_t oy);

// The runs of black pixels of a mask, as MaskToRegionData lists them.
std::vector<TRect> MaskRuns(const TMaskBits& mask, int32_t ox, int32_t oy);
std::vector<TRect> MaskRuns(const TFBitmap& mask, int32_t ox, int32_t oy);

// A mask band composed at the target size, with its place in the window.
struct TMaskBand {
  TMaskBits Picture;
  int32_t OffsetX = 0;
  int32_t OffsetY = 0;
};

// What the region of a resized masked window is made of: the client rectangle united with the
// black pixels of the non-empty bands. HasRegion is false when the target points are crossed
// or the client rectangle is empty.
struct TMaskRegionParts {
  bool HasRegion = false;
  TRect Client;
  std::vector<TMaskBand> Bands;
};

TMaskRegionParts ComposeMaskRegionParts(const TMaskBits& mask, const TSkinDivision& source,
                                        const TSkinDivision& target, int32_t width);
TMaskRegionParts ComposeMaskRegionParts(const TFBitmap& mask, const TSkinDivision& source,
                                        const TSkinDivision& target, int32_t width);

// The same region as one block of region data: the union of the client rectangle and the
// bands' black pixels, in the system's banded order (rows from top to bottom, each band's
// rectangles from left to right, none overlapping), rows with the same runs joined into
// one band. Empty when the parts make no region.
std::vector<uint8_t> MaskPartsRegionData(const TMaskRegionParts& parts);

#ifdef _WIN32
// A region from region data; null for empty data. A block the system refuses whole is handed
// over in parts and united.
UniqueRegion RegionFromRegionData(const std::vector<uint8_t>& data);
// The region of the black pixels of a mask at (0, 0); null for an empty mask.
UniqueRegion RegionFromMask(HBITMAP mask);
UniqueRegion RegionFromMask(const TFBitmap& mask);
UniqueRegion RegionFromMask(const TBitmap& mask);
// The region of a window of width x height cut by the mask's division; null when there is none.
UniqueRegion RegionFromMaskParts(const TMaskBits& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width);
UniqueRegion RegionFromMaskParts(const TFBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width);
UniqueRegion RegionFromMaskParts(const TBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width);
UniqueRegion RegionFromMaskParts(const TMaskRegionParts& parts);
#endif

}  // namespace tmv
