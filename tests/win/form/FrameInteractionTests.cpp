#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "SkinFormTestSupport.h"
#include "framework/gui/Menus.h"
#include "skin/hint/SkinHint.h"
#include "skin/hint/SkinHintWindow.h"
#include "skin/menus/SkinPopupWindow.h"
#include "skin/tray/TrayShell.h"

namespace tmv {
namespace {

struct FrameInteraction : testing::Test {
  FrameInteraction() { ShowActive(); }
  // The frame follows the mouse only while its form is active.
  void ShowActive() {
    form->SetBounds(60, 50, 500, 300);
    form->Show();
    SetForegroundWindow(form->Handle());
    PumpUntil([&] { return Frame().IsFormActive(); });
  }
  ~FrameInteraction() override {
    if (GetCapture()) ReleaseCapture();
    delete form;
  }
  HWND Window() { return form->Handle(); }
  TspDynamicSkinForm& Frame() { return form->Frame(); }
  // The window point of an object's centre.
  POINT CentreOf(const std::string& name) {
    const TRect r = Frame().FindObject(name)->ObjectRect;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // Moves the cursor over a window point and lets the frame's mouse tracking see it.
  void HoverAt(POINT p) {
    const RECT w = WindowRectOf(Window());
    SetCursorPos(w.left + p.x, w.top + p.y);
    HitTestAt(Window(), p.x, p.y);
    PumpUntil([&] { return Frame().HoverIndex() >= 0; });
  }
  LPARAM ScreenPoint(POINT p) {
    const RECT w = WindowRectOf(Window());
    return MAKELPARAM(w.left + p.x, w.top + p.y);
  }
  TSkinFormTestForm* form = new TSkinFormTestForm(nullptr);
};

TEST_F(FrameInteraction, TheNonClientSizeIsTheSkinsFrameOrTheBuiltInOne) {
  RECT proposed = {100, 100, 600, 400};
  SendMessageA(Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_TRUE(SameRect(proposed, {104, 130, 596, 396})) << Describe(proposed);
  NCCALCSIZE_PARAMS params = {};
  params.rgrc[0] = {0, 0, 5, 10};
  SendMessageA(Window(), WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
  EXPECT_TRUE(SameRect(params.rgrc[0], {4, 30, 4, 30})) << "never inside out: " << Describe(params.rgrc[0]);

  form->Skin().ClearSkin();
  form->Skin().BroadcastSkinMessage(SKM_SKINCHANGED);
  proposed = {100, 100, 600, 400};
  SendMessageA(Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_TRUE(SameRect(proposed, {103, 122, 597, 397})) << Describe(proposed);
  form->SetBorderStyle(bsSizeToolWin);
  proposed = {100, 100, 600, 400};
  SendMessageA(Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_TRUE(SameRect(proposed, {103, 118, 597, 397})) << "a tool window's caption: " << Describe(proposed);
}

TEST_F(FrameInteraction, EveryBorderAndCornerHitTests) {
  struct Case {
    int x, y, code;
  };
  const std::vector<Case> cases = {
      {4, 2, HTTOPLEFT},      {1, 20, HTTOPLEFT},        {495, 2, HTTOPRIGHT}, {498, 20, HTTOPRIGHT},
      {1, 298, HTBOTTOMLEFT}, {498, 298, HTBOTTOMRIGHT}, {250, 1, HTTOP},      {250, 298, HTBOTTOM},
      {1, 150, HTLEFT},       {498, 150, HTRIGHT},       {250, 15, HTCAPTION}, {250, 150, HTCLIENT}};
  std::vector<int> codes, expected;
  for (const Case& c : cases) {
    codes.push_back(HitTestAt(Window(), c.x, c.y));
    expected.push_back(c.code);
  }
  EXPECT_EQ(codes, expected);
  const POINT close = CentreOf("closebutton");
  EXPECT_EQ(HitTestAt(Window(), close.x, close.y), 19) << "a caption button is the frame's own";

  Frame().SetSkinWindowState(swsMaximized);
  EXPECT_EQ(HitTestAt(Window(), 1, 150), 19) << "a maximized frame does not size";
  Frame().SetSkinWindowState(swsNormal);
  Frame().SetSizeable(false);
  EXPECT_EQ(HitTestAt(Window(), 498, 298), 19);
}

TEST_F(FrameInteraction, TheRegionFollowsTheMaskAtEverySize) {
  for (auto [w, h] : {std::pair{300, 120}, {301, 200}, {500, 300}, {704, 400}, {1022, 700}}) {
    form->SetBounds(10, 10, w, h);
    Pump();
    EXPECT_FALSE(InRegion(Window(), 0, 0)) << w;
    EXPECT_FALSE(InRegion(Window(), w - 1, 0)) << "the right cut corner at width " << w;
    EXPECT_FALSE(InRegion(Window(), 1, 1)) << w;
    EXPECT_TRUE(InRegion(Window(), 4, 0)) << w;
    EXPECT_TRUE(InRegion(Window(), w - 5, 0)) << w;
    EXPECT_TRUE(InRegion(Window(), w / 2, 1)) << w;
    EXPECT_TRUE(InRegion(Window(), 0, h - 1)) << w;
    EXPECT_TRUE(InRegion(Window(), w - 1, h - 1)) << w;
    EXPECT_FALSE(InRegion(Window(), w, h / 2)) << w;
  }
}

TEST_F(FrameInteraction, TheCaptionMovesTheFormThroughTheSystemsLoop) {
  TMessageRecorder recorder(*form, {WM_ENTERSIZEMOVE, WM_MOVING, WM_EXITSIZEMOVE});
  const RECT before = WindowRectOf(Window());
  // The loop starts with the button down on the caption and follows the real mouse.
  auto drag = [&](int fromX, int fromY, int toX, int toY, WPARAM code) {
    SettleCursorAt(fromX, fromY);
    TLoopDriver driver(Window(), {{toX, toY}});
    SendMessageA(Window(), WM_NCLBUTTONDOWN, code, MAKELPARAM(fromX, fromY));
    Pump();
  };
  drag(before.left + 200, before.top + 15, before.left + 240, before.top + 45, HTCAPTION);
  const RECT after = WindowRectOf(Window());
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 30);
  ASSERT_FALSE(recorder.seen.empty());
  EXPECT_EQ(recorder.seen.front(), static_cast<UINT>(WM_ENTERSIZEMOVE));
  EXPECT_EQ(recorder.seen.back(), static_cast<UINT>(WM_EXITSIZEMOVE));
  EXPECT_NE(std::find(recorder.seen.begin(), recorder.seen.end(), static_cast<UINT>(WM_MOVING)), recorder.seen.end());
  EXPECT_EQ(Frame().CaptureIndex(), -1) << "the loop's button-down pressed no object";
  EXPECT_EQ(GetCapture(), nullptr);

  // Magnetic, 8 pixels: released 7 pixels from the work area's left edge, the form snaps to it.
  drag(after.left + 200, after.top + 15, 200 + 7, after.top + 15, HTCAPTION);
  EXPECT_EQ(WindowRectOf(Window()).left, 0);
  const RECT snapped = WindowRectOf(Window());
  drag(snapped.left + 200, snapped.top + 15, 200 + 8, snapped.top + 15, HTCAPTION);
  EXPECT_EQ(WindowRectOf(Window()).left, 8) << "8 pixels away is not close enough";
}

TEST_F(FrameInteraction, TheBottomRightCornerSizesTheFormAndTheFrameFollows) {
  TMessageRecorder recorder(*form, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
  const RECT before = WindowRectOf(Window());
  SettleCursorAt(before.right - 2, before.bottom - 2);
  TLoopDriver driver(Window(), {{before.right + 48, before.bottom + 18}, {before.right + 98, before.bottom + 48}});
  SendMessageA(Window(), WM_NCLBUTTONDOWN, HTBOTTOMRIGHT, MAKELPARAM(before.right - 2, before.bottom - 2));
  Pump();
  const RECT after = WindowRectOf(Window());
  EXPECT_EQ(after.right - after.left, 600);
  EXPECT_EQ(after.bottom - after.top, 350);
  EXPECT_EQ(recorder.seen, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
  EXPECT_EQ(ClientRectOf(Window()).right, 592);
  EXPECT_FALSE(InRegion(Window(), 599, 0)) << "the region moved its cut corner";
  EXPECT_TRUE(InRegion(Window(), 599, 349));

  // The system keeps the form at least the size of the frame picture.
  MINMAXINFO info = {};
  SendMessageA(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 300);
  EXPECT_EQ(info.ptMinTrackSize.y, 34);
  EXPECT_EQ(info.ptMaxTrackSize.x, 1024);
  EXPECT_EQ(info.ptMaxTrackSize.y, 768);
  Frame().SetMinWidth(450);
  Frame().SetMaxHeight(5000);
  SendMessageA(Window(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 450);
  EXPECT_EQ(info.ptMaxTrackSize.y, 768) << "a limit beyond the work area has no effect";
}

TEST_F(FrameInteraction, MaximizeRestoreAndRollUpSetTheirSizes) {
  const RECT normal = form->BoundsRect();
  const POINT caption = {250, 15};
  SendMessageA(Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(caption));
  EXPECT_EQ(Frame().SkinWindowState(), swsMaximized);
  EXPECT_TRUE(SameRect(form->BoundsRect(), {1, 1, 1023, 767}))
      << "a monitor without task bar: one pixel inside every edge " << Describe(form->BoundsRect());
  EXPECT_FALSE(IsZoomed(Window())) << "the system's own state stays normal";

  // A maximized form cannot be dragged.
  RECT moving = {50, 50, 1072, 816};
  SendMessageA(Window(), WM_MOVING, 0, reinterpret_cast<LPARAM>(&moving));
  EXPECT_TRUE(SameRect(moving, WindowRectOf(Window())));

  Frame().SetRollUp(true);
  EXPECT_TRUE(Frame().RolledUp());
  EXPECT_EQ(form->Height(), 34) << "only the frame is left";
  Frame().RestoreCommand();
  EXPECT_FALSE(Frame().RolledUp()) << "restore first only unrolls";
  EXPECT_EQ(Frame().SkinWindowState(), swsMaximized);
  EXPECT_EQ(form->Height(), 766);
  Frame().RestoreCommand();
  EXPECT_EQ(Frame().SkinWindowState(), swsNormal);
  EXPECT_TRUE(SameRect(form->BoundsRect(), normal)) << Describe(form->BoundsRect());

  SendMessageA(Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(caption));
  SendMessageA(Window(), WM_NCLBUTTONDBLCLK, HTCAPTION, ScreenPoint(caption));
  EXPECT_TRUE(SameRect(form->BoundsRect(), normal)) << "a second double-click restores";

  // A form other than the application's main one minimizes to the work area's bottom-left.
  Frame().SetSkinWindowState(swsMinimized);
  EXPECT_TRUE(SameRect(form->BoundsRect(), {0, 768 - 34, 300, 768})) << Describe(form->BoundsRect());
  EXPECT_EQ(HitTestAt(Window(), 150, 15), HTCAPTION);
  {
    // Another minimized frame takes the next free slot instead of covering this one.
    TSkinFormTestForm other(nullptr);
    other.Show();
    Pump();
    other.Frame().SetSkinWindowState(swsMinimized);
    EXPECT_TRUE(SameRect(other.BoundsRect(), {300, 768 - 34, 600, 768})) << Describe(other.BoundsRect());
  }
  Frame().RestoreCommand();
  EXPECT_TRUE(SameRect(form->BoundsRect(), normal)) << Describe(form->BoundsRect());

  Frame().SetRollUp(true);
  EXPECT_EQ(form->Height(), 34);
  EXPECT_EQ(HitTestAt(Window(), 250, 20), HTCAPTION);
  Frame().SetRollUp(false);
  EXPECT_EQ(form->Height(), 300);
  Frame().SetBorderIcons(biSystemMenu | biMinimize | biMaximize);
  Frame().SetRollUp(true);
  EXPECT_FALSE(Frame().RolledUp()) << "no roll-up without its border icon";
  EXPECT_EQ(Frame().SystemMenuItems(),
            (std::vector<std::string>{"MI_MINCAPTION", "MI_MAXCAPTION", "MI_CLOSECAPTION"}));
}

TEST_F(FrameInteraction, ACaptionButtonClickRunsItsCommandOnlyWhenReleasedOnIt) {
  EventLog log;
  log.closeAction = caNone;
  form->SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
  form->SetName("SkinForm");
  const POINT close = CentreOf("closebutton");
  auto* button = dynamic_cast<TspSkinStdButtonObject*>(Frame().FindObject("closebutton"));
  ASSERT_TRUE(button);

  // Pressed, moved off, released: nothing.
  HoverAt(close);
  PostMessageA(Window(), WM_NCLBUTTONDOWN, 19, ScreenPoint(close));
  Pump();
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(GetCapture(), Window()) << "the frame holds the mouse while a button is down";
  const RECT w = WindowRectOf(Window());
  SetCursorPos(w.left + 250, w.top + 15);
  PumpUntil([&] { return !button->MouseIn; });
  PostMessageA(Window(), WM_LBUTTONUP, 0, 0);
  Pump();
  EXPECT_TRUE(log.entries.empty());
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(GetCapture(), nullptr);

  // Pressed and released on it: the form closes. The button-up comes as a client message.
  HoverAt(close);
  PostMessageA(Window(), WM_NCLBUTTONDOWN, 19, ScreenPoint(close));
  PostMessageA(Window(), WM_LBUTTONUP, 0, 0);
  Pump();
  EXPECT_EQ(log.entries, (std::vector<std::string>{"close SkinForm"}));

  // The maximize button maximizes, and restores the second time.
  for (int state : {swsMaximized, swsNormal}) {
    const POINT max = CentreOf("maximizebutton");
    HoverAt(max);
    PostMessageA(Window(), WM_NCLBUTTONDOWN, 19, ScreenPoint(max));
    PostMessageA(Window(), WM_LBUTTONUP, 0, 0);
    Pump();
    EXPECT_EQ(Frame().SkinWindowState(), state);
  }
  form->SetOnClose(TCloseEvent());
}

TEST_F(FrameInteraction, EnteringAButtonFadesItInStepsOfAFifth) {
  auto* button = Frame().FindObject("closebutton");
  HoverAt(CentreOf("closebutton"));
  EXPECT_TRUE(button->Active);
  std::vector<double> steps;
  PumpUntil([&] {
    if (steps.empty() || steps.back() != button->MorphKf) steps.push_back(button->MorphKf);
    return button->MorphKf == 1;
  });
  ASSERT_GE(steps.size(), 2u);
  EXPECT_EQ(steps.front(), 0);
  EXPECT_EQ(steps.back(), 1);
  for (size_t i = 1; i < steps.size(); ++i) EXPECT_NEAR(steps[i] - steps[i - 1], 0.2, 1e-9);
  PumpUntil([&] { return !Frame().MorphTimerRunning(); });
  EXPECT_FALSE(Frame().MorphTimerRunning()) << "the timer stops once nothing morphs";
}

TEST_F(FrameInteraction, ACaptionButtonShowsItsStandardHint) {
  // Hints show only once the application has its main form.
  delete std::exchange(form, Application()->CreateForm<TSkinFormTestForm>());
  ShowActive();
  auto* hint = new TspSkinHint(form);
  hint->SetSkinData(&form->Skin());
  Frame().SetSkinHint(hint);
  Application()->SetHintPause(50);
  HoverAt(CentreOf("closebutton"));
  EXPECT_TRUE(PumpUntil([&] { return hint->HintWindow()->Showing(); }));
  EXPECT_EQ(hint->HintWindow()->Caption(), "关闭");
  HoverAt(CentreOf("maximizebutton"));
  PumpUntil([&] { return Frame().HoverIndex() == 3; });
  EXPECT_FALSE(hint->HintWindow()->Showing()) << "leaving a button hides its hint";
  EXPECT_TRUE(PumpUntil([&] { return hint->HintWindow()->Showing(); }));
  EXPECT_EQ(hint->HintWindow()->Caption(), "最大化");
  Frame().SetShowObjectHint(false);
  hint->HideObjectHint();
  HoverAt(CentreOf("closebutton"));
  Sleep(100);
  Pump();
  EXPECT_FALSE(hint->HintWindow()->Showing()) << "object hints only when asked for";
  Application()->SetHintPause(500);
}

TEST_F(FrameInteraction, AFormFreedWhileItsFrameFadesLeavesNothingRunning) {
  HoverAt(CentreOf("closebutton"));
  ASSERT_TRUE(Frame().MorphTimerRunning());
  ASSERT_TRUE(Frame().HoverTimerRunning());
  const HWND window = Window();
  delete std::exchange(form, nullptr);
  EXPECT_FALSE(IsWindow(window));
  Sleep(150);
  Pump();  // a timer or hook of the freed frame would run into freed memory here
}

TEST_F(FrameInteraction, SkinChangesAndSizeStepsLeaveNoObjectsBehind) {
  const std::vector<uint8_t> stored = StoredSkinBytes();
  const std::vector<uint8_t> broken = {1, 2, 3};
  auto change = [&](int i) {
    form->Stored().SetCompressedData(i % 2 ? broken : stored);
    form->Skin().ApplyStoredSkin(form->Stored());
    Pump();
  };
  auto step = [&](int i) {
    form->SetBounds(20, 20, 320 + (i * 37) % 600, 140 + (i * 53) % 500);
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    HitTestAt(Window(), 1, 50);
  };
  change(0);
  step(0);
  const TGuiObjects before = CountGuiObjects();
  for (int i = 1; i <= 100; ++i) change(i);
  for (int i = 1; i <= 100; ++i) step(i);
  ExpectSameGuiObjects(before, CountGuiObjects(), "Around 100 skin changes and 100 size steps");
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST_F(FrameInteraction, TheSystemMenuButtonShowsTheSkinnedSystemMenu) {
  auto* button = dynamic_cast<TspSkinStdButtonObject*>(Frame().FindObject("sysmenubutton"));
  ASSERT_TRUE(button);
  const POINT at = CentreOf("sysmenubutton");
  HoverAt(at);
  PostMessageA(Window(), WM_NCLBUTTONDOWN, 19, ScreenPoint(at));
  PostMessageA(Window(), WM_LBUTTONUP, 0, 0);
  Pump();
  TspSkinMenu& menu = Frame().SkinMenu();
  ASSERT_TRUE(menu.Showing());
  EXPECT_TRUE(button->Down()) << "the button stays down while its menu shows";
  TspSkinPopupWindow& window = *menu.Windows(0);
  std::vector<std::string> captions;
  for (int i = 0; i < window.ItemCount(); ++i) captions.push_back(window.Item(i).MenuItem->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"最小化(&N)", "最大化(&X)", "卷起(&L)", "最小化到系统托盘区(&T)", "关闭(&C)"}));
  const RECT w = WindowRectOf(Window());
  EXPECT_EQ(window.BoundsRect().top, w.top + Frame().FindObject("sysmenubutton")->ObjectRect.Bottom)
      << "under the button";

  window.SetCurrent(1, true);
  menu.KeyDown(VK_RETURN);
  Pump();
  EXPECT_FALSE(menu.Showing());
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(Frame().SkinWindowState(), swsMaximized);

  // A menu of the form's own gets the standard items in front of its own.
  TPopupMenu own(form);
  auto* extra = new TMenuItem(&own);
  extra->SetCaption("关于");
  own.Items()->Add(extra);
  Frame().SetSystemMenu(&own);
  Frame().ShowSystemMenu(100, 100);
  ASSERT_TRUE(menu.Showing());
  captions.clear();
  for (int i = 0; i < menu.Windows(0)->ItemCount(); ++i) captions.push_back(menu.Windows(0)->Item(i).MenuItem->Caption());
  EXPECT_EQ(captions, (std::vector<std::string>{"最小化(&N)", "恢复(&R)", "卷起(&L)", "最小化到系统托盘区(&T)", "关闭(&C)", "关于"}));
  menu.CloseAll();
  Pump();
  Frame().ShowSystemMenu(100, 100);
  EXPECT_EQ(menu.Windows(0)->ItemCount(), 6) << "the standard items are merged in once";
  menu.CloseAll();
  Frame().SetUseDefaultSysMenu(false);
  Frame().ShowSystemMenu(100, 100);
  EXPECT_EQ(menu.Windows(0)->ItemCount(), 1) << "the menu is shown as it is";
  menu.CloseAll();
  Frame().SetSystemMenu(nullptr);
}

// Alt+Space opens the skinned system menu where the button would, and closes it again; Alt
// alone opens neither it nor the system's own menu.
TEST_F(FrameInteraction, AltSpaceOpensTheSkinnedSystemMenu) {
  constexpr LPARAM kAltDown = 1 << 29;
  TspSkinMenu& menu = Frame().SkinMenu();
  PostMessageA(Window(), WM_SYSCHAR, ' ', kAltDown | 1);
  ASSERT_TRUE(PumpUntil([&] { return menu.Showing(); }));
  const RECT w = WindowRectOf(Window());
  const TRect button = Frame().FindObject("sysmenubutton")->ObjectRect;
  EXPECT_EQ(menu.Windows(0)->BoundsRect().top, w.top + button.Bottom);
  EXPECT_EQ(menu.Windows(0)->BoundsRect().left, w.left + button.Left);
  EXPECT_EQ(menu.Windows(0)->ItemCount(), 5);
  PostMessageA(Window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_TRUE(PumpUntil([&] { return !menu.Showing(); })) << "a second Alt+Space closes it";
  EXPECT_FALSE(Frame().SkinMenuOpen());

  PostMessageA(Window(), WM_SYSCOMMAND, SC_KEYMENU, 0);
  Pump();
  EXPECT_FALSE(menu.Showing());
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetCurrentThreadId(), &gui);
  EXPECT_EQ(gui.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE), 0u) << "no menu of the system's";

  Frame().SetHideCaptionButtons(true);
  Pump();
  PostMessageA(Window(), WM_SYSCOMMAND, SC_KEYMENU, ' ');
  ASSERT_TRUE(PumpUntil([&] { return menu.Showing(); }));
  POINT client = {0, 0};
  ClientToScreen(Window(), &client);
  EXPECT_EQ(menu.Windows(0)->BoundsRect().top, client.y) << "without the button at the client's corner";
  EXPECT_EQ(menu.Windows(0)->BoundsRect().left, client.x);
  menu.CloseAll();
  Pump();
}

struct ClickCount : TComponent {
  ClickCount() : TComponent(nullptr) {}
  void Clicked(TObject*) { ++clicks; }
  int clicks = 0;
};

// The frame's main menu answers its shortcuts from the keyboard, every time they are pressed,
// and only while it is the frame's main menu.
TEST_F(FrameInteraction, TheMainMenusShortcutsRunTheirItems) {
  TMainMenu main(form);
  auto* file = new TMenuItem(&main);
  file->SetCaption("文件(&F)");
  main.Items()->Add(file);
  auto* open = new TMenuItem(&main);
  open->SetCaption("打开");
  open->SetShortCut(ShortCut(VK_F5, 0));
  ClickCount count;
  open->SetOnClick(TNotifyEvent::Of<&ClickCount::Clicked>(&count));
  file->Add(open);
  auto press = [&](WPARAM key) {
    PostMessageA(Window(), WM_KEYDOWN, key, 1);
    Pump();
  };
  press(VK_F5);
  EXPECT_EQ(count.clicks, 0) << "not the frame's menu yet";
  Frame().SetMainMenu(&main);
  press(VK_F5);
  press(VK_F5);
  EXPECT_EQ(count.clicks, 2);
  press(VK_F6);
  EXPECT_EQ(count.clicks, 2);
  open->SetEnabled(false);
  press(VK_F5);
  EXPECT_EQ(count.clicks, 2) << "a disabled item has no shortcut";
  open->SetEnabled(true);
  delete &Frame();
  EXPECT_FALSE(form->OnShortCut()) << "a form that stays forgets the frame's shortcuts";
  press(VK_F5);
  EXPECT_EQ(count.clicks, 2);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST(SkinFormTray, TheFormMinimizesToItsTrayIconAndComesBack) {
  std::vector<DWORD> shell;
  SetShellNotifyIconHook([&](DWORD message, const NOTIFYICONDATAA&) {
    shell.push_back(message);
    return TRUE;
  });
  auto* form = Application()->CreateForm<TSkinFormTestForm>();
  form->Show();
  Pump();
  TspDynamicSkinForm& frame = form->Frame();
  EventLog log;
  frame.OnMinimizeToTray = TNotifyEvent::Of<&EventLog::Clicked>(&log);
  frame.OnRestoreFromTray = TNotifyEvent::Of<&EventLog::Clicked>(&log);
  frame.MinimizeToTray();
  EXPECT_TRUE(log.entries.empty()) << "nothing without a tray icon";

  auto* tray = new TspTrayIcon(form);
  frame.SetTrayIcon(tray);
  EXPECT_FALSE(tray->IconVisible()) << "hidden while the form shows";
  EXPECT_EQ(tray->PopupMenu(), frame.TrayPopupMenu());
  ASSERT_EQ(frame.TrayPopupMenu()->Items()->Count(), 3);
  EXPECT_EQ(frame.TrayPopupMenu()->Items()->Items(0)->Caption(), "恢复(&R)");
  EXPECT_TRUE(frame.TrayPopupMenu()->Items()->Items(1)->IsLine());
  EXPECT_EQ(frame.TrayPopupMenu()->Items()->Items(2)->Caption(), "关闭(&C)");
  EXPECT_TRUE(static_cast<bool>(tray->OnDblClick()));

  frame.MinimizeToTray();
  Pump();
  EXPECT_FALSE(IsWindowVisible(form->Handle()));
  EXPECT_TRUE(tray->MinimizeToTray());
  EXPECT_FALSE(shell.empty()) << "the icon went into the tray";

  tray->OnDblClick()(tray);  // as a double click on the icon does
  Pump();
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
  EXPECT_FALSE(tray->MinimizeToTray());
  EXPECT_EQ(log.entries.size(), 2u);

  delete &frame;
  EXPECT_FALSE(static_cast<bool>(tray->OnDblClick())) << "no event into the freed frame";
  EXPECT_EQ(tray->PopupMenu(), nullptr);
  delete form;
  SetShellNotifyIconHook(nullptr);
}

}  // namespace
}  // namespace tmv
