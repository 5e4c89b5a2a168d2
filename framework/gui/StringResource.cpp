#include "framework/gui/StringResource.h"

#include <windows.h>

namespace tmv {

namespace {

// A string-table entry holds at most 65535 UTF-16 units, two ANSI bytes each at most.
constexpr int kLongestEntryBytes = 2 * 65535 + 1;

}  // namespace

std::string LoadStr(int ident) {
  // A text that fills the buffer may have been cut, perhaps inside a double-byte character,
  // so it is loaded again into a larger one.
  for (int size = 256;; size *= 2) {
    std::string text(static_cast<size_t>(size), '\0');
    const int length = LoadStringA(GetModuleHandleA(nullptr), static_cast<UINT>(ident), &text[0], size);
    if (length + 2 < size || size > kLongestEntryBytes) {
      text.resize(length > 0 ? static_cast<size_t>(length) : 0);
      return text;
    }
  }
}

}  // namespace tmv
