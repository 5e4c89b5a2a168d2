#include "skin/controls/SkinCustomControl.h"

#include "framework/core/ClassInfo.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

namespace tmv {

namespace {

TBitmap* ActivePicture(TspSkinData& registry, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= registry.ActivePictures.size()) return nullptr;
  return registry.ActivePictures[static_cast<size_t>(index)].get();
}

}  // namespace

const TClassInfo& TspSkinCustomControl::StaticClassInfo() {
  static const TClassInfo info(
      "TspSkinCustomControl", &TspSkinControl::StaticClassInfo(), nullptr,
      {prop::Boolean<&TspSkinCustomControl::SetUseSkinFont>("UseSkinFont", true),
       prop::Integer<&TspSkinCustomControl::SetDefaultWidth>("DefaultWidth"),
       prop::Integer<&TspSkinCustomControl::SetDefaultHeight>("DefaultHeight"),
       prop::Object<&TspSkinCustomControl::DefaultFont>("DefaultFont")});
  return info;
}

TspSkinCustomControl::TspSkinCustomControl(TComponent* owner) : TspSkinControl(owner) {
  defaultFont_.SetName(kDefaultSkinFontName);
  defaultFont_.SetHeight(kDefaultSkinFontHeight);
  defaultFont_.SetOnChange(TNotifyEvent::Of<&TspSkinCustomControl::DefaultFontChange>(this));
}

void TspSkinCustomControl::DefaultFontChange(TObject*) {
  DefaultFontChanged();
  if (skinIndex_ == -1) Invalidate();
}

void TspSkinCustomControl::SetDefaultWidth(int32_t value) {
  defaultWidth_ = value;
  if (skinIndex_ == -1 && value > 0) SetWidth(value);
}

void TspSkinCustomControl::SetDefaultHeight(int32_t value) {
  defaultHeight_ = value;
  if (skinIndex_ == -1 && value > 0) SetHeight(value);
}

void TspSkinCustomControl::LookupSkinDescriptor() {
  TspSkinControl::LookupSkinDescriptor();
  // Pictures belong to the registry: without a descriptor none of them may be kept.
  ForgetPictures();
  skinCursorIndex_ = -1;
  if (skinIndex_ == -1) return;
  auto* d = dynamic_cast<TspDataSkinCustomControl*>(Descriptor());
  if (!d) {
    face_.Mode = TSkinResizeMode::Fixed;
    return;
  }
  face_.Division = {d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect};
  face_.FaceRect = d->SkinRect;
  skinCursorIndex_ = d->CursorIndex;
  skinPicture_ = ActivePicture(*SkinData(), d->PictureIndex);
  skinMask_ = ActivePicture(*SkinData(), d->MaskPictureIndex);
  face_.Mode = DetectResizeMode();
}

void TspSkinCustomControl::ForgetPictures() {
  skinPicture_ = nullptr;
  skinMask_ = nullptr;
}

void TspSkinCustomControl::ReleaseSkin() {
  TspSkinControl::ReleaseSkin();
  ForgetPictures();
}

TSkinResizeMode TspSkinCustomControl::DetectResizeMode() const {
  return tmv::DetectResizeMode(face_.Division, face_.FaceRect);
}

void TspSkinCustomControl::FitSkinSize(int32_t& width, int32_t& height) {
  if (skinIndex_ == -1) return;
  TSkinDivision sized;
  if (tmv::FitSkinSize(face_, width, height, sized)) sized_ = sized;
}

TRect TspSkinCustomControl::MapSkinRect(const TRect& r) const {
  return tmv::MapSkinRect(face_, r, Width(), Height());
}

void TspSkinCustomControl::SetBounds(int left, int top, int width, int height) {
  LookupSkinDescriptor();
  const bool fitted = (width != Width() || height != Height()) && skinIndex_ != -1;
  if (fitted) FitSkinSize(width, height);
  TspSkinControl::SetBounds(left, top, width, height);
  if (fitted) {
    UpdateSkinRegion();
    Invalidate();
  }
}

void TspSkinCustomControl::ApplySkinChange() {
  LookupSkinDescriptor();
  ApplySkinCursor();
  int32_t width = Width(), height = Height();
  if (skinIndex_ == -1) {
    if (defaultWidth_ > 0) width = defaultWidth_;
    if (defaultHeight_ > 0) height = defaultHeight_;
    SetBounds(Left(), Top(), width, height);
  } else {
    FitSkinSize(width, height);
    if (width != Width() || height != Height()) {
      SetBounds(Left(), Top(), width, height);
      return;
    }
  }
  UpdateSkinRegion();
  Invalidate();
}

void TspSkinCustomControl::UpdateSkinRegion() {
  // The window is made later; InitializeWnd gives it its region then.
  if (!HandleAllocated()) return;
  if (!skinMask_ || skinIndex_ == -1) {
    RemoveSkinRegion();
    return;
  }
  SetSkinRegion(BuildSkinRegion());
}

void TspSkinCustomControl::RemoveSkinRegion() {
  if (skinRegion_ && HandleAllocated()) SetSkinRegion(UniqueRegion());
}

void TspSkinCustomControl::SetSkinRegion(UniqueRegion region) {
  HRGN raw = region.Get();
  // A region the window refused is still ours and goes with `region`.
  if (!SetWindowRgn(Handle(), raw, TRUE)) return;
  region.Release();
  skinRegion_ = raw;
}

UniqueRegion TspSkinCustomControl::BuildSkinRegion() {
  if (!skinMask_) return {};
  switch (face_.Mode) {
    case TSkinResizeMode::Fixed:
      return RegionFromMask(*skinMask_);
    case TSkinResizeMode::Both:
    case TSkinResizeMode::Horizontal:
    case TSkinResizeMode::Vertical: {
      const TMaskDivision cut = MaskRegionDivision(face_, sized_);
      return RegionFromMaskParts(*skinMask_, cut.Source, cut.Target, Width());
    }
    default:
      return {};
  }
}

void TspSkinCustomControl::BuildSkinImage(TBitmap& target, TBitmap* picture, const TRect& rect) {
  if (!picture) return;
  ComposeControlImage(face_.Division, rect, Width(), Height(), *picture, target);
}

void TspSkinCustomControl::PaintDefaultFace(TBitmap& face) {
  TCanvas& canvas = *face.Canvas();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect({0, 0, face.Width(), face.Height()});
}

void TspSkinCustomControl::PaintSkinFace(TBitmap& face) {
  if (!skinPicture_) {
    PaintDefaultFace(face);
    return;
  }
  BuildSkinImage(face, skinPicture_, face_.FaceRect);
}

void TspSkinCustomControl::InitializeWnd() {
  TspSkinControl::InitializeWnd();
  skinRegion_ = nullptr;
  LookupSkinDescriptor();
  UpdateSkinRegion();
}

void TspSkinCustomControl::SaveWndState() {
  TspSkinControl::SaveWndState();
  // The region goes with the window.
  skinRegion_ = nullptr;
}

}  // namespace tmv
