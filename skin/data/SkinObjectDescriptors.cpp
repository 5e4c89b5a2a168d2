#include "skin/data/SkinObjectDescriptors.h"

#include <utility>

#include "framework/core/IniFiles.h"

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
  ini.EraseSection(IDName);
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
  ini.EraseSection(IDName);
  WriteSkinFlag(ini, IDName, "rollup", RollUp);
  WriteSkinRect(ini, IDName, "skinrect", SkinRect);
  WriteSkinInteger(ini, IDName, "cursorindex", CursorIndex);
}

namespace {

using Factory = std::unique_ptr<TspDataSkinObject> (*)(const std::string&);

template <class C>
std::unique_ptr<TspDataSkinObject> Make(const std::string& name) {
  return std::make_unique<C>(name);
}

const std::pair<const char*, Factory> kObjectKinds[] = {
    {"menuitem", &Make<TspDataSkinMenuItem>},
    {"mainmenubaritem", &Make<TspDataSkinMainMenuBarItem>},
    {"mainmenuitem", &Make<TspDataSkinMainMenuItem>},
    {"stdbutton", &Make<TspDataSkinStdButton>},
    {"mainmenubarbutton", &Make<TspDataSkinMainMenuBarButton>},
    {"button", &Make<TspDataSkinButton>},
    {"caption", &Make<TspDataSkinCaption>},
    {"trackbar", &Make<TspDataSkinTrackBar>},
    {"gauge", &Make<TspDataSkinGauge>},
    {"framegauge", &Make<TspDataSkinFrameGaugeObject>},
    {"frameregulator", &Make<TspDataSkinFrameRegulatorObject>},
    {"label", &Make<TspDataSkinLabel>},
    {"bitlabel", &Make<TspDataSkinBitLabel>},
    {"switch", &Make<TspDataSkinSwitch>},
    {"animate", &Make<TspDataSkinAnimate>},
    {"userobject", &Make<TspDataUserObject>},
};

}  // namespace

std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& kind,
                                                        const std::string& name) {
  for (const auto& entry : kObjectKinds)
    if (kind == entry.first) return entry.second(name);
  return nullptr;
}

}  // namespace tmv
