#include "tools/skingen/Definition.h"

namespace skingen {

const char* const kFontFace = "\xCB\xCE\xCC\xE5";

Section& Section::text(const std::string& key, const std::string& value) {
  keys_.emplace_back(key, value);
  return *this;
}

Section& Section::integer(const std::string& key, int value) { return text(key, std::to_string(value)); }

Section& Section::flag(const std::string& key, bool value) { return text(key, value ? "1" : "0"); }

Section& Section::color(const std::string& key, const Rgb& value) { return integer(key, colorValue(value)); }

Section& Section::point(const std::string& key, Point value) {
  return text(key, std::to_string(value.x) + "," + std::to_string(value.y));
}

Section& Section::rect(const std::string& key, const Rect& value) {
  return text(key, std::to_string(value.left) + "," + std::to_string(value.top) + "," +
                       std::to_string(value.right) + "," + std::to_string(value.bottom));
}

Section& Section::ninePart(const Rect& piece, int left, int top, int right, int bottom) {
  const int w = piece.width(), h = piece.height();
  point("lefttoppoint", {left, top});
  point("righttoppoint", {w - right, top});
  point("leftbottompoint", {left, h - bottom});
  point("rightbottompoint", {w - right, h - bottom});
  return rect("clientrect", {left, top, w - right, h - bottom});
}

Section& Section::horizontalBand(const Rect& piece, int left, int right, const Rect& client) {
  point("lefttoppoint", {left, 0});
  point("righttoppoint", {piece.width() - right, 0});
  point("leftbottompoint", {0, 0});
  point("rightbottompoint", {0, 0});
  return rect("clientrect", client);
}

Section& Section::verticalBand(const Rect& piece, int top, int bottom, const Rect& client) {
  point("lefttoppoint", {0, top});
  point("righttoppoint", {0, 0});
  point("leftbottompoint", {0, piece.height() - bottom});
  point("rightbottompoint", {0, 0});
  return rect("clientrect", client);
}

Section& Section::font(const std::string& prefix, const std::string& style, const Rgb& color) {
  text(prefix + "fontname", kFontFace);
  integer(prefix + "fontheight", 14);
  text(prefix + "fontstyle", style);
  return this->color(prefix + "fontcolor", color);
}

Section& Definition::section(const std::string& name) {
  for (Section& s : sections_)
    if (s.name() == name) return s;
  sections_.emplace_back(name);
  return sections_.back();
}

Section& Definition::entry(const std::string& list, const std::string& name, const std::string& kind) {
  auto count = counts_.begin();
  while (count != counts_.end() && count->first != list) ++count;
  if (count == counts_.end()) count = counts_.insert(counts_.end(), {list, 0});
  section(list).text(std::to_string(count->second++), name + ":" + kind);
  return section(name);
}

std::string Definition::text() const {
  std::string out;
  for (const Section& s : sections_) {
    out += "[" + s.name() + "]\r\n";
    for (const auto& c : counts_)
      if (c.first == s.name()) out += "count=" + std::to_string(c.second) + "\r\n";
    for (const auto& [key, value] : s.keys()) out += key + "=" + value + "\r\n";
    out += "\r\n";
  }
  return out;
}

}  // namespace skingen
