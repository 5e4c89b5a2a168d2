#include "skin/menus/SkinMenu.h"

#include "framework/gui/Forms.h"
#include "framework/gui/Input.h"
#include "framework/gui/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "skin/menus/SkinPopupWindow.h"

namespace tmv {

namespace {

constexpr UINT_PTR kSubMenuTimer = 1;
constexpr UINT CM_RUNMENUCOMMAND = WM_APP + 1;

void SendToControl(TControl* control, UINT message) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (windowed && windowed->HandleAllocated())
    SendMessageA(windowed->Handle(), message, 0, 0);
  else
    control->Perform(message);
}

}  // namespace

TspSkinMenu::TspSkinMenu(TComponent* owner) : TComponent(owner) {
  defMenuItemFont_.SetName("宋体");
  defMenuItemFont_.SetHeight(14);
  defMenuItemFont_.SetCharset(DEFAULT_CHARSET);
  hidden_ = std::make_unique<THiddenWindow>(TWndMethod::Of<&TspSkinMenu::HiddenMessage>(this));
}

TspSkinMenu::~TspSkinMenu() {
  Destroying();
  SetHooked(false);
  windows_.clear();
}

void TspSkinMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) {
    // The windows draw from the registry's pictures.
    CloseAll();
    skinData_ = nullptr;
  }
  if (component == notifyControl_) notifyControl_ = nullptr;
  if (component == lastNotifyControl_) lastNotifyControl_ = nullptr;
}

void TspSkinMenu::SetNotifyControl(TControl* control) {
  notifyControl_ = control;
  if (control) control->FreeNotification(this);
}

void TspSkinMenu::Popup(TControl* notifyControl, TspSkinData* skinData, bool popupUp, TMenuItem* item,
                        const RECT& anchor, int firstIndex) {
  firstLevel_ = !showing_;
  // The opener of a chain still open hears that it closed before the new one opens.
  if (showing_) CloseToLevel(0);
  SetNotifyControl(notifyControl);
  if (skinData_ != skinData) {
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = skinData;
    if (skinData_) skinData_->FreeNotification(this);
  }
  auto* windowed = dynamic_cast<TWinControl*>(notifyControl);
  TRect area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetMonitorWorkArea(windowed && windowed->HandleAllocated() ? windowed->Handle() : nullptr, area);
  workArea_ = {area.Left, area.Top, area.Right, area.Bottom};
  activeAtOpen_ = GetActiveWindow();
  showing_ = true;
  if (item) OpenWindow(item, firstIndex, anchor, false, popupUp);
  firstLevel_ = false;
  // A menu with nothing to show still closes, so the opener's bookkeeping ends.
  if (windows_.empty()) CloseToLevel(0);
}

void TspSkinMenu::OpenWindow(TMenuItem* item, int firstIndex, const RECT& anchor, bool subMenu, bool popupUp) {
  auto window = std::make_unique<TspSkinPopupWindow>(*this);
  window->Build(item, firstIndex);
  if (window->ItemCount() == 0) return;
  windows_.push_back(std::move(window));
  SetHooked(true);
  windows_.back()->ShowAt(anchor, subMenu, popupUp);
}

int TspSkinMenu::LevelOf(const TspSkinPopupWindow& window) const {
  for (size_t i = 0; i < windows_.size(); ++i)
    if (windows_[i].get() == &window) return static_cast<int>(i);
  return -1;
}

void TspSkinMenu::CloseToLevel(int level) {
  level = std::max(level, 0);
  while (static_cast<int>(windows_.size()) > level) windows_.pop_back();
  if (level > 0) {
    TspSkinPopupWindow& below = *windows_.back();
    for (int i = 0; i < below.ItemCount(); ++i) below.SetItemOpen(i, false);
    return;
  }
  KillTimer(hidden_->Handle(), kSubMenuTimer);
  pendingItem_ = nullptr;
  SetHooked(false);
  if (!showing_) return;
  showing_ = false;
  TControl* control = notifyControl_;
  lastNotifyControl_ = control;
  notifyControl_ = nullptr;
  if (control) SendToControl(control, SKM_MENUCLOSED);
}

void TspSkinMenu::CloseAll() { CloseToLevel(0); }

void TspSkinMenu::ItemActivated(TspSkinPopupWindow& window, int index, bool byKeyboard, bool click) {
  const int level = LevelOf(window);
  if (level < 0) return;
  TMenuItem* item = window.Item(index).MenuItem;
  KillTimer(hidden_->Handle(), kSubMenuTimer);
  pendingItem_ = nullptr;
  if (item->Count() == 0) {
    if (!click) {
      CloseToLevel(level + 1);
      return;
    }
    // The command runs from the message loop once every window is gone: it may free the menu,
    // its items or the form, and the windows must not be in the middle of a message then.
    for (auto& w : windows_) ShowWindow(w->Handle(), SW_HIDE);
    commandItem_ = item;
    commandItemAlive_ = item->LifeToken();
    PostMessageA(hidden_->Handle(), CM_RUNMENUCOMMAND, 0, 0);
    return;
  }
  if (!click) {
    CloseToLevel(level + 1);
    if (byKeyboard) return;
    pendingItem_ = item;
    pendingItemAlive_ = item->LifeToken();
    pendingLevel_ = level;
    SetTimer(hidden_->Handle(), kSubMenuTimer, 500, nullptr);
    return;
  }
  if (level + 1 < WindowCount() && window.Item(index).Open) return;
  CloseToLevel(level + 1);
  const std::weak_ptr<const void> alive = LifeToken(), itemAlive = item->LifeToken();
  RunGuarded([&] { item->Click(); });
  if (alive.expired() || itemAlive.expired() || LevelOf(window) != level || index >= window.ItemCount()) return;
  window.SetItemOpen(index, true);
  const size_t before = windows_.size();
  OpenWindow(item, 0, window.ItemScreenRect(index), true, false);
  if (windows_.size() == before) window.SetItemOpen(index, false);
}

void TspSkinMenu::KeyDown(WORD key) {
  if (windows_.empty()) return;
  const int count = WindowCount();
  if (key == VK_ESCAPE || (key == VK_LEFT && count >= 2)) {
    CloseToLevel(count - 1);
    return;
  }
  windows_.back()->KeyDown(key);
}

void TspSkinMenu::SetHooked(bool hooked) {
  if (hooked == hooked_) return;
  hooked_ = hooked;
  const TMessageHook messageHook = TMessageHook::Of<&TspSkinMenu::MessageHook>(this);
  const TWindowHook windowHook = TWindowHook::Of<&TspSkinMenu::ApplicationHook>(this);
  if (hooked) {
    Application()->AddMessageHook(messageHook);
    Application()->AddWindowHook(windowHook);
  } else {
    Application()->RemoveMessageHook(messageHook);
    Application()->RemoveWindowHook(windowHook);
  }
}

// While a chain is open the keys are the menu's, the wheel does nothing and a click anywhere
// else closes the chain (and still does what it does there).
void TspSkinMenu::MessageHook(MSG& msg, bool& handled) {
  if (msg.message == WM_KEYDOWN) {
    KeyDown(static_cast<WORD>(msg.wParam));
    handled = true;
    return;
  }
  if (msg.message == WM_MOUSEWHEEL) {
    handled = true;
    return;
  }
  if (IsButtonDownMessage(msg.message)) {
    for (auto& w : windows_)
      if (w->Handle() == msg.hwnd) return;
    CloseAll();
  }
}

void TspSkinMenu::ApplicationHook(TMessage& message, const TWindowHookNext& next) {
  if (message.Msg == WM_ACTIVATEAPP && !message.WParam) CloseAll();
  next(message);
}

void TspSkinMenu::HiddenMessage(TMessage& message) {
  if (message.Msg == WM_TIMER && message.WParam == kSubMenuTimer) {
    KillTimer(hidden_->Handle(), kSubMenuTimer);
    TMenuItem* item = pendingItemAlive_.expired() ? nullptr : pendingItem_;
    pendingItem_ = nullptr;
    if (!item || pendingLevel_ >= WindowCount()) return;
    TspSkinPopupWindow& window = *windows_[static_cast<size_t>(pendingLevel_)];
    const int index = window.CurrentIndex();
    if (index >= 0 && window.Item(index).MenuItem == item) ItemActivated(window, index, false, true);
    return;
  }
  if (message.Msg == CM_RUNMENUCOMMAND) {
    RunCommand();
    return;
  }
  hidden_->Default(message);
}

void TspSkinMenu::RunCommand() {
  TMenuItem* item = commandItemAlive_.expired() ? nullptr : commandItem_;
  commandItem_ = nullptr;
  CloseAll();
  if (!item) return;
  TControl* control = lastNotifyControl_;
  const std::weak_ptr<const void> controlAlive = control ? control->LifeToken() : std::weak_ptr<const void>();
  TMenu* menu = item->GetParentMenu();
  if (menu)
    menu->DispatchCommand(item->Command());
  else
    RunGuarded([&] { item->Click(); });
  // The command may have freed this menu and the control; only the control is told, if alive.
  if (control && !controlAlive.expired()) SendToControl(control, SKM_MENUCOMMAND);
}

}  // namespace tmv
