#include "skin/menus/SkinPopupMenu.h"

#include "framework/core/ClassInfo.h"
#include "framework/gui/Messages.h"
#include "skin/data/SkinData.h"

namespace tmv {

const TClassInfo& TspSkinPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TspSkinPopupMenu", &TPopupMenu::StaticClassInfo(), &CreateComponent<TspSkinPopupMenu>,
                               {prop::Reference<&TspSkinPopupMenu::SetSkinData>("SkinData"),
                                prop::Integer<&TspSkinPopupMenu::SetMaxMenuItemsInWindow>("MaxMenuItemsInWindow", 0)});
  return info;
}

TspSkinPopupMenu::TspSkinPopupMenu(TComponent* owner) : TPopupMenu(owner), skinMenu_(new TspSkinMenu(this)) {}

void TspSkinPopupMenu::SetSkinData(TspSkinData* data) {
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = data;
  if (skinData_) skinData_->FreeNotification(this);
}

void TspSkinPopupMenu::SetMaxMenuItemsInWindow(int value) {
  if (skinMenu_) skinMenu_->SetMaxMenuItemsInWindow(value);
}

void TspSkinPopupMenu::Notification(TComponent* component, TOperation operation) {
  TPopupMenu::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) skinData_ = nullptr;
  if (component == skinMenu_) skinMenu_ = nullptr;
}

void TspSkinPopupMenu::Popup(int x, int y) {
  const std::weak_ptr<const void> alive = LifeToken();
  RunGuarded([&] { DoPopup(); });
  if (alive.expired() || !skinMenu_) return;
  skinMenu_->PopupAt(Items(), x, y, skinData_, dynamic_cast<TControl*>(PopupComponent()));
}

void RegisterSkinMenuClasses() { RegisterClasses({&TspSkinPopupMenu::StaticClassInfo()}); }

}  // namespace tmv
