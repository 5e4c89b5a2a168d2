#include "skin/form/RollUpMask.h"

namespace tmv {

TspRollUpMask::TspRollUpMask(const TMaskBits& mask, const TspRollUpBand& band, int32_t pictureWidth,
                             int32_t pictureHeight, int32_t width) {
  if (mask.Empty() || pictureWidth < 1 || pictureHeight < 1) return;
  const TRect picture{0, 0, pictureWidth, pictureHeight};
  const int32_t w = band.Stretchable ? width : pictureWidth;
  if (w < 1) return;
  bits_ = TMaskBits(w, pictureHeight);
  // The plan is the picture's; the copies leave out whatever the mask does not cover.
  const TPiecePlan plan = band.Stretchable ? PlanHorizontalBand(band.LeftEnd, band.RightEnd, w, picture)
                                           : TPiecePlan{{picture, picture}};
  CopyPieces(bits_, mask, plan);
}

#ifdef _WIN32
UniqueRegion TspRollUpMask::Region() const {
  if (bits_.Empty()) return {};
  return RegionFromRegionData(MaskToRegionData(bits_, 0, 0));
}
#endif

}  // namespace tmv
