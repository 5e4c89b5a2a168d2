#pragma once
// The application object, the screen's list of forms, and forms.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/WinApiNames.h"
#include "framework/gui/Controls.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/HiddenWindow.h"
#include "framework/gui/HintWindow.h"

namespace tmv {

class TMainMenu;

enum TBorderIcon : uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint32_t;
enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TFormStyle { fsNormal, fsStayOnTop };
enum TPosition { poDesigned, poDesktopCenter, poScreenCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
// What ended a modal form: mrNone while it runs.
using TModalResult = int;
constexpr TModalResult mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL, mrAbort = IDABORT, mrRetry = IDRETRY,
                       mrIgnore = IDIGNORE, mrYes = IDYES, mrNo = IDNO;
using TCloseEvent = TMethod<TObject*, TCloseAction&>;
// A key message (WM_KEYDOWN or WM_SYSKEYDOWN) the form may take as a shortcut before its
// focused control sees it; setting the flag swallows the key.
using TShortCutEvent = TMethod<TMessage&, bool&>;

class TCustomForm : public TWinControl {
public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  // The client area's size; the window is sized around it for the current border.
  void SetClientWidth(int width);
  void SetClientHeight(int height);
  RECT ClientRect() override;
  TIcon* Icon() { return &icon_; }
  // True while the form's window is the active window.
  bool Active() const { return active_; }
  // The window's state as the user left it; a new state shows when the form is visible.
  TWindowState WindowState();
  void SetWindowState(TWindowState state);
  TModalResult ModalResult() const { return modalResult_; }
  // A result other than mrNone ends ShowModal.
  void SetModalResult(TModalResult result) { modalResult_ = result; }
  // Shows the form with the application's other forms disabled until ModalResult is set or
  // the form is closed; answers the result (mrCancel when closed or when the program quits).
  TModalResult ShowModal();

  TNotifyEvent OnCreate() const { return onCreate_; }
  void SetOnCreate(TNotifyEvent event) { onCreate_ = event; }
  TCloseEvent OnClose() const { return onClose_; }
  void SetOnClose(TCloseEvent event) { onClose_ = event; }
  TNotifyEvent OnDestroy() const { return onDestroy_; }
  void SetOnDestroy(TNotifyEvent event) { onDestroy_ = event; }
  TShortCutEvent OnShortCut() const { return onShortCut_; }
  void SetOnShortCut(TShortCutEvent event) { onShortCut_ = event; }
  // The menu bar; its items' shortcuts work while the form is active.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  // The control that has the focus while the form is active, and gets it back when the form
  // is activated again; null when the form itself would hold it.
  TWinControl* ActiveControl() const { return activeControl_; }
  // Focuses the control at once when the form is active, otherwise at its activation.
  void SetActiveControl(TWinControl* control);
  // Called when control got the keyboard focus: OnExit runs for the controls the focus left,
  // from the innermost out, OnEnter for those it came into, from the outermost in; then
  // CM_FOCUSCHANGED goes to the form and its controls.
  void SetFocusedControl(TWinControl* control);
  // A control that goes or leaves the form gives up being its ActiveControl.
  void DefocusControl(TWinControl* control);
  // The next control after current in tab order that can take the focus (with checkTabStop:
  // and has TabStop; with sameParent: and has current's parent), wrapping round.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool sameParent) const;
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  // The key message as a shortcut: OnShortCut, then the form's main menu. True when taken.
  bool IsShortCut(TMessage& key);

  void SetVisible(bool visible) override;
  // Asks OnClose what to do: hide (the default), free, minimize or nothing. Closing the main
  // form ends the application.
  void Close();
  // Frees the form once the messages now queued have been handled and no message handler of
  // a framework window (this form's included) is running any more.
  void Release();
  void WndProc(TMessage& message) override;

protected:
  // A form whose layout lives in a form resource calls this at the end of its constructor:
  // the resource named after the form's class (TFormMain.form becomes resource TFormMain)
  // is read, then OnCreate runs. A missing resource raises EResNotFound.
  void InitFormResource();
  // Runs OnCreate, guarded like every event.
  void DoCreate();
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void VisibleChanged() override;
  // The shortcuts of the form's Menu.
  virtual bool IsMenuShortCut(TMessage& key);
  void Notification(TComponent* component, TOperation operation) override;

private:
  void Activated();
  bool DialogKey(TMessage& message);
  friend class TApplication;
  SIZE FrameSize();
  void PlaceOnScreen();
  void ApplyWindowState();
  // Frees the forms whose release had to wait for running handlers, once none runs.
  static void FreeReleasedForms();

  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TFormBorderStyle borderStyle_ = bsSizeable;
  TFormStyle formStyle_ = fsNormal;
  TPosition position_ = poDesigned;
  TIcon icon_;
  bool placed_ = false;
  bool active_ = false;
  TWindowState windowState_ = wsNormal;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  TNotifyEvent onCreate_;
  TCloseEvent onClose_;
  TNotifyEvent onDestroy_;
  TShortCutEvent onShortCut_;
  TMainMenu* menu_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;  // the control whose OnEnter ran last
};

// The form that holds control (a form is its own), or null.
TCustomForm* GetParentForm(const TControl* control);

class TForm : public TCustomForm {
public:
  using TCustomForm::TCustomForm;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// The forms that exist, in creation order; the skin engine sends its messages to each.
class TScreen {
public:
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
  // The forms, for walks with ForEachListed that survive forms coming and going.
  const std::vector<TCustomForm*>& FormList() const { return forms_; }
  RECT WorkAreaRect() const;
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }

  // The form activated last and the control that has the focus in it.
  TCustomForm* ActiveForm() const { return activeForm_; }
  TWinControl* ActiveControl() const { return activeControl_; }

  HCURSOR Cursors(TCursor cursor) const { return cursors_.Get(cursor); }
  void SetCursors(TCursor cursor, HCURSOR handle) { cursors_.Set(cursor, handle); }
  bool CursorRegistered(TCursor cursor) const { return cursors_.Registered(cursor); }

private:
  friend class TCustomForm;
  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  TCursorTable cursors_;
};

// What the application is about to show as a hint; OnShowHint may change it.
struct THintInfo {
  TControl* HintControl;
  POINT CursorPos;  // screen coordinates
  POINT HintPos;    // where the hint's top-left corner goes
  int HideTimeout;  // milliseconds
};

using TMessageEvent = TMethod<MSG&, bool&>;
using TShowHintEvent = TMethod<std::string&, bool&, THintInfo&>;
using THintWindowClass = THintWindow* (*)(TComponent* owner);
using TExceptionEvent = TMethod<TObject*, const std::exception&>;

class TApplication : public TComponent {
public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // The application's window: a zero-size popup that owns the forms and carries the program's
  // taskbar button, titled with Title. It is shown while the main form is, answers the
  // taskbar's restore, minimize and close, and hands its activation to the active form.
  HWND Handle();
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  // The program's icon, on the taskbar button: the module's MAINICON, else the system's
  // application icon.
  HICON Icon() const { return icon_.Handle(); }
  // Takes ownership of icon.
  void SetIcon(HICON icon);

  // Minimizing the application hides its visible forms and minimizes its window; restoring
  // brings back the forms it hid. Minimizing the main form minimizes the application.
  void Minimize();
  void Restore();
  bool Minimized() const { return minimized_; }
  // Fired once the forms are hidden and once they are back.
  TNotifyEvent OnMinimize() const { return onMinimize_; }
  void SetOnMinimize(TNotifyEvent event) { onMinimize_ = event; }
  TNotifyEvent OnRestore() const { return onRestore_; }
  void SetOnRestore(TNotifyEvent event) { onRestore_ = event; }

  // Creates a form owned by the application; the first one becomes the main form. A form
  // that cannot be made (a damaged form resource, say) is reported by HandleException and
  // answered with null.
  template <class F>
  F* CreateForm() {
    F* form = nullptr;
    RunGuarded([&] { form = new F(this); });
    if (form && !mainForm_) mainForm_ = form;
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }

  // Shows the main form (unless ShowMainForm is off: a program that starts hidden) and handles
  // messages until Terminate (or the main form closes); without a main form there is nothing
  // to run.
  void Run();
  bool ShowMainForm() const { return showMainForm_; }
  void SetShowMainForm(bool show) { showMainForm_ = show; }
  // Handles every message waiting now, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

  // Called with every message taken from the queue before it is dispatched; a handler that
  // sets its flag keeps the message from being dispatched.
  TMessageEvent OnMessage() const { return onMessage_; }
  void SetOnMessage(TMessageEvent event) { onMessage_ = event; }
  // Components that watch the message loop for a while add a hook rather than replace
  // OnMessage: hooks see each message before OnMessage, newest first, go in any order and go
  // by themselves when the component whose method they call is freed.
  void AddMessageHook(TMessageHook hook);
  void RemoveMessageHook(TMessageHook hook);
  // Hooks on the procedure of the application's window, as TWinControl::AddWindowHook.
  void AddWindowHook(TWindowHook hook);
  void RemoveWindowHook(TWindowHook hook);
  TExceptionEvent OnException() const { return onException_; }
  void SetOnException(TExceptionEvent event) { onException_ = event; }
  // OnException if assigned; otherwise the exception's message in a box titled with Title.
  void HandleException(const std::exception& e);

  // A message box owned by ModalOwner, modal to the whole program.
  int MessageBox(const std::string& text, const std::string& caption, UINT flags);

  // Control hints: shown after HintPause once the mouse rests on a control whose ShowHint
  // is on (HintShortPause when another hint was just showing), hidden after HintHidePause,
  // on a click or a key.
  bool ShowHint() const { return showHint_; }
  // Switching hints off frees the hint window; switching them on again makes a new one of
  // the current hint window class.
  void SetShowHint(bool show);
  THintWindowClass HintWindowClass() const { return hintWindowClass_; }
  void SetHintWindowClass(THintWindowClass cls) { hintWindowClass_ = cls; }
  // Null while hints are off.
  THintWindow* HintWindow();
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int ms) { hintShortPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }
  TShowHintEvent OnShowHint() const { return onShowHint_; }
  void SetOnShowHint(TShowHintEvent event) { onShowHint_ = event; }
  void CancelHint();

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  friend class TCustomForm;
  bool ProcessMessage(MSG& msg);
  void DispatchToHooks(TMessage& message);
  void HiddenWndProc(TMessage& message);
  void ShowIconOnWindow();
  // The window's minimized state changed, whoever minimized or restored it.
  void WindowMinimized();
  void WindowRestored();
  // The main form was shown or hidden: the taskbar button follows it.
  void MainFormShown(bool shown);
  void WatchHooker(TObject* hookObject);
  void HintMouseMessage(const MSG& msg);
  void SetHintControl(TControl* control);
  void ShowPendingHint();

  bool showHint_ = true;
  THintWindowClass hintWindowClass_;
  THintWindow* hintWindow_ = nullptr;
  TControl* hintControl_ = nullptr;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TShowHintEvent onShowHint_;

  std::string title_;
  TIcon icon_;
  std::unique_ptr<THiddenWindow> window_;
  bool minimized_ = false;
  bool showMainForm_ = true;
  // The forms minimizing hid, given back their windows when restored.
  std::vector<HWND> hiddenForms_;
  TNotifyEvent onMinimize_;
  TNotifyEvent onRestore_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  TMessageEvent onMessage_;
  TMessageHooks messageHooks_;
  TWindowHooks windowHooks_;
  TExceptionEvent onException_;
};

TApplication* Application();
TScreen* Screen();

}  // namespace tmv
