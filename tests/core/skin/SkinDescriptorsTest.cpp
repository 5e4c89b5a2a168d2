#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinTestSupport.h"
#include "framework/core/IniFiles.h"
#include "framework/core/Strings.h"
#include "skin/data/SkinControlDescriptors.h"
#include "skin/data/SkinObjectDescriptors.h"
#include "skin/data/SkinWindowDescriptors.h"

using namespace tmv;

using skintest::Ini;

TEST(SkinDescriptors, SectionAndKeyNamesIgnoreCaseWhileKindsDoNot) {
  for (const char* section : {"[panel]", "[PANEL]", "[Panel]", "[ panel ]"}) {
    for (const char* key : {"pictureindex=3", "PICTUREINDEX=3", "PictureIndex = 3"}) {
      TMemIniFile ini = Ini({section, key});
      auto panel = CreateSkinControlData("panel", "panel");
      ASSERT_NE(nullptr, panel);
      panel->ReadFromDefinition(ini);
      EXPECT_EQ(3, panel->PictureIndex) << section << " " << key;
    }
  }
  EXPECT_EQ(nullptr, CreateSkinControlData("Panel", "x"));
  EXPECT_EQ(nullptr, CreateSkinObjectData("StdButton", "x"));
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinMenuButtonControl*>(CreateSkinControlData("menubutton", "m").get()));
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinButtonControl*>(CreateSkinControlData("menubutton", "m").get()));
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinFrameControl*>(CreateSkinControlData("switch", "s").get()));
  EXPECT_NE(nullptr, dynamic_cast<TspDataSkinMainMenuItem*>(CreateSkinObjectData("mainmenubaritem", "i").get()));
}

TEST(SkinDescriptors, WhatIsWrittenBackReadsTheSame) {
  TMemIniFile source = Ini({"[combobox]", "pictureindex=2", "maskpictureindex=$1", "cursorindex=4",
                            "skinrect=1,2,57,21", "lefttoppoint=3,3", "rightbottompoint=50,18",
                            "clientrect=2,2,40,17", "[caption]", "hint=Title", "rollup=1",
                            "activepictureindex=1", "skinrect=0,0,10,10", "morphing=1",
                            "morphkind=mkrightslide", "[user]", "skinrect=5,5,6,6", "cursorindex=2"});
  auto combo = CreateSkinControlData("combobox", "combobox");
  auto caption = CreateSkinObjectData("caption", "caption");
  auto user = CreateSkinObjectData("userobject", "user");
  combo->ReadFromDefinition(source);
  caption->ReadFromDefinition(source);
  user->ReadFromDefinition(source);

  TMemIniFile written = Ini({"[combobox]", "stale=1", "[caption]", "stale=2"});
  combo->WriteToDefinition(written);
  caption->WriteToDefinition(written);
  user->WriteToDefinition(written);
  EXPECT_EQ("1", written.ReadString("combobox", "stale", "")) << "keys it does not read stay";
  EXPECT_EQ("2", written.ReadString("caption", "stale", "")) << "keys it does not read stay";
  EXPECT_FALSE(written.ValueExists("user", "morphing")) << "a user object writes only its own keys";

  auto combo2 = CreateSkinControlData("combobox", "combobox");
  auto caption2 = CreateSkinObjectData("caption", "caption");
  combo2->ReadFromDefinition(written);
  caption2->ReadFromDefinition(written);
  auto* c1 = static_cast<TspDataSkinCustomControl*>(combo.get());
  auto* c2 = static_cast<TspDataSkinCustomControl*>(combo2.get());
  EXPECT_EQ(1, c2->MaskPictureIndex);
  EXPECT_EQ(c1->SkinRect, c2->SkinRect);
  EXPECT_EQ(c1->RBPoint, c2->RBPoint);
  EXPECT_EQ(c1->ClRect, c2->ClRect);
  EXPECT_EQ(4, c2->CursorIndex);
  EXPECT_EQ("Title", caption2->Hint);
  EXPECT_TRUE(caption2->RollUp && caption2->Morphing);
  EXPECT_EQ(mkRightSlide, caption2->MorphKind);
  EXPECT_EQ("mkrightslide", written.ReadString("caption", "morphkind", ""));
}

TEST(SkinDescriptors, WindowDescriptorsReadTheirOwnSections) {
  TMemIniFile ini = Ini({"[POPUPWINDOW]", "windowpictureindex=2", "itemsrect=3,3,97,60",
                         "scrollmarkercolor=$FF", "leftstretch=1", "topstretch=2",
                         "[hintwindow]", "fontname=Arial", "clientrect=4,4,20,20"});
  TspDataSkinPopupWindow popup;
  popup.ReadFromDefinition(ini);
  EXPECT_EQ(2, popup.WindowPictureIndex);
  EXPECT_EQ(-1, popup.MaskPictureIndex);
  EXPECT_EQ((TRect{3, 3, 97, 60}), popup.ItemsRect);
  EXPECT_EQ(0xFFu, popup.ScrollMarkerColor);
  EXPECT_TRUE(popup.LeftStretch);
  EXPECT_FALSE(popup.TopStretch);

  TspDataSkinHintWindow hint;
  hint.ReadFromDefinition(ini);
  EXPECT_EQ(-1, hint.WindowPictureIndex);
  EXPECT_EQ("Arial", hint.FontName);
  EXPECT_EQ(14, hint.FontHeight);
  EXPECT_EQ((TRect{4, 4, 20, 20}), hint.ClRect);

  TMemIniFile written = Ini({"[popupwindow]", "stale=1"});
  popup.WriteToDefinition(written);
  hint.WriteToDefinition(written);
  TspDataSkinPopupWindow popup2;
  TspDataSkinHintWindow hint2;
  popup2.ReadFromDefinition(written);
  hint2.ReadFromDefinition(written);
  EXPECT_EQ(popup.ItemsRect, popup2.ItemsRect);
  EXPECT_EQ(popup.LeftStretch, popup2.LeftStretch);
  EXPECT_EQ(hint.FontName, hint2.FontName);
  EXPECT_EQ("1", written.ReadString("popupwindow", "stale", "")) << "keys it does not read stay";

  TspDataSkinHintWindow fresh;
  fresh.ReadFromDefinition(Ini({"[VERSION]"}));
  EXPECT_EQ(-1, fresh.WindowPictureIndex);
  EXPECT_EQ(kDefaultSkinFontName, fresh.FontName);
}
