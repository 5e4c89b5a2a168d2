#pragma once
// Edits, memos, spin edits and up-down buttons.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

class TspDataSkinEditControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ActiveSkinRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
  TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;  // an edit's button

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinMemoControl : public TspDataSkinEditControl {
public:
  using TspDataSkinEditControl::TspDataSkinEditControl;

  uint32_t BGColor = 0, ActiveBGColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinSpinEditControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ActiveSkinRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinUpDownControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
