#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinControlsTestSupport.h"
#include "framework/core/FormReader.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinPanelDescriptors.h"

namespace tmv {
namespace {

constexpr COLORREF kSkinTextColour = 4337184;  // "fontcolor" of the stored panel and label

struct StoredSkinControls : testing::Test {
  StoredSkinControls() {
    form->SetClientWidth(320);
    form->SetClientHeight(200);
    form->Show();
  }
  ~StoredSkinControls() override { delete form; }
  TBitmap& Controls() { return *form->Find<TspSkinData>("spSkinData1")->ActivePictures[1]; }
  COLORREF Skin(int x, int y) { return PictureAt(Controls(), x, y); }
  TSkinControlsForm* form = new TSkinControlsForm(nullptr);
};

TEST_F(StoredSkinControls, TheFormResourceSetsWhatTheMainWindowSets) {
  auto* bar = form->Find<TspSkinStatusBar>("AppStatusBar");
  auto* status = form->Find<TspSkinStatusPanel>("spSkinStatusPanel1");
  auto* panel = form->Find<TspSkinPanel>("spSkinPanel1");
  auto* label = form->Find<TspSkinLabel>("spSkinLabel1");
  auto* data = form->Find<TspSkinData>("spSkinData1");
  ASSERT_TRUE(bar && status && panel && label);
  EXPECT_EQ(bar->DefaultHeight(), 21);
  EXPECT_EQ(bar->BorderStyle(), TspSkinBorderStyle::bvNone);
  EXPECT_EQ(bar->Align(), alBottom);
  EXPECT_EQ(bar->DefaultFont()->Name(), "宋体");
  EXPECT_EQ(bar->DefaultFont()->Height(), 14);
  EXPECT_EQ(status->SkinData(), data) << "the status bar hands its registry on";
  EXPECT_EQ(status->Align(), alClient);
  EXPECT_TRUE(status->UseSkinSize());
  EXPECT_EQ(status->DefaultFont()->Name(), "Arial");
  EXPECT_EQ(panel->SkinDataName(), "panel");
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_EQ(panel->DefaultAlignment(), taLeftJustify);
  EXPECT_EQ(panel->Spacing(), 2);
  EXPECT_EQ(panel->DefaultFont()->Height(), -11);
  EXPECT_EQ(label->Alignment(), taRightJustify);
  EXPECT_EQ(label->Parent(), panel);
  for (TspSkinControl* c : std::vector<TspSkinControl*>{bar, status, panel, label}) {
    EXPECT_TRUE(c->DrawDefault());
    EXPECT_FALSE(c->AlphaBlend());
    EXPECT_EQ(c->AlphaBlendValue(), 200);
  }
}

TEST_F(StoredSkinControls, PanelAndStatusBarAreCutFromTheSkin) {
  auto* panel = form->Find<TspSkinPanel>("spSkinPanel1");
  ASSERT_EQ(panel->Width(), 320);
  ASSERT_EQ(panel->Height(), 60);
  auto* d = dynamic_cast<TspDataSkinPanelControl*>(panel->Descriptor());
  ASSERT_TRUE(d);
  const TRect& f = d->SkinRect;
  const int barRows = d->CaptionRect.Bottom;
  ASSERT_GT(barRows, 0) << "the stored panel has a caption bar at its top";
  // The main window's tool panel has a caption it never shows.
  panel->SetCaption("spSkinPanel1");
  TFaceShot face(*panel);
  EXPECT_EQ(face.At(0, 0), Skin(f.Left, f.Top + barRows)) << "without CaptionMode the bar is left out";
  EXPECT_EQ(face.At(319, 59), Skin(f.Right - 1, f.Bottom - 1));
  EXPECT_EQ(face.At(40, 30), Skin(f.Left + d->ClRect.Left, f.Top + d->ClRect.Top)) << "the middle";
  EXPECT_EQ(face.Count(kSkinTextColour, {0, 0, 320, 60}), 0) << "and so is the caption";
  panel->SetCaptionMode(true);
  TFaceShot captioned(*panel);
  EXPECT_EQ(captioned.At(0, 0), Skin(f.Left, f.Top));
  EXPECT_EQ(captioned.At(319, barRows - 1), Skin(f.Right - 1, f.Top + barRows - 1));
  EXPECT_GT(captioned.Count(kSkinTextColour, {0, 0, 320, barRows}), 0) << "the caption on the bar";
  // Children are placed in the skin's client area, below the bar only when it shows.
  auto* label = form->Find<TspSkinLabel>("spSkinLabel1");
  label->SetAlign(alClient);
  EXPECT_EQ(label->Left(), d->ClRect.Left);
  EXPECT_EQ(label->Top(), d->ClRect.Top);
  EXPECT_EQ(label->Width(), 320 - d->ClRect.Left - (f.Width() - d->ClRect.Right));
  panel->SetCaptionMode(false);
  EXPECT_EQ(label->Top(), d->ClRect.Top - barRows);

  auto* bar = form->Find<TspSkinStatusBar>("AppStatusBar");
  auto* status = form->Find<TspSkinStatusPanel>("spSkinStatusPanel1");
  const TRect& b = bar->Descriptor()->SkinRect;
  EXPECT_EQ(bar->Top(), 200 - 21);
  TFaceShot barFace(*bar);
  EXPECT_EQ(barFace.At(0, 0), Skin(b.Left, b.Top));
  EXPECT_EQ(barFace.At(319, 20), Skin(b.Right - 1, b.Bottom - 1));
  EXPECT_EQ(barFace.At(38, 10), Skin(b.Left + 2, b.Top + 10)) << "the middle repeats from the left end";
  EXPECT_EQ(status->Left(), 2);
  EXPECT_EQ(status->Top(), 2);
  EXPECT_EQ(status->Width(), 316);
  const TRect& sr = status->Descriptor()->SkinRect;
  TFaceShot statusFace(*status);
  EXPECT_EQ(statusFace.At(0, 0), Skin(sr.Left, sr.Top));
  EXPECT_EQ(statusFace.At(315, 18), Skin(sr.Right - 1, sr.Bottom - 1));
  EXPECT_GT(statusFace.Count(5784116, {4, 0, 312, 19}), 0) << "its caption in the skin's colour";
}

TEST_F(StoredSkinControls, LabelTextStandsInTheSkinsClientAreaByAlignment) {
  auto* label = form->Find<TspSkinLabel>("spSkinLabel1");
  ASSERT_EQ(label->Height(), 19) << "the skin's height";
  ASSERT_EQ(label->Width(), 90);
  TFaceShot right(*label);
  EXPECT_EQ(right.At(0, 0), Skin(41, 90));
  EXPECT_EQ(right.At(89, 18), Skin(80, 108));
  EXPECT_EQ(right.Count(kSkinTextColour, {0, 0, 2, 19}) + right.Count(kSkinTextColour, {88, 0, 90, 19}),
            0);
  const int rightStart = right.FirstColumnOf(kSkinTextColour, {2, 0, 88, 19});
  label->SetAlignment(taLeftJustify);
  const int leftStart = TFaceShot(*label).FirstColumnOf(kSkinTextColour, {2, 0, 88, 19});
  ASSERT_GE(leftStart, 2);
  EXPECT_GT(rightStart, leftStart + 30);

  // An erase request from elsewhere than its own paint gets the whole face.
  TBitmap erased;
  erased.SetBitCount(32);
  erased.SetSize(90, 19);
  SendMessageA(label->Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.Canvas()->Handle()), 0);
  EXPECT_EQ(GetPixel(erased.Canvas()->Handle(), 89, 18), Skin(80, 108));

  // A free height: the skin's image is stretched to it and keeps no region.
  label->SetUseSkinSize(false);
  label->SetHeight(40);
  EXPECT_EQ(label->Height(), 40);
  TFaceShot tall(*label);
  EXPECT_EQ(tall.At(0, 0), Skin(41, 90));
  EXPECT_EQ(tall.At(0, 39), Skin(41, 108));
  EXPECT_EQ(tall.At(89, 39), Skin(80, 108));
}

TEST_F(StoredSkinControls, AutoSizeFollowsTheTextUnlessAligned) {
  auto* label = form->Find<TspSkinLabel>("spSkinLabel1");
  label->SetCaption("一段相当长的说明文字");
  label->SetAutoSize(true);
  const int grown = label->Width();
  EXPECT_GT(grown, 90);
  EXPECT_EQ(label->TextWidthExcess(), 0);
  label->SetCaption("短");
  EXPECT_LT(label->Width(), grown) << "it shrinks as well";
  EXPECT_EQ(label->TextWidthExcess(), 0);
  const int shortWidth = label->Width();
  label->SetAlign(alTop);
  const int alignedWidth = label->Width();
  label->SetCaption("一段相当长的说明文字");
  EXPECT_EQ(label->Width(), alignedWidth);
  EXPECT_NE(alignedWidth, shortWidth);
}

TEST_F(StoredSkinControls, ARolledPanelTakesTheRolledHeightOfEachSkin) {
  auto* panel = form->Find<TspSkinPanel>("spSkinPanel1");
  auto* label = form->Find<TspSkinLabel>("spSkinLabel1");
  auto* stored = form->Find<TspCompressedStoredSkin>("spCompressedStoredSkin1");
  auto* data = form->Find<TspSkinData>("spSkinData1");
  const std::vector<uint8_t> storedBytes = stored->CompressedData().Bytes();
  auto* d = dynamic_cast<TspDataSkinPanelControl*>(panel->Descriptor());
  ASSERT_TRUE(d);
  const int rolled = d->SkinRect.Height() - d->ClRect.Height();
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  panel->SetRollUpState(true);
  EXPECT_EQ(panel->Height(), rolled) << "only the skin's caption bar and frame remain";
  EXPECT_EQ(panel->RealHeight(), 60);
  EXPECT_FALSE(label->Visible());

  stored->SetCompressedData(SkinBytes({"[VERSION]", "skinname=empty"}));
  data->ApplyStoredSkin(*stored);
  EXPECT_EQ(panel->Height(), 23) << "the default caption bar and its border";
  EXPECT_EQ(panel->RealHeight(), 60);
  stored->SetCompressedData(storedBytes);
  data->ApplyStoredSkin(*stored);
  EXPECT_EQ(panel->Height(), rolled);

  panel->SetRollUpState(false);
  EXPECT_EQ(panel->Height(), 60);
  EXPECT_TRUE(label->Visible());
}

TEST(SkinPanelResource, TabOrderConstraintsAndAlignAreReadAndKept) {
  TRelayForm form(nullptr);
  ReadComponentText(form, R"(object F: TForm
  ClientWidth = 300
  ClientHeight = 240
  object First: TspSkinPanel
    Align = alTop
    Height = 10
    TabStop = True
    TabOrder = 1
    Constraints.MinHeight = 40
  end
  object Second: TspSkinPanel
    Align = alLeft
    Width = 500
    TabStop = True
    TabOrder = 0
    Constraints.MaxWidth = 90
  end
  object Plain: TspSkinPanel
    Align = alClient
  end
end
)");
  auto* first = static_cast<TspSkinPanel*>(form.FindComponent("First"));
  auto* second = static_cast<TspSkinPanel*>(form.FindComponent("Second"));
  auto* plain = static_cast<TspSkinPanel*>(form.FindComponent("Plain"));
  EXPECT_EQ(first->Height(), 40) << "the minimum height wins over the stored one";
  EXPECT_EQ(first->Width(), 300);
  EXPECT_EQ(second->Top(), 40);
  EXPECT_EQ(second->Width(), 90) << "the maximum width wins over the stored one";
  EXPECT_EQ(plain->Left(), 90);
  EXPECT_EQ(plain->Width(), 210);
  EXPECT_FALSE(plain->TabStop());

  form.Show();
  Pump();
  form.SelectNext(nullptr, true, true);
  EXPECT_EQ(form.ActiveControl(), second) << "tab order 0 comes first";
  form.SelectNext(second, true, true);
  EXPECT_EQ(form.ActiveControl(), first);
  form.SelectNext(first, true, true);
  EXPECT_EQ(form.ActiveControl(), second) << "a panel without TabStop is passed over";

  first->Constraints()->SetMaxHeight(30);
  EXPECT_EQ(first->Constraints()->MinHeight(), 30) << "the limits never cross";
  EXPECT_EQ(first->Height(), 30) << "a new limit applies at once";
  EXPECT_EQ(second->Top(), 30) << "and the panels below follow";
  SetWindowPos(first->Handle(), nullptr, 0, 0, 300, 5, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(first->Height(), 30) << "a size the system imposes keeps the limits too";
}

TEST(SkinPanelResource, APanelDraggedOntoADockSitePanelIsAlignedInItsClientArea) {
  EXPECT_TRUE(SettleCursor({700, 600}));
  TRelayForm form(nullptr);
  ReadComponentText(form, R"(object F: TForm
  Left = 100
  Top = 100
  ClientWidth = 300
  ClientHeight = 240
  object Site: TspSkinPanel
    Align = alTop
    Height = 120
    CaptionMode = True
    DockSite = True
  end
  object Tool: TspSkinPanel
    Left = 200
    Top = 150
    Width = 60
    Height = 50
    Align = alLeft
    DragCursor = crMultiDrag
    DragKind = dkDock
    DragMode = dmAutomatic
  end
end
)");
  auto* site = static_cast<TspSkinPanel*>(form.FindComponent("Site"));
  auto* tool = static_cast<TspSkinPanel*>(form.FindComponent("Tool"));
  EXPECT_EQ(tool->DragCursor(), crMultiDrag);
  EXPECT_TRUE(site->DockSite());
  form.Show();
  Pump();
  EXPECT_EQ(tool->Top(), 120) << "aligned left in the form, below the site";

  PostMessageA(tool->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  Pump();
  EXPECT_TRUE(tool->Dragging());
  PostToCapture(WM_MOUSEMOVE, ScreenPointOf(site, 150, 60));
  EXPECT_EQ(GetCursor(), Screen()->Cursors(crMultiDrag));
  PostToCapture(WM_LBUTTONUP, ScreenPointOf(site, 150, 60));
  ASSERT_EQ(tool->Parent(), site);
  EXPECT_EQ(tool->Left(), 1);
  EXPECT_EQ(tool->Top(), 1 + 22) << "below the caption bar";
  EXPECT_EQ(tool->Height(), 120 - 1 - 22 - 1);
  EXPECT_EQ(tool->Width(), 60);
}

TEST(SkinPanelResource, SkinnedControlsShowTheirPopupMenu) {
  TRelayForm form(nullptr);
  ReadComponentText(form, R"(object F: TForm
  ClientWidth = 300
  ClientHeight = 200
  object Popup1: TPopupMenu
  end
  object Panel: TspSkinPanel
    PopupMenu = Popup1
    object Button: TspSkinButton
      Left = 10
      Top = 10
    end
  end
end
)");
  auto* panel = static_cast<TspSkinPanel*>(form.FindComponent("Panel"));
  auto* button = static_cast<TspSkinButton*>(form.FindComponent("Button"));
  EXPECT_EQ(panel->PopupMenu(), form.FindComponent("Popup1"));
  auto* panelMenu = new TRecordingPopup(&form);
  auto* buttonMenu = new TRecordingPopup(&form);
  panel->SetPopupMenu(panelMenu);
  button->SetPopupMenu(buttonMenu);
  EventLog events;
  button->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&events));
  form.Show();
  Pump();

  // A right click as the system delivers it: the release asks for the context menu.
  PostMessageA(panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(120, 100));
  PostMessageA(panel->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(120, 100));
  Pump();
  ASSERT_EQ(panelMenu->shown.size(), 1u);
  EXPECT_EQ(panelMenu->PopupComponent(), panel);
  PostMessageA(button->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PostMessageA(button->Handle(), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  Pump();
  ASSERT_EQ(buttonMenu->shown.size(), 1u) << "the button's own menu, not the panel's";
  EXPECT_EQ(panelMenu->shown.size(), 1u);
  EXPECT_TRUE(events.entries.empty()) << "the right button does not click";

  // The menu key on the focused button asks at its top-left corner.
  button->SetFocus();
  Pump();
  PostMessageA(button->Handle(), WM_KEYUP, VK_APPS, 0);
  Pump();
  ASSERT_EQ(buttonMenu->shown.size(), 2u);
  POINT corner{0, 0};
  ClientToScreen(button->Handle(), &corner);
  EXPECT_EQ(buttonMenu->shown[1].x, corner.x);
  EXPECT_EQ(buttonMenu->shown[1].y, corner.y);
}

// ---------------------------------------------------------------------------------------
// The default look, and the panel's caption

struct DefaultLook : testing::Test {
  DefaultLook() {
    form.SetClientWidth(300);
    form.SetClientHeight(260);
    form.Show();
    panel = new TspSkinPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 200, 150);
  }
  TRelayForm form{nullptr};
  TspSkinPanel* panel;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
  const COLORREF buttonText = GetSysColor(COLOR_BTNTEXT);
};

TEST_F(DefaultLook, PanelBordersAndCaptionBar) {
  TFaceShot framed(*panel);
  EXPECT_EQ(framed.At(0, 0), shadow);
  EXPECT_EQ(framed.At(199, 149), shadow);
  EXPECT_EQ(framed.At(1, 1), buttonFace);
  panel->SetBorderStyle(TspSkinBorderStyle::bvRaised);
  TFaceShot raised(*panel);
  EXPECT_EQ(raised.At(0, 0), highlight);
  EXPECT_EQ(raised.At(199, 149), shadow);
  EXPECT_EQ(raised.At(0, 149), shadow);

  panel->SetBorderStyle(TspSkinBorderStyle::bvFrame);
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetChecked(true);
  panel->SetRollUpMode(true);
  TFaceShot bar(*panel);
  EXPECT_EQ(bar.At(1, 1), highlight) << "the bar's inner frame";
  EXPECT_EQ(bar.At(198, 20), buttonFace);
  EXPECT_EQ(bar.At(5, 4), shadow) << "the check square";
  EXPECT_GT(bar.Count(buttonText, {6, 5, 18, 17}), 5) << "the tick";
  // Not rolled up: the arrow points up, one pixel on top, seven at the bottom.
  EXPECT_EQ(bar.Count(buttonText, {186, 9, 198, 10}), 1);
  EXPECT_EQ(bar.Count(buttonText, {186, 12, 198, 13}), 7);
  panel->SetChecked(false);
  EXPECT_EQ(TFaceShot(*panel).Count(buttonText, {6, 5, 18, 17}), 0);
}

TEST_F(DefaultLook, ChildrenAreAlignedBelowTheCaptionBar) {
  auto* child = new TspSkinLabel(&form);
  child->SetParent(panel);
  child->SetAlign(alClient);
  EXPECT_EQ(child->Left(), 1);
  EXPECT_EQ(child->Top(), 1);
  panel->SetCaptionMode(true);
  EXPECT_EQ(child->Top(), 1 + 22);
  EXPECT_EQ(child->Height(), 150 - 1 - 22 - 1);
  panel->SetBorderStyle(TspSkinBorderStyle::bvNone);
  EXPECT_EQ(child->Left(), 0);
}

TEST_F(DefaultLook, StatusPanelGlyphFrameFollowsEnabled) {
  auto* status = new TspSkinStatusPanel(&form);
  status->SetParent(&form);
  status->SetBounds(0, 200, 120, 21);
  TBitmap glyph;
  glyph.SetBitCount(24);
  glyph.SetSize(16, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) {
      uint8_t* p = glyph.ScanLine(y) + 3 * x;
      p[0] = 0, p[1] = x < 8 ? 200 : 0, p[2] = x < 8 ? 0 : 200;  // green, then red
    }
  // Each frame's bottom-left pixel is its transparent colour.
  glyph.ScanLine(7)[0] = 7;
  glyph.ScanLine(7)[3 * 8] = 7;
  status->SetGlyph(glyph);
  status->SetNumGlyphs(2);
  TFaceShot enabled(*status);
  EXPECT_EQ(enabled.At(5, 10), RGB(0, 200, 0));
  EXPECT_EQ(enabled.At(3, 13), GetSysColor(COLOR_BTNFACE)) << "transparent";
  status->SetEnabled(false);
  EXPECT_EQ(TFaceShot(*status).At(5, 10), RGB(200, 0, 0));
  EXPECT_EQ(status->TextWidthExcess(), TextWidthIn(*status->DefaultFont(), "") + 4 - 120 + 8 + 3);
}

std::vector<std::string> gEvents;

class TPanelEvents : public TComponent {
public:
  TPanelEvents() : TComponent(nullptr) {}
  void Checked(TObject*) {
    gEvents.push_back("checked");
    if (freeOnChecked) delete std::exchange(freeOnChecked, nullptr);
  }
  void RolledUp(TObject*) { gEvents.push_back("rolled"); }
  TspSkinPanel* freeOnChecked = nullptr;
};

TEST_F(DefaultLook, CaptionClicksCheckAndRollThePanel) {
  gEvents.clear();
  TPanelEvents events;
  auto* first = new TspSkinLabel(&form);
  first->SetParent(panel);
  auto* hidden = new TspSkinLabel(&form);
  hidden->SetParent(panel);
  hidden->Hide();
  panel->SetCaptionMode(true);
  panel->SetRollUpMode(true);
  panel->SetCheckedMode(true);
  panel->SetChecked(false);
  panel->SetOnChecked(TNotifyEvent::Of<&TPanelEvents::Checked>(&events));
  panel->SetOnChangeRollUpState(TNotifyEvent::Of<&TPanelEvents::RolledUp>(&events));
  EXPECT_FALSE(first->Enabled());
  const HWND window = panel->Handle();

  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 100));  // below the caption
  EXPECT_TRUE(gEvents.empty());
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_TRUE(panel->Checked());
  EXPECT_TRUE(first->Enabled());
  EXPECT_TRUE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 23);
  EXPECT_EQ(panel->RealHeight(), 150);
  EXPECT_FALSE(first->Visible());
  TFaceShot rolled(*panel);
  EXPECT_EQ(rolled.Count(GetSysColor(COLOR_BTNTEXT), {186, 10, 198, 11}), 7)
      << "rolled up, the arrow points down";
  EXPECT_EQ(rolled.Count(GetSysColor(COLOR_BTNTEXT), {186, 13, 198, 14}), 1);

  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_FALSE(panel->RollUpState());
  EXPECT_EQ(panel->Height(), 150);
  EXPECT_EQ(panel->RealHeight(), -1);
  EXPECT_TRUE(first->Visible());
  EXPECT_TRUE(hidden->Visible()) << "every child comes back";
  EXPECT_EQ(gEvents, (std::vector<std::string>{"checked", "rolled", "checked", "rolled"}));

  // Without RollUpMode the state cannot be set.
  panel->SetRollUpMode(false);
  panel->SetRollUpState(true);
  EXPECT_FALSE(panel->RollUpState());

  // A handler that frees the panel ends the click there.
  gEvents.clear();
  panel->SetRollUpMode(true);
  events.freeOnChecked = panel;
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(60, 10));
  EXPECT_EQ(gEvents, (std::vector<std::string>{"checked"}));
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tmv
