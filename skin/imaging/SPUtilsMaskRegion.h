#pragma once
// Window regions from monochrome masks: black pixels are inside, every other colour outside.
#include <cstdint>
#include <vector>

#include "skin/imaging/SPUtilsFBitmap.h"

#ifdef _WIN32
#include "framework/gui/Handles.h"
#endif

namespace tmv {

// Region data in the system's layout: a 32-byte header (header size 32, type 1, rectangle
// count, size hint 0, bounding rectangle offset by (ox, oy) with the mask's size) followed by
// one rectangle per run of black pixels, row by row, left to right. Empty for an empty mask;
// the block grows with the mask however many runs it has.
std::vector<uint8_t> MaskToRegionData(const TFBitmap& mask, int32_t ox, int32_t oy);

// The runs of black pixels of a mask, as MaskToRegionData lists them.
std::vector<TRect> MaskRuns(const TFBitmap& mask, int32_t ox, int32_t oy);

// A mask band composed at the target size, with its place in the window.
struct TMaskBand {
  TFBitmap Picture;
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

TMaskRegionParts ComposeMaskRegionParts(const TFBitmap& mask, const TSkinDivision& source,
                                        const TSkinDivision& target, int32_t width);

#ifdef _WIN32
// A region from region data; null for empty data. A block the system refuses whole is handed
// over in parts and united.
UniqueRegion RegionFromRegionData(const std::vector<uint8_t>& data);
// The region of the black pixels of a mask at (0, 0); null for an empty mask.
UniqueRegion RegionFromMask(HBITMAP mask);
UniqueRegion RegionFromMask(const TFBitmap& mask);
UniqueRegion RegionFromMask(const TBitmap& mask);
// The region of a window of width x height cut by the mask's division; null when there is none.
UniqueRegion RegionFromMaskParts(const TFBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width);
UniqueRegion RegionFromMaskParts(const TBitmap& mask, const TSkinDivision& source,
                                 const TSkinDivision& target, int32_t width);
UniqueRegion RegionFromMaskParts(const TMaskRegionParts& parts);
#endif

}  // namespace tmv
