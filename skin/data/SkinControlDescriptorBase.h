#pragma once
// The two classes every control descriptor derives from. A descriptor holds what a skin says
// about one named kind of control; the registry creates one per [SKINCONTROLS] entry and it
// reads the section bearing its name. Controls only read its fields.
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>

#include "skin/data/SkinKeyExchange.h"
#include "skin/data/SkinWindowDescriptors.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;

class TspDataSkinControl {
public:
  explicit TspDataSkinControl(std::string name) : IDName(std::move(name)) {}
  virtual ~TspDataSkinControl() = default;
  TspDataSkinControl(const TspDataSkinControl&) = delete;
  TspDataSkinControl& operator=(const TspDataSkinControl&) = delete;

  // Reads the base classes' keys first, then the class's own.
  virtual void ReadFromDefinition(const TMemIniFile& ini);
  // Writes back every key the class reads; other keys of the section stay.
  virtual void WriteToDefinition(TMemIniFile& ini);
  // Every picture index beyond the loaded active pictures (or below -1) becomes -1.
  void ForgetMissingPictures(size_t activePictureCount);

  std::string IDName;
  int32_t PictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  int32_t CursorIndex = -1;
  TRect SkinRect;

protected:
  // Names every key of the class, its base classes' first, in reading order.
  virtual void ExchangeKeys(TspSkinKeyExchange& keys);
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
