#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/Exceptions.h"
#include "SkinTestSupport.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "skin/imaging/SkinIniValues.h"

using namespace tmv;

using skintest::Ini;

TEST(SkinIniValues, IntegersInDecimalAndBothHexadecimalForms) {
  struct Case { const char* text; int32_t expected; };
  for (Case c : {Case{"42", 42}, Case{"-7", -7}, Case{"+8", 8}, Case{"0x1F", 31}, Case{"0XfF", 255},
                 Case{"$10", 16}, Case{"$FFFFFFFF", -1}, Case{"2147483647", 2147483647},
                 Case{"-2147483648", -2147483647 - 1}}) {
    int32_t v = 0;
    EXPECT_TRUE(ParseSkinInteger(c.text, v)) << c.text;
    EXPECT_EQ(c.expected, v) << c.text;
  }
  for (const char* bad : {"", "-", "12a", "0x", "$", "$123456789", "2147483648", "1.5", "0xG"}) {
    int32_t v = 99;
    EXPECT_FALSE(ParseSkinInteger(bad, v)) << bad;
  }
  TMemIniFile ini = Ini({"[s]", "a=junk", "b=$FF"});
  EXPECT_EQ(-1, ReadSkinInteger(ini, "s", "a", -1));
  EXPECT_EQ(255, ReadSkinInteger(ini, "s", "b", -1));
  EXPECT_EQ(5, ReadSkinInteger(ini, "s", "missing", 5));
  EXPECT_EQ(0xFFFFFFFFu, ReadSkinColor(Ini({"[s]", "c=$FFFFFFFF"}), "s", "c", 0));
  EXPECT_EQ(0xFF00FFu, ReadSkinColor(ini, "s", "missing", 0xFF00FF));
}

TEST(SkinIniValues, OnlyExactlyOneIsATrueFlag) {
  TMemIniFile ini = Ini({"[s]", "a=1", "b=2", "c=-1", "d=yes", "e=$1", "f=0"});
  EXPECT_TRUE(ReadSkinFlag(ini, "s", "a"));
  EXPECT_TRUE(ReadSkinFlag(ini, "s", "e"));
  for (const char* key : {"b", "c", "d", "f", "missing"}) EXPECT_FALSE(ReadSkinFlag(ini, "s", key)) << key;
}

TEST(SkinIniValues, PointsAndRectanglesKeepOnlyTheDigitsOfEachField) {
  EXPECT_EQ((TPoint{5, 20}), ParseSkinPoint("-5,20"));
  EXPECT_EQ((TPoint{3, 4}), ParseSkinPoint(" 3 , +4px"));
  EXPECT_EQ((TPoint{1, 2}), ParseSkinPoint("1,2,3"));
  EXPECT_EQ((TRect{8, 28, 696, 284}), ParseSkinRect("8,28,696,284"));
  EXPECT_EQ((TRect{1, 2, 3, 4}), ParseSkinRect("-1,-2,-3,-4,5"));
  for (const char* bad : {"1", "", "a,b", "1,", ",2", "99999999999,1"})
    EXPECT_THROW(ParseSkinPoint(bad), EConvertError) << bad;
  EXPECT_THROW(ParseSkinRect("1,2,3"), EConvertError);

  TMemIniFile ini = Ini({"[s]", "p=-12,7", "r=0,0,10,5"});
  EXPECT_EQ((TPoint{12, 7}), ReadSkinPoint(ini, "s", "p"));
  EXPECT_EQ((TPoint{0, 0}), ReadSkinPoint(ini, "s", "missing"));
  EXPECT_TRUE(ReadSkinRect(ini, "s", "missing").IsEmpty());
  TRect r = ReadSkinRect(ini, "s", "r");
  EXPECT_EQ(10, r.Width());
  EXPECT_FALSE(r.IsEmpty());
  EXPECT_TRUE((TRect{5, 5, 5, 9}).IsEmpty());
}

TEST(SkinIniValues, FontStylesAreFoundAnywhereInTheText) {
  TSkinFontStyles both = ParseSkinFontStyles("fsboldfsitalic");
  EXPECT_TRUE(both.Bold);
  EXPECT_TRUE(both.Italic);
  EXPECT_FALSE(both.Underline);
  TSkinFontStyles two = ParseSkinFontStyles("[fsunderline; fsstrikeout]");
  EXPECT_TRUE(two.Underline && two.StrikeOut && !two.Bold);
  EXPECT_EQ(TSkinFontStyles{}, ParseSkinFontStyles("FSBOLD"));
  EXPECT_EQ(TSkinFontStyles{}, ReadSkinFontStyles(Ini({"[s]"}), "s", "fontstyle"));
  EXPECT_EQ(both, ParseSkinFontStyles(SkinFontStylesText(both)));
  EXPECT_EQ("fsbold,fsitalic", SkinFontStylesText(both));
}

TEST(SkinIniValues, KeywordsAreExactAndUnknownOnesFallBack) {
  EXPECT_EQ(TSkinAlignment::Center, ParseSkinAlignment("tacenter"));
  EXPECT_EQ(TSkinAlignment::LeftJustify, ParseSkinAlignment("taleftjustify"));
  EXPECT_EQ(TSkinAlignment::RightJustify, ParseSkinAlignment("TACENTER"));
  EXPECT_EQ(TSkinAlignment::RightJustify, ParseSkinAlignment("tarightjustify"));
  EXPECT_EQ(TSkinAlignment::Center, ReadSkinAlignment(Ini({"[s]"}), "s", "alignment"));

  EXPECT_EQ(mkPush, ParseMorphKind("mkpush"));
  EXPECT_EQ(mkLeftSlide, ParseMorphKind("mkleftslide"));
  EXPECT_EQ(mkDefault, ParseMorphKind("MKPUSH"));

  EXPECT_EQ(ieInvert, ParseImageEffect("ieinvert"));
  EXPECT_EQ(ieGrayScale, ParseImageEffect("iesepia"));
  EXPECT_EQ(ieGrayScale, ParseImageEffect("IEBRIGHTNESS"));
  EXPECT_EQ(ieBrightness, ReadImageEffect(Ini({"[s]"}), "s", "inactiveeffect"));
  for (int k = mkDefault; k <= mkPush; ++k)
    EXPECT_EQ(k, ParseMorphKind(MorphKindText(static_cast<TspMorphKind>(k))));
  for (int e = ieBrightness; e <= ieInvert; ++e)
    EXPECT_EQ(e, ParseImageEffect(ImageEffectText(static_cast<TspEffect>(e))));
}

TEST(SkinIniValues, ListsAreBoundedByTheLinesOfTheirSection) {
  TMemIniFile ini = Ini({"[s]", "activepicturescount=2147483647", "0=a.bmp", "1=b.bmp",
                         "symbolslinecount=2", "symbolsline0=0123", "symbolsline1=ABC"});
  std::vector<std::string> items = ReadSkinStringList(ini, "s", "activepictures");
  ASSERT_LE(items.size(), 7u);
  EXPECT_EQ("a.bmp", items[0]);
  EXPECT_EQ("b.bmp", items[1]);
  EXPECT_EQ((std::vector<std::string>{"0123", "ABC"}), ReadSkinLineList(ini, "s", "symbols"));
  EXPECT_TRUE(ReadSkinStringList(Ini({"[s]", "xcount=-3"}), "s", "x").empty());

  // A gap in the numbering keeps the items after it in their places.
  TMemIniFile sparse = Ini({"[p]", "activepicturescount=4", "0=a.bmp", "3=d.bmp", "[l]",
                            "symbolslinecount=5", "SymbolsLine4=EF", "symbolsline0=01"});
  EXPECT_EQ((std::vector<std::string>{"a.bmp", "", "", "d.bmp"}),
            ReadSkinStringList(sparse, "p", "activepictures"));
  EXPECT_EQ((std::vector<std::string>{"01", "", "", "", "EF"}), ReadSkinLineList(sparse, "l", "symbols"));
  EXPECT_EQ((std::vector<std::string>{"a.bmp"}),
            ReadSkinStringList(Ini({"[s]", "activepicturescount=9", "0=a.bmp", "03=c.bmp"}), "s",
                               "activepictures"))
      << "only keys written as plain numbers are items";
}

TEST(SkinIniValues, ValuesEndWhereTheirLineEnds) {
  // The reader hands out values as pieces of the definition's text, which goes on after them.
  TMemIniFile ini;
  ini.SetText("[s]\ni=12\n3=4\nr=1,2,3\n4=5\np=7\n8,9\nf=fsbold\nfsitalic=1\n");
  EXPECT_EQ(12, ReadSkinInteger(ini, "s", "i", 0));
  EXPECT_THROW(ReadSkinRect(ini, "s", "r"), EConvertError);
  EXPECT_THROW(ReadSkinPoint(ini, "s", "p"), EConvertError);
  EXPECT_EQ((TSkinFontStyles{true, false, false, false}), ReadSkinFontStyles(ini, "s", "f"));
}

TEST(SkinIniValues, NameAndKindSplitAtTheFirstColon) {
  std::string name, kind;
  ASSERT_TRUE(SplitNameAndKind("closebutton:stdbutton", name, kind));
  EXPECT_EQ("closebutton", name);
  EXPECT_EQ("stdbutton", kind);
  ASSERT_TRUE(SplitNameAndKind("area:1,2,3,4:x", name, kind));
  EXPECT_EQ("1,2,3,4:x", kind);
  EXPECT_FALSE(SplitNameAndKind("nocolon", name, kind));
}

TEST(SkinIniValues, WrittenValuesReadBackTheSame) {
  TMemIniFile ini;
  WriteSkinPoint(ini, "s", "p", TPoint{3, 9});
  WriteSkinRect(ini, "s", "r", TRect{1, 2, 30, 40});
  WriteSkinFlag(ini, "s", "f", true);
  WriteSkinInteger(ini, "s", "i", -5);
  WriteSkinStringList(ini, "s", "names", {"x", "y"});
  WriteSkinLineList(ini, "s", "symbols", {"ab"});
  EXPECT_EQ((TPoint{3, 9}), ReadSkinPoint(ini, "s", "p"));
  EXPECT_EQ((TRect{1, 2, 30, 40}), ReadSkinRect(ini, "s", "r"));
  EXPECT_EQ("1,2,30,40", ini.ReadString("s", "r", ""));
  EXPECT_TRUE(ReadSkinFlag(ini, "s", "f"));
  EXPECT_EQ(-5, ReadSkinInteger(ini, "s", "i", 0));
  EXPECT_EQ((std::vector<std::string>{"x", "y"}), ReadSkinStringList(ini, "s", "names"));
  EXPECT_EQ((std::vector<std::string>{"ab"}), ReadSkinLineList(ini, "s", "symbols"));
}
