#pragma once
// A 24-bit picture whose pixels are read and written straight from memory: rows top-down,
// each pixel blue, green, red, each row padded to a multiple of four bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/core/Bitmap.h"
#include "skin/imaging/SPUtilsPiecePlan.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tmv {

struct TBgr {
  uint8_t B = 0, G = 0, R = 0;
  bool operator==(const TBgr& o) const { return B == o.B && G == o.G && R == o.R; }
  bool operator!=(const TBgr& o) const { return !(*this == o); }
};

class TFBitmap {
public:
  TFBitmap() = default;
  // Negative sizes count as 0; the pixels start white. A size too large to allocate raises
  // EOutOfResources.
  TFBitmap(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  int32_t RowStride() const { return stride_; }
  static int32_t RowStrideFor(int32_t width) { return 3 * width + width % 4; }

  uint8_t* Row(int32_t y) { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  const uint8_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * stride_; }
  uint8_t* Bits() { return pixels_.data(); }
  const uint8_t* Bits() const { return pixels_.data(); }

  // Outside the picture a read gives black and a write does nothing.
  TBgr Pixel(int32_t x, int32_t y) const;
  void SetPixel(int32_t x, int32_t y, TBgr colour);
  void Fill(TBgr colour);

  // The picture of a bitmap of any bit count, colour tables resolved.
  static TFBitmap FromBitmap(const TBitmap& bitmap);

#ifdef _WIN32
  // The picture of any bitmap handle, fetched as 24-bit rows; empty for a null or empty handle.
  static TFBitmap FromHandle(HBITMAP bitmap);
  // Sets the whole picture onto the device context at (x, y), unscaled.
  void Draw(HDC dc, int32_t x, int32_t y) const;
  // A header describing these rows to the system (top-down, 24 bits).
  BITMAPINFO Header() const;
#endif

private:
  int32_t width_ = 0;
  int32_t height_ = 0;
  int32_t stride_ = 0;
  std::vector<uint8_t> pixels_;
};

// Copies pieces between pictures, each clipped to both pictures; a piece whose sizes differ is
// stretched by taking the nearest source pixel.
void CopyPieces(TFBitmap& target, const TFBitmap& source, const TPiecePlan& plan);

}  // namespace tmv
