#include "tools/skingen/Art.h"

#include <cmath>

#include "tools/skingen/Theme.h"

namespace skingen {

std::vector<uint8_t> Picture::bmp() const {
  if (!oneBit) return image.bmp24();
  std::vector<bool> inside(static_cast<size_t>(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const Rgb& c = image.at(x, y);
      inside[static_cast<size_t>(y) * image.width() + x] = c.r + c.g + c.b < 384;
    }
  return bmp1(inside, image.width(), image.height());
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> Skin::files() const {
  std::vector<std::pair<std::string, std::vector<uint8_t>>> out;
  for (const Picture* p : {&frame, &inactiveFrame, &frameMask}) out.emplace_back(p->fileName, p->bmp());
  for (const Picture& p : activePictures) out.emplace_back(p.fileName, p.bmp());
  const std::string text = definition.text();
  out.emplace_back("skin.ini", std::vector<uint8_t>(text.begin(), text.end()));
  return out;
}

Skin buildSkin() {
  Skin skin;
  Atlas frameParts("frameparts.bmp", 256, theme::kClient);
  Atlas controls("controls.bmp", 256, theme::kClient);

  Section& version = skin.definition.section("VERSION");
  version.text("skinname", "\xC4\xAC\xC8\xCF");  // "默认"
  version.text("skinauthor", "TalvexMorvane");
  version.text("authoremail", "");
  version.text("authorurl", "");
  version.text("skincomments", "Light blue glass");
  skin.definition.section("PICTURES");
  skin.definition.section("FORMINFO");
  skin.definition.section("POPUPWINDOW");
  skin.definition.section("HINTWINDOW");
  skin.definition.section("SKINAREAS").integer("count", 0);
  skin.definition.section("SKINOBJECTS");
  skin.definition.section("SKINCONTROLS");

  addFrame(skin, frameParts);
  addMenusAndHint(skin, frameParts);
  addControls(skin, controls);
  addListControls(skin, controls);

  std::vector<Picture> pictures;
  pictures.push_back({frameParts.fileName(), frameParts.picture()});
  pictures.push_back({controls.fileName(), controls.picture()});
  for (Picture& p : skin.activePictures) pictures.push_back(std::move(p));
  skin.activePictures = std::move(pictures);

  Section& names = skin.definition.section("PICTURES");
  names.text("picture", skin.frame.fileName);
  names.text("inactivepicture", skin.inactiveFrame.fileName);
  names.text("mask", skin.frameMask.fileName);
  names.text("rolluppicture", "");
  names.text("rollupmask", "");
  names.integer("activepicturescount", static_cast<int>(skin.activePictures.size()));
  for (size_t i = 0; i < skin.activePictures.size(); ++i)
    names.text(std::to_string(i), skin.activePictures[i].fileName);
  return skin;
}

Section& controlSection(Skin& skin, const std::string& name, const std::string& kind, const Rect& skinRect) {
  Section& s = skin.definition.entry("SKINCONTROLS", name, kind);
  s.integer("pictureindex", kControls);
  s.integer("maskpictureindex", -1);
  s.integer("cursorindex", -1);
  s.rect("skinrect", skinRect);
  return s;
}

Section& objectSection(Skin& skin, const std::string& name, const std::string& kind, const ObjectImages& images) {
  Section& s = skin.definition.entry("SKINOBJECTS", name, kind);
  s.text("hint", "");
  s.flag("rollup", false);
  s.integer("activepictureindex", images.picture);
  s.flag("skinrectinapicture", images.picture >= 0);
  s.integer("cursorindex", -1);
  s.rect("skinrect", images.normal);
  s.rect("activeskinrect", images.active);
  s.rect("inactiveskinrect", images.inactive);
  s.flag("morphing", images.morphing);
  return s.text("morphkind", "mkdefault");
}

Raster background(int width, int height, const Paint& paint) {
  Raster r(width, height);
  r.fillRect({0, 0, width, height}, paint);
  return r;
}

void drawFace(Raster& r, const Rect& at, double radius, const Look& look) {
  const double x0 = at.left, y0 = at.top, x1 = at.right, y1 = at.bottom;
  r.fill(roundedRect(x0, y0, x1, y1, radius, radius), solid(look.border));
  const Shape inner = roundedRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, radius - 1, radius - 1);
  r.fill(inner, verticalGradient({{y0 + 1, look.top}, {y1 - 1, look.bottom}}));
  if (look.shine > 0) {
    const Shape upper = [inner, y0, y1](double x, double y) { return y < (y0 + y1) / 2 && inner(x, y); };
    r.fill(upper, solid(rgb(255, 255, 255)), look.shine);
  }
}

void drawGlyph(Raster& r, Glyph glyph, double cx, double cy, double size, const Rgb& color) {
  const double h = size / 2, w = 0.75;  // half extent, half stroke width
  Shape s;
  switch (glyph) {
    case Glyph::Close:
      s = unite(segment(cx - h, cy - h, cx + h, cy + h, w * 1.1), segment(cx + h, cy - h, cx - h, cy + h, w * 1.1));
      break;
    case Glyph::Minimize:
      s = roundedRect(cx - h, cy + h - 2, cx + h, cy + h, 0, 0);
      break;
    case Glyph::Maximize:
      s = subtract(roundedRect(cx - h, cy - h, cx + h, cy + h, 0, 0),
                   roundedRect(cx - h + 1, cy - h + 2, cx + h - 1, cy + h - 1, 0, 0));
      break;
    case Glyph::Restore: {
      const double k = std::round(size * 0.3);
      const Shape back = subtract(roundedRect(cx - h + k, cy - h, cx + h, cy + h - k, 0, 0),
                                  roundedRect(cx - h + k + 1, cy - h + 2, cx + h - 1, cy + h - k - 1, 0, 0));
      const Shape frontArea = roundedRect(cx - h, cy - h + k, cx + h - k, cy + h, 0, 0);
      const Shape front = subtract(frontArea, roundedRect(cx - h + 1, cy - h + k + 2, cx + h - k - 1, cy + h - 1, 0, 0));
      s = unite(subtract(back, frontArea), front);
      break;
    }
    case Glyph::Down:
    case Glyph::Up:
    case Glyph::Left:
    case Glyph::Right: {
      // A filled triangle, point in the glyph's direction.
      const double a = h, b = h * 0.55;
      s = [=](double x, double y) {
        double u = x - cx, v = y - cy;  // v grows toward the point
        if (glyph == Glyph::Up) v = -v;
        if (glyph == Glyph::Left) std::swap(u, v), v = -v;
        if (glyph == Glyph::Right) std::swap(u, v);
        return v >= -b && v <= b && std::abs(u) <= a * (b - v) / (2 * b);
      };
      break;
    }
    case Glyph::Check:
      s = unite(segment(cx - h, cy, cx - h * 0.25, cy + h * 0.75, w * 1.2),
                segment(cx - h * 0.25, cy + h * 0.75, cx + h, cy - h * 0.8, w * 1.2));
      break;
  }
  r.fill(s, solid(color));
}

}  // namespace skingen
