#pragma once
// A window of no size whose messages go to a method: the application's window, timers and
// the tray icon's window.
#include <windows.h>

#include "framework/core/Component.h"
#include "framework/gui/Messages.h"
#include "framework/gui/WindowAttachment.h"

namespace tmv {

class THiddenWindow : public TObject {
public:
  explicit THiddenWindow(TWndMethod handler, const char* title = "");
  // A window made to other parameters: the application's window, which shows on the taskbar,
  // or the frame shown while docking.
  THiddenWindow(TWndMethod handler, const TCreateParams& params);
  THiddenWindow(const THiddenWindow&) = delete;
  THiddenWindow& operator=(const THiddenWindow&) = delete;
  HWND Handle() const { return attachment_.Handle(); }
  // The system's handling, for the messages the handler leaves alone.
  void Default(TMessage& m) { attachment_.Default(m); }

private:
  void Receive(TMessage& m);
  TWndMethod handler_;
  // The handler hears messages only once the window is made, as its owner has no window yet
  // while it is being made.
  bool made_ = false;
  TWindowAttachment attachment_{TWndMethod::Of<&THiddenWindow::Receive>(this)};
};

}  // namespace tmv
