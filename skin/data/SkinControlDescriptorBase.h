#pragma once
// The two classes every control descriptor derives from. A descriptor holds what a skin says
// about one named kind of control; the registry creates one per [SKINCONTROLS] entry and it
// reads the section bearing its name. Controls only read its fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "skin/data/SkinKeyExchange.h"
#include "skin/data/SkinSectionDescriptor.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;

class TspDataSkinControl : public TspSkinSectionDescriptor {
public:
  using TspSkinSectionDescriptor::TspSkinSectionDescriptor;

  int32_t PictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  int32_t CursorIndex = -1;
  TRect SkinRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// Controls whose image is divided into corners, edges and a centre for resizing; the points
// and the client area are relative to SkinRect's top-left corner.
class TspDataSkinCustomControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
