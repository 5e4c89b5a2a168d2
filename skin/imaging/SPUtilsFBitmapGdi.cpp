#include "skin/imaging/SPUtilsFBitmap.h"

#include <cstdlib>

#include "framework/gui/Handles.h"

namespace tmv {

BITMAPINFO TFBitmap::Header() const {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

TFBitmap TFBitmap::FromHandle(HBITMAP bitmap) {
  BITMAP described{};
  if (!bitmap || !GetObjectA(bitmap, sizeof(described), &described)) return {};
  TFBitmap picture(described.bmWidth, std::abs(described.bmHeight));
  if (picture.Empty()) return picture;
  // Pending drawing into a DIB section must reach its memory before the rows are read.
  GdiFlush();
  UniqueMemoryDC display(CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  BITMAPINFO info = picture.Header();
  if (!display || !GetDIBits(display.Get(), bitmap, 0, picture.Height(), picture.Bits(), &info,
                             DIB_RGB_COLORS))
    return {};
  return picture;
}

void TFBitmap::Draw(HDC dc, int32_t x, int32_t y) const {
  if (Empty() || !dc) return;
  BITMAPINFO info = Header();
  SetDIBitsToDevice(dc, x, y, width_, height_, 0, 0, 0, height_, Bits(), &info, DIB_RGB_COLORS);
}

}  // namespace tmv
