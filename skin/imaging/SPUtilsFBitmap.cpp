#include "skin/imaging/SPUtilsFBitmap.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "framework/core/Exceptions.h"

namespace tmv {

TFBitmap::TFBitmap(int32_t width, int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == 0 || height == 0) return;
  const int64_t stride = 3 * int64_t{width} + width % 4;
  const int64_t size = stride * height;
  if (stride > INT32_MAX || size > INT32_MAX)
    throw EOutOfResources(Format("Picture of %d x %d pixels is too large", width, height));
  try {
    pixels_.assign(static_cast<size_t>(size), 0xFF);
  } catch (const std::bad_alloc&) {
    throw EOutOfResources(Format("Picture of %d x %d pixels is too large", width, height));
  }
  width_ = width;
  height_ = height;
  stride_ = static_cast<int32_t>(stride);
}

TBgr TFBitmap::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
  const uint8_t* p = Row(y) + 3 * x;
  return {p[0], p[1], p[2]};
}

void TFBitmap::SetPixel(int32_t x, int32_t y, TBgr c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  uint8_t* p = Row(y) + 3 * x;
  p[0] = c.B;
  p[1] = c.G;
  p[2] = c.R;
}

void TFBitmap::Fill(TBgr c) {
  for (int32_t y = 0; y < height_; ++y) {
    uint8_t* p = Row(y);
    for (int32_t x = 0; x < width_; ++x, p += 3) {
      p[0] = c.B;
      p[1] = c.G;
      p[2] = c.R;
    }
  }
}

namespace {

// Pixel x of a row of 16, 24 or 32 bits.
TBgr DirectPixel(const uint8_t* row, int32_t x, int bitCount) {
  switch (bitCount) {
    case 16: {
      const uint32_t v = row[2 * x] | (row[2 * x + 1] << 8);
      auto widen = [](uint32_t five) { return static_cast<uint8_t>((five << 3) | (five >> 2)); };
      return {widen(v & 0x1F), widen((v >> 5) & 0x1F), widen((v >> 10) & 0x1F)};
    }
    case 24: return {row[3 * x], row[3 * x + 1], row[3 * x + 2]};
    case 32: return {row[4 * x], row[4 * x + 1], row[4 * x + 2]};
    default: return {};
  }
}

// Index x of a row of 1, 4 or 8 bits.
uint32_t PixelIndex(const uint8_t* row, int32_t x, int bitCount) {
  switch (bitCount) {
    case 1: return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4: return (row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF;
    default: return row[x];
  }
}

}  // namespace

TFBitmap TFBitmap::FromBitmap(const TBitmap& bitmap) {
  if (bitmap.Empty()) return {};
  TFBitmap picture(bitmap.Width(), bitmap.Height());
  // Indexes beyond the colour table read black.
  const bool indexed = bitmap.BitCount() <= 8;
  TBgr colours[256] = {};
  const std::vector<uint32_t>& table = bitmap.Palette();
  for (size_t i = 0; i < table.size() && i < 256; ++i)
    colours[i] = {static_cast<uint8_t>(table[i]), static_cast<uint8_t>(table[i] >> 8),
                  static_cast<uint8_t>(table[i] >> 16)};
  // Rows lie one after the other from scan line 0; asking for each would flush GDI each time.
  const uint8_t* rows = bitmap.ScanLine(0);
  for (int32_t y = 0; y < picture.Height(); ++y) {
    const uint8_t* from = rows + static_cast<size_t>(y) * static_cast<size_t>(bitmap.RowBytes());
    uint8_t* to = picture.Row(y);
    if (bitmap.BitCount() == 24) {
      std::memcpy(to, from, 3 * static_cast<size_t>(picture.Width()));
      continue;
    }
    for (int32_t x = 0; x < picture.Width(); ++x) {
      const TBgr c = indexed ? colours[PixelIndex(from, x, bitmap.BitCount())]
                             : DirectPixel(from, x, bitmap.BitCount());
      to[3 * x] = c.B;
      to[3 * x + 1] = c.G;
      to[3 * x + 2] = c.R;
    }
  }
  return picture;
}

}  // namespace tmv
