#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/imaging/spEffBmp.h"

namespace tmv {
namespace {

TBgr Grey(uint8_t v) { return {v, v, v}; }

TspEffectBmp Solid(int w, int h, TBgr c) {
  TspEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, c);
  return b;
}

// Column x of A holds blue x + 1, of B blue 101 + x: a moved column can be told by its value.
TspEffectBmp Columns(int w, int h, uint8_t base) {
  TspEffectBmp b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, {static_cast<uint8_t>(base + x), 7, 9});
  return b;
}

std::vector<int> BlueRow(const TspEffectBmp& b, int y = 0) {
  std::vector<int> v;
  for (int x = 0; x < b.Width(); ++x) v.push_back(b.Pixel(x, y).B);
  return v;
}

TEST(ImageEffects, LightenAndDarkenRoundHalvesToEven) {
  TspEffectBmp b(4, 1);
  const uint8_t in[] = {0, 2, 255, 1};
  for (int x = 0; x < 4; ++x) b.SetPixel(x, 0, Grey(in[x]));
  b.Lighten(0.5);
  // 127.5 -> 128, 128.5 -> 128, 255 stays, 128.0 -> 128
  EXPECT_EQ(BlueRow(b), (std::vector<int>{128, 128, 255, 128}));

  TspEffectBmp d(3, 1);
  d.SetPixel(0, 0, Grey(5));    // 3.5 -> 4
  d.SetPixel(1, 0, Grey(15));   // 10.5 -> 10
  d.SetPixel(2, 0, Grey(255));  // 178.5 -> 178
  d.Darken(0.3);
  EXPECT_EQ(BlueRow(d), (std::vector<int>{4, 10, 178}));

  TspEffectBmp clamped = Solid(1, 1, Grey(10));
  clamped.Lighten(7);  // factor clamped to 1
  EXPECT_EQ(clamped.Pixel(0, 0), Grey(255));
  clamped.Darken(-3);  // factor clamped to 0
  EXPECT_EQ(clamped.Pixel(0, 0), Grey(255));
}

TEST(ImageEffects, GreyInvertAndNoise) {
  TspEffectBmp b(3, 1);
  b.SetPixel(0, 0, Grey(255));
  b.SetPixel(1, 0, Grey(0));
  b.SetPixel(2, 0, {10, 50, 100});  // 30 + 29.5 + 1.1 = 60.6
  b.ToGrey();
  EXPECT_EQ(b.Pixel(0, 0), Grey(255));
  EXPECT_EQ(b.Pixel(1, 0), Grey(0));
  EXPECT_EQ(b.Pixel(2, 0), Grey(61));

  b.InvertColours();
  EXPECT_EQ(b.Pixel(0, 0), Grey(0));
  EXPECT_EQ(b.Pixel(2, 0), Grey(194));

  TspEffectBmp n = Solid(64, 64, {100, 120, 140});
  std::mt19937 random(1);
  n.AddNoise(50, random);
  int low = 0, high = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const TBgr p = n.Pixel(x, y);
      const int r = p.B - 100;
      ASSERT_GE(r, -25);
      ASSERT_LE(r, 24);
      EXPECT_EQ(p.G - 120, r);  // one offset for all three channels
      EXPECT_EQ(p.R - 140, r);
      low += r == -25;
      high += r == 24;
    }
  EXPECT_GT(low, 0);
  EXPECT_GT(high, 0);

  TspEffectBmp edge = Solid(8, 8, {0, 255, 3});
  edge.AddNoise(50, random);  // clamped at both ends
  edge.AddNoise(0, random);   // no amount, no change, no division by zero
  for (int y = 0; y < 8; ++y) EXPECT_LE(edge.Pixel(0, y).B, 24);
}

TEST(ImageEffects, SkinEffectValuesUseTheFramesStrengths) {
  TspEffectBmp b = Solid(2, 1, Grey(0));
  b.ApplyEffect(ieBrightness);
  EXPECT_EQ(b.Pixel(0, 0), Grey(128));
  b.ApplyEffect(ieDarkness);  // 89.6
  EXPECT_EQ(b.Pixel(1, 0), Grey(90));
  b.ApplyEffect(ieInvert);
  EXPECT_EQ(b.Pixel(1, 0), Grey(165));
  b.ApplyEffect(static_cast<TspEffect>(6));
  EXPECT_EQ(b.Pixel(1, 0), Grey(165));

  const TspEffectBmp target = Columns(5, 1, 101);
  TspEffectBmp pushed = Columns(5, 1, 1);
  pushed.Morph(mkPush, target, 0.4);
  EXPECT_EQ(BlueRow(pushed), (std::vector<int>{103, 104, 105, 1, 2}));
  TspEffectBmp slid = Columns(5, 1, 1);
  slid.Morph(mkRightSlide, target, 0.4);
  EXPECT_EQ(BlueRow(slid), (std::vector<int>{1, 2, 3, 101, 102}));
  TspEffectBmp unknown = Columns(5, 1, 1);
  unknown.Morph(static_cast<TspMorphKind>(7), target, 1);
  EXPECT_EQ(BlueRow(unknown), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(BlurFourPoint, WorksInPlaceAndTakesTheBottomRowsLowerSamplesFromRowOne) {
  const uint8_t rows[] = {0, 40, 80, 120, 160, 200, 240, 20, 60, 100};
  TspEffectBmp b(1, 10);  // one column: left and right samples are the pixel's own column
  for (int y = 0; y < 10; ++y) b.SetPixel(0, y, Grey(rows[y]));
  b.BlurFourPoint(1);
  // Each row is the mean of its (already blurred) upper row and its lower row, rounded down.
  const int expected[] = {20, 50, 85, 122, 161, 200, 110, 85, 92, 71};
  for (int y = 0; y < 10; ++y) EXPECT_EQ(b.Pixel(0, y).B, expected[y]) << "row " << y;

  TspEffectBmp same = Solid(3, 3, Grey(9));
  same.SetPixel(1, 1, Grey(200));
  same.BlurFourPoint(0);
  EXPECT_EQ(same.Pixel(1, 1), Grey(200));
}

TEST(BlurFourPoint, ThinPicturesAndLongDistancesStayInside) {
  TspEffectBmp one = Solid(1, 1, Grey(77));
  one.BlurFourPoint(1);
  EXPECT_EQ(one.Pixel(0, 0), Grey(77));

  TspEffectBmp row(4, 1);
  const uint8_t in[] = {0, 100, 200, 40};
  for (int x = 0; x < 4; ++x) row.SetPixel(x, 0, Grey(in[x]));
  row.BlurFourPoint(1);
  // x=0: (0 + 100) / 2; the rest read their already blurred left neighbour, and the last
  // column's right samples come from column width - x = 1.
  EXPECT_EQ(BlueRow(row), (std::vector<int>{50, 125, 82, 103}));

  TspEffectBmp column = Solid(1, 5, Grey(30));
  column.BlurFourPoint(9);
  column.BlurFourPoint(-4);
  EXPECT_EQ(column.Pixel(0, 4), Grey(30));
}

TEST(Transitions, BlendWithFactorEnds) {
  const TspEffectBmp b = Solid(2, 2, Grey(3));
  TspEffectBmp a = Solid(2, 2, Grey(0));
  a.BlendWith(b, 0);
  EXPECT_EQ(a.Pixel(1, 1), Grey(0));
  a.BlendWith(b, 0.5);  // 1.5 -> 2
  EXPECT_EQ(a.Pixel(1, 1), Grey(2));
  a.BlendWith(b, 1.5);
  EXPECT_EQ(a.Pixel(0, 0), Grey(3));

  TspEffectBmp other = Solid(3, 2, Grey(0));
  other.BlendWith(b, 1);
  other.BlendFromLeft(b, 1);
  other.SlideInFromLeft(b, 1);
  other.PushInFromLeft(b, 1);
  other.BlendFromCentre(b, 1);
  EXPECT_EQ(other.Pixel(0, 0), Grey(0));
}

TEST(Transitions, BlendRectWithReadsBFromItsOwnOrigin) {
  TspEffectBmp a = Solid(4, 4, Grey(0));
  const TspEffectBmp b = Columns(4, 4, 101);
  a.BlendRectWith(b, {1, 1, 3, 2}, 2, 0, 1);
  EXPECT_EQ(BlueRow(a, 1), (std::vector<int>{0, 101, 102, 0}));
  a.BlendRectWith(b, {-1, -1, 90, 90}, 0, 0, 1);  // clipped to both pictures
  EXPECT_EQ(a.Pixel(0, 0).B, 102);
  EXPECT_EQ(a.Pixel(3, 0).B, 0);
}

TEST(Transitions, GradientsFromTheSides) {
  TspEffectBmp a = Solid(5, 1, Grey(0));
  const TspEffectBmp b = Solid(5, 1, Grey(200));
  a.BlendFromLeft(b, 0.5);  // w = 2 (2.5 to even), step 0.5
  EXPECT_EQ(BlueRow(a), (std::vector<int>{200, 100, 0, 0, 0}));

  TspEffectBmp r = Solid(5, 1, Grey(0));
  r.BlendFromRight(b, 0.4);  // a = 3, step 0.5
  EXPECT_EQ(BlueRow(r), (std::vector<int>{0, 0, 0, 100, 200}));

  TspEffectBmp one = Solid(1, 1, Grey(0));
  const TspEffectBmp oneB = Solid(1, 1, Grey(200));
  one.BlendFromLeft(oneB, 0.5);
  EXPECT_EQ(one.Pixel(0, 0), Grey(200));
  TspEffectBmp oneR = Solid(1, 1, Grey(0));
  oneR.BlendFromRight(oneB, 0.5);
  EXPECT_EQ(oneR.Pixel(0, 0), Grey(200));

  TspEffectBmp two = Solid(2, 1, Grey(0));
  const TspEffectBmp twoB = Solid(2, 1, Grey(200));
  two.BlendFromLeft(twoB, 1);  // w lowered to 1
  EXPECT_EQ(BlueRow(two), (std::vector<int>{200, 0}));
}

TEST(Transitions, GradientsFromTheCentre) {
  const TspEffectBmp b6 = Solid(6, 1, Grey(200));
  TspEffectBmp even = Solid(6, 1, Grey(0));
  even.BlendFromCentre(b6, 0.5);  // band 3, gradient 1: solid 2..4
  EXPECT_EQ(BlueRow(even), (std::vector<int>{0, 0, 200, 200, 200, 0}));

  const TspEffectBmp b7 = Solid(7, 1, Grey(200));
  TspEffectBmp odd = Solid(7, 1, Grey(0));
  odd.BlendFromCentre(b7, 0.5);  // band 4 (3.5 to even): solid 1..5
  EXPECT_EQ(BlueRow(odd), (std::vector<int>{0, 200, 200, 200, 200, 200, 0}));

  const TspEffectBmp b9 = Solid(9, 1, Grey(200));
  TspEffectBmp grad = Solid(9, 1, Grey(0));
  grad.BlendFromCentre(b9, 0.2);  // band 2, gradient 3: solid 3..5, then steps of 1/3
  EXPECT_EQ(BlueRow(grad), (std::vector<int>{0, 67, 133, 200, 200, 200, 133, 67, 0}));

  TspEffectBmp one = Solid(1, 1, Grey(0));
  one.BlendFromCentre(Solid(1, 1, Grey(200)), 0.5);
  EXPECT_EQ(one.Pixel(0, 0), Grey(200));

  TspEffectBmp tall = Solid(1, 5, Grey(0));
  const TspEffectBmp tallB = Solid(1, 5, Grey(200));
  tall.BlendFromCentre(tallB, 0.4);  // rows 1..3 solid, gradient step 1
  for (int y = 0; y < 5; ++y) EXPECT_EQ(tall.Pixel(0, y).B, y >= 1 && y <= 3 ? 200 : 0) << y;
  TspEffectBmp full = Solid(1, 5, Grey(0));
  full.BlendFromCentre(tallB, 1);  // no gradient length: step 0, every row B
  for (int y = 0; y < 5; ++y) EXPECT_EQ(full.Pixel(0, y).B, 200);

  TspEffectBmp beyond = Solid(6, 1, Grey(0));
  beyond.BlendFromCentreHorizontal(b6, -4);  // outside 0..1 stays inside the picture
  beyond.BlendFromCentreHorizontal(b6, 40);
  EXPECT_EQ(beyond.Pixel(0, 0), Grey(200));
}

TEST(Transitions, SlidesAndPush) {
  const TspEffectBmp b = Columns(4, 2, 101);
  TspEffectBmp left = Columns(4, 2, 1);
  left.SlideInFromLeft(b, 0.5);
  EXPECT_EQ(BlueRow(left, 1), (std::vector<int>{103, 104, 3, 4}));
  TspEffectBmp right = Columns(4, 2, 1);
  right.SlideInFromRight(b, 0.5);
  EXPECT_EQ(BlueRow(right, 1), (std::vector<int>{1, 2, 101, 102}));

  TspEffectBmp two = Columns(2, 1, 1);
  two.SlideInFromLeft(Columns(2, 1, 101), 1);  // b lowered to 1
  EXPECT_EQ(BlueRow(two), (std::vector<int>{102, 2}));
  TspEffectBmp one = Columns(1, 1, 1);
  one.SlideInFromLeft(Columns(1, 1, 101), 1);
  EXPECT_EQ(BlueRow(one), (std::vector<int>{1}));

  TspEffectBmp push = Columns(5, 1, 1);
  push.PushInFromLeft(Columns(5, 1, 101), 0.4);  // a = 2
  EXPECT_EQ(BlueRow(push), (std::vector<int>{103, 104, 105, 1, 2}));
  TspEffectBmp pushOne = Columns(1, 1, 1);
  pushOne.PushInFromLeft(Columns(1, 1, 101), 0.3);
  EXPECT_EQ(BlueRow(pushOne), (std::vector<int>{101}));
}

TEST(Transitions, CopyFlipped) {
  TspEffectBmp a = Solid(2, 3, Grey(0));
  a.SetPixel(1, 0, Grey(9));
  TspEffectBmp b = Solid(2, 3, Grey(1));
  a.CopyFlippedTo(b);
  EXPECT_EQ(b.Pixel(1, 2), Grey(9));
  EXPECT_EQ(b.Pixel(1, 0), Grey(0));
  TspEffectBmp c = Solid(2, 2, Grey(1));
  a.CopyFlippedTo(c);
  EXPECT_EQ(c.Pixel(1, 1), Grey(1));
}

}  // namespace
}  // namespace tmv
