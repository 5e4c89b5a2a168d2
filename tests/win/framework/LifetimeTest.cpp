#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

using Log = std::vector<std::string>;

// Watches a window from outside (its own class's procedure is gone by the time a control's
// window is destroyed) and notes its end.
class WindowEndWatcher : public TComponent {
public:
  WindowEndWatcher(const char* name, Log& log) : TComponent(nullptr), log_(log) { SetName(name); }
  void Hook(TMessage& m, const TWindowHookNext& next) {
    if (m.Msg == WM_DESTROY) log_.push_back(Name() + " WM_DESTROY");
    next(m);
  }
  void Watch(TWinControl& control) { control.AddWindowHook(TWindowHook::Of<&WindowEndWatcher::Hook>(this)); }

private:
  Log& log_;
};

// Hooks its owner form while it lives, as the skinned frame does, and puts things back when
// freed; notes whether the form's window was still there to unhook from.
class FrameHook : public TComponent {
public:
  FrameHook(TCustomForm* form, Log& log) : TComponent(form), form_(form), log_(log) {
    form->AddWindowHook(TWindowHook::Of<&FrameHook::Hook>(this));
  }
  ~FrameHook() override {
    log_.push_back(std::string("unhook, form window ") + (IsWindow(form_->Handle()) ? "alive" : "gone"));
    form_->RemoveWindowHook(TWindowHook::Of<&FrameHook::Hook>(this));
  }
  void Hook(TMessage& m, const TWindowHookNext& next) { next(m); }

private:
  TCustomForm* form_;
  Log& log_;
};

// Hears of a control's removal and notes what it could still see of it.
class RemovalWatcher : public TComponent {
public:
  explicit RemovalWatcher(Log& log) : TComponent(nullptr), log_(log) {}

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation != opRemove) return;
    auto* control = dynamic_cast<TWinControl*>(component);
    log_.push_back(std::string("notice: ") + (control ? "a windowed control" : "a component") + ", window " +
                   (control && control->HandleAllocated() ? "alive" : "gone"));
  }

private:
  Log& log_;
};

TEST(Lifetime, AFormFreesItsComponentsAndChildrenBeforeItsOwnWindow) {
  Log log;
  auto* form = new TForm(nullptr);
  auto* panel = new TPanel(form);
  panel->SetParent(form);
  WindowEndWatcher formEnd("form", log), panelEnd("panel", log);
  formEnd.Watch(*form);
  panelEnd.Watch(*panel);
  new FrameHook(form, log);
  RemovalWatcher watcher(log);
  form->FreeNotification(&watcher);
  form->Show();
  delete form;
  EXPECT_EQ(log, (Log{"notice: a windowed control, window alive", "unhook, form window alive",
                      "panel WM_DESTROY", "form WM_DESTROY"}));
}

// Closing with caFree from a handler that goes on pumping messages (a progress loop, say).
class PumpingCloser : public TComponent {
public:
  explicit PumpingCloser(Log& log) : TComponent(nullptr), log_(log) {}
  void Click(TObject*) {
    form->Close();
    Pump();
    log_.push_back("handler goes on with caption " + form->Caption());
  }
  void Closing(TObject*, TCloseAction& action) { action = caFree; }
  void Destroyed(TObject*) { log_.push_back("destroyed"); }
  TCustomForm* form = nullptr;

private:
  Log& log_;
};

TEST(Lifetime, AFormFreedFromItsOwnHandlerGoesOnlyWhenTheHandlerIsDone) {
  Log log;
  PumpingCloser closer(log);
  auto* form = new TForm(nullptr);
  form->SetCaption("Dialog");
  closer.form = form;
  form->SetOnClose(TCloseEvent::Of<&PumpingCloser::Closing>(&closer));
  form->SetOnDestroy(TNotifyEvent::Of<&PumpingCloser::Destroyed>(&closer));
  auto* button = new TBitBtn(form);
  button->SetParent(form);
  button->SetOnClick(TNotifyEvent::Of<&PumpingCloser::Click>(&closer));
  HWND window = form->Handle();
  // Clicked from the message loop, as a person would.
  PostMessageA(button->Handle(), BM_CLICK, 0, 0);
  Pump();
  EXPECT_EQ(log, (Log{"handler goes on with caption Dialog", "destroyed"}));
  EXPECT_FALSE(IsWindow(window));
}

TEST(Lifetime, AFormReleasedFromATimerThatPumpsGoesAfterTheTimerHandler) {
  Log log;
  PumpingCloser closer(log);
  auto* form = new TForm(nullptr);
  form->SetCaption("Timed");
  closer.form = form;
  form->SetOnClose(TCloseEvent::Of<&PumpingCloser::Closing>(&closer));
  form->SetOnDestroy(TNotifyEvent::Of<&PumpingCloser::Destroyed>(&closer));
  form->HandleNeeded();
  // The form owns the timer: freeing the form inside the tick would free the timer under it.
  auto* timer = new TTimer(form);
  timer->SetInterval(1);
  timer->SetOnTimer(TNotifyEvent::Of<&PumpingCloser::Click>(&closer));
  const DWORD start = GetTickCount();
  while (log.size() < 2 && GetTickCount() - start < 3000) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    Pump();
  }
  EXPECT_EQ(log, (Log{"handler goes on with caption Timed", "destroyed"}));
}

TEST(Lifetime, PaintingChildrenSurvivesAChildFreeingAnother) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  Swatch* swatches[3];
  for (int i = 0; i < 3; ++i) {
    swatches[i] = new Swatch(&form, clRed);
    swatches[i]->SetBounds(10 * i, 0, 10, 10);
    swatches[i]->SetParent(&form);
  }
  swatches[0]->victim = swatches[1];
  form.HandleNeeded();
  TBitmap shot;
  shot.SetBitCount(32);
  shot.SetSize(100, 50);
  form.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot.Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(swatches[0]->paints, 1);
  EXPECT_EQ(swatches[2]->paints, 1);
  EXPECT_EQ(form.ControlCount(), 2);
}

}  // namespace
}  // namespace tmv
