#pragma once
// The smallest and largest size a control may take; 0 leaves that side free.
#include <cstdint>

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Method.h"

namespace tmv {

class TSizeConstraints : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int32_t MinWidth() const { return minWidth_; }
  int32_t MinHeight() const { return minHeight_; }
  int32_t MaxWidth() const { return maxWidth_; }
  int32_t MaxHeight() const { return maxHeight_; }
  // A negative value is ignored. A minimum above the maximum raises the maximum, and a
  // maximum below the minimum lowers the minimum, so the two never cross.
  void SetMinWidth(int32_t value);
  void SetMinHeight(int32_t value);
  void SetMaxWidth(int32_t value);
  void SetMaxHeight(int32_t value);

  // The size moved into the allowed range.
  void Constrain(int& width, int& height) const;

  TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent event) { onChange_ = event; }

private:
  void SetLimits(int32_t& min, int32_t& max, int32_t newMin, int32_t newMax);

  int32_t minWidth_ = 0;
  int32_t minHeight_ = 0;
  int32_t maxWidth_ = 0;
  int32_t maxHeight_ = 0;
  TNotifyEvent onChange_;
};

}  // namespace tmv
