#include "win/app/TestIcons.h"

#include <cstdint>
#include <vector>

namespace tmv {
namespace {

RGBQUAD PaletteEntry(int i) {
  switch (i) {
    case 1: return RGBQUAD{0, 0, 255, 0};
    case 2: return RGBQUAD{0, 255, 0, 0};
    case 3: return RGBQUAD{255, 0, 0, 0};
    default: return RGBQUAD{BYTE(i), BYTE(i), BYTE(i), 0};
  }
}

BYTE PaletteIndexOf(COLORREF c) {
  if (c == RGB(255, 0, 0)) return 1;
  if (c == RGB(0, 255, 0)) return 2;
  if (c == RGB(0, 0, 255)) return 3;
  return GetRValue(c);
}

void StorePixel(uint8_t* row, int x, int bitCount, COLORREF c) {
  switch (bitCount) {
    case 8:
      row[x] = PaletteIndexOf(c);
      break;
    case 16: {
      const unsigned v = (GetRValue(c) >> 3) << 10 | (GetGValue(c) >> 3) << 5 | GetBValue(c) >> 3;
      row[2 * x] = BYTE(v);
      row[2 * x + 1] = BYTE(v >> 8);
      break;
    }
    default:
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
  }
}

UniqueBitmap MakeColourImage(int size, int bitCount, const TPixelColour& colour) {
  HDC screen = GetDC(nullptr);
  UniqueBitmap bitmap;
  if (bitCount == 32) {
    bitmap.Reset(CreateCompatibleBitmap(screen, size, size));
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap.Get());
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) SetPixel(dc, x, y, colour(x, y));
    SelectObject(dc, old);
    DeleteDC(dc);
  } else {
    struct {
      BITMAPINFOHEADER Header;
      RGBQUAD Colours[256];
    } info{};
    info.Header = {sizeof(BITMAPINFOHEADER), size, -size, 1, WORD(bitCount), BI_RGB, 0, 0, 0, 0, 0};
    for (int i = 0; i < 256; ++i) info.Colours[i] = PaletteEntry(i);
    void* bits = nullptr;
    bitmap.Reset(CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                  &bits, nullptr, 0));
    const int stride = (size * bitCount + 31) / 32 * 4;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x)
        StorePixel(static_cast<uint8_t*>(bits) + y * stride, x, bitCount, colour(x, y));
    GdiFlush();
  }
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

TIconImages MakeIconImages(int size, int bitCount, const TPixelColour& colour,
                           const TTransparent& transparent) {
  TIconImages images;
  images.Colour = MakeColourImage(size, bitCount, colour);
  const int stride = (size + 15) / 16 * 2;  // CreateBitmap rows are word-aligned
  std::vector<uint8_t> maskBits(size_t(stride * size));
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      if (transparent(x, y, size)) maskBits[size_t(y * stride + x / 8)] |= uint8_t(0x80 >> (x % 8));
  images.Mask.Reset(CreateBitmap(size, size, 1, 1, maskBits.data()));
  return images;
}

UniqueIcon MakeIcon(int size, int bitCount, const TPixelColour& colour,
                    const TTransparent& transparent) {
  const TIconImages images = MakeIconImages(size, bitCount, colour, transparent);
  ICONINFO info{TRUE, 0, 0, images.Mask.Get(), images.Colour.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

UniqueIcon MakeMonochromeIcon() {
  const int size = 32, stride = 4;
  std::vector<uint8_t> bits(size_t(stride * 2 * size));
  for (int y = 0; y < size; ++y) bits[size_t(y * stride)] = 0xFF;  // mask: x 0..7 transparent
  for (int y = 0; y < 4; ++y) {
    bits[size_t((size + y) * stride + 2)] = 0xFF;  // picture: x 16..31 white
    bits[size_t((size + y) * stride + 3)] = 0xFF;
  }
  UniqueBitmap mask(CreateBitmap(size, 2 * size, 1, 1, bits.data()));
  ICONINFO info{TRUE, 0, 0, mask.Get(), nullptr};
  return UniqueIcon(CreateIconIndirect(&info));
}

}  // namespace tmv
