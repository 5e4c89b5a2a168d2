#pragma once
// The tool-tip window in which the application shows control hints. A component may give the
// application another class derived from it (SetHintWindowClass).
#include <string>

#include "framework/gui/Controls.h"

namespace tmv {

class THintWindow : public TWinControl {
public:
  explicit THintWindow(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Shows text with the window's top-left corner at rect's; a window that would pass the
  // screen's right or bottom edge opens to the left of or above that point instead.
  virtual void ShowHintAt(const RECT& rect, const std::string& text);
  virtual void HideHint();
  bool Showing();
  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;
};

// How far the current cursor's picture reaches below its hot spot, so a hint placed that
// much lower does not hide under the cursor.
int CursorHeightBelowHotSpot();

}  // namespace tmv
