#pragma once
// Panels and other containers, bevels, splitters and labels.
#include <vector>

#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

class TspDataSkinPanelControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  int32_t BGPictureIndex = -1;  // background of the client area
  TRect CaptionRect;            // place in the control's image
  TSkinAlignment Alignment = TSkinAlignment::Center;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  TRect CheckImageRect, UnCheckImageRect;  // a check box in the caption

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A panel that rolls up to a bar, horizontally or vertically, with its own caption buttons.
class TspDataSkinExPanelControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect RollHSkinRect, RollVSkinRect;
  int32_t RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
  TRect RollVCaptionRect, RollHCaptionRect;
  TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
  TRect HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect;
  TRect HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect;
  TRect VRollButtonRect, VRollButtonActiveRect, VRollButtonDownRect;
  TRect VRestoreButtonRect, VRestoreButtonActiveRect, VRestoreButtonDownRect;
  TRect CaptionRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinScrollBoxControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  int32_t BGPictureIndex = -1;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinControlBar : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ItemRect;
  int32_t BGPictureIndex = -1;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinSplitterControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;
};

class TspDataSkinBevel : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  uint32_t LightColor = 0;
  uint32_t DarkColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A label drawn on the control's image (the status panel is one).
class TspDataSkinLabelControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A label without an image whose text takes another colour under the mouse.
class TspDataSkinStdLabelControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  static constexpr uint32_t kDefaultActiveFontColor = 0xFF0000;
  uint32_t ActiveFontColor = kDefaultActiveFontColor;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A label whose text is drawn symbol by symbol from a strip of symbol images.
class TspDataSkinBitLabelControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect SkinTextRect;  // the symbol images
  int32_t SymbolWidth = 0;
  int32_t SymbolHeight = 0;
  std::vector<std::string> Symbols;  // each line: the symbols of one row of images

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
