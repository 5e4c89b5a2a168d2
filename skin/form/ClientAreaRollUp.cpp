// Rolling up a skinned form that has no non-client area: the form shrinks to the skin's
// roll-up picture, is shaped by the roll-up mask, shows the objects that belong to the
// rolled-up picture, and hides its controls until it unrolls.
#include <algorithm>

#include "skin/form/DynamicSkinForm.h"
#include "skin/imaging/SPUtilsComposeGdi.h"

namespace tmv {

bool TspDynamicSkinForm::HasRollUpPicture() const {
  return skinned_ && !skinData_->RollUpPicture().Empty();
}

void TspDynamicSkinForm::RollClientArea(bool value) {
  // The objects of the other picture must not keep the mouse or a morph going.
  captureIndex_ = -1;
  UpdateHover(-1, -1);
  hoverTimer_->SetEnabled(false);
  morphTimer_->SetEnabled(false);
  rolledUp_ = value;
  if (value) {
    rollUpRestoreHeight_ = form_.Height();
    HideControls();
    FoldClientArea();
  } else {
    ShowHiddenControls();
    UnfoldClientArea();
  }
  hoverTimer_->SetEnabled(true);
  morphTimer_->SetEnabled(true);
}

void TspDynamicSkinForm::FoldClientArea() {
  TBitmap& picture = skinData_->RollUpPicture();
  const bool stretchable = RollUpBand(skinData_->FormInfo, picture.Width()).Stretchable;
  // A roll-up picture of fixed size changes the width too; unrolling gives back the width the
  // form had before it first rolled up, however many skins it was rolled up under.
  if (!stretchable && rollUpRestoreWidth_ == 0 && form_.Width() != picture.Width()) rollUpRestoreWidth_ = form_.Width();
  form_.SetBounds(form_.Left(), form_.Top(), stretchable ? form_.Width() : picture.Width(), picture.Height());
  frameWidth_ = form_.Width();
  frameHeight_ = form_.Height();
  RecalcRollUp();
}

void TspDynamicSkinForm::UnfoldClientArea() {
  if (FrameStretchable(skinData_->FormInfo)) RestoreUnrolledSize();
  FitClientAreaToSkin();
  frameWidth_ = form_.Width();
  frameHeight_ = form_.Height();
  RecalcFrame(true);
}

void TspDynamicSkinForm::DropClientAreaRollUp() {
  rolledUp_ = false;
  ShowHiddenControls();
  RestoreUnrolledSize();
  OnChangeRollUpState(this);
}

void TspDynamicSkinForm::RestoreUnrolledSize() {
  const int width = rollUpRestoreWidth_ > 0 ? rollUpRestoreWidth_ : form_.Width();
  rollUpRestoreWidth_ = 0;
  form_.SetBounds(form_.Left(), form_.Top(), width, rollUpRestoreHeight_);
}

void TspDynamicSkinForm::ClientAreaResized() {
  if (rolledUp_) {
    RecalcRollUp();
    return;
  }
  const TBitmap& picture = skinData_->Picture();
  if (FrameStretchable(skinData_->FormInfo))
    RecalcFrame(true);
  else if (form_.ClientWidth() == picture.Width() && form_.ClientHeight() == picture.Height())
    RecalcFrame(false);
}

void TspDynamicSkinForm::RecalcRollUp() {
  LayoutRollUpObjects();
  ApplyRollUpRegion();
  form_.Invalidate();
}

void TspDynamicSkinForm::LayoutRollUpObjects() {
  if (!skinned_) return;
  const int pictureWidth = skinData_->RollUpPicture().Width();
  const TspRollUpBand band = RollUpBand(skinData_->FormInfo, pictureWidth);
  for (auto& o : objects_)
    if (o->RollUp) o->ObjectRect = MapRollUpObjectRect(band, pictureWidth, form_.Width(), o->SkinRect);
}

void TspDynamicSkinForm::ApplyRollUpRegion() {
  if (!form_.HandleAllocated()) return;
  TBitmap& picture = skinData_->RollUpPicture();
  const TspRollUpMask mask(rollUpMaskPixels_, RollUpBand(skinData_->FormInfo, picture.Width()),
                           picture.Width(), picture.Height(), form_.Width());
  region_.Set(form_.Handle(), mask.Region());
}

void TspDynamicSkinForm::PaintRolledUpFace(HDC dc, const RECT& client) {
  TBitmap& picture = skinData_->RollUpPicture();
  const int w = std::max<int>(client.right, 1), h = std::max<int>(client.bottom, 1);
  const TspRollUpBand band = RollUpBand(skinData_->FormInfo, picture.Width());
  TBitmap face;
  face.SetBitCount(24);
  face.SetSize(w, h);
  if (band.Stretchable) {
    TBitmap strip;
    ComposeHorizontalBand(band.LeftEnd, band.RightEnd, strip, w, {0, 0, picture.Width(), picture.Height()}, picture);
    BitBlt(face.Canvas()->Handle(), 0, 0, strip.Width(), strip.Height(), strip.Canvas()->Handle(), 0, 0, SRCCOPY);
  } else {
    BitBlt(face.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), picture.Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  for (auto& o : objects_)
    if (o->Visible && o->RollUp) o->DrawObject(face.Canvas()->Handle(), true);
  BitBlt(dc, 0, 0, w, h, face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspDynamicSkinForm::HideControls() {
  std::vector<TControl*> shown;
  for (int i = 0; i < form_.ControlCount(); ++i)
    if (TControl* c = form_.Controls(i); c->Visible()) shown.push_back(c);
  for (TControl* c : shown) {
    c->FreeNotification(this);
    hiddenControls_.push_back(c);
    c->SetVisible(false);
  }
}

void TspDynamicSkinForm::ShowHiddenControls() {
  const std::vector<TControl*> hidden = std::move(hiddenControls_);
  hiddenControls_.clear();
  for (TControl* c : hidden) c->SetVisible(true);
}

}  // namespace tmv
