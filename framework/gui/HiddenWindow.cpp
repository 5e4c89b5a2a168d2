#include "framework/gui/HiddenWindow.h"

namespace tmv {

namespace {

TCreateParams HiddenParams(const char* title) {
  TCreateParams params;
  params.FrameworkClassName = "TMHiddenWindow";
  params.ClassStyle = 0;
  params.Caption = title;
  // A popup of size zero rather than a message-only window: message boxes need a real
  // top-level owner.
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW;
  return params;
}

}  // namespace

THiddenWindow::THiddenWindow(TWndMethod handler, const char* title) : THiddenWindow(handler, HiddenParams(title)) {}

THiddenWindow::THiddenWindow(TWndMethod handler, const TCreateParams& params) : handler_(handler) {
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
