#include "app/IconFileLayout.h"

#include <limits>

#include "framework/core/Exceptions.h"

namespace tmv {

int64_t RowBytes(int64_t width, int64_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

int32_t TImageFormat::PaletteEntries() const { return BitCount <= 8 ? 1 << BitCount : 0; }

int32_t TImageFormat::PixelBytes() const {
  return static_cast<int32_t>(RowBytes(Width, BitCount) * Height);
}

int32_t TImageFormat::MaskBytes() const { return static_cast<int32_t>(RowBytes(Width, 1) * Height); }

bool TImageFormat::IsValid() const {
  switch (BitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: return false;
  }
  if (Width <= 0 || Height <= 0) return false;
  // The largest file built from this picture is the icon file: both headers, the colour table, the
  // colour pixels and the mask.
  const int64_t largest = TIconFileLayout::ImageOffset + TIconFileLayout::InfoHeaderBytes +
                          4 * int64_t{PaletteEntries()} +
                          (RowBytes(Width, BitCount) + RowBytes(Width, 1)) * Height;
  return largest <= std::numeric_limits<int32_t>::max();
}

void AppendUInt16(std::vector<uint8_t>& out, uint32_t value) {
  out.push_back(static_cast<uint8_t>(value));
  out.push_back(static_cast<uint8_t>(value >> 8));
}

void AppendUInt32(std::vector<uint8_t>& out, uint32_t value) {
  AppendUInt16(out, value & 0xFFFF);
  AppendUInt16(out, value >> 16);
}

void AppendInfoHeader(std::vector<uint8_t>& out, const TImageFormat& format, int32_t headerHeight,
                      int32_t coloursUsed) {
  AppendUInt32(out, TIconFileLayout::InfoHeaderBytes);
  AppendUInt32(out, static_cast<uint32_t>(format.Width));
  AppendUInt32(out, static_cast<uint32_t>(headerHeight));
  AppendUInt16(out, 1);  // planes
  AppendUInt16(out, static_cast<uint32_t>(format.BitCount));
  AppendUInt32(out, 0);  // uncompressed
  AppendUInt32(out, static_cast<uint32_t>(format.PixelBytes()));
  AppendUInt32(out, 0);  // horizontal resolution
  AppendUInt32(out, 0);  // vertical resolution
  AppendUInt32(out, static_cast<uint32_t>(coloursUsed));
  AppendUInt32(out, 0);  // important colours
}

namespace {

void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

}  // namespace

std::vector<uint8_t> ComposeIconFile(const TImageFormat& colour, const std::vector<uint8_t>& palette,
                                     const std::vector<uint8_t>& colourPixels,
                                     const std::vector<uint8_t>& maskPixels) {
  if (!colour.IsValid() || palette.size() != static_cast<size_t>(colour.PaletteBytes()) ||
      colourPixels.size() != static_cast<size_t>(colour.PixelBytes()) ||
      maskPixels.size() != static_cast<size_t>(colour.MaskBytes()))
    throw EInvalidGraphic("Icon image is not valid");
  const TIconFileLayout layout(colour);
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(layout.FileSize()));
  AppendUInt16(out, 0);  // reserved
  AppendUInt16(out, 1);  // an icon, not a cursor
  AppendUInt16(out, 1);  // one image
  out.push_back(static_cast<uint8_t>(colour.Width));
  out.push_back(static_cast<uint8_t>(colour.Height));
  AppendUInt16(out, static_cast<uint32_t>(1 * colour.BitCount));  // planes times bits per pixel
  AppendUInt16(out, 0);
  AppendUInt16(out, 0);
  AppendUInt32(out, static_cast<uint32_t>(layout.ImageSize()));
  AppendUInt32(out, TIconFileLayout::ImageOffset);
  AppendInfoHeader(out, colour, 2 * colour.Height, 0);
  Append(out, palette);
  Append(out, colourPixels);
  Append(out, maskPixels);
  return out;
}

void TakeOpacityFromMask(const TImageFormat& colour, std::vector<uint8_t>& colourPixels,
                         const std::vector<uint8_t>& maskPixels) {
  if (colour.BitCount != 32 || !colour.IsValid() ||
      colourPixels.size() != static_cast<size_t>(colour.PixelBytes()) ||
      maskPixels.size() != static_cast<size_t>(colour.MaskBytes()))
    return;
  for (size_t at = 3; at < colourPixels.size(); at += 4)
    if (colourPixels[at] != 0) return;
  const size_t colourRow = static_cast<size_t>(RowBytes(colour.Width, 32));
  const size_t maskRow = static_cast<size_t>(RowBytes(colour.Width, 1));
  for (size_t y = 0; y < static_cast<size_t>(colour.Height); ++y)
    for (size_t x = 0; x < static_cast<size_t>(colour.Width); ++x) {
      const bool transparent = maskPixels[y * maskRow + x / 8] & (0x80 >> (x % 8));
      colourPixels[y * colourRow + 4 * x + 3] = transparent ? 0 : 255;
    }
}

std::vector<uint8_t> ComposeBitmapFile(const TImageFormat& format, const std::vector<uint8_t>& palette,
                                       const std::vector<uint8_t>& pixels) {
  if (!format.IsValid() || palette.size() != static_cast<size_t>(format.PaletteBytes()) ||
      pixels.size() != static_cast<size_t>(format.PixelBytes()))
    throw EInvalidGraphic("Bitmap image is not valid");
  const TBitmapFileLayout layout(format);
  std::vector<uint8_t> out;
  out.reserve(static_cast<size_t>(layout.FileSize()));
  out.push_back('B');
  out.push_back('M');
  AppendUInt32(out, static_cast<uint32_t>(layout.FileSize()));
  AppendUInt32(out, 0);  // two reserved words
  AppendUInt32(out, static_cast<uint32_t>(layout.PixelOffset()));
  AppendInfoHeader(out, format, format.Height, format.PaletteEntries());
  Append(out, palette);
  Append(out, pixels);
  return out;
}

}  // namespace tmv
