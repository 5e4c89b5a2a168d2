#pragma once
// Menus: a tree of TMenuItem under a TMenu, shown as a form's menu bar (TMainMenu) or at a
// point (TPopupMenu). Plain menus are the system's own, built from the tree each time it
// changed.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Method.h"
#include "framework/core/ShortCuts.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/Handles.h"
#include "framework/gui/HiddenWindow.h"
#include "framework/gui/Messages.h"

namespace tmv {

class TImageList;
class TMenu;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };
// Owner drawing: the item draws itself into rect (selected: highlighted), or tells its size.
using TMenuDrawItemEvent = TMethod<TObject*, TCanvas*, RECT, bool>;
using TMenuMeasureItemEvent = TMethod<TObject*, TCanvas*, int&, int&>;

class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);
  // Frees the sub-items and leaves the parent item.
  ~TMenuItem() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // "&" marks the accelerator; "-" makes the item a separator line.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { Update(caption_, caption); }
  bool IsLine() const { return caption_ == "-"; }
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut) { Update(shortCut_, shortCut); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { Update(enabled_, enabled); }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { Update(visible_, visible); }
  // Checking a radio item unchecks the radio items of its group among its siblings.
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { Update(checked_, checked); }
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool radio) { Update(radioItem_, radio); }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { Update(groupIndex_, index); }
  // Shown in bold; the item a double click on a tray icon runs.
  bool Default() const { return default_; }
  void SetDefault(bool value) { Update(default_, value); }
  TMenuBreak Break() const { return break_; }
  void SetBreak(TMenuBreak value) { Update(break_, value); }
  // A picture of the menu's Images; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { Update(imageIndex_, index); }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }

  TNotifyEvent OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent event) { onClick_ = event; }
  TMenuDrawItemEvent OnDrawItem() const { return onDrawItem_; }
  void SetOnDrawItem(TMenuDrawItemEvent event) { Update(onDrawItem_, event); }
  TMenuMeasureItemEvent OnMeasureItem() const { return onMeasureItem_; }
  void SetOnMeasureItem(TMenuMeasureItemEvent event) { onMeasureItem_ = event; }
  // Runs OnClick when the item is enabled.
  virtual void Click();

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  // Takes item from its former parent; out-of-range indexes append.
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Remove(TMenuItem* item);
  // Frees every sub-item.
  void Clear();
  // The number the system menu built from this item reports when it is chosen.
  UINT Command() const { return command_; }
  // The menu whose tree holds this item, or null.
  TMenu* GetParentMenu() const;
  // Nested in a menu's or an item's block of a form resource, the item joins its items.
  void SetParentComponent(TComponent* parent) override;

private:
  friend class TMenu;
  // Every change of an item is a change of its menu; a checked radio item unchecks its group.
  template <class T>
  void Update(T& field, const T& value) {
    field = value;
    UncheckGroupSiblings();
    Changed();
  }
  void Changed();
  void UncheckGroupSiblings();

  std::string caption_;
  TShortCut shortCut_ = scNone;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool default_ = false;
  TMenuBreak break_ = mbNone;
  int imageIndex_ = -1;
  std::string hint_;
  TNotifyEvent onClick_;
  TMenuDrawItemEvent onDrawItem_;
  TMenuMeasureItemEvent onMeasureItem_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item only
  UINT command_;
};

// The item of a tree that answers to a command or a shortcut; null when none does.
TMenuItem* FindItemByCommand(TMenuItem* root, UINT command);
// Only items that are visible and enabled, with all their parents, count for shortcuts.
TMenuItem* FindItemByShortCut(TMenuItem* root, TShortCut shortCut);
// The key message's shortcut (Alt from the message, Shift and Ctrl from the keyboard).
TShortCut ShortCutOfKey(const TMessage& key);

class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The root of the tree; its sub-items are the menu's items.
  TMenuItem* Items() const { return items_.get(); }
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // The system menu built from the tree, made anew after a change of the tree.
  HMENU Handle();
  // Runs the item the system menu reported; false when no item has the command.
  bool DispatchCommand(UINT command);
  // Runs the item whose shortcut the key message is; false when none is.
  bool IsShortCut(const TMessage& key);
  // Told with the menu as sender after each change of its tree, except while the menu is
  // read from a form resource or freed.
  void AddChangeNotice(TNotifyEvent notice) { changeNotices_.push_back(notice); }
  void RemoveChangeNotice(TNotifyEvent notice);

protected:
  friend class TMenuItem;
  virtual void ItemsChanged();
  // A popup menu's system menu is made as one; a menu bar's is not.
  virtual bool IsPopup() const { return false; }
  UniqueMenu DetachHandle() { return std::move(handle_); }
  // Owner-drawn items of the system menu are measured and drawn through the window that
  // shows them.
  bool HandleOwnerDrawMessage(TMessage& message);
  void Notification(TComponent* component, TOperation operation) override;

private:
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  UniqueMenu handle_;
  bool changed_ = true;
  std::vector<TNotifyEvent> changeNotices_;
};

// A form's menu bar.
class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The window showing the menu bar, which gets the new menu after each change; null for none.
  void AttachToWindow(HWND window);
  bool OwnerDrawMessage(TMessage& message) { return HandleOwnerDrawMessage(message); }

protected:
  void ItemsChanged() override;

private:
  HWND window_ = nullptr;
};

class TPopupMenu : public TMenu {
public:
  explicit TPopupMenu(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int ItemCount() const { return Items()->Count(); }

  // Fires OnPopup, then shows the system menu with its top-left corner at the screen point;
  // the chosen item's command runs once the menu has closed.
  virtual void Popup(int x, int y);
  // Whether a control shows the menu by itself on a right click or the menu key.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // The control (or other component) the menu was last shown for.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component);
  TNotifyEvent OnPopup() const { return onPopup_; }
  void SetOnPopup(TNotifyEvent event) { onPopup_ = event; }

protected:
  void Notification(TComponent* component, TOperation operation) override;
  bool IsPopup() const override { return true; }
  void DoPopup() { onPopup_(this); }

private:
  void WindowMessage(TMessage& message);
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
  TNotifyEvent onPopup_;
  // Owns the menu while it shows and hears its owner-draw messages.
  std::unique_ptr<THiddenWindow> window_;
};

}  // namespace tmv
