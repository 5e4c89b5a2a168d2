#include "skin/form/FrameMainMenu.h"

#include <algorithm>

#include "framework/core/TabCycle.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Input.h"
#include "framework/gui/Menus.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMainMenuItems.h"
#include "skin/menus/SkinPopupWindow.h"

namespace tmv {

TspFrameMainMenu::TspFrameMainMenu(TspDynamicSkinForm& form) : TComponent(nullptr), form_(form) {}

TspFrameMainMenu::~TspFrameMainMenu() { SetWatching(false); }

std::vector<TspSkinMainMenuItem*> TspFrameMainMenu::Items() const { return form_.MainMenuItems(); }

TspSkinMainMenuItem* TspFrameMainMenu::Selected() const {
  return dynamic_cast<TspSkinMainMenuItem*>(form_.HoveredObject());
}

TspSkinMainMenuItem* TspFrameMainMenu::Pressed() const {
  for (TspSkinMainMenuItem* item : Items())
    if (item->Down()) return item;
  return nullptr;
}

TspSkinMainMenuItem* TspFrameMainMenu::Neighbour(const TspSkinMainMenuItem* from, bool forward) const {
  const std::vector<TspSkinMainMenuItem*> items = Items();
  int at = -1;
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i] == from) at = static_cast<int>(i);
  const int next = NextInRing(static_cast<int>(items.size()), at, forward,
                              [&](int i) { return form_.TakesPart(*items[static_cast<size_t>(i)]); });
  return next < 0 ? nullptr : items[static_cast<size_t>(next)];
}

TspSkinMainMenuItem* TspFrameMainMenu::ItemOfKey(WORD key) const {
  for (TspSkinMainMenuItem* item : Items())
    if (form_.TakesPart(*item) && item->MenuItem() && IsAccel(key, item->MenuItem()->Caption())) return item;
  return nullptr;
}

void TspFrameMainMenu::Select(TspSkinMainMenuItem* item) { form_.HoverObject(item); }

void TspFrameMainMenu::SetWatching(bool watching) {
  const TMessageHook hook = TMessageHook::Of<&TspFrameMainMenu::Hook>(this);
  if (watching_) Application()->RemoveMessageHook(hook);
  watching_ = watching;
  // Added anew each time, so the hook comes before the one of a menu opened since.
  if (watching_) Application()->AddMessageHook(hook);
}

void TspFrameMainMenu::Enter() {
  if (mode_) return;
  TspSkinMainMenuItem* item = Selected();
  if (!item || !form_.TakesPart(*item)) item = Neighbour(nullptr, true);
  if (!item) return;
  mode_ = true;
  Select(item);
  SetWatching(true);
  form_.OnMainMenuEnter(&form_);
}

void TspFrameMainMenu::Leave() {
  if (!mode_) return;
  mode_ = false;
  if (form_.SkinMenu().Showing()) form_.SkinMenu().CloseAll();
  SetWatching(false);
  Select(nullptr);
  form_.MainMenuSettled();
  form_.OnMainMenuExit(&form_);
}

void TspFrameMainMenu::Press(TspSkinMainMenuItem& item, bool byKeyboard) {
  TMenuItem* menuItem = item.MenuItem();
  if (!item.Enabled || !menuItem) return;
  if (!item.HasSubItems()) {
    if (!byKeyboard) {
      item.SetDown(true);
      return;
    }
    // The menu this item does not have closes as any other menu closes before a command.
    if (form_.SkinMenu().Showing()) form_.SkinMenu().CloseAll();
    Leave();
    RunCommand(item);
    return;
  }
  // The click that closed this item's menu (the menu closes on any click off it) does not
  // open it again.
  if (!byKeyboard && &item == closedItem_ && GetMessageTime() == closedTime_ && GetMessagePos() == closedPos_) {
    closedItem_ = nullptr;
    return;
  }
  const bool up = form_.SkinData() && form_.SkinData()->FormInfo.MainMenuPopupUp;
  if (!WithFlag(keepMode_, [&] { form_.PopupMenuUnder(menuItem, item.ObjectRect, up); })) return;
  if (!form_.SkinMenu().Showing()) return;
  item.SetDown(true);
  if (mode_) SetWatching(true);
}

void TspFrameMainMenu::RunCommand(TspSkinMainMenuItem& item) {
  if (TMenuItem* menuItem = item.MenuItem()) RunGuarded([&] { menuItem->Click(); });
}

void TspFrameMainMenu::Entered(TspSkinMainMenuItem& item) {
  TspSkinMainMenuItem* pressed = Pressed();
  if (!pressed || pressed == &item || !form_.SkinMenu().Showing()) return;
  if (item.HasSubItems()) {
    Press(item, keyboard_);
    return;
  }
  WithFlag(keepMode_, [&] { form_.SkinMenu().CloseAll(); });
}

bool TspFrameMainMenu::AltKey(WORD key) {
  TspSkinMainMenuItem* item = ItemOfKey(key);
  if (!item) return false;
  WithFlag(keyboard_, [&] {
    if (!mode_) {
      if (form_.SkinMenu().Showing()) form_.SkinMenu().CloseAll();
      Select(item);
      Enter();
    }
    Select(item);
    if (!form_.SkinMenu().Showing() || !item->HasSubItems()) Press(*item, true);
  });
  return true;
}

void TspFrameMainMenu::ReleasePressed() {
  for (TspSkinMainMenuItem* item : Items())
    if (item->Down()) {
      closedItem_ = item;
      closedTime_ = GetMessageTime();
      closedPos_ = GetMessagePos();
      if (!item->MouseIn && item != Selected()) item->Active = false;
      item->SetDown(false);
    }
}

void TspFrameMainMenu::LeaveUnlessMenuShows() {
  if (mode_ && !form_.SkinMenu().Showing()) Leave();
}

void TspFrameMainMenu::MenuChainClosed() {
  if (!keepMode_) Leave();
}

bool TspFrameMainMenu::LastMenuTakes(WORD key) const {
  TspSkinMenu& menu = form_.SkinMenu();
  if (!menu.Showing() || menu.WindowCount() == 0) return false;
  const TspSkinPopupWindow& window = *menu.Windows(menu.WindowCount() - 1);
  for (int i = 0; i < window.ItemCount(); ++i)
    if (window.Item(i).Selectable() && IsAccel(key, window.Item(i).MenuItem->Caption())) return true;
  return false;
}

bool TspFrameMainMenu::CurrentMenuItemHasNoSubItems() const {
  TspSkinMenu& menu = form_.SkinMenu();
  if (!menu.Showing() || menu.WindowCount() == 0) return true;
  const TspSkinPopupWindow& window = *menu.Windows(menu.WindowCount() - 1);
  const int current = window.CurrentIndex();
  return current < 0 || window.Item(current).MenuItem->Count() == 0;
}

void TspFrameMainMenu::Hook(MSG& msg, bool& handled) {
  if (IsButtonDownMessage(msg.message)) {
    // A click anywhere ends the mode; one on a menu window is the menu's.
    if (!form_.SkinMenu().Showing()) Leave();
    return;
  }
  if (msg.message == WM_MOUSEWHEEL) {
    handled = true;
    return;
  }
  if (msg.message != WM_KEYDOWN) return;
  handled = true;
  WithFlag(keyboard_, [&] { KeyDown(static_cast<WORD>(msg.wParam)); });
}

void TspFrameMainMenu::KeyDown(WORD key) {
  TspSkinMenu& menu = form_.SkinMenu();
  const int windows = menu.Showing() ? menu.WindowCount() : 0;
  // The open menu's own accelerators come first.
  if (TspSkinMainMenuItem* item = ItemOfKey(key); item && !LastMenuTakes(key)) {
    Select(item);
    if (windows == 0 || !item->HasSubItems()) Press(*item, true);
    return;
  }
  TspSkinMainMenuItem* selected = Selected();
  if (key == VK_ESCAPE && windows == 0) {
    Leave();
    return;
  }
  if (key == VK_LEFT && windows <= 1) {
    if (TspSkinMainMenuItem* previous = Neighbour(selected, false)) Select(previous);
    return;
  }
  if (key == VK_RIGHT && CurrentMenuItemHasNoSubItems()) {
    if (TspSkinMainMenuItem* next = Neighbour(selected, true)) Select(next);
    return;
  }
  if (key == VK_RETURN) {
    TspSkinMainMenuItem* pressed = Pressed();
    if (pressed && !pressed->HasSubItems()) {
      Press(*pressed, true);
      return;
    }
    if (selected && windows == 0) {
      Press(*selected, true);
      return;
    }
  }
  if (windows == 0) return;
  WithFlag(keepMode_, [&] { menu.KeyDown(key); });
}


// ---------------------------------------------------------------------------------------
// The form's side

std::vector<TspSkinMainMenuItem*> TspDynamicSkinForm::MainMenuItems() const {
  std::vector<TspSkinMainMenuItem*> items;
  for (auto& o : objects_)
    if (auto* item = dynamic_cast<TspSkinMainMenuItem*>(o.get())) items.push_back(item);
  return items;
}

void TspDynamicSkinForm::HoverObject(TspActiveSkinObject* object) {
  int index = -1;
  for (size_t i = 0; i < objects_.size(); ++i)
    if (objects_[i].get() == object) index = static_cast<int>(i);
  SetHoverIndex(index);
}

void TspDynamicSkinForm::AppendMainMenuItems() {
  shownMainMenu_ = TopLevelMenuItems();
  if (!mainMenu_ || !skinned_) return;
  for (auto& item : CreateMainMenuItems(*this, *skinData_, *mainMenu_)) objects_.push_back(std::move(item));
}

void TspDynamicSkinForm::RebuildMainMenuItems() {
  // On the form's way out nothing is left to tell or to draw.
  const bool closing = IsDestroying() || form_.IsDestroying();
  if (!closing) {
    frameMainMenu_->Leave();
    bool pressed = false;
    for (TspSkinMainMenuItem* item : MainMenuItems()) pressed = pressed || item->Down();
    // The open menu shows the menu's own items.
    if (pressed && skinMenu_->Showing()) skinMenu_->CloseAll();
  }
  objects_.erase(std::remove_if(objects_.begin(), objects_.end(),
                                [](const std::unique_ptr<TspActiveSkinObject>& o) {
                                  return dynamic_cast<TspSkinMainMenuItem*>(o.get()) != nullptr;
                                }),
                 objects_.end());
  const int count = static_cast<int>(objects_.size());
  for (int* index : {&hoverIndex_, &oldHoverIndex_, &captureIndex_})
    if (*index >= count) *index = -1;
  if (closing) return;
  AppendMainMenuItems();
  if (!skinned_) return;
  CalcFrameRects();
  LayoutObjects();
  RepaintFrame();
}

void TspDynamicSkinForm::PopupMenuUnder(TMenuItem* item, const TRect& r, bool popupUp) {
  PrepareSkinMenu();
  RECT w;
  GetWindowRect(form_.Handle(), &w);
  const RECT anchor = {w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom};
  skinMenu_->Popup(&form_, menusSkinData_ ? menusSkinData_ : skinData_, popupUp, item, anchor);
}

std::vector<std::pair<const TMenuItem*, std::string>> TspDynamicSkinForm::TopLevelMenuItems() const {
  std::vector<std::pair<const TMenuItem*, std::string>> items;
  if (!mainMenu_) return items;
  TMenuItem* root = mainMenu_->Items();
  for (int i = 0; i < root->Count(); ++i)
    if (root->Items(i)->Visible()) items.emplace_back(root->Items(i), root->Items(i)->Caption());
  return items;
}

void TspDynamicSkinForm::MainMenuChanged(TObject*) { PostMainMenuCheck(); }

void TspDynamicSkinForm::PostMainMenuCheck() {
  if (mainMenuCheckPosted_ || !form_.HandleAllocated()) return;
  mainMenuCheckPosted_ = PostMessageA(form_.Handle(), SKM_MAINMENUCHANGED, 0, 0) != 0;
}

void TspDynamicSkinForm::CheckMainMenu() {
  mainMenuCheckPosted_ = false;
  if (frameMainMenu_->MainMenuMode() || (skinMenuOpen_ && skinMenu_->Showing())) {
    mainMenuChangeWaits_ = true;
    return;
  }
  mainMenuChangeWaits_ = false;
  if (TopLevelMenuItems() != shownMainMenu_) RebuildMainMenuItems();
}

}  // namespace tmv
