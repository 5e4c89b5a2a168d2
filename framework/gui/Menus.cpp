#include "framework/gui/Menus.h"

#include <algorithm>
#include <set>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Input.h"

namespace tmv {

namespace {

// Commands are 16-bit numbers in WM_COMMAND, so freed ones are used again.
std::set<UINT>& UsedCommands() {
  static std::set<UINT> used;
  return used;
}

UINT NewCommand() {
  UINT command = 1;
  for (UINT used : UsedCommands()) {
    if (used != command) break;
    ++command;
  }
  UsedCommands().insert(command);
  return command;
}

const TEnumInfo& MenuBreakInfo() {
  static const TEnumInfo info{"TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"}};
  return info;
}

// The system menu for the visible sub-items of item; submenus belong to it.
HMENU BuildSystemMenu(const TMenuItem& item, bool popup) {
  HMENU menu = popup ? CreatePopupMenu() : CreateMenu();
  if (!menu) throw EOutOfResources("Out of system resources");
  for (int i = 0; i < item.Count(); ++i) {
    const TMenuItem& sub = *item.Items(i);
    if (!sub.Visible()) continue;
    std::string text = sub.Caption();
    if (sub.ShortCut() != scNone) text += "\t" + ShortCutToText(sub.ShortCut());
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING | MIIM_DATA;
    info.fType = sub.IsLine() ? MFT_SEPARATOR : sub.OnDrawItem() ? MFT_OWNERDRAW : MFT_STRING;
    if (sub.RadioItem()) info.fType |= MFT_RADIOCHECK;
    if (sub.Break() == mbBreak) info.fType |= MFT_MENUBREAK;
    if (sub.Break() == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    info.fState = (sub.Enabled() ? 0 : MFS_GRAYED) | (sub.Checked() ? MFS_CHECKED : 0) |
                  (sub.Default() ? MFS_DEFAULT : 0);
    info.wID = sub.Command();
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&sub);
    info.dwTypeData = const_cast<char*>(text.c_str());
    if (sub.Count() > 0) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = BuildSystemMenu(sub, true);
    }
    InsertMenuItemA(menu, GetMenuItemCount(menu), TRUE, &info);
  }
  return menu;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TMenuItem

const TClassInfo& TMenuItem::StaticClassInfo() {
  static const TClassInfo info(
      "TMenuItem", &TComponent::StaticClassInfo(), &CreateComponent<TMenuItem>,
      {prop::String<&TMenuItem::SetCaption>("Caption"),
       prop::Integer<&TMenuItem::SetShortCut>("ShortCut", 0),
       prop::Boolean<&TMenuItem::SetEnabled>("Enabled", true),
       prop::Boolean<&TMenuItem::SetVisible>("Visible", true),
       prop::Boolean<&TMenuItem::SetChecked>("Checked", false),
       prop::Boolean<&TMenuItem::SetRadioItem>("RadioItem", false),
       prop::Integer<&TMenuItem::SetGroupIndex>("GroupIndex", 0),
       prop::Boolean<&TMenuItem::SetDefault>("Default", false),
       prop::Enum<&TMenuItem::SetBreak>("Break", MenuBreakInfo(), mbNone),
       prop::Integer<&TMenuItem::SetImageIndex>("ImageIndex", -1),
       prop::String<&TMenuItem::SetHint>("Hint"),
       prop::Event<&TMenuItem::SetOnClick>("OnClick"),
       prop::Event<&TMenuItem::SetOnDrawItem>("OnDrawItem"),
       prop::Event<&TMenuItem::SetOnMeasureItem>("OnMeasureItem")});
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NewCommand()) {}

TMenuItem::~TMenuItem() {
  Destroying();
  Clear();
  if (parent_) parent_->Remove(this);
  UsedCommands().erase(command_);
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu()) menu->ItemsChanged();
}

void TMenuItem::UncheckGroupSiblings() {
  // A form resource checks items while their siblings are still being read; the last one
  // read checked wins, as it would at run time.
  if (!parent_ || !radioItem_ || !checked_) return;
  for (TMenuItem* sibling : parent_->items_)
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_) sibling->checked_ = false;
}

void TMenuItem::Click() {
  if (enabled_) onClick_(this);
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  const auto it = std::find(items_.begin(), items_.end(), item);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  for (const TMenuItem* p = this; p; p = p->parent_)
    if (p == item) throw EComponentError("A menu item cannot hold itself");
  if (item->parent_) item->parent_->Remove(item);
  if (index < 0 || index > Count()) index = Count();
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  item->UncheckGroupSiblings();
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  const int index = IndexOf(item);
  if (index < 0) return;
  items_.erase(items_.begin() + index);
  item->parent_ = nullptr;
  Changed();
}

void TMenuItem::Clear() {
  while (!items_.empty()) delete items_.back();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->parent_) root = root->parent_;
  return root->menu_;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = dynamic_cast<TMenuItem*>(parent))
    item->Add(this);
  else if (auto* menu = dynamic_cast<TMenu*>(parent))
    menu->Items()->Add(this);
}

TMenuItem* FindItemByCommand(TMenuItem* root, UINT command) {
  if (root->Command() == command) return root;
  for (int i = 0; i < root->Count(); ++i)
    if (TMenuItem* found = FindItemByCommand(root->Items(i), command)) return found;
  return nullptr;
}

TMenuItem* FindItemByShortCut(TMenuItem* root, TShortCut shortCut) {
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (!item->Visible() || !item->Enabled()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (TMenuItem* found = FindItemByShortCut(item, shortCut)) return found;
  }
  return nullptr;
}

TShortCut ShortCutOfKey(const TMessage& key) {
  TShortCut modifiers = 0;
  const TShiftState shift = KeyboardShiftState();
  if (shift & ssShift) modifiers |= scShift;
  if (shift & ssCtrl) modifiers |= scCtrl;
  // Bit 29 of a key message: Alt was down when the key was pressed.
  if (key.LParam & (1 << 29)) modifiers |= scAlt;
  return ShortCut(static_cast<unsigned>(key.WParam), modifiers);
}

// ---------------------------------------------------------------------------------------
// TMenu

const TClassInfo& TMenu::StaticClassInfo() {
  static const TClassInfo info("TMenu", &TComponent::StaticClassInfo(), nullptr,
                               {prop::Reference<&TMenu::SetImages>("Images")});
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  Destroying();
  // The items' destructors report to the menu, which must not be rebuilt on the way out.
  items_->menu_ = nullptr;
}

void TMenu::SetImages(TImageList* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  ItemsChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TMenu::ItemsChanged() {
  changed_ = true;
  if (IsLoading() || IsDestroying()) return;
  // A notice may take itself or another off the list.
  const std::vector<TNotifyEvent> notices = changeNotices_;
  for (const TNotifyEvent& notice : notices) notice(this);
}

void TMenu::RemoveChangeNotice(TNotifyEvent notice) {
  changeNotices_.erase(std::remove(changeNotices_.begin(), changeNotices_.end(), notice), changeNotices_.end());
}

HMENU TMenu::Handle() {
  if (changed_ || !handle_) {
    handle_.Reset(BuildSystemMenu(*items_, IsPopup()));
    changed_ = false;
  }
  return handle_.Get();
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = command ? FindItemByCommand(items_.get(), command) : nullptr;
  if (!item) return false;
  RunGuarded([&] { item->Click(); });
  return true;
}

bool TMenu::IsShortCut(const TMessage& key) {
  if (key.Msg != WM_KEYDOWN && key.Msg != WM_SYSKEYDOWN) return false;
  TMenuItem* item = FindItemByShortCut(items_.get(), ShortCutOfKey(key));
  if (!item) return false;
  RunGuarded([&] { item->Click(); });
  return true;
}

bool TMenu::HandleOwnerDrawMessage(TMessage& message) {
  if (message.Msg == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    if (measure->CtlType != ODT_MENU) return false;
    auto* item = FindItemByCommand(items_.get(), measure->itemID);
    if (!item) return false;
    WindowDC screen(nullptr);
    TCanvas canvas(screen.Get(), false);
    int width = 80, height = GetSystemMetrics(SM_CYMENU);
    item->OnMeasureItem()(item, &canvas, width, height);
    measure->itemWidth = static_cast<UINT>(std::max(width, 0));
    measure->itemHeight = static_cast<UINT>(std::max(height, 0));
    message.Result = TRUE;
    return true;
  }
  if (message.Msg == WM_DRAWITEM) {
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
    if (draw->CtlType != ODT_MENU) return false;
    auto* item = FindItemByCommand(items_.get(), draw->itemID);
    if (!item) return false;
    TCanvas canvas(draw->hDC, false);
    item->OnDrawItem()(item, &canvas, draw->rcItem, (draw->itemState & ODS_SELECTED) != 0);
    message.Result = TRUE;
    return true;
  }
  return false;
}

// ---------------------------------------------------------------------------------------
// TMainMenu

const TClassInfo& TMainMenu::StaticClassInfo() {
  static const TClassInfo info("TMainMenu", &TMenu::StaticClassInfo(), &CreateComponent<TMainMenu>);
  return info;
}

void TMainMenu::AttachToWindow(HWND window) {
  window_ = window;
  if (window_) ::SetMenu(window_, Handle());
}

void TMainMenu::ItemsChanged() {
  TMenu::ItemsChanged();
  if (!window_ || IsLoading() || IsDestroying()) return;
  // The window takes the new menu before the old one is destroyed.
  UniqueMenu previous = DetachHandle();
  ::SetMenu(window_, Handle());
  DrawMenuBar(window_);
}

// ---------------------------------------------------------------------------------------
// TPopupMenu

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TPopupMenu", &TMenu::StaticClassInfo(), &CreateComponent<TPopupMenu>,
                               {prop::Boolean<&TPopupMenu::SetAutoPopup>("AutoPopup", true),
                                prop::Event<&TPopupMenu::SetOnPopup>("OnPopup")});
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::SetPopupComponent(TComponent* component) {
  if (popupComponent_) popupComponent_->RemoveFreeNotification(this);
  popupComponent_ = component;
  if (popupComponent_) popupComponent_->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

void TPopupMenu::WindowMessage(TMessage& message) {
  if (!HandleOwnerDrawMessage(message)) window_->Default(message);
}

void TPopupMenu::Popup(int x, int y) {
  const std::weak_ptr<const void> alive = LifeToken();
  RunGuarded([&] { DoPopup(); });
  if (alive.expired()) return;
  if (!window_) window_ = std::make_unique<THiddenWindow>(TWndMethod::Of<&TPopupMenu::WindowMessage>(this));
  HWND owner = window_->Handle();
  // A menu owned by a window in the background would stay open after clicks elsewhere.
  SetForegroundWindow(owner);
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, x, y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  DispatchCommand(command);
}

}  // namespace tmv
