#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "LabelTestSupport.h"
#include "labels/RzShellOpen.h"
#include "labels/RzURLLabel.h"

namespace tmv {
namespace {

// Stands in for the shell: keeps every call and answers as told.
struct ShellRecorder {
  struct Call {
    DWORD size, mask;
    HWND owner;
    std::string verb, file;
    bool hasParameters, hasDirectory;
    int show;
  };
  static inline std::vector<Call> calls;
  static inline std::vector<std::string> commands;
  static inline std::vector<std::string> events;
  static inline BOOL answer = FALSE;
  static inline HANDLE process = nullptr;

  static BOOL WINAPI Execute(SHELLEXECUTEINFOA* info) {
    calls.push_back({info->cbSize, info->fMask, info->hwnd, info->lpVerb ? info->lpVerb : "",
                     info->lpFile ? info->lpFile : "", info->lpParameters != nullptr,
                     info->lpDirectory != nullptr, info->nShow});
    events.push_back("open");
    info->hProcess = process;
    return answer;
  }
  static UINT WINAPI RunCommand(LPCSTR line, UINT show) {
    commands.push_back(line);
    EXPECT_EQ(show, static_cast<UINT>(SW_SHOWNORMAL));
    return 33;
  }

  ShellRecorder() : saved(RzShellCalls()) {
    calls.clear();
    commands.clear();
    events.clear();
    answer = FALSE;
    process = nullptr;
    RzShellCalls() = {&Execute, &RunCommand};
  }
  ~ShellRecorder() { RzShellCalls() = saved; }
  TRzShellCalls saved;
};

class ClickLog : public TComponent {
public:
  ClickLog() : TComponent(nullptr) {}
  void Clicked(TObject*) { ShellRecorder::events.push_back("click"); }
};

struct LinkLabel : testing::Test {
  LinkLabel() { label.SetOnClick(TNotifyEvent::Of<&ClickLog::Clicked>(&clicks)); }
  ShellRecorder shell;
  ClickLog clicks;
  TRzURLLabel label{nullptr};
};

TEST_F(LinkLabel, StartsAsAnUnvisitedUnderlinedLink) {
  EXPECT_EQ(label.Cursor(), crHandPoint);
  EXPECT_EQ(label.TextStyle(), tsNormal);
  EXPECT_EQ(label.Font()->Style(), static_cast<TFontStyles>(fsUnderline));
  EXPECT_EQ(label.Font()->Color(), clHighlight);
  EXPECT_EQ(label.DrawColor(), clHighlight);
  EXPECT_FALSE(label.Visited());
  EXPECT_EQ(label.VisitedColor(), clPurple);
}

TEST_F(LinkLabel, ClickOpensTheAddressThroughTheShell) {
  label.SetCaption("the product page");
  label.SetURL("http://www.talvexmorvane.example/");
  label.Click();
  ASSERT_EQ(shell.calls.size(), 1u);
  const ShellRecorder::Call& c = shell.calls[0];
  EXPECT_EQ(c.size, 60u);
  EXPECT_EQ(c.mask, 0x540u);
  EXPECT_EQ(c.owner, nullptr);
  EXPECT_EQ(c.verb, "Open");
  EXPECT_EQ(c.file, "http://www.talvexmorvane.example/");
  EXPECT_FALSE(c.hasParameters);
  EXPECT_FALSE(c.hasDirectory);
  EXPECT_EQ(c.show, SW_SHOWNORMAL);
  EXPECT_EQ(shell.events, (std::vector<std::string>{"click", "open"}));
}

TEST_F(LinkLabel, AnEmptyOrBlankAddressOpensTheCaption) {
  label.SetCaption("mailto:mail@talvexmorvane.example");
  label.Click();
  label.SetURL("   ");
  label.Click();
  ASSERT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.calls[0].file, "mailto:mail@talvexmorvane.example");
  EXPECT_EQ(shell.calls[1].file, "mailto:mail@talvexmorvane.example");

  label.SetCaption(" \t");
  label.Click();
  EXPECT_EQ(shell.calls.size(), 2u);
  EXPECT_EQ(shell.events.back(), "click");
}

TEST_F(LinkLabel, OnlyASuccessfulOpeningMarksTheLinkVisited) {
  label.SetURL("http://www.talvexmorvane.example/");
  label.SetVisitedColor(clMaroon);
  EXPECT_EQ(label.DrawColor(), clHighlight);  // no visit yet

  label.Click();
  EXPECT_FALSE(label.Visited());
  EXPECT_EQ(label.DrawColor(), clHighlight);
  EXPECT_TRUE(shell.commands.empty());

  // The process handle the shell gives back is closed.
  HANDLE copy = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &copy, 0, FALSE,
                              DUPLICATE_SAME_ACCESS));
  shell.answer = TRUE;
  shell.process = copy;
  label.Click();
  EXPECT_TRUE(label.Visited());
  EXPECT_EQ(label.Font()->Color(), clMaroon);
  EXPECT_EQ(label.DrawColor(), clMaroon);
  DWORD flags = 0;
  EXPECT_FALSE(GetHandleInformation(copy, &flags));

  label.SetUnvisitedColor(clGreen);
  EXPECT_EQ(label.DrawColor(), clMaroon);
  label.SetVisited(false);
  EXPECT_EQ(label.DrawColor(), clGreen);
}

TEST_F(LinkLabel, AWebPageThatCannotBeOpenedOffersTheChoiceOfAProgram) {
  label.SetURL("C:\\pages\\index.htm");
  label.Click();
  ASSERT_EQ(shell.commands.size(), 1u);
  EXPECT_EQ(shell.commands[0], "RunDLL32.exe Shell32.dll,OpenAs_RunDLL *.htm");
  label.SetURL("C:\\pages\\INDEX.HTM");
  label.Click();
  EXPECT_EQ(shell.commands.size(), 2u);
  label.SetURL("C:\\pages\\index.html");
  label.Click();
  EXPECT_EQ(shell.commands.size(), 2u);
  EXPECT_FALSE(label.Visited());
}

TEST_F(LinkLabel, TheUnvisitedColourShowsAtOnce) {
  label.SetUnvisitedColor(clNavy);
  EXPECT_EQ(label.DrawColor(), clNavy);
  label.SetVisitedColor(clOlive);
  EXPECT_EQ(label.DrawColor(), clNavy);
}

// The link on a panel, driven by window messages as the mouse would: hovering, a click that
// opens the link while the mouse is over it, and leaving.
TEST(LinkLabelOnAPanel, HoverClickAndLeaveGoThroughTheWindow) {
  ShellRecorder shell;
  shell.answer = TRUE;
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetBounds(0, 0, 200, 60);
  panel->SetColor(clYellow);
  panel->SetShowCaption(false);
  auto* link = new TRzURLLabel(&form);
  link->SetAutoSize(false);
  link->SetBounds(20, 20, 120, 20);
  link->SetCaption("www.talvexmorvane.example");
  link->SetUnvisitedColor(clBlue);
  link->SetVisitedColor(clMaroon);
  link->SetFlyByColor(clRed);
  link->SetFlyByEnabled(true);
  link->SetParent(panel);
  HWND window = panel->Handle();
  const LPARAM over = MAKELPARAM(30, 30);

  SendMessageA(window, WM_MOUSEMOVE, 0, over);
  EXPECT_EQ(link->DrawColor(), clRed);
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, over);
  SendMessageA(window, WM_LBUTTONUP, 0, over);
  ASSERT_EQ(shell.calls.size(), 1u);
  EXPECT_EQ(shell.calls[0].file, "www.talvexmorvane.example");
  EXPECT_TRUE(link->Visited());
  EXPECT_EQ(link->DrawColor(), clRed);  // still under the mouse
  SendMessageA(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(link->DrawColor(), clMaroon);  // the visited colour, not the one the mouse found

  // The label's background is its parent's colour.
  auto shot = NewBitmap(panel->Width(), panel->Height());
  SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(shot->Canvas()->Handle()), PRF_CLIENT);
  EXPECT_EQ(PixelAt(*shot, 138, 38), RGB(255, 255, 0));
  EXPECT_FALSE(PixelsOf(*shot, clMaroon).empty());
}

TEST(LinkLabelResource, ALoadedLinkShowsItsUnvisitedColour) {
  TForm form(nullptr);
  ReadComponentText(form,
                    "object Form1: TForm\n"
                    "  object RzURLLabel4: TRzURLLabel\n"
                    "    Caption = \"www.talvexmorvane.example\"\n"
                    "    Font.Name = \"Verdana\"\n"
                    "    Font.Height = -11\n"
                    "    Font.Style = [fsUnderline]\n"
                    "    UnvisitedColor = 7879740\n"
                    "    VisitedColor = 4611970\n"
                    "    BlinkColor = clBlue\n"
                    "    Color = clPurple\n"
                    "    BevelWidth = 0\n"
                    "    Transparent = True\n"
                    "  end\n"
                    "end\n");
  auto* link = static_cast<TRzURLLabel*>(form.FindComponent("RzURLLabel4"));
  EXPECT_EQ(link->Font()->Color(), 7879740u);
  EXPECT_EQ(link->DrawColor(), 7879740u);
  EXPECT_EQ(link->VisitedColor(), 4611970u);
  EXPECT_FALSE(link->ParentColor());
  EXPECT_EQ(link->BevelWidth(), 0);
}

}  // namespace
}  // namespace tmv
