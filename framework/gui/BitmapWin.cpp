// The Windows storage of TBitmap: a top-down DIB section, so GDI draws into the same pixels
// that ScanLine addresses.
#include <cstring>
#include <utility>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"

namespace tmv {

// A bitmap's canvas: a memory DC that holds the bitmap's DIB while it draws and lets go of it
// when the bitmap hands its handle out, because a bitmap can be in one DC at a time and
// GetDIBits wants it in none.
class TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap), dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw EOutOfResources("Out of system resources");
    SetHandle(dc_.Get());
  }
  ~TBitmapCanvas() override { ReleaseDib(); }

  void ReleaseDib() {
    if (original_) SelectObject(dc_.Get(), std::exchange(original_, nullptr));
  }

protected:
  void PrepareHandle() override {
    if (original_ || !bitmap_.dib_) return;
    original_ = SelectObject(dc_.Get(), bitmap_.dib_);
    bitmap_.SyncColorTable(dc_.Get());
  }

private:
  TBitmap& bitmap_;
  UniqueMemoryDC dc_;
  HGDIOBJ original_ = nullptr;  // the DC's own bitmap while the DIB is in it
};

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
}

void TBitmap::ReleaseStorage() {
  if (canvas_) canvas_->ReleaseDib();
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

void TBitmap::SyncColorTable(HDC dcHoldingDib) {
  if (!dib_ || bitCount_ > 8 || palette_.empty()) return;
  UINT n = static_cast<UINT>(std::min<size_t>(palette_.size(), size_t{1} << bitCount_));
  SetDIBColorTable(dcHoldingDib, 0, n, reinterpret_cast<const RGBQUAD*>(palette_.data()));
}

HBITMAP TBitmap::Handle() {
  if (canvas_) canvas_->ReleaseDib();
  if (dib_ && bitCount_ <= 8) {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SelectGuard held(dc.Get(), dib_);
    SyncColorTable(dc.Get());
  }
  return dib_;
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = new TBitmapCanvas(*this);
  // Taken back on the next drawing, with the colour table as Palette() now has it.
  canvas_->ReleaseDib();
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
