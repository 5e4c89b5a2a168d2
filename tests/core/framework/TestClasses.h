#pragma once
// Small component classes that publish one property of every kind, shared by the component,
// class-information and form-reader tests.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Exceptions.h"

namespace tmv::test {

// What happened, in order: "loaded Name", "destroyed Name", "notified Name of Other".
inline std::vector<std::string>& Events() {
  static std::vector<std::string> events;
  return events;
}

enum TTestAlign { taNone, taTop, taClient };
inline const TEnumInfo kTestAlignInfo{"TTestAlign", {"taNone", "taTop", "taClient"}};
enum TTestFontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4 };
inline const TEnumInfo kTestFontStyleInfo{"TTestFontStyles", {"fsBold", "fsItalic", "fsUnderline"}};

class TTestFont : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TTestFont", &TPersistent::StaticClassInfo(), nullptr,
                                 {prop::String<&TTestFont::SetName>("Name"),
                                  prop::Integer<&TTestFont::SetHeight>("Height"),
                                  prop::Set<&TTestFont::SetStyle>("Style", kTestFontStyleInfo)});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SetName(const std::string& name) { Name = name; }
  void SetHeight(int height) { Height = height; }
  void SetStyle(uint32_t style) { Style = style; }

  std::string Name = "Default";
  int Height = 0;
  uint32_t Style = 0;
};

class TTestControl : public TComponent {
public:
  explicit TTestControl(TComponent* owner) : TComponent(owner) {}
  ~TTestControl() override { Events().push_back("destroyed " + Name()); }

  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info(
        "TTestControl", &TComponent::StaticClassInfo(), &CreateComponent<TTestControl>,
        {prop::Integer<&TTestControl::SetLeft>("Left"),
         prop::Integer<&TTestControl::SetTag>("Tag"),
         prop::String<&TTestControl::SetCaption>("Caption"),
         prop::Boolean<&TTestControl::SetVisible>("Visible", true),
         prop::Color<&TTestControl::SetColor>("Color", "clBtnFace"),
         prop::Enum<&TTestControl::SetAlign>("Align", kTestAlignInfo),
         prop::StringList<&TTestControl::SetItems>("Items"),
         prop::Binary<&TTestControl::SetData>("Data"),
         prop::Object<&TTestControl::GetFont>("Font"),
         prop::Event<&TTestControl::SetOnClick>("OnClick"),
         prop::Reference<&TTestControl::SetBuddy>("Buddy"),
         prop::Obsolete("OldBorder")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void SetLeft(int16_t left) {
    Left = left;
    LoadingWhenSet = IsLoading();
  }
  void SetTag(int tag) { Tag = tag; }
  void SetCaption(const std::string& caption) { Caption = caption; }
  void SetVisible(bool visible) { Visible = visible; }
  void SetColor(TColor color) { Color = color; }
  void SetAlign(TTestAlign align) { Align = align; }
  void SetItems(const std::vector<std::string>& items) { Items = items; }
  void SetData(const std::vector<uint8_t>& data) { Data = data; }
  TTestFont* GetFont() { return &Font; }
  void SetOnClick(TNotifyEvent event) { OnClick = event; }
  void SetBuddy(TTestControl* buddy) {
    Buddy = buddy;
    if (buddy) buddy->FreeNotification(this);
  }
  void SetParentComponent(TComponent* parent) override {
    Parent = parent;
    ParentSetBeforeProperties = Left == 0 && Caption.empty();
  }
  void Loaded() override {
    TComponent::Loaded();
    Events().push_back("loaded " + Name());
  }
  void Click() { OnClick(this); }

  int16_t Left = 0;
  int Tag = 0;
  std::string Caption;
  bool Visible = true;
  TColor Color = clBtnFace;
  TTestAlign Align = taNone;
  std::vector<std::string> Items;
  std::vector<uint8_t> Data;
  TTestFont Font;
  TNotifyEvent OnClick;
  TTestControl* Buddy = nullptr;
  TComponent* Parent = nullptr;
  bool LoadingWhenSet = false;
  bool ParentSetBeforeProperties = false;

protected:
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove) {
      Events().push_back("notified " + Name() + " of " + component->Name());
      if (component == Buddy) Buddy = nullptr;
    }
  }
};

class TTestPanel : public TTestControl {
public:
  using TTestControl::TTestControl;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TTestPanel", &TTestControl::StaticClassInfo(),
                                 &CreateComponent<TTestPanel>,
                                 {prop::Integer<&TTestPanel::SetBevelWidth>("BevelWidth", 1)});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SetBevelWidth(int width) { BevelWidth = width; }
  int BevelWidth = 1;
};

// Has a factory but is not a TTestControl: for fields and references of the wrong class.
class TTestTimer : public TComponent {
public:
  using TComponent::TComponent;
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TTestTimer", &TComponent::StaticClassInfo(),
                                 &CreateComponent<TTestTimer>,
                                 {prop::Integer<&TTestTimer::SetInterval>("Interval", 1000)});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void SetInterval(int interval) {
    if (interval < 0) throw EInvalidOperation("Interval must not be negative");
    Interval = interval;
  }
  int Interval = 1000;
};

class TTestForm : public TTestControl {
public:
  explicit TTestForm(TComponent* owner = nullptr) : TTestControl(owner) {}
  ~TTestForm() override { DestroyComponents(); }

  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TTestForm", &TTestControl::StaticClassInfo(), nullptr, {},
                                 {Method<&TTestForm::ButtonClick>("ButtonClick"),
                                  Method<&TTestForm::PanelResize>("PanelResize")},
                                 {Field<&TTestForm::Button1>("Button1"),
                                  Field<&TTestForm::Panel1>("Panel1")});
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  void ButtonClick(TObject* sender) { ClickedBy.push_back(sender); }
  void ButtonDblClick(TObject* sender) {}
  void PanelResize(int width, int height) {}

  TTestControl* Button1 = nullptr;
  TTestPanel* Panel1 = nullptr;
  std::vector<TObject*> ClickedBy;
};

inline void RegisterTestClasses() {
  RegisterClasses({&TTestControl::StaticClassInfo(), &TTestPanel::StaticClassInfo(),
                   &TTestTimer::StaticClassInfo()});
}

}  // namespace tmv::test
