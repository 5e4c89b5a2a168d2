#pragma once
// The skin engine's own texts (system menu items, frame button hints, edit menu items) under
// fixed names, for a program that wants them in a language of its choice. A registry linked
// to one takes its texts from it; otherwise the program's string resources are used.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Strings.h"

namespace tmv {

class TspResourceStrData : public TComponent {
public:
  // Filled with every name the engine knows, with English texts.
  explicit TspResourceStrData(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Lines of the form name=text.
  const TStringList& ResStrings() const { return resStrings_; }
  void SetResStrings(const std::vector<std::string>& lines) { resStrings_.Assign(lines); }
  // The character set given to fonts that show these texts.
  uint8_t CharSet() const { return charSet_; }
  void SetCharSet(uint8_t value) { charSet_ = value; }

  // Everything after the first "=" of the first line whose name is name, letter case aside;
  // empty when no line bears it.
  std::string GetResStr(const std::string& name) const { return resStrings_.Values(name); }

private:
  TStringList resStrings_;
  uint8_t charSet_ = 1;  // DEFAULT_CHARSET
};

}  // namespace tmv
