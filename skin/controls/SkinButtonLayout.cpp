#include "skin/controls/SkinButtonLayout.h"

namespace tmv {

TGlyphTextPlaces PlaceGlyphAndText(const TRect& r, int32_t margin, int32_t spacing,
                                   TspButtonLayout layout, int32_t gw, int32_t gh, int32_t tw,
                                   int32_t th, bool pressed) {
  const int32_t cx = r.Left + static_cast<int32_t>(r.Width() / 2);
  const int32_t cy = r.Top + static_cast<int32_t>(r.Height() / 2);
  TGlyphTextPlaces p;
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  if (horizontal) {
    p.Glyph.Y = cy - gh / 2;
    p.Text.Y = cy - th / 2;
  } else {
    p.Glyph.X = cx - gw / 2;
    p.Text.X = cx - tw / 2;
  }
  if (margin >= 0) {
    switch (layout) {
      case blGlyphLeft:
        p.Glyph.X = r.Left + margin;
        p.Text.X = p.Glyph.X + gw + spacing;
        break;
      case blGlyphRight:
        p.Glyph.X = r.Right - gw - margin;
        p.Text.X = p.Glyph.X - spacing - tw;
        break;
      case blGlyphTop:
        p.Glyph.Y = r.Top + margin;
        p.Text.Y = p.Glyph.Y + gh + spacing;
        break;
      case blGlyphBottom:
        p.Glyph.Y = r.Bottom - gh - margin;
        p.Text.Y = p.Glyph.Y - spacing - th;
        break;
    }
  } else {
    const int32_t m = (gw + tw + spacing) / 2;
    const int32_t v = (th + gh + spacing) / 2;
    switch (layout) {
      case blGlyphLeft:
        p.Glyph.X = cx - m;
        p.Text.X = cx + m - tw;
        break;
      case blGlyphRight:
        p.Text.X = cx - m;
        p.Glyph.X = cx + m - gw;
        break;
      case blGlyphTop:
        p.Glyph.Y = cy - v;
        p.Text.Y = cy + v - th;
        break;
      case blGlyphBottom:
        p.Text.Y = cy - v;
        p.Glyph.Y = cy + v - gh;
        break;
    }
  }
  if (pressed) {
    ++p.Glyph.X, ++p.Glyph.Y;
    ++p.Text.X, ++p.Text.Y;
  }
  return p;
}

int32_t ButtonGlyphFrame(bool enabled, bool hot, bool pressed, int32_t numGlyphs) {
  if (hot && pressed && numGlyphs > 2) return 3;
  if (hot && numGlyphs > 3) return 4;
  if (enabled || numGlyphs < 2) return 1;
  return 2;
}

bool TButtonFade::Advance(bool hot) {
  if (AtEnd(hot)) return false;
  step_ += hot ? 1 : -1;
  return !AtEnd(hot);
}

}  // namespace tmv
