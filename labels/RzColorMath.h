#pragma once
// Colour arithmetic in hue, saturation and lightness on the 0..240 scale of the platform's
// colour dialog. Colours here are plain 0x00BBGGRR values; system colours are resolved by
// the caller.
#include <cstdint>

namespace tmv {

struct THsl240 {
  int Hue;
  int Saturation;
  int Lightness;
};

THsl240 RgbToHsl240(uint32_t rgb);
// Hue wraps (240 is red again); lightness may exceed 240, channels then saturate at 255.
uint32_t Hsl240ToRgb(int hue, int saturation, int lightness);
uint32_t DarkenRgb(uint32_t rgb, int amount);
uint32_t LightenRgb(uint32_t rgb, int amount);

}  // namespace tmv
