#include "framework/gui/Controls.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
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

}  // namespace

const TEnumInfo& AlignInfo() {
  static const TEnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

const TEnumInfo& AlignmentInfo() {
  static const TEnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

const TEnumInfo& CursorInfo() {
  static const TEnumInfo info{"TCursor", {"crDefault", "crHandPoint"}};
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
       prop::Boolean<&TControl::SetVisible>("Visible", true),
       prop::Boolean<&TControl::SetEnabled>("Enabled", true),
       prop::String<&TControl::SetCaption>("Caption"), prop::String<&TControl::SetHint>("Hint"),
       prop::Boolean<&TControl::SetShowHint>("ShowHint"),
       prop::Boolean<&TControl::SetParentShowHint>("ParentShowHint", true),
       prop::Object<&TControl::Font>("Font"),
       prop::Boolean<&TControl::SetParentFont>("ParentFont", true),
       prop::Color<&TControl::SetColor>("Color", "clBtnFace"),
       prop::Enum<&TControl::SetCursor>("Cursor", CursorInfo()),
       prop::Event<&TControl::SetOnClick>("OnClick")});
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner) {
  font_.SetOnChange(TNotifyEvent::Of<&TControl::FontChange>(this));
  windowProc_ = DefaultWindowProc();
}

TControl::~TControl() {
  Destroying();
  if (parent_) parent_->RemoveControl(this);
}

TWndMethod TControl::DefaultWindowProc() { return TWndMethod::Of<&TControl::WndProc>(this); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* p = dynamic_cast<TWinControl*>(parent)) SetParent(p);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  // A windowless control's old place must be repainted by its parent.
  if (!dynamic_cast<TWinControl*>(this)) Invalidate();
  left_ = left, top_ = top, width_ = width, height_ = height;
  BoundsChanged();
  RequestAlign();
}

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
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

void TControl::Invalidate() {
  if (parent_ && parent_->HandleAllocated()) {
    RECT r = BoundsRect();
    InvalidateRect(parent_->Handle(), &r, TRUE);
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
  static const TClassInfo info("TWinControl", &TControl::StaticClassInfo(), nullptr);
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() { DestroyContents(); }

void TWinControl::DestroyContents() {
  Destroying();
  DestroyComponents();
  DestroyHandle();
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  return dynamic_cast<TWinControl*>(TWindowAttachment::ReceiverOf(window).Data());
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
                 (Enabled() ? 0 : WS_DISABLED);
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
  if (!Parent()) throw EInvalidOperation(Format("Control '%s' has no parent window", Name().c_str()));
  params.WndParent = Parent()->Handle();
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

bool TWinControl::RouteMouseToChild(TMessage& message) {
  POINT pt = {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
      mouseDownControl_ = ControlAtPos(pt);
      return false;
    case WM_LBUTTONUP: {
      TControl* c = ControlAtPos(pt);
      TControl* down = std::exchange(mouseDownControl_, nullptr);
      if (c && c == down) c->Click();
      return false;
    }
    case WM_SETCURSOR: {
      if (LOWORD(message.LParam) != HTCLIENT || reinterpret_cast<HWND>(message.WParam) != attachment_.Handle()) return false;
      GetCursorPos(&pt);
      ScreenToClient(attachment_.Handle(), &pt);
      TControl* c = ControlAtPos(pt);
      if (!c || c->Cursor() != crHandPoint) return false;
      ::SetCursor(LoadCursor(nullptr, IDC_HAND));
      message.Result = TRUE;
      return true;
    }
  }
  return false;
}

void TWinControl::TrackMouse(const TMessage& message) {
  if (!mouseInside_) {
    mouseInside_ = true;
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, attachment_.Handle(), 0};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER);
  }
  POINT pt = {static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  TControl* child = ControlAtPos(pt);
  if (child == mouseControl_) return;
  if (TControl* left = std::exchange(mouseControl_, child)) left->Perform(CM_MOUSELEAVE);
  if (child) child->Perform(CM_MOUSEENTER);
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
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_SETCURSOR:
      if (RouteMouseToChild(message)) return;
      break;
    case WM_MOUSEMOVE:
      if (ownClass) TrackMouse(message);
      break;
    case WM_MOUSELEAVE:
      if (ownClass) {
        mouseInside_ = false;
        if (TControl* child = std::exchange(mouseControl_, nullptr)) child->Perform(CM_MOUSELEAVE);
        Perform(CM_MOUSELEAVE);
      }
      break;
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
  if (auto* w = dynamic_cast<TWinControl*>(control)) w->DestroyHandle();
  controls_.erase(it);
  if (mouseDownControl_ == control) mouseDownControl_ = nullptr;
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

void TWinControl::AlignControls(RECT& r) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
    ForEachListed(controls_, [&](TControl* c) {
      if (c->Align() != kind || !c->Visible()) return;
      const int w = std::max<int>(0, r.right - r.left), h = std::max<int>(0, r.bottom - r.top);
      switch (kind) {
        case alTop:
          c->SetBounds(r.left, r.top, w, c->Height());
          r.top += c->Height();
          break;
        case alBottom:
          c->SetBounds(r.left, r.bottom - c->Height(), w, c->Height());
          r.bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(r.left, r.top, c->Width(), h);
          r.left += c->Width();
          break;
        case alRight:
          c->SetBounds(r.right - c->Width(), r.top, c->Width(), h);
          r.right -= c->Width();
          break;
        default:
          c->SetBounds(r.left, r.top, w, h);
          break;
      }
    });
  }
}

bool TWinControl::Focused() const { return attachment_.Handle() && GetFocus() == attachment_.Handle(); }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

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
