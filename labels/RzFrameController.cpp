#include "labels/RzFrameController.h"

#include <algorithm>

#include "labels/RzRegIniFile.h"

namespace tmv {

const TEnumInfo& FrameStyleExInfo() {
  static const TEnumInfo info{"TFrameStyleEx",
                              {"fsNone", "fsFlat", "fsGroove", "fsBump", "fsLowered", "fsButtonDown", "fsRaised",
                               "fsButtonUp", "fsStatus", "fsPopup", "fsFlatBold", "fsFlatRounded"}};
  return info;
}

const TEnumInfo& SidesInfo() {
  static const TEnumInfo info{"TSides", {"sdLeft", "sdTop", "sdRight", "sdBottom"}};
  return info;
}

const TEnumInfo& FrameControllerPropertyInfo() {
  static const TEnumInfo info{
      "TRzFrameControllerProperty",
      {"fcpColor", "fcpFocusColor", "fcpDisabledColor", "fcpReadOnlyColor", "fcpReadOnlyColorOnFocus",
       "fcpParentColor", "fcpFlatButtonColor", "fcpFlatButtons", "fcpFrameColor", "fcpFrameHotColor",
       "fcpFrameHotTrack", "fcpFrameHotStyle", "fcpFrameSides", "fcpFrameStyle", "fcpFrameVisible",
       "fcpFramingPreference", "fcpAll"}};
  return info;
}

namespace {

const TEnumInfo& FramingPreferenceInfo() {
  static const TEnumInfo info{"TFramingPreference", {"fpCustomFraming", "fpXPThemes"}};
  return info;
}

// The published property of a control that each controller setting is written through.
const char* const kPropertyNames[] = {
    "Color", "FocusColor", "DisabledColor", "ReadOnlyColor", "ReadOnlyColorOnFocus", "ParentColor",
    "FlatButtonColor", "FlatButtons", "FrameColor", "FrameHotColor", "FrameHotTrack", "FrameHotStyle",
    "FrameSides", "FrameStyle", "FrameVisible", "FramingPreference"};

// The order in which a control takes all settings at once.
const TRzFrameControllerProperty kAllInOrder[] = {
    fcpParentColor, fcpColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, fcpFocusColor,
    fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, fcpFrameHotTrack,
    fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible, fcpFramingPreference};

// Writing a setting through a published property goes the way a form resource would.
class TSettingContext : public TReadContext {
public:
  explicit TSettingContext(TComponent& root) : root_(root) {}
  TComponent& Root() override { return root_; }
  void AddFixup(const std::string&, const std::string&, std::function<bool(TComponent*)>, int) override {}

private:
  TComponent& root_;
};

TPropValue ColorValue(TColor color) {
  TPropValue v;
  v.Int = static_cast<int32_t>(color);
  return v;
}

TPropValue IdentValue(const std::string& ident) {
  TPropValue v;
  v.kind = TPropValue::vkIdent;
  v.Str = ident;
  return v;
}

TPropValue BoolValue(bool value) { return IdentValue(value ? "True" : "False"); }

TPropValue SidesValue(TSides sides) {
  TPropValue v;
  v.kind = TPropValue::vkSet;
  for (size_t i = 0; i < SidesInfo().Names.size(); ++i)
    if (sides & (1u << i)) v.Items.push_back(SidesInfo().Names[i]);
  return v;
}

}  // namespace

TPropInfo IgnoredProperty(const char* name) {
  return {name, TPropKind::Integer, "", [](TObject&, const TPropValue&, TReadContext&) {}, nullptr};
}

const TClassInfo& TRzFrameController::StaticClassInfo() {
  using C = TRzFrameController;
  static const TClassInfo info(
      "TRzFrameController", &TComponent::StaticClassInfo(), &CreateComponent<C>,
      {prop::Color<&C::SetColor>("Color", "clWindow"), prop::Boolean<&C::SetParentColor>("ParentColor"),
       prop::Color<&C::SetFlatButtonColor>("FlatButtonColor", "clBtnFace"),
       prop::Boolean<&C::SetFlatButtons>("FlatButtons", true),
       prop::Color<&C::SetDisabledColor>("DisabledColor", "clBtnFace"),
       prop::Color<&C::SetReadOnlyColor>("ReadOnlyColor", "clInfoBk"),
       prop::Boolean<&C::SetReadOnlyColorOnFocus>("ReadOnlyColorOnFocus"),
       prop::Color<&C::SetFocusColor>("FocusColor", "clWindow"),
       prop::Color<&C::SetFrameColor>("FrameColor", "clBtnShadow"),
       prop::Color<&C::SetFrameHotColor>("FrameHotColor", "clBtnShadow"),
       prop::Boolean<&C::SetFrameHotTrack>("FrameHotTrack"),
       prop::Enum<&C::SetFrameHotStyle>("FrameHotStyle", FrameStyleExInfo(), fsFlatBold),
       prop::Set<&C::SetFrameSides>("FrameSides", SidesInfo(), "[sdLeft, sdTop, sdRight, sdBottom]"),
       prop::Enum<&C::SetFrameStyle>("FrameStyle", FrameStyleExInfo(), fsFlat),
       prop::Boolean<&C::SetFrameVisible>("FrameVisible"),
       prop::Enum<&C::SetFramingPreference>("FramingPreference", FramingPreferenceInfo(), fpXPThemes),
       prop::Reference<&C::SetRegIniFile>("RegIniFile"), IgnoredProperty("About"),
       prop::Boolean<&C::SetFrameFlat>("FrameFlat"),
       prop::Enum<&C::SetFrameFocusStyle>("FrameFocusStyle", FrameStyleExInfo()),
       IgnoredProperty("FrameFlatStyle")});
  return info;
}

TRzFrameController::TRzFrameController(TComponent* owner) : TComponent(owner) {}

void TRzFrameController::SetColor(TColor value) {
  if (value == color_) return;
  const bool focusFollows = focusColor_ == color_;
  color_ = value;
  UpdateControls(fcpColor);
  if (focusFollows) SetFocusColor(value);
  SetParentColor(false);
}

void TRzFrameController::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  UpdateControls(fcpParentColor);
  if (!value) UpdateControls(fcpColor);
}

void TRzFrameController::SetFrameHotStyle(TFrameStyleEx value) {
  if (value != fsFlatRounded) Change(frameHotStyle_, value, fcpFrameHotStyle);
}

void TRzFrameController::SetFrameStyle(TFrameStyleEx value) {
  if (value != fsFlatRounded) Change(frameStyle_, value, fcpFrameStyle);
}

void TRzFrameController::SetFrameFlat(bool value) {
  SetFrameHotTrack(value);
  if (!value) return;
  SetFrameStyle(fsStatus);
  SetFrameHotStyle(fsLowered);
}

void TRzFrameController::SetRegIniFile(TRzRegIniFile* value) {
  if (value == regIniFile_) return;
  if (regIniFile_) RemoveFreeNotification(regIniFile_);
  regIniFile_ = value;
  if (value) FreeNotification(value);
}

void TRzFrameController::AddControl(TControl* control) {
  if (std::find(controls_.begin(), controls_.end(), control) != controls_.end()) return;
  controls_.push_back(control);
  FreeNotification(control);
  UpdateControl(control, fcpAll);
}

void TRzFrameController::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  RemoveFreeNotification(control);
}

void TRzFrameController::EndUpdate() {
  if (updateCount_ > 0) --updateCount_;
}

void TRzFrameController::UpdateControls(TRzFrameControllerProperty property) {
  if (updateCount_ > 0 || IsLoading()) return;
  for (size_t i = 0; i < controls_.size(); ++i) UpdateControl(controls_[i], property);
}

void TRzFrameController::UpdateControl(TControl* control, TRzFrameControllerProperty property) {
  if (auto* notify = dynamic_cast<IRzFrameControllerNotify*>(control)) {
    notify->FrameControllerNotify(this, property);
    return;
  }
  if (property != fcpAll) {
    WriteProperty(control, property);
    return;
  }
  for (TRzFrameControllerProperty p : kAllInOrder)
    if (p != fcpColor || !parentColor_) WriteProperty(control, p);
}

void TRzFrameController::WriteProperty(TControl* control, TRzFrameControllerProperty property) {
  const TPropInfo* info = control->ClassInfo().FindProperty(kPropertyNames[property]);
  if (!info || !info->Apply) return;
  TPropValue value;
  switch (property) {
    case fcpColor: value = ColorValue(color_); break;
    case fcpFocusColor: value = ColorValue(focusColor_); break;
    case fcpDisabledColor: value = ColorValue(disabledColor_); break;
    case fcpReadOnlyColor: value = ColorValue(readOnlyColor_); break;
    case fcpReadOnlyColorOnFocus: value = BoolValue(readOnlyColorOnFocus_); break;
    case fcpParentColor: value = BoolValue(parentColor_); break;
    case fcpFlatButtonColor: value = ColorValue(flatButtonColor_); break;
    case fcpFlatButtons: value = BoolValue(flatButtons_); break;
    case fcpFrameColor: value = ColorValue(frameColor_); break;
    case fcpFrameHotColor: value = ColorValue(frameHotColor_); break;
    case fcpFrameHotTrack: value = BoolValue(frameHotTrack_); break;
    case fcpFrameHotStyle: value = IdentValue(FrameStyleExInfo().Names[frameHotStyle_]); break;
    case fcpFrameSides: value = SidesValue(frameSides_); break;
    case fcpFrameStyle: value = IdentValue(FrameStyleExInfo().Names[frameStyle_]); break;
    case fcpFrameVisible: value = BoolValue(frameVisible_); break;
    default: value = IdentValue(FramingPreferenceInfo().Names[framingPreference_]); break;
  }
  TSettingContext context(*control);
  info->Apply(*control, value, context);
}

void TRzFrameController::Assign(const TRzFrameController& source) {
  BeginUpdate();
  SetColor(source.color_);
  SetParentColor(source.parentColor_);
  SetFlatButtonColor(source.flatButtonColor_);
  SetFlatButtons(source.flatButtons_);
  SetDisabledColor(source.disabledColor_);
  SetReadOnlyColor(source.readOnlyColor_);
  SetReadOnlyColorOnFocus(source.readOnlyColorOnFocus_);
  SetFocusColor(source.focusColor_);
  SetFrameColor(source.frameColor_);
  SetFrameHotColor(source.frameHotColor_);
  SetFrameHotTrack(source.frameHotTrack_);
  SetFrameHotStyle(source.frameHotStyle_);
  SetFrameSides(source.frameSides_);
  SetFrameStyle(source.frameStyle_);
  SetFrameVisible(source.frameVisible_);
  SetFramingPreference(source.framingPreference_);
  EndUpdate();
  UpdateControls(fcpAll);
}

void TRzFrameController::Loaded() {
  TComponent::Loaded();
  UpdateControls(fcpAll);
}

void TRzFrameController::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == regIniFile_) regIniFile_ = nullptr;
  auto it = std::find(controls_.begin(), controls_.end(), component);
  if (it != controls_.end()) controls_.erase(it);
}

}  // namespace tmv
