#pragma once
// Packs many small pieces into one picture, row by row, and answers where each one went.
#include <string>
#include <vector>

#include "tools/skingen/Raster.h"

namespace skingen {

class Atlas {
public:
  Atlas(std::string fileName, int width, const Rgb& background);
  const std::string& fileName() const { return fileName_; }
  // Places the piece on the current row, or on a new row when it does not fit.
  Rect add(const Raster& piece);
  // The packed picture, as high as its rows.
  Raster picture() const;

private:
  struct Placed {
    Raster piece;
    Rect at;
  };
  std::string fileName_;
  int width_;
  Rgb background_;
  std::vector<Placed> placed_;
  int rowTop_ = 0, rowHeight_ = 0, x_ = 0;
  static constexpr int kGap = 1;
};

}  // namespace skingen
