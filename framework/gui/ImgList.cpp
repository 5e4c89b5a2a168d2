#include "framework/gui/ImgList.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"

namespace tmv {

namespace {
const TEnumInfo& ColorDepthInfo() {
  static const TEnumInfo info{"TColorDepth", {"cdDeviceDependent", "cd4Bit", "cd8Bit", "cd16Bit", "cd24Bit", "cd32Bit"}};
  return info;
}
}  // namespace

const TClassInfo& TImageList::StaticClassInfo() {
  static const TClassInfo info("TImageList", &TComponent::StaticClassInfo(), &CreateComponent<TImageList>,
                               {prop::Integer<&TImageList::SetWidth>("Width", 16),
                                prop::Integer<&TImageList::SetHeight>("Height", 16),
                                prop::Boolean<&TImageList::SetMasked>("Masked", true),
                                prop::Enum<&TImageList::SetColorDepth>("ColorDepth", ColorDepthInfo())});
  return info;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetWidth(int width) {
  if (width < 1 || width == width_) return;
  width_ = width;
  Recreate();
}

void TImageList::SetHeight(int height) {
  if (height < 1 || height == height_) return;
  height_ = height;
  Recreate();
}

void TImageList::SetMasked(bool masked) {
  if (masked == masked_) return;
  masked_ = masked;
  Recreate();
}

void TImageList::SetColorDepth(TColorDepth depth) {
  if (depth == colorDepth_) return;
  colorDepth_ = depth;
  Recreate();
}

void TImageList::Recreate() {
  handle_.Reset();
  for (const TNotifyEvent& link : std::vector<TNotifyEvent>(changeLinks_)) link(this);
}

void TImageList::RegisterChanges(TNotifyEvent link) { changeLinks_.push_back(link); }

void TImageList::UnRegisterChanges(TNotifyEvent link) {
  changeLinks_.erase(std::remove(changeLinks_.begin(), changeLinks_.end(), link), changeLinks_.end());
}

HIMAGELIST TImageList::Handle() {
  if (!handle_) {
    static const UINT depths[] = {ILC_COLORDDB, ILC_COLOR4, ILC_COLOR8, ILC_COLOR16, ILC_COLOR24, ILC_COLOR32};
    UINT flags = depths[colorDepth_] | (masked_ ? ILC_MASK : 0);
    // Grows by four pictures at a time.
    handle_.Reset(ImageList_Create(width_, height_, flags, 0, 4));
    if (!handle_) throw EOutOfResources("Out of system resources");
  }
  return handle_.Get();
}

int TImageList::AddIcon(HICON icon) {
  if (!icon) return -1;
  return ImageList_ReplaceIcon(Handle(), -1, icon);
}

int TImageList::Count() const { return handle_ ? ImageList_GetImageCount(handle_.Get()) : 0; }

void TImageList::Clear() {
  if (handle_) ImageList_Remove(handle_.Get(), -1);
}

HICON TImageList::GetIcon(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return ImageList_GetIcon(handle_.Get(), index, ILD_NORMAL);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  if (enabled) {
    ImageList_Draw(handle_.Get(), index, canvas.Handle(), x, y, ILD_NORMAL);
    return;
  }
  UniqueIcon picture(GetIcon(index));
  DrawStateA(canvas.Handle(), nullptr, nullptr, reinterpret_cast<LPARAM>(picture.Get()), 0, x, y,
             width_, height_, DST_ICON | DSS_DISABLED);
}

}  // namespace tmv
