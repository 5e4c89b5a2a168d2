#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/HintWindow.h"

namespace tmv {
namespace {

class RecordingHintWindow : public THintWindow {
public:
  using THintWindow::THintWindow;
  void ShowHintAt(const RECT& rect, const std::string& text) override {
    shown.push_back(text);
    THintWindow::ShowHintAt(rect, text);
  }
  std::vector<std::string> shown;
};
THintWindow* MakeRecordingHintWindow(TComponent* owner) { return new RecordingHintWindow(owner); }

class HintRewriter : public TComponent {
public:
  HintRewriter() : TComponent(nullptr) {}
  void Rewrite(std::string& text, bool& canShow, THintInfo& info) {
    seen = info.HintControl;
    text = replacement;
    canShow = allow;
  }
  std::string replacement = "改";
  bool allow = true;
  TControl* seen = nullptr;
};

struct HintedForm : testing::Test {
  HintedForm() {
    Application()->SetHintPause(20);
    Application()->SetHintShortPause(10);
    form.SetBounds(100, 100, 300, 200);
    form.SetShowHint(true);
    panel = new TPanel(&form);
    panel->SetParent(&form);
    panel->SetAlign(alClient);
    panel->SetHint("帮助");
    quiet = new TPanel(&form);
    quiet->SetParent(panel);
    quiet->SetBounds(0, 0, 40, 40);
    quiet->SetHint("never");
    quiet->SetShowHint(false);
    form.Show();
  }
  ~HintedForm() override {
    Application()->SetOnShowHint(TShowHintEvent());
    Application()->CancelHint();
  }
  // Puts the cursor on a control's point and tells the application the mouse moved there.
  void MoveMouse(TWinControl* control, int x, int y) {
    POINT screen = {x, y};
    ClientToScreen(control->Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    // The system's own mouse messages for the move come first, so ours is the last word.
    Sleep(30);
    Pump();
    PostMessageA(control->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
    cursor = screen;
  }
  bool HintShowing() { return Application()->HintWindow()->Showing(); }

  TForm form{nullptr};
  TPanel* panel;
  TPanel* quiet;
  POINT cursor = {};
};

TEST_F(HintedForm, RestingMouseShowsTheHintBelowTheCursorAndAClickHidesIt) {
  MoveMouse(panel, 150, 100);
  ASSERT_TRUE(PumpUntil([&] { return HintShowing(); }));
  THintWindow* hint = Application()->HintWindow();
  EXPECT_EQ(hint->Caption(), "帮助");
  RECT r;
  GetWindowRect(hint->Handle(), &r);
  EXPECT_EQ(r.left, cursor.x);
  EXPECT_EQ(r.top, cursor.y + CursorHeightBelowHotSpot());
  EXPECT_GT(CursorHeightBelowHotSpot(), 0);

  PostMessageA(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 100));
  Pump();
  EXPECT_FALSE(HintShowing());
}

TEST_F(HintedForm, ControlsWithoutHintsShowNone) {
  MoveMouse(quiet, 10, 10);
  Sleep(100);
  EXPECT_FALSE(PumpUntil([&] { return HintShowing(); }) && Application()->HintWindow()->Caption() == "never");
}

TEST_F(HintedForm, OnShowHintMayRewriteOrRefuse) {
  HintRewriter rewriter;
  Application()->SetOnShowHint(TShowHintEvent::Of<&HintRewriter::Rewrite>(&rewriter));
  MoveMouse(panel, 150, 100);
  ASSERT_TRUE(PumpUntil([&] { return HintShowing(); }));
  EXPECT_EQ(Application()->HintWindow()->Caption(), "改");
  EXPECT_EQ(rewriter.seen, panel);

  Application()->CancelHint();
  rewriter.allow = false;
  rewriter.seen = nullptr;
  MoveMouse(panel, 160, 110);
  ASSERT_TRUE(PumpUntil([&] { return rewriter.seen != nullptr; }));
  EXPECT_FALSE(HintShowing());
}

TEST_F(HintedForm, ANewHintWindowClassTakesOverWhenHintsAreSwitchedBackOn) {
  Application()->SetShowHint(false);
  EXPECT_EQ(Application()->HintWindow(), nullptr);
  Application()->SetHintWindowClass(&MakeRecordingHintWindow);
  Application()->SetShowHint(true);
  auto* recording = dynamic_cast<RecordingHintWindow*>(Application()->HintWindow());
  ASSERT_NE(recording, nullptr);
  MoveMouse(panel, 150, 100);
  ASSERT_TRUE(PumpUntil([&] { return !recording->shown.empty(); }));
  EXPECT_EQ(recording->shown[0], "帮助");

  Application()->SetShowHint(false);
  Application()->SetHintWindowClass([](TComponent* owner) { return new THintWindow(owner); });
  Application()->SetShowHint(true);
}

TEST_F(HintedForm, AHintedControlThatGoesTakesItsPendingHintWithIt) {
  MoveMouse(panel, 150, 100);
  Pump();
  delete panel;
  Sleep(60);
  Pump();
  EXPECT_FALSE(HintShowing());
}

}  // namespace
}  // namespace tmv
