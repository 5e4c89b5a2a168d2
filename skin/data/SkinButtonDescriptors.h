#pragma once
// Buttons, menu buttons, check boxes and radio boxes.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

class TspDataSkinButtonControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  uint32_t DisabledFontColor = 0;
  uint32_t DownFontColor = 0;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinMenuButtonControl : public TspDataSkinButtonControl {
public:
  using TspDataSkinButtonControl::TspDataSkinButtonControl;

  TRect TrackButtonRect;  // the drop-down part

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinCheckRadioControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  uint32_t UnEnabledFontColor = 0;
  uint32_t FrameFontColor = 0;  // caption drawn on a frame
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
  TRect ActiveSkinRect;
  TRect CheckImageArea;  // place in the control's image
  TRect TextArea;        // place in the control's image
  TRect CheckImageRect, UnCheckImageRect;
  TRect ActiveCheckImageRect, ActiveUnCheckImageRect;
  TRect UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
