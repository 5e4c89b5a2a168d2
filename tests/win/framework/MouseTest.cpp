#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/core/FormReader.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

// Writes every mouse event of the controls it is given as one line.
class MouseLog : public TComponent {
public:
  MouseLog() : TComponent(nullptr) {}
  void WatchButtons(TControl* c) {
    c->SetOnMouseDown(TMouseEvent::Of<&MouseLog::Down>(this));
    c->SetOnMouseUp(TMouseEvent::Of<&MouseLog::Up>(this));
    c->SetOnMouseMove(TMouseMoveEvent::Of<&MouseLog::Move>(this));
    c->SetOnClick(TNotifyEvent::Of<&MouseLog::Click>(this));
    c->SetOnDblClick(TNotifyEvent::Of<&MouseLog::DblClick>(this));
  }
  // Entering and leaving follow the real cursor, not posted messages.
  void WatchEnterLeave(TControl* c) {
    c->SetOnMouseEnter(TNotifyEvent::Of<&MouseLog::Enter>(this));
    c->SetOnMouseLeave(TNotifyEvent::Of<&MouseLog::Leave>(this));
  }
  void Down(TObject* s, TMouseButton b, TShiftState shift, int x, int y) { Add(s, "down", b, shift, x, y); }
  void Up(TObject* s, TMouseButton b, TShiftState shift, int x, int y) { Add(s, "up", b, shift, x, y); }
  void Move(TObject* s, TShiftState shift, int x, int y) { Add(s, "move", mbLeft, shift, x, y); }
  void Click(TObject* s) { lines.push_back(NameOf(s) + " click"); }
  void DblClick(TObject* s) { lines.push_back(NameOf(s) + " dblclick"); }
  void Enter(TObject* s) { lines.push_back(NameOf(s) + " enter"); }
  void Leave(TObject* s) { lines.push_back(NameOf(s) + " leave"); }
  std::vector<std::string> lines;

private:
  static std::string NameOf(TObject* s) { return static_cast<TComponent*>(s)->Name(); }
  void Add(TObject* s, const char* what, TMouseButton b, TShiftState shift, int x, int y) {
    std::string line = NameOf(s) + " " + what;
    if (std::string(what) != "move") line += b == mbLeft ? " L" : b == mbRight ? " R" : " M";
    line += " " + std::to_string(x) + "," + std::to_string(y);
    if (shift & ssShift) line += " shift";
    if (shift & ssCtrl) line += " ctrl";
    if (shift & ssLeft) line += " left";
    if (shift & ssDouble) line += " double";
    lines.push_back(line);
  }
};

// A form with a panel (a window of the framework's own class) holding a windowless label.
// The real cursor is kept off the form, and the system's mouse moves that were on their way
// are handled before the form comes up: they would reach it after the posted ones.
struct MouseOnForm : testing::Test {
  MouseOnForm() {
    EXPECT_TRUE(SettleCursor({600, 500}));
    form.SetBounds(100, 100, 300, 200);
    panel = new TPanel(&form);
    panel->SetName("panel");
    panel->SetBounds(10, 10, 200, 100);
    panel->SetParent(&form);
    label = new TLabel(&form);
    label->SetName("label");
    label->SetAutoSize(false);
    label->SetBounds(20, 30, 40, 20);
    label->SetParent(panel);
    form.Show();
    window = panel->Handle();
    log.WatchButtons(panel);
    log.WatchButtons(label);
  }
  ~MouseOnForm() override { ReleaseCapture(); }
  void Post(UINT msg, WPARAM keys, int x, int y) { PostMessageA(window, msg, keys, MAKELPARAM(x, y)); }
  TForm form{nullptr};
  TPanel* panel;
  TLabel* label;
  HWND window;
  MouseLog log;
};

TEST_F(MouseOnForm, ButtonsMovesAndClicksArriveInTheControlsOwnCoordinates) {
  Post(WM_MOUSEMOVE, 0, 5, 5);
  Post(WM_MOUSEMOVE, MK_SHIFT, 25, 35);
  Post(WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 25, 35);
  Post(WM_LBUTTONUP, 0, 26, 36);
  Post(WM_RBUTTONDOWN, MK_RBUTTON, 150, 80);
  Post(WM_RBUTTONUP, 0, 150, 80);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 150, 80);
  Post(WM_LBUTTONUP, 0, 150, 80);
  Pump();
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "panel move 5,5",
                           "label move 5,5 shift",
                           "label down L 5,5 ctrl left",
                           "label click",
                           "label up L 6,6",
                           "panel down R 150,80",
                           "panel up R 150,80",
                           "panel down L 150,80 left",
                           "panel click",
                           "panel up L 150,80",
                       }));
}

TEST_F(MouseOnForm, TheMouseIsCapturedFromPressToReleaseSoAReleaseOutsideIsNoClick) {
  // Windowless: the parent's window holds the mouse for the label.
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 25, 35);
  Pump();
  EXPECT_EQ(GetCapture(), window);
  EXPECT_TRUE(label->MouseCapture());
  EXPECT_FALSE(panel->MouseCapture());
  // Outside the label and even outside the panel, the release is still the label's.
  Post(WM_MOUSEMOVE, MK_LBUTTON, 150, 80);
  Post(WM_LBUTTONUP, 0, -20, 300);
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(label->MouseCapture());

  // Windowed: the panel holds the mouse itself.
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 150, 80);
  Pump();
  EXPECT_TRUE(panel->MouseCapture());
  Post(WM_LBUTTONUP, 0, 250, 80);
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"label down L 5,5 left", "label move 130,50 left",
                                                  "label up L -40,270", "panel down L 150,80 left",
                                                  "panel up L 250,80"}));
  // A control without csCaptureMouse leaves the mouse free.
  label->SetControlStyle(label->ControlStyle() & ~csCaptureMouse);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 25, 35);
  Pump();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MouseOnForm, AQuickSecondPressIsADoubleClickOnlyForControlsThatTakeThem) {
  // The framework's window class reports a quick second press as WM_LBUTTONDBLCLK.
  auto quickTwice = [&] {
    log.lines.clear();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, 25, 35);
    Post(WM_LBUTTONUP, 0, 25, 35);
    Post(WM_LBUTTONDBLCLK, MK_LBUTTON, 25, 35);
    Post(WM_LBUTTONUP, 0, 25, 35);
    Pump();
    return log.lines;
  };
  EXPECT_EQ(quickTwice(), (std::vector<std::string>{"label down L 5,5 left", "label click", "label up L 5,5",
                                                    "label dblclick", "label down L 5,5 left double",
                                                    "label up L 5,5"}));
  label->SetControlStyle(label->ControlStyle() & ~csDoubleClicks);
  EXPECT_EQ(quickTwice(), (std::vector<std::string>{"label down L 5,5 left", "label click", "label up L 5,5",
                                                    "label down L 5,5 left", "label click", "label up L 5,5"}));
}

// Answers CM_CANCELMODE by noting the control it names.
class TCancelModeListener : public TBitBtn {
public:
  using TBitBtn::TBitBtn;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_CANCELMODE) named.push_back(reinterpret_cast<TControl*>(m.LParam)->Name());
    TBitBtn::WndProc(m);
  }
  std::vector<std::string> named;
};

TEST_F(MouseOnForm, APressTellsTheFocusedControlWhichControlTookTheMouse) {
  auto* focused = new TCancelModeListener(&form);
  focused->SetName("focused");
  focused->SetBounds(220, 10, 60, 25);
  focused->SetParent(&form);
  form.SetActiveControl(focused);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, 25, 35);
  Post(WM_LBUTTONUP, 0, 25, 35);
  Post(WM_RBUTTONDOWN, MK_RBUTTON, 150, 80);
  Pump();
  SendMessageA(focused->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
  SendMessageA(focused->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
  // Its own press is no news to the focused control.
  EXPECT_EQ(focused->named, (std::vector<std::string>{"label", "panel"}));
}

// Notes which messages its window receives.
class TRecordingPanel : public TPanel {
public:
  using TPanel::TPanel;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_ERASEBKGND) ++erases;
    TPanel::WndProc(m);
  }
  int erases = 0;
};

TEST(ControlStyles, AnOpaqueControlIsRepaintedWithoutErasingItsParent) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  auto* panel = new TRecordingPanel(&form);
  panel->SetBounds(0, 0, 100, 50);
  panel->SetParent(&form);
  auto* label = new TLabel(&form);
  label->SetParent(panel);
  form.Show();
  UpdateWindow(panel->Handle());
  panel->erases = 0;
  label->Invalidate();
  UpdateWindow(panel->Handle());
  EXPECT_EQ(panel->erases, 1);
  label->SetControlStyle(label->ControlStyle() | csOpaque);
  label->Invalidate();
  UpdateWindow(panel->Handle());
  EXPECT_EQ(panel->erases, 1);
}

TEST(ControlStyles, OnlyControlsThatAcceptControlsHoldOthersInAFormResource) {
  TForm form(nullptr);
  ReadComponentText(form, "object F: TForm\n  object P: TPanel\n    object B: TBitBtn\n    end\n  end\nend\n");
  EXPECT_EQ(static_cast<TControl*>(form.FindComponent("B"))->Parent(), form.FindComponent("P"));
  TForm other(nullptr);
  EXPECT_THROW(ReadComponentText(other, "object F: TForm\n  object B: TBitBtn\n    object C: TBitBtn\n    end\n  end\nend\n"),
               EInvalidOperation);
}

TEST(Cursors, ControlsShowTheCursorOfTheirNumberFromTheScreensTable) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  ReadComponentText(form, R"(object F: TForm
  object P: TPanel
    Left = 0
    Top = 0
    Width = 200
    Height = 100
    object Link: TLabel
      AutoSize = False
      Left = 10
      Top = 10
      Width = 50
      Height = 20
      Cursor = crHandPoint
    end
    object Skinned: TLabel
      AutoSize = False
      Left = 100
      Top = 10
      Width = 50
      Height = 20
      Cursor = 7
    end
  end
end
)");
  auto* panel = static_cast<TPanel*>(form.FindComponent("P"));
  EXPECT_EQ(static_cast<TControl*>(form.FindComponent("Link"))->Cursor(), crHandPoint);
  // The skin registers its cursors by number; the table hands out what was registered.
  HCURSOR registered = LoadCursor(nullptr, IDC_CROSS);
  Screen()->SetCursors(7, registered);
  EXPECT_EQ(Screen()->Cursors(7), registered);
  EXPECT_EQ(Screen()->Cursors(crHandPoint), LoadCursor(nullptr, IDC_HAND));
  EXPECT_EQ(Screen()->Cursors(12345), LoadCursor(nullptr, IDC_ARROW));
  EXPECT_EQ(Screen()->Cursors(crNone), nullptr);
  form.Show();
  HWND window = panel->Handle();
  // Under Wine the position the framework reads can trail the pointer for a while after it
  // moved, so each place is asked until the expected cursor shows or the wait runs out.
  auto showsOver = [&](int x, int y, HCURSOR expected) {
    POINT at = {x, y};
    ClientToScreen(window, &at);
    SettleCursor(at);
    HCURSOR shown = nullptr;
    const bool found = PumpUntil([&] {
      ::SetCursor(LoadCursor(nullptr, IDC_WAIT));
      SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      shown = GetCursor();
      return shown == expected;
    });
    return found ? testing::AssertionSuccess()
                 : testing::AssertionFailure() << "at " << x << "," << y << " the cursor was " << shown;
  };
  EXPECT_TRUE(showsOver(20, 20, LoadCursor(nullptr, IDC_HAND)));
  EXPECT_TRUE(showsOver(110, 20, registered));
  // Over the panel itself, whose cursor is crDefault, the system's handling decides.
  ::SetCursor(LoadCursor(nullptr, IDC_WAIT));
  DefWindowProcA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  const HCURSOR systemChoice = GetCursor();
  EXPECT_TRUE(showsOver(80, 80, systemChoice));
  panel->SetCursor(crIBeam);
  EXPECT_TRUE(showsOver(80, 80, LoadCursor(nullptr, IDC_IBEAM)));
  Screen()->SetCursors(7, nullptr);
  EXPECT_EQ(Screen()->Cursors(7), LoadCursor(nullptr, IDC_ARROW));
}

LRESULT CALLBACK PlainWindowProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// A top-level window of no framework class, to hold a framework control.
class ForeignWindow {
public:
  ForeignWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = &PlainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TMForeignHost";
    RegisterClassA(&wc);
    handle_ = CreateWindowExA(WS_EX_TOPMOST, "TMForeignHost", "", WS_POPUP | WS_VISIBLE, 200, 200, 300, 200,
                              nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~ForeignWindow() { DestroyWindow(handle_); }
  HWND Handle() const { return handle_; }

private:
  HWND handle_;
};

// Notes the mouse coming and going in its own handling, before the events run.
class TEnterLeaveControl : public TCustomControl {
public:
  TEnterLeaveControl(TComponent* owner, std::vector<std::string>& log) : TCustomControl(owner), log_(log) {}
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_MOUSEENTER) log_.push_back("CM_MOUSEENTER");
    if (m.Msg == CM_MOUSELEAVE) log_.push_back("CM_MOUSELEAVE");
    TCustomControl::WndProc(m);
  }

private:
  std::vector<std::string>& log_;
};

TEST(MouseEnterLeave, ControlsInAForeignWindowHearTheMouseComeAndGo) {
  ForeignWindow host;
  MouseLog log;
  TEnterLeaveControl control(nullptr, log.lines);
  control.SetName("control");
  control.SetParentWindow(host.Handle());
  control.SetBounds(50, 50, 100, 80);
  log.WatchEnterLeave(&control);
  HWND window = control.Handle();
  EXPECT_EQ(GetParent(window), host.Handle());
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(20, 10));
  Pump();
  // The system's report that the tracked mouse left.
  PostMessageA(window, WM_MOUSELEAVE, 0, 0);
  Pump();
  EXPECT_EQ(log.lines, (std::vector<std::string>{"CM_MOUSEENTER", "control enter", "CM_MOUSELEAVE", "control leave"}));
}

}  // namespace
}  // namespace tmv
