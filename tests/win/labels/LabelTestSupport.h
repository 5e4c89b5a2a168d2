#pragma once
// Painting labels into memory bitmaps and reading the pixels back.
#include <windows.h>

#include <memory>
#include <set>
#include <utility>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"

namespace tmv {

using PixelSet = std::set<std::pair<int, int>>;

inline std::unique_ptr<TBitmap> NewBitmap(int w, int h) {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetBitCount(32);
  bmp->SetSize(w, h);
  return bmp;
}

inline COLORREF PixelAt(const TBitmap& bmp, int x, int y) {
  const uint8_t* p = bmp.ScanLine(y) + x * 4;
  return RGB(p[2], p[1], p[0]);
}

// The pixels exactly of one colour: text is smoothed at its edges, so only the cores of
// the strokes keep the pure colour of their pass.
inline PixelSet PixelsOf(const TBitmap& bmp, TColor color) {
  PixelSet set;
  const COLORREF rgb = ColorToRGB(color);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (PixelAt(bmp, x, y) == rgb) set.insert({x, y});
  return set;
}

inline PixelSet PixelsNotOf(const TBitmap& bmp, TColor background) {
  PixelSet set;
  const COLORREF rgb = ColorToRGB(background);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (PixelAt(bmp, x, y) != rgb) set.insert({x, y});
  return set;
}

inline PixelSet Shifted(const PixelSet& set, int dx, int dy) {
  PixelSet out;
  for (auto [x, y] : set) out.insert({x + dx, y + dy});
  return out;
}

inline bool IsSubset(const PixelSet& part, const PixelSet& whole) {
  for (const auto& p : part)
    if (!whole.count(p)) return false;
  return true;
}

inline SIZE Extent(const PixelSet& set) {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
  for (auto [x, y] : set) x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  return set.empty() ? SIZE{0, 0} : SIZE{x1 - x0 + 1, y1 - y0 + 1};
}

}  // namespace tmv
