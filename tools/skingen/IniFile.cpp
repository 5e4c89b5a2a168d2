#include "tools/skingen/IniFile.h"

#include <cctype>

namespace skingen {

static std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

static std::string trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && static_cast<unsigned char>(s[a]) <= ' ') ++a;
  while (b > a && static_cast<unsigned char>(s[b - 1]) <= ' ') --b;
  return s.substr(a, b - a);
}

IniFile::IniFile(const std::string& text) {
  std::string current;
  bool inSection = false;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trim(text.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      current = lower(trim(line.substr(1, line.size() - 2)));
      if (!sections_.count(current)) order_.push_back(current);
      sections_[current];
      inSection = true;
    } else if (inSection) {
      const size_t eq = line.find('=');
      if (eq != std::string::npos) sections_[current].emplace_back(lower(trim(line.substr(0, eq))), trim(line.substr(eq + 1)));
    }
  }
}

bool IniFile::hasSection(const std::string& section) const { return sections_.count(lower(section)) > 0; }

bool IniFile::has(const std::string& section, const std::string& key) const {
  const auto s = sections_.find(lower(section));
  if (s == sections_.end()) return false;
  for (const auto& kv : s->second)
    if (kv.first == lower(key)) return true;
  return false;
}

std::string IniFile::text(const std::string& section, const std::string& key) const {
  const auto s = sections_.find(lower(section));
  if (s == sections_.end()) return {};
  for (const auto& kv : s->second)
    if (kv.first == lower(key)) return kv.second;
  return {};
}

int IniFile::integer(const std::string& section, const std::string& key, int fallback) const {
  const std::string v = text(section, key);
  try {
    size_t used = 0;
    const int n = std::stoi(v, &used);
    return used == v.size() ? n : fallback;
  } catch (...) {
    return fallback;
  }
}

std::vector<int> IniFile::numbers(const std::string& section, const std::string& key) const {
  std::vector<int> out;
  std::string field;
  for (char c : text(section, key) + ",") {
    if (c == ',') {
      // Only digits count; a field too long for an integer reads as 0.
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

std::vector<std::string> IniFile::sections() const { return order_; }

std::vector<std::string> IniFile::keys(const std::string& section) const {
  std::vector<std::string> out;
  const auto s = sections_.find(lower(section));
  if (s != sections_.end())
    for (const auto& kv : s->second) out.push_back(kv.first);
  return out;
}

}  // namespace skingen
