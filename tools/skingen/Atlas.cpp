#include "tools/skingen/Atlas.h"

#include <algorithm>
#include <stdexcept>

namespace skingen {

Atlas::Atlas(std::string fileName, int width, const Rgb& background)
    : fileName_(std::move(fileName)), width_(width), background_(background) {}

Rect Atlas::add(const Raster& piece) {
  if (piece.width() > width_) throw std::invalid_argument("piece wider than the picture " + fileName_);
  if (x_ + piece.width() > width_) {
    rowTop_ += rowHeight_ + kGap;
    rowHeight_ = 0;
    x_ = 0;
  }
  const Rect at{x_, rowTop_, x_ + piece.width(), rowTop_ + piece.height()};
  placed_.push_back({piece, at});
  x_ += piece.width() + kGap;
  rowHeight_ = std::max(rowHeight_, piece.height());
  return at;
}

Raster Atlas::picture() const {
  Raster out(width_, rowTop_ + rowHeight_, background_);
  for (const Placed& p : placed_) out.copyFrom(p.piece, {0, 0, p.piece.width(), p.piece.height()}, p.at.left, p.at.top);
  return out;
}

}  // namespace skingen
