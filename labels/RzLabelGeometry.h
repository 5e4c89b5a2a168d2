#pragma once
// Where a label puts rotated and arc text, and how much room rotated text needs. No window
// is involved: the label measures its text and hands the numbers in.
#include "labels/RzTypes.h"

namespace tmv {

// How far one border line style reaches in from each side it is drawn on.
int FrameStyleDepth(TFrameStyleEx style, int bevelWidth);

// Any angle in degrees, however negative or large, as 0..359.
int NormalizeAngle(long long degrees);

// The integer nearest to v, halves going to the even neighbour.
int NearestInt(double v);

double Radians(int degrees);

struct TTextExtent {
  int Width;
  int Height;
};

// The box a width x height text needs when turned by angle (0..359, not 0 or 180).
TTextExtent RotatedExtent(int width, int height, int angle);

struct TTextBox {
  int Left, Top, Right, Bottom;
};

enum THorizontalPlace { hpLeft, hpRight, hpCentred };

// The reference point of text turned by a flat angle (1..359). The text is drawn with its
// baseline at Y; Centred means that X is the middle of the text rather than its start.
struct TFlatTextOrigin {
  int X, Y;
  bool Centred;
};

struct TFlatTextMetrics {
  int ControlWidth, ControlHeight;
  int TextWidth;    // the caption's width, plus half the shadow depth for shadowed text
  int TextHeight;   // the height of "Pp", plus the same
  int LineHeight;   // the height of "Pp" alone
  int HalfShadow;   // half the shadow depth for shadowed text, else 0
};

TFlatTextOrigin FlatTextOrigin(int angle, THorizontalPlace place, const TTextBox& r,
                               const TFlatTextMetrics& m);

// The circle text runs along: its centre and radii inside a control.
struct TArcLayout {
  int CenterX, CenterY;
  int RadiusX, RadiusY;
  // A radius of zero or less has no circle to follow; the text is then drawn straight.
  bool Usable() const { return RadiusX > 0 && RadiusY > 0; }
};

TArcLayout ArcLayout(TCenterPoint point, int width, int height, int borderWidth);

// One character on the arc: its baseline centre and the escapement (tenths of a degree)
// that turns it to follow the arc.
struct TArcGlyph {
  int X, Y;
  int Escapement;
};

// phi in radians, 0 at the top; lineHeight the height of "Yy".
TArcGlyph ArcGlyphAt(const TArcLayout& arc, double phi, int lineHeight);
// The angle of the next character, clockwise by the advance of one character.
double NextArcAngle(const TArcLayout& arc, double phi, int advance);

}  // namespace tmv
