// The main window built with its stored skin emptied: no skin is loaded, the frame and every
// skinned part draw their built-in looks, and the buttons and size boxes still do their work.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/UnitFormMorvane.h"
#include "win/controls/SkinControlsTestSupport.h"

namespace tmv {
namespace {

struct SkinlessMainWindow : testing::Test {
  SkinlessMainWindow() {
    form = new TFormMorvane(nullptr);
    form->Show();
    Pump();
  }
  ~SkinlessMainWindow() override { delete form; }
  // A click in the middle of the control, as its window reports it.
  static void Click(TWinControl& control) {
    const LPARAM middle = MAKELPARAM(control.Width() / 2, control.Height() / 2);
    SendMessageA(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, middle);
    SendMessageA(control.Handle(), WM_LBUTTONUP, 0, middle);
  }
  TFormMorvane* form;
};

TEST_F(SkinlessMainWindow, LoadsNoSkinAndEverySkinnedPartDrawsItsBuiltInLook) {
  EXPECT_TRUE(form->spCompressedStoredSkin1->IsStoreEmpty());
  EXPECT_TRUE(form->spSkinData1->SkinEmpty());
  const std::vector<TspSkinControl*> skinned = {
      form->spSkinPanel1, form->BTNSelFile, form->RB16,      form->RB32,         form->BTNSave,
      form->BTNSaveAll,   form->BTNHelp,    form->BtnUpdate, form->AppStatusBar, form->spSkinStatusPanel1};
  for (TspSkinControl* control : skinned) EXPECT_EQ(control->SkinIndex(), -1) << control->Name();
  // The built-in frame: a 19-pixel caption and 3-pixel borders.
  EXPECT_EQ(form->Width() - form->ClientWidth(), 6);
  EXPECT_EQ(form->Height() - form->ClientHeight(), 19 + 6);

  const COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
  // Framed panels: a button-shadow frame around button face.
  for (TspSkinCustomControl* framed : {static_cast<TspSkinCustomControl*>(form->spSkinPanel1),
                                       static_cast<TspSkinCustomControl*>(form->spSkinStatusPanel1)}) {
    const TFaceShot shot(*framed);
    EXPECT_EQ(shot.At(0, 0), shadow) << framed->Name();
    EXPECT_EQ(shot.At(shot.Width() - 1, shot.Height() - 1), shadow) << framed->Name();
    EXPECT_EQ(shot.At(shot.Width() - 4, shot.Height() / 2), face) << framed->Name();
  }
  // The status panel's text in the default font's colour.
  const TFaceShot status(*form->spSkinStatusPanel1);
  EXPECT_GT(status.Count(GetSysColor(COLOR_WINDOWTEXT), {3, 3, status.Width() / 2, status.Height() - 3}), 20);
  // A button that is neither hot nor focused: a button-shadow frame on button face.
  const TFaceShot button(*form->BTNSaveAll);
  EXPECT_EQ(button.At(0, 0), shadow);
  EXPECT_EQ(button.At(button.Width() - 1, button.Height() - 1), shadow);
  EXPECT_EQ(button.At(2, 2), face);
  // The flat radio boxes: the default square on the panel's face, filled when checked.
  const TFaceShot unchecked(*form->RB16), checked(*form->RB32);
  const int mid = checked.Height() / 2;
  EXPECT_EQ(unchecked.At(3, mid - 7), shadow);
  EXPECT_EQ(unchecked.At(9, mid), face);
  EXPECT_EQ(checked.At(3, mid - 7), shadow);
  EXPECT_EQ(checked.At(9, mid), RGB(0, 0, 0));
  EXPECT_EQ(checked.At(1, 1), face);
}

TEST_F(SkinlessMainWindow, TheSizeBoxesAndButtonsStillWork) {
  Click(*form->RB16);
  EXPECT_TRUE(form->RB16->Checked());
  EXPECT_FALSE(form->RB32->Checked());
  EXPECT_TRUE(SmallIconMode);
  EXPECT_EQ(form->ListView1->ViewStyle(), vsSmallIcon);
  Click(*form->RB32);
  EXPECT_FALSE(SmallIconMode);
  EXPECT_EQ(form->ListView1->ViewStyle(), vsIcon);

  BoxRecorder boxes;
  Click(*form->BTNSaveAll);
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].text, "请解出图标!");
  EXPECT_EQ(boxes.boxes[0].caption, "消息框");
}

}  // namespace
}  // namespace tmv
