// Arbitrary division points, sizes, masks and effect factors: composition plans keep to their
// invariants, regions and effects stay inside their pictures.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "skin/imaging/SPUtilsMaskRegion.h"
#include "skin/imaging/spEffBmp.h"

using namespace tmv;

namespace {

class Input {
public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  template <class T>
  T Take() {
    T v{};
    const size_t n = std::min(sizeof(T), size_ - at_);
    std::memcpy(&v, data_ + at_, n);
    at_ += n;
    return v;
  }
  // Mostly small values, sometimes any 32-bit one.
  int32_t Coordinate() {
    const int32_t v = Take<int32_t>();
    return (v & 0x100) ? v : (v % 64);
  }
  int32_t Small(int32_t limit) { return static_cast<int32_t>(Take<uint16_t>() % (limit + 1)); }

private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

void Check(const TPiecePlan& plan, int64_t w, int64_t h) {
  for (const TPieceCopy& p : plan) {
    if (p.Source.IsEmpty() || p.Target.IsEmpty()) std::abort();
    if (p.Target.Right <= 0 || p.Target.Bottom <= 0 || p.Target.Left >= w || p.Target.Top >= h)
      std::abort();
  }
}

TSkinDivision Division(Input& in) {
  TSkinDivision d;
  for (TPoint* p : {&d.LT, &d.RT, &d.LB, &d.RB}) *p = {in.Coordinate(), in.Coordinate()};
  d.Client = {in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
  return d;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input in(data, size);
  const TSkinDivision src = Division(in);
  TSkinDivision tgt = Division(in);
  const int32_t w = in.Small(400), h = in.Small(400);
  const TRect s{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
  const uint8_t flags = in.Take<uint8_t>();
  const TEdgeStretch stretch{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0};
  if (flags & 0x80)
    tgt = TargetDivision(src, static_cast<int32_t>(std::clamp<int64_t>(s.Width(), 0, INT32_MAX)),
                         static_cast<int32_t>(std::clamp<int64_t>(s.Height(), 0, INT32_MAX)), w, h);

  Check(PlanNinePart(src, tgt, stretch, (flags & 16) != 0, w, h, s), w, h);
  Check(PlanHorizontalBand(in.Coordinate(), in.Coordinate(), w, s), w, s.Height());
  Check(PlanVerticalBand(in.Coordinate(), in.Coordinate(), h, s), s.Width(), h);
  const TFrameBandPlans frame = PlanFrameBands(src, tgt, stretch, w, h, s);
  for (const TBandPlan* b : {&frame.Top, &frame.Bottom, &frame.Left, &frame.Right})
    if (b->Built) Check(b->Copies, b->Width, b->Height);

  // A small mask; bands of the target size are bounded so the pictures stay small.
  TFBitmap mask(in.Small(24), in.Small(24));
  for (int32_t y = 0; y < mask.Height(); ++y)
    for (int32_t x = 0; x < mask.Width(); ++x)
      if (in.Take<uint8_t>() & 1) mask.SetPixel(x, y, {0, 0, 0});
  if (tgt.Client.Width() < 300 && tgt.Client.Height() < 300 && tgt.Client.Top > -300 &&
      tgt.Client.Bottom < 300) {
    const TMaskRegionParts parts = ComposeMaskRegionParts(TMaskBits::FromPicture(mask), src, tgt, w);
    for (const TMaskBand& b : parts.Bands) MaskToRegionData(b.Picture, b.OffsetX, b.OffsetY);
    MaskPartsRegionData(parts);
  }
  MaskToRegionData(mask, in.Coordinate(), in.Coordinate());

  TspEffectBmp a(in.Small(9), in.Small(9));
  TspEffectBmp b(a.Width(), a.Height());
  const double k = in.Take<double>();
  a.BlurFourPoint(in.Coordinate());
  a.Lighten(k);
  a.BlendWith(b, k);
  a.BlendRectWith(b, {in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()},
                  in.Coordinate(), in.Coordinate(), k);
  a.BlendFromLeft(b, k);
  a.BlendFromRight(b, k);
  a.BlendFromCentre(b, k);
  a.BlendFromCentreHorizontal(b, k);
  a.BlendFromCentreVertical(b, k);
  a.SlideInFromLeft(b, k);
  a.SlideInFromRight(b, k);
  a.PushInFromLeft(b, k);
  return 0;
}
