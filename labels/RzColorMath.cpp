#include "labels/RzColorMath.h"

#include <algorithm>
#include <cmath>

namespace tmv {

namespace {

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

int Channel(double v) { return Nearest(std::clamp(v, 0.0, 1.0) * 255); }

uint32_t Rgb(double r, double g, double b) {
  return static_cast<uint32_t>(Channel(r) | Channel(g) << 8 | Channel(b) << 16);
}

}  // namespace

THsl240 RgbToHsl240(uint32_t rgb) {
  const double r = (rgb & 0xFF) / 255.0, g = (rgb >> 8 & 0xFF) / 255.0, b = (rgb >> 16 & 0xFF) / 255.0;
  const double max = std::max({r, g, b}), min = std::min({r, g, b});
  const double l = (max + min) / 2;
  double h = 0, s = 0;
  if (max != min) {
    const double d = max - min;
    s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
    if (r == max)
      h = (g - b) / d;
    else if (b == max)
      h = 4 + (r - g) / d;
    else
      h = 2 + (b - r) / d;
    h /= 6;
    if (h < 0) h += 1;
  }
  return {Nearest(h * 240), Nearest(s * 240), Nearest(l * 240)};
}

uint32_t Hsl240ToRgb(int hue, int saturation, int lightness) {
  const double l = lightness / 240.0, s = saturation / 240.0;
  const double v = l <= 0.5 ? l * (1 + s) : l + s - l * s;
  if (v <= 0) return 0;
  const double m = 2 * l - v;
  const double sv = (v - m) / v;
  // The scale's top, 239 and 240, lands on 6: the red that sextant 0 starts with.
  const double x = std::clamp(hue, 0, 240) / 239.0 * 6;
  const int sextant = static_cast<int>(x);
  const double f = x - sextant;
  const double vsf = v * sv * f;
  const double mid1 = m + vsf, mid2 = v - vsf;
  switch (sextant % 6) {
    case 0: return Rgb(v, mid1, m);
    case 1: return Rgb(mid2, v, m);
    case 2: return Rgb(m, v, mid1);
    case 3: return Rgb(m, mid2, v);
    case 4: return Rgb(mid1, m, v);
    default: return Rgb(v, m, mid2);
  }
}

uint32_t DarkenRgb(uint32_t rgb, int amount) {
  THsl240 c = RgbToHsl240(rgb);
  return Hsl240ToRgb(c.Hue, c.Saturation, std::max(c.Lightness - amount, 0));
}

uint32_t LightenRgb(uint32_t rgb, int amount) {
  THsl240 c = RgbToHsl240(rgb);
  return Hsl240ToRgb(c.Hue, c.Saturation, std::min(c.Lightness + amount, 255));
}

}  // namespace tmv
