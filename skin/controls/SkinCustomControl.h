#pragma once
// A skinned control whose face is cut from a picture of the skin: it copies the descriptor's
// division, fits its size and window region to the skin, and has a default font and size for
// when the skin has nothing for it.
#include <windows.h>

#include <cstdint>

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinFaceGeometry.h"

namespace tmv {

class TspSkinCustomControl : public TspSkinControl {
public:
  explicit TspSkinCustomControl(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void LookupSkinDescriptor() override;
  void ReleaseSkin() override;
  void ApplySkinChange() override;
  // A size change with a descriptor is fitted to the skin first.
  void SetBounds(int left, int top, int width, int height) override;

  virtual void DefaultFontChanged() {}
  // Changes a requested size to one the skin allows and moves the sized points to it.
  virtual void FitSkinSize(int32_t& width, int32_t& height);
  // Sets the window region from the skin's mask, or removes it when there is none.
  virtual void UpdateSkinRegion();

  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  int32_t DefaultWidth() const { return defaultWidth_; }
  void SetDefaultWidth(int32_t value);
  int32_t DefaultHeight() const { return defaultHeight_; }
  void SetDefaultHeight(int32_t value);
  TFont* DefaultFont() { return &defaultFont_; }
  void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }

  const TPoint& LeftTopPoint() const { return face_.Division.LT; }
  const TPoint& RightTopPoint() const { return face_.Division.RT; }
  const TPoint& LeftBottomPoint() const { return face_.Division.LB; }
  const TPoint& RightBottomPoint() const { return face_.Division.RB; }
  const TRect& FaceRect() const { return face_.FaceRect; }
  const TRect& FaceClientRect() const { return face_.Division.Client; }
  const TPoint& SizedLeftTop() const { return sized_.LT; }
  const TPoint& SizedRightTop() const { return sized_.RT; }
  const TPoint& SizedLeftBottom() const { return sized_.LB; }
  const TPoint& SizedRightBottom() const { return sized_.RB; }
  const TRect& SizedClientRect() const { return sized_.Client; }
  TBitmap* SkinPicture() const { return skinPicture_; }
  TBitmap* SkinMask() const { return skinMask_; }
  TSkinResizeMode SkinResizeMode() const { return face_.Mode; }
  // The region last handed to the window, null when none is set. The window owns it and
  // may already have freed the handle (some systems keep a copy): it only tells that a
  // region is set and is never used as a handle.
  HRGN SkinRegion() const { return skinRegion_; }

  // The face fitted to the control's size from rect of picture; no picture draws nothing.
  void BuildSkinImage(TBitmap& target, TBitmap* picture, const TRect& rect);
  // A place in skin coordinates, in the control's coordinates at its current size.
  TRect MapSkinRect(const TRect& r) const;
  TSkinResizeMode DetectResizeMode() const;
  // The region of the mask at the control's size; null when it makes none.
  UniqueRegion BuildSkinRegion();

protected:
  const TSkinFace& Face() const { return face_; }
  void SetSizedDivision(const TSkinDivision& sized) { sized_ = sized; }
  // The button-face fill; skinned faces fall back to it when the skin has no picture.
  void PaintDefaultFace(TBitmap& face) override;
  void PaintSkinFace(TBitmap& face) override;
  // Takes the window's region away, if it has one from the skin.
  void RemoveSkinRegion();
  void InitializeWnd() override;
  void SaveWndState() override;

private:
  void DefaultFontChange(TObject* sender);
  void ForgetPictures();
  void SetSkinRegion(UniqueRegion region);

  bool useSkinFont_ = true;
  int32_t defaultWidth_ = 0;
  int32_t defaultHeight_ = 0;
  TFont defaultFont_;
  TSkinFace face_;
  TSkinDivision sized_;
  TBitmap* skinPicture_ = nullptr;
  TBitmap* skinMask_ = nullptr;
  HRGN skinRegion_ = nullptr;
};

}  // namespace tmv
