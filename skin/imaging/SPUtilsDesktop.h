#pragma once
// Monitors, screen captures, window transparency and the system version tests that decide
// whether it is used.
#include <windows.h>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

// The work area (or, with workArea false, the whole area) of the monitor nearest the window
// when there are several monitors; otherwise that of the primary screen. The rectangle is left
// as it is when the monitor cannot tell.
void GetMonitorWorkArea(HWND window, TRect& area, bool workArea = true);

// Sets a layered window's opacity; false when the system has no such call.
bool SetWindowAlpha(HWND window, BYTE alpha);

using TWindowsVersionQuery = DWORD (*)();
// Replaces the version query (GetVersion by default) and returns the previous one.
TWindowsVersionQuery SetWindowsVersionQuery(TWindowsVersionQuery query);

bool IsVersion51();
// Translucent forms, menus, lists and hints are used only on versions 5.0 to 5.2.
bool LayeredWindowsAvailable();

}  // namespace tmv
