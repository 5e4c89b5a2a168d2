#include "skin/data/SkinObjectDescriptors.h"


#include "framework/core/IniFiles.h"
#include "skin/data/DescriptorKinds.h"

namespace tmv {

void TspDataSkinObject::ReadFromDefinition(const TMemIniFile& ini) {
  Hint = ini.ReadString(IDName, "hint", "");
  RollUp = ReadSkinFlag(ini, IDName, "rollup");
  ActivePictureIndex = ReadSkinInteger(ini, IDName, "activepictureindex", -1);
  SkinRectInAPicture = ReadSkinFlag(ini, IDName, "skinrectinapicture");
  CursorIndex = ReadSkinInteger(ini, IDName, "cursorindex", -1);
  SkinRect = ReadSkinRect(ini, IDName, "skinrect");
  ActiveSkinRect = ReadSkinRect(ini, IDName, "activeskinrect");
  InActiveSkinRect = ReadSkinRect(ini, IDName, "inactiveskinrect");
  Morphing = ReadSkinFlag(ini, IDName, "morphing");
  MorphKind = ReadMorphKind(ini, IDName, "morphkind");
}

void TspDataSkinObject::WriteToDefinition(TMemIniFile& ini) {
  ini.WriteString(IDName, "hint", Hint);
  WriteSkinFlag(ini, IDName, "rollup", RollUp);
  WriteSkinInteger(ini, IDName, "activepictureindex", ActivePictureIndex);
  WriteSkinFlag(ini, IDName, "skinrectinapicture", SkinRectInAPicture);
  WriteSkinInteger(ini, IDName, "cursorindex", CursorIndex);
  WriteSkinRect(ini, IDName, "skinrect", SkinRect);
  WriteSkinRect(ini, IDName, "activeskinrect", ActiveSkinRect);
  WriteSkinRect(ini, IDName, "inactiveskinrect", InActiveSkinRect);
  WriteSkinFlag(ini, IDName, "morphing", Morphing);
  ini.WriteString(IDName, "morphkind", MorphKindText(MorphKind));
}

void TspDataUserObject::ReadFromDefinition(const TMemIniFile& ini) {
  RollUp = ReadSkinFlag(ini, IDName, "rollup");
  SkinRect = ReadSkinRect(ini, IDName, "skinrect");
  CursorIndex = ReadSkinInteger(ini, IDName, "cursorindex", -1);
}

void TspDataUserObject::WriteToDefinition(TMemIniFile& ini) {
  WriteSkinFlag(ini, IDName, "rollup", RollUp);
  WriteSkinRect(ini, IDName, "skinrect", SkinRect);
  WriteSkinInteger(ini, IDName, "cursorindex", CursorIndex);
}

namespace {

using Kind = TDescriptorKind<TspDataSkinObject>;

const Kind kObjectKinds[] = {
    {"menuitem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMenuItem>},
    {"mainmenubaritem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuBarItem>},
    {"mainmenuitem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuItem>},
    {"stdbutton", &MakeDescriptor<TspDataSkinObject, TspDataSkinStdButton>},
    {"mainmenubarbutton", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuBarButton>},
    {"button", &MakeDescriptor<TspDataSkinObject, TspDataSkinButton>},
    {"caption", &MakeDescriptor<TspDataSkinObject, TspDataSkinCaption>},
    {"trackbar", &MakeDescriptor<TspDataSkinObject, TspDataSkinTrackBar>},
    {"gauge", &MakeDescriptor<TspDataSkinObject, TspDataSkinGauge>},
    {"framegauge", &MakeDescriptor<TspDataSkinObject, TspDataSkinFrameGaugeObject>},
    {"frameregulator", &MakeDescriptor<TspDataSkinObject, TspDataSkinFrameRegulatorObject>},
    {"label", &MakeDescriptor<TspDataSkinObject, TspDataSkinLabel>},
    {"bitlabel", &MakeDescriptor<TspDataSkinObject, TspDataSkinBitLabel>},
    {"switch", &MakeDescriptor<TspDataSkinObject, TspDataSkinSwitch>},
    {"animate", &MakeDescriptor<TspDataSkinObject, TspDataSkinAnimate>},
    {"userobject", &MakeDescriptor<TspDataSkinObject, TspDataUserObject>},
};

}  // namespace

std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& kind,
                                                        const std::string& name) {
  return CreateDescriptorOfKind(kObjectKinds, kind, name);
}

}  // namespace tmv
