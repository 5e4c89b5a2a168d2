#include <gtest/gtest.h>

#include <optional>
#include <string_view>

#include "framework/core/Exceptions.h"
#include "framework/core/IniFiles.h"

namespace tmv {
namespace {

using Lines = std::vector<std::string>;

TMemIniFile IniOf(const std::string& text) {
  TStringList lines;
  lines.SetText(text);
  return TMemIniFile(lines);
}

TEST(MemIniFile, LinesAreTrimmedCommentsAndOrphansIgnored) {
  TMemIniFile ini = IniOf(
      "orphan=1\r\n"
      "  [ Button ]  \r\n"
      "\t; comment=1\r\n"
      " skinrect = 1, 2 ,3,4 \t\r\n"
      "caption==a=b\r\n"
      "no equals sign here\r\n"
      "  =empty key\r\n"
      "[Other]\r\n"
      "x=\r\n");
  EXPECT_FALSE(ini.ValueExists("", "orphan"));
  EXPECT_TRUE(ini.SectionExists("Button"));
  EXPECT_FALSE(ini.ValueExists("Button", "; comment"));
  EXPECT_EQ(ini.ReadString("Button", "skinrect", "?"), "1, 2 ,3,4");
  EXPECT_EQ(ini.ReadString("button", "caption", "?"), "=a=b");
  EXPECT_FALSE(ini.ValueExists("Button", "no equals sign here"));
  EXPECT_EQ(ini.ReadString("Button", "", "?"), "empty key");
  EXPECT_TRUE(ini.ValueExists("Other", "x"));
  EXPECT_EQ(ini.ReadString("Other", "x", "default"), "");  // present but empty
  TStringList keys;
  ini.ReadSection("BUTTON", keys);
  EXPECT_EQ(keys.ToVector(), (Lines{"skinrect", "caption", ""}));
  ini.ReadSectionValues("Button", keys);
  EXPECT_EQ(keys.ToVector(), (Lines{"skinrect=1, 2 ,3,4", "caption==a=b", "=empty key"}));
}

TEST(MemIniFile, SectionAndKeyCaseMatrix) {
  TMemIniFile ini = IniOf("[FormInfo]\nButtonsRect=5\n[中文Ab]\nKey中=7\n");
  for (const char* section : {"FormInfo", "FORMINFO", "forminfo", "fORMiNFO"})
    for (const char* key : {"ButtonsRect", "BUTTONSRECT", "buttonsrect"}) {
      EXPECT_TRUE(ini.ValueExists(section, key)) << section << "/" << key;
      EXPECT_EQ(ini.ReadInteger(section, key, -1), 5) << section << "/" << key;
    }
  EXPECT_EQ(ini.ReadInteger("中文aB", "KEY中", -1), 7);
  EXPECT_FALSE(ini.SectionExists("Form Info"));
  EXPECT_EQ(ini.ReadInteger("FormInfo", "ButtonsRec", -1), -1);
  EXPECT_EQ(ini.ReadInteger("Missing", "ButtonsRect", -1), -1);
}

TEST(MemIniFile, TheFirstSectionAndKeyOfANameWin) {
  TMemIniFile ini = IniOf("[A]\nk=1\nK=2\n[B]\nk=3\n[a]\nk=4\nonly=5\n");
  EXPECT_EQ(ini.ReadInteger("A", "k", 0), 1);
  EXPECT_FALSE(ini.ValueExists("A", "only"));
  TStringList names;
  ini.ReadSections(names);
  EXPECT_EQ(names.ToVector(), (Lines{"A", "B"}));
}

TEST(MemIniFile, NumbersAndFlags) {
  TMemIniFile ini = IniOf("[S]\nneg=-12\nhex=$1F\nhex2=0x10\nbad=12px\nempty=\none=1\nzero=0\ntwo=2\n");
  EXPECT_EQ(ini.ReadInteger("S", "neg", 0), -12);
  EXPECT_EQ(ini.ReadInteger("S", "hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("S", "hex2", 0), 16);
  EXPECT_EQ(ini.ReadInteger("S", "bad", 99), 99);
  EXPECT_EQ(ini.ReadInteger("S", "empty", 99), 99);
  EXPECT_TRUE(ini.ReadBool("S", "one", false));
  EXPECT_TRUE(ini.ReadBool("S", "two", false));
  EXPECT_FALSE(ini.ReadBool("S", "zero", true));
  EXPECT_TRUE(ini.ReadBool("S", "bad", true));
  EXPECT_FALSE(ini.ReadBool("S", "missing", false));
}

TEST(MemIniFile, WritesReplaceInPlaceAndRoundTrip) {
  TMemIniFile ini = IniOf("[Btn]\nskinrect=0,0,1,1\nloose line\n[Other]\nv=1\n");
  ini.WriteString("btn", "SKINRECT", "1,2,3,4");
  ini.WriteInteger("Btn", "fontheight", -11);
  ini.WriteBool("New", "stretch", true);
  ini.DeleteKey("Other", "v");
  TStringList lines;
  ini.GetStrings(lines);
  EXPECT_EQ(lines.ToVector(), (Lines{"[Btn]", "skinrect=1,2,3,4", "loose line", "fontheight=-11", "",
                                     "[Other]", "", "[New]", "stretch=1"}));
  TMemoryStream stream;
  ini.SaveToStream(stream);
  stream.SetPosition(0);
  TStringList back;
  back.LoadFromStream(stream);
  TMemIniFile again(back);
  EXPECT_EQ(again.ReadString("BTN", "skinrect", ""), "1,2,3,4");
  EXPECT_EQ(again.ReadInteger("btn", "FontHeight", 0), -11);
  EXPECT_TRUE(again.ReadBool("new", "stretch", false));
}

TEST(MemIniFile, DeletingAKeyLeavesTheLaterKeysAndDuplicatesFound) {
  TMemIniFile ini = IniOf("[S]\nk=1\nloose\nK=2\nafter=3\n");
  ini.DeleteKey("s", "K");
  EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
  EXPECT_EQ(ini.ReadInteger("S", "after", 0), 3);
  EXPECT_FALSE(ini.ValueExists("S", "loose"));
  ini.DeleteKey("S", "k");
  EXPECT_FALSE(ini.ValueExists("S", "k"));
  ini.WriteInteger("S", "after", 4);
  ini.WriteInteger("S", "k", 5);
  TStringList lines;
  ini.GetStrings(lines);
  EXPECT_EQ(lines.ToVector(), (Lines{"[S]", "loose", "after=4", "k=5"}));
}

TEST(MemIniFile, EraseSectionRemovesEveryOccurrence) {
  TMemIniFile ini = IniOf("[A]\nk=1\n[B]\nk=2\n[a]\nk=3\n");
  ini.EraseSection("A");
  EXPECT_FALSE(ini.SectionExists("a"));
  EXPECT_EQ(ini.ReadInteger("B", "k", 0), 2);
  ini.WriteInteger("A", "k", 9);
  EXPECT_EQ(ini.ReadInteger("a", "k", 0), 9);
  TStringList names;
  ini.ReadSections(names);
  EXPECT_EQ(names.ToVector(), (Lines{"B", "A"}));
}

TEST(MemIniFile, TextIsReadAsItsLinesWouldBe) {
  const std::string text = "[A]\r\nk=1\rloose\n\n  [b]\r\n\r\nK = 2\n[a]\nk=3\nlast=4";
  TMemIniFile fromText;
  fromText.SetText(text);
  TStringList fromTextLines, fromListLines;
  fromText.GetStrings(fromTextLines);
  IniOf(text).GetStrings(fromListLines);
  EXPECT_EQ(fromTextLines.ToVector(), fromListLines.ToVector());
  EXPECT_EQ(fromTextLines.ToVector(), (Lines{"[A]", "k=1", "loose", "", "[b]", "K=2", "", "[a]", "k=3", "last=4"}));
  EXPECT_EQ(fromText.ReadInteger("a", "k", 0), 1);
}

TEST(MemIniFile, KeysWrittenBetweenReadsAreAllFoundFirstOccurrenceFirst) {
  TMemIniFile ini;
  for (int i = 0; i < 300; ++i) {
    ini.WriteInteger("S" + IntToStr(i % 7), "key" + IntToStr(i), i);
    ASSERT_EQ(ini.ReadInteger("s" + IntToStr(i % 7), "KEY" + IntToStr(i), -1), i);
  }
  for (int i = 0; i < 300; ++i) EXPECT_EQ(ini.ReadInteger("S" + IntToStr(i % 7), "Key" + IntToStr(i), -1), i);
  ini.SetText("[S]\nk=1\nK=2\nk=3\n[s]\nk=4\n");
  EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
  ini.DeleteKey("S", "k");
  EXPECT_EQ(ini.ReadInteger("S", "k", 0), 2);
}

TEST(MemIniFile, RewrittenValuesCopiesAndMovesKeepEveryValueWhole) {
  TMemIniFile ini;
  ini.SetText("[S]\na=12345\nb=xyz\n[T]\nc=1\n");
  ini.WriteString("S", "a", "99");  // shorter: takes the old value's place
  EXPECT_EQ(ini.ReadString("S", "a", "?"), "99");
  EXPECT_EQ(ini.ReadString("S", "b", "?"), "xyz");
  ini.WriteString("S", "a", "1234567890");  // longer than any value before
  ini.WriteString("S", "b", "");
  ini.WriteString("S", "a", "abc");
  EXPECT_EQ(ini.ReadString("S", "a", "?"), "abc");
  EXPECT_EQ(ini.FindValue("S", "b"), std::optional<std::string_view>(""));
  EXPECT_EQ(ini.FindValue("S", "missing"), std::nullopt);
  EXPECT_EQ(ini.ReadString("T", "c", "?"), "1");

  TMemIniFile copy = ini;
  ini.WriteString("S", "a", "x");
  ini.WriteString("New", "k", "v");
  TMemIniFile moved = std::move(ini);
  ini.Clear();
  ini.SetText("[S]\na=other\n");
  EXPECT_EQ(copy.ReadString("S", "a", "?"), "abc");
  EXPECT_FALSE(copy.SectionExists("New"));
  EXPECT_EQ(moved.ReadString("S", "a", "?"), "x");
  EXPECT_EQ(moved.ReadString("new", "K", "?"), "v");
  TStringList lines;
  moved.GetStrings(lines);
  EXPECT_EQ(lines.ToVector(), (Lines{"[S]", "a=x", "b=", "", "[T]", "c=1", "", "[New]", "k=v"}));
}

TEST(MemIniFile, ASectionIsFoundByItsFirstOccurrenceAfterAnEarlierOneIsErased) {
  TMemIniFile ini = IniOf("[X]\nk=0\n[A]\nk=1\n[a]\nk=2\n[B]\nk=3\n");
  EXPECT_EQ(ini.ReadInteger("A", "k", -1), 1);
  ini.EraseSection("X");  // [A] and [a] move up a place
  EXPECT_EQ(ini.ReadInteger("A", "k", -1), 1);
  EXPECT_EQ(ini.ReadInteger("b", "k", -1), 3);
  ini.EraseSection("a");
  EXPECT_EQ(ini.ReadInteger("A", "k", -1), -1);
  EXPECT_EQ(ini.ReadInteger("B", "k", -1), 3);
  EXPECT_EQ(ini.SectionKeys("B"), (std::vector<std::string_view>{"k"}));
}

TEST(MemIniFile, AMissingFileIsAnOpenError) {
  EXPECT_THROW(TMemIniFile(std::string(TM_BUILD_DIR) + "/missing/skin.ini"), EFOpenError);
}

}  // namespace
}  // namespace tmv
