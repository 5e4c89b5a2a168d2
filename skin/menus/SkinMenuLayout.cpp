#include "skin/menus/SkinMenuLayout.h"

#include <algorithm>
#include <numeric>

namespace tmv {

TMenuWindowSize MenuWindowSize(const TMenuSizeInput& in) {
  TMenuWindowSize size;
  size.Width = in.WidestText + 2 + in.GlyphColumn + 16 + in.FrameWidth;
  size.Height = std::accumulate(in.ItemHeights.begin(), in.ItemHeights.end(), 0) + in.FrameHeight;
  const int32_t count = static_cast<int32_t>(in.ItemHeights.size());
  if (in.MaxItems > 0 && in.MaxItems < count) {
    size.Height = in.ItemHeight * in.MaxItems + in.FrameHeight + 2 * kScrollMarkerHeight;
    size.Scrolls = size.LimitedByCount = true;
  }
  if (in.WorkAreaHeight > 0 && size.Height > in.WorkAreaHeight) {
    size.Height = in.WorkAreaHeight;
    size.Scrolls = true;
    size.LimitedByCount = false;
  }
  return size;
}

std::vector<TRect> LayoutMenuItems(const std::vector<int32_t>& heights, const TRect& itemsRect, int first,
                                   bool scrolling) {
  std::vector<TRect> rects(heights.size());
  const int32_t bottom = itemsRect.Bottom - (scrolling ? kScrollMarkerHeight : 0);
  int32_t y = itemsRect.Top + (scrolling ? kScrollMarkerHeight : 0);
  for (size_t i = static_cast<size_t>(std::max(first, 0)); i < heights.size(); ++i) {
    if (y + heights[i] > bottom) break;
    rects[i] = {itemsRect.Left, y, itemsRect.Right, y + heights[i]};
    y += heights[i];
  }
  return rects;
}

int LastFirstIndex(const std::vector<int32_t>& heights, const TRect& itemsRect, bool scrolling) {
  const int32_t room = static_cast<int32_t>(itemsRect.Height()) - (scrolling ? 2 * kScrollMarkerHeight : 0);
  int first = static_cast<int>(heights.size());
  for (int32_t used = 0; first > 0 && used + heights[static_cast<size_t>(first - 1)] <= room; --first)
    used += heights[static_cast<size_t>(first - 1)];
  return std::min(first, std::max(static_cast<int>(heights.size()) - 1, 0));
}

TPoint PlaceMenuWindow(const TMenuPlacementInput& in) {
  const TRect& w = in.WorkArea;
  const TRect& a = in.Anchor;
  const bool upperHalf = a.Top < w.Top + (w.Bottom - w.Top) / 2;
  bool moved = false;
  int32_t y;
  if (in.SubMenu) {
    if (a.Top + in.Height - in.ItemsTop <= w.Bottom)
      y = a.Top - in.ItemsTop;
    else if (upperHalf)
      y = w.Bottom - in.Height;
    else
      y = std::max(a.Bottom + in.ItemsTop - in.Height, w.Top);
  } else if (in.PopupUp) {
    if (a.Top - in.Height >= w.Top) {
      y = a.Top - in.Height;
    } else if (upperHalf) {
      y = a.Bottom;
      if (y + in.Height > w.Bottom) {
        y -= y + in.Height - w.Bottom;
        moved = true;
      }
    } else {
      y = w.Top;
      moved = true;
    }
  } else if (a.Bottom + in.Height <= w.Bottom) {
    y = a.Bottom;
  } else if (upperHalf) {
    y = w.Bottom - in.Height;
    moved = true;
  } else if (a.Top - in.Height >= w.Top) {
    y = a.Top - in.Height;
  } else {
    y = w.Top;
    moved = true;
  }
  if (in.ScreenScroll) y = w.Top;

  int32_t x;
  if (!in.SubMenu && !moved && !in.ScreenScroll) {
    x = a.Left;
    if (x + in.Width > w.Right) x = w.Right - in.Width;
    if (x < w.Left) x = w.Left;
  } else {
    x = a.Right + in.Width + 1 <= w.Right ? a.Right + 1 : a.Left - in.Width - 1;
  }
  return {x, y};
}

int FadeInOpacity(int elapsedMs, int alpha) {
  return std::clamp(2 + 2 * std::max(elapsedMs, 0), 0, std::max(alpha, 0));
}

}  // namespace tmv
