#include "skin/imaging/SPUtilsPiecePlan.h"

#include <algorithm>
#include <limits>

namespace tmv {

namespace {

// Skin values are arbitrary 32-bit numbers: sums are formed in 64 bits and saturated back.
int32_t Saturate(int64_t v) {
  return static_cast<int32_t>(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

class PlanBuilder {
public:
  PlanBuilder(TPiecePlan& plan, int64_t width, int64_t height)
      : plan_(plan), width_(width), height_(height) {}

  void Copy(int64_t sl, int64_t st, int64_t sr, int64_t sb, int64_t tl, int64_t tt, int64_t tr,
            int64_t tb) {
    if (sr <= sl || sb <= st || tr <= tl || tb <= tt) return;
    if (tr <= 0 || tb <= 0 || tl >= width_ || tt >= height_) return;
    const TPieceCopy copy{{Saturate(sl), Saturate(st), Saturate(sr), Saturate(sb)},
                          {Saturate(tl), Saturate(tt), Saturate(tr), Saturate(tb)}};
    // Pieces lying wholly beyond the 32-bit range collapse when saturated.
    if (copy.Source.IsEmpty() || copy.Target.IsEmpty()) return;
    plan_.push_back(copy);
  }

  // Tiles of length t laid from `start`: tile k covers start + k*t onward, k running from 0 to
  // (end - start) div t, each cut where it passes `end`. Tiles wholly before 0 or from `limit`
  // on are invisible and not visited, so a huge span costs no more than the bitmap's size; a
  // tile length below 1 lays nothing.
  template <class Emit>
  static void ForEachTile(int64_t start, int64_t end, int64_t t, int64_t limit, Emit emit) {
    if (t <= 0) return;
    const int64_t last = (end - start) / t;
    if (last < 0) return;
    for (int64_t k = start < 0 ? -start / t : 0; k <= last; ++k) {
      const int64_t pos = start + k * t;
      if (pos >= limit) break;
      emit(pos, std::max<int64_t>(0, pos + t - end));
    }
  }

  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }

private:
  TPiecePlan& plan_;
  int64_t width_, height_;
};

// A band tiled along x: source columns [from, to) over rows [top, bottom) repeat in the target
// from `start`, the last tile cut at `end`, over target rows [0, rows).
void TileAlongX(PlanBuilder& b, int64_t from, int64_t to, int64_t top, int64_t bottom,
                int64_t start, int64_t end, int64_t targetTop, int64_t targetBottom) {
  const int64_t t = to - from;
  PlanBuilder::ForEachTile(start, end, t, b.Width(), [&](int64_t x, int64_t cut) {
    b.Copy(from, top, to - cut, bottom, x, targetTop, x + t - cut, targetBottom);
  });
}

void TileAlongY(PlanBuilder& b, int64_t from, int64_t to, int64_t left, int64_t right,
                int64_t start, int64_t end, int64_t targetLeft, int64_t targetRight) {
  const int64_t t = to - from;
  PlanBuilder::ForEachTile(start, end, t, b.Height(), [&](int64_t y, int64_t cut) {
    b.Copy(left, from, right, to - cut, targetLeft, y, targetRight, y + t - cut);
  });
}

// The left or right border band of a frame: rows `upper` to `lower` of the source columns
// repeat (or stretch) down the band of height v; the rows between the client top and `upper`
// and between `lower` and the client bottom are fixed at the band's ends.
void PlanSideBand(TBandPlan& band, bool stretched, int64_t left, int64_t right, int64_t sy,
                  int64_t upper, int64_t lower, const TRect& client, int64_t v) {
  PlanBuilder b(band.Copies, band.Width, band.Height);
  if (stretched) {
    b.Copy(left, sy + upper, right, sy + lower, 0, upper - client.Top, band.Width,
           v + lower - client.Bottom);
  } else {
    TileAlongY(b, sy + upper, sy + lower, left, right, 0, v, 0, band.Width);
  }
  if (upper - client.Top > 0)
    b.Copy(left, sy + client.Top, right, sy + upper, 0, 0, band.Width, upper - client.Top);
  if (client.Bottom - lower > 0)
    b.Copy(left, sy + lower, right, sy + client.Bottom, 0, v + lower - client.Bottom, band.Width,
           v);
}

// The top or bottom border band of a frame from source rows [top, bottom).
void PlanEndBand(TBandPlan& band, bool stretched, const TRect& s, int64_t top, int64_t bottom,
                 int32_t leftPoint, int32_t rightPoint, int32_t newLeftPoint,
                 int32_t newRightPoint) {
  PlanBuilder b(band.Copies, band.Width, band.Height);
  const int64_t sx = s.Left;
  if (stretched) {
    b.Copy(sx + leftPoint, top, sx + rightPoint, bottom, newLeftPoint, 0, newRightPoint,
           band.Height);
  } else {
    TileAlongX(b, sx + leftPoint, sx + rightPoint, top, bottom, 0, band.Width, 0, band.Height);
  }
  b.Copy(sx, top, sx + leftPoint, bottom, 0, 0, newLeftPoint, band.Height);
  b.Copy(sx + rightPoint, top, s.Right, bottom, newRightPoint, 0, band.Width, band.Height);
}

}  // namespace

TSkinDivision TargetDivision(const TSkinDivision& s, int32_t sourceWidth, int32_t sourceHeight,
                             int32_t width, int32_t height) {
  const int64_t dw = int64_t{width} - sourceWidth;
  const int64_t dh = int64_t{height} - sourceHeight;
  TSkinDivision t = s;
  t.RT.X = Saturate(s.RT.X + dw);
  t.LB.Y = Saturate(s.LB.Y + dh);
  t.RB.X = Saturate(s.RB.X + dw);
  t.RB.Y = Saturate(s.RB.Y + dh);
  t.Client.Right = Saturate(s.Client.Right + dw);
  t.Client.Bottom = Saturate(s.Client.Bottom + dh);
  return t;
}

TPiecePlan PlanNinePart(const TSkinDivision& src, const TSkinDivision& tgt,
                        const TEdgeStretch& stretch, bool fill, int32_t width, int32_t height,
                        const TRect& s) {
  TPiecePlan plan;
  if (src.RB.X == src.LT.X || src.RB.Y == src.LT.Y) return plan;
  PlanBuilder b(plan, width, height);
  const int64_t sx = s.Left, sy = s.Top, sr = s.Right, sb = s.Bottom, w = width, h = height;
  const TRect& c = src.Client;
  const TRect& n = tgt.Client;

  if (stretch.Top)
    b.Copy(sx + src.LT.X, sy, sx + src.RT.X, sy + c.Top, tgt.LT.X, 0, tgt.RT.X, n.Top);
  else
    TileAlongX(b, sx + src.LT.X, sx + src.RT.X, sy, sy + c.Top, tgt.LT.X, tgt.RT.X, 0, n.Top);

  if (stretch.Bottom)
    b.Copy(sx + src.LB.X, sy + c.Bottom, sx + src.RB.X, sb, tgt.LB.X, n.Bottom, tgt.RB.X, h);
  else
    TileAlongX(b, sx + src.LB.X, sx + src.RB.X, sy + c.Bottom, sb, tgt.LB.X, tgt.RB.X, n.Bottom,
               h);

  if (stretch.Left)
    b.Copy(sx, sy + src.LT.Y, sx + n.Left, sy + src.LB.Y, 0, tgt.LT.Y, n.Left, tgt.LB.Y);
  else
    TileAlongY(b, sy + src.LT.Y, sy + src.LB.Y, sx, sx + n.Left, tgt.LT.Y, tgt.LB.Y, 0, n.Left);

  if (stretch.Right)
    b.Copy(sx + c.Right, sy + src.RT.Y, sr, sy + src.RB.Y, n.Right, tgt.RT.Y, w, tgt.RB.Y);
  else
    TileAlongY(b, sy + src.RT.Y, sy + src.RB.Y, sx + c.Right, sr, tgt.RT.Y, tgt.RB.Y, n.Right,
               w);

  b.Copy(sx, sy, sx + src.LT.X, sy + c.Top, 0, 0, tgt.LT.X, n.Top);
  b.Copy(sx, sy + c.Top, sx + c.Left, sy + src.LT.Y, 0, n.Top, n.Left, tgt.LT.Y);
  b.Copy(sx + src.RT.X, sy, sr, sy + c.Top, tgt.RT.X, 0, w, n.Top);
  b.Copy(sx + c.Right, sy + c.Top, sr, sy + src.RT.Y, n.Right, n.Top, w, tgt.RT.Y);
  b.Copy(sx, sy + src.LB.Y, sx + c.Left, sb, 0, tgt.LB.Y, n.Left, h);
  b.Copy(sx + c.Left, sy + c.Bottom, sx + src.LB.X, sb, n.Left, n.Bottom, tgt.LB.X, h);
  b.Copy(sx + src.RB.X, sy + c.Bottom, sr, sb, tgt.RB.X, n.Bottom, w, h);
  b.Copy(sx + c.Right, sy + src.RB.Y, sr, sy + c.Bottom, n.Right, tgt.RB.Y, w, n.Bottom);

  if (fill) {
    const int64_t cw = c.Width(), ch = c.Height();
    PlanBuilder::ForEachTile(n.Left, n.Right, cw, w, [&](int64_t x, int64_t cutX) {
      PlanBuilder::ForEachTile(n.Top, n.Bottom, ch, h, [&](int64_t y, int64_t cutY) {
        b.Copy(sx + c.Left, sy + c.Top, sx + c.Right - cutX, sy + c.Bottom - cutY, x, y,
               x + cw - cutX, y + ch - cutY);
      });
    });
  }
  return plan;
}

TPiecePlan PlanNinePartTiled(const TSkinDivision& source, const TSkinDivision& target, bool fill,
                             int32_t width, int32_t height, const TRect& sourceRect) {
  return PlanNinePart(source, target, TEdgeStretch{}, fill, width, height, sourceRect);
}

TPiecePlan PlanHorizontalBand(int32_t a, int32_t e, int32_t width, const TRect& s) {
  TPiecePlan plan;
  const int64_t h = s.Height();
  PlanBuilder b(plan, width, h);
  if (a != 0) b.Copy(s.Left, s.Top, int64_t{s.Left} + a, s.Bottom, 0, 0, a, h);
  if (e != 0) b.Copy(int64_t{s.Right} - e, s.Top, s.Right, s.Bottom, int64_t{width} - e, 0, width, h);
  TileAlongX(b, int64_t{s.Left} + a, int64_t{s.Right} - e, s.Top, s.Bottom, a,
             int64_t{width} - e, 0, h);
  return plan;
}

TPiecePlan PlanVerticalBand(int32_t a, int32_t e, int32_t height, const TRect& s) {
  TPiecePlan plan;
  const int64_t w = s.Width();
  PlanBuilder b(plan, w, height);
  if (a != 0) b.Copy(s.Left, s.Top, s.Right, int64_t{s.Top} + a, 0, 0, w, a);
  if (e != 0)
    b.Copy(s.Left, int64_t{s.Bottom} - e, s.Right, s.Bottom, 0, int64_t{height} - e, w, height);
  TileAlongY(b, int64_t{s.Top} + a, int64_t{s.Bottom} - e, s.Left, s.Right, a,
             int64_t{height} - e, 0, w);
  return plan;
}

TFrameBandPlans PlanFrameBands(const TSkinDivision& src, const TSkinDivision& tgt,
                               const TEdgeStretch& stretch, int32_t width, int32_t height,
                               const TRect& s) {
  TFrameBandPlans bands;
  const TRect& c = src.Client;
  const TRect& n = tgt.Client;
  const int64_t w = width;
  // The side bands fill the height between the end bands' nominal heights, whether or not an
  // end band could be built, so that they never depend on what an unbuilt band held before.
  const int64_t topHeight = std::max<int64_t>(0, n.Top);
  const int64_t bottomHeight = std::max<int64_t>(0, int64_t{height} - n.Bottom);
  const int64_t v = int64_t{height} - topHeight - bottomHeight;

  if (w > 0 && topHeight > 0 && int64_t{src.RT.X} - src.LT.X > 0) {
    bands.Top = {true, width, Saturate(topHeight), {}};
    PlanEndBand(bands.Top, stretch.Top, s, s.Top, int64_t{s.Top} + topHeight, src.LT.X, src.RT.X,
                tgt.LT.X, tgt.RT.X);
  }
  if (w > 0 && bottomHeight > 0 && int64_t{src.RB.X} - src.LB.X > 0) {
    bands.Bottom = {true, width, Saturate(bottomHeight), {}};
    PlanEndBand(bands.Bottom, stretch.Bottom, s, int64_t{s.Bottom} - bottomHeight, s.Bottom,
                src.LB.X, src.RB.X, tgt.LB.X, tgt.RB.X);
  }
  if (n.Left > 0 && v > 0 && int64_t{src.LB.Y} - src.LT.Y > 0) {
    bands.Left = {true, n.Left, Saturate(v), {}};
    PlanSideBand(bands.Left, stretch.Left, s.Left, int64_t{s.Left} + n.Left, s.Top, src.LT.Y,
                 src.LB.Y, c, v);
  }
  const int64_t r = w - n.Right;
  if (r >= 1 && v >= 1 && int64_t{src.RB.Y} - src.RT.Y >= 1) {
    bands.Right = {true, Saturate(r), Saturate(v), {}};
    PlanSideBand(bands.Right, stretch.Right, int64_t{s.Left} + c.Right, s.Right, s.Top, src.RT.Y,
                 src.RB.Y, c, v);
  }
  return bands;
}

TFrameBandPlans PlanMaskBands(const TSkinDivision& src, const TSkinDivision& tgt, int32_t width,
                              int32_t maskWidth, int32_t maskHeight) {
  TFrameBandPlans bands;
  // The bands are cut from the mask: a client rectangle reaching outside it would ask for
  // bands of any size.
  const TRect c{std::clamp(src.Client.Left, 0, std::max(maskWidth, 0)),
                std::clamp(src.Client.Top, 0, std::max(maskHeight, 0)),
                std::clamp(src.Client.Right, 0, std::max(maskWidth, 0)),
                std::clamp(src.Client.Bottom, 0, std::max(maskHeight, 0))};
  const int64_t nh = tgt.Client.Height();
  const int64_t w = width;

  auto side = [&](TBandPlan& band, int64_t left, int64_t right, int32_t upper, int32_t lower) {
    if (right - left <= 0 || nh <= 0) return;
    band = {true, Saturate(right - left), Saturate(nh), {}};
    PlanBuilder b(band.Copies, band.Width, band.Height);
    if (lower != upper) TileAlongY(b, upper, lower, left, right, 0, nh, 0, band.Width);
    if (int64_t{upper} - c.Top > 0) b.Copy(left, c.Top, right, upper, 0, 0, band.Width, upper - c.Top);
    if (int64_t{c.Bottom} - lower > 0)
      b.Copy(left, lower, right, c.Bottom, 0, nh + lower - c.Bottom, band.Width, nh);
  };
  auto end = [&](TBandPlan& band, int64_t top, int64_t bottom, int32_t leftPoint,
                 int32_t rightPoint, int32_t newLeft, int32_t newRight) {
    if (w < 1 || bottom - top < 1) return;
    band = {true, width, Saturate(bottom - top), {}};
    PlanBuilder b(band.Copies, band.Width, band.Height);
    if (rightPoint != leftPoint)
      TileAlongX(b, leftPoint, rightPoint, top, bottom, newLeft, newRight, 0, band.Height);
    b.Copy(0, top, leftPoint, bottom, 0, 0, leftPoint, band.Height);
    b.Copy(rightPoint, top, maskWidth, bottom, newRight, 0, w, band.Height);
  };

  side(bands.Left, 0, c.Left, src.LT.Y, src.LB.Y);
  side(bands.Right, c.Right, maskWidth, src.RT.Y, src.RB.Y);
  end(bands.Top, 0, c.Top, src.LT.X, src.RT.X, tgt.LT.X, tgt.RT.X);
  end(bands.Bottom, c.Bottom, maskHeight, src.LB.X, src.RB.X, tgt.LB.X, tgt.RB.X);
  return bands;
}

TSkinResizeMode DetectResizeMode(const TSkinDivision& src, const TRect& skinRect) {
  if (skinRect.IsEmpty()) return TSkinResizeMode::Empty;
  if (src.RB.X != 0 && src.RB.Y != 0) return TSkinResizeMode::Both;
  if (src.RT.X != 0 || src.RT.Y != 0) return TSkinResizeMode::Horizontal;
  if (src.LB.X != 0 || src.LB.Y != 0) return TSkinResizeMode::Vertical;
  return TSkinResizeMode::Fixed;
}

TBandPlan PlanControlImage(const TSkinDivision& src, const TRect& s, int32_t width,
                           int32_t height) {
  TBandPlan image;
  const TSkinResizeMode mode = DetectResizeMode(src, s);
  if (mode == TSkinResizeMode::Empty) return image;
  const int32_t sw = Saturate(s.Width()), sh = Saturate(s.Height());
  image.Built = true;
  switch (mode) {
    case TSkinResizeMode::Both:
      image.Width = width;
      image.Height = height;
      image.Copies = PlanNinePartTiled(src, TargetDivision(src, sw, sh, width, height), true,
                                       width, height, s);
      break;
    case TSkinResizeMode::Horizontal:
      image.Width = width;
      image.Height = sh;
      image.Copies = PlanHorizontalBand(src.LT.X, Saturate(int64_t{sw} - src.RT.X), width, s);
      break;
    case TSkinResizeMode::Vertical:
      image.Width = sw;
      image.Height = height;
      image.Copies = PlanVerticalBand(src.LT.Y, Saturate(int64_t{sh} - src.LB.Y), height, s);
      break;
    default:
      image.Width = sw;
      image.Height = sh;
      image.Copies = {{s, {0, 0, sw, sh}}};
      break;
  }
  return image;
}

TPiecePlan PlanTiled(const TRect& s, int32_t width, int32_t height) {
  TPiecePlan plan;
  PlanBuilder b(plan, width, height);
  const int64_t tw = s.Width(), th = s.Height();
  PlanBuilder::ForEachTile(0, width, tw, width, [&](int64_t x, int64_t cutX) {
    PlanBuilder::ForEachTile(0, height, th, height, [&](int64_t y, int64_t cutY) {
      b.Copy(s.Left, s.Top, s.Right - cutX, s.Bottom - cutY, x, y, x + tw - cutX, y + th - cutY);
    });
  });
  return plan;
}

namespace {

// Cuts [sl, sr) to [0, limit) and [tl, tr) in proportion; false when nothing is left.
bool ClipAxis(int32_t& sl, int32_t& sr, int32_t& tl, int32_t& tr, int32_t limit) {
  const int64_t sw = int64_t{sr} - sl, tw = int64_t{tr} - tl;
  const int64_t from = std::max<int64_t>(sl, 0), to = std::min<int64_t>(sr, limit);
  if (to <= from) return false;
  const int64_t newTl = tl + (from - sl) * tw / sw;
  const int64_t newTr = tl + (to - sl) * tw / sw;
  if (newTr <= newTl) return false;
  sl = static_cast<int32_t>(from);
  sr = static_cast<int32_t>(to);
  tl = Saturate(newTl);
  tr = Saturate(newTr);
  return true;
}

}  // namespace

TPiecePlan ClipPlanToSource(const TPiecePlan& plan, int32_t sourceWidth, int32_t sourceHeight) {
  TPiecePlan clipped;
  for (TPieceCopy p : plan) {
    if (p.Source.IsEmpty() || p.Target.IsEmpty()) continue;
    if (!ClipAxis(p.Source.Left, p.Source.Right, p.Target.Left, p.Target.Right, sourceWidth))
      continue;
    if (!ClipAxis(p.Source.Top, p.Source.Bottom, p.Target.Top, p.Target.Bottom, sourceHeight))
      continue;
    clipped.push_back(p);
  }
  return clipped;
}

TRect StripFrameRect(int32_t stripWidth, int32_t stripHeight, int32_t frame, int32_t frameCount) {
  if (frameCount < 1 || frame < 1 || frame > frameCount || stripHeight < 1) return {};
  const int32_t fw = stripWidth / frameCount;
  if (fw < 1) return {};
  return {(frame - 1) * fw, 0, frame * fw, stripHeight};
}

}  // namespace tmv
