// INI text of any shape: reading never fails, and writing what was read and reading it again
// gives the same sections, keys and values.
#include <cstdint>
#include <string>

#include "framework/core/IniFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tmv::TStringList lines;
  lines.SetText(std::string(reinterpret_cast<const char*>(data), size));
  tmv::TMemIniFile ini(lines);
  tmv::TStringList written, rewritten;
  ini.GetStrings(written);
  tmv::TMemIniFile again(written);
  again.GetStrings(rewritten);
  if (written.ToVector() != rewritten.ToVector()) __builtin_trap();
  tmv::TStringList sections, keys;
  ini.ReadSections(sections);
  for (int i = 0; i < sections.Count(); ++i) {
    ini.ReadSection(sections[i], keys);
    for (int k = 0; k < keys.Count(); ++k)
      if (ini.ReadString(sections[i], keys[k], "?") != again.ReadString(sections[i], keys[k], "!"))
        __builtin_trap();
  }
  return 0;
}
