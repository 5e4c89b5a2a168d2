#pragma once
// Panels, the status bar, pictures and timers.
#include <memory>

#include "framework/core/Bitmap.h"
#include "framework/gui/Controls.h"
#include "framework/gui/HiddenWindow.h"

namespace tmv {

enum TPanelBevel { bvNone, bvLowered, bvRaised };
const TEnumInfo& PanelBevelInfo();

// A container drawn as a face with an outer bevel and its caption in the middle.
class TPanel : public TWinControl {
public:
  explicit TPanel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TPanelBevel BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TPanelBevel bevel);
  bool ShowCaption() const { return showCaption_; }
  void SetShowCaption(bool show);

protected:
  void PaintWindow(TCanvas& canvas) override;

private:
  TPanelBevel bevelOuter_ = bvRaised;
  bool showCaption_ = true;
};

// A panel along the bottom whose one line of text is shown by a TStatusPanel inside it; its
// own caption names it and is not shown.
class TStatusBar : public TPanel {
public:
  explicit TStatusBar(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
};

// A windowless sunken text field, usually filling a status bar.
class TStatusPanel : public TControl {
public:
  explicit TStatusPanel(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Paint(TCanvas& canvas) override;
};

// A picture holder; only bitmaps are stored.
class TPicture : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TBitmap* Bitmap() { return &bitmap_; }
  void SetBitmap(const TBitmap& bitmap) { bitmap_.Assign(bitmap); }
  // "Data" in form resources: a BMP file.
  void SetData(const std::vector<uint8_t>& bytes) { bitmap_.SetData(bytes); }

private:
  TBitmap bitmap_;
};

class TImage : public TControl {
public:
  explicit TImage(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TPicture* Picture() { return &picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool value);
  void Paint(TCanvas& canvas) override;

private:
  TPicture picture_;
  bool stretch_ = false;
};

// Fires OnTimer every Interval milliseconds while Enabled, on the GUI thread.
class TTimer : public TComponent {
public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  // An interval of 0 stops the timer.
  void SetInterval(unsigned interval);
  TNotifyEvent OnTimer() const { return onTimer_; }
  void SetOnTimer(TNotifyEvent event);

private:
  void Update();
  void TimerWndProc(TMessage& message);
  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent onTimer_;
  std::unique_ptr<THiddenWindow> window_;
  bool running_ = false;
  bool ticking_ = false;  // OnTimer is running
};

}  // namespace tmv
