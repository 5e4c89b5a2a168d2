#include "skin/controls/SkinCheckRadioBox.h"

#include <memory>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/Messages.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsGlyphs.h"
#include "skin/imaging/SPUtilsParentBackground.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

namespace {

constexpr int32_t kMarkLeft = 3;         // the mark's left edge in both looks
constexpr int32_t kDefaultTextLeft = 22;  // the flat default look's caption
constexpr int32_t kNormalTextLeft = 19;   // the normal default look's caption
constexpr TColor kHotFrameColour = 8388608;  // navy
constexpr unsigned kFadeInterval = 20;

const TRect& OrPlain(const TRect& r, const TRect& plain) { return r.IsEmpty() ? plain : r; }

int32_t Half(int64_t value) { return static_cast<int32_t>(value / 2); }

}  // namespace

const TClassInfo& TspSkinCheckRadioBox::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinCheckRadioBox", &TspSkinCustomControl::StaticClassInfo(),
      &CreateComponent<TspSkinCheckRadioBox>,
      {prop::Reference<&TspSkinCheckRadioBox::SetImages>("Images"),
       prop::Integer<&TspSkinCheckRadioBox::SetImageIndex>("ImageIndex"),
       prop::Boolean<&TspSkinCheckRadioBox::SetFlat>("Flat", true),
       prop::Boolean<&TspSkinCheckRadioBox::SetCanFocused>("CanFocused", true),
       prop::Integer<&TspSkinCheckRadioBox::SetGroupIndex>("GroupIndex"),
       prop::Boolean<&TspSkinCheckRadioBox::SetChecked>("Checked"),
       prop::Boolean<&TspSkinCheckRadioBox::SetRadio>("Radio")});
  return info;
}

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* owner) : TspSkinCustomControl(owner) {
  // Clicks come from ToggleState and Checked, not from the framework's press and release.
  SetControlStyle(ControlStyle() & ~csClickEvents);
  SetSkinDataName("checkbox");
  SetBounds(0, 0, 150, 25);
  SetTabStop(false);
}

void TspSkinCheckRadioBox::LookupSkinDescriptor() {
  TspSkinCustomControl::LookupSkinDescriptor();
  auto* d = dynamic_cast<TspDataSkinCheckRadioControl*>(Descriptor());
  if (!d) {
    fadeEnabled_ = false;
    fadeSteps_ = 0;
    return;
  }
  fadeEnabled_ = d->Morphing && !flat_;
  fadeKind_ = d->MorphKind;
  fontName_ = d->FontName;
  fontStyle_ = d->FontStyle;
  fontHeight_ = d->FontHeight;
  skinFontColor_ = d->FontColor;
  hotFontColor_ = d->ActiveFontColor;
  flatFontColor_ = d->FrameFontColor;
  grayFontColor_ = d->UnEnabledFontColor;
  hotFaceRect_ = OrPlain(d->ActiveSkinRect, d->SkinRect);
  checkAreaRect_ = d->CheckImageArea;
  textAreaRect_ = d->TextArea;
  checkedImageRect_ = d->CheckImageRect;
  uncheckedImageRect_ = d->UnCheckImageRect;
  hotCheckedImageRect_ = OrPlain(d->ActiveCheckImageRect, d->CheckImageRect);
  hotUncheckedImageRect_ = OrPlain(d->ActiveUnCheckImageRect, d->UnCheckImageRect);
  grayCheckedImageRect_ = OrPlain(d->UnEnabledCheckImageRect, d->CheckImageRect);
  grayUncheckedImageRect_ = OrPlain(d->UnEnabledUnCheckImageRect, d->UnCheckImageRect);
}

void TspSkinCheckRadioBox::ApplySkinChange() {
  if (!flat_) {
    StopFade();
    const auto alive = LifeToken();
    TspSkinCustomControl::ApplySkinChange();
    if (alive.expired()) return;
    if (fadeEnabled_ && SkinIndex() != -1 && HotOrFocused()) fadeSteps_ = kFadeSteps;
    return;
  }
  // A flat box keeps its size and has no region: only its marks and colours change.
  LookupSkinDescriptor();
  ApplySkinCursor();
  Invalidate();
}

void TspSkinCheckRadioBox::FitSkinSize(int32_t& width, int32_t& height) {
  if (flat_ || SkinIndex() == -1) return;
  TspSkinCustomControl::FitSkinSize(width, height);
  const int32_t dw = width - static_cast<int32_t>(FaceRect().Width());
  sizedTextArea_ = textAreaRect_;
  sizedTextArea_.Right += dw;
  TRect area = checkAreaRect_;
  // A mark right of the text follows the right edge.
  if (textAreaRect_.Right < checkAreaRect_.Right) {
    area.Left += dw;
    area.Right += dw;
  }
  const int32_t w = static_cast<int32_t>(checkedImageRect_.Width());
  const int32_t h = static_cast<int32_t>(checkedImageRect_.Height());
  const int32_t left = area.Left + Half(area.Width()) - w / 2;
  const int32_t top = area.Top + Half(area.Height()) - h / 2;
  sizedCheckImage_ = {left, top, left + w, top + h};
}

void TspSkinCheckRadioBox::UpdateSkinRegion() {
  if (flat_) {
    RemoveSkinRegion();
    return;
  }
  TspSkinCustomControl::UpdateSkinRegion();
}

void TspSkinCheckRadioBox::SetChecked(bool value) {
  checked_ = value;
  Invalidate();
  // A form being read sets each box as stored: no group rule, no handler yet.
  if (IsLoading()) return;
  const auto alive = LifeToken();
  if (value && groupIndex_ != 0) {
    UncheckGroup();
    if (alive.expired()) return;
  }
  if (!radio_ || checked_) Click();
}

void TspSkinCheckRadioBox::UncheckGroup() {
  if (!Parent()) return;
  std::vector<std::pair<TspSkinCheckRadioBox*, std::weak_ptr<const void>>> others;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* box = dynamic_cast<TspSkinCheckRadioBox*>(Parent()->Controls(i));
    if (box && box != this && SameGroup(*box)) others.emplace_back(box, box->LifeToken());
  }
  const auto alive = LifeToken();
  // An unchecked check box of the group fires its OnClick, whose handler may free boxes.
  for (auto& [box, boxAlive] : others) {
    if (alive.expired()) return;
    if (!boxAlive.expired() && box->checked_) box->SetChecked(false);
  }
}

bool TspSkinCheckRadioBox::SameGroup(const TspSkinCheckRadioBox& other) const {
  return groupIndex_ != 0 && other.groupIndex_ == groupIndex_ && other.Parent() == Parent();
}

void TspSkinCheckRadioBox::SetRadio(bool value) {
  radio_ = value;
  if (IsDesigning() && !IsLoading()) {
    SetSkinDataName(value ? "radiobox" : "checkbox");
    groupIndex_ = value ? 1 : 0;
  }
  Invalidate();
}

void TspSkinCheckRadioBox::SetFlat(bool value) {
  flat_ = value;
  if (SkinData() && !IsLoading()) ApplySkinChange();
  Invalidate();
}

void TspSkinCheckRadioBox::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TspSkinCheckRadioBox::SetImages(TImageList* value) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = value;
  if (images_) images_->FreeNotification(this);
  Invalidate();
}

void TspSkinCheckRadioBox::SetImageIndex(int32_t value) {
  imageIndex_ = value;
  Invalidate();
}

void TspSkinCheckRadioBox::Notification(TComponent* component, TOperation operation) {
  TspSkinCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

void TspSkinCheckRadioBox::ToggleState() {
  if (radio_) {
    if (!checked_) SetChecked(true);
  } else {
    SetChecked(!checked_);
  }
}

void TspSkinCheckRadioBox::SetMouseInside(bool value) {
  if (mouseInside_ == value) return;
  mouseInside_ = value;
  Refresh();
}

void TspSkinCheckRadioBox::Refresh() {
  if (!fadeEnabled_ || SkinIndex() == -1) {
    Invalidate();
    return;
  }
  if (!fadeTimer_) {
    fadeTimer_ = new TTimer(this);
    fadeTimer_->SetInterval(kFadeInterval);
    fadeTimer_->SetOnTimer(TNotifyEvent::Of<&TspSkinCheckRadioBox::FadeTick>(this));
  }
  fadeTimer_->SetEnabled(true);
}

void TspSkinCheckRadioBox::FadeTick(TObject*) {
  const int32_t target = HotOrFocused() ? kFadeSteps : 0;
  if (!fadeEnabled_ || SkinIndex() == -1)
    fadeSteps_ = target;
  else
    fadeSteps_ += fadeSteps_ < target ? 1 : fadeSteps_ > target ? -1 : 0;
  // Stopped on arrival: no tick is spent on a fade already finished.
  if (fadeSteps_ == target) StopFade();
  Invalidate();
}

void TspSkinCheckRadioBox::StopFade() {
  if (fadeTimer_) fadeTimer_->SetEnabled(false);
}

void TspSkinCheckRadioBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (!IsDesigning()) SetMouseInside(message.Msg == CM_MOUSEENTER);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!Focused() && canFocused_ && CanFocus() && !IsDesigning() && !FocusOnPress()) return;
      break;
    case WM_GETDLGCODE:
      // Arrows move along a radio group instead of through the form's tab order.
      message.Result = radio_ && groupIndex_ != 0 ? DLGC_WANTARROWS : 0;
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(message.WParam), Caption()) && canFocused_ && CanFocus()) {
        const auto alive = LifeToken();
        SetFocus();
        message.Result = 1;
        if (!alive.expired()) ToggleState();
      }
      return;
    case WM_ERASEBKGND:
      // A transparent sibling captures the normal face through the erase; the box's own paint
      // draws the whole face anyway.
      if (!flat_ && !InPaintMessage && message.WParam) {
        Perform(WM_PRINTCLIENT, message.WParam, PRF_CLIENT);
        message.Result = 1;
        return;
      }
      break;
    case WM_MOVE:
      TspSkinCustomControl::WndProc(message);
      // The flat look shows what lies behind, which changed with the place.
      if (flat_) Invalidate();
      return;
  }
  TspSkinCustomControl::WndProc(message);
}

void TspSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  SetMouseInside(true);
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const auto alive = LifeToken();
  TspSkinCustomControl::MouseUp(button, shift, x, y);
  if (alive.expired()) return;
  // Captured, the box hears a release anywhere: only one over it is a click.
  const bool over = x >= 0 && y >= 0 && x < Width() && y < Height();
  if (button == mbLeft && mouseInside_ && over) ToggleState();
}

void TspSkinCheckRadioBox::KeyDown(WORD& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!radio_ || groupIndex_ == 0) return;
  int step = 0;
  if (key == VK_RIGHT || key == VK_DOWN) step = 1;
  if (key == VK_LEFT || key == VK_UP) step = -1;
  if (step == 0) return;
  TspSkinCheckRadioBox* next = GroupNeighbour(step);
  if (!next) return;
  // Taken: the key goes no further, so nothing touches this box after a handler freed it.
  key = 0;
  const auto nextAlive = next->LifeToken();
  next->SetFocus();
  if (!nextAlive.expired()) next->SetChecked(true);
}

TspSkinCheckRadioBox* TspSkinCheckRadioBox::GroupNeighbour(int step) const {
  if (!Parent()) return nullptr;
  std::vector<TspSkinCheckRadioBox*> group;
  size_t self = 0;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* box = dynamic_cast<TspSkinCheckRadioBox*>(Parent()->Controls(i));
    if (box == this) self = group.size();
    if (box == this || (box && SameGroup(*box) && box->CanFocus())) group.push_back(box);
  }
  if (group.size() < 2) return nullptr;
  const size_t n = group.size();
  return group[static_cast<size_t>(static_cast<int>(self + n) + step) % n];
}

void TspSkinCheckRadioBox::KeyUp(WORD& key, TShiftState shift) {
  const auto alive = LifeToken();
  TspSkinCustomControl::KeyUp(key, shift);
  if (alive.expired()) return;
  if (key != VK_SPACE || !canFocused_ || !Focused()) return;
  // Taken: the key goes no further, so nothing touches this box after a handler freed it.
  key = 0;
  ToggleState();
}

void TspSkinCheckRadioBox::DoEnter() {
  const auto alive = LifeToken();
  TspSkinCustomControl::DoEnter();
  if (!alive.expired() && canFocused_) Refresh();
}

void TspSkinCheckRadioBox::DoExit() {
  const auto alive = LifeToken();
  TspSkinCustomControl::DoExit();
  if (!alive.expired() && canFocused_) Refresh();
}

void TspSkinCheckRadioBox::EnabledChanged() {
  TspSkinCustomControl::EnabledChanged();
  if (fadeEnabled_) {
    StopFade();
    fadeSteps_ = 0;
  }
  mouseInside_ = false;
  Invalidate();
}

void TspSkinCheckRadioBox::CaptionChanged() {
  TspSkinCustomControl::CaptionChanged();
  // The window's text changed, but the face that shows it is the box's own.
  Invalidate();
}

const TRect& TspSkinCheckRadioBox::CheckImageRect() const {
  if (!Enabled()) return checked_ ? grayCheckedImageRect_ : grayUncheckedImageRect_;
  if (Hot()) return checked_ ? hotCheckedImageRect_ : hotUncheckedImageRect_;
  return checked_ ? checkedImageRect_ : uncheckedImageRect_;
}

void TspSkinCheckRadioBox::Paint() {
  if (!flat_) {
    TspSkinCustomControl::Paint();
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  LookupSkinDescriptor();
  TBitmap face;
  face.SetSize(Width(), Height());
  PaintFlat(face);
  Canvas()->Draw(0, 0, face);
}

void TspSkinCheckRadioBox::PaintFlat(TBitmap& face) {
  TCanvas& canvas = *face.Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect({0, 0, Width(), Height()});
  PaintParentBackground(*this, canvas, TParentBackgroundStyle::CheckBox);
  TFont font;
  FlatFont(font);
  if (SkinIndex() != -1 && SkinPicture()) {
    const TRect& mark = CheckImageRect();
    const int32_t y = Height() / 2 - Half(checkedImageRect_.Height());
    DrawPictureTransparent(canvas.Handle(), kMarkLeft, y, *SkinPicture(), mark);
    DrawFlatCaption(canvas, font, static_cast<int32_t>(checkedImageRect_.Width()) + 7);
  } else {
    DrawDefaultMark(canvas);
    DrawFlatCaption(canvas, font, kDefaultTextLeft);
  }
}

void TspSkinCheckRadioBox::FlatFont(TFont& font) {
  const bool skinned = SkinIndex() != -1;
  if (skinned && UseSkinFont())
    AssignSkinFont(font, fontName_, fontHeight_, fontStyle_, flatFontColor_,
                   DefaultFont()->Charset());
  else
    font.Assign(*DefaultFont());
  if (skinned)
    font.SetColor(Enabled() ? flatFontColor_ : grayFontColor_);
  else if (!Enabled())
    font.SetColor(clBtnShadow);
}

void TspSkinCheckRadioBox::DrawDefaultMark(TCanvas& canvas) {
  const int32_t mid = Height() / 2;
  RECT square{kMarkLeft, mid - 7, kMarkLeft + 14, mid + 7};
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Hot() ? kHotFrameColour : clBtnShadow);
  canvas.FrameRect(square);
  if (!checked_) return;
  const TColor ink = Enabled() ? clBlack : clBtnShadow;
  if (radio_) {
    canvas.Brush()->SetColor(ink);
    canvas.FillRect({7, mid - 3, 13, mid + 3});
  } else {
    DrawCheckMark(canvas.Handle(), 7, mid - 4, ink);
  }
}

void TspSkinCheckRadioBox::DrawFlatCaption(TCanvas& canvas, TFont& font, int32_t left) {
  canvas.Font()->Assign(font);
  RECT extent{0, 0, 0, 0};
  canvas.DrawText(Caption(), extent, DT_CALCRECT | DT_SINGLELINE);
  const int32_t textHeight = extent.bottom - extent.top;
  TRect text{left, Height() / 2 - textHeight / 2, left + extent.right - extent.left,
             Height() / 2 - textHeight / 2 + textHeight};
  if (text.Right > Width() - 2) text.Right = Width() - 2;
  RECT image{0, 0, 0, 0};
  if (images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count()) {
    const int32_t top = Height() / 2 - images_->Height() / 2;
    image = {text.Left, top, text.Left + images_->Width(), top + images_->Height()};
    images_->Draw(canvas, image.left, image.top, imageIndex_, Enabled());
    const int32_t shift = images_->Width() + 5;
    text.Left += shift;
    text.Right += shift;
    if (text.Right > Width() - 2) text.Right = Width() - 2;
  }
  DrawCaptionText(canvas.Handle(), font, text, text.Left, Caption());
  if (!Focused() || !canFocused_) return;
  RECT focus;
  if (!Caption().empty()) {
    focus = {text.Left - 2, text.Top - 1, text.Right + 3, text.Bottom + 1};
  } else if (image.right > image.left) {
    focus = image;
    InflateRect(&focus, 1, 1);
  } else {
    return;
  }
  canvas.DrawFocusRect(focus);
}

void TspSkinCheckRadioBox::PaintDefaultFace(TBitmap& face) {
  TspSkinCustomControl::PaintDefaultFace(face);
  TCanvas& canvas = *face.Canvas();
  if (Focused() || Hot()) {
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect({0, 0, Width(), Height()});
  }
  DrawDefaultMark(canvas);
  TFont font;
  font.Assign(*DefaultFont());
  if (!Enabled()) font.SetColor(clBtnShadow);
  DrawCaptionText(canvas.Handle(), font, {kNormalTextLeft, 0, Width(), Height()},
                  kNormalTextLeft, Caption());
}

void TspSkinCheckRadioBox::PaintSkinFace(TBitmap& face) {
  if (!SkinPicture()) {
    PaintDefaultFace(face);
    return;
  }
  const bool hot = fadeEnabled_ ? fadeSteps_ == kFadeSteps : HotOrFocused();
  BuildFace(face, hot);
  TCanvas& canvas = *face.Canvas();
  const TRect& mark = CheckImageRect();
  const int32_t y = sizedCheckImage_.Top + Half(sizedCheckImage_.Height()) -
                    Half(checkedImageRect_.Height());
  DrawPictureTransparent(canvas.Handle(), sizedCheckImage_.Left, y, *SkinPicture(), mark);
  TFont font;
  const TColor colour = !Enabled() ? grayFontColor_ : hot ? hotFontColor_ : skinFontColor_;
  if (UseSkinFont())
    AssignSkinFont(font, fontName_, fontHeight_, fontStyle_, colour, DefaultFont()->Charset());
  else
    font.Assign(*DefaultFont());
  font.SetColor(colour);
  DrawCaptionText(canvas.Handle(), font, sizedTextArea_, sizedTextArea_.Left, Caption());
}

void TspSkinCheckRadioBox::BuildFace(TBitmap& face, bool hot) {
  BuildSkinImage(face, SkinPicture(), hot ? hotFaceRect_ : FaceRect());
  if (!fadeEnabled_ || fadeSteps_ == 0 || fadeSteps_ == kFadeSteps) return;
  TBitmap hotFace;
  hotFace.SetSize(face.Width(), face.Height());
  BuildSkinImage(hotFace, SkinPicture(), hotFaceRect_);
  TspEffectBmp mixed(face.Handle());
  mixed.Morph(fadeKind_, TspEffectBmp(hotFace.Handle()), FadeFactor());
  mixed.Draw(face.Canvas()->Handle(), 0, 0);
}

}  // namespace tmv
