#include "skin/form/DynamicSkinForm.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/data/SkinStringLookup.h"
#include "framework/gui/StringResource.h"
#include "skin/form/SkinMainMenuItems.h"
#include "skin/hint/SkinHint.h"
#include "framework/gui/Menus.h"
#include "skin/imaging/SPUtilsDesktop.h"

namespace tmv {

namespace {

constexpr UINT_PTR kFadeTimer = 1;

TCustomForm& FormOwner(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) throw EInvalidCast("Invalid class typecast");
  return *form;
}

const TEnumInfo& SkinBorderIconsInfo() {
  static const TEnumInfo info{"TspBorderIcons",
                              {"biSystemMenu", "biMinimize", "biMaximize", "biRollUp", "biMinimizeToTray"}};
  return info;
}

void SetFont(TFont& font, TFontStyles style, TColor colour) {
  font.SetName("宋体");
  font.SetHeight(14);
  font.SetStyle(style);
  font.SetColor(colour);
}

bool EmptyRect(const RECT& r) { return r.right - r.left < 1 || r.bottom - r.top < 1; }

bool Contains(const TRect& r, int x, int y) {
  return x >= r.Left && y >= r.Top && x < r.Right && y < r.Bottom;
}

// The messages that end keyboard main-menu mode when no menu shows.
bool EndsMainMenuMode(UINT message) {
  switch (message) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE:
    case WM_MOUSEACTIVATE: case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN: case WM_PARENTNOTIFY:
      return true;
  }
  return false;
}

// The texts of the standard hints and their names among the resource strings, by command.
struct TStandardHint {
  TspStdCommand command;
  const char* name;
};
constexpr TStandardHint kStandardHints[] = {
    {cmClose, "CLOSEBUTTON_HINT"},   {cmMaximize, "MAXBUTTON_HINT"},
    {cmMinimize, "MINBUTTON_HINT"},  {cmSysMenu, "MENUBUTTON_HINT"},
    {cmRollUp, "ROLLUPBUTTON_HINT"}, {cmMinimizeToTray, "TRAYBUTTON_HINT"}};

}  // namespace

#define SKIN_FORM_EVENT(Type, Name) \
  prop::Event<&TspDynamicSkinForm::SetEvent<Type, &TspDynamicSkinForm::Name>>(#Name)

const TClassInfo& TspDynamicSkinForm::StaticClassInfo() {
  using F = TspDynamicSkinForm;
  static const TClassInfo info(
      "TspDynamicSkinForm", &TComponent::StaticClassInfo(), &CreateComponent<TspDynamicSkinForm>,
      {prop::Boolean<&F::SetUseFormCursorInNCArea>("UseFormCursorInNCArea"),
       prop::Integer<&F::SetMaxMenuItemsInWindow>("MaxMenuItemsInWindow"),
       prop::Integer<&F::SetClientWidth>("ClientWidth"),
       prop::Integer<&F::SetClientHeight>("ClientHeight"),
       prop::Boolean<&F::SetHideCaptionButtons>("HideCaptionButtons"),
       prop::Boolean<&F::SetAlwaysShowInTray>("AlwaysShowInTray"),
       prop::Object<&F::LogoBitMap>("LogoBitMap"),
       prop::Boolean<&F::SetLogoBitMapTransparent>("LogoBitMapTransparent"),
       prop::Boolean<&F::SetAlwaysMinimizeToTray>("AlwaysMinimizeToTray"),
       prop::Boolean<&F::SetUseSkinFontInMenu>("UseSkinFontInMenu", true),
       prop::Boolean<&F::SetShowIcon>("ShowIcon"),
       prop::Boolean<&F::SetMaximizeOnFullScreen>("MaximizeOnFullScreen"),
       prop::Reference<&F::SetSkinHint>("SkinHint"),
       prop::Boolean<&F::SetShowObjectHint>("ShowObjectHint"),
       prop::Boolean<&F::SetUseDefaultObjectHint>("UseDefaultObjectHint", true),
       prop::Boolean<&F::SetUseSkinCursors>("UseSkinCursors"),
       prop::Object<&F::DefCaptionFont>("DefCaptionFont"),
       prop::Object<&F::DefInActiveCaptionFont>("DefInActiveCaptionFont"),
       prop::Integer<&F::SetDefMenuItemHeight>("DefMenuItemHeight", 20),
       prop::Object<&F::DefMenuItemFont>("DefMenuItemFont"),
       prop::Reference<&F::SetTrayIcon>("TrayIcon"),
       prop::Boolean<&F::SetUseDefaultSysMenu>("UseDefaultSysMenu", true),
       prop::Reference<&F::SetMainMenuBar>("MainMenuBar"),
       prop::Reference<&F::SetMDITabsBar>("MDITabsBar"),
       prop::Boolean<&F::SetSupportNCArea>("SupportNCArea", true),
       prop::Boolean<&F::SetAlphaBlendAnimation>("AlphaBlendAnimation"),
       prop::Integer<&F::SetAlphaBlendValue>("AlphaBlendValue", 200),
       prop::Boolean<&F::SetAlphaBlend>("AlphaBlend"),
       prop::Boolean<&F::SetMenusAlphaBlend>("MenusAlphaBlend"),
       prop::Boolean<&F::SetMenusAlphaBlendAnimation>("MenusAlphaBlendAnimation"),
       prop::Integer<&F::SetMenusAlphaBlendValue>("MenusAlphaBlendValue", 200),
       prop::Reference<&F::SetMainMenu>("MainMenu"),
       prop::Reference<&F::SetSystemMenu>("SystemMenu"),
       prop::Reference<&F::SetSkinData>("SkinData"),
       prop::Reference<&F::SetMenusSkinData>("MenusSkinData"),
       prop::Integer<&F::SetMinHeight>("MinHeight"),
       prop::Integer<&F::SetMinWidth>("MinWidth"),
       prop::Integer<&F::SetMaxHeight>("MaxHeight"),
       prop::Integer<&F::SetMaxWidth>("MaxWidth"),
       prop::Boolean<&F::SetSizeable>("Sizeable", true),
       prop::Boolean<&F::SetDraggAble>("DraggAble"),
       prop::Boolean<&F::SetMagnetic>("Magnetic"),
       prop::Integer<&F::SetMagneticSize>("MagneticSize", 10),
       prop::Set<&F::SetBorderIcons>("BorderIcons", SkinBorderIconsInfo(),
                                     "[biSystemMenu, biMinimize, biMaximize, biRollUp]"),
       SKIN_FORM_EVENT(TChangeClientRectEvent, OnChangeClientRect),
       SKIN_FORM_EVENT(TNotifyEvent, OnChangeSkinData),
       SKIN_FORM_EVENT(TspMouseUpEvent, OnMouseUpEvent),
       SKIN_FORM_EVENT(TspMouseDownEvent, OnMouseDownEvent),
       SKIN_FORM_EVENT(TspMouseMoveEvent, OnMouseMoveEvent),
       SKIN_FORM_EVENT(TspMouseEnterEvent, OnMouseEnterEvent),
       SKIN_FORM_EVENT(TspMouseEnterEvent, OnMouseLeaveEvent),
       SKIN_FORM_EVENT(TspPaintEvent, OnPaintEvent),
       SKIN_FORM_EVENT(TSwitchChangeStateEvent, OnSwitchChangeStateEvent),
       SKIN_FORM_EVENT(TspChangeValueEvent, OnTrackBarChangeValueEvent),
       SKIN_FORM_EVENT(TspChangeValueEvent, OnFrameRegulatorChangeValueEvent),
       SKIN_FORM_EVENT(TNotifyEvent, OnActivate),
       SKIN_FORM_EVENT(TNotifyEvent, OnDeActivate),
       SKIN_FORM_EVENT(TNotifyEvent, OnSkinMenuOpen),
       SKIN_FORM_EVENT(TNotifyEvent, OnSkinMenuClose),
       SKIN_FORM_EVENT(TNotifyEvent, OnChangeRollUpState),
       SKIN_FORM_EVENT(TNotifyEvent, OnMainMenuEnter),
       SKIN_FORM_EVENT(TNotifyEvent, OnMainMenuExit),
       SKIN_FORM_EVENT(TNotifyEvent, OnMinimizeToTray),
       SKIN_FORM_EVENT(TNotifyEvent, OnRestoreFromTray),
       SKIN_FORM_EVENT(TspActivateCustomObjectEvent, OnActivateCustomObject)});
  return info;
}

#undef SKIN_FORM_EVENT

TspDynamicSkinForm::TspDynamicSkinForm(TComponent* owner)
    : TComponent(owner), form_(FormOwner(owner)) {
  form_.SetBorderIcons(0);
  form_.SetOnShortCut(TShortCutEvent::Of<&TspDynamicSkinForm::FormShortCut>(this));
  defaultSystemMenu_ = std::make_unique<TPopupMenu>(nullptr);
  skinMenu_ = std::make_unique<TspSkinMenu>(nullptr);
  trayPopupMenu_ = std::make_unique<TspSkinPopupMenu>(nullptr);
  frameMainMenu_ = std::make_unique<TspFrameMainMenu>(*this);
  FillTrayPopupMenu();
  SetFont(defCaptionFont_, fsBold, clBtnText);
  SetFont(defInActiveCaptionFont_, fsBold, clBtnShadow);
  SetFont(defMenuItemFont_, 0, clWindowText);
  auto timer = [this](unsigned interval, TNotifyEvent tick) {
    auto t = std::make_unique<TTimer>(nullptr);
    t->SetEnabled(false);
    t->SetInterval(interval);
    t->SetOnTimer(tick);
    return t;
  };
  morphTimer_ = timer(20, TNotifyEvent::Of<&TspDynamicSkinForm::MorphTick>(this));
  hoverTimer_ = timer(50, TNotifyEvent::Of<&TspDynamicSkinForm::HoverTick>(this));
  animationTimer_ = timer(25, TNotifyEvent::Of<&TspDynamicSkinForm::AnimationTick>(this));
  if (IsDesigning()) return;
  form_.AddWindowHook(TWindowHook::Of<&TspDynamicSkinForm::FormHook>(this));
  hooked_ = true;
  // The window made again passes the hook, which takes the caption off.
  form_.RecreateWnd();
}

TspDynamicSkinForm::~TspDynamicSkinForm() {
  // Nothing may reach this component through the form any more: the hook goes first, then
  // the timers and the objects whose closures point at it.
  if (hooked_) form_.RemoveWindowHook(TWindowHook::Of<&TspDynamicSkinForm::FormHook>(this));
  if (form_.OnShortCut().Data() == this) form_.SetOnShortCut(TShortCutEvent());
  if (mainMenu_) mainMenu_->RemoveChangeNotice(TNotifyEvent::Of<&TspDynamicSkinForm::MainMenuChanged>(this));
  // Its hook on the message loop goes with it, and no event of the mode fires any more.
  frameMainMenu_.reset();
  StopTimers();
  morphTimer_.reset();
  hoverTimer_.reset();
  animationTimer_.reset();
  objects_.clear();
  skinMenu_.reset();
  if (trayIcon_ && trayIcon_->OnDblClick().Data() == this) trayIcon_->SetOnDblClick(TNotifyEvent());
  trayPopupMenu_.reset();
  if (skinHint_) skinHint_->HideObjectHint();
  // A form that stays gets its controls and its own frame back.
  if (!form_.IsDestroying()) ShowHiddenControls();
  if (hooked_ && !form_.IsDestroying() && form_.HandleAllocated()) {
    region_.Remove(form_.Handle());
    form_.RecreateWnd();
  }
}

void TspDynamicSkinForm::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == skinData_) {
    // The pictures and descriptors the objects use go with it.
    ReleaseSkin();
    skinData_ = nullptr;
    if (!IsDestroying() && !form_.IsDestroying()) ApplySkin();
  }
  if (component == menusSkinData_) menusSkinData_ = nullptr;
  if (component == mainMenu_) {
    // The frame's items and a menu open from them show the menu's items.
    mainMenu_ = nullptr;
    RebuildMainMenuItems();
  }
  if (component == systemMenu_) {
    systemMenu_ = nullptr;
    standardItems_.clear();
  }
  if (component == mainMenuBar_) mainMenuBar_ = nullptr;
  if (component == mdiTabsBar_) mdiTabsBar_ = nullptr;
  if (component == trayIcon_) trayIcon_ = nullptr;
  if (component == skinHint_) skinHint_ = nullptr;
  hiddenControls_.erase(std::remove(hiddenControls_.begin(), hiddenControls_.end(), component), hiddenControls_.end());
}

void TspDynamicSkinForm::Loaded() {
  TComponent::Loaded();
  if (skinData_ && !IsDesigning()) ApplySkin();
}

// ---------------------------------------------------------------------------------------
// Settings

void TspDynamicSkinForm::SetHideCaptionButtons(bool v) {
  if (v == hideCaptionButtons_) return;
  hideCaptionButtons_ = v;
  ConfigureObjects();
  RecalcFrame(true);
}

void TspDynamicSkinForm::SetShowIcon(bool v) {
  if (v == showIcon_) return;
  showIcon_ = v;
  if (!IsLoading() && !IsDesigning()) {
    LayoutObjects();
    RepaintFrame();
  }
}

void TspDynamicSkinForm::SetSkinHint(TspSkinHint* v) { SetReference(skinHint_, v); }

void TspDynamicSkinForm::SetMainMenu(TMainMenu* v) {
  if (v == mainMenu_) return;
  const TNotifyEvent notice = TNotifyEvent::Of<&TspDynamicSkinForm::MainMenuChanged>(this);
  if (mainMenu_) mainMenu_->RemoveChangeNotice(notice);
  SetReference(mainMenu_, v);
  if (mainMenu_) mainMenu_->AddChangeNotice(notice);
  if (!IsLoading() && !IsDesigning()) RebuildMainMenuItems();
}

void TspDynamicSkinForm::SetTrayIcon(TspTrayIcon* v) {
  SetReference(trayIcon_, v);
  if (IsDesigning()) {
    SetBorderIcons(v ? borderIcons_ | biMinimizeToTray : borderIcons_ & ~biMinimizeToTray);
    return;
  }
  if (!v) return;
  if (!alwaysShowInTray_) v->SetIconVisible(false);
  if (!v->PopupMenu()) v->SetPopupMenu(trayPopupMenu_.get());
  if (!v->OnDblClick()) v->SetOnDblClick(TNotifyEvent::Of<&TspDynamicSkinForm::TrayDblClick>(this));
}

void TspDynamicSkinForm::FillTrayPopupMenu() {
  TMenuItem* items = trayPopupMenu_->Items();
  items->Clear();
  const TspResourceStrData* strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
  for (const char* name : {"MI_RESTORECAPTION", "-", "MI_CLOSECAPTION"}) {
    auto* item = new TMenuItem(nullptr);
    if (std::string(name) == "-") {
      item->SetCaption("-");
    } else {
      item->SetName(name);
      item->SetCaption(SkinResourceString(strings, name, &LoadStr));
      item->SetOnClick(TNotifyEvent::Of<&TspDynamicSkinForm::SystemMenuClick>(this));
    }
    items->Add(item);
  }
}

void TspDynamicSkinForm::SetSupportNCArea(bool v) {
  if (v == supportNCArea_) return;
  // The two modes roll up in different ways: a form unrolls before it changes its mode, so
  // neither hidden controls nor a folded height outlive the mode that made them.
  if (rolledUp_ && supportNCArea_) SetRollUp(false);
  if (rolledUp_ && !supportNCArea_) DropClientAreaRollUp();
  supportNCArea_ = v;
  if (IsDesigning() && !v) form_.SetBorderStyle(bsNone);
  if (!IsLoading() && form_.HandleAllocated()) ForceFrameRecalc();
}

void TspDynamicSkinForm::SetAlphaBlendValue(uint8_t v) {
  alphaBlendValue_ = v;
  if (alphaBlend_ && !IsLoading() && !IsDesigning() && form_.HandleAllocated()) SetWindowAlpha(form_.Handle(), v);
}

void TspDynamicSkinForm::SetAlphaBlend(bool v) {
  alphaBlend_ = v;
  if (IsLoading() || IsDesigning() || !form_.HandleAllocated() || !LayeredWindowsAvailable()) return;
  HWND window = form_.Handle();
  const LONG ex = GetWindowLongA(window, GWL_EXSTYLE);
  SetWindowLongA(window, GWL_EXSTYLE, v ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED);
  if (v) SetWindowAlpha(window, alphaBlendValue_);
}

void TspDynamicSkinForm::SetSystemMenu(TPopupMenu* v) {
  if (v == systemMenu_) return;
  for (TMenuItem* item : standardItems_) delete item;
  standardItems_.clear();
  SetReference(systemMenu_, v);
}

void TspDynamicSkinForm::SetSkinData(TspSkinData* v) {
  if (v == skinData_) return;
  if (skinData_) ReleaseSkin();
  SetReference(skinData_, v);
  trayPopupMenu_->SetSkinData(v);
  if (!IsDesigning() && !IsLoading()) ApplySkin();
}

void TspDynamicSkinForm::SetMenusSkinData(TspSkinData* v) { SetReference(menusSkinData_, v); }

void TspDynamicSkinForm::SetBorderIcons(TspBorderIcons v) {
  if (v == borderIcons_) return;
  borderIcons_ = v;
  if (IsLoading() || IsDesigning()) return;
  ConfigureObjects();
  RecalcFrame(true);
  RepaintFrame();
}

// ---------------------------------------------------------------------------------------
// The hook

void TspDynamicSkinForm::FormHook(TMessage& message, const TWindowHookNext& next) {
  const auto alive = LifeToken();
  if (HandleBefore(message, next)) return;
  next(message);
  if (alive.expired()) return;
  if (supportNCArea_)
    HandleMouseAfter(message);
  else if (skinned_)
    HandleClientMouse(message);
}

bool TspDynamicSkinForm::HandleBefore(TMessage& m, const TWindowHookNext& next) {
  const bool nc = supportNCArea_;
  if (EndsMainMenuMode(m.Msg)) frameMainMenu_->LeaveUnlessMenuShows();
  switch (m.Msg) {
    case WM_NCCREATE: {
      // The system gives every overlapped window a caption; a window made anew (a new
      // border style, RecreateWnd) loses it here again, before its frame is first measured.
      HWND window = form_.Handle();
      SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_CAPTION);
      return false;
    }
    case WM_DESTROY:
      StopTimers();
      return false;
    case WM_SIZE: {
      if (inSizeMove_ && fullDrag_) {
        if (!logo_.Empty()) form_.Invalidate();
        next(m);
        return true;
      }
      next(m);
      RECT r;
      GetWindowRect(form_.Handle(), &r);
      frameWidth_ = r.right - r.left;
      frameHeight_ = r.bottom - r.top;
      if (skinned_ && nc) {
        if (frameWidth_ >= MinFrameWidth() && frameHeight_ >= MinFrameHeight()) RecalcFrame(true);
      } else if (nc) {
        RepaintFrame();
      } else if (skinned_) {
        ClientAreaResized();
      }
      if (!logo_.Empty()) form_.Invalidate();
      return true;
    }
    case WM_ACTIVATE: {
      dragging_ = false;
      const auto alive = LifeToken();
      next(m);
      if (alive.expired()) return true;
      if (nc) {
        UpdateHover(-1, -1);
        ResetObjectsMouse();
      }
      UpdateCaptionObjects(true);
      if (LOWORD(m.WParam) != WA_INACTIVE)
        OnActivate(this);
      else
        OnDeActivate(this);
      return true;
    }
    case WM_SETTEXT:
      next(m);
      if (form_.BorderStyle() != bsNone) UpdateCaptionObjects(true);
      return true;
    case WM_ERASEBKGND:
      EraseClient(reinterpret_cast<HDC>(m.WParam));
      m.Result = 1;
      return true;
    case WM_SHOWWINDOW:
      next(m);
      if (m.WParam) {
        if (LayeredWindowsAvailable() && (alphaBlend_ || alphaBlendAnimation_)) {
          HWND window = form_.Handle();
          SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
          SetWindowAlpha(window, 0);
          SetTimer(window, kFadeTimer, 1, nullptr);
        }
        ForceFrameRecalc();
      }
      return true;
    case WM_SETCURSOR:
      if (nc && useFormCursorInNCArea_) {
        int code = LOWORD(m.LParam);
        if (code != HTCLIENT && !(code >= HTLEFT && code <= HTBOTTOMRIGHT)) code = HTCLIENT;
        m.LParam = MAKELPARAM(code, HIWORD(m.LParam));
      }
      return false;
    case WM_GETMINMAXINFO: {
      next(m);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
      info->ptMinTrackSize = {MinFrameWidth(), MinFrameHeight()};
      info->ptMaxTrackSize = {MaxFrameWidth(), MaxFrameHeight()};
      return true;
    }
    case WM_NCCALCSIZE:
      NonClientSize(m);
      return true;
    case WM_NCHITTEST: {
      if (!nc) {
        if (!skinned_) return false;
        POINT p = {GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        ScreenToClient(form_.Handle(), &p);
        if (!hoverTimer_->Enabled()) {
          UpdateHover(p.x, p.y);
          hoverTimer_->SetEnabled(true);
        }
        m.Result = HitTest(p);
        return true;
      }
      const POINT p = ToWindow(m.LParam);
      m.Result = HitTest(p);
      if (m.Result == htObject && !hoverTimer_->Enabled()) {
        UpdateHover(p.x, p.y);
        hoverTimer_->SetEnabled(true);
      }
      return true;
    }
    case WM_NCPAINT:
      PaintFrame();
      m.Result = 0;
      return true;
    case WM_NCACTIVATE:
      m.Result = 1;
      UpdateCaptionObjects(false);
      RepaintFrame();
      return true;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) != SC_KEYMENU) return false;
      m.Result = 0;
      // The system's own menu would show for a frame the system no longer draws.
      if (frameMainMenu_->MainMenuMode()) {
        frameMainMenu_->Leave();
      } else if (m.LParam == 0) {
        if (skinMenu_->Showing()) skinMenu_->CloseAll();
        frameMainMenu_->Enter();
      } else if (skinMenu_->Showing()) {
        skinMenu_->CloseAll();
      } else if (m.LParam == ' ') {
        ShowSystemMenuFromKeyboard();
      }
      return true;
    case WM_SYNCPAINT:
      if (!(rolledUp_ && nc)) return false;
      RepaintFrame();
      m.Result = 0;
      return true;
    case WM_TIMER:
      if (m.WParam != kFadeTimer) return false;
      KillTimer(form_.Handle(), kFadeTimer);
      FadeIn();
      return true;
    case WM_SIZING: {
      if (!(inSizeMove_ && fullDrag_)) return false;
      next(m);
      const auto* r = reinterpret_cast<const RECT*>(m.LParam);
      frameWidth_ = r->right - r->left;
      frameHeight_ = r->bottom - r->top;
      if (nc && skinned_ && frameWidth_ >= MinFrameWidth() && frameHeight_ >= MinFrameHeight())
        RecalcFrame(true);
      return true;
    }
    case WM_MOVING: {
      next(m);
      auto* r = reinterpret_cast<RECT*>(m.LParam);
      if (skinWindowState_ == swsMaximized) {
        GetWindowRect(form_.Handle(), r);
      } else if (magnetic_) {
        const int w = r->right - r->left, h = r->bottom - r->top;
        const TPoint p = SnapToEdges(MonitorArea(true), magneticSize_, {r->left, r->top}, w, h);
        *r = {p.X, p.Y, p.X + w, p.Y + h};
      }
      m.Result = TRUE;
      return true;
    }
    case WM_ENTERSIZEMOVE:
      if (nc) {
        ResetObjectsMouse();
        hoverTimer_->SetEnabled(false);
        hoverIndex_ = captureIndex_ = -1;
        inSizeMove_ = true;
        sizeMoveRan_ = true;
        BOOL full = FALSE;
        SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        fullDrag_ = full != FALSE;
      }
      return false;
    case WM_EXITSIZEMOVE:
      if (nc) {
        hoverTimer_->SetEnabled(false);
        hoverIndex_ = oldHoverIndex_ = captureIndex_ = -1;
        inSizeMove_ = false;
        if (skinned_) RepaintFrame();
      }
      return false;
    case WM_NCLBUTTONDOWN:
      sizeMoveRan_ = false;
      return false;
  }
  if (m.Msg == SKM_SKINCHANGING || m.Msg == SKM_SKINCHANGED) {
    const auto* registry = reinterpret_cast<const TspSkinData*>(m.WParam);
    if (registry && registry == skinData_) {
      if (m.Msg == SKM_SKINCHANGING)
        ReleaseSkin();
      else
        ApplySkin();
    }
    RelayToControls(m);
    return false;
  }
  if (m.Msg == SKM_MENUCLOSED) {
    MenuClosed();
    return false;
  }
  if (m.Msg == SKM_MAINMENUCHANGED) {
    CheckMainMenu();
    return true;
  }
  if (m.Msg == SKM_STRINGSCHANGED) {
    SetObjectHints();
    return false;
  }
  return false;
}

void TspDynamicSkinForm::HandleMouseAfter(TMessage& m) {
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: {
      const POINT p = ToWindow(m.LParam);
      MouseMoveTo(p.x, p.y);
      break;
    }
    case WM_NCLBUTTONDOWN: {
      // A button-down that started a move or size loop has had all its effect.
      if (sizeMoveRan_) break;
      const POINT p = ToWindow(m.LParam);
      UpdateHover(p.x, p.y);
      MouseDownAt(mbLeft, p.x, p.y);
      if (m.WParam == HTCAPTION) captureIndex_ = -1;
      break;
    }
    case WM_NCLBUTTONUP: {
      const POINT p = ToWindow(m.LParam);
      RunGuarded([&] { MouseUpAt(mbLeft, p.x, p.y); });
      break;
    }
    case WM_NCLBUTTONDBLCLK: {
      const POINT p = ToWindow(m.LParam);
      UpdateHover(p.x, p.y);
      MouseDownAt(mbLeft, p.x, p.y);
      DblClickAt(p.x, p.y);
      if (m.WParam == HTCAPTION) {
        CaptionDoubleClick();
        captureIndex_ = -1;
      }
      break;
    }
    case WM_NCRBUTTONDOWN: {
      const POINT p = ToWindow(m.LParam);
      UpdateHover(p.x, p.y);
      MouseDownAt(mbRight, p.x, p.y);
      if (m.WParam == HTCAPTION) {
        captureIndex_ = -1;
        ShowSystemMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      }
      break;
    }
    case WM_NCRBUTTONUP: {
      const POINT p = ToWindow(m.LParam);
      MouseUpAt(mbRight, p.x, p.y);
      break;
    }
    case WM_NCRBUTTONDBLCLK: {
      const POINT p = ToWindow(m.LParam);
      UpdateHover(p.x, p.y);
      MouseDownAt(mbRight, p.x, p.y);
      if (m.WParam == HTCAPTION) captureIndex_ = -1;
      break;
    }
    case WM_LBUTTONUP:
      MouseUpAt(mbLeft, -1, -1);
      break;
    case WM_RBUTTONUP:
      MouseUpAt(mbRight, -1, -1);
      break;
  }
}

void TspDynamicSkinForm::HandleClientMouse(TMessage& m) {
  const int x = GET_X_LPARAM(m.LParam), y = GET_Y_LPARAM(m.LParam);
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (dragging_)
        DragTo();
      else
        MouseMoveTo(x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      dragging_ = false;
      UpdateHover(x, y);
      if (ObjectAt(hoverIndex_))
        MouseDownAt(m.Msg == WM_LBUTTONDOWN ? mbLeft : mbRight, x, y);
      else if (m.Msg == WM_LBUTTONDOWN && skinWindowState_ != swsMaximized && draggAble_)
        StartDrag();
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      MouseUpAt(m.Msg == WM_LBUTTONUP ? mbLeft : mbRight, x, y);
      if (dragging_ && GetCapture() == form_.Handle()) ReleaseCapture();
      dragging_ = false;
      break;
    case WM_LBUTTONDBLCLK: {
      UpdateHover(x, y);
      MouseDownAt(mbLeft, x, y);
      DblClickAt(x, y);
      if (dynamic_cast<TspSkinCaptionObject*>(ObjectAt(hoverIndex_))) {
        if (rolledUp_)
          SetRollUp(false);
        else if (sizeable_)
          SetSkinWindowState(skinWindowState_ == swsNormal ? swsMaximized : swsNormal);
        else
          SetRollUp(true);
      }
      break;
    }
  }
}

void TspDynamicSkinForm::StartDrag() {
  dragging_ = true;
  GetCursorPos(&dragPoint_);
  SetCapture(form_.Handle());
}

void TspDynamicSkinForm::DragTo() {
  POINT cursor;
  GetCursorPos(&cursor);
  if (cursor.x == dragPoint_.x && cursor.y == dragPoint_.y) return;
  TPoint at{form_.Left() + cursor.x - dragPoint_.x, form_.Top() + cursor.y - dragPoint_.y};
  if (magnetic_) at = SnapToEdges(MonitorArea(true), magneticSize_, at, form_.Width(), form_.Height());
  form_.SetBounds(at.X, at.Y, form_.Width(), form_.Height());
  dragPoint_ = cursor;
}

void TspDynamicSkinForm::RelayToControls(TMessage& message) { RelaySkinChange(form_, message); }

POINT TspDynamicSkinForm::ToWindow(LPARAM screenPoint) const {
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  return {GET_X_LPARAM(screenPoint) - r.left, GET_Y_LPARAM(screenPoint) - r.top};
}

// ---------------------------------------------------------------------------------------
// Skin application

bool TspDynamicSkinForm::UsableFrameSkin() const {
  return supportNCArea_ && skinned_ && !skinData_->FormInfo.ClRect.IsEmpty();
}

void TspDynamicSkinForm::ReleaseSkin() {
  skinned_ = false;
  StopTimers();
  FreeObjects();
  maskPixels_ = TMaskBits();
  mask_ = TspFrameMask();
  rollUpMaskPixels_ = TMaskBits();
}

void TspDynamicSkinForm::FreeObjects() {
  frameMainMenu_->Leave();
  hoverIndex_ = oldHoverIndex_ = captureIndex_ = -1;
  if (skinHint_) skinHint_->HideObjectHint();
  objects_.clear();
}

void TspDynamicSkinForm::ApplySkin() {
  hoverIndex_ = oldHoverIndex_ = captureIndex_ = -1;
  skinned_ = skinData_ && !skinData_->SkinEmpty();
  if (!supportNCArea_) {
    ApplyClientAreaSkin();
    return;
  }
  FreeObjects();
  if (skinned_) {
    objects_ = CreateFrameObjects(*this, *skinData_);
    AppendMainMenuItems();
    maskPixels_ = TMaskBits::FromBitmap(skinData_->Mask());
  } else {
    objects_ = CreateDefaultFrameButtons(*this);
    maskPixels_ = TMaskBits();
    mask_ = TspFrameMask();
    if (form_.HandleAllocated()) region_.Remove(form_.Handle());
  }
  ConfigureObjects();
  skinChanging_ = true;
  const int minW = MinFrameWidth(), minH = MinFrameHeight();
  const bool narrow = form_.Width() < minW, low = form_.Height() < minH;
  if (narrow || low)
    form_.SetBounds(form_.Left(), form_.Top(), std::max(form_.Width(), minW), std::max(form_.Height(), minH));
  else
    ForceFrameRecalc();
  if (rolledUp_ || skinWindowState_ == swsMinimized) form_.SetHeight(minH);
  if (skinWindowState_ == swsMinimized) form_.SetWidth(minW);
  frameWidth_ = form_.Width();
  frameHeight_ = form_.Height();
  if (skinned_) RecalcFrame(true);
  form_.Invalidate();
  UpdateCaptionObjects(true);
  hoverTimer_->SetEnabled(true);
  OnChangeSkinData(this);
  skinChanging_ = false;
  if (clientWidth_ > 0) form_.SetClientWidth(clientWidth_);
  if (clientHeight_ > 0) form_.SetClientHeight(clientHeight_);
}

void TspDynamicSkinForm::ApplyClientAreaSkin() {
  FreeObjects();
  maskPixels_ = TMaskBits();
  mask_ = TspFrameMask();
  rollUpMaskPixels_ = TMaskBits();
  // Without a skin, or with one that has no roll-up picture, nothing could unroll the form
  // again: it unrolls now and its controls come back.
  if (rolledUp_ && !HasRollUpPicture()) DropClientAreaRollUp();
  if (skinned_) {
    objects_ = CreateFrameObjects(*this, *skinData_);
    AppendMainMenuItems();
    maskPixels_ = TMaskBits::FromBitmap(skinData_->Mask());
    rollUpMaskPixels_ = TMaskBits::FromBitmap(skinData_->RollUpMask());
    ConfigureObjects();
    if (!rolledUp_) FitClientAreaToSkin();
    frameWidth_ = form_.Width();
    frameHeight_ = form_.Height();
    if (rolledUp_)
      FoldClientArea();
    else
      RecalcFrame(true);
    hoverTimer_->SetEnabled(true);
  } else if (form_.HandleAllocated()) {
    region_.Remove(form_.Handle());
  }
  form_.Invalidate();
  OnChangeSkinData(this);
}

void TspDynamicSkinForm::FitClientAreaToSkin() {
  const int w = skinData_->Picture().Width(), h = skinData_->Picture().Height();
  if (!FrameStretchable(skinData_->FormInfo)) {
    // A frame that cannot follow the size fixes it.
    form_.SetClientWidth(w);
    form_.SetClientHeight(h);
    sizeable_ = false;
  } else if (!(minWidth_ > 0 && minHeight_ > 0)) {
    if (form_.ClientWidth() < w) form_.SetClientWidth(w);
    if (form_.ClientHeight() < h) form_.SetClientHeight(h);
  }
}

void TspDynamicSkinForm::ConfigureObjects() {
  for (auto& o : objects_) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(o.get());
    auto* animate = dynamic_cast<TspSkinAnimateObject*>(o.get());
    if (!button && !animate) continue;
    const TspStdCommand command = button ? button->Command : animate->Command;
    bool visible = true;
    if (hideCaptionButtons_) {
      visible = false;
    } else if (command == cmDefault) {
      bool show = false;
      OnActivateCustomObject(this, o->IDName, show);
      visible = show;
    } else {
      const TspBorderIcons needed = command == cmMinimizeToTray ? biMinimizeToTray
                                    : command == cmRollUp       ? biRollUp
                                    : command == cmMaximize     ? TspBorderIcons{biMaximize}
                                    : command == cmMinimize     ? TspBorderIcons{biMinimize}
                                    : command == cmSysMenu      ? TspBorderIcons{biSystemMenu}
                                                                : TspBorderIcons{0};
      visible = (borderIcons_ & needed) == needed;
    }
    o->Enabled = visible;
    // A button painted into the frame picture itself stays in sight, but does nothing.
    o->Visible = visible || !o->SkinRectInAPicture;
  }
  TspSkinCaptionObject* first = nullptr;
  bool marked = false;
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get())) {
      if (!first) first = caption;
      marked = marked || caption->DefaultCaption;
    }
  if (first && !marked) first->DefaultCaption = true;
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get()); caption && caption->DefaultCaption)
      caption->Text = form_.Caption();
  SetObjectHints();
}

void TspDynamicSkinForm::SetObjectHints() {
  if (!useDefaultObjectHint_ || !skinData_) return;
  for (auto& o : objects_) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(o.get());
    if (!button || button->Command == cmDefault) continue;
    for (const TStandardHint& h : kStandardHints)
      if (h.command == button->Command)
        button->ObjectHint = SkinResourceString(skinData_->ResourceStrData(), h.name, &LoadStr);
  }
}

void TspDynamicSkinForm::UpdateCaptionObjects(bool paint) {
  const bool active = IsFormActive();
  for (auto& o : objects_)
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(o.get())) {
      if (caption->DefaultCaption) caption->Text = form_.Caption();
      caption->Active = active;
      caption->MorphKf = active ? 1 : 0;
    }
  if (paint) RepaintFrame();
}

// ---------------------------------------------------------------------------------------
// Frame geometry

void TspDynamicSkinForm::CalcFrameRects() {
  if (!skinned_) return;
  const int w = frameWidth_ > 0 ? frameWidth_ : form_.Width();
  const int h = frameHeight_ > 0 ? frameHeight_ : form_.Height();
  geometry_ = TspFrameGeometry(skinData_->FormInfo, skinData_->Picture().Width(),
                               skinData_->Picture().Height(), w, h);
}

void TspDynamicSkinForm::LayoutObjects() {
  if (!skinned_) {
    LayoutDefaultButtons();
    return;
  }
  for (auto& o : objects_) o->ObjectRect = geometry_.MapObjectRect(o->SkinRect);
  LayoutMainMenuItems(MainMenuItems(), geometry_.MainMenuRect);
  if (supportNCArea_)
    LayoutCaptionButtons();
  else
    LayoutRollUpObjects();
}

void TspDynamicSkinForm::LayoutCaptionButtons() {
  const TRect anchor = !geometry_.ButtonsRect.IsEmpty() ? geometry_.ButtonsRect : geometry_.CaptionRect;
  if (anchor.IsEmpty()) return;
  const bool hasButtonsRect = !geometry_.ButtonsRect.IsEmpty();
  const int offset = geometry_.ButtonsOffset;
  TspSkinCaptionObject* caption = nullptr;
  std::vector<TspSkinStdButtonObject*> row;
  TspSkinStdButtonObject* sysMenu = nullptr;
  for (auto& o : objects_) {
    if (!caption) caption = dynamic_cast<TspSkinCaptionObject*>(o.get());
    auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
    if (!b || !b->Visible || !b->SkinRectInAPicture) continue;
    if (b->Command == cmSysMenu)
      sysMenu = sysMenu ? sysMenu : b;
    else
      row.push_back(b);
  }
  // Close, maximize, minimize, roll-up and tray in that order, then the custom ones.
  const TspStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};
  std::vector<TspSkinStdButtonObject*> placed;
  for (TspStdCommand c : order)
    for (auto* b : row)
      if (b->Command == c) {
        placed.push_back(b);
        break;
      }
  for (auto* b : row)
    if (b->Command == cmDefault) placed.push_back(b);
  auto size = [&](TspSkinStdButtonObject* b) -> SIZE {
    if (b->Command == cmSysMenu && showIcon_) return SmallIconSize();
    return {static_cast<LONG>(b->SkinRect.Width()), static_cast<LONG>(b->SkinRect.Height())};
  };
  const int y = anchor.Top;
  if (!geometry_.ButtonsInLeft) {
    int x = anchor.Right;
    for (auto* b : placed) {
      const SIZE s = size(b);
      b->ObjectRect = {x - s.cx, y, x, y + s.cy};
      x -= s.cx + offset;
    }
    if (!hasButtonsRect && caption) caption->ObjectRect.Right = x + offset;
    if (sysMenu && !geometry_.CaptionRect.IsEmpty()) {
      const TRect& c = geometry_.CaptionRect;
      const SIZE s = size(sysMenu);
      const int top = c.Top + static_cast<int>(c.Height()) / 2 - s.cy / 2;
      sysMenu->ObjectRect = {c.Left, top, c.Left + s.cx, top + s.cy};
      if (caption) caption->ObjectRect.Left = c.Left + s.cx;
    }
  } else {
    int x = anchor.Left;
    if (!hasButtonsRect && sysMenu) placed.insert(placed.begin(), sysMenu);
    for (auto* b : placed) {
      const SIZE s = size(b);
      b->ObjectRect = {x, y, x + s.cx, y + s.cy};
      x += s.cx + offset;
    }
    if (!hasButtonsRect && caption) caption->ObjectRect.Left = x + offset;
  }
}

void TspDynamicSkinForm::LayoutDefaultButtons() {
  const int w = frameWidth_ > 0 ? frameWidth_ : form_.Width();
  const int s = DefaultButtonSize();
  int x = w - 3;
  const TspStdCommand order[] = {cmClose, cmMaximize, cmMinimize, cmRollUp, cmMinimizeToTray};
  for (TspStdCommand c : order)
    for (auto& o : objects_)
      if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get()); b && b->Command == c && b->Visible) {
        b->ObjectRect = {x - s, 4, x, 4 + s};
        x -= s;
      }
  defaultCaption_ = {3, 3, x, DefaultCaptionHeight()};
  for (auto& o : objects_)
    if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get()); b && b->Command == cmSysMenu && b->Visible) {
      const SIZE icon = showIcon_ ? SmallIconSize() : SIZE{s, s};
      b->ObjectRect = {3, 4, 3 + icon.cx, 4 + icon.cy};
      defaultCaption_.Left = b->ObjectRect.Right;
    }
}

SIZE TspDynamicSkinForm::SmallIconSize() {
  int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  if (w == 0 || h == 0) w = GetSystemMetrics(SM_CXSIZE), h = GetSystemMetrics(SM_CYSIZE);
  return {w, h};
}

void TspDynamicSkinForm::ApplyRegion() {
  if (!form_.HandleAllocated()) return;
  HWND window = form_.Handle();
  if ((form_.BorderStyle() == bsNone && supportNCArea_) || !skinned_ || maskPixels_.Empty()) {
    mask_ = TspFrameMask();
    region_.Remove(window);
    return;
  }
  mask_ = TspFrameMask(maskPixels_, geometry_);
  region_.Set(window, mask_.Region());
}

void TspDynamicSkinForm::RecalcFrame(bool relayout) {
  if (IsDesigning()) return;
  if (!skinned_) {
    LayoutObjects();
    return;
  }
  if (!supportNCArea_ && rolledUp_) {
    RecalcRollUp();
    return;
  }
  CalcFrameRects();
  if (relayout) LayoutObjects();
  ApplyRegion();
  OnChangeClientRect(this, geometry_.ClientRect);
  if (!supportNCArea_)
    form_.Invalidate();
  else if (!region_.Shaped())
    RepaintFrame();
}

void TspDynamicSkinForm::ForceFrameRecalc() {
  if (!form_.HandleAllocated()) return;
  const int w = form_.Width();
  if (w >= MinFrameWidth() + 1) {
    form_.SetWidth(w - 1);
    form_.SetWidth(w);
  } else {
    form_.SetWidth(w + 1);
    form_.SetWidth(w);
  }
}

void TspDynamicSkinForm::NonClientSize(TMessage& m) {
  m.Result = 0;
  if (!supportNCArea_ || form_.BorderStyle() == bsNone) return;
  RECT& r = m.WParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(m.LParam)->rgrc[0]
                     : *reinterpret_cast<RECT*>(m.LParam);
  if (UsableFrameSkin()) {
    CalcFrameRects();
    const TRect b = FrameBorders(skinData_->FormInfo, skinData_->Picture().Width(),
                                 skinData_->Picture().Height());
    r.left += b.Left;
    r.top += b.Top;
    r.right -= b.Right;
    r.bottom -= b.Bottom;
  } else {
    r.left += 3;
    r.top += DefaultCaptionHeight() + 3;
    r.right -= 3;
    r.bottom -= 3;
  }
  r.right = std::max(r.right, r.left);
  r.bottom = std::max(r.bottom, r.top);
}

int TspDynamicSkinForm::DefaultCaptionHeight() const {
  const TFormBorderStyle s = form_.BorderStyle();
  return s == bsToolWindow || s == bsSizeToolWin ? 15 : 19;
}

int TspDynamicSkinForm::DefaultButtonSize() const {
  const TFormBorderStyle s = form_.BorderStyle();
  return s == bsToolWindow || s == bsSizeToolWin ? 13 : 17;
}

// ---------------------------------------------------------------------------------------
// Size limits

int TspDynamicSkinForm::MinFrameWidth() const {
  if (supportNCArea_) {
    if (!skinned_) return minWidth_ > 0 ? minWidth_ : 130;
    const int picture = skinData_->Picture().Width();
    return skinWindowState_ == swsMinimized ? picture : std::max(picture, minWidth_);
  }
  if (!skinned_) return 0;
  // Rolled up, the form is as small as the roll-up picture lets it be.
  if (rolledUp_ && HasRollUpPicture()) {
    const TBitmap& rolled = skinData_->RollUpPicture();
    if (!RollUpBand(skinData_->FormInfo, rolled.Width()).Stretchable) return rolled.Width();
  }
  const int picture = skinData_->Picture().Width();
  return minWidth_ > 0 && minWidth_ <= picture ? minWidth_ : picture;
}

int TspDynamicSkinForm::MinFrameHeight() const {
  const bool folded = rolledUp_ || skinWindowState_ == swsMinimized;
  if (supportNCArea_) {
    const int frame = skinned_ ? skinData_->Picture().Height() - static_cast<int>(skinData_->FormInfo.ClRect.Height())
                               : DefaultCaptionHeight() + 6;
    return !folded && minHeight_ > frame ? minHeight_ : frame;
  }
  if (!skinned_) return 0;
  if (rolledUp_ && HasRollUpPicture()) return skinData_->RollUpPicture().Height();
  const int picture = skinData_->Picture().Height();
  return minHeight_ > 0 && minHeight_ <= picture ? minHeight_ : picture;
}

TRect TspDynamicSkinForm::MonitorArea(bool workArea) const {
  TRect area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  GetMonitorWorkArea(form_.HandleAllocated() ? const_cast<TCustomForm&>(form_).Handle() : nullptr, area, workArea);
  return area;
}

int TspDynamicSkinForm::MaxFrameWidth() const {
  const int area = static_cast<int>(MonitorArea(!maximizeOnFullScreen_).Width());
  return maxWidth_ > 0 && maxWidth_ < area ? maxWidth_ : area;
}

int TspDynamicSkinForm::MaxFrameHeight() const {
  const int area = static_cast<int>(MonitorArea(!maximizeOnFullScreen_).Height());
  return maxHeight_ > 0 && maxHeight_ < area ? maxHeight_ : area;
}

// ---------------------------------------------------------------------------------------
// Hit testing and the mouse

bool TspDynamicSkinForm::IsFormActive() const { return form_.Active(); }

bool TspDynamicSkinForm::TakesPart(const TspActiveSkinObject& o) const {
  return o.Enabled && o.Visible && (supportNCArea_ ? !o.RollUp : o.RollUp == rolledUp_);
}

int TspDynamicSkinForm::HitTest(POINT p) {
  TspFrameHitState s;
  s.RolledUpOrMinimized = rolledUp_ || skinWindowState_ == swsMinimized;
  s.Maximized = skinWindowState_ == swsMaximized;
  s.Sizeable = sizeable_;
  s.InSizeMove = inSizeMove_;
  s.ObjectHovered = hoverIndex_ >= 0 && hoverIndex_ < static_cast<int>(objects_.size());
  // Rolled up without a non-client area the form has no sizing borders.
  if (!supportNCArea_ && rolledUp_) return htClient;
  for (auto& o : objects_)
    if (dynamic_cast<TspSkinCaptionObject*>(o.get()) && TakesPart(*o) && Contains(o->ObjectRect, p.x, p.y))
      s.OnCaption = true;
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (!UsableFrameSkin() && supportNCArea_) {
    LayoutDefaultButtons();
    return DefaultFrameHitTest({p.x, p.y}, w, h, DefaultCaptionHeight(), defaultCaption_, s);
  }
  frameWidth_ = w;
  frameHeight_ = h;
  CalcFrameRects();
  if (mask_.Empty() || mask_.Width() != w || mask_.Height() != h)
    mask_ = TspFrameMask(maskPixels_, geometry_);
  const int code = SkinFrameHitTest(geometry_, {p.x, p.y}, skinData_->FormInfo.BorderWidth, s,
                                    [this](TPoint q) { return mask_.Contains(q); });
  // Without a non-client area only the sizing borders are the system's.
  if (!supportNCArea_ && (rolledUp_ || s.ObjectHovered || code < htLeft || code > htBottomRight)) return htClient;
  return code;
}

void TspDynamicSkinForm::UpdateHover(int x, int y, bool track) {
  if (objects_.empty() || (supportNCArea_ && !IsFormActive())) return;
  int found = -1;
  if (track)
    for (size_t i = 0; i < objects_.size(); ++i)
      if (TakesPart(*objects_[i]) && Contains(objects_[i]->ObjectRect, x, y)) {
        found = static_cast<int>(i);
        break;
      }
  if (captureIndex_ >= 0 && found != captureIndex_) found = -1;
  // The item the keys chose stays chosen while the mouse is on no object.
  if (found == -1 && frameMainMenu_->MainMenuMode()) return;
  SetHoverIndex(found);
}

void TspDynamicSkinForm::SetHoverIndex(int found) {
  const int count = static_cast<int>(objects_.size());
  if (hoverIndex_ >= count) hoverIndex_ = -1;
  if (found == hoverIndex_) return;
  oldHoverIndex_ = hoverIndex_;
  hoverIndex_ = found;
  if (oldHoverIndex_ >= 0) {
    TspActiveSkinObject& old = *objects_[oldHoverIndex_];
    if (old.Enabled && old.Visible) old.MouseLeave();
    if (showObjectHint_ && skinHint_ && !ObjectHintOf(old).empty()) skinHint_->HideObjectHint();
  }
  if (hoverIndex_ >= 0) {
    TspActiveSkinObject& now = *objects_[hoverIndex_];
    if (now.Enabled && now.Visible) now.MouseEnter();
    const std::string hint = ObjectHintOf(now);
    if (IsFormActive() && showObjectHint_ && skinHint_ && !hint.empty()) skinHint_->ShowObjectHintDelayed(hint);
  }
}

std::string TspDynamicSkinForm::ObjectHintOf(const TspActiveSkinObject& o) const {
  if (auto* b = dynamic_cast<const TspSkinStdButtonObject*>(&o); b && !b->ObjectHint.empty()) return b->ObjectHint;
  return o.Hint;
}

TspActiveSkinObject* TspDynamicSkinForm::ObjectAt(int index) const {
  return index >= 0 && index < static_cast<int>(objects_.size()) ? objects_[index].get() : nullptr;
}

void TspDynamicSkinForm::MouseMoveTo(int x, int y) {
  if (auto* o = ObjectAt(captureIndex_))
    o->HandleMouseMove(x, y);
  else if (auto* h = ObjectAt(hoverIndex_))
    h->HandleMouseMove(x, y);
}

void TspDynamicSkinForm::MouseDownAt(TMouseButton button, int x, int y) {
  TspActiveSkinObject* o = ObjectAt(hoverIndex_);
  if (!o) return;
  const bool caption = dynamic_cast<TspSkinCaptionObject*>(o) != nullptr;
  if (!caption) SetCapture(form_.Handle());
  captureIndex_ = hoverIndex_;
  // Without a non-client area the caption moves the form itself.
  if (caption && !supportNCArea_ && button == mbLeft && skinWindowState_ != swsMaximized) StartDrag();
  o->HandleMouseDown(x, y, button);
}

void TspDynamicSkinForm::MouseUpAt(TMouseButton button, int x, int y) {
  TspActiveSkinObject* o = ObjectAt(captureIndex_);
  if (!o) return;
  if (!dynamic_cast<TspSkinCaptionObject*>(o) && GetCapture() == form_.Handle()) ReleaseCapture();
  const auto alive = LifeToken();
  o->HandleMouseUp(x, y, button);
  if (!alive.expired()) captureIndex_ = -1;
}

void TspDynamicSkinForm::DblClickAt(int x, int y) {
  if (auto* o = ObjectAt(hoverIndex_)) o->HandleDoubleClick();
}

void TspDynamicSkinForm::CaptionDoubleClick() {
  if (sizeable_ && skinWindowState_ == swsMinimized)
    SetSkinWindowState(swsNormal);
  else if (sizeable_ && skinWindowState_ == swsNormal && !rolledUp_ && (borderIcons_ & biMaximize))
    SetSkinWindowState(swsMaximized);
  else if (sizeable_ && skinWindowState_ == swsMaximized && !rollUpFromMaximized_)
    SetSkinWindowState(swsNormal);
  else
    SetRollUp(!rolledUp_);
}

void TspDynamicSkinForm::ResetObjectsMouse() {
  for (auto& o : objects_) {
    o->MouseIn = false;
    if (!dynamic_cast<TspSkinCaptionObject*>(o.get())) o->Active = false;
    if (auto* b = dynamic_cast<TspSkinButtonObject*>(o.get()); b && b->Down()) b->SetDown(false);
  }
}

// ---------------------------------------------------------------------------------------
// Timers

void TspDynamicSkinForm::StopTimers() {
  if (morphTimer_) morphTimer_->SetEnabled(false);
  if (hoverTimer_) hoverTimer_->SetEnabled(false);
  if (animationTimer_) animationTimer_->SetEnabled(false);
}

void TspDynamicSkinForm::StartMorphing() { morphTimer_->SetEnabled(true); }
void TspDynamicSkinForm::StartAnimation() { animationTimer_->SetEnabled(true); }

void TspDynamicSkinForm::HoverTick(TObject*) {
  if (!form_.HandleAllocated()) return;
  if (!supportNCArea_) {
    POINT cursor;
    GetCursorPos(&cursor);
    const bool over = WindowFromPoint(cursor) == form_.Handle();
    ScreenToClient(form_.Handle(), &cursor);
    if (over && !dragging_) {
      UpdateHover(cursor.x, cursor.y);
    } else if (!over) {
      UpdateHover(-1, -1);
      hoverTimer_->SetEnabled(false);
    }
    if (useSkinCursors_ && skinned_) ShowSkinCursor();
    return;
  }
  if (inSizeMove_) {
    hoverTimer_->SetEnabled(false);
    return;
  }
  POINT cursor;
  GetCursorPos(&cursor);
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  const int x = cursor.x - r.left, y = cursor.y - r.top;
  const TRect client = skinned_ ? geometry_.ClientRect
                                : TRect{3, DefaultCaptionHeight() + 3, frameWidth_ - 3, frameHeight_ - 3};
  if (!Contains(client, x, y))
    UpdateHover(x, y);
  else if (hoverIndex_ != -1)
    UpdateHover(-1, -1);
}

TCursor TspDynamicSkinForm::SkinCursor(int32_t index) const {
  if (index < 0) return crDefault;
  const TCursor number = skinData_->StartCursorIndex + index;
  // A cursor whose picture the skin could not make is no cursor: the arrow must not stand in.
  return Screen()->CursorRegistered(number) ? number : crDefault;
}

void TspDynamicSkinForm::ShowSkinCursor() {
  const TspActiveSkinObject* hovered = ObjectAt(hoverIndex_);
  TCursor cursor = hovered ? SkinCursor(hovered->CursorIndex) : crDefault;
  if (cursor == crDefault) cursor = SkinCursor(skinData_->FormInfo.FormCursorIndex);
  form_.SetCursor(cursor);
}

void TspDynamicSkinForm::MorphTick(TObject*) {
  bool stepped = false;
  for (auto& o : objects_)
    if (o->CanMorph()) {
      o->MorphStep();
      stepped = true;
    }
  if (!stepped) morphTimer_->SetEnabled(false);
}

void TspDynamicSkinForm::AnimationTick(TObject*) {
  bool playing = false;
  for (auto& o : objects_)
    if (auto* a = dynamic_cast<TspSkinAnimateObject*>(o.get())) playing = a->AnimationStep() || playing;
  if (!playing) animationTimer_->SetEnabled(false);
}

void TspDynamicSkinForm::FadeIn() {
  if (!LayeredWindowsAvailable() || !(alphaBlend_ || alphaBlendAnimation_)) return;
  HWND window = form_.Handle();
  const int target = (!alphaBlendAnimation_ || alphaBlend_) ? alphaBlendValue_ : 255;
  if (alphaBlendAnimation_) {
    Application()->ProcessMessages();
    for (int a = 5;; a += 5) {
      SetWindowAlpha(window, static_cast<BYTE>(std::min(a, target)));
      if (a >= target) break;
    }
  } else if (target != 255) {
    SetWindowAlpha(window, static_cast<BYTE>(target));
  }
  if (target == 255) SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) & ~WS_EX_LAYERED);
}

// ---------------------------------------------------------------------------------------
// Window commands

void TspDynamicSkinForm::SetFormBounds(const RECT& b) {
  form_.SetBounds(b.left, b.top, b.right - b.left, b.bottom - b.top);
}

void TspDynamicSkinForm::SetSkinWindowState(int state) {
  if (state == skinWindowState_ || !form_.HandleAllocated()) return;
  const bool mainForm = Application()->MainForm() == &form_;
  if (!(state == swsMinimized && mainForm)) skinWindowState_ = state;
  const RECT bounds = form_.BoundsRect();
  switch (state) {
    case swsMinimized:
      if (mainForm || !supportNCArea_) {
        Application()->Minimize();
        return;
      }
      if (EmptyRect(restoreBounds_)) restoreBounds_ = bounds;
      {
        const int w = MinFrameWidth(), h = MinFrameHeight();
        const TPoint slot = FreeMinimizedSlot(MonitorArea(true), w, h, MinimizedSlotsHeld());
        SetFormBounds({slot.X, slot.Y, slot.X + w, slot.Y + h});
      }
      return;
    case swsMaximized: {
      if (EmptyRect(restoreBounds_)) restoreBounds_ = bounds;
      TRect target = MonitorArea(!maximizeOnFullScreen_);
      const TRect whole = MonitorArea(false);
      if (target == whole && whole == TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)})
        target = {target.Left + 1, target.Top + 1, target.Right - 1, target.Bottom - 1};
      SetFormBounds({target.Left, target.Top, target.Right, target.Bottom});
      return;
    }
    default: {
      rollUpFromMaximized_ = false;
      const RECT old = form_.BoundsRect();
      if (!EmptyRect(restoreBounds_)) SetFormBounds(restoreBounds_);
      hoverTimer_->SetEnabled(true);
      const RECT now = form_.BoundsRect();
      if (supportNCArea_ && now.right - now.left == old.right - old.left && now.bottom - now.top == old.bottom - old.top)
        ForceFrameRecalc();
      form_.Invalidate();
      restoreBounds_ = {0, 0, 0, 0};
      return;
    }
  }
}

std::vector<TPoint> TspDynamicSkinForm::MinimizedSlotsHeld() const {
  std::vector<TPoint> held;
  for (int i = 0; i < Screen()->FormCount(); ++i) {
    TCustomForm* other = Screen()->Forms(i);
    if (other == &form_ || other == Application()->MainForm() || !other->Visible()) continue;
    const TspDynamicSkinForm* frame = FindSkinForm(other);
    if (frame && frame->SkinWindowState() == swsMinimized) held.push_back({other->Left(), other->Top()});
  }
  return held;
}

void TspDynamicSkinForm::SetRollUp(bool value) {
  if (!supportNCArea_ && !skinned_) return;
  if (!(borderIcons_ & biRollUp)) return;
  if (value == rolledUp_) return;
  if (rolledUp_ && skinWindowState_ == swsMaximized && !rollUpFromMaximized_) return;
  if (skinWindowState_ == swsMinimized) return;
  if (!supportNCArea_) {
    if (value && !HasRollUpPicture()) return;
    if (skinWindowState_ == swsMaximized) rollUpFromMaximized_ = value;
    RollClientArea(value);
    OnChangeRollUpState(this);
    return;
  }
  if (skinWindowState_ == swsMaximized) rollUpFromMaximized_ = value;
  if (value) rollUpRestoreHeight_ = form_.Height();
  rolledUp_ = value;
  form_.SetHeight(value ? MinFrameHeight() : rollUpRestoreHeight_);
  RepaintFrame();
  OnChangeRollUpState(this);
}

void TspDynamicSkinForm::MinimizeCommand() {
  if (alwaysMinimizeToTray_)
    MinimizeToTray();
  else
    SetSkinWindowState(swsMinimized);
}

void TspDynamicSkinForm::RunFrameCommand(TspStdCommand command) {
  switch (command) {
    case cmClose:
      form_.Close();
      break;
    case cmMaximize:
      SetSkinWindowState(skinWindowState_ == swsMaximized ? swsNormal : swsMaximized);
      break;
    case cmMinimize:
      if (!alwaysMinimizeToTray_ && skinWindowState_ == swsMinimized && supportNCArea_)
        SetSkinWindowState(swsNormal);
      else
        MinimizeCommand();
      break;
    case cmRollUp:
      SetRollUp(!rolledUp_);
      break;
    case cmMinimizeToTray:
      MinimizeToTray();
      break;
    default:
      break;
  }
}

void TspDynamicSkinForm::RestoreCommand() {
  if (rollUpFromMaximized_ || (rolledUp_ && skinWindowState_ == swsNormal))
    SetRollUp(false);
  else
    SetSkinWindowState(swsNormal);
}

void TspDynamicSkinForm::MinimizeToTray() {
  if (!trayIcon_) return;
  trayIcon_->HideToTray();
  OnMinimizeToTray(this);
}

void TspDynamicSkinForm::RestoreFromTray() {
  if (!trayIcon_) return;
  trayIcon_->RestoreFromTray(alwaysShowInTray_);
  OnRestoreFromTray(this);
}

std::vector<std::string> TspDynamicSkinForm::SystemMenuItems() const {
  std::vector<std::string> items;
  const bool minimized = skinWindowState_ == swsMinimized;
  if ((borderIcons_ & biMinimize) && !minimized) items.push_back("MI_MINCAPTION");
  if ((borderIcons_ & biMaximize) && skinWindowState_ != swsMaximized) items.push_back("MI_MAXCAPTION");
  if (skinWindowState_ != swsNormal || rolledUp_) items.push_back("MI_RESTORECAPTION");
  if ((borderIcons_ & biRollUp) && !rolledUp_ && !minimized) items.push_back("MI_ROLLUPCAPTION");
  if (borderIcons_ & biMinimizeToTray) items.push_back("MI_MINTOTRAYCAPTION");
  items.push_back("MI_CLOSECAPTION");
  return items;
}

TMenu& TspDynamicSkinForm::PrepareSystemMenu() {
  TMenu& menu = systemMenu_ ? static_cast<TMenu&>(*systemMenu_) : *defaultSystemMenu_;
  TMenuItem* items = menu.Items();
  if (systemMenu_) {
    for (TMenuItem* item : standardItems_) delete item;
    standardItems_.clear();
    if (!useDefaultSysMenu_) return menu;
  } else {
    items->Clear();
  }
  const TspResourceStrData* strings = skinData_ ? skinData_->ResourceStrData() : nullptr;
  int at = 0;
  for (const std::string& name : SystemMenuItems()) {
    auto* item = new TMenuItem(nullptr);
    item->SetName(name);
    item->SetCaption(SkinResourceString(strings, name, &LoadStr));
    if (name == "MI_CLOSECAPTION") item->SetShortCut(ShortCut(VK_F4, scAlt));
    item->SetOnClick(TNotifyEvent::Of<&TspDynamicSkinForm::SystemMenuClick>(this));
    items->Insert(at++, item);
    if (systemMenu_) standardItems_.push_back(item);
  }
  return menu;
}

void TspDynamicSkinForm::SystemMenuClick(TObject* sender) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) RunSystemMenuCommand(item->Name());
}

void TspDynamicSkinForm::ShowSystemMenu(int x, int y) {
  TMenu& menu = PrepareSystemMenu();
  bool any = false;
  for (int i = 0; i < menu.Items()->Count(); ++i) any = any || menu.Items()->Items(i)->Visible();
  if (!any) return;
  PrepareSkinMenu();
  skinMenu_->PopupAt(menu.Items(), x, y, menusSkinData_ ? menusSkinData_ : skinData_, &form_);
}

void TspDynamicSkinForm::PrepareSkinMenu() {
  // A menu still open closes first, so its closing does not end the state the new one enters.
  if (skinMenu_->Showing()) skinMenu_->CloseAll();
  skinMenu_->SetUseSkinFont(useSkinFontInMenu_);
  skinMenu_->SetDefMenuItemHeight(defMenuItemHeight_);
  skinMenu_->DefMenuItemFont()->Assign(defMenuItemFont_);
  skinMenu_->SetMaxMenuItemsInWindow(maxMenuItemsInWindow_);
  skinMenu_->SetAlphaBlend({menusAlphaBlend_, menusAlphaBlendValue_, menusAlphaBlendAnimation_});
  if (skinMenuOpen_) return;
  skinMenuOpen_ = true;
  OnSkinMenuOpen(this);
}

void TspDynamicSkinForm::MenuClosed() {
  if (!skinMenuOpen_) return;
  skinMenuOpen_ = false;
  // The system-menu button and a main-menu item stay down while their menu shows.
  for (auto& o : objects_)
    if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get()); b && b->Command == cmSysMenu && b->Down())
      b->SetDown(false);
  frameMainMenu_->ReleasePressed();
  MainMenuSettled();
  const auto alive = LifeToken();
  OnSkinMenuClose(this);
  if (!alive.expired()) frameMainMenu_->MenuChainClosed();
}

void TspDynamicSkinForm::RunSystemMenuCommand(const std::string& item) {
  if (item == "MI_MINCAPTION") MinimizeCommand();
  else if (item == "MI_MAXCAPTION") SetSkinWindowState(swsMaximized);
  else if (item == "MI_RESTORECAPTION" && trayIcon_ && trayIcon_->MinimizeToTray()) RestoreFromTray();
  else if (item == "MI_RESTORECAPTION") RestoreCommand();
  else if (item == "MI_ROLLUPCAPTION") SetRollUp(true);
  else if (item == "MI_MINTOTRAYCAPTION") MinimizeToTray();
  else if (item == "MI_CLOSECAPTION") form_.Close();
}

void TspDynamicSkinForm::FormShortCut(TMessage& key, bool& handled) {
  // Alt and an item's accelerator open the item on the frame.
  if (key.Msg == WM_SYSKEYDOWN && ShortCutOfKey(key) == ShortCut(static_cast<WORD>(key.WParam), scAlt) &&
      frameMainMenu_->AltKey(static_cast<WORD>(key.WParam))) {
    handled = true;
    return;
  }
  // The form shows no menu bar of its own under the frame, so its main menu's shortcuts are
  // tested here; each key is tested once, so a shortcut pressed twice runs twice.
  if (mainMenu_ && mainMenu_->IsShortCut(key)) handled = true;
}

void TspDynamicSkinForm::ShowSystemMenuFromKeyboard() {
  for (auto& o : objects_)
    if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get());
        b && b->Command == cmSysMenu && b->Visible && TakesPart(*b)) {
      PopupSystemMenuUnder(b->ObjectRect);
      return;
    }
  POINT client = {0, 0};
  ClientToScreen(form_.Handle(), &client);
  ShowSystemMenu(client.x, client.y);
}

void TspDynamicSkinForm::PopupSystemMenuUnder(const TRect& r) {
  RECT w;
  GetWindowRect(form_.Handle(), &w);
  ShowSystemMenu(w.left + r.Left, w.top + r.Bottom);
}

// ---------------------------------------------------------------------------------------

HICON TspDynamicSkinForm::SmallIcon() {
  if (smallIcon_) return smallIcon_.Get();
  HICON source = form_.Icon()->Handle();
  if (!source && Application()->MainForm()) source = Application()->MainForm()->Icon()->Handle();
  const SIZE s = SmallIconSize();
  smallIcon_.Reset(source ? static_cast<HICON>(CopyImage(source, IMAGE_ICON, s.cx, s.cy, 0))
                          : static_cast<HICON>(CopyImage(LoadIconA(nullptr, IDI_APPLICATION), IMAGE_ICON, s.cx, s.cy, 0)));
  return smallIcon_.Get();
}

std::string TspDynamicSkinForm::CaptionText() const { return form_.Caption(); }

TspActiveSkinObject* TspDynamicSkinForm::FindObject(const std::string& idName) const {
  for (auto& o : objects_)
    if (o->IDName == idName) return o.get();
  return nullptr;
}

TspDynamicSkinForm* FindSkinForm(const TComponent* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* f = dynamic_cast<TspDynamicSkinForm*>(form->Components(i))) return f;
  return nullptr;
}

void RegisterDynamicSkinFormClasses() {
  RegisterClasses({&TspDynamicSkinForm::StaticClassInfo()});
}

}  // namespace tmv
