#pragma once
// The small tool window a docked control floats in when it is dropped outside any dock site.
// Closing it hides it with its client, as closing any form does; docking the client elsewhere
// or freeing it frees the window.
#include "framework/gui/Forms.h"

namespace tmv {

class TFloatingDockForm : public TCustomForm {
public:
  // Shares the client's owner, so it goes when the client's form goes.
  explicit TFloatingDockForm(TControl* client);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The window's top-left corner at the rectangle's, its client area the rectangle's size.
  void Place(const RECT& screenBounds);

protected:
  // The client fills the window whatever its Align says, which it keeps for its next site.
  void AlignControls(RECT& rect) override;
  // A window without its client has nothing to show: it releases itself.
  void Notification(TComponent* component, TOperation operation) override;

private:
  TControl* client_;
};

}  // namespace tmv
