#include "skin/form/FrameMask.h"

namespace tmv {

TspFrameMask::TspFrameMask(const TMaskBits& mask, const TspFrameGeometry& g)
    : width_(g.Width), height_(g.Height) {
  if (mask.Empty()) return;
  parts_ = ComposeMaskRegionParts(mask, g.MaskDivision(), g.TargetMaskDivision(), g.Width);
}

const TMaskBand* TspFrameMask::BandFor(TPoint p) const {
  // The bands stand top, bottom, left and right of the opaque rectangle; the one a point
  // belongs to is decided by where it lies against that rectangle.
  const TRect& r = parts_.Client;
  const bool end = p.Y < r.Top || p.Y >= r.Bottom;
  const int32_t wantY = p.Y < r.Top ? 0 : p.Y >= r.Bottom ? r.Bottom : r.Top;
  const int32_t wantX = end || p.X < r.Left ? 0 : r.Right;
  for (const TMaskBand& band : parts_.Bands)
    if (band.OffsetX == wantX && band.OffsetY == wantY) return &band;
  return nullptr;
}

bool TspFrameMask::Contains(TPoint p) const {
  if (p.X < 0 || p.Y < 0 || p.X >= width_ || p.Y >= height_) return false;
  if (!parts_.HasRegion) return true;
  const TRect& r = parts_.Client;
  if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return true;
  const TMaskBand* band = BandFor(p);
  if (!band) return false;
  const int32_t x = p.X - band->OffsetX, y = p.Y - band->OffsetY;
  if (x < 0 || y < 0 || x >= band->Picture.Width() || y >= band->Picture.Height()) return false;
  return band->Picture.Pixel(x, y) == TBgr{};
}

#ifdef _WIN32
UniqueRegion TspFrameMask::Region() const { return RegionFromMaskParts(parts_); }
#endif

}  // namespace tmv
