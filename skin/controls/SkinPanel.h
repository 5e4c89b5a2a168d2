#pragma once
// Skinned containers: the panel, with an optional caption bar that can carry a glyph, a check
// box enabling its children and a roll-up arrow; and the status bar, a bottom panel that
// hands its registry to its skinned children.
#include <cstdint>
#include <string>

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinCustomControl.h"

namespace tmv {

class TspSkinPanel : public TspSkinCustomControl {
public:
  explicit TspSkinPanel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void LookupSkinDescriptor() override;
  void ApplySkinChange() override;
  void SetBounds(int left, int top, int width, int height) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;

  TNotifyEvent OnChangeRollUpState() const { return onChangeRollUpState_; }
  void SetOnChangeRollUpState(TNotifyEvent event) { onChangeRollUpState_ = event; }
  bool CheckedMode() const { return checkedMode_; }
  void SetCheckedMode(bool value);
  bool Checked() const { return checked_; }
  // With CheckedMode and AutoEnabledControls every child follows; OnChecked fires.
  void SetChecked(bool value);
  TNotifyEvent OnChecked() const { return onChecked_; }
  void SetOnChecked(TNotifyEvent event) { onChecked_ = event; }
  bool AutoEnabledControls() const { return autoEnabledControls_; }
  void SetAutoEnabledControls(bool value) { autoEnabledControls_ = value; }
  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int32_t NumGlyphs() const { return numGlyphs_; }
  // 1 or 2: the second frame is the disabled look; other values are ignored.
  void SetNumGlyphs(int32_t value);
  int32_t Spacing() const { return spacing_; }
  void SetSpacing(int32_t value);
  int32_t RealHeight() const { return realHeight_; }
  void SetRealHeight(int32_t value) { realHeight_ = value; }
  bool RollUpState() const { return rollUpState_; }
  // Only with RollUpMode: collapses the panel to its caption or restores it.
  void SetRollUpState(bool value);
  bool RollUpMode() const { return rollUpMode_; }
  void SetRollUpMode(bool value);
  bool CaptionMode() const { return captionMode_; }
  void SetCaptionMode(bool value);
  TspSkinBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TspSkinBorderStyle value);
  int32_t DefaultCaptionHeight() const { return defaultCaptionHeight_; }
  void SetDefaultCaptionHeight(int32_t value);
  TAlignment DefaultAlignment() const { return defaultAlignment_; }
  void SetDefaultAlignment(TAlignment value);

  // Where the caption stands at the current size (skin places moved to the size).
  const TRect& SizedCaptionRect() const { return sizedCaptionRect_; }
  int32_t BackgroundPictureIndex() const { return backgroundPictureIndex_; }

protected:
  void Paint() override;
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  void AlignControls(RECT& rect) override;
  void CaptionChanged() override;
  void ApplyRollUp(bool state);

private:
  // Borderless without a caption, the skin's client area alone covers the panel.
  bool ClientAreaOnly() const;
  // A skin's caption bar is the strip of rows of its caption rectangle in the face's top
  // edge; a panel without CaptionMode leaves those rows out of its face and client area.
  int32_t HiddenCaptionRows() const;
  // The face composed that many rows higher, with the rows from top on taken out.
  void PaintFaceWithoutRows(TBitmap& face, TBitmap& picture, int32_t top, int32_t rows);
  TBitmap* BackgroundPicture() const;
  RECT ChildArea();
  void HideChildren();
  void ShowChildren();
  int32_t CaptionWidth(TFont& font);
  // The caption's text and glyph from x on, clipped to rect; the arrow right of it.
  void DrawCaptionContent(TCanvas& canvas, TFont& font, const TRect& rect, int32_t x,
                          TColor arrowColour);
  void DrawSkinCaption(TCanvas& canvas);
  void DrawDefaultCaption(TCanvas& canvas);
  TRect CaptionHitRect() const;
  void HandleCaptionClick(POINT at);

  TNotifyEvent onChangeRollUpState_;
  bool checkedMode_ = false;
  bool checked_ = false;
  TNotifyEvent onChecked_;
  bool autoEnabledControls_ = true;
  TBitmap glyph_;
  int32_t numGlyphs_ = 1;
  int32_t spacing_ = 2;
  int32_t realHeight_ = -1;
  bool rollUpState_ = false;
  bool rollUpMode_ = false;
  bool captionMode_ = false;
  TspSkinBorderStyle borderStyle_ = TspSkinBorderStyle::bvFrame;
  int32_t defaultCaptionHeight_ = 22;
  TAlignment defaultAlignment_ = taLeftJustify;
  bool childrenHidden_ = false;

  std::string fontName_ = kDefaultSkinFontName;
  TSkinFontStyles fontStyle_;
  int32_t fontHeight_ = kDefaultSkinFontHeight;
  TColor fontColor_ = 0;
  TSkinAlignment skinAlignment_ = TSkinAlignment::Center;
  TRect captionAreaRect_;
  TRect sizedCaptionRect_;
  int32_t backgroundPictureIndex_ = -1;
  TRect checkedImageRect_, uncheckedImageRect_;
};

class TspSkinStatusBar : public TspSkinPanel {
public:
  explicit TspSkinStatusBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  // The bar's children are drawn from the same registry.
  void SetSkinData(TspSkinData* value) override;
};

}  // namespace tmv
