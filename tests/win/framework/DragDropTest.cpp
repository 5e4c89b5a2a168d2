#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "framework/core/FormReader.h"
#include "framework/gui/DockFrame.h"
#include "framework/gui/Docking.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Handles.h"
#include "framework/gui/StdCtrls.h"

namespace tmv {
namespace {

std::string NameOf(TObject* o) {
  if (!o) return "nil";
  auto* c = dynamic_cast<TComponent*>(o);
  return c && !c->Name().empty() ? c->Name() : o->ClassName();
}

std::string Where(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

const char* StateName(TDragState state) {
  return state == dsDragEnter ? "enter" : state == dsDragLeave ? "leave" : "move";
}

// Writes every drag and dock event as one line, answers as told and may act inside an event as
// a handler would (freeing a control, say).
class DragLog : public TComponent {
public:
  DragLog() : TComponent(nullptr) {}
  void WatchSource(TControl* c) {
    c->SetOnStartDrag(TStartDragEvent::Of<&DragLog::StartDrag>(this));
    c->SetOnEndDrag(TEndDragEvent::Of<&DragLog::EndDrag>(this));
    c->SetOnStartDock(TStartDockEvent::Of<&DragLog::StartDock>(this));
    c->SetOnEndDock(TEndDragEvent::Of<&DragLog::EndDock>(this));
  }
  void WatchTarget(TControl* c) {
    c->SetOnDragOver(TDragOverEvent::Of<&DragLog::DragOver>(this));
    c->SetOnDragDrop(TDragDropEvent::Of<&DragLog::DragDrop>(this));
  }
  void WatchSite(TWinControl* c) {
    c->SetOnDockOver(TDockOverEvent::Of<&DragLog::DockOver>(this));
    c->SetOnDockDrop(TDockDropEvent::Of<&DragLog::DockDrop>(this));
    c->SetOnUnDock(TUnDockEvent::Of<&DragLog::UnDock>(this));
  }
  void StartDrag(TObject* s, TDragObject*&) { Add(NameOf(s) + " start"); }
  void EndDrag(TObject* s, TObject* target, int x, int y) {
    Add(NameOf(s) + " end " + NameOf(target) + " " + Where(x, y));
  }
  void DragOver(TObject* s, TObject* source, int x, int y, TDragState state, bool& accept) {
    accept = this->accept;
    Add(NameOf(s) + " " + StateName(state) + " " + Where(x, y) + " from " + NameOf(source));
  }
  void DragDrop(TObject* s, TObject* source, int x, int y) {
    Add(NameOf(s) + " drop " + Where(x, y) + " from " + NameOf(source));
  }
  void StartDock(TObject* s, TDragDockObject*& object) {
    object = given;
    Add(NameOf(s) + " startdock");
  }
  void EndDock(TObject* s, TObject* target, int x, int y) {
    Add(NameOf(s) + " enddock " + NameOf(target) + " " + Where(x, y));
  }
  void DockOver(TObject* s, TDragDockObject* source, int x, int y, TDragState state, bool& accept) {
    if (!this->accept) accept = false;
    Add(NameOf(s) + " dock" + StateName(state) + " " + Where(x, y) + " from " + NameOf(source->Control()));
  }
  void DockDrop(TObject* s, TDragDockObject* source, int x, int y) {
    Add(NameOf(s) + " dockdrop " + Where(x, y) + " from " + NameOf(source->Control()));
  }
  void UnDock(TObject* s, TControl* client, TWinControl* newTarget, bool& allow) {
    allow = allowUnDock;
    Add(NameOf(s) + " undock " + NameOf(client) + " to " + NameOf(newTarget));
  }

  // Widens (or with a negative value narrows) the influence of the sites whose info is asked.
  void SiteInfo(TObject* s, TControl* client, RECT& influence, POINT mousePos, bool& canDock) {
    InflateRect(&influence, widen, widen);
    canDock = this->canDock;
    Add(NameOf(s) + " siteinfo " + NameOf(client) + " " + Where(mousePos.x, mousePos.y));
  }

  bool accept = true;
  bool allowUnDock = true;
  int widen = 0;
  bool canDock = true;
  TDragDockObject* given = nullptr;  // the dock object a dock drag starts with
  std::vector<std::string> lines;
  // Runs after a line is written, with the line.
  std::function<void(const std::string&)> then;

private:
  void Add(const std::string& line) {
    lines.push_back(line);
    if (then) then(line);
  }
};

// A form with a source panel that drags itself and a target panel holding a windowless label.
// Input is posted: the press to the source's window, everything after it to the window holding
// the mouse.
struct DragOnForm : testing::Test {
  DragOnForm() {
    EXPECT_TRUE(SettleCursor({700, 600}));
    form.SetBounds(100, 100, 420, 260);
    source = Panel("source", &form, {10, 10, 100, 60});
    source->SetDragMode(dmAutomatic);
    target = Panel("target", &form, {200, 10, 150, 120});
    label = new TLabel(&form);
    label->SetName("label");
    label->SetAutoSize(false);
    label->SetBounds(10, 70, 60, 30);
    label->SetParent(target);
    form.Show();
    log.WatchSource(source);
    log.WatchTarget(target);
    log.WatchTarget(label);
  }
  ~DragOnForm() override { ReleaseCapture(); }
  TPanel* Panel(const char* name, TWinControl* parent, RECT r) {
    auto* p = new TPanel(&form);
    p->SetName(name);
    p->SetBounds(r.left, r.top, r.right, r.bottom);
    p->SetParent(parent);
    return p;
  }
  static POINT At(TControl* c, int x, int y) { return ScreenPointOf(c, x, y); }
  static void Press(TWinControl* c, int x, int y) {
    PostMessageA(c->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump();
  }
  static void Move(TControl* c, int x, int y) { PostToCapture(WM_MOUSEMOVE, At(c, x, y)); }
  static void Release(TControl* c, int x, int y) { PostToCapture(WM_LBUTTONUP, At(c, x, y)); }
  static HCURSOR CursorFor(TCursor cursor) { return Screen()->Cursors(cursor); }

  TForm form{nullptr};
  TPanel* source;
  TPanel* target;
  TLabel* label;
  DragLog log;
};

// (x, y) of a point of `from` in the coordinates of `to`.
std::string Between(TControl* from, int x, int y, TControl* to) {
  const POINT a = from->ClientOrigin(), b = to->ClientOrigin();
  return Where(a.x + x - b.x, a.y + y - b.y);
}

TEST_F(DragOnForm, AnAcceptedDragAsksEachTargetInTurnThenDropsOnTheLastOne) {
  Press(source, 20, 20);
  EXPECT_TRUE(source->Dragging());
  EXPECT_NE(GetCapture(), source->Handle());
  Move(source, 40, 20);
  EXPECT_EQ(GetCursor(), CursorFor(crNoDrop));  // the source itself takes no drops
  Move(target, 5, 5);
  EXPECT_EQ(GetCursor(), CursorFor(crDrag));
  Move(target, 6, 7);
  Move(target, 6, 7);  // the same place again tells the target nothing new
  Move(label, 3, 4);
  Move(target, 100, 100);
  Release(target, 8, 9);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "source start",
                           "target enter 5,5 from source",
                           "target move 6,7 from source",
                           "target leave 13,74 from source",
                           "label enter 3,4 from source",
                           "label leave 90,30 from source",
                           "target enter 100,100 from source",
                           "target move 8,9 from source",
                           "target drop 8,9 from source",
                           "source end target 8,9",
                       }));
}

// The system's own input: the mouse held by the drag follows the pointer over other windows.
TEST_F(DragOnForm, RealPointerInputDragsAndDrops) {
  // Every event says where the pointer is: under Wine motion from earlier input may still
  // arrive and put the pointer back where it was.
  const DWORD at = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  const POINT press = At(source, 20, 20), drop = At(target, 30, 20);
  ASSERT_TRUE(SettleCursor(press));
  SendMouseInput(at | MOUSEEVENTF_LEFTDOWN, press);
  ASSERT_TRUE(PumpUntil([&] { return source->Dragging(); }));
  SendMouseInput(at, drop);
  ASSERT_TRUE(PumpUntil([&] { return CursorReportedAt(drop) && !MouseInputQueued(); }));
  SendMouseInput(at | MOUSEEVENTF_LEFTUP, drop);
  ASSERT_TRUE(PumpUntil([&] { return !source->Dragging(); }));
  EXPECT_EQ(log.lines.front(), "source start");
  EXPECT_EQ(log.lines.back(), "source end target 30,20");
  EXPECT_EQ(log.lines[log.lines.size() - 2], "target drop 30,20 from source");
}

TEST_F(DragOnForm, ARefusedDragEndsWithoutTargetInTheSourcesCoordinates) {
  log.accept = false;
  source->SetDragCursor(crMultiDrag);
  Press(source, 20, 20);
  Move(target, 5, 5);
  EXPECT_EQ(GetCursor(), CursorFor(crNoDrop));
  log.accept = true;
  Move(target, 6, 6);
  EXPECT_EQ(GetCursor(), CursorFor(crMultiDrag));
  log.accept = false;
  Release(target, 8, 9);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "source start",
                           "target enter 5,5 from source",
                           "target move 6,6 from source",
                           "target move 8,9 from source",
                           "target leave 8,9 from source",
                           "source end nil " + Between(target, 8, 9, source),
                       }));
}

TEST_F(DragOnForm, TheDragStartsOnlyPastTheThresholdAndAShortPressIsNoClick) {
  const int threshold = drag::SystemThreshold();
  ASSERT_GT(threshold, 1);
  EventLog clicks;
  source->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&clicks));
  Press(source, 20, 20);
  Release(source, 20, 20);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);

  Press(source, 20, 20);
  Move(source, 20 + threshold - 1, 20 - threshold + 1);
  EXPECT_TRUE(log.lines.empty());
  Move(source, 20, 20 + threshold);
  EXPECT_EQ(log.lines, std::vector<std::string>{"source start"});
  Release(source, 20, 20 + threshold);
  EXPECT_TRUE(clicks.entries.empty());

  // A manual drag with an immediate start asks the control under the pointer at once.
  log.lines.clear();
  ASSERT_TRUE(SettleCursor(At(target, 30, 30)));
  source->BeginDrag(true);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"source start", "target enter 30,30 from source"}));
  source->EndDrag(true);
  EXPECT_EQ(log.lines.back(), "source end target 30,30");
  EXPECT_FALSE(source->Dragging());
}

TEST_F(DragOnForm, EscapeOrLosingTheMouseCancels) {
  Press(source, 20, 20);
  Move(target, 5, 5);
  // Escape reaches whichever window has the focus; the drag takes it from the queue.
  PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(GetCapture(), nullptr);
  const std::vector<std::string> cancelled = {
      "source start", "target enter 5,5 from source", "target leave 5,5 from source",
      "source end nil " + Between(target, 5, 5, source)};
  EXPECT_EQ(log.lines, cancelled);

  log.lines.clear();
  Press(source, 20, 20);
  Move(target, 5, 5);
  SetCapture(form.Handle());
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(log.lines, cancelled);
}

TEST_F(DragOnForm, AControlFreedDuringTheDragIsNotCalledAgain) {
  // The target frees the source as it is entered: the drag ends with no further event.
  log.then = [&](const std::string& line) {
    if (line.rfind("target enter", 0) == 0) delete std::exchange(source, nullptr);
  };
  Press(source, 20, 20);
  Move(target, 5, 5);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"source start", "target enter 5,5 from source"}));

  // The label frees itself as it takes the drop: the source ends without a target.
  log.lines.clear();
  source = Panel("source2", &form, {10, 10, 100, 60});
  source->SetDragMode(dmAutomatic);
  log.WatchSource(source);
  log.then = [&](const std::string& line) {
    if (line.rfind("label drop", 0) == 0) delete std::exchange(label, nullptr);
  };
  Press(source, 20, 20);
  Move(label, 5, 5);
  Release(label, 5, 5);
  EXPECT_EQ(label, nullptr);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"source2 start", "label enter 5,5 from source2",
                                                  "label drop 5,5 from source2",
                                                  "source2 end nil " + Between(target, 15, 75, source)}));
  EXPECT_FALSE(source->Dragging());
}

TEST_F(DragOnForm, AnErrorInAHandlerIsShownAndTheTargetTakesNothingThen) {
  BoxRecorder boxes;
  log.then = [](const std::string& line) {
    if (line.rfind("target enter", 0) == 0 || line.rfind("source end", 0) == 0)
      throw EInvalidOperation("no drop here");
  };
  Press(source, 20, 20);
  Move(target, 5, 5);
  EXPECT_EQ(GetCursor(), CursorFor(crNoDrop));
  Move(target, 6, 6);
  EXPECT_EQ(GetCursor(), CursorFor(crDrag));
  Release(target, 6, 6);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_FALSE(source->Dragging());
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "no drop here");
  EXPECT_EQ(log.lines.back(), "source end target 6,6");
}

// Dock sites beside each other: "home" holds "client", which docks by dragging.
struct DockOnForm : DragOnForm {
  DockOnForm() {
    home = Panel("home", &form, {10, 80, 150, 150});
    home->SetDockSite(true);
    site = Panel("site", &form, {230, 140, 170, 90});
    site->SetDockSite(true);
    client = Panel("client", home, {5, 5, 60, 40});
    client->SetDragMode(dmAutomatic);
    client->SetDragKind(dkDock);
    log.WatchSource(client);
    log.WatchSite(home);
    log.WatchSite(site);
  }
  TPanel* home;
  TPanel* site;
  TPanel* client;
};

TEST_F(DockOnForm, AControlDroppedOnASiteMovesIntoItWhereItWasHeld) {
  Press(client, 10, 10);
  Move(home, 100, 100);
  Move(site, 50, 30);
  EXPECT_EQ(GetCursor(), CursorFor(crDrag));
  Release(site, 52, 31);
  EXPECT_EQ(client->Parent(), site);
  EXPECT_EQ(client->Left(), 42);
  EXPECT_EQ(client->Top(), 21);
  EXPECT_EQ(GetParent(client->Handle()), site->Handle());
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "client startdock",
                           "home dockenter 100,100 from client",
                           "home dockleave " + Between(site, 50, 30, home) + " from client",
                           "site dockenter 50,30 from client",
                           "site dockmove 52,31 from client",
                           "home undock client to site",
                           "site dockdrop 52,31 from client",
                           "client enddock site 52,31",
                       }));
}

TEST_F(DockOnForm, TheSiteLeftMayRefuseAndADropOutsideAnySiteFloats) {
  log.allowUnDock = false;
  Press(client, 10, 10);
  Release(site, 50, 30);
  EXPECT_EQ(client->Parent(), home);
  EXPECT_EQ(log.lines.back(), "client enddock nil " + Between(site, 50, 30, client));

  // Over the form but no site: the control floats in a tool window of its own at the drop.
  log.allowUnDock = true;
  log.lines.clear();
  const int formsBefore = Screen()->FormCount();
  Press(client, 10, 10);
  Release(&form, 180, 40);
  ASSERT_TRUE(client->Floating());
  auto* host = dynamic_cast<TFloatingDockForm*>(client->Parent());
  ASSERT_NE(host, nullptr);
  EXPECT_EQ(Screen()->FormCount(), formsBefore + 1);
  EXPECT_TRUE(IsWindowVisible(host->Handle()));
  // The client fills the window, which the system keeps at least as wide as its caption needs.
  EXPECT_GE(host->ClientWidth(), 60);
  EXPECT_EQ(host->ClientHeight(), 40);
  EXPECT_EQ(client->Width(), host->ClientWidth());
  EXPECT_EQ(client->Height(), 40);
  RECT frame;
  GetWindowRect(host->Handle(), &frame);
  const POINT drop = At(&form, 180, 40);
  EXPECT_EQ(frame.left, drop.x - 10);
  EXPECT_EQ(frame.top, drop.y - 10);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"client startdock", "home undock client to nil",
                                                  "client enddock TFloatingDockForm " +
                                                      Between(&form, 180, 40, host)}));

  // Docked again, it leaves the empty tool window, which goes; so does one whose client is freed.
  const auto hostAlive = host->LifeToken();
  Press(client, 10, 10);
  Release(site, 30, 30);
  EXPECT_EQ(client->Parent(), site);
  EXPECT_FALSE(client->Floating());
  EXPECT_TRUE(PumpUntil([&] { return hostAlive.expired(); }));
  EXPECT_EQ(Screen()->FormCount(), formsBefore);
  ASSERT_TRUE(client->ManualFloat({300, 300, 400, 350}));
  const auto secondAlive = client->Parent()->LifeToken();
  delete client;
  EXPECT_TRUE(PumpUntil([&] { return secondAlive.expired(); }));
  EXPECT_EQ(Screen()->FormCount(), formsBefore);
}

TEST_F(DockOnForm, ASiteThatRefusesShowsNoDropAndTheControlFloatsInstead) {
  log.accept = false;
  Press(client, 10, 10);
  Release(site, 50, 30);
  EXPECT_TRUE(client->Floating());
  // ManualDock from code fires the same events as a drop.
  log.lines.clear();
  EXPECT_TRUE(client->ManualDock(home, {7, 8}));
  EXPECT_EQ(client->Parent(), home);
  EXPECT_EQ(client->Left(), 7);
  EXPECT_EQ(log.lines, std::vector<std::string>{"home dockdrop 7,8 from client"});
  // Never into itself.
  EXPECT_FALSE(home->ManualDock(client));
}

TEST_F(DockOnForm, TheNearestSiteWhoseInfluenceHoldsThePointerTakesTheDrop) {
  for (TWinControl* w : {home, site}) w->SetOnGetSiteInfo(TGetSiteInfoEvent::Of<&DragLog::SiteInfo>(&log));
  // The sites leave 70 pixels between them at y 150 of the form (home ends at 160, site
  // starts at 230); widened by 40 each, both reach into the gap and the nearer one wins.
  log.widen = 40;
  Press(client, 10, 10);
  const POINT nearSite = At(&form, 215, 150);
  Move(&form, 215, 150);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"client startdock", "home siteinfo client " + Where(nearSite.x, nearSite.y),
                                                  "site siteinfo client " + Where(nearSite.x, nearSite.y),
                                                  "site dockenter " + Between(&form, 215, 150, site) + " from client"}));
  Release(&form, 215, 150);
  EXPECT_EQ(client->Parent(), site);
  EXPECT_EQ(client->Left(), -15 - 10);

  Press(client, 10, 10);
  Release(&form, 175, 150);
  EXPECT_EQ(client->Parent(), home);
  EXPECT_EQ(client->Left(), 175 - 10 - 10);

  // Narrowed, a site lets a drop on its own edge float; one that cannot take the client lets
  // a drop in its middle float.
  log.widen = -10;
  Press(client, 10, 10);
  Release(site, 5, 5);
  EXPECT_TRUE(client->Floating());
  log.widen = 0;
  log.canDock = false;
  log.lines.clear();
  Press(client, 10, 10);
  Release(site, 50, 30);
  ASSERT_TRUE(client->Floating());
  const POINT drop = At(site, 50, 30);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"client startdock", "home siteinfo client " + Where(drop.x, drop.y),
                                                  "site siteinfo client " + Where(drop.x, drop.y),
                                                  "client enddock TFloatingDockForm " +
                                                      Between(site, 50, 30, client->Parent())}));
}

BOOL CALLBACK KeepShownDockFrame(HWND window, LPARAM frames) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "TMDockFrame" && IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(frames)->push_back(window);
  return TRUE;
}

// Visible frames of docking in this thread, as the system shows them.
std::vector<HWND> ShownDockFrames() {
  std::vector<HWND> frames;
  EnumThreadWindows(GetCurrentThreadId(), &KeepShownDockFrame, reinterpret_cast<LPARAM>(&frames));
  return frames;
}

RECT ScreenRectOf(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

// One dock frame shown, exactly around expected, painted only on its border: the windows
// under its inside are seen and found there.
void ExpectFrameAround(const RECT& expected) {
  const std::vector<HWND> frames = ShownDockFrames();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(Describe(ScreenRectOf(frames[0])), Describe(expected));
  EXPECT_TRUE(GetWindowLongA(frames[0], GWL_EXSTYLE) & WS_EX_TOPMOST);
  UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(frames[0], shape.Get()), ERROR);
  const int width = expected.right - expected.left, height = expected.bottom - expected.top;
  EXPECT_TRUE(PtInRegion(shape.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(shape.Get(), width - 1, height / 2));
  EXPECT_TRUE(PtInRegion(shape.Get(), width / 2, height - TDockFrame::Thickness));
  EXPECT_FALSE(PtInRegion(shape.Get(), TDockFrame::Thickness, TDockFrame::Thickness));
  EXPECT_FALSE(PtInRegion(shape.Get(), width / 2, height / 2));
  EXPECT_NE(GetForegroundWindow(), frames[0]);
}

TEST_F(DockOnForm, AFrameShowsWhereTheControlWouldGoUntilTheDragEnds) {
  TDragDockObject object(client);
  log.given = &object;
  // Held by its corner, the pointer is on the frame, which hides nothing from the drag.
  Press(client, 1, 1);
  // The frame goes before the site hears of the drop, so the site paints a clean screen.
  size_t framesAtDrop = 1;
  log.then = [&](const std::string& line) {
    if (line.rfind("site dockdrop", 0) == 0) framesAtDrop = ShownDockFrames().size();
  };
  Move(&form, 180, 40);
  const POINT free = At(&form, 180, 40);
  const RECT floating = {free.x - 1, free.y - 1, free.x + 59, free.y + 39};
  EXPECT_EQ(Describe(object.DockRect()), Describe(floating));
  ExpectFrameAround(floating);
  Release(site, 50, 30);
  EXPECT_EQ(client->Parent(), site);
  EXPECT_EQ(framesAtDrop, 0u);
  EXPECT_TRUE(ShownDockFrames().empty());

  // Over a site, an aligned control's frame is the place the site's alignment gives it:
  // below the bar already at the top.
  TPanel* bar = Panel("bar", site, {0, 0, 30, 20});
  bar->SetAlign(alTop);
  client->ManualDock(home);
  client->SetAlign(alTop);
  Press(client, 10, 10);
  Move(site, 50, 60);
  const POINT siteCorner = At(site, 0, 0);
  const RECT topRow = {siteCorner.x, siteCorner.y + 20, siteCorner.x + site->ClientWidth(), siteCorner.y + 60};
  EXPECT_EQ(Describe(object.DockRect()), Describe(topRow));
  ExpectFrameAround(topRow);
  Release(site, 50, 60);
  EXPECT_EQ(client->Parent(), site);
  EXPECT_EQ(Describe(ScreenRectOf(client->Handle())), Describe(topRow));
  EXPECT_TRUE(ShownDockFrames().empty());

  // A site that refuses shows the floating frame; Escape takes the frame away.
  log.accept = false;
  Press(client, 10, 10);
  Move(home, 30, 30);
  const POINT over = At(home, 30, 30);
  ExpectFrameAround({over.x - 10, over.y - 10, over.x - 10 + client->Width(), over.y + 30});
  PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  Pump();
  EXPECT_FALSE(client->Dragging());
  EXPECT_TRUE(ShownDockFrames().empty());
}

TEST(DockFrame, ARectangleTooSmallForAnInsideIsAllBorder) {
  TDockFrame frame;
  frame.Show({100, 100, 104, 105});
  EXPECT_EQ(Describe(ScreenRectOf(frame.Handle())), "100,100,104,105");
  UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(frame.Handle(), shape.Get()), ERROR);
  for (POINT p : {POINT{0, 0}, POINT{2, 2}, POINT{3, 4}}) EXPECT_TRUE(PtInRegion(shape.Get(), p.x, p.y));
}

// The drawn drag cursors: the arrow with one page, or with two.
TEST(DragCursors, AreDrawnArrowsCarryingPages) {
  auto draw = [](TCursor cursor, int x, int y) {
    UniqueBitmap bitmap(CreateCompatibleBitmap(WindowDC(nullptr).Get(), 32, 32));
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SelectGuard chosen(dc.Get(), bitmap.Get());
    RECT all = {0, 0, 32, 32};
    UniqueBrush grey(CreateSolidBrush(RGB(128, 128, 128)));
    FillRect(dc.Get(), &all, grey.Get());
    DrawIconEx(dc.Get(), 0, 0, Screen()->Cursors(cursor), 32, 32, 0, nullptr, DI_NORMAL);
    return GetPixel(dc.Get(), x, y);
  };
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255), clear = RGB(128, 128, 128);
  for (TCursor cursor : {crDrag, crMultiDrag}) {
    EXPECT_EQ(draw(cursor, 0, 0), black);    // the arrow's tip
    EXPECT_EQ(draw(cursor, 2, 5), white);    // inside the arrow
    EXPECT_EQ(draw(cursor, 13, 15), white);  // inside the front page
    EXPECT_EQ(draw(cursor, 14, 16), black);  // its first line of text
    EXPECT_EQ(draw(cursor, 31, 31), clear);
  }
  EXPECT_EQ(draw(crDrag, 20, 12), clear);
  EXPECT_EQ(draw(crMultiDrag, 20, 12), white);  // the page behind
  TCursor cursor = crDefault;
  EXPECT_TRUE(IdentToCursor("crMultiDrag", cursor));
  EXPECT_EQ(cursor, crMultiDrag);
  EXPECT_EQ(Screen()->Cursors(crNoDrop), LoadCursor(nullptr, IDC_NO));
}

// A form resource with the drag and dock settings of its controls and a handler for every
// event, each of which writes its name.
class TDragForm : public TForm {
public:
  explicit TDragForm(const std::string& text) : TForm(nullptr) { ReadComponentText(*this, text); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info(
        "TDragForm", &TForm::StaticClassInfo(), nullptr, {},
        {Method<&TDragForm::StartDrag>("StartDrag"), Method<&TDragForm::EndDrag>("EndDrag"),
         Method<&TDragForm::DragOver>("DragOver"), Method<&TDragForm::DragDrop>("DragDrop"),
         Method<&TDragForm::StartDock>("StartDock"), Method<&TDragForm::EndDock>("EndDock"),
         Method<&TDragForm::DockOver>("DockOver"), Method<&TDragForm::DockDrop>("DockDrop"),
         Method<&TDragForm::UnDock>("UnDock"), Method<&TDragForm::SiteInfo>("SiteInfo")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void StartDrag(TObject*, TDragObject*&) { calls.push_back("StartDrag"); }
  void EndDrag(TObject*, TObject*, int, int) { calls.push_back("EndDrag"); }
  void DragOver(TObject*, TObject*, int, int, TDragState, bool&) { calls.push_back("DragOver"); }
  void DragDrop(TObject*, TObject*, int, int) { calls.push_back("DragDrop"); }
  void StartDock(TObject*, TDragDockObject*&) { calls.push_back("StartDock"); }
  void EndDock(TObject*, TObject*, int, int) { calls.push_back("EndDock"); }
  void DockOver(TObject*, TDragDockObject*, int, int, TDragState, bool&) { calls.push_back("DockOver"); }
  void DockDrop(TObject*, TDragDockObject*, int, int) { calls.push_back("DockDrop"); }
  void UnDock(TObject*, TControl*, TWinControl*, bool&) { calls.push_back("UnDock"); }
  void SiteInfo(TObject*, TControl*, RECT&, POINT, bool&) { calls.push_back("SiteInfo"); }
  std::vector<std::string> calls;
};

TEST(DragSettings, AreReadFromAFormResource) {
  RegisterClasses({&TPanel::StaticClassInfo()});
  TDragForm form(R"(object DragForm: TDragForm
  object Panel1: TPanel
    DragCursor = crMultiDrag
    DragKind = dkDock
    DragMode = dmAutomatic
    DockSite = True
    OnDragDrop = DragDrop
    OnDragOver = DragOver
    OnEndDock = EndDock
    OnEndDrag = EndDrag
    OnStartDock = StartDock
    OnStartDrag = StartDrag
    OnDockDrop = DockDrop
    OnDockOver = DockOver
    OnUnDock = UnDock
    OnGetSiteInfo = SiteInfo
  end
  object Panel2: TPanel
    DragCursor = -30
  end
end)");
  auto* panel = dynamic_cast<TPanel*>(form.FindComponent("Panel1"));
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->DragCursor(), crMultiDrag);
  EXPECT_EQ(panel->DragKind(), dkDock);
  EXPECT_EQ(panel->DragMode(), dmAutomatic);
  EXPECT_TRUE(panel->DockSite());
  TDragObject* object = nullptr;
  TDragDockObject* dockObject = nullptr;
  bool flag = true;
  panel->OnDragDrop()(panel, panel, 0, 0);
  panel->OnDragOver()(panel, panel, 0, 0, dsDragMove, flag);
  panel->OnEndDock()(panel, nullptr, 0, 0);
  panel->OnEndDrag()(panel, nullptr, 0, 0);
  panel->OnStartDock()(panel, dockObject);
  panel->OnStartDrag()(panel, object);
  panel->OnDockDrop()(panel, dockObject, 0, 0);
  panel->OnDockOver()(panel, dockObject, 0, 0, dsDragMove, flag);
  panel->OnUnDock()(panel, panel, nullptr, flag);
  RECT influence = {};
  panel->OnGetSiteInfo()(panel, panel, influence, {0, 0}, flag);
  EXPECT_EQ(form.calls, (std::vector<std::string>{"DragDrop", "DragOver", "EndDock", "EndDrag", "StartDock",
                                                  "StartDrag", "DockDrop", "DockOver", "UnDock", "SiteInfo"}));
  auto* plain = dynamic_cast<TPanel*>(form.FindComponent("Panel2"));
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(plain->DragCursor(), -30);
  EXPECT_EQ(plain->DragKind(), dkDrag);
  EXPECT_EQ(plain->DragMode(), dmManual);
  EXPECT_FALSE(plain->DockSite());

  // An unknown cursor, and a handler of another event's kind.
  for (const char* wrong : {"DragCursor = crNoSuchCursor", "OnDragOver = EndDrag"}) {
    TDragForm bad("object DragForm: TDragForm\nend");
    EXPECT_THROW(ReadComponentText(bad, std::string("object DragForm: TDragForm\n object P: TPanel\n") + wrong +
                                            "\n end\nend"),
                 EPropertyError)
        << wrong;
  }
}

}  // namespace
}  // namespace tmv
