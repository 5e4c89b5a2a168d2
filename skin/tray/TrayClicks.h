#pragma once
// Tells a single click on the tray icon from a double click: a click is reported once the
// double-click time has passed without a second one, or at the button's release when that
// time ran out while the button was held.
#include <memory>

#include "framework/core/Component.h"
#include "framework/gui/ExtCtrls.h"

namespace tmv {

class TTrayClicks : public TObject {
public:
  // click is fired for each settled single click.
  explicit TTrayClicks(TNotifyEvent click);
  void LeftDown();
  void LeftUp();
  void DoubleClick();

private:
  void Expired(TObject*);
  TNotifyEvent click_;
  std::unique_ptr<TTimer> timer_;
  bool started_ = false;  // the button went down and is not yet up
  bool ready_ = false;    // a whole click waits for the double-click time to pass
  bool double_ = false;
};

}  // namespace tmv
