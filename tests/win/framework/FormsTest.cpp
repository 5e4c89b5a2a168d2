#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/FormResource.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

bool SameRect(const RECT& a, int l, int t, int r, int b) {
  return a.left == l && a.top == t && a.right == r && a.bottom == b;
}

// A form laid out like the program's: a tool panel on top, a status bar at the bottom, a
// hidden memo on the left and the list in the rest.
struct LaidOutForm {
  LaidOutForm() : form(new TForm(nullptr)) {
    form->SetClientWidth(667);
    form->SetClientHeight(363);
    top = new TPanel(form.get());
    top->SetParent(form.get());
    top->SetAlign(alTop);
    top->SetHeight(41);
    bottom = new TStatusBar(form.get());
    bottom->SetParent(form.get());
    left = new TPanel(form.get());
    left->SetWidth(185);
    left->SetAlign(alLeft);
    left->SetParent(form.get());
    client = new TPanel(form.get());
    client->SetAlign(alClient);
    client->SetParent(form.get());
    right = new TPanel(form.get());
    right->SetWidth(30);
    right->SetAlign(alRight);
    right->SetParent(form.get());
  }
  std::unique_ptr<TForm> form;
  TPanel *top, *left, *client, *right;
  TStatusBar* bottom;
};

TEST(FormLayout, ChildrenAlignBeforeAndAfterTheWindowExists) {
  LaidOutForm f;
  EXPECT_TRUE(SameRect(f.form->ClientRect(), 0, 0, 667, 363));
  EXPECT_TRUE(SameRect(f.top->BoundsRect(), 0, 0, 667, 41));
  EXPECT_TRUE(SameRect(f.bottom->BoundsRect(), 0, 342, 667, 363));
  EXPECT_TRUE(SameRect(f.left->BoundsRect(), 0, 41, 185, 342));
  EXPECT_TRUE(SameRect(f.right->BoundsRect(), 637, 41, 667, 342));
  EXPECT_TRUE(SameRect(f.client->BoundsRect(), 185, 41, 637, 342));

  HWND window = f.form->Handle();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_TRUE(SameRect(client, 0, 0, 667, 363));
  RECT r;
  GetWindowRect(f.client->Handle(), &r);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_TRUE(SameRect(r, 185, 41, 637, 342));

  // A hidden aligned control gives its room to the others.
  f.left->Hide();
  EXPECT_TRUE(SameRect(f.client->BoundsRect(), 0, 41, 637, 342));
  f.form->SetClientHeight(400);
  EXPECT_TRUE(SameRect(f.bottom->BoundsRect(), 0, 379, 667, 400));
  EXPECT_TRUE(SameRect(f.client->BoundsRect(), 0, 41, 637, 379));
}

TEST(FormLayout, ControlsJoinAndLeaveParents) {
  LaidOutForm f;
  f.form->HandleNeeded();
  TPanel* panel = f.top;
  EXPECT_EQ(GetParent(panel->Handle()), f.form->Handle());
  panel->SetParent(f.client);
  EXPECT_EQ(f.form->ControlCount(), 4);
  EXPECT_EQ(GetParent(panel->Handle()), f.client->Handle());
  EXPECT_TRUE(SameRect(f.client->BoundsRect(), 185, 0, 637, 342));
  delete panel;
  EXPECT_EQ(f.client->ControlCount(), 0);
  EXPECT_THROW(f.client->SetParent(f.client), EInvalidOperation);
}

TEST(FormClose, FreeingCloseRunsTheEventsInOrderAndLeavesTheScreen) {
  EventLog log;
  log.closeAction = caFree;
  auto* form = new TForm(nullptr);
  form->SetName("Closing");
  form->SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
  form->SetOnDestroy(TNotifyEvent::Of<&EventLog::Destroyed>(&log));
  const int forms = Screen()->FormCount();
  HWND window = form->Handle();

  SendMessageA(window, WM_CLOSE, 0, 0);
  // The form goes only once the messages queued before have been handled.
  EXPECT_EQ(log.entries, std::vector<std::string>{"close Closing"});
  EXPECT_TRUE(IsWindow(window));
  Pump();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"close Closing", "destroy"}));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Screen()->FormCount(), forms - 1);
}

TEST(FormClose, CloseActionsOtherThanFree) {
  EventLog log;
  TForm form(nullptr);
  form.SetName("Kept");
  form.SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
  form.Show();
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  log.closeAction = caNone;
  form.Close();
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  log.closeAction = caHide;
  form.Close();
  Pump();
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  EXPECT_FALSE(form.Visible());
  EXPECT_EQ(log.entries.size(), 2u);
}

TEST(FormClose, ExceptionInAHandlerIsShownAndTheFormGoesOn) {
  EventLog log;
  BoxRecorder boxes;
  TForm form(nullptr);
  form.SetOnClose(TCloseEvent::Of<&EventLog::ThrowOnClose>(&log));
  SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Cannot create file \"X:\\a.ico\". Access denied");
  EXPECT_EQ(boxes.boxes[0].caption, Application()->Title());
  EXPECT_EQ(boxes.boxes[0].flags, UINT(MB_OK | MB_ICONSTOP));
  EXPECT_TRUE(IsWindow(form.Handle()));
  // The message loop is still in service.
  PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
  Pump();
  EXPECT_EQ(boxes.boxes.size(), 2u);
}

TEST(FormWindow, BorderAndStyleSettingsReachTheWindow) {
  TForm form(nullptr);
  form.SetBorderIcons(biSystemMenu);
  form.SetFormStyle(fsStayOnTop);
  form.SetClientWidth(300);
  form.SetClientHeight(200);
  form.SetCaption("标题");
  HWND window = form.Handle();
  LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetWindow(window, GW_OWNER), Application()->Handle());
  char text[32] = "";
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "标题");

  // A new border keeps the client size.
  form.SetBorderStyle(bsDialog);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 300);
  EXPECT_EQ(client.bottom, 200);

  form.SetPosition(poScreenCenter);
  form.Show();
  RECT r;
  GetWindowRect(form.Handle(), &r);
  EXPECT_LE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
  EXPECT_LE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

// A component that puts its own window procedure in front of a form's and chains to the
// one it replaced, as the skinned frame does.
class Interceptor : public TComponent {
public:
  explicit Interceptor(TWinControl& target) : TComponent(nullptr), target_(target) {
    old_ = target.WindowProc();
    target.SetWindowProc(TWndMethod::Of<&Interceptor::Handle>(this));
  }
  ~Interceptor() override { target_.SetWindowProc(old_); }
  void Handle(TMessage& m) {
    seen.push_back(m.Msg);
    if (m.Msg == WM_USER + 7) {
      m.Result = 42;
      return;
    }
    old_(m);
  }
  std::vector<UINT> seen;

private:
  TWinControl& target_;
  TWndMethod old_;
};

TEST(FormWindow, WindowProcedureCanBeReplacedAndChained) {
  EventLog log;
  TForm form(nullptr);
  form.SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
  log.closeAction = caNone;
  {
    Interceptor hook(form);
    EXPECT_EQ(SendMessageA(form.Handle(), WM_USER + 7, 0, 0), 42);
    SendMessageA(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(log.entries.size(), 1u);
    EXPECT_NE(std::find(hook.seen.begin(), hook.seen.end(), UINT(WM_CLOSE)), hook.seen.end());
    EXPECT_EQ(form.Perform(WM_USER + 7), 42);
  }
  EXPECT_EQ(SendMessageA(form.Handle(), WM_USER + 7, 0, 0), 0);
}

class Watcher : public TComponent {
public:
  Watcher() : TComponent(nullptr) {}
  void OnMessage(MSG& msg, bool& handled) {
    if (msg.message == WM_USER + 3) {
      ++seen;
      handled = true;
    }
  }
  int seen = 0;
};

TEST(ApplicationLoop, MainFormCloseEndsTheLoopAndOnMessageSeesMessagesFirst) {
  Watcher watcher;
  EventLog log;
  Application()->SetOnMessage(TMessageEvent::Of<&Watcher::OnMessage>(&watcher));
  TForm* form = Application()->CreateForm<TForm>();
  ASSERT_EQ(Application()->MainForm(), form);
  log.closeAction = caFree;
  form->SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
  PostMessageA(form->Handle(), WM_USER + 3, 0, 0);
  PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
  Application()->Run();
  EXPECT_EQ(watcher.seen, 1);
  EXPECT_TRUE(Application()->Terminated());
  EXPECT_EQ(Application()->MainForm(), nullptr);
  EXPECT_EQ(log.entries, std::vector<std::string>{"close "});
  Application()->SetOnMessage(TMessageEvent());
}

class TBrokenForm : public TForm {
public:
  explicit TBrokenForm(TComponent* owner) : TForm(owner) { throw EReadError("Line 3: class TFoo not found"); }
};

TEST(ApplicationLoop, AFormThatCannotBeMadeIsReportedNotFatal) {
  BoxRecorder boxes;
  const int forms = Screen()->FormCount();
  EXPECT_EQ(Application()->CreateForm<TBrokenForm>(), nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Line 3: class TFoo not found");
  EXPECT_EQ(Screen()->FormCount(), forms);
  EXPECT_EQ(Application()->MainForm(), nullptr);
  Application()->Run();
}

TEST(MessageBoxes, HookAnswersAndRecords) {
  BoxRecorder boxes(IDCANCEL);
  EXPECT_EQ(Application()->MessageBox("由于图标数量太多", "消息框", 0x41), IDCANCEL);
  ShowMessage("4个文件被保存\r保存路径: D:\\");
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].caption, "消息框");
  EXPECT_EQ(boxes.boxes[0].flags, 0x41u);
  EXPECT_EQ(boxes.boxes[1].caption, Application()->Title());
  EXPECT_EQ(boxes.boxes[1].flags, UINT(MB_OK));
}

// The real plain message dialog, closed by a timer once it has found it on the screen.
RECT shownBox;
void CALLBACK CloseShownBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = GetActiveWindow();
  char cls[32] = "";
  GetClassNameA(box, cls, sizeof cls);
  if (std::string(cls) != "#32770") return;
  KillTimer(nullptr, id);
  GetWindowRect(box, &shownBox);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST(MessageBoxes, PlainDialogIsCentredOnTheScreen) {
  SetMessageBoxHook(nullptr);
  shownBox = {};
  SetTimer(nullptr, 0, 50, &CloseShownBox);
  ShowMessage("centred");
  BoxRecorder restoreStrictHook;
  ASSERT_GT(shownBox.right, shownBox.left);
  EXPECT_LE(std::abs((shownBox.left + shownBox.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
  EXPECT_LE(std::abs((shownBox.top + shownBox.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST(WindowLookup, OnlyThisProcessesMarkedWindowsAreControls) {
  TForm form(nullptr);
  EXPECT_EQ(TWinControl::FromHandle(form.Handle()), &form);
  EXPECT_EQ(TWinControl::FromHandle(Application()->Handle()), nullptr);
  // A window of another process carrying the same mark, as another copy of the program's would.
  HWND foreign = GetDesktopWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(foreign, &process);
  ASSERT_NE(process, GetCurrentProcessId());
  ASSERT_TRUE(SetPropA(foreign, "TMControl", reinterpret_cast<HANDLE>(0x1234)));
  EXPECT_EQ(TWinControl::FromHandle(foreign), nullptr);
  RemovePropA(foreign, "TMControl");
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

// A form whose layout is compiled into the test program from TCompiledForm.form.
class TCompiledForm : public TForm {
public:
  explicit TCompiledForm(TComponent* owner) : TForm(owner) { InitFormResource(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TCompiledForm", &TForm::StaticClassInfo(), nullptr, {},
                                 {Method<&TCompiledForm::FormCreate>("FormCreate")},
                                 {Field<&TCompiledForm::Tools>("Tools"), Field<&TCompiledForm::Choice>("Choice"),
                                  Field<&TCompiledForm::StatusText>("StatusText")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void FormCreate(TObject*) { createdWithChoice = Choice && Choice->Checked(); }

  TPanel* Tools = nullptr;
  TRadioButton* Choice = nullptr;
  TStatusPanel* StatusText = nullptr;
  bool createdWithChoice = false;
};

class TFormWithoutResource : public TForm {
public:
  explicit TFormWithoutResource(TComponent* owner) : TForm(owner) { InitFormResource(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TFormWithoutResource", &TForm::StaticClassInfo(), nullptr);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

TEST(FormResources, AFormReadsTheResourceNamedAfterItsClass) {
  ASSERT_TRUE(FormResourceExists("TCompiledForm"));
  TCompiledForm form(nullptr);
  EXPECT_TRUE(form.createdWithChoice);
  EXPECT_EQ(form.Caption(), "消息框");
  EXPECT_EQ(form.Choice->Caption(), "16×16");
  EXPECT_EQ(form.StatusText->Caption(), "支持文件拖放");
  EXPECT_EQ(form.StatusText->Width(), 200);
  EXPECT_EQ(form.StatusText->Parent()->BoundsRect().top, 99);

  BoxRecorder boxes;
  EXPECT_EQ(Application()->CreateForm<TFormWithoutResource>(), nullptr);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "Resource TFormWithoutResource not found");
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST(FormState, ActiveFollowsActivationAndWindowStateTheWindow) {
  TForm first(nullptr), second(nullptr);
  first.SetWindowState(wsMaximized);
  EXPECT_FALSE(first.HandleAllocated());
  first.Show();
  EXPECT_TRUE(IsZoomed(first.Handle()));
  second.Show();
  SetActiveWindow(first.Handle());
  EXPECT_TRUE(first.Active());
  EXPECT_FALSE(second.Active());
  SetActiveWindow(second.Handle());
  EXPECT_FALSE(first.Active());
  EXPECT_TRUE(second.Active());

  ShowWindow(first.Handle(), SW_MINIMIZE);
  EXPECT_EQ(first.WindowState(), wsMinimized);
  first.SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(first.Handle()));
  EXPECT_FALSE(IsZoomed(first.Handle()));
  EXPECT_EQ(first.WindowState(), wsNormal);
}

constexpr UINT kAnswer = WM_USER + 31;

// A dialog answered by a message it finds in the queue once it runs.
class TAnsweredDialog : public TForm {
public:
  using TForm::TForm;
  void WndProc(TMessage& m) override {
    if (m.Msg == kAnswer) {
      ownerEnabledMeanwhile = IsWindowEnabled(owner->Handle()) != FALSE;
      SetModalResult(static_cast<TModalResult>(m.WParam));
      return;
    }
    TForm::WndProc(m);
  }
  TForm* owner = nullptr;
  bool ownerEnabledMeanwhile = true;
};

TEST(FormState, ShowModalRunsUntilAModalResultOrAClose) {
  TForm owner(nullptr);
  owner.Show();
  TAnsweredDialog dialog(nullptr);
  dialog.owner = &owner;
  PostMessageA(dialog.Handle(), kAnswer, mrOk, 0);
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_FALSE(dialog.ownerEnabledMeanwhile);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(dialog.Visible());

  PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

}  // namespace
}  // namespace tmv
