#pragma once
// What a skinned form's main-menu items do together: pressing one opens its sub-menu (and
// moves an open one to the item the mouse or the keys go to), and the keyboard main-menu mode
// that Alt starts, in which the keys walk the items and their menus through a hook on the
// application's message loop.
#include <windows.h>

#include <vector>

#include "framework/core/Component.h"

namespace tmv {

class TspDynamicSkinForm;
class TspSkinMainMenuItem;

class TspFrameMainMenu : public TComponent {
public:
  explicit TspFrameMainMenu(TspDynamicSkinForm& form);
  ~TspFrameMainMenu() override;

  bool MainMenuMode() const { return mode_; }
  // Selects the selected item, else the first, and takes the keys until Leave; nothing happens
  // when the frame shows no item.
  void Enter();
  // Closes an open menu, unselects the item and gives the keys back.
  void Leave();
  // An item with sub-items opens them under itself; one without goes down until the mouse lets
  // go (byKeyboard: its command runs at once).
  void Press(TspSkinMainMenuItem& item, bool byKeyboard);
  void RunCommand(TspSkinMainMenuItem& item);
  // The mouse or the keys came to an item: an open menu moves to it.
  void Entered(TspSkinMainMenuItem& item);
  // Alt and a key: the enabled item whose accelerator the key is, selected and pressed (the
  // mode starts if it was off); false when no item has it.
  bool AltKey(WORD key);
  // A menu opened from the frame closed: the pressed item comes up; after the form's
  // OnSkinMenuClose the mode ends, unless the keys closed the menu and stay in it.
  void ReleasePressed();
  void MenuChainClosed();
  // What ends the mode while no menu shows: the form moved, sized, deactivated or clicked.
  void LeaveUnlessMenuShows();

private:
  // Runs action with flag set, and puts the flag back unless the action freed this (a
  // command may free the form). False when it did.
  template <class F>
  bool WithFlag(bool& flag, F action) {
    const auto alive = LifeToken();
    const bool before = flag;
    flag = true;
    action();
    if (alive.expired()) return false;
    flag = before;
    return true;
  }
  void Hook(MSG& msg, bool& handled);
  void KeyDown(WORD key);
  void SetWatching(bool watching);
  std::vector<TspSkinMainMenuItem*> Items() const;
  TspSkinMainMenuItem* Selected() const;
  TspSkinMainMenuItem* Pressed() const;
  TspSkinMainMenuItem* Neighbour(const TspSkinMainMenuItem* from, bool forward) const;
  TspSkinMainMenuItem* ItemOfKey(WORD key) const;
  void Select(TspSkinMainMenuItem* item);
  // Whether the last open menu window has an item the key chooses, or the item under its
  // current one has no sub-items.
  bool LastMenuTakes(WORD key) const;
  bool CurrentMenuItemHasNoSubItems() const;

  TspDynamicSkinForm& form_;
  bool mode_ = false;
  bool watching_ = false;
  bool keyboard_ = false;   // a key is being routed
  bool keepMode_ = false;   // a menu closes that the keys or a move between items closed
  // The item whose menu closed last, and the message that was current then.
  const TspSkinMainMenuItem* closedItem_ = nullptr;
  LONG closedTime_ = 0;
  DWORD closedPos_ = 0;
};

}  // namespace tmv
