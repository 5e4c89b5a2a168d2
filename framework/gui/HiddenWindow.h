#pragma once
// An invisible window whose messages go to a method: the application's window and timers.
#include <windows.h>

#include "framework/gui/Messages.h"

namespace tmv {

class THiddenWindow {
public:
  explicit THiddenWindow(TWndMethod handler, const char* title = "");
  ~THiddenWindow();
  THiddenWindow(const THiddenWindow&) = delete;
  THiddenWindow& operator=(const THiddenWindow&) = delete;
  HWND Handle() const { return handle_; }
  // The system's handling, for the messages the handler leaves alone.
  void Default(TMessage& m);

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  TWndMethod handler_;
  HWND handle_ = nullptr;
};

}  // namespace tmv
