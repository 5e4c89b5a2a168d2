#pragma once
// Positions in a list found by name, letter case ignored as SameText ignores it. The index
// keeps only a hash per position (one block of memory, no node per name), so the list keeps
// the names and the finder is told how to read them.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "framework/core/TextUtils.h"

namespace tmv {

class TSameTextIndex {
public:
  static constexpr size_t npos = static_cast<size_t>(-1);

  // Positions are added in increasing order; a name added twice is found at its first one.
  void Add(std::string_view name, size_t position) { slots_.push_back({TSameTextHash()(name), position}); }
  void Reserve(size_t count) { slots_.reserve(count); }
  void Clear() {
    slots_.clear();
    sorted_ = 0;
  }
  // The first position whose name (nameAt(position)) is name; npos when there is none.
  template <class NameAt>
  size_t Find(std::string_view name, const NameAt& nameAt) const {
    SortAdded();
    const size_t hash = TSameTextHash()(name);
    auto it = std::lower_bound(slots_.begin(), slots_.end(), hash,
                               [](const TSlot& slot, size_t value) { return slot.Hash < value; });
    for (; it != slots_.end() && it->Hash == hash; ++it)
      if (SameText(nameAt(it->Position), name)) return it->Position;
    return npos;
  }

private:
  struct TSlot {
    size_t Hash;
    size_t Position;
  };
  // Equal hashes in the order of their positions, which are unique: the order a stable sort
  // would give, without the buffer a stable sort takes. An object rather than a function, so
  // the sort and the search inline it.
  struct TByHashThenPosition {
    bool operator()(const TSlot& a, const TSlot& b) const {
      return a.Hash != b.Hash ? a.Hash < b.Hash : a.Position < b.Position;
    }
  };
  // Sorting waits for the first find after adds, so filling the index costs one sort.
  void SortAdded() const {
    if (sorted_ == slots_.size()) return;
    const auto middle = slots_.begin() + static_cast<std::ptrdiff_t>(sorted_);
    std::sort(middle, slots_.end(), TByHashThenPosition());
    std::inplace_merge(slots_.begin(), middle, slots_.end(), TByHashThenPosition());
    sorted_ = slots_.size();
  }

  mutable std::vector<TSlot> slots_;
  mutable size_t sorted_ = 0;
};

}  // namespace tmv
