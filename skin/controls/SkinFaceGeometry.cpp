#include "skin/controls/SkinFaceGeometry.h"

#include <algorithm>
#include <limits>

namespace tmv {

namespace {

int32_t Saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

int32_t SkinWidth(const TSkinFace& face) { return Saturate(face.FaceRect.Width()); }
int32_t SkinHeight(const TSkinFace& face) { return Saturate(face.FaceRect.Height()); }

TRect Moved(const TRect& r, int64_t dx, int64_t dy) {
  return {Saturate(r.Left + dx), Saturate(r.Top + dy), Saturate(r.Right + dx),
          Saturate(r.Bottom + dy)};
}

TRect Grown(const TRect& r, int64_t dw, int64_t dh) {
  return {r.Left, r.Top, Saturate(r.Right + dw), Saturate(r.Bottom + dh)};
}

bool HalfOpenHolds(const TRect& zone, int32_t x, int32_t y) {
  return zone.Left <= x && x < zone.Right && zone.Top <= y && y < zone.Bottom;
}

bool ClosedHolds(const TRect& zone, int32_t x, int32_t y) {
  return zone.Left <= x && x <= zone.Right && zone.Top <= y && y <= zone.Bottom;
}

// Both corners of r inside the zone, each by the half-open test.
bool Inside(const TRect& zone, const TRect& r) {
  return HalfOpenHolds(zone, r.Left, r.Top) && HalfOpenHolds(zone, r.Right, r.Bottom);
}

TRect MapInNineParts(const TSkinFace& face, const TRect& r, int64_t dw, int64_t dh) {
  const TSkinDivision& d = face.Division;
  const int32_t sw = SkinWidth(face), sh = SkinHeight(face);
  const TRect lt{0, 0, d.LT.X, d.LT.Y};
  const TRect lb{0, d.LB.Y, d.LB.X, sh};
  const TRect rt{d.RT.X, 0, sw, d.RT.Y};
  const TRect rb{d.RB.X, d.RB.Y, sw, sh};
  if (Inside(lt, r)) return r;
  if (Inside(rt, r)) return Moved(r, dw, 0);
  if (Inside(lb, r)) return Moved(r, 0, dh);
  if (Inside(rb, r)) return Moved(r, dw, dh);
  auto spans = [&](const TRect& first, const TRect& last) {
    return ClosedHolds(first, r.Left, r.Top) && ClosedHolds(last, r.Right, r.Bottom);
  };
  if (spans(lt, rb)) return Grown(r, dw, dh);
  if (spans(lt, rt)) return Grown(r, dw, 0);
  if (spans(lb, rb)) return Moved(Grown(r, dw, 0), 0, dh);
  if (spans(lt, lb)) return Grown(r, 0, dh);
  if (spans(rt, rb)) return Grown(Moved(r, dw, 0), 0, dh);
  return r;
}

}  // namespace

bool FitSkinSize(const TSkinFace& face, int32_t& width, int32_t& height, TSkinDivision& sized) {
  const int32_t sw = SkinWidth(face), sh = SkinHeight(face);
  switch (face.Mode) {
    case TSkinResizeMode::Empty:
      return false;
    case TSkinResizeMode::Both:
      break;
    case TSkinResizeMode::Horizontal:
      height = sh;
      break;
    case TSkinResizeMode::Vertical:
      width = sw;
      break;
    case TSkinResizeMode::Fixed:
      width = sw;
      height = sh;
      break;
  }
  sized = TargetDivision(face.Division, sw, sh, width, height);
  return true;
}

TRect MapSkinRect(const TSkinFace& face, const TRect& r, int32_t width, int32_t height) {
  const int64_t dw = int64_t{width} - SkinWidth(face);
  const int64_t dh = int64_t{height} - SkinHeight(face);
  const TSkinDivision& d = face.Division;
  switch (face.Mode) {
    case TSkinResizeMode::Both:
      return MapInNineParts(face, r, dw, dh);
    case TSkinResizeMode::Horizontal:
      if (r.Left <= d.LT.X && r.Right >= d.RT.X) return Grown(r, dw, 0);
      if (r.Left >= d.RT.X && r.Right > d.RT.X) return Moved(r, dw, 0);
      return r;
    case TSkinResizeMode::Vertical:
      if (r.Top <= d.LT.Y && r.Bottom >= d.LB.Y) return Grown(r, 0, dh);
      if (r.Top >= d.LB.Y && r.Bottom > d.LB.Y) return Moved(r, 0, dh);
      return r;
    default:
      return r;
  }
}

TMaskDivision MaskRegionDivision(const TSkinFace& face, const TSkinDivision& sized) {
  TMaskDivision cut{face.Division, sized};
  switch (face.Mode) {
    case TSkinResizeMode::Horizontal:
      cut.Source.RB = face.Division.RT;
      cut.Source.LB = face.Division.LT;
      cut.Target.RT = cut.Target.RB = sized.RT;
      cut.Target.LT = cut.Target.LB = face.Division.LT;
      break;
    case TSkinResizeMode::Vertical:
      cut.Source.RT = face.Division.LT;
      cut.Source.RB = face.Division.LB;
      cut.Target.LB = cut.Target.RB = sized.LB;
      cut.Target.LT = cut.Target.RT = face.Division.LT;
      break;
    default:
      break;
  }
  return cut;
}

}  // namespace tmv
