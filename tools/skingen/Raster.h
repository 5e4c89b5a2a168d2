#pragma once
// An RGB picture in floating point with anti-aliased shape filling, and its BMP encodings.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace skingen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};
Rgb rgb(int r, int g, int b);
Rgb mix(const Rgb& a, const Rgb& b, double t);  // t = 0 gives a, 1 gives b
// The colour as the definition writes it: red in the low byte, then green, then blue.
int32_t colorValue(const Rgb& c);
// The colour as a picture stores it, each channel rounded to a whole number.
Rgb quantize(const Rgb& c);

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return width() < 1 || height() < 1; }
  Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// A shape answers whether a point (in pixel units, pixel centres at +0.5) lies inside it.
using Shape = std::function<bool(double x, double y)>;
// A paint answers the colour at a point.
using Paint = std::function<Rgb(double x, double y)>;

Shape roundedRect(double x0, double y0, double x1, double y1, double radiusTop, double radiusBottom);
Shape disc(double cx, double cy, double radius);
Shape segment(double x0, double y0, double x1, double y1, double halfWidth);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Paint solid(const Rgb& c);
// Vertical gradient through stops (y, colour), y in picture rows; flat beyond the ends.
Paint verticalGradient(std::vector<std::pair<double, Rgb>> stops);

class Raster {
public:
  Raster() = default;
  Raster(int width, int height, const Rgb& background = {});
  int width() const { return width_; }
  int height() const { return height_; }
  const Rgb& at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, const Rgb& c) { pixels_[index(x, y)] = c; }

  void fillRect(const Rect& r, const Paint& paint);
  // Blends the paint over every pixel by the shape's coverage, sampled 5 x 5 per pixel.
  void fill(const Shape& shape, const Paint& paint, double opacity = 1.0);
  // Coverage of the shape per pixel, 0..1.
  std::vector<double> coverage(const Shape& shape) const;
  void copyFrom(const Raster& source, const Rect& from, int toX, int toY);
  Raster crop(const Rect& r) const;

  // 24-bit bottom-up BMP file image.
  std::vector<uint8_t> bmp24() const;

private:
  size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }
  int width_ = 0, height_ = 0;
  std::vector<Rgb> pixels_;
};

// 1-bit BMP file image of a mask: true pixels are black (palette entry 0), the rest white.
std::vector<uint8_t> bmp1(const std::vector<bool>& inside, int width, int height);

}  // namespace skingen
