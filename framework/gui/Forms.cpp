#include "framework/gui/Forms.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/core/ListWalk.h"
#include "framework/gui/Dialogs.h"
#include "framework/gui/FocusNavigation.h"
#include "framework/gui/FormResource.h"
#include "framework/gui/Menus.h"

namespace tmv {

namespace {

const TEnumInfo& BorderIconsInfo() {
  static const TEnumInfo info{"TBorderIcons", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return info;
}
const TEnumInfo& BorderStyleInfo() {
  static const TEnumInfo info{"TFormBorderStyle",
                              {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return info;
}
const TEnumInfo& FormStyleInfo() {
  static const TEnumInfo info{"TFormStyle", {"fsNormal", "fsStayOnTop"}};
  return info;
}
const TEnumInfo& PositionInfo() {
  static const TEnumInfo info{"TPosition", {"poDesigned", "poDesktopCenter", "poScreenCenter"}};
  return info;
}
const TEnumInfo& WindowStateInfo() {
  static const TEnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
  return info;
}

// Forms released while message handlers were running, freed once none runs.
std::vector<TCustomForm*>& ReleasedForms() {
  static std::vector<TCustomForm*> forms;
  return forms;
}

bool reportingError = false;

THintWindow* CreateDefaultHintWindow(TComponent* owner) { return new THintWindow(owner); }

constexpr UINT_PTR kHintShowTimer = 1;
constexpr UINT_PTR kHintHideTimer = 2;
constexpr UINT kReactivateForm = CM_BASE + 0x66;

// The control under a mouse message's point: a framework window or its windowless child.
TControl* ControlUnder(HWND window, POINT clientPoint) {
  HWND w = window;
  TWinControl* control = nullptr;
  while (w && !(control = TWinControl::FromHandle(w))) w = GetParent(w);
  if (!control) return nullptr;
  if (w == window)
    if (TControl* child = control->ControlAtPos(clientPoint)) return child;
  return control;
}

}  // namespace

void HandleException(const std::exception& e) {
  // A paint or a timer behind the error box would otherwise stack a box for every repeat.
  if (reportingError) return;
  reportingError = true;
  Application()->HandleException(e);
  reportingError = false;
}

void HandleUnknownException() { HandleException(Exception("An exception of an unknown type was raised")); }

// ---------------------------------------------------------------------------------------
// TCustomForm

const TClassInfo& TCustomForm::StaticClassInfo() {
  static const TClassInfo info(
      "TCustomForm", &TWinControl::StaticClassInfo(), nullptr,
      {prop::Set<&TCustomForm::SetBorderIcons>("BorderIcons", BorderIconsInfo(),
                                               "[biSystemMenu, biMinimize, biMaximize]"),
       prop::Enum<&TCustomForm::SetBorderStyle>("BorderStyle", BorderStyleInfo(), bsSizeable),
       prop::Enum<&TCustomForm::SetFormStyle>("FormStyle", FormStyleInfo()),
       prop::Enum<&TCustomForm::SetPosition>("Position", PositionInfo()),
       prop::Integer<&TCustomForm::SetClientWidth>("ClientWidth"),
       prop::Integer<&TCustomForm::SetClientHeight>("ClientHeight"),
       prop::Enum<&TCustomForm::SetWindowState>("WindowState", WindowStateInfo()),
       prop::Integer<&TCustomForm::SetModalResult>("ModalResult"),
       prop::Event<&TCustomForm::SetOnCreate>("OnCreate"),
       prop::Event<&TCustomForm::SetOnClose>("OnClose"),
       prop::Event<&TCustomForm::SetOnDestroy>("OnDestroy"),
       prop::Event<&TCustomForm::SetOnShortCut>("OnShortCut"),
       prop::Reference<&TCustomForm::SetMenu>("Menu"),
       prop::Reference<&TCustomForm::SetActiveControl>("ActiveControl")});
  return info;
}

const TClassInfo& TForm::StaticClassInfo() {
  static const TClassInfo info("TForm", &TCustomForm::StaticClassInfo(), &CreateComponent<TForm>);
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  TControl::SetVisible(false);
  Screen()->forms_.push_back(this);
}

TCustomForm::~TCustomForm() {
  RunGuarded([&] { onDestroy_(this); });
  auto& forms = Screen()->forms_;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
  if (Screen()->activeForm_ == this) {
    Screen()->activeForm_ = nullptr;
    Screen()->activeControl_ = nullptr;
  }
  auto& released = ReleasedForms();
  released.erase(std::remove(released.begin(), released.end(), this), released.end());
  DestroyContents();
}

void TCustomForm::InitFormResource() {
  ReadComponentRes(*this, ClassName());
  DoCreate();
}

void TCustomForm::DoCreate() {
  RunGuarded([&] { onCreate_(this); });
}

void TCustomForm::SetBorderIcons(TBorderIcons icons) {
  if (icons == borderIcons_) return;
  RECT client = ClientRect();
  borderIcons_ = icons;
  // The client size is measured against the frame of the window made for the new setting.
  RecreateWnd();
  SetClientWidth(client.right);
  SetClientHeight(client.bottom);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  RECT client = ClientRect();
  borderStyle_ = style;
  // The client size is measured against the frame of the window made for the new setting.
  RecreateWnd();
  SetClientWidth(client.right);
  SetClientHeight(client.bottom);
}

void TCustomForm::SetFormStyle(TFormStyle style) {
  if (style == formStyle_) return;
  formStyle_ = style;
  if (HandleAllocated())
    SetWindowPos(Handle(), style == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

SIZE TCustomForm::FrameSize() {
  // Once the window exists its frame is what WM_NCCALCSIZE made of it, whoever answered it.
  if (HandleAllocated()) {
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    return {(window.right - window.left) - client.right, (window.bottom - window.top) - client.bottom};
  }
  TCreateParams params;
  CreateParams(params);
  RECT r = {0, 0, 0, 0};
  AdjustWindowRectEx(&r, params.Style, menu_ != nullptr, params.ExStyle);
  return {r.right - r.left, r.bottom - r.top};
}

void TCustomForm::SetClientWidth(int width) { SetWidth(width + FrameSize().cx); }

void TCustomForm::SetClientHeight(int height) { SetHeight(height + FrameSize().cy); }

RECT TCustomForm::ClientRect() {
  if (HandleAllocated()) return TWinControl::ClientRect();
  SIZE frame = FrameSize();
  return {0, 0, std::max<int>(0, Width() - frame.cx), std::max<int>(0, Height() - frame.cy)};
}

void TCustomForm::CreateParams(TCreateParams& params) {
  params.Caption = Caption();
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  params.WndParent = Application()->Handle();
  params.Style = WS_CLIPCHILDREN | (Enabled() ? 0 : WS_DISABLED);
  // No taskbar button of its own: the application's window carries the program's.
  params.ExStyle = 0;
  switch (borderStyle_) {
    case bsNone:
      params.Style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      params.Style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      params.Style |= WS_POPUP | WS_CAPTION;
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) params.ExStyle |= WS_EX_TOOLWINDOW;
  if (borderStyle_ != bsNone) {
    if (borderIcons_ & biSystemMenu) params.Style |= WS_SYSMENU;
    if ((borderIcons_ & biMinimize) && borderStyle_ != bsDialog) params.Style |= WS_MINIMIZEBOX;
    if ((borderIcons_ & biMaximize) && borderStyle_ != bsDialog) params.Style |= WS_MAXIMIZEBOX;
  }
  if (formStyle_ == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (menu_) menu_->AttachToWindow(Handle());
  // A form made again while shown (a new border, a new frame owner) stays shown.
  if (Visible()) ShowWindow(Handle(), SW_SHOW);
  if (HICON icon = icon_.Handle()) SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  if (Visible()) ApplyWindowState();
}

TWindowState TCustomForm::WindowState() {
  if (Application()->MainForm() == this && Application()->Minimized()) return wsMinimized;
  if (HandleAllocated() && IsWindowVisible(Handle()))
    windowState_ = IsIconic(Handle()) ? wsMinimized : IsZoomed(Handle()) ? wsMaximized : wsNormal;
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (Visible() && HandleAllocated()) ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
  HWND window = Handle();
  switch (windowState_) {
    case wsMinimized:
      if (Application()->MainForm() == this)
        Application()->Minimize();
      else if (!IsIconic(window))
        ShowWindow(window, SW_MINIMIZE);
      break;
    case wsMaximized:
      if (!IsZoomed(window)) ShowWindow(window, SW_MAXIMIZE);
      break;
    case wsNormal:
      if (Application()->MainForm() == this) Application()->Restore();
      // A window minimized from maximized comes back maximized first.
      for (int i = 0; i < 2 && (IsIconic(window) || IsZoomed(window)); ++i) ShowWindow(window, SW_RESTORE);
      break;
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
  std::vector<HWND> disabled;
  ForEachListed(Screen()->FormList(), [&](TCustomForm* f) {
    if (f == this || !f->HandleAllocated() || !IsWindowEnabled(f->Handle())) return;
    EnableWindow(f->Handle(), FALSE);
    disabled.push_back(f->Handle());
  });
  modal_ = true;
  modalResult_ = mrNone;
  Show();
  MSG quit;
  while (modalResult_ == mrNone) {
    // A request to quit ends the modal run and stays queued for the main loop.
    if (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
      modalResult_ = mrCancel;
      break;
    }
    Application()->ProcessMessages();
    if (modalResult_ == mrNone) WaitMessage();
  }
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  modal_ = false;
  Hide();
  return modalResult_;
}

void TCustomForm::PlaceOnScreen() {
  placed_ = true;
  if (position_ == poDesigned) return;
  RECT area = {0, 0, Screen()->Width(), Screen()->Height()};
  if (position_ == poDesktopCenter)
    area = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
  SetBounds(area.left + (area.right - area.left - Width()) / 2,
            area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void TCustomForm::SetVisible(bool visible) {
  if (visible && !placed_) PlaceOnScreen();
  if (visible) HandleNeeded();
  if (visible == Visible()) return;
  TControl::SetVisible(visible);
}

void TCustomForm::VisibleChanged() {
  // Unlike a control's, a form's window is activated when shown.
  if (!HandleAllocated()) return;
  if (Application()->MainForm() == this) Application()->MainFormShown(Visible());
  ShowWindow(Handle(), Visible() ? SW_SHOW : SW_HIDE);
  if (Visible()) ApplyWindowState();
}

void TCustomForm::Close() {
  TCloseAction action = caHide;
  onClose_(this, action);
  if (action == caNone) return;
  if (modal_) {
    modalResult_ = mrCancel;
    return;
  }
  if (Application()->MainForm() == this) Application()->Terminate();
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      ShowWindow(Handle(), SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  if (menu_) {
    menu_->RemoveFreeNotification(this);
    menu_->AttachToWindow(nullptr);
    if (HandleAllocated()) ::SetMenu(Handle(), nullptr);
  }
  menu_ = menu;
  if (menu_) {
    menu_->FreeNotification(this);
    if (HandleAllocated()) menu_->AttachToWindow(Handle());
  }
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  // The window lets go of the menu bar before the menu destroys it.
  if (operation == opRemove && component == menu_) SetMenu(nullptr);
}

bool TCustomForm::IsMenuShortCut(TMessage& key) { return menu_ && menu_->IsShortCut(key); }

void TCustomForm::Release() { PostMessageA(Handle(), CM_RELEASE, 0, 0); }

void TCustomForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_COMMAND:
      // From the menu bar: no control, notification code 0.
      if (menu_ && message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_->DispatchCommand(LOWORD(message.WParam)))
        return;
      break;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (menu_ && message.WParam == 0 && menu_->OwnerDrawMessage(message)) return;
      break;
    case WM_CLOSE:
      Close();
      message.Result = 0;
      return;
    case CM_RELEASE: {
      // A handler further down the stack (one that pumped messages, say) may still use the
      // form; only this message's own handler may be running for it to go now.
      if (TWindowAttachment::HandlersRunning() > 1) {
        auto& released = ReleasedForms();
        if (std::find(released.begin(), released.end(), this) == released.end()) released.push_back(this);
        return;
      }
      // Nothing of this form may be touched after this point.
      delete this;
      return;
    }
    case WM_ACTIVATE:
      active_ = LOWORD(message.WParam) != WA_INACTIVE;
      // The system would focus the form itself; its active control gets the focus instead.
      if (active_ && !HIWORD(message.WParam)) {
        Activated();
        message.Result = 0;
        return;
      }
      break;
    case WM_SYSCOMMAND:
      // The taskbar button is the application's: the main form minimizes with it.
      if ((message.WParam & 0xFFF0) == SC_MINIMIZE && Application()->MainForm() == this) {
        Application()->Minimize();
        message.Result = 0;
        return;
      }
      break;
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
      return;
    case CM_CANCELMODE:
      if (activeControl_ && reinterpret_cast<TControl*>(message.LParam) != activeControl_)
        activeControl_->Perform(CM_CANCELMODE, message.WParam, message.LParam);
      return;
    case CM_DIALOGKEY:
      if (DialogKey(message)) {
        message.Result = 1;
        return;
      }
      break;
  }
  TWinControl::WndProc(message);
}

void TCustomForm::FreeReleasedForms() {
  auto& released = ReleasedForms();
  while (!released.empty()) {
    TCustomForm* form = released.back();
    released.pop_back();
    delete form;
  }
}

// ---------------------------------------------------------------------------------------
// TScreen

RECT TScreen::WorkAreaRect() const {
  RECT r = {0, 0, Width(), Height()};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

TScreen* Screen() {
  static TScreen screen;
  return &screen;
}

// ---------------------------------------------------------------------------------------
// TApplication

TApplication* Application() {
  static TApplication application(nullptr);
  return &application;
}

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), hintWindowClass_(&CreateDefaultHintWindow) {
  // The screen must outlive the forms this object frees when it goes.
  Screen();
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string name = path;
  name = name.substr(name.find_last_of("\\/:") + 1);
  title_ = name.substr(0, name.rfind('.'));
  HICON icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
  icon_.SetHandle(icon ? icon : CopyIcon(LoadIconA(nullptr, IDI_APPLICATION)));
}

TApplication::~TApplication() {
  CancelHint();
  DestroyComponents();
}

HWND TApplication::Handle() {
  if (window_) return window_->Handle();
  TCreateParams params;
  params.FrameworkClassName = "TMApplication";
  params.ClassStyle = 0;
  params.Caption = title_;
  // The caption, system menu and minimize box make the taskbar button's menu; with no size
  // nothing else of the window shows.
  params.Style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
  params.X = GetSystemMetrics(SM_CXSCREEN) / 2;
  params.Y = GetSystemMetrics(SM_CYSCREEN) / 2;
  window_ = std::make_unique<THiddenWindow>(TWndMethod::Of<&TApplication::DispatchToHooks>(this), params);
  HMENU menu = GetSystemMenu(window_->Handle(), FALSE);
  for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_MOVE}) DeleteMenu(menu, command, MF_BYCOMMAND);
  ShowIconOnWindow();
  return window_->Handle();
}

void TApplication::SetIcon(HICON icon) {
  icon_.SetHandle(icon);
  if (window_) ShowIconOnWindow();
}

void TApplication::ShowIconOnWindow() {
  for (WPARAM size : {ICON_BIG, ICON_SMALL})
    SendMessageA(window_->Handle(), WM_SETICON, size, reinterpret_cast<LPARAM>(icon_.Handle()));
}

void TApplication::Minimize() {
  if (!minimized_) ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (minimized_) ShowWindow(Handle(), SW_RESTORE);
}

void TApplication::WindowMinimized() {
  minimized_ = true;
  hiddenForms_.clear();
  // By the forms' own flag: the system may have hidden their windows already.
  ForEachListed(Screen()->FormList(), [&](TCustomForm* form) {
    if (!form->Visible() || !form->HandleAllocated()) return;
    hiddenForms_.push_back(form->Handle());
    ShowWindow(form->Handle(), SW_HIDE);
  });
  RunGuarded([&] { onMinimize_(this); });
}

void TApplication::WindowRestored() {
  minimized_ = false;
  if (mainForm_ && mainForm_->windowState_ == wsMinimized) mainForm_->windowState_ = wsNormal;
  for (HWND window : std::exchange(hiddenForms_, {})) {
    // A form freed or hidden meanwhile stays away.
    auto* form = dynamic_cast<TCustomForm*>(TWinControl::FromHandle(window));
    if (form && form->Visible()) ShowWindow(window, SW_SHOWNA);
  }
  PostMessageA(window_->Handle(), kReactivateForm, 0, 0);
  RunGuarded([&] { onRestore_(this); });
}

void TApplication::MainFormShown(bool shown) {
  HWND window = Handle();
  // The main form cannot show while the application is minimized: showing it restores the
  // application.
  if (shown && minimized_)
    Restore();
  else if (shown && !IsWindowVisible(window))
    ShowWindow(window, SW_SHOWNA);
  else if (!shown && !minimized_)
    ShowWindow(window, SW_HIDE);
}

void TApplication::DispatchToHooks(TMessage& message) {
  windowHooks_.Dispatch(message, TWndMethod::Of<&TApplication::HiddenWndProc>(this));
}

void TApplication::WatchHooker(TObject* hookObject) {
  if (auto* hooker = dynamic_cast<TComponent*>(hookObject)) FreeNotification(hooker);
}

void TApplication::AddWindowHook(TWindowHook hook) {
  windowHooks_.Add(hook);
  WatchHooker(hook.Data());
}

void TApplication::RemoveWindowHook(TWindowHook hook) { windowHooks_.Remove(hook); }

void TApplication::AddMessageHook(TMessageHook hook) {
  messageHooks_.Add(hook);
  WatchHooker(hook.Data());
}

void TApplication::RemoveMessageHook(TMessageHook hook) { messageHooks_.Remove(hook); }

void TApplication::HiddenWndProc(TMessage& message) {
  if (message.Msg == WM_TIMER && message.WParam == kHintShowTimer) {
    KillTimer(window_->Handle(), kHintShowTimer);
    ShowPendingHint();
  } else if (message.Msg == WM_TIMER && message.WParam == kHintHideTimer) {
    KillTimer(window_->Handle(), kHintHideTimer);
    if (hintWindow_) hintWindow_->HideHint();
  } else if (message.Msg == WM_ACTIVATE && LOWORD(message.WParam) != WA_INACTIVE) {
    // A box owned by this window (the folder browser) hands the activation back here when it
    // closes. It belongs to the form that was active, which takes it once the box is gone.
    PostMessageA(window_->Handle(), kReactivateForm, 0, 0);
    window_->Default(message);
  } else if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_MINIMIZE) {
    // Not the system's way, which also hides and shows the owned windows by its own list.
    Minimize();
  } else if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_RESTORE) {
    Restore();
  } else if (message.Msg == WM_SIZE) {
    window_->Default(message);
    if (message.WParam == SIZE_MINIMIZED && !minimized_)
      WindowMinimized();
    else if (message.WParam != SIZE_MINIMIZED && minimized_)
      WindowRestored();
  } else if (message.Msg == WM_CLOSE) {
    // The taskbar button's close: the system would destroy this window.
    if (mainForm_) mainForm_->Close();
  } else if (message.Msg == kReactivateForm) {
    TCustomForm* form = Screen()->ActiveForm() ? Screen()->ActiveForm() : mainForm_;
    if (GetActiveWindow() == window_->Handle() && form && form->HandleAllocated() &&
        IsWindowVisible(form->Handle()) && IsWindowEnabled(form->Handle()))
      SetActiveWindow(form->Handle());
  } else {
    window_->Default(message);
  }
}

void TApplication::SetShowHint(bool show) {
  if (show == showHint_) return;
  CancelHint();
  showHint_ = show;
  if (!show) delete std::exchange(hintWindow_, nullptr);
}

THintWindow* TApplication::HintWindow() {
  if (showHint_ && !hintWindow_) hintWindow_ = hintWindowClass_(this);
  return hintWindow_;
}

void TApplication::SetHintControl(TControl* control) {
  if (window_) {
    KillTimer(window_->Handle(), kHintShowTimer);
    KillTimer(window_->Handle(), kHintHideTimer);
  }
  if (hintWindow_) hintWindow_->HideHint();
  if (control == hintControl_) return;
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = control;
  if (control) control->FreeNotification(this);
}

void TApplication::CancelHint() { SetHintControl(nullptr); }

void TApplication::HintMouseMessage(const MSG& msg) {
  POINT pt = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  TControl* control = ControlUnder(msg.hwnd, pt);
  if (control == hintControl_) return;
  const bool hintWasShowing = hintWindow_ && hintWindow_->Showing();
  SetHintControl(control);
  if (showHint_ && control && control->ShowHint() && !control->Hint().empty())
    SetTimer(Handle(), kHintShowTimer, static_cast<UINT>(hintWasShowing ? hintShortPause_ : hintPause_), nullptr);
}

void TApplication::ShowPendingHint() {
  if (!hintControl_) return;
  POINT cursor;
  GetCursorPos(&cursor);
  HWND under = WindowFromPoint(cursor);
  POINT client = cursor;
  ScreenToClient(under, &client);
  // The mouse may have left the application's windows without another message.
  if (ControlUnder(under, client) != hintControl_) return;
  THintInfo info = {hintControl_, cursor, {cursor.x, cursor.y + CursorHeightBelowHotSpot()}, hintHidePause_};
  std::string text = hintControl_->Hint();
  bool canShow = true;
  onShowHint_(text, canShow, info);
  if (!canShow || text.empty() || !HintWindow()) return;
  hintWindow_->ShowHintAt({info.HintPos.x, info.HintPos.y, info.HintPos.x, info.HintPos.y}, text);
  if (info.HideTimeout > 0) SetTimer(Handle(), kHintHideTimer, static_cast<UINT>(info.HideTimeout), nullptr);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (window_) SetWindowTextA(window_->Handle(), title.c_str());
}

void TApplication::Run() {
  if (terminated_ || !mainForm_) return;
  if (showMainForm_) mainForm_->Show();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) ProcessMessage(msg);
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Left for the loop in Run, which ends on it.
      terminated_ = true;
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ProcessMessage(msg);
  }
}

bool TApplication::ProcessMessage(MSG& msg) {
  switch (msg.message) {
    case WM_MOUSEMOVE:
      HintMouseMessage(msg);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      CancelHint();
      break;
  }
  bool handled = false;
  RunGuarded([&] { handled = messageHooks_.Run(msg); });
  if (!handled && onMessage_) RunGuarded([&] { onMessage_(msg, handled); });
  if (handled) return true;
  RunGuarded([&] { handled = PreprocessKeyMessage(msg); });
  if (handled) return true;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
  if (TWindowAttachment::HandlersRunning() == 0) TCustomForm::FreeReleasedForms();
  return true;
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::HandleException(const std::exception& e) {
  try {
    if (onException_)
      onException_(this, e);
    else
      MessageBox(e.what(), title_, MB_OK | MB_ICONSTOP);
  } catch (...) {
    // A failing exception handler must not take the message loop down with it.
  }
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, UINT flags) {
  return ShowMessageBox(ModalOwner(), text, caption, flags);
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  messageHooks_.RemoveObject(component);
  windowHooks_.RemoveObject(component);
  if (component == mainForm_) {
    mainForm_ = nullptr;
    if (window_) ShowWindow(window_->Handle(), SW_HIDE);
  }
  if (component == hintWindow_) hintWindow_ = nullptr;
  if (component == hintControl_) {
    hintControl_ = nullptr;
    CancelHint();
  }
}

}  // namespace tmv
