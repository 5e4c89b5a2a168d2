#pragma once
// The one timer every label of the program blinks by, so that all blinking labels change
// colour on the same tick.
#include <cstdint>
#include <vector>

#include "framework/gui/Controls.h"
#include "framework/gui/ExtCtrls.h"

namespace tmv {

// Asked of each registered control on every tick: a result of 1 means it blinks.
constexpr UINT CM_BLINKQUERY = CM_BASE + 1000;
// Sent to the controls that blink; WParam is 1 for the "on" phase, 0 for "off".
constexpr UINT CM_BLINKSTATE = CM_BASE + 1001;

class TRzBlinkingControlsList : public TObject {
public:
  // The first control added makes the list and starts its timer; the last one removed
  // frees it.
  static void Add(TControl* control);
  static void Remove(TControl* control);
  // Null while no control is registered.
  static TRzBlinkingControlsList* Instance();

  uint16_t IntervalOn() const { return intervalOn_; }
  void SetIntervalOn(uint16_t ms) { intervalOn_ = ms; }
  uint16_t IntervalOff() const { return intervalOff_; }
  void SetIntervalOff(uint16_t ms) { intervalOff_ = ms; }
  int Phase() const { return phase_; }
  unsigned TimerInterval() const { return timer_.Interval(); }
  // What the timer does on each tick: the other phase begins, for its own interval.
  void Tick();

private:
  TRzBlinkingControlsList();
  void TimerFired(TObject* sender) { Tick(); }

  int phase_ = 1;
  uint16_t intervalOff_ = 500;
  uint16_t intervalOn_ = 500;
  TTimer timer_{nullptr};
  std::vector<TControl*> controls_;
};

}  // namespace tmv
