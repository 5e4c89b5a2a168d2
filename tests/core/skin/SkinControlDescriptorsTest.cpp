#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinControlDescriptors.h"
#include "skin/data/SkinData.h"

using namespace tmv;

namespace {

const char* const kAllKinds[] = {
    "button", "menubutton", "checkradio", "panel", "expanel", "label", "stdlabel", "bitlabel",
    "gauge", "trackbar", "slider", "bevel", "splitter", "frameregulator", "framegauge",
    "animate", "switch", "grid", "tab", "mainmenubar", "controlbar", "edit", "memo", "listbox",
    "checklistbox", "combobox", "scrollbar", "spinedit", "updown", "scrollbox", "treeview",
    "listview", "richedit"};

using skintest::Ini;

using skintest::EndsWith;
using skintest::KeyOf;
using skintest::OtherValue;
using skintest::SectionLines;
using skintest::ValueOf;

// The documented default of a key, independent of how the descriptors are written.
std::string DocumentedDefault(const std::string& kind, const std::string& key) {
  if (EndsWith(key, "pictureindex") || key == "cursorindex") return "-1";
  if (EndsWith(key, "fontname")) return "宋体";
  if (EndsWith(key, "fontheight")) return "14";
  if (EndsWith(key, "fontstyle")) return "";
  if (key == "alignment") return "tacenter";
  if (key == "morphkind") return "mkdefault";
  if (key == "framescount") return "1";
  if (key == "framesplacement") return "fphorizontal";
  if (key == "kind") return "rkround";
  if (kind == "stdlabel" && key == "activefontcolor") return "16711680";
  if (key == "vscrollbarname" || key == "hscrollbarname" || key == "bothhscrollbarname")
    return key.substr(0, key.size() - 4);
  if (key == "listboxname" || key == "updown" || key == "menubaritem" || EndsWith(key, "button"))
    return "";
  if (EndsWith(key, "point")) return "0,0";
  if (EndsWith(key, "rect") || EndsWith(key, "area")) return "0,0,0,0";
  return "0";
}

std::unique_ptr<TspDataSkinControl> ReadControl(const std::string& kind, const std::string& name,
                                                const TMemIniFile& ini) {
  auto d = CreateSkinControlData(kind, name);
  if (d) d->ReadFromDefinition(ini);
  return d;
}

TEST(SkinControlDescriptors, EveryKindHasItsDocumentedDefaultsWhenTheSectionIsMissing) {
  for (const char* kind : kAllKinds) {
    SCOPED_TRACE(kind);
    TMemIniFile filled;
    auto fresh = CreateSkinControlData(kind, "c");
    ASSERT_NE(nullptr, fresh);
    fresh->WriteToDefinition(filled);
    const std::vector<std::string> defaults = SectionLines(filled, "c");
    ASSERT_GE(defaults.size(), 4u);
    for (const std::string& line : defaults)
      EXPECT_EQ(DocumentedDefault(kind, KeyOf(line)), ValueOf(line)) << KeyOf(line);

    // Reading over values that differ everywhere shows that the reader, not only the
    // constructor, falls back to each default.
    TMemIniFile other;
    for (const std::string& line : defaults)
      other.WriteString("c", KeyOf(line), OtherValue(ValueOf(line)));
    auto d = ReadControl(kind, "c", other);
    TMemIniFile changed;
    d->WriteToDefinition(changed);
    EXPECT_NE(defaults, SectionLines(changed, "c"));
    d->ReadFromDefinition(TMemIniFile());
    TMemIniFile again;
    d->WriteToDefinition(again);
    EXPECT_EQ(defaults, SectionLines(again, "c"));
  }
}

TEST(SkinControlDescriptors, SectionAndKeyNamesMatchWithoutLetterCase) {
  auto d = ReadControl("button", "button",
                       Ini({"[BUTTON]", "PictureIndex=2", "CursorIndex=3", "SkinRect=1,2,3,4",
                              "LeftTopPoint=5,6", "FontColor=$FF"}));
  auto& b = dynamic_cast<TspDataSkinButtonControl&>(*d);
  EXPECT_EQ(2, b.PictureIndex);
  EXPECT_EQ(3, b.CursorIndex);
  EXPECT_EQ((TRect{1, 2, 3, 4}), b.SkinRect);
  EXPECT_EQ((TPoint{5, 6}), b.LTPoint);
  EXPECT_EQ(255u, b.FontColor);
}

TEST(SkinControlDescriptors, ButtonsReadTheirOwnKeysAndTheBaseKeys) {
  const TMemIniFile ini = Ini({
      "[b]", "pictureindex=1", "clientrect=2,2,18,18", "fontname=Arial", "fontstyle=fsboldfsunderline",
      "fontcolor=0x00FF00", "activefontcolor=1", "disabledfontcolor=2", "downfontcolor=3",
      "morphing=1", "morphkind=mkpush", "activeskinrect=25,0,49,25", "downskinrect=50,0,74,25",
      "disabledskinrect=75,0,99,25", "trackbuttonrect=1,1,5,5",
      "[odd]", "morphing=2", "morphkind=MKPUSH"});
  auto d = ReadControl("menubutton", "b", ini);
  auto& b = dynamic_cast<TspDataSkinMenuButtonControl&>(*d);
  EXPECT_EQ(1, b.PictureIndex);
  EXPECT_EQ((TRect{2, 2, 18, 18}), b.ClRect);
  EXPECT_EQ("Arial", b.FontName);
  EXPECT_EQ(14, b.FontHeight);
  EXPECT_TRUE(b.FontStyle.Bold && b.FontStyle.Underline && !b.FontStyle.Italic);
  EXPECT_EQ(0x00FF00u, b.FontColor);
  EXPECT_EQ(1u, b.ActiveFontColor);
  EXPECT_EQ(2u, b.DisabledFontColor);
  EXPECT_EQ(3u, b.DownFontColor);
  EXPECT_TRUE(b.Morphing);
  EXPECT_EQ(mkPush, b.MorphKind);
  EXPECT_EQ((TRect{50, 0, 74, 25}), b.DownSkinRect);
  EXPECT_EQ((TRect{75, 0, 99, 25}), b.DisabledSkinRect);
  EXPECT_EQ((TRect{1, 1, 5, 5}), b.TrackButtonRect);

  auto odd = ReadControl("button", "odd", ini);
  auto& o = dynamic_cast<TspDataSkinButtonControl&>(*odd);
  EXPECT_FALSE(o.Morphing);  // only exactly 1 is true
  EXPECT_EQ(mkDefault, o.MorphKind);
}

TEST(SkinControlDescriptors, CheckRadioNamesItsDisabledColourAndPlacesItsOwnWay) {
  auto d = ReadControl("checkradio", "c",
                       Ini({"[c]", "disabledfontcolor=9", "unenabledfontcolor=7", "framefontcolor=8",
                              "checkimagearea=3,4,16,17", "textarea=20,0,57,21",
                              "unenableduncheckimagerect=131,48,144,61"}));
  auto& c = dynamic_cast<TspDataSkinCheckRadioControl&>(*d);
  EXPECT_EQ(7u, c.UnEnabledFontColor);
  EXPECT_EQ(8u, c.FrameFontColor);
  EXPECT_EQ((TRect{3, 4, 16, 17}), c.CheckImageArea);
  EXPECT_EQ((TRect{20, 0, 57, 21}), c.TextArea);
  EXPECT_EQ((TRect{131, 48, 144, 61}), c.UnEnabledUnCheckImageRect);
  EXPECT_TRUE(c.UnEnabledCheckImageRect.IsEmpty());
}

TEST(SkinControlDescriptors, PanelsAndLabels) {
  const TMemIniFile ini = Ini({
      "[left]", "alignment=taleftjustify", "bgpictureindex=3", "captionrect=1,1,30,15",
      "[right]", "alignment=tarightjustify", "[upper]", "alignment=TACENTER",
      "[std]", "fontcolor=5",
      "[stdactive]", "activefontcolor=255",
      "[bits]", "skintextrect=0,0,80,10", "symbolwidth=8", "symbolheight=10",
      "symbolslinecount=2", "symbolsline0=0123456789", "symbolsline1=:-",
      "[ex]", "rollbottomoffset=6", "vrestorebuttondownrect=1,2,3,4", "fontheight=-12",
      "[bar]", "itemrect=0,0,9,9", "bgpictureindex=2",
      "[bevel]", "lightcolor=16777215", "darkcolor=-2147483632"});
  auto left = ReadControl("panel", "left", ini);
  auto& l = dynamic_cast<TspDataSkinPanelControl&>(*left);
  EXPECT_EQ(TSkinAlignment::LeftJustify, l.Alignment);
  EXPECT_EQ(3, l.BGPictureIndex);
  EXPECT_EQ((TRect{1, 1, 30, 15}), l.CaptionRect);
  EXPECT_EQ(TSkinAlignment::RightJustify,
            dynamic_cast<TspDataSkinPanelControl&>(*ReadControl("panel", "right", ini)).Alignment);
  // Keywords inside values match exactly; any text that is not a known one is right-aligned.
  EXPECT_EQ(TSkinAlignment::RightJustify,
            dynamic_cast<TspDataSkinPanelControl&>(*ReadControl("panel", "upper", ini)).Alignment);

  auto plain = ReadControl("stdlabel", "std", ini);
  EXPECT_EQ(0xFF0000u, dynamic_cast<TspDataSkinStdLabelControl&>(*plain).ActiveFontColor);
  EXPECT_EQ(255u,
            dynamic_cast<TspDataSkinStdLabelControl&>(*ReadControl("stdlabel", "stdactive", ini)).ActiveFontColor);

  auto bits = ReadControl("bitlabel", "bits", ini);
  auto& b = dynamic_cast<TspDataSkinBitLabelControl&>(*bits);
  EXPECT_EQ((TRect{0, 0, 80, 10}), b.SkinTextRect);
  EXPECT_EQ(8, b.SymbolWidth);
  EXPECT_EQ(10, b.SymbolHeight);
  EXPECT_EQ((std::vector<std::string>{"0123456789", ":-"}), b.Symbols);

  auto ex = ReadControl("expanel", "ex", ini);
  auto& e = dynamic_cast<TspDataSkinExPanelControl&>(*ex);
  EXPECT_EQ(6, e.RollBottomOffset);
  EXPECT_EQ((TRect{1, 2, 3, 4}), e.VRestoreButtonDownRect);
  EXPECT_EQ(-12, e.FontHeight);

  auto bar = ReadControl("controlbar", "bar", ini);
  EXPECT_EQ(2, dynamic_cast<TspDataSkinControlBar&>(*bar).BGPictureIndex);
  EXPECT_EQ((TRect{0, 0, 9, 9}), dynamic_cast<TspDataSkinControlBar&>(*bar).ItemRect);

  auto bevel = ReadControl("bevel", "bevel", ini);
  EXPECT_EQ(0xFFFFFFu, dynamic_cast<TspDataSkinBevel&>(*bevel).LightColor);
  EXPECT_EQ(0x80000010u, dynamic_cast<TspDataSkinBevel&>(*bevel).DarkColor);
}

TEST(SkinControlDescriptors, ListsCombosAndScrollBars) {
  const TMemIniFile ini = Ini({
      "[list]", "fontheight=20", "fontstyle=fsitalic", "captionfontcolor=4", "vscrollbarname=myv",
      "downcheckbuttonrect=1,1,2,2", "checkimagerect=3,3,9,9", "itemcheckrect=1,1,8,8",
      "[combo]", "itemleftoffset=3", "itemtextrect=3,0,17,16", "focusfontcolor=6",
      "listboxname=captionlistbox", "buttonrect=43,2,55,17", "unenabledbuttonrect=130,90,145,106",
      "[bar]", "thumboffset1=$10", "thumboffset2=x", "thumbtransparent=1",
      "thumbtransparentcolor=16711935", "trackarea=0,17,17,47", "downglyphrect=48,176,53,183"});
  auto list = ReadControl("checklistbox", "list", ini);
  auto& l = dynamic_cast<TspDataSkinCheckListBox&>(*list);
  EXPECT_EQ(20, l.FontHeight);
  EXPECT_TRUE(l.FontStyle.Italic);
  // The caption font has keys of its own and does not follow the item font.
  EXPECT_EQ(14, l.CaptionFontHeight);
  EXPECT_FALSE(l.CaptionFontStyle.Italic);
  EXPECT_EQ(4u, l.CaptionFontColor);
  EXPECT_EQ("myv", l.VScrollBarName);
  EXPECT_EQ("hscrollbar", l.HScrollBarName);
  EXPECT_EQ("bothhscrollbar", l.BothHScrollBarName);
  EXPECT_EQ((TRect{1, 1, 2, 2}), l.DownCheckButtonRect);
  EXPECT_EQ((TRect{3, 3, 9, 9}), l.CheckImageRect);
  EXPECT_EQ((TRect{1, 1, 8, 8}), l.ItemCheckRect);

  auto combo = ReadControl("combobox", "combo", ini);
  auto& c = dynamic_cast<TspDataSkinComboBox&>(*combo);
  EXPECT_EQ(3, c.ItemLeftOffset);
  EXPECT_EQ(0, c.ItemRightOffset);
  EXPECT_EQ((TRect{3, 0, 17, 16}), c.ItemTextRect);
  EXPECT_EQ(6u, c.FocusFontColor);
  EXPECT_EQ("captionlistbox", c.ListBoxName);
  EXPECT_EQ((TRect{43, 2, 55, 17}), c.ButtonRect);
  EXPECT_EQ((TRect{130, 90, 145, 106}), c.UnEnabledButtonRect);

  auto bar = ReadControl("scrollbar", "bar", ini);
  auto& s = dynamic_cast<TspDataSkinScrollBarControl&>(*bar);
  EXPECT_EQ(16, s.ThumbOffset1);
  EXPECT_EQ(0, s.ThumbOffset2);  // not an integer: the default
  EXPECT_TRUE(s.ThumbTransparent);
  EXPECT_EQ(0xFF00FFu, s.ThumbTransparentColor);
  EXPECT_EQ((TRect{0, 17, 17, 47}), s.TrackArea);
  EXPECT_EQ((TRect{48, 176, 53, 183}), s.DownGlyphRect);
}

TEST(SkinControlDescriptors, EditsMemosSpinEditsAndUpDowns) {
  const TMemIniFile ini = Ini({
      "[memo]", "activeskinrect=1,1,9,9", "disabledfontcolor=1", "activefontcolor=2",
      "unenabledbuttonrect=1,2,3,4", "bgcolor=5", "activebgcolor=6",
      "[spin]", "activefontcolor=2", "disabledfontcolor=1", "downdownbuttonrect=217,228,233,240",
      "[updown]", "upbuttonrect=0,0,16,12", "downbuttonrect=0,12,16,24"});
  auto memo = ReadControl("memo", "memo", ini);
  auto& m = dynamic_cast<TspDataSkinMemoControl&>(*memo);
  EXPECT_EQ((TRect{1, 1, 9, 9}), m.ActiveSkinRect);
  EXPECT_EQ(1u, m.DisabledFontColor);
  EXPECT_EQ(2u, m.ActiveFontColor);
  EXPECT_EQ((TRect{1, 2, 3, 4}), m.UnEnabledButtonRect);
  EXPECT_EQ(5u, m.BGColor);
  EXPECT_EQ(6u, m.ActiveBGColor);

  auto spin = ReadControl("spinedit", "spin", ini);
  auto& s = dynamic_cast<TspDataSkinSpinEditControl&>(*spin);
  EXPECT_EQ(2u, s.ActiveFontColor);
  EXPECT_EQ(1u, s.DisabledFontColor);
  EXPECT_EQ((TRect{217, 228, 233, 240}), s.DownDownButtonRect);

  auto updown = ReadControl("updown", "updown", ini);
  auto& u = dynamic_cast<TspDataSkinUpDownControl&>(*updown);
  EXPECT_EQ((TRect{0, 0, 16, 12}), u.UpButtonRect);
  EXPECT_EQ((TRect{0, 12, 16, 24}), u.DownButtonRect);
}

TEST(SkinControlDescriptors, FrameCountsPlacementsAndRegulatorKinds) {
  const TMemIniFile ini = Ini({
      "[zero]", "framescount=0", "[negative]", "framescount=-3",
      "[vertical]", "framescount=4", "framesplacement=fpvertical",
      "[strange]", "framesplacement=FPHORIZONTAL",
      "[hreg]", "framescount=5", "kind=rkhorizontal", "[oddreg]", "kind=dial"});
  auto frames = [&](const char* kind, const char* name) {
    auto d = ReadControl(kind, name, ini);
    return std::unique_ptr<TspDataSkinFrameControl>(dynamic_cast<TspDataSkinFrameControl*>(d.release()));
  };
  EXPECT_EQ(1, frames("animate", "zero")->FramesCount);
  EXPECT_EQ(1, frames("switch", "negative")->FramesCount);
  EXPECT_EQ(4, frames("framegauge", "vertical")->FramesCount);
  EXPECT_EQ(TspFramesPlacement::Vertical, frames("framegauge", "vertical")->FramesPlacement);
  EXPECT_EQ(TspFramesPlacement::Horizontal, frames("animate", "missing")->FramesPlacement);
  EXPECT_EQ(TspFramesPlacement::Vertical, frames("animate", "strange")->FramesPlacement);

  auto hreg = frames("frameregulator", "hreg");
  EXPECT_EQ(5, hreg->FramesCount);
  EXPECT_EQ(TspRegulatorKind::Horizontal, static_cast<TspDataSkinFrameRegulator&>(*hreg).Kind);
  EXPECT_EQ(TspRegulatorKind::Round,
            static_cast<TspDataSkinFrameRegulator&>(*frames("frameregulator", "missing")).Kind);
  EXPECT_EQ(TspRegulatorKind::Vertical,
            static_cast<TspDataSkinFrameRegulator&>(*frames("frameregulator", "oddreg")).Kind);

  TMemIniFile written;
  frames("frameregulator", "oddreg")->WriteToDefinition(written);
  EXPECT_EQ("rkvertical", written.ReadString("oddreg", "kind", ""));
  EXPECT_EQ("fphorizontal", written.ReadString("oddreg", "framesplacement", ""));
}

TEST(SkinControlDescriptors, BarsTabsGridsAndViews) {
  const TMemIniFile ini = Ini({
      "[menubar]", "itemsrect=2,1,38,21", "menubaritem=mainmenubaritem", "sysmenubutton=sys",
      "trackmarkactivecolor=6040592",
      "[tab]", "clientrect=1,20,99,99", "lefttoppoint=-4,5", "tabsbgrect=0,0,9,9",
      "mouseinfontcolor=7", "updown=hupdown", "bgpictureindex=0",
      "[grid]", "fixedcellleftoffset=2", "celltextrect=1,1,5,5", "linescolor=8",
      "fontheight=11", "fixedfontname=Tahoma", "fixedfontcolor=9",
      "[tree]", "fontname=Tahoma", "bgcolor=16777215"});
  auto bar = ReadControl("mainmenubar", "menubar", ini);
  auto& m = dynamic_cast<TspDataSkinMainMenuBar&>(*bar);
  EXPECT_EQ((TRect{2, 1, 38, 21}), m.ItemsRect);
  EXPECT_EQ("mainmenubaritem", m.MenuBarItem);
  EXPECT_EQ("sys", m.SysMenuButton);
  EXPECT_EQ("", m.CloseButton);
  EXPECT_EQ(6040592u, m.TrackMarkActiveColor);

  auto tab = ReadControl("tab", "tab", ini);
  auto& t = dynamic_cast<TspDataSkinTabControl&>(*tab);
  EXPECT_EQ((TRect{1, 20, 99, 99}), t.ClRect);
  EXPECT_EQ((TPoint{4, 5}), t.LTPoint);  // signs are dropped from points
  EXPECT_EQ((TRect{0, 0, 9, 9}), t.TabsBGRect);
  EXPECT_EQ(7u, t.MouseInFontColor);
  EXPECT_EQ("hupdown", t.UpDown);
  EXPECT_EQ(0, t.BGPictureIndex);

  auto grid = ReadControl("grid", "grid", ini);
  auto& g = dynamic_cast<TspDataSkinGridControl&>(*grid);
  EXPECT_EQ(2, g.FixedCellLeftOffset);
  EXPECT_EQ((TRect{1, 1, 5, 5}), g.CellTextRect);
  EXPECT_EQ(8u, g.LinesColor);
  EXPECT_EQ(11, g.FontHeight);
  EXPECT_EQ(14, g.FixedFontHeight);
  EXPECT_EQ("Tahoma", g.FixedFontName);
  EXPECT_EQ("宋体", g.FontName);
  EXPECT_EQ(9u, g.FixedFontColor);

  for (const char* kind : {"treeview", "listview", "richedit"}) {
    auto view = ReadControl(kind, "tree", ini);
    auto& v = dynamic_cast<TspDataSkinViewControl&>(*view);
    EXPECT_EQ("Tahoma", v.FontName) << kind;
    EXPECT_EQ(0xFFFFFFu, v.BGColor) << kind;
  }
}

TEST(SkinControlDescriptors, WritingKeepsTheKeysTheDescriptorDoesNotRead) {
  TMemIniFile ini = Ini({"[b]", "stretcheffect=1", "fontcolor=5", "[other]", "x=1"});
  auto d = ReadControl("button", "b", ini);
  dynamic_cast<TspDataSkinButtonControl&>(*d).FontColor = 6;
  d->WriteToDefinition(ini);
  EXPECT_EQ("1", ini.ReadString("b", "stretcheffect", ""));
  EXPECT_EQ("6", ini.ReadString("b", "fontcolor", ""));
  EXPECT_EQ("宋体", ini.ReadString("b", "fontname", ""));
  EXPECT_EQ("1", ini.ReadString("other", "x", ""));
}

TEST(SkinControlDescriptors, PictureIndexesBeyondTheActivePicturesMeanNone) {
  const TMemIniFile ini = Ini({
      "[panel]", "pictureindex=1", "maskpictureindex=2", "bgpictureindex=-7",
      "[grid]", "pictureindex=0", "bgpictureindex=5", "[tab]", "bgpictureindex=1"});
  auto panel = ReadControl("panel", "panel", ini);
  panel->ForgetMissingPictures(2);
  auto& p = dynamic_cast<TspDataSkinPanelControl&>(*panel);
  EXPECT_EQ(1, p.PictureIndex);
  EXPECT_EQ(-1, p.MaskPictureIndex);
  EXPECT_EQ(-1, p.BGPictureIndex);

  auto grid = ReadControl("grid", "grid", ini);
  grid->ForgetMissingPictures(2);
  EXPECT_EQ(0, grid->PictureIndex);
  EXPECT_EQ(-1, dynamic_cast<TspDataSkinGridControl&>(*grid).BGPictureIndex);

  auto tab = ReadControl("tab", "tab", ini);
  tab->ForgetMissingPictures(0);
  EXPECT_EQ(-1, dynamic_cast<TspDataSkinTabControl&>(*tab).BGPictureIndex);
}

TEST(SkinControlDescriptors, TheRegistryDropsPictureIndexesItHasNoPictureFor) {
  TComponent owner(nullptr);
  auto* stored = new TspCompressedStoredSkin(&owner);
  auto* data = new TspSkinData(&owner);
  stored->SetCompressedData(skintest::Compress(skintest::PackageBytes(*skintest::MakePackage(
      3, {"[SKINCONTROLS]", "count=2", "0=far:panel", "1=near:button", "[far]", "pictureindex=2",
          "bgpictureindex=9", "[near]", "pictureindex=1"},
      2))));
  data->SetCompressedStoredSkin(stored);
  ASSERT_FALSE(data->SkinEmpty()) << data->LastError();
  auto& distant = dynamic_cast<TspDataSkinPanelControl&>(*data->CtrlList[data->FindControlIndex("far")]);
  EXPECT_EQ(-1, distant.PictureIndex);
  EXPECT_EQ(-1, distant.BGPictureIndex);
  EXPECT_EQ(1, data->CtrlList[data->FindControlIndex("near")]->PictureIndex);
}

TEST(DefaultSkin, EveryControlSectionIsReadAndWrittenBackUnchanged) {
  TStringList lines;
  lines.LoadFromFile(skintest::SourcePath("assets/skins/default/skin.ini"));
  const TMemIniFile original(lines);
  TMemIniFile rewritten(lines);
  const std::set<std::string> notRead = {"itemtransparent"};

  const int count = original.ReadInteger("SKINCONTROLS", "count", 0);
  ASSERT_EQ(17, count);
  for (int i = 0; i < count; ++i) {
    std::string name, kind;
    ASSERT_TRUE(SplitNameAndKind(original.ReadString("SKINCONTROLS", std::to_string(i), ""), name, kind));
    SCOPED_TRACE(name);
    auto first = ReadControl(kind, name, original);
    ASSERT_NE(nullptr, first) << kind;

    TMemIniFile fresh;
    first->WriteToDefinition(fresh);
    auto second = ReadControl(kind, name, fresh);
    TMemIniFile freshAgain;
    second->WriteToDefinition(freshAgain);
    EXPECT_EQ(SectionLines(fresh, name), SectionLines(freshAgain, name));

    // The skin has exactly the keys the descriptor reads, spelled as it reads them and in
    // its reading order.
    std::vector<std::string> readable;
    for (const std::string& line : SectionLines(original, name))
      if (!notRead.count(KeyOf(line))) readable.push_back(line);
    EXPECT_EQ(readable, SectionLines(fresh, name));

    first->WriteToDefinition(rewritten);
    EXPECT_EQ(SectionLines(original, name), SectionLines(rewritten, name));
  }
}

}  // namespace
