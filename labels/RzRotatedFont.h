#pragma once
// A font made from a TFont's description and turned by an escapement, for rotated and arc
// text. The label makes one for the drawing that needs it; the handle goes with the object.
#include <windows.h>

#include "framework/gui/Graphics.h"

namespace tmv {

class TRzRotatedFont {
public:
  // escapement in tenths of a degree, counter-clockwise.
  TRzRotatedFont(const TFont& font, int escapement);
  HFONT Handle() const { return handle_.Get(); }

private:
  UniqueFont handle_;
};

// Whether the font the system gives for this description is a TrueType one; only those
// can be turned.
bool IsTrueTypeFont(TFont& font);

// The test the label asks: IsTrueTypeFont, unless a test machine without bitmap fonts puts
// its own in place.
using TTrueTypeTest = bool (*)(TFont& font);
TTrueTypeTest& TrueTypeTest();

}  // namespace tmv
