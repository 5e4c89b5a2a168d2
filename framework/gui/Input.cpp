#include "framework/gui/Input.h"

namespace tmv {

namespace {
bool Held(int key) { return GetKeyState(key) < 0; }
}  // namespace

TShiftState MouseShiftState(WPARAM keys) {
  TShiftState state = 0;
  if (keys & MK_SHIFT) state |= ssShift;
  if (keys & MK_CONTROL) state |= ssCtrl;
  if (keys & MK_LBUTTON) state |= ssLeft;
  if (keys & MK_RBUTTON) state |= ssRight;
  if (keys & MK_MBUTTON) state |= ssMiddle;
  if (Held(VK_MENU)) state |= ssAlt;
  return state;
}

TShiftState KeyboardShiftState() {
  TShiftState state = 0;
  if (Held(VK_SHIFT)) state |= ssShift;
  if (Held(VK_CONTROL)) state |= ssCtrl;
  if (Held(VK_MENU)) state |= ssAlt;
  return state;
}

bool IsButtonDownMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
  }
  return false;
}

}  // namespace tmv
