#include "framework/gui/Cursors.h"

#include <cstdint>
#include <cstring>

#include "framework/gui/Handles.h"

namespace tmv {

namespace {

struct SystemCursor {
  TCursor number;
  const char* ident;
  LPCSTR resource;  // none for crNone and the drawn cursors
};

const SystemCursor kSystemCursors[] = {
    {crDefault, "crDefault", IDC_ARROW},     {crNone, "crNone", nullptr},
    {crArrow, "crArrow", IDC_ARROW},         {crCross, "crCross", IDC_CROSS},
    {crIBeam, "crIBeam", IDC_IBEAM},         {crSizeNESW, "crSizeNESW", IDC_SIZENESW},
    {crSizeNS, "crSizeNS", IDC_SIZENS},      {crSizeNWSE, "crSizeNWSE", IDC_SIZENWSE},
    {crSizeWE, "crSizeWE", IDC_SIZEWE},      {crUpArrow, "crUpArrow", IDC_UPARROW},
    {crHourGlass, "crHourGlass", IDC_WAIT},  {crNo, "crNo", IDC_NO},
    {crAppStart, "crAppStart", IDC_APPSTARTING}, {crHelp, "crHelp", IDC_HELP},
    {crHandPoint, "crHandPoint", IDC_HAND},  {crSizeAll, "crSizeAll", IDC_SIZEALL},
    {crNoDrop, "crNoDrop", IDC_NO},          {crDrag, "crDrag", nullptr},
    {crMultiDrag, "crMultiDrag", nullptr},
};

// The drag cursors have no system counterpart and are drawn: 'X' black, 'o' white, anything
// else clear; the hot spot is the arrow's tip.
const char* const kArrow[] = {
    "X",           "XX",          "XoX",         "XooX",       "XoooX",    "XooooX",
    "XoooooX",     "XooooooX",    "XoooooooX",   "XooooooooX", "XoooooXXXXX", "XooXooX",
    "XoX XooX",    "XX  XooX",    "X    XooX",   "     XooX",  "      XX",
};
const char* const kPage[] = {
    "XXXXXXXX", "XooooooX", "XoXXXXoX", "XooooooX", "XoXXXXoX",
    "XooooooX", "XoXXXooX", "XooooooX", "XXXXXXXX",
};

class CursorPicture {
public:
  static constexpr int kSize = 32;
  CursorPicture() {
    std::memset(and_, 0xFF, sizeof and_);
    std::memset(xor_, 0, sizeof xor_);
  }
  template <size_t N>
  void Stamp(const char* const (&rows)[N], int x, int y) {
    for (size_t row = 0; row < N; ++row)
      for (int col = 0; rows[row][col]; ++col) Put(x + col, y + static_cast<int>(row), rows[row][col]);
  }
  HCURSOR Make() const { return CreateCursor(GetModuleHandleA(nullptr), 0, 0, kSize, kSize, and_, xor_); }

private:
  void Put(int x, int y, char c) {
    if (c != 'X' && c != 'o') return;
    const int byte = y * kSize / 8 + x / 8;
    const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
    and_[byte] &= static_cast<uint8_t>(~bit);
    if (c == 'o') xor_[byte] |= bit;
  }
  uint8_t and_[kSize * kSize / 8];
  uint8_t xor_[kSize * kSize / 8];
};

HCURSOR DrawnCursor(TCursor cursor) {
  static const UniqueCursor drag([] {
    CursorPicture p;
    p.Stamp(kArrow, 0, 0);
    p.Stamp(kPage, 12, 14);
    return p.Make();
  }());
  static const UniqueCursor multiDrag([] {
    CursorPicture p;
    p.Stamp(kArrow, 0, 0);
    p.Stamp(kPage, 15, 11);
    p.Stamp(kPage, 12, 14);
    return p.Make();
  }());
  if (cursor == crDrag) return drag.Get();
  if (cursor == crMultiDrag) return multiDrag.Get();
  return nullptr;
}

}  // namespace

bool IdentToCursor(const std::string& ident, TCursor& cursor) {
  for (const SystemCursor& c : kSystemCursors) {
    if (ident == c.ident) {
      cursor = c.number;
      return true;
    }
  }
  return false;
}

HCURSOR TCursorTable::Get(TCursor cursor) const {
  auto it = registered_.find(cursor);
  if (it != registered_.end()) return it->second;
  for (const SystemCursor& c : kSystemCursors)
    if (c.number == cursor) return c.resource ? LoadCursor(nullptr, c.resource) : DrawnCursor(cursor);
  return LoadCursor(nullptr, IDC_ARROW);
}

void TCursorTable::Set(TCursor cursor, HCURSOR handle) {
  if (handle)
    registered_[cursor] = handle;
  else
    registered_.erase(cursor);
}

}  // namespace tmv
