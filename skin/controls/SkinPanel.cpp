#include "skin/controls/SkinPanel.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsGlyphs.h"

namespace tmv {

namespace {

constexpr int32_t kArrowStrip = 10;   // the roll-up arrow's strip
constexpr int32_t kSkinArrowRoom = 12;
constexpr int32_t kCheckSquare = 14;  // the default look's check box
constexpr int32_t kCheckRoom = 20;

RECT AsRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

const TClassInfo& TspSkinPanel::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinPanel", &TspSkinCustomControl::StaticClassInfo(), &CreateComponent<TspSkinPanel>,
      {prop::Event<&TspSkinPanel::SetOnChangeRollUpState>("OnChangeRollUpState"),
       prop::Boolean<&TspSkinPanel::SetCheckedMode>("CheckedMode"),
       prop::Boolean<&TspSkinPanel::SetChecked>("Checked"),
       prop::Event<&TspSkinPanel::SetOnChecked>("OnChecked"),
       prop::Boolean<&TspSkinPanel::SetAutoEnabledControls>("AutoEnabledControls", true),
       prop::Object<&TspSkinPanel::Glyph>("Glyph"),
       prop::Integer<&TspSkinPanel::SetNumGlyphs>("NumGlyphs", 1),
       prop::Integer<&TspSkinPanel::SetSpacing>("Spacing", 2),
       prop::Integer<&TspSkinPanel::SetRealHeight>("RealHeight", -1),
       prop::Boolean<&TspSkinPanel::SetRollUpState>("RollUpState"),
       prop::Boolean<&TspSkinPanel::SetRollUpMode>("RollUpMode"),
       prop::Boolean<&TspSkinPanel::SetCaptionMode>("CaptionMode"),
       prop::Enum<&TspSkinPanel::SetBorderStyle>("BorderStyle", SkinBorderStyleInfo()),
       prop::Integer<&TspSkinPanel::SetDefaultCaptionHeight>("DefaultCaptionHeight", 22),
       prop::Enum<&TspSkinPanel::SetDefaultAlignment>("DefaultAlignment", AlignmentInfo())});
  return info;
}

TspSkinPanel::TspSkinPanel(TComponent* owner) : TspSkinCustomControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 150, 150);
  SetSkinDataName("panel");
}

void TspSkinPanel::Loaded() {
  TspSkinCustomControl::Loaded();
  // A panel stored rolled up keeps its children hidden.
  if (rollUpState_ && realHeight_ != -1) HideChildren();
}

void TspSkinPanel::LookupSkinDescriptor() {
  TspSkinCustomControl::LookupSkinDescriptor();
  backgroundPictureIndex_ = -1;
  auto* d = dynamic_cast<TspDataSkinPanelControl*>(Descriptor());
  if (!d) return;
  captionAreaRect_ = d->CaptionRect;
  skinAlignment_ = d->Alignment;
  fontName_ = d->FontName;
  fontStyle_ = d->FontStyle;
  fontHeight_ = d->FontHeight;
  fontColor_ = d->FontColor;
  // A picture the skin does not have leaves the panel to its face.
  if (d->BGPictureIndex >= 0 &&
      static_cast<size_t>(d->BGPictureIndex) < SkinData()->ActivePictures.size())
    backgroundPictureIndex_ = d->BGPictureIndex;
  checkedImageRect_ = d->CheckImageRect;
  uncheckedImageRect_ = d->UnCheckImageRect;
}

TBitmap* TspSkinPanel::BackgroundPicture() const {
  if (SkinIndex() == -1 || backgroundPictureIndex_ == -1) return nullptr;
  return SkinData()->ActivePictures[static_cast<size_t>(backgroundPictureIndex_)].get();
}

int32_t TspSkinPanel::HiddenCaptionRows() const {
  const TRect& c = captionAreaRect_;
  const bool freeHeight = SkinResizeMode() == TSkinResizeMode::Both ||
                          SkinResizeMode() == TSkinResizeMode::Vertical;
  if (captionMode_ || SkinIndex() == -1 || c.IsEmpty() || !freeHeight || c.Top < 0 ||
      c.Bottom > LeftTopPoint().Y)
    return 0;
  return c.Height();
}

bool TspSkinPanel::ClientAreaOnly() const {
  return borderStyle_ == TspSkinBorderStyle::bvNone && SkinResizeMode() == TSkinResizeMode::Both &&
         !captionMode_;
}

// ---------------------------------------------------------------------------------------
// Settings

void TspSkinPanel::SetCheckedMode(bool value) {
  checkedMode_ = value;
  Invalidate();
}

void TspSkinPanel::SetChecked(bool value) {
  checked_ = value;
  if (checkedMode_) Invalidate();
  if (autoEnabledControls_ && checkedMode_)
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(value);
  onChecked_(this);
}

void TspSkinPanel::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  Invalidate();
}

void TspSkinPanel::SetNumGlyphs(int32_t value) {
  if (value < 1 || value > 2) return;
  numGlyphs_ = value;
  Invalidate();
}

void TspSkinPanel::SetSpacing(int32_t value) {
  spacing_ = value;
  Invalidate();
}

void TspSkinPanel::SetRollUpState(bool value) {
  if (value == rollUpState_) return;
  if (!rollUpMode_) {
    rollUpState_ = false;
    return;
  }
  rollUpState_ = value;
  // A stored panel comes with its rolled height and RealHeight already.
  if (IsLoading()) return;
  ApplyRollUp(value);
  onChangeRollUpState_(this);
}

void TspSkinPanel::SetRollUpMode(bool value) {
  rollUpMode_ = value;
  if (SkinIndex() == -1 && captionMode_) Invalidate();
}

void TspSkinPanel::SetCaptionMode(bool value) {
  captionMode_ = value;
  Invalidate();
  Realign();
}

void TspSkinPanel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (SkinIndex() != -1) return;
  Invalidate();
  Realign();
}

void TspSkinPanel::SetDefaultCaptionHeight(int32_t value) {
  defaultCaptionHeight_ = value;
  if (SkinIndex() != -1 || !captionMode_) return;
  Invalidate();
  Realign();
}

void TspSkinPanel::SetDefaultAlignment(TAlignment value) {
  defaultAlignment_ = value;
  if (SkinIndex() == -1 && captionMode_) Invalidate();
}

void TspSkinPanel::CaptionChanged() {
  TspSkinCustomControl::CaptionChanged();
  if (captionMode_) Invalidate();
}

void TspSkinPanel::SetBounds(int left, int top, int width, int height) {
  TspSkinCustomControl::SetBounds(left, top, width, height);
  if (SkinIndex() == -1) Invalidate();
}

// ---------------------------------------------------------------------------------------
// Skin changes, children and rolling up

void TspSkinPanel::ApplySkinChange() {
  TspSkinCustomControl::ApplySkinChange();
  if (realHeight_ == -1) {
    Realign();
    return;
  }
  // Rolled up: the rolled height of the new skin, the full height kept.
  const int32_t fullHeight = realHeight_;
  realHeight_ = -1;
  ApplyRollUp(true);
  realHeight_ = fullHeight;
}

void TspSkinPanel::ApplyRollUp(bool state) {
  if (state && realHeight_ == -1) {
    realHeight_ = Height();
    HideChildren();
    LookupSkinDescriptor();
    const int32_t rolled = SkinIndex() == -1
                               ? defaultCaptionHeight_ + 1
                               : Height() - static_cast<int32_t>(SizedClientRect().Height());
    SetHeight(rolled);
  } else if (!state && realHeight_ != -1) {
    const int32_t fullHeight = realHeight_;
    realHeight_ = -1;
    SetHeight(fullHeight);
    ShowChildren();
  }
}

void TspSkinPanel::HideChildren() {
  childrenHidden_ = true;
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(false);
}

void TspSkinPanel::ShowChildren() {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetVisible(true);
  childrenHidden_ = false;
  Realign();
}

RECT TspSkinPanel::ChildArea() {
  LookupSkinDescriptor();
  RECT r = ClientRect();
  if (SkinIndex() == -1 || IsDesigning()) {
    if (borderStyle_ != TspSkinBorderStyle::bvNone) InflateRect(&r, -1, -1);
    if (captionMode_) r.top += defaultCaptionHeight_;
    return r;
  }
  if (backgroundPictureIndex_ != -1 || ClientAreaOnly()) return r;
  RECT client = AsRECT(SizedClientRect());
  client.top -= HiddenCaptionRows();
  return client;
}

void TspSkinPanel::AlignControls(RECT& rect) {
  if (childrenHidden_) return;
  rect = ChildArea();
  TspSkinCustomControl::AlignControls(rect);
}

// ---------------------------------------------------------------------------------------
// Painting

void TspSkinPanel::Paint() {
  LookupSkinDescriptor();
  if (TBitmap* background = BackgroundPicture()) {
    if (Width() < 1 || Height() < 1) return;
    DrawPicturePieces(Canvas()->Handle(), *background,
                      PlanTiled({0, 0, background->Width(), background->Height()}, Width(),
                                Height()));
    return;
  }
  TspSkinCustomControl::Paint();
}

void TspSkinPanel::PaintSkinFace(TBitmap& face) {
  TBitmap* picture = SkinPicture();
  if (!picture) {
    PaintDefaultFace(face);
    return;
  }
  if (ClientAreaOnly()) {
    const TRect& f = FaceRect();
    const TRect& c = FaceClientRect();
    const TRect client{f.Left + c.Left, f.Top + c.Top, f.Left + c.Right, f.Top + c.Bottom};
    DrawPicturePieces(face.Canvas()->Handle(), *picture, PlanTiled(client, Width(), Height()));
    return;
  }
  if (const int32_t hidden = HiddenCaptionRows()) {
    PaintFaceWithoutRows(face, *picture, captionAreaRect_.Top, hidden);
    return;
  }
  TspSkinCustomControl::PaintSkinFace(face);
  sizedCaptionRect_ = SkinResizeMode() == TSkinResizeMode::Fixed ? captionAreaRect_
                                                                   : MapSkinRect(captionAreaRect_);
  if (captionMode_ && !Caption().empty() && !sizedCaptionRect_.IsEmpty())
    DrawSkinCaption(*face.Canvas());
}

void TspSkinPanel::PaintFaceWithoutRows(TBitmap& face, TBitmap& picture, int32_t top,
                                        int32_t rows) {
  TBitmap whole;
  if (!ComposeControlImage(Face().Division, FaceRect(), Width(), Height() + rows, picture, whole))
    return;
  HDC target = face.Canvas()->Handle();
  HDC source = whole.Canvas()->Handle();
  BitBlt(target, 0, 0, Width(), top, source, 0, 0, SRCCOPY);
  BitBlt(target, 0, top, Width(), Height() - top, source, 0, top + rows, SRCCOPY);
}

int32_t TspSkinPanel::CaptionWidth(TFont& font) {
  int32_t width = TextWidthIn(font, Caption());
  if (!glyph_.Empty()) width += GlyphFrameWidth(glyph_, numGlyphs_) + spacing_;
  return width;
}

void TspSkinPanel::DrawCaptionContent(TCanvas& canvas, TFont& font, const TRect& rect, int32_t x,
                                      TColor arrowColour) {
  HDC dc = canvas.Handle();
  int32_t textX = x;
  const int32_t frameWidth = GlyphFrameWidth(glyph_, numGlyphs_);
  if (frameWidth > 0) textX += frameWidth + spacing_;
  if (rollUpMode_) {
    const TRect strip{rect.Right, rect.Top, rect.Right + kArrowStrip, rect.Bottom};
    DrawArrow(dc, strip, arrowColour,
              static_cast<int>(rollUpState_ ? TArrowDirection::Down : TArrowDirection::Up));
  }
  DrawCaptionText(dc, font, rect, textX, Caption());
  if (frameWidth > 0) {
    const int32_t y = rect.Top + static_cast<int32_t>(rect.Height() / 2) - glyph_.Height() / 2;
    DrawStripFrame(dc, x, y, GlyphFrame(Enabled(), numGlyphs_), numGlyphs_, glyph_);
  }
}

void TspSkinPanel::DrawSkinCaption(TCanvas& canvas) {
  TRect r = sizedCaptionRect_;
  if (rollUpMode_) r.Right -= kSkinArrowRoom;
  if (checkedMode_) {
    const TRect& mark = checked_ ? checkedImageRect_ : uncheckedImageRect_;
    const int32_t y =
        r.Top + static_cast<int32_t>(r.Height() / 2 - checkedImageRect_.Height() / 2);
    DrawPictureTransparent(canvas.Handle(), r.Left, y, *SkinPicture(), mark);
    r.Left += static_cast<int32_t>(mark.Width()) + 2;
  }
  TFont font;
  if (UseSkinFont())
    AssignSkinFont(font, fontName_, fontHeight_, fontStyle_, fontColor_, DefaultFont()->Charset());
  else
    font.Assign(*DefaultFont());
  font.SetColor(fontColor_);
  const int32_t x = AlignedLeft(AlignmentOf(skinAlignment_), r.Left, r.Right, CaptionWidth(font));
  DrawCaptionContent(canvas, font, r, x, fontColor_);
}

void TspSkinPanel::PaintDefaultFace(TBitmap& face) {
  TspSkinCustomControl::PaintDefaultFace(face);
  TCanvas& canvas = *face.Canvas();
  RECT r{0, 0, Width(), Height()};
  DrawDefaultBorder(canvas, r, borderStyle_);
  if (captionMode_) DrawDefaultCaption(canvas);
}

void TspSkinPanel::DrawDefaultCaption(TCanvas& canvas) {
  RECT bar;
  if (borderStyle_ == TspSkinBorderStyle::bvFrame) {
    bar = {0, 0, Width(), defaultCaptionHeight_};
    Frame3D(canvas, bar, clBtnShadow, clBtnShadow);
    Frame3D(canvas, bar, clBtnHighlight, clBtnFace);
  } else {
    bar = {1, 1, Width() - 1, defaultCaptionHeight_};
    Frame3D(canvas, bar, clBtnShadow, clBtnHighlight);
    Frame3D(canvas, bar, clBtnHighlight, clBtnShadow);
  }
  TRect r{bar.left, bar.top, bar.right, bar.bottom};
  if (checkedMode_) {
    const int32_t top = defaultCaptionHeight_ / 2 - kCheckSquare / 2;
    RECT square{5, top, 5 + kCheckSquare, top + kCheckSquare};
    Frame3D(canvas, square, clBtnShadow, clBtnShadow);
    if (checked_) DrawCheckMark(canvas.Handle(), 8, top + 2, clBtnText);
    r.Left += kCheckRoom;
  }
  if (rollUpMode_) r.Right -= kArrowStrip;
  const int32_t indent = defaultAlignment_ == taRightJustify ? 0 : 2;
  const int32_t x =
      AlignedLeft(defaultAlignment_, r.Left, r.Right, CaptionWidth(*DefaultFont())) + indent;
  DrawCaptionContent(canvas, *DefaultFont(), r, x, clBtnText);
}

// ---------------------------------------------------------------------------------------
// Mouse

TRect TspSkinPanel::CaptionHitRect() const {
  if (SkinIndex() != -1) return sizedCaptionRect_;
  return {1, 1, Width() - 1, defaultCaptionHeight_};
}

void TspSkinPanel::HandleCaptionClick(POINT at) {
  if (!captionMode_ || !(rollUpMode_ || checkedMode_)) return;
  const TRect r = CaptionHitRect();
  if (at.x < r.Left || at.x >= r.Right || at.y < r.Top || at.y >= r.Bottom) return;
  // Both events may free the panel.
  const auto alive = LifeToken();
  if (checkedMode_) {
    SetChecked(!checked_);
    if (alive.expired()) return;
  }
  if (rollUpMode_) SetRollUpState(!rollUpState_);
}

void TspSkinPanel::WndProc(TMessage& message) {
  if (message.Msg == WM_LBUTTONUP) {
    const auto alive = LifeToken();
    HandleCaptionClick({static_cast<short>(LOWORD(message.LParam)),
                        static_cast<short>(HIWORD(message.LParam))});
    if (alive.expired()) return;
  }
  TspSkinCustomControl::WndProc(message);
}

// ---------------------------------------------------------------------------------------

const TClassInfo& TspSkinStatusBar::StaticClassInfo() {
  static const TClassInfo info("TspSkinStatusBar", &TspSkinPanel::StaticClassInfo(),
                               &CreateComponent<TspSkinStatusBar>);
  return info;
}

TspSkinStatusBar::TspSkinStatusBar(TComponent* owner) : TspSkinPanel(owner) {
  SetAlign(alBottom);
  SetBorderStyle(TspSkinBorderStyle::bvNone);
  SetHeight(21);
  SetSkinDataName("statusbar");
}

void TspSkinStatusBar::SetSkinData(TspSkinData* value) {
  TspSkinPanel::SetSkinData(value);
  for (int i = 0; i < ControlCount(); ++i)
    if (auto* child = dynamic_cast<TspSkinControl*>(Controls(i))) child->SetSkinData(value);
}

}  // namespace tmv
