#include "labels/RzBlinking.h"

#include <algorithm>
#include <memory>

namespace tmv {

namespace {
std::unique_ptr<TRzBlinkingControlsList>& TheList() {
  static std::unique_ptr<TRzBlinkingControlsList> list;
  return list;
}
}  // namespace

TRzBlinkingControlsList::TRzBlinkingControlsList() {
  timer_.SetInterval(500);
  timer_.SetOnTimer(TNotifyEvent::Of<&TRzBlinkingControlsList::TimerFired>(this));
}

void TRzBlinkingControlsList::Add(TControl* control) {
  auto& list = TheList();
  if (!list) list.reset(new TRzBlinkingControlsList);
  list->controls_.push_back(control);
}

void TRzBlinkingControlsList::Remove(TControl* control) {
  auto& list = TheList();
  if (!list) return;
  auto& controls = list->controls_;
  controls.erase(std::remove(controls.begin(), controls.end(), control), controls.end());
  if (controls.empty()) list.reset();
}

TRzBlinkingControlsList* TRzBlinkingControlsList::Instance() { return TheList().get(); }

void TRzBlinkingControlsList::Tick() {
  phase_ = phase_ == 1 ? 0 : 1;
  timer_.SetInterval(phase_ == 1 ? intervalOn_ : intervalOff_);
  for (size_t i = 0; i < controls_.size(); ++i) {
    TControl* c = controls_[i];
    if (c->Perform(CM_BLINKQUERY) == 1) c->Perform(CM_BLINKSTATE, static_cast<WPARAM>(phase_));
  }
}

}  // namespace tmv
