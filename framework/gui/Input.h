#pragma once
// Mouse buttons, the shift state and the mouse and keyboard events of controls.
#include <windows.h>

#include <cstdint>

#include "framework/core/Method.h"

namespace tmv {

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : uint32_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = uint32_t;

// The keys and buttons a mouse message's WParam reports held; Alt is read from the keyboard.
TShiftState MouseShiftState(WPARAM keys);
// Shift, Ctrl and Alt as held while the current message was posted.
TShiftState KeyboardShiftState();
// A mouse button going down, in the client area or on the frame.
bool IsButtonDownMessage(UINT message);

using TMouseEvent = TMethod<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TMethod<TObject*, TShiftState, int, int>;
// A handler that sets the key to 0 keeps it from the control.
using TKeyEvent = TMethod<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TMethod<TObject*, char&>;

}  // namespace tmv
