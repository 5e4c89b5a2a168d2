#pragma once
// The cursors of a loaded skin, made from its pictures and registered in the screen's cursor
// table under the skin's cursor numbers for as long as the skin stays loaded.
#include <utility>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Cursors.h"
#include "framework/gui/Handles.h"
#include "skin/imaging/SkinGeometry.h"

namespace tmv {

class TspSkinData;

// The largest side of a cursor picture; a larger picture is no cursor.
constexpr int kMaxSkinCursorSide = 256;

// A cursor showing the picture, its bottom-left colour transparent, with its hot spot at
// hotSpot. Null for an empty or oversized picture or a hot spot outside it.
UniqueCursor CursorFromPicture(const TBitmap& picture, const TPoint& hotSpot);

class TspSkinCursors {
public:
  // Registers a cursor for every entry of the registry's list whose picture makes one; the
  // numbers of the others stay free, so a control asking for them keeps the normal cursor.
  explicit TspSkinCursors(const TspSkinData& registry);
  // Gives back every number that still holds one of these cursors.
  ~TspSkinCursors();
  TspSkinCursors(const TspSkinCursors&) = delete;
  TspSkinCursors& operator=(const TspSkinCursors&) = delete;

private:
  std::vector<std::pair<TCursor, UniqueCursor>> cursors_;
};

}  // namespace tmv
