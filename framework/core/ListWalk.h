#pragma once
// Walking a list while the calls made for its items may change it.
#include <algorithm>
#include <vector>

namespace tmv {

// Calls f for each item the list held when the walk began, skipping items that have left it
// since (a call may free items or add new ones; new ones wait for the next walk).
template <class T, class F>
void ForEachListed(const std::vector<T*>& list, F&& f) {
  const std::vector<T*> snapshot = list;
  for (T* item : snapshot)
    if (std::find(list.begin(), list.end(), item) != list.end()) f(item);
}

}  // namespace tmv
