#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinFormTestSupport.h"
#include "framework/core/Exceptions.h"

namespace tmv {
namespace {

struct SkinnedForm : testing::Test {
  SkinnedForm() {
    form->Show();
    Pump();
  }
  ~SkinnedForm() override { delete form; }
  HWND Window() { return form->Handle(); }
  TSkinFormTestForm* form = new TSkinFormTestForm(nullptr);
};

TEST(DynamicSkinFormSettings, PublishedInOrderWithTheirDefaults) {
  std::vector<std::string> names;
  for (const TPropInfo& p : TspDynamicSkinForm::StaticClassInfo().OwnProperties()) names.push_back(p.Name);
  const std::vector<std::string> settings(names.begin(), names.begin() + 44);
  EXPECT_EQ(settings, (std::vector<std::string>{
      "UseFormCursorInNCArea", "MaxMenuItemsInWindow", "ClientWidth", "ClientHeight", "HideCaptionButtons",
      "AlwaysShowInTray", "LogoBitMap", "LogoBitMapTransparent", "AlwaysMinimizeToTray", "UseSkinFontInMenu",
      "ShowIcon", "MaximizeOnFullScreen", "SkinHint", "ShowObjectHint", "UseDefaultObjectHint", "UseSkinCursors",
      "DefCaptionFont", "DefInActiveCaptionFont", "DefMenuItemHeight", "DefMenuItemFont", "TrayIcon",
      "UseDefaultSysMenu", "MainMenuBar", "MDITabsBar", "SupportNCArea", "AlphaBlendAnimation",
      "AlphaBlendValue", "AlphaBlend", "MenusAlphaBlend", "MenusAlphaBlendAnimation", "MenusAlphaBlendValue",
      "MainMenu", "SystemMenu", "SkinData", "MenusSkinData", "MinHeight", "MinWidth", "MaxHeight", "MaxWidth",
      "Sizeable", "DraggAble", "Magnetic", "MagneticSize", "BorderIcons"}));
  EXPECT_EQ(names.size(), 44u + 21u) << "and the 21 events";

  TForm owner(nullptr);
  TspDynamicSkinForm f(&owner);
  EXPECT_EQ(owner.BorderIcons(), 0u) << "the frame's own buttons replace the system's";
  EXPECT_EQ(f.BorderIcons(), biSystemMenu | biMinimize | biMaximize | biRollUp);
  EXPECT_TRUE(f.SupportNCArea() && f.Sizeable() && f.UseDefaultSysMenu() && f.UseDefaultObjectHint() &&
              f.UseSkinFontInMenu());
  EXPECT_FALSE(f.ShowIcon() || f.Magnetic() || f.DraggAble() || f.AlphaBlend() || f.HideCaptionButtons());
  EXPECT_EQ(f.MagneticSize(), 10);
  EXPECT_EQ(f.AlphaBlendValue(), 200);
  EXPECT_EQ(f.MenusAlphaBlendValue(), 200);
  EXPECT_EQ(f.DefMenuItemHeight(), 20);
  EXPECT_EQ(f.DefCaptionFont()->Name(), "宋体");
  EXPECT_EQ(f.DefCaptionFont()->Height(), 14);
  EXPECT_EQ(f.DefCaptionFont()->Style(), TFontStyles{fsBold});
  EXPECT_EQ(f.DefCaptionFont()->Color(), clBtnText);
  EXPECT_EQ(f.DefInActiveCaptionFont()->Color(), clBtnShadow);
  EXPECT_EQ(f.DefMenuItemFont()->Style(), TFontStyles{0});
  f.SetMaxMenuItemsInWindow(-1);
  f.SetDefMenuItemHeight(0);
  EXPECT_EQ(f.MaxMenuItemsInWindow(), 0) << "invalid numbers are ignored";
  EXPECT_EQ(f.DefMenuItemHeight(), 20);

  TComponent notAForm(nullptr);
  EXPECT_THROW(TspDynamicSkinForm bad(&notAForm), EInvalidCast);
}

TEST_F(SkinnedForm, TheFormResourceSetsTheFrameAndItsSkinIsAppliedOnce) {
  TspDynamicSkinForm& f = form->Frame();
  EXPECT_EQ(f.MaxMenuItemsInWindow(), 12);
  EXPECT_TRUE(f.ShowObjectHint() && f.Magnetic());
  EXPECT_EQ(f.MagneticSize(), 8);
  EXPECT_EQ(f.DefCaptionFont()->Height(), 15);
  EXPECT_EQ(f.BorderIcons(), biSystemMenu | biMinimize | biMaximize | biRollUp | biMinimizeToTray);
  EXPECT_EQ(f.SkinData(), &form->Skin());
  EXPECT_TRUE(f.Skinned());
  EXPECT_GE(form->skinsApplied, 1);
  std::vector<std::string> objects;
  for (auto& o : f.FrameObjects()) objects.push_back(o->IDName);
  EXPECT_EQ(objects, (std::vector<std::string>{"caption", "closebutton", "minimizebutton", "maximizebutton",
                                               "sysmenubutton"}))
      << "the menus' own objects make no frame objects";
}

TEST_F(SkinnedForm, TheNativeCaptionStaysAwayAndComesBackWhenTheFrameGoes) {
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & WS_CAPTION, 0);
  form->RecreateWnd();
  Pump();
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & WS_CAPTION, 0) << "a window made anew";
  form->SetBorderStyle(bsSingle);
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & WS_CAPTION, 0) << "a new border style";
  EXPECT_TRUE(SameRect(Borders(Window()), {4, 30, 4, 4})) << Describe(Borders(Window()));

  // The form computes its client size from the real frame.
  form->SetClientWidth(400);
  form->SetClientHeight(200);
  EXPECT_EQ(ClientRectOf(Window()).right, 400);
  EXPECT_EQ(ClientRectOf(Window()).bottom, 200);
  EXPECT_EQ(form->Width(), 408);
  EXPECT_EQ(form->Height(), 234);

  delete &form->Frame();
  Pump();
  EXPECT_EQ(GetWindowLongA(Window(), GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(InRegion(Window(), 0, 0)) << "the shape went with the frame";
  SendMessageA(Window(), WM_NCHITTEST, 0, 0);
  SendMessageA(Window(), WM_SIZE, 0, 0);
  Sleep(120);
  Pump();  // no hook or timer of the freed frame may run now
}

TEST_F(SkinnedForm, SkinChangesReachTheFrameAndTheControlsAndKeepTheClientSize) {
  TspDynamicSkinForm& f = form->Frame();
  f.SetClientWidth(420);
  f.SetClientHeight(0);
  auto* panel = dynamic_cast<TspSkinPanel*>(form->FindComponent("spSkinPanel1"));
  ASSERT_TRUE(panel);
  const std::vector<uint8_t> stored = StoredSkinBytes();
  const int height = ClientRectOf(Window()).bottom;

  form->Stored().SetCompressedData(std::vector<uint8_t>{1, 2, 3});
  form->Skin().ApplyStoredSkin(form->Stored());
  Pump();
  EXPECT_FALSE(f.Skinned()) << "a broken skin gives the built-in frame";
  EXPECT_EQ(panel->SkinIndex(), -1) << "the panel heard of the change";
  EXPECT_TRUE(SameRect(Borders(Window()), {3, 22, 3, 3})) << Describe(Borders(Window()));
  EXPECT_EQ(f.FrameObjects().size(), 6u) << "the built-in buttons";
  EXPECT_EQ(ClientRectOf(Window()).right, 420) << "ClientWidth wins after every skin";
  EXPECT_TRUE(InRegion(Window(), 0, 0)) << "no mask, no shape";

  form->Stored().SetCompressedData(stored);
  form->Skin().ApplyStoredSkin(form->Stored());
  Pump();
  EXPECT_TRUE(f.Skinned());
  EXPECT_NE(panel->SkinIndex(), -1);
  EXPECT_TRUE(SameRect(Borders(Window()), {4, 30, 4, 4})) << Describe(Borders(Window()));
  EXPECT_EQ(ClientRectOf(Window()).right, 420);
  EXPECT_NE(ClientRectOf(Window()).bottom, height + 100) << "ClientHeight 0 leaves the height to the skin";
  EXPECT_FALSE(InRegion(Window(), 0, 0)) << "the mask's cut corner";
  EXPECT_TRUE(f.HoverTimerRunning());

  form->Skin().BroadcastSkinMessage(SKM_SKINCHANGING);
  EXPECT_TRUE(f.FrameObjects().empty()) << "the objects go before the skin does";
  EXPECT_FALSE(f.HoverTimerRunning() || f.MorphTimerRunning() || f.AnimationTimerRunning());
  form->Skin().BroadcastSkinMessage(SKM_SKINCHANGED);
  EXPECT_EQ(f.FrameObjects().size(), 5u);
}

TEST_F(SkinnedForm, FreeingTheSkinDataLeavesTheBuiltInFrame) {
  TspDynamicSkinForm& f = form->Frame();
  delete &form->Skin();
  Pump();
  EXPECT_EQ(f.SkinData(), nullptr);
  EXPECT_FALSE(f.Skinned());
  EXPECT_EQ(f.FrameObjects().size(), 6u);
  EXPECT_TRUE(SameRect(Borders(Window()), {3, 22, 3, 3})) << Describe(Borders(Window()));
  RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
}

TEST_F(SkinnedForm, FindSkinFormFindsTheFormsFrame) {
  EXPECT_EQ(FindSkinForm(form), &form->Frame());
  TForm other(nullptr);
  EXPECT_EQ(FindSkinForm(&other), nullptr);
  EXPECT_EQ(FindSkinForm(nullptr), nullptr);
}

}  // namespace
}  // namespace tmv
