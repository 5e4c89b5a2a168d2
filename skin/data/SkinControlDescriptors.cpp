#include "skin/data/SkinControlDescriptors.h"

#include <utility>

#include "framework/core/IniFiles.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

void TspDataSkinControl::ReadFromDefinition(const TMemIniFile& ini) {
  PictureIndex = ReadSkinInteger(ini, IDName, "pictureindex", -1);
  MaskPictureIndex = ReadSkinInteger(ini, IDName, "maskpictureindex", -1);
  CursorIndex = ReadSkinInteger(ini, IDName, "cursorindex", -1);
  SkinRect = ReadSkinRect(ini, IDName, "skinrect");
}

void TspDataSkinControl::WriteToDefinition(TMemIniFile& ini) {
  ini.EraseSection(IDName);
  WriteSkinInteger(ini, IDName, "pictureindex", PictureIndex);
  WriteSkinInteger(ini, IDName, "maskpictureindex", MaskPictureIndex);
  WriteSkinInteger(ini, IDName, "cursorindex", CursorIndex);
  WriteSkinRect(ini, IDName, "skinrect", SkinRect);
}

void TspDataSkinCustomControl::ReadFromDefinition(const TMemIniFile& ini) {
  TspDataSkinControl::ReadFromDefinition(ini);
  LTPoint = ReadSkinPoint(ini, IDName, "lefttoppoint");
  RTPoint = ReadSkinPoint(ini, IDName, "righttoppoint");
  LBPoint = ReadSkinPoint(ini, IDName, "leftbottompoint");
  RBPoint = ReadSkinPoint(ini, IDName, "rightbottompoint");
  ClRect = ReadSkinRect(ini, IDName, "clientrect");
}

void TspDataSkinCustomControl::WriteToDefinition(TMemIniFile& ini) {
  TspDataSkinControl::WriteToDefinition(ini);
  WriteSkinPoint(ini, IDName, "lefttoppoint", LTPoint);
  WriteSkinPoint(ini, IDName, "righttoppoint", RTPoint);
  WriteSkinPoint(ini, IDName, "leftbottompoint", LBPoint);
  WriteSkinPoint(ini, IDName, "rightbottompoint", RBPoint);
  WriteSkinRect(ini, IDName, "clientrect", ClRect);
}

namespace {

using Factory = std::unique_ptr<TspDataSkinControl> (*)(const std::string&);

template <class C>
std::unique_ptr<TspDataSkinControl> Make(const std::string& name) {
  return std::make_unique<C>(name);
}

const std::pair<const char*, Factory> kControlKinds[] = {
    {"button", &Make<TspDataSkinButtonControl>},
    {"menubutton", &Make<TspDataSkinMenuButtonControl>},
    {"checkradio", &Make<TspDataSkinCheckRadioControl>},
    {"panel", &Make<TspDataSkinPanelControl>},
    {"expanel", &Make<TspDataSkinExPanelControl>},
    {"label", &Make<TspDataSkinLabelControl>},
    {"stdlabel", &Make<TspDataSkinStdLabelControl>},
    {"bitlabel", &Make<TspDataSkinBitLabelControl>},
    {"gauge", &Make<TspDataSkinGaugeControl>},
    {"trackbar", &Make<TspDataSkinTrackBarControl>},
    {"slider", &Make<TspDataSkinSlider>},
    {"bevel", &Make<TspDataSkinBevel>},
    {"splitter", &Make<TspDataSkinSplitterControl>},
    {"frameregulator", &Make<TspDataSkinFrameRegulator>},
    {"framegauge", &Make<TspDataSkinFrameGauge>},
    {"animate", &Make<TspDataSkinAnimateControl>},
    {"switch", &Make<TspDataSkinSwitchControl>},
    {"grid", &Make<TspDataSkinGridControl>},
    {"tab", &Make<TspDataSkinTabControl>},
    {"mainmenubar", &Make<TspDataSkinMainMenuBar>},
    {"controlbar", &Make<TspDataSkinControlBar>},
    {"edit", &Make<TspDataSkinEditControl>},
    {"memo", &Make<TspDataSkinMemoControl>},
    {"listbox", &Make<TspDataSkinListBox>},
    {"checklistbox", &Make<TspDataSkinCheckListBox>},
    {"combobox", &Make<TspDataSkinComboBox>},
    {"scrollbar", &Make<TspDataSkinScrollBarControl>},
    {"spinedit", &Make<TspDataSkinSpinEditControl>},
    {"updown", &Make<TspDataSkinUpDownControl>},
    {"scrollbox", &Make<TspDataSkinScrollBoxControl>},
    {"treeview", &Make<TspDataSkinTreeView>},
    {"listview", &Make<TspDataSkinListView>},
    {"richedit", &Make<TspDataSkinRichEdit>},
};

}  // namespace

std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& kind,
                                                          const std::string& name) {
  for (const auto& entry : kControlKinds)
    if (kind == entry.first) return entry.second(name);
  return nullptr;
}

}  // namespace tmv
