#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "SkinControlsTestSupport.h"
#include "skin/controls/SkinCheckRadioBox.h"

namespace tmv {
namespace {

// Clicks are posted and pumped as the system would deliver them.
void PostClick(TWinControl& c, int downX, int downY, int upX, int upY) {
  PostMessageA(c.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(downX, downY));
  PostMessageA(c.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(upX, upY));
  Pump();
}

void PostKey(TWinControl& c, WORD key) {
  PostMessageA(c.Handle(), WM_KEYDOWN, key, 1);
  PostMessageA(c.Handle(), WM_KEYUP, key, 0xC0000001);
  Pump();
}

// Keeps the clicks in order; a handler may free a box, as a program's handler can.
class TBoxEvents : public EventLog {
public:
  void ClickedAndFree(TObject* sender) {
    Clicked(sender);
    delete std::exchange(freeOnClick, nullptr);
  }
  TComponent* freeOnClick = nullptr;
};

// ---------------------------------------------------------------------------------------
// Behaviour: boxes with no skin, on a panel of a shown form.

struct CheckRadioBehaviour : testing::Test {
  CheckRadioBehaviour() {
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.Show();
    panel = new TspSkinPanel(&form);
    panel->SetParent(&form);
    panel->SetBounds(0, 0, 300, 200);
  }
  TspSkinCheckRadioBox* NewBox(const std::string& name, int top, bool radio, int group) {
    auto* box = new TspSkinCheckRadioBox(&form);
    box->SetName(name);
    box->SetParent(panel);
    box->SetBounds(10, top, 120, 25);
    box->SetRadio(radio);
    box->SetGroupIndex(group);
    box->SetCaption(name);
    box->SetOnClick(TNotifyEvent::Of<&TBoxEvents::ClickedAndFree>(&events));
    return box;
  }
  TRelayForm form{nullptr};
  TspSkinPanel* panel;
  TBoxEvents events;
};

TEST_F(CheckRadioBehaviour, MouseClicksToggleOnlyWhenReleasedOverTheBox) {
  auto* a = NewBox("a", 10, true, 1);
  auto* b = NewBox("b", 40, true, 1);
  auto* check = NewBox("check", 70, false, 0);
  a->SetChecked(true);
  events.entries.clear();

  PostClick(*b, 5, 5, 5, 5);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  PostClick(*b, 5, 5, 5, 5);  // a checked radio box stays as it is
  PostClick(*a, 5, 5, 200, 5);  // released beside the box
  PostClick(*a, 5, 5, 5, -3);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  PostClick(*check, 5, 5, 5, 5);
  EXPECT_TRUE(check->Checked());
  PostClick(*check, 5, 5, 5, 5);
  EXPECT_FALSE(check->Checked());
  PostClick(*check, 5, 5, 130, 5);
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click b", "click check", "click check"}))
      << "the unchecked radio box fires nothing";
}

TEST_F(CheckRadioBehaviour, CheckedFromCodeKeepsOneOfTheGroupAndFiresOnClick) {
  auto* a = NewBox("a", 10, true, 1);
  auto* b = NewBox("b", 40, true, 1);
  auto* c = NewBox("c", 70, true, 1);
  auto* other = NewBox("other", 100, true, 2);
  auto* check = NewBox("check", 130, false, 0);
  other->SetChecked(true);
  a->SetChecked(true);
  c->SetChecked(true);
  b->SetChecked(false);  // an unchecked radio box fires nothing
  check->SetChecked(true);
  check->SetChecked(false);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(c->Checked());
  EXPECT_TRUE(other->Checked()) << "another group";
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click other", "click a", "click c",
                                                      "click check", "click check"}));
  // Boxes of another parent are another group.
  auto* elsewhere = new TspSkinCheckRadioBox(&form);
  elsewhere->SetParent(&form);
  elsewhere->SetRadio(true);
  elsewhere->SetGroupIndex(1);
  elsewhere->SetChecked(true);
  EXPECT_TRUE(c->Checked());
}

TEST_F(CheckRadioBehaviour, SpaceTogglesAndArrowsWalkTheRadioGroup) {
  auto* a = NewBox("a", 10, true, 1);
  auto* b = NewBox("b", 40, true, 1);
  auto* c = NewBox("c", 70, true, 1);
  auto* other = NewBox("other", 100, true, 2);
  auto* check = NewBox("check", 130, false, 0);
  b->SetEnabled(false);
  for (auto* box : {a, b, c, other, check}) box->SetCanFocused(true);
  EXPECT_TRUE(check->TabStop());

  check->SetFocus();
  PostKey(*check, VK_SPACE);
  EXPECT_TRUE(check->Checked());
  PostKey(*check, VK_SPACE);
  EXPECT_FALSE(check->Checked());

  a->SetFocus();
  PostKey(*a, VK_SPACE);
  EXPECT_TRUE(a->Checked());
  events.entries.clear();
  PostKey(*a, VK_DOWN);  // the disabled box is passed over
  EXPECT_TRUE(c->Focused());
  EXPECT_TRUE(c->Checked());
  EXPECT_FALSE(a->Checked());
  PostKey(*c, VK_RIGHT);  // round to the first again
  EXPECT_TRUE(a->Focused());
  PostKey(*a, VK_UP);
  EXPECT_TRUE(c->Focused());
  EXPECT_FALSE(other->Checked());
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click c", "click a", "click c"}));

  // The caption's accelerator focuses and toggles the box.
  other->SetCaption("&Other");
  EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'o'), 1);
  EXPECT_TRUE(other->Focused());
  EXPECT_TRUE(other->Checked());
  EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'q'), 0);

  // A box that cannot be focused ignores Space.
  check->SetFocus();
  check->SetCanFocused(false);
  PostKey(*check, VK_SPACE);
  EXPECT_FALSE(check->Checked());
}

TEST_F(CheckRadioBehaviour, ABoxFreedByAClickHandlerIsNotTouchedAgain) {
  auto* check = NewBox("check", 10, false, 0);
  events.freeOnClick = check;
  PostClick(*check, 5, 5, 5, 5);
  EXPECT_EQ(events.freeOnClick, nullptr);
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click check"}));

  // A check box of the group unchecked by the radio box frees the radio box: the radio
  // box's own click no longer fires.
  auto* groupCheck = NewBox("groupCheck", 40, false, 3);
  auto* radio = NewBox("radio", 70, true, 3);
  groupCheck->SetChecked(true);
  events.entries.clear();
  events.freeOnClick = radio;
  PostClick(*radio, 5, 5, 5, 5);
  EXPECT_EQ(events.freeOnClick, nullptr);
  EXPECT_FALSE(groupCheck->Checked());
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click groupCheck"}));

  // The first check box's handler frees the second before the group reaches it.
  auto* clicked = NewBox("clicked", 100, true, 4);
  auto* first = NewBox("first", 130, false, 4);
  auto* second = NewBox("second", 160, false, 4);
  first->SetChecked(true);
  events.entries.clear();
  events.freeOnClick = second;
  PostClick(*clicked, 5, 5, 5, 5);
  EXPECT_TRUE(clicked->Checked());
  EXPECT_EQ(events.entries, (std::vector<std::string>{"click first", "click clicked"}));

  auto* keyed = NewBox("keyed", 100, false, 0);
  keyed->SetFocus();
  events.freeOnClick = keyed;
  PostKey(*keyed, VK_SPACE);
  EXPECT_EQ(events.freeOnClick, nullptr);
  EXPECT_EQ(events.entries.back(), "click keyed");
}

// ---------------------------------------------------------------------------------------
// The default look, with no skin.

TEST_F(CheckRadioBehaviour, TheDefaultLookDrawsSquareMarkAndFocus) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF black = RGB(0, 0, 0);
  const RECT mark{4, 6, 16, 18};  // inside the square of a 25-pixel box
  auto* check = NewBox("", 10, false, 0);
  auto* radio = NewBox("", 40, true, 1);
  TFaceShot plain(*check);
  EXPECT_EQ(plain.At(3, 5), shadow) << "the square's corner";
  EXPECT_EQ(plain.At(16, 18), shadow);
  EXPECT_EQ(plain.Count(black, mark), 0);
  EXPECT_EQ(plain.At(60, 3), TFaceShot(*panel).At(70, 13)) << "the panel shows through";

  check->SetChecked(true);
  TFaceShot ticked(*check);
  EXPECT_EQ(ticked.Count(black, mark), 3 * 7) << "three strokes of seven pixels";
  EXPECT_EQ(ticked.At(7, 13), black);
  check->SetEnabled(false);
  EXPECT_EQ(TFaceShot(*check).Count(shadow, mark), 3 * 7) << "greyed";

  radio->SetChecked(true);
  TFaceShot dot(*radio);
  EXPECT_EQ(dot.Count(black, mark), 36);
  EXPECT_EQ(dot.Count(black, {7, 9, 13, 15}), 36);

  radio->Perform(CM_MOUSEENTER);
  EXPECT_EQ(TFaceShot(*radio).At(3, 5), RGB(0, 0, 128)) << "hot: a navy square";
  radio->Perform(CM_MOUSELEAVE);

  // The focus surrounds the image when there is no caption, the caption otherwise.
  radio->SetCaption("Focus");
  radio->SetCanFocused(true);
  const COLORREF behind = TFaceShot(*panel).At(10 + 20, 40 + 12);
  const RECT focusLeft{20, 0, 21, 25};  // the dotted rectangle's left edge
  EXPECT_EQ(TFaceShot(*radio).Count(behind, focusLeft), 25);
  radio->SetFocus();
  EXPECT_LT(TFaceShot(*radio).Count(behind, focusLeft), 20);

  // The normal look fills the face and frames it when focused; it erases into a given DC
  // with its face, for what lies over it.
  radio->SetFlat(false);
  TFaceShot normal(*radio);
  EXPECT_EQ(normal.At(0, 0), shadow);
  EXPECT_EQ(normal.At(1, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(normal.Count(black, mark), 36);
  TBitmap erased;
  erased.SetBitCount(32);
  erased.SetSize(radio->Width(), radio->Height());
  radio->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(erased.Canvas()->Handle()));
  EXPECT_EQ(PictureAt(erased, 9, 11), black);
}

// ---------------------------------------------------------------------------------------
// The stored skin: the main window's two radio boxes.

struct StoredSkinBoxes : testing::Test {
  StoredSkinBoxes() {
    form->SetClientWidth(320);
    form->SetClientHeight(200);
    form->Show();
    rb16 = form->Find<TspSkinCheckRadioBox>("RB16");
    rb32 = form->Find<TspSkinCheckRadioBox>("RB32");
  }
  ~StoredSkinBoxes() override { delete form; }
  TspDataSkinCheckRadioControl& Descriptor(TspSkinCheckRadioBox& box) {
    return dynamic_cast<TspDataSkinCheckRadioControl&>(*box.Descriptor());
  }
  // Pixels of the mark at (x, y) of the face that differ from the picture's rect, its
  // transparent colour aside; -1 when the rect has no opaque pixel.
  int MarkMismatches(TspSkinCheckRadioBox& box, const TRect& rect, int x, int y) {
    TFaceShot face(box);
    TBitmap& picture = *box.SkinPicture();
    const COLORREF transparent = PictureAt(picture, rect.Left, rect.Bottom - 1);
    int opaque = 0, wrong = 0;
    for (int dy = 0; dy < rect.Height(); ++dy)
      for (int dx = 0; dx < rect.Width(); ++dx) {
        const COLORREF p = PictureAt(picture, rect.Left + dx, rect.Top + dy);
        if (p == transparent) continue;
        ++opaque;
        wrong += face.At(x + dx, y + dy) != p;
      }
    return opaque == 0 ? -1 : wrong;
  }
  TSkinControlsForm* form = new TSkinControlsForm(nullptr);
  TspSkinCheckRadioBox* rb16;
  TspSkinCheckRadioBox* rb32;
};

TEST_F(StoredSkinBoxes, TheFormResourceSetsTheIconSizeBoxes) {
  ASSERT_TRUE(rb16 && rb32);
  for (auto* box : {rb16, rb32}) {
    EXPECT_EQ(box->Parent(), form->Find<TspSkinPanel>("spSkinPanel1"));
    EXPECT_EQ(box->SkinDataName(), "radiobox");
    EXPECT_NE(box->SkinIndex(), -1);
    EXPECT_TRUE(box->Radio());
    EXPECT_EQ(box->GroupIndex(), 1);
    EXPECT_TRUE(box->Flat());
    EXPECT_EQ(box->ImageIndex(), 0);
    EXPECT_TRUE(box->TabStop());
    EXPECT_TRUE(box->CanFocused());
    EXPECT_EQ(box->DefaultFont()->Name(), "MS Sans Serif");
    EXPECT_EQ(box->DefaultFont()->Height(), -11);
    EXPECT_EQ(box->Width(), 65) << "a flat box keeps its size";
    EXPECT_EQ(box->Height(), 25);
    EXPECT_EQ(box->SkinRegion(), nullptr);
  }
  EXPECT_FALSE(rb16->Checked());
  EXPECT_TRUE(rb32->Checked());
  EXPECT_EQ(rb16->Caption(), "16×16");
}

TEST_F(StoredSkinBoxes, TheMarkIsCutFromTheSkinForEachState) {
  auto& d = Descriptor(*rb16);
  ASSERT_FALSE(d.CheckImageRect.IsEmpty());
  const int y = 25 / 2 - static_cast<int>(d.CheckImageRect.Height() / 2);
  EXPECT_EQ(MarkMismatches(*rb32, d.CheckImageRect, 3, y), 0);
  EXPECT_EQ(MarkMismatches(*rb16, d.UnCheckImageRect, 3, y), 0);
  EXPECT_GT(MarkMismatches(*rb16, d.CheckImageRect, 3, y), 0) << "the two marks differ";
  rb32->SetEnabled(false);
  rb16->SetEnabled(false);
  const TRect& grayChecked =
      d.UnEnabledCheckImageRect.IsEmpty() ? d.CheckImageRect : d.UnEnabledCheckImageRect;
  const TRect& grayUnchecked =
      d.UnEnabledUnCheckImageRect.IsEmpty() ? d.UnCheckImageRect : d.UnEnabledUnCheckImageRect;
  EXPECT_EQ(MarkMismatches(*rb32, grayChecked, 3, y), 0);
  EXPECT_EQ(MarkMismatches(*rb16, grayUnchecked, 3, y), 0);

  // Only the mark and the caption are drawn: the rest is the panel behind.
  TFaceShot panelFace(*form->Find<TspSkinPanel>("spSkinPanel1"));
  TFaceShot box(*rb16);
  EXPECT_EQ(box.At(63, 1), panelFace.At(56 + 63, 8 + 1));
  EXPECT_EQ(box.At(1, 23), panelFace.At(56 + 1, 8 + 23));
}

TEST_F(StoredSkinBoxes, ClickingTheOtherSizeMovesTheCheck) {
  EventLog log;
  rb16->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  rb32->SetOnClick(TNotifyEvent::Of<&EventLog::Clicked>(&log));
  PostClick(*rb16, 10, 12, 10, 12);
  EXPECT_TRUE(rb16->Checked());
  EXPECT_FALSE(rb32->Checked());
  EXPECT_EQ(log.entries, (std::vector<std::string>{"click RB16"}));
}

// A shown form with one box of a skin made in memory: the section "box" (its picture the
// 32-pixel place picture) holds the keys given.
struct TOneBoxSkin {
  TOneBoxSkin(const std::vector<std::string>& keys, bool flat) {
    std::vector<std::string> definition{"[SKINCONTROLS]", "count=1", "0=box:checkradio", "[box]",
                                        "pictureindex=0"};
    definition.insert(definition.end(), keys.begin(), keys.end());
    std::vector<std::unique_ptr<TBitmap>> pictures;
    pictures.push_back(PlacePicture(32, 32));
    skin.Load(SkinBytes(definition, std::move(pictures)));
    form.Show();
    box = new TspSkinCheckRadioBox(&form);
    box->SetParent(&form);
    box->SetFlat(flat);
    box->SetSkinDataName("box");
    box->SetSkinData(skin.data);
  }
  TSkinSource skin;
  TRelayForm form{nullptr};
  TspSkinCheckRadioBox* box;
};

// A skin whose marks lie partly or wholly outside its 32-pixel picture.
TEST(CheckRadioSkin, MarksOutsideThePictureDrawWhatExists) {
  TOneBoxSkin one({"skinrect=0,0,32,20", "lefttoppoint=4,4", "righttoppoint=28,4",
                   "leftbottompoint=4,16", "rightbottompoint=28,16", "clientrect=4,4,28,16",
                   "checkimagerect=26,0,36,10", "uncheckimagerect=40,40,50,50",
                   "checkimagearea=0,0,20,20", "textarea=20,0,32,20"},
                  true);
  TspSkinCheckRadioBox* box = one.box;
  box->SetBounds(0, 0, 60, 20);
  box->SetChecked(true);
  const int y = 20 / 2 - 5;
  TFaceShot checked(*box);
  EXPECT_EQ(checked.At(3, y + 1), PlaceColour(26, 1));
  EXPECT_EQ(checked.At(3 + 5, y + 1), PlaceColour(31, 1));
  EXPECT_EQ(checked.At(3 + 6, y + 1), GetSysColor(COLOR_BTNFACE)) << "past the picture";
  box->SetChecked(false);
  TFaceShot unchecked(*box);
  EXPECT_EQ(unchecked.Count(GetSysColor(COLOR_BTNFACE), {0, 0, 20, 20}), 20 * 20)
      << "a mark wholly outside draws nothing";

  // The normal look fits the face; the mark sits centred in its area.
  box->SetFlat(false);
  EXPECT_EQ(box->Width(), 60);
  EXPECT_EQ(box->Height(), 20);
  EXPECT_EQ(box->SizedTextArea().Right, 32 + 28);
  EXPECT_EQ(box->SizedCheckImage().Left, 5);
  EXPECT_EQ(box->SizedCheckImage().Top, 5);
  box->SetChecked(true);
  TFaceShot normal(*box);
  EXPECT_EQ(normal.At(5, 5), PlaceColour(26, 0));
}

// The fade factors the timer steps through, until it reaches target or a second passes.
std::vector<double> FadeUntil(TspSkinCheckRadioBox& box, double target) {
  std::vector<double> seen;
  double last = box.FadeFactor();
  for (int i = 0; i < 100 && box.FadeFactor() != target; ++i) {
    Sleep(10);
    Pump();
    if (box.FadeFactor() != last) seen.push_back(last = box.FadeFactor());
  }
  return seen;
}

TEST(CheckRadioSkin, TheNormalLookFadesBetweenItsFacesInFiveSteps) {
  TOneBoxSkin one({"skinrect=0,0,16,16", "activeskinrect=16,0,32,16", "morphing=1"}, false);
  TspSkinCheckRadioBox* box = one.box;
  ASSERT_EQ(box->Width(), 16);
  ASSERT_TRUE(box->FadeEnabled());
  EXPECT_EQ(TFaceShot(*box).At(2, 2), PlaceColour(2, 2));

  box->Perform(CM_MOUSEENTER);
  EXPECT_EQ(FadeUntil(*box, 1), (std::vector<double>{1 / 5.0, 2 / 5.0, 3 / 5.0, 4 / 5.0, 1}));
  EXPECT_EQ(TFaceShot(*box).At(2, 2), PlaceColour(18, 2)) << "the hot face";
  box->Perform(CM_MOUSELEAVE);
  while (box->FadeFactor() == 1) {
    Sleep(5);
    Pump();
  }
  const COLORREF mixed = TFaceShot(*box).At(2, 2);
  EXPECT_NE(mixed, PlaceColour(2, 2));
  EXPECT_NE(mixed, PlaceColour(18, 2));
  EXPECT_EQ(FadeUntil(*box, 0).back(), 0);
  EXPECT_EQ(TFaceShot(*box).At(2, 2), PlaceColour(2, 2));

  box->Perform(CM_MOUSEENTER);
  FadeUntil(*box, 1);
  box->SetEnabled(false);
  EXPECT_EQ(box->FadeFactor(), 0) << "disabling ends the fade";
  Sleep(50);
  Pump();
  EXPECT_EQ(box->FadeFactor(), 0);
  EXPECT_EQ(TFaceShot(*box).At(2, 2), PlaceColour(2, 2));
}

}  // namespace
}  // namespace tmv
