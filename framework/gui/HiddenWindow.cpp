#include "framework/gui/HiddenWindow.h"

#include "framework/core/Exceptions.h"

namespace tmv {

namespace {
const char* const kClassName = "TMHiddenWindow";

void RegisterHiddenClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  registered = true;
}
}  // namespace

THiddenWindow::THiddenWindow(TWndMethod handler, const char* title) : handler_(handler) {
  RegisterHiddenClass();
  // A popup of size zero rather than a message-only window: message boxes and the taskbar
  // need a real top-level owner.
  handle_ = CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, title, WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!handle_) throw EOutOfResources("Error creating window");
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

THiddenWindow::~THiddenWindow() {
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
  DestroyWindow(handle_);
}

LRESULT CALLBACK THiddenWindow::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<THiddenWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, msg, wParam, lParam);
  TMessage m = {msg, wParam, lParam, 0};
  RunGuarded([&] { self->handler_(m); });
  return m.Result;
}

void THiddenWindow::Default(TMessage& m) {
  m.Result = DefWindowProcA(handle_, m.Msg, m.WParam, m.LParam);
}

}  // namespace tmv
