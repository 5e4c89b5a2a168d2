#pragma once
// Cursors by number: the system's cursors at zero and below, and any number a component
// registers in the screen's cursor table (the skin puts its cursors there).
#include <windows.h>

#include <map>
#include <string>

namespace tmv {

using TCursor = int;
constexpr TCursor crDefault = 0;  // whatever the window's class shows
constexpr TCursor crNone = -1;    // no cursor at all
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;       // the arrow carrying a page: a drag that may drop here
constexpr TCursor crNoDrop = -13;     // a drag that may not drop here
constexpr TCursor crMultiDrag = -16;  // the arrow carrying several pages
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// "crHandPoint" and the like, as form resources name cursors.
bool IdentToCursor(const std::string& ident, TCursor& cursor);

class TCursorTable {
public:
  // A registered cursor, else the system or drawn cursor of that number, else the arrow; null
  // for crNone.
  HCURSOR Get(TCursor cursor) const;
  // Registers handle under a number (null takes the number back). The table does not own
  // the cursor: whoever registers it keeps it alive as long as it is registered.
  void Set(TCursor cursor, HCURSOR handle);
  bool Registered(TCursor cursor) const { return registered_.count(cursor) != 0; }

private:
  std::map<TCursor, HCURSOR> registered_;
};

}  // namespace tmv
