#include <gtest/gtest.h>

#include "LabelTestSupport.h"
#include "win/framework/TestSupport.h"
#include "labels/RzBorders.h"
#include "labels/RzLabel.h"

namespace tmv {
namespace {

// ---------------------------------------------------------------------------------------
// Border routines

struct BorderCanvas : testing::Test {
  BorderCanvas() {
    bmp = NewBitmap(10, 10);
    bmp->Canvas()->Brush()->SetColor(clWhite);
    bmp->Canvas()->FillRect({0, 0, 10, 10});
  }
  COLORREF At(int x, int y) const { return PixelAt(*bmp, x, y); }
  void Clear() { canvas().FillRect({0, 0, 10, 10}); }
  TCanvas& canvas() { return *bmp->Canvas(); }
  std::unique_ptr<TBitmap> bmp;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

TEST_F(BorderCanvas, SidesWithoutAColourAreLeftOutButStillTakeTheirPixel) {
  RECT r = PaintSides(canvas(), {0, 0, 10, 10}, clRed, clNone, sdAllSides);
  EXPECT_EQ(r.left, 1);
  EXPECT_EQ(r.top, 1);
  EXPECT_EQ(r.right, 9);
  EXPECT_EQ(r.bottom, 9);
  EXPECT_EQ(At(0, 9), kRed);  // the left line runs to the bottom
  EXPECT_EQ(At(9, 0), kRed);  // the top line runs to the right
  EXPECT_EQ(At(9, 5), kWhite);
  EXPECT_EQ(At(5, 9), kWhite);

  r = PaintSides(canvas(), {0, 0, 10, 10}, clNone, clBlue, sdRight | sdBottom);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 9);
  EXPECT_EQ(r.bottom, 9);
  EXPECT_EQ(At(9, 5), kBlue);
  EXPECT_EQ(At(5, 9), kBlue);
  EXPECT_EQ(At(5, 0), kRed);
}

TEST_F(BorderCanvas, BevelsRepeatInward) {
  RECT r = PaintBevel(canvas(), {0, 0, 10, 10}, clRed, clBlue, sdLeft | sdBottom, 3);
  EXPECT_EQ(r.left, 3);
  EXPECT_EQ(r.bottom, 7);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(At(2, 2), kRed);
  EXPECT_EQ(At(3, 2), kWhite);
  EXPECT_EQ(At(5, 7), kBlue);
  EXPECT_EQ(At(5, 6), kWhite);
}

TEST_F(BorderCanvas, TwoLineStylesTakeTheirTableColours) {
  RECT r = PaintStyledSides(canvas(), {0, 0, 10, 10}, fsRaised, sdAllSides);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.bottom, 8);
  EXPECT_EQ(At(0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(At(9, 9), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(At(1, 1), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(At(8, 8), ColorToRGB(clBtnShadow));
  PaintStyledSides(canvas(), {0, 0, 10, 10}, fsButtonDown, sdAllSides);
  EXPECT_EQ(At(0, 0), ColorToRGB(clBtnText));
  EXPECT_EQ(At(1, 1), ColorToRGB(clBtnShadow));
  r = PaintStyledSides(canvas(), {0, 0, 10, 10}, fsNone, sdAllSides);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.right, 10);
}

TEST_F(BorderCanvas, GroovesCrossTheirColoursAndMeetAtTheCorners) {
  const COLORREF shadow = ColorToRGB(clBtnShadow), light = ColorToRGB(clBtnHighlight);
  RECT r = PaintStyledSides(canvas(), {0, 0, 10, 10}, fsGroove, sdAllSides);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.top, 2);
  EXPECT_EQ(r.right, 8);
  EXPECT_EQ(r.bottom, 8);
  EXPECT_EQ(At(0, 0), shadow);
  EXPECT_EQ(At(1, 1), light);
  EXPECT_EQ(At(5, 0), shadow);
  EXPECT_EQ(At(5, 1), light);
  EXPECT_EQ(At(8, 5), shadow);
  EXPECT_EQ(At(9, 5), light);
  EXPECT_EQ(At(9, 0), light);  // the corner pixel, not the top line's colour
  EXPECT_EQ(At(0, 9), light);

  // Top and left only: the open corners end in the upper-left colour.
  Clear();
  PaintStyledSides(canvas(), {0, 0, 10, 10}, fsBump, sdTop | sdLeft);
  EXPECT_EQ(At(9, 0), light);  // bump: upper-left is the highlight
  EXPECT_EQ(At(0, 0), light);
  EXPECT_EQ(At(5, 1), shadow);
}

TEST_F(BorderCanvas, RoundedFlatBordersCutTheirCorners) {
  RECT r = PaintRoundedFlatBorder(canvas(), {0, 0, 10, 10}, clRed, sdAllSides);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(r.bottom, 8);
  EXPECT_EQ(At(0, 0), kWhite);
  EXPECT_EQ(At(0, 1), kWhite);
  EXPECT_EQ(At(0, 2), kRed);
  EXPECT_EQ(At(1, 1), kRed);
  EXPECT_EQ(At(8, 8), kRed);
  EXPECT_EQ(At(9, 7), kRed);
  EXPECT_EQ(At(9, 8), kWhite);
}

TEST_F(BorderCanvas, LabelBordersStackOuterBandAndInner) {
  TRzLabelBorder b;
  b.Outer = fsFlat;
  b.FlatColor = clRed;
  b.FlatColorAdjustment = 0;
  b.Width = 2;
  b.Color = clLime;
  b.Inner = fsStatus;
  b.Shadow = clBlue;
  b.Highlight = clYellow;
  RECT r = PaintLabelBorders(canvas(), {0, 0, 10, 10}, b, clWhite, clBlack, false, false);
  EXPECT_EQ(r.left, 4);
  EXPECT_EQ(r.bottom, 6);
  EXPECT_EQ(At(0, 0), kRed);
  EXPECT_EQ(At(1, 5), RGB(0, 255, 0));
  EXPECT_EQ(At(2, 5), RGB(0, 255, 0));
  EXPECT_EQ(At(3, 5), kBlue);           // status: shadow upper-left
  EXPECT_EQ(At(6, 5), RGB(255, 255, 0));  // and highlight lower-right
  EXPECT_EQ(At(5, 5), kWhite);

  // The flat colour is shifted by the adjustment.
  b.FlatColorAdjustment = 30;
  PaintLabelBorders(canvas(), {0, 0, 10, 10}, b, clWhite, clBlack, false, false);
  EXPECT_EQ(At(0, 0), ColorToRGB(LightenColor(clRed, 30)));
  EXPECT_NE(At(0, 0), kRed);
}

TEST_F(BorderCanvas, RoundedOuterBorderFillsItsCornersFromTheParent) {
  TRzLabelBorder b;
  b.Outer = fsFlatRounded;
  b.FlatColor = clRed;
  b.FlatColorAdjustment = 0;
  RECT r = PaintLabelBorders(canvas(), {0, 0, 10, 10}, b, clBlue, clBlack, false, false);
  EXPECT_EQ(r.left, 2);
  EXPECT_EQ(At(0, 0), RGB(0, 0, 0));  // parent colour
  EXPECT_EQ(At(1, 2), kBlue);         // control colour inside it
  EXPECT_EQ(At(1, 1), kRed);
  b.Width = 1;
  b.Color = clLime;
  PaintLabelBorders(canvas(), {0, 0, 10, 10}, b, clBlue, clBlack, false, false);
  EXPECT_EQ(At(1, 2), RGB(0, 255, 0));  // with a band, the border colour
}

TEST(ColourShifts, SystemColoursAreResolvedExceptForAZeroShift) {
  EXPECT_EQ(ShiftColor(clBtnFace, 0), clBtnFace);
  EXPECT_EQ(ShiftColor(clWhite, 0), clWhite);
  EXPECT_EQ(ShiftColor(clWhite, 50), clWhite);
  EXPECT_EQ(ShiftColor(clBlack, -50), clBlack);
  EXPECT_EQ(ShiftColor(clBtnShadow, 20), LightenColor(ColorToRGB(clBtnShadow), 20));
  EXPECT_EQ(ShiftColor(clBtnShadow, -20), DarkenColor(ColorToRGB(clBtnShadow), 20));
  EXPECT_FALSE(IsSystemColor(LightenColor(clBtnFace, 10)));
}

// ---------------------------------------------------------------------------------------
// Label text

struct LabelPainting : testing::Test {
  LabelPainting() {
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 80, 40);
    label.SetTextMargin(6);
    label.SetColor(clWhite);
    label.Font()->SetName("Arial");
    label.Font()->SetHeight(-24);
    label.Font()->SetStyle(fsBold);
    label.Font()->SetColor(clBlue);
    label.SetCaption("HW");
    label.SetShadowColor(clRed);
    label.SetHighlightColor(clLime);
  }
  std::unique_ptr<TBitmap> Render() {
    auto bmp = NewBitmap(label.Width(), label.Height());
    label.Paint(*bmp->Canvas());
    return bmp;
  }
  // The cores of the text's strokes when drawn plainly.
  PixelSet PlainText() {
    TTextStyle style = label.TextStyle();
    label.SetTextStyle(tsNormal);
    PixelSet text = PixelsOf(*Render(), clBlue);
    label.SetTextStyle(style);
    return text;
  }
  TRzLabel label{nullptr};
};

// Each pass is the text moved by its offset: its pure pixels lie on the plain text moved
// alike, and the text itself, drawn last, stays where it was.
void ExpectPass(const TBitmap& bmp, TColor color, const PixelSet& text, int dx, int dy) {
  const PixelSet pass = PixelsOf(bmp, color);
  EXPECT_FALSE(pass.empty()) << "no pass in this colour";
  EXPECT_TRUE(IsSubset(pass, Shifted(text, dx, dy))) << "the pass is not at " << dx << ", " << dy;
}

TEST_F(LabelPainting, RaisedAndRecessedTextDrawTwoPassesAroundTheText) {
  const PixelSet text = PlainText();
  ASSERT_GT(text.size(), 50u);

  label.SetTextStyle(tsRaised);
  auto raised = Render();
  EXPECT_EQ(PixelsOf(*raised, clBlue), text);
  ExpectPass(*raised, clRed, text, 1, 1);
  ExpectPass(*raised, clLime, text, -1, -1);

  label.SetTextStyle(tsRecessed);
  auto recessed = Render();
  EXPECT_EQ(PixelsOf(*recessed, clBlue), text);
  ExpectPass(*recessed, clLime, text, 1, 1);
  ExpectPass(*recessed, clRed, text, -1, -1);
}

TEST_F(LabelPainting, LightStylesDrawOnlyOnePass) {
  const PixelSet text = PlainText();
  label.SetLightTextStyle(true);
  label.SetTextStyle(tsRaised);
  auto raised = Render();
  ExpectPass(*raised, clLime, text, -1, -1);
  EXPECT_TRUE(PixelsOf(*raised, clRed).empty());

  label.SetTextStyle(tsRecessed);
  auto recessed = Render();
  ExpectPass(*recessed, clLime, text, 1, 1);
  EXPECT_TRUE(PixelsOf(*recessed, clRed).empty());
}

TEST_F(LabelPainting, ShadowsFallByTheShadowDepth) {
  const PixelSet text = PlainText();
  label.SetTextStyle(tsShadow);
  label.SetShadowDepth(4);
  auto shadowed = Render();
  EXPECT_EQ(PixelsOf(*shadowed, clBlue), text);
  ExpectPass(*shadowed, clRed, text, 4, 4);
  EXPECT_TRUE(PixelsOf(*shadowed, clLime).empty());
}

TEST_F(LabelPainting, DisabledTextIsEngraved) {
  label.SetColor(clBlack);
  label.Font()->SetColor(clBtnShadow);
  const PixelSet text = PixelsOf(*Render(), clBtnShadow);
  label.SetTextStyle(tsRaised);
  label.SetEnabled(false);
  auto disabled = Render();
  // Grey smoothed over white can land on the pure grey, so the text is found, not matched.
  EXPECT_TRUE(IsSubset(text, PixelsOf(*disabled, clBtnShadow)));
  ExpectPass(*disabled, clBtnHighlight, text, 1, 1);
  EXPECT_TRUE(PixelsOf(*disabled, clLime).empty());
}

TEST_F(LabelPainting, LayoutAndAlignmentPlaceTheText) {
  const auto topLeft = *PixelsOf(*Render(), clBlue).begin();
  label.SetLayout(tlBottom);
  label.SetAlignment(taRightJustify);
  const PixelSet moved = PixelsOf(*Render(), clBlue);
  ASSERT_FALSE(moved.empty());
  EXPECT_GT(moved.begin()->first, topLeft.first + 10);
  int lowest = 0;
  for (auto p : moved) lowest = std::max(lowest, p.second);
  EXPECT_GE(lowest, label.Height() - 6 - 8);
}

TEST_F(LabelPainting, TheBorderFramesTheTextAndTransparencyKeepsTheBackground) {
  label.SetBorderOuter(fsFlat);
  label.SetFlatColor(clRed);
  label.SetFlatColorAdjustment(0);
  label.SetBorderWidth(2);
  label.SetBorderColor(clYellow);
  auto bmp = Render();
  EXPECT_EQ(PixelAt(*bmp, 0, 0), kRed);
  EXPECT_EQ(PixelAt(*bmp, 79, 39), kRed);
  EXPECT_EQ(PixelAt(*bmp, 2, 20), RGB(255, 255, 0));
  EXPECT_EQ(PixelAt(*bmp, 3, 20), kWhite);

  label.SetTransparent(true);
  auto transparent = NewBitmap(80, 40);
  transparent->Canvas()->Brush()->SetColor(clGray);
  transparent->Canvas()->FillRect({0, 0, 80, 40});
  label.Paint(*transparent->Canvas());
  EXPECT_EQ(PixelAt(*transparent, 75, 30), ColorToRGB(clGray));
  EXPECT_EQ(PixelAt(*transparent, 0, 0), kRed);
}

TEST_F(LabelPainting, TurnedTextStandsUpright) {
  label.SetBounds(0, 0, 160, 160);
  label.SetCaption("HWHW");
  const SIZE flat = Extent(PixelsNotOf(*Render(), clWhite));
  EXPECT_GT(flat.cx, flat.cy);
  for (int angle : {90, 270}) {
    label.SetAngle(angle);
    EXPECT_EQ(label.Rotation(), roFlat);
    const SIZE turned = Extent(PixelsNotOf(*Render(), clWhite));
    EXPECT_GT(turned.cy, turned.cx) << angle;
  }
  label.SetAngle(45);
  const SIZE slanted = Extent(PixelsNotOf(*Render(), clWhite));
  EXPECT_GT(slanted.cy, flat.cy + 10);
  EXPECT_LT(slanted.cx, flat.cx);
}

TEST_F(LabelPainting, ArcTextNeedsARadiusAndOtherwiseStaysStraight) {
  label.SetBounds(0, 0, 120, 120);
  label.SetCaption("ABCDEF");
  const PixelSet straight = PixelsNotOf(*Render(), clWhite);
  label.SetRotation(roCurve);
  const PixelSet arc = PixelsNotOf(*Render(), clWhite);
  ASSERT_FALSE(arc.empty());
  EXPECT_NE(arc, straight);
  // The arc starts at the top: the first letters are near the top edge, the text bends down.
  EXPECT_GT(Extent(arc).cy, Extent(straight).cy + 10);

  // No room for a circle: the same pixels as straight text, and no fault.
  label.SetBounds(0, 0, 16, 120);
  label.SetBorderWidth(4);
  const PixelSet narrowArc = PixelsNotOf(*Render(), clWhite);
  label.SetRotation(roNone);
  EXPECT_EQ(narrowArc, PixelsNotOf(*Render(), clWhite));
}

TEST_F(LabelPainting, RotatedAndArcTextFreeEveryFontTheyMake) {
  auto bmp = NewBitmap(120, 120);
  label.SetBounds(0, 0, 120, 120);
  label.SetCaption("旋转ABC");
  label.SetTextStyle(tsRaised);
  for (TRotation rotation : {roFlat, roCurve}) {
    label.SetRotation(rotation);
    label.SetAngle(45);
    label.Paint(*bmp->Canvas());
    const TGuiObjects before = CountGuiObjects();
    for (int i = 0; i < 1000; ++i) label.Paint(*bmp->Canvas());
    EXPECT_EQ(CountGuiObjects().Gdi, before.Gdi) << rotation;
  }
  // The count does see fonts that are kept.
  const TGuiObjects before = CountGuiObjects();
  TFont kept;
  kept.Handle();
  EXPECT_EQ(CountGuiObjects().Gdi, before.Gdi + 1);
}

}  // namespace
}  // namespace tmv
