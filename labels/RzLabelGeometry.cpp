#include "labels/RzLabelGeometry.h"

#include <cmath>

namespace tmv {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

int FrameStyleDepth(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
  }
}

int NormalizeAngle(long long degrees) {
  long long a = degrees % 360;
  return static_cast<int>(a < 0 ? a + 360 : a);
}

int NearestInt(double v) { return static_cast<int>(std::nearbyint(v)); }

double Radians(int degrees) { return degrees * kPi / 180; }

TTextExtent RotatedExtent(int width, int height, int angle) {
  double psi = Radians(angle % 90);
  if (angle == 90 || angle == 270) psi += kPi / 2;
  return {NearestInt(width * std::cos(psi) + height * std::sin(psi)),
          NearestInt(height * std::cos(psi) + width * std::sin(psi))};
}

TFlatTextOrigin FlatTextOrigin(int angle, THorizontalPlace place, const TTextBox& r,
                               const TFlatTextMetrics& m) {
  const double theta = Radians(angle) + kPi / 2;
  const double q = m.LineHeight / 4.0;
  const int cx = m.ControlWidth / 2, cy = m.ControlHeight / 2;
  const int turnedX = cx - NearestInt(std::cos(theta) * q);
  const int w = m.TextWidth, e = m.HalfShadow;
  switch (angle) {
    case 90: {
      const int y = place == hpCentred ? r.Bottom - (r.Bottom - w) / 2
                    : place == hpRight ? r.Top + w + e
                                       : r.Bottom - e;
      return {turnedX, y, false};
    }
    case 180: {
      const int x = place == hpCentred ? r.Right - (r.Right - w) / 2
                    : place == hpRight ? r.Left + w
                                       : r.Right - e;
      return {x, cy - m.TextHeight / 4, false};
    }
    case 270: {
      const int y = place == hpCentred ? (r.Bottom - w) / 2
                    : place == hpRight ? r.Bottom - w - e
                                       : r.Left + e;
      return {turnedX, y, false};
    }
    default:
      return {turnedX, cy + NearestInt(std::sin(theta) * q), true};
  }
}

TArcLayout ArcLayout(TCenterPoint point, int w, int h, int b) {
  const int a = 2 * b;
  switch (point) {
    case cpUpperLeft: return {b, b, w - a, h - a};
    case cpUpperCenter: return {w / 2, b, w / 2 - a, h - a};
    case cpUpperRight: return {w, b, w - a, h - a};
    case cpLeftCenter: return {b, h / 2, w - a, h / 2 - a};
    case cpRightCenter: return {w - b, h / 2, w - a, h / 2 - a};
    case cpLowerLeft: return {b, h - b, w - a, h - a};
    case cpLowerCenter: return {w / 2, h - b, w / 2 - a, h - a};
    case cpLowerRight: return {w - b, h - b, w - a, h - a};
    default: return {w / 2, h / 2, w / 2 - a, h / 2 - a};
  }
}

TArcGlyph ArcGlyphAt(const TArcLayout& arc, double phi, int lineHeight) {
  return {arc.CenterX - NearestInt(std::sin(phi) * (arc.RadiusX - lineHeight)),
          arc.CenterY - NearestInt(std::cos(phi) * (arc.RadiusY - lineHeight)),
          NearestInt(phi * 1800 / kPi)};
}

double NextArcAngle(const TArcLayout& arc, double phi, int advance) {
  return phi - (advance + 2.0) / arc.RadiusX;
}

}  // namespace tmv
