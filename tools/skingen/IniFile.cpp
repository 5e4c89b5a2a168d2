#include "tools/skingen/IniFile.h"

#include "skin/imaging/SkinIniValues.h"

namespace skingen {

IniFile::IniFile(const std::string& text) {
  tmv::TStringList lines;
  lines.SetText(text);
  ini_.SetStrings(lines);
}

std::string IniFile::text(const std::string& section, const std::string& key) const {
  return ini_.ReadString(section, key, "");
}

int IniFile::integer(const std::string& section, const std::string& key, int fallback) const {
  return ini_.ReadInteger(section, key, fallback);
}

Rect IniFile::rect(const std::string& section, const std::string& key) const {
  const tmv::TRect r = tmv::ReadSkinRect(ini_, section, key);
  return Rect{r.Left, r.Top, r.Right, r.Bottom};
}

Point IniFile::point(const std::string& section, const std::string& key) const {
  const tmv::TPoint p = tmv::ReadSkinPoint(ini_, section, key);
  return Point{p.X, p.Y};
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
  tmv::TStringList names;
  ini_.ReadSection(section, names);
  return names.ToVector();
}

}  // namespace skingen
