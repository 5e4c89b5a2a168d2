#pragma once
// The frame that shows, while a control is docked by dragging, the rectangle it would take.
// A top-most window shaped as the frame's border: it takes no activation, no taskbar entry and
// no mouse input, so the windows under it are found and painted as if it were not there, and
// the screen is left as it was when it goes.
#include <windows.h>

#include "framework/gui/Handles.h"
#include "framework/gui/HiddenWindow.h"

namespace tmv {

class TDockFrame : public TObject {
public:
  static constexpr int Thickness = 3;

  TDockFrame();
  // Shows the frame around the screen rectangle, moving it from where it was.
  void Show(const RECT& screen);
  HWND Handle() const { return window_.Handle(); }

private:
  void Receive(TMessage& message);

  UniqueBrush brush_;  // a checker of black and white pixels, seen on any background
  RECT shown_ = {0, 0, 0, 0};
  THiddenWindow window_;
};

}  // namespace tmv
