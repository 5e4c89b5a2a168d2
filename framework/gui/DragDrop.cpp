#include "framework/gui/DragDrop.h"

#include <windowsx.h>

#include <cstdlib>
#include <memory>

#include "framework/gui/Controls.h"
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
  TControl* FindTarget(const DragRecord& d, POINT screen) const;
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

TControl* TDragSession::FindTarget(const DragRecord& d, POINT screen) const {
  TControl* under = ControlAt(screen);
  if (!d.dock) return under;
  // The nearest dock site holding the point, outside the docked control itself.
  TWinControl* site = under ? dynamic_cast<TWinControl*>(under) : nullptr;
  if (under && !site) site = under->Parent();
  for (TWinControl* w = site; w; w = w->Parent())
    if (w == d.source) site = w->Parent();
  while (site && !site->DockSite()) site = site->Parent();
  return site;
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
  if (d.dockObject) {
    const int width = d.source->Width(), height = d.source->Height();
    const POINT corner = {screen.x - d.grab.x, screen.y - d.grab.y};
    d.dockObject->dockRect_ = {corner.x, corner.y, corner.x + width, corner.y + height};
  }
  TControl* target = FindTarget(d, screen);
  TDragState state = dsDragMove;
  if (target != d.LiveTarget()) {
    if (TControl* left = d.LiveTarget()) {
      Ask(d, left, screen, dsDragLeave);
      if (!Current(generation)) return;
      // The handler may have freed the control it was leaving for.
      target = FindTarget(d, screen);
    }
    d.target = target;
    d.targetAlive = target ? target->LifeToken() : std::weak_ptr<const void>();
    state = dsDragEnter;
  }
  bool accepted = false;
  if (target && !d.SourceGone()) {
    accepted = Ask(d, target, screen, state);
    if (!Current(generation)) return;
  }
  if (d.SourceGone()) {
    Close();
    return;
  }
  d.accepted = accepted && d.LiveTarget();
  ::SetCursor(Screen()->Cursors(d.accepted || d.dock ? d.source->DragCursor() : crNoDrop));
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
