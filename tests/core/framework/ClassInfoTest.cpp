#include <gtest/gtest.h>

#include "TestClasses.h"
#include "framework/core/Exceptions.h"

namespace tmv {
namespace {

using namespace test;

// Applies single values as the form reader would, keeping the fixups it is handed.
class TApplyContext : public TReadContext {
public:
  explicit TApplyContext(TComponent& root) : root_(root) {}
  TComponent& Root() override { return root_; }
  void AddFixup(const std::string& name, const std::string& what,
                std::function<bool(TComponent*)> assign, int line) override {
    Fixups.push_back({name, what, std::move(assign)});
  }
  struct Fixup {
    std::string Name, What;
    std::function<bool(TComponent*)> Assign;
  };
  std::vector<Fixup> Fixups;

private:
  TComponent& root_;
};

TPropValue Int(int64_t v) {
  TPropValue p;
  p.kind = TPropValue::vkInteger;
  p.Int = v;
  p.Line = 7;
  return p;
}
TPropValue Ident(const std::string& s) {
  TPropValue p;
  p.kind = TPropValue::vkIdent;
  p.Str = s;
  p.Line = 7;
  return p;
}
TPropValue SetOfItems(std::vector<std::string> items) {
  TPropValue p;
  p.kind = TPropValue::vkSet;
  p.Items = std::move(items);
  p.Line = 7;
  return p;
}

class ClassInfoTest : public ::testing::Test {
protected:
  void Apply(TObject& target, const char* name, const TPropValue& value) {
    const TPropInfo* p = target.ClassInfo().FindProperty(name);
    ASSERT_NE(p, nullptr) << name;
    p->Apply(target, value, ctx);
  }
  std::string ApplyError(TObject& target, const char* name, const TPropValue& value) {
    try {
      target.ClassInfo().FindProperty(name)->Apply(target, value, ctx);
    } catch (const EReadError& e) {
      return e.what();
    }
    return "no error";
  }
  TTestForm form;
  TApplyContext ctx{form};
};

TEST_F(ClassInfoTest, LookupsWalkBaseClassesIgnoringCase) {
  const TClassInfo& panel = TTestPanel::StaticClassInfo();
  EXPECT_EQ(panel.FindProperty("bevelwidth")->Name, "BevelWidth");
  EXPECT_EQ(panel.FindProperty("LEFT")->Name, "Left");
  EXPECT_EQ(panel.FindProperty("name")->Name, "Name");  // from TComponent
  EXPECT_EQ(panel.FindProperty("Bevel"), nullptr);
  EXPECT_EQ(TTestControl::StaticClassInfo().FindProperty("BevelWidth"), nullptr);
  EXPECT_EQ(TTestForm::StaticClassInfo().FindMethod("buttonclick")->Name, "ButtonClick");
  EXPECT_EQ(TTestForm::StaticClassInfo().FindField("PANEL1")->Name, "Panel1");
  EXPECT_EQ(TTestControl::StaticClassInfo().FindMethod("ButtonClick"), nullptr);
  EXPECT_TRUE(panel.InheritsFrom(TComponent::StaticClassInfo()));
  EXPECT_FALSE(TTestControl::StaticClassInfo().InheritsFrom(panel));
  TTestPanel p(nullptr);
  EXPECT_STREQ(p.ClassName(), "TTestPanel");
  EXPECT_TRUE(p.InheritsFrom(TTestControl::StaticClassInfo()));
}

TEST_F(ClassInfoTest, RegistryFindsClassesByExactName) {
  RegisterTestClasses();
  RegisterTestClasses();  // registering the same classes again is harmless
  EXPECT_EQ(FindClass("TTestPanel"), &TTestPanel::StaticClassInfo());
  EXPECT_EQ(FindClass("ttestpanel"), nullptr);
  EXPECT_EQ(FindClass("TNoSuchClass"), nullptr);
  static const TClassInfo impostor("TTestPanel", &TComponent::StaticClassInfo(), nullptr);
  EXPECT_THROW(RegisterClass(impostor), EComponentError);
  EXPECT_EQ(FindClass("TTestPanel"), &TTestPanel::StaticClassInfo());
  EXPECT_THROW(TTestForm::StaticClassInfo().CreateInstance(nullptr), EComponentError);
  std::unique_ptr<TComponent> made(FindClass("TTestTimer")->CreateInstance(nullptr));
  EXPECT_STREQ(made->ClassName(), "TTestTimer");
}

TEST_F(ClassInfoTest, ColourIdentifiers) {
  uint32_t c = 0;
  EXPECT_TRUE(IdentToColor("clBtnFace", c));
  EXPECT_EQ(c, 0xFF00000Fu);
  EXPECT_TRUE(IdentToColor("clinfobk", c));
  EXPECT_EQ(c, 0xFF000018u);
  EXPECT_TRUE(IdentToColor("clNavy", c));
  EXPECT_EQ(c, 0x800000u);
  EXPECT_TRUE(IdentToColor("clNone", c));
  EXPECT_EQ(c, 0x1FFFFFFFu);
  c = 5;
  EXPECT_FALSE(IdentToColor("clBtnFaces", c));
  EXPECT_EQ(c, 5u);
}

TEST_F(ClassInfoTest, IntegersAreRangeCheckedAgainstTheSetterType) {
  TTestControl c(nullptr);
  Apply(c, "Left", Int(-32768));
  EXPECT_EQ(c.Left, -32768);
  EXPECT_EQ(ApplyError(c, "Left", Int(32768)),
            "Line 7: value 32768 for property Left is out of range (-32768 to 32767)");
  EXPECT_EQ(c.Left, -32768);
  EXPECT_EQ(ApplyError(c, "Left", Ident("x")),
            "Line 7: invalid value for property Left: expected an integer");
}

TEST_F(ClassInfoTest, BooleansColoursAndEnumerations) {
  TTestControl c(nullptr);
  Apply(c, "Visible", Ident("false"));
  EXPECT_FALSE(c.Visible);
  Apply(c, "Visible", Ident("True"));
  EXPECT_TRUE(c.Visible);
  EXPECT_EQ(ApplyError(c, "Visible", Int(1)),
            "Line 7: invalid value for property Visible: expected True or False");

  Apply(c, "Color", Int(-16777201));  // the signed form of clBtnFace
  EXPECT_EQ(c.Color, clBtnFace);
  Apply(c, "Color", Int(0xFFFFFF));
  EXPECT_EQ(c.Color, clWhite);
  Apply(c, "Color", Ident("clInfoText"));
  EXPECT_EQ(c.Color, clInfoText);
  EXPECT_EQ(ApplyError(c, "Color", Int(0x100000000LL)),
            "Line 7: invalid value for property Color: expected a colour");
  EXPECT_EQ(ApplyError(c, "Color", Ident("clPink")),
            "Line 7: invalid value for property Color: expected a colour");

  Apply(c, "Align", Ident("taClient"));
  EXPECT_EQ(c.Align, taClient);
  EXPECT_EQ(ApplyError(c, "Align", Ident("taLeft")),
            "Line 7: invalid value for property Align: expected a value of TTestAlign");
}

TEST_F(ClassInfoTest, SetsBecomeBitMasks) {
  TTestFont font;
  Apply(font, "Style", SetOfItems({"fsUnderline", "fsBold"}));
  EXPECT_EQ(font.Style, fsBold | fsUnderline);
  Apply(font, "Style", SetOfItems({}));
  EXPECT_EQ(font.Style, 0u);
  EXPECT_EQ(ApplyError(font, "Style", SetOfItems({"fsBold", "fsHeavy"})),
            "Line 7: fsHeavy is not an element of TTestFontStyles for property Style");
  EXPECT_EQ(ApplyError(font, "Style", Ident("fsBold")),
            "Line 7: invalid value for property Style: expected a set of TTestFontStyles");
}

TEST_F(ClassInfoTest, ReferencesWaitForFixupsAndCheckTheClass) {
  TTestControl c(nullptr);
  Apply(c, "Buddy", Ident("Other"));
  ASSERT_EQ(ctx.Fixups.size(), 1u);
  EXPECT_EQ(ctx.Fixups[0].Name, "Other");
  EXPECT_EQ(ctx.Fixups[0].What, "Buddy");
  EXPECT_EQ(c.Buddy, nullptr);
  TTestTimer timer(nullptr);
  EXPECT_FALSE(ctx.Fixups[0].Assign(&timer));
  TTestPanel panel(nullptr);
  EXPECT_TRUE(ctx.Fixups[0].Assign(&panel));
  EXPECT_EQ(c.Buddy, &panel);
  Apply(c, "Buddy", Ident("nil"));
  EXPECT_EQ(c.Buddy, nullptr);
  EXPECT_EQ(ctx.Fixups.size(), 1u);
}

TEST_F(ClassInfoTest, EventsBindToPublishedMethodsOfTheRoot) {
  TTestControl c(nullptr);
  Apply(c, "OnClick", Ident("buttonCLICK"));
  c.Click();
  ASSERT_EQ(form.ClickedBy.size(), 1u);
  EXPECT_EQ(form.ClickedBy[0], &c);
  EXPECT_EQ(ApplyError(c, "OnClick", Ident("PanelResize")),
            "Line 7: method PanelResize does not match event OnClick");
  EXPECT_EQ(ApplyError(c, "OnClick", Ident("NoSuchMethod")),
            "Line 7: method NoSuchMethod for OnClick is not published by TTestForm");
}

}  // namespace
}  // namespace tmv
