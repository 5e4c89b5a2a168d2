#pragma once
// The skin of the popup menu windows ([POPUPWINDOW]) and of the hint window ([HINTWINDOW]).
// The registry owns one of each for its whole life; they read their section on every load.
#include <cstdint>
#include <string>

#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;

// Division of a window picture into corners, edges (tiled or stretched) and a centre.
struct TspWindowPictureLayout {
  int32_t WindowPictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool TopStretch = false;
  bool BottomStretch = false;
};

class TspDataSkinPopupWindow : public TspWindowPictureLayout {
public:
  void LoadFromIni(const TMemIniFile& ini);
  void SaveToIni(TMemIniFile& ini) const;

  int32_t CursorIndex = -1;
  TRect ItemsRect;
  uint32_t ScrollMarkerColor = 0;
  uint32_t ScrollMarkerActiveColor = 0;
};

class TspDataSkinHintWindow : public TspWindowPictureLayout {
public:
  TspDataSkinHintWindow();
  void LoadFromIni(const TMemIniFile& ini);
  void SaveToIni(TMemIniFile& ini) const;

  TRect ClRect;
  std::string FontName;
  int32_t FontHeight = 14;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
};

// The skin's default font face.
extern const char kDefaultSkinFontName[];

}  // namespace tmv
