#include "framework/gui/Controls.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"

namespace tmv {

namespace {

const char* const kControlProperty = "TMControl";
// The control whose window CreateWindowEx is making; its first messages arrive before
// CreateWindowEx returns the handle.
TWinControl* creatingControl = nullptr;

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
  EnabledChanged();
}

void TControl::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  CaptionChanged();
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
  FontChanged();
}

void TControl::FontChanged() { Invalidate(); }

void TControl::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  ColorChanged();
}

void TControl::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Invalidate();
}

void TControl::Click() { onClick_(this); }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage m = {msg, wParam, lParam, 0};
  windowProc_(m);
  return m.Result;
}

void TControl::WndProc(TMessage& message) { DefaultHandler(message); }

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

TWinControl::~TWinControl() {
  DestroyHandle();
  for (TControl* c : controls_) c->parent_ = nullptr;
  controls_.clear();
}

TWinControl* TWinControl::FromHandle(HWND window) {
  // Another copy of the program marks its windows alike, with pointers of its own.
  DWORD process = 0;
  if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return nullptr;
  return static_cast<TWinControl*>(GetPropA(window, kControlProperty));
}

HWND TWinControl::Handle() {
  if (!handle_) CreateWnd();
  return handle_;
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
  if (handle_) return;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  HWND window;
  if (params.WinClassName.empty()) {
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, params.FrameworkClassName.c_str(), &wc)) {
      wc.style = params.ClassStyle;
      wc.lpfnWndProc = &StandardWndProc;
      wc.hInstance = instance;
      wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
      wc.lpszClassName = params.FrameworkClassName.c_str();
      RegisterClassA(&wc);
    }
    defWndProc_ = &DefWindowProcA;
    creatingControl = this;
    window = CreateWindowExA(params.ExStyle, params.FrameworkClassName.c_str(), params.Caption.c_str(), params.Style,
                             params.X, params.Y, params.Width, params.Height, params.WndParent,
                             nullptr, instance, nullptr);
    creatingControl = nullptr;
  } else {
    window = CreateWindowExA(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, nullptr, instance, nullptr);
    if (window) {
      AttachWindow(window);
      defWndProc_ = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StandardWndProc)));
    }
  }
  if (!window) throw EOutOfResources(Format("Error creating window: %s", SysErrorMessage(LastSystemError()).c_str()));
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), FALSE);
  InitializeWnd();
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_) w->CreateWnd();
  Realign();
}

void TWinControl::AttachWindow(HWND window) {
  handle_ = window;
  SetPropA(window, kControlProperty, this);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* c : controls_)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
  SaveWndState();
  DestroyWindow(handle_);
  handle_ = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!handle_) return;
  DestroyHandle();
  CreateWnd();
}

LRESULT CALLBACK TWinControl::StandardWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  TWinControl* control = FromHandle(window);
  if (!control && creatingControl) {
    control = creatingControl;
    control->AttachWindow(window);
  }
  if (!control) return DefWindowProcA(window, msg, wParam, lParam);
  TMessage m = {msg, wParam, lParam, 0};
  RunGuarded([&] { control->WindowProc()(m); });
  if (msg == WM_NCDESTROY) {
    RemovePropA(window, kControlProperty);
    if (control->handle_ == window) control->handle_ = nullptr;
  }
  return m.Result;
}

void TWinControl::DefaultHandler(TMessage& message) {
  if (handle_ && defWndProc_)
    message.Result = CallWindowProcA(defWndProc_, handle_, message.Msg, message.WParam, message.LParam);
  else
    message.Result = 0;
}

bool TWinControl::ReflectToChild(TMessage& message) {
  HWND child = nullptr;
  switch (message.Msg) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      child = reinterpret_cast<HWND>(message.LParam);
      break;
    case WM_NOTIFY:
      child = reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom;
      break;
    case WM_DRAWITEM:
      child = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->hwndItem;
      break;
  }
  TWinControl* control = FromHandle(child);
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
      if (LOWORD(message.LParam) != HTCLIENT || reinterpret_cast<HWND>(message.WParam) != handle_) return false;
      GetCursorPos(&pt);
      ScreenToClient(handle_, &pt);
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
    TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, handle_, 0};
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
  const bool ownClass = defWndProc_ == &DefWindowProcA;
  switch (message.Msg) {
    case WM_PAINT:
      if (ownClass) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(handle_, &ps);
        PaintTo(dc, ps.rcPaint);
        EndPaint(handle_, &ps);
        return;
      }
      break;
    case WM_PRINTCLIENT:
      if (ownClass) {
        PaintTo(reinterpret_cast<HDC>(message.WParam), ClientRect());
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (ownClass) {
        message.Result = 1;
        return;
      }
      break;
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (ReflectToChild(message)) return;
      break;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN: {
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

void TWinControl::PaintTo(HDC dc, const RECT& area) {
  TCanvas canvas(dc, false);
  PaintWindow(canvas);
  for (TControl* c : controls_) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
    RECT r = c->BoundsRect();
    RECT overlap;
    if (!IntersectRect(&overlap, &r, &area)) continue;
    int saved = SaveDC(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    SetViewportOrgEx(dc, r.left, r.top, nullptr);
    RunGuarded([&] { c->Paint(canvas); });
    RestoreDC(dc, saved);
  }
}

void TWinControl::PaintWindow(TCanvas& canvas) {
  canvas.Brush()->SetColor(Color());
  canvas.Brush()->SetStyle(bsSolid);
  canvas.FillRect(ClientRect());
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (control->parentFont_) control->TakeParentFont();
  auto* w = dynamic_cast<TWinControl*>(control);
  if (w && handle_ && !w->handle_) w->CreateWnd();
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
  if (handle_) {
    RECT r;
    GetClientRect(handle_, &r);
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
    for (TControl* c : controls_) {
      if (c->Align() != kind || !c->Visible()) continue;
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
    }
  }
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() { ::SetFocus(Handle()); }

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Repaint() {
  if (!handle_) return;
  InvalidateRect(handle_, nullptr, TRUE);
  UpdateWindow(handle_);
}

void TWinControl::BoundsChanged() {
  if (handle_)
    SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  else
    Realign();
}

void TWinControl::VisibleChanged() {
  if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (handle_) EnableWindow(handle_, Enabled());
}

void TWinControl::CaptionChanged() {
  if (handle_) SetWindowTextA(handle_, Caption().c_str());
}

void TWinControl::FontChanged() {
  if (handle_) SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  for (TControl* c : controls_)
    if (c->ParentFont()) c->TakeParentFont();
  Invalidate();
}

void TWinControl::ColorChanged() { Invalidate(); }

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
  canvas_.SetHandle(canvas.Handle());
  canvas_.Font()->Assign(*Font());
  canvas_.Brush()->SetStyle(bsSolid);
  canvas_.Brush()->SetColor(Color());
  Paint();
  canvas_.SetHandle(nullptr);
}

void TCustomControl::Paint() { canvas_.FillRect(ClientRect()); }

}  // namespace tmv
