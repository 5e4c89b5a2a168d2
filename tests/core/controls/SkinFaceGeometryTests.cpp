#include <gtest/gtest.h>

#include "skin/controls/SkinFaceGeometry.h"

namespace tmv {
namespace {

// A 40 x 30 face at (100, 50) of its picture: corners of 5 x 6.
TSkinFace NinePartFace() {
  TSkinFace face;
  face.Division = {{5, 6}, {35, 6}, {5, 24}, {35, 24}, {5, 6, 35, 24}};
  face.FaceRect = {100, 50, 140, 80};
  face.Mode = DetectResizeMode(face.Division, face.FaceRect);
  return face;
}

// A 40 x 21 bar with ends of 3 and 4 pixels.
TSkinFace BarFace(TSkinResizeMode mode) {
  TSkinFace face;
  face.Division = {{3, 0}, {36, 0}, {0, 0}, {0, 0}, {3, 2, 36, 21}};
  if (mode == TSkinResizeMode::Vertical) face.Division = {{0, 3}, {0, 0}, {0, 17}, {0, 0}, {2, 3, 38, 17}};
  face.FaceRect = {0, 0, 40, 21};
  face.Mode = mode;
  return face;
}

TEST(FitSkinSize, EachModeKeepsWhatTheSkinCannotStretch) {
  TSkinDivision sized;
  int32_t w = 90, h = 70;
  ASSERT_TRUE(FitSkinSize(NinePartFace(), w, h, sized));
  EXPECT_EQ(w, 90);
  EXPECT_EQ(h, 70);
  EXPECT_EQ(sized.LT, (TPoint{5, 6}));
  EXPECT_EQ(sized.RT, (TPoint{85, 6}));
  EXPECT_EQ(sized.LB, (TPoint{5, 64}));
  EXPECT_EQ(sized.RB, (TPoint{85, 64}));
  EXPECT_EQ(sized.Client, (TRect{5, 6, 85, 64}));

  w = 90, h = 70;
  ASSERT_TRUE(FitSkinSize(BarFace(TSkinResizeMode::Horizontal), w, h, sized));
  EXPECT_EQ(w, 90);
  EXPECT_EQ(h, 21) << "a bar takes the skin's height whatever is asked";
  EXPECT_EQ(sized.RT, (TPoint{86, 0}));
  EXPECT_EQ(sized.Client, (TRect{3, 2, 86, 21}));

  w = 90, h = 70;
  ASSERT_TRUE(FitSkinSize(BarFace(TSkinResizeMode::Vertical), w, h, sized));
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 70);
  EXPECT_EQ(sized.LB, (TPoint{0, 66}));
  EXPECT_EQ(sized.Client, (TRect{2, 3, 38, 66}));

  w = 90, h = 70;
  ASSERT_TRUE(FitSkinSize(BarFace(TSkinResizeMode::Fixed), w, h, sized));
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 21);
  EXPECT_EQ(sized.Client, (TRect{3, 2, 36, 21}));

  TSkinFace empty = NinePartFace();
  empty.FaceRect = {};
  empty.Mode = TSkinResizeMode::Empty;
  w = 90, h = 70;
  sized = {};
  EXPECT_FALSE(FitSkinSize(empty, w, h, sized));
  EXPECT_EQ(w, 90);
  EXPECT_EQ(h, 70);
  EXPECT_EQ(sized.Client, TRect{});
}

TEST(MapSkinRect, NinePartPlacesFollowTheCornersTheyLieIn) {
  const TSkinFace face = NinePartFace();
  auto map = [&](TRect r) { return MapSkinRect(face, r, 90, 70); };  // grows by 50 x 40
  // Wholly inside one corner zone: moves with it.
  EXPECT_EQ(map({1, 1, 4, 5}), (TRect{1, 1, 4, 5}));
  EXPECT_EQ(map({36, 1, 39, 5}), (TRect{86, 1, 89, 5}));
  EXPECT_EQ(map({1, 25, 4, 29}), (TRect{1, 65, 4, 69}));
  EXPECT_EQ(map({36, 25, 39, 29}), (TRect{86, 65, 89, 69}));
  // Touching a corner zone's far edge is not inside it (the half-open test), so the place
  // reaching from the left-top zone to that edge spans to the right-top one and grows.
  EXPECT_EQ(map({1, 1, 5, 5}), (TRect{1, 1, 5, 5})) << "closed test: LT and LT is no span";
  EXPECT_EQ(map({2, 2, 38, 4}), (TRect{2, 2, 88, 4}));
  EXPECT_EQ(map({2, 2, 38, 28}), (TRect{2, 2, 88, 68}));
  EXPECT_EQ(map({2, 26, 38, 28}), (TRect{2, 66, 88, 68}));
  EXPECT_EQ(map({2, 2, 4, 28}), (TRect{2, 2, 4, 68}));
  EXPECT_EQ(map({36, 2, 38, 28}), (TRect{86, 2, 88, 68}));
  // Starting in the centre: no rule holds, the place stays.
  EXPECT_EQ(map({10, 10, 38, 28}), (TRect{10, 10, 38, 28}));
}

TEST(MapSkinRect, BandPlacesGrowAcrossOrMoveBeyondTheMiddle) {
  const TSkinFace bar = BarFace(TSkinResizeMode::Horizontal);
  auto across = [&](TRect r) { return MapSkinRect(bar, r, 100, 21); };
  EXPECT_EQ(across({2, 3, 37, 18}), (TRect{2, 3, 97, 18}));
  EXPECT_EQ(across({36, 3, 39, 18}), (TRect{96, 3, 99, 18}));
  EXPECT_EQ(across({10, 3, 20, 18}), (TRect{10, 3, 20, 18}));

  const TSkinFace column = BarFace(TSkinResizeMode::Vertical);
  auto down = [&](TRect r) { return MapSkinRect(column, r, 40, 51); };  // 30 taller
  EXPECT_EQ(down({2, 1, 30, 18}), (TRect{2, 1, 30, 48}));
  EXPECT_EQ(down({2, 17, 30, 20}), (TRect{2, 47, 30, 50}));
  EXPECT_EQ(down({2, 5, 30, 10}), (TRect{2, 5, 30, 10}));

  EXPECT_EQ(MapSkinRect(BarFace(TSkinResizeMode::Fixed), {36, 3, 39, 18}, 100, 60),
            (TRect{36, 3, 39, 18}));
}

TEST(MaskRegionDivision, BandsStandInTheirTwoPointsForTheMissingOnes) {
  TSkinDivision sized;
  int32_t w = 100, h = 21;
  const TSkinFace bar = BarFace(TSkinResizeMode::Horizontal);
  FitSkinSize(bar, w, h, sized);
  const TMaskDivision across = MaskRegionDivision(bar, sized);
  EXPECT_EQ(across.Source.RB, (TPoint{36, 0}));
  EXPECT_EQ(across.Source.LB, (TPoint{3, 0}));
  EXPECT_EQ(across.Target.RT, (TPoint{96, 0}));
  EXPECT_EQ(across.Target.RB, (TPoint{96, 0}));
  EXPECT_EQ(across.Target.LB, (TPoint{3, 0}));
  EXPECT_EQ(across.Target.Client, (TRect{3, 2, 96, 21}));

  const TSkinFace column = BarFace(TSkinResizeMode::Vertical);
  w = 40, h = 51;
  FitSkinSize(column, w, h, sized);
  const TMaskDivision down = MaskRegionDivision(column, sized);
  EXPECT_EQ(down.Source.RT, (TPoint{0, 3}));
  EXPECT_EQ(down.Source.RB, (TPoint{0, 17}));
  EXPECT_EQ(down.Target.LB, (TPoint{0, 47}));
  EXPECT_EQ(down.Target.RB, (TPoint{0, 47}));
  EXPECT_EQ(down.Target.RT, (TPoint{0, 3}));

  const TSkinFace nine = NinePartFace();
  w = 90, h = 70;
  FitSkinSize(nine, w, h, sized);
  const TMaskDivision whole = MaskRegionDivision(nine, sized);
  EXPECT_EQ(whole.Source.RB, nine.Division.RB);
  EXPECT_EQ(whole.Target.RB, (TPoint{85, 64}));
}

}  // namespace
}  // namespace tmv
