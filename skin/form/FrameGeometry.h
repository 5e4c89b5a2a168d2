#pragma once
// The skin's frame fitted to a window size: where the corners, client area, caption, button
// row, mask area and sizing corners of a skinned form are, how its borders answer hit tests,
// and where a dragged form snaps. Needs no window.
#include <cstdint>
#include <functional>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/imaging/SPUtilsPiecePlan.h"
#include "skin/imaging/SkinGeometry.h"

namespace tmv {

// The frame can follow the window size only when the right-bottom point lies right of and
// below the left-top one.
bool FrameStretchable(const TspFormInfo& info);

class TspFrameGeometry {
public:
  TspFrameGeometry() = default;
  // pictureWidth x pictureHeight: the frame picture; width x height: the window.
  TspFrameGeometry(const TspFormInfo& info, int32_t pictureWidth, int32_t pictureHeight,
                   int32_t width, int32_t height);

  int32_t PictureWidth = 0, PictureHeight = 0;
  int32_t Width = 0, Height = 0;
  int32_t Dx = 0, Dy = 0;
  TPoint LT, RT, LB, RB;
  TRect ClientRect, CaptionRect, ButtonsRect, MaskRect, MainMenuRect;
  TPoint HitLT, HitRT, HitLB, HitRB;
  int32_t ButtonsOffset = 0;
  bool ButtonsInLeft = false;

  // The frame's division of the picture, and the one the mask is cut by (its client part is
  // the mask's opaque rectangle).
  TSkinDivision PictureDivision() const { return picture_; }
  TSkinDivision MaskDivision() const { return mask_; }
  TSkinDivision TargetDivision() const;
  TSkinDivision TargetMaskDivision() const;
  // Where an object placed at skinRect on the picture stands on the window.
  TRect MapObjectRect(const TRect& skinRect) const;

private:
  TSkinDivision picture_;
  TSkinDivision mask_;
};

// How the rolled-up picture follows the form's width: fixed ends (the roll-up left point's X
// and the picture's width minus the right point's X) with the middle tiled, when the left
// point lies left of the right one and a middle is left between the ends; otherwise the
// picture keeps its size. Points beyond the picture are cut to it.
struct TspRollUpBand {
  bool Stretchable = false;
  int32_t LeftEnd = 0, RightEnd = 0;
};
TspRollUpBand RollUpBand(const TspFormInfo& info, int32_t pictureWidth);

// Where an object placed at skinRect on the roll-up picture stands on a rolled-up form of
// width: in the left end unchanged, in the right end moved with the width, across the middle
// from end to end widened with it.
TRect MapRollUpObjectRect(const TspRollUpBand& band, int32_t pictureWidth, int32_t width,
                          const TRect& skinRect);

// Widths of the four borders around the client area (left, top, right, bottom).
TRect FrameBorders(const TspFormInfo& info, int32_t pictureWidth, int32_t pictureHeight);

// Hit-test codes, the system's values.
enum TspHitCode : int32_t {
  htClient = 1, htCaption = 2, htLeft = 10, htRight = 11, htTop = 12, htTopLeft = 13,
  htTopRight = 14, htBottom = 15, htBottomLeft = 16, htBottomRight = 17, htObject = 19
};

// What the frame's state adds to a hit test.
struct TspFrameHitState {
  bool RolledUpOrMinimized = false;
  bool Maximized = false;
  bool Sizeable = true;
  bool InSizeMove = false;
  bool ObjectHovered = false;  // some frame object is under the mouse
  bool OnCaption = false;      // the point is on a caption object taking part
};

// Whether a window point lies inside the window's shape.
using TspShapeTest = std::function<bool(TPoint)>;

// A point of a skinned frame, in window coordinates. borderWidth is how far from the shape's
// edge a point still sizes the window.
int32_t SkinFrameHitTest(const TspFrameGeometry& g, TPoint p, int32_t borderWidth,
                         const TspFrameHitState& state, const TspShapeTest& insideShape);

// The built-in frame: 3-pixel borders, a caption of captionHeight under the top border.
int32_t DefaultFrameHitTest(TPoint p, int32_t width, int32_t height, int32_t captionHeight,
                            const TRect& captionArea, const TspFrameHitState& state);

// A form at (left, top) of width x height moved onto the edges of area that lie closer than
// magneticSize; answers the new top-left corner.
TPoint SnapToEdges(const TRect& area, int32_t magneticSize, TPoint topLeft, int32_t width,
                   int32_t height);

// Where a minimized frame of width x height goes: the first slot, along the bottom of area and
// then row by row upwards, whose top-left corner no other minimized frame holds; the
// bottom-left slot when every one is held.
TPoint FreeMinimizedSlot(const TRect& area, int32_t width, int32_t height, const std::vector<TPoint>& held);

}  // namespace tmv
