#pragma once
// Border painting and colour shifting shared by the label library's controls. Each border
// routine draws with one-pixel lines on the sides asked for and returns the rectangle left
// inside what it drew.
#include <windows.h>

#include "framework/gui/Graphics.h"
#include "labels/RzTypes.h"

namespace tmv {

// System colours are resolved first. A shift of 0 gives the colour back as it was, system
// colour included.
TColor DarkenColor(TColor color, int amount);
TColor LightenColor(TColor color, int amount);
TColor ShiftColor(TColor color, int amount);

// A colour of clNone draws nothing on its sides; the rectangle moves in all the same.
RECT PaintSides(TCanvas& canvas, RECT rect, TColor upperLeft, TColor lowerRight, TSides sides);
RECT PaintBevel(TCanvas& canvas, RECT rect, TColor upperLeft, TColor lowerRight, TSides sides, int count);
RECT PaintStyledSides(TCanvas& canvas, RECT rect, TFrameStyleEx style, TSides sides);
RECT PaintRoundedFlatBorder(TCanvas& canvas, RECT rect, TColor color, TSides sides);

// A label's two-layer border: the outer style, a band of BorderWidth in BorderColor, the
// inner style.
struct TRzLabelBorder {
  TFrameStyleEx Outer = fsNone;
  TFrameStyleEx Inner = fsNone;
  int Width = 0;
  TSides Sides = sdAllSides;
  int BevelWidth = 1;
  TColor Color = clBtnFace;
  TColor Highlight = clBtnHighlight;
  TColor Shadow = clBtnShadow;
  TColor FlatColor = clBtnShadow;
  int FlatColorAdjustment = 30;
};

// controlColor and parentColor fill the gaps of the rounded flat style; corner leaves the
// corner pixels of a flat inner line out.
RECT PaintLabelBorders(TCanvas& canvas, RECT rect, const TRzLabelBorder& border, TColor controlColor,
                       TColor parentColor, bool transparent, bool corner);

}  // namespace tmv
