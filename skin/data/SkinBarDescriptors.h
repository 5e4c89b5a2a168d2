#pragma once
// The main menu bar and the tab control.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

// Its items and buttons are drawn by the skin objects it names.
class TspDataSkinMainMenuBar : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  TRect ItemsRect;
  std::string MenuBarItem, CloseButton, MinButton, MaxButton, SysMenuButton;
  uint32_t TrackMarkColor = 0, TrackMarkActiveColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinTabControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect;
  TRect ClRect;
  int32_t BGPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  int32_t TabLeftOffset = 0, TabRightOffset = 0;
  TRect TabsBGRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
  std::string UpDown;  // the up-down descriptor that scrolls the tabs

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
