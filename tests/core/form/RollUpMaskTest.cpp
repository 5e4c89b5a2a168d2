#include <gtest/gtest.h>

#include "skin/form/FrameGeometry.h"
#include "skin/form/RollUpMask.h"

using namespace tmv;

namespace {

TspFormInfo RollUpPoints(int32_t left, int32_t right) {
  TspFormInfo info;
  info.RollUpLeftPoint = {left, 0};
  info.RollUpRightPoint = {right, 0};
  return info;
}

// A mask of width x height, inside everywhere but its top-left and top-right pixels.
TMaskBits CutMask(int32_t width, int32_t height) {
  TMaskBits mask(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) mask.Row(y)[x] = y == 0 && (x == 0 || x == width - 1) ? 0xFF : 0;
  return mask;
}

// Inside the shape: a black pixel of the mask; nothing beyond it.
bool Inside(const TspRollUpMask& m, int32_t x, int32_t y) {
  const TMaskBits& bits = m.Bits();
  return x >= 0 && y >= 0 && x < bits.Width() && y < bits.Height() && bits.Row(y)[x] == 0;
}

}  // namespace

TEST(RollUpBand, EndsComeFromThePointsAndStayInsideThePicture) {
  TspRollUpBand b = RollUpBand(RollUpPoints(40, 176), 240);
  EXPECT_TRUE(b.Stretchable);
  EXPECT_EQ(b.LeftEnd, 40);
  EXPECT_EQ(b.RightEnd, 64);
  EXPECT_FALSE(RollUpBand(RollUpPoints(0, 0), 240).Stretchable) << "no points: the picture keeps its size";
  EXPECT_FALSE(RollUpBand(RollUpPoints(100, 60), 240).Stretchable) << "crossed points";
  b = RollUpBand(RollUpPoints(-20, 900), 240);
  EXPECT_TRUE(b.Stretchable) << "points beyond the picture are cut to it";
  EXPECT_EQ(b.LeftEnd, 0);
  EXPECT_EQ(b.RightEnd, 0);
  EXPECT_FALSE(RollUpBand(RollUpPoints(240, 500), 240).Stretchable) << "no middle left to tile";
}

TEST(RollUpBand, ObjectsKeepTheirEnd) {
  const TspRollUpBand b = RollUpBand(RollUpPoints(40, 176), 240);
  EXPECT_EQ(MapRollUpObjectRect(b, 240, 500, {4, 2, 20, 18}), (TRect{4, 2, 20, 18}));
  EXPECT_EQ(MapRollUpObjectRect(b, 240, 500, {196, 6, 212, 22}), (TRect{456, 6, 472, 22}));
  EXPECT_EQ(MapRollUpObjectRect(b, 240, 500, {30, 0, 200, 28}), (TRect{30, 0, 460, 28}));
  EXPECT_EQ(MapRollUpObjectRect(b, 240, 500, {60, 0, 100, 28}), (TRect{60, 0, 100, 28}));
  EXPECT_EQ(MapRollUpObjectRect(RollUpBand(RollUpPoints(0, 0), 240), 240, 500, {196, 6, 212, 22}),
            (TRect{196, 6, 212, 22}));
}

TEST(RollUpMask, TheMaskFollowsTheWidthAndReadsOnlyItsOwnPixels) {
  const TspRollUpBand band = RollUpBand(RollUpPoints(40, 176), 240);
  const TspRollUpMask wide(CutMask(240, 30), band, 240, 30, 500);
  EXPECT_EQ(wide.Bits().Width(), 500);
  EXPECT_EQ(wide.Bits().Height(), 30);
  EXPECT_FALSE(Inside(wide, 0, 0));
  EXPECT_FALSE(Inside(wide, 499, 0)) << "the right end moved with the width";
  EXPECT_TRUE(Inside(wide, 239, 0)) << "no cut left in the middle";
  EXPECT_TRUE(Inside(wide, 498, 29));
  EXPECT_FALSE(Inside(wide, 500, 10));
  EXPECT_FALSE(Inside(wide, -1, 10));

  // A mask smaller than the picture it shapes: what it does not cover is cut away.
  const TspRollUpMask small(CutMask(100, 20), band, 240, 30, 500);
  EXPECT_EQ(small.Bits().Height(), 30);
  EXPECT_TRUE(Inside(small, 10, 19));
  EXPECT_FALSE(Inside(small, 10, 20));
  EXPECT_TRUE(Inside(small, 99, 5));
  EXPECT_FALSE(Inside(small, 100, 5)) << "right of the mask in the left part of the tiled middle";
  EXPECT_FALSE(Inside(small, 450, 5)) << "the right end lies beyond the mask";

  const TspRollUpMask fixed(CutMask(240, 30), RollUpBand(RollUpPoints(0, 0), 240), 240, 30, 500);
  EXPECT_EQ(fixed.Bits().Width(), 240) << "a picture of fixed size keeps the mask's own width";
  EXPECT_FALSE(Inside(fixed, 239, 0));
  EXPECT_TRUE(TspRollUpMask(TMaskBits(), band, 240, 30, 500).Bits().Empty());
  EXPECT_TRUE(TspRollUpMask(CutMask(240, 30), band, 0, 30, 500).Bits().Empty());
}
