#pragma once
// A 24-bit picture whose pixels are read and written straight from memory: rows top-down,
// each pixel blue, green, red, each row padded to a multiple of four bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
  static constexpr int kPixelBytes = 3;
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

// Copies each piece of the plan from source to target, scaled to the nearest pixel; parts
// outside either picture are left out. Picture is any picture of kPixelBytes bytes a pixel
// with rows from Row(y).
template <class Picture>
void CopyPieces(Picture& target, const Picture& source, const TPiecePlan& plan) {
  constexpr int n = Picture::kPixelBytes;
  for (const TPieceCopy& piece : plan) {
    const TRect& s = piece.Source;
    const TRect& t = piece.Target;
    const int64_t sw = s.Width(), sh = s.Height(), tw = t.Width(), th = t.Height();
    if (sw < 1 || sh < 1 || tw < 1 || th < 1) continue;
    const int64_t x0 = std::max<int64_t>(t.Left, 0), x1 = std::min<int64_t>(t.Right, target.Width());
    const int64_t y0 = std::max<int64_t>(t.Top, 0), y1 = std::min<int64_t>(t.Bottom, target.Height());
    const bool sameSize = sw == tw && sh == th;
    for (int64_t y = y0; y < y1; ++y) {
      const int64_t sy = s.Top + (y - t.Top) * sh / th;
      if (sy < 0 || sy >= source.Height()) continue;
      const uint8_t* from = source.Row(static_cast<int32_t>(sy));
      uint8_t* to = target.Row(static_cast<int32_t>(y));
      if (sameSize) {
        // Same size: one run of the row, clipped to the source's columns.
        const int64_t a = std::max(x0, t.Left - int64_t{s.Left});
        const int64_t e = std::min(x1, t.Left - int64_t{s.Left} + source.Width());
        if (a < e) std::memcpy(to + n * a, from + n * (a - t.Left + s.Left), n * (e - a));
        continue;
      }
      for (int64_t x = x0; x < x1; ++x) {
        const int64_t sx = s.Left + (x - t.Left) * sw / tw;
        if (sx < 0 || sx >= source.Width()) continue;
        std::memcpy(to + n * x, from + n * sx, n);
      }
    }
  }
}

}  // namespace tmv
