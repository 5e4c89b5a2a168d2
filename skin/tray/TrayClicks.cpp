#include "skin/tray/TrayClicks.h"

#include <utility>

namespace tmv {

TTrayClicks::TTrayClicks(TNotifyEvent click) : click_(click), timer_(std::make_unique<TTimer>(nullptr)) {
  timer_->SetEnabled(false);
  timer_->SetInterval(GetDoubleClickTime());
  timer_->SetOnTimer(TNotifyEvent::Of<&TTrayClicks::Expired>(this));
}

void TTrayClicks::LeftDown() {
  timer_->SetEnabled(true);
  started_ = true;
}

void TTrayClicks::LeftUp() {
  if (std::exchange(started_, false)) ready_ = true;
  if (ready_ && !timer_->Enabled()) {
    ready_ = false;
    click_(this);
  }
}

void TTrayClicks::DoubleClick() {
  ready_ = false;
  double_ = true;
}

void TTrayClicks::Expired(TObject*) {
  timer_->SetEnabled(false);
  const bool click = ready_ && !double_;
  ready_ = double_ = false;
  // Last: the handler may free this object.
  if (click) click_(this);
}

}  // namespace tmv
