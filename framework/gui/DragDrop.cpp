#include "framework/gui/DragDrop.h"

#include <windowsx.h>

#include <cstdlib>
#include <memory>
#include <tuple>
#include <vector>

#include "framework/gui/Controls.h"
#include "framework/gui/DockFrame.h"
#include "framework/gui/Forms.h"
#include "framework/gui/HiddenWindow.h"

namespace tmv {

const TEnumInfo& DragModeInfo() {
  static const TEnumInfo info{"TDragMode", {"dmManual", "dmAutomatic"}};
  return info;
}

const TEnumInfo& DragKindInfo() {
  static const TEnumInfo info{"TDragKind", {"dkDrag", "dkDock"}};
  return info;
}

namespace {

POINT ToClient(const TControl* control, POINT screen) {
  const POINT origin = control->ClientOrigin();
  return {screen.x - origin.x, screen.y - origin.y};
}

// One drag from its press to its end.
struct DragRecord {
  DragRecord(TControl* source, int threshold, POINT start)
      : source(source), sourceAlive(source->LifeToken()), dock(source->DragKind() == dkDock),
        threshold(threshold), start(start), grab(ToClient(source, start)), last(start) {}

  TControl* source;
  std::weak_ptr<const void> sourceAlive;
  bool dock;
  int threshold;
  POINT start;  // screen coordinates
  POINT grab;   // where the source was picked up, in its own coordinates
  POINT last;
  bool started = false;
  std::unique_ptr<TDragObject> own;  // the drag object the framework made, if it did
  TDragObject* object = nullptr;
  TDragDockObject* dockObject = nullptr;
  TControl* target = nullptr;
  std::weak_ptr<const void> targetAlive;
  bool accepted = false;
  std::unique_ptr<TDockFrame> frame;  // while a dock drag has moved

  bool SourceGone() const { return sourceAlive.expired(); }
  TControl* LiveTarget() const { return targetAlive.expired() ? nullptr : target; }
  // What the targets' events receive as Source.
  TObject* SourceArgument() const {
    if (auto* carried = dynamic_cast<TDragControlObject*>(object)) return carried->Control();
    return object;
  }
};

// The framework control under a screen point: a windowless child where there is one.
TControl* ControlAt(POINT screen) {
  TWinControl* window = TWinControl::FindControl(WindowFromPoint(screen));
  if (!window) return nullptr;
  TControl* child = window->ControlAtPos(ToClient(window, screen));
  return child ? child : window;
}

// The shown dock sites in and under control, leaving out source and whatever is inside it.
void CollectDockSites(TWinControl* control, const TControl* source, std::vector<TWinControl*>& sites) {
  if (control == source) return;
  if (control->DockSite() && control->HandleAllocated() && IsWindowVisible(control->Handle()))
    sites.push_back(control);
  for (int i = 0; i < control->ControlCount(); ++i)
    if (auto* child = dynamic_cast<TWinControl*>(control->Controls(i))) CollectDockSites(child, source, sites);
}

// How far a point lies from a rectangle, squared; 0 inside it.
long long DistanceSquared(const RECT& r, POINT p) {
  const long long dx = p.x < r.left ? r.left - p.x : p.x >= r.right ? p.x - r.right + 1 : 0;
  const long long dy = p.y < r.top ? r.top - p.y : p.y >= r.bottom ? p.y - r.bottom + 1 : 0;
  return dx * dx + dy * dy;
}

// Orders the sites that would take a dock drag: the one whose window is nearest the pointer
// first; among sites the pointer is over, the one that holds the control under it (the
// window actually seen there), and of nested ones the innermost.
auto Nearness(TWinControl* site, POINT screen, const TControl* under) {
  RECT bounds;
  GetWindowRect(site->Handle(), &bounds);
  int depth = 0;
  for (const TControl* c = site; c; c = c->Parent()) ++depth;
  return std::make_tuple(DistanceSquared(bounds, screen), !(under && under->IsWithin(site)), -depth);
}

}  // namespace

// The drag in progress. It holds the mouse through a hidden window of its own, so it follows
// the pointer wherever it goes whatever becomes of the controls, and watches the message
// queue for Escape, which goes to whichever window has the focus.
class TDragSession : public TObject {
public:
  static TDragSession& Instance() {
    static TDragSession session;
    return session;
  }
  void Begin(TControl* source, bool immediate, int threshold, POINT start);
  void Drop(POINT screen);
  void Cancel();
  TControl* Source() const { return drag_ ? drag_->source : nullptr; }
  POINT Last() const { return drag_->last; }

private:
  void Receive(TMessage& message);
  void KeyHook(MSG& msg, bool& handled);
  TMessageHook Hook() { return TMessageHook::Of<&TDragSession::KeyHook>(this); }
  // False when the drag ended in the source's handler.
  bool Start();
  void MoveTo(POINT screen);
  // The control a drag at the point is over, or the dock site a dock drag would go to; the
  // dock sites' handlers may end the drag here.
  TControl* FindTarget(DragRecord& d, POINT screen);
  // False when the drag ended or lost its source (which ends it) in a handler.
  bool GoesOn(unsigned generation);
  static bool Ask(DragRecord& d, TControl* target, POINT screen, TDragState state);
  static void EndEvent(DragRecord& d, TControl* target, POINT screen);
  static void FinishDrag(DragRecord& d, POINT screen);
  static void FinishDock(DragRecord& d, POINT screen);
  // Takes the drag out of the session and lets go of the mouse; the events that end it then
  // run with no drag in progress, so they may start another.
  std::unique_ptr<DragRecord> Close();
  bool Current(unsigned generation) const { return drag_ && generation_ == generation; }

  std::unique_ptr<THiddenWindow> window_;
  std::unique_ptr<DragRecord> drag_;
  unsigned generation_ = 0;  // one more at every begin and end: a handler may end the drag
};

void TDragSession::Begin(TControl* source, bool immediate, int threshold, POINT start) {
  if (drag_ || !source) return;
  if (!window_) window_ = std::make_unique<THiddenWindow>(TWndMethod::Of<&TDragSession::Receive>(this));
  drag_ = std::make_unique<DragRecord>(source, threshold < 0 ? drag::SystemThreshold() : threshold, start);
  ++generation_;
  SetCapture(window_->Handle());
  Application()->AddMessageHook(Hook());
  if (immediate) {
    const unsigned generation = generation_;
    if (Start() && Current(generation)) MoveTo(start);
  }
}

std::unique_ptr<DragRecord> TDragSession::Close() {
  std::unique_ptr<DragRecord> d = std::move(drag_);
  d->frame.reset();
  ++generation_;
  Application()->RemoveMessageHook(Hook());
  if (GetCapture() == window_->Handle()) ReleaseCapture();
  return d;
}

void TDragSession::Receive(TMessage& message) {
  if (!drag_) {
    window_->Default(message);
    return;
  }
  POINT at = {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      ClientToScreen(window_->Handle(), &at);
      // Wine repeats the pointer's position when windows change under it (the dock frame
      // showing, say); a move to where the drag already is tells the targets nothing new.
      if (drag_->started && at.x == drag_->last.x && at.y == drag_->last.y) return;
      MoveTo(at);
      return;
    case WM_LBUTTONUP:
      ClientToScreen(window_->Handle(), &at);
      Drop(at);
      return;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(message.LParam) != window_->Handle()) Cancel();
      return;
  }
  window_->Default(message);
}

void TDragSession::KeyHook(MSG& msg, bool& handled) {
  if (!drag_ || msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return;
  handled = true;
  Cancel();
}

bool TDragSession::Start() {
  DragRecord& d = *drag_;
  const unsigned generation = generation_;
  d.started = true;
  TDragObject* given = nullptr;
  TDragDockObject* givenDock = nullptr;
  RunGuarded([&] {
    if (d.dock)
      d.source->DoStartDock(givenDock);
    else
      d.source->DoStartDrag(given);
  });
  if (!Current(generation)) return false;
  if (d.SourceGone()) {
    Close();
    return false;
  }
  if (d.dock) {
    if (!givenDock) d.own.reset(givenDock = new TDragDockObject(d.source));
    d.object = d.dockObject = givenDock;
  } else {
    if (!given) d.own.reset(given = new TDragControlObject(d.source));
    d.object = given;
  }
  return true;
}

TControl* TDragSession::FindTarget(DragRecord& d, POINT screen) {
  if (!d.dock) return ControlAt(screen);
  std::vector<TWinControl*> sites;
  for (int i = 0; i < Screen()->FormCount(); ++i) CollectDockSites(Screen()->Forms(i), d.source, sites);
  std::vector<std::pair<TWinControl*, std::weak_ptr<const void>>> willing;
  for (TWinControl* site : sites) willing.emplace_back(site, site->LifeToken());
  const unsigned generation = generation_;
  for (auto& [site, alive] : willing) {
    if (alive.expired()) continue;
    RECT influence;
    bool canDock = false;
    RunGuarded([&, site = site] { site->GetSiteInfo(d.source, influence, screen, canDock); });
    if (!Current(generation) || d.SourceGone()) return nullptr;
    if (!canDock || !PtInRect(&influence, screen)) alive.reset();
  }
  // Only now: a handler may have freed the control under the pointer.
  const TControl* under = ControlAt(screen);
  TWinControl* nearest = nullptr;
  for (auto& [site, alive] : willing)
    if (!alive.expired() && (!nearest || Nearness(site, screen, under) < Nearness(nearest, screen, under)))
      nearest = site;
  return nearest;
}

bool TDragSession::GoesOn(unsigned generation) {
  if (!Current(generation)) return false;
  if (!drag_->SourceGone()) return true;
  Close();
  return false;
}

bool TDragSession::Ask(DragRecord& d, TControl* target, POINT screen, TDragState state) {
  const POINT at = ToClient(target, screen);
  bool accept = d.dock;
  bool failed = true;  // a handler that raised an error takes nothing
  RunGuarded([&] {
    if (d.dock)
      static_cast<TWinControl*>(target)->DockOver(d.dockObject, at.x, at.y, state, accept);
    else
      target->DragOver(d.SourceArgument(), at.x, at.y, state, accept);
    failed = false;
  });
  return accept && !failed;
}

void TDragSession::MoveTo(POINT screen) {
  const unsigned generation = generation_;
  DragRecord& d = *drag_;
  d.last = screen;
  if (!d.started) {
    if (std::abs(screen.x - d.start.x) < d.threshold && std::abs(screen.y - d.start.y) < d.threshold) return;
    if (!Start()) return;
  }
  d.object->dragPos_ = screen;
  RECT floating = {0, 0, 0, 0};
  if (d.dockObject) {
    const int width = d.source->Width(), height = d.source->Height();
    const POINT corner = {screen.x - d.grab.x, screen.y - d.grab.y};
    floating = {corner.x, corner.y, corner.x + width, corner.y + height};
    d.dockObject->dockRect_ = floating;
  }
  TControl* target = FindTarget(d, screen);
  if (!GoesOn(generation)) return;
  TDragState state = dsDragMove;
  if (target != d.LiveTarget()) {
    if (TControl* left = d.LiveTarget()) {
      Ask(d, left, screen, dsDragLeave);
      // The handler may have freed the control it was leaving for.
      if (!GoesOn(generation)) return;
      target = FindTarget(d, screen);
      if (!GoesOn(generation)) return;
    }
    d.target = target;
    d.targetAlive = target ? target->LifeToken() : std::weak_ptr<const void>();
    state = dsDragEnter;
  }
  bool accepted = false;
  if (target) {
    accepted = Ask(d, target, screen, state);
    if (!GoesOn(generation)) return;
  }
  d.accepted = accepted && d.LiveTarget();
  ::SetCursor(Screen()->Cursors(d.accepted || d.dock ? d.source->DragCursor() : crNoDrop));
  if (!d.dockObject) return;
  if (d.accepted) d.dockObject->dockRect_ = static_cast<TWinControl*>(target)->DockRectFor(d.source, floating);
  if (!d.frame) d.frame = std::make_unique<TDockFrame>();
  d.frame->Show(d.dockObject->DockRect());
}

void TDragSession::Drop(POINT screen) {
  const unsigned generation = generation_;
  if (screen.x != drag_->last.x || screen.y != drag_->last.y) {
    MoveTo(screen);
    if (!Current(generation)) return;
  }
  std::unique_ptr<DragRecord> d = Close();
  if (!d->started) return;
  if (d->dock)
    FinishDock(*d, screen);
  else
    FinishDrag(*d, screen);
}

void TDragSession::Cancel() {
  std::unique_ptr<DragRecord> d = Close();
  if (!d->started) return;
  if (TControl* target = d->LiveTarget()) Ask(*d, target, d->last, dsDragLeave);
  if (!d->SourceGone()) EndEvent(*d, nullptr, d->last);
}

void TDragSession::EndEvent(DragRecord& d, TControl* target, POINT screen) {
  const POINT at = ToClient(target ? target : d.source, screen);
  RunGuarded([&] {
    if (d.dock)
      d.source->DoEndDock(target, at.x, at.y);
    else
      d.source->DoEndDrag(target, at.x, at.y);
  });
}

void TDragSession::FinishDrag(DragRecord& d, POINT screen) {
  TControl* target = d.LiveTarget();
  if (target && d.accepted) {
    const POINT at = ToClient(target, screen);
    RunGuarded([&] { target->DragDrop(d.SourceArgument(), at.x, at.y); });
  } else if (target) {
    Ask(d, target, screen, dsDragLeave);
    target = nullptr;
  }
  if (!d.SourceGone()) EndEvent(d, target ? d.LiveTarget() : nullptr, screen);
}

void TDragSession::FinishDock(DragRecord& d, POINT screen) {
  auto* site = static_cast<TWinControl*>(d.LiveTarget());
  const RECT place = d.dockObject->DockRect();
  TControl* landed = nullptr;
  if (site && d.accepted) {
    const auto siteAlive = site->LifeToken();
    if (d.source->DockTo(site, *d.dockObject, ToClient(site, {place.left, place.top}),
                         ToClient(site, screen)) &&
        !siteAlive.expired())
      landed = site;
  } else {
    // Dropped where no site takes it, the control floats there.
    if (site) Ask(d, site, screen, dsDragLeave);
    if (!d.SourceGone() && d.source->ManualFloat(place)) landed = d.source->Parent();
  }
  if (!d.SourceGone()) EndEvent(d, landed, screen);
}

namespace drag {

void Begin(TControl* source, bool immediate, int threshold, POINT start) {
  TDragSession::Instance().Begin(source, immediate, threshold, start);
}

void End(TControl* source, bool drop) {
  TDragSession& session = TDragSession::Instance();
  if (!source || session.Source() != source) return;
  if (drop)
    session.Drop(session.Last());
  else
    session.Cancel();
}

bool IsSource(const TControl* control) { return control && TDragSession::Instance().Source() == control; }

int SystemThreshold() { return GetSystemMetrics(SM_CXDRAG); }

}  // namespace drag

}  // namespace tmv
