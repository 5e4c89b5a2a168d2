#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "framework/core/ClassInfo.h"
#include "framework/core/FormReader.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStringLookup.h"

using namespace tmv;

namespace {

// Stands in for the program's string table and remembers what was asked of it.
struct TFakeStringTable {
  std::vector<int> Asked;
  TStringResourceLoader Loader() {
    return [this](int ident) {
      Asked.push_back(ident);
      return "#" + std::to_string(ident);
    };
  }
};

TEST(ResourceStrData, HoldsEveryNameOnceWithItsEnglishText) {
  TspResourceStrData strings(nullptr);
  const TStringList& lines = strings.ResStrings();
  ASSERT_EQ(115, lines.Count());
  std::set<std::string> names;
  for (int i = 0; i < lines.Count(); ++i) {
    ASSERT_NE(std::string::npos, lines[i].find('=')) << lines[i];
    EXPECT_TRUE(names.insert(lines.Names(i)).second) << lines.Names(i);
  }
  EXPECT_EQ("MI_MINCAPTION=Mi&nimize", lines[0]);
  EXPECT_EQ("FIND_REPLACE_CLOSE", lines.Names(114));
  const std::map<std::string, std::string> texts = {
      {"MI_MAXCAPTION", "Ma&ximize"},         {"MI_MINTOTRAYCAPTION", "Minimize to &Tray"},
      {"MI_ROLLUPCAPTION", "Ro&llUp"},        {"TRAYBUTTON_HINT", "Minimize to Tray"},
      {"MENUBUTTON_HINT", "System menu"},     {"EDIT_SELECTALL", "Select All"},
      {"MSG_BTN_YES", "&Yes"},                {"MSG_CAP_WARNING", "Warning"},
      {"NODISKINDRIVE", "There is no disk in Drive or Drive is not ready"},
      {"PRNDLG_MARGINS", "Margins (millimeters)"},
      {"PRNDLG_WARNING", "There are no printers in your system!"}};
  for (const auto& [name, text] : texts) EXPECT_EQ(text, strings.GetResStr(name)) << name;
  EXPECT_EQ(1, strings.CharSet());
}

TEST(SkinResourceString, WithoutAComponentTheProgramsStringResourceIsUsed) {
  TFakeStringTable table;
  EXPECT_EQ("#65254", SkinResourceString(nullptr, "MI_MAXCAPTION", table.Loader()));
  EXPECT_EQ("", SkinResourceString(nullptr, "MSG_BTN_YES", table.Loader())) << "no resource for it";
  EXPECT_EQ((std::vector<int>{65254}), table.Asked);

  const std::map<std::string, int> idents = {
      {"MENUBUTTON_HINT", 65232},   {"EDIT_UNDO", 65233},         {"EDIT_COPY", 65234},
      {"EDIT_CUT", 65235},          {"EDIT_PASTE", 65236},        {"EDIT_DELETE", 65237},
      {"EDIT_SELECTALL", 65238},    {"MI_MINCAPTION", 65253},     {"MI_MAXCAPTION", 65254},
      {"MI_CLOSECAPTION", 65255},   {"MI_RESTORECAPTION", 65256}, {"MI_MINTOTRAYCAPTION", 65257},
      {"MI_ROLLUPCAPTION", 65258},  {"MINBUTTON_HINT", 65259},    {"MAXBUTTON_HINT", 65260},
      {"CLOSEBUTTON_HINT", 65261},  {"TRAYBUTTON_HINT", 65262},   {"ROLLUPBUTTON_HINT", 65263}};
  for (const auto& [name, ident] : idents) EXPECT_EQ(ident, SkinStringResourceId(name)) << name;
  EXPECT_EQ(65261, SkinStringResourceId("closebutton_hint"));
  EXPECT_EQ(0, SkinStringResourceId("CLOSEBUTTON"));
}

TEST(SkinResourceString, ALinkedComponentAloneGivesTheTextAfterTheFirstEqualsSign) {
  TFakeStringTable table;
  TspResourceStrData strings(nullptr);
  strings.SetResStrings({"EDIT_COPY=Co=py=", "edit_copy=second", "MI_CLOSECAPTION=", "EDIT_PASTE"});
  EXPECT_EQ("Co=py=", SkinResourceString(&strings, "Edit_Copy", table.Loader()));
  EXPECT_EQ("", SkinResourceString(&strings, "MI_CLOSECAPTION", table.Loader()));
  EXPECT_EQ("", SkinResourceString(&strings, "EDIT_CUT", table.Loader())) << "the list lacks it";
  EXPECT_EQ("", SkinResourceString(&strings, "EDIT_PASTE", table.Loader())) << "a line without =";
  EXPECT_TRUE(table.Asked.empty()) << "the string resources are not used when a component is linked";
}

TEST(SkinData, LinkingResourceStringsTellsEveryFormAndTheirEndClearsTheLink) {
  TComponent owner(nullptr);
  auto* data = new TspSkinData(&owner);
  auto* strings = new TspResourceStrData(&owner);
  std::vector<uint32_t> messages;
  data->OnBroadcast = [&](TspSkinData& sender, uint32_t m) {
    EXPECT_EQ(data, &sender);
    messages.push_back(m);
  };
  data->SetResourceStrData(strings);
  EXPECT_EQ(strings, data->ResourceStrData());
  data->SetResourceStrData(nullptr);
  EXPECT_EQ((std::vector<uint32_t>{SKM_STRINGSCHANGED, SKM_STRINGSCHANGED}), messages);
  EXPECT_EQ(1274u, SKM_STRINGSCHANGED);

  data->SetResourceStrData(strings);
  delete strings;
  EXPECT_EQ(nullptr, data->ResourceStrData());

  messages.clear();
  data->SetDesigning(true);
  data->SetResourceStrData(new TspResourceStrData(&owner));
  EXPECT_TRUE(messages.empty()) << "the designer hears nothing";
}

TEST(ResourceStrData, ComesFromTheFormResourceWithTheRegistrysLink) {
  RegisterSkinDataClasses();
  TComponent root(nullptr);
  ReadComponentText(root,
                    "object Root: TComponent\n"
                    "  object spSkinData1: TspSkinData\n"
                    "    ResourceStrData = spResourceStrData1\n"
                    "  end\n"
                    "  object spResourceStrData1: TspResourceStrData\n"
                    "    ResStrings = (\"MI_MAXCAPTION=Grow\", \"EDIT_CUT=Snip\")\n"
                    "    CharSet = 134\n"
                    "  end\n"
                    "end\n");
  auto* data = dynamic_cast<TspSkinData*>(root.FindComponent("spSkinData1"));
  auto* strings = dynamic_cast<TspResourceStrData*>(root.FindComponent("spResourceStrData1"));
  ASSERT_TRUE(data && strings);
  EXPECT_EQ(strings, data->ResourceStrData());
  EXPECT_EQ(2, strings->ResStrings().Count()) << "the list replaces the built-in one";
  EXPECT_EQ("Snip", strings->GetResStr("EDIT_CUT"));
  EXPECT_EQ(134, strings->CharSet());
}

}  // namespace
