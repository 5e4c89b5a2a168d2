#pragma once
// What a skin says about one named kind of control. The registry creates one descriptor per
// [SKINCONTROLS] entry, of the class its kind names; each reads the section bearing its name.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/imaging/SkinGeometry.h"

namespace tmv {

class TMemIniFile;

class TspDataSkinControl {
public:
  explicit TspDataSkinControl(std::string name) : IDName(std::move(name)) {}
  virtual ~TspDataSkinControl() = default;
  TspDataSkinControl(const TspDataSkinControl&) = delete;
  TspDataSkinControl& operator=(const TspDataSkinControl&) = delete;

  // Each class reads its base class's keys first, then its own.
  virtual void ReadFromDefinition(const TMemIniFile& ini);
  // Erases the section and writes back every key the class reads.
  virtual void WriteToDefinition(TMemIniFile& ini);

  std::string IDName;
  int32_t PictureIndex = -1;
  int32_t MaskPictureIndex = -1;
  int32_t CursorIndex = -1;
  TRect SkinRect;
};

// Controls whose image is divided into corners, edges and a centre for resizing.
class TspDataSkinCustomControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;
  void ReadFromDefinition(const TMemIniFile& ini) override;
  void WriteToDefinition(TMemIniFile& ini) override;

  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
};

#define TM_SKIN_CONTROL_CLASS(Name, Base) \
  class Name : public Base {              \
  public:                                 \
    using Base::Base;                     \
  };

TM_SKIN_CONTROL_CLASS(TspDataSkinButtonControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinMenuButtonControl, TspDataSkinButtonControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinCheckRadioControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinPanelControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinExPanelControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinLabelControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinBitLabelControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinGaugeControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinTrackBarControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinSplitterControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinScrollBarControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinScrollBoxControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinListBox, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinCheckListBox, TspDataSkinListBox)
TM_SKIN_CONTROL_CLASS(TspDataSkinComboBox, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinEditControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinMemoControl, TspDataSkinEditControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinSpinEditControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinUpDownControl, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinControlBar, TspDataSkinCustomControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinBevel, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinSlider, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinTreeView, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinListView, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinRichEdit, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinMainMenuBar, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinTabControl, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinGridControl, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinStdLabelControl, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinFrameControl, TspDataSkinControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinAnimateControl, TspDataSkinFrameControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinSwitchControl, TspDataSkinFrameControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinFrameGauge, TspDataSkinFrameControl)
TM_SKIN_CONTROL_CLASS(TspDataSkinFrameRegulator, TspDataSkinFrameControl)

#undef TM_SKIN_CONTROL_CLASS

// The descriptor for a [SKINCONTROLS] kind ("button", "checkradio", ...), matched exactly;
// nullptr for a kind the engine does not know.
std::unique_ptr<TspDataSkinControl> CreateSkinControlData(const std::string& kind,
                                                          const std::string& name);

}  // namespace tmv
