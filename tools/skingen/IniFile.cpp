#include "tools/skingen/IniFile.h"

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

std::vector<int> IniFile::numbers(const std::string& section, const std::string& key) const {
  std::vector<int> out;
  std::string field;
  for (char c : text(section, key) + ",") {
    if (c == ',') {
      // A field too long for an integer reads as 0.
      out.push_back(field.empty() || field.size() > 9 ? 0 : std::stoi(field));
      field.clear();
    } else if (c >= '0' && c <= '9') {
      field += c;
    }
  }
  return out;
}

Rect IniFile::rect(const std::string& section, const std::string& key) const {
  const std::vector<int> n = numbers(section, key);
  return n.size() >= 4 ? Rect{n[0], n[1], n[2], n[3]} : Rect{};
}

Point IniFile::point(const std::string& section, const std::string& key) const {
  const std::vector<int> n = numbers(section, key);
  return n.size() >= 2 ? Point{n[0], n[1]} : Point{};
}

std::vector<std::string> IniFile::keys(const std::string& section) const {
  tmv::TStringList names;
  ini_.ReadSection(section, names);
  return names.ToVector();
}

}  // namespace skingen
