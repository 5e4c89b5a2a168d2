#include <gtest/gtest.h>

#include "core/skin/SkinTestSupport.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FrameMask.h"

using namespace tmv;

namespace {

// The default skin's frame: a 300 x 120 picture, client area 4,30,296,116, corner points
// 40,30 / 260,30 / 40,116 / 260,116, a mask whose top corners are cut over rows 0 to 3.
struct DefaultFrame {
  DefaultFrame() {
    TStringList lines;
    lines.LoadFromFile(skintest::SourcePath("assets/skins/default/skin.ini"));
    info.LoadFromIni(TMemIniFile(lines));
    TBitmap bmp;
    bmp.LoadFromFile(skintest::SourcePath("assets/skins/default/framemask.bmp"));
    mask = TFBitmap::FromBitmap(bmp);
    info.Adjust(true);
  }
  TspFrameGeometry At(int w, int h) const { return TspFrameGeometry(info, 300, 120, w, h); }
  TspFormInfo info;
  TFBitmap mask;
};

}  // namespace

TEST(FrameGeometry, TheSkinFrameFollowsTheWindowSize) {
  DefaultFrame f;
  const TspFrameGeometry g = f.At(500, 300);
  EXPECT_EQ((TRect{4, 30, 496, 296}), g.ClientRect);
  EXPECT_EQ((TPoint{460, 30}), g.RT);
  EXPECT_EQ((TPoint{40, 296}), g.LB);
  EXPECT_EQ((TPoint{460, 296}), g.RB);
  EXPECT_EQ((TRect{0, 8, 500, 300}), g.MaskRect);
  EXPECT_EQ((TRect{6, 1, 494, 29}), g.CaptionRect) << "the caption grows with the width";
  EXPECT_TRUE(g.ButtonsRect.IsEmpty()) << "the skin's empty button row stays empty";
  EXPECT_EQ((TRect{4, 30, 4, 4}), FrameBorders(f.info, 300, 120));

  // Objects by the corner areas they lie in.
  EXPECT_EQ((TRect{6, 1, 494, 29}), g.MapObjectRect({6, 1, 294, 29})) << "left-top to right-top: stretched";
  EXPECT_EQ((TRect{470, 2, 490, 20}), g.MapObjectRect({270, 2, 290, 20})) << "in the right-top corner";
  EXPECT_EQ((TRect{10, 300, 20, 300}), g.MapObjectRect({10, 120, 20, 120})) << "in the left-bottom corner";
  EXPECT_EQ((TRect{470, 297, 480, 299}), g.MapObjectRect({270, 117, 280, 119})) << "in the right-bottom corner";
  EXPECT_EQ((TRect{1, 10, 3, 298}), g.MapObjectRect({1, 10, 3, 118})) << "left-top to left-bottom";
  EXPECT_EQ((TRect{100, 40, 120, 50}), g.MapObjectRect({100, 40, 120, 50})) << "in no corner: left as it is";
}

TEST(FrameGeometry, BordersAndCornersHitTestWithTheMaskCutCorners) {
  DefaultFrame f;
  const TspFrameGeometry g = f.At(500, 300);
  const TspFrameMask mask(TMaskBits::FromPicture(f.mask), g);
  auto hit = [&](int x, int y, TspFrameHitState s = {}) {
    return SkinFrameHitTest(g, {x, y}, f.info.BorderWidth, s, [&](TPoint p) { return mask.Contains(p); });
  };
  EXPECT_EQ(htTopLeft, hit(4, 2)) << "beside the cut corner";
  EXPECT_EQ(htTopLeft, hit(1, 10));
  EXPECT_EQ(htTopRight, hit(495, 2));
  EXPECT_EQ(htTopRight, hit(498, 20));
  EXPECT_EQ(htBottomLeft, hit(1, 298));
  EXPECT_EQ(htBottomRight, hit(498, 298));
  EXPECT_EQ(htTop, hit(250, 1));
  EXPECT_EQ(htBottom, hit(250, 298));
  EXPECT_EQ(htLeft, hit(1, 150)) << "the mask's opaque area reaches the window's edge: it still sizes";
  EXPECT_EQ(htRight, hit(498, 150));
  EXPECT_EQ(htObject, hit(250, 15)) << "the frame's top, off the sizing border";
  EXPECT_EQ(htClient, hit(250, 150));

  TspFrameHitState caption;
  caption.OnCaption = true;
  EXPECT_EQ(htCaption, hit(250, 15, caption));
  TspFrameHitState maximized;
  maximized.Maximized = true;
  EXPECT_EQ(htObject, hit(1, 150, maximized)) << "a maximized frame does not size";
  TspFrameHitState fixed;
  fixed.Sizeable = false;
  EXPECT_EQ(htObject, hit(498, 298, fixed));
  TspFrameHitState rolled;
  rolled.RolledUpOrMinimized = true;
  EXPECT_EQ(htObject, hit(250, 150, rolled));
  TspFrameHitState hovered;
  hovered.ObjectHovered = true;
  EXPECT_EQ(htObject, hit(250, 1, hovered)) << "an object under the mouse keeps the frame's own handling";
}

TEST(FrameGeometry, TheMaskIsReadOnlyInsideItsBandsAndTheWindow) {
  DefaultFrame f;
  for (int w : {300, 301, 704, 1022}) {
    const TspFrameGeometry g = f.At(w, 200);
    const TspFrameMask mask(TMaskBits::FromPicture(f.mask), g);
    EXPECT_FALSE(mask.Contains({0, 0})) << w;
    EXPECT_FALSE(mask.Contains({w - 1, 0})) << "the right cut corner moves with the width " << w;
    EXPECT_TRUE(mask.Contains({4, 0})) << w;
    EXPECT_TRUE(mask.Contains({w - 5, 0})) << w;
    EXPECT_TRUE(mask.Contains({w / 2, 1})) << "the tiled middle of the top band " << w;
    EXPECT_TRUE(mask.Contains({0, 199})) << w;
    EXPECT_FALSE(mask.Contains({-1, 50})) << "outside the window, though pixels there would read black";
    EXPECT_FALSE(mask.Contains({w, 199})) << w;
    EXPECT_FALSE(mask.Contains({3, 200})) << w;
  }
  const TspFrameMask none(TMaskBits(), f.At(400, 200));
  EXPECT_TRUE(none.Empty());
  EXPECT_TRUE(none.Contains({0, 0})) << "without a mask the window rectangle is the shape";
  EXPECT_FALSE(none.Contains({400, 0}));
}

TEST(FrameGeometry, TheBuiltInFrameSizesAtItsThreePixelBorder) {
  const TRect caption{3, 3, 200, 19};
  TspFrameHitState s;
  EXPECT_EQ(htTopLeft, DefaultFrameHitTest({2, 2}, 300, 200, 19, caption, s));
  EXPECT_EQ(htBottomRight, DefaultFrameHitTest({298, 198}, 300, 200, 19, caption, s));
  EXPECT_EQ(htRight, DefaultFrameHitTest({298, 100}, 300, 200, 19, caption, s));
  EXPECT_EQ(htCaption, DefaultFrameHitTest({100, 10}, 300, 200, 19, caption, s));
  EXPECT_EQ(htObject, DefaultFrameHitTest({250, 10}, 300, 200, 19, caption, s)) << "the button row";
  EXPECT_EQ(htClient, DefaultFrameHitTest({100, 100}, 300, 200, 19, caption, s));
  s.Maximized = true;
  EXPECT_EQ(htObject, DefaultFrameHitTest({2, 100}, 300, 200, 19, caption, s));
}

TEST(FrameGeometry, MagneticEdgesSnapOnlyCloserThanTheDistance) {
  const TRect area{0, 0, 1024, 768};
  EXPECT_EQ((TPoint{0, 100}), SnapToEdges(area, 10, {9, 100}, 300, 200));
  EXPECT_EQ((TPoint{10, 100}), SnapToEdges(area, 10, {10, 100}, 300, 200));
  EXPECT_EQ((TPoint{-9, 100}).X, SnapToEdges(area, 10, {-10, 100}, 300, 200).X + 1);
  EXPECT_EQ((TPoint{724, 568}), SnapToEdges(area, 10, {720, 560}, 300, 200)) << "right and bottom edges";
}

TEST(FrameGeometry, MinimizedFramesFillTheBottomRowByRowAndShareTheCornerWhenFull) {
  const TRect area{0, 0, 1000, 400};
  EXPECT_EQ((TPoint{0, 370}), FreeMinimizedSlot(area, 300, 30, {}));
  EXPECT_EQ((TPoint{0, 370}), FreeMinimizedSlot(area, 300, 30, {{300, 370}})) << "a held slot further on";
  EXPECT_EQ((TPoint{300, 370}), FreeMinimizedSlot(area, 300, 30, {{0, 370}}));
  EXPECT_EQ((TPoint{0, 340}), FreeMinimizedSlot(area, 300, 30, {{0, 370}, {300, 370}, {600, 370}}))
      << "a fourth slot would pass the right edge";
  EXPECT_EQ((TPoint{0, 370}), FreeMinimizedSlot(area, 300, 30, {{1, 370}})) << "only exact corners hold a slot";
  std::vector<TPoint> all;
  for (int y = 370; y >= 0; y -= 30)
    for (int x = 0; x + 300 <= 1000; x += 300) all.push_back({x, y});
  EXPECT_EQ((TPoint{0, 370}), FreeMinimizedSlot(area, 300, 30, all)) << "every slot held";
  all.pop_back();
  EXPECT_EQ((TPoint{600, 10}), FreeMinimizedSlot(area, 300, 30, all)) << "the top row's last slot";
  EXPECT_EQ((TPoint{0, 340}), FreeMinimizedSlot({0, 0, 200, 400}, 300, 30, {{0, 370}}))
      << "an area narrower than a slot stacks them";
}
