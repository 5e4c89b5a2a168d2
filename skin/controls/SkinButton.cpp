#include "skin/controls/SkinButton.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/Forms.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/data/SkinButtonDescriptors.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

namespace {

constexpr TColor kNavy = 8388608;
constexpr TColor kDownFill = 11899781;
constexpr TColor kHotFill = 13811126;

}  // namespace

const TEnumInfo& ButtonLayoutInfo() {
  static const TEnumInfo info{"TspButtonLayout",
                              {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}};
  return info;
}

const TClassInfo& TspSkinButton::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinButton", &TspSkinCustomControl::StaticClassInfo(), &CreateComponent<TspSkinButton>,
      {prop::Boolean<&TspSkinButton::SetRepeatMode>("RepeatMode"),
       prop::Integer<&TspSkinButton::SetRepeatInterval>("RepeatInterval", 100),
       prop::Boolean<&TspSkinButton::SetAllowAllUp>("AllowAllUp"),
       prop::Boolean<&TspSkinButton::SetDefault>("Default"),
       prop::Boolean<&TspSkinButton::SetCancel>("Cancel"),
       prop::Integer<&TspSkinButton::SetModalResult>("ModalResult"),
       prop::Boolean<&TspSkinButton::SetCanFocused>("CanFocused", true),
       prop::Boolean<&TspSkinButton::SetDown>("Down"),
       prop::Integer<&TspSkinButton::SetGroupIndex>("GroupIndex"),
       prop::Object<&TspSkinButton::Glyph>("Glyph"),
       prop::Integer<&TspSkinButton::SetNumGlyphs>("NumGlyphs", 1),
       prop::Integer<&TspSkinButton::SetMargin>("Margin", -1),
       prop::Integer<&TspSkinButton::SetSpacing>("Spacing", 1),
       prop::Enum<&TspSkinButton::SetLayout>("Layout", ButtonLayoutInfo())});
  return info;
}

TspSkinButton::TspSkinButton(TComponent* owner) : TspSkinCustomControl(owner) {
  // A click is the button's own decision (released inside, or by group and repeat rules).
  SetControlStyle(ControlStyle() & ~csClickEvents);
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
  SetSkinDataName("button");
}

TspSkinButton::~TspSkinButton() {
  StopFade();
  StopRepeat();
}

void TspSkinButton::LookupSkinDescriptor() {
  TspSkinCustomControl::LookupSkinDescriptor();
  auto* d = dynamic_cast<TspDataSkinButtonControl*>(Descriptor());
  if (SkinIndex() == -1) fadeEnabled_ = false;
  if (!d) return;
  fontName_ = d->FontName;
  fontStyle_ = d->FontStyle;
  fontHeight_ = d->FontHeight;
  skinFontColor_ = d->FontColor;
  hotFontColor_ = d->ActiveFontColor;
  pressedFontColor_ = d->DownFontColor;
  grayFontColor_ = d->DisabledFontColor;
  hotFaceRect_ = d->ActiveSkinRect.IsEmpty() ? FaceRect() : d->ActiveSkinRect;
  downFaceRect_ = d->DownSkinRect.IsEmpty() ? hotFaceRect_ : d->DownSkinRect;
  disabledFaceRect_ = d->DisabledSkinRect;
  fadeEnabled_ = d->Morphing;
  fadeKind_ = d->MorphKind;
}

void TspSkinButton::ApplySkinChange() {
  StopFade();
  TspSkinCustomControl::ApplySkinChange();
  if (fadeEnabled_ && SkinIndex() != -1) fade_.SetFinished(IsFocused() || mouseInside_);
}

// ---------------------------------------------------------------------------------------
// Settings

void TspSkinButton::SetDown(bool value) {
  down_ = value;
  if (fadeEnabled_) {
    if (value) {
      fade_.SetFinished(true);
      StopFade();
    } else {
      StartFade();
    }
  }
  Invalidate();
  if (groupIndex_ != 0 && value && !allowAllUp_) ReleaseGroup();
}

void TspSkinButton::ReleaseGroup() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TspSkinButton*>(Parent()->Controls(i));
    if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_)
      other->SetDown(false);
  }
}

void TspSkinButton::SetGroupIndex(int32_t value) {
  groupIndex_ = value;
  if (value != 0) SetCanFocused(false);
}

void TspSkinButton::SetCanFocused(bool value) {
  canFocused_ = value;
  SetTabStop(value);
}

void TspSkinButton::SetDefault(bool value) {
  default_ = value;
  if (!HandleAllocated() || !canFocused_ || IsDesigning()) return;
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TspSkinButton::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  Invalidate();
}

void TspSkinButton::SetNumGlyphs(int32_t value) {
  if (value < 1 || value > 4) return;
  numGlyphs_ = value;
  Invalidate();
}

void TspSkinButton::SetLayout(TspButtonLayout value) {
  if (value == layout_) return;
  layout_ = value;
  Invalidate();
}

void TspSkinButton::SetSpacing(int32_t value) {
  if (value == spacing_) return;
  spacing_ = value;
  Invalidate();
}

void TspSkinButton::SetMargin(int32_t value) {
  if (value == margin_ || value < -1) return;
  margin_ = value;
  Invalidate();
}

// ---------------------------------------------------------------------------------------
// States

bool TspSkinButton::IsFocused() const { return canFocused_ && Focused(); }

bool TspSkinButton::ShownDown() const {
  return down_ && (groupIndex_ != 0 || mouseInside_ || (IsFocused() && !pressedByMouse_));
}

bool TspSkinButton::HoverChangesLook() const {
  return groupIndex_ != 0 ? !down_ : !IsFocused() || down_;
}

void TspSkinButton::ShowHotFinished() {
  if (fadeEnabled_) fade_.SetFinished(true);
  Invalidate();
}

void TspSkinButton::ButtonClick() {
  if (canFocused_)
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
  Click();
}

// ---------------------------------------------------------------------------------------
// Fade and repeat, on the window's own timers. A timer message that arrives after its timer
// was stopped (already queued) is ignored.

void TspSkinButton::StartFade() {
  if (!fadeEnabled_ || SkinIndex() == -1) {
    Invalidate();
    return;
  }
  if (!HandleAllocated()) {
    fade_.SetFinished(IsFocused() || mouseInside_);
    return;
  }
  if (!fadeRunning_) fadeRunning_ = SetTimer(Handle(), kFadeTimerID, kFadeInterval, nullptr) != 0;
}

void TspSkinButton::FadeTick() {
  const bool hot = mouseInside_ || IsFocused();
  if (SkinIndex() == -1 || !fadeEnabled_) {
    fade_.SetFinished(hot);
    StopFade();
  } else if (!fade_.Advance(hot)) {
    StopFade();
  }
  Invalidate();
}

void TspSkinButton::StopFade() {
  if (!fadeRunning_) return;
  fadeRunning_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kFadeTimerID);
}

void TspSkinButton::StartRepeat() {
  StopRepeat();
  if (!HandleAllocated()) return;
  repeatRunning_ = SetTimer(Handle(), kRepeatTimerID, static_cast<UINT>(repeatInterval_), nullptr) != 0;
}

void TspSkinButton::StopRepeat() {
  if (!repeatRunning_) return;
  repeatRunning_ = false;
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimerID);
}

// ---------------------------------------------------------------------------------------
// Mouse, keyboard and focus

void TspSkinButton::MouseEntered() {
  if (IsDesigning()) return;
  mouseInside_ = true;
  if (HoverChangesLook()) {
    if (down_)
      ShowHotFinished();
    else
      StartFade();
  }
  if (down_ && repeatMode_ && groupIndex_ == 0) StartRepeat();
}

void TspSkinButton::MouseLeft() {
  if (IsDesigning()) return;
  // A default button keeps its hot look while another control has the focus.
  if (!(canFocused_ && default_ && defaultActive_ && !IsFocused())) mouseInside_ = false;
  if (HoverChangesLook()) {
    if (down_)
      ShowHotFinished();
    else
      StartFade();
  }
  if (down_ && repeatMode_ && repeatRunning_ && groupIndex_ == 0) StopRepeat();
}

void TspSkinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = LifeToken();
  if (button == mbLeft) {
    pressedByMouse_ = true;
    if (!down_) {
      mouseInside_ = true;
      SetDown(true);
      if (repeatMode_ && groupIndex_ == 0)
        StartRepeat();
      else if (groupIndex_ != 0)
        ButtonClick();
      if (alive.expired()) return;
      wasDownAtPress_ = false;
    } else if (groupIndex_ != 0) {
      wasDownAtPress_ = true;
    }
  }
  TspSkinCustomControl::MouseDown(button, shift, x, y);
}

void TspSkinButton::MouseMove(TShiftState shift, int x, int y) {
  // While the button holds the mouse the system reports no leave: the press follows the
  // pointer itself, so a release outside is no click.
  if (pressedByMouse_) {
    const RECT r = ClientRect();
    const bool inside = PtInRect(&r, POINT{x, y}) != 0;
    if (inside && !mouseInside_) MouseEntered();
    if (!inside && mouseInside_) MouseLeft();
  }
  TspSkinCustomControl::MouseMove(shift, x, y);
}

void TspSkinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  auto alive = LifeToken();
  if (button == mbLeft) {
    // Where the button goes up decides, whatever enter and leave reports came before.
    const RECT r = ClientRect();
    const bool inside = PtInRect(&r, POINT{x, y}) != 0;
    if (inside && !mouseInside_) MouseEntered();
    if (!inside && mouseInside_) MouseLeft();
    pressedByMouse_ = false;
    if (groupIndex_ == 0) {
      if (inside) {
        SetDown(false);
        StopRepeat();
        ButtonClick();
      } else {
        down_ = false;
        StopRepeat();
        // Leaving while down showed the hot face at once; a button that is neither hot nor
        // focused now fades back instead of staying hot.
        StartFade();
      }
    } else if (down_ && allowAllUp_ && wasDownAtPress_ && inside) {
      SetDown(false);
      ButtonClick();
    }
  }
  if (alive.expired() || !HandleAllocated() || !Visible()) return;
  TspSkinCustomControl::MouseUp(button, shift, x, y);
}

void TspSkinButton::KeyDown(WORD& key, TShiftState shift) {
  TspSkinCustomControl::KeyDown(key, shift);
  if (!canFocused_) return;
  if (key == VK_SPACE) {
    SetDown(true);
    // Held Space repeats with the keyboard's own repeat.
    if (repeatMode_) ButtonClick();
  } else if (key == VK_RETURN) {
    ButtonClick();
  }
}

void TspSkinButton::KeyUp(WORD& key, TShiftState shift) {
  TspSkinCustomControl::KeyUp(key, shift);
  if (!canFocused_ || key != VK_SPACE) return;
  SetDown(false);
  ButtonClick();
}

bool TspSkinButton::DialogKey(WPARAM key) {
  return (key == VK_RETURN && defaultActive_ && Enabled()) ||
         (key == VK_ESCAPE && cancel_ && canFocused_ && KeyboardShiftState() == 0 && CanFocus());
}

void TspSkinButton::FocusChanged(TControl* focused) {
  auto* button = dynamic_cast<TspSkinButton*>(focused);
  defaultActive_ = button ? button == this : default_;
  if (!canFocused_ || !default_) return;
  if (button && button != this) {
    mouseInside_ = false;
    StartFade();
  } else if (!button) {
    mouseInside_ = true;
    ShowHotFinished();
  }
}

void TspSkinButton::EnabledChanged() {
  TspSkinCustomControl::EnabledChanged();
  if (fadeEnabled_) {
    StopFade();
    fade_.SetFinished(false);
  }
  mouseInside_ = false;
  Invalidate();
}

void TspSkinButton::CaptionChanged() {
  TspSkinCustomControl::CaptionChanged();
  if (SkinIndex() != -1 || IsDesigning() || DrawDefault()) Invalidate();
}

void TspSkinButton::InitializeWnd() {
  TspSkinCustomControl::InitializeWnd();
  defaultActive_ = default_;
}

void TspSkinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_TIMER:
      if (message.WParam == kFadeTimerID) {
        if (fadeRunning_) FadeTick();
        return;
      }
      if (message.WParam == kRepeatTimerID) {
        if (repeatRunning_) ButtonClick();
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (PaintIntoEraseDC(message)) return;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (canFocused_ && !Focused() && !IsDesigning() && !FocusOnPress()) return;
      break;
    case CN_COMMAND:
      if (FocusingByClick()) return;
      break;
    case CM_MOUSEENTER:
      MouseEntered();
      break;
    case CM_MOUSELEAVE:
      MouseLeft();
      break;
    case WM_SETFOCUS: {
      auto alive = LifeToken();
      TspSkinCustomControl::WndProc(message);
      if (!alive.expired() && canFocused_) StartFade();
      return;
    }
    case WM_KILLFOCUS: {
      StopRepeat();
      if (groupIndex_ == 0 && down_) down_ = false;
      auto alive = LifeToken();
      TspSkinCustomControl::WndProc(message);
      if (!alive.expired()) StartFade();
      return;
    }
    case CM_FOCUSCHANGED:
      FocusChanged(reinterpret_cast<TControl*>(message.LParam));
      return;
    case CM_DIALOGKEY:
      if (DialogKey(message.WParam)) {
        ButtonClick();
        message.Result = 1;
        return;
      }
      break;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<unsigned>(message.WParam), Caption()) && CanFocus() && canFocused_) {
        auto alive = LifeToken();
        SetFocus();
        if (alive.expired()) return;
        ButtonClick();
        message.Result = 1;
        return;
      }
      break;
  }
  TspSkinCustomControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------
// Painting

void TspSkinButton::DrawGlyphAndText(TCanvas& canvas, const TRect& r, TFont& font, int32_t frame,
                                     bool pressed) {
  HDC dc = canvas.Handle();
  const int32_t gw = GlyphFrameWidth(glyph_, numGlyphs_);
  const int32_t gh = glyph_.Empty() ? 0 : glyph_.Height();
  SelectGuard selected(dc, font.Handle());
  RECT extent{0, 0, 0, 0};
  const std::string& caption = Caption();
  DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &extent,
            DT_CALCRECT | DT_SINGLELINE);
  const int32_t tw = extent.right, th = extent.bottom;
  const TGlyphTextPlaces at =
      PlaceGlyphAndText(r, margin_, spacing_, layout_, gw, gh, tw, th, pressed);
  if (!caption.empty()) {
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, ColorToRGB(font.Color()));
    RECT place{at.Text.X, at.Text.Y, at.Text.X + tw + 2, at.Text.Y + th};
    DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
  }
  if (!glyph_.Empty()) DrawStripFrame(dc, at.Glyph.X, at.Glyph.Y, frame, numGlyphs_, glyph_);
}

void TspSkinButton::PaintButtonFace(TBitmap& bitmap, const TRect& faceRect, bool hot, bool pressed) {
  BuildSkinImage(bitmap, SkinPicture(), faceRect);
  TColor colour = skinFontColor_;
  if (!Enabled())
    colour = grayFontColor_;
  else if (hot && pressed)
    colour = pressedFontColor_;
  else if (hot)
    colour = hotFontColor_;
  TFont font;
  if (UseSkinFont()) {
    AssignSkinFont(font, fontName_, fontHeight_, fontStyle_, colour, DefaultFont()->Charset());
  } else {
    font.Assign(*DefaultFont());
    font.SetColor(colour);
  }
  DrawGlyphAndText(*bitmap.Canvas(), SizedClientRect(), font,
                   ButtonGlyphFrame(Enabled(), hot, pressed, numGlyphs_), hot && pressed);
}

void TspSkinButton::PaintSkinFace(TBitmap& face) {
  if (!SkinPicture()) {
    PaintDefaultFace(face);
    return;
  }
  const bool hot = mouseInside_ || IsFocused();
  if (!Enabled() && !disabledFaceRect_.IsEmpty()) {
    PaintButtonFace(face, disabledFaceRect_, false, false);
    return;
  }
  if (ShownDown()) {
    PaintButtonFace(face, downFaceRect_, true, true);
    return;
  }
  const double k = fade_.Factor();
  if (fadeEnabled_ && k > 0 && k < 1 && Enabled()) {
    PaintButtonFace(face, FaceRect(), false, false);
    TBitmap hotFace;
    hotFace.SetSize(face.Width(), face.Height());
    PaintButtonFace(hotFace, hotFaceRect_, true, false);
    TspEffectBmp mixed(face.Handle());
    mixed.Morph(fadeKind_, TspEffectBmp(hotFace.Handle()), k);
    mixed.Draw(face.Canvas()->Handle(), 0, 0);
    return;
  }
  if (hot || (fadeEnabled_ && k == 1))
    PaintButtonFace(face, hotFaceRect_, true, false);
  else
    PaintButtonFace(face, FaceRect(), false, false);
}

void TspSkinButton::PaintDefaultFace(TBitmap& face) {
  TspSkinCustomControl::PaintDefaultFace(face);
  TCanvas& canvas = *face.Canvas();
  RECT r{0, 0, Width(), Height()};
  const bool down = ShownDown();
  TColor frame = clBtnShadow, fill = clBtnFace;
  if (down)
    frame = kNavy, fill = kDownFill;
  else if (mouseInside_ || IsFocused())
    frame = kNavy, fill = kHotFill;
  Frame3D(canvas, r, frame, frame);
  canvas.Brush()->SetColor(fill);
  canvas.FillRect({r.left, r.top, r.right, r.bottom});
  TFont font;
  font.Assign(*DefaultFont());
  if (!Enabled()) font.SetColor(clBtnShadow);
  DrawGlyphAndText(canvas, {0, 0, Width(), Height()}, font, 1, down);
}

}  // namespace tmv
