#pragma once
// Controls: TControl (windowless, painted by its parent) and TWinControl (owns a window,
// created on demand, holds child controls and aligns them).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Method.h"
#include "framework/core/SizeConstraints.h"
#include "framework/gui/Cursors.h"
#include "framework/gui/DragDrop.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/Input.h"
#include "framework/gui/Messages.h"
#include "framework/gui/WindowAttachment.h"
#include "framework/gui/WindowHooks.h"

namespace tmv {

class TWinControl;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// How a control takes part in mouse handling, painting and form resources.
enum TControlStyleFlag : uint32_t {
  csCaptureMouse = 1,     // keeps the mouse from a left button-down until its button-up
  csClickEvents = 2,      // a left press and release on the control is a Click
  csDoubleClicks = 4,     // a quick second press is a DblClick, not another press
  csOpaque = 8,           // paints all of itself: what lies under it need not be erased
  csAcceptsControls = 16, // may hold the controls nested in it in a form resource
};
using TControlStyle = uint32_t;

const TEnumInfo& AlignInfo();
const TEnumInfo& AlignmentInfo();
// The published Cursor property: a cursor's name (crHandPoint) or its number in the screen's
// cursor table. Controls that start with another cursor name it as their default.
TPropInfo CursorProperty(const char* defaultIdent);

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TWinControl* Parent() const { return parent_; }
  // Whether this control is outer or lies somewhere inside it.
  bool IsWithin(const TControl* outer) const;
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // The size is first kept within Constraints.
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  // (0, 0, Width, Height) for windowless controls; the window's client area otherwise.
  virtual RECT ClientRect();

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  // A change takes effect on the current size at once.
  TSizeConstraints* Constraints() { return &constraints_; }
  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled);
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  // With ParentShowHint the parent's setting applies.
  bool ShowHint() const;
  void SetShowHint(bool show);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value) { parentShowHint_ = value; }
  TFont* Font() { return &font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  // A number in the screen's cursor table.
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor) { cursor_ = cursor; }
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle style) { controlStyle_ = style; }
  // Shown on a right click in the control, Shift+F10 or the menu key (WM_CONTEXTMENU).
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  TNotifyEvent OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent event) { onClick_ = event; }
  virtual void Click();
  TNotifyEvent OnDblClick() const { return onDblClick_; }
  void SetOnDblClick(TNotifyEvent event) { onDblClick_ = event; }
  virtual void DblClick();
  TMouseEvent OnMouseDown() const { return onMouseDown_; }
  void SetOnMouseDown(TMouseEvent event) { onMouseDown_ = event; }
  TMouseMoveEvent OnMouseMove() const { return onMouseMove_; }
  void SetOnMouseMove(TMouseMoveEvent event) { onMouseMove_ = event; }
  TMouseEvent OnMouseUp() const { return onMouseUp_; }
  void SetOnMouseUp(TMouseEvent event) { onMouseUp_ = event; }
  // Fired after CM_MOUSEENTER / CM_MOUSELEAVE have had the control's own handling.
  TNotifyEvent OnMouseEnter() const { return onMouseEnter_; }
  void SetOnMouseEnter(TNotifyEvent event) { onMouseEnter_ = event; }
  TNotifyEvent OnMouseLeave() const { return onMouseLeave_; }
  void SetOnMouseLeave(TNotifyEvent event) { onMouseLeave_ = event; }

  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode mode) { dragMode_ = mode; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind kind) { dragKind_ = kind; }
  // Shown while the control is dragged over a control that accepts it.
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor cursor) { dragCursor_ = cursor; }
  // Starts dragging the control from where the pointer is; unless immediate, only once it has
  // moved threshold pixels (-1: the system's drag distance).
  void BeginDrag(bool immediate, int threshold = -1);
  // Drops the control's drag where the pointer is, or cancels it.
  void EndDrag(bool drop);
  // From BeginDrag (or an automatic press) until the drag ends.
  bool Dragging() const { return drag::IsSource(this); }
  TStartDragEvent OnStartDrag() const { return onStartDrag_; }
  void SetOnStartDrag(TStartDragEvent event) { onStartDrag_ = event; }
  // Asked while something is dragged over the control; a control without the event refuses.
  TDragOverEvent OnDragOver() const { return onDragOver_; }
  void SetOnDragOver(TDragOverEvent event) { onDragOver_ = event; }
  TDragDropEvent OnDragDrop() const { return onDragDrop_; }
  void SetOnDragDrop(TDragDropEvent event) { onDragDrop_ = event; }
  TEndDragEvent OnEndDrag() const { return onEndDrag_; }
  void SetOnEndDrag(TEndDragEvent event) { onEndDrag_ = event; }
  TStartDockEvent OnStartDock() const { return onStartDock_; }
  void SetOnStartDock(TStartDockEvent event) { onStartDock_ = event; }
  TEndDragEvent OnEndDock() const { return onEndDock_; }
  void SetOnEndDock(TEndDragEvent event) { onEndDock_ = event; }
  // The parent when it is a dock site.
  TWinControl* HostDockSite() const;
  // Moves the control into site with its top-left at the client point (aligned controls are
  // placed by the site's alignment); the site it leaves may refuse through OnUnDock. True when
  // it moved; then the site's OnDockDrop has run.
  bool ManualDock(TWinControl* site, POINT at = {0, 0});
  // Moves the control into a floating tool window placed at screenBounds' top-left, with a
  // client area of their size (or the least the system allows), which the control fills; the
  // site it leaves may refuse. True when it moved.
  bool ManualFloat(const RECT& screenBounds);
  // Whether the control lives in a floating tool window of its own.
  bool Floating() const;

  // Where the control's point (0, 0) is on the screen.
  POINT ClientOrigin() const;

  // While captured, the control receives every mouse message of its window (a windowless
  // control: of its parent's window), wherever the mouse is.
  bool MouseCapture() const;
  void SetMouseCapture(bool capture);

  // Sends a message straight to the control's window procedure method (behind the hooks of
  // a windowed control).
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  TWndMethod WindowProc() const { return windowProc_; }
  void SetWindowProc(TWndMethod method) { windowProc_ = method ? method : DefaultWindowProc(); }
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  virtual void Invalidate();
  virtual void Repaint();
  // Windowless controls draw themselves here, in their own coordinates.
  virtual void Paint(TCanvas& canvas) {}

  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Mouse positions are in the control's own coordinates.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Sends CM_CANCELMODE naming this control to the focused control of its form.
  void SendCancelMode();
  // The drag events, called by the drag in progress; x and y in the control's coordinates.
  virtual void DoStartDrag(TDragObject*& object) { onStartDrag_(this, object); }
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y) { onDragDrop_(this, source, x, y); }
  virtual void DoEndDrag(TObject* target, int x, int y) { onEndDrag_(this, target, x, y); }
  virtual void DoStartDock(TDragDockObject*& object) { onStartDock_(this, object); }
  virtual void DoEndDock(TObject* target, int x, int y) { onEndDock_(this, target, x, y); }
  // Hands a message to WindowProc.
  virtual void Dispatch(TMessage& message) { windowProc_(message); }
  // Called through CM_TEXTCHANGED, CM_FONTCHANGED, CM_COLORCHANGED and CM_ENABLEDCHANGED.
  virtual void CaptionChanged() { Invalidate(); }
  virtual void FontChanged();
  virtual void ColorChanged() { Invalidate(); }
  virtual void EnabledChanged() { Invalidate(); }
  // A change of size or place; windowed controls move their window.
  virtual void BoundsChanged();
  virtual void VisibleChanged();
  void RequestAlign();
  // The parent's font, for controls with ParentFont.
  void TakeParentFont();
  friend class TWinControl;
  friend class TDragSession;

private:
  TWndMethod DefaultWindowProc();
  // Asks the site the control leaves for newTarget (null: floating) whether it may go.
  bool MayUnDock(TWinControl* newTarget);
  bool DockTo(TWinControl* site, TDragDockObject& object, POINT at, POINT dropPoint);
  void FontChange(TObject* sender);
  void ConstraintsChange(TObject* sender);
  void HandleMouseMessage(TMessage& message);
  void ButtonPressed(TMouseButton button, TShiftState shift, POINT at, bool doubleClick);
  void ButtonReleased(TMouseButton button, TShiftState shift, POINT at);

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAlign align_ = alNone;
  TSizeConstraints constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TFont font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
  TColor color_ = clBtnFace;
  bool transparent_ = false;
  TCursor cursor_ = crDefault;
  TPopupMenu* popupMenu_ = nullptr;
  TControlStyle controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks;
  bool clicked_ = false;  // a left press that may still become a Click
  TNotifyEvent onClick_;
  TNotifyEvent onDblClick_;
  TMouseEvent onMouseDown_;
  TMouseMoveEvent onMouseMove_;
  TMouseEvent onMouseUp_;
  TNotifyEvent onMouseEnter_;
  TNotifyEvent onMouseLeave_;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TCursor dragCursor_ = crDrag;
  TStartDragEvent onStartDrag_;
  TDragOverEvent onDragOver_;
  TDragDropEvent onDragDrop_;
  TEndDragEvent onEndDrag_;
  TStartDockEvent onStartDock_;
  TEndDragEvent onEndDock_;
  TWndMethod windowProc_;
};

class TWinControl : public TControl {
public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // The window, created with its parent's and its children's when first asked for.
  HWND Handle();
  bool HandleAllocated() const { return attachment_.Handle() != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes it again with the current settings, if it existed. What the
  // window was given since it was made (accepting dropped files) and the hooks stay.
  void RecreateWnd();
  // Puts hook in front of the window procedure and of the hooks already there, for the
  // messages of the window and those given to Perform. Hooks are removed in any order, and
  // by themselves when the component whose method they call is freed.
  void AddWindowHook(TWindowHook hook);
  void RemoveWindowHook(TWindowHook hook);
  // The control of a window made by this framework, or null.
  static TWinControl* FromHandle(HWND window);
  // The framework control of window or of its nearest ancestor that has one, or null.
  static TWinControl* FindControl(HWND window);
  // A window of another kind to live in, for a control without a Parent.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window) { parentWindow_ = window; }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  // The visible windowless child at a client point, or null.
  TControl* ControlAtPos(POINT point) const;

  RECT ClientRect() override;
  int ClientWidth() { RECT r = ClientRect(); return r.right - r.left; }
  int ClientHeight() { RECT r = ClientRect(); return r.bottom - r.top; }
  // Places the aligned children: top ones first, then bottom, left, right, and client ones,
  // each group in the order the children joined.
  void Realign();

  bool Focused() const;
  // Gives the control the keyboard focus, activating its form; the form remembers it as its
  // ActiveControl.
  void SetFocus();
  // Visible and enabled, as are all its parents up to a form.
  bool CanFocus() const;
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // The place among the parent's windowed children that Tab visits in turn; -1 without a
  // parent. A value beyond the last place puts the control last.
  int TabOrder() const;
  void SetTabOrder(int order);
  // This control's windowed children in tab order, each followed by its own, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;

  TNotifyEvent OnEnter() const { return onEnter_; }
  void SetOnEnter(TNotifyEvent event) { onEnter_ = event; }
  TNotifyEvent OnExit() const { return onExit_; }
  void SetOnExit(TNotifyEvent event) { onExit_ = event; }
  TKeyEvent OnKeyDown() const { return onKeyDown_; }
  void SetOnKeyDown(TKeyEvent event) { onKeyDown_ = event; }
  TKeyPressEvent OnKeyPress() const { return onKeyPress_; }
  void SetOnKeyPress(TKeyPressEvent event) { onKeyPress_ = event; }
  TKeyEvent OnKeyUp() const { return onKeyUp_; }
  void SetOnKeyUp(TKeyEvent event) { onKeyUp_ = event; }
  // A dock site takes the controls docked into it as its children.
  bool DockSite() const { return dockSite_; }
  void SetDockSite(bool value) { dockSite_ = value; }
  // Asked while a control is docked over the site; without the event the site accepts.
  TDockOverEvent OnDockOver() const { return onDockOver_; }
  void SetOnDockOver(TDockOverEvent event) { onDockOver_ = event; }
  TDockDropEvent OnDockDrop() const { return onDockDrop_; }
  void SetOnDockDrop(TDockDropEvent event) { onDockDrop_ = event; }
  TUnDockEvent OnUnDock() const { return onUnDock_; }
  void SetOnUnDock(TUnDockEvent event) { onUnDock_ = event; }
  // Asked for every move of a dock drag; without the event the site's influence is its window
  // on the screen and it takes every client.
  TGetSiteInfoEvent OnGetSiteInfo() const { return onGetSiteInfo_; }
  void SetOnGetSiteInfo(TGetSiteInfoEvent event) { onGetSiteInfo_ = event; }
  // The screen rectangle client would take if docked here now with its corner at dropped's:
  // dropped itself, unless client is aligned, when it goes where the alignment would put it.
  RECT DockRectFor(TControl* client, const RECT& dropped);
  void Invalidate() override;
  void Repaint() override;
  void DefaultHandler(TMessage& message) override;
  void WndProc(TMessage& message) override;

protected:
  virtual void DoEnter() { onEnter_(this); }
  virtual void DoExit() { onExit_(this); }
  // A key set to 0 here (or by the event) does not reach the window.
  virtual void KeyDown(WORD& key, TShiftState shift) { onKeyDown_(this, key, shift); }
  virtual void KeyPress(char& key) { onKeyPress_(this, key); }
  virtual void KeyUp(WORD& key, TShiftState shift) { onKeyUp_(this, key, shift); }
  // The docking events, called while a control is docked; x and y in client coordinates.
  virtual void DockOver(TDragDockObject* source, int x, int y, TDragState state, bool& accept) {
    onDockOver_(this, source, x, y, state, accept);
  }
  virtual void DockDrop(TDragDockObject* source, int x, int y) { onDockDrop_(this, source, x, y); }
  virtual void DoUnDock(TWinControl* newTarget, TControl* client, bool& allow) {
    onUnDock_(this, client, newTarget, allow);
  }
  virtual void GetSiteInfo(TControl* client, RECT& influence, POINT mousePos, bool& canDock);
  // Performs message on every child until one answers non-zero (or on all of them when
  // untilAnswered is false); true when one answered.
  bool Broadcast(TMessage& message, bool untilAnswered);
  // For a wrapper of a system control, which holds the mouse and reports its clicks itself
  // and is visited by Tab.
  void BehaveAsSystemControl();
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The destroying phase, run by the destructor of the most derived framework class: the
  // removal notices, then the owned components and the children's windows, and the control's
  // own window last, so a component that hooked it can still unhook it. Runs once.
  void DestroyContents();
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Called once the window exists: windows of system classes get their state here.
  virtual void InitializeWnd() {}
  // Called before the window goes: state kept by the window is saved here.
  virtual void SaveWndState() {}
  void DestroyHandle();
  // Draws what the control's own window shows over its background (which WM_ERASEBKGND fills
  // with Color) and under its windowless children.
  virtual void PaintWindow(TCanvas& canvas) {}
  // The window's face and the windowless children meeting area, drawn on dc where its
  // viewport origin puts them (also for WM_PRINTCLIENT, so a face can be captured in a memory
  // DC or drawn into a child's).
  void PaintTo(HDC dc, const RECT& area);
  virtual void AlignControls(RECT& rect);
  bool ParentHandleAllocated() const;
  void BoundsChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void FontChanged() override;
  void ColorChanged() override;
  void Loaded() override;

private:
  TWinControl* ChildWithID(int id) const;
  void EraseBackground(HDC dc);
  bool RouteMouseToChild(TMessage& message);
  bool SetCursorOfControl();
  void TrackMouse(const TMessage& message);
  void MouseLeft();
  bool ReflectToChild(TMessage& message);
  bool HandleKeyMessage(TMessage& message);
  // Shows the PopupMenu of this control or of its windowless child at the point.
  bool ShowContextMenu(TMessage& message);
  friend class TControl;
  friend class TDragSession;

  HWND parentWindow_ = nullptr;
  TWindowAttachment attachment_{TWndMethod::Of<&TWinControl::Dispatch>(this)};
  TWindowHooks hooks_;
  int id_ = 0;  // the child-window ID, kept for the control's life
  bool acceptFiles_ = false;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;  // the windowed children in tab order
  bool tabStop_ = false;
  int loadedTabOrder_ = -1;  // TabOrder as read from a form resource, put in place by Loaded
  TControl* captureControl_ = nullptr;  // the windowless child holding the mouse
  TControl* mouseControl_ = nullptr;  // the windowless child under the mouse
  bool mouseInside_ = false;
  bool aligning_ = false;
  TBrush colorBrush_;  // the background given to system controls that ask for colours
  TNotifyEvent onEnter_;
  TNotifyEvent onExit_;
  TKeyEvent onKeyDown_;
  TKeyPressEvent onKeyPress_;
  TKeyEvent onKeyUp_;
  bool dockSite_ = false;
  TDockOverEvent onDockOver_;
  TDockDropEvent onDockDrop_;
  TUnDockEvent onUnDock_;
  TGetSiteInfoEvent onGetSiteInfo_;
  // While DockRectFor runs alignment as a dry run: the client placed and where it went.
  struct AlignPlan {
    TControl* client;
    bool placed = false;
    RECT bounds = {0, 0, 0, 0};
  };
  AlignPlan* plan_ = nullptr;
};

// A control with a window of the framework's own class that draws itself: Paint draws on
// Canvas, which stands for the window's device context while a paint is under way.
class TCustomControl : public TWinControl {
public:
  explicit TCustomControl(TComponent* owner) : TWinControl(owner) {}
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TCanvas* Canvas() { return &canvas_; }
  using TControl::Paint;

protected:
  // Draws the control's face over its background.
  virtual void Paint() {}
  void PaintWindow(TCanvas& canvas) override;

private:
  TCanvas canvas_;
};

}  // namespace tmv
