#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/FormReader.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "labels/RzBlinking.h"
#include "labels/RzLabel.h"
#include "labels/RzRegIniFile.h"
#include "labels/RzRotatedFont.h"
#include "win/framework/TestSupport.h"

namespace tmv {
namespace {

TEST(LabelAngle, AnglesAreKeptInRangeAndTurnTheLabel) {
  TRzLabel label(nullptr);
  EXPECT_EQ(label.Rotation(), roNone);
  label.SetAngle(-90);
  EXPECT_EQ(label.Angle(), 270);
  EXPECT_EQ(label.Rotation(), roFlat);
  label.SetAngle(725);
  EXPECT_EQ(label.Angle(), 5);
  label.SetAngle(-2147483647 - 1);
  EXPECT_EQ(label.Angle(), 232);

  label.SetRotation(roCurve);
  EXPECT_EQ(label.Angle(), 232);  // an arc keeps its starting angle
  label.SetCenterPoint(cpLowerLeft);
  label.SetRotation(roFlat);
  EXPECT_EQ(label.Angle(), 0);
  EXPECT_EQ(label.CenterPoint(), cpCenter);
  label.SetAngle(30);
  label.SetRotation(roNone);
  EXPECT_EQ(label.Angle(), 0);
}

// A stand-in for the font test: this machine's fonts are all TrueType.
bool NamedBitmapFontsOnly(TFont& font) { return font.Name() != "Bitmap Sans"; }

struct BitmapFonts : testing::Test {
  BitmapFonts() : saved(TrueTypeTest()) { TrueTypeTest() = &NamedBitmapFontsOnly; }
  ~BitmapFonts() override { TrueTypeTest() = saved; }
  TTrueTypeTest saved;
};

TEST_F(BitmapFonts, OnlyTrueTypeFontsAreTurned) {
  TRzLabel label(nullptr);
  label.SetAngle(45);
  label.Font()->SetName("Bitmap Sans");
  EXPECT_EQ(label.Angle(), 0);

  // Turning a label with a bitmap font gives it a TrueType one.
  label.SetAngle(90);
  EXPECT_EQ(label.Font()->Name(), "Verdana");
  label.Font()->SetName("Bitmap Sans");
  label.SetRotation(roCurve);
  EXPECT_EQ(label.Font()->Name(), "Verdana");
}

TEST(LabelFonts, TheRealFontTestKnowsTrueTypeFonts) {
  TFont font;
  font.SetName("Verdana");
  EXPECT_TRUE(IsTrueTypeFont(font));
}

TEST(LabelSize, AutomaticSizeCountsBordersShadowAndRotation) {
  TRzLabel plain(nullptr), framed(nullptr);
  for (TRzLabel* l : {&plain, &framed}) {
    l->Font()->SetHeight(-20);
    l->SetCaption("Text");
  }
  const int w = plain.Width(), h = plain.Height();
  ASSERT_GT(w, h);
  framed.SetBorderOuter(fsFlat);
  framed.SetBorderWidth(3);
  framed.SetBorderInner(fsRaised);
  EXPECT_EQ(framed.Width(), w + 2 * (1 + 3 + 2));
  EXPECT_EQ(framed.Height(), h + 2 * (1 + 3 + 2));
  framed.SetBorderSides(sdLeft | sdTop);
  EXPECT_EQ(framed.Width(), w + 6);

  plain.SetTextStyle(tsShadow);
  plain.SetShadowDepth(3);
  EXPECT_EQ(plain.Width(), w + 3);
  EXPECT_EQ(plain.Height(), h + 3);
  plain.SetTextStyle(tsNormal);
  plain.SetAngle(90);
  EXPECT_EQ(plain.Width(), h);
  EXPECT_EQ(plain.Height(), w);

  // A right-aligned label keeps its right edge.
  TRzLabel right(nullptr);
  right.SetAlignment(taRightJustify);
  right.SetBounds(100, 0, 50, 20);
  right.SetCaption("A much longer text");
  EXPECT_EQ(right.Left() + right.Width(), 150);

  right.SetCondenseCaption(ccAtEnd);
  EXPECT_FALSE(right.AutoSize());
}

// ---------------------------------------------------------------------------------------
// Blinking

TEST(LabelBlinking, LabelsBlinkInStepFromOneList) {
  ASSERT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
  {
    TRzLabel a(nullptr), b(nullptr), still(nullptr);
    TRzBlinkingControlsList* list = TRzBlinkingControlsList::Instance();
    ASSERT_NE(list, nullptr);
    for (TRzLabel* l : {&a, &b, &still}) l->Font()->SetColor(clBlack);
    a.SetBlinking(true);
    b.SetBlinking(true);
    a.SetBlinkColor(clRed);
    b.SetBlinkColor(clLime);

    a.SetBlinkIntervalOn(300);
    EXPECT_EQ(b.BlinkIntervalOn(), 300);
    b.SetBlinkIntervalOff(700);
    EXPECT_EQ(a.BlinkIntervalOff(), 700);

    EXPECT_EQ(list->Phase(), 1);
    list->Tick();
    EXPECT_EQ(list->TimerInterval(), 700u);
    EXPECT_EQ(a.DrawColor(), clBlack);
    list->Tick();
    EXPECT_EQ(list->TimerInterval(), 300u);
    EXPECT_EQ(a.DrawColor(), clRed);
    EXPECT_EQ(b.DrawColor(), clLime);
    EXPECT_EQ(still.DrawColor(), clBlack);

    // Stopping shows the font colour at once, whatever the phase.
    a.SetBlinking(false);
    EXPECT_EQ(a.DrawColor(), clBlack);
    list->Tick();
    list->Tick();
    EXPECT_EQ(a.DrawColor(), clBlack);
    EXPECT_EQ(b.DrawColor(), clLime);
  }
  EXPECT_EQ(TRzBlinkingControlsList::Instance(), nullptr);
}

TEST(LabelBlinking, TheTimerRunsTheTicks) {
  TForm form(nullptr);
  auto* label = new TRzLabel(&form);
  label->SetParent(&form);
  label->SetBlinking(true);
  label->SetBlinkColor(clRed);
  label->SetBlinkIntervalOn(20);
  label->SetBlinkIntervalOff(20);
  TRzBlinkingControlsList::Instance()->Tick();  // takes up the short intervals
  std::vector<TColor> seen;
  const DWORD deadline = GetTickCount() + 3000;
  while (GetTickCount() < deadline && seen.size() < 3) {
    Pump();
    if (seen.empty() || seen.back() != label->DrawColor()) seen.push_back(label->DrawColor());
    Sleep(5);
  }
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen[0], seen[2]);
  EXPECT_NE(seen[0], seen[1]);
}

// ---------------------------------------------------------------------------------------
// Fly-by colour

class MouseLog : public TComponent {
public:
  MouseLog() : TComponent(nullptr) {}
  void Entered(TObject* sender) { colours.push_back(static_cast<TRzLabel*>(sender)->Font()->Color()); }
  void Left(TObject* sender) { colours.push_back(static_cast<TRzLabel*>(sender)->Font()->Color()); }
  std::vector<TColor> colours;
};

struct FlyBy : testing::Test {
  FlyBy() {
    label.Font()->SetColor(clBlue);
    label.SetFlyByColor(clRed);
    label.SetFlyByEnabled(true);
    label.SetOnMouseEnter(TNotifyEvent::Of<&MouseLog::Entered>(&log));
    label.SetOnMouseLeave(TNotifyEvent::Of<&MouseLog::Left>(&log));
  }
  MouseLog log;
  TRzLabel label{nullptr};
};

TEST_F(FlyBy, TheMouseBringsTheFlyByColourAndTakesItAway) {
  label.Perform(CM_MOUSEENTER);
  EXPECT_EQ(label.DrawColor(), clRed);
  label.Perform(CM_MOUSEENTER);  // a second entry does not save the fly-by colour
  label.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(label.Font()->Color(), clBlue);
  EXPECT_EQ(label.DrawColor(), clBlue);
  // The events come after the change.
  EXPECT_EQ(log.colours, (std::vector<TColor>{clRed, clRed, clBlue}));

  label.SetFlyByEnabled(false);
  label.Perform(CM_MOUSEENTER);
  EXPECT_EQ(label.DrawColor(), clBlue);
  EXPECT_EQ(log.colours.size(), 4u);
}

TEST_F(FlyBy, AColourChosenUnderTheMouseIsTheOneRestored) {
  label.Perform(CM_MOUSEENTER);
  label.Font()->SetColor(clGreen);
  EXPECT_EQ(label.DrawColor(), clRed);
  label.Perform(CM_MOUSELEAVE);
  EXPECT_EQ(label.Font()->Color(), clGreen);
  EXPECT_EQ(label.DrawColor(), clGreen);

  label.Perform(CM_MOUSEENTER);
  label.SetFlyByEnabled(false);
  EXPECT_EQ(label.Font()->Color(), clGreen);
}

// ---------------------------------------------------------------------------------------
// Frame controller

struct Controller : testing::Test {
  Controller() {
    controller = new TRzFrameController(&form);
    label = new TRzLabel(&form);
    panel = new TPanel(&form);
    controller->SetFrameVisible(true);
    controller->SetFrameColor(clRed);
    controller->SetFrameStyle(fsStatus);
  }
  TForm form{nullptr};
  TRzFrameController* controller;
  TRzLabel* label;
  TPanel* panel;
};

TEST_F(Controller, RegisteringHandsOverEverySetting) {
  controller->SetColor(clYellow);
  label->SetFrameController(controller);
  controller->AddControl(panel);
  controller->AddControl(panel);
  EXPECT_EQ(controller->ControlCount(), 2);
  EXPECT_EQ(label->BorderOuter(), fsStatus);
  EXPECT_EQ(label->FlatColor(), clRed);
  EXPECT_EQ(label->FlatColorAdjustment(), 0);
  EXPECT_EQ(label->Color(), clYellow);
  EXPECT_FALSE(label->ParentColor());
  EXPECT_EQ(label->BorderHighlight(), LightenColor(clYellow, 100));
  EXPECT_EQ(label->BorderShadow(), DarkenColor(clYellow, 50));
  // Other controls take what they publish.
  EXPECT_EQ(panel->Color(), clYellow);

  controller->SetFrameSides(sdTop);
  EXPECT_EQ(label->BorderSides(), static_cast<TSides>(sdTop));
  controller->SetColor(clAqua);
  EXPECT_EQ(panel->Color(), clAqua);
  EXPECT_EQ(controller->FocusColor(), clAqua);  // it followed the colour it equalled
}

TEST_F(Controller, NotificationsLimitWhatALabelTakes) {
  label->SetColor(clWhite);
  label->SetFrameControllerNotifications(fcnAll & ~(1u << fcpColor) & ~(1u << fcpFrameStyle));
  label->SetFrameController(controller);
  EXPECT_EQ(label->Color(), clWhite);
  EXPECT_EQ(label->BorderOuter(), fsNone);
  EXPECT_EQ(label->FlatColor(), clRed);
}

TEST_F(Controller, UpdatesHoldChangesUntilARefreshIsAsked) {
  label->SetFrameController(controller);
  controller->BeginUpdate();
  controller->BeginUpdate();
  controller->SetFrameStyle(fsGroove);
  controller->SetFrameColor(clBlue);
  controller->EndUpdate();
  EXPECT_EQ(controller->UpdateCount(), 1);
  EXPECT_EQ(label->BorderOuter(), fsStatus);
  controller->EndUpdate();
  EXPECT_EQ(label->BorderOuter(), fsStatus);
  controller->EndUpdate();
  EXPECT_EQ(controller->UpdateCount(), 0);
  controller->UpdateControls(fcpFrameStyle);
  EXPECT_EQ(label->BorderOuter(), fsGroove);
  EXPECT_EQ(label->FlatColor(), clRed);
  controller->UpdateControls(fcpAll);
  EXPECT_EQ(label->FlatColor(), clBlue);

  TRzFrameController copy(nullptr);
  copy.SetFrameStyle(fsButtonUp);
  copy.SetFrameVisible(true);
  controller->Assign(copy);
  EXPECT_EQ(label->BorderOuter(), fsButtonUp);
  EXPECT_EQ(controller->FrameColor(), clBtnShadow);
}

TEST_F(Controller, EitherSideMayGoFirst) {
  label->SetFrameController(controller);
  delete label;
  EXPECT_EQ(controller->ControlCount(), 0);
  auto* other = new TRzLabel(&form);
  other->SetFrameController(controller);
  delete controller;
  EXPECT_EQ(other->FrameController(), nullptr);
}

TEST(ControllerResource, OlderSettingsAndLabelsAreRead) {
  TForm form(nullptr);
  ReadComponentText(form,
                    "object Form1: TForm\n"
                    "  object Frames: TRzFrameController\n"
                    "    FrameFlat = True\n"
                    "    FrameFlatStyle = fsButtonUp\n"
                    "    FrameVisible = True\n"
                    "    RegIniFile = Store\n"
                    "  end\n"
                    "  object Store: TRzRegIniFile\n"
                    "    Path = \"Software\\TalvexMorvane\"\n"
                    "    PathType = ptRegistry\n"
                    "    RegAccess = [keyRead]\n"
                    "  end\n"
                    "  object Turned: TRzLabel\n"
                    "    Angle = -90\n"
                    "    FrameSides = [sdLeft]\n"
                    "    FrameController = Frames\n"
                    "  end\n"
                    "  object Arc: TRzLabel\n"
                    "    Angle = 30\n"
                    "    Rotation = roCurve\n"
                    "    Font.Color = clMaroon\n"
                    "  end\n"
                    "end\n");
  auto* frames = static_cast<TRzFrameController*>(form.FindComponent("Frames"));
  EXPECT_TRUE(frames->FrameHotTrack());
  EXPECT_EQ(frames->FrameStyle(), fsStatus);
  EXPECT_EQ(frames->FrameHotStyle(), fsLowered);
  auto* store = static_cast<TRzRegIniFile*>(form.FindComponent("Store"));
  EXPECT_EQ(frames->RegIniFile(), store);
  EXPECT_EQ(store->RegAccess(), static_cast<TRzRegAccess>(keyRead));
  EXPECT_EQ(RegAccessRights(store->RegAccess()), static_cast<REGSAM>(KEY_READ));

  auto* turned = static_cast<TRzLabel*>(form.FindComponent("Turned"));
  EXPECT_EQ(turned->Angle(), 270);
  EXPECT_EQ(turned->Rotation(), roFlat);
  EXPECT_EQ(turned->BorderOuter(), fsStatus);
  auto* arc = static_cast<TRzLabel*>(form.FindComponent("Arc"));
  EXPECT_EQ(arc->Rotation(), roCurve);
  EXPECT_EQ(arc->Angle(), 30);  // the rotation read after it did not reset it
  EXPECT_EQ(arc->DrawColor(), clMaroon);
}

TEST(SettingsStore, ChangesMarkTheStoreForReopening) {
  TRzRegIniFile store(nullptr);
  EXPECT_EQ(store.PathType(), ptIniFile);
  EXPECT_EQ(store.RegKey(), hkeyCurrentUser);
  EXPECT_EQ(store.RegAccess(), static_cast<TRzRegAccess>(keyAllAccess));
  store.SetPath(TM_BUILD_DIR "/no-such-settings.ini");
  EXPECT_FALSE(store.IniFile().SectionExists("x"));
  EXPECT_FALSE(store.ReopenPending());
  store.SetPath(TM_BUILD_DIR "/no-such-settings.ini");
  EXPECT_FALSE(store.ReopenPending());

  store.SetPathType(ptRegistry);
  store.SetPath("Software\\Wine");
  EXPECT_TRUE(store.ReopenPending());
  EXPECT_NE(store.RegistryKey(), nullptr);
  store.SetPath("Software\\No Such Key Of TalvexMorvane");
  EXPECT_EQ(store.RegistryKey(), nullptr);
}

}  // namespace
}  // namespace tmv
