#pragma once
// The geometry of skinned popup menu windows: their size from the items, the items' places
// inside them (with scrolling) and where a window opens on the work area. No window needed.
#include <cstdint>
#include <vector>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

constexpr int32_t kScrollMarkerHeight = 10;

struct TMenuWindowSize {
  int32_t Width = 0;
  int32_t Height = 0;
  bool Scrolls = false;
  // The item count limit made the window scroll, not the height of the work area.
  bool LimitedByCount = false;
};

struct TMenuSizeInput {
  std::vector<int32_t> ItemHeights;
  int32_t WidestText = 0;   // of the captions with their shortcut texts
  int32_t GlyphColumn = 0;  // width of the column of pictures and check marks
  int32_t FrameWidth = 0;   // what the window adds to the text and glyph column
  int32_t FrameHeight = 0;  // what the window adds to the items' heights
  int32_t ItemHeight = 0;   // of a plain item, for the count limit
  int32_t MaxItems = 0;     // 0: no limit
  int32_t WorkAreaHeight = 0;
};

TMenuWindowSize MenuWindowSize(const TMenuSizeInput& in);

// Each item's rectangle from first on, top down inside itemsRect (less the scroll markers when
// scrolling); items before first and those past the bottom get an empty rectangle.
std::vector<TRect> LayoutMenuItems(const std::vector<int32_t>& heights, const TRect& itemsRect, int first,
                                   bool scrolling);
// The highest first index that still shows the last item, the least first index being 0.
int LastFirstIndex(const std::vector<int32_t>& heights, const TRect& itemsRect, bool scrolling);

struct TMenuPlacementInput {
  TRect WorkArea;
  TRect Anchor;  // a point for a popup, the parent item for a submenu, in screen coordinates
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t ItemsTop = 0;  // where the items rectangle starts in the window
  bool SubMenu = false;
  bool PopupUp = false;
  bool ScreenScroll = false;  // scrolls because the work area is too low
};

// The window's top-left corner: below (or above) the anchor, a submenu beside its parent item
// with the first items level, moved to stay on the work area.
TPoint PlaceMenuWindow(const TMenuPlacementInput& in);

// Opacity of a fading-in window after elapsed milliseconds: from 2 up by 2 a millisecond.
int FadeInOpacity(int elapsedMs, int alpha);

}  // namespace tmv
