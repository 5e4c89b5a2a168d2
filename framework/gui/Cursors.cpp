#include "framework/gui/Cursors.h"

namespace tmv {

namespace {

struct SystemCursor {
  TCursor number;
  const char* ident;
  LPCSTR resource;
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
};

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
    if (c.number == cursor) return c.resource ? LoadCursor(nullptr, c.resource) : nullptr;
  return LoadCursor(nullptr, IDC_ARROW);
}

void TCursorTable::Set(TCursor cursor, HCURSOR handle) {
  if (handle)
    registered_[cursor] = handle;
  else
    registered_.erase(cursor);
}

}  // namespace tmv
