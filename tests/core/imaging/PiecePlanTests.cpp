#include <gtest/gtest.h>

#include <vector>

#include "skin/imaging/SPUtilsPiecePlan.h"

namespace tmv {
namespace {

TSkinDivision Division(TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect client) {
  return {lt, rt, lb, rb, client};
}

// Counts how many copies paint each target pixel.
std::vector<int> Coverage(const TPiecePlan& plan, int w, int h) {
  std::vector<int> hits(static_cast<size_t>(w) * h, 0);
  for (const TPieceCopy& p : plan)
    for (int y = std::max(0, p.Target.Top); y < std::min(h, p.Target.Bottom); ++y)
      for (int x = std::max(0, p.Target.Left); x < std::min(w, p.Target.Right); ++x) ++hits[y * w + x];
  return hits;
}

TEST(HorizontalBand, ButtonImageTilesItsMiddleAndCutsTheLastTile) {
  const TRect s{30, 5, 50, 26};  // 20 x 21 at (30, 5)
  const TPiecePlan wide = PlanHorizontalBand(4, 5, 76, s);
  ASSERT_EQ(wide.size(), 2u + 7u);
  EXPECT_EQ(wide[0], (TPieceCopy{{30, 5, 34, 26}, {0, 0, 4, 21}}));
  EXPECT_EQ(wide[1], (TPieceCopy{{45, 5, 50, 26}, {71, 0, 76, 21}}));
  for (int k = 0; k < 6; ++k)
    EXPECT_EQ(wide[2 + k], (TPieceCopy{{34, 5, 45, 26}, {4 + 11 * k, 0, 15 + 11 * k, 21}}));
  EXPECT_EQ(wide[8], (TPieceCopy{{34, 5, 35, 26}, {70, 0, 71, 21}}));

  // One pixel narrower the seventh tile has no width and draws nothing.
  const TPiecePlan narrower = PlanHorizontalBand(4, 5, 75, s);
  ASSERT_EQ(narrower.size(), 2u + 6u);
  EXPECT_EQ(narrower.back().Target, (TRect{59, 0, 70, 21}));
}

TEST(HorizontalBand, NoMiddleOrNarrowTargetDrawsOnlyWhatFits) {
  const TRect s{0, 0, 9, 4};
  EXPECT_EQ(PlanHorizontalBand(4, 5, 100, s).size(), 2u);  // middle of width 0: no endless loop
  const TPiecePlan small = PlanHorizontalBand(4, 5, 6, s);  // ends overlap, middle span negative
  ASSERT_EQ(small.size(), 2u);
  EXPECT_EQ(small[1].Target, (TRect{1, 0, 6, 4}));
}

TEST(ControlImage, ThePointsGivenChooseThePrimitive) {
  const TRect s{30, 5, 50, 26};
  // RT given, RB not: a horizontal band with ends LT.x and Sw - RT.x.
  const TSkinDivision button{{4, 11}, {15, 10}, {0, 0}, {0, 0}, {}};
  const TBandPlan band = PlanControlImage(button, s, 76, 40);
  EXPECT_TRUE(band.Built);
  EXPECT_EQ(band.Height, 21);
  EXPECT_EQ(band.Copies, PlanHorizontalBand(4, 5, 76, s));

  const TSkinDivision column{{0, 3}, {0, 0}, {0, 15}, {0, 0}, {}};
  const TBandPlan vertical = PlanControlImage(column, s, 76, 40);
  EXPECT_EQ(vertical.Width, 20);
  EXPECT_EQ(vertical.Copies, PlanVerticalBand(3, 6, 40, s));

  const TBandPlan plain = PlanControlImage(TSkinDivision{}, s, 76, 40);
  ASSERT_EQ(plain.Copies.size(), 1u);
  EXPECT_EQ(plain.Copies[0], (TPieceCopy{s, {0, 0, 20, 21}}));

  const TSkinDivision nine{{5, 5}, {15, 5}, {5, 16}, {15, 16}, {5, 5, 15, 16}};
  const TBandPlan framed = PlanControlImage(nine, s, 76, 40);
  EXPECT_EQ(framed.Width, 76);
  EXPECT_EQ(framed.Height, 40);
  EXPECT_EQ(framed.Copies.back().Target.Right, 71);  // the centre is filled

  EXPECT_FALSE(PlanControlImage(nine, {0, 0, 0, 10}, 76, 40).Built);
}

TEST(ControlImage, ResizeModeComesFromTheFirstPointGivenInOrder) {
  const TRect s{0, 0, 20, 20};
  EXPECT_EQ(DetectResizeMode({{1, 1}, {5, 5}, {5, 5}, {9, 9}, {}}, {3, 3, 3, 9}),
            TSkinResizeMode::Empty);
  EXPECT_EQ(DetectResizeMode({{}, {5, 5}, {5, 5}, {9, 9}, {}}, s), TSkinResizeMode::Both);
  // One coordinate of RB is not enough for nine parts.
  EXPECT_EQ(DetectResizeMode({{}, {0, 5}, {5, 5}, {9, 0}, {}}, s), TSkinResizeMode::Horizontal);
  EXPECT_EQ(DetectResizeMode({{}, {}, {5, 0}, {0, 9}, {}}, s), TSkinResizeMode::Vertical);
  EXPECT_EQ(DetectResizeMode({{4, 4}, {}, {}, {9, 0}, {5, 5, 9, 9}}, s), TSkinResizeMode::Fixed);
}

TEST(Tiled, TheSourceRepeatsFromTheOriginAndIsCutAtBothEdges) {
  const TRect s{10, 20, 17, 25};  // 7 x 5
  const TPiecePlan plan = PlanTiled(s, 16, 12);
  const std::vector<int> hits = Coverage(plan, 16, 12);
  for (int h : hits) ASSERT_EQ(h, 1);
  EXPECT_EQ(plan.front(), (TPieceCopy{s, {0, 0, 7, 5}}));
  EXPECT_EQ(plan.back(), (TPieceCopy{{10, 20, 12, 22}, {14, 10, 16, 12}}));
  EXPECT_TRUE(PlanTiled(s, 0, 12).empty());
  EXPECT_TRUE(PlanTiled({5, 5, 5, 9}, 16, 12).empty());
}

TEST(ClipToSource, PiecesKeepOnlyWhatThePictureHolds) {
  const TPiecePlan plan = {
      {{30, 10, 50, 20}, {0, 0, 20, 10}},    // runs 10 columns past a 40-wide picture
      {{-4, -2, 6, 8}, {100, 100, 110, 110}},  // starts before the picture
      {{40, 0, 45, 5}, {0, 0, 5, 5}},        // wholly outside
      {{0, 0, 10, 10}, {0, 0, 20, 40}},      // stretched, half of it outside the rows
  };
  const TPiecePlan clipped = ClipPlanToSource(plan, 40, 5);
  ASSERT_EQ(clipped.size(), 2u);
  EXPECT_EQ(clipped[0], (TPieceCopy{{0, 0, 6, 5}, {104, 102, 110, 107}}));
  EXPECT_EQ(clipped[1], (TPieceCopy{{0, 0, 10, 5}, {0, 0, 20, 20}}));
  EXPECT_EQ(ClipPlanToSource(plan, 100, 100)[0], plan[0]);
}

TEST(VerticalBand, TilesDownwardFromTheTopEnd) {
  const TRect s{0, 10, 8, 30};  // 8 x 20, ends 3 and 2, middle 15
  const TPiecePlan plan = PlanVerticalBand(3, 2, 40, s);
  ASSERT_EQ(plan.size(), 2u + 3u);
  EXPECT_EQ(plan[0], (TPieceCopy{{0, 10, 8, 13}, {0, 0, 8, 3}}));
  EXPECT_EQ(plan[1], (TPieceCopy{{0, 28, 8, 30}, {0, 38, 8, 40}}));
  EXPECT_EQ(plan[2], (TPieceCopy{{0, 13, 8, 28}, {0, 3, 8, 18}}));
  EXPECT_EQ(plan[4], (TPieceCopy{{0, 13, 8, 18}, {0, 33, 8, 38}}));
  const std::vector<int> hits = Coverage(plan, 8, 40);
  for (int h : hits) EXPECT_EQ(h, 1);
}

class NinePart : public ::testing::Test {
protected:
  // A 30 x 30 image at (10, 20): corners of 5, edge tiles and centre of 20.
  const TRect s{10, 20, 40, 50};
  const TSkinDivision src = Division({5, 5}, {25, 5}, {5, 25}, {25, 25}, {5, 5, 25, 25});
};

TEST_F(NinePart, EdgesAndCentreStartAtTheirDivisionPoints) {
  const TSkinDivision tgt = TargetDivision(src, 30, 30, 50, 20);
  EXPECT_EQ(tgt.RT, (TPoint{45, 5}));
  EXPECT_EQ(tgt.LB, (TPoint{5, 15}));
  EXPECT_EQ(tgt.RB, (TPoint{45, 15}));
  EXPECT_EQ(tgt.Client, (TRect{5, 5, 45, 15}));
  const TPiecePlan plan = PlanNinePartTiled(src, tgt, true, 50, 20, s);
  // The top edge spans exactly two tiles: the third has width 0 and is left out.
  ASSERT_GE(plan.size(), 2u);
  EXPECT_EQ(plan[0], (TPieceCopy{{15, 20, 35, 25}, {5, 0, 25, 5}}));
  EXPECT_EQ(plan[1], (TPieceCopy{{15, 20, 35, 25}, {25, 0, 45, 5}}));
  EXPECT_EQ(plan[2], (TPieceCopy{{15, 45, 35, 50}, {5, 15, 25, 20}}));
  // The left edge's only tile is cut to the 10 rows between the points.
  EXPECT_EQ(plan[4], (TPieceCopy{{10, 25, 15, 35}, {0, 5, 5, 15}}));
  EXPECT_EQ(plan[5], (TPieceCopy{{35, 25, 40, 35}, {45, 5, 50, 15}}));
  // The centre comes last, cut at the client bottom.
  EXPECT_EQ(plan[plan.size() - 2], (TPieceCopy{{15, 25, 35, 35}, {5, 5, 25, 15}}));
  EXPECT_EQ(plan.back(), (TPieceCopy{{15, 25, 35, 35}, {25, 5, 45, 15}}));
}

TEST_F(NinePart, EverySizePaintsEachTargetPixelExactlyOnce) {
  for (int w : {20, 31, 50, 67}) {
    for (int h : {11, 30, 45, 90}) {
      const TSkinDivision tgt = TargetDivision(src, 30, 30, w, h);
      const TPiecePlan plan = PlanNinePartTiled(src, tgt, true, w, h, s);
      const std::vector<int> hits = Coverage(plan, w, h);
      for (size_t i = 0; i < hits.size(); ++i)
        ASSERT_EQ(hits[i], 1) << w << "x" << h << " pixel " << i % w << "," << i / w;
      for (const TPieceCopy& p : plan) {
        EXPECT_GE(p.Source.Left, s.Left);
        EXPECT_LE(p.Source.Right, s.Right);
        EXPECT_GE(p.Source.Top, s.Top);
        EXPECT_LE(p.Source.Bottom, s.Bottom);
      }
    }
  }
}

TEST_F(NinePart, WithoutFillTheCentreStaysUndrawn) {
  const TSkinDivision tgt = TargetDivision(src, 30, 30, 60, 60);
  const std::vector<int> hits = Coverage(PlanNinePartTiled(src, tgt, false, 60, 60, s), 60, 60);
  EXPECT_EQ(hits[30 * 60 + 30], 0);
  EXPECT_EQ(hits[2 * 60 + 30], 1);
}

TEST_F(NinePart, StretchedEdgesAreOneCopyOverTheWholeSpan) {
  const TSkinDivision tgt = TargetDivision(src, 30, 30, 100, 70);
  TEdgeStretch stretch;
  stretch.Top = stretch.Right = true;
  const TPiecePlan plan = PlanNinePart(src, tgt, stretch, true, 100, 70, s);
  EXPECT_EQ(plan[0], (TPieceCopy{{15, 20, 35, 25}, {5, 0, 95, 5}}));
  // Bottom and left are still tiled: 5 bottom tiles, 3 left tiles, then the stretched right.
  EXPECT_EQ(plan[1 + 5 + 3], (TPieceCopy{{35, 25, 40, 45}, {95, 5, 100, 65}}));
  for (int h : Coverage(plan, 100, 70)) EXPECT_EQ(h, 1);
}

TEST_F(NinePart, DegenerateDivisionsDrawNothingOrSkipTheBrokenEdge) {
  const TSkinDivision flat = Division({5, 5}, {25, 5}, {5, 25}, {5, 25}, {5, 5, 25, 25});
  EXPECT_TRUE(PlanNinePartTiled(flat, TargetDivision(flat, 30, 30, 60, 60), true, 60, 60, s).empty());

  // A top edge of length 0 (RT.x = LT.x) and a centre of width 0: no division by zero, the
  // rest is drawn.
  const TSkinDivision noTop = Division({5, 5}, {5, 5}, {5, 25}, {25, 25}, {5, 5, 5, 25});
  const TSkinDivision tgt = TargetDivision(noTop, 30, 30, 60, 60);
  const TPiecePlan plan = PlanNinePartTiled(noTop, tgt, true, 60, 60, s);
  EXPECT_FALSE(plan.empty());
  for (const TPieceCopy& p : plan) EXPECT_GT(p.Target.Top + p.Target.Height(), 0);
}

TEST_F(NinePart, HugeOrInvertedSpansStayBoundedByTheTarget) {
  TSkinDivision tgt = TargetDivision(src, 30, 30, 40, 40);
  tgt.LT.X = -2000000000;  // a tile row starting far left of the bitmap
  const TPiecePlan plan = PlanNinePartTiled(src, tgt, true, 40, 40, s);
  EXPECT_LT(plan.size(), 100u);
  for (const TPieceCopy& p : plan) {
    EXPECT_GT(p.Target.Right, 0);
    EXPECT_GT(p.Target.Width(), 0);
    EXPECT_GT(p.Source.Width(), 0);
  }
  // Smaller than the source: the edge spans are negative and nothing inverted is drawn.
  const TSkinDivision small = TargetDivision(src, 30, 30, 6, 6);
  for (const TPieceCopy& p : PlanNinePartTiled(src, small, true, 6, 6, s)) {
    EXPECT_GT(p.Target.Width(), 0);
    EXPECT_GT(p.Target.Height(), 0);
  }
}

TEST(FrameBands, TopBandTilesFromTheLeftEdgeThenSetsItsEnds) {
  const TRect s{0, 0, 30, 30};
  const TSkinDivision src = Division({5, 5}, {25, 5}, {5, 25}, {25, 25}, {5, 5, 25, 25});
  const TSkinDivision tgt = TargetDivision(src, 30, 30, 50, 40);
  const TFrameBandPlans bands = PlanFrameBands(src, tgt, {}, 50, 40, s);
  ASSERT_TRUE(bands.Top.Built);
  EXPECT_EQ(bands.Top.Width, 50);
  EXPECT_EQ(bands.Top.Height, 5);
  EXPECT_EQ(bands.Top.Copies[0], (TPieceCopy{{5, 0, 25, 5}, {0, 0, 20, 5}}));
  EXPECT_EQ(bands.Top.Copies[2], (TPieceCopy{{5, 0, 15, 5}, {40, 0, 50, 5}}));
  EXPECT_EQ(bands.Top.Copies[3], (TPieceCopy{{0, 0, 5, 5}, {0, 0, 5, 5}}));
  EXPECT_EQ(bands.Top.Copies[4], (TPieceCopy{{25, 0, 30, 5}, {45, 0, 50, 5}}));
  ASSERT_TRUE(bands.Bottom.Built);
  EXPECT_EQ(bands.Bottom.Copies[0].Source, (TRect{5, 25, 25, 30}));
  ASSERT_TRUE(bands.Left.Built);
  EXPECT_EQ(bands.Left.Width, 5);
  EXPECT_EQ(bands.Left.Height, 30);
  EXPECT_EQ(bands.Left.Copies[0], (TPieceCopy{{0, 5, 5, 25}, {0, 0, 5, 20}}));
  EXPECT_EQ(bands.Left.Copies[1], (TPieceCopy{{0, 5, 5, 15}, {0, 20, 5, 30}}));
  ASSERT_TRUE(bands.Right.Built);
  EXPECT_EQ(bands.Right.Copies[0].Source.Left, 25);
}

TEST(FrameBands, FixedSideEndsAndUnmetConditions) {
  const TRect s{0, 0, 30, 30};
  // The side tiles run from row 8 to 20, so rows 5-8 and 20-25 are the fixed ends.
  const TSkinDivision src = Division({5, 8}, {25, 8}, {5, 20}, {25, 20}, {5, 5, 25, 25});
  const TSkinDivision tgt = TargetDivision(src, 30, 30, 40, 60);
  TEdgeStretch stretch;
  stretch.Left = true;
  const TFrameBandPlans bands = PlanFrameBands(src, tgt, stretch, 40, 60, s);
  ASSERT_TRUE(bands.Left.Built);
  ASSERT_EQ(bands.Left.Copies.size(), 3u);
  EXPECT_EQ(bands.Left.Copies[0], (TPieceCopy{{0, 8, 5, 20}, {0, 3, 5, 45}}));
  EXPECT_EQ(bands.Left.Copies[1], (TPieceCopy{{0, 5, 5, 8}, {0, 0, 5, 3}}));
  EXPECT_EQ(bands.Left.Copies[2], (TPieceCopy{{0, 20, 5, 25}, {0, 45, 5, 50}}));

  TSkinDivision noTop = tgt;
  noTop.Client.Top = 0;
  EXPECT_FALSE(PlanFrameBands(src, noTop, {}, 40, 60, s).Top.Built);
  EXPECT_FALSE(PlanFrameBands(src, tgt, {}, 0, 60, s).Top.Built);
}

TEST(MaskBands, ZeroWidthBandIsLeftOutAndTopTilesFromItsPoint) {
  // A 20 x 20 mask whose client reaches its left edge: no left band.
  const TSkinDivision src = Division({4, 4}, {16, 4}, {4, 16}, {16, 16}, {0, 4, 16, 16});
  const TSkinDivision tgt = TargetDivision(src, 20, 20, 40, 30);
  const TFrameBandPlans bands = PlanMaskBands(src, tgt, 40, 20, 20);
  EXPECT_FALSE(bands.Left.Built);
  ASSERT_TRUE(bands.Right.Built);
  EXPECT_EQ(bands.Right.Width, 4);
  EXPECT_EQ(bands.Right.Height, 22);
  ASSERT_TRUE(bands.Top.Built);
  EXPECT_EQ(bands.Top.Copies[0], (TPieceCopy{{4, 0, 16, 4}, {4, 0, 16, 4}}));
  EXPECT_EQ(bands.Top.Copies[2], (TPieceCopy{{4, 0, 12, 4}, {28, 0, 36, 4}}));
  EXPECT_EQ(bands.Top.Copies[4], (TPieceCopy{{16, 0, 20, 4}, {36, 0, 40, 4}}));
  ASSERT_TRUE(bands.Bottom.Built);
  EXPECT_EQ(bands.Bottom.Height, 4);
  EXPECT_EQ(bands.Bottom.Copies.back(), (TPieceCopy{{16, 16, 20, 20}, {36, 0, 40, 4}}));
}

TEST(MaskBands, ClientOutsideTheMaskIsKeptToIt) {
  const TSkinDivision src = Division({4, 4}, {16, 4}, {4, 16}, {16, 16}, {-9, 4, 16, -2000000000});
  const TFrameBandPlans bands = PlanMaskBands(src, TargetDivision(src, 20, 20, 40, 30), 40, 20, 20);
  EXPECT_FALSE(bands.Left.Built);
  ASSERT_TRUE(bands.Bottom.Built);
  EXPECT_EQ(bands.Bottom.Height, 20);
}

TEST(StripFrame, FramesAreEqualColumnsCountedFromOne) {
  EXPECT_EQ(StripFrameRect(40, 7, 1, 4), (TRect{0, 0, 10, 7}));
  EXPECT_EQ(StripFrameRect(42, 7, 4, 4), (TRect{30, 0, 40, 7}));
  EXPECT_TRUE(StripFrameRect(40, 7, 0, 4).IsEmpty());
  EXPECT_TRUE(StripFrameRect(40, 7, 5, 4).IsEmpty());
  EXPECT_TRUE(StripFrameRect(40, 7, 1, 0).IsEmpty());
  EXPECT_TRUE(StripFrameRect(3, 7, 1, 4).IsEmpty());
  EXPECT_TRUE(StripFrameRect(0, 0, 1, 1).IsEmpty());
}

}  // namespace
}  // namespace tmv
