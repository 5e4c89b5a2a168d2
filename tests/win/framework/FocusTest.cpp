#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/core/FormReader.h"
#include "framework/gui/ComCtrls.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

std::vector<std::string> journal;

std::string NameOf(TObject* o) {
  auto* c = dynamic_cast<TComponent*>(o);
  return c ? c->Name() : "null";
}

std::string KeyName(WPARAM key) {
  switch (key) {
    case VK_RETURN: return "Return";
    case VK_ESCAPE: return "Escape";
    case VK_TAB: return "Tab";
    case VK_RIGHT: return "Right";
    case VK_F5: return "F5";
  }
  return std::string(1, static_cast<char>(key));
}

// Keeps the focus and key events of the controls it watches in the journal.
class FocusLog : public TComponent {
public:
  FocusLog() : TComponent(nullptr) {}
  void Watch(TWinControl* c) {
    c->SetOnEnter(TNotifyEvent::Of<&FocusLog::Enter>(this));
    c->SetOnExit(TNotifyEvent::Of<&FocusLog::Exit>(this));
    c->SetOnKeyDown(TKeyEvent::Of<&FocusLog::KeyDown>(this));
    c->SetOnKeyPress(TKeyPressEvent::Of<&FocusLog::KeyPress>(this));
    c->SetOnKeyUp(TKeyEvent::Of<&FocusLog::KeyUp>(this));
    c->SetOnClick(TNotifyEvent::Of<&FocusLog::Click>(this));
  }
  void Enter(TObject* s) { journal.push_back("enter " + NameOf(s)); }
  void Exit(TObject* s) { journal.push_back("exit " + NameOf(s)); }
  void KeyDown(TObject* s, WORD& key, TShiftState) {
    journal.push_back("keydown " + NameOf(s) + " " + KeyName(key));
    if (key == swallowed) key = 0;
  }
  void KeyPress(TObject* s, char& key) {
    journal.push_back("keypress " + NameOf(s) + " " + KeyName(static_cast<unsigned char>(key)));
    if (key == 'a') key = 'b';
  }
  void KeyUp(TObject* s, WORD& key, TShiftState) { journal.push_back("keyup " + NameOf(s) + " " + KeyName(key)); }
  void Click(TObject* s) { journal.push_back("click " + NameOf(s)); }
  void ShortCut(TMessage& key, bool& handled) {
    journal.push_back("shortcut " + KeyName(key.WParam));
    handled = key.WParam == VK_F5;
  }
  WORD swallowed = 0;
};

// A form whose main-menu shortcuts are noted, and which notes focus-moved notices.
class TJournalForm : public TForm {
public:
  using TForm::TForm;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_FOCUSCHANGED) journal.push_back("form: focus moved to " + NameOf(reinterpret_cast<TControl*>(m.LParam)));
    TForm::WndProc(m);
  }

protected:
  bool IsMenuShortCut(TMessage& key) override {
    journal.push_back("menu " + KeyName(key.WParam));
    return false;
  }
};

// A button that notes the focus-moved notices its form passes on to its controls.
class TNoticingButton : public TBitBtn {
public:
  using TBitBtn::TBitBtn;
  void WndProc(TMessage& m) override {
    if (m.Msg == CM_FOCUSCHANGED) journal.push_back(Name() + ": focus moved to " + NameOf(reinterpret_cast<TControl*>(m.LParam)));
    TBitBtn::WndProc(m);
  }
};

// A component that put its own window procedure in front of a form's, as the skinned form
// does, and notes the focus-moved notices passing through.
class FocusHook : public TComponent {
public:
  explicit FocusHook(TCustomForm& form) : TComponent(nullptr), form_(form), saved_(form.WindowProc()) {
    form.SetWindowProc(TWndMethod::Of<&FocusHook::Proc>(this));
  }
  ~FocusHook() override { form_.SetWindowProc(saved_); }
  void Proc(TMessage& m) {
    if (m.Msg == CM_FOCUSCHANGED) journal.push_back("hook: focus moved to " + NameOf(reinterpret_cast<TControl*>(m.LParam)));
    saved_(m);
  }

private:
  TCustomForm& form_;
  TWndMethod saved_;
};

// A control of the framework's own class that takes the focus and may ask for arrows.
class TArrowTaker : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  void WndProc(TMessage& m) override {
    if (m.Msg == WM_GETDLGCODE) {
      m.Result = wantsArrows ? DLGC_WANTARROWS : 0;
      return;
    }
    TCustomControl::WndProc(m);
  }
  bool wantsArrows = false;
};

// Two panels holding buttons, and a memo on the form:
//   left: A, B   right: C, D   memo
struct FocusOnForm : testing::Test {
  FocusOnForm() {
    journal.clear();
    form.SetName("form");
    form.SetBounds(100, 100, 400, 200);
    left = AddPanel("left", 0);
    right = AddPanel("right", 150);
    a = AddButton("A", left, 0);
    b = AddButton("B", left, 30);
    c = AddButton("C", right, 0);
    d = AddButton("D", right, 30);
    memo = new TMemo(&form);
    memo->SetName("memo");
    memo->SetBounds(300, 0, 80, 60);
    memo->SetParent(&form);
    for (TWinControl* w : std::vector<TWinControl*>{left, right, a, b, c, d, memo}) log.Watch(w);
  }
  TPanel* AddPanel(const char* name, int x) {
    auto* p = new TPanel(&form);
    p->SetName(name);
    p->SetBounds(x, 0, 140, 100);
    p->SetParent(&form);
    return p;
  }
  TBitBtn* AddButton(const char* name, TPanel* parent, int y) {
    auto* button = new TNoticingButton(&form);
    button->SetName(name);
    button->SetCaption(name);
    button->SetBounds(5, 5 + y, 60, 25);
    button->SetParent(parent);
    return button;
  }
  // Posts a key press to the focused window, as the keyboard would, and handles it.
  void Press(WPARAM key, bool shift = false) {
    BYTE state[256] = {};
    if (shift) state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    HWND focus = GetFocus();
    PostMessageA(focus, WM_KEYDOWN, key, 1);
    PostMessageA(focus, WM_KEYUP, key, 0xC0000001);
    Pump();
    BYTE none[256] = {};
    SetKeyboardState(none);
  }
  void Type(char ch, UINT msg = WM_CHAR) {
    PostMessageA(GetFocus(), msg, static_cast<unsigned char>(ch), 1);
    Pump();
  }
  std::string Focused() { return NameOf(TWinControl::FromHandle(GetFocus())); }
  // The journal without the focus-moved notices the buttons got; the form's stay.
  static std::vector<std::string> WithoutControlNotices() {
    std::vector<std::string> kept;
    for (const std::string& line : journal)
      if (line.find("focus moved") == std::string::npos || line.rfind("form", 0) == 0) kept.push_back(line);
    return kept;
  }

  TJournalForm form{nullptr};
  FocusLog log;
  TPanel *left, *right;
  TBitBtn *a, *b, *c, *d;
  TMemo* memo;
};

TEST_F(FocusOnForm, ShowingTheFormFocusesItsFirstTabStop) {
  FocusHook hook(form);
  form.Show();
  Pump();
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(Focused(), "A");
  EXPECT_EQ(form.ActiveControl(), a);
  EXPECT_EQ(Screen()->ActiveForm(), &form);
  EXPECT_EQ(Screen()->ActiveControl(), a);
  EXPECT_EQ(journal, (std::vector<std::string>{"enter left", "enter A", "hook: focus moved to A", "form: focus moved to A",
                                               "A: focus moved to A", "B: focus moved to A", "C: focus moved to A",
                                               "D: focus moved to A"}));
}

TEST_F(FocusOnForm, EnterAndExitRunOutwardFromTheControlLeftAndInwardToTheOneEntered) {
  form.Show();
  Pump();
  journal.clear();
  b->SetFocus();
  d->SetFocus();
  memo->SetFocus();
  memo->SetFocus();
  EXPECT_EQ(WithoutControlNotices(), (std::vector<std::string>{
                             "exit A", "enter B", "form: focus moved to B",
                             "exit B", "exit left", "enter right", "enter D", "form: focus moved to D",
                             "exit D", "exit right", "enter memo", "form: focus moved to memo",
                         }));
  EXPECT_EQ(form.ActiveControl(), memo);
  EXPECT_EQ(Screen()->ActiveControl(), memo);
  // A control that goes stops being the active one.
  delete memo;
  EXPECT_EQ(form.ActiveControl(), nullptr);
  EXPECT_EQ(Screen()->ActiveControl(), nullptr);
}

TEST_F(FocusOnForm, TabAndShiftTabVisitTheTabStopsInTabOrderAcrossContainers) {
  c->SetTabOrder(1);  // right: D, C
  right->SetTabOrder(0);
  b->SetTabStop(false);
  form.Show();
  Pump();
  EXPECT_EQ(c->TabOrder(), 1);
  EXPECT_EQ(right->TabOrder(), 0);
  std::vector<std::string> visited = {Focused()};
  for (int i = 0; i < 4; ++i) {
    Press(VK_TAB);
    visited.push_back(Focused());
  }
  Press(VK_TAB, true);
  visited.push_back(Focused());
  d->Hide();
  Press(VK_TAB);
  visited.push_back(Focused());
  EXPECT_EQ(visited, (std::vector<std::string>{"D", "C", "A", "memo", "D", "memo", "C"}));
  // Tab goes to the form's navigation, never to the controls as a key.
  for (const std::string& line : journal) EXPECT_EQ(line.find("keydown"), std::string::npos) << line;
}

TEST_F(FocusOnForm, ArrowsMoveAmongSiblingsUnlessTheControlAsksForThem) {
  auto* taker = new TArrowTaker(&form);
  taker->SetName("taker");
  taker->SetBounds(5, 70, 20, 20);
  taker->SetParent(left);
  log.Watch(taker);
  form.Show();
  Pump();
  b->SetFocus();
  Press(VK_RIGHT);
  EXPECT_EQ(Focused(), "taker");
  Press(VK_RIGHT);
  EXPECT_EQ(Focused(), "A");  // round within the panel
  taker->SetFocus();
  taker->wantsArrows = true;
  journal.clear();
  Press(VK_RIGHT);
  EXPECT_EQ(Focused(), "taker");
  EXPECT_EQ(journal, (std::vector<std::string>{"menu Right", "keydown taker Right", "keyup taker Right"}));
}

TEST_F(FocusOnForm, TheLoopOffersKeysAsShortcutsThenMenuKeysThenDialogKeysThenDialogCharacters) {
  form.SetOnShortCut(TShortCutEvent::Of<&FocusLog::ShortCut>(&log));
  c->SetCaption("&Save");
  d->SetCancel(true);
  a->SetDefault(true);
  form.Show();
  Pump();
  memo->SetFocus();
  journal.clear();
  // Return goes to the default button while the memo has the focus; the memo asks for it as
  // a multi-line edit, so here it is the memo's.
  Press(VK_RETURN);
  EXPECT_EQ(journal, (std::vector<std::string>{"shortcut Return", "menu Return", "keydown memo Return",
                                               "keyup memo Return", "keypress memo Return"}));
  b->SetFocus();
  journal.clear();
  Press(VK_F5);  // taken by OnShortCut: the menu and the control never see it
  Press(VK_ESCAPE);
  Press(VK_RETURN);  // a focused button takes Return itself, not the default one
  Type('s');
  Type('x');
  EXPECT_EQ(WithoutControlNotices(), (std::vector<std::string>{
                         "shortcut F5",
                         "keyup B F5",
                         "shortcut Escape", "menu Escape", "click D",
                         "keyup B Escape",
                         "shortcut Return", "menu Return", "click B",
                         "keyup B Return",
                         "exit B", "exit left", "enter right", "enter C", "form: focus moved to C", "click C",
                         "keypress C x",
                     }));
  EXPECT_EQ(Focused(), "C");
  // With a control that is no button focused, the default button takes Return.
  auto* list = new TListView(&form);
  list->SetBounds(0, 110, 100, 60);
  list->SetParent(&form);
  list->SetFocus();
  journal.clear();
  Press(VK_RETURN);
  EXPECT_EQ(journal, (std::vector<std::string>{"shortcut Return", "menu Return", "click A"}));
}

TEST_F(FocusOnForm, KeyEventsMayChangeOrSwallowTheKey) {
  form.Show();
  Pump();
  memo->SetFocus();
  log.swallowed = 'Q';
  journal.clear();
  PostMessageA(memo->Handle(), WM_KEYDOWN, 'Q', 1);
  Type('a');
  Type('\xB0');  // a GBK character arrives as its two bytes
  Type('\xA1');
  // The character of a key is made before the key is handled: a swallowed key still types.
  EXPECT_EQ(journal, (std::vector<std::string>{"menu Q", "keydown memo Q", "keypress memo a", "keypress memo q",
                                               "keypress memo \xB0", "keypress memo \xA1"}));
  char text[16] = "";
  GetWindowTextA(memo->Handle(), text, sizeof text);
  EXPECT_EQ(std::string(text).substr(0, 2), "bq");
}

TEST_F(FocusOnForm, TheFocusComesBackToItsControlWhenADialogCloses) {
  form.Show();
  Pump();
  c->SetFocus();
  journal.clear();
  // A window owned by the form stands for a message box or the folder browser.
  HWND box = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "box", WS_POPUP | WS_VISIBLE | WS_CAPTION, 150, 150, 200,
                             100, form.Handle(), nullptr, nullptr, nullptr);
  SetActiveWindow(box);
  Pump();
  EXPECT_EQ(GetActiveWindow(), box);
  EXPECT_EQ(form.ActiveControl(), c);
  DestroyWindow(box);
  Pump();
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(Focused(), "C");
  // Coming back is no move of the focus: nothing is entered or left.
  EXPECT_EQ(journal, std::vector<std::string>{});

  // The folder browser is owned by the application's window, which it disables while it is
  // up and activates when it ends, as a dialog box does; it hands the activation on.
  box = CreateWindowExA(WS_EX_DLGMODALFRAME, "#32770", "browser", WS_POPUP | WS_VISIBLE | WS_CAPTION, 150, 150, 200,
                        100, Application()->Handle(), nullptr, nullptr, nullptr);
  EnableWindow(Application()->Handle(), FALSE);
  SetActiveWindow(box);
  Pump();
  EXPECT_EQ(GetActiveWindow(), box);
  EnableWindow(Application()->Handle(), TRUE);
  SetActiveWindow(Application()->Handle());
  DestroyWindow(box);
  Pump();
  EXPECT_EQ(GetActiveWindow(), form.Handle());
  EXPECT_EQ(Focused(), "C");

  // The same after the other form of the program was active in between.
  TForm other(nullptr);
  other.SetBounds(500, 100, 100, 100);
  other.Show();
  Pump();
  EXPECT_EQ(GetActiveWindow(), other.Handle());
  EXPECT_EQ(Screen()->ActiveForm(), &other);
  SetActiveWindow(form.Handle());
  Pump();
  EXPECT_EQ(Focused(), "C");
  EXPECT_EQ(Screen()->ActiveForm(), &form);
}

TEST(FocusFromResources, TabOrderAndActiveControlAreReadFromTheFormResource) {
  journal.clear();
  TForm form(nullptr);
  ReadComponentText(form, R"(object F: TForm
  Left = 100
  Top = 100
  Width = 300
  Height = 200
  ActiveControl = Second
  object First: TBitBtn
    TabOrder = 2
  end
  object Second: TBitBtn
    Top = 30
    TabOrder = 0
  end
  object Third: TBitBtn
    Top = 60
    TabOrder = 1
    TabStop = False
  end
end
)");
  auto* first = static_cast<TWinControl*>(form.FindComponent("First"));
  auto* second = static_cast<TWinControl*>(form.FindComponent("Second"));
  auto* third = static_cast<TWinControl*>(form.FindComponent("Third"));
  EXPECT_EQ(first->TabOrder(), 2);
  EXPECT_EQ(second->TabOrder(), 0);
  EXPECT_EQ(third->TabOrder(), 1);
  EXPECT_FALSE(third->TabStop());
  EXPECT_FALSE(GetWindowLongA(third->Handle(), GWL_STYLE) & WS_TABSTOP);
  EXPECT_TRUE(GetWindowLongA(first->Handle(), GWL_STYLE) & WS_TABSTOP);
  form.Show();
  Pump();
  EXPECT_EQ(NameOf(TWinControl::FromHandle(GetFocus())), "Second");
  EXPECT_EQ(form.FindNextControl(second, true, true, false), first);
  EXPECT_EQ(form.FindNextControl(second, true, false, false), third);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

// A panel that notes whether anything of it runs once it has been freed.
bool gKeyPanelFreed = false;
bool gKeyPanelTouchedAfterFree = false;

class TKeyPanel : public TPanel {
public:
  using TPanel::TPanel;
  ~TKeyPanel() override { gKeyPanelFreed = true; }
  void DefaultHandler(TMessage& message) override {
    if (gKeyPanelFreed) gKeyPanelTouchedAfterFree = true;
    TPanel::DefaultHandler(message);
  }
};

class KeyFreer : public TComponent {
public:
  KeyFreer() : TComponent(nullptr) {}
  void FreeSender(TObject* sender, WORD&, TShiftState) { delete sender; }
};

TEST(KeyHandlers, AHandlerThatFreesItsControlEndsTheKeysHandling) {
  TForm form(nullptr);
  auto* panel = new TKeyPanel(&form);
  panel->SetParent(&form);
  KeyFreer freer;
  panel->SetOnKeyUp(TKeyEvent::Of<&KeyFreer::FreeSender>(&freer));
  gKeyPanelFreed = gKeyPanelTouchedAfterFree = false;
  SendMessageA(panel->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(gKeyPanelFreed);
  EXPECT_FALSE(gKeyPanelTouchedAfterFree);
  EXPECT_EQ(form.ControlCount(), 0);
}

}  // namespace
}  // namespace tmv
