#include "app/IconFileLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "framework/core/Exceptions.h"

namespace tmv {
namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

std::vector<uint8_t> Filled(int32_t size, uint8_t value) {
  return std::vector<uint8_t>(static_cast<size_t>(size), value);
}

std::vector<uint8_t> IconFileOf(const TImageFormat& f) {
  return ComposeIconFile(f, Filled(f.PaletteBytes(), 0x11), Filled(f.PixelBytes(), 0x22),
                         Filled(f.MaskBytes(), 0x33));
}

TEST(RowBytes, PadsEveryRowToWholeWords) {
  EXPECT_EQ(RowBytes(32, 32), 128);
  EXPECT_EQ(RowBytes(16, 24), 48);
  EXPECT_EQ(RowBytes(15, 24), 48);  // 45 bytes of pixels
  EXPECT_EQ(RowBytes(32, 1), 4);
  EXPECT_EQ(RowBytes(16, 1), 4);    // 2 bytes of pixels
  EXPECT_EQ(RowBytes(33, 1), 8);
  EXPECT_EQ(RowBytes(3, 8), 4);
  EXPECT_EQ(RowBytes(9, 4), 8);
  EXPECT_EQ(RowBytes(1, 16), 4);
  EXPECT_EQ(RowBytes(0x7FFFFFFF, 32), int64_t{0x7FFFFFFF} * 4);  // no 32-bit overflow
}

// Image-size field and file size of every kind of icon the program meets.
TEST(IconFile, SizesOfTheIconsTheProgramMeets) {
  struct Case { int32_t w, h, b, imageSize, fileSize; } cases[] = {
      {32, 32, 32, 4264, 4286}, {16, 16, 32, 1128, 1150}, {32, 32, 24, 3240, 3262},
      {32, 32, 16, 2216, 2238}, {32, 32, 8, 2216, 2238},  {16, 16, 8, 1384, 1406},
      {32, 32, 4, 744, 766},    {32, 32, 1, 304, 326}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << "x" << c.b);
    const TImageFormat f{c.w, c.h, c.b};
    const std::vector<uint8_t> file = IconFileOf(f);
    EXPECT_EQ(static_cast<int32_t>(file.size()), c.fileSize);
    EXPECT_EQ(TIconFileLayout(f).FileSize(), c.fileSize);
    EXPECT_EQ(U32(file, 14), static_cast<uint32_t>(c.imageSize));
    EXPECT_EQ(U32(file, 18), 22u);
  }
}

TEST(IconFile, DirectoryAndHeaderOfATrueColourIcon) {
  const std::vector<uint8_t> file = IconFileOf({32, 32, 32});
  EXPECT_EQ(U16(file, 0), 0u);
  EXPECT_EQ(U16(file, 2), 1u);  // icon
  EXPECT_EQ(U16(file, 4), 1u);  // one image
  const std::vector<uint8_t> entryStart(file.begin() + 6, file.begin() + 10);
  EXPECT_EQ(entryStart, (std::vector<uint8_t>{0x20, 0x20, 0x20, 0x00}));
  EXPECT_EQ(U16(file, 10), 0u);
  EXPECT_EQ(U16(file, 12), 0u);
  // The image header: height doubled for colour image and mask, size of the colour pixels only.
  EXPECT_EQ(U32(file, 22), 40u);
  EXPECT_EQ(U32(file, 26), 32u);
  EXPECT_EQ(U32(file, 30), 64u);
  EXPECT_EQ(U16(file, 34), 1u);
  EXPECT_EQ(U16(file, 36), 32u);
  EXPECT_EQ(U32(file, 38), 0u);
  EXPECT_EQ(U32(file, 42), 4096u);
  for (size_t at = 46; at < 62; at += 4) EXPECT_EQ(U32(file, at), 0u) << at;
}

TEST(IconFile, PartsFollowEachOtherWithoutGaps) {
  const TImageFormat f{16, 16, 8};
  const std::vector<uint8_t> file = IconFileOf(f);
  EXPECT_EQ(file[8], 8);  // colour word: 1 plane x 8 bits
  EXPECT_EQ(file[9], 0);
  EXPECT_EQ(U32(file, 30), 32u);
  EXPECT_EQ(U32(file, 54), 0u);  // colours used stays 0 in an icon
  const size_t palette = 62, pixels = palette + 1024, mask = pixels + 256;
  EXPECT_EQ(file[palette], 0x11);
  EXPECT_EQ(file[pixels - 1], 0x11);
  EXPECT_EQ(file[pixels], 0x22);
  EXPECT_EQ(file[mask - 1], 0x22);
  EXPECT_EQ(file[mask], 0x33);
  EXPECT_EQ(file.size(), mask + 64);
}

TEST(IconFile, SizesAboveAByteKeepTheirLowByteInTheEntry) {
  const std::vector<uint8_t> file = IconFileOf({256, 300, 32});
  EXPECT_EQ(file[6], 0);
  EXPECT_EQ(file[7], 300 & 0xFF);
  EXPECT_EQ(U32(file, 26), 256u);
  EXPECT_EQ(U32(file, 30), 600u);
}

TEST(IconFile, RejectsFormatsAndBuffersThatDoNotMatch) {
  const TImageFormat good{16, 16, 32};
  const auto pixels = Filled(good.PixelBytes(), 0), mask = Filled(good.MaskBytes(), 0);
  EXPECT_NO_THROW(ComposeIconFile(good, {}, pixels, mask));
  EXPECT_THROW(ComposeIconFile(good, {}, Filled(good.PixelBytes() - 1, 0), mask), EInvalidGraphic);
  EXPECT_THROW(ComposeIconFile(good, {}, pixels, Filled(good.MaskBytes() + 1, 0)), EInvalidGraphic);
  EXPECT_THROW(ComposeIconFile(good, Filled(4, 0), pixels, mask), EInvalidGraphic);
  const TImageFormat indexed{16, 16, 8};
  EXPECT_THROW(ComposeIconFile(indexed, Filled(1020, 0), Filled(indexed.PixelBytes(), 0),
                               Filled(indexed.MaskBytes(), 0)),
               EInvalidGraphic);
  try {
    ComposeIconFile({0, 16, 32}, {}, {}, {});
    FAIL() << "an empty icon was accepted";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(e.Message, "Icon image is not valid");
  }
}

TEST(ImageFormat, ValidOnlyForStorableShapes) {
  EXPECT_TRUE((TImageFormat{1, 1, 1}.IsValid()));
  EXPECT_TRUE((TImageFormat{48, 48, 4}.IsValid()));
  EXPECT_FALSE((TImageFormat{16, 16, 0}.IsValid()));
  EXPECT_FALSE((TImageFormat{16, 16, 2}.IsValid()));
  EXPECT_FALSE((TImageFormat{16, 16, 64}.IsValid()));
  EXPECT_FALSE((TImageFormat{-16, 16, 32}.IsValid()));
  EXPECT_FALSE((TImageFormat{16, 0, 32}.IsValid()));
  EXPECT_FALSE((TImageFormat{16, -16, 32}.IsValid()));
  // Sizes that would wrap a 32-bit size field.
  EXPECT_FALSE((TImageFormat{0x7FFFFFFF, 1, 32}.IsValid()));
  EXPECT_FALSE((TImageFormat{30000, 30000, 32}.IsValid()));
  EXPECT_TRUE((TImageFormat{20000, 20000, 32}.IsValid()));
}

TEST(BitmapFile, SizesHeaderAndColourTable) {
  struct Case { int32_t w, h, b, fileSize; } cases[] = {
      {32, 32, 32, 4150}, {16, 16, 32, 1078}, {32, 32, 24, 3126}, {16, 16, 8, 1334}, {3, 2, 24, 78}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << "x" << c.b);
    const TImageFormat f{c.w, c.h, c.b};
    const std::vector<uint8_t> file =
        ComposeBitmapFile(f, Filled(f.PaletteBytes(), 0x44), Filled(f.PixelBytes(), 0x55));
    ASSERT_EQ(static_cast<int32_t>(file.size()), c.fileSize);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), static_cast<uint32_t>(c.fileSize));
    EXPECT_EQ(U32(file, 6), 0u);
    const uint32_t offset = 54 + f.PaletteBytes();
    EXPECT_EQ(U32(file, 10), offset);
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(U32(file, 18), static_cast<uint32_t>(c.w));
    EXPECT_EQ(U32(file, 22), static_cast<uint32_t>(c.h));  // positive: bottom-up
    EXPECT_EQ(U16(file, 26), 1u);
    EXPECT_EQ(U16(file, 28), static_cast<uint32_t>(c.b));
    EXPECT_EQ(U32(file, 30), 0u);
    EXPECT_EQ(U32(file, 34), static_cast<uint32_t>(f.PixelBytes()));
    EXPECT_EQ(U32(file, 46), static_cast<uint32_t>(f.PaletteEntries()));
    EXPECT_EQ(U32(file, 50), 0u);
    EXPECT_EQ(file[offset - 1], f.PaletteBytes() ? 0x44 : 0);
    EXPECT_EQ(file[offset], 0x55);
  }
}

TEST(BitmapFile, RejectsFormatsAndBuffersThatDoNotMatch) {
  const TImageFormat f{16, 16, 8};
  EXPECT_THROW(ComposeBitmapFile(f, {}, Filled(f.PixelBytes(), 0)), EInvalidGraphic);
  EXPECT_THROW(ComposeBitmapFile(f, Filled(f.PaletteBytes(), 0), {}), EInvalidGraphic);
  EXPECT_THROW(ComposeBitmapFile({16, 16, 7}, {}, {}), EInvalidGraphic);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

// 2×2 at 32 bits: rows of 8 bytes; mask rows of 4 bytes, left column transparent.
TEST(Opacity, TakenFromTheMaskWhenThePictureHasNone) {
  const TImageFormat f{2, 2, 32};
  std::vector<uint8_t> pixels = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 0};
  const std::vector<uint8_t> mask = {0x80, 0, 0, 0, 0x80, 0, 0, 0};
  TakeOpacityFromMask(f, pixels, mask);
  EXPECT_EQ(pixels, (std::vector<uint8_t>{1, 2, 3, 0, 4, 5, 6, 255, 7, 8, 9, 0, 10, 11, 12, 255}));
}

TEST(Opacity, PicturesWithTheirOwnOpacityAndOtherDepthsAreLeftAlone) {
  const std::vector<uint8_t> mask = {0x80, 0, 0, 0, 0x80, 0, 0, 0};
  const std::vector<uint8_t> ownOpacity = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0, 10, 11, 12, 128};
  std::vector<uint8_t> pixels = ownOpacity;
  TakeOpacityFromMask({2, 2, 32}, pixels, mask);
  EXPECT_EQ(pixels, ownOpacity);

  const std::vector<uint8_t> trueColour = {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0};
  pixels = trueColour;
  TakeOpacityFromMask({2, 2, 24}, pixels, mask);
  EXPECT_EQ(pixels, trueColour);

  pixels.assign(12, 0);  // too short for its format: untouched, no overrun
  TakeOpacityFromMask({2, 2, 32}, pixels, mask);
  EXPECT_EQ(pixels, std::vector<uint8_t>(12, 0));
}

}  // namespace
}  // namespace tmv
