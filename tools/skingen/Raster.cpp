#include "tools/skingen/Raster.h"

#include <algorithm>
#include <cmath>

namespace skingen {

Rgb rgb(int r, int g, int b) { return {double(r), double(g), double(b)}; }

Rgb mix(const Rgb& a, const Rgb& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static int channel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

int32_t colorValue(const Rgb& c) { return channel(c.r) | channel(c.g) << 8 | channel(c.b) << 16; }

Rgb quantize(const Rgb& c) { return rgb(channel(c.r), channel(c.g), channel(c.b)); }

Shape roundedRect(double x0, double y0, double x1, double y1, double radiusTop, double radiusBottom) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double r = y < (y0 + y1) / 2 ? radiusTop : radiusBottom;
    if (r <= 0) return true;
    const double cx = x < x0 + r ? x0 + r : (x > x1 - r ? x1 - r : x);
    const double cy = y < y0 + r ? y0 + r : (y > y1 - r ? y1 - r : y);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
  };
}

Shape disc(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

Shape segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double px = x0 + t * dx - x, py = y0 + t * dy - y;
    return px * px + py * py <= halfWidth * halfWidth;
  };
}

Shape unite(Shape a, Shape b) {
  return [a, b](double x, double y) { return a(x, y) || b(x, y); };
}

Shape subtract(Shape a, Shape b) {
  return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}

Paint solid(const Rgb& c) {
  return [c](double, double) { return c; };
}

Paint verticalGradient(std::vector<std::pair<double, Rgb>> stops) {
  return [stops](double, double y) {
    if (y <= stops.front().first) return stops.front().second;
    for (size_t i = 1; i < stops.size(); ++i) {
      if (y <= stops[i].first) {
        const double span = stops[i].first - stops[i - 1].first;
        return mix(stops[i - 1].second, stops[i].second, span > 0 ? (y - stops[i - 1].first) / span : 1);
      }
    }
    return stops.back().second;
  };
}

Raster::Raster(int width, int height, const Rgb& background)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, background) {}

void Raster::fillRect(const Rect& r, const Paint& paint) {
  for (int y = std::max(r.top, 0); y < std::min(r.bottom, height_); ++y)
    for (int x = std::max(r.left, 0); x < std::min(r.right, width_); ++x) set(x, y, paint(x + 0.5, y + 0.5));
}

std::vector<double> Raster::coverage(const Shape& shape) const {
  constexpr int n = 5;
  std::vector<double> result(pixels_.size());
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      int hits = 0;
      for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) hits += shape(x + (i + 0.5) / n, y + (j + 0.5) / n);
      result[index(x, y)] = double(hits) / (n * n);
    }
  return result;
}

void Raster::fill(const Shape& shape, const Paint& paint, double opacity) {
  const std::vector<double> cover = coverage(shape);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const double c = cover[index(x, y)] * opacity;
      if (c > 0) set(x, y, mix(at(x, y), paint(x + 0.5, y + 0.5), c));
    }
}

void Raster::copyFrom(const Raster& source, const Rect& from, int toX, int toY) {
  for (int y = 0; y < from.height(); ++y)
    for (int x = 0; x < from.width(); ++x) {
      const int sx = from.left + x, sy = from.top + y, tx = toX + x, ty = toY + y;
      if (sx >= 0 && sy >= 0 && sx < source.width_ && sy < source.height_ && tx >= 0 && ty >= 0 &&
          tx < width_ && ty < height_)
        set(tx, ty, source.at(sx, sy));
    }
}

Raster Raster::crop(const Rect& r) const {
  Raster out(r.width(), r.height());
  out.copyFrom(*this, r, 0, 0);
  return out;
}

static void put16(std::vector<uint8_t>& b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8 & 0xFF);
}
static void put32(std::vector<uint8_t>& b, uint32_t v) {
  put16(b, v & 0xFFFF);
  put16(b, v >> 16);
}

// File header and information header of a bottom-up picture without compression.
static std::vector<uint8_t> bmpHeaders(int width, int height, int bits, uint32_t paletteBytes, uint32_t pixelBytes) {
  std::vector<uint8_t> b;
  const uint32_t offset = 14 + 40 + paletteBytes;
  b.push_back('B');
  b.push_back('M');
  put32(b, offset + pixelBytes);
  put32(b, 0);
  put32(b, offset);
  put32(b, 40);
  put32(b, static_cast<uint32_t>(width));
  put32(b, static_cast<uint32_t>(height));
  put16(b, 1);
  put16(b, static_cast<uint32_t>(bits));
  put32(b, 0);
  put32(b, pixelBytes);
  put32(b, 2835);  // 72 dots per inch
  put32(b, 2835);
  put32(b, bits <= 8 ? 1u << bits : 0);
  put32(b, 0);
  return b;
}

std::vector<uint8_t> Raster::bmp24() const {
  const uint32_t stride = (static_cast<uint32_t>(width_) * 3 + 3) & ~3u;
  std::vector<uint8_t> b = bmpHeaders(width_, height_, 24, 0, stride * height_);
  for (int y = height_ - 1; y >= 0; --y) {
    for (int x = 0; x < width_; ++x) {
      const Rgb& c = at(x, y);
      b.push_back(static_cast<uint8_t>(channel(c.b)));
      b.push_back(static_cast<uint8_t>(channel(c.g)));
      b.push_back(static_cast<uint8_t>(channel(c.r)));
    }
    for (uint32_t pad = width_ * 3; pad < stride; ++pad) b.push_back(0);
  }
  return b;
}

std::vector<uint8_t> bmp1(const std::vector<bool>& inside, int width, int height) {
  const uint32_t stride = ((static_cast<uint32_t>(width) + 31) / 32) * 4;
  std::vector<uint8_t> b = bmpHeaders(width, height, 1, 8, stride * height);
  put32(b, 0x000000);
  put32(b, 0xFFFFFF);
  for (int y = height - 1; y >= 0; --y) {
    std::vector<uint8_t> row(stride, 0);
    for (int x = 0; x < width; ++x)
      if (!inside[static_cast<size_t>(y) * width + x]) row[x / 8] |= 0x80 >> (x % 8);
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

}  // namespace skingen
