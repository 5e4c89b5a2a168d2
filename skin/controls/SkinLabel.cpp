#include "skin/controls/SkinLabel.h"

#include "framework/core/ClassInfo.h"
#include "skin/imaging/SPUtilsComposeGdi.h"

namespace tmv {

const TClassInfo& TspSkinLabel::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinLabel", &TspSkinCustomControl::StaticClassInfo(), &CreateComponent<TspSkinLabel>,
      {prop::Boolean<&TspSkinLabel::SetUseSkinSize>("UseSkinSize", true),
       prop::Enum<&TspSkinLabel::SetAlignment>("Alignment", AlignmentInfo()),
       prop::Boolean<&TspSkinLabel::SetAutoSize>("AutoSize"),
       prop::Enum<&TspSkinLabel::SetBorderStyle>("BorderStyle", SkinBorderStyleInfo())});
  return info;
}

TspSkinLabel::TspSkinLabel(TComponent* owner) : TspSkinCustomControl(owner) {
  SetBounds(0, 0, 75, 21);
  SetSkinDataName("label");
}

void TspSkinLabel::LookupSkinDescriptor() {
  TspSkinCustomControl::LookupSkinDescriptor();
  auto* d = dynamic_cast<TspDataSkinLabelControl*>(Descriptor());
  if (!d) return;
  fontName_ = d->FontName;
  fontStyle_ = d->FontStyle;
  fontHeight_ = d->FontHeight;
  fontColor_ = d->FontColor;
  if (SkinResizeMode() == TSkinResizeMode::Fixed) autoSize_ = false;
}

bool TspSkinLabel::TakesSkinSize() const {
  return useSkinSize_ || SkinResizeMode() == TSkinResizeMode::Both;
}

void TspSkinLabel::FitSkinSize(int32_t& width, int32_t& height) {
  if (SkinIndex() == -1) return;
  auto fit = [&] {
    if (TakesSkinSize()) {
      TspSkinCustomControl::FitSkinSize(width, height);
    } else if (SkinResizeMode() != TSkinResizeMode::Empty) {
      // A free height: only the points along the width follow the size.
      const int32_t skinWidth = static_cast<int32_t>(FaceRect().Width());
      const int32_t skinHeight = static_cast<int32_t>(FaceRect().Height());
      SetSizedDivision(TargetDivision(Face().Division, skinWidth, skinHeight, width, skinHeight));
    }
  };
  fit();
  if (!autoSize_ || Align() == alTop || Align() == alBottom || Align() == alClient) return;
  const int32_t excess = TextWidthExcess();
  if (excess <= 0) return;
  width += excess;
  // The client rectangle the text is placed in must match the grown width.
  fit();
}

void TspSkinLabel::UpdateSkinRegion() {
  if (useSkinSize_)
    TspSkinCustomControl::UpdateSkinRegion();
  else
    RemoveSkinRegion();
}

void TspSkinLabel::WndProc(TMessage& message) {
  if (message.Msg == WM_ERASEBKGND && PaintIntoEraseDC(message)) return;
  TspSkinCustomControl::WndProc(message);
}

void TspSkinLabel::SetAlignment(TAlignment value) {
  if (value == alignment_) return;
  alignment_ = value;
  Invalidate();
}

void TspSkinLabel::SetAutoSize(bool value) {
  autoSize_ = value;
  if (value) AdjustAutoSize();
}

void TspSkinLabel::SetBorderStyle(TspSkinBorderStyle value) {
  borderStyle_ = value;
  if (SkinIndex() != -1) return;
  Invalidate();
  if (Parent()) Parent()->Realign();
}

void TspSkinLabel::CaptionChanged() {
  TspSkinCustomControl::CaptionChanged();
  if (autoSize_) AdjustAutoSize();
  Invalidate();
}

void TspSkinLabel::AdjustAutoSize() {
  if (Align() == alTop || Align() == alBottom || Align() == alClient) return;
  LookupSkinDescriptor();
  const int32_t excess = TextWidthExcess();
  if (excess != 0) SetWidth(Width() + excess);
}

void TspSkinLabel::PrepareTextFont(TFont& font) {
  if (SkinIndex() != -1 && UseSkinFont()) {
    AssignSkinFont(font, fontName_, fontHeight_, fontStyle_, fontColor_, DefaultFont()->Charset());
    return;
  }
  font.Assign(*DefaultFont());
  if (SkinIndex() != -1) font.SetColor(fontColor_);
}

int32_t TspSkinLabel::TextWidthExcess() {
  TFont font;
  PrepareTextFont(font);
  const int32_t text = TextWidthIn(font, Caption());
  if (SkinIndex() == -1) return text + 4 - Width();
  if (SkinResizeMode() == TSkinResizeMode::Fixed) return 0;
  return text - static_cast<int32_t>(SizedClientRect().Width());
}

void TspSkinLabel::DrawLabelText(TCanvas& canvas, const TRect& r) {
  TFont font;
  PrepareTextFont(font);
  const int32_t x = AlignedLeft(alignment_, r.Left, r.Right, TextWidthIn(font, Caption()));
  DrawCaptionText(canvas.Handle(), font, r, x, Caption());
}

TRect TspSkinLabel::SkinContentRect() const {
  TRect r = SizedClientRect();
  if (!TakesSkinSize()) r.Bottom += Height() - static_cast<int32_t>(FaceRect().Height());
  return r;
}

void TspSkinLabel::PaintDefaultFace(TBitmap& face) {
  TspSkinCustomControl::PaintDefaultFace(face);
  RECT r{0, 0, Width(), Height()};
  DrawDefaultBorder(*face.Canvas(), r, borderStyle_);
  DrawLabelText(*face.Canvas(), {2, 2, Width() - 2, Height() - 2});
}

void TspSkinLabel::PaintSkinFace(TBitmap& face) {
  TBitmap* picture = SkinPicture();
  if (!picture) {
    PaintDefaultFace(face);
    return;
  }
  if (TakesSkinSize()) {
    TspSkinCustomControl::PaintSkinFace(face);
  } else {
    // The skin's height stretched to the label's.
    const TRect& f = FaceRect();
    TBitmap band;
    ComposeHorizontalBand(LeftTopPoint().X, static_cast<int32_t>(f.Width()) - RightTopPoint().X,
                          band, Width(), f, *picture);
    face.Canvas()->StretchDraw({0, 0, Width(), Height()}, band);
  }
  DrawLabelText(*face.Canvas(), SkinContentRect());
}

// ---------------------------------------------------------------------------------------

const TClassInfo& TspSkinStatusPanel::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinStatusPanel", &TspSkinLabel::StaticClassInfo(), &CreateComponent<TspSkinStatusPanel>,
      {prop::Object<&TspSkinStatusPanel::Glyph>("Glyph"),
       prop::Integer<&TspSkinStatusPanel::SetNumGlyphs>("NumGlyphs", 1)});
  return info;
}

TspSkinStatusPanel::TspSkinStatusPanel(TComponent* owner) : TspSkinLabel(owner) {
  SetWidth(120);
  SetSkinDataName("statuspanel");
}

void TspSkinStatusPanel::SetGlyph(const TBitmap& glyph) {
  glyph_.Assign(glyph);
  Invalidate();
}

void TspSkinStatusPanel::SetNumGlyphs(int32_t value) {
  if (value < 1 || value > 2) return;
  numGlyphs_ = value;
  Invalidate();
}

void TspSkinStatusPanel::EnabledChanged() {
  TspSkinLabel::EnabledChanged();
  Invalidate();
}

int32_t TspSkinStatusPanel::GlyphPart() const {
  return glyph_.Empty() ? 0 : GlyphFrameWidth(glyph_, numGlyphs_) + 3;
}

int32_t TspSkinStatusPanel::TextWidthExcess() {
  const int32_t excess = TspSkinLabel::TextWidthExcess();
  if (SkinIndex() != -1 && SkinResizeMode() == TSkinResizeMode::Fixed) return excess;
  return excess + GlyphPart();
}

void TspSkinStatusPanel::DrawContent(TCanvas& canvas, TRect content, const TRect& middle) {
  if (!glyph_.Empty()) {
    const int32_t y = middle.Top + static_cast<int32_t>(middle.Height() / 2) - glyph_.Height() / 2;
    DrawStripFrame(canvas.Handle(), content.Left, y, GlyphFrame(Enabled(), numGlyphs_), numGlyphs_,
                   glyph_);
    content.Left += GlyphFrameWidth(glyph_, numGlyphs_) + 2;
  }
  DrawLabelText(canvas, content);
}

void TspSkinStatusPanel::PaintDefaultFace(TBitmap& face) {
  TspSkinCustomControl::PaintDefaultFace(face);
  RECT r{0, 0, Width(), Height()};
  DrawDefaultBorder(*face.Canvas(), r, BorderStyle());
  DrawContent(*face.Canvas(), {3, 3, Width() - 3, Height() - 3}, {0, 0, Width(), Height()});
}

void TspSkinStatusPanel::PaintSkinFace(TBitmap& face) {
  if (!SkinPicture()) {
    PaintDefaultFace(face);
    return;
  }
  TspSkinCustomControl::PaintSkinFace(face);
  DrawContent(*face.Canvas(), SizedClientRect(), SizedClientRect());
}

}  // namespace tmv
