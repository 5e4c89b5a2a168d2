#pragma once
// An image list of the system's common controls, holding pictures of one size.
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "framework/core/Component.h"
#include "framework/core/Method.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/Handles.h"

namespace tmv {

enum TColorDepth { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Changing the size or format of a list empties it.
  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  bool Masked() const { return masked_; }
  void SetMasked(bool masked);
  TColorDepth ColorDepth() const { return colorDepth_; }
  void SetColorDepth(TColorDepth depth);

  // The icon is scaled to the list's size; answers its index, -1 when the list refused it.
  int AddIcon(HICON icon);
  int Count() const;
  void Clear();
  // A new icon made from picture index, owned by the caller; null for a bad index.
  HICON GetIcon(int index) const;
  // Draws picture index with its top-left corner at x, y, through its mask. A disabled
  // picture is greyed: its dark parts embossed in the button highlight and shadow colours.
  // A bad index draws nothing.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
  HIMAGELIST Handle();

  // Users of the handle hear when it is replaced.
  void RegisterChanges(TNotifyEvent link);
  void UnRegisterChanges(TNotifyEvent link);

private:
  void Recreate();
  std::vector<TNotifyEvent> changeLinks_;
  int width_ = 16;
  int height_ = 16;
  bool masked_ = true;
  TColorDepth colorDepth_ = cdDeviceDependent;
  UniqueImageList handle_;
};

}  // namespace tmv
