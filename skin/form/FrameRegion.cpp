#include "skin/form/FrameRegion.h"

namespace tmv {

void TspFrameRegion::Set(HWND window, UniqueRegion region) {
  if (!window || (!region && !shaped_)) return;
  shaped_ = static_cast<bool>(region);
  // The system owns the region from this call on, and frees the one it replaces.
  if (!SetWindowRgn(window, region.Get(), TRUE)) {
    shaped_ = false;
    return;
  }
  region.Release();
}

}  // namespace tmv
