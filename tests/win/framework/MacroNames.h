#pragma once
// The same framework members, called from a translation unit that included windows.h first.
#include "framework/gui/Graphics.h"

namespace tmv::test {

// TextOut at the top-left corner, DrawText in the bottom-right corner of box, and a message
// box; answers the box's answer.
int UseMembersAfterWindowsH(TCanvas& canvas, RECT& box);

}  // namespace tmv::test
