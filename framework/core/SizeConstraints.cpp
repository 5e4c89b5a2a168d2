#include "framework/core/SizeConstraints.h"

#include <algorithm>

namespace tmv {

namespace {

int ConstrainSide(int size, int32_t min, int32_t max) {
  if (min > 0) size = std::max(size, static_cast<int>(min));
  if (max > 0) size = std::min(size, static_cast<int>(max));
  return size;
}

}  // namespace

const TClassInfo& TSizeConstraints::StaticClassInfo() {
  static const TClassInfo info("TSizeConstraints", &TPersistent::StaticClassInfo(), nullptr,
                               {prop::Integer<&TSizeConstraints::SetMaxHeight>("MaxHeight"),
                                prop::Integer<&TSizeConstraints::SetMaxWidth>("MaxWidth"),
                                prop::Integer<&TSizeConstraints::SetMinHeight>("MinHeight"),
                                prop::Integer<&TSizeConstraints::SetMinWidth>("MinWidth")});
  return info;
}

void TSizeConstraints::SetLimits(int32_t& min, int32_t& max, int32_t newMin, int32_t newMax) {
  if (newMin < 0 || newMax < 0 || (newMin == min && newMax == max)) return;
  min = newMin;
  max = newMax;
  onChange_(this);
}

void TSizeConstraints::SetMinWidth(int32_t value) {
  SetLimits(minWidth_, maxWidth_, value, maxWidth_ > 0 && value > maxWidth_ ? value : maxWidth_);
}

void TSizeConstraints::SetMinHeight(int32_t value) {
  SetLimits(minHeight_, maxHeight_, value,
            maxHeight_ > 0 && value > maxHeight_ ? value : maxHeight_);
}

void TSizeConstraints::SetMaxWidth(int32_t value) {
  SetLimits(minWidth_, maxWidth_, value > 0 && value < minWidth_ ? value : minWidth_, value);
}

void TSizeConstraints::SetMaxHeight(int32_t value) {
  SetLimits(minHeight_, maxHeight_, value > 0 && value < minHeight_ ? value : minHeight_, value);
}

void TSizeConstraints::Constrain(int& width, int& height) const {
  width = ConstrainSide(width, minWidth_, maxWidth_);
  height = ConstrainSide(height, minHeight_, maxHeight_);
}

}  // namespace tmv
