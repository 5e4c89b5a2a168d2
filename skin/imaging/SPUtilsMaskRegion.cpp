#include "skin/imaging/SPUtilsMaskRegion.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

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

// The runs of pixels whose bytes are all 0 (black), row by row, left to right.
template <class Picture>
std::vector<TRect> RunsOf(const Picture& mask, int32_t ox, int32_t oy) {
  constexpr int n = Picture::kPixelBytes;
  auto black = [](const uint8_t* p) {
    uint8_t any = 0;
    for (int i = 0; i < n; ++i) any |= p[i];
    return any == 0;
  };
  std::vector<TRect> runs;
  const int32_t w = mask.Width();
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const uint8_t* p = mask.Row(y);
    int32_t x = 0;
    while (x < w) {
      while (x < w && !black(p + n * x)) ++x;
      const int32_t start = x;
      while (x < w && black(p + n * x)) ++x;
      if (x > start)
        runs.push_back({OffsetBy(ox, start), OffsetBy(oy, y), OffsetBy(ox, x), OffsetBy(oy, y + 1LL)});
    }
  }
  return runs;
}

using TSpans = std::vector<std::pair<int32_t, int32_t>>;

// Sorts the spans by left edge and makes overlapping and touching ones one, in place.
void Merge(TSpans& spans) {
  std::sort(spans.begin(), spans.end());
  size_t kept = 0;
  for (size_t i = 0; i < spans.size(); ++i) {
    if (kept > 0 && spans[i].first <= spans[kept - 1].second)
      spans[kept - 1].second = std::max(spans[kept - 1].second, spans[i].second);
    else
      spans[kept++] = spans[i];
  }
  spans.resize(kept);
}

TRect BoundsOf(const std::vector<TRect>& rects) {
  TRect bounds = rects.front();
  for (const TRect& r : rects) {
    bounds.Left = std::min(bounds.Left, r.Left);
    bounds.Top = std::min(bounds.Top, r.Top);
    bounds.Right = std::max(bounds.Right, r.Right);
    bounds.Bottom = std::max(bounds.Bottom, r.Bottom);
  }
  return bounds;
}

std::vector<uint8_t> RegionDataOf(const std::vector<TRect>& rects, const TRect& bounds) {
  std::vector<uint8_t> data(32 + 16 * rects.size());
  PutInt32(data, 0, 32);
  PutInt32(data, 4, 1);
  PutInt32(data, 8, static_cast<int64_t>(rects.size()));
  PutInt32(data, 12, 0);
  PutInt32(data, 16, bounds.Left);
  PutInt32(data, 20, bounds.Top);
  PutInt32(data, 24, bounds.Right);
  PutInt32(data, 28, bounds.Bottom);
  size_t at = 32;
  for (const TRect& r : rects) {
    PutInt32(data, at, r.Left);
    PutInt32(data, at + 4, r.Top);
    PutInt32(data, at + 8, r.Right);
    PutInt32(data, at + 12, r.Bottom);
    at += 16;
  }
  return data;
}

template <class Picture>
std::vector<uint8_t> RegionDataOfMask(const Picture& mask, int32_t ox, int32_t oy) {
  if (mask.Empty()) return {};
  return RegionDataOf(RunsOf(mask, ox, oy),
                      {ox, oy, OffsetBy(ox, mask.Width()), OffsetBy(oy, mask.Height())});
}

}  // namespace

TMaskBits::TMaskBits(int32_t width, int32_t height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  if (Empty()) width_ = height_ = 0;
  bytes_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0xFF);
}

TBgr TMaskBits::Pixel(int32_t x, int32_t y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || Row(y)[x] == 0) return {};
  return {0xFF, 0xFF, 0xFF};
}

TMaskBits TMaskBits::FromPicture(const TFBitmap& picture) {
  TMaskBits mask(picture.Width(), picture.Height());
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const uint8_t* p = picture.Row(y);
    uint8_t* to = mask.Row(y);
    for (int32_t x = 0; x < mask.Width(); ++x, p += 3) to[x] = (p[0] | p[1] | p[2]) == 0 ? 0 : 0xFF;
  }
  return mask;
}

TMaskBits TMaskBits::FromBitmap(const TBitmap& bitmap) {
  if (bitmap.BitCount() != 1 || bitmap.Empty()) return FromPicture(TFBitmap::FromBitmap(bitmap));
  // Indexes beyond the colour table read black.
  const std::vector<uint32_t>& table = bitmap.Palette();
  uint8_t value[2];
  for (size_t i = 0; i < 2; ++i) value[i] = i < table.size() && (table[i] & 0xFFFFFF) != 0 ? 0xFF : 0;
  // Each byte of the bitmap is eight pixels of the mask.
  uint8_t eight[256][8];
  for (int b = 0; b < 256; ++b)
    for (int k = 0; k < 8; ++k) eight[b][k] = value[(b >> (7 - k)) & 1];
  TMaskBits mask(bitmap.Width(), bitmap.Height());
  const int32_t w = mask.Width(), whole = w / 8;
  // Rows lie one after the other from scan line 0; asking for each would flush GDI each time.
  const uint8_t* rows = bitmap.ScanLine(0);
  for (int32_t y = 0; y < mask.Height(); ++y) {
    const uint8_t* from = rows + static_cast<size_t>(y) * static_cast<size_t>(bitmap.RowBytes());
    uint8_t* to = mask.Row(y);
    for (int32_t i = 0; i < whole; ++i) std::memcpy(to + 8 * i, eight[from[i]], 8);
    if (w % 8) std::memcpy(to + 8 * whole, eight[from[whole]], static_cast<size_t>(w % 8));
  }
  return mask;
}

std::vector<TRect> MaskRuns(const TMaskBits& mask, int32_t ox, int32_t oy) {
  return RunsOf(mask, ox, oy);
}

std::vector<TRect> MaskRuns(const TFBitmap& mask, int32_t ox, int32_t oy) {
  return RunsOf(mask, ox, oy);
}

std::vector<uint8_t> MaskToRegionData(const TMaskBits& mask, int32_t ox, int32_t oy) {
  return RegionDataOfMask(mask, ox, oy);
}

std::vector<uint8_t> MaskToRegionData(const TFBitmap& mask, int32_t ox, int32_t oy) {
  return RegionDataOfMask(mask, ox, oy);
}

std::vector<uint8_t> MaskPartsRegionData(const TMaskRegionParts& parts) {
  if (!parts.HasRegion) return {};
  // Every run is one row high; the client rectangle is the only taller piece. Between two
  // neighbouring row edges the spans stay the same, so each such slab is one band.
  // Each band's runs come row by row: merging the bands' lists sorts them all.
  std::vector<TRect> runs;
  auto byRow = [](const TRect& a, const TRect& b) { return a.Top < b.Top; };
  for (const TMaskBand& band : parts.Bands) {
    const size_t before = runs.size();
    for (const TRect& run : MaskRuns(band.Picture, band.OffsetX, band.OffsetY))
      if (int64_t{run.Bottom} - run.Top == 1) runs.push_back(run);
    std::inplace_merge(runs.begin(), runs.begin() + before, runs.end(), byRow);
  }
  const TRect& n = parts.Client;
  std::vector<int64_t> rowEdges;
  for (const TRect& run : runs)
    if (rowEdges.empty() || rowEdges.back() != run.Bottom) {
      if (rowEdges.empty() || rowEdges.back() != run.Top) rowEdges.push_back(run.Top);
      rowEdges.push_back(run.Bottom);
    }
  const int64_t clientEdges[2] = {n.Top, n.Bottom};
  std::vector<int64_t> edges(rowEdges.size() + 2);
  std::merge(rowEdges.begin(), rowEdges.end(), clientEdges, clientEdges + 2, edges.begin());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

  std::vector<TRect> rects;
  TSpans spans, previous;
  size_t previousFirst = 0, next = 0;
  int64_t previousBottom = std::numeric_limits<int64_t>::min();
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    const int64_t top = edges[i], bottom = edges[i + 1];
    spans.clear();
    while (next < runs.size() && runs[next].Top < top) ++next;
    for (size_t k = next; k < runs.size() && runs[k].Top == top && bottom == top + 1; ++k)
      spans.emplace_back(runs[k].Left, runs[k].Right);
    if (top >= n.Top && bottom <= n.Bottom) spans.emplace_back(n.Left, n.Right);
    Merge(spans);
    if (spans.empty()) continue;
    if (spans == previous && top == previousBottom) {
      for (size_t k = previousFirst; k < rects.size(); ++k) rects[k].Bottom = static_cast<int32_t>(bottom);
    } else {
      previousFirst = rects.size();
      for (const auto& span : spans)
        rects.push_back({span.first, static_cast<int32_t>(top), span.second, static_cast<int32_t>(bottom)});
      std::swap(previous, spans);
    }
    previousBottom = bottom;
  }
  if (rects.empty()) return {};
  return RegionDataOf(rects, BoundsOf(rects));
}

TMaskRegionParts ComposeMaskRegionParts(const TFBitmap& mask, const TSkinDivision& source,
                                        const TSkinDivision& target, int32_t width) {
  return ComposeMaskRegionParts(TMaskBits::FromPicture(mask), source, target, width);
}

TMaskRegionParts ComposeMaskRegionParts(const TMaskBits& mask, const TSkinDivision& source,
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
    TMaskBand band{TMaskBits(plan.Width, plan.Height), ox, oy};
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
