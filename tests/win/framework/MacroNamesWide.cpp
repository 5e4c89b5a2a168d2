// A translation unit that includes windows.h itself, in its wide-character form, before the
// framework: TextOut, DrawText and MessageBox would name the W functions here.
#define UNICODE
#define _UNICODE
#include <windows.h>

#include "MacroNames.h"
#include "framework/gui/Forms.h"

#if defined(TextOut) || defined(DrawText) || defined(MessageBox) || defined(LoadString)
#error windows.h macros still rename members of the framework
#endif

namespace tmv::test {

int UseMembersAfterWindowsH(TCanvas& canvas, RECT& box) {
  canvas.TextOut(0, 0, "H");
  canvas.DrawText("H", box, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  return Application()->MessageBox("wide", "MacroNames", MB_OK);
}

}  // namespace tmv::test
