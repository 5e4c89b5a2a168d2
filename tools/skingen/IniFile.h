#pragma once
// Reads a skin definition back through the program's own INI reader and value readers, so the
// generator checks its output the way the program will read it.
#include <string>
#include <vector>

#include "framework/core/IniFiles.h"
#include "tools/skingen/Definition.h"

namespace skingen {

class IniFile {
public:
  explicit IniFile(const std::string& text);
  bool hasSection(const std::string& section) const { return ini_.SectionExists(section); }
  bool has(const std::string& section, const std::string& key) const { return ini_.ValueExists(section, key); }
  std::string text(const std::string& section, const std::string& key) const;  // empty when absent
  int integer(const std::string& section, const std::string& key, int fallback) const;
  Rect rect(const std::string& section, const std::string& key) const;
  Point point(const std::string& section, const std::string& key) const;
  // Keys of a section in file order.
  std::vector<std::string> keys(const std::string& section) const;

private:
  tmv::TMemIniFile ini_;
};

}  // namespace skingen
