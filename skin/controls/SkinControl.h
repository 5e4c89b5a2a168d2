#pragma once
// The base of every skinned window control: bound to a skin registry and a descriptor name,
// it composes its face off-screen, from the skin or in its default look, and follows skin
// changes.
#include <cstdint>
#include <string>

#include "framework/core/Bitmap.h"
#include "framework/gui/Controls.h"
#include "skin/data/SkinData.h"

namespace tmv {

class TspSkinControl : public TCustomControl {
public:
  explicit TspSkinControl(TComponent* owner);
  ~TspSkinControl() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  virtual void SetAlphaBlend(bool value);
  virtual void SetAlphaBlendValue(uint8_t value);
  // Sets SkinIndex from SkinData and SkinDataName; run before every paint.
  virtual void LookupSkinDescriptor();
  // Applies the skin at once when the registry holds one (not while designing).
  virtual void SetSkinData(TspSkinData* value);
  // Takes effect at the next paint or skin change.
  virtual void SetSkinDataName(const std::string& value);
  // The registry is about to drop its skin: nothing of it may be used any more.
  virtual void ReleaseSkin();
  // The registry holds a new skin (or none): descriptor, cursor, size, region and face again.
  virtual void ApplySkinChange();

  TspSkinData* SkinData() const { return skinData_; }
  const std::string& SkinDataName() const { return skinDataName_; }
  const std::string& AreaName() const { return areaName_; }
  void SetAreaName(const std::string& value) { areaName_ = value; }
  bool DrawDefault() const { return drawDefault_; }
  void SetDrawDefault(bool value) { drawDefault_ = value; }
  bool AlphaBlend() const { return alphaBlend_; }
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  bool UseSkinCursor() const { return useSkinCursor_; }
  void SetUseSkinCursor(bool value) { useSkinCursor_ = value; }

  int32_t SkinIndex() const { return skinIndex_; }
  // The descriptor SkinIndex names; null without one.
  TspDataSkinControl* Descriptor() const;
  int32_t SkinCursorIndex() const { return skinCursorIndex_; }
  // The skin cursor number the cursor rule chose (the registry's first cursor number plus
  // SkinCursorIndex); -1 for the default cursor.
  int32_t SkinCursor() const { return skinCursor_; }

  // Draws what lies behind the control (its parent and the earlier siblings it overlaps)
  // into a canvas of the control's size.
  static void CaptureParentImage(TControl& control, TCanvas& canvas);

  void WndProc(TMessage& message) override;

protected:
  // Gives the focus to a control pressed while it had none. False when the press must go no
  // further: a handler freed the control or kept the focus elsewhere.
  bool FocusOnPress();
  // True while FocusOnPress moves the focus, so the notices that causes are not taken as a
  // click.
  bool FocusingByClick() const { return focusingByClick_; }
  void Notification(TComponent* component, TOperation operation) override;
  // The window's class is named after the control's, so other programs can tell the skinned
  // controls apart.
  void CreateParams(TCreateParams& params) override;
  // The face composed off-screen at the control's size and copied once.
  void Paint() override;
  // Both draw into a bitmap of the control's size; neither draws anything here.
  virtual void PaintDefaultFace(TBitmap& face) {}
  virtual void PaintSkinFace(TBitmap& face) {}
  void ApplySkinCursor();
  // An erase that does not come from the control's own paint (a parent drawing its children
  // into another device context) gets the whole face; true when it was painted.
  bool PaintIntoEraseDC(TMessage& message);

  bool InPaintMessage = false;
  int32_t skinIndex_ = -1;
  int32_t skinCursorIndex_ = -1;

private:
  void BlendWithBackground(TBitmap& face);

  TspSkinData* skinData_ = nullptr;
  std::string areaName_;
  std::string skinDataName_;
  bool drawDefault_ = true;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 200;
  bool useSkinCursor_ = false;
  int32_t skinCursor_ = -1;
  bool focusingByClick_ = false;
};

}  // namespace tmv
