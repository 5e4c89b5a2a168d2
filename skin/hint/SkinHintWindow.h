#pragma once
// The application's tool-tip window drawn from the skin's hint window: the picture fitted to
// the text, shaped by its mask and optionally translucent; the plain tool tip without a skin.
#include <cstdint>
#include <string>

#include "framework/gui/HintWindow.h"
#include "skin/imaging/SPUtilsPiecePlan.h"

namespace tmv {

class TspSkinHint;
class TspSkinData;
class TspDataSkinHintWindow;

class TspSkinHintWindow : public THintWindow {
public:
  explicit TspSkinHintWindow(TComponent* owner);
  ~TspSkinHintWindow() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Served by the first active TspSkinHint of the main form; without one nothing shows.
  void ShowHintAt(const RECT& rect, const std::string& text) override;
  void WndProc(TMessage& message) override;
  // What the window shows at its current size, drawn into face.
  void PaintFace(TBitmap& face);
  // True while the last hint was drawn from the skin.
  bool Skinned() const { return skinData_ != nullptr; }

protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;
  void Notification(TComponent* component, TOperation operation) override;

private:
  TspSkinHint* FindServingHint() const;
  void Serve(TspSkinHint* hint, TspSkinData* skinData);
  const TspDataSkinHintWindow& Descriptor() const;
  TBitmap& SkinPicture(int32_t index) const;
  void PrepareFont();
  SIZE FitSize(const std::string& text);
  void ApplyTransparency(const TRect& bounds);
  void ApplyRegion(int32_t width);

  TspSkinHint* hint_ = nullptr;
  TspSkinData* skinData_ = nullptr;
  TBitmap capture_;
  bool hasRegion_ = false;
  bool alphaApplied_ = false;
  int alphaValueApplied_ = -1;
  TSkinDivision division_;
  SIZE textSize_ = {0, 0};
};

// The application's hint window class while a TspSkinHint serves the hints.
THintWindow* MakeSkinHintWindow(TComponent* owner);

}  // namespace tmv
