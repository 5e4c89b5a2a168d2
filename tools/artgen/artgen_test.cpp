#include <gtest/gtest.h>

#include "app/IconFileLayout.h"
#include "framework/core/Bitmap.h"
#include "framework/core/Streams.h"
#include "tools/artgen/Artwork.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

// The buttons take the bottom-left pixel as transparent: it must be the key colour, and the
// glyph must still draw most of its square.
TEST(Artwork, GlyphsLoadAsTheButtonsExpectThem) {
  for (const artgen::OutputFile& file : artgen::allArtwork()) {
    if (file.path.rfind("glyphs/", 0) != 0) continue;
    SCOPED_TRACE(file.path);
    tmv::TBitmap bitmap;
    tmv::TBytesStream stream(file.bytes.data(), int64_t(file.bytes.size()));
    bitmap.LoadFromStream(stream);
    ASSERT_EQ(bitmap.Width(), 16);
    ASSERT_EQ(bitmap.Height(), 16);
    EXPECT_EQ(bitmap.BitCount(), file.path == "glyphs/update.bmp" ? 32 : 8);
    auto colourAt = [&](int x, int y) -> uint32_t {
      const uint8_t* row = bitmap.ScanLine(y);
      if (bitmap.BitCount() == 8) return bitmap.Palette()[row[x]] & 0xFFFFFF;
      return uint32_t(row[4 * x]) | uint32_t(row[4 * x + 1]) << 8 | uint32_t(row[4 * x + 2]) << 16;
    };
    const uint32_t key = colourAt(0, 15);
    EXPECT_EQ(key, 0xFF00FFu);
    int drawn = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) drawn += colourAt(x, y) != key;
    EXPECT_GT(drawn, 256 / 3);
  }
}

TEST(Artwork, ProgramIconHoldsThreeSizesEndToEnd) {
  const std::vector<artgen::OutputFile> files = artgen::allArtwork();
  const std::vector<uint8_t>& ico = files.back().bytes;
  ASSERT_EQ(files.back().path, "icons/TalvexMorvane.ico");
  ASSERT_GE(ico.size(), 6u + 3 * 16);
  EXPECT_EQ(ico[2] | ico[3] << 8, 1);
  ASSERT_EQ(ico[4] | ico[5] << 8, 3);
  size_t expectedOffset = 6 + 3 * 16;
  for (int i = 0; i < 3; ++i) {
    const size_t entry = 6 + 16 * size_t(i);
    const int size = i == 2 ? 48 : 16 << i;
    EXPECT_EQ(ico[entry], size);
    const uint32_t bytes = U32(ico, entry + 8), offset = U32(ico, entry + 12);
    EXPECT_EQ(offset, expectedOffset);
    EXPECT_EQ(bytes, uint32_t(40 + size * size * 4 + tmv::RowBytes(size, 1) * size));
    EXPECT_EQ(U32(ico, offset + 8), uint32_t(2 * size));  // header height covers the mask
    expectedOffset += bytes;
  }
  EXPECT_EQ(expectedOffset, ico.size());
}

}  // namespace
