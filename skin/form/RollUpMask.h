#pragma once
// The shape of a form rolled up without a non-client area: the skin's roll-up mask laid out at
// the form's width the way the roll-up picture is. Only the mask's own pixels are read: where a
// mask smaller than the roll-up picture says nothing, the window is cut away.
#include <cstdint>

#include "skin/form/FrameGeometry.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

namespace tmv {

class TspRollUpMask {
public:
  TspRollUpMask() = default;
  // pictureWidth x pictureHeight: the roll-up picture the band's ends refer to; width: the
  // form's. An empty mask gives no shape.
  TspRollUpMask(const TMaskBits& mask, const TspRollUpBand& band, int32_t pictureWidth,
                int32_t pictureHeight, int32_t width);

  // The mask at the form's size: 0 inside, 0xFF outside; empty without a mask.
  const TMaskBits& Bits() const { return bits_; }

#ifdef _WIN32
  // Null without a mask.
  UniqueRegion Region() const;
#endif

private:
  TMaskBits bits_;
};

}  // namespace tmv
