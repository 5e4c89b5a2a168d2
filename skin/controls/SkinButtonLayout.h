#pragma once
// The arithmetic of a skinned push button: where its glyph and caption go, which frame of the
// glyph strip a state shows, and the steps of the fade between its normal and hot faces.
#include <cstdint>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

enum TspButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

struct TGlyphTextPlaces {
  TPoint Glyph;
  TPoint Text;
};

// Glyph (gw x gh, one frame) and caption (tw x th) in r: with margin >= 0 the glyph sits that
// far from the edge the layout names and the caption follows it after spacing; with -1 both
// form one block centred in r. Pressed moves both one pixel right and down.
TGlyphTextPlaces PlaceGlyphAndText(const TRect& r, int32_t margin, int32_t spacing,
                                   TspButtonLayout layout, int32_t gw, int32_t gh, int32_t tw,
                                   int32_t th, bool pressed);

// The frame (from 1: up, disabled, down, hot) of a strip of numGlyphs a state shows.
int32_t ButtonGlyphFrame(bool enabled, bool hot, bool pressed, int32_t numGlyphs);

// The fade from the normal face (0) to the hot one (1) in five equal steps. Counted in whole
// steps, so the factor lands on 0 and 1 exactly and never leaves 0..1.
class TButtonFade {
public:
  static constexpr int32_t kSteps = 5;
  double Factor() const { return static_cast<double>(step_) / kSteps; }
  // Jumps to one end.
  void SetFinished(bool hot) { step_ = hot ? kSteps : 0; }
  bool AtEnd(bool hot) const { return step_ == (hot ? kSteps : 0); }
  // One step towards the hot or the normal face; false when that end is reached, so the
  // timer stops on the step that arrives rather than one later.
  bool Advance(bool hot);

private:
  int32_t step_ = 0;
};

}  // namespace tmv
