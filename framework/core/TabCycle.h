#pragma once
// Moving through controls in tab order: a ring of candidates in which Tab goes to the next
// one that can take the focus and Shift+Tab to the one before, wrapping at the ends.
#include <functional>

namespace tmv {

// The first index after `from` (before it when !forward) in a ring of `count` entries that
// accept takes. From -1 the search starts at the first entry (the last when !forward); from
// a valid index it may come round to `from` itself. -1 when accept takes none.
int NextInRing(int count, int from, bool forward, const std::function<bool(int)>& accept);

}  // namespace tmv
