#include "skin/controls/SkinControl.h"

#include "framework/core/ClassInfo.h"
#include "framework/gui/Forms.h"
#include "skin/imaging/SPUtilsParentBackground.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

const TClassInfo& TspSkinControl::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinControl", &TCustomControl::StaticClassInfo(), nullptr,
      {prop::Reference<&TspSkinControl::SetSkinData>("SkinData"),
       prop::String<&TspSkinControl::SetAreaName>("AreaName"),
       prop::String<&TspSkinControl::SetSkinDataName>("SkinDataName"),
       prop::Boolean<&TspSkinControl::SetDrawDefault>("DrawDefault", true),
       prop::Boolean<&TspSkinControl::SetAlphaBlend>("AlphaBlend"),
       prop::Integer<&TspSkinControl::SetAlphaBlendValue>("AlphaBlendValue", 200),
       prop::Boolean<&TspSkinControl::SetUseSkinCursor>("UseSkinCursor")});
  return info;
}

TspSkinControl::TspSkinControl(TComponent* owner) : TCustomControl(owner) {}

TspSkinControl::~TspSkinControl() {
  if (skinData_) skinData_->RemoveFreeNotification(this);
}

void TspSkinControl::SetAlphaBlend(bool value) {
  alphaBlend_ = value;
  Invalidate();
}

void TspSkinControl::SetAlphaBlendValue(uint8_t value) {
  alphaBlendValue_ = value;
  Invalidate();
}

void TspSkinControl::LookupSkinDescriptor() {
  skinIndex_ = skinData_ && !skinData_->SkinEmpty() ? skinData_->FindControlIndex(skinDataName_)
                                                     : -1;
}

TspDataSkinControl* TspSkinControl::Descriptor() const {
  if (!skinData_ || skinIndex_ < 0 || static_cast<size_t>(skinIndex_) >= skinData_->CtrlList.size())
    return nullptr;
  return skinData_->CtrlList[static_cast<size_t>(skinIndex_)].get();
}

void TspSkinControl::SetSkinData(TspSkinData* value) {
  if (value != skinData_) {
    // Pictures of the previous registry must not outlive the link to it.
    ReleaseSkin();
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = value;
    if (value) value->FreeNotification(this);
  }
  if (value && !value->SkinEmpty() && !IsDesigning()) ApplySkinChange();
}

void TspSkinControl::SetSkinDataName(const std::string& value) { skinDataName_ = value; }

void TspSkinControl::ReleaseSkin() { skinIndex_ = -1; }

void TspSkinControl::ApplySkinChange() {
  LookupSkinDescriptor();
  ApplySkinCursor();
  Invalidate();
}

void TspSkinControl::ApplySkinCursor() {
  if (!useSkinCursor_) return;
  skinCursor_ = skinCursorIndex_ == -1 || !skinData_ ? -1
                                                     : skinData_->StartCursorIndex + skinCursorIndex_;
  // A number the skin made no cursor for (none listed, or a picture that makes none) keeps
  // the normal cursor rather than the table's arrow.
  SetCursor(skinCursor_ != -1 && Screen()->CursorRegistered(skinCursor_) ? skinCursor_ : crDefault);
}

void TspSkinControl::CaptureParentImage(TControl& control, TCanvas& canvas) {
  PaintParentBackground(control, canvas);
}

void TspSkinControl::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == skinData_) {
    ReleaseSkin();
    skinData_ = nullptr;
  }
}

void TspSkinControl::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  LookupSkinDescriptor();
  TBitmap face;
  face.SetSize(Width(), Height());
  if (skinIndex_ != -1)
    PaintSkinFace(face);
  else if (drawDefault_)
    PaintDefaultFace(face);
  if (alphaBlend_) BlendWithBackground(face);
  Canvas()->Draw(0, 0, face);
}

void TspSkinControl::BlendWithBackground(TBitmap& face) {
  TBitmap background;
  background.SetSize(face.Width(), face.Height());
  CaptureParentImage(*this, *background.Canvas());
  TspEffectBmp mixed(face.Handle());
  mixed.BlendWith(TspEffectBmp(background.Handle()), 1.0 - alphaBlendValue_ / 255.0);
  mixed.Draw(face.Canvas()->Handle(), 0, 0);
}

bool TspSkinControl::PaintIntoEraseDC(TMessage& message) {
  if (InPaintMessage || !message.WParam) return false;
  Perform(WM_PRINTCLIENT, message.WParam, PRF_CLIENT);
  message.Result = 1;
  return true;
}

bool TspSkinControl::FocusOnPress() {
  const auto alive = LifeToken();
  focusingByClick_ = true;
  SetFocus();
  if (alive.expired()) return false;
  focusingByClick_ = false;
  return Focused();
}

void TspSkinControl::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.FrameworkClassName = ClassName();
}

void TspSkinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      // Every pixel is painted from the off-screen face.
      message.Result = 1;
      return;
    case WM_PAINT:
      InPaintMessage = true;
      TCustomControl::WndProc(message);
      InPaintMessage = false;
      return;
    case WM_MOVE:
      TCustomControl::WndProc(message);
      // What shows through a translucent control changed with its place.
      if (alphaBlend_) Invalidate();
      return;
  }
  TCustomControl::WndProc(message);
}

}  // namespace tmv
