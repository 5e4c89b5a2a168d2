#pragma once
// A 24-bit picture on which inactive-frame effects and state transitions are computed.
// Channels are worked in double precision, rounded to the nearest integer (halves to the even
// neighbour) and clamped to 0..255.
#include <cstdint>
#include <random>

#include "skin/imaging/SPUtilsFBitmap.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TspEffectBmp {
public:
  // Starts white; negative sizes count as 0.
  TspEffectBmp(int32_t width, int32_t height);
  explicit TspEffectBmp(TFBitmap pixels);
#ifdef _WIN32
  explicit TspEffectBmp(HBITMAP bitmap);
  void Draw(HDC dc, int32_t x, int32_t y) const { pixels_.Draw(dc, x, y); }
#endif

  int32_t Width() const { return pixels_.Width(); }
  int32_t Height() const { return pixels_.Height(); }
  TBgr Pixel(int32_t x, int32_t y) const { return pixels_.Pixel(x, y); }
  void SetPixel(int32_t x, int32_t y, TBgr c) { pixels_.SetPixel(x, y, c); }
  uint8_t* Row(int32_t y) { return pixels_.Row(y); }
  const uint8_t* Row(int32_t y) const { return pixels_.Row(y); }
  const TFBitmap& Pixels() const { return pixels_; }

  // Pixel (x, y) goes to (x, height - 1 - y) of the other picture, when both are alike in size.
  void CopyFlippedTo(TspEffectBmp& other) const;

  void Lighten(double k);
  void Darken(double k);
  void ToGrey();
  // One random offset per pixel, from -(n div 2) to n - 1 - n div 2, added to all channels.
  void AddNoise(int32_t amount);
  void AddNoise(int32_t amount, std::mt19937& random);
  void InvertColours();
  // Each pixel becomes the mean (rounded down) of the four pixels d away diagonally, worked in
  // place from the top left; samples that would fall outside are taken from the nearest edge.
  void BlurFourPoint(int32_t d);

  // The inactive-frame effect a skin names, with the strength the frames use; an unknown
  // value changes nothing.
  void ApplyEffect(TspEffect effect);

  // Transitions from this picture (A) towards B by k; nothing happens unless both pictures
  // have the same size.
  void BlendWith(const TspEffectBmp& b, double k);
  void BlendRectWith(const TspEffectBmp& b, const TRect& rect, int32_t firstRowOfB,
                     int32_t firstColumnOfB, double k);
  void BlendFromLeft(const TspEffectBmp& b, double k);
  void BlendFromRight(const TspEffectBmp& b, double k);
  void BlendFromCentre(const TspEffectBmp& b, double k);
  void BlendFromCentreHorizontal(const TspEffectBmp& b, double k);
  void BlendFromCentreVertical(const TspEffectBmp& b, double k);
  void SlideInFromLeft(const TspEffectBmp& b, double k);
  void SlideInFromRight(const TspEffectBmp& b, double k);
  void PushInFromLeft(const TspEffectBmp& b, double k);
  // The transition of a morph kind; an unknown kind changes nothing.
  void Morph(TspMorphKind kind, const TspEffectBmp& b, double k);

private:
  void Slide(const TspEffectBmp& b, double k, bool fromLeft);
  bool SameSize(const TspEffectBmp& b) const {
    return Width() == b.Width() && Height() == b.Height() && !pixels_.Empty();
  }

  TFBitmap pixels_;
};

}  // namespace tmv
