#include <gtest/gtest.h>

#include "skin/menus/SkinMenuLayout.h"

namespace tmv {
namespace {

TMenuSizeInput EightItems() {
  TMenuSizeInput in;
  in.ItemHeights = std::vector<int32_t>(8, 20);
  in.ItemHeights[3] = 4;  // a separator
  in.WidestText = 100;
  in.GlyphColumn = 16;
  in.FrameWidth = 10;
  in.FrameHeight = 6;
  in.ItemHeight = 20;
  in.WorkAreaHeight = 768;
  return in;
}

TEST(MenuWindowSize, FitsTheItemsAndLimitsByCountOrByTheWorkArea) {
  TMenuSizeInput in = EightItems();
  TMenuWindowSize size = MenuWindowSize(in);
  EXPECT_EQ(size.Width, 100 + 2 + 16 + 16 + 10);
  EXPECT_EQ(size.Height, 7 * 20 + 4 + 6);
  EXPECT_FALSE(size.Scrolls);

  in.MaxItems = 8;  // not fewer than the items: no limit
  EXPECT_FALSE(MenuWindowSize(in).Scrolls);
  in.MaxItems = 5;
  size = MenuWindowSize(in);
  EXPECT_EQ(size.Height, 5 * 20 + 6 + 20);  // room for five items and the two markers
  EXPECT_TRUE(size.Scrolls);
  EXPECT_TRUE(size.LimitedByCount);

  in.MaxItems = 0;
  in.WorkAreaHeight = 100;
  size = MenuWindowSize(in);
  EXPECT_EQ(size.Height, 100);
  EXPECT_TRUE(size.Scrolls);
  EXPECT_FALSE(size.LimitedByCount);
}

TEST(MenuItemLayout, ShowsWhatFitsBetweenTheScrollMarkers) {
  const std::vector<int32_t> heights(8, 20);
  const TRect items = {3, 3, 97, 3 + 5 * 20 + 20};
  std::vector<TRect> rects = LayoutMenuItems(heights, items, 0, true);
  EXPECT_EQ(rects[0], (TRect{3, 13, 97, 33}));
  EXPECT_EQ(rects[4], (TRect{3, 93, 97, 113}));
  EXPECT_TRUE(rects[5].IsEmpty());
  rects = LayoutMenuItems(heights, items, 3, true);
  EXPECT_TRUE(rects[2].IsEmpty());
  EXPECT_EQ(rects[3].Top, 13);
  EXPECT_FALSE(rects[7].IsEmpty());
  EXPECT_EQ(LastFirstIndex(heights, items, true), 3);
  // Without scrolling every item that fits shows from the top.
  EXPECT_EQ(LayoutMenuItems(heights, {0, 0, 10, 160}, 0, false)[7], (TRect{0, 140, 10, 160}));
  EXPECT_EQ(LastFirstIndex(heights, {0, 0, 10, 160}, false), 0);
  EXPECT_EQ(LastFirstIndex({}, items, true), 0);
}

TMenuPlacementInput Placement(TRect anchor, int32_t w, int32_t h) {
  TMenuPlacementInput in;
  in.WorkArea = {0, 0, 1024, 768};
  in.Anchor = anchor;
  in.Width = w;
  in.Height = h;
  in.ItemsTop = 3;
  return in;
}

TEST(MenuPlacement, StaysOnTheWorkArea) {
  // Below the point, shifted left at the right edge.
  EXPECT_EQ(PlaceMenuWindow(Placement({100, 100, 100, 100}, 150, 200)), (TPoint{100, 100}));
  EXPECT_EQ(PlaceMenuWindow(Placement({1000, 100, 1000, 100}, 150, 200)), (TPoint{874, 100}));
  // Too low in the lower half: above the point.
  EXPECT_EQ(PlaceMenuWindow(Placement({100, 700, 100, 700}, 150, 200)), (TPoint{100, 500}));
  // Too low in the upper half: pushed up to the bottom and opened beside the point.
  EXPECT_EQ(PlaceMenuWindow(Placement({100, 300, 100, 300}, 150, 600)), (TPoint{101, 168}));
  // A window scrolling for the screen's height starts at the top.
  TMenuPlacementInput tall = Placement({100, 300, 100, 300}, 150, 768);
  tall.ScreenScroll = true;
  EXPECT_EQ(PlaceMenuWindow(tall).Y, 0);

  // A submenu lines its first item up with the parent item, on the right if it fits.
  TMenuPlacementInput sub = Placement({200, 150, 350, 170}, 150, 200);
  sub.SubMenu = true;
  EXPECT_EQ(PlaceMenuWindow(sub), (TPoint{351, 147}));
  sub.Anchor = {800, 150, 950, 170};
  EXPECT_EQ(PlaceMenuWindow(sub), (TPoint{649, 147}));
  sub.Anchor = {800, 700, 950, 720};  // low on the screen: ends level with the parent's bottom
  EXPECT_EQ(PlaceMenuWindow(sub).Y, 720 + 3 - 200);

  TMenuPlacementInput up = Placement({100, 400, 180, 420}, 150, 200);
  up.PopupUp = true;
  EXPECT_EQ(PlaceMenuWindow(up), (TPoint{100, 200}));
}

TEST(MenuFade, RisesByTwoAMillisecondToTheAlphaValue) {
  EXPECT_EQ(FadeInOpacity(0, 200), 2);
  EXPECT_EQ(FadeInOpacity(10, 200), 22);
  EXPECT_EQ(FadeInOpacity(5000, 200), 200);
  EXPECT_EQ(FadeInOpacity(-5, 200), 2);
}

}  // namespace
}  // namespace tmv
