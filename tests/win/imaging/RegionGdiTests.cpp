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

// The region the parts stand for, built the plain way: the client rectangle united with one
// region for each band.
UniqueRegion UnitedParts(const TMaskRegionParts& parts) {
  const TRect& n = parts.Client;
  UniqueRegion united(CreateRectRgn(n.Left, n.Top, n.Right, n.Bottom));
  for (const TMaskBand& band : parts.Bands)
    if (UniqueRegion piece =
            RegionFromRegionData(MaskToRegionData(band.Picture, band.OffsetX, band.OffsetY)))
      CombineRgn(united.Get(), united.Get(), piece.Get(), RGN_OR);
  return united;
}

void ExpectSameRegionAtSizes(const TBitmap& mask, const TSkinDivision& src) {
  // The pixels as the general reader sees them, not as the monochrome one does.
  const TMaskBits bits = TMaskBits::FromPicture(TFBitmap::FromBitmap(mask));
  for (auto [w, h] : {std::pair{mask.Width(), mask.Height()}, {mask.Width() + 1, mask.Height() + 3},
                      {767, 451}, {1024, 768}, {src.Client.Left + 1, src.Client.Top + 1}}) {
    const TSkinDivision tgt = TargetDivision(src, mask.Width(), mask.Height(), w, h);
    UniqueRegion oneBlock = RegionFromMaskParts(mask, src, tgt, w);
    const TMaskRegionParts parts = ComposeMaskRegionParts(bits, src, tgt, w);
    ASSERT_EQ(static_cast<bool>(oneBlock), parts.HasRegion) << w << " x " << h;
    if (!oneBlock) continue;
    UniqueRegion united = UnitedParts(parts);
    EXPECT_TRUE(EqualRgn(oneBlock.Get(), united.Get())) << w << " x " << h;
    for (int y = -1; y <= h; y += 3)
      for (int x : {0, 1, src.Client.Left, w / 2, w - 2, w - 1})
        ASSERT_EQ(PtInRegion(oneBlock.Get(), x, y), PtInRegion(united.Get(), x, y)) << x << "," << y;
  }
}

// The window's region is built as one block of region data; it holds the same pixels as the
// client rectangle united band by band.
TEST(RegionGdi, OneBlockOfMaskPartsEqualsTheUnitedBands) {
  TBitmap frameMask;
  frameMask.LoadFromFile(TM_SOURCE_DIR "/assets/skins/default/framemask.bmp");
  ASSERT_EQ(frameMask.BitCount(), 1);
  ExpectSameRegionAtSizes(frameMask, {{40, 30}, {260, 30}, {40, 116}, {260, 116}, {4, 30, 296, 116}});

  // Noise in a monochrome mask whose colour table lists white first.
  TBitmap noise;
  noise.SetBitCount(1);
  noise.SetSize(61, 47);
  noise.Palette() = {0xFFFFFF, 0x000000};
  std::mt19937 random(5);
  for (int y = 0; y < noise.Height(); ++y)
    for (int i = 0; i < noise.RowBytes(); ++i) noise.ScanLine(y)[i] = static_cast<uint8_t>(random());
  ExpectSameRegionAtSizes(noise, {{9, 7}, {50, 7}, {9, 40}, {50, 40}, {5, 7, 55, 40}});
  ExpectSameRegionAtSizes(noise, {{9, 7}, {50, 7}, {9, 40}, {50, 40}, {0, 0, 61, 47}});
}

}  // namespace
}  // namespace tmv
