#pragma once
// Points and rectangles of skin pictures: signed 32-bit pixel coordinates.
#include <cstdint>

namespace tmv {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  bool operator==(const TPoint& o) const { return X == o.X && Y == o.Y; }
  bool operator!=(const TPoint& o) const { return !(*this == o); }
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int64_t Width() const { return int64_t{Right} - Left; }
  int64_t Height() const { return int64_t{Bottom} - Top; }
  // An empty rectangle means "not given" throughout a skin.
  bool IsEmpty() const { return Width() < 1 || Height() < 1; }
  bool operator==(const TRect& o) const {
    return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
  }
  bool operator!=(const TRect& o) const { return !(*this == o); }
};

}  // namespace tmv
