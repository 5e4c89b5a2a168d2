#pragma once
// The keyboard between the message loop and the focused control: before a key message is
// dispatched its form may take it, in this order: as a shortcut (OnShortCut, then the main
// menu), as a dialog key (Tab, Shift+Tab and arrows move the focus; Return and Escape go to
// the default and cancel buttons) unless the control asks for that key with WM_GETDLGCODE,
// and as a dialog character (a caption's "&" accelerator) unless the control takes
// characters. The rest of the form's focus handling (ActiveControl, OnEnter and OnExit, tab
// order) is TCustomForm's and lives in FocusNavigation.cpp.
#include <windows.h>

namespace tmv {

// True when the message was taken and must not be dispatched.
bool PreprocessKeyMessage(const MSG& msg);

}  // namespace tmv
