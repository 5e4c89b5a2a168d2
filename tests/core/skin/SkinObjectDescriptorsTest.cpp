#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "framework/core/IniFiles.h"
#include "framework/core/TextUtils.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinObjectDescriptors.h"
#include "skin/data/SkinWindowDescriptors.h"

using namespace tmv;

namespace {

using skintest::EndsWith;
using skintest::Ini;
using skintest::KeyOf;
using skintest::OtherValue;
using skintest::SectionLines;
using skintest::ValueOf;

const char* const kAllKinds[] = {
    "menuitem", "mainmenubaritem", "mainmenuitem", "stdbutton", "mainmenubarbutton", "button",
    "caption", "trackbar", "gauge", "framegauge", "frameregulator", "label", "bitlabel",
    "switch", "animate", "userobject"};

// The documented default of a key, independent of how the descriptors are written.
std::string DocumentedDefault(const std::string& kind, const std::string& writtenKey) {
  const std::string key = LowerCase(writtenKey);
  if (EndsWith(key, "pictureindex") || key == "cursorindex" || key == "groupindex") return "-1";
  if (key == "fontname") return "宋体";
  if (key == "fontheight") return "14";
  if (key == "fontstyle" || key == "hint" || key == "textvalue") return "";
  if (key == "alignment") return "tacenter";
  if (key == "morphkind") return "mkdefault";
  if (key == "command") return "cmdefault";
  if (key == "kind") return kind == "gauge" ? "gkhorizontal" : "rkround";
  if (key == "framesplacement") return "fphorizontal";
  // A frame gauge's documented default of 0 frames is raised to the one frame an image has.
  if (key == "countframes") return "1";
  if (key == "timerinterval") return "50";
  if (key == "transparentcolor") return "16711935";
  if (EndsWith(key, "point")) return "0,0";
  if (EndsWith(key, "rect") || key == "disableskinrsect") return "0,0,0,0";
  return "0";
}

// Checks that a descriptor, section missing, writes its documented defaults, and that its
// reader (not only its constructor) falls back to each of them.
template <class Make>
void ExpectDocumentedDefaults(const std::string& kind, const std::string& section, Make make) {
  SCOPED_TRACE(kind);
  TMemIniFile filled;
  make()->WriteToDefinition(filled);
  const std::vector<std::string> defaults = SectionLines(filled, section);
  ASSERT_GE(defaults.size(), 3u);
  for (const std::string& line : defaults)
    EXPECT_EQ(DocumentedDefault(kind, KeyOf(line)), ValueOf(line)) << KeyOf(line);

  TMemIniFile other;
  for (const std::string& line : defaults)
    other.WriteString(section, KeyOf(line), OtherValue(ValueOf(line)));
  auto d = make();
  d->ReadFromDefinition(other);
  TMemIniFile changed;
  d->WriteToDefinition(changed);
  EXPECT_NE(defaults, SectionLines(changed, section));
  d->ReadFromDefinition(TMemIniFile());
  TMemIniFile again;
  d->WriteToDefinition(again);
  EXPECT_EQ(defaults, SectionLines(again, section));
}

template <class T>
std::unique_ptr<T> ReadObject(const std::string& kind, const std::string& name, const TMemIniFile& ini) {
  auto d = CreateSkinObjectData(kind, name);
  if (!d) return nullptr;
  d->ReadFromDefinition(ini);
  return std::unique_ptr<T>(dynamic_cast<T*>(d.release()));
}

TEST(SkinObjectDescriptors, EveryKindAndBothWindowsHaveTheirDocumentedDefaults) {
  for (const char* kind : kAllKinds)
    ExpectDocumentedDefaults(kind, "o", [&] { return CreateSkinObjectData(kind, "o"); });
  ExpectDocumentedDefaults("popupwindow", "POPUPWINDOW",
                           [] { return std::make_unique<TspDataSkinPopupWindow>(); });
  ExpectDocumentedDefaults("hintwindow", "HINTWINDOW",
                           [] { return std::make_unique<TspDataSkinHintWindow>(); });
}

TEST(SkinObjectDescriptors, FrameButtonsReadTheirCommandsAndImages) {
  const TMemIniFile ini = Ini({
      "[roll]", "command=cmrollup", "downrect=84,0,125,24", "disableskinrsect=1,2,3,4",
      "groupindex=2", "restorerect=28,25,55,49", "restoredownrect=84,25,111,49",
      "[tray]", "command=cmtotray", "[upper]", "command=CMCLOSE", "[none]", "hint=Close"});
  auto roll = ReadObject<TspDataSkinStdButton>("stdbutton", "roll", ini);
  EXPECT_EQ(cmRollUp, roll->Command);
  EXPECT_EQ(5, roll->Command);
  EXPECT_EQ((TRect{84, 0, 125, 24}), roll->DownRect);
  EXPECT_EQ((TRect{1, 2, 3, 4}), roll->DisableSkinRect);
  EXPECT_EQ(2, roll->GroupIndex);
  EXPECT_EQ((TRect{28, 25, 55, 49}), roll->RestoreRect);
  EXPECT_EQ((TRect{84, 25, 111, 49}), roll->RestoreDownRect);
  // Any text that is none of the keywords, letter case included, minimizes to the tray.
  EXPECT_EQ(6, ReadObject<TspDataSkinStdButton>("stdbutton", "tray", ini)->Command);
  EXPECT_EQ(cmMinimizeToTray, ReadObject<TspDataSkinStdButton>("mainmenubarbutton", "upper", ini)->Command);
  auto none = ReadObject<TspDataSkinStdButton>("stdbutton", "none", ini);
  EXPECT_EQ(cmDefault, none->Command);
  EXPECT_EQ("Close", none->Hint);

  TMemIniFile written;
  ReadObject<TspDataSkinStdButton>("stdbutton", "tray", ini)->WriteToDefinition(written);
  EXPECT_EQ(cmMinimizeToTray, ReadObject<TspDataSkinStdButton>("stdbutton", "tray", written)->Command);
}

TEST(SkinObjectDescriptors, SomeKindsNeverMorphAndAUserObjectReadsOnlyItsPlace) {
  const TMemIniFile ini = Ini({"[o]", "morphing=1", "morphkind=mkpush", "activepictureindex=2",
                               "hint=h", "rollup=1", "skinrect=1,1,9,9", "cursorindex=3",
                               "countframes=0", "timerinterval=-5", "symbolslinecount=2",
                               "symbolsline0=0123456789", "symbolsline1=:-", "textvalue=12:30"});
  EXPECT_TRUE(ReadObject<TspDataSkinObject>("switch", "o", ini)->Morphing);
  for (const char* kind : {"bitlabel", "animate", "trackbar"}) {
    auto d = ReadObject<TspDataSkinObject>(kind, "o", ini);
    EXPECT_FALSE(d->Morphing) << kind;
    EXPECT_EQ(mkPush, d->MorphKind) << kind;
  }
  auto bits = ReadObject<TspDataSkinBitLabel>("bitlabel", "o", ini);
  EXPECT_EQ(0xFF00FFu, bits->TransparentColor);
  EXPECT_EQ((std::vector<std::string>{"0123456789", ":-"}), bits->Symbols);
  EXPECT_EQ("12:30", bits->TextValue);

  auto animate = ReadObject<TspDataSkinAnimate>("animate", "o", ini);
  EXPECT_EQ(1, animate->CountFrames);
  EXPECT_EQ(-5, animate->TimerInterval);
  EXPECT_EQ(cmDefault, animate->Command);

  auto user = ReadObject<TspDataUserObject>("userobject", "o", ini);
  EXPECT_EQ(-1, user->ActivePictureIndex);
  EXPECT_TRUE(user->RollUp);
  EXPECT_EQ((TRect{1, 1, 9, 9}), user->SkinRect);
  EXPECT_EQ(3, user->CursorIndex);
  EXPECT_EQ("", user->Hint);
  EXPECT_FALSE(user->Morphing);
  TMemIniFile written;
  user->WriteToDefinition(written);
  EXPECT_EQ((std::vector<std::string>{"rollup=1", "skinrect=1,1,9,9", "cursorindex=3"}),
            SectionLines(written, "o"));
}

TEST(SkinObjectDescriptors, CaptionsLabelsGaugesAndTrackBars) {
  const TMemIniFile ini = Ini({
      "[cap]", "defaultcaption=1", "textrect=4,0,284,28", "fontstyle=fsbold", "activefontcolor=7",
      "alignment=taleftjustify", "shadow=1", "activeshadowcolor=9", "frametextrect=1,1,5,5",
      "framerightoffset=3",
      "[lab]", "FONTNAME=Tahoma", "fontheight=-11", "alignment=tarightjustify", "textvalue=a=b",
      "[gauge]", "minvalue=-10", "maxvalue=$10", "kind=gkvertical",
      "[frames]", "minvalue=1", "maxvalue=5", "countframes=5", "framesplacement=fpvertical",
      "kind=rkhorizontal",
      "[track]", "buttonrect=0,0,8,8", "beginpoint=-3,4", "endpoint=90,4", "mousedownchangevalue=1",
      "buttontransparent=1", "buttontransparentcolor=255"});
  auto cap = ReadObject<TspDataSkinCaption>("caption", "cap", ini);
  EXPECT_TRUE(cap->DefaultCaption);
  EXPECT_EQ((TRect{4, 0, 284, 28}), cap->TextRect);
  EXPECT_TRUE(cap->FontStyle.Bold);
  EXPECT_EQ(7u, cap->ActiveFontColor);
  EXPECT_EQ(TSkinAlignment::LeftJustify, cap->Alignment);
  EXPECT_TRUE(cap->Shadow);
  EXPECT_EQ(9u, cap->ActiveShadowColor);
  EXPECT_EQ((TRect{1, 1, 5, 5}), cap->FrameTextRect);
  EXPECT_EQ(3, cap->FrameRightOffset);

  auto lab = ReadObject<TspDataSkinLabel>("label", "lab", ini);
  EXPECT_EQ("Tahoma", lab->FontName);
  EXPECT_EQ(-11, lab->FontHeight);
  EXPECT_EQ(TSkinAlignment::RightJustify, lab->Alignment);
  EXPECT_EQ("a=b", lab->TextValue);
  TMemIniFile written;
  lab->WriteToDefinition(written);
  EXPECT_EQ("fontName=Tahoma", SectionLines(written, "lab").at(10)) << "the key keeps its spelling";

  auto gauge = ReadObject<TspDataSkinGauge>("gauge", "gauge", ini);
  EXPECT_EQ(-10, gauge->MinValue);
  EXPECT_EQ(16, gauge->MaxValue);
  EXPECT_EQ(TspGaugeKind::Vertical, gauge->Kind);

  auto frames = ReadObject<TspDataSkinFrameGaugeObject>("framegauge", "frames", ini);
  EXPECT_EQ(5, frames->CountFrames);
  EXPECT_EQ(TspFramesPlacement::Vertical, frames->FramesPlacement);
  EXPECT_EQ(nullptr, dynamic_cast<TspDataSkinFrameRegulatorObject*>(frames.get()));
  auto regulator = ReadObject<TspDataSkinFrameRegulatorObject>("frameregulator", "frames", ini);
  EXPECT_EQ(TspRegulatorKind::Horizontal, regulator->Kind);
  EXPECT_EQ(5, regulator->MaxValue);
  EXPECT_EQ(nullptr, dynamic_cast<TspDataSkinFrameGaugeObject*>(regulator.get()));

  auto track = ReadObject<TspDataSkinTrackBar>("trackbar", "track", ini);
  EXPECT_EQ((TRect{0, 0, 8, 8}), track->ButtonRect);
  EXPECT_EQ((TPoint{3, 4}), track->BeginPoint);
  EXPECT_EQ((TPoint{90, 4}), track->EndPoint);
  EXPECT_TRUE(track->MouseDownChangeValue && track->ButtonTransparent);
  EXPECT_EQ(255u, track->ButtonTransparentColor);
}

TEST(SkinObjectDescriptors, MenuItemsOfPopupsAndMenuBars) {
  const TMemIniFile ini = Ini({
      "[item]", "itemleftoffset=26", "itemrightoffset=4", "dividerrect=0,94,64,101",
      "dividerleftoffset=30", "dividerrightoffset=2", "textrect=14,0,60,22", "fontcolor=1",
      "activefontcolor=2", "unenabledfontcolor=3", "downfontcolor=4", "downrect=1,2,3,4"});
  auto item = ReadObject<TspDataSkinMenuItem>("menuitem", "item", ini);
  EXPECT_EQ(26, item->ItemLeftOffset);
  EXPECT_EQ(4, item->ItemRightOffset);
  EXPECT_EQ((TRect{0, 94, 64, 101}), item->DividerRect);
  EXPECT_EQ(30, item->DividerLeftOffset);
  EXPECT_EQ(2, item->DividerRightOffset);
  EXPECT_EQ((TRect{14, 0, 60, 22}), item->TextRect);
  EXPECT_EQ(3u, item->UnEnabledFontColor);

  auto bar = ReadObject<TspDataSkinMainMenuItem>("mainmenubaritem", "item", ini);
  ASSERT_NE(nullptr, dynamic_cast<TspDataSkinMainMenuBarItem*>(bar.get()));
  EXPECT_EQ(26, bar->ItemLeftOffset);
  EXPECT_EQ((TRect{1, 2, 3, 4}), bar->DownRect);
  EXPECT_EQ(2u, bar->ActiveFontColor);
  EXPECT_EQ(4u, bar->DownFontColor);
  EXPECT_EQ(3u, bar->UnEnabledFontColor);
}

TEST(SkinObjectDescriptors, TheRegistryDropsPictureIndexesItHasNoPictureFor) {
  TComponent owner(nullptr);
  auto* stored = new TspCompressedStoredSkin(&owner);
  auto* data = new TspSkinData(&owner);
  auto load = [&](const std::vector<std::string>& definition) {
    stored->SetCompressedData(skintest::Compress(skintest::PackageBytes(*skintest::MakePackage(3, definition, 2))));
    data->ApplyStoredSkin(*stored);
    ASSERT_FALSE(data->SkinEmpty()) << data->LastError();
  };
  load({"[POPUPWINDOW]", "windowpictureindex=1", "maskpictureindex=2", "[HINTWINDOW]",
        "windowpictureindex=5", "maskpictureindex=0", "[SKINOBJECTS]", "count=2",
        "0=far:menuitem", "1=near:caption", "[far]", "activepictureindex=2",
        "skinrect=0,0,900,900", "[near]", "activepictureindex=1"});
  EXPECT_EQ(1, data->PopupWindow.WindowPictureIndex);
  EXPECT_EQ(-1, data->PopupWindow.MaskPictureIndex);
  EXPECT_EQ(-1, data->HintWindow.WindowPictureIndex);
  EXPECT_EQ(0, data->HintWindow.MaskPictureIndex);
  const auto& distant = *data->ObjectList[data->FindObjectIndex("far")];
  EXPECT_EQ(-1, distant.ActivePictureIndex);
  EXPECT_EQ((TRect{0, 0, 900, 900}), distant.SkinRect) << "rectangles stay as the skin gives them";
  EXPECT_EQ(1, data->ObjectList[data->FindObjectIndex("near")]->ActivePictureIndex);

  load({"[HINTWINDOW]", "windowpictureindex=1"});
  load({"[VERSION]"});
  EXPECT_EQ(-1, data->HintWindow.WindowPictureIndex) << "a skin without the section has no hint picture";
  EXPECT_EQ(-1, data->FindObjectIndex("near"));
}

TEST(DefaultSkin, EveryObjectAndWindowSectionHoldsExactlyItsKeysAndIsWrittenBackUnchanged) {
  TStringList lines;
  lines.LoadFromFile(skintest::SourcePath("assets/skins/default/skin.ini"));
  const TMemIniFile original(lines);
  TMemIniFile rewritten(lines);

  std::vector<std::unique_ptr<TspSkinSectionDescriptor>> descriptors;
  descriptors.push_back(std::make_unique<TspDataSkinPopupWindow>());
  descriptors.push_back(std::make_unique<TspDataSkinHintWindow>());
  const int count = original.ReadInteger("SKINOBJECTS", "count", 0);
  ASSERT_EQ(12, count);
  for (int i = 0; i < count; ++i) {
    std::string name, kind;
    ASSERT_TRUE(SplitNameAndKind(original.ReadString("SKINOBJECTS", std::to_string(i), ""), name, kind));
    auto object = CreateSkinObjectData(kind, name);
    ASSERT_NE(nullptr, object) << kind;
    descriptors.push_back(std::move(object));
  }
  for (auto& d : descriptors) {
    SCOPED_TRACE(d->IDName);
    d->ReadFromDefinition(original);
    TMemIniFile fresh;
    d->WriteToDefinition(fresh);
    EXPECT_EQ(SectionLines(original, d->IDName), SectionLines(fresh, d->IDName));
    d->WriteToDefinition(rewritten);
    EXPECT_EQ(SectionLines(original, d->IDName), SectionLines(rewritten, d->IDName));
  }
}

}  // namespace
