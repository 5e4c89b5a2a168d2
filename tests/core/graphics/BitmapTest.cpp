#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Bitmap.h"
#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"

namespace tmv {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  Put16(b, at, v);
  Put16(b, at + 2, v >> 16);
}
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

// Fills every byte of the pixel rows with a pattern that differs per row and column.
void FillPattern(TBitmap& bmp) {
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.RowBytes(); ++x) bmp.ScanLine(y)[x] = static_cast<uint8_t>(y * 31 + x * 7 + 1);
}

std::vector<uint8_t> Save(const TBitmap& bmp) {
  TMemoryStream s;
  bmp.SaveToStream(s);
  return s.Bytes();
}

// A valid 3x2 image at 8 bits with a four-colour table, built byte by byte.
std::vector<uint8_t> SmallImage() {
  const uint32_t palette = 4 * 4, rows = 2 * 4, offset = 14 + 40 + palette;
  std::vector<uint8_t> b(offset + rows, 0);
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, static_cast<uint32_t>(b.size()));
  Put32(b, 10, offset);
  Put32(b, 14, 40);
  Put32(b, 18, 3);
  Put32(b, 22, 2);
  Put16(b, 26, 1);
  Put16(b, 28, 8);
  Put32(b, 46, 4);
  for (int i = 0; i < 4; ++i) Put32(b, 54 + i * 4, 0x111111u * static_cast<uint32_t>(i));
  const uint8_t bottom[] = {1, 2, 3}, top[] = {3, 0, 1};
  std::memcpy(&b[offset], bottom, 3);
  std::memcpy(&b[offset + 4], top, 3);
  return b;
}

void Load(TBitmap& bmp, const std::vector<uint8_t>& bytes) {
  TBytesStream s(bytes.data(), static_cast<int64_t>(bytes.size()));
  bmp.LoadFromStream(s);
}

TEST(BitmapStorage, SizeAndBitCountRules) {
  TBitmap bmp;
  EXPECT_TRUE(bmp.Empty());
  EXPECT_EQ(bmp.BitCount(), 24);
  bmp.SetSize(5, 3);
  EXPECT_EQ(bmp.RowBytes(), 16);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(bmp.ScanLine(y)[x], 0) << y << "," << x;
  bmp.SetSize(-1, 4);
  EXPECT_EQ(bmp.Width(), 5);
  bmp.SetBitCount(7);
  EXPECT_EQ(bmp.BitCount(), 24);
  bmp.SetBitCount(1);
  EXPECT_EQ(bmp.RowBytes(), 4);
  ASSERT_EQ(bmp.Palette().size(), 2u);
  EXPECT_EQ(bmp.Palette()[1], 0xFFFFFFu);
  EXPECT_THROW(bmp.ScanLine(3), EInvalidGraphic);
  EXPECT_THROW(bmp.ScanLine(-1), EInvalidGraphic);
  bmp.SetSize(0, 9);
  EXPECT_TRUE(bmp.Empty());
  EXPECT_EQ(bmp.Height(), 0);
  EXPECT_THROW(bmp.SetSize(0x7FFFFFF, 0x7FFFFFF), EOutOfResources);
}

TEST(BitmapStorage, AssignCopiesPixelsAndPalette) {
  TBitmap a, b;
  a.SetBitCount(4);
  a.SetSize(7, 2);
  a.Palette()[3] = 0x123456;
  FillPattern(a);
  b.Assign(a);
  ASSERT_EQ(b.Width(), 7);
  EXPECT_EQ(b.BitCount(), 4);
  EXPECT_EQ(b.Palette(), a.Palette());
  EXPECT_EQ(0, std::memcmp(a.ScanLine(1), b.ScanLine(1), size_t(a.RowBytes())));
}

TEST(BitmapFile, EveryDepthRoundTrips) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    TBitmap bmp;
    bmp.SetBitCount(bits);
    bmp.SetSize(5, 3);
    FillPattern(bmp);
    if (bits <= 8)
      for (size_t i = 0; i < bmp.Palette().size(); ++i) bmp.Palette()[i] = (0x010203u * uint32_t(i)) & 0xFFFFFF;
    std::vector<uint8_t> bytes = Save(bmp);

    const uint32_t paletteBytes = bits <= 8 ? 4u << bits : 0;
    ASSERT_EQ(bytes.size(), 54 + paletteBytes + size_t(bmp.RowBytes()) * 3);
    EXPECT_EQ(Get32(bytes, 2), bytes.size());
    EXPECT_EQ(Get32(bytes, 10), 54 + paletteBytes);
    // Rows are stored bottom-up: the file's first row is the bitmap's last.
    EXPECT_EQ(0, std::memcmp(&bytes[54 + paletteBytes], bmp.ScanLine(2), size_t(bmp.RowBytes())));

    TBitmap back;
    Load(back, bytes);
    EXPECT_EQ(back.Width(), 5);
    EXPECT_EQ(back.Height(), 3);
    EXPECT_EQ(back.BitCount(), bits);
    EXPECT_EQ(back.Palette(), bmp.Palette());
    for (int y = 0; y < 3; ++y)
      EXPECT_EQ(0, std::memcmp(back.ScanLine(y), bmp.ScanLine(y), size_t(bmp.RowBytes()))) << y;
  }
}

TEST(BitmapFile, ReadsExactlyOneImageAndStopsAfterIt) {
  std::vector<uint8_t> two = SmallImage();
  std::vector<uint8_t> second = SmallImage();
  second[54 + 16] = 9;
  two.insert(two.end(), second.begin(), second.end());
  two.push_back(0xEE);
  TBytesStream s(two.data(), static_cast<int64_t>(two.size()));
  TBitmap bmp;
  bmp.LoadFromStream(s);
  EXPECT_EQ(s.Position(), int64_t(SmallImage().size()));
  EXPECT_EQ(bmp.ScanLine(1)[0], 1);
  bmp.LoadFromStream(s);
  EXPECT_EQ(bmp.ScanLine(1)[0], 9);
  EXPECT_EQ(s.Position(), int64_t(two.size()) - 1);
}

TEST(BitmapFile, HeaderVariantsAreRead) {
  TBitmap bmp;
  Load(bmp, SmallImage());
  ASSERT_EQ(bmp.Palette().size(), 4u);
  EXPECT_EQ(bmp.Palette()[2], 0x222222u);
  const uint8_t top[] = {3, 0, 1};
  EXPECT_EQ(0, std::memcmp(bmp.ScanLine(0), top, 3));

  std::vector<uint8_t> topDown = SmallImage();
  Put32(topDown, 22, static_cast<uint32_t>(-2));
  Load(bmp, topDown);
  EXPECT_EQ(bmp.Height(), 2);
  EXPECT_EQ(bmp.ScanLine(0)[0], 1);

  // A 12-byte core header with three-byte colour entries.
  std::vector<uint8_t> core(14 + 12 + 2 * 3 + 4, 0);
  core[0] = 'B';
  core[1] = 'M';
  Put32(core, 2, static_cast<uint32_t>(core.size()));
  Put32(core, 10, 14 + 12 + 6);
  Put32(core, 14, 12);
  Put16(core, 18, 3);
  Put16(core, 20, 1);
  Put16(core, 22, 1);
  Put16(core, 24, 1);
  core[29] = 0xFF;
  core[30] = 0xFF;
  core[31] = 0xFF;
  core[32] = 0xA0;
  Load(bmp, core);
  EXPECT_EQ(bmp.BitCount(), 1);
  EXPECT_EQ(bmp.Palette()[1], 0xFFFFFFu);
  EXPECT_EQ(bmp.ScanLine(0)[0], 0xA0);

  // 16 bits with the plain 5-5-5 bit fields.
  TBitmap wide;
  wide.SetBitCount(16);
  wide.SetSize(2, 1);
  std::vector<uint8_t> fields = Save(wide);
  fields.insert(fields.begin() + 54, 12, 0);
  Put32(fields, 2, static_cast<uint32_t>(fields.size()));
  Put32(fields, 10, 66);
  Put32(fields, 30, 3);
  Put32(fields, 54, 0x7C00);
  Put32(fields, 58, 0x03E0);
  Put32(fields, 62, 0x001F);
  Load(bmp, fields);
  EXPECT_EQ(bmp.BitCount(), 16);
  Put32(fields, 54, 0xF800);  // 5-6-5 is not stored by this bitmap
  EXPECT_THROW(Load(bmp, fields), EInvalidGraphic);
}

TEST(BitmapFile, EveryCorruptionIsRejectedWithoutChangingTheBitmap) {
  struct Case {
    const char* what;
    void (*mutate)(std::vector<uint8_t>&);
  };
  const Case cases[] = {
      {"signature", [](std::vector<uint8_t>& b) { b[1] = 'A'; }},
      {"file size below the headers", [](std::vector<uint8_t>& b) { Put32(b, 2, 20); }},
      {"file size past the stream", [](std::vector<uint8_t>& b) { Put32(b, 2, uint32_t(b.size()) + 1); }},
      {"file size huge", [](std::vector<uint8_t>& b) { Put32(b, 2, 0xFFFFFFF0u); }},
      {"pixel offset past the image", [](std::vector<uint8_t>& b) { Put32(b, 10, uint32_t(b.size()) + 4); }},
      {"pixel offset inside the palette", [](std::vector<uint8_t>& b) { Put32(b, 10, 60); }},
      {"header size", [](std::vector<uint8_t>& b) { Put32(b, 14, 41); }},
      {"header size past the image", [](std::vector<uint8_t>& b) { Put32(b, 14, 124); }},
      {"zero width", [](std::vector<uint8_t>& b) { Put32(b, 18, 0); }},
      {"negative width", [](std::vector<uint8_t>& b) { Put32(b, 18, uint32_t(-3)); }},
      {"zero height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0); }},
      {"most negative height", [](std::vector<uint8_t>& b) { Put32(b, 22, 0x80000000u); }},
      {"rows past the image", [](std::vector<uint8_t>& b) { Put32(b, 22, 3); }},
      {"rows overflowing", [](std::vector<uint8_t>& b) { Put32(b, 18, 0x7FFFFFFF); Put32(b, 22, 0x7FFFFFFF); }},
      {"planes", [](std::vector<uint8_t>& b) { Put16(b, 26, 2); }},
      {"bit count", [](std::vector<uint8_t>& b) { Put16(b, 28, 7); }},
      {"run-length compression", [](std::vector<uint8_t>& b) { Put32(b, 30, 1); }},
      {"bit fields at 8 bits", [](std::vector<uint8_t>& b) { Put32(b, 30, 3); }},
      {"too many colours", [](std::vector<uint8_t>& b) { Put32(b, 46, 257); }},
      {"colour table past the pixels", [](std::vector<uint8_t>& b) { Put32(b, 46, 200); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = SmallImage();
    c.mutate(bytes);
    TBitmap bmp;
    bmp.SetSize(4, 4);
    EXPECT_THROW(Load(bmp, bytes), EInvalidGraphic);
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.BitCount(), 24);
  }
}

// An inflating stream knows only a bound on what is left, so the header's length cannot be
// checked against it and the stream runs out inside the pixels instead.
class TBoundOnlyStream : public TBytesStream {
public:
  using TBytesStream::TBytesStream;
  int64_t BytesLeftAtMost() override { return 1 << 30; }
};

TEST(BitmapFile, AStreamEndingInsideThePixelsLeavesTheBitmapAsItWas) {
  std::vector<uint8_t> bytes = SmallImage();
  TBitmap bmp;
  bmp.SetSize(2, 2);
  FillPattern(bmp);
  const uint8_t before = bmp.ScanLine(1)[2];
  TBoundOnlyStream cut(bytes.data(), static_cast<int64_t>(bytes.size()) - 2);
  EXPECT_THROW(bmp.LoadFromStream(cut), EReadError);
  EXPECT_EQ(bmp.Width(), 2);
  EXPECT_EQ(bmp.BitCount(), 24);
  EXPECT_EQ(bmp.ScanLine(1)[2], before);

  TBoundOnlyStream whole(bytes.data(), static_cast<int64_t>(bytes.size()));
  bmp.LoadFromStream(whole);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(bmp.ScanLine(1)[0], 1);
}

TEST(BitmapFile, ShortStreamsAndDataProperty) {
  std::vector<uint8_t> bytes = SmallImage();
  TBitmap bmp;
  TBytesStream shortStream(bytes.data(), 10);
  EXPECT_THROW(bmp.LoadFromStream(shortStream), EReadError);
  TBytesStream cut(bytes.data(), static_cast<int64_t>(bytes.size()) - 1);
  EXPECT_THROW(bmp.LoadFromStream(cut), EInvalidGraphic);

  bmp.SetData(bytes);
  EXPECT_EQ(bmp.Width(), 3);
  EXPECT_EQ(Save(bmp).size(), bytes.size());
  bmp.SetData({});
  EXPECT_TRUE(bmp.Empty());
  EXPECT_TRUE(Save(bmp).empty());
}

}  // namespace
}  // namespace tmv
