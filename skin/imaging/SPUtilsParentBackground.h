#pragma once
// Transparent-looking controls: what lies under a control, drawn into its canvas.
#include "framework/gui/Controls.h"

namespace tmv {

enum class TParentBackgroundStyle {
  // The parent erases and paints (its windowless children with it, where they are), then
  // the overlapping windowed siblings that come before the control are painted.
  Standard,
  // Check and radio boxes: the parent paints (unless it is a form), then erases; no
  // windowed sibling is painted.
  CheckBox,
};

// Draws the parent's face and the earlier windowed siblings under the control into the canvas, in the
// control's coordinates. Does nothing for a control without a parent window, and when it is
// asked again for the same control while that control is being painted for the parent.
void PaintParentBackground(TControl& control, TCanvas& canvas,
                           TParentBackgroundStyle style = TParentBackgroundStyle::Standard);

}  // namespace tmv
