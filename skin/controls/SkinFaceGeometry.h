#pragma once
// The arithmetic of a skinned control's face: how the skin's division follows the control's
// size, where places given in skin coordinates land on the control, and how the mask is cut
// for the window region.
#include <cstdint>

#include "skin/imaging/SPUtilsPiecePlan.h"

namespace tmv {

// What a control takes from its descriptor: the division points and client rectangle
// (relative to FaceRect's top-left corner), the face in the picture, and the resize mode.
struct TSkinFace {
  TSkinDivision Division;
  TRect FaceRect;
  TSkinResizeMode Mode = TSkinResizeMode::Fixed;
};

// Fits a requested size: Horizontal takes the skin's height, Vertical its width, Fixed both,
// Both keeps the request. Answers the division moved to the fitted size in `sized`; in the
// Empty mode nothing changes and the answer is false.
bool FitSkinSize(const TSkinFace& face, int32_t& width, int32_t& height, TSkinDivision& sized);

// A place given in skin coordinates (a caption or text area) on a control of width x height:
// it moves or grows with the edges it lies against.
TRect MapSkinRect(const TSkinFace& face, const TRect& r, int32_t width, int32_t height);

// How the mask is cut for a control's window region: a band mode divides the mask by its
// two points only, standing in for the missing ones.
struct TMaskDivision {
  TSkinDivision Source;
  TSkinDivision Target;
};
TMaskDivision MaskRegionDivision(const TSkinFace& face, const TSkinDivision& sized);

}  // namespace tmv
