#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/gui/Forms.h"

namespace tmv {
namespace {

// Logs the application's minimize and restore with what the forms showed then.
class ApplicationEvents : public TComponent {
public:
  explicit ApplicationEvents(std::function<std::string()> shown) : TComponent(nullptr), shown_(std::move(shown)) {
    Application()->SetOnMinimize(TNotifyEvent::Of<&ApplicationEvents::Minimized>(this));
    Application()->SetOnRestore(TNotifyEvent::Of<&ApplicationEvents::Restored>(this));
  }
  ~ApplicationEvents() override {
    Application()->SetOnMinimize(TNotifyEvent());
    Application()->SetOnRestore(TNotifyEvent());
  }
  void Minimized(TObject*) { entries.push_back("minimize " + shown_()); }
  void Restored(TObject*) { entries.push_back("restore " + shown_()); }
  std::vector<std::string> entries;

private:
  std::function<std::string()> shown_;
};

// The program's main form and a second form, both shown, and a form never shown; the
// application's minimize and restore are logged with what the two shown forms showed then.
struct ApplicationWindow : testing::Test {
  ApplicationWindow() {
    main = Application()->CreateForm<TForm>();
    main->SetBounds(100, 100, 200, 150);
    other.SetBounds(350, 100, 200, 150);
    main->SetOnClose(TCloseEvent::Of<&EventLog::Closing>(&log));
    log.closeAction = caNone;
    main->Show();
    other.Show();
    never.HandleNeeded();
    Pump();
  }
  ~ApplicationWindow() override {
    Application()->Restore();
    delete main;
  }
  static bool Visible(TCustomForm& form) { return IsWindowVisible(form.Handle()) != FALSE; }

  HWND app = Application()->Handle();
  TForm* main = nullptr;
  TForm other{nullptr}, never{nullptr};
  EventLog log;
  ApplicationEvents events{
      [this] { return std::to_string(Visible(*main)) + std::to_string(Visible(other)); }};
};

TEST_F(ApplicationWindow, CarriesTheTaskbarButtonTitleAndIconWhileTheMainFormShows) {
  ASSERT_EQ(Application()->MainForm(), main);
  const LONG style = GetWindowLongA(app, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX), WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(GetWindow(app, GW_OWNER), nullptr);
  RECT r;
  GetWindowRect(app, &r);
  EXPECT_EQ(r.right - r.left, 0);
  EXPECT_EQ(r.bottom - r.top, 0);
  ASSERT_NE(Application()->Icon(), nullptr);
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0)), Application()->Icon());

  const std::string title = Application()->Title();
  Application()->SetTitle("图标提取");
  char text[32] = "";
  GetWindowTextA(app, text, sizeof text);
  EXPECT_STREQ(text, "图标提取");
  Application()->SetTitle(title);

  // Forms are owned by the application's window and have no button of their own.
  for (TForm* form : {main, &other}) {
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app);
    EXPECT_FALSE(GetWindowLongA(form->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
  }
  EXPECT_TRUE(IsWindowVisible(app));
  main->Hide();
  EXPECT_FALSE(IsWindowVisible(app));
  main->Show();
  EXPECT_TRUE(IsWindowVisible(app));

  // The taskbar button's menu: restore, minimize and close, nothing that would size the
  // invisible window.
  HMENU menu = GetSystemMenu(app, FALSE);
  for (UINT command : {SC_RESTORE, SC_MINIMIZE, SC_CLOSE})
    EXPECT_NE(GetMenuState(menu, command, MF_BYCOMMAND), UINT(-1)) << command;
  for (UINT command : {SC_MAXIMIZE, SC_SIZE, SC_MOVE})
    EXPECT_EQ(GetMenuState(menu, command, MF_BYCOMMAND), UINT(-1)) << command;
}

TEST_F(ApplicationWindow, MinimizingTheMainFormHidesTheFormsUntilTheApplicationIsRestored) {
  SetActiveWindow(main->Handle());
  SendMessageA(main->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(Application()->Minimized());
  EXPECT_TRUE(IsIconic(app));
  EXPECT_FALSE(IsIconic(main->Handle()));
  EXPECT_FALSE(Visible(*main));
  EXPECT_FALSE(Visible(other));
  EXPECT_TRUE(main->Visible());
  EXPECT_EQ(main->WindowState(), wsMinimized);
  EXPECT_EQ(events.entries, std::vector<std::string>{"minimize 00"});

  // The taskbar button's restore.
  SendMessageA(app, WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  EXPECT_FALSE(Application()->Minimized());
  EXPECT_FALSE(IsIconic(app));
  EXPECT_TRUE(Visible(*main));
  EXPECT_TRUE(Visible(other));
  EXPECT_FALSE(Visible(never));
  EXPECT_EQ(main->WindowState(), wsNormal);
  EXPECT_EQ(GetActiveWindow(), main->Handle());
  EXPECT_EQ(events.entries, (std::vector<std::string>{"minimize 00", "restore 11"}));

  // A click on the taskbar button activates the application's window, which hands the
  // activation to the form that had it.
  SetActiveWindow(other.Handle());
  SetActiveWindow(app);
  Pump();
  EXPECT_EQ(GetActiveWindow(), other.Handle());
}

TEST_F(ApplicationWindow, AFormHiddenWhileMinimizedStaysHiddenAndTheWindowStateMinimizesTheApplication) {
  SendMessageA(app, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_FALSE(Visible(*main));
  other.Hide();
  Application()->Restore();
  EXPECT_TRUE(Visible(*main));
  EXPECT_FALSE(Visible(other));

  main->SetWindowState(wsMinimized);
  EXPECT_TRUE(IsIconic(app));
  EXPECT_FALSE(Visible(*main));
  main->SetWindowState(wsNormal);
  EXPECT_FALSE(IsIconic(app));
  EXPECT_TRUE(Visible(*main));

  // Showing the main form while the application is minimized restores the application, also
  // when the form is maximized and no change of its state restores anything.
  main->SetWindowState(wsMaximized);
  other.Show();
  Application()->Minimize();
  main->Hide();
  main->Show();
  EXPECT_FALSE(IsIconic(app));
  EXPECT_TRUE(IsZoomed(main->Handle()));
  EXPECT_TRUE(Visible(*main));
  EXPECT_TRUE(Visible(other));
  EXPECT_EQ(events.entries, (std::vector<std::string>{"minimize 00", "restore 10", "minimize 00", "restore 10",
                                                      "minimize 00", "restore 11"}));
}

TEST_F(ApplicationWindow, TheTaskbarButtonsCloseClosesTheMainForm) {
  SendMessageA(app, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(log.entries, std::vector<std::string>{"close "});
  EXPECT_TRUE(IsWindow(app));
  EXPECT_TRUE(Visible(*main));
}

}  // namespace
}  // namespace tmv
