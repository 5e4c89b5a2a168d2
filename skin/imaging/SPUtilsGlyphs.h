#pragma once
// Glyphs drawn by code where a skin has no picture for them: caption buttons, check marks,
// bullets and arrows, at a top-left point in one colour. Lines include their start and
// exclude their end point.
#include <windows.h>

#include "framework/core/Colors.h"
#include "skin/imaging/SkinGeometry.h"

namespace tmv {

void DrawGlyphClose(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphSysMenu(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphMinimize(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphMaximize(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphRestore(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphTriangleDown(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphTriangleUp(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawGlyphSquare(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawBullet(HDC dc, int32_t x, int32_t y, TColor colour);
void DrawCheckMark(HDC dc, int32_t x, int32_t y, TColor colour);

enum class TArrowDirection { Left = 1, Right = 2, Up = 3, Down = 4 };
// A small arrow centred in the rectangle; a direction outside 1..4 draws nothing.
void DrawArrow(HDC dc, const TRect& rect, TColor colour, int direction);

}  // namespace tmv
