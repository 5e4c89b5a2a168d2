#include <gtest/gtest.h>

#include <climits>

#include "labels/RzColorMath.h"
#include "labels/RzLabelGeometry.h"

namespace tmv {
namespace {

constexpr uint32_t Rgb(int r, int g, int b) { return static_cast<uint32_t>(r | g << 8 | b << 16); }

void ExpectHsl(uint32_t rgb, int h, int s, int l) {
  const THsl240 c = RgbToHsl240(rgb);
  EXPECT_EQ(c.Hue, h);
  EXPECT_EQ(c.Saturation, s);
  EXPECT_EQ(c.Lightness, l);
}

TEST(Hsl240, PrimaryAndGreyColoursLandOnTheScale) {
  ExpectHsl(Rgb(255, 0, 0), 0, 240, 120);
  ExpectHsl(Rgb(0, 255, 0), 80, 240, 120);
  ExpectHsl(Rgb(0, 0, 255), 160, 240, 120);
  ExpectHsl(Rgb(255, 0, 255), 200, 240, 120);  // red and blue both at the top: a negative hue
  ExpectHsl(Rgb(128, 128, 128), 0, 0, 120);
  ExpectHsl(Rgb(255, 255, 255), 0, 0, 240);
  ExpectHsl(Rgb(191, 191, 255), 160, 240, 210);  // light: saturation over 2 - max - min
}

TEST(Hsl240, HalvesRoundToTheEvenNeighbour) {
  EXPECT_EQ(RgbToHsl240(Rgb(80, 1, 0)).Hue, 0);  // 0.5
  EXPECT_EQ(RgbToHsl240(Rgb(80, 5, 0)).Hue, 2);  // 2.5
}

TEST(Hsl240, BackToRgbUsesTheScaleOf239ForHue) {
  EXPECT_EQ(Hsl240ToRgb(0, 240, 120), Rgb(255, 0, 0));
  EXPECT_EQ(Hsl240ToRgb(80, 240, 120), Rgb(0, 255, 2));
  EXPECT_EQ(Hsl240ToRgb(160, 240, 120), Rgb(4, 0, 255));
  EXPECT_EQ(Hsl240ToRgb(0, 0, 120), Rgb(128, 128, 128));
  EXPECT_EQ(Hsl240ToRgb(100, 200, 0), 0u);
}

TEST(Hsl240, TheTopOfTheHueRangeWrapsToRed) {
  EXPECT_EQ(Hsl240ToRgb(239, 240, 120), Rgb(255, 0, 0));
  EXPECT_EQ(Hsl240ToRgb(240, 240, 120), Rgb(255, 6, 0));
  EXPECT_EQ(Hsl240ToRgb(400, 240, 120), Hsl240ToRgb(240, 240, 120));
}

TEST(Hsl240, LighteningAndDarkeningStopAtWhiteAndBlack) {
  EXPECT_EQ(LightenRgb(Rgb(128, 128, 128), 100), Rgb(234, 234, 234));
  EXPECT_EQ(DarkenRgb(Rgb(128, 128, 128), 50), Rgb(74, 74, 74));
  for (int amount : {1, 15, 240, 1000}) {
    EXPECT_EQ(LightenRgb(Rgb(255, 255, 255), amount), Rgb(255, 255, 255));
    EXPECT_EQ(DarkenRgb(0, amount), 0u);
  }
  // Past 240 the lightness is allowed up to 255, where every channel saturates.
  EXPECT_EQ(LightenRgb(Rgb(255, 0, 0), 200), Rgb(255, 255, 255));
  EXPECT_EQ(DarkenRgb(Rgb(255, 0, 0), 300), 0u);
}

TEST(LabelAngles, AnyAngleIsKeptIn0To359) {
  EXPECT_EQ(NormalizeAngle(-90), 270);
  EXPECT_EQ(NormalizeAngle(725), 5);
  EXPECT_EQ(NormalizeAngle(360), 0);
  EXPECT_EQ(NormalizeAngle(-360), 0);
  EXPECT_EQ(NormalizeAngle(-1), 359);
  EXPECT_EQ(NormalizeAngle(INT_MAX), 127);
  EXPECT_EQ(NormalizeAngle(INT_MIN), 232);
}

TEST(LabelGeometry, BorderDepthsByStyle) {
  EXPECT_EQ(FrameStyleDepth(fsNone, 5), 0);
  EXPECT_EQ(FrameStyleDepth(fsFlat, 5), 1);
  EXPECT_EQ(FrameStyleDepth(fsStatus, 5), 5);
  EXPECT_EQ(FrameStyleDepth(fsPopup, 3), 3);
  for (TFrameStyleEx s : {fsGroove, fsBump, fsLowered, fsButtonDown, fsRaised, fsButtonUp, fsFlatBold, fsFlatRounded})
    EXPECT_EQ(FrameStyleDepth(s, 5), 2);
}

TEST(LabelGeometry, RotatedTextNeedsTheTurnedBox) {
  auto extent = [](int w, int h, int a) {
    TTextExtent e = RotatedExtent(w, h, a);
    return std::make_pair(e.Width, e.Height);
  };
  EXPECT_EQ(extent(100, 20, 90), std::make_pair(20, 100));
  EXPECT_EQ(extent(100, 20, 270), std::make_pair(20, 100));
  EXPECT_EQ(extent(100, 20, 45), std::make_pair(85, 85));
  EXPECT_EQ(extent(100, 20, 30), std::make_pair(97, 67));
  EXPECT_EQ(extent(100, 20, 120), std::make_pair(97, 67));  // the angle counts modulo 90
}

TEST(LabelGeometry, FlatTextOriginsFollowTheAngleAndAlignment) {
  const TTextBox r = {0, 0, 100, 80};
  TFlatTextMetrics m = {100, 80, 50, 16, 16, 0};
  auto at = [&](int angle, THorizontalPlace place) {
    TFlatTextOrigin o = FlatTextOrigin(angle, place, r, m);
    return std::make_tuple(o.X, o.Y, o.Centred);
  };
  EXPECT_EQ(at(90, hpCentred), std::make_tuple(54, 65, false));
  EXPECT_EQ(at(90, hpRight), std::make_tuple(54, 50, false));
  EXPECT_EQ(at(90, hpLeft), std::make_tuple(54, 80, false));
  EXPECT_EQ(at(180, hpCentred), std::make_tuple(75, 36, false));
  EXPECT_EQ(at(180, hpRight), std::make_tuple(50, 36, false));
  EXPECT_EQ(at(180, hpLeft), std::make_tuple(100, 36, false));
  EXPECT_EQ(at(270, hpCentred), std::make_tuple(46, 15, false));
  EXPECT_EQ(at(270, hpRight), std::make_tuple(46, 30, false));
  EXPECT_EQ(at(270, hpLeft), std::make_tuple(46, 0, false));
  EXPECT_EQ(at(45, hpLeft), std::make_tuple(53, 43, true));
  m.HalfShadow = 1;
  EXPECT_EQ(at(90, hpLeft), std::make_tuple(54, 79, false));
  EXPECT_EQ(at(270, hpLeft), std::make_tuple(46, 1, false));
  EXPECT_EQ(at(180, hpLeft), std::make_tuple(100 - 1, 36, false));
}

TEST(LabelGeometry, ArcCentresAndRadiiByCentrePoint) {
  auto arc = [](TCenterPoint p) {
    TArcLayout a = ArcLayout(p, 100, 60, 3);
    return std::make_tuple(a.CenterX, a.CenterY, a.RadiusX, a.RadiusY);
  };
  EXPECT_EQ(arc(cpCenter), std::make_tuple(50, 30, 44, 24));
  EXPECT_EQ(arc(cpUpperLeft), std::make_tuple(3, 3, 94, 54));
  EXPECT_EQ(arc(cpUpperRight), std::make_tuple(100, 3, 94, 54));  // the full width, not less the border
  EXPECT_EQ(arc(cpUpperCenter), std::make_tuple(50, 3, 44, 54));
  EXPECT_EQ(arc(cpLeftCenter), std::make_tuple(3, 30, 94, 24));
  EXPECT_EQ(arc(cpRightCenter), std::make_tuple(97, 30, 94, 24));
  EXPECT_EQ(arc(cpLowerLeft), std::make_tuple(3, 57, 94, 54));
  EXPECT_EQ(arc(cpLowerCenter), std::make_tuple(50, 57, 44, 54));
  EXPECT_EQ(arc(cpLowerRight), std::make_tuple(97, 57, 94, 54));
}

TEST(LabelGeometry, CharactersRunClockwiseFromTheTopOfTheArc) {
  const TArcLayout a = ArcLayout(cpCenter, 100, 60, 0);  // centre 50, 30; radii 50, 30
  const TArcGlyph top = ArcGlyphAt(a, 0, 10);
  EXPECT_EQ(std::make_tuple(top.X, top.Y, top.Escapement), std::make_tuple(50, 10, 0));
  const TArcGlyph left = ArcGlyphAt(a, 3.14159265358979323846 / 2, 10);
  EXPECT_EQ(std::make_tuple(left.X, left.Y, left.Escapement), std::make_tuple(10, 30, 900));
  EXPECT_DOUBLE_EQ(NextArcAngle(a, 1.0, 8), 1.0 - 10.0 / 50);
  EXPECT_GT(ArcGlyphAt(a, NextArcAngle(a, 0, 8), 10).X, 50);
}

TEST(LabelGeometry, ArcsWithoutRoomAreNotUsable) {
  EXPECT_TRUE(ArcLayout(cpCenter, 100, 60, 3).Usable());
  EXPECT_FALSE(ArcLayout(cpCenter, 12, 40, 3).Usable());   // radius 0 across
  EXPECT_FALSE(ArcLayout(cpCenter, 10, 40, 3).Usable());   // negative
  EXPECT_FALSE(ArcLayout(cpLeftCenter, 100, 12, 3).Usable());
  EXPECT_FALSE(ArcLayout(cpUpperLeft, 0, 0, 0).Usable());
}

}  // namespace
}  // namespace tmv
