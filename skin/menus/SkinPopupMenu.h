#pragma once
// A popup menu shown in skinned windows rather than as the system's menu.
#include "framework/gui/Menus.h"
#include "skin/menus/SkinMenu.h"

namespace tmv {

class TspSkinData;

class TspSkinPopupMenu : public TPopupMenu {
public:
  explicit TspSkinPopupMenu(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Null: the built-in look.
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* data);
  // The windows' settings (fonts, item height, translucency, item limit).
  TspSkinMenu* SkinMenu() const { return skinMenu_; }
  // At most this many items show at once, the others scroll; 0 for no limit.
  void SetMaxMenuItemsInWindow(int value);
  // Fires OnPopup, then shows the items with their top-left corner at the screen point; the
  // control in PopupComponent hears SKM_MENUCLOSED and SKM_MENUCOMMAND.
  void Popup(int x, int y) override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  TspSkinData* skinData_ = nullptr;
  TspSkinMenu* skinMenu_;
};

// Makes the skinned menus known to the form reader.
void RegisterSkinMenuClasses();

}  // namespace tmv
