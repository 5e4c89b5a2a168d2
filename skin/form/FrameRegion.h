#pragma once
// The region a window is shaped by. Once handed to the window the region is the system's: the
// program never deletes it, it only replaces or removes it through the window.
#include <windows.h>

#include "framework/gui/Handles.h"

namespace tmv {

class TspFrameRegion {
public:
  // Gives region to the window (a null one removes the shape); redraws the window.
  void Set(HWND window, UniqueRegion region);
  void Remove(HWND window) { Set(window, UniqueRegion()); }
  bool Shaped() const { return shaped_; }

private:
  bool shaped_ = false;
};

}  // namespace tmv
