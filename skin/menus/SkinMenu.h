#pragma once
// Menus of skinned forms: any menu item's sub-items shown as a chain of popup windows drawn
// from the skin, one window per open level, with submenus, keys, scrolling and translucency.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/core/Component.h"
#include "framework/gui/Controls.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/HiddenWindow.h"
#include "framework/gui/WindowHooks.h"

namespace tmv {

class TMenuItem;
class TspSkinData;
class TspSkinPopupWindow;

constexpr UINT SKM_MENUCLOSED = WM_USER + 204;
constexpr UINT SKM_MENUCOMMAND = WM_USER + 205;

struct TspMenuAlphaBlend {
  bool Enabled = false;
  int Value = 200;
  bool Animation = false;
};

class TspSkinMenu : public TComponent {
public:
  explicit TspSkinMenu(TComponent* owner);
  ~TspSkinMenu() override;

  // Shows the visible sub-items of item from firstIndex on, below (popupUp: above) the anchor
  // in screen coordinates, closing any chain already open. notifyControl hears SKM_MENUCLOSED
  // and SKM_MENUCOMMAND; a null or empty skin gives the built-in look.
  void Popup(TControl* notifyControl, TspSkinData* skinData, bool popupUp, TMenuItem* item, const RECT& anchor,
             int firstIndex = 0);
  void PopupAt(TMenuItem* item, int x, int y, TspSkinData* skinData = nullptr, TControl* notifyControl = nullptr) {
    Popup(notifyControl, skinData, false, item, {x, y, x, y});
  }
  // Frees the windows from the last down to level; at 0 the chain is closed and the opener told.
  void CloseToLevel(int level);
  void CloseAll();
  bool Showing() const { return showing_; }
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  TspSkinPopupWindow* Windows(int level) const { return windows_.at(static_cast<size_t>(level)).get(); }

  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  int DefMenuItemHeight() const { return defMenuItemHeight_; }
  void SetDefMenuItemHeight(int height) {
    if (height > 0) defMenuItemHeight_ = height;
  }
  TFont* DefMenuItemFont() { return &defMenuItemFont_; }
  const TspMenuAlphaBlend& AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(const TspMenuAlphaBlend& value) { alphaBlend_ = value; }
  // 0: no limit; negative values are ignored.
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(int value) {
    if (value >= 0) maxMenuItemsInWindow_ = value;
  }
  TspSkinData* SkinData() const { return skinData_; }
  RECT WorkArea() const { return workArea_; }
  bool FirstLevel() const { return firstLevel_; }

  // What the windows report: an item entered by the mouse or the keys, or clicked.
  void ItemActivated(TspSkinPopupWindow& window, int index, bool byKeyboard, bool click);
  // A key for the open chain; the last window takes it.
  void KeyDown(WORD key);
  // The window's place in the chain, 0 for the first; -1 when it is not in it.
  int LevelOf(const TspSkinPopupWindow& window) const;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void OpenWindow(TMenuItem* item, int firstIndex, const RECT& anchor, bool subMenu, bool popupUp);
  void OpenSubMenu(TspSkinPopupWindow& window, int index);
  void SetHooked(bool hooked);
  void MessageHook(MSG& msg, bool& handled);
  void ApplicationHook(TMessage& message, const TWindowHookNext& next);
  void HiddenMessage(TMessage& message);
  void SetNotifyControl(TControl* control);
  void NotifyClosed(TControl* control);
  void RunCommand();

  std::vector<std::unique_ptr<TspSkinPopupWindow>> windows_;
  bool useSkinFont_ = true;
  int defMenuItemHeight_ = 20;
  TFont defMenuItemFont_;
  TspMenuAlphaBlend alphaBlend_;
  int maxMenuItemsInWindow_ = 0;
  bool showing_ = false;
  bool firstLevel_ = false;
  bool hooked_ = false;
  RECT workArea_ = {0, 0, 0, 0};
  TspSkinData* skinData_ = nullptr;
  TControl* notifyControl_ = nullptr;
  TControl* lastNotifyControl_ = nullptr;
  HWND activeAtOpen_ = nullptr;
  // The item the submenu timer opens, and the clicked item whose command runs once the
  // windows are gone; each with its window level or its life token.
  TMenuItem* pendingItem_ = nullptr;
  std::weak_ptr<const void> pendingItemAlive_;
  int pendingLevel_ = -1;
  TMenuItem* commandItem_ = nullptr;
  std::weak_ptr<const void> commandItemAlive_;
  std::unique_ptr<THiddenWindow> hidden_;
};

}  // namespace tmv
