#pragma once
// Fitting a piece of a skin picture to any size: fixed corners, repeated edges and centre.
#include "tools/skingen/Definition.h"
#include "tools/skingen/Raster.h"

namespace skingen {

struct Division {
  Point leftTop, rightTop, leftBottom, rightBottom;
  Rect client;  // relative to the piece
};

// The piece s of the picture, sized width x height: corners copied, edges and centre tiled.
Raster composeNinePart(const Raster& picture, const Rect& s, const Division& d, int width, int height);
// The piece s widened to width: the ends stay, the middle is tiled.
Raster composeHorizontal(const Raster& picture, const Rect& s, int leftEnd, int rightEnd, int width);
// The piece s lengthened to height.
Raster composeVertical(const Raster& picture, const Rect& s, int topEnd, int bottomEnd, int height);

}  // namespace skingen
