#pragma once
// The skin of the popup menu windows ([POPUPWINDOW]) and of the hint window ([HINTWINDOW]).
// The registry owns one of each for its whole life; they read their section on every load.
#include <cstdint>
#include <string>

#include "skin/data/SkinSectionDescriptor.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

// A window drawn from a whole active picture, divided into corners, edges (tiled or
// stretched) and a centre.
class TspWindowPictureLayout : public TspSkinSectionDescriptor {
public:
  using TspSkinSectionDescriptor::TspSkinSectionDescriptor;

  int32_t WindowPictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool TopStretch = false;
  bool BottomStretch = false;

protected:
  // The pictures and division points come first in the section, the stretch flags last.
  void ExchangeDivision(TspSkinKeyExchange& keys);
  void ExchangeStretch(TspSkinKeyExchange& keys);
};

class TspDataSkinPopupWindow : public TspWindowPictureLayout {
public:
  TspDataSkinPopupWindow() : TspWindowPictureLayout("POPUPWINDOW") {}

  int32_t CursorIndex = -1;
  TRect ItemsRect;
  uint32_t ScrollMarkerColor = 0;
  uint32_t ScrollMarkerActiveColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinHintWindow : public TspWindowPictureLayout {
public:
  TspDataSkinHintWindow() : TspWindowPictureLayout("HINTWINDOW") {}

  TRect ClRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
