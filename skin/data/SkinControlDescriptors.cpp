#include "skin/data/SkinControlDescriptors.h"

#include "skin/data/DescriptorKinds.h"

namespace tmv {

void TspDataSkinControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  keys.PictureIndex("pictureindex", PictureIndex);
  keys.PictureIndex("maskpictureindex", MaskPictureIndex);
  keys.Integer("cursorindex", CursorIndex, -1);
  keys.Rect("skinrect", SkinRect);
}

void TspDataSkinCustomControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Point("lefttoppoint", LTPoint);
  keys.Point("righttoppoint", RTPoint);
  keys.Point("leftbottompoint", LBPoint);
  keys.Point("rightbottompoint", RBPoint);
  keys.Rect("clientrect", ClRect);
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
