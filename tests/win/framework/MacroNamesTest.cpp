// TextOut, DrawText and MessageBox are names windows.h turns into macros. Called here with the
// framework's headers alone and in MacroNamesWide.cpp after windows.h in its wide form, they
// must compile, link and draw the same.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "MacroNames.h"
#include "TestSupport.h"
#include "framework/core/Bitmap.h"
#include "framework/gui/Forms.h"

namespace tmv {
namespace {

std::unique_ptr<TBitmap> Page() {
  auto bmp = std::make_unique<TBitmap>();
  bmp->SetBitCount(32);
  bmp->SetSize(40, 30);
  bmp->Canvas()->Brush()->SetColor(clWhite);
  bmp->Canvas()->FillRect({0, 0, 40, 30});
  bmp->Canvas()->Font()->SetColor(clBlack);
  bmp->Canvas()->Font()->SetName("Tahoma");
  return bmp;
}

TEST(MacroNames, MembersAreTheSameWithAndWithoutWindowsH) {
  BoxRecorder boxes(IDRETRY);
  std::unique_ptr<TBitmap> here = Page(), there = Page();
  RECT hereBox = {0, 0, 40, 30}, thereBox = hereBox;
  here->Canvas()->TextOut(0, 0, "H");
  here->Canvas()->DrawText("H", hereBox, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  EXPECT_EQ(Application()->MessageBox("narrow", "MacroNames", MB_OK), IDRETRY);
  EXPECT_EQ(test::UseMembersAfterWindowsH(*there->Canvas(), thereBox), IDRETRY);

  int topLeftInk = 0, bottomRightInk = 0;
  for (int y = 0; y < 30; ++y) {
    ASSERT_EQ(0, std::memcmp(here->ScanLine(y), there->ScanLine(y), here->RowBytes())) << y;
    for (int x = 0; x < 40; ++x) {
      const bool ink = here->Canvas()->Pixel(x, y) != RGB(255, 255, 255);
      topLeftInk += ink && x < 20 && y < 15;
      bottomRightInk += ink && x >= 20 && y >= 15;
    }
  }
  EXPECT_GT(topLeftInk, 5);
  EXPECT_GT(bottomRightInk, 5);
  ASSERT_EQ(boxes.boxes.size(), 2u);
  EXPECT_EQ(boxes.boxes[0].text, "narrow");
  EXPECT_EQ(boxes.boxes[1].text, "wide");
}

}  // namespace
}  // namespace tmv
