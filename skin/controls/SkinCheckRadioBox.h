#pragma once
// The skinned check box and radio box in one class. The flat look draws only the mark and
// the caption over what lies behind the box; the normal look is a whole skin face. Boxes of
// one parent sharing a non-zero GroupIndex keep at most one of them checked.
#include <cstdint>
#include <string>

#include "framework/gui/ExtCtrls.h"
#include "framework/gui/ImgList.h"
#include "skin/controls/SkinCustomControl.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TspSkinCheckRadioBox : public TspSkinCustomControl {
public:
  explicit TspSkinCheckRadioBox(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void LookupSkinDescriptor() override;
  void ApplySkinChange() override;
  void FitSkinSize(int32_t& width, int32_t& height) override;
  void UpdateSkinRegion() override;
  void WndProc(TMessage& message) override;

  bool Checked() const { return checked_; }
  // Unchecks the rest of the group when checked, then fires OnClick for a check box and for
  // a radio box that became checked.
  void SetChecked(bool value);
  bool Radio() const { return radio_; }
  void SetRadio(bool value);
  int32_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int32_t value) { groupIndex_ = value; }
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool CanFocused() const { return canFocused_; }
  void SetCanFocused(bool value);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* value);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t value);
  bool MouseInside() const { return mouseInside_; }
  // Progress of the normal look's fade towards the hot face, 0 to 1 in five 20 ms steps.
  double FadeFactor() const { return fadeSteps_ / static_cast<double>(kFadeSteps); }
  bool FadeEnabled() const { return fadeEnabled_; }

  // What the user's click or Space does: a check box flips, an unchecked radio box checks.
  void ToggleState();

  // Where the normal look puts the caption and the mark at the current size.
  const TRect& SizedTextArea() const { return sizedTextArea_; }
  const TRect& SizedCheckImage() const { return sizedCheckImage_; }

protected:
  void Paint() override;
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(WORD& key, TShiftState shift) override;
  void KeyUp(WORD& key, TShiftState shift) override;
  void DoEnter() override;
  void DoExit() override;
  void EnabledChanged() override;
  void CaptionChanged() override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  // The mark the skin has for the state: hot, plain or grey, checked or not.
  const TRect& CheckImageRect() const;
  // The default look's square and mark at (3, height / 2 - 7).
  void DrawDefaultMark(TCanvas& canvas);
  void PaintFlat(TBitmap& face);
  // The caption with the image before it and the focus rectangle, from left in the flat look.
  void DrawFlatCaption(TCanvas& canvas, TFont& font, int32_t left);
  void FlatFont(TFont& font);
  void UncheckGroup();
  // The next enabled box of the group after (step 1) or before (step -1) this one, or null.
  TspSkinCheckRadioBox* GroupNeighbour(int step) const;
  bool SameGroup(const TspSkinCheckRadioBox& other) const;
  void SetMouseInside(bool value);
  bool Hot() const { return mouseInside_ && Enabled(); }
  bool HotOrFocused() const { return Hot() || Focused(); }
  // A fade towards the current state when the skin fades, else a plain repaint.
  void Refresh();
  void FadeTick(TObject* sender);
  void StopFade();
  // The face from the skin rectangle, with the fade's mix of the normal and hot faces.
  void BuildFace(TBitmap& face, bool hot);

  static constexpr int32_t kFadeSteps = 5;

  TImageList* images_ = nullptr;
  int32_t imageIndex_ = 0;
  bool flat_ = true;
  bool canFocused_ = true;
  int32_t groupIndex_ = 0;
  bool checked_ = false;
  bool mouseInside_ = false;
  bool radio_ = false;

  std::string fontName_ = kDefaultSkinFontName;
  TSkinFontStyles fontStyle_;
  int32_t fontHeight_ = kDefaultSkinFontHeight;
  TColor skinFontColor_ = 0, hotFontColor_ = 0, flatFontColor_ = 0, grayFontColor_ = 0;
  TRect hotFaceRect_, checkAreaRect_, textAreaRect_;
  TRect checkedImageRect_, uncheckedImageRect_;
  TRect hotCheckedImageRect_, hotUncheckedImageRect_;
  TRect grayCheckedImageRect_, grayUncheckedImageRect_;
  bool fadeEnabled_ = false;
  TspMorphKind fadeKind_ = mkDefault;
  int32_t fadeSteps_ = 0;  // whole steps, so the factor lands exactly on 0 and 1
  TTimer* fadeTimer_ = nullptr;  // owned by the box as a component
  TRect sizedTextArea_, sizedCheckImage_;
};

}  // namespace tmv
