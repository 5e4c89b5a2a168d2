#pragma once
// The mask of a skinned frame at the window's current size: its opaque rectangle and the four
// mask bands around it. It answers whether a window point is inside the window's shape and,
// on Windows, gives the window region made of it.
#include <cstdint>

#include "skin/form/FrameGeometry.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

namespace tmv {

class TspFrameMask {
public:
  TspFrameMask() = default;
  // Cuts mask (the skin's mask picture) for the geometry's window size; an empty mask gives
  // no bands and the window rectangle is the shape.
  TspFrameMask(const TMaskBits& mask, const TspFrameGeometry& geometry);

  bool Empty() const { return !parts_.HasRegion; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Outside the window nothing is inside; inside it, the opaque rectangle is, and a band's
  // black pixels are. A point off every band's picture is outside.
  bool Contains(TPoint p) const;

#ifdef _WIN32
  // The region of the shape; null without a mask.
  UniqueRegion Region() const;
#endif

private:
  const TMaskBand* BandFor(TPoint p) const;

  int32_t width_ = 0, height_ = 0;
  TMaskRegionParts parts_;
};

}  // namespace tmv
