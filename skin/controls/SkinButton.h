#pragma once
// The skinned push button: four faces cut from its descriptor (normal, hot, pressed,
// disabled) or a flat default look, a fade from the normal to the hot face, a glyph strip and
// a caption laid out together; it acts as a push button, a speed button of a group, an
// auto-repeat button and as its form's default or cancel button.
#include <cstdint>
#include <string>

#include "framework/core/Bitmap.h"
#include "skin/controls/SkinButtonLayout.h"
#include "skin/controls/SkinCustomControl.h"

namespace tmv {

const TEnumInfo& ButtonLayoutInfo();

class TspSkinButton : public TspSkinCustomControl {
public:
  // The button's window timers; a test steps them by sending WM_TIMER with these numbers.
  static constexpr UINT_PTR kFadeTimerID = 1;
  static constexpr UINT_PTR kRepeatTimerID = 2;
  static constexpr UINT kFadeInterval = 20;

  explicit TspSkinButton(TComponent* owner);
  ~TspSkinButton() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void LookupSkinDescriptor() override;
  void ApplySkinChange() override;
  void WndProc(TMessage& message) override;
  // The button's work when pressed: the form's modal result, then OnClick.
  virtual void ButtonClick();

  bool Down() const { return down_; }
  void SetDown(bool value);
  int32_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int32_t value);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value) { allowAllUp_ = value; }
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  int32_t ModalResult() const { return modalResult_; }
  void SetModalResult(int32_t value) { modalResult_ = value; }
  bool RepeatMode() const { return repeatMode_; }
  void SetRepeatMode(bool value) { repeatMode_ = value; }
  int32_t RepeatInterval() const { return repeatInterval_; }
  void SetRepeatInterval(int32_t value) { repeatInterval_ = value; }
  TBitmap* Glyph() { return &glyph_; }
  void SetGlyph(const TBitmap& glyph);
  int32_t NumGlyphs() const { return numGlyphs_; }
  // 1 to 4; other values are ignored.
  void SetNumGlyphs(int32_t value);
  TspButtonLayout Layout() const { return layout_; }
  void SetLayout(TspButtonLayout value);
  int32_t Spacing() const { return spacing_; }
  void SetSpacing(int32_t value);
  int32_t Margin() const { return margin_; }
  // -1 centres glyph and caption as one block; values below -1 are ignored.
  void SetMargin(int32_t value);

  bool DefaultActive() const { return defaultActive_; }
  bool MouseInside() const { return mouseInside_; }
  bool FadeEnabled() const { return fadeEnabled_; }
  double FadeFactor() const { return fade_.Factor(); }
  bool FadeRunning() const { return fadeRunning_; }
  bool RepeatRunning() const { return repeatRunning_; }

protected:
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  virtual void PaintButtonFace(TBitmap& bitmap, const TRect& faceRect, bool hot, bool pressed);
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void InitializeWnd() override;

private:
  bool IsFocused() const;
  bool ShownDown() const;
  // Enter and leave change the look of a grouped button that is up and of a free one that
  // is down or has no focus.
  bool HoverChangesLook() const;
  void MouseEntered();
  void MouseLeft();
  void ShowHotFinished();
  void FocusChanged(TControl* focused);
  bool DialogKey(WPARAM key);
  void StartFade();
  void FadeTick();
  void StopFade();
  void StartRepeat();
  void StopRepeat();
  void ReleaseGroup();
  void DrawGlyphAndText(TCanvas& canvas, const TRect& r, TFont& font, int32_t frame, bool pressed);

  bool repeatMode_ = false;
  int32_t repeatInterval_ = 100;
  bool repeatRunning_ = false;
  bool defaultActive_ = false;
  bool allowAllUp_ = false;
  bool wasDownAtPress_ = false;
  bool default_ = false;
  bool cancel_ = false;
  int32_t modalResult_ = 0;
  bool canFocused_ = true;
  TButtonFade fade_;
  bool fadeRunning_ = false;
  bool down_ = false;
  bool mouseInside_ = false;
  bool pressedByMouse_ = false;
  int32_t groupIndex_ = 0;
  TBitmap glyph_;
  int32_t numGlyphs_ = 1;
  int32_t margin_ = -1;
  int32_t spacing_ = 1;
  TspButtonLayout layout_ = blGlyphLeft;
  std::string fontName_ = kDefaultSkinFontName;
  TSkinFontStyles fontStyle_;
  int32_t fontHeight_ = kDefaultSkinFontHeight;
  TColor skinFontColor_ = 0, hotFontColor_ = 0, pressedFontColor_ = 0, grayFontColor_ = 0;
  TRect hotFaceRect_, downFaceRect_, disabledFaceRect_;
  bool fadeEnabled_ = false;
  TspMorphKind fadeKind_ = mkDefault;
};

}  // namespace tmv
