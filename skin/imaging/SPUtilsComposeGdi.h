#pragma once
// Drawing composition plans with the system: skin pictures fitted to any size.
#include <windows.h>

#include "framework/core/Bitmap.h"
#include "skin/imaging/SPUtilsPiecePlan.h"

namespace tmv {

// Copies each piece from source to target, stretching those whose sizes differ.
void DrawPiecePlan(HDC target, HDC source, const TPiecePlan& plan);
// The same from a picture, each piece cut to what the picture holds.
void DrawPicturePieces(HDC target, TBitmap& picture, const TPiecePlan& plan);

// The result is sized width x height; an empty picture leaves it undrawn.
void ComposeNinePartTiled(const TSkinDivision& source, const TSkinDivision& target, bool fill,
                          int32_t width, int32_t height, const TRect& sourceRect,
                          TBitmap& picture, TBitmap& result);
void ComposeNinePart(const TSkinDivision& source, const TSkinDivision& target,
                     const TEdgeStretch& stretch, bool fill, int32_t width, int32_t height,
                     const TRect& sourceRect, TBitmap& picture, TBitmap& result);
// The result is width x the source's height.
void ComposeHorizontalBand(int32_t leftEnd, int32_t rightEnd, TBitmap& result, int32_t width,
                           const TRect& sourceRect, TBitmap& picture);
// The result is the source's width x height.
void ComposeVerticalBand(int32_t topEnd, int32_t bottomEnd, TBitmap& result, int32_t height,
                         const TRect& sourceRect, TBitmap& picture);

// The control's skin image fitted to its size (see PlanControlImage); false, and the result
// untouched, when the skin gives no image.
bool ComposeControlImage(const TSkinDivision& source, const TRect& skinRect, int32_t width,
                         int32_t height, TBitmap& picture, TBitmap& result);

// A band whose size conditions are not met keeps its bitmap as it was.
struct TFrameBandBitmaps {
  TBitmap& Bottom;
  TBitmap& Right;
  TBitmap& Top;
  TBitmap& Left;
};
void ComposeFrameBands(const TSkinDivision& source, const TSkinDivision& target,
                       const TEdgeStretch& stretch, int32_t width, int32_t height,
                       const TRect& sourceRect, TBitmap& picture, TFrameBandBitmaps bands);

// The part of rect that lies in the picture, drawn at (x, y) moved by what was cut, with
// rect's bottom-left pixel as the transparent colour.
void DrawPictureTransparent(HDC canvas, int32_t x, int32_t y, TBitmap& picture, const TRect& rect);

// Frame k (from 1) of n equal frames side by side in the strip, drawn at (x, y) with the
// frame's bottom-left pixel as the transparent colour. No such frame draws nothing.
void DrawStripFrame(HDC canvas, int32_t x, int32_t y, int32_t frame, int32_t frameCount,
                    TBitmap& strip);

// The screen at (x, y), the bitmap's size, into the bitmap.
void CaptureScreenArea(int32_t x, int32_t y, TBitmap& bitmap);

}  // namespace tmv
