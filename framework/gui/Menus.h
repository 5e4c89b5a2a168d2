#pragma once
// A popup menu; this program only needs an empty one as a holder of a menu handle.
#include "framework/core/Component.h"
#include "framework/gui/Handles.h"

namespace tmv {

class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  int ItemCount() const { return handle_ ? GetMenuItemCount(handle_.Get()) : 0; }
  HMENU Handle();

private:
  UniqueMenu handle_;
};

}  // namespace tmv
