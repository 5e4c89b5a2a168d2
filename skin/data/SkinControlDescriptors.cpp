#include "skin/data/SkinControlDescriptors.h"


#include "framework/core/IniFiles.h"
#include "skin/data/DescriptorKinds.h"
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

using Kind = TDescriptorKind<TspDataSkinControl>;

const Kind kControlKinds[] = {
    {"button", &MakeDescriptor<TspDataSkinControl, TspDataSkinButtonControl>},
    {"menubutton", &MakeDescriptor<TspDataSkinControl, TspDataSkinMenuButtonControl>},
    {"checkradio", &MakeDescriptor<TspDataSkinControl, TspDataSkinCheckRadioControl>},
    {"panel", &MakeDescriptor<TspDataSkinControl, TspDataSkinPanelControl>},
    {"expanel", &MakeDescriptor<TspDataSkinControl, TspDataSkinExPanelControl>},
    {"label", &MakeDescriptor<TspDataSkinControl, TspDataSkinLabelControl>},
    {"stdlabel", &MakeDescriptor<TspDataSkinControl, TspDataSkinStdLabelControl>},
    {"bitlabel", &MakeDescriptor<TspDataSkinControl, TspDataSkinBitLabelControl>},
    {"gauge", &MakeDescriptor<TspDataSkinControl, TspDataSkinGaugeControl>},
    {"trackbar", &MakeDescriptor<TspDataSkinControl, TspDataSkinTrackBarControl>},
    {"slider", &MakeDescriptor<TspDataSkinControl, TspDataSkinSlider>},
    {"bevel", &MakeDescriptor<TspDataSkinControl, TspDataSkinBevel>},
    {"splitter", &MakeDescriptor<TspDataSkinControl, TspDataSkinSplitterControl>},
    {"frameregulator", &MakeDescriptor<TspDataSkinControl, TspDataSkinFrameRegulator>},
    {"framegauge", &MakeDescriptor<TspDataSkinControl, TspDataSkinFrameGauge>},
    {"animate", &MakeDescriptor<TspDataSkinControl, TspDataSkinAnimateControl>},
    {"switch", &MakeDescriptor<TspDataSkinControl, TspDataSkinSwitchControl>},
    {"grid", &MakeDescriptor<TspDataSkinControl, TspDataSkinGridControl>},
    {"tab", &MakeDescriptor<TspDataSkinControl, TspDataSkinTabControl>},
    {"mainmenubar", &MakeDescriptor<TspDataSkinControl, TspDataSkinMainMenuBar>},
    {"controlbar", &MakeDescriptor<TspDataSkinControl, TspDataSkinControlBar>},
    {"edit", &MakeDescriptor<TspDataSkinControl, TspDataSkinEditControl>},
    {"memo", &MakeDescriptor<TspDataSkinControl, TspDataSkinMemoControl>},
    {"listbox", &MakeDescriptor<TspDataSkinControl, TspDataSkinListBox>},
    {"checklistbox", &MakeDescriptor<TspDataSkinControl, TspDataSkinCheckListBox>},
    {"combobox", &MakeDescriptor<TspDataSkinControl, TspDataSkinComboBox>},
    {"scrollbar", &MakeDescriptor<TspDataSkinControl, TspDataSkinScrollBarControl>},
    {"spinedit", &MakeDescriptor<TspDataSkinControl, TspDataSkinSpinEditControl>},
    {"updown", &MakeDescriptor<TspDataSkinControl, TspDataSkinUpDownControl>},
    {"scrollbox", &MakeDescriptor<TspDataSkinControl, TspDataSkinScrollBoxControl>},
    {"treeview", &MakeDescriptor<TspDataSkinControl, TspDataSkinTreeView>},
    {"listview", &MakeDescriptor<TspDataSkinControl, TspDataSkinListView>},
    {"richedit", &MakeDescriptor<TspDataSkinControl, TspDataSkinRichEdit>},
};

}  // namespace

std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& kind,
                                                          const std::string& name) {
  return CreateDescriptorOfKind(kControlKinds, kind, name);
}

}  // namespace tmv
