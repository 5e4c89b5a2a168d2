#pragma once
// A device-independent bitmap whose pixels are always addressable. Rows are stored top-down,
// each padded to a multiple of four bytes, in the BMP pixel layout of the bit count. On Windows
// the storage is a DIB section, so GDI can draw into it; elsewhere it is a heap buffer.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Streams.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tmv {

#ifdef _WIN32
class TCanvas;
class TBitmapCanvas;
#endif

class TBitmap : public TPersistent {
public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void Assign(const TBitmap& source);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitCount() const { return bitCount_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }

  // Both settings leave zeroed pixels; invalid values (negative sizes, a bit count other than
  // 1, 4, 8, 16, 24 or 32) are ignored. A size too large to allocate raises EOutOfResources.
  void SetSize(int width, int height);
  void SetBitCount(int bitCount);

  // Row y counted from the top; an index outside the bitmap raises EInvalidGraphic.
  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  int RowBytes() const { return RowBytesFor(width_, bitCount_); }
  static int RowBytesFor(int width, int bitCount) {
    return static_cast<int>(((int64_t{width} * bitCount + 31) / 32) * 4);
  }

  // RGBQUAD values (0x00RRGGBB) of the colour table, for bit counts up to 8.
  std::vector<uint32_t>& Palette() { return palette_; }
  const std::vector<uint32_t>& Palette() const { return palette_; }

  // Reads one BMP file image from the current position; its length is its file-size field,
  // and the stream is left right after it. A malformed image raises EInvalidGraphic
  // "Bitmap image is not valid" and leaves the bitmap unchanged.
  void LoadFromStream(TStream& stream);
  // Writes a complete BMP file image; an empty bitmap writes nothing.
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

  // The "Data" property of form resources: the bytes of a BMP file (empty clears the bitmap).
  void SetData(const std::vector<uint8_t>& bytes);

#ifdef _WIN32
  // The DIB section holding the pixels (null while the bitmap is empty); owned by the bitmap.
  // It is selected into no DC, so it can go to GetDIBits or into another DC; the canvas takes
  // it back when it next draws.
  HBITMAP Handle();
  // Draws on the bitmap through a memory DC kept while the bitmap lives.
  TCanvas* Canvas();
  // Takes ownership of any bitmap, device-dependent ones too; its pixels are copied into
  // this bitmap's own storage and the handle is deleted.
  void AdoptHandle(HBITMAP handle);
#endif

private:
  void Reallocate(int width, int height, int bitCount);
  void AllocateStorage();  // zeroed rows for width_ x height_ at bitCount_; sets bits_
  void ReleaseStorage();
  // Takes over the pixels and colours of source, a bitmap that never had a canvas, and
  // leaves it empty.
  void TakeStorage(TBitmap& source);
  void ResetPalette();

  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 24;
  std::vector<uint32_t> palette_;
  uint8_t* bits_ = nullptr;
#ifdef _WIN32
  friend class TBitmapCanvas;
  void SyncColorTable(HDC dcHoldingDib);
  void ReleaseCanvas();
  HBITMAP dib_ = nullptr;
  TBitmapCanvas* canvas_ = nullptr;
#else
  std::vector<uint8_t> heap_;
#endif
};

}  // namespace tmv
