#include "framework/gui/Menus.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"

namespace tmv {

const TClassInfo& TPopupMenu::StaticClassInfo() {
  static const TClassInfo info("TPopupMenu", &TComponent::StaticClassInfo(), &CreateComponent<TPopupMenu>);
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

HMENU TPopupMenu::Handle() {
  if (!handle_) {
    handle_.Reset(CreatePopupMenu());
    if (!handle_) throw EOutOfResources("Out of system resources");
  }
  return handle_.Get();
}

}  // namespace tmv
