#include "framework/gui/HiddenWindow.h"

namespace tmv {

THiddenWindow::THiddenWindow(TWndMethod handler, const char* title) : handler_(handler) {
  TCreateParams params;
  params.FrameworkClassName = "TMHiddenWindow";
  params.ClassStyle = 0;
  params.Caption = title;
  // A popup of size zero rather than a message-only window: message boxes and the taskbar
  // need a real top-level owner.
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  attachment_.Create(params);
  made_ = true;
}

void THiddenWindow::Receive(TMessage& m) {
  if (made_)
    handler_(m);
  else
    attachment_.Default(m);
}

}  // namespace tmv
