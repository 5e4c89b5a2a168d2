#pragma once
// Dragging controls onto one another and docking them into other controls: the settings, the
// objects that stand for a drag and the events the controls taking part receive.
#include <windows.h>

#include "framework/core/ClassInfo.h"
#include "framework/core/Component.h"
#include "framework/core/Method.h"

namespace tmv {

class TControl;
class TWinControl;

// dmAutomatic: a left press on the control starts dragging it (once the pointer has moved the
// system's drag distance); dmManual: only BeginDrag does.
enum TDragMode { dmManual, dmAutomatic };
// dkDrag drops the control's drag onto another control's OnDragDrop; dkDock moves the
// control itself into a dock site, or, dropped where no site takes it, into a floating tool
// window of its own (so a dock drag shows DragCursor wherever it is).
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

const TEnumInfo& DragModeInfo();
const TEnumInfo& DragKindInfo();

// What is being dragged. A handler of OnStartDrag may give one of its own (it must then live
// until OnEndDrag); otherwise the framework makes one for the control and frees it at the end.
class TDragObject : public TObject {
public:
  // Where the pointer is, in screen coordinates.
  POINT DragPos() const { return dragPos_; }

private:
  friend class TDragSession;
  POINT dragPos_ = {0, 0};
};

// A drag that carries a control: the events receive the control itself as their Source.
class TDragControlObject : public TDragObject {
public:
  explicit TDragControlObject(TControl* control) : control_(control) {}
  TControl* Control() const { return control_; }

private:
  TControl* control_;
};

// A control being docked.
class TDragDockObject : public TDragControlObject {
public:
  using TDragControlObject::TDragControlObject;
  // Where the control would go if dropped now, in screen coordinates: over a site that accepts
  // it, the place the site gives it; elsewhere its size, placed so that the point it was
  // picked up by stays under the pointer. Sites asked while it moves see the second.
  RECT DockRect() const { return dockRect_; }

private:
  friend class TDragSession;
  RECT dockRect_ = {0, 0, 0, 0};
};

// Source is the dragged control, or the drag object an OnStartDrag handler gave.
using TStartDragEvent = TMethod<TObject*, TDragObject*&>;
using TDragOverEvent = TMethod<TObject*, TObject*, int, int, TDragState, bool&>;
using TDragDropEvent = TMethod<TObject*, TObject*, int, int>;
// Target is the control that took the drop (or the dock site or floating window the control
// went to), null when the drag was cancelled or refused.
using TEndDragEvent = TMethod<TObject*, TObject*, int, int>;
using TStartDockEvent = TMethod<TObject*, TDragDockObject*&>;
using TDockOverEvent = TMethod<TObject*, TDragDockObject*, int, int, TDragState, bool&>;
using TDockDropEvent = TMethod<TObject*, TDragDockObject*, int, int>;
// Asks a dock site for the screen rectangle within which the pointer (MousePos, screen
// coordinates) brings DockClient to it, and whether it takes that client at all.
using TGetSiteInfoEvent = TMethod<TObject*, TControl*, RECT&, POINT, bool&>;
// Asks the site a control is leaving (for NewTarget, null when it is to float) whether it may go.
using TUnDockEvent = TMethod<TObject*, TControl*, TWinControl*, bool&>;

// The drag in progress, of which there is at most one. Its source and targets are watched
// through their life tokens: a control freed during the drag is never called again, and a
// drag whose source is freed ends without further events.
namespace drag {

// Starts dragging source; with immediate false the drag begins once the pointer is threshold
// pixels away from start (screen coordinates) in either direction, and a release before that
// ends it without any event. Nothing happens while another drag is in progress.
void Begin(TControl* source, bool immediate, int threshold, POINT start);
// Ends the drag of source: dropped where the pointer is now, or cancelled.
void End(TControl* source, bool drop);
bool IsSource(const TControl* control);
// The system's drag distance, for a threshold of -1.
int SystemThreshold();

}  // namespace drag

}  // namespace tmv
