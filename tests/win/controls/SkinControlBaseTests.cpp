#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SkinControlsTestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinButtonDescriptors.h"
#include "skin/data/SkinPanelDescriptors.h"

namespace tmv {
namespace {

// Three panels of a skin made in memory: a nine-part one with a mask whose corners are cut,
// a bar that keeps its height, and a stamp of fixed size.
std::vector<uint8_t> ShapedSkin() {
  std::vector<std::unique_ptr<TBitmap>> pictures;
  pictures.push_back(PlacePicture(32, 32));
  pictures.push_back(CornerMask(20, 20));
  pictures.push_back(CornerMask(20, 10));
  return SkinBytes({"[SKINCONTROLS]", "count=7", "0=round:panel", "1=bar:panel", "2=stamp:panel",
                    "3=beyond:panel", "4=missing:panel", "5=tiled:panel", "6=captioned:panel",
                    "[tiled]", "pictureindex=0", "bgpictureindex=0", "skinrect=0,0,20,20",
                    "rightbottompoint=16,16", "clientrect=4,4,16,16",
                    "[captioned]", "pictureindex=0", "skinrect=0,0,20,20", "lefttoppoint=4,4",
                    "righttoppoint=16,4", "leftbottompoint=4,16", "rightbottompoint=16,16",
                    "clientrect=4,4,16,16", "captionrect=2,2,18,12", "alignment=taleftjustify",
                    "fontcolor=255", "checkimagerect=0,0,6,6", "uncheckimagerect=40,40,50,50",
                    "[round]", "pictureindex=0", "maskpictureindex=1", "skinrect=0,0,20,20",
                    "lefttoppoint=4,4", "righttoppoint=16,4", "leftbottompoint=4,16",
                    "rightbottompoint=16,16", "clientrect=4,4,16,16",
                    "[bar]", "pictureindex=0", "maskpictureindex=2", "skinrect=0,0,20,10",
                    "lefttoppoint=4,0", "righttoppoint=16,0", "clientrect=4,0,16,10",
                    "[stamp]", "pictureindex=0", "maskpictureindex=1", "skinrect=0,0,20,20",
                    "cursorindex=2",
                    "[beyond]", "pictureindex=0", "skinrect=10,10,40,40",
                    "[missing]", "pictureindex=5", "maskpictureindex=9", "skinrect=0,0,20,20",
                    "captionrect=2,2,18,12"},
                   std::move(pictures));
}

struct SkinControlBase : testing::Test {
  SkinControlBase() {
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.Show();
  }
  TspSkinPanel* NewPanel(const std::string& name, TspSkinData* data) {
    auto* panel = new TspSkinPanel(&form);
    panel->SetSkinDataName(name);
    panel->SetParent(&form);
    panel->SetSkinData(data);
    return panel;
  }
  static bool Inside(TWinControl& c, int x, int y) {
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(c.Handle(), region.Get()) == ERROR) return true;  // no region: all of it
    return PtInRegion(region.Get(), x, y) != 0;
  }
  TRelayForm form{nullptr};
  TSkinSource skin;
};

TEST_F(SkinControlBase, WithoutADescriptorTheDefaultLookAndSizeApply) {
  skin.Load(StoredSkinBytes());
  auto* panel = new TspSkinPanel(&form);
  panel->SetParent(&form);
  panel->SetSkinDataName("nosuch");
  panel->SetDefaultWidth(77);
  panel->SetDefaultHeight(33);
  panel->SetBounds(0, 0, 120, 90);
  panel->SetSkinData(skin.data);
  EXPECT_EQ(panel->SkinIndex(), -1);
  EXPECT_EQ(panel->Width(), 77);
  EXPECT_EQ(panel->Height(), 33);
  TFaceShot plain(*panel);
  EXPECT_EQ(plain.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(plain.At(5, 5), GetSysColor(COLOR_BTNFACE));
  panel->SetDrawDefault(false);
  EXPECT_EQ(TFaceShot(*panel).At(5, 5), RGB(0, 0, 0)) << "nothing drawn";

  // A new name takes effect at the next paint; the size waits for the next skin change.
  panel->SetSkinDataName("panel");
  TBitmap& controls = *skin.data->ActivePictures[1];
  EXPECT_EQ(TFaceShot(*panel).At(0, 0), PictureAt(controls, 145, 48));
  EXPECT_EQ(panel->Width(), 77);
  EXPECT_NE(panel->SkinIndex(), -1);
}

TEST_F(SkinControlBase, SizeAndWindowRegionFollowTheSkinAtEverySize) {
  skin.Load(ShapedSkin());
  TspSkinPanel* round = NewPanel("round", skin.data);
  for (auto [w, h] : {std::pair{30, 25}, std::pair{57, 41}, std::pair{100, 80}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    const HRGN before = round->SkinRegion();
    round->SetBounds(5, 5, w, h);
    ASSERT_EQ(round->Width(), w);
    ASSERT_EQ(round->Height(), h);
    EXPECT_NE(round->SkinRegion(), nullptr);
    // The replaced region was the window's to free, and it did.
    if (before) {
      EXPECT_EQ(GetObjectType(before), 0u);
    }
    for (auto [x, y] : {std::pair{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w, h / 2}})
      EXPECT_FALSE(Inside(*round, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{1, 0}, {w / 2, h / 2}, {w - 2, h - 1}, {w - 1, h / 2}})
      EXPECT_TRUE(Inside(*round, x, y)) << x << "," << y;
  }
  // Regions handed to the window are neither leaked nor freed twice.
  const TGuiObjects before = CountGuiObjects();
  for (int i = 0; i < 50; ++i) round->SetBounds(5, 5, 40 + i, 30 + i % 7);
  skin.Load(ShapedSkin());
  EXPECT_EQ(CountGuiObjects(), before);

  round->SetBounds(5, 5, 57, 41);
  TFaceShot face(*round);
  EXPECT_EQ(face.At(0, 0), PlaceColour(0, 0));
  EXPECT_EQ(face.At(56, 40), PlaceColour(19, 19));
  EXPECT_EQ(face.At(4, 4), PlaceColour(4, 4));
  EXPECT_EQ(face.At(16, 4), PlaceColour(4, 4)) << "the centre repeats every 12 pixels";
  EXPECT_EQ(face.At(45, 30), PlaceColour(9, 6));

  TspSkinPanel* bar = NewPanel("bar", skin.data);
  bar->SetBounds(0, 100, 70, 40);
  EXPECT_EQ(bar->Width(), 70);
  EXPECT_EQ(bar->Height(), 10) << "the bar keeps the skin's height";
  EXPECT_FALSE(Inside(*bar, 69, 9));
  EXPECT_TRUE(Inside(*bar, 35, 5));

  TspSkinPanel* stamp = NewPanel("stamp", skin.data);
  EXPECT_EQ(stamp->SkinCursor(), -1) << "skin cursors only when asked for";
  stamp->SetUseSkinCursor(true);
  stamp->ApplySkinChange();
  EXPECT_EQ(stamp->SkinCursor(), skin.data->StartCursorIndex + 2);
  stamp->SetBounds(0, 150, 90, 70);
  EXPECT_EQ(stamp->Width(), 20);
  EXPECT_EQ(stamp->Height(), 20);
  EXPECT_FALSE(Inside(*stamp, 19, 0));
  EXPECT_TRUE(Inside(*stamp, 18, 0));

  // Without a skin the region goes.
  skin.Load(SkinBytes({"[VERSION]", "skinname=empty"}));
  EXPECT_EQ(round->SkinRegion(), nullptr);
  EXPECT_TRUE(Inside(*round, 0, 0));
}

TEST_F(SkinControlBase, ASkinNamingWhatItsPictureLacksDrawsOnlyWhatExists) {
  skin.Load(ShapedSkin());
  // The face reaches 8 pixels past the 32-pixel picture on each axis.
  TspSkinPanel* beyond = NewPanel("beyond", skin.data);
  beyond->SetBorderStyle(TspSkinBorderStyle::bvNone);
  ASSERT_EQ(beyond->Width(), 30);
  TFaceShot face(*beyond);
  EXPECT_EQ(face.At(0, 0), PlaceColour(10, 10));
  EXPECT_EQ(face.At(21, 21), PlaceColour(31, 31));
  EXPECT_EQ(face.At(22, 5), RGB(0, 0, 0));
  EXPECT_EQ(face.At(29, 29), RGB(0, 0, 0));

  // Picture and mask numbers the skin does not have: the default face, no region.
  TspSkinPanel* missing = NewPanel("missing", skin.data);
  missing->SetCaption("x");
  missing->SetCheckedMode(true);
  EXPECT_NE(missing->SkinIndex(), -1);
  EXPECT_EQ(missing->SkinPicture(), nullptr);
  EXPECT_EQ(missing->SkinRegion(), nullptr);
  EXPECT_EQ(TFaceShot(*missing).At(6, 6), GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinControlBase, BackgroundPicturesAndTheClientAreaTileOverTheWholePanel) {
  skin.Load(ShapedSkin());
  TspSkinPanel* tiled = NewPanel("tiled", skin.data);
  tiled->SetBounds(0, 0, 70, 40);
  TFaceShot background(*tiled);
  EXPECT_EQ(background.At(0, 0), PlaceColour(0, 0));
  EXPECT_EQ(background.At(33, 5), PlaceColour(1, 5));
  EXPECT_EQ(background.At(69, 39), PlaceColour(5, 7));

  // Borderless and without a caption only the skin's client area is shown.
  TspSkinPanel* round = NewPanel("round", skin.data);
  round->SetBorderStyle(TspSkinBorderStyle::bvNone);
  round->SetBounds(0, 0, 30, 30);
  TFaceShot client(*round);
  EXPECT_EQ(client.At(0, 0), PlaceColour(4, 4));
  EXPECT_EQ(client.At(12, 13), PlaceColour(4, 5));
  auto* child = new TspSkinLabel(&form);
  child->SetParent(round);
  child->SetAlign(alClient);
  EXPECT_EQ(child->Left(), 0);
  round->SetBorderStyle(TspSkinBorderStyle::bvFrame);
  round->Realign();
  EXPECT_EQ(child->Left(), 4) << "framed, children stand in the skin's client area";
}

TEST_F(SkinControlBase, TheSkinnedCaptionDrawsTheMarkThePictureHas) {
  skin.Load(ShapedSkin());
  TspSkinPanel* panel = NewPanel("captioned", skin.data);
  panel->SetBounds(0, 0, 60, 40);
  panel->SetCaption("W");
  panel->SetCaptionMode(true);
  panel->SetCheckedMode(true);
  panel->SetChecked(true);
  const COLORREF red = RGB(255, 0, 0);
  TFaceShot checked(*panel);
  EXPECT_EQ(panel->SizedCaptionRect(), (TRect{2, 2, 18, 12}));
  EXPECT_EQ(checked.At(3, 5), PlaceColour(1, 1)) << "the mark, centred in the caption";
  EXPECT_GE(checked.FirstColumnOf(red, {0, 0, 60, 40}), 10) << "the text right of the mark";
  EXPECT_EQ(checked.Count(red, {18, 0, 60, 40}), 0) << "clipped to the caption";

  // The unchecked mark lies beyond the picture: nothing of it is drawn.
  panel->SetChecked(false);
  TFaceShot unchecked(*panel);
  EXPECT_EQ(unchecked.At(3, 5), PlaceColour(3, 5));
  EXPECT_EQ(unchecked.Count(red, {0, 0, 14, 40}), 0);
}

TEST_F(SkinControlBase, AlphaBlendMixesTheFaceWithWhatLiesBehind) {
  auto* back = new TPanel(&form);
  back->SetBevelOuter(bvNone);
  back->SetShowCaption(false);
  back->SetColor(clRed);
  back->SetBounds(0, 0, 200, 100);
  back->SetParent(&form);
  auto* label = new TspSkinLabel(&form);
  label->SetBounds(20, 20, 60, 30);
  label->SetParent(back);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  auto mixed = [&](int value) {
    const double k = 1.0 - value / 255.0;
    auto channel = [&](int f, int b) { return static_cast<int>(std::nearbyint(f * (1 - k) + b * k)); };
    return RGB(channel(GetRValue(face), 255), channel(GetGValue(face), 0), channel(GetBValue(face), 0));
  };
  label->SetAlphaBlend(true);
  for (int value : {255, 0, 200}) {
    label->SetAlphaBlendValue(static_cast<uint8_t>(value));
    EXPECT_EQ(TFaceShot(*label).At(30, 15), mixed(value)) << value;
  }
  EXPECT_EQ(mixed(0), RGB(255, 0, 0));

  // Moving shows another background: the face is painted again.
  Pump();
  ValidateRect(label->Handle(), nullptr);
  label->SetLeft(25);
  EXPECT_TRUE(GetUpdateRect(label->Handle(), nullptr, FALSE));
  label->SetAlphaBlend(false);
  Pump();
  label->SetLeft(30);
  EXPECT_FALSE(GetUpdateRect(label->Handle(), nullptr, FALSE)) << "an opaque one needs no repaint";
}

// Cursor 0 is good; 1 names no picture, 2 has its hot spot outside its picture, 3 is too
// large and 4 is no entry at all: those numbers keep the normal cursor.
TEST_F(SkinControlBase, SkinCursorsAreRegisteredAndShownOverControlsThatAskForThem) {
  std::vector<std::unique_ptr<TBitmap>> pictures;
  pictures.push_back(PlacePicture(16, 16));
  pictures.push_back(PlacePicture(300, 4));
  skin.Load(SkinBytes({"[CURSORS]", "cursorscount=6", "0=0:3,4", "1=9:0,0", "2=0:16,2", "3=1:0,0",
                       "4=broken", "5=0:0,0", "[SKINCONTROLS]", "count=3", "0=hand:panel",
                       "1=lost:panel", "2=plain:panel", "[hand]", "skinrect=0,0,20,20",
                       "cursorindex=0", "[lost]", "skinrect=0,0,20,20", "cursorindex=2",
                       "[plain]", "skinrect=0,0,20,20"},
                      std::move(pictures)));
  const TCursor first = skin.data->StartCursorIndex;
  EXPECT_TRUE(Screen()->CursorRegistered(first));
  for (int i : {1, 2, 3, 4}) EXPECT_FALSE(Screen()->CursorRegistered(first + i)) << i;
  EXPECT_TRUE(Screen()->CursorRegistered(first + 5)) << "a broken entry keeps the later numbers";
  const HCURSOR cursor = Screen()->Cursors(first);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(cursor, &info));
  UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 3u);
  EXPECT_EQ(info.yHotspot, 4u);

  TspSkinPanel* hand = NewPanel("hand", nullptr);
  TspSkinPanel* lost = NewPanel("lost", nullptr);
  TspSkinPanel* plain = NewPanel("plain", nullptr);
  TspSkinPanel* unasked = NewPanel("hand", skin.data);
  for (TspSkinPanel* p : {hand, lost, plain}) {
    p->SetUseSkinCursor(true);
    p->SetSkinData(skin.data);
  }
  EXPECT_EQ(hand->Cursor(), first);
  EXPECT_EQ(lost->Cursor(), crDefault) << "a cursor the skin could not make";
  EXPECT_EQ(plain->Cursor(), crDefault);
  EXPECT_EQ(unasked->Cursor(), crDefault) << "skin cursors only when asked for";
  SetCursor(LoadCursor(nullptr, IDC_ARROW));
  hand->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(hand->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), cursor) << "shown over the control";

  skin.Load(SkinBytes({"[SKINCONTROLS]", "count=1", "0=hand:panel", "[hand]", "skinrect=0,0,20,20",
                       "cursorindex=0"}));
  EXPECT_FALSE(Screen()->CursorRegistered(first)) << "a skin without cursors has none";
  EXPECT_FALSE(GetIconInfo(cursor, &info)) << "the old skin's cursor was freed";
  EXPECT_EQ(hand->Cursor(), crDefault);
}

TEST_F(SkinControlBase, MouseEnteringAndLeavingAreAnnounced) {
  auto* panel = new TspSkinPanel(&form);
  panel->SetParent(&form);
  EventLog log;
  panel->SetName("entered");
  panel->SetOnMouseEnter(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  panel->Perform(CM_MOUSEENTER);
  panel->SetName("left");
  panel->SetOnMouseLeave(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  panel->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(log.entries, (std::vector<std::string>{"click entered", "click left"}));
}

TEST_F(SkinControlBase, AFreedRegistryIsForgotten) {
  skin.Load(ShapedSkin());
  TspSkinPanel* round = NewPanel("round", skin.data);
  ASSERT_NE(round->SkinPicture(), nullptr);
  delete skin.data;
  EXPECT_EQ(round->SkinData(), nullptr);
  EXPECT_EQ(round->SkinPicture(), nullptr);
  EXPECT_EQ(TFaceShot(*round).At(6, 6), GetSysColor(COLOR_BTNFACE));
}

// ---------------------------------------------------------------------------------------
// Skin changes

std::vector<std::string> gChanges;

class TLoggingLabel : public TspSkinLabel {
public:
  using TspSkinLabel::TspSkinLabel;
  ~TLoggingLabel() override { gChanges.push_back("freed " + Name()); }
  void ApplySkinChange() override {
    gChanges.push_back("apply " + Name());
    TspSkinLabel::ApplySkinChange();
  }
};

// Frees another control while it follows the change, as an event handler might.
class TFreeingPanel : public TspSkinPanel {
public:
  using TspSkinPanel::TspSkinPanel;
  void ApplySkinChange() override {
    gChanges.push_back("apply " + Name());
    delete victim;
    victim = nullptr;
    TspSkinPanel::ApplySkinChange();
  }
  TControl* victim = nullptr;
};

TEST_F(SkinControlBase, AControlFreedWhileTheChangeRunsIsNotTouchedAgain) {
  gChanges.clear();
  auto* freeing = new TFreeingPanel(&form);
  freeing->SetName("freeing");
  freeing->SetParent(&form);
  auto* victim = new TLoggingLabel(&form);
  victim->SetName("victim");
  victim->SetParent(&form);
  auto* last = new TLoggingLabel(&form);
  last->SetName("last");
  last->SetParent(&form);
  freeing->victim = victim;
  for (TspSkinControl* c : std::vector<TspSkinControl*>{freeing, victim, last}) c->SetSkinData(skin.data);
  skin.Load(StoredSkinBytes());
  EXPECT_EQ(gChanges, (std::vector<std::string>{"apply freeing", "freed victim", "apply last"}));
  EXPECT_NE(last->SkinIndex(), -1);
}

TEST(SkinChange, StoredThenEmptyThenStoredEveryControlFollows) {
  TSkinControlsForm form(nullptr);
  form.SetClientWidth(320);
  form.SetClientHeight(200);
  auto* stored = form.Find<TspCompressedStoredSkin>("spCompressedStoredSkin1");
  auto* data = form.Find<TspSkinData>("spSkinData1");
  auto* panel = form.Find<TspSkinPanel>("spSkinPanel1");
  auto* bar = form.Find<TspSkinStatusBar>("AppStatusBar");
  auto* status = form.Find<TspSkinStatusPanel>("spSkinStatusPanel1");
  auto* label = form.Find<TspSkinLabel>("spSkinLabel1");
  auto* button = form.Find<TspSkinButton>("BTNSelFile");
  ASSERT_TRUE(stored && data && panel && bar && status && label && button);
  const std::vector<TspSkinCustomControl*> all{panel, bar, status, label, button};
  const std::vector<uint8_t> storedBytes = stored->CompressedData().Bytes();

  auto expectSkinned = [&](const char* step) {
    SCOPED_TRACE(step);
    for (auto* c : all) EXPECT_NE(c->SkinIndex(), -1) << c->Name();
    EXPECT_EQ(bar->Height(), 21);
    EXPECT_EQ(status->Height(), 19);
    EXPECT_EQ(label->Height(), 19);
    TBitmap& controls = *data->ActivePictures[1];
    auto corner = [&](TspSkinCustomControl& c, int rowsLeftOut) {
      return PictureAt(controls, c.FaceRect().Left, c.FaceRect().Top + rowsLeftOut);
    };
    const int captionRows =
        dynamic_cast<TspDataSkinPanelControl&>(*panel->Descriptor()).CaptionRect.Bottom;
    EXPECT_EQ(TFaceShot(*panel).At(0, 0), corner(*panel, captionRows)) << "no caption bar";
    for (TspSkinCustomControl* c : std::vector<TspSkinCustomControl*>{bar, status, label})
      EXPECT_EQ(TFaceShot(*c).At(0, 0), corner(*c, 0)) << c->Name();
    const TRect face = button->FaceRect();
    EXPECT_EQ(TFaceShot(*button).At(0, 0),
              PictureAt(*data->ActivePictures.at(
                            dynamic_cast<TspDataSkinButtonControl&>(*button->Descriptor()).PictureIndex),
                        face.Left, face.Top));
  };
  expectSkinned("stored");

  stored->SetCompressedData(SkinBytes({"[VERSION]", "skinname=empty"}));
  data->ApplyStoredSkin(*stored);
  for (auto* c : all) EXPECT_EQ(c->SkinIndex(), -1) << c->Name();
  EXPECT_EQ(bar->Height(), 21) << "DefaultHeight";
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(TFaceShot(*panel).At(0, 0), shadow);
  EXPECT_EQ(TFaceShot(*status).At(0, 0), shadow);
  EXPECT_EQ(TFaceShot(*label).At(0, 0), shadow);
  EXPECT_EQ(TFaceShot(*button).At(0, 0), shadow);
  EXPECT_EQ(TFaceShot(*button).At(3, 3), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(TFaceShot(*bar).At(0, 0), GetSysColor(COLOR_BTNFACE)) << "borderless";

  stored->SetCompressedData(storedBytes);
  data->ApplyStoredSkin(*stored);
  expectSkinned("stored again");
}

TEST(SkinChange, AHundredChangesLeaveNoObjectBehind) {
  TSkinControlsForm form(nullptr);
  form.Show();
  auto* stored = form.Find<TspCompressedStoredSkin>("spCompressedStoredSkin1");
  auto* data = form.Find<TspSkinData>("spSkinData1");
  const std::vector<uint8_t> storedBytes = stored->CompressedData().Bytes();
  const std::vector<uint8_t> emptyBytes = SkinBytes({"[VERSION]", "skinname=empty"});
  auto change = [&](int i) {
    stored->SetCompressedData(i % 2 ? emptyBytes : storedBytes);
    data->ApplyStoredSkin(*stored);
    Pump();
  };
  change(0);
  const TGuiObjects before = CountGuiObjects();
  for (int i = 1; i <= 100; ++i) change(i);
  const TGuiObjects after = CountGuiObjects();
  EXPECT_EQ(before.Gdi, after.Gdi);
  EXPECT_EQ(before.User, after.User);
  EXPECT_NE(before.Gdi, 0);
  EXPECT_NE(before.User, 0);
  std::printf("Around 100 skin changes: %s %ld -> %ld, USER objects %ld -> %ld\n",
              before.Gdi < 0 ? "free GDI handle slots" : "GDI objects", std::labs(before.Gdi),
              std::labs(after.Gdi), before.User, after.User);
}

}  // namespace
}  // namespace tmv
