#include <gtest/gtest.h>

#include "TestClasses.h"
#include "framework/core/Exceptions.h"
#include "framework/core/FormReader.h"

namespace tmv {
namespace {

using namespace test;
using Lines = std::vector<std::string>;

class FormReaderTest : public ::testing::Test {
protected:
  void SetUp() override {
    RegisterTestClasses();
    Events().clear();
  }

  // Reads text that must fail; checks that nothing of it stays behind.
  template <class E>
  std::string ErrorOf(const std::string& text) {
    std::string message = "no error";
    try {
      ReadComponentText(form, text);
    } catch (const E& e) {
      message = e.what();
    } catch (const std::exception& e) {
      message = std::string("wrong exception type: ") + e.what();
    }
    EXPECT_EQ(form.ComponentCount(), 0) << text;
    EXPECT_EQ(form.Button1, nullptr);
    EXPECT_EQ(form.Panel1, nullptr);
    EXPECT_FALSE(form.IsLoading());
    return message;
  }

  TTestControl* Child(const char* name) { return dynamic_cast<TTestControl*>(form.FindComponent(name)); }

  TTestForm form;
};

TEST_F(FormReaderTest, ReadsEveryKindOfValue) {
  ReadComponentText(form,
                    "object MainForm: TTestForm\r\n"
                    "  Left = -11\n"
                    "  Tag = $7FFFFFFF\n"
                    "  Caption = \"TalvexMorvane V2.5(文件图标提取器)\"\n"
                    "  object Button1: TTestControl\n"
                    "    Caption = \"say \"\"hi\"\"\" #13#10 \"next\" #$41\n"
                    "    Visible = False\n"
                    "    Color = clInfoBk\n"
                    "    Align = taClient\n"
                    "    Items = (\"图标\", \"图片\" #33,\n"
                    "             \"\")\n"
                    "    Data = { 424D 00\n"
                    "             ff7F }\n"
                    "  end\n"
                    "  object Other: TTestControl\n"
                    "    Color = 255\n"
                    "    Items = ()\n"
                    "    Data = {}\n"
                    "  end\n"
                    "end\n");
  EXPECT_EQ(form.Name(), "MainForm");
  EXPECT_EQ(form.Left, -11);
  EXPECT_EQ(form.Tag, 0x7FFFFFFF);
  EXPECT_EQ(form.Caption, "TalvexMorvane V2.5(文件图标提取器)");
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Caption, "say \"hi\"\r\nnextA");
  EXPECT_FALSE(form.Button1->Visible);
  EXPECT_EQ(form.Button1->Color, clInfoBk);
  EXPECT_EQ(form.Button1->Align, taClient);
  EXPECT_EQ(form.Button1->Items, (Lines{"图标", "图片!", ""}));
  EXPECT_EQ(form.Button1->Data, (std::vector<uint8_t>{0x42, 0x4D, 0x00, 0xFF, 0x7F}));
  TTestControl* other = Child("Other");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(other->Color, clRed);
  EXPECT_TRUE(other->Items.empty());
  EXPECT_TRUE(other->Data.empty());
}

TEST_F(FormReaderTest, BackslashIsAnOrdinaryByteInStrings) {
  // 0x81 0x5C is one GBK character whose trail byte is a backslash.
  ReadComponentText(form, "object F: TTestForm Caption = \"\x81\x5C\" Tag = 1 end");
  EXPECT_EQ(form.Caption, "\x81\x5C");
  EXPECT_EQ(form.Tag, 1);
}

TEST_F(FormReaderTest, DottedNamesSetSubObjectProperties) {
  ReadComponentText(form,
                    "object F: TTestForm\n"
                    "  Font.Name = \"Arial\"\n"
                    "  font.HEIGHT = -11\n"
                    "  Font.Style = [fsBold, fsItalic]\n"
                    "  object Panel1: TTestPanel\n"
                    "    Font.Style = []\n"
                    "    BevelWidth = 3\n"
                    "  end\n"
                    "end");
  EXPECT_EQ(form.Font.Name, "Arial");
  EXPECT_EQ(form.Font.Height, -11);
  EXPECT_EQ(form.Font.Style, fsBold | fsItalic);
  ASSERT_NE(form.Panel1, nullptr);
  EXPECT_EQ(form.Panel1->Font.Style, 0u);
  EXPECT_EQ(form.Panel1->BevelWidth, 3);
}

TEST_F(FormReaderTest, ReferencesResolveAfterTheWholeTextIncludingForwardOnes) {
  ReadComponentText(form,
                    "object F: TTestForm\n"
                    "  Buddy = panel1\n"
                    "  object Button1: TTestControl\n"
                    "    Buddy = F\n"
                    "  end\n"
                    "  object Panel1: TTestPanel\n"
                    "    Buddy = nil\n"
                    "  end\n"
                    "end");
  EXPECT_EQ(form.Buddy, form.Panel1);
  EXPECT_EQ(form.Button1->Buddy, &form);
  EXPECT_EQ(form.Panel1->Buddy, nullptr);
}

TEST_F(FormReaderTest, EventsBindToTheRootsMethods) {
  ReadComponentText(form,
                    "object F: TTestForm\n"
                    "  OnClick = ButtonClick\n"
                    "  object Button1: TTestControl\n"
                    "    OnClick = ButtonClick\n"
                    "  end\n"
                    "end");
  form.Button1->Click();
  form.Click();
  EXPECT_EQ(form.ClickedBy, (std::vector<TObject*>{form.Button1, &form}));
}

TEST_F(FormReaderTest, ComponentsAreOwnedParentedLoadingAndLoadedInOrder) {
  ReadComponentText(form,
                    "object F: TTestForm\n"
                    "  object Panel1: TTestPanel\n"
                    "    Left = 5\n"
                    "    object Button1: TTestControl\n"
                    "      Left = 7\n"
                    "      Caption = \"x\"\n"
                    "    end\n"
                    "    object Loose: TTestTimer\n"
                    "    end\n"
                    "  end\n"
                    "  object Second: TTestControl\n"
                    "  end\n"
                    "end");
  ASSERT_EQ(form.ComponentCount(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(form.Components(i)->Owner(), &form);
    EXPECT_FALSE(form.Components(i)->IsLoading());
  }
  EXPECT_FALSE(form.IsLoading());
  EXPECT_EQ(form.Panel1->Parent, &form);
  EXPECT_EQ(form.Button1->Parent, form.Panel1);
  EXPECT_EQ(Child("Second")->Parent, &form);
  EXPECT_TRUE(form.Button1->ParentSetBeforeProperties);
  EXPECT_TRUE(form.Button1->LoadingWhenSet);
  EXPECT_EQ(Events(), (Lines{"loaded Panel1", "loaded Button1", "loaded Second", "loaded F"}));
}

TEST_F(FormReaderTest, ReadsFromAStream) {
  const std::string text = "object F: TTestForm Tag = 3 end";
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), static_cast<int32_t>(text.size()));
  stream.SetPosition(0);
  ReadComponent(form, stream);
  EXPECT_EQ(form.Tag, 3);
}

TEST_F(FormReaderTest, StructureErrorsNameTheLine) {
  EXPECT_EQ(ErrorOf<EClassNotFound>("object F: TTestForm\n  object A: TFoo\n  end\nend"),
            "Line 2: class TFoo not found");
  EXPECT_EQ(ErrorOf<EClassNotFound>("object F: TTestForm\n object B: TTestForm\n end\nend"),
            "Line 2: class TTestForm not found");  // registered classes only
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestPanel\nend"),
            "Line 1: the text describes a TTestPanel, not a TTestForm");
  EXPECT_EQ(ErrorOf<EReadError>(""), "Line 1: object expected, found the end of the text");
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n  object A: TTestControl\n    Left = 1\n"),
            "Line 4: end expected for object A");
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\nend\nend"),
            "Line 3: unexpected end after the root object");
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n object A: TTestControl end\n"
                                " object a: TTestControl end\nend"),
            "Line 3: A component named a already exists");
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n object Button1: TTestTimer end\nend"),
            "Line 2: field Button1 of TTestForm cannot hold a TTestTimer");
  EXPECT_EQ(ErrorOf<EReadError>("object F TTestForm end"), "Line 1: ':' expected, found TTestForm");
  std::string deep = "object F: TTestForm\n";
  for (int i = 0; i < 100; ++i) deep += "object C" + std::to_string(i) + ": TTestControl\n";
  EXPECT_EQ(ErrorOf<EReadError>(deep), "Line 65: objects nested too deeply");
}

TEST_F(FormReaderTest, PropertyErrorsNameThePropertyAndTheLine) {
  const std::string head = "object F: TTestForm\n object Button1: TTestControl\n";
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Bar = 1\n end\nend"),
            "Line 3: property Bar does not exist in TTestControl");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Font.Bar = 1\n end\nend"),
            "Line 3: property Font.Bar does not exist in TTestControl");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Left.X = 1\n end\nend"),
            "Line 3: property Left of TTestControl has no properties");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Font = 1\n end\nend"),
            "Line 3: property Font is an object: set its properties as Font.Name");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Left = \"wide\"\n end\nend"),
            "Line 3: invalid value for property Left: expected an integer");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  Left = 40000\n end\nend"),
            "Line 3: value 40000 for property Left is out of range (-32768 to 32767)");
  EXPECT_EQ(ErrorOf<EPropertyError>(head + "  OnClick = Nowhere\n end\nend"),
            "Line 3: method Nowhere for OnClick is not published by TTestForm");
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n object T: TTestTimer\n  Interval = -1\n end\nend"),
            "Line 3: property Interval: Interval must not be negative");
}

TEST_F(FormReaderTest, ObsoletePropertiesAreSkippedButUnknownOnesStillFail) {
  EXPECT_EQ(ErrorOf<EPropertyError>("object MainForm: TTestForm\n"
                                    "  object Panel1: TTestPanel\n"
                                    "    OldBorders = 1\n"
                                    "  end\n"
                                    "end\n"),
            "Line 3: property OldBorders does not exist in TTestPanel");
  EXPECT_EQ(ErrorOf<EPropertyError>("object MainForm: TTestForm\n"
                                    "  OldBorder.Width = 1\n"
                                    "end\n"),
            "Line 2: property OldBorder of TTestForm has no properties");
  // The skipped value must still be well formed.
  EXPECT_EQ(ErrorOf<EReadError>("object MainForm: TTestForm\n"
                                "  OldBorder = [sdLeft sdTop]\n"
                                "end\n"),
            "Line 2: ']' expected, found sdTop");

  ReadComponentText(form,
                    "object MainForm: TTestForm\n"
                    "  oldborder = [sdLeft, sdTop]\n"
                    "  object Panel1: TTestPanel\n"
                    "    OldBorder = \"any\" #13\n"
                    "    BevelWidth = 3\n"
                    "    OldBorder = { 00FF }\n"
                    "    Tag = 8\n"
                    "  end\n"
                    "end\n");
  ASSERT_NE(form.Panel1, nullptr);
  EXPECT_EQ(form.Panel1->BevelWidth, 3);
  EXPECT_EQ(form.Panel1->Tag, 8);
}

TEST_F(FormReaderTest, MalformedValues) {
  const std::string head = "object F: TTestForm\n  ";
  EXPECT_EQ(ErrorOf<EReadError>(head + "Caption = \"open\nend"), "Line 2: unterminated string");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Caption = \"open"), "Line 2: unterminated string");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Left = 12px\nend"), "Line 2: invalid number");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Left = -\nend"), "Line 2: invalid number");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Left = 99999999999999999999\nend"), "Line 2: number too large");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Caption = #256\nend"), "Line 2: character code 256 is not a byte");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Data = { 4 }\nend"),
            "Line 2: binary data has an odd number of hexadecimal digits");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Data = { 4G }\nend"), "Line 2: invalid character in binary data");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Data = { 41\n42\nend"), "Line 4: invalid character in binary data");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Data = { 41\n42\n"), "Line 2: unterminated binary data");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Data = @include \"x.bin\"\nend"), "Line 2: unexpected character '@'");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Font.Style = [fsBold,]\nend"),
            "Line 2: set element expected, found ']'");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Items = (\"a\" \"b\", 1)\nend"),
            "Line 2: string expected, found a number");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Left =\nend"), "Line 3: value expected, found end");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Left 5\nend"), "Line 2: '=' expected, found a number");
  EXPECT_EQ(ErrorOf<EReadError>(head + "Caption = \"\x81\"\xFF\nend"), "Line 2: unexpected byte $FF");
}

TEST_F(FormReaderTest, AMissingReferenceFreesEverythingAndSetsNoReference) {
  TTestControl outsider(nullptr);
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n"
                                "  object Button1: TTestControl\n"
                                "    Buddy = Panel1\n"
                                "  end\n"
                                "  object Panel1: TTestPanel\n"
                                "    Buddy = spSkinData9\n"
                                "  end\n"
                                "end\n"),
            "Line 6: component spSkinData9 for property Buddy not found");
  Lines destroyed;
  for (const std::string& e : Events())
    if (e.rfind("destroyed", 0) == 0) destroyed.push_back(e);
  EXPECT_EQ(destroyed, (Lines{"destroyed Panel1", "destroyed Button1"}));
  EXPECT_EQ(ErrorOf<EReadError>("object F: TTestForm\n Buddy = T\n object T: TTestTimer end\nend"),
            "Line 2: component T for property Buddy is a TTestTimer, which it cannot hold");
}

TEST_F(FormReaderTest, TheRootCanBeReadAgainAfterAFailure) {
  ErrorOf<EReadError>("object F: TTestForm\n object Button1: TTestControl end\n Left = x\nend");
  ReadComponentText(form, "object F: TTestForm\n object Button1: TTestControl Left = 2 end\nend");
  ASSERT_NE(form.Button1, nullptr);
  EXPECT_EQ(form.Button1->Left, 2);
}

}  // namespace
}  // namespace tmv
