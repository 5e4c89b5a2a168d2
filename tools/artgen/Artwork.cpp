#include "tools/artgen/Artwork.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <stdexcept>

#include "app/IconFileLayout.h"

namespace artgen {

using skingen::mix;
using skingen::Paint;
using skingen::Rgb;
using skingen::rgb;
using skingen::Shape;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The calm palette: sky and sea blues, a leaf green.
const Rgb kBlueLight = rgb(126, 182, 236);
const Rgb kBlue = rgb(62, 128, 204);
const Rgb kBlueDark = rgb(34, 84, 156);
const Rgb kPaper = rgb(250, 252, 255);
const Rgb kPaperLine = rgb(176, 196, 222);
const Rgb kSteel = rgb(208, 218, 232);
const Rgb kGreenLight = rgb(120, 204, 132);
const Rgb kGreen = rgb(58, 158, 88);
const Rgb kGreenDark = rgb(32, 112, 60);
const Rgb kWhite = rgb(255, 255, 255);
// What the glyphs' soft edges are blended over: the buttons' pale face.
const Rgb kButtonFace = rgb(238, 243, 250);
const Rgb kKey = rgb(255, 0, 255);

Shape polygon(std::vector<std::pair<double, double>> points) {
  return [points](double x, double y) {
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

// A stroke along a circle from angle `from` to `to` (degrees, clockwise on screen, 0 = right).
Shape arc(double cx, double cy, double radius, double halfWidth, double from, double to) {
  return [=](double x, double y) {
    const double d = std::hypot(x - cx, y - cy);
    if (d < radius - halfWidth || d > radius + halfWidth) return false;
    double a = std::atan2(y - cy, x - cx) * 180 / kPi;
    while (a < from) a += 360;
    return a <= to;
  };
}

std::pair<double, double> onCircle(double cx, double cy, double radius, double degrees) {
  return {cx + radius * std::cos(degrees * kPi / 180), cy + radius * std::sin(degrees * kPi / 180)};
}

Paint vertical(double top, const Rgb& a, double bottom, const Rgb& b) {
  return skingen::verticalGradient({{top, a}, {bottom, b}});
}

// A shape drawn with a darker rim: the outline first, the inset fill over it.
void framed(Layer& layer, const Shape& outer, const Shape& inner, const Rgb& rim, const Paint& fill) {
  layer.paint(outer, skingen::solid(rim));
  layer.paint(inner, fill);
}

void drawFloppy(Layer& g, double x0, double y0, double x1, double y1, bool faded) {
  const Rgb top = faded ? mix(kBlueLight, kWhite, 0.15) : kBlueLight;
  const Rgb bottom = faded ? mix(kBlue, kWhite, 0.15) : kBlue;
  const Rgb rim = faded ? mix(kBlueDark, kWhite, 0.2) : kBlueDark;
  const double w = x1 - x0;
  framed(g, skingen::roundedRect(x0, y0, x1, y1, 1.5, 1.5),
         skingen::roundedRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 0.8, 0.8), rim,
         vertical(y0, top, y1, bottom));
  // The label, with two lines of writing, and the metal shutter with its window.
  const double lx0 = x0 + w * 0.22, lx1 = x1 - w * 0.22, ly1 = y0 + (y1 - y0) * 0.48;
  g.paint(skingen::roundedRect(lx0, y0 + 1, lx1, ly1, 0, 0.6), skingen::solid(kPaper));
  if (!faded && lx1 - lx0 > 5) {
    g.paint(skingen::segment(lx0 + 1.2, y0 + 3.5, lx1 - 1.2, y0 + 3.5, 0.45), skingen::solid(kPaperLine));
    g.paint(skingen::segment(lx0 + 1.2, y0 + 5.3, lx1 - 1.2, y0 + 5.3, 0.45), skingen::solid(kPaperLine));
  }
  const double sx0 = x0 + w * 0.3, sx1 = x1 - w * 0.22, sy0 = y1 - (y1 - y0) * 0.34;
  g.paint(skingen::roundedRect(sx0, sy0, sx1, y1 - 1, 0.5, 0), skingen::solid(kSteel));
  g.paint(skingen::roundedRect(sx1 - (sx1 - sx0) * 0.42, sy0 + 1, sx1 - (sx1 - sx0) * 0.2, y1 - 2, 0, 0),
          skingen::solid(rim));
}

Layer drawOpen() {
  Layer g(16);
  // The folder's back with its tab, a sheet of paper, and the front flap swung open.
  framed(g, skingen::unite(skingen::roundedRect(1, 2.5, 7, 6, 1, 0), skingen::roundedRect(1, 4, 13, 14, 1, 1)),
         skingen::unite(skingen::roundedRect(2, 3.5, 6, 6, 0.6, 0), skingen::roundedRect(2, 5, 12, 13, 0.5, 0.5)),
         kBlueDark, vertical(3, kBlue, 13, kBlueDark));
  g.paint(skingen::roundedRect(3.5, 5.5, 12.5, 11, 0.5, 0), skingen::solid(kPaper));
  g.paint(skingen::segment(5, 7.3, 11, 7.3, 0.4), skingen::solid(kPaperLine));
  framed(g, polygon({{4, 8}, {15.5, 8}, {12.6, 14}, {1, 14}}), polygon({{4.7, 9}, {14, 9}, {11.9, 13}, {2.3, 13}}),
         kBlueDark, vertical(8, kBlueLight, 14, kBlue));
  return g;
}

Layer drawSave() {
  Layer g(16);
  drawFloppy(g, 1.5, 1.5, 14.5, 14.5, false);
  return g;
}

Layer drawSaveAll() {
  Layer g(16);
  drawFloppy(g, 5, 0.5, 15.5, 11, true);
  // A pale gap keeps the front disk apart from the one behind it.
  const Shape back = skingen::roundedRect(5, 0.5, 15.5, 11, 1.5, 1.5);
  const Shape gap = skingen::roundedRect(0.5, 3.5, 13, 16, 2, 2);
  g.paint([back, gap](double x, double y) { return back(x, y) && gap(x, y); }, skingen::solid(kButtonFace));
  drawFloppy(g, 1.5, 4.5, 12, 15, false);
  return g;
}

Layer drawHelp() {
  Layer g(16);
  framed(g, skingen::disc(8, 8, 7.4), skingen::disc(8, 8, 6.4), kBlueDark,
         vertical(1.5, kBlueLight, 14.5, kBlue));
  // The question mark: a hook, its stem and the dot.
  const auto [hx, hy] = onCircle(8, 6, 2.3, 45);
  const Shape hook = skingen::unite(arc(8, 6, 2.3, 1.0, -180, 45), skingen::disc(5.7, 6, 1.0));
  const Shape stem = skingen::unite(skingen::segment(hx, hy, 8, 9.2, 1.0), skingen::segment(8, 9.2, 8, 9.8, 1.0));
  g.paint(skingen::unite(hook, stem), skingen::solid(kWhite));
  g.paint(skingen::disc(8, 12.4, 1.15), skingen::solid(kWhite));
  return g;
}

Shape arrowHead(double cx, double cy, double radius, double degrees, bool clockwise, double size) {
  // Tip ahead along the circle, base across the stroke.
  const double step = clockwise ? 1 : -1;
  const auto [bx, by] = onCircle(cx, cy, radius, degrees);
  const double tangent = (degrees + 90 * step) * kPi / 180;
  const double tx = bx + size * std::cos(tangent), ty = by + size * std::sin(tangent);
  const double nx = std::cos(degrees * kPi / 180), ny = std::sin(degrees * kPi / 180);
  return polygon({{bx + nx * size, by + ny * size}, {tx, ty}, {bx - nx * size, by - ny * size}});
}

Layer drawUpdate() {
  Layer g(16);
  // Two arrows chasing each other round a circle.
  const double r = 4.8, hw = 1.2;
  const Shape arrows = skingen::unite(
      skingen::unite(arc(8, 8, r, hw, -175, -45), arrowHead(8, 8, r, -45, true, 3.0)),
      skingen::unite(arc(8, 8, r, hw, 5, 135), arrowHead(8, 8, r, 135, true, 3.0)));
  const Shape rim = [arrows](double x, double y) {
    for (const auto& [dx, dy] : {std::pair{0.7, 0.0}, {-0.7, 0.0}, {0.0, 0.7}, {0.0, -0.7}})
      if (arrows(x + dx, y + dy)) return true;
    return false;
  };
  g.paint(rim, skingen::solid(kGreenDark));
  g.paint(arrows, vertical(2, kGreenLight, 14, kGreen));
  return g;
}

}  // namespace

Layer::Layer(int size)
    : size_(size), colour_(size_t(size) * size_t(size)), alpha_(size_t(size) * size_t(size), 0.0) {}

void Layer::paint(const Shape& shape, const Paint& paint, double opacity) {
  const std::vector<double> cover = skingen::Raster(size_, size_).coverage(shape);
  for (int y = 0; y < size_; ++y)
    for (int x = 0; x < size_; ++x) {
      const double a = cover[index(x, y)] * opacity;
      if (a <= 0) continue;
      const double below = alpha_[index(x, y)] * (1 - a);
      const double out = a + below;
      const Rgb src = paint(x + 0.5, y + 0.5), dst = colour_[index(x, y)];
      colour_[index(x, y)] = {(src.r * a + dst.r * below) / out, (src.g * a + dst.g * below) / out,
                              (src.b * a + dst.b * below) / out};
      alpha_[index(x, y)] = out;
    }
}

Layer drawGlyph(Glyph glyph) {
  switch (glyph) {
    case Glyph::Open: return drawOpen();
    case Glyph::Save: return drawSave();
    case Glyph::SaveAll: return drawSaveAll();
    case Glyph::Help: return drawHelp();
    case Glyph::Update: return drawUpdate();
  }
  throw std::logic_error("unknown glyph");
}

Layer drawProgramIcon(int size) {
  Layer g(size);
  const double s = size / 48.0;
  auto box = [s](double x0, double y0, double x1, double y1, double r) {
    return skingen::roundedRect(x0 * s, y0 * s, x1 * s, y1 * s, r * s, r * s);
  };
  // A glass tile holding a few icons, and a green badge with the arrow that takes one out.
  framed(g, box(2, 2, 46, 46, 9), box(3.5, 3.5, 44.5, 44.5, 7.8), kBlueDark,
         vertical(3 * s, kBlueLight, 45 * s, kBlueDark));
  g.paint(box(4, 4, 44, 22, 7), skingen::solid(kWhite), 0.22);
  const Rgb tiles[] = {kPaper, rgb(214, 236, 250), rgb(226, 244, 230)};
  if (size >= 24) {
    g.paint(box(10, 10, 22, 22, 2.5), skingen::solid(tiles[0]));
    g.paint(box(26, 10, 38, 22, 2.5), skingen::solid(tiles[1]));
    g.paint(box(10, 26, 22, 38, 2.5), skingen::solid(tiles[2]));
  } else {
    g.paint(box(9, 9, 27, 27, 3), skingen::solid(tiles[0]));
  }
  const double cx = 34 * s, cy = 34 * s, r = (size >= 24 ? 11.5 : 13) * s;
  framed(g, skingen::disc(cx, cy, r + 1.2 * std::max(s, 0.75)), skingen::disc(cx, cy, r), kGreenDark,
         vertical(cy - r, kGreenLight, cy + r, kGreen));
  const double a = r * 0.55, hw = std::max(r * 0.14, 0.8);
  g.paint(skingen::unite(skingen::segment(cx, cy - a, cx, cy + a * 0.5, hw),
                         polygon({{cx - a * 0.85, cy + a * 0.05}, {cx + a * 0.85, cy + a * 0.05}, {cx, cy + a}})),
          skingen::solid(kWhite));
  return g;
}

namespace {

int channel(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

std::vector<uint8_t> bgra(const Rgb& c, double alpha) {
  return {uint8_t(channel(c.b)), uint8_t(channel(c.g)), uint8_t(channel(c.r)), uint8_t(channel(alpha * 255))};
}

}  // namespace

std::vector<uint8_t> glyphBitmapFile(const Layer& glyph, int bitCount) {
  const int n = glyph.size();
  if (glyph.alpha(0, n - 1) > 0) throw std::logic_error("a glyph covers its transparent corner");
  // Bottom-up rows of (blue, green, red, opacity) with the key colour where nothing is drawn.
  std::vector<std::vector<uint8_t>> pixels;
  for (int y = n - 1; y >= 0; --y)
    for (int x = 0; x < n; ++x) {
      const double a = glyph.alpha(x, y);
      pixels.push_back(a < 1.0 / 512 ? bgra(kKey, 0) : bgra(mix(kButtonFace, glyph.colour(x, y), a), a));
    }
  const tmv::TImageFormat format{n, n, bitCount};
  std::vector<uint8_t> palette, rows;
  if (bitCount == 32) {
    for (const auto& p : pixels) rows.insert(rows.end(), p.begin(), p.end());
  } else {
    // Every colour gets its own entry; a 16×16 glyph cannot have more than 256.
    std::map<std::vector<uint8_t>, int> index;
    palette.assign(size_t(format.PaletteBytes()), 0);
    for (const auto& p : pixels) {
      const std::vector<uint8_t> key = {p[0], p[1], p[2], 0};
      auto [it, added] = index.emplace(key, int(index.size()));
      if (added) {
        if (it->second >= format.PaletteEntries()) throw std::logic_error("too many colours");
        std::copy(key.begin(), key.end(), palette.begin() + 4 * it->second);
      }
      rows.push_back(uint8_t(it->second));
    }
    rows.resize(size_t(format.PixelBytes()));  // rows of 16 bytes need no padding
  }
  return tmv::ComposeBitmapFile(format, palette, rows);
}

std::vector<uint8_t> iconFile(const std::vector<Layer>& images) {
  std::vector<std::vector<uint8_t>> bodies;
  for (const Layer& image : images) {
    const int n = image.size();
    const tmv::TImageFormat format{n, n, 32};
    std::vector<uint8_t> body;
    tmv::AppendInfoHeader(body, format, 2 * n, 0);
    for (int y = n - 1; y >= 0; --y)
      for (int x = 0; x < n; ++x) {
        const auto p = bgra(image.colour(x, y), image.alpha(x, y));
        body.insert(body.end(), p.begin(), p.end());
      }
    const size_t maskRow = size_t(tmv::RowBytes(n, 1));
    std::vector<uint8_t> mask(maskRow * size_t(n));
    for (int y = n - 1, row = 0; y >= 0; --y, ++row)
      for (int x = 0; x < n; ++x)
        if (image.alpha(x, y) < 0.5) mask[size_t(row) * maskRow + size_t(x / 8)] |= uint8_t(0x80 >> (x % 8));
    body.insert(body.end(), mask.begin(), mask.end());
    bodies.push_back(std::move(body));
  }
  std::vector<uint8_t> out;
  tmv::AppendUInt16(out, 0);
  tmv::AppendUInt16(out, 1);
  tmv::AppendUInt16(out, uint32_t(images.size()));
  uint32_t offset = uint32_t(6 + 16 * images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    out.push_back(uint8_t(images[i].size()));
    out.push_back(uint8_t(images[i].size()));
    out.push_back(0);  // no colour table
    out.push_back(0);
    tmv::AppendUInt16(out, 1);   // planes
    tmv::AppendUInt16(out, 32);  // bits per pixel
    tmv::AppendUInt32(out, uint32_t(bodies[i].size()));
    tmv::AppendUInt32(out, offset);
    offset += uint32_t(bodies[i].size());
  }
  for (const auto& body : bodies) out.insert(out.end(), body.begin(), body.end());
  return out;
}

std::vector<OutputFile> allArtwork() {
  return {
      {"glyphs/open.bmp", glyphBitmapFile(drawGlyph(Glyph::Open), 8)},
      {"glyphs/save.bmp", glyphBitmapFile(drawGlyph(Glyph::Save), 8)},
      {"glyphs/saveall.bmp", glyphBitmapFile(drawGlyph(Glyph::SaveAll), 8)},
      {"glyphs/help.bmp", glyphBitmapFile(drawGlyph(Glyph::Help), 8)},
      {"glyphs/update.bmp", glyphBitmapFile(drawGlyph(Glyph::Update), 32)},
      {"icons/TalvexMorvane.ico", iconFile({drawProgramIcon(16), drawProgramIcon(32), drawProgramIcon(48)})},
  };
}

}  // namespace artgen
