#include "framework/gui/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <climits>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Menus.h"
#include "framework/core/ListWalk.h"

namespace tmv {

namespace {

// Child-window IDs are unique among the windows of the program that live at one time, so a
// parent can find the child a notification carrying only an ID (WM_MEASUREITEM) is about.
int NextChildID() {
  static int last = 0;
  last = last % 0xFFFF + 1;
  return last;
}

// Points a canvas at a DC for one paint and away from it again, also when the paint throws.
class CanvasOnDC {
public:
  CanvasOnDC(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
  ~CanvasOnDC() { canvas_.SetHandle(nullptr); }
  CanvasOnDC(const CanvasOnDC&) = delete;
  CanvasOnDC& operator=(const CanvasOnDC&) = delete;

private:
  TCanvas& canvas_;
};
// The window the mouse was last seen coming into. The system tracks one window per thread
// for leaving, so a window that starts tracking takes the report from the one before.
TWinControl* mouseWindow = nullptr;

}  // namespace

namespace {

// name = crHandPoint or a number, as registered in the screen's cursor table.
TPropInfo CursorPropertyOf(const char* name, const char* defaultIdent, void (TControl::*setter)(TCursor)) {
  return {name, TPropKind::Integer, defaultIdent,
          [n = std::string(name), setter](TObject& o, const TPropValue& v, TReadContext& ctx) {
            TCursor cursor = crDefault;
            if (v.kind == TPropValue::vkIdent) {
              if (!IdentToCursor(v.Str, cursor)) ctx.Fail("unknown cursor " + v.Str, v.Line);
            } else {
              cursor = static_cast<TCursor>(detail::IntegerIn(ctx, n, v, INT_MIN, INT_MAX));
            }
            (static_cast<TControl&>(o).*setter)(cursor);
          },
          nullptr};
}

}  // namespace

TPropInfo CursorProperty(const char* defaultIdent) {
  return CursorPropertyOf("Cursor", defaultIdent, &TControl::SetCursor);
}

namespace {

// Shift+F10 and the menu key ask for the focused control's context menu.
bool IsContextMenuKey(const TMessage& key) {
  if (key.Msg == WM_KEYUP) return key.WParam == VK_APPS;
  return (key.Msg == WM_KEYDOWN || key.Msg == WM_SYSKEYDOWN) && key.WParam == VK_F10 &&
         (KeyboardShiftState() & ssShift);
}

}  // namespace

namespace {

POINT MessagePoint(const TMessage& message) {
  return {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
}

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEMOVE && msg <= WM_MBUTTONDBLCLK; }

}  // namespace

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

// ---------------------------------------------------------------------------------------
// TControl

const TClassInfo& TControl::StaticClassInfo() {
  static const TClassInfo info(
      "TControl", &TComponent::StaticClassInfo(), nullptr,
      {prop::Integer<&TControl::SetLeft>("Left"), prop::Integer<&TControl::SetTop>("Top"),
       prop::Integer<&TControl::SetWidth>("Width"), prop::Integer<&TControl::SetHeight>("Height"),
       prop::Enum<&TControl::SetAlign>("Align", AlignInfo()),
       prop::Object<&TControl::Constraints>("Constraints"),
       prop::Boolean<&TControl::SetVisible>("Visible", true),
       prop::Boolean<&TControl::SetEnabled>("Enabled", true),
       prop::String<&TControl::SetCaption>("Caption"), prop::String<&TControl::SetHint>("Hint"),
       prop::Boolean<&TControl::SetShowHint>("ShowHint"),
       prop::Boolean<&TControl::SetParentShowHint>("ParentShowHint", true),
       prop::Object<&TControl::Font>("Font"),
       prop::Boolean<&TControl::SetParentFont>("ParentFont", true),
       prop::Color<&TControl::SetColor>("Color", "clBtnFace"),
       CursorProperty("crDefault"),
       prop::Reference<&TControl::SetPopupMenu>("PopupMenu"),
       prop::Event<&TControl::SetOnClick>("OnClick"),
       prop::Event<&TControl::SetOnDblClick>("OnDblClick"),
       prop::Event<&TControl::SetOnMouseDown>("OnMouseDown"),
       prop::Event<&TControl::SetOnMouseMove>("OnMouseMove"),
       prop::Event<&TControl::SetOnMouseUp>("OnMouseUp"),
       prop::Event<&TControl::SetOnMouseEnter>("OnMouseEnter"),
       prop::Event<&TControl::SetOnMouseLeave>("OnMouseLeave"),
       CursorPropertyOf("DragCursor", "crDrag", &TControl::SetDragCursor),
       prop::Enum<&TControl::SetDragKind>("DragKind", DragKindInfo()),
       prop::Enum<&TControl::SetDragMode>("DragMode", DragModeInfo()),
       prop::Event<&TControl::SetOnDragDrop>("OnDragDrop"),
       prop::Event<&TControl::SetOnDragOver>("OnDragOver"),
       prop::Event<&TControl::SetOnEndDock>("OnEndDock"),
       prop::Event<&TControl::SetOnEndDrag>("OnEndDrag"),
       prop::Event<&TControl::SetOnStartDock>("OnStartDock"),
       prop::Event<&TControl::SetOnStartDrag>("OnStartDrag")});
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOnChange(TNotifyEvent::Of<&TControl::FontChange>(this));
  constraints_.SetOnChange(TNotifyEvent::Of<&TControl::ConstraintsChange>(this));
  windowProc_ = DefaultWindowProc();
}

TControl::~TControl() {
  Destroying();
  if (parent_) parent_->RemoveControl(this);
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (popupMenu_) popupMenu_->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

TWndMethod TControl::DefaultWindowProc() { return TWndMethod::Of<&TControl::WndProc>(this); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  auto* p = dynamic_cast<TWinControl*>(parent);
  if (!p) return;
  if (!(p->ControlStyle() & csAcceptsControls))
    throw EInvalidOperation(Format("Control '%s' cannot hold control '%s'", p->Name().c_str(), Name().c_str()));
  SetParent(p);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  constraints_.Constrain(width, height);
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  // A windowless control's old place must be repainted by its parent.
  if (!dynamic_cast<TWinControl*>(this)) Invalidate();
  left_ = left, top_ = top, width_ = width, height_ = height;
  BoundsChanged();
  RequestAlign();
}

void TControl::ConstraintsChange(TObject*) { SetBounds(left_, top_, width_, height_); }

RECT TControl::ClientRect() { return {0, 0, width_, height_}; }

void TControl::BoundsChanged() { Invalidate(); }

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_ && !IsLoading()) parent_->Realign();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  VisibleChanged();
  if (align_ != alNone) RequestAlign();
}

void TControl::VisibleChanged() { Invalidate(); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(CM_TEXTCHANGED);
}

bool TControl::ShowHint() const {
  if (parentShowHint_ && parent_) return parent_->ShowHint();
  return showHint_;
}

void TControl::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!parent_) return;
  takingParentFont_ = true;
  font_.Assign(*parent_->Font());
  takingParentFont_ = false;
}

void TControl::FontChange(TObject*) {
  if (!takingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TControl::Click() { onClick_(this); }

void TControl::DblClick() { onDblClick_(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  onMouseDown_(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { onMouseMove_(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  onMouseUp_(this, button, shift, x, y);
}

bool TControl::MouseCapture() const {
  if (auto* self = dynamic_cast<const TWinControl*>(this))
    return self->attachment_.Handle() && GetCapture() == self->attachment_.Handle() && !self->captureControl_;
  return parent_ && parent_->captureControl_ == this && parent_->attachment_.Handle() && GetCapture() == parent_->attachment_.Handle();
}

void TControl::SetMouseCapture(bool capture) {
  auto* self = dynamic_cast<TWinControl*>(this);
  TWinControl* window = self ? self : parent_;
  if (!window || !window->HandleAllocated()) return;
  if (capture) {
    if (!self) window->captureControl_ = this;
    SetCapture(window->Handle());
  } else if (MouseCapture()) {
    window->captureControl_ = nullptr;
    ReleaseCapture();
  }
}

void TControl::SendCancelMode() {
  if (TCustomForm* form = GetParentForm(this)) form->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::HandleMouseMessage(TMessage& message) {
  // A windowed control's own window procedure has its say first (a system button presses,
  // a list selects), then the framework's events follow.
  DefaultHandler(message);
  const POINT at = MessagePoint(message);
  const TShiftState shift = MouseShiftState(message.WParam);
  switch (message.Msg) {
    case WM_MOUSEMOVE:
      MouseMove(shift, at.x, at.y);
      break;
    case WM_LBUTTONDOWN:
      ButtonPressed(mbLeft, shift, at, false);
      break;
    case WM_RBUTTONDOWN:
      ButtonPressed(mbRight, shift, at, false);
      break;
    case WM_MBUTTONDOWN:
      ButtonPressed(mbMiddle, shift, at, false);
      break;
    case WM_LBUTTONDBLCLK:
      ButtonPressed(mbLeft, shift, at, true);
      break;
    case WM_RBUTTONDBLCLK:
      ButtonPressed(mbRight, shift, at, true);
      break;
    case WM_MBUTTONDBLCLK:
      ButtonPressed(mbMiddle, shift, at, true);
      break;
    case WM_LBUTTONUP:
      ButtonReleased(mbLeft, shift, at);
      break;
    case WM_RBUTTONUP:
      ButtonReleased(mbRight, shift, at);
      break;
    case WM_MBUTTONUP:
      ButtonReleased(mbMiddle, shift, at);
      break;
  }
}

void TControl::ButtonPressed(TMouseButton button, TShiftState shift, POINT at, bool doubleClick) {
  // Without csDoubleClicks a quick second press is one more press, so no click is lost.
  doubleClick = doubleClick && (controlStyle_ & csDoubleClicks);
  SendCancelMode();
  if (button == mbLeft) {
    if (controlStyle_ & csCaptureMouse) SetMouseCapture(true);
    clicked_ = !doubleClick && (controlStyle_ & csClickEvents);
    if (doubleClick) DblClick();
  }
  MouseDown(button, doubleClick ? shift | ssDouble : shift, at.x, at.y);
}

void TControl::ButtonReleased(TMouseButton button, TShiftState shift, POINT at) {
  if (button == mbLeft) {
    if (controlStyle_ & csCaptureMouse) SetMouseCapture(false);
    // Released away from the control, the press is no click.
    RECT r = ClientRect();
    if (std::exchange(clicked_, false) && PtInRect(&r, at)) Click();
  }
  MouseUp(button, shift, at.x, at.y);
}

void TControl::BeginDrag(bool immediate, int threshold) {
  POINT at;
  GetCursorPos(&at);
  drag::Begin(this, immediate, threshold, at);
}

void TControl::EndDrag(bool drop) { drag::End(this, drop); }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = onDragOver_.Assigned();
  onDragOver_(this, source, x, y, state, accept);
}

POINT TControl::ClientOrigin() const {
  POINT origin = {0, 0};
  if (auto* self = dynamic_cast<const TWinControl*>(this)) {
    if (self->attachment_.Handle()) ::ClientToScreen(self->attachment_.Handle(), &origin);
    return origin;
  }
  if (parent_) origin = parent_->ClientOrigin();
  return {origin.x + left_, origin.y + top_};
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m = {msg, wParam, lParam, 0};
  Dispatch(m);
  return m.Result;
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      CaptionChanged();
      return;
    case CM_ENABLEDCHANGED:
      EnabledChanged();
      return;
    case CM_FONTCHANGED:
      FontChanged();
      return;
    case CM_COLORCHANGED:
      ColorChanged();
      return;
    case CM_PARENTFONTCHANGED:
      if (parentFont_) TakeParentFont();
      return;
    case CM_PARENTCOLORCHANGED:
      return;
  }
  if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && dragMode_ == dmAutomatic &&
      !IsDesigning()) {
    // The press belongs to the drag: no mouse events, no click.
    SendCancelMode();
    const POINT origin = ClientOrigin(), at = MessagePoint(message);
    drag::Begin(this, false, -1, {origin.x + at.x, origin.y + at.y});
    return;
  }
  if (IsMouseMessage(message.Msg)) {
    HandleMouseMessage(message);
    return;
  }
  DefaultHandler(message);
  if (message.Msg == CM_MOUSEENTER) onMouseEnter_(this);
  if (message.Msg == CM_MOUSELEAVE) onMouseLeave_(this);
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, !(controlStyle_ & csOpaque));
  }
}

void TControl::Repaint() {
  Invalidate();
  if (parent_ && parent_->HandleAllocated()) UpdateWindow(parent_->Handle());
}

void TControl::Loaded() {
  TComponent::Loaded();
  if (parentFont_) TakeParentFont();
  RequestAlign();
}

// ---------------------------------------------------------------------------------------
// TWinControl

const TClassInfo& TWinControl::StaticClassInfo() {
  static const TClassInfo info("TWinControl", &TControl::StaticClassInfo(), nullptr,
                               {prop::Boolean<&TWinControl::SetTabStop>("TabStop"),
                                prop::Integer<&TWinControl::SetTabOrder>("TabOrder", -1),
                                prop::Event<&TWinControl::SetOnEnter>("OnEnter"),
                                prop::Event<&TWinControl::SetOnExit>("OnExit"),
                                prop::Event<&TWinControl::SetOnKeyDown>("OnKeyDown"),
                                prop::Event<&TWinControl::SetOnKeyPress>("OnKeyPress"),
                                prop::Event<&TWinControl::SetOnKeyUp>("OnKeyUp"),
                                prop::Boolean<&TWinControl::SetDockSite>("DockSite"),
                                prop::Event<&TWinControl::SetOnDockDrop>("OnDockDrop"),
                                prop::Event<&TWinControl::SetOnDockOver>("OnDockOver"),
                                prop::Event<&TWinControl::SetOnGetSiteInfo>("OnGetSiteInfo"),
                                prop::Event<&TWinControl::SetOnUnDock>("OnUnDock")});
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() { DestroyContents(); }

void TWinControl::DestroyContents() {
  if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(this);
  Destroying();
  DestroyComponents();
  DestroyHandle();
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return dynamic_cast<TWinControl*>(TWindowAttachment::ReceiverOf(window).Data());
}

TWinControl* TWinControl::FindControl(HWND window) {
  for (HWND w = window; w; w = GetParent(w))
    if (TWinControl* control = FromHandle(w)) return control;
  return nullptr;
}

HWND TWinControl::Handle() {
  if (!HandleAllocated()) CreateWnd();
  return attachment_.Handle();
}

void TWinControl::Dispatch(TMessage& message) { hooks_.Dispatch(message, WindowProc()); }

void TWinControl::AddWindowHook(TWindowHook hook) {
  hooks_.Add(hook);
  if (auto* hooker = dynamic_cast<TComponent*>(hook.Data())) FreeNotification(hooker);
}

void TWinControl::RemoveWindowHook(TWindowHook hook) { hooks_.Remove(hook); }

void TWinControl::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove) hooks_.RemoveObject(component);
}

bool TWinControl::ParentHandleAllocated() const { return Parent() && Parent()->HandleAllocated(); }

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = Caption();
  params.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | (Visible() ? WS_VISIBLE : 0) |
                 (Enabled() ? 0 : WS_DISABLED) | (tabStop_ ? WS_TABSTOP : 0);
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (!Parent() && !parentWindow_)
    throw EInvalidOperation(Format("Control '%s' has no parent window", Name().c_str()));
  params.WndParent = Parent() ? Parent()->Handle() : parentWindow_;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  // Making the parent's window makes this one too.
  if (HandleAllocated()) return;
  if (acceptFiles_) params.ExStyle |= WS_EX_ACCEPTFILES;
  if (!id_) id_ = NextChildID();
  attachment_.Create(params, id_);
  SendMessageA(attachment_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  InitializeWnd();
  ForEachListed(controls_, [](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->HandleAllocated()) w->CreateWnd();
  });
  Realign();
}

void TWinControl::DestroyHandle() {
  if (mouseWindow == this) mouseWindow = nullptr;
  mouseInside_ = false;
  HWND window = attachment_.Handle();
  if (!window) return;
  ForEachListed(controls_, [](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  });
  SaveWndState();
  // DragAcceptFiles sets this on the window; a window made again must accept drops too.
  acceptFiles_ = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0;
  attachment_.Destroy();
}

void TWinControl::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  CreateWnd();
}

void TWinControl::DefaultHandler(TMessage& message) { attachment_.Default(message); }

TWinControl* TWinControl::ChildWithID(int id) const {
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->id_ == id) return w;
  return nullptr;
}

bool TWinControl::ReflectToChild(TMessage& message) {
  TWinControl* control = nullptr;
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
      control = FromHandle(reinterpret_cast<HWND>(message.LParam));
      break;
    case WM_NOTIFY:
      control = FromHandle(reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom);
      break;
    case WM_DRAWITEM:
      control = FromHandle(reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem);
      break;
    case WM_MEASUREITEM: {
      // Asked while the child's window is being made, before it can be found by its handle.
      const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType != ODT_MENU) control = ChildWithID(static_cast<int>(item->CtlID));
      break;
    }
  }
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

// Mouse messages over a windowless child (or while one holds the mouse) are the child's,
// in its own coordinates.
bool TWinControl::RouteMouseToChild(TMessage& message) {
  const POINT at = MessagePoint(message);
  if (captureControl_ && GetCapture() != attachment_.Handle()) captureControl_ = nullptr;
  TControl* target = captureControl_ ? captureControl_ : ControlAtPos(at);
  if (!target) return false;
  TMessage routed = message;
  routed.LParam = MAKELPARAM(at.x - target->Left(), at.y - target->Top());
  routed.Result = 0;
  target->WindowProc()(routed);
  message.Result = routed.Result;
  return true;
}

bool TWinControl::SetCursorOfControl() {
  POINT at;
  GetCursorPos(&at);
  ScreenToClient(attachment_.Handle(), &at);
  TControl* c = captureControl_ ? captureControl_ : ControlAtPos(at);
  if (!c) c = this;
  if (c->Cursor() == crDefault) return false;
  ::SetCursor(Screen()->Cursors(c->Cursor()));
  return true;
}

void TWinControl::TrackMouse(const TMessage& message) {
  // A mouse leaving the window is reported only while tracked; a system control tracking the
  // mouse for itself shares the one report. Hover tracking keeps a timer watching the
  // cursor, so a leave is seen even when no mouse message comes from where it went.
  if (!mouseInside_) {
    if (mouseWindow && mouseWindow != this) mouseWindow->MouseLeft();
    mouseWindow = this;
    mouseInside_ = true;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_HOVER, attachment_.Handle(), HOVER_DEFAULT};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER);
  }
  TControl* child = ControlAtPos(MessagePoint(message));
  if (child == mouseControl_) return;
  if (TControl* left = std::exchange(mouseControl_, child)) left->Perform(CM_MOUSELEAVE);
  if (child) child->Perform(CM_MOUSEENTER);
}

void TWinControl::MouseLeft() {
  if (!mouseInside_) return;
  mouseInside_ = false;
  if (mouseWindow == this) mouseWindow = nullptr;
  if (TControl* child = std::exchange(mouseControl_, nullptr)) child->Perform(CM_MOUSELEAVE);
  Perform(CM_MOUSELEAVE);
}

TControl* TWinControl::ControlAtPos(POINT point) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || !c->Enabled()) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, point)) return c;
  }
  return nullptr;
}

void TWinControl::WndProc(TMessage& message) {
  const bool ownClass = attachment_.OwnClass();
  switch (message.Msg) {
    case WM_PAINT:
      if (ownClass) {
        PaintDC paint(attachment_.Handle());
        PaintTo(paint.Get(), paint.Area());
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (ownClass) {
        // Erased through the hooks, which may draw the background themselves.
        if (message.LParam & PRF_ERASEBKGND) Perform(WM_ERASEBKGND, message.WParam);
        PaintTo(reinterpret_cast<HDC>(message.WParam), ClientRect());
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (ownClass) {
        EraseBackground(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSCROLLBAR:
      if (ReflectToChild(message)) return;
      break;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORSCROLLBAR: {
      // A system control asks for its colours: this control's font colour and Color.
      HDC dc = reinterpret_cast<HDC>(message.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      colorBrush_.SetColor(Color());
      message.Result = reinterpret_cast<LRESULT>(colorBrush_.Handle());
      return;
    }
    case WM_SETCURSOR:
      if (LOWORD(message.LParam) == HTCLIENT && reinterpret_cast<HWND>(message.WParam) == attachment_.Handle() &&
          SetCursorOfControl()) {
        message.Result = TRUE;
        return;
      }
      break;
    case WM_MOUSEMOVE:
      if (!ownClass) {
        // A system control may ask for tracking of its own, without the cursor timer; asking
        // after it keeps the timer in force.
        TControl::WndProc(message);
        TrackMouse(message);
        return;
      }
      TrackMouse(message);
      if (RouteMouseToChild(message)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      if (RouteMouseToChild(message)) return;
      break;
    case WM_CAPTURECHANGED:
      captureControl_ = nullptr;
      break;
    case WM_MOUSELEAVE:
      MouseLeft();
      break;
    case WM_SETFOCUS:
      DefaultHandler(message);
      if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR: {
      // A key handler may free the control (closing what it belongs to, say).
      const std::weak_ptr<const void> alive = LifeToken();
      if (HandleKeyMessage(message) || alive.expired()) return;
      if (IsContextMenuKey(message)) {
        Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Handle()), -1);
        return;
      }
      break;
    }
    case WM_CONTEXTMENU:
      if (ShowContextMenu(message)) return;
      break;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      message.Result = Broadcast(message, true) ? 1 : 0;
      return;
    case CM_FOCUSCHANGED:
      Broadcast(message, false);
      return;
    case WM_WINDOWPOSCHANGING: {
      // Sizes the system imposes (a frame dragged by the user) keep the constraints too.
      auto* pos = reinterpret_cast<WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOSIZE)) Constraints()->Constrain(pos->cx, pos->cy);
      break;
    }
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (!(pos->flags & SWP_NOMOVE)) left_ = pos->x, top_ = pos->y;
      if (!(pos->flags & SWP_NOSIZE)) width_ = pos->cx, height_ = pos->cy;
      break;
    }
    case WM_SIZE:
      DefaultHandler(message);
      Realign();
      return;
  }
  // A notification handed back that the control has no use for stays away from the
  // system's window procedure, which would not know the message.
  if (message.Msg >= CN_BASE && message.Msg <= CN_LAST) {
    message.Result = 0;
    return;
  }
  TControl::WndProc(message);
}

bool TWinControl::ShowContextMenu(TMessage& message) {
  TControl* target = this;
  POINT at;
  if (message.LParam == -1) {
    // From the keyboard: at the control's top-left corner.
    at = {0, 0};
    ClientToScreen(Handle(), &at);
  } else {
    at = {GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    POINT client = at;
    ScreenToClient(Handle(), &client);
    TControl* child = ControlAtPos(client);
    if (child && child->PopupMenu()) target = child;
  }
  TPopupMenu* menu = target->PopupMenu();
  if (!menu || !menu->AutoPopup()) return false;
  menu->SetPopupComponent(target);
  menu->Popup(at.x, at.y);
  message.Result = 1;
  return true;
}

// True when the control's key handling swallowed the key.
bool TWinControl::HandleKeyMessage(TMessage& message) {
  if (message.Msg == WM_CHAR) {
    char key = static_cast<char>(message.WParam);
    KeyPress(key);
    if (key == 0) return true;
    message.WParam = static_cast<unsigned char>(key);
    return false;
  }
  WORD key = static_cast<WORD>(message.WParam);
  if (message.Msg == WM_KEYDOWN || message.Msg == WM_SYSKEYDOWN)
    KeyDown(key, KeyboardShiftState());
  else
    KeyUp(key, KeyboardShiftState());
  if (key == 0) return true;
  message.WParam = key;
  return false;
}

bool TWinControl::Broadcast(TMessage& message, bool untilAnswered) {
  // A handler may add or remove controls; the ones present at the start are asked.
  const std::vector<TControl*> controls = controls_;
  for (TControl* c : controls) {
    if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
    message.Result = 0;
    c->WindowProc()(message);
    if (untilAnswered && message.Result != 0) return true;
  }
  return false;
}

void TWinControl::EraseBackground(HDC dc) {
  TCanvas canvas(dc, false);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(ClientRect());
}

void TWinControl::PaintTo(HDC dc, const RECT& area) {
  RunGuarded([&] {
    SavedDC saved(dc);
    TCanvas canvas(dc, false);
    PaintWindow(canvas);
  });
  ForEachListed(controls_, [&](TControl* c) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) return;
    RECT r = c->BoundsRect();
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &area)) return;
    SavedDC saved(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    // A canvas of its own: what the parent or a sibling left in theirs is no concern of it.
    TCanvas childCanvas(dc, false);
    RunGuarded([&] { c->Paint(childCanvas); });
  });
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
  if (control->parentFont_) control->TakeParentFont();
  auto* w = dynamic_cast<TWinControl*>(control);
  if (w && attachment_.Handle() && !w->attachment_.Handle()) w->CreateWnd();
  control->RequestAlign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(control)) {
    if (TCustomForm* form = GetParentForm(this)) form->DefocusControl(w);
    w->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
  }
  controls_.erase(it);
  if (captureControl_ == control) captureControl_ = nullptr;
  if (mouseControl_ == control) mouseControl_ = nullptr;
  control->parent_ = nullptr;
  if (control->Align() != alNone) Realign();
}

RECT TWinControl::ClientRect() {
  if (attachment_.Handle()) {
    RECT r;
    GetClientRect(attachment_.Handle(), &r);
    return r;
  }
  return TControl::ClientRect();
}

void TWinControl::Realign() {
  if (aligning_ || IsLoading()) return;
  aligning_ = true;
  RECT r = ClientRect();
  AlignControls(r);
  aligning_ = false;
}

namespace {

// The bounds of a control of the given alignment and size placed in r, which loses the part
// the control takes.
RECT TakeAlignedSlot(TAlign kind, RECT& r, int width, int height) {
  const int w = std::max<int>(0, r.right - r.left), h = std::max<int>(0, r.bottom - r.top);
  switch (kind) {
    case alTop:
      r.top += height;
      return {r.left, r.top - height, r.left + w, r.top};
    case alBottom:
      r.bottom -= height;
      return {r.left, r.bottom, r.left + w, r.bottom + height};
    case alLeft:
      r.left += width;
      return {r.left - width, r.top, r.left, r.top + h};
    case alRight:
      r.right -= width;
      return {r.right, r.top, r.right + width, r.top + h};
    default:
      return {r.left, r.top, r.left + w, r.top + h};
  }
}

}  // namespace

void TWinControl::AlignControls(RECT& r) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    auto place = [&](TControl* c) {
      if (c->Align() != kind || !c->Visible()) return;
      const RECT slot = TakeAlignedSlot(kind, r, c->Width(), c->Height());
      if (!plan_) {
        c->SetBounds(slot.left, slot.top, slot.right - slot.left, slot.bottom - slot.top);
      } else if (c == plan_->client) {
        plan_->placed = true;
        plan_->bounds = slot;
      }
    };
    ForEachListed(controls_, place);
    // A client about to dock joins the children last.
    if (plan_ && plan_->client->Parent() != this) place(plan_->client);
  }
}

bool TWinControl::Focused() const { return attachment_.Handle() && GetFocus() == attachment_.Handle(); }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) form->SetActiveControl(this);
  ::SetFocus(Handle());
}

bool TControl::IsWithin(const TControl* outer) const {
  for (const TControl* c = this; c; c = c->Parent())
    if (c == outer) return true;
  return false;
}

bool TWinControl::CanFocus() const {
  const TControl* c = this;
  for (; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return GetParentForm(this) != nullptr;
}

void TWinControl::BehaveAsSystemControl() {
  SetControlStyle(csDoubleClicks);
  SetTabStop(true);
}

void TWinControl::SetTabStop(bool value) {
  if (value == tabStop_) return;
  tabStop_ = value;
  if (!attachment_.Handle()) return;
  const LONG style = GetWindowLongA(attachment_.Handle(), GWL_STYLE);
  SetWindowLongA(attachment_.Handle(), GWL_STYLE, value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP));
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->tabList_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  // While a form resource is read the controls after this one are not there yet.
  if (IsLoading()) {
    loadedTabOrder_ = order;
    return;
  }
  if (!Parent() || order < 0) return;
  auto& list = Parent()->tabList_;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin() + std::min<size_t>(static_cast<size_t>(order), list.size()), this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

void TWinControl::Invalidate() {
  if (attachment_.Handle()) InvalidateRect(attachment_.Handle(), nullptr, TRUE);
}

void TWinControl::Repaint() {
  if (!attachment_.Handle()) return;
  InvalidateRect(attachment_.Handle(), nullptr, TRUE);
  UpdateWindow(attachment_.Handle());
}

void TWinControl::BoundsChanged() {
  if (attachment_.Handle())
    SetWindowPos(attachment_.Handle(), nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  else
    Realign();
}

void TWinControl::VisibleChanged() {
  if (attachment_.Handle()) ShowWindow(attachment_.Handle(), Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (attachment_.Handle()) EnableWindow(attachment_.Handle(), Enabled());
}

void TWinControl::CaptionChanged() {
  if (attachment_.Handle()) SetWindowTextA(attachment_.Handle(), Caption().c_str());
}

void TWinControl::FontChanged() {
  if (HandleAllocated()) SendMessageA(attachment_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  ForEachListed(controls_, [](TControl* c) { c->Perform(CM_PARENTFONTCHANGED); });
  Invalidate();
}

void TWinControl::ColorChanged() {
  ForEachListed(controls_, [](TControl* c) { c->Perform(CM_PARENTCOLORCHANGED); });
  Invalidate();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Children without a stored place keep theirs after those with one.
  std::stable_sort(tabList_.begin(), tabList_.end(), [](TWinControl* a, TWinControl* b) {
    const unsigned x = static_cast<unsigned>(a->loadedTabOrder_), y = static_cast<unsigned>(b->loadedTabOrder_);
    return x < y;
  });
  Realign();
}

// ---------------------------------------------------------------------------------------
// TCustomControl

const TClassInfo& TCustomControl::StaticClassInfo() {
  static const TClassInfo info("TCustomControl", &TWinControl::StaticClassInfo(), nullptr);
  return info;
}

void TCustomControl::PaintWindow(TCanvas& canvas) {
  CanvasOnDC painting(canvas_, canvas.Handle());
  canvas_.Font()->Assign(*Font());
  canvas_.Brush()->SetStyle(bsSolid);
  canvas_.Brush()->SetColor(Color());
  Paint();
}

}  // namespace tmv
