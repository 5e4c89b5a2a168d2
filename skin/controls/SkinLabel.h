#pragma once
// Skinned one-line captions: the label on a skin picture, with alignment, border, auto-size
// and a free height when it does not take the skin's; and the status panel, a label that
// draws a glyph before its text.
#include <cstdint>
#include <string>

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinCustomControl.h"

namespace tmv {

class TspSkinLabel : public TspSkinCustomControl {
public:
  explicit TspSkinLabel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void LookupSkinDescriptor() override;
  void FitSkinSize(int32_t& width, int32_t& height) override;
  void UpdateSkinRegion() override;
  void WndProc(TMessage& message) override;
  // How much wider the control must be for its whole text; negative when it is wider.
  virtual int32_t TextWidthExcess();

  bool UseSkinSize() const { return useSkinSize_; }
  void SetUseSkinSize(bool value) { useSkinSize_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);

protected:
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  void CaptionChanged() override;
  // The text's font: the skin's, the default one in the skin's colour, or the default one.
  void PrepareTextFont(TFont& font);
  void DrawLabelText(TCanvas& canvas, const TRect& r);
  // Where the skin places content at the current size, grown to a free height.
  TRect SkinContentRect() const;
  bool TakesSkinSize() const;
  void AdjustAutoSize();

private:
  bool useSkinSize_ = true;
  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = false;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  std::string fontName_ = kDefaultSkinFontName;
  TSkinFontStyles fontStyle_;
  int32_t fontHeight_ = kDefaultSkinFontHeight;
  TColor fontColor_ = 0;
};

class TspSkinStatusPanel : public TspSkinLabel {
public:
  explicit TspSkinStatusPanel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  int32_t TextWidthExcess() override;

  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int32_t NumGlyphs() const { return numGlyphs_; }
  // 1 or 2: the second frame is the disabled look; other values are ignored.
  void SetNumGlyphs(int32_t value);

protected:
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  void EnabledChanged() override;

private:
  int32_t GlyphPart() const;
  // The glyph at the content's left, vertically centred in middle; the text right of it.
  void DrawContent(TCanvas& canvas, TRect content, const TRect& middle);

  TBitmap glyph_;
  int32_t numGlyphs_ = 1;
};

}  // namespace tmv
