#include "skin/imaging/SPUtilsMaskRegion.h"

#include <algorithm>
#include <limits>

namespace tmv {

namespace {

int32_t OffsetBy(int64_t base, int64_t offset) {
  return static_cast<int32_t>(std::clamp<int64_t>(base + offset,
                                                  std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

void PutInt32(std::vector<uint8_t>& out, size_t at, int64_t value) {
  const uint32_t v = static_cast<uint32_t>(static_cast<int32_t>(value));
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<TRect> MaskRuns(const TFBitmap& mask, int32_t ox, int32_t oy) {
  std::vector<TRect> runs;
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const uint8_t* p = mask.Row(y);
    int32_t x = 0;
    const int32_t w = mask.Width();
    while (x < w) {
      while (x < w && (p[3 * x] | p[3 * x + 1] | p[3 * x + 2]) != 0) ++x;
      const int32_t start = x;
      while (x < w && (p[3 * x] | p[3 * x + 1] | p[3 * x + 2]) == 0) ++x;
      if (x > start)
        runs.push_back({OffsetBy(ox, start), OffsetBy(oy, y), OffsetBy(ox, x), OffsetBy(oy, y + 1LL)});
    }
  }
  return runs;
}

std::vector<uint8_t> MaskToRegionData(const TFBitmap& mask, int32_t ox, int32_t oy) {
  if (mask.Empty()) return {};
  const std::vector<TRect> runs = MaskRuns(mask, ox, oy);
  std::vector<uint8_t> data(32 + 16 * runs.size());
  PutInt32(data, 0, 32);
  PutInt32(data, 4, 1);
  PutInt32(data, 8, static_cast<int64_t>(runs.size()));
  PutInt32(data, 12, 0);
  PutInt32(data, 16, ox);
  PutInt32(data, 20, oy);
  PutInt32(data, 24, OffsetBy(ox, mask.Width()));
  PutInt32(data, 28, OffsetBy(oy, mask.Height()));
  size_t at = 32;
  for (const TRect& r : runs) {
    PutInt32(data, at, r.Left);
    PutInt32(data, at + 4, r.Top);
    PutInt32(data, at + 8, r.Right);
    PutInt32(data, at + 12, r.Bottom);
    at += 16;
  }
  return data;
}

TMaskRegionParts ComposeMaskRegionParts(const TFBitmap& mask, const TSkinDivision& source,
                                        const TSkinDivision& target, int32_t width) {
  TMaskRegionParts parts;
  if (target.RT.X < target.LT.X || target.LB.Y < target.LT.Y) return parts;
  const TRect& n = target.Client;
  if (n.IsEmpty()) return parts;
  parts.HasRegion = true;
  parts.Client = n;

  const TFrameBandPlans plans = PlanMaskBands(source, target, width, mask.Width(), mask.Height());
  auto add = [&](const TBandPlan& plan, int32_t ox, int32_t oy) {
    if (!plan.Built || plan.Width < 1 || plan.Height < 1) return;
    TMaskBand band{TFBitmap(plan.Width, plan.Height), ox, oy};
    CopyPieces(band.Picture, mask, plan.Copies);
    parts.Bands.push_back(std::move(band));
  };
  add(plans.Top, 0, 0);
  add(plans.Bottom, 0, n.Bottom);
  add(plans.Left, 0, n.Top);
  add(plans.Right, n.Right, n.Top);
  return parts;
}

}  // namespace tmv
