#pragma once
// Composition of skin pictures as plans: lists of source-to-target rectangle copies. Building
// the plan needs no device context, so the loops and origins are the same on every platform;
// a copy whose source and target sizes differ is drawn stretched.
#include <cstdint>
#include <vector>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

struct TPieceCopy {
  TRect Source;
  TRect Target;
  bool operator==(const TPieceCopy& o) const { return Source == o.Source && Target == o.Target; }
};

// Only copies that draw something are kept: both rectangles have a positive width and height,
// and the target reaches into the bitmap being drawn.
using TPiecePlan = std::vector<TPieceCopy>;

// The division of a skin image: the four points and the client rectangle, relative to the
// source rectangle's top-left corner.
struct TSkinDivision {
  TPoint LT, RT, LB, RB;
  TRect Client;
};

// The same division moved to a target of another size: the points right of or below the
// client rectangle move with the size change, the client rectangle grows with it.
TSkinDivision TargetDivision(const TSkinDivision& source, int32_t sourceWidth,
                             int32_t sourceHeight, int32_t width, int32_t height);

struct TEdgeStretch {
  bool Bottom = false;
  bool Right = false;
  bool Top = false;
  bool Left = false;
};

// Corners kept, edges tiled (or stretched where the flag says so), centre tiled when fill is
// set. Empty when RB.x = LT.x or RB.y = LT.y.
TPiecePlan PlanNinePart(const TSkinDivision& source, const TSkinDivision& target,
                        const TEdgeStretch& stretch, bool fill, int32_t width, int32_t height,
                        const TRect& sourceRect);
TPiecePlan PlanNinePartTiled(const TSkinDivision& source, const TSkinDivision& target, bool fill,
                             int32_t width, int32_t height, const TRect& sourceRect);

// Fixed ends of the given lengths, middle tiled; the target is width x source height
// (horizontal) or source width x height (vertical).
TPiecePlan PlanHorizontalBand(int32_t leftEnd, int32_t rightEnd, int32_t width,
                              const TRect& sourceRect);
TPiecePlan PlanVerticalBand(int32_t topEnd, int32_t bottomEnd, int32_t height,
                            const TRect& sourceRect);

// One border band: when Built is false the band's bitmap is neither resized nor drawn.
struct TBandPlan {
  bool Built = false;
  int32_t Width = 0;
  int32_t Height = 0;
  TPiecePlan Copies;
};

struct TFrameBandPlans {
  TBandPlan Top, Bottom, Left, Right;
};

// The four border bands of a resized frame, each in its own coordinates.
TFrameBandPlans PlanFrameBands(const TSkinDivision& source, const TSkinDivision& target,
                               const TEdgeStretch& stretch, int32_t width, int32_t height,
                               const TRect& sourceRect);

// The four bands of a mask of maskWidth x maskHeight at the target size, always tiled.
TFrameBandPlans PlanMaskBands(const TSkinDivision& source, const TSkinDivision& target,
                              int32_t width, int32_t maskWidth, int32_t maskHeight);

// How a control's skin image follows the control's size.
enum class TSkinResizeMode : int32_t {
  Empty = -1,  // the skin rectangle is empty: no image
  Fixed = 0,   // the image at its own size
  Both = 1,    // nine parts
  Horizontal = 2,
  Vertical = 3,
};

// Both when both coordinates of RB are given, Horizontal when RT is, Vertical when LB is,
// Fixed otherwise.
TSkinResizeMode DetectResizeMode(const TSkinDivision& source, const TRect& skinRect);

// A control's skin image at the control's size, by DetectResizeMode: nine parts with the
// centre filled, a horizontal band (ends LT.x and Sw - RT.x), a vertical band (ends LT.y and
// Sh - LB.y), or the image as it is. Not built in the Empty mode.
TBandPlan PlanControlImage(const TSkinDivision& source, const TRect& skinRect, int32_t width,
                           int32_t height);

// The source rectangle repeated from (0, 0) over width x height, the last column and row cut.
TPiecePlan PlanTiled(const TRect& sourceRect, int32_t width, int32_t height);

// Every copy cut to the part of its source that lies inside a picture of sourceWidth x
// sourceHeight, its target cut in proportion; copies with nothing left are dropped.
TPiecePlan ClipPlanToSource(const TPiecePlan& plan, int32_t sourceWidth, int32_t sourceHeight);

// The strip's columns of frame k (from 1) of n; empty when there is no such frame.
TRect StripFrameRect(int32_t stripWidth, int32_t stripHeight, int32_t frame, int32_t frameCount);

}  // namespace tmv
