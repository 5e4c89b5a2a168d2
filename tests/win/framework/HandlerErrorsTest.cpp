#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

// Answers message boxes; while a box is "up", runs what the test wants to happen behind it.
class BoxWithLoop {
public:
  explicit BoxWithLoop(std::function<void()> whileShown = nullptr) {
    SetMessageBoxHook([this, whileShown](HWND, const std::string& text, const std::string&, UINT) {
      texts.push_back(text);
      if (whileShown && texts.size() == 1) whileShown();
      return IDOK;
    });
  }
  ~BoxWithLoop() { FailUnexpectedMessageBoxes(); }
  std::vector<std::string> texts;
};

class Thrower : public TComponent {
public:
  Thrower() : TComponent(nullptr) {}
  void ThrowInt(TObject*) { throw 42; }
  void Tick(TObject* sender) {
    ++ticks;
    if (ticks == 2) static_cast<TTimer*>(sender)->SetEnabled(false);
    throw EInvalidOperation("tick failed");
  }
  int ticks = 0;
};

TEST(HandlerErrors, AnExceptionOfAnyTypeReachesTheErrorHandler) {
  BoxWithLoop boxes;
  Thrower thrower;
  TForm form(nullptr);
  auto* button = new TBitBtn(&form);
  button->SetParent(&form);
  button->SetOnClick(TNotifyEvent::Of<&Thrower::ThrowInt>(&thrower));
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  SendMessageA(button->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(boxes.texts, (std::vector<std::string>(2, "An exception of an unknown type was raised")));
}

// Pumps the message loop for a while, as the modal loop of a real box does.
void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < ms) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    Pump();
  }
}

TEST(HandlerErrors, ATimerIsPausedWhileItsHandlerReportsAnError) {
  Thrower thrower;
  TTimer timer(nullptr);
  int ticksBehindTheBox = -1;
  BoxWithLoop boxes([&] {
    const int before = thrower.ticks;
    PumpFor(150);
    ticksBehindTheBox = thrower.ticks - before;
  });
  timer.SetInterval(10);
  timer.SetOnTimer(TNotifyEvent::Of<&Thrower::Tick>(&thrower));
  const DWORD start = GetTickCount();
  while (thrower.ticks < 2 && GetTickCount() - start < 3000) PumpFor(20);
  EXPECT_EQ(ticksBehindTheBox, 0);
  // Once the box is gone the timer runs again.
  EXPECT_EQ(thrower.ticks, 2);
  EXPECT_EQ(boxes.texts, (std::vector<std::string>(2, "tick failed")));
}

class SelfStopper : public TComponent {
public:
  SelfStopper() : TComponent(nullptr) {}
  void Tick(TObject* sender) {
    ++ticks;
    delete sender;
    // The freed block is most likely handed out again at once: filled with garbage, it makes
    // any further use of the freed timer fail on the spot.
    reused_.reset(new char[sizeof(TTimer)]);
    memset(reused_.get(), 0xDD, sizeof(TTimer));
  }
  int ticks = 0;

private:
  std::unique_ptr<char[]> reused_;
};

TEST(Lifetime, ATimerFreedByItsOwnHandlerStaysStopped) {
  SelfStopper stopper;
  auto* timer = new TTimer(nullptr);
  timer->SetInterval(5);
  timer->SetOnTimer(TNotifyEvent::Of<&SelfStopper::Tick>(&stopper));
  const DWORD start = GetTickCount();
  while (stopper.ticks == 0 && GetTickCount() - start < 3000) PumpFor(10);
  PumpFor(100);
  EXPECT_EQ(stopper.ticks, 1);
}

// A control whose face cannot be drawn: it changes the DC the way drawing code does, then
// fails.
class TBrokenFace : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  HDC paintedOn = nullptr;
  bool broken = false;

protected:
  void Paint() override {
    if (!broken) return;
    paintedOn = Canvas()->Handle();
    OffsetViewportOrgEx(paintedOn, 7, 7, nullptr);
    SetTextColor(paintedOn, RGB(1, 2, 3));
    throw EInvalidGraphic("Bitmap image is not valid");
  }
};

TEST(HandlerErrors, AFailingPaintLeavesTheDCAsItWasAndIsReportedOnce) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  auto* broken = new TBrokenFace(&form);
  broken->SetBounds(0, 0, 50, 50);
  broken->SetParent(&form);
  form.Show();
  Pump();
  broken->broken = true;

  {
    BoxWithLoop boxes;
    TBitmap face;
    face.SetSize(50, 50);
    HDC dc = face.Canvas()->Handle();
    SetTextColor(dc, RGB(9, 9, 9));
    broken->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EXPECT_EQ(broken->paintedOn, dc);
    POINT origin;
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(GetTextColor(dc), RGB(9, 9, 9));
    EXPECT_EQ(broken->Canvas()->Handle(), nullptr);
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"Bitmap image is not valid"});
  }

  // On the screen: the control is painted again behind the box, and fails again.
  BoxWithLoop boxes([&] {
    InvalidateRect(broken->Handle(), nullptr, TRUE);
    UpdateWindow(broken->Handle());
  });
  InvalidateRect(broken->Handle(), nullptr, TRUE);
  UpdateWindow(broken->Handle());
  EXPECT_EQ(boxes.texts, std::vector<std::string>{"Bitmap image is not valid"});
  EXPECT_FALSE(GetUpdateRect(broken->Handle(), nullptr, FALSE));
  EXPECT_EQ(broken->Canvas()->Handle(), nullptr);
}

}  // namespace
}  // namespace tmv
