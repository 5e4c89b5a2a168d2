#pragma once
// Reads a skin definition back: sections and keys without regard to letter case, values as bytes.
#include <map>
#include <string>
#include <vector>

#include "tools/skingen/Definition.h"

namespace skingen {

class IniFile {
public:
  explicit IniFile(const std::string& text);
  bool hasSection(const std::string& section) const;
  bool has(const std::string& section, const std::string& key) const;
  std::string text(const std::string& section, const std::string& key) const;  // empty when absent
  int integer(const std::string& section, const std::string& key, int fallback) const;
  Rect rect(const std::string& section, const std::string& key) const;
  Point point(const std::string& section, const std::string& key) const;
  std::vector<std::string> sections() const;
  // Keys of a section in file order.
  std::vector<std::string> keys(const std::string& section) const;

private:
  std::vector<int> numbers(const std::string& section, const std::string& key) const;
  std::vector<std::string> order_;
  std::map<std::string, std::vector<std::pair<std::string, std::string>>> sections_;
};

}  // namespace skingen
