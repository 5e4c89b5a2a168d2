#pragma once
// What a skin says about the parts it places on a form's frame: caption, frame buttons,
// menu items and the like. One descriptor per [SKINOBJECTS] entry, of the class its kind names.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

class TMemIniFile;

class TspDataSkinObject {
public:
  explicit TspDataSkinObject(std::string name) : IDName(std::move(name)) {}
  virtual ~TspDataSkinObject() = default;
  TspDataSkinObject(const TspDataSkinObject&) = delete;
  TspDataSkinObject& operator=(const TspDataSkinObject&) = delete;

  // Each class reads its base class's keys first, then its own.
  virtual void ReadFromDefinition(const TMemIniFile& ini);
  // Writes back every key the class reads; keys of the section it does not read stay.
  virtual void WriteToDefinition(TMemIniFile& ini);

  std::string IDName;
  std::string Hint;
  bool RollUp = false;
  int32_t ActivePictureIndex = -1;
  bool SkinRectInAPicture = false;
  int32_t CursorIndex = -1;
  TRect SkinRect;
  TRect ActiveSkinRect;
  TRect InActiveSkinRect;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;
};

// A user object takes only its place, its frame and its cursor from the skin.
class TspDataUserObject : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;
  void ReadFromDefinition(const TMemIniFile& ini) override;
  void WriteToDefinition(TMemIniFile& ini) override;
};

#define TM_SKIN_OBJECT_CLASS(Name, Base) \
  class Name : public Base {             \
  public:                                \
    using Base::Base;                    \
  };

TM_SKIN_OBJECT_CLASS(TspDataSkinButton, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinStdButton, TspDataSkinButton)
TM_SKIN_OBJECT_CLASS(TspDataSkinMainMenuBarButton, TspDataSkinStdButton)
TM_SKIN_OBJECT_CLASS(TspDataSkinCaption, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinLabel, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinBitLabel, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinAnimate, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinGauge, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinTrackBar, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinSwitch, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinFrameGaugeObject, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinFrameRegulatorObject, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinMenuItem, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinMainMenuItem, TspDataSkinObject)
TM_SKIN_OBJECT_CLASS(TspDataSkinMainMenuBarItem, TspDataSkinMainMenuItem)

#undef TM_SKIN_OBJECT_CLASS

// The descriptor for a [SKINOBJECTS] kind ("stdbutton", "caption", ...), matched exactly;
// nullptr for a kind the engine does not know.
std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& kind,
                                                        const std::string& name);

}  // namespace tmv
