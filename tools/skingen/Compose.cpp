#include "tools/skingen/Compose.h"

#include <algorithm>

namespace skingen {
namespace {

// Copies the source rectangle into the target rectangle, stretched when their sizes differ.
void copyRect(Raster& target, const Rect& to, const Raster& source, const Rect& from) {
  if (to.empty() || from.empty()) return;
  for (int y = to.top; y < to.bottom; ++y)
    for (int x = to.left; x < to.right; ++x) {
      const int sx = from.left + (x - to.left) * from.width() / to.width();
      const int sy = from.top + (y - to.top) * from.height() / to.height();
      if (x >= 0 && y >= 0 && x < target.width() && y < target.height() && sx >= 0 && sy >= 0 &&
          sx < source.width() && sy < source.height())
        target.set(x, y, source.at(sx, sy));
    }
}

}  // namespace

Raster composeNinePart(const Raster& p, const Rect& s, const Division& d, int w, int h) {
  Raster t(w, h);
  const Point lt = d.leftTop, rt = d.rightTop, lb = d.leftBottom, rb = d.rightBottom;
  const Rect c = d.client;
  if (rb.x == lt.x || rb.y == lt.y) return t;
  const int dw = w - s.width(), dh = h - s.height();
  const Point nlt = lt, nrt{rt.x + dw, rt.y}, nlb{lb.x, lb.y + dh}, nrb{rb.x + dw, rb.y + dh};
  const Rect n{c.left, c.top, c.right + dw, c.bottom + dh};
  const int sx = s.left, sy = s.top;
  for (int tile = rt.x - lt.x, k = 0; tile > 0 && k <= (nrt.x - nlt.x) / tile; ++k) {
    const int x = nlt.x + k * tile, cut = std::max(0, x + tile - nrt.x);
    copyRect(t, {x, 0, x + tile - cut, n.top}, p, {sx + lt.x, sy, sx + rt.x - cut, sy + c.top});
  }
  for (int tile = rb.x - lb.x, k = 0; tile > 0 && k <= (nrb.x - nlb.x) / tile; ++k) {
    const int x = nlb.x + k * tile, cut = std::max(0, x + tile - nrb.x);
    copyRect(t, {x, n.bottom, x + tile - cut, h}, p, {sx + lb.x, sy + c.bottom, sx + rb.x - cut, s.bottom});
  }
  for (int tile = lb.y - lt.y, k = 0; tile > 0 && k <= (nlb.y - nlt.y) / tile; ++k) {
    const int y = nlt.y + k * tile, cut = std::max(0, y + tile - nlb.y);
    copyRect(t, {0, y, n.left, y + tile - cut}, p, {sx, sy + lt.y, sx + n.left, sy + lb.y - cut});
  }
  for (int tile = rb.y - rt.y, k = 0; tile > 0 && k <= (nrb.y - nrt.y) / tile; ++k) {
    const int y = nrt.y + k * tile, cut = std::max(0, y + tile - nrb.y);
    copyRect(t, {n.right, y, w, y + tile - cut}, p, {sx + c.right, sy + rt.y, s.right, sy + rb.y - cut});
  }
  copyRect(t, {0, 0, nlt.x, n.top}, p, {sx, sy, sx + lt.x, sy + c.top});
  copyRect(t, {0, n.top, n.left, nlt.y}, p, {sx, sy + c.top, sx + c.left, sy + lt.y});
  copyRect(t, {nrt.x, 0, w, n.top}, p, {sx + rt.x, sy, s.right, sy + c.top});
  copyRect(t, {n.right, n.top, w, nrt.y}, p, {sx + c.right, sy + c.top, s.right, sy + rt.y});
  copyRect(t, {0, nlb.y, n.left, h}, p, {sx, sy + lb.y, sx + c.left, s.bottom});
  copyRect(t, {n.left, n.bottom, nlb.x, h}, p, {sx + c.left, sy + c.bottom, sx + lb.x, s.bottom});
  copyRect(t, {nrb.x, n.bottom, w, h}, p, {sx + rb.x, sy + c.bottom, s.right, s.bottom});
  copyRect(t, {n.right, nrb.y, w, n.bottom}, p, {sx + c.right, sy + rb.y, s.right, sy + c.bottom});
  const int cw = c.width(), ch = c.height();
  for (int i = 0; cw > 0 && i <= n.width() / cw; ++i)
    for (int j = 0; ch > 0 && j <= n.height() / ch; ++j) {
      const int cx = std::max(0, cw * (i + 1) - n.width()), cy = std::max(0, ch * (j + 1) - n.height());
      copyRect(t, {n.left + i * cw, n.top + j * ch, n.left + i * cw + cw - cx, n.top + j * ch + ch - cy}, p,
               {sx + c.left, sy + c.top, sx + c.right - cx, sy + c.bottom - cy});
    }
  return t;
}

Raster composeHorizontal(const Raster& p, const Rect& s, int a, int b, int w) {
  Raster t(w, s.height());
  copyRect(t, {0, 0, a, s.height()}, p, {s.left, s.top, s.left + a, s.bottom});
  copyRect(t, {w - b, 0, w, s.height()}, p, {s.right - b, s.top, s.right, s.bottom});
  const int m = s.width() - a - b;
  for (int k = 0; m > 0 && k <= (w - a - b) / m; ++k) {
    const int cut = std::max(0, a + m * (k + 1) - (w - b));
    copyRect(t, {a + k * m, 0, a + k * m + m - cut, s.height()}, p, {s.left + a, s.top, s.right - b - cut, s.bottom});
  }
  return t;
}

Raster composeVertical(const Raster& p, const Rect& s, int a, int b, int h) {
  Raster t(s.width(), h);
  copyRect(t, {0, 0, s.width(), a}, p, {s.left, s.top, s.right, s.top + a});
  copyRect(t, {0, h - b, s.width(), h}, p, {s.left, s.bottom - b, s.right, s.bottom});
  const int m = s.height() - a - b;
  for (int k = 0; m > 0 && k <= (h - a - b) / m; ++k) {
    const int cut = std::max(0, a + m * (k + 1) - (h - b));
    copyRect(t, {0, a + k * m, s.width(), a + k * m + m - cut}, p, {s.left, s.top + a, s.right, s.bottom - b - cut});
  }
  return t;
}

}  // namespace skingen
