#pragma once
// Ties a window to the method that handles its messages. Every window the framework makes or
// takes over is attached the same way: from its first message (which comes before
// CreateWindowEx returns) until WM_NCDESTROY, through one window property.
#include <windows.h>

#include <string>

#include "framework/gui/Messages.h"

namespace tmv {

struct TCreateParams {
  std::string WinClassName;  // a system class to wrap; empty: a class of the framework
  // For the framework's classes: each name is registered once, with the first style asked.
  std::string FrameworkClassName = "TMWindow";
  UINT ClassStyle = CS_DBLCLKS;
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND WndParent = nullptr;
};

class TWindowAttachment {
public:
  explicit TWindowAttachment(TWndMethod receiver) : receiver_(receiver) {}
  // A window still there is detached first, so its last messages reach only the system.
  ~TWindowAttachment();
  TWindowAttachment(const TWindowAttachment&) = delete;
  TWindowAttachment& operator=(const TWindowAttachment&) = delete;

  HWND Handle() const { return handle_; }
  // Makes the window; one of a system class is taken over once made. id is the child-window
  // ID (ignored for top-level windows). Raises EOutOfResources when the system refuses.
  void Create(const TCreateParams& params, int id = 0);
  // Destroys the window; its messages down to WM_NCDESTROY still reach the receiver.
  void Destroy();
  // The system's handling of a message: the wrapped class's procedure, or DefWindowProc.
  void Default(TMessage& message) const;
  // True for a window of a framework class, which draws itself.
  bool OwnClass() const { return previous_ == &DefWindowProcA; }

  // The receiver of a window of this process, or an unassigned method.
  static TWndMethod ReceiverOf(HWND window);
  // How many messages of framework windows are being handled now, nested in one another.
  static int HandlersRunning();

private:
  static LRESULT CALLBACK Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  static TWindowAttachment* Of(HWND window);
  void Attach(HWND window);
  void Detach();

  TWndMethod receiver_;
  HWND handle_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace tmv
