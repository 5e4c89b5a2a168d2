#pragma once
// Menu shortcuts: a virtual key with Shift, Ctrl and Alt bits, and their text ("Ctrl+S").
#include <cstdint>
#include <string>

namespace tmv {

using TShortCut = uint16_t;
constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

inline TShortCut ShortCut(unsigned key, TShortCut modifiers) {
  return static_cast<TShortCut>((key & 0xFF) | modifiers);
}
// "Shift+", "Ctrl+" and "Alt+" in that order, then the key's name; empty for a key without
// a name (and for scNone).
std::string ShortCutToText(TShortCut shortCut);
// The inverse of ShortCutToText, without regard to letter case; scNone when the text names
// no key or has anything left over.
TShortCut TextToShortCut(const std::string& text);

}  // namespace tmv
