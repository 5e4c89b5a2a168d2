#include "framework/core/ShortCuts.h"

#include "framework/core/TextUtils.h"

namespace tmv {

namespace {

struct TModifierName {
  TShortCut bit;
  const char* text;
};
constexpr TModifierName kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

// The virtual keys menus show by name; letters, digits and F1 to F12 are made up below.
struct TKeyName {
  unsigned key;
  const char* text;
};
constexpr TKeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
};
constexpr unsigned kF1 = 0x70, kF12 = 0x7B;

std::string KeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= kF1 && key <= kF12) return "F" + std::to_string(key - kF1 + 1);
  for (const TKeyName& k : kKeyNames)
    if (k.key == key) return k.text;
  return "";
}

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const std::string name = KeyName(shortCut & 0xFF);
  if (name.empty()) return "";
  std::string text;
  for (const TModifierName& m : kModifiers)
    if (shortCut & m.bit) text += m.text;
  return text + name;
}

TShortCut TextToShortCut(const std::string& text) {
  TShortCut modifiers = 0;
  size_t at = 0;
  for (bool found = true; found;) {
    found = false;
    for (const TModifierName& m : kModifiers) {
      const size_t length = std::char_traits<char>::length(m.text);
      if (SameText(text.substr(at, length), m.text)) {
        modifiers |= m.bit;
        at += length;
        found = true;
      }
    }
  }
  const std::string rest = text.substr(at);
  for (unsigned key = 1; key <= 0xFF; ++key) {
    const std::string name = KeyName(key);
    if (!name.empty() && SameText(name, rest)) return ShortCut(key, modifiers);
  }
  return scNone;
}

}  // namespace tmv
