#include "skin/imaging/SPUtilsParentBackground.h"

#include "framework/gui/Forms.h"

namespace tmv {

namespace {

// A windowless control painting itself reaches this again through its parent's paint.
class PaintingFor {
public:
  explicit PaintingFor(const TControl* control) : previous_(current_) { current_ = control; }
  ~PaintingFor() { current_ = previous_; }
  PaintingFor(const PaintingFor&) = delete;
  PaintingFor& operator=(const PaintingFor&) = delete;
  static bool Busy(const TControl* control) { return current_ == control; }

private:
  const TControl* previous_;
  static thread_local const TControl* current_;
};
thread_local const TControl* PaintingFor::current_ = nullptr;

WPARAM AsParam(HDC dc) { return reinterpret_cast<WPARAM>(dc); }

bool Overlap(const RECT& a, const RECT& b) {
  RECT r;
  return IntersectRect(&r, &a, &b) != 0;
}

// Paints one control at (dx, dy) of the canvas, clipped to its bounds; windowed ones bring
// their overlapping windowed children along. `area` is the region of interest in the
// control's parent's coordinates.
void PaintControlAt(TControl& c, TCanvas& canvas, int dx, int dy, const RECT& area) {
  HDC dc = canvas.Handle();
  SavedDC saved(dc);
  OffsetViewportOrgEx(dc, dx, dy, nullptr);
  IntersectClipRect(dc, 0, 0, c.Width(), c.Height());
  auto* windowed = dynamic_cast<TWinControl*>(&c);
  if (!windowed) {
    c.Paint(canvas);
    return;
  }
  windowed->Perform(WM_PRINTCLIENT, AsParam(dc), PRF_ERASEBKGND | PRF_CLIENT);
  const RECT inner{area.left - c.Left(), area.top - c.Top(), area.right - c.Left(),
                   area.bottom - c.Top()};
  for (int i = 0; i < windowed->ControlCount(); ++i) {
    TControl* child = windowed->Controls(i);
    if (!dynamic_cast<TWinControl*>(child) || !child->Visible()) continue;
    if (!Overlap(child->BoundsRect(), inner)) continue;
    PaintControlAt(*child, canvas, child->Left(), child->Top(), inner);
  }
}

}  // namespace

void PaintParentBackground(TControl& control, TCanvas& canvas, TParentBackgroundStyle style) {
  TWinControl* parent = control.Parent();
  HDC dc = canvas.Handle();
  if (!parent || !dc || PaintingFor::Busy(&control)) return;
  PaintingFor guard(&control);
  const bool parentIsForm = dynamic_cast<TCustomForm*>(parent) != nullptr;
  {
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
    const RECT client = parent->ClientRect();
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    if (style == TParentBackgroundStyle::Standard) {
      if (parentIsForm) {
        SendMessageA(parent->Handle(), WM_ERASEBKGND, AsParam(dc), 0);
      } else {
        parent->Perform(WM_ERASEBKGND, AsParam(dc));
        parent->Perform(WM_PRINTCLIENT, AsParam(dc), PRF_CLIENT);
      }
    } else {
      if (!parentIsForm) parent->Perform(WM_PRINTCLIENT, AsParam(dc), PRF_CLIENT);
      SendMessageA(parent->Handle(), WM_ERASEBKGND, AsParam(dc), 0);
    }
  }
  // The parent's face brought its windowless children along; the windowed siblings below the
  // control have windows of their own and are drawn here.
  if (style == TParentBackgroundStyle::CheckBox) return;
  const RECT self = control.BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (sibling == &control) break;
    if (!dynamic_cast<TWinControl*>(sibling) || !sibling->Visible() || !Overlap(sibling->BoundsRect(), self))
      continue;
    PaintControlAt(*sibling, canvas, sibling->Left() - control.Left(),
                   sibling->Top() - control.Top(), self);
  }
}

}  // namespace tmv
