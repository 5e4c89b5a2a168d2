#include <gtest/gtest.h>

#include "skin/controls/SkinButtonLayout.h"

namespace tmv {
namespace {

// A 16 x 16 glyph and a 30 x 13 caption in a 75 x 25 button at (2, 3).
const TRect kButton{2, 3, 77, 28};

TGlyphTextPlaces Place(int32_t margin, TspButtonLayout layout, bool pressed = false) {
  return PlaceGlyphAndText(kButton, margin, 4, layout, 16, 16, 30, 13, pressed);
}

TEST(PlaceGlyphAndText, AMarginPutsTheGlyphAtTheNamedEdgeAndTheCaptionAfterIt) {
  // Centre (39, 15); halves truncate.
  auto left = Place(5, blGlyphLeft);
  EXPECT_EQ(left.Glyph, (TPoint{7, 7}));
  EXPECT_EQ(left.Text, (TPoint{7 + 16 + 4, 9}));
  auto right = Place(5, blGlyphRight);
  EXPECT_EQ(right.Glyph, (TPoint{77 - 16 - 5, 7}));
  EXPECT_EQ(right.Text, (TPoint{56 - 4 - 30, 9}));
  auto top = Place(2, blGlyphTop);
  EXPECT_EQ(top.Glyph, (TPoint{31, 5}));
  EXPECT_EQ(top.Text, (TPoint{24, 5 + 16 + 4}));
  auto bottom = Place(2, blGlyphBottom);
  EXPECT_EQ(bottom.Glyph, (TPoint{31, 28 - 16 - 2}));
  EXPECT_EQ(bottom.Text, (TPoint{24, 10 - 4 - 13}));
}

TEST(PlaceGlyphAndText, WithoutMarginGlyphAndCaptionAreCentredAsOneBlock) {
  // m = (16 + 30 + 4) / 2 = 25, v = (13 + 16 + 4) / 2 = 16.
  auto left = Place(-1, blGlyphLeft);
  EXPECT_EQ(left.Glyph, (TPoint{39 - 25, 7}));
  EXPECT_EQ(left.Text, (TPoint{39 + 25 - 30, 9}));
  auto right = Place(-1, blGlyphRight);
  EXPECT_EQ(right.Text.X, 39 - 25);
  EXPECT_EQ(right.Glyph.X, 39 + 25 - 16);
  auto top = Place(-1, blGlyphTop);
  EXPECT_EQ(top.Glyph, (TPoint{31, 15 - 16}));
  EXPECT_EQ(top.Text, (TPoint{24, 15 + 16 - 13}));
  auto bottom = Place(-1, blGlyphBottom);
  EXPECT_EQ(bottom.Text.Y, 15 - 16);
  EXPECT_EQ(bottom.Glyph.Y, 15 + 16 - 16);
  auto pressed = Place(-1, blGlyphBottom, true);
  EXPECT_EQ(pressed.Glyph, (TPoint{bottom.Glyph.X + 1, bottom.Glyph.Y + 1}));
  EXPECT_EQ(pressed.Text, (TPoint{bottom.Text.X + 1, bottom.Text.Y + 1}));
}

TEST(ButtonGlyphFrame, EachStateTakesItsFrameOnlyWhenTheStripHasIt) {
  EXPECT_EQ(ButtonGlyphFrame(true, true, true, 4), 3);
  EXPECT_EQ(ButtonGlyphFrame(true, true, true, 2), 1);
  EXPECT_EQ(ButtonGlyphFrame(true, true, false, 4), 4);
  EXPECT_EQ(ButtonGlyphFrame(true, true, false, 3), 1);
  EXPECT_EQ(ButtonGlyphFrame(false, false, false, 2), 2);
  EXPECT_EQ(ButtonGlyphFrame(false, false, false, 1), 1);
}

TEST(ButtonFade, StepsLandOnBothEndsExactlyAndStopThere) {
  TButtonFade fade;
  int ticks = 1;
  while (fade.Advance(true)) ++ticks;
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(fade.Factor(), 1.0);
  EXPECT_FALSE(fade.Advance(true));
  EXPECT_EQ(fade.Factor(), 1.0) << "never beyond 1";
  ticks = 1;
  while (fade.Advance(false)) {
    EXPECT_GT(fade.Factor(), 0.0);
    ++ticks;
  }
  EXPECT_EQ(ticks, 5);
  EXPECT_EQ(fade.Factor(), 0.0);
  EXPECT_FALSE(fade.Advance(false));
  EXPECT_EQ(fade.Factor(), 0.0) << "never below 0";
}

}  // namespace
}  // namespace tmv
