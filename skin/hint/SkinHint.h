#pragma once
// The component that makes the application's hints skinned while it is active, and shows
// hints of its own for the frame objects of a skinned form.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"

namespace tmv {

class TspSkinData;
class TspSkinHintWindow;

class TspSkinHint : public TComponent {
public:
  explicit TspSkinHint(TComponent* owner);
  ~TspSkinHint() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TFont* DefaultFont() { return &defaultFont_; }
  void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
  bool UseSkinFont() const { return useSkinFont_; }
  void SetUseSkinFont(bool value) { useSkinFont_ = value; }
  bool AlphaBlendSupport() const { return alphaBlendSupport_; }
  // Outside the designer it stays false where layered windows are not used.
  void SetAlphaBlendSupport(bool value);
  bool AlphaBlend() const { return alphaBlend_; }
  void SetAlphaBlend(bool value) { alphaBlend_ = value; }
  uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
  void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
  TspSkinData* SkinData() const { return skinData_; }
  void SetSkinData(TspSkinData* value);
  bool Active() const { return active_; }
  // Activating one switches off every other TspSkinHint of the same owner.
  void SetActive(bool value);
  TShowHintEvent OnShowHint() const { return onShowHint_; }
  void SetOnShowHint(TShowHintEvent event) { onShowHint_ = event; }

  // Frame object hints: shown at the mouse after the application's hint pause, hidden after
  // its hide pause or by HideObjectHint.
  void ShowObjectHintDelayed(const std::string& text);
  void HideObjectHint();
  TspSkinHintWindow* HintWindow() const { return hintWindow_; }

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  void ApplicationShowHint(std::string& text, bool& canShow, THintInfo& info);
  void StartTimer(unsigned interval, TNotifyEvent handler);
  void ShowPendingObjectHint(TObject* sender);
  void ObjectHintExpired(TObject* sender);

  TFont defaultFont_;
  bool useSkinFont_ = true;
  bool alphaBlendSupport_ = true;
  bool alphaBlend_ = false;
  uint8_t alphaBlendValue_ = 200;
  TspSkinData* skinData_ = nullptr;
  bool active_ = true;
  TShowHintEvent onShowHint_;
  TspSkinHintWindow* hintWindow_;
  std::unique_ptr<TTimer> timer_;
  std::string objectHint_;
};

// Makes TspSkinHint known to the form reader.
void RegisterSkinHintClasses();

}  // namespace tmv
