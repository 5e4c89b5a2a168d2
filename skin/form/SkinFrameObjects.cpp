#include "skin/form/SkinFrameObjects.h"

#include <algorithm>
#include <cmath>

#include "framework/gui/Handles.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsGlyphs.h"
#include "skin/imaging/SPUtilsText.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

namespace {

constexpr double kMorphStep = 0.2;

TBitmap* PictureAt(const TspSkinData& skin, int32_t index) {
  return index >= 0 && index < static_cast<int32_t>(skin.ActivePictures.size())
             ? skin.ActivePictures[static_cast<size_t>(index)].get()
             : nullptr;
}

// A rectangle of a picture as a bitmap of the same size.
void CutPiece(TBitmap& piece, TBitmap* picture, const TRect& source) {
  piece.SetBitCount(24);
  piece.SetSize(static_cast<int>(source.Width()), static_cast<int>(source.Height()));
  if (picture)
    DrawPicturePieces(piece.Canvas()->Handle(), *picture,
                      {{source, {0, 0, static_cast<int32_t>(source.Width()), static_cast<int32_t>(source.Height())}}});
}

TRect Sized(const TRect& r, const TRect& like) {
  return {r.Left, r.Top, static_cast<int32_t>(r.Left + like.Width()), static_cast<int32_t>(r.Top + like.Height())};
}

}  // namespace

// ---------------------------------------------------------------------------------------
// TspActiveSkinObject

TspActiveSkinObject::TspActiveSkinObject(TspDynamicSkinForm& form, const TspDataSkinObject* d,
                                         const std::string& name)
    : IDName(d && name.empty() ? d->IDName : name),
      Hint(d ? d->Hint : std::string()),
      RollUp(d && d->RollUp),
      SkinRectInAPicture(!d || d->SkinRectInAPicture),
      CursorIndex(d ? d->CursorIndex : -1),
      SkinRect(d ? d->SkinRect : TRect{}),
      ObjectRect(SkinRect),
      form_(form) {
  if (!d) return;
  TspSkinData& skin = *form.SkinData();
  framePicture_ = RollUp ? &skin.RollUpPicture() : &skin.Picture();
  activePicture_ = PictureAt(skin, d->ActivePictureIndex);
  // Without its picture an object never shows an active state.
  activeRect_ = activePicture_ ? d->ActiveSkinRect : TRect{};
  inactiveRect_ = d->InActiveSkinRect;
  morphing_ = d->Morphing;
  morphKind_ = d->MorphKind;
}

bool TspActiveSkinObject::FormActive() const { return form_.IsFormActive(); }

void TspActiveSkinObject::AnnounceMouse(bool in) {
  MouseIn = in;
  if (in)
    form_.OnMouseEnterEvent(&form_, IDName);
  else
    form_.OnMouseLeaveEvent(&form_, IDName);
}

void TspActiveSkinObject::DrawImage(HDC dc, TBitmap* picture, const TRect& source) const {
  if (!picture || source.IsEmpty()) return;
  DrawPicturePieces(dc, *picture, {{source, Sized(ObjectRect, source)}});
}

void TspActiveSkinObject::DrawMorphed(HDC dc, TBitmap* normalPicture, const TRect& normal,
                                      const TRect& active) const {
  TBitmap from, to;
  CutPiece(from, normalPicture, normal);
  CutPiece(to, activePicture_, Sized(active, normal));
  TspEffectBmp mixed(from.Handle());
  mixed.Morph(morphKind_, TspEffectBmp(to.Handle()), MorphKf);
  mixed.Draw(dc, ObjectRect.Left, ObjectRect.Top);
}

void TspActiveSkinObject::DrawObject(HDC dc, bool inStrip) {
  if (Enabled && !FormActive() && !inactiveRect_.IsEmpty()) {
    DrawImage(dc, activePicture_, inactiveRect_);
    return;
  }
  if (morphing_ && !Settled() && !activeRect_.IsEmpty()) {
    DrawMorphed(dc, NormalPicture(), SkinRect, activeRect_);
    return;
  }
  if (Active && !activeRect_.IsEmpty()) {
    DrawImage(dc, activePicture_, activeRect_);
    return;
  }
  // The frame picture already shows an object of its own in its normal state.
  if (inStrip && !SkinRectInAPicture) return;
  DrawImage(dc, NormalPicture(), SkinRect);
}

void TspActiveSkinObject::HandleMouseDown(int x, int y, TMouseButton button) {
  form_.OnMouseDownEvent(&form_, IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::HandleMouseUp(int x, int y, TMouseButton button) {
  if (MouseIn) form_.OnMouseUpEvent(&form_, IDName, x, y, ObjectRect, button);
}

void TspActiveSkinObject::HandleMouseMove(int x, int y) {
  form_.OnMouseMoveEvent(&form_, IDName, x, y, ObjectRect);
}

void TspActiveSkinObject::MouseEnter() {
  MouseIn = Active = true;
  if (!activeRect_.IsEmpty()) Redraw();
  form_.OnMouseEnterEvent(&form_, IDName);
}

void TspActiveSkinObject::MouseLeave() {
  MouseIn = Active = false;
  if (!activeRect_.IsEmpty()) Redraw();
  form_.OnMouseLeaveEvent(&form_, IDName);
}

bool TspActiveSkinObject::CanMorph() const {
  return morphing_ && ((Active && MorphKf < 1) || (!Active && MorphKf > 0));
}

void TspActiveSkinObject::MorphStep() {
  MorphKf = std::clamp(MorphKf + (Active ? kMorphStep : -kMorphStep), 0.0, 1.0);
  // Steps of 0.2 do not add up to exactly 1 in binary.
  if (std::fabs(MorphKf - std::round(MorphKf)) < 1e-9) MorphKf = std::round(MorphKf);
  form_.DrawObjectNow(*this);
}

void TspActiveSkinObject::Redraw() {
  if (morphing_ && !activeRect_.IsEmpty())
    form_.StartMorphing();
  else
    form_.DrawObjectNow(*this);
}

// ---------------------------------------------------------------------------------------
// TspSkinButtonObject

TspSkinButtonObject::TspSkinButtonObject(TspDynamicSkinForm& form, const TspDataSkinButton* d,
                                         const std::string& builtInName)
    : TspActiveSkinObject(form, d, builtInName) {
  if (!d) return;
  downRect_ = d->DownRect;
  disabledRect_ = d->DisableSkinRect;
  groupIndex_ = d->GroupIndex;
}

void TspSkinButtonObject::DrawObject(HDC dc, bool inStrip) {
  if (!Enabled && !disabledRect_.IsEmpty()) {
    DrawImage(dc, activePicture_, disabledRect_);
    return;
  }
  if (down_ && !downRect_.IsEmpty() && (groupIndex_ != -1 || MouseIn)) {
    DrawImage(dc, activePicture_, downRect_);
    return;
  }
  TspActiveSkinObject::DrawObject(dc, inStrip);
}

void TspSkinButtonObject::SetDown(bool value) {
  down_ = value;
  if (!value) {
    if (groupIndex_ != -1) Active = false;
    if (Morphing() && !downRect_.IsEmpty()) Form().DrawObjectNow(*this);
    Redraw();
    return;
  }
  if (Morphing()) MorphKf = 1;
  Form().DrawObjectNow(*this);
  if (groupIndex_ == -1) return;
  for (auto& o : Form().FrameObjects())
    if (auto* other = dynamic_cast<TspSkinButtonObject*>(o.get());
        other && other != this && other->groupIndex_ == groupIndex_ && other->IDName != IDName && other->down_)
      other->SetDown(false);
}

void TspSkinButtonObject::HandleMouseDown(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && !down_) SetDown(true);
  TspActiveSkinObject::HandleMouseDown(x, y, button);
}

void TspSkinButtonObject::HandleMouseUp(int x, int y, TMouseButton button) {
  if (!Enabled) return;
  if (button == mbLeft && down_ && groupIndex_ == -1) SetDown(false);
  TspActiveSkinObject::HandleMouseUp(x, y, button);
}

void TspSkinButtonObject::MouseEnter() {
  MouseIn = Active = true;
  if (down_ && !downRect_.IsEmpty() && groupIndex_ == -1)
    Form().DrawObjectNow(*this);
  else if (!activeRect_.IsEmpty())
    Redraw();
  Form().OnMouseEnterEvent(&Form(), IDName);
}

void TspSkinButtonObject::MouseLeave() {
  MouseIn = false;
  if (!(down_ && !downRect_.IsEmpty() && groupIndex_ != -1)) {
    Active = false;
    if (Morphing() && down_) MorphKf = 1;
    if (!activeRect_.IsEmpty() || (!downRect_.IsEmpty() && groupIndex_ == -1)) Redraw();
  }
  Form().OnMouseLeaveEvent(&Form(), IDName);
}

// ---------------------------------------------------------------------------------------
// TspSkinStdButtonObject

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDynamicSkinForm& form, const TspDataSkinStdButton* d)
    : TspSkinButtonObject(form, d), Command(d->Command), HasDescriptor(true) {
  restoreRect_ = d->RestoreRect;
  restoreActiveRect_ = d->RestoreActiveRect;
  restoreDownRect_ = d->RestoreDownRect;
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspDynamicSkinForm& form, const std::string& name,
                                               TspStdCommand command)
    : TspSkinButtonObject(form, nullptr, name), Command(command), HasDescriptor(false) {}

bool TspSkinStdButtonObject::ShowsRestoreImage() const {
  const TspDynamicSkinForm& f = Form();
  const bool restoring = (Command == cmMaximize && f.SkinWindowState() == swsMaximized) ||
                         (Command == cmMinimize && f.SkinWindowState() == swsMinimized) ||
                         (Command == cmRollUp && f.RolledUp());
  return restoring && !restoreRect_.IsEmpty() && Enabled && (FormActive() || inactiveRect_.IsEmpty());
}

bool TspSkinStdButtonObject::DrawsIcon() const {
  return Command == cmSysMenu && Form().ShowIcon() && SkinRectInAPicture;
}

bool TspSkinStdButtonObject::CanMorph() const {
  return !DrawsIcon() && TspSkinButtonObject::CanMorph();
}

void TspSkinStdButtonObject::DrawObject(HDC dc, bool inStrip) {
  if (DrawsIcon()) {
    const SIZE s = TspDynamicSkinForm::SmallIconSize();
    if (HICON icon = Form().SmallIcon())
      DrawIconEx(dc, ObjectRect.Left, ObjectRect.Top, icon, s.cx, s.cy, 0, nullptr, DI_NORMAL);
    return;
  }
  if (!HasDescriptor) {
    DrawDefault(dc);
    return;
  }
  if (ShowsRestoreImage()) {
    if (down_ && MouseIn && !restoreDownRect_.IsEmpty())
      DrawImage(dc, activePicture_, restoreDownRect_);
    else if (Morphing() && !Settled() && !restoreActiveRect_.IsEmpty())
      DrawMorphed(dc, activePicture_, restoreRect_, restoreActiveRect_);
    else
      DrawImage(dc, activePicture_, Active && !restoreActiveRect_.IsEmpty() ? restoreActiveRect_ : restoreRect_);
    return;
  }
  TspSkinButtonObject::DrawObject(dc, inStrip);
}

void TspSkinStdButtonObject::DrawDefault(HDC dc) const {
  const int w = static_cast<int>(ObjectRect.Width()), h = static_cast<int>(ObjectRect.Height());
  if (w < 1 || h < 1) return;
  TBitmap face;
  face.SetBitCount(24);
  face.SetSize(w, h);
  TCanvas& c = *face.Canvas();
  c.Brush()->SetColor(clBtnFace);
  c.FillRect({0, 0, w, h});
  const bool pressed = down_ && MouseIn;
  if (MouseIn) {
    c.Brush()->SetColor(static_cast<TColor>(down_ ? 0xB59285 : 0xD2BDB6));
    c.FillRect({0, 0, w, h});
    c.Brush()->SetColor(clNavy);
    c.FrameRect({0, 0, w, h});
  }
  const TColor colour = Enabled ? clBtnText : clBtnShadow;
  const int a = w / 2 - 5 + (pressed ? 1 : 0), b = h / 2 - 4 + (pressed ? 1 : 0);
  HDC fdc = c.Handle();
  const TspDynamicSkinForm& f = Form();
  switch (Command) {
    case cmClose: DrawGlyphClose(fdc, a, b, colour); break;
    case cmMaximize:
      if (f.SkinWindowState() == swsMaximized) DrawGlyphRestore(fdc, a, b, colour);
      else DrawGlyphMaximize(fdc, a, b, colour);
      break;
    case cmMinimize:
      if (f.SkinWindowState() == swsMinimized) DrawGlyphRestore(fdc, a, b, colour);
      else DrawGlyphMinimize(fdc, a, b, colour);
      break;
    case cmSysMenu: DrawGlyphSysMenu(fdc, a, b, colour); break;
    case cmRollUp:
      if (f.RolledUp()) DrawGlyphTriangleDown(fdc, a, b, colour);
      else DrawGlyphTriangleUp(fdc, a, b, colour);
      break;
    case cmMinimizeToTray: DrawGlyphSquare(fdc, a, b, colour); break;
    default: break;
  }
  BitBlt(dc, ObjectRect.Left, ObjectRect.Top, w, h, fdc, 0, 0, SRCCOPY);
}

void TspSkinStdButtonObject::HandleMouseDown(int x, int y, TMouseButton button) {
  if (button != mbLeft || !Enabled || down_) return;
  SetDown(true);
  // The button stays down until its menu closes.
  if (Command == cmSysMenu) Form().PopupSystemMenuUnder(ObjectRect);
}

void TspSkinStdButtonObject::HandleMouseUp(int x, int y, TMouseButton button) {
  if (Command == cmSysMenu && Form().SkinMenuOpen()) return;
  if (!(Active && button == mbLeft && Enabled)) {
    if (down_) SetDown(false);
    return;
  }
  if (Command == cmClose) {
    SetDown(false);
    RunCommand();
    return;
  }
  const auto alive = Form().LifeToken();
  RunCommand();
  if (!alive.expired() && down_) SetDown(false);
}

void TspSkinStdButtonObject::RunCommand() { Form().RunFrameCommand(Command); }

// A built-in button has no active image to fade to: its own look follows the mouse at once.
void TspSkinStdButtonObject::MouseEnter() {
  TspSkinButtonObject::MouseEnter();
  if (!HasDescriptor) Form().DrawObjectNow(*this);
}

void TspSkinStdButtonObject::MouseLeave() {
  TspSkinButtonObject::MouseLeave();
  if (!HasDescriptor) Form().DrawObjectNow(*this);
}

void TspSkinStdButtonObject::HandleDoubleClick() {
  if (Command == cmSysMenu) Form().Form().Close();
}

// ---------------------------------------------------------------------------------------
// TspSkinCaptionObject

TspSkinCaptionObject::TspSkinCaptionObject(TspDynamicSkinForm& form, const TspDataSkinCaption* d)
    : TspActiveSkinObject(form, d), DefaultCaption(d->DefaultCaption), data_(*d) {}

void TspSkinCaptionObject::MouseEnter() { AnnounceMouse(true); }
void TspSkinCaptionObject::MouseLeave() { AnnounceMouse(false); }

void TspSkinCaptionObject::DrawCaption(HDC dc, const TRect& r, bool active) const {
  if (Text.empty() || r.IsEmpty()) return;
  const TspSkinData* skin = Form().SkinData();
  const int charset = skin && skin->ResourceStrData() ? skin->ResourceStrData()->CharSet()
                                                     : Form().DefCaptionFont()->Charset();
  TFont font;
  AssignSkinFont(font, data_.FontName, data_.FontHeight, data_.FontStyle,
                 static_cast<TColor>(active ? data_.ActiveFontColor : data_.FontColor), charset);
  SelectGuard selected(dc, font.Handle());
  const std::string text = FitTextToWidth(dc, Text, static_cast<int32_t>(r.Width()));
  SIZE extent{0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
  const int y = r.Top + static_cast<int>(r.Height()) / 2 - extent.cy / 2;
  const int x = data_.Alignment == TSkinAlignment::LeftJustify    ? r.Left
                : data_.Alignment == TSkinAlignment::RightJustify ? r.Right - extent.cx
                                                                  : r.Left + static_cast<int>(r.Width()) / 2 - extent.cx / 2;
  SetBkMode(dc, TRANSPARENT);
  if (data_.Shadow) {
    SetTextColor(dc, ColorToRGB(static_cast<TColor>(active ? data_.ActiveShadowColor : data_.ShadowColor)));
    TextOutA(dc, x + 1, y + 1, text.data(), static_cast<int>(text.size()));
  }
  SetTextColor(dc, ColorToRGB(static_cast<TColor>(active ? data_.ActiveFontColor : data_.FontColor)));
  TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void TspSkinCaptionObject::DrawObject(HDC dc, bool inStrip) {
  Active = FormActive();
  TRect text{ObjectRect.Left + data_.TextRect.Left, ObjectRect.Top + data_.TextRect.Top,
             static_cast<int32_t>(ObjectRect.Left + data_.TextRect.Right + (ObjectRect.Width() - SkinRect.Width())),
             ObjectRect.Top + data_.TextRect.Bottom};
  if (!data_.FrameRect.IsEmpty()) {
    text.Left += data_.FrameTextRect.Left;
    text.Top += data_.FrameTextRect.Top;
    text.Right += static_cast<int32_t>(data_.FrameTextRect.Right - data_.FrameRect.Width());
  }
  if (activeRect_.IsEmpty()) {
    // On the frame strip the picture already holds the caption's background.
    if (!inStrip) DrawImage(dc, framePicture_, SkinRect);
    DrawCaption(dc, text, Active);
    return;
  }
  const int w = static_cast<int>(ObjectRect.Width()), h = static_cast<int>(ObjectRect.Height());
  TBitmap back;
  back.SetBitCount(24);
  back.SetSize(w, h);
  ComposeHorizontalBand(static_cast<int32_t>(std::min<int64_t>(activeRect_.Width() / 2, 8)),
                        static_cast<int32_t>(std::min<int64_t>(activeRect_.Width() / 2, 8)), back, w,
                        Active ? activeRect_ : SkinRect, Active ? *activePicture_ : *framePicture_);
  {
    SavedDC saved(back.Canvas()->Handle());
    SetWindowOrgEx(back.Canvas()->Handle(), ObjectRect.Left, ObjectRect.Top, nullptr);
    DrawCaption(back.Canvas()->Handle(), text, Active);
  }
  BitBlt(dc, ObjectRect.Left, ObjectRect.Top, w, h, back.Canvas()->Handle(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// TspUserObject

void TspUserObject::DrawObject(HDC dc, bool) {
  TCanvas canvas(dc, false);
  Form().OnPaintEvent(&Form(), IDName, canvas, ObjectRect);
}

// ---------------------------------------------------------------------------------------
// TspSkinAnimateObject

TspSkinAnimateObject::TspSkinAnimateObject(TspDynamicSkinForm& form, const TspDataSkinAnimate* d)
    : TspActiveSkinObject(form, d), Command(d->Command), data_(*d) {}

void TspSkinAnimateObject::DrawObject(HDC dc, bool) {
  if (!activePicture_ || activeRect_.IsEmpty()) return;
  const int32_t w = static_cast<int32_t>(SkinRect.Width());
  const TRect frame{activeRect_.Left + (frame_ - 1) * w, activeRect_.Top, activeRect_.Left + frame_ * w,
                    static_cast<int32_t>(activeRect_.Top + SkinRect.Height())};
  DrawImage(dc, activePicture_, frame);
}

void TspSkinAnimateObject::MouseEnter() {
  MouseIn = Active = true;
  if (data_.ButtonStyle) {
    direction_ = 1;
    Form().StartAnimation();
  }
  Form().OnMouseEnterEvent(&Form(), IDName);
}

void TspSkinAnimateObject::MouseLeave() {
  MouseIn = Active = false;
  if (data_.ButtonStyle) {
    direction_ = -1;
    Form().StartAnimation();
  }
  Form().OnMouseLeaveEvent(&Form(), IDName);
}

bool TspSkinAnimateObject::AnimationStep() {
  if (direction_ == 0) return false;
  elapsed_ += 25;
  if (elapsed_ < std::max(25, data_.TimerInterval)) return true;
  elapsed_ = 0;
  const int32_t count = std::max(1, data_.CountFrames);
  frame_ += direction_;
  if (direction_ > 0 && frame_ > count) {
    frame_ = data_.Cycle ? 1 : count;
    if (!data_.Cycle) direction_ = 0;
  } else if (direction_ < 0 && frame_ < 1) {
    frame_ = count;
  }
  if (direction_ < 0 && frame_ == 1) direction_ = 0;
  Form().DrawObjectNow(*this);
  return direction_ != 0;
}

void TspSkinAnimateObject::HandleMouseUp(int x, int y, TMouseButton button) {
  if (MouseIn && data_.ButtonStyle && button == mbLeft) {
    if (Command == cmSysMenu) {
      Form().PopupSystemMenuUnder(ObjectRect);
      return;
    }
    if (Command != cmDefault) {
      Form().RunFrameCommand(Command);
      return;
    }
  }
  TspActiveSkinObject::HandleMouseUp(x, y, button);
}

void TspSkinAnimateObject::HandleDoubleClick() {
  if (Command == cmSysMenu) Form().Form().Close();
}

// ---------------------------------------------------------------------------------------
// Objects that show a value or a text

TspSkinLabelObject::TspSkinLabelObject(TspDynamicSkinForm& form, const TspDataSkinLabel* d)
    : TspActiveSkinObject(form, d), Text(d->TextValue), data_(*d) {}

void TspSkinLabelObject::DrawObject(HDC dc, bool inStrip) {
  if (!inStrip) DrawImage(dc, NormalPicture(), SkinRect);
  TFont font;
  AssignSkinFont(font, data_.FontName, data_.FontHeight, data_.FontStyle,
                 static_cast<TColor>(FormActive() ? data_.ActiveFontColor : data_.FontColor), DEFAULT_CHARSET);
  TCanvas canvas(dc, false);
  canvas.Font()->Assign(font);
  canvas.Brush()->SetStyle(bsClear);
  const int width = canvas.TextWidth(Text);
  const int x = AlignedLeft(AlignmentOf(data_.Alignment), ObjectRect.Left, ObjectRect.Right, width);
  DrawCaptionText(dc, font, ObjectRect, x, Text);
}

void TspSkinSwitchObject::MouseEnter() { AnnounceMouse(true); }
void TspSkinSwitchObject::MouseLeave() { AnnounceMouse(false); }

void TspSkinSwitchObject::DrawObject(HDC dc, bool inStrip) {
  if (on_ && !activeRect_.IsEmpty())
    DrawImage(dc, activePicture_, activeRect_);
  else if (!inStrip || SkinRectInAPicture)
    DrawImage(dc, NormalPicture(), SkinRect);
}

void TspSkinSwitchObject::HandleMouseDown(int x, int y, TMouseButton button) {
  if (button != mbLeft) return;
  on_ = !on_;
  Form().DrawObjectNow(*this);
  Form().OnSwitchChangeStateEvent(&Form(), IDName, on_ ? swsOn : swsOff);
}

TspSkinGaugeObject::TspSkinGaugeObject(TspDynamicSkinForm& form, const TspDataSkinGauge* d)
    : TspActiveSkinObject(form, d), data_(*d), value_(d->MinValue) {}

void TspSkinGaugeObject::SetValue(int32_t value) {
  value_ = std::clamp(value, std::min(data_.MinValue, data_.MaxValue), std::max(data_.MinValue, data_.MaxValue));
  Form().DrawObjectNow(*this);
}

void TspSkinGaugeObject::DrawObject(HDC dc, bool inStrip) {
  if (!inStrip || SkinRectInAPicture) DrawImage(dc, NormalPicture(), SkinRect);
  const int64_t range = int64_t{data_.MaxValue} - data_.MinValue;
  if (range <= 0 || activeRect_.IsEmpty()) return;
  TRect part = activeRect_;
  if (data_.Kind == TspGaugeKind::Horizontal)
    part.Right = static_cast<int32_t>(part.Left + part.Width() * (value_ - data_.MinValue) / range);
  else
    part.Top = static_cast<int32_t>(part.Bottom - part.Height() * (value_ - data_.MinValue) / range);
  if (part.IsEmpty()) return;
  const int32_t dy = data_.Kind == TspGaugeKind::Vertical ? part.Top - activeRect_.Top : 0;
  DrawPicturePieces(dc, *activePicture_,
                    {{part, {ObjectRect.Left, ObjectRect.Top + dy,
                             static_cast<int32_t>(ObjectRect.Left + part.Width()),
                             static_cast<int32_t>(ObjectRect.Top + dy + part.Height())}}});
}

TspSkinFrameGaugeObject::TspSkinFrameGaugeObject(TspDynamicSkinForm& form, const TspDataSkinFramesObject* d)
    : TspActiveSkinObject(form, d), data_(*d), value_(d->MinValue) {}

void TspSkinFrameGaugeObject::SetValue(int32_t value) {
  value_ = std::clamp(value, std::min(data_.MinValue, data_.MaxValue), std::max(data_.MinValue, data_.MaxValue));
  Form().DrawObjectNow(*this);
}

void TspSkinFrameGaugeObject::DrawObject(HDC dc, bool) {
  if (!activePicture_ || activeRect_.IsEmpty()) return;
  const int32_t count = std::max(1, data_.CountFrames);
  const int64_t range = int64_t{data_.MaxValue} - data_.MinValue;
  const int32_t frame = range > 0 ? static_cast<int32_t>((value_ - data_.MinValue) * (count - 1) / range) : 0;
  const int32_t w = static_cast<int32_t>(SkinRect.Width()), h = static_cast<int32_t>(SkinRect.Height());
  const bool across = data_.FramesPlacement == TspFramesPlacement::Horizontal;
  const TRect source{activeRect_.Left + (across ? frame * w : 0), activeRect_.Top + (across ? 0 : frame * h),
                     activeRect_.Left + (across ? frame * w : 0) + w, activeRect_.Top + (across ? 0 : frame * h) + h};
  DrawImage(dc, activePicture_, source);
}

void TspSkinFrameRegulatorObject::Follow(int x, int y) {
  // A vertical regulator grows upwards; the others follow the mouse from left to right.
  const bool vertical = kind_ == TspRegulatorKind::Vertical;
  const int64_t span = std::max<int64_t>(1, vertical ? ObjectRect.Height() : ObjectRect.Width());
  const int64_t at = std::clamp<int64_t>(vertical ? ObjectRect.Bottom - y : x - ObjectRect.Left, 0, span);
  const int32_t value = static_cast<int32_t>(data_.MinValue + (int64_t{data_.MaxValue} - data_.MinValue) * at / span);
  if (value == value_) return;
  value_ = value;
  Form().DrawObjectNow(*this);
  Form().OnFrameRegulatorChangeValueEvent(&Form(), IDName, value_);
}

void TspSkinFrameRegulatorObject::HandleMouseDown(int x, int y, TMouseButton button) {
  if (button != mbLeft) return;
  dragging_ = true;
  Follow(x, y);
}

void TspSkinFrameRegulatorObject::HandleMouseMove(int x, int y) {
  if (dragging_) Follow(x, y);
}

void TspSkinFrameRegulatorObject::HandleMouseUp(int, int, TMouseButton) { dragging_ = false; }

TspSkinTrackBarObject::TspSkinTrackBarObject(TspDynamicSkinForm& form, const TspDataSkinTrackBar* d)
    : TspActiveSkinObject(form, d), data_(*d), value_(d->MinValue) {}

TRect TspSkinTrackBarObject::ThumbRect() const {
  const TPoint b = data_.BeginPoint, e = data_.EndPoint;
  const int64_t range = int64_t{data_.MaxValue} - data_.MinValue;
  const double t = range > 0 ? double(value_ - data_.MinValue) / double(range) : 0;
  const bool horizontal = std::abs(e.X - b.X) >= std::abs(e.Y - b.Y);
  const double pos = horizontal ? b.X + (e.X - b.X) * t : b.Y + (e.Y - b.Y) * t;
  const int32_t w = static_cast<int32_t>(data_.ButtonRect.Width()), h = static_cast<int32_t>(data_.ButtonRect.Height());
  const int32_t x = ObjectRect.Left + (horizontal ? static_cast<int32_t>(std::lround(pos)) - w / 2 : b.X - w / 2);
  const int32_t y = ObjectRect.Top + (horizontal ? b.Y - h / 2 : static_cast<int32_t>(std::lround(pos)) - h / 2);
  return {x, y, x + w, y + h};
}

void TspSkinTrackBarObject::DrawObject(HDC dc, bool inStrip) {
  if (!inStrip || SkinRectInAPicture) DrawImage(dc, NormalPicture(), SkinRect);
  if (!activePicture_) return;
  const TRect& source = dragging_ && !data_.ActiveButtonRect.IsEmpty() ? data_.ActiveButtonRect : data_.ButtonRect;
  const TRect thumb = ThumbRect();
  if (data_.ButtonTransparent)
    DrawPictureTransparent(dc, thumb.Left, thumb.Top, *activePicture_, source);
  else
    DrawPicturePieces(dc, *activePicture_, {{source, thumb}});
}

void TspSkinTrackBarObject::MoveThumbTo(int x, int y) {
  const TPoint b = data_.BeginPoint, e = data_.EndPoint;
  const bool horizontal = std::abs(e.X - b.X) >= std::abs(e.Y - b.Y);
  const double span = horizontal ? e.X - b.X : b.Y - e.Y;
  const double at = horizontal ? x - ObjectRect.Left - b.X : ObjectRect.Top + b.Y - y;
  const double t = span != 0 ? std::clamp(at / span, 0.0, 1.0) : 0;
  const int32_t value = data_.MinValue + static_cast<int32_t>(std::nearbyint((int64_t{data_.MaxValue} - data_.MinValue) * t));
  if (value == value_) return;
  value_ = value;
  Form().DrawObjectNow(*this);
  Form().OnTrackBarChangeValueEvent(&Form(), IDName, value_);
}

void TspSkinTrackBarObject::HandleMouseDown(int x, int y, TMouseButton button) {
  if (button != mbLeft) return;
  const TRect thumb = ThumbRect();
  if (x >= thumb.Left && x < thumb.Right && y >= thumb.Top && y < thumb.Bottom)
    dragging_ = true;
  else if (data_.MouseDownChangeValue)
    MoveThumbTo(x, y);
  Form().DrawObjectNow(*this);
}

void TspSkinTrackBarObject::HandleMouseMove(int x, int y) {
  if (dragging_) MoveThumbTo(x, y);
}

void TspSkinTrackBarObject::HandleMouseUp(int, int, TMouseButton) {
  dragging_ = false;
  Form().DrawObjectNow(*this);
}

TspSkinBitLabelObject::TspSkinBitLabelObject(TspDynamicSkinForm& form, const TspDataSkinBitLabel* d)
    : TspActiveSkinObject(form, d), Text(d->TextValue), data_(*d) {}

void TspSkinBitLabelObject::DrawObject(HDC dc, bool inStrip) {
  if (!inStrip || SkinRectInAPicture) DrawImage(dc, NormalPicture(), SkinRect);
  if (!activePicture_ || data_.SymbolWidth < 1 || data_.SymbolHeight < 1) return;
  int32_t x = ObjectRect.Left;
  for (char ch : Text) {
    for (size_t row = 0; row < data_.Symbols.size(); ++row) {
      const size_t col = data_.Symbols[row].find(ch);
      if (col == std::string::npos) continue;
      const TRect source{activeRect_.Left + static_cast<int32_t>(col) * data_.SymbolWidth,
                         activeRect_.Top + static_cast<int32_t>(row) * data_.SymbolHeight,
                         activeRect_.Left + static_cast<int32_t>(col + 1) * data_.SymbolWidth,
                         activeRect_.Top + static_cast<int32_t>(row + 1) * data_.SymbolHeight};
      DrawPicturePieces(dc, *activePicture_,
                        {{source, {x, ObjectRect.Top, x + data_.SymbolWidth, ObjectRect.Top + data_.SymbolHeight}}});
      break;
    }
    x += data_.SymbolWidth;
  }
}

// ---------------------------------------------------------------------------------------

std::vector<std::unique_ptr<TspActiveSkinObject>> CreateFrameObjects(TspDynamicSkinForm& form,
                                                                    const TspSkinData& skin) {
  std::vector<std::unique_ptr<TspActiveSkinObject>> objects;
  for (const auto& d : skin.ObjectList) {
    const TspDataSkinObject* data = d.get();
    if (dynamic_cast<const TspDataSkinMainMenuItem*>(data) || dynamic_cast<const TspDataSkinMenuItem*>(data) ||
        dynamic_cast<const TspDataSkinMainMenuBarButton*>(data))
      continue;
    std::unique_ptr<TspActiveSkinObject> o;
    if (auto* g = dynamic_cast<const TspDataSkinGauge*>(data)) o = std::make_unique<TspSkinGaugeObject>(form, g);
    else if (auto* s = dynamic_cast<const TspDataSkinStdButton*>(data)) o = std::make_unique<TspSkinStdButtonObject>(form, s);
    else if (auto* b = dynamic_cast<const TspDataSkinButton*>(data)) o = std::make_unique<TspSkinButtonObject>(form, b);
    else if (auto* c = dynamic_cast<const TspDataSkinCaption*>(data)) o = std::make_unique<TspSkinCaptionObject>(form, c);
    else if (dynamic_cast<const TspDataUserObject*>(data)) o = std::make_unique<TspUserObject>(form, data);
    else if (dynamic_cast<const TspDataSkinSwitch*>(data)) o = std::make_unique<TspSkinSwitchObject>(form, data);
    else if (auto* t = dynamic_cast<const TspDataSkinTrackBar*>(data)) o = std::make_unique<TspSkinTrackBarObject>(form, t);
    else if (auto* l = dynamic_cast<const TspDataSkinLabel*>(data)) o = std::make_unique<TspSkinLabelObject>(form, l);
    else if (auto* a = dynamic_cast<const TspDataSkinAnimate*>(data)) o = std::make_unique<TspSkinAnimateObject>(form, a);
    else if (auto* bl = dynamic_cast<const TspDataSkinBitLabel*>(data)) o = std::make_unique<TspSkinBitLabelObject>(form, bl);
    else if (auto* r = dynamic_cast<const TspDataSkinFrameRegulatorObject*>(data)) o = std::make_unique<TspSkinFrameRegulatorObject>(form, r, r->Kind);
    else if (auto* fg = dynamic_cast<const TspDataSkinFrameGaugeObject*>(data)) o = std::make_unique<TspSkinFrameGaugeObject>(form, fg);
    if (o) objects.push_back(std::move(o));
  }
  return objects;
}

std::vector<std::unique_ptr<TspActiveSkinObject>> CreateDefaultFrameButtons(TspDynamicSkinForm& form) {
  const std::pair<const char*, TspStdCommand> buttons[] = {
      {"closebutton", cmClose},   {"maxbutton", cmMaximize},   {"minbutton", cmMinimize},
      {"rollupbutton", cmRollUp}, {"sysmenubutton", cmSysMenu}, {"traybutton", cmMinimizeToTray}};
  std::vector<std::unique_ptr<TspActiveSkinObject>> objects;
  for (const auto& [name, command] : buttons)
    objects.push_back(std::make_unique<TspSkinStdButtonObject>(form, name, command));
  return objects;
}

}  // namespace tmv
