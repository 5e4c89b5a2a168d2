#include <gtest/gtest.h>

#include <map>
#include <string>

#include "framework/gui/StringResource.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinStringLookup.h"

using namespace tmv;

namespace {

TEST(SkinStringResources, WithoutAComponentTheProgramShowsItsChineseTexts) {
  const std::map<std::string, std::string> texts = {
      {"MENUBUTTON_HINT", "系统菜单"},   {"EDIT_UNDO", "撤销"},
      {"EDIT_COPY", "复制"},             {"EDIT_CUT", "剪切"},
      {"EDIT_PASTE", "粘贴"},            {"EDIT_DELETE", "删除"},
      {"EDIT_SELECTALL", "全部选择"},    {"MI_MINCAPTION", "最小化(&N)"},
      {"MI_MAXCAPTION", "最大化(&X)"},   {"MI_CLOSECAPTION", "关闭(&C)"},
      {"MI_RESTORECAPTION", "恢复(&R)"}, {"MI_MINTOTRAYCAPTION", "最小化到系统托盘区(&T)"},
      {"MI_ROLLUPCAPTION", "卷起(&L)"},  {"MINBUTTON_HINT", "最小化"},
      {"MAXBUTTON_HINT", "最大化"},      {"CLOSEBUTTON_HINT", "关闭"},
      {"TRAYBUTTON_HINT", "最小化到系统托盘区"}, {"ROLLUPBUTTON_HINT", "卷起"}};
  for (const auto& [name, text] : texts)
    EXPECT_EQ(text, SkinResourceString(nullptr, name, &LoadStr)) << name;

  TspResourceStrData strings(nullptr);
  EXPECT_EQ("Ma&ximize", SkinResourceString(&strings, "MI_MAXCAPTION", &LoadStr));
}

}  // namespace
