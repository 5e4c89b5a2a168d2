#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "framework/core/Bitmap.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

namespace tmv {
namespace {

constexpr TBgr kBlack{0, 0, 0};

int32_t At(const std::vector<uint8_t>& d, size_t offset) {
  int32_t v;
  std::memcpy(&v, d.data() + offset, 4);
  return v;
}

TEST(MaskToRegionData, HeaderAndRunsOfASmallMask) {
  TFBitmap mask(3, 3);
  for (int x = 0; x < 3; ++x) mask.SetPixel(x, 0, kBlack);  // an all-black row
  // row 1 has no black pixel at all
  mask.SetPixel(0, 2, kBlack);
  mask.SetPixel(2, 2, kBlack);
  mask.SetPixel(1, 2, {0, 0, 1});  // nearly black is outside
  const std::vector<uint8_t> d = MaskToRegionData(mask, 10, 20);
  ASSERT_EQ(d.size(), 32u + 3 * 16u);
  EXPECT_EQ(At(d, 0), 32);
  EXPECT_EQ(At(d, 4), 1);
  EXPECT_EQ(At(d, 8), 3);
  EXPECT_EQ(At(d, 12), 0);
  EXPECT_EQ(At(d, 16), 10);
  EXPECT_EQ(At(d, 20), 20);
  EXPECT_EQ(At(d, 24), 13);
  EXPECT_EQ(At(d, 28), 23);
  const int32_t rects[3][4] = {{10, 20, 13, 21}, {10, 22, 11, 23}, {12, 22, 13, 23}};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 4; ++j) EXPECT_EQ(At(d, 32 + 16 * i + 4 * j), rects[i][j]);
}

TEST(MaskToRegionData, NoBlackOrNoMask) {
  const TFBitmap white(4, 2);
  const std::vector<uint8_t> d = MaskToRegionData(white, 0, 0);
  ASSERT_EQ(d.size(), 32u);
  EXPECT_EQ(At(d, 8), 0);
  EXPECT_EQ(At(d, 24), 4);
  EXPECT_EQ(At(d, 28), 2);
  EXPECT_TRUE(MaskToRegionData(TFBitmap(), 0, 0).empty());
  EXPECT_TRUE(MaskToRegionData(TFBitmap(0, 7), 0, 0).empty());
}

TEST(MaskToRegionData, NoiseOfAnyRunCountRebuildsTheMask) {
  const int w = 250, h = 200;
  TFBitmap mask(w, h);
  std::mt19937 random(5);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (random() % 2) mask.SetPixel(x, y, kBlack);
  const std::vector<TRect> runs = MaskRuns(mask, 0, 0);
  ASSERT_GT(runs.size(), 10001u);
  EXPECT_EQ(MaskToRegionData(mask, 0, 0).size(), 32 + 16 * runs.size());
  std::vector<int> painted(w * h, 0);
  for (const TRect& r : runs) {
    ASSERT_EQ(r.Height(), 1);
    for (int x = r.Left; x < r.Right; ++x) ++painted[r.Top * w + x];
  }
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      ASSERT_EQ(painted[y * w + x], mask.Pixel(x, y) == kBlack ? 1 : 0) << x << "," << y;
}

TEST(MaskToRegionData, MonochromeBitmapsUseTheirColourTable) {
  TBitmap bitmap;
  bitmap.SetBitCount(1);
  bitmap.SetSize(10, 2);
  bitmap.Palette() = {0x000000, 0xFFFFFF};
  std::memset(bitmap.ScanLine(0), 0xFF, bitmap.RowBytes());
  bitmap.ScanLine(0)[0] = 0x3F;  // the first two pixels are index 0: black
  const std::vector<TRect> runs = MaskRuns(TFBitmap::FromBitmap(bitmap), 0, 0);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (TRect{0, 0, 2, 1}));
  EXPECT_EQ(runs[1], (TRect{0, 1, 10, 2}));  // the second row was left zero: black
}

TEST(MaskRegionParts, BandsAreComposedAtTheTargetSizeAndPlaced) {
  // A 12 x 12 mask, client 3..9, with black corners of 2 x 2 at the top left.
  TFBitmap mask(12, 12);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) mask.SetPixel(x, y, kBlack);
  for (int x = 3; x < 9; ++x) mask.SetPixel(x, 0, kBlack);  // the top edge's first row
  const TSkinDivision src{{3, 3}, {9, 3}, {3, 9}, {9, 9}, {3, 3, 9, 9}};
  const TSkinDivision tgt = TargetDivision(src, 12, 12, 30, 20);
  const TMaskRegionParts parts = ComposeMaskRegionParts(TMaskBits::FromPicture(mask), src, tgt, 30);
  ASSERT_TRUE(parts.HasRegion);
  EXPECT_EQ(parts.Client, (TRect{3, 3, 27, 17}));
  ASSERT_EQ(parts.Bands.size(), 4u);
  const TMaskBand& top = parts.Bands[0];
  EXPECT_EQ(top.Picture.Width(), 30);
  EXPECT_EQ(top.Picture.Height(), 3);
  const std::vector<TRect> runs = MaskRuns(top.Picture, top.OffsetX, top.OffsetY);
  ASSERT_EQ(runs.size(), 3u);
  EXPECT_EQ(runs[0], (TRect{0, 0, 2, 1}));
  EXPECT_EQ(runs[1], (TRect{3, 0, 27, 1}));  // tiled from nLT.x to nRT.x
  EXPECT_EQ(parts.Bands[1].OffsetY, 17);
  EXPECT_EQ(parts.Bands[2].OffsetY, 3);
  EXPECT_EQ(parts.Bands[3].OffsetX, 27);
}

TEST(MaskRegionParts, ZeroWidthBandCrossedPointsAndEmptyClient) {
  const TFBitmap mask(12, 12);
  const TSkinDivision src{{3, 3}, {9, 3}, {3, 9}, {9, 9}, {0, 3, 9, 9}};
  const TSkinDivision tgt = TargetDivision(src, 12, 12, 30, 20);
  const TMaskRegionParts parts = ComposeMaskRegionParts(TMaskBits::FromPicture(mask), src, tgt, 30);
  ASSERT_TRUE(parts.HasRegion);
  EXPECT_EQ(parts.Bands.size(), 3u);  // no left band
  for (const TMaskBand& b : parts.Bands) EXPECT_NE(b.OffsetX == 0 && b.OffsetY == 3, true);

  TSkinDivision crossed = tgt;
  crossed.RT.X = crossed.LT.X - 1;
  EXPECT_FALSE(ComposeMaskRegionParts(TMaskBits::FromPicture(mask), src, crossed, 30).HasRegion);
  TSkinDivision noClient = tgt;
  noClient.Client.Bottom = noClient.Client.Top;
  EXPECT_FALSE(ComposeMaskRegionParts(TMaskBits::FromPicture(mask), src, noClient, 30).HasRegion);
}

}  // namespace
}  // namespace tmv
