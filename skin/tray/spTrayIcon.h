#pragma once
// The program's icon in the notification area: its picture and tip, a menu on it, mouse
// actions reported as events, an animation through an image list, and hiding the program to
// the tray when it is minimized.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Input.h"
#include "framework/gui/Menus.h"
#include "skin/tray/TrayClicks.h"

namespace tmv {

// Before each animation step, with the index of the picture that follows.
using TCycleEvent = TMethod<TObject*, int>;

class TspTrayIcon : public TComponent {
public:
  explicit TspTrayIcon(TComponent* owner);
  ~TspTrayIcon() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // At design time the icon is in the tray only while this is on.
  bool DesignPreview() const { return designPreview_; }
  void SetDesignPreview(bool value);
  TImageList* IconList() const { return iconList_; }
  // A new list starts at its first picture.
  void SetIconList(TImageList* list);
  bool CycleIcons() const { return cycleIcons_; }
  // Starting the animation goes back to the first picture.
  void SetCycleIcons(bool value);
  unsigned AnimateTimerInterval() const { return animateTimer_->Interval(); }
  void SetAnimateTimerInterval(unsigned ms);
  // Mouse actions on the icon are reported only while enabled.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  // Empty unless given; the tray then shows the application's icon.
  TIcon* Icon() { return &icon_; }
  // Copies icon.
  void SetIcon(HICON icon);
  bool IconVisible() const { return iconVisible_; }
  void SetIconVisible(bool value);
  int IconIndex() const { return iconIndex_; }
  // Shows that picture of IconList, the last one for an index beyond its end; a negative
  // index is ignored.
  void SetIconIndex(int index);
  // Shown on the right button (or the left, with PopupByLeftButton) while its AutoPopup is on.
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);
  bool PopupByLeftButton() const { return popupByLeftButton_; }
  void SetPopupByLeftButton(bool value) { popupByLeftButton_ = value; }
  // Read from a form: the program starts hidden in the tray.
  bool MinimizedOnStart() const { return minimizedOnStart_; }
  void SetMinimizedOnStart(bool value) { minimizedOnStart_ = value; }
  // Minimizing the application hides it to the tray.
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }

  TNotifyEvent OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent event) { onClick_ = event; }
  TNotifyEvent OnDblClick() const { return onDblClick_; }
  void SetOnDblClick(TNotifyEvent event) { onDblClick_ = event; }
  // Positions are in screen coordinates.
  TMouseEvent OnMouseDown() const { return onMouseDown_; }
  void SetOnMouseDown(TMouseEvent event) { onMouseDown_ = event; }
  TMouseEvent OnMouseUp() const { return onMouseUp_; }
  void SetOnMouseUp(TMouseEvent event) { onMouseUp_ = event; }
  TMouseMoveEvent OnMouseMove() const { return onMouseMove_; }
  void SetOnMouseMove(TMouseMoveEvent event) { onMouseMove_ = event; }
  TCycleEvent OnCycle() const { return onCycle_; }
  void SetOnCycle(TCycleEvent event) { onCycle_ = event; }

  void AddTrayIcon();
  void RemoveTrayIcon();
  void UpdateTrayIcon();

  // The program's main window to and from the tray, for the skinned form's tray commands.
  // Hiding: the main form and the application's window go, the icon shows.
  void HideToTray();
  // Restoring: the application and its main form come back and are brought to the front;
  // the icon stays only when asked to.
  void RestoreFromTray(bool keepIcon);
  // The main form and the application's window come back (restored) or go.
  void RestoreMainWindow();
  void HideMainWindow();

  // The window the shell reports mouse actions on the icon to.
  HWND Handle() const { return window_->Handle(); }

  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  bool ShellAllowed() const { return !IsDesigning() || designPreview_; }
  HICON ShownIcon() const;
  void SendRecord(DWORD message);
  void UpdateAnimation();
  void AnimationStep(TObject*);
  void ApplicationHook(TMessage& message, const TWindowHookNext& next);
  void WindowProc(TMessage& message);
  void IconMouseMessage(UINT mouseMessage);
  void SingleClick(TObject*);
  void ShowMenu();
  // A double click runs the menu's first item marked as its default.
  void ClickDefaultItem();

  bool designPreview_ = false;
  TImageList* iconList_ = nullptr;
  bool cycleIcons_ = false;
  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = true;
  TIcon icon_;
  bool iconVisible_ = true;
  bool inTray_ = false;  // the shell has the icon
  int iconIndex_ = 0;
  TPopupMenu* popupMenu_ = nullptr;
  bool popupByLeftButton_ = false;
  bool minimizedOnStart_ = false;
  bool minimizeToTray_ = false;
  TNotifyEvent onClick_;
  TNotifyEvent onDblClick_;
  TMouseEvent onMouseDown_;
  TMouseEvent onMouseUp_;
  TMouseMoveEvent onMouseMove_;
  TCycleEvent onCycle_;

  const UINT taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
  std::unique_ptr<THiddenWindow> window_;
  std::unique_ptr<TTimer> animateTimer_;
  TTrayClicks clicks_{TNotifyEvent::Of<&TspTrayIcon::SingleClick>(this)};
};

// Makes TspTrayIcon known to the form reader.
void RegisterTrayClasses();

}  // namespace tmv
