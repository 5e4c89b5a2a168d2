// The Windows storage of TBitmap: a top-down DIB section, so GDI draws into the same pixels
// that ScanLine addresses.
#include <cstring>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"

namespace tmv {

namespace {

struct TDibHeader {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

void FillHeader(TDibHeader& info, int width, int height, int bitCount,
                const std::vector<uint32_t>& palette) {
  std::memset(&info, 0, sizeof info);
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = width;
  info.header.biHeight = -height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitCount);
  info.header.biCompression = BI_RGB;
  if (bitCount <= 8) {
    size_t n = std::min<size_t>(palette.size(), size_t{1} << bitCount);
    info.header.biClrUsed = static_cast<DWORD>(n);
    std::memcpy(info.colors, palette.data(), n * sizeof(RGBQUAD));
  }
}

}  // namespace

void TBitmap::AllocateStorage() {
  bits_ = nullptr;
  if (Empty()) return;
  TDibHeader info;
  FillHeader(info, width_, height_, bitCount_, palette_);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                 &bits, nullptr, 0);
  if (!dib) {
    width_ = height_ = 0;
    throw EOutOfResources("Out of system resources");
  }
  dib_ = dib;
  bits_ = static_cast<uint8_t*>(bits);
  std::memset(bits_, 0, size_t(RowBytes()) * size_t(height_));
  if (canvas_) SelectObject(canvas_->Handle(), dib_);
}

void TBitmap::ReleaseStorage() {
  if (canvas_ && canvasOriginalBitmap_) SelectObject(canvas_->Handle(), canvasOriginalBitmap_);
  if (dib_) DeleteObject(dib_);
  dib_ = nullptr;
  bits_ = nullptr;
}

void TBitmap::ReleaseCanvas() {
  delete canvas_;
  canvas_ = nullptr;
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_) throw EInvalidGraphic("Scan line index out of range");
  // GDI may still hold drawing for this DIB in its batch.
  GdiFlush();
  return bits_ + size_t(y) * size_t(RowBytes());
}

void TBitmap::SyncColorTable() {
  if (!dib_ || bitCount_ > 8 || palette_.empty() || !canvas_) return;
  UINT n = static_cast<UINT>(std::min<size_t>(palette_.size(), size_t{1} << bitCount_));
  SetDIBColorTable(canvas_->Handle(), 0, n, reinterpret_cast<const RGBQUAD*>(palette_.data()));
}

HBITMAP TBitmap::Handle() {
  Canvas();
  return dib_;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw EOutOfResources("Out of system resources");
    canvas_ = new TCanvas(dc, true);
    canvasOriginalBitmap_ = dib_ ? SelectObject(dc, dib_) : GetCurrentObject(dc, OBJ_BITMAP);
  }
  SyncColorTable();
  return canvas_;
}

void TBitmap::AdoptHandle(HBITMAP handle) {
  UniqueBitmap owned(handle);
  BITMAP bm;
  if (!handle || !GetObjectA(handle, sizeof bm, &bm)) throw EInvalidGraphic("Bitmap image is not valid");
  int bitCount = bm.bmBitsPixel * bm.bmPlanes;
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24)
    bitCount = 32;
  palette_.clear();
  Reallocate(bm.bmWidth, bm.bmHeight, bitCount);
  if (Empty()) return;
  TDibHeader info;
  FillHeader(info, width_, height_, bitCount_, palette_);
  info.header.biClrUsed = 0;
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  GetDIBits(dc.Get(), handle, 0, static_cast<UINT>(height_), bits_,
            reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  if (bitCount_ <= 8) {
    palette_.assign(size_t{1} << bitCount_, 0);
    std::memcpy(palette_.data(), info.colors, palette_.size() * sizeof(RGBQUAD));
  }
}

}  // namespace tmv
