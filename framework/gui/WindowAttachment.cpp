#include "framework/gui/WindowAttachment.h"

#include <utility>

#include "framework/core/Exceptions.h"

namespace tmv {

namespace {

const char* const kAttachmentProperty = "TMControl";
// The attachment whose framework-class window CreateWindowEx is making now.
thread_local TWindowAttachment* creating = nullptr;
thread_local int handlersRunning = 0;

void RegisterFrameworkClass(const TCreateParams& params, HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSA wc = {};
  if (GetClassInfoA(instance, params.FrameworkClassName.c_str(), &wc)) return;
  wc.style = params.ClassStyle;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = params.FrameworkClassName.c_str();
  RegisterClassA(&wc);
}

// Counts a message being handled for as long as the object lives.
class HandlerRunning {
public:
  HandlerRunning() { ++handlersRunning; }
  ~HandlerRunning() { --handlersRunning; }
  HandlerRunning(const HandlerRunning&) = delete;
  HandlerRunning& operator=(const HandlerRunning&) = delete;
};

}  // namespace

TWindowAttachment::~TWindowAttachment() {
  if (!handle_) return;
  HWND window = handle_;
  Detach();
  DestroyWindow(window);
}

void TWindowAttachment::Create(const TCreateParams& params, int id) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HMENU menu = (params.Style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  HWND window;
  if (params.WinClassName.empty()) {
    RegisterFrameworkClass(params, instance, &Procedure);
    previous_ = &DefWindowProcA;
    TWindowAttachment* outer = creating;
    creating = this;
    window = CreateWindowExA(params.ExStyle, params.FrameworkClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, menu, instance, nullptr);
    creating = outer;
  } else {
    window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, menu, instance, nullptr);
    if (window) {
      Attach(window);
      previous_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
    }
  }
  if (!window)
    throw EOutOfResources(Format("Error creating window: %s", SysErrorMessage(LastSystemError()).c_str()));
}

void TWindowAttachment::Destroy() {
  if (handle_) DestroyWindow(handle_);
}

void TWindowAttachment::Attach(HWND window) {
  handle_ = window;
  SetPropA(window, kAttachmentProperty, this);
}

void TWindowAttachment::Detach() {
  RemovePropA(handle_, kAttachmentProperty);
  if (!OwnClass() && previous_)
    SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
  handle_ = nullptr;
}

void TWindowAttachment::Default(TMessage& message) const {
  message.Result = handle_ && previous_
                       ? CallWindowProcA(previous_, handle_, message.Msg, message.WParam, message.LParam)
                       : 0;
}

TWindowAttachment* TWindowAttachment::Of(HWND window) {
  return static_cast<TWindowAttachment*>(GetPropA(window, kAttachmentProperty));
}

TWndMethod TWindowAttachment::ReceiverOf(HWND window) {
  // Another copy of the program marks its windows alike, with pointers of its own.
  DWORD process = 0;
  if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return {};
  TWindowAttachment* attachment = Of(window);
  return attachment ? attachment->receiver_ : TWndMethod();
}

int TWindowAttachment::HandlersRunning() { return handlersRunning; }

LRESULT CALLBACK TWindowAttachment::Procedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWindowAttachment* self = Of(window);
  if (!self && creating) {
    self = std::exchange(creating, nullptr);
    self->Attach(window);
  }
  if (!self) return DefWindowProcA(window, msg, wParam, lParam);
  TMessage m = {msg, wParam, lParam, 0};
  {
    HandlerRunning running;
    RunGuarded([&] { self->receiver_(m); });
  }
  // The window is gone; the attachment, which outlives its window, forgets it.
  if (msg == WM_NCDESTROY && Of(window) == self) self->Detach();
  return m.Result;
}

}  // namespace tmv
