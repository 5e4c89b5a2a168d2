#pragma once
// Helpers shared by the framework's window tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include <utility>

#include "framework/gui/Dialogs.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Menus.h"

namespace tmv {

// From now on any message box is answered at once and reported as a failure, so no test can
// leave one waiting for a person.
inline void FailUnexpectedMessageBoxes() {
  SetMessageBoxHook([](HWND, const std::string& text, const std::string& caption, UINT) {
    ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
    return IDOK;
  });
}

// Answers message boxes for the lifetime of the object and keeps what they showed.
class BoxRecorder {
public:
  struct Box {
    std::string text, caption;
    UINT flags;
    HWND owner;
    bool ownerEnabled;  // while the box was up
  };
  explicit BoxRecorder(int answer = IDOK) {
    SetMessageBoxHook([this, answer](HWND owner, const std::string& text, const std::string& caption, UINT flags) {
      boxes.push_back({text, caption, flags, owner, IsWindowEnabled(owner) != FALSE});
      if (whileShown) whileShown();
      return answer;
    });
  }
  ~BoxRecorder() { FailUnexpectedMessageBoxes(); }
  std::vector<Box> boxes;
  // Called while each box is up, as a person would act then.
  std::function<void()> whileShown;
};

// Receives events and keeps their order.
class EventLog : public TComponent {
public:
  EventLog() : TComponent(nullptr) {}
  void Clicked(TObject* sender) { entries.push_back("click " + Name(sender)); }
  void Closing(TObject* sender, TCloseAction& action) {
    entries.push_back("close " + Name(sender));
    action = closeAction;
  }
  void Destroyed(TObject*) { entries.push_back("destroy"); }
  void Throw(TObject*) { throw EFCreateError("Cannot create file \"X:\\a.ico\". Access denied"); }
  void ThrowOnClose(TObject*, TCloseAction&) { Throw(nullptr); }

  TCloseAction closeAction = caHide;
  std::vector<std::string> entries;

private:
  static std::string Name(TObject* o) {
    auto* c = dynamic_cast<TComponent*>(o);
    return c ? c->Name() : "?";
  }
};

// Handles every message already queued for this thread.
inline void Pump() { Application()->ProcessMessages(); }

// Waits, handling messages, until done() holds; false after ten seconds (generous: a loaded
// machine is slow).
template <class F>
bool PumpUntil(F done) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > 10000) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    Pump();
  }
  return true;
}

inline bool MouseInputQueued() { return HIWORD(GetQueueStatus(QS_MOUSE)) != 0; }

inline bool CursorReportedAt(POINT screen) {
  POINT at;
  return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
}

// Puts the real cursor on a screen point and waits, handling messages, until the system reports
// it there: under Wine GetCursorPos may still give an earlier point after SetCursorPos and a
// round of messages, and the framework reads the cursor from it.
inline bool PlaceCursor(POINT screen) {
  // Wine moves the display's pointer only when the point differs from the one it holds, and
  // the one it holds may not be where the pointer is: passing through a neighbour forces the
  // move.
  SetCursorPos(screen.x + 1, screen.y);
  SetCursorPos(screen.x, screen.y);
  return PumpUntil([&] {
    Pump();
    return CursorReportedAt(screen);
  });
}

// Puts the real cursor on a screen point and waits until it is reported there with no mouse
// input left from earlier points, which would reach whatever window is under their point when
// handled. (Over a hinted form mouse input was seen to keep coming for longer than PumpUntil
// waits: PlaceCursor serves there.)
inline bool SettleCursor(POINT screen) {
  return PlaceCursor(screen) && PumpUntil([&] {
           Pump();
           return CursorReportedAt(screen) && !MouseInputQueued();
         });
}

// A mouse message at a screen point to the window holding the mouse (a drag's, once it has
// begun), as the system would route the pointer's input there.
inline void PostToCapture(UINT msg, POINT screen) {
  HWND holder = GetCapture();
  ASSERT_NE(holder, nullptr);
  ScreenToClient(holder, &screen);
  PostMessageA(holder, msg, msg == WM_MOUSEMOVE ? MK_LBUTTON : 0, MAKELPARAM(screen.x, screen.y));
  Pump();
}

// The system's own mouse input, as the pointer and buttons would give it; at is the screen
// point of an absolute move.
inline void SendMouseInput(DWORD flags, POINT at = {0, 0}) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((at.x * 65535LL) / (GetSystemMetrics(SM_CXSCREEN) - 1));
  in.mi.dy = static_cast<LONG>((at.y * 65535LL) / (GetSystemMetrics(SM_CYSCREEN) - 1));
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

inline std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

// A control's point on the screen.
inline POINT ScreenPointOf(const TControl* control, int x, int y) {
  const POINT origin = control->ClientOrigin();
  return {origin.x + x, origin.y + y};
}

// A windowless control that fills itself with one colour, counts its paints and may free
// another control while it paints.
class Swatch : public TControl {
public:
  Swatch(TComponent* owner, TColor colour) : TControl(owner), colour_(colour) {}
  void Paint(TCanvas& canvas) override {
    ++paints;
    canvas.Brush()->SetColor(colour_);
    canvas.FillRect({0, 0, Width(), Height()});
    if (victim) delete std::exchange(victim, nullptr);
  }
  int paints = 0;
  TControl* victim = nullptr;

private:
  TColor colour_;
};

// A popup menu that records what it was asked to show instead of showing it.
class TRecordingPopup : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  void Popup(int x, int y) override { shown.push_back({x, y}); }
  std::vector<POINT> shown;
};

// Live GDI and USER objects of the process. Where the system does not count them (Wine
// answers 0), Gdi is minus the free slots of the GDI handle table (filled with regions and
// freed again: one more object in use is one slot less) and User the thread's windows.
struct TGuiObjects {
  long Gdi = 0;
  long User = 0;
  bool operator==(const TGuiObjects& o) const { return Gdi == o.Gdi && User == o.User; }
};

inline BOOL CALLBACK CountChild(HWND, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  return TRUE;
}

inline BOOL CALLBACK CountWindowTree(HWND window, LPARAM counter) {
  ++*reinterpret_cast<long*>(counter);
  EnumChildWindows(window, &CountChild, counter);
  return TRUE;
}

inline TGuiObjects CountGuiObjects() {
  TGuiObjects counts;
  counts.Gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
  counts.User = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
  if (counts.Gdi != 0 && counts.User != 0) return counts;
  std::vector<HRGN> filler;
  while (filler.size() < 200000) {
    HRGN r = CreateRectRgn(0, 0, 1, 1);
    if (!r) break;
    filler.push_back(r);
  }
  for (HRGN r : filler) DeleteObject(r);
  counts.Gdi = -static_cast<long>(filler.size());
  counts.User = 0;
  EnumThreadWindows(GetCurrentThreadId(), &CountWindowTree, reinterpret_cast<LPARAM>(&counts.User));
  return counts;
}

// Both counts unchanged (and counted at all), with the numbers printed under what.
inline void ExpectSameGuiObjects(const TGuiObjects& before, const TGuiObjects& after, const char* what) {
  EXPECT_EQ(before.Gdi, after.Gdi);
  EXPECT_EQ(before.User, after.User);
  EXPECT_NE(before.Gdi, 0);
  EXPECT_NE(before.User, 0);
  std::printf("%s: %s %ld -> %ld, USER objects %ld -> %ld\n", what,
              before.Gdi < 0 ? "free GDI handle slots" : "GDI objects", std::labs(before.Gdi),
              std::labs(after.Gdi), before.User, after.User);
}

}  // namespace tmv
