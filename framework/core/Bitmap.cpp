#include "framework/core/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "framework/core/ClassInfo.h"

namespace tmv {

namespace {

const char* const kInvalidBitmap = "Bitmap image is not valid";
constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr int kCoreHeaderSize = 12;

bool ValidBitCount(int b) { return b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32; }

uint16_t Get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Get32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
         static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}
void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}

[[noreturn]] void Invalid() { throw EInvalidGraphic(kInvalidBitmap); }

// The parts of a BMP file image, checked against the image's own length.
struct TBmpLayout {
  int width = 0;
  int height = 0;          // always positive here
  bool topDown = false;
  int bitCount = 0;
  uint32_t paletteOffset = 0;
  uint32_t paletteCount = 0;
  uint32_t paletteEntrySize = 4;
  uint32_t pixelOffset = 0;
  uint32_t rowBytes = 0;
};

// Bit fields are accepted only when they describe the plain layout of the bit count, which is
// all this bitmap stores.
bool PlainMasks(int bitCount, uint32_t r, uint32_t g, uint32_t b) {
  if (bitCount == 16) return r == 0x7C00 && g == 0x03E0 && b == 0x001F;
  if (bitCount == 32) return r == 0xFF0000 && g == 0xFF00 && b == 0xFF;
  return false;
}

// p holds the image's bytes up to its pixels (pixelOffset of them), size is the whole image.
TBmpLayout ParseLayout(const uint8_t* p, uint32_t pixelOffset, uint32_t size) {
  TBmpLayout l;
  l.pixelOffset = pixelOffset;
  const uint32_t headerSize = Get32(p + kFileHeaderSize);
  const uint8_t* h = p + kFileHeaderSize;
  if (headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize && headerSize != 108 &&
      headerSize != 124)
    Invalid();
  if (headerSize > pixelOffset - kFileHeaderSize) Invalid();

  int64_t width, height;
  uint32_t planes, compression = 0, colorsUsed = 0;
  uint32_t afterHeader = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeaderSize) {
    width = Get16(h + 4);
    height = Get16(h + 6);
    planes = Get16(h + 8);
    l.bitCount = Get16(h + 10);
    l.paletteEntrySize = 3;
  } else {
    width = static_cast<int32_t>(Get32(h + 4));
    height = static_cast<int32_t>(Get32(h + 8));
    planes = Get16(h + 12);
    l.bitCount = Get16(h + 14);
    compression = Get32(h + 16);
    colorsUsed = Get32(h + 32);
  }
  if (width <= 0 || height == 0 || planes != 1 || !ValidBitCount(l.bitCount)) Invalid();
  l.topDown = height < 0;
  if (height < 0) height = -height;
  if (width > std::numeric_limits<int32_t>::max() / 32 || height > std::numeric_limits<int32_t>::max())
    Invalid();
  l.width = static_cast<int>(width);
  l.height = static_cast<int>(height);

  if (compression == 3 /* bit fields */) {
    // The three masks follow a 40-byte header and sit at the same place inside larger ones.
    const uint32_t maskAt = kFileHeaderSize + kInfoHeaderSize;
    if (headerSize == kInfoHeaderSize) afterHeader += 12;
    if (maskAt + 12 > pixelOffset) Invalid();
    if (!PlainMasks(l.bitCount, Get32(p + maskAt), Get32(p + maskAt + 4), Get32(p + maskAt + 8)))
      Invalid();
  } else if (compression != 0) {
    Invalid();
  }

  const uint32_t maxColors = l.bitCount <= 8 ? 1u << l.bitCount : 256u;
  if (colorsUsed > maxColors) Invalid();
  l.paletteCount = l.bitCount <= 8 ? (colorsUsed ? colorsUsed : maxColors) : 0;
  l.paletteOffset = afterHeader;
  const uint64_t paletteEnd =
      uint64_t{afterHeader} + uint64_t{l.paletteCount} * l.paletteEntrySize;
  if (l.pixelOffset < paletteEnd || l.pixelOffset > size) Invalid();

  l.rowBytes = static_cast<uint32_t>(TBitmap::RowBytesFor(l.width, l.bitCount));
  const uint64_t pixelBytes = uint64_t{l.rowBytes} * static_cast<uint64_t>(l.height);
  if (pixelBytes > size - l.pixelOffset) Invalid();
  return l;
}

}  // namespace

const TClassInfo& TBitmap::StaticClassInfo() {
  static const TClassInfo info("TBitmap", &TPersistent::StaticClassInfo(), nullptr,
                               {prop::Binary<&TBitmap::SetData>("Data")});
  return info;
}

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  ReleaseStorage();
#ifdef _WIN32
  ReleaseCanvas();
#endif
}

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  Reallocate(source.width_, source.height_, source.bitCount_);
  palette_ = source.palette_;
  if (!Empty()) std::memcpy(bits_, source.ScanLine(0), size_t(RowBytes()) * size_t(height_));
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0) return;
  Reallocate(width, height, bitCount_);
}

void TBitmap::SetBitCount(int bitCount) {
  if (!ValidBitCount(bitCount)) return;
  bool paletteChanges = bitCount != bitCount_;
  Reallocate(width_, height_, bitCount);
  if (paletteChanges) ResetPalette();
}

void TBitmap::ResetPalette() {
  palette_.clear();
  if (bitCount_ > 8) return;
  palette_.assign(size_t{1} << bitCount_, 0);
  palette_.back() = 0xFFFFFF;
}

void TBitmap::Reallocate(int width, int height, int bitCount) {
  if (width == 0 || height == 0) width = height = 0;
  const int64_t rowBytes = ((int64_t{width} * bitCount + 31) / 32) * 4;
  if (rowBytes * height > std::numeric_limits<int32_t>::max())
    throw EOutOfResources("Out of system resources");
  const bool paletteWasUnset = bitCount <= 8 && palette_.empty();
  ReleaseStorage();
  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  AllocateStorage();
  if (paletteWasUnset) ResetPalette();
}

uint8_t* TBitmap::ScanLine(int y) {
  return const_cast<uint8_t*>(static_cast<const TBitmap*>(this)->ScanLine(y));
}

void TBitmap::LoadFromStream(TStream& stream) {
  const int64_t left = stream.BytesLeftAtMost();
  std::vector<uint8_t> headers(kFileHeaderSize);
  stream.ReadBuffer(headers.data(), kFileHeaderSize);
  const uint32_t fileSize = Get32(&headers[2]);
  const uint32_t pixelOffset = Get32(&headers[10]);
  if (headers[0] != 'B' || headers[1] != 'M' || fileSize < kFileHeaderSize + kCoreHeaderSize ||
      int64_t{fileSize} > left || pixelOffset < kFileHeaderSize + 4 || pixelOffset > fileSize)
    Invalid();
  headers.resize(pixelOffset);
  stream.ReadBuffer(&headers[kFileHeaderSize], static_cast<int32_t>(pixelOffset - kFileHeaderSize));
  const TBmpLayout l = ParseLayout(headers.data(), pixelOffset, fileSize);

  std::vector<uint32_t> palette(l.paletteCount);
  for (uint32_t i = 0; i < l.paletteCount; ++i) {
    const uint8_t* e = &headers[l.paletteOffset + i * l.paletteEntrySize];
    palette[i] = static_cast<uint32_t>(e[0]) | static_cast<uint32_t>(e[1]) << 8 |
                 static_cast<uint32_t>(e[2]) << 16;
  }
  // The rows go from the stream straight into the pixel memory of a bitmap of their own, so a
  // package is never copied whole, and a stream that ends inside them leaves this one as it was.
  TBitmap loaded;
  loaded.Reallocate(l.width, l.height, l.bitCount);
  loaded.palette_ = std::move(palette);
  // Rows are stored as the file stores them, padding included: one read takes them all (a
  // read per row costs an inflating stream dearly), and bottom-up files are turned after.
  uint8_t* rows = loaded.ScanLine(0);
  stream.ReadBuffer(rows, static_cast<int32_t>(size_t(l.rowBytes) * size_t(l.height)));
  if (!l.topDown)
    for (int top = 0, bottom = l.height - 1; top < bottom; ++top, --bottom)
      std::swap_ranges(rows + size_t(top) * l.rowBytes, rows + size_t(top + 1) * l.rowBytes,
                       rows + size_t(bottom) * l.rowBytes);
  const int64_t rest = int64_t{fileSize} - l.pixelOffset - int64_t{l.rowBytes} * l.height;
  if (rest > 0) stream.Seek(rest, soCurrent);
  TakeStorage(loaded);
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty()) return;
  const uint32_t paletteBytes = static_cast<uint32_t>(bitCount_ <= 8 ? palette_.size() * 4 : 0);
  const uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;
  const uint32_t imageBytes = static_cast<uint32_t>(RowBytes()) * static_cast<uint32_t>(height_);
  std::vector<uint8_t> out(pixelOffset + size_t(imageBytes));
  uint8_t* p = out.data();
  p[0] = 'B';
  p[1] = 'M';
  Put32(p + 2, static_cast<uint32_t>(out.size()));
  Put32(p + 10, pixelOffset);
  uint8_t* h = p + kFileHeaderSize;
  Put32(h, kInfoHeaderSize);
  Put32(h + 4, static_cast<uint32_t>(width_));
  Put32(h + 8, static_cast<uint32_t>(height_));
  Put16(h + 12, 1);
  Put16(h + 14, static_cast<uint32_t>(bitCount_));
  Put32(h + 20, imageBytes);
  Put32(h + 32, paletteBytes / 4);
  for (size_t i = 0; i < paletteBytes / 4; ++i) Put32(h + kInfoHeaderSize + i * 4, palette_[i] & 0xFFFFFF);
  for (int y = 0; y < height_; ++y)
    std::memcpy(p + pixelOffset + size_t(height_ - 1 - y) * size_t(RowBytes()), ScanLine(y),
                size_t(RowBytes()));
  stream.WriteBuffer(out.data(), static_cast<int32_t>(out.size()));
}

void TBitmap::LoadFromFile(const std::string& fileName) {
  TFileStream stream(fileName, fmOpenRead);
  LoadFromStream(stream);
}

void TBitmap::SaveToFile(const std::string& fileName) const {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
}

void TBitmap::SetData(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) {
    Reallocate(0, 0, bitCount_);
    return;
  }
  TBytesStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  LoadFromStream(stream);
}

void TBitmap::TakeStorage(TBitmap& source) {
  ReleaseStorage();
  width_ = source.width_;
  height_ = source.height_;
  bitCount_ = source.bitCount_;
  palette_ = std::move(source.palette_);
  bits_ = source.bits_;
#ifdef _WIN32
  dib_ = source.dib_;
  source.dib_ = nullptr;
#else
  heap_ = std::move(source.heap_);
#endif
  source.bits_ = nullptr;
  source.width_ = source.height_ = 0;
}

#ifndef _WIN32
void TBitmap::AllocateStorage() {
  heap_.assign(size_t(RowBytes()) * size_t(height_), 0);
  bits_ = heap_.empty() ? nullptr : heap_.data();
}

void TBitmap::ReleaseStorage() {
  heap_.clear();
  heap_.shrink_to_fit();
  bits_ = nullptr;
}

const uint8_t* TBitmap::ScanLine(int y) const {
  if (y < 0 || y >= height_) throw EInvalidGraphic("Scan line index out of range");
  return bits_ + size_t(y) * size_t(RowBytes());
}
#endif

}  // namespace tmv
