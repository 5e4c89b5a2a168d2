#include <gtest/gtest.h>

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"

namespace tmv {
namespace {

constexpr UINT kProbe = WM_USER + 21;

// A component that hooks a window procedure and writes what passes into a shared log; it
// answers kAnswered itself and passes everything else on.
class Hooker : public TComponent {
public:
  Hooker(TComponent* owner, const char* name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
    SetName(name);
  }
  void Hook(TMessage& m, const TWindowHookNext& next) {
    if (m.Msg >= kProbe && m.Msg <= kProbe + 1) log_.push_back(Name());
    if (m.Msg == answered && answered) {
      m.Result = 42;
      return;
    }
    if (m.Msg == kProbe && onProbe) onProbe(*this);
    next(m);
  }
  TWindowHook Method() { return TWindowHook::Of<&Hooker::Hook>(this); }
  UINT answered = 0;
  void (*onProbe)(Hooker&) = nullptr;
  TWinControl* target = nullptr;
  Hooker* other = nullptr;

private:
  std::vector<std::string>& log_;
};

// A form that writes the probe into the same log when it reaches the form's own procedure.
class TLoggingForm : public TForm {
public:
  explicit TLoggingForm(std::vector<std::string>& log) : TForm(nullptr), log_(log) {}
  void WndProc(TMessage& m) override {
    if (m.Msg == kProbe) log_.push_back("form");
    TForm::WndProc(m);
  }

private:
  std::vector<std::string>& log_;
};

std::vector<std::string> Probe(TWinControl& control, std::vector<std::string>& log) {
  log.clear();
  SendMessageA(control.Handle(), kProbe, 0, 0);
  return log;
}

using Log = std::vector<std::string>;

TEST(WindowHooks, StackNewestFirstAndGoInAnyOrderOrWithTheirComponent) {
  Log log;
  TLoggingForm form(log);
  auto* a = new Hooker(&form, "a", log);
  auto* b = new Hooker(&form, "b", log);
  auto* c = new Hooker(nullptr, "c", log);  // owned elsewhere: the form asks to hear of its end
  for (Hooker* h : {a, b, c}) form.AddWindowHook(h->Method());
  EXPECT_EQ(Probe(form, log), (Log{"c", "b", "a", "form"}));

  form.RemoveWindowHook(b->Method());
  EXPECT_EQ(Probe(form, log), (Log{"c", "a", "form"}));
  form.AddWindowHook(b->Method());
  delete c;
  EXPECT_EQ(Probe(form, log), (Log{"b", "a", "form"}));

  // A hook answering a message keeps it from the older hooks and the form, also for Perform.
  b->answered = kProbe + 1;
  log.clear();
  EXPECT_EQ(form.Perform(kProbe + 1), 42);
  EXPECT_EQ(log, Log{"b"});

  // The window made again keeps the hooks and what DragAcceptFiles gave it.
  HWND old = form.Handle();
  DragAcceptFiles(old, TRUE);
  form.SetBorderStyle(bsDialog);
  ASSERT_NE(form.Handle(), old);
  EXPECT_TRUE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  EXPECT_EQ(Probe(form, log), (Log{"b", "a", "form"}));
  DragAcceptFiles(form.Handle(), FALSE);
  form.SetBorderStyle(bsSingle);
  EXPECT_FALSE(GetWindowLongA(form.Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST(WindowHooks, HooksAddedOrRemovedWhileAMessagePassesTakeEffectAtOnce) {
  Log log;
  TLoggingForm form(log);
  auto* a = new Hooker(&form, "a", log);
  auto* b = new Hooker(&form, "b", log);
  auto* c = new Hooker(&form, "c", log);
  new Hooker(&form, "late", log);
  for (Hooker* h : {a, b, c}) form.AddWindowHook(h->Method());
  // c, seeing the probe first, frees b (not yet called) and adds a new hook.
  c->target = &form;
  c->other = b;
  c->onProbe = [](Hooker& self) {
    delete std::exchange(self.other, nullptr);
    auto* added = dynamic_cast<Hooker*>(self.Owner()->FindComponent("late"));
    self.target->AddWindowHook(added->Method());
    self.onProbe = nullptr;
  };
  EXPECT_EQ(Probe(form, log), (Log{"c", "a", "form"}));
  EXPECT_EQ(Probe(form, log), (Log{"late", "c", "a", "form"}));
}

TEST(WindowHooks, TheApplicationWindowAndTheMessageLoopTakeHooksToo) {
  Log log;
  auto* first = new Hooker(nullptr, "first", log);
  auto* second = new Hooker(nullptr, "second", log);
  Application()->AddWindowHook(first->Method());
  Application()->AddWindowHook(second->Method());
  first->answered = kProbe + 1;
  log.clear();
  EXPECT_EQ(SendMessageA(Application()->Handle(), kProbe + 1, 0, 0), 42);
  EXPECT_EQ(log, (Log{"second", "first"}));
  delete second;
  delete first;
  EXPECT_EQ(SendMessageA(Application()->Handle(), kProbe + 1, 0, 0), 0);
}

class LoopWatcher : public TComponent {
public:
  LoopWatcher(const char* name, Log& log, bool handles) : TComponent(nullptr), log_(log), handles_(handles) {
    SetName(name);
  }
  void Watch(MSG& msg, bool& handled) {
    if (msg.message != kProbe) return;
    log_.push_back(Name());
    handled = handles_;
  }
  TMessageHook Method() { return TMessageHook::Of<&LoopWatcher::Watch>(this); }

private:
  Log& log_;
  bool handles_;
};

TEST(WindowHooks, MessageLoopHooksComeBeforeOnMessageAndStopWhenHandled) {
  Log log;
  TLoggingForm form(log);
  LoopWatcher onMessage("OnMessage", log, false);
  Application()->SetOnMessage(TMessageEvent::Of<&LoopWatcher::Watch>(&onMessage));
  auto* menuWatch = new LoopWatcher("menu", log, true);
  auto* trayWatch = new LoopWatcher("tray", log, false);
  Application()->AddMessageHook(menuWatch->Method());
  Application()->AddMessageHook(trayWatch->Method());
  PostMessageA(form.Handle(), kProbe, 0, 0);
  Pump();
  EXPECT_EQ(log, (Log{"tray", "menu"}));

  // Removed in the order they came: what remains is the application's own handler.
  log.clear();
  Application()->RemoveMessageHook(menuWatch->Method());
  PostMessageA(form.Handle(), kProbe, 0, 0);
  Pump();
  EXPECT_EQ(log, (Log{"tray", "OnMessage", "form"}));
  log.clear();
  delete trayWatch;
  delete menuWatch;
  PostMessageA(form.Handle(), kProbe, 0, 0);
  Pump();
  EXPECT_EQ(log, (Log{"OnMessage", "form"}));
  Application()->SetOnMessage(TMessageEvent());
}

// Records the notifications a control gets about itself and about its parent.
class NoticeRecorder : public TComponent {
public:
  explicit NoticeRecorder(TComponent* owner) : TComponent(owner) {}
  void Hook(TMessage& m, const TWindowHookNext& next) {
    switch (m.Msg) {
      case CM_TEXTCHANGED: log.push_back("text"); break;
      case CM_ENABLEDCHANGED: log.push_back("enabled"); break;
      case CM_PARENTCOLORCHANGED: log.push_back("parent colour"); break;
      case CM_PARENTFONTCHANGED: log.push_back("parent font"); break;
      case CN_HSCROLL: log.push_back("hscroll"); break;
      case CN_VSCROLL: log.push_back("vscroll"); break;
      case CN_CTLCOLORSCROLLBAR: log.push_back("scroll bar colours"); break;
      case CN_MEASUREITEM:
        log.push_back("measure");
        reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam)->itemHeight = 23;
        m.Result = TRUE;
        return;
    }
    next(m);
  }
  Log log;
};

TEST(WindowHooks, AHookSeesTheChangesOfItsControlAndOfItsParent) {
  TForm form(nullptr);
  auto* parent = new TPanel(&form);
  parent->SetParent(&form);
  auto* child = new TPanel(&form);
  child->SetParent(parent);
  auto* recorder = new NoticeRecorder(&form);
  child->AddWindowHook(TWindowHook::Of<&NoticeRecorder::Hook>(recorder));
  child->SetCaption("新");
  child->SetEnabled(false);
  parent->SetColor(clRed);
  parent->Font()->SetName("Arial");
  EXPECT_EQ(recorder->log, (Log{"text", "enabled", "parent colour", "parent font"}));
  // The changes themselves still happen behind the hook.
  char text[8] = "";
  GetWindowTextA(child->Handle(), text, sizeof text);
  EXPECT_STREQ(text, "新");
  EXPECT_FALSE(IsWindowEnabled(child->Handle()));
  EXPECT_EQ(child->Font()->Name(), "Arial");
}

// A windowed control wrapping a system class, given its styles.
class TSystemControl : public TWinControl {
public:
  TSystemControl(TComponent* owner, const char* cls, DWORD style) : TWinControl(owner), cls_(cls), style_(style) {}

protected:
  void CreateParams(TCreateParams& params) override {
    TWinControl::CreateParams(params);
    params.WinClassName = cls_;
    params.Style |= style_;
  }

private:
  const char* cls_;
  DWORD style_;
};

TEST(WindowHooks, ChildrenHearTheirScrollColourAndMeasureNotificationsByRealIDs) {
  TForm form(nullptr);
  auto* recorder = new NoticeRecorder(&form);
  auto* bar = new TSystemControl(&form, "SCROLLBAR", SBS_HORZ);
  bar->SetBounds(0, 0, 100, 16);
  bar->AddWindowHook(TWindowHook::Of<&NoticeRecorder::Hook>(recorder));
  bar->SetParent(&form);
  auto* list = new TSystemControl(&form, "LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
  list->SetBounds(0, 20, 100, 60);
  list->AddWindowHook(TWindowHook::Of<&NoticeRecorder::Hook>(recorder));
  list->SetParent(&form);
  // The list asks its parent for its item height while its window is being made.
  HWND window = form.Handle();
  EXPECT_EQ(recorder->log, Log{"measure"});
  EXPECT_EQ(SendMessageA(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 23);
  const int barID = GetDlgCtrlID(bar->Handle()), listID = GetDlgCtrlID(list->Handle());
  EXPECT_NE(barID, 0);
  EXPECT_NE(barID, listID);
  EXPECT_EQ(GetDlgItem(window, listID), list->Handle());

  recorder->log.clear();
  const LPARAM barWindow = reinterpret_cast<LPARAM>(bar->Handle());
  SendMessageA(window, WM_HSCROLL, SB_LINERIGHT, barWindow);
  SendMessageA(window, WM_VSCROLL, SB_LINEDOWN, barWindow);
  TBitmap probe;
  probe.SetSize(1, 1);
  bar->SetColor(clLime);
  auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(window, WM_CTLCOLORSCROLLBAR, reinterpret_cast<WPARAM>(probe.Canvas()->Handle()), barWindow));
  EXPECT_EQ(recorder->log, (Log{"hscroll", "vscroll", "scroll bar colours"}));
  LOGBRUSH lb;
  ASSERT_TRUE(GetObjectA(brush, sizeof lb, &lb));
  EXPECT_EQ(lb.lbColor, RGB(0, 255, 0));
}

}  // namespace
}  // namespace tmv
