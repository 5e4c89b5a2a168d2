#include "skin/hint/SkinHint.h"

#include "framework/core/ClassInfo.h"
#include "skin/data/SkinData.h"
#include "skin/hint/SkinHintWindow.h"
#include "skin/imaging/SPUtilsDesktop.h"

namespace tmv {

const TClassInfo& TspSkinHint::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinHint", &TComponent::StaticClassInfo(), &CreateComponent<TspSkinHint>,
      {prop::Object<&TspSkinHint::DefaultFont>("DefaultFont"),
       prop::Boolean<&TspSkinHint::SetUseSkinFont>("UseSkinFont", true),
       prop::Boolean<&TspSkinHint::SetAlphaBlendSupport>("AlphaBlendSupport", true),
       prop::Boolean<&TspSkinHint::SetAlphaBlend>("AlphaBlend"),
       prop::Integer<&TspSkinHint::SetAlphaBlendValue>("AlphaBlendValue", 200),
       prop::Reference<&TspSkinHint::SetSkinData>("SkinData"),
       prop::Boolean<&TspSkinHint::SetActive>("Active", true),
       prop::Event<&TspSkinHint::SetOnShowHint>("OnShowHint")});
  return info;
}

TspSkinHint::TspSkinHint(TComponent* owner)
    : TComponent(owner), hintWindow_(new TspSkinHintWindow(this)) {
  if (IsDesigning()) return;
  SetAlphaBlendSupport(alphaBlendSupport_);
  TApplication& app = *Application();
  app.SetHintWindowClass(&MakeSkinHintWindow);
  // Only a new hint window is of the new class.
  app.SetShowHint(false);
  app.SetShowHint(true);
  app.SetOnShowHint(TShowHintEvent::Of<&TspSkinHint::ApplicationShowHint>(this));
  app.SetHintShortPause(100);
}

TspSkinHint::~TspSkinHint() {
  TApplication& app = *Application();
  if (app.OnShowHint().Data() == this) app.SetOnShowHint(TShowHintEvent());
  if (skinData_) skinData_->RemoveFreeNotification(this);
}

void TspSkinHint::SetAlphaBlendSupport(bool value) {
  alphaBlendSupport_ = value && (IsDesigning() || LayeredWindowsAvailable());
}

void TspSkinHint::SetSkinData(TspSkinData* value) {
  if (value == skinData_) return;
  if (skinData_) skinData_->RemoveFreeNotification(this);
  skinData_ = value;
  if (skinData_) skinData_->FreeNotification(this);
}

void TspSkinHint::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == skinData_) skinData_ = nullptr;
}

void TspSkinHint::SetActive(bool value) {
  active_ = value;
  if (!value || !Owner()) return;
  for (int i = 0; i < Owner()->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TspSkinHint*>(Owner()->Components(i));
    if (other && other != this) other->active_ = false;
  }
}

void TspSkinHint::ApplicationShowHint(std::string& text, bool& canShow, THintInfo& info) {
  onShowHint_(text, canShow, info);
}

void TspSkinHint::StartTimer(unsigned interval, TNotifyEvent handler) {
  timer_ = std::make_unique<TTimer>(nullptr);
  timer_->SetInterval(interval);
  timer_->SetOnTimer(handler);
}

void TspSkinHint::ShowObjectHintDelayed(const std::string& text) {
  timer_.reset();
  objectHint_ = text;
  StartTimer(static_cast<unsigned>(Application()->HintPause()),
             TNotifyEvent::Of<&TspSkinHint::ShowPendingObjectHint>(this));
}

void TspSkinHint::HideObjectHint() {
  timer_.reset();
  if (hintWindow_->Showing())
    SetWindowPos(hintWindow_->Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void TspSkinHint::ShowPendingObjectHint(TObject*) {
  POINT p;
  GetCursorPos(&p);
  p.y += CursorHeightBelowHotSpot();
  hintWindow_->ShowHintAt({p.x, p.y, p.x, p.y}, objectHint_);
  StartTimer(static_cast<unsigned>(Application()->HintHidePause()),
             TNotifyEvent::Of<&TspSkinHint::ObjectHintExpired>(this));
}

void TspSkinHint::ObjectHintExpired(TObject*) { HideObjectHint(); }

void RegisterSkinHintClasses() {
  RegisterSkinDataClasses();
  RegisterClasses({&TspSkinHint::StaticClassInfo()});
}

}  // namespace tmv
