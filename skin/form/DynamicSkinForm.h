#pragma once
// The component that takes over a form's frame: it removes the native caption, hooks the
// form's window procedure, and from then on sizes, paints, shapes, hit-tests, moves, sizes,
// maximizes, minimizes and rolls up the frame itself, from the skin of its SkinData or as a
// built-in plain frame without one. It hosts the frame objects and hands skin changes on to
// the form's skinned controls.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Menus.h"
#include "skin/data/SkinData.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FrameMainMenu.h"
#include "skin/form/FrameMask.h"
#include "skin/form/FrameRegion.h"
#include "skin/form/RollUpMask.h"
#include "skin/form/SkinFrameObjects.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupMenu.h"
#include "skin/tray/spTrayIcon.h"

namespace tmv {

class TspSkinHint;
class TspSkinMainMenuItem;

// The caption buttons and system-menu items a form has; the first three are the framework's
// own border icons.
using TspBorderIcons = uint32_t;
constexpr TspBorderIcons biRollUp = 8;
constexpr TspBorderIcons biMinimizeToTray = 16;

enum TspSkinWindowState { swsNormal = 0, swsMinimized = 1, swsMaximized = 2 };
enum TSwitchState { swsOn, swsOff };

using TChangeClientRectEvent = TMethod<TObject*, const TRect&>;
using TspMouseUpEvent = TMethod<TObject*, const std::string&, int, int, const TRect&, TMouseButton>;
using TspMouseDownEvent = TspMouseUpEvent;
using TspMouseMoveEvent = TMethod<TObject*, const std::string&, int, int, const TRect&>;
using TspMouseEnterEvent = TMethod<TObject*, const std::string&>;
using TspPaintEvent = TMethod<TObject*, const std::string&, TCanvas&, const TRect&>;
using TSwitchChangeStateEvent = TMethod<TObject*, const std::string&, TSwitchState>;
using TspChangeValueEvent = TMethod<TObject*, const std::string&, int>;
using TspActivateCustomObjectEvent = TMethod<TObject*, const std::string&, bool&>;

// Posted to the form when its main menu changed.
constexpr UINT SKM_MAINMENUCHANGED = WM_USER + 206;

class TspDynamicSkinForm : public TComponent {
public:
  // owner must be a form; anything else raises EInvalidCast.
  explicit TspDynamicSkinForm(TComponent* owner);
  ~TspDynamicSkinForm() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TCustomForm& Form() const { return form_; }

  // Published settings.
  bool UseFormCursorInNCArea() const { return useFormCursorInNCArea_; }
  void SetUseFormCursorInNCArea(bool v) { useFormCursorInNCArea_ = v; }
  int MaxMenuItemsInWindow() const { return maxMenuItemsInWindow_; }
  void SetMaxMenuItemsInWindow(int v) { if (v >= 0) maxMenuItemsInWindow_ = v; }
  int ClientWidth() const { return clientWidth_; }
  void SetClientWidth(int v) { clientWidth_ = v; }
  int ClientHeight() const { return clientHeight_; }
  void SetClientHeight(int v) { clientHeight_ = v; }
  bool HideCaptionButtons() const { return hideCaptionButtons_; }
  void SetHideCaptionButtons(bool v);
  bool AlwaysShowInTray() const { return alwaysShowInTray_; }
  void SetAlwaysShowInTray(bool v) { alwaysShowInTray_ = v; }
  TBitmap* LogoBitMap() { return &logo_; }
  void SetLogoBitMap(const TBitmap& v) { logo_.Assign(v); }
  bool LogoBitMapTransparent() const { return logoTransparent_; }
  void SetLogoBitMapTransparent(bool v) { logoTransparent_ = v; }
  bool AlwaysMinimizeToTray() const { return alwaysMinimizeToTray_; }
  void SetAlwaysMinimizeToTray(bool v) { alwaysMinimizeToTray_ = v; }
  bool UseSkinFontInMenu() const { return useSkinFontInMenu_; }
  void SetUseSkinFontInMenu(bool v) { useSkinFontInMenu_ = v; }
  bool ShowIcon() const { return showIcon_; }
  void SetShowIcon(bool v);
  bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
  void SetMaximizeOnFullScreen(bool v) { maximizeOnFullScreen_ = v; }
  TspSkinHint* SkinHint() const { return skinHint_; }
  void SetSkinHint(TspSkinHint* v);
  bool ShowObjectHint() const { return showObjectHint_; }
  void SetShowObjectHint(bool v) { showObjectHint_ = v; }
  bool UseDefaultObjectHint() const { return useDefaultObjectHint_; }
  void SetUseDefaultObjectHint(bool v) { useDefaultObjectHint_ = v; }
  bool UseSkinCursors() const { return useSkinCursors_; }
  void SetUseSkinCursors(bool v) { useSkinCursors_ = v; }
  TFont* DefCaptionFont() { return &defCaptionFont_; }
  TFont* DefInActiveCaptionFont() { return &defInActiveCaptionFont_; }
  int DefMenuItemHeight() const { return defMenuItemHeight_; }
  void SetDefMenuItemHeight(int v) { if (v > 0) defMenuItemHeight_ = v; }
  TFont* DefMenuItemFont() { return &defMenuItemFont_; }
  TspTrayIcon* TrayIcon() const { return trayIcon_; }
  // Outside the designer the icon hides while the form shows (unless AlwaysShowInTray), gets
  // the restore and close menu when it has none, and a double click restores the form.
  void SetTrayIcon(TspTrayIcon* v);
  TspSkinPopupMenu* TrayPopupMenu() const { return trayPopupMenu_.get(); }
  bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
  void SetUseDefaultSysMenu(bool v) { useDefaultSysMenu_ = v; }
  TComponent* MainMenuBar() const { return mainMenuBar_; }
  void SetMainMenuBar(TComponent* v) { SetReference(mainMenuBar_, v); }
  TComponent* MDITabsBar() const { return mdiTabsBar_; }
  void SetMDITabsBar(TComponent* v) { SetReference(mdiTabsBar_, v); }
  bool SupportNCArea() const { return supportNCArea_; }
  void SetSupportNCArea(bool v);
  bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
  void SetAlphaBlendAnimation(bool v) { alphaBlendAnimation_ = v; }
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t v);
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool v);
  bool MenusAlphaBlend() const { return menusAlphaBlend_; }
  void SetMenusAlphaBlend(bool v) { menusAlphaBlend_ = v; }
  bool MenusAlphaBlendAnimation() const { return menusAlphaBlendAnimation_; }
  void SetMenusAlphaBlendAnimation(bool v) { menusAlphaBlendAnimation_ = v; }
  uint8_t MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
  void SetMenusAlphaBlendValue(uint8_t v) { menusAlphaBlendValue_ = v; }
  TMainMenu* MainMenu() const { return mainMenu_; }
  // Its visible top-level items show on the frame when the skin has a "MAINMENUITEM" object.
  void SetMainMenu(TMainMenu* v);
  TPopupMenu* SystemMenu() const { return systemMenu_; }
  void SetSystemMenu(TPopupMenu* v);
  TspSkinData* SkinData() const { return skinData_; }
  // Outside the designer the skin is applied at once.
  void SetSkinData(TspSkinData* v);
  TspSkinData* MenusSkinData() const { return menusSkinData_; }
  void SetMenusSkinData(TspSkinData* v);
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int v) { minHeight_ = v; }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int v) { minWidth_ = v; }
  int MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int v) { maxHeight_ = v; }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int v) { maxWidth_ = v; }
  bool Sizeable() const { return sizeable_; }
  void SetSizeable(bool v) { sizeable_ = v; }
  bool DraggAble() const { return draggAble_; }
  void SetDraggAble(bool v) { draggAble_ = v; }
  bool Magnetic() const { return magnetic_; }
  void SetMagnetic(bool v) { magnetic_ = v; }
  uint8_t MagneticSize() const { return magneticSize_; }
  void SetMagneticSize(uint8_t v) { magneticSize_ = v; }
  TspBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TspBorderIcons v);

  // Published events.
  template <class E, E TspDynamicSkinForm::*Field>
  void SetEvent(E event) {
    this->*Field = event;
  }
  TChangeClientRectEvent OnChangeClientRect;
  TNotifyEvent OnChangeSkinData;
  TspMouseUpEvent OnMouseUpEvent;
  TspMouseDownEvent OnMouseDownEvent;
  TspMouseMoveEvent OnMouseMoveEvent;
  TspMouseEnterEvent OnMouseEnterEvent;
  TspMouseEnterEvent OnMouseLeaveEvent;
  TspPaintEvent OnPaintEvent;
  TSwitchChangeStateEvent OnSwitchChangeStateEvent;
  TspChangeValueEvent OnTrackBarChangeValueEvent;
  TspChangeValueEvent OnFrameRegulatorChangeValueEvent;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  TNotifyEvent OnChangeRollUpState;
  TNotifyEvent OnMainMenuEnter;
  TNotifyEvent OnMainMenuExit;
  TNotifyEvent OnMinimizeToTray;
  TNotifyEvent OnRestoreFromTray;
  TspActivateCustomObjectEvent OnActivateCustomObject;

  // State.
  bool Skinned() const { return skinned_; }
  int SkinWindowState() const { return skinWindowState_; }
  bool RolledUp() const { return rolledUp_; }
  // The form's controls hidden while it is rolled up without a non-client area; a control
  // freed meanwhile leaves the list.
  const std::vector<TControl*>& HiddenControls() const { return hiddenControls_; }
  const RECT& RestoreBounds() const { return restoreBounds_; }
  bool IsFormActive() const;
  const TspFrameGeometry& Geometry() const { return geometry_; }
  const std::vector<std::unique_ptr<TspActiveSkinObject>>& FrameObjects() const { return objects_; }
  TspActiveSkinObject* FindObject(const std::string& idName) const;
  int HoverIndex() const { return hoverIndex_; }
  int CaptureIndex() const { return captureIndex_; }
  bool MorphTimerRunning() const { return morphTimer_->Enabled(); }
  bool HoverTimerRunning() const { return hoverTimer_->Enabled(); }
  bool AnimationTimerRunning() const { return animationTimer_->Enabled(); }
  // The built-in frame's caption height and button size, by the form's border style.
  int DefaultCaptionHeight() const;
  int DefaultButtonSize() const;

  // Size limits of the frame.
  int MinFrameWidth() const;
  int MinFrameHeight() const;
  int MaxFrameWidth() const;
  int MaxFrameHeight() const;

  // Commands of the frame objects and the system menu.
  void SetSkinWindowState(int state);
  void SetRollUp(bool value);
  void MinimizeToTray();
  void RestoreFromTray();
  void ShowSystemMenu(int x, int y);
  // The form's size is changed by one pixel and back, so the system asks for its frame again.
  void ForceFrameRecalc();
  // Geometry, object places, region and, without a region change, a repaint.
  void RecalcFrame(bool relayout);
  void RepaintFrame();
  // Draws the frame as WM_NCPAINT does, on any DC in window coordinates.
  void PaintFrameTo(HDC dc);
  // The minimize command of the buttons and the menu: to the tray when asked to.
  void MinimizeCommand();
  void RestoreCommand();
  // What a caption button's command does when it is clicked; the system menu's and a custom
  // button's do nothing here.
  void RunFrameCommand(TspStdCommand command);

  // Used by the frame objects.
  void DrawObjectNow(TspActiveSkinObject& object);
  void StartMorphing();
  void StartAnimation();
  bool TakesPart(const TspActiveSkinObject& object) const;
  // The form's small icon (form, application or system default), made once.
  HICON SmallIcon();
  std::string CaptionText() const;
  // The system menu popped up under an object's rectangle (window coordinates).
  void PopupSystemMenuUnder(const TRect& objectRect);
  // Alt+Space: under the system-menu button, or at the client area's corner without one.
  void ShowSystemMenuFromKeyboard();
  // The items the system menu shows now, by the names of their texts among the skin's
  // resource strings ("MI_MINCAPTION" ...), in menu order.
  std::vector<std::string> SystemMenuItems() const;
  void RunSystemMenuCommand(const std::string& item);
  // The menu the system menu shows now: SystemMenu with the standard items merged in, or the
  // component's own one, rebuilt.
  TMenu& PrepareSystemMenu();
  TspSkinMenu& SkinMenu() const { return *skinMenu_; }
  bool SkinMenuOpen() const { return skinMenuOpen_; }
  // Shows item's sub-items under (popupUp: above) an object's rectangle (window coordinates),
  // after any menu already open has closed.
  void PopupMenuUnder(TMenuItem* item, const TRect& objectRect, bool popupUp);

  // The main menu on the frame and its keyboard mode.
  bool MainMenuMode() const { return frameMainMenu_->MainMenuMode(); }
  TspFrameMainMenu& FrameMainMenu() const { return *frameMainMenu_; }
  std::vector<TspSkinMainMenuItem*> MainMenuItems() const;
  // A main-menu change that waited for the menu or the keyboard mode to end is looked at.
  void MainMenuSettled() { if (mainMenuChangeWaits_) PostMainMenuCheck(); }
  // The object the mouse is over (or the keys chose), and the same made so; null for none.
  TspActiveSkinObject* HoveredObject() const { return ObjectAt(hoverIndex_); }
  void HoverObject(TspActiveSkinObject* object);
  static SIZE SmallIconSize();
  // The built-in frame's caption area, in window coordinates.
  const TRect& DefaultCaptionArea() const { return defaultCaption_; }

protected:
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

private:
  template <class T>
  void SetReference(T*& field, T* value) {
    if (field == value) return;
    if (field) field->RemoveFreeNotification(this);
    field = value;
    if (field) field->FreeNotification(this);
  }
  void FormHook(TMessage& message, const TWindowHookNext& next);
  bool HandleBefore(TMessage& message, const TWindowHookNext& next);
  void HandleMouseAfter(TMessage& message);
  void HandleClientMouse(TMessage& message);
  // The top-left corners of the other visible forms' frames that are minimized on the screen.
  std::vector<TPoint> MinimizedSlotsHeld() const;
  void ApplyClientAreaSkin();
  void FitClientAreaToSkin();
  // Rolling up and unrolling without a non-client area (ClientAreaRollUp.cpp).
  bool HasRollUpPicture() const;
  void RollClientArea(bool value);
  void FoldClientArea();
  void UnfoldClientArea();
  // Leaves the rolled-up state when a new skin cannot show it.
  void DropClientAreaRollUp();
  void RestoreUnrolledSize();
  void ClientAreaResized();
  void RecalcRollUp();
  void LayoutRollUpObjects();
  void ApplyRollUpRegion();
  void PaintRolledUpFace(HDC dc, const RECT& client);
  void HideControls();
  void ShowHiddenControls();
  void StartDrag();
  void DragTo();
  void RemoveCaptionStyle(TMessage& message);
  bool UsableFrameSkin() const;
  void CalcFrameRects();
  void LayoutObjects();
  void LayoutCaptionButtons();
  void LayoutDefaultButtons();
  TspActiveSkinObject* ObjectAt(int index) const;
  std::string ObjectHintOf(const TspActiveSkinObject& object) const;
  void ApplyRegion();
  void ApplySkin();
  void ReleaseSkin();
  void FreeObjects();
  void ConfigureObjects();
  void SetObjectHints();
  void UpdateCaptionObjects(bool paint);
  void RelayToControls(TMessage& message);
  void NonClientSize(TMessage& message);
  void PaintFrame();
  void PaintSkinFrame(HDC dc);
  void PaintDefaultFrame(HDC dc);
  void EraseClient(HDC dc);
  void PaintClientAreaFrame(HDC dc, const RECT& client);
  int HitTest(POINT windowPoint);
  POINT ToWindow(LPARAM screenPoint) const;
  void UpdateHover(int x, int y, bool track = true);
  void MouseMoveTo(int x, int y);
  void MouseDownAt(TMouseButton button, int x, int y);
  void MouseUpAt(TMouseButton button, int x, int y);
  void DblClickAt(int x, int y);
  void CaptionDoubleClick();
  void ResetObjectsMouse();
  void HoverTick(TObject* sender);
  // The skin's cursor number of a cursor index, the default cursor for none.
  TCursor SkinCursor(int32_t index) const;
  // The form's cursor from the hovered object's skin cursor, else the skin's form cursor.
  void ShowSkinCursor();
  void MorphTick(TObject* sender);
  void AnimationTick(TObject* sender);
  void StopTimers();
  void SetFormBounds(const RECT& bounds);
  TRect MonitorArea(bool workArea) const;
  void FadeIn();
  void SystemMenuClick(TObject* sender);
  void TrayDblClick(TObject*) { RestoreFromTray(); }
  void FormShortCut(TMessage& key, bool& handled);
  void FillTrayPopupMenu();
  void MenuClosed();
  // The skin menu set up from the form's menu settings, and the menu-open state entered.
  void PrepareSkinMenu();
  // The main menu's items after the skin's objects, made anew.
  void AppendMainMenuItems();
  void RebuildMainMenuItems();
  // A change of the main menu is looked at from the message loop, where no item of the frame
  // or its menu is busy; the items are made anew only when the top-level items they show
  // changed, and not before the menu open from them has closed.
  void MainMenuChanged(TObject*);
  void PostMainMenuCheck();
  void CheckMainMenu();
  std::vector<std::pair<const TMenuItem*, std::string>> TopLevelMenuItems() const;
  void SetHoverIndex(int index);

  TCustomForm& form_;
  bool useFormCursorInNCArea_ = false;
  int maxMenuItemsInWindow_ = 0;
  int clientWidth_ = 0, clientHeight_ = 0;
  bool hideCaptionButtons_ = false;
  bool alwaysShowInTray_ = false;
  TBitmap logo_;
  bool logoTransparent_ = false;
  bool alwaysMinimizeToTray_ = false;
  bool useSkinFontInMenu_ = true;
  bool showIcon_ = false;
  bool maximizeOnFullScreen_ = false;
  TspSkinHint* skinHint_ = nullptr;
  bool showObjectHint_ = false;
  bool useDefaultObjectHint_ = true;
  bool useSkinCursors_ = false;
  TFont defCaptionFont_, defInActiveCaptionFont_;
  int defMenuItemHeight_ = 20;
  TFont defMenuItemFont_;
  TspTrayIcon* trayIcon_ = nullptr;
  bool useDefaultSysMenu_ = true;
  TComponent* mainMenuBar_ = nullptr;
  TComponent* mdiTabsBar_ = nullptr;
  bool supportNCArea_ = true;
  bool alphaBlendAnimation_ = false;
  uint8_t alphaBlendValue_ = 200;
  bool alphaBlend_ = false;
  bool menusAlphaBlend_ = false;
  bool menusAlphaBlendAnimation_ = false;
  uint8_t menusAlphaBlendValue_ = 200;
  TMainMenu* mainMenu_ = nullptr;
  // The top-level items the frame's items were made from, and whether a change waits.
  std::vector<std::pair<const TMenuItem*, std::string>> shownMainMenu_;
  bool mainMenuCheckPosted_ = false;
  bool mainMenuChangeWaits_ = false;
  TPopupMenu* systemMenu_ = nullptr;
  TspSkinData* skinData_ = nullptr;
  TspSkinData* menusSkinData_ = nullptr;
  int minHeight_ = 0, minWidth_ = 0, maxHeight_ = 0, maxWidth_ = 0;
  bool sizeable_ = true;
  bool draggAble_ = false;
  bool magnetic_ = false;
  uint8_t magneticSize_ = 10;
  TspBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize | biRollUp;

  bool hooked_ = false;
  bool skinned_ = false;
  std::vector<std::unique_ptr<TspActiveSkinObject>> objects_;
  int hoverIndex_ = -1, oldHoverIndex_ = -1, captureIndex_ = -1;
  int skinWindowState_ = swsNormal;
  bool rolledUp_ = false;
  bool rollUpFromMaximized_ = false;
  RECT restoreBounds_ = {0, 0, 0, 0};
  int rollUpRestoreHeight_ = 0;
  int rollUpRestoreWidth_ = 0;  // 0: rolling up kept the width
  std::vector<TControl*> hiddenControls_;
  TMaskBits rollUpMaskPixels_;
  bool inSizeMove_ = false;
  bool fullDrag_ = false;
  bool dragging_ = false;
  POINT dragPoint_ = {0, 0};
  int frameWidth_ = 0, frameHeight_ = 0;
  TspFrameGeometry geometry_;
  TMaskBits maskPixels_;
  TspFrameMask mask_;
  TRect defaultCaption_;
  bool sizeMoveRan_ = false;
  TspFrameRegion region_;
  UniqueIcon smallIcon_;
  std::unique_ptr<TTimer> morphTimer_, hoverTimer_, animationTimer_;
  std::unique_ptr<TPopupMenu> defaultSystemMenu_;
  std::unique_ptr<TspSkinMenu> skinMenu_;
  std::unique_ptr<TspSkinPopupMenu> trayPopupMenu_;
  std::vector<TMenuItem*> standardItems_;  // merged into SystemMenu, freed with it
  bool skinMenuOpen_ = false;
  bool skinChanging_ = false;
  std::unique_ptr<TspFrameMainMenu> frameMainMenu_;
};

// The first TspDynamicSkinForm owned by form, or null.
TspDynamicSkinForm* FindSkinForm(const TComponent* form);

// Makes TspDynamicSkinForm known to the form reader.
void RegisterDynamicSkinFormClasses();

}  // namespace tmv
