#pragma once
// The form of the skinned-frame tests, carrying the stored skin, a skinned panel and the
// frame component, and helpers that read the window as the system sees it.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/gui/Forms.h"
#include "skin/controls/SkinPanel.h"
#include "skin/form/DynamicSkinForm.h"
#include "win/controls/SkinControlsTestSupport.h"
#include "win/framework/TestSupport.h"

namespace tmv {

class TSkinFormTestForm : public TForm {
public:
  explicit TSkinFormTestForm(TComponent* owner) : TForm(owner) { InitFormResource(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TSkinFormTestForm", &TForm::StaticClassInfo(), nullptr, {},
                                 {Method<&TSkinFormTestForm::SkinApplied>("SkinApplied")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SkinApplied(TObject*) { ++skinsApplied; }
  TspDynamicSkinForm& Frame() { return *dynamic_cast<TspDynamicSkinForm*>(FindComponent("spDynamicSkinForm1")); }
  TspSkinData& Skin() { return *dynamic_cast<TspSkinData*>(FindComponent("spSkinData1")); }
  TspCompressedStoredSkin& Stored() {
    return *dynamic_cast<TspCompressedStoredSkin*>(FindComponent("spCompressedStoredSkin1"));
  }
  int skinsApplied = 0;
};

// The frame as the form paints it, read back from a memory DC.
struct TFrameShot {
  explicit TFrameShot(TSkinFormTestForm& form) {
    bitmap.SetBitCount(32);
    bitmap.SetSize(form.Width(), form.Height());
    form.Frame().PaintFrameTo(bitmap.Canvas()->Handle());
    GdiFlush();
  }
  COLORREF At(int x, int y) const {
    const uint8_t* p = bitmap.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
  }
  TBitmap bitmap;
};

inline RECT WindowRectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

inline RECT ClientRectOf(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  return r;
}

// The client area's place in the window: left, top, right and bottom border widths.
inline RECT Borders(HWND window) {
  const RECT w = WindowRectOf(window);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  const RECT c = ClientRectOf(window);
  return {origin.x - w.left, origin.y - w.top, w.right - (origin.x + c.right), w.bottom - (origin.y + c.bottom)};
}

inline int HitTestAt(HWND window, int x, int y) {
  const RECT w = WindowRectOf(window);
  return static_cast<int>(SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(w.left + x, w.top + y)));
}

// Whether a window point lies in the window's region; true for a window with none.
inline bool InRegion(HWND window, int x, int y) {
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.Get()) == ERROR) return true;
  return PtInRegion(region.Get(), x, y) != FALSE;
}

inline bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The cursor put at a screen point, and the motion that causes handled before going on.
inline void SettleCursorAt(int x, int y) {
  SetCursorPos(x, y);
  for (int i = 0; i < 5; ++i) {
    Sleep(20);
    Pump();
  }
}

// Drives a move or size loop from inside: once the loop runs, the mouse goes to the points
// given and the left button is released; a loop that input failed to end is ended with Escape
// after three seconds, so a broken test fails instead of hanging.
class TLoopDriver {
public:
  TLoopDriver(HWND window, std::vector<POINT> path) : timer_(SetTimer(nullptr, 0, 100, &Tick)) {
    target = window;
    points = std::move(path);
    ticks = 0;
  }
  ~TLoopDriver() { KillTimer(nullptr, timer_); }

private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (++ticks == 1) {
      for (const POINT& p : points) SendMouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p);
      SendMouseInput(MOUSEEVENTF_LEFTUP);
    } else if (ticks == 30) {
      PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0);
    }
  }
  static inline HWND target = nullptr;
  static inline std::vector<POINT> points;
  static inline int ticks = 0;
  UINT_PTR timer_;
};

// Records the messages of a window that pass a hook put in front of the others.
class TMessageRecorder : public TComponent {
public:
  TMessageRecorder(TWinControl& control, std::vector<UINT> watched)
      : TComponent(nullptr), control_(control), watched_(std::move(watched)) {
    control.AddWindowHook(TWindowHook::Of<&TMessageRecorder::Hook>(this));
  }
  ~TMessageRecorder() override { control_.RemoveWindowHook(TWindowHook::Of<&TMessageRecorder::Hook>(this)); }
  void Hook(TMessage& m, const TWindowHookNext& next) {
    if (std::find(watched_.begin(), watched_.end(), m.Msg) != watched_.end() &&
        (seen.empty() || seen.back() != m.Msg || m.Msg != WM_MOVING))
      seen.push_back(m.Msg);
    next(m);
  }
  std::vector<UINT> seen;

private:
  TWinControl& control_;
  std::vector<UINT> watched_;
};

}  // namespace tmv
