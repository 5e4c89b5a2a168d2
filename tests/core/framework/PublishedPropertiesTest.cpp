#include <gtest/gtest.h>

#include "TestClasses.h"
#include "framework/core/PublishedProperties.h"

namespace tmv {
namespace {

using namespace test;

std::string ErrorOf(TObject& object, const char* name, const TPropValue& value) {
  try {
    SetPublishedProperty(object, name, value);
  } catch (const EPropertyError& e) {
    return e.what();
  }
  return "no error";
}

struct PublishedPropertiesTest : ::testing::Test {
  PublishedPropertiesTest() {
    form.SetName("MainForm");
    panel = new TTestPanel(&form);
    panel->SetName("Panel1");
    other = new TTestControl(&form);
    other->SetName("Other");
  }
  TTestForm form;
  TTestPanel* panel;
  TTestControl* other;
};

TEST_F(PublishedPropertiesTest, ValuesAreConvertedAsInAFormResource) {
  EXPECT_TRUE(SetPublishedProperty(*panel, "bevelwidth", TPropValue::Integer(4)));
  EXPECT_EQ(panel->BevelWidth, 4);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Color", TPropValue::Ident("clInfoBk")));
  EXPECT_EQ(panel->Color, clInfoBk);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Color", TPropValue::Integer(0xFF)));
  EXPECT_EQ(panel->Color, clRed);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Visible", TPropValue::Boolean(false)));
  EXPECT_FALSE(panel->Visible);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Align", TPropValue::Ident("taClient")));
  EXPECT_EQ(panel->Align, taClient);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Caption", TPropValue::String("图标")));
  EXPECT_EQ(panel->Caption, "图标");
  EXPECT_TRUE(SetPublishedProperty(panel->Font, "Style", TPropValue::Set({"fsItalic", "fsBold"})));
  EXPECT_EQ(panel->Font.Style, fsBold | fsItalic);

  EXPECT_EQ(ErrorOf(*panel, "Left", TPropValue::Integer(40000)),
            "value 40000 for property Left is out of range (-32768 to 32767)");
  EXPECT_EQ(ErrorOf(*panel, "Align", TPropValue::Ident("taLeft")),
            "invalid value for property Align: expected a value of TTestAlign");
  EXPECT_EQ(ErrorOf(panel->Font, "Style", TPropValue::Set({"fsHeavy"})),
            "fsHeavy is not an element of TTestFontStyles for property Style");
  EXPECT_EQ(panel->Left, 0);
  EXPECT_EQ(panel->Align, taClient);

  // A setter's own objection reaches the caller unchanged.
  TTestTimer timer(nullptr);
  EXPECT_THROW(SetPublishedProperty(timer, "Interval", TPropValue::Integer(-1)), EInvalidOperation);
}

TEST_F(PublishedPropertiesTest, UnpublishedNamesChangeNothing) {
  for (const char* name : {"FocusColor", "Font", "OldBorder", "Font.Height", ""}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(IsPublishedProperty(*panel, name));
    EXPECT_FALSE(SetPublishedProperty(*panel, name, TPropValue::Integer(1)));
  }
  EXPECT_TRUE(IsPublishedProperty(*panel, "BevelWidth"));
  EXPECT_FALSE(IsPublishedProperty(*other, "BevelWidth"));
  EXPECT_TRUE(IsPublishedProperty(panel->Font, "height"));
  EXPECT_EQ(panel->Font.Height, 0);
}

TEST_F(PublishedPropertiesTest, NamesOfComponentsAndMethodsAreResolvedAtOnce) {
  EXPECT_TRUE(SetPublishedProperty(*panel, "Buddy", TPropValue::Ident("Other")));
  EXPECT_EQ(panel->Buddy, other);
  EXPECT_TRUE(SetPublishedProperty(*panel, "Buddy", TPropValue::Ident("mainform")));
  EXPECT_EQ(panel->Buddy, &form);
  EXPECT_EQ(ErrorOf(*panel, "Buddy", TPropValue::Ident("Nobody")),
            "component Nobody for property Buddy not found");
  EXPECT_EQ(panel->Buddy, &form);

  EXPECT_TRUE(SetPublishedProperty(*panel, "OnClick", TPropValue::Ident("ButtonClick")));
  panel->Click();
  ASSERT_EQ(form.ClickedBy.size(), 1u);
  EXPECT_EQ(form.ClickedBy[0], panel);
  EXPECT_EQ(ErrorOf(*panel, "OnClick", TPropValue::Ident("PanelResize")),
            "method PanelResize does not match event OnClick");

  // Without an owner the component itself is where names are looked up.
  TTestControl alone(nullptr);
  alone.SetName("Alone");
  EXPECT_TRUE(SetPublishedProperty(alone, "Buddy", TPropValue::Ident("Alone")));
  EXPECT_EQ(alone.Buddy, &alone);
  EXPECT_EQ(ErrorOf(alone, "Buddy", TPropValue::Ident("Other")),
            "component Other for property Buddy not found");
}

}  // namespace
}  // namespace tmv
