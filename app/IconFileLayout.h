#pragma once
// Byte layouts of the single-image icon files and the bitmap files the export writes. Window-free,
// so the same code lays out the files on Windows, in the native tests and in the build tools.
#include <cstdint>
#include <vector>

namespace tmv {

// Bytes of one pixel row: width pixels at bitCount bits, padded with zero bits to whole 32-bit words.
// 64 bits wide, so that any width the platform reports can be checked before it is used.
int64_t RowBytes(int64_t width, int64_t bitCount);

// One picture as the platform hands out its pixels: rows bottom-up, each RowBytes long.
struct TImageFormat {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t BitCount = 0;

  // Colour-table entries: 2^BitCount up to 8 bits per pixel, none above.
  int32_t PaletteEntries() const;
  int32_t PaletteBytes() const { return 4 * PaletteEntries(); }
  int32_t PixelBytes() const;
  // The 1-bit transparency mask of the same width and height.
  int32_t MaskBytes() const;
  // Width and height positive, a depth the platform stores (1, 4, 8, 16, 24, 32), and every size
  // of the files within 32 bits.
  bool IsValid() const;
};

// Appends little-endian integers.
void AppendUInt16(std::vector<uint8_t>& out, uint32_t value);
void AppendUInt32(std::vector<uint8_t>& out, uint32_t value);

// Appends a 40-byte uncompressed bitmap-information header for format, with the height and the
// colours-used count the caller's file needs.
void AppendInfoHeader(std::vector<uint8_t>& out, const TImageFormat& format, int32_t headerHeight,
                      int32_t coloursUsed);

// Sizes of the icon file holding one image: directory head, one entry, then the image (header with
// its colour table, colour pixels, mask pixels).
struct TIconFileLayout {
  static constexpr int32_t DirectoryBytes = 6;
  static constexpr int32_t EntryBytes = 16;
  static constexpr int32_t InfoHeaderBytes = 40;
  static constexpr int32_t ImageOffset = DirectoryBytes + EntryBytes;

  explicit TIconFileLayout(const TImageFormat& colour) : Format(colour) {}
  int32_t HeaderBytes() const { return InfoHeaderBytes + Format.PaletteBytes(); }
  int32_t ImageSize() const { return HeaderBytes() + Format.PixelBytes() + Format.MaskBytes(); }
  int32_t FileSize() const { return ImageOffset + ImageSize(); }

  TImageFormat Format;
};

struct TBitmapFileLayout {
  static constexpr int32_t FileHeaderBytes = 14;
  static constexpr int32_t InfoHeaderBytes = 40;

  explicit TBitmapFileLayout(const TImageFormat& format) : Format(format) {}
  int32_t PixelOffset() const { return FileHeaderBytes + InfoHeaderBytes + Format.PaletteBytes(); }
  int32_t FileSize() const { return PixelOffset() + Format.PixelBytes(); }

  TImageFormat Format;
};

// The whole icon file. The directory entry's colour word holds the colour image's planes times bits
// per pixel, and its own planes and bit count stay 0; the image header's height covers colour image
// and mask together. Raises EInvalidGraphic "Icon image is not valid" when the format is not valid
// or a buffer's size does not match it.
std::vector<uint8_t> ComposeIconFile(const TImageFormat& colour, const std::vector<uint8_t>& palette,
                                     const std::vector<uint8_t>& colourPixels,
                                     const std::vector<uint8_t>& maskPixels);

// A 32-bit colour image whose fourth bytes are all 0 carries no transparency of its own (pictures
// kept as display bitmaps come out so), yet icon readers take that byte as opacity and would show
// nothing. Such an image gets its opacity from the mask: 0 where the mask marks a pixel
// transparent, 255 elsewhere. Images that carry any opacity, and other depths, are left as they are.
void TakeOpacityFromMask(const TImageFormat& colour, std::vector<uint8_t>& colourPixels,
                         const std::vector<uint8_t>& maskPixels);

// The whole bitmap file; its colour table's entry count is stored as colours used. Raises
// EInvalidGraphic "Bitmap image is not valid" on a bad format or a buffer of the wrong size.
std::vector<uint8_t> ComposeBitmapFile(const TImageFormat& format, const std::vector<uint8_t>& palette,
                                       const std::vector<uint8_t>& pixels);

}  // namespace tmv
