#pragma once
// Window messages as the framework passes them to controls, and its own private messages.
#include <windows.h>

#include <exception>

#include "framework/core/Method.h"

namespace tmv {

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// A window procedure as a method: the control's WndProc unless a component has put its own
// in front (and chains to the one it replaced).
using TWndMethod = TMethod<TMessage&>;

// Messages the framework sends to its own controls, from CM_BASE up; components add theirs
// at CM_BASE + 1000 and above.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_RELEASE = CM_BASE + 1;        // a form asked to be freed once idle
// The mouse came onto / left a control: sent to windowless controls and to controls with a
// window of the framework's own classes.
constexpr UINT CM_MOUSEENTER = CM_BASE + 3;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 4;
// A mouse button went down on the control named by LParam: the form's focused control is
// told, so it can close what it has open (a drop-down list), unless it is that control.
constexpr UINT CM_CANCELMODE = CM_BASE + 0x60;
// The keyboard focus moved to the control named by LParam: sent to its form, which passes it
// on to every control it holds.
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x61;
// The focus came into / left a windowed control (or a container holding it).
constexpr UINT CM_ENTER = CM_BASE + 0x62;
constexpr UINT CM_EXIT = CM_BASE + 0x63;
// A key the focused control did not ask for (Tab, arrows, Return, Escape; WParam the key)
// and a character it does not take (WParam the character) go to its form, and from there to
// the form's controls until one answers non-zero.
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x64;
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x65;
// Changes a component hooking a control's window procedure may want to follow; each reaches the
// control's WindowProc, which makes the change take effect.
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x40;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x41;
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x42;
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x43;
// Sent to every child when its parent's colour or font has changed.
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x44;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x45;

// Notifications a parent receives for a child window are handed back to that child.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_LAST = CN_BASE + 0x3FF;

// Shows e through the application's exception handler (Forms.cpp). An error raised while
// another is being shown (a paint or a timer behind the error box) is not shown again.
void HandleException(const std::exception& e);
// The same for an exception of a type outside the std::exception family.
void HandleUnknownException();

// Runs an event or message handler so that any exception it raises is shown to the user and
// the program goes on: no exception may unwind through the system's code that called it.
template <class F>
void RunGuarded(F&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    HandleException(e);
  } catch (...) {
    HandleUnknownException();
  }
}

}  // namespace tmv
