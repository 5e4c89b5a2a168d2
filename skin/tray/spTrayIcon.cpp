#include "skin/tray/spTrayIcon.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "skin/tray/TrayShell.h"

namespace tmv {

const TClassInfo& TspTrayIcon::StaticClassInfo() {
  static const TClassInfo info(
      "TspTrayIcon", &TComponent::StaticClassInfo(), &CreateComponent<TspTrayIcon>,
      {prop::Boolean<&TspTrayIcon::SetDesignPreview>("DesignPreview"),
       prop::Reference<&TspTrayIcon::SetIconList>("IconList"),
       prop::Boolean<&TspTrayIcon::SetCycleIcons>("CycleIcons"),
       prop::Integer<&TspTrayIcon::SetAnimateTimerInterval>("AnimateTimerInterval"),
       prop::Boolean<&TspTrayIcon::SetEnabled>("Enabled", true),
       prop::String<&TspTrayIcon::SetHint>("Hint"),
       prop::Boolean<&TspTrayIcon::SetShowHint>("ShowHint", true),
       prop::Object<&TspTrayIcon::Icon>("Icon"),
       prop::Boolean<&TspTrayIcon::SetIconVisible>("IconVisible", true),
       prop::Integer<&TspTrayIcon::SetIconIndex>("IconIndex"),
       prop::Reference<&TspTrayIcon::SetPopupMenu>("PopupMenu"),
       prop::Boolean<&TspTrayIcon::SetPopupByLeftButton>("PopupByLeftButton"),
       prop::Boolean<&TspTrayIcon::SetMinimizedOnStart>("MinimizedOnStart"),
       prop::Boolean<&TspTrayIcon::SetMinimizeToTray>("MinimizeToTray"),
       prop::Event<&TspTrayIcon::SetOnClick>("OnClick"),
       prop::Event<&TspTrayIcon::SetOnDblClick>("OnDblClick"),
       prop::Event<&TspTrayIcon::SetOnMouseDown>("OnMouseDown"),
       prop::Event<&TspTrayIcon::SetOnMouseUp>("OnMouseUp"),
       prop::Event<&TspTrayIcon::SetOnMouseMove>("OnMouseMove"),
       prop::Event<&TspTrayIcon::SetOnCycle>("OnCycle")});
  return info;
}

TspTrayIcon::TspTrayIcon(TComponent* owner)
    : TComponent(owner),
      window_(std::make_unique<THiddenWindow>(TWndMethod::Of<&TspTrayIcon::WindowProc>(this))),
      animateTimer_(std::make_unique<TTimer>(nullptr)) {
  animateTimer_->SetEnabled(false);
  animateTimer_->SetInterval(0);
  animateTimer_->SetOnTimer(TNotifyEvent::Of<&TspTrayIcon::AnimationStep>(this));
  if (IsDesigning()) return;
  Application()->AddWindowHook(TWindowHook::Of<&TspTrayIcon::ApplicationHook>(this));
  AddTrayIcon();
}

TspTrayIcon::~TspTrayIcon() {
  Application()->RemoveWindowHook(TWindowHook::Of<&TspTrayIcon::ApplicationHook>(this));
  if (inTray_) SendRecord(NIM_DELETE);
  if (iconList_) iconList_->RemoveFreeNotification(this);
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
}

void TspTrayIcon::Loaded() {
  TComponent::Loaded();
  if (minimizedOnStart_ && !IsDesigning()) {
    iconVisible_ = true;
    minimizeToTray_ = true;
    Application()->SetShowMainForm(false);
    ShowWindow(Application()->Handle(), SW_HIDE);
  }
  // Adding the icon again brings the shell up to date with what was read.
  SetIconVisible(iconVisible_);
}

void TspTrayIcon::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == iconList_) iconList_ = nullptr;
  if (component == popupMenu_) popupMenu_ = nullptr;
}

HICON TspTrayIcon::ShownIcon() const { return icon_.Empty() ? Application()->Icon() : icon_.Handle(); }

void TspTrayIcon::SendRecord(DWORD message) {
  NOTIFYICONDATAA data = TrayIconRecord(window_->Handle(), ShownIcon(), showHint_ ? hint_ : std::string());
  const BOOL done = ShellNotifyIcon(message, data);
  if (message == NIM_ADD) inTray_ = done != FALSE;
  if (message == NIM_DELETE) inTray_ = false;
}

void TspTrayIcon::AddTrayIcon() {
  iconVisible_ = true;
  if (ShellAllowed() && !IsLoading()) SendRecord(inTray_ ? NIM_MODIFY : NIM_ADD);
}

void TspTrayIcon::RemoveTrayIcon() {
  iconVisible_ = false;
  if (inTray_ && !IsLoading()) SendRecord(NIM_DELETE);
}

void TspTrayIcon::UpdateTrayIcon() {
  if (inTray_ && !IsLoading()) SendRecord(NIM_MODIFY);
}

void TspTrayIcon::SetDesignPreview(bool value) {
  designPreview_ = value;
  if (!IsDesigning()) return;
  // The preview shows the icon without changing IconVisible.
  if (value && iconVisible_ && !inTray_)
    SendRecord(NIM_ADD);
  else if (!value && inTray_)
    SendRecord(NIM_DELETE);
}

void TspTrayIcon::SetIconList(TImageList* list) {
  if (iconList_) iconList_->RemoveFreeNotification(this);
  iconList_ = list;
  if (iconList_) iconList_->FreeNotification(this);
  SetIconIndex(0);
}

void TspTrayIcon::SetCycleIcons(bool value) {
  cycleIcons_ = value;
  if (value) SetIconIndex(0);
  UpdateAnimation();
}

void TspTrayIcon::SetAnimateTimerInterval(unsigned ms) {
  animateTimer_->SetInterval(ms);
  UpdateAnimation();
}

void TspTrayIcon::UpdateAnimation() { animateTimer_->SetEnabled(cycleIcons_ && !IsDesigning()); }

void TspTrayIcon::SetHint(const std::string& hint) {
  hint_ = hint;
  UpdateTrayIcon();
}

void TspTrayIcon::SetShowHint(bool value) {
  showHint_ = value;
  UpdateTrayIcon();
}

void TspTrayIcon::SetIcon(HICON icon) {
  icon_.SetHandle(icon ? CopyIcon(icon) : nullptr);
  UpdateTrayIcon();
}

void TspTrayIcon::SetIconVisible(bool value) {
  if (value)
    AddTrayIcon();
  else
    RemoveTrayIcon();
}

void TspTrayIcon::SetIconIndex(int index) {
  if (index < 0) return;
  if (iconList_ && iconList_->Count() > 0) {
    index = std::min(index, iconList_->Count() - 1);
    icon_.SetHandle(iconList_->GetIcon(index));
  }
  iconIndex_ = index;
  UpdateTrayIcon();
}

void TspTrayIcon::SetPopupMenu(TPopupMenu* menu) {
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TspTrayIcon::AnimationStep(TObject*) {
  const int count = iconList_ ? iconList_->Count() : 0;
  if (count == 0) return;
  // The list may have shrunk since the index was set.
  const int index = std::min(iconIndex_, count - 1);
  icon_.SetHandle(iconList_->GetIcon(index));
  const int next = index + 1 < count ? index + 1 : 0;
  const auto life = LifeToken();
  onCycle_(this, next);
  if (life.expired()) return;
  UpdateTrayIcon();
  iconIndex_ = next;
}

void TspTrayIcon::HideMainWindow() {
  TCustomForm* main = Application()->MainForm();
  if (!main) return;
  main->Hide();
  ShowWindow(Application()->Handle(), SW_HIDE);
}

void TspTrayIcon::RestoreMainWindow() {
  TCustomForm* main = Application()->MainForm();
  if (!main) return;
  Application()->Restore();
  main->Show();
  if (main->WindowState() == wsMinimized) main->SetWindowState(wsNormal);
  SetForegroundWindow(main->Handle());
}

void TspTrayIcon::HideToTray() {
  minimizeToTray_ = true;
  if (!Application()->Minimized()) {
    // The application's window reports the minimizing, and the hook hides it to the tray.
    Application()->Minimize();
    return;
  }
  HideMainWindow();
  AddTrayIcon();
}

void TspTrayIcon::RestoreFromTray(bool keepIcon) {
  minimizeToTray_ = false;
  RestoreMainWindow();
  if (!keepIcon) RemoveTrayIcon();
}

void TspTrayIcon::ApplicationHook(TMessage& message, const TWindowHookNext& next) {
  if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED && minimizeToTray_) {
    HideMainWindow();
    AddTrayIcon();
  } else if (message.Msg == taskbarCreated_ && iconVisible_) {
    // A new taskbar knows no icons: this one is added again.
    inTray_ = false;
    AddTrayIcon();
  }
  next(message);
}

void TspTrayIcon::WindowProc(TMessage& message) {
  if (message.Msg == kTrayCallbackMessage) {
    if (enabled_) IconMouseMessage(static_cast<UINT>(message.LParam));
    return;
  }
  // The icon's window lives as long as the component, whatever asks it to close.
  if (message.Msg == WM_CLOSE) return;
  window_->Default(message);
}

void TspTrayIcon::IconMouseMessage(UINT mouseMessage) {
  POINT at = {0, 0};
  GetCursorPos(&at);
  const TShiftState shift = KeyboardShiftState();
  // Every handler may free the component.
  const auto life = LifeToken();
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      onMouseMove_(this, shift, at.x, at.y);
      break;
    case WM_LBUTTONDOWN:
      clicks_.LeftDown();
      onMouseDown_(this, mbLeft, shift | ssLeft, at.x, at.y);
      if (!life.expired() && popupByLeftButton_) ShowMenu();
      break;
    case WM_LBUTTONUP:
      clicks_.LeftUp();
      if (!life.expired()) onMouseUp_(this, mbLeft, shift | ssLeft, at.x, at.y);
      break;
    case WM_LBUTTONDBLCLK:
      clicks_.DoubleClick();
      onDblClick_(this);
      if (!life.expired() && popupMenu_ && popupMenu_->AutoPopup() && !popupByLeftButton_) ClickDefaultItem();
      break;
    case WM_RBUTTONDOWN:
      onMouseDown_(this, mbRight, shift | ssRight, at.x, at.y);
      if (!life.expired()) ShowMenu();
      break;
    case WM_RBUTTONUP:
      onMouseUp_(this, mbRight, shift | ssRight, at.x, at.y);
      break;
    case WM_MBUTTONDOWN:
      onMouseDown_(this, mbMiddle, shift | ssMiddle, at.x, at.y);
      break;
    case WM_MBUTTONUP:
      onMouseUp_(this, mbMiddle, shift | ssMiddle, at.x, at.y);
      break;
  }
}

void TspTrayIcon::SingleClick(TObject*) { onClick_(this); }

void TspTrayIcon::ShowMenu() {
  POINT at;
  if (!popupMenu_ || !popupMenu_->AutoPopup() || !GetCursorPos(&at)) return;
  // A menu opened from the tray closes on a click elsewhere only when the program is in the
  // foreground, and the message posted after it lets the menu end cleanly.
  HWND window = window_->Handle();
  SetForegroundWindow(window);
  popupMenu_->SetPopupComponent(this);
  const auto life = LifeToken();
  popupMenu_->Popup(at.x, at.y);
  if (!life.expired()) PostMessageA(window, WM_NULL, 0, 0);
}

void TspTrayIcon::ClickDefaultItem() {
  TMenuItem* items = popupMenu_->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (items->Items(i)->Default()) {
      items->Items(i)->Click();
      return;
    }
}

void RegisterTrayClasses() { RegisterClasses({&TspTrayIcon::StaticClassInfo()}); }

}  // namespace tmv
