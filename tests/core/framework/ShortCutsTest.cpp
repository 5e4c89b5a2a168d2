#include <gtest/gtest.h>

#include "framework/core/ShortCuts.h"

namespace tmv {
namespace {

TEST(ShortCuts, TextNamesModifiersInOrderThenTheKey) {
  EXPECT_EQ(ShortCutToText(ShortCut('S', scCtrl)), "Ctrl+S");
  EXPECT_EQ(ShortCutToText(ShortCut(0x73, scAlt)), "Alt+F4");
  EXPECT_EQ(ShortCutToText(ShortCut(0x7B, scShift | scCtrl | scAlt)), "Shift+Ctrl+Alt+F12");
  EXPECT_EQ(ShortCutToText(ShortCut(0x2E, 0)), "Del");
  EXPECT_EQ(ShortCutToText(ShortCut('0', scShift)), "Shift+0");
  // Keys without a name give no text at all, not a bare "Ctrl+".
  EXPECT_EQ(ShortCutToText(ShortCut(0x07, scCtrl)), "");
  EXPECT_EQ(ShortCutToText(scNone), "");
}

TEST(ShortCuts, TextReadsBackIgnoringCaseAndRejectsLeftovers) {
  for (TShortCut sc : {ShortCut('S', scCtrl), ShortCut(0x73, scAlt), ShortCut(0x21, scShift | scCtrl),
                       ShortCut(0x0D, 0), ShortCut(0x70, scCtrl | scAlt)})
    EXPECT_EQ(TextToShortCut(ShortCutToText(sc)), sc) << ShortCutToText(sc);
  EXPECT_EQ(TextToShortCut("ctrl+alt+del"), ShortCut(0x2E, scCtrl | scAlt));
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+SS"), scNone);
  EXPECT_EQ(TextToShortCut("F13"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
}

}  // namespace
}  // namespace tmv
