#include "skin/imaging/SPUtilsGlyphs.h"

#include "framework/gui/Graphics.h"
#include "framework/gui/Handles.h"

namespace tmv {

namespace {

// A solid one-pixel pen of the colour, selected for the glyph and put back after it.
class GlyphPen {
public:
  GlyphPen(HDC dc, TColor colour)
      : dc_(dc), pen_(CreatePen(PS_SOLID, 1, ColorToRGB(colour))), select_(dc, pen_.Get()) {}

  void Line(int x1, int y1, int x2, int y2) {
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
  }
  void Frame(int left, int top, int right, int bottom) {
    SelectGuard hollow(dc_, GetStockObject(NULL_BRUSH));
    Rectangle(dc_, left, top, right, bottom);
  }

private:
  HDC dc_;
  UniquePen pen_;
  SelectGuard select_;
};

void Fill(HDC dc, int left, int top, int right, int bottom, TColor colour) {
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(colour)));
  const RECT r{left, top, right, bottom};
  FillRect(dc, &r, brush.Get());
}

}  // namespace

void DrawGlyphClose(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  pen.Line(x + 1, y + 1, x + 9, y + 9);
  pen.Line(x + 9, y + 1, x + 1, y + 9);
  pen.Line(x + 2, y + 1, x + 10, y + 9);
  pen.Line(x + 8, y + 1, x, y + 9);
}

void DrawGlyphSysMenu(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen(dc, colour).Frame(x + 1, y + 3, x + 9, y + 6);
}

void DrawGlyphMinimize(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  pen.Line(x + 1, y + 8, x + 9, y + 8);
  pen.Line(x + 1, y + 9, x + 9, y + 9);
}

void DrawGlyphMaximize(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  pen.Frame(x, y, x + 11, y + 10);
  pen.Frame(x, y, x + 11, y + 2);
}

void DrawGlyphRestore(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  pen.Frame(x + 2, y, x + 10, y + 6);
  pen.Frame(x + 2, y, x + 10, y + 2);
  pen.Frame(x, y + 4, x + 7, y + 10);
  pen.Frame(x, y + 4, x + 7, y + 6);
}

void DrawGlyphTriangleDown(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  for (int i = 0; i <= 4; ++i) pen.Line(x + 5 - i, y + 6 - i, x + 5 + i, y + 6 - i);
}

void DrawGlyphTriangleUp(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  for (int i = 0; i <= 4; ++i) pen.Line(x + 5 - i, y + 2 + i, x + 5 + i, y + 2 + i);
}

void DrawGlyphSquare(HDC dc, int32_t x, int32_t y, TColor colour) {
  Fill(dc, x + 2, y + 2, x + 7, y + 7, colour);
}

void DrawBullet(HDC dc, int32_t x, int32_t y, TColor colour) {
  Fill(dc, x, y, x + 6, y + 6, colour);
}

void DrawCheckMark(HDC dc, int32_t x, int32_t y, TColor colour) {
  GlyphPen pen(dc, colour);
  for (int i = 0; i <= 2; ++i) {
    const POINT points[] = {{x, y + 5 - i}, {x + 2, y + 7 - i}, {x + 7, y + 2 - i}};
    Polyline(dc, points, 3);
  }
}

void DrawArrow(HDC dc, const TRect& rect, TColor colour, int direction) {
  if (direction < 1 || direction > 4) return;
  const int cx = rect.Left + static_cast<int>(rect.Width() / 2);
  const int cy = rect.Top + static_cast<int>(rect.Height() / 2);
  GlyphPen pen(dc, colour);
  switch (static_cast<TArrowDirection>(direction)) {
    case TArrowDirection::Left:
      for (int i = 0; i <= 3; ++i) pen.Line(cx - 2 + i, cy - i, cx - 2 + i, cy + i + 1);
      break;
    case TArrowDirection::Right:
      for (int n = 3; n >= 0; --n) pen.Line(cx - n + 2, cy + n, cx - n + 2, cy - n - 1);
      break;
    case TArrowDirection::Up:
      for (int i = 0; i <= 3; ++i) pen.Line(cx - i, cy - 2 + i, cx + i + 1, cy - 2 + i);
      break;
    case TArrowDirection::Down:
      for (int n = 3; n >= 0; --n) pen.Line(cx - n, cy - n + 2, cx + n + 1, cy - n + 2);
      break;
  }
}

}  // namespace tmv
