#include "labels/RzBorders.h"

#include "labels/RzColorMath.h"

namespace tmv {

TColor DarkenColor(TColor color, int amount) { return DarkenRgb(ColorToRGB(color), amount); }

TColor LightenColor(TColor color, int amount) { return LightenRgb(ColorToRGB(color), amount); }

TColor ShiftColor(TColor color, int amount) {
  if (amount < 0) return DarkenColor(color, -amount);
  if (amount > 0) return LightenColor(color, amount);
  return color;
}

namespace {

void Line(TCanvas& canvas, TColor color, int x1, int y1, int x2, int y2) {
  canvas.Pen()->SetColor(color);
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

RECT Inset(RECT r, TSides sides, int by) {
  if (sides & sdLeft) r.left += by;
  if (sides & sdTop) r.top += by;
  if (sides & sdRight) r.right -= by;
  if (sides & sdBottom) r.bottom -= by;
  return r;
}

struct TStyleLines {
  TColor OuterUpperLeft, OuterLowerRight, InnerUpperLeft, InnerLowerRight;
};

// The colours of the one- and two-line styles; clNone where a style has no inner line.
TStyleLines StyleLines(TFrameStyleEx style) {
  switch (style) {
    case fsFlat: return {cl3DDkShadow, cl3DDkShadow, clNone, clNone};
    case fsGroove: return {clBtnShadow, clBtnHighlight, clNone, clNone};
    case fsBump: return {clBtnHighlight, clBtnShadow, clNone, clNone};
    case fsLowered: return {clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight};
    case fsButtonDown: return {clBtnText, clBtnText, clBtnShadow, clBtnShadow};
    case fsRaised: return {cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow};
    case fsButtonUp: return {clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow};
    case fsStatus: return {clBtnShadow, clBtnHighlight, clNone, clNone};
    case fsPopup: return {clBtnHighlight, clBtnShadow, clNone, clNone};
    default: return {clBtnShadow, clBtnShadow, clNone, clNone};
  }
}

// Groove and bump: two lines of crossed colours, with the corner pixels set so that the
// lines meet where only some sides are drawn.
RECT PaintEtched(TCanvas& canvas, RECT r, TColor u, TColor l, TSides sides) {
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  if (right)
    canvas.SetPixel(r.right - 1, r.top, l);
  else if (top)
    canvas.SetPixel(r.right - 1, r.top, u);
  if (bottom)
    canvas.SetPixel(r.left, r.bottom - 1, l);
  else if (left)
    canvas.SetPixel(r.left, r.bottom - 1, u);
  if (top && !left) canvas.SetPixel(r.left, r.top + 1, l);
  if (left && !top) canvas.SetPixel(r.left + 1, r.top, l);
  if (bottom && !right) canvas.SetPixel(r.right - 1, r.bottom - 2, u);
  if (right && !bottom) canvas.SetPixel(r.right - 2, r.bottom - 1, u);
  PaintSides(canvas, {r.left + 1, r.top + 1, r.right, r.bottom}, l, l, sides);
  PaintSides(canvas, {r.left, r.top, r.right - 1, r.bottom - 1}, u, u, sides);
  return Inset(r, sides, 2);
}

// The rounded flat style: up to two plain lines (clNone: none), then the rounded line over
// the outermost two pixels.
RECT PaintRoundedWithLines(TCanvas& canvas, RECT r, TColor outerLine, TColor innerLine, TColor flat,
                           TSides sides) {
  RECT inside = PaintSides(canvas, r, outerLine, outerLine, sides);
  PaintSides(canvas, inside, innerLine, innerLine, sides);
  return PaintRoundedFlatBorder(canvas, r, flat, sides);
}

// One line all round with its four corner pixels left out.
RECT PaintCornerlessFrame(TCanvas& canvas, RECT r, TColor color) {
  Line(canvas, color, r.left, r.top + 1, r.left, r.bottom - 1);
  Line(canvas, color, r.left + 1, r.top, r.right - 1, r.top);
  Line(canvas, color, r.right - 1, r.top + 1, r.right - 1, r.bottom - 1);
  Line(canvas, color, r.left + 1, r.bottom - 1, r.right - 1, r.bottom - 1);
  return Inset(r, sdAllSides, 1);
}

// The styles outer and inner borders share; the flat and rounded ones differ and are
// drawn by the caller.
RECT PaintBevelStyle(TCanvas& canvas, RECT r, TFrameStyleEx style, const TRzLabelBorder& b) {
  if (style == fsPopup) return PaintBevel(canvas, r, b.Highlight, b.Shadow, b.Sides, b.BevelWidth);
  if (style == fsStatus) return PaintBevel(canvas, r, b.Shadow, b.Highlight, b.Sides, b.BevelWidth);
  return PaintStyledSides(canvas, r, style, b.Sides);
}

}  // namespace

RECT PaintSides(TCanvas& canvas, RECT r, TColor upperLeft, TColor lowerRight, TSides sides) {
  canvas.Pen()->SetWidth(1);
  canvas.Pen()->SetStyle(psSolid);
  if (upperLeft != clNone) {
    if (sides & sdLeft) Line(canvas, upperLeft, r.left, r.top, r.left, r.bottom);
    if (sides & sdTop) Line(canvas, upperLeft, r.left, r.top, r.right, r.top);
  }
  if (lowerRight != clNone) {
    if (sides & sdRight) Line(canvas, lowerRight, r.right - 1, r.top, r.right - 1, r.bottom);
    if (sides & sdBottom) Line(canvas, lowerRight, r.left, r.bottom - 1, r.right, r.bottom - 1);
  }
  return Inset(r, sides, 1);
}

RECT PaintBevel(TCanvas& canvas, RECT r, TColor upperLeft, TColor lowerRight, TSides sides, int count) {
  for (int i = 0; i < count; ++i) r = PaintSides(canvas, r, upperLeft, lowerRight, sides);
  return r;
}

RECT PaintStyledSides(TCanvas& canvas, RECT r, TFrameStyleEx style, TSides sides) {
  const TStyleLines c = StyleLines(style);
  switch (style) {
    case fsNone:
      return r;
    case fsGroove:
    case fsBump:
      return PaintEtched(canvas, r, c.OuterUpperLeft, c.OuterLowerRight, sides);
    case fsFlatBold:
      return PaintBevel(canvas, r, c.OuterUpperLeft, c.OuterLowerRight, sides, 2);
    case fsFlatRounded:
      return PaintRoundedFlatBorder(canvas, r, cl3DDkShadow, sides);
    default:
      r = PaintSides(canvas, r, c.OuterUpperLeft, c.OuterLowerRight, sides);
      if (c.InnerUpperLeft != clNone) r = PaintSides(canvas, r, c.InnerUpperLeft, c.InnerLowerRight, sides);
      return r;
  }
}

RECT PaintRoundedFlatBorder(TCanvas& canvas, RECT r, TColor color, TSides sides) {
  const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
  const int yFrom = r.top + (top ? 2 : 0), yTo = r.bottom - (bottom ? 2 : 0);
  const int xFrom = r.left + (left ? 2 : 0), xTo = r.right - (right ? 2 : 0);
  if (left) Line(canvas, color, r.left, yFrom, r.left, yTo);
  if (top) Line(canvas, color, xFrom, r.top, xTo, r.top);
  if (right) Line(canvas, color, r.right - 1, yFrom, r.right - 1, yTo);
  if (bottom) Line(canvas, color, xFrom, r.bottom - 1, xTo, r.bottom - 1);
  if (left && top) canvas.SetPixel(r.left + 1, r.top + 1, color);
  if (top && right) canvas.SetPixel(r.right - 2, r.top + 1, color);
  if (right && bottom) canvas.SetPixel(r.right - 2, r.bottom - 2, color);
  if (bottom && left) canvas.SetPixel(r.left + 1, r.bottom - 2, color);
  return Inset(r, sides, 2);
}

RECT PaintLabelBorders(TCanvas& canvas, RECT r, const TRzLabelBorder& b, TColor controlColor,
                       TColor parentColor, bool transparent, bool corner) {
  const TColor flat = ShiftColor(b.FlatColor, b.FlatColorAdjustment);
  const bool bandOrInner = b.Width > 0 || b.Inner != fsNone;
  switch (b.Outer) {
    case fsFlat:
      r = PaintSides(canvas, r, flat, flat, b.Sides);
      break;
    case fsFlatBold:
      r = PaintBevel(canvas, r, flat, flat, b.Sides, 2);
      break;
    case fsFlatRounded:
      if (transparent)
        r = PaintRoundedWithLines(canvas, r, clNone, bandOrInner ? b.Color : clNone, flat, b.Sides);
      else
        r = PaintRoundedWithLines(canvas, r, parentColor, bandOrInner ? b.Color : controlColor, flat, b.Sides);
      break;
    default:
      r = PaintBevelStyle(canvas, r, b.Outer, b);
      break;
  }
  if (b.Width > 0) r = PaintBevel(canvas, r, b.Color, b.Color, b.Sides, b.Width);
  switch (b.Inner) {
    case fsFlat:
      r = corner ? PaintCornerlessFrame(canvas, r, flat) : PaintSides(canvas, r, flat, flat, b.Sides);
      break;
    case fsFlatBold:
      r = PaintBevel(canvas, r, flat, flat, b.Sides, 2);
      break;
    case fsFlatRounded:
      if (transparent)
        r = PaintRoundedWithLines(canvas, r, clNone, b.Color, flat, b.Sides);
      else
        r = PaintRoundedWithLines(canvas, r, b.Color, controlColor, flat, b.Sides);
      break;
    default:
      r = PaintBevelStyle(canvas, r, b.Inner, b);
      break;
  }
  return r;
}

}  // namespace tmv
