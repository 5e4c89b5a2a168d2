#pragma once
// One set of border and colour settings handed to many controls.
#include <cstdint>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/gui/Controls.h"
#include "labels/RzTypes.h"

namespace tmv {

class TRzRegIniFile;

enum TRzFrameControllerProperty {
  fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus,
  fcpParentColor, fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor,
  fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible,
  fcpFramingPreference, fcpAll
};
// Bit n lets a controller set property n of a control.
using TRzFrameControllerNotifications = uint32_t;
constexpr TRzFrameControllerNotifications fcnAll = 0xFFFF;

enum TFramingPreference { fpCustomFraming, fpXPThemes };

const TEnumInfo& FrameStyleExInfo();
const TEnumInfo& SidesInfo();
const TEnumInfo& FrameControllerPropertyInfo();

class TRzFrameController;

// A control that reads a controller's settings itself when told that they changed.
class IRzFrameControllerNotify {
public:
  virtual void FrameControllerNotify(TRzFrameController* controller, TRzFrameControllerProperty property) = 0;

protected:
  ~IRzFrameControllerNotify() = default;
};

class TRzFrameController : public TComponent {
public:
  explicit TRzFrameController(TComponent* owner);
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TColor FlatButtonColor() const { return flatButtonColor_; }
  void SetFlatButtonColor(TColor value) { Change(flatButtonColor_, value, fcpFlatButtonColor); }
  bool FlatButtons() const { return flatButtons_; }
  void SetFlatButtons(bool value) { Change(flatButtons_, value, fcpFlatButtons); }
  TColor DisabledColor() const { return disabledColor_; }
  void SetDisabledColor(TColor value) { Change(disabledColor_, value, fcpDisabledColor); }
  TColor ReadOnlyColor() const { return readOnlyColor_; }
  void SetReadOnlyColor(TColor value) { Change(readOnlyColor_, value, fcpReadOnlyColor); }
  bool ReadOnlyColorOnFocus() const { return readOnlyColorOnFocus_; }
  void SetReadOnlyColorOnFocus(bool value) { Change(readOnlyColorOnFocus_, value, fcpReadOnlyColorOnFocus); }
  TColor FocusColor() const { return focusColor_; }
  void SetFocusColor(TColor value) { Change(focusColor_, value, fcpFocusColor); }
  TColor FrameColor() const { return frameColor_; }
  void SetFrameColor(TColor value) { Change(frameColor_, value, fcpFrameColor); }
  TColor FrameHotColor() const { return frameHotColor_; }
  void SetFrameHotColor(TColor value) { Change(frameHotColor_, value, fcpFrameHotColor); }
  bool FrameHotTrack() const { return frameHotTrack_; }
  void SetFrameHotTrack(bool value) { Change(frameHotTrack_, value, fcpFrameHotTrack); }
  // The rounded flat style is a label's own; the controller ignores it.
  TFrameStyleEx FrameHotStyle() const { return frameHotStyle_; }
  void SetFrameHotStyle(TFrameStyleEx value);
  TSides FrameSides() const { return frameSides_; }
  void SetFrameSides(TSides value) { Change(frameSides_, value, fcpFrameSides); }
  TFrameStyleEx FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyleEx value);
  bool FrameVisible() const { return frameVisible_; }
  void SetFrameVisible(bool value) { Change(frameVisible_, value, fcpFrameVisible); }
  TFramingPreference FramingPreference() const { return framingPreference_; }
  void SetFramingPreference(TFramingPreference value) { Change(framingPreference_, value, fcpFramingPreference); }
  TRzRegIniFile* RegIniFile() const { return regIniFile_; }
  void SetRegIniFile(TRzRegIniFile* value);

  // Adds a control once and hands it every setting.
  void AddControl(TControl* control);
  void RemoveControl(TControl* control);
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // While updates are under way, changes reach no control; ending the last update does not
  // refresh them by itself.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }
  void UpdateControls(TRzFrameControllerProperty property);
  // Takes every setting of source, then refreshes the controls once.
  void Assign(const TRzFrameController& source);
  void Loaded() override;

protected:
  void Notification(TComponent* component, TOperation operation) override;

private:
  template <class T>
  void Change(T& field, T value, TRzFrameControllerProperty property) {
    if (field == value) return;
    field = value;
    UpdateControls(property);
  }
  void UpdateControl(TControl* control, TRzFrameControllerProperty property);
  void WriteProperty(TControl* control, TRzFrameControllerProperty property);
  // Older form data.
  void SetFrameFlat(bool value);
  void SetFrameFocusStyle(TFrameStyleEx value) { SetFrameHotStyle(value); }

  TColor color_ = clWindow;
  bool parentColor_ = false;
  TColor flatButtonColor_ = clBtnFace;
  bool flatButtons_ = true;
  TColor disabledColor_ = clBtnFace;
  TColor readOnlyColor_ = clInfoBk;
  bool readOnlyColorOnFocus_ = false;
  TColor focusColor_ = clWindow;
  TColor frameColor_ = clBtnShadow;
  TColor frameHotColor_ = clBtnShadow;
  bool frameHotTrack_ = false;
  TFrameStyleEx frameHotStyle_ = fsFlatBold;
  TSides frameSides_ = sdAllSides;
  TFrameStyleEx frameStyle_ = fsFlat;
  bool frameVisible_ = false;
  TFramingPreference framingPreference_ = fpXPThemes;
  TRzRegIniFile* regIniFile_ = nullptr;
  int updateCount_ = 0;
  std::vector<TControl*> controls_;
};

// A property kept only so that older form data still reads: its value is taken and dropped.
TPropInfo IgnoredProperty(const char* name);

}  // namespace tmv
