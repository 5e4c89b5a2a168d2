#include "framework/core/TabCycle.h"

namespace tmv {

int NextInRing(int count, int from, bool forward, const std::function<bool(int)>& accept) {
  if (count <= 0) return -1;
  const int step = forward ? 1 : count - 1;
  int i = from;
  if (from < 0 || from >= count) i = forward ? count - 1 : 0;
  for (int tried = 0; tried < count; ++tried) {
    i = (i + step) % count;
    if (accept(i)) return i;
  }
  return -1;
}

}  // namespace tmv
