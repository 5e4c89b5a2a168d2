#include <gtest/gtest.h>

#include <random>

#include "framework/core/Bitmap.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

namespace tmv {
namespace {

constexpr TBgr kBlack{0, 0, 0};

TEST(RegionGdi, MaskRegionHoldsExactlyTheBlackPixels) {
  TFBitmap mask(5, 3);
  for (int x = 0; x < 5; ++x) mask.SetPixel(x, 0, kBlack);
  mask.SetPixel(3, 2, kBlack);
  UniqueRegion region = RegionFromMask(mask);
  ASSERT_TRUE(region);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(PtInRegion(region.Get(), x, y) != 0, mask.Pixel(x, y) == kBlack) << x << "," << y;
  EXPECT_FALSE(RegionFromMask(TFBitmap()));
}

TEST(RegionGdi, NoiseMaskAndMonochromeHandle) {
  TFBitmap mask(300, 120);
  std::mt19937 random(9);
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 300; ++x)
      if (random() % 3 == 0) mask.SetPixel(x, y, kBlack);
  UniqueRegion region = RegionFromMask(mask);
  ASSERT_TRUE(region);
  for (int y = 0; y < 120; y += 7)
    for (int x = 0; x < 300; ++x)
      ASSERT_EQ(PtInRegion(region.Get(), x, y) != 0, mask.Pixel(x, y) == kBlack) << x << "," << y;

  // A device-dependent monochrome bitmap: bit 0 is black.
  const BYTE rows[4] = {0x0F, 0xFF, 0xFF, 0xFF};  // 16 x 2, first row starts with 4 black pixels
  UniqueBitmap mono(CreateBitmap(16, 2, 1, 1, rows));
  UniqueRegion fromHandle = RegionFromMask(mono.Get());
  ASSERT_TRUE(fromHandle);
  EXPECT_TRUE(PtInRegion(fromHandle.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(fromHandle.Get(), 3, 0));
  EXPECT_FALSE(PtInRegion(fromHandle.Get(), 4, 0));
  EXPECT_FALSE(PtInRegion(fromHandle.Get(), 0, 1));
}

TEST(RegionGdi, MaskPartsUniteTheClientWithTheBands) {
  // 12 x 12 mask: black everywhere except a white top-left corner pixel.
  TFBitmap mask(12, 12);
  mask.Fill(kBlack);
  mask.SetPixel(0, 0, {255, 255, 255});
  const TSkinDivision src{{3, 3}, {9, 3}, {3, 9}, {9, 9}, {0, 3, 9, 9}};  // no left band
  const TSkinDivision tgt = TargetDivision(src, 12, 12, 40, 30);
  UniqueRegion region = RegionFromMaskParts(mask, src, tgt, 40);
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 1, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 20, 10));   // client
  EXPECT_TRUE(PtInRegion(region.Get(), 39, 15));   // right band
  EXPECT_TRUE(PtInRegion(region.Get(), 39, 29));   // bottom band
  EXPECT_FALSE(PtInRegion(region.Get(), 40, 15));
  TSkinDivision crossed = tgt;
  crossed.LB.Y = crossed.LT.Y - 1;
  EXPECT_FALSE(RegionFromMaskParts(mask, src, crossed, 40));
}

}  // namespace
}  // namespace tmv
