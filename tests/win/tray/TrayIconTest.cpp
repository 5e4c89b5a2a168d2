#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/gui/Handles.h"
#include "skin/tray/TrayShell.h"
#include "skin/tray/spTrayIcon.h"
#include "win/framework/TestSupport.h"

namespace tmv {
namespace {

// A 16x16 icon of one colour.
UniqueIcon SolidIcon(COLORREF colour) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  WindowDC screen(nullptr);
  UniqueBitmap picture(CreateCompatibleBitmap(screen.Get(), 16, 16));
  {
    SelectGuard select(dc.Get(), picture.Get());
    UniqueBrush brush(CreateSolidBrush(colour));
    RECT r = {0, 0, 16, 16};
    FillRect(dc.Get(), &r, brush.Get());
  }
  const std::vector<BYTE> opaque(32, 0);
  UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, opaque.data()));
  ICONINFO info = {TRUE, 0, 0, mask.Get(), picture.Get()};
  return UniqueIcon(CreateIconIndirect(&info));
}

// The colour in the middle of the icon, drawn into a memory DC.
COLORREF IconColour(HICON icon) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  WindowDC screen(nullptr);
  UniqueBitmap page(CreateCompatibleBitmap(screen.Get(), 16, 16));
  SelectGuard select(dc.Get(), page.Get());
  DrawIconEx(dc.Get(), 0, 0, icon, 16, 16, 0, nullptr, DI_NORMAL);
  return GetPixel(dc.Get(), 8, 8);
}

// Answers the shell's notification-area calls for its lifetime and keeps what they sent.
struct ShellCalls {
  struct Call {
    DWORD message;
    NOTIFYICONDATAA data;
    COLORREF colour;  // of the icon, read while it is sent: the icon may go later
  };
  ShellCalls() {
    SetShellNotifyIconHook([this](DWORD message, const NOTIFYICONDATAA& data) {
      calls.push_back({message, data, data.hIcon ? IconColour(data.hIcon) : CLR_INVALID});
      return answer;
    });
  }
  ~ShellCalls() { SetShellNotifyIconHook(nullptr); }
  std::vector<DWORD> Messages() const {
    std::vector<DWORD> messages;
    for (const Call& c : calls) messages.push_back(c.message);
    return messages;
  }
  const NOTIFYICONDATAA& Last() const { return calls.back().data; }
  std::string LastTip() const { return std::string(Last().szTip, strnlen(Last().szTip, sizeof Last().szTip)); }
  std::vector<Call> calls;
  BOOL answer = TRUE;
};

bool TipIsAllZero(const NOTIFYICONDATAA& data) {
  for (char c : data.szTip)
    if (c != 0) return false;
  return true;
}

// Keeps the tray icon's events in order.
class TrayEvents : public TComponent {
public:
  TrayEvents() : TComponent(nullptr) {}
  void Click(TObject*) { Add("click"); }
  void DblClick(TObject*) { Add("dblclick"); }
  void Down(TObject*, TMouseButton button, TShiftState, int, int) { Add("down " + Button(button)); }
  void Up(TObject*, TMouseButton button, TShiftState, int, int) { Add("up " + Button(button)); }
  void Cycle(TObject*, int next) { Add("cycle " + std::to_string(next)); }
  void FreeTray(TObject*) {
    Add("free");
    delete std::exchange(victim, nullptr);
  }
  void Watch(TspTrayIcon& tray) {
    tray.SetOnClick(TNotifyEvent::Of<&TrayEvents::Click>(this));
    tray.SetOnDblClick(TNotifyEvent::Of<&TrayEvents::DblClick>(this));
    tray.SetOnMouseDown(TMouseEvent::Of<&TrayEvents::Down>(this));
    tray.SetOnMouseUp(TMouseEvent::Of<&TrayEvents::Up>(this));
    tray.SetOnCycle(TCycleEvent::Of<&TrayEvents::Cycle>(this));
  }
  void Add(const std::string& entry) { entries.push_back(entry); }
  std::vector<std::string> entries;
  TspTrayIcon* victim = nullptr;

private:
  static std::string Button(TMouseButton b) { return b == mbLeft ? "left" : b == mbRight ? "right" : "middle"; }
};

void PostMouse(TspTrayIcon& tray, UINT mouseMessage) {
  PostMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, mouseMessage);
}

TEST(TrayIconRecord, HasTheSizeAndFieldsTheShellReadsAndFollowsThePicture) {
  ShellCalls shell;
  TspTrayIcon tray(nullptr);
  ASSERT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});
  const NOTIFYICONDATAA& added = shell.Last();
  EXPECT_EQ(added.cbSize, 488u);
  EXPECT_EQ(added.hWnd, tray.Handle());
  EXPECT_EQ(added.uID, 1u);
  EXPECT_EQ(added.uFlags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
  EXPECT_EQ(added.uCallbackMessage, 2048u);
  // No picture of its own: the application's icon.
  ASSERT_NE(Application()->Icon(), nullptr);
  EXPECT_EQ(added.hIcon, Application()->Icon());
  EXPECT_TRUE(TipIsAllZero(added));

  const UniqueIcon red = SolidIcon(RGB(255, 0, 0));
  tray.SetIcon(red.Get());
  EXPECT_EQ(shell.calls.back().message, DWORD(NIM_MODIFY));
  ASSERT_NE(shell.Last().hIcon, Application()->Icon());
  EXPECT_EQ(shell.calls.back().colour, RGB(255, 0, 0));
  tray.SetIcon(nullptr);
  EXPECT_EQ(shell.Last().hIcon, Application()->Icon());

  tray.SetHint("图标提取");
  EXPECT_EQ(shell.LastTip(), "图标提取");
  tray.SetShowHint(false);
  EXPECT_TRUE(TipIsAllZero(shell.Last()));

  shell.calls.clear();
  tray.SetIconVisible(false);
  tray.SetIconVisible(false);
  tray.SetHint("隐藏时");
  tray.SetIconVisible(true);
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD}));
  EXPECT_EQ(shell.calls[0].data.hWnd, tray.Handle());
  EXPECT_EQ(shell.calls[0].data.uID, 1u);

  // An icon the shell refused (no taskbar yet) is added, not changed, when shown again.
  tray.SetIconVisible(false);
  shell.answer = FALSE;
  tray.SetIconVisible(true);
  shell.answer = TRUE;
  tray.SetHint("拒绝后");
  tray.SetIconVisible(true);
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_DELETE, NIM_ADD, NIM_DELETE, NIM_ADD, NIM_ADD}));
}

TEST(TrayIconRecord, ALongTipIsCutWhereACharacterStartsToWhatTheRecordHolds) {
  ShellCalls shell;
  TspTrayIcon tray(nullptr);
  tray.SetHint(std::string(200, 'x'));
  EXPECT_EQ(shell.LastTip(), std::string(127, 'x'));
  // Two letters and 63 two-byte characters: the 127th byte would be half a character.
  std::string chinese = "ab";
  for (int i = 0; i < 63; ++i) chinese += "图";
  tray.SetHint(chinese);
  EXPECT_EQ(shell.LastTip(), chinese.substr(0, 126));
}

TEST(TrayIcon, FreedItLeavesTheTrayAndNoHookOrTimerCallsIt) {
  ShellCalls shell;
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  TImageList list(nullptr);
  for (COLORREF c : {RGB(255, 0, 0), RGB(0, 255, 0)}) list.AddIcon(SolidIcon(c).Get());
  TrayEvents events;
  auto* tray = new TspTrayIcon(nullptr);
  events.Watch(*tray);
  tray->SetIconList(&list);
  tray->SetAnimateTimerInterval(10);
  tray->SetCycleIcons(true);
  HWND window = tray->Handle();
  ASSERT_TRUE(PumpUntil([&] { return !events.entries.empty(); }));

  // A restarted taskbar is told of the icon again.
  shell.calls.clear();
  SendMessageA(Application()->Handle(), taskbarCreated, 0, 0);
  EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});

  // The window the shell reports to stays as long as the icon, whatever asks it to close.
  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(IsWindow(window));

  delete tray;
  ASSERT_EQ(shell.calls.back().message, DWORD(NIM_DELETE));
  EXPECT_EQ(shell.Last().hWnd, window);
  EXPECT_FALSE(IsWindow(window));
  shell.calls.clear();
  events.entries.clear();
  SendMessageA(Application()->Handle(), taskbarCreated, 0, 0);
  Sleep(50);
  Pump();
  EXPECT_TRUE(shell.calls.empty());
  EXPECT_TRUE(events.entries.empty());
}

TEST(TrayIcon, AHandlerMayFreeTheIcon) {
  ShellCalls shell;
  TrayEvents events;
  events.victim = new TspTrayIcon(nullptr);
  HWND window = events.victim->Handle();
  events.victim->SetOnClick(TNotifyEvent::Of<&TrayEvents::FreeTray>(&events));
  events.victim->SetOnMouseUp(TMouseEvent::Of<&TrayEvents::Up>(&events));
  PostMessageA(window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  PostMessageA(window, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  ASSERT_TRUE(PumpUntil([&] { return events.victim == nullptr; }));
  // The click settled by the timer freed the icon after its button-up was reported.
  EXPECT_EQ(events.entries, (std::vector<std::string>{"up left", "free"}));
  EXPECT_EQ(shell.calls.back().message, DWORD(NIM_DELETE));
}

TEST(TrayIcon, ASingleClickIsReportedAfterTheDoubleClickTimeAndNotWithADoubleClick) {
  ShellCalls shell;
  TspTrayIcon tray(nullptr);
  TrayEvents events;
  events.Watch(tray);
  PostMouse(tray, WM_LBUTTONDOWN);
  PostMouse(tray, WM_LBUTTONUP);
  const DWORD start = GetTickCount();
  Pump();
  EXPECT_EQ(events.entries, (std::vector<std::string>{"down left", "up left"}));
  ASSERT_TRUE(PumpUntil([&] { return events.entries.size() == 3; }));
  EXPECT_GE(GetTickCount() - start + 20, GetDoubleClickTime());
  EXPECT_EQ(events.entries.back(), "click");

  events.entries.clear();
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}) PostMouse(tray, m);
  Pump();
  Sleep(GetDoubleClickTime() + 100);
  Pump();
  EXPECT_EQ(events.entries, (std::vector<std::string>{"down left", "up left", "dblclick", "up left"}));

  // A button held past the double-click time clicks at its release.
  events.entries.clear();
  PostMouse(tray, WM_LBUTTONDOWN);
  Pump();
  Sleep(GetDoubleClickTime() + 100);
  Pump();
  PostMouse(tray, WM_LBUTTONUP);
  Pump();
  EXPECT_EQ(events.entries, (std::vector<std::string>{"down left", "click", "up left"}));

  events.entries.clear();
  tray.SetEnabled(false);
  for (UINT m : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_MBUTTONUP}) PostMouse(tray, m);
  Pump();
  EXPECT_TRUE(events.entries.empty());
}

TEST(TrayIcon, TheAnimationStepsThroughTheListAndTheIndexStaysInIt) {
  ShellCalls shell;
  const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  TImageList list(nullptr);
  for (COLORREF c : colours) list.AddIcon(SolidIcon(c).Get());
  TspTrayIcon tray(nullptr);
  tray.SetIconList(&list);
  tray.SetIconIndex(10);
  EXPECT_EQ(tray.IconIndex(), 2);
  EXPECT_EQ(shell.calls.back().colour, colours[2]);
  tray.SetIconIndex(-1);
  EXPECT_EQ(tray.IconIndex(), 2);

  TrayEvents events;
  events.Watch(tray);
  tray.SetAnimateTimerInterval(10);
  tray.SetCycleIcons(true);
  EXPECT_EQ(tray.IconIndex(), 0);
  shell.calls.clear();
  ASSERT_TRUE(PumpUntil([&] { return events.entries.size() >= 4; }));
  tray.SetCycleIcons(false);
  EXPECT_EQ(std::vector<std::string>(events.entries.begin(), events.entries.begin() + 4),
            (std::vector<std::string>{"cycle 1", "cycle 2", "cycle 0", "cycle 1"}));
  ASSERT_GE(shell.calls.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(shell.calls[i].colour, colours[i % 3]) << i;

  // The list going away stops nothing but the pictures.
  const size_t sent = shell.calls.size();
  tray.SetCycleIcons(true);
  {
    TImageList gone(nullptr);
    gone.AddIcon(SolidIcon(colours[0]).Get());
    tray.SetIconList(&gone);
  }
  EXPECT_EQ(tray.IconList(), nullptr);
  Sleep(50);
  Pump();
  // The restart and the new list each showed their first picture; nothing came after.
  EXPECT_EQ(shell.calls.size(), sent + 2);
}

// Closes the menu open on the screen from a timer, counting the menus it closed.
int menusClosed = 0;

void CALLBACK CloseOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  KillTimer(nullptr, timer);
  ++menusClosed;
  EndMenu();
}

// A tray menu of two items, the first its default; notes what held the foreground and which
// component the menu was shown for when it opened, and which items ran.
struct TrayMenu : TComponent {
  TrayMenu() : TComponent(nullptr) {
    for (const char* caption : {"还原", "关闭"}) {
      auto* item = new TMenuItem(&menu);
      item->SetCaption(caption);
      item->SetOnClick(TNotifyEvent::Of<&TrayMenu::Ran>(this));
      menu.Items()->Add(item);
    }
    menu.Items()->Items(0)->SetDefault(true);
    menu.SetOnPopup(TNotifyEvent::Of<&TrayMenu::Opened>(this));
  }
  void Opened(TObject*) {
    foreground = GetForegroundWindow();
    shownFor = menu.PopupComponent();
    SetTimer(nullptr, 0, 50, &CloseOpenMenu);
  }
  void Ran(TObject* item) { ran.push_back(static_cast<TMenuItem*>(item)->Caption()); }
  TPopupMenu menu{nullptr};
  HWND foreground = nullptr;
  TComponent* shownFor = nullptr;
  std::vector<std::string> ran;
};

TEST(TrayIcon, TheRightButtonOpensThePopupMenuWithTheProgramInFrontAndADoubleClickRunsItsDefault) {
  ShellCalls shell;
  TspTrayIcon tray(nullptr);
  TrayMenu menu;
  tray.SetPopupMenu(&menu.menu);
  menusClosed = 0;
  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(menusClosed, 1);
  EXPECT_EQ(menu.foreground, tray.Handle());
  EXPECT_EQ(menu.shownFor, &tray);
  // Posted after the menu, so that the menu ends cleanly.
  MSG posted;
  EXPECT_TRUE(PeekMessageA(&posted, tray.Handle(), WM_NULL, WM_NULL, PM_REMOVE));

  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
  EXPECT_EQ(menu.ran, std::vector<std::string>{"还原"});
  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_EQ(menusClosed, 1);

  tray.SetPopupByLeftButton(true);
  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
  EXPECT_EQ(menusClosed, 2);
  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDBLCLK);
  EXPECT_EQ(menu.ran.size(), 1u);

  // A menu that does not pop up by itself stays closed.
  menu.menu.SetAutoPopup(false);
  SendMessageA(tray.Handle(), kTrayCallbackMessage, kTrayIconId, WM_RBUTTONDOWN);
  EXPECT_EQ(menusClosed, 2);
  {
    TPopupMenu gone(nullptr);
    tray.SetPopupMenu(&gone);
  }
  EXPECT_EQ(tray.PopupMenu(), nullptr);
}

TEST(TrayIcon, AFormThatStartsMinimizedRunsHiddenInTheTray) {
  ShellCalls shell;
  TForm form(nullptr);
  ReadComponentText(form, R"(object F: TForm
  object Tray: TspTrayIcon
    IconVisible = False
    Hint = "托盘"
    MinimizedOnStart = True
  end
end)");
  auto* tray = dynamic_cast<TspTrayIcon*>(form.FindComponent("Tray"));
  ASSERT_NE(tray, nullptr);
  EXPECT_FALSE(Application()->ShowMainForm());
  EXPECT_FALSE(IsWindowVisible(Application()->Handle()));
  EXPECT_TRUE(tray->MinimizeToTray());
  EXPECT_TRUE(tray->IconVisible());
  // Nothing of what was read reaches the shell before the whole form is read.
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_MODIFY}));
  EXPECT_EQ(shell.LastTip(), "托盘");
  Application()->SetShowMainForm(true);
}

// The program's main form shown, with a tray icon that hides it on minimizing.
struct MinimizeToTray : testing::Test {
  MinimizeToTray() {
    main = Application()->CreateForm<TForm>();
    main->SetBounds(100, 100, 200, 150);
    main->Show();
    tray.SetIconVisible(false);
    tray.SetMinimizeToTray(true);
    shell.calls.clear();
  }
  ~MinimizeToTray() override {
    Application()->Restore();
    delete main;
  }
  ShellCalls shell;
  TForm* main = nullptr;
  TspTrayIcon tray{nullptr};
  HWND app = Application()->Handle();
};

TEST_F(MinimizeToTray, MinimizingTheMainFormHidesTheProgramToTheTrayAndRestoringBringsItBack) {
  SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(app));
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});

  tray.RestoreFromTray(false);
  Pump();
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_FALSE(IsIconic(app));
  EXPECT_FALSE(Application()->Minimized());
  EXPECT_FALSE(tray.MinimizeToTray());
  EXPECT_FALSE(tray.IconVisible());
  EXPECT_EQ(shell.Messages(), (std::vector<DWORD>{NIM_ADD, NIM_DELETE}));

  // Minimizing now only minimizes.
  Application()->Minimize();
  EXPECT_TRUE(IsWindowVisible(app));
  EXPECT_FALSE(tray.IconVisible());
}

TEST_F(MinimizeToTray, TheFormsTrayCommandsHideAndRestoreTheMainWindowKeepingTheIconWhenAsked) {
  tray.SetMinimizeToTray(false);
  tray.HideToTray();
  EXPECT_TRUE(tray.MinimizeToTray());
  EXPECT_TRUE(Application()->Minimized());
  EXPECT_FALSE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(IsWindowVisible(app));
  EXPECT_TRUE(tray.IconVisible());

  tray.RestoreFromTray(true);
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_EQ(main->WindowState(), wsNormal);
  EXPECT_TRUE(tray.IconVisible());
  EXPECT_EQ(shell.Messages(), std::vector<DWORD>{NIM_ADD});

  // Hiding while the application is minimized already.
  Application()->Minimize();
  tray.HideToTray();
  EXPECT_FALSE(IsWindowVisible(app));
  tray.RestoreFromTray(false);
  EXPECT_TRUE(IsWindowVisible(main->Handle()));
  EXPECT_FALSE(tray.IconVisible());
}

}  // namespace
}  // namespace tmv
