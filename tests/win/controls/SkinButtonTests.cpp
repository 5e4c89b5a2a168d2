#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinControlsTestSupport.h"
#include "framework/gui/StdCtrls.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/SkinButtonDescriptors.h"

namespace tmv {
namespace {

constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kHotFill = RGB(182, 189, 210);
constexpr COLORREF kDownFill = RGB(133, 147, 181);

// A 20 x 10 button skin whose four faces lie side by side in a picture where every pixel
// tells its place: normal at x 0, hot at 20, down at 40, disabled at 60.
std::vector<uint8_t> ButtonSkin(const std::string& morphKind) {
  std::vector<std::unique_ptr<TBitmap>> pictures;
  pictures.push_back(PlacePicture(80, 10));
  return SkinBytes({"[SKINCONTROLS]", "count=1", "0=button:button", "[button]", "pictureindex=0",
                    "skinrect=0,0,20,10", "activeskinrect=20,0,40,10", "downskinrect=40,0,60,10",
                    "disabledskinrect=60,0,80,10", "morphing=1", "morphkind=" + morphKind},
                   std::move(pictures));
}

// A strip of frames of 8 x 8, frame k filled with colours[k - 1]; every frame's bottom-left
// pixel is white, the colour that is left out.
std::unique_ptr<TBitmap> GlyphStrip(const std::vector<COLORREF>& colours) {
  auto owned = std::make_unique<TBitmap>();
  TBitmap& strip = *owned;
  strip.SetBitCount(24);
  strip.SetSize(8 * static_cast<int>(colours.size()), 8);
  for (size_t k = 0; k < colours.size(); ++k) {
    const int left = 8 * static_cast<int>(k);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        SetPixel(strip.Canvas()->Handle(), left + x, y,
                 x == 0 && y == 7 ? RGB(255, 255, 255) : colours[k]);
  }
  return owned;
}

// Clicks and mouse-ups of buttons, and a handler that frees the button it belongs to.
class ButtonEvents : public TComponent {
public:
  ButtonEvents() : TComponent(nullptr) {}
  void Clicked(TObject* sender) { entries.push_back("click " + Name(sender)); }
  void MouseUp(TObject* sender, TMouseButton, TShiftState, int, int) {
    entries.push_back("up " + Name(sender));
  }
  void FreeSender(TObject* sender) {
    entries.push_back("free " + Name(sender));
    delete sender;
  }
  std::vector<std::string> entries;

private:
  static std::string Name(TObject* o) {
    auto* c = dynamic_cast<TComponent*>(o);
    return c ? c->Name() : "?";
  }
};

struct SkinButton : testing::Test {
  SkinButton() {
    form.SetClientWidth(300);
    form.SetClientHeight(200);
    form.Show();
    Pump();
  }
  TspSkinButton* NewButton(const std::string& name, int left = 10, TspSkinData* data = nullptr) {
    auto* b = new TspSkinButton(&form);
    b->SetName(name);
    b->SetParent(&form);
    b->SetBounds(left, 10, 75, 25);
    b->SetSkinData(data);
    b->SetOnClick(TNotifyEvent::Of<&ButtonEvents::Clicked>(&events));
    return b;
  }
  static LPARAM At(int x, int y) { return MAKELPARAM(x, y); }
  // Posted and pumped, as the system delivers them.
  static void Press(TspSkinButton& b, LPARAM at) {
    PostMessageA(b.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    Pump();
  }
  static void Release(TspSkinButton& b, LPARAM at) {
    PostMessageA(b.Handle(), WM_LBUTTONUP, 0, at);
    Pump();
  }
  static void Key(TspSkinButton& b, UINT msg, WPARAM key) {
    PostMessageA(b.Handle(), msg, key, msg == WM_KEYUP ? 0xC0000001 : 1);
    Pump();
  }
  // Fade steps until the timer stops (at most 20).
  static int StepFade(TspSkinButton& b) {
    int ticks = 0;
    while (b.FadeRunning() && ticks < 20) {
      b.Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
      ++ticks;
    }
    return ticks;
  }
  std::vector<std::string> Clicks() { return std::exchange(events.entries, {}); }
  TRelayForm form{nullptr};
  TSkinSource skin;
  ButtonEvents events;
};

TEST_F(SkinButton, TheDefaultLookShowsEachStateInItsFrameAndFill) {
  auto* b = NewButton("b");
  TFaceShot normal(*b);
  EXPECT_EQ(normal.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(normal.At(74, 24), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(normal.At(5, 5), GetSysColor(COLOR_BTNFACE));
  b->Perform(CM_MOUSEENTER);
  TFaceShot hot(*b);
  EXPECT_EQ(hot.At(0, 0), kNavy);
  EXPECT_EQ(hot.At(74, 24), kNavy);
  EXPECT_EQ(hot.At(5, 5), kHotFill);
  b->SetDown(true);
  TFaceShot down(*b);
  EXPECT_EQ(down.At(0, 0), kNavy);
  EXPECT_EQ(down.At(5, 5), kDownFill);
  b->SetDown(false);
  b->Perform(CM_MOUSELEAVE);
  b->SetFocus();
  Pump();
  ASSERT_TRUE(b->Focused());
  TFaceShot focused(*b);
  EXPECT_EQ(focused.At(0, 0), kNavy) << "the focus shows as the hot look, without a dotted frame";
  EXPECT_EQ(focused.At(2, 2), kHotFill);
}

TEST_F(SkinButton, GlyphAndCaptionAreLaidOutByMarginLayoutAndPress) {
  auto* b = NewButton("b");
  b->SetGlyph(*GlyphStrip({RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)}));
  b->SetNumGlyphs(4);
  b->SetMargin(4);
  const RECT all{0, 0, 75, 25};
  TFaceShot left(*b);
  EXPECT_EQ(left.FirstColumnOf(RGB(255, 0, 0), all), 4);
  EXPECT_EQ(left.At(4, 8 + 7), GetSysColor(COLOR_BTNFACE)) << "the bottom-left colour is left out";
  EXPECT_EQ(left.At(5, 12 - 4), RGB(255, 0, 0)) << "centred vertically";
  EXPECT_EQ(left.Count(RGB(0, 255, 0), all), 0) << "the default look shows frame 1 only";
  b->SetLayout(blGlyphRight);
  EXPECT_EQ(TFaceShot(*b).FirstColumnOf(RGB(255, 0, 0), all), 75 - 8 - 4);
  b->SetMargin(-2);
  EXPECT_EQ(b->Margin(), 4) << "below -1 is ignored";
  b->SetMargin(-1);
  b->SetLayout(blGlyphLeft);
  EXPECT_EQ(TFaceShot(*b).FirstColumnOf(RGB(255, 0, 0), all), 37 - (8 + 0 + 1) / 2)
      << "without caption the glyph alone is centred";
  b->SetDown(true);
  b->Perform(CM_MOUSEENTER);
  EXPECT_EQ(TFaceShot(*b).FirstColumnOf(RGB(255, 0, 0), all), 37 - 4 + 1) << "pressed moves by one";

  b->SetCaption("OK");
  b->SetDown(false);
  TFaceShot captioned(*b);
  const int glyph = captioned.FirstColumnOf(RGB(255, 0, 0), all);
  const int text = captioned.FirstColumnOf(GetSysColor(COLOR_BTNTEXT), {glyph + 8, 0, 75, 25});
  EXPECT_LT(glyph, 37 - 4) << "glyph and caption are centred as one block";
  EXPECT_GE(text, glyph + 8 + 1) << "the caption follows after the spacing";
}

TEST_F(SkinButton, EachStateCutsItsFaceFromTheSkinAndTheGlyphFrameFollows) {
  skin.Load(ButtonSkin("mkdefault"));
  auto* b = NewButton("b", 10, skin.data);
  ASSERT_EQ(b->Width(), 20) << "a fixed skin face gives its size";
  b->SetGlyph(*GlyphStrip({RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)}));
  b->SetNumGlyphs(4);
  b->SetMargin(0);
  EXPECT_EQ(TFaceShot(*b).At(19, 0), PlaceColour(19, 0)) << "normal";
  EXPECT_EQ(TFaceShot(*b).At(2, 2), RGB(255, 0, 0));
  b->Perform(CM_MOUSEENTER);
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(19, 0), PlaceColour(39, 0)) << "hot";
  EXPECT_EQ(TFaceShot(*b).At(2, 2), RGB(255, 255, 0)) << "hot glyph frame";
  Press(*b, At(5, 5));
  EXPECT_EQ(TFaceShot(*b).At(19, 0), PlaceColour(59, 0)) << "pressed";
  EXPECT_EQ(TFaceShot(*b).At(3, 3), RGB(0, 0, 255)) << "pressed glyph frame, moved by one";
  Release(*b, At(5, 5));
  b->Perform(CM_MOUSELEAVE);
  StepFade(*b);
  b->SetEnabled(false);
  EXPECT_EQ(TFaceShot(*b).At(19, 0), PlaceColour(79, 0)) << "disabled";
  EXPECT_EQ(TFaceShot(*b).At(2, 2), RGB(0, 255, 0)) << "disabled glyph frame";
  b->SetNumGlyphs(1);
  b->SetEnabled(true);
  b->Perform(CM_MOUSEENTER);
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(2, 2), RGB(255, 0, 0)) << "a single frame shows in every state";
}

TEST_F(SkinButton, TheStoredSkinGivesEveryStateItsOwnFace) {
  TSkinControlsForm stored(nullptr);
  stored.Show();
  auto* b = stored.Find<TspSkinButton>("BTNSelFile");
  ASSERT_TRUE(b);
  EXPECT_EQ(b->SkinDataName(), "button");
  EXPECT_EQ(b->DefaultFont()->Name(), "MS Sans Serif");
  EXPECT_EQ(b->DefaultFont()->Height(), -11);
  EXPECT_EQ(b->Glyph()->Width(), 16);
  EXPECT_EQ(b->NumGlyphs(), 1);
  EXPECT_EQ(b->Spacing(), 1);
  EXPECT_EQ(b->RepeatInterval(), 100);
  EXPECT_TRUE(b->CanFocused());
  EXPECT_TRUE(b->TabStop());
  EXPECT_EQ(b->Hint(), "选择要提取的文件");
  auto* d = dynamic_cast<TspDataSkinButtonControl*>(b->Descriptor());
  ASSERT_TRUE(d);
  TBitmap& picture = *stored.Find<TspSkinData>("spSkinData1")->ActivePictures.at(d->PictureIndex);
  auto corner = [&](const TRect& r) { return PictureAt(picture, r.Left, r.Top); };
  const TRect hot = d->ActiveSkinRect.IsEmpty() ? d->SkinRect : d->ActiveSkinRect;
  b->SetFocus();
  ASSERT_TRUE(b->Focused());
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(hot)) << "the focus shows as the hot face";
  auto* memo = new TMemo(&stored);
  memo->SetParent(&stored);
  memo->SetFocus();
  Pump();
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(d->SkinRect));
  b->Perform(CM_MOUSEENTER);
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(hot));
  b->SetDown(true);
  EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(d->DownSkinRect.IsEmpty() ? hot : d->DownSkinRect));
  b->SetDown(false);
  b->Perform(CM_MOUSELEAVE);
  StepFade(*b);
  EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(d->SkinRect));
  if (!d->DisabledSkinRect.IsEmpty()) {
    b->SetEnabled(false);
    EXPECT_EQ(TFaceShot(*b).At(0, 0), corner(d->DisabledSkinRect));
  }
}

// Rectangles that run past the picture, a mask smaller than the face and a picture number
// the skin does not have: the button shows what the pictures hold and nothing else.
TEST_F(SkinButton, ADescriptorBeyondItsPictureDrawsOnlyWhatThePictureHolds) {
  std::vector<std::unique_ptr<TBitmap>> pictures;
  pictures.push_back(PlacePicture(30, 10));
  pictures.push_back(CornerMask(8, 6));
  skin.Load(SkinBytes({"[SKINCONTROLS]", "count=3", "0=fixed:button", "1=wide:button",
                       "2=lost:button", "[fixed]", "pictureindex=0", "maskpictureindex=1",
                       "skinrect=20,0,40,10", "activeskinrect=100,50,120,60", "[wide]",
                       "pictureindex=0", "maskpictureindex=1", "skinrect=20,0,40,10",
                       "lefttoppoint=2,2", "righttoppoint=18,2", "leftbottompoint=2,8",
                       "rightbottompoint=18,8", "clientrect=2,2,18,8", "[lost]",
                       "pictureindex=7", "skinrect=0,0,20,10"},
                      std::move(pictures)));
  constexpr COLORREF kNothing = RGB(0, 0, 0);

  ASSERT_FALSE(skin.data->SkinEmpty()) << skin.data->LastError();
  auto* fixed = NewButton("fixed", 10, nullptr);
  fixed->SetSkinDataName("fixed");
  fixed->SetSkinData(skin.data);
  ASSERT_EQ(fixed->Width(), 20);
  TFaceShot normal(*fixed);
  EXPECT_EQ(normal.At(0, 0), PlaceColour(20, 0));
  EXPECT_EQ(normal.At(9, 9), PlaceColour(29, 9));
  EXPECT_EQ(normal.Count(kNothing, {10, 0, 20, 10}), 100) << "right of the picture stays undrawn";
  fixed->Perform(CM_MOUSEENTER);
  EXPECT_EQ(TFaceShot(*fixed).Count(kNothing, {0, 0, 20, 10}), 200)
      << "a hot face wholly outside the picture draws nothing";
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(fixed->Handle(), region.Get()), ERROR) << "the smaller mask still cuts";
  RECT box;
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, 8);
  EXPECT_EQ(box.bottom, 6);
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.Get(), 1, 0));

  auto* wide = NewButton("wide", 100, nullptr);
  wide->SetSkinDataName("wide");
  wide->SetSkinData(skin.data);
  wide->SetBounds(100, 10, 44, 14);
  ASSERT_EQ(wide->Width(), 44);
  TFaceShot tiled(*wide);
  EXPECT_EQ(tiled.At(0, 0), PlaceColour(20, 0));
  EXPECT_EQ(tiled.At(4, 4), PlaceColour(24, 4)) << "the centre's first tile";
  EXPECT_EQ(tiled.At(12, 4), kNothing) << "the centre's tile beyond the picture";
  EXPECT_EQ(tiled.At(43, 13), kNothing) << "the right-bottom corner lies beyond the picture";

  auto* lost = NewButton("lost", 200, nullptr);
  lost->SetSkinDataName("lost");
  lost->SetSkinData(skin.data);
  EXPECT_EQ(TFaceShot(*lost).At(0, 0), GetSysColor(COLOR_BTNSHADOW))
      << "a picture the skin does not have gives the default look";
}

TEST_F(SkinButton, AClickNeedsTheReleaseInside) {
  auto* b = NewButton("b");
  b->SetOnMouseUp(TMouseEvent::Of<&ButtonEvents::MouseUp>(&events));
  Press(*b, At(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(b->Focused()) << "a click takes the focus";
  Release(*b, At(6, 6));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b", "up b"}));

  Press(*b, At(5, 5));
  Release(*b, At(200, 5));
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"up b"})) << "released outside: no click";

  // Out and back in while held: the release inside clicks.
  Press(*b, At(5, 5));
  PostMessageA(b->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(-20, 5));
  Pump();
  EXPECT_FALSE(b->MouseInside());
  PostMessageA(b->Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(8, 5));
  Pump();
  Release(*b, At(8, 5));
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b", "up b"}));

  PostMessageA(b->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
  PostMessageA(b->Handle(), WM_RBUTTONUP, 0, At(5, 5));
  Pump();
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"up b"})) << "the right button does not click";
}

TEST_F(SkinButton, SpaceAndReturnClickTheFocusedButtonOnce) {
  auto* b = NewButton("b");
  b->SetFocus();
  Pump();
  Key(*b, WM_KEYDOWN, VK_SPACE);
  EXPECT_TRUE(b->Down());
  EXPECT_TRUE(Clicks().empty()) << "Space clicks on release";
  Key(*b, WM_KEYUP, VK_SPACE);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b"}));
  Key(*b, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b"}));
  b->SetCanFocused(false);
  EXPECT_FALSE(b->TabStop());
  Key(*b, WM_KEYDOWN, VK_SPACE);
  Key(*b, WM_KEYUP, VK_SPACE);
  EXPECT_TRUE(Clicks().empty()) << "a button that takes no focus takes no keys";
}

TEST_F(SkinButton, ReturnGoesToTheDefaultButtonAndEscapeToTheCancelOne) {
  auto* ok = NewButton("ok", 10);
  auto* cancel = NewButton("cancel", 100);
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetFocus();
  Pump();
  EXPECT_FALSE(ok->DefaultActive()) << "the focused button takes Return";
  Key(*cancel, WM_KEYDOWN, VK_RETURN);
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click cancel"}));
  EXPECT_EQ(form.ModalResult(), mrCancel);
  form.SetModalResult(mrNone);
  ok->SetFocus();
  Pump();
  Key(*ok, WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click cancel"}));
  // Focus on something that is no button: the default button takes Return and looks hot.
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetFocus();
  Pump();
  EXPECT_TRUE(ok->DefaultActive());
  EXPECT_TRUE(ok->MouseInside());
  EXPECT_EQ(TFaceShot(*ok).At(5, 5), kHotFill);
  EXPECT_EQ(form.Perform(CM_DIALOGKEY, VK_RETURN), 1);
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click ok"}));
  EXPECT_EQ(form.ModalResult(), mrOk);
  ok->Perform(CM_MOUSELEAVE);
  EXPECT_TRUE(ok->MouseInside()) << "the active default button keeps its hot look";
  form.SetModalResult(mrNone);

  cancel->SetCaption("&Quit");
  EXPECT_EQ(form.Perform(CM_DIALOGCHAR, 'q'), 1);
  Pump();
  EXPECT_TRUE(cancel->Focused()) << "the accelerator focuses and clicks";
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click cancel"}));
  form.SetModalResult(mrNone);
}

TEST_F(SkinButton, AGroupKeepsOneButtonDownUnlessAllMayBeUp) {
  auto* a = NewButton("a", 10);
  auto* b = NewButton("b", 100);
  for (auto* x : {a, b}) x->SetGroupIndex(1);
  EXPECT_FALSE(a->CanFocused());
  EXPECT_FALSE(a->TabStop());
  Press(*a, At(5, 5));
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click a"})) << "a grouped button clicks on the press";
  Release(*a, At(5, 5));
  EXPECT_TRUE(a->Down());
  EXPECT_TRUE(Clicks().empty());
  Press(*b, At(5, 5));
  Release(*b, At(5, 5));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  Press(*b, At(5, 5));
  Release(*b, At(5, 5));
  EXPECT_TRUE(b->Down()) << "pressed again it stays down";
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b"}));

  for (auto* x : {a, b}) x->SetAllowAllUp(true);
  a->SetDown(true);
  EXPECT_TRUE(b->Down()) << "with AllowAllUp both may be down";
  Press(*b, At(5, 5));
  EXPECT_TRUE(b->Down());
  Release(*b, At(5, 5));
  EXPECT_FALSE(b->Down()) << "with AllowAllUp a second press releases it";
  EXPECT_EQ(Clicks(), (std::vector<std::string>{"click b"}));
}

TEST_F(SkinButton, AutoRepeatClicksOnEveryTickWhileHeldInside) {
  auto* b = NewButton("b");
  b->SetRepeatMode(true);
  b->SetRepeatInterval(30000);  // ticks come from the test only
  Press(*b, At(5, 5));
  EXPECT_TRUE(b->RepeatRunning());
  EXPECT_TRUE(Clicks().empty()) << "no click at the press itself";
  for (int i = 0; i < 3; ++i) b->Perform(WM_TIMER, TspSkinButton::kRepeatTimerID);
  EXPECT_EQ(Clicks().size(), 3u);
  b->Perform(CM_MOUSELEAVE);
  EXPECT_FALSE(b->RepeatRunning()) << "leaving pauses the repeat";
  b->Perform(WM_TIMER, TspSkinButton::kRepeatTimerID);
  EXPECT_TRUE(Clicks().empty()) << "a tick already queued after the stop clicks nothing";
  b->Perform(CM_MOUSEENTER);
  EXPECT_TRUE(b->RepeatRunning()) << "re-entering resumes it";
  b->Perform(WM_TIMER, TspSkinButton::kRepeatTimerID);
  Release(*b, At(5, 5));
  EXPECT_FALSE(b->RepeatRunning());
  EXPECT_EQ(Clicks().size(), 2u) << "one tick and the release";
}

TEST_F(SkinButton, TheFadeSettlesExactlyOnItsEndsWithoutAnExtraTick) {
  skin.Load(ButtonSkin("mkdefault"));
  auto* b = NewButton("b", 10, skin.data);
  ASSERT_TRUE(b->FadeEnabled());
  b->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(b->FadeRunning());
  b->Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  b->Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  EXPECT_DOUBLE_EQ(b->FadeFactor(), 0.4);
  const COLORREF normal = PlaceColour(10, 5), hot = PlaceColour(30, 5);
  const COLORREF mixed = TFaceShot(*b).At(10, 5);
  EXPECT_GT(GetRValue(mixed), GetRValue(normal)) << "the faces are blended while fading";
  EXPECT_LT(GetRValue(mixed), GetRValue(hot));
  EXPECT_EQ(StepFade(*b), 3) << "the timer stops on the step that reaches the hot face";
  EXPECT_EQ(b->FadeFactor(), 1.0);
  b->Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  EXPECT_EQ(b->FadeFactor(), 1.0) << "a queued tick after the end changes nothing";
  EXPECT_EQ(TFaceShot(*b).At(10, 5), hot);

  skin.Load(ButtonSkin("mkdefault"));
  EXPECT_FALSE(b->FadeRunning());
  EXPECT_EQ(b->FadeFactor(), 1.0) << "a hot button stays hot through a skin change";

  b->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(StepFade(*b), 5);
  EXPECT_EQ(b->FadeFactor(), 0.0) << "back to exactly 0, not a rounding error above it";
  EXPECT_EQ(TFaceShot(*b).At(10, 5), normal);

  // Pressed, dragged off and released outside: back to the normal face.
  b->SetCanFocused(false);
  Press(*b, At(5, 5));
  Release(*b, At(100, 5));
  StepFade(*b);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(b->FadeFactor(), 0.0);
  EXPECT_EQ(TFaceShot(*b).At(10, 5), normal);

  // Leaving half-way turns back from where the fade stands.
  b->Perform(CM_MOUSEENTER);
  b->Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  b->Perform(CM_MOUSELEAVE);
  EXPECT_EQ(StepFade(*b), 1);
  EXPECT_EQ(b->FadeFactor(), 0.0);
}

TEST_F(SkinButton, ASlideFadeShowsTheHotFaceFromOneSide) {
  skin.Load(ButtonSkin("mkleftslide"));
  auto* b = NewButton("b", 10, skin.data);
  b->Perform(CM_MOUSEENTER);
  for (int i = 0; i < 3; ++i) b->Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  TFaceShot face(*b);
  const int hotPixels = face.Count(PlaceColour(20, 5), {0, 0, 20, 10}) +
                        face.Count(PlaceColour(39, 5), {0, 0, 20, 10});
  const int normalPixels = face.Count(PlaceColour(0, 5), {0, 0, 20, 10}) +
                           face.Count(PlaceColour(19, 5), {0, 0, 20, 10});
  EXPECT_GT(hotPixels, 0);
  EXPECT_GT(normalPixels, 0) << "part hot, part normal, unblended";
}

TEST_F(SkinButton, AButtonFreedByItsOwnClickIsNotTouchedAgain) {
  auto* b = NewButton("b");
  b->SetOnClick(TNotifyEvent::Of<&ButtonEvents::FreeSender>(&events));
  b->SetOnMouseUp(TMouseEvent::Of<&ButtonEvents::MouseUp>(&events));
  Press(*b, At(5, 5));
  const HWND window = b->Handle();
  Release(*b, At(5, 5));
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(events.entries, (std::vector<std::string>{"free b"})) << "no mouse-up after the free";

  auto* r = NewButton("r");
  r->SetRepeatMode(true);
  r->SetOnClick(TNotifyEvent::Of<&ButtonEvents::FreeSender>(&events));
  Press(*r, At(5, 5));
  PostMessageA(r->Handle(), WM_TIMER, TspSkinButton::kRepeatTimerID, 0);
  PostMessageA(r->Handle(), WM_TIMER, TspSkinButton::kRepeatTimerID, 0);
  Pump();
  EXPECT_EQ(events.entries, (std::vector<std::string>{"free b", "free r"}))
      << "freed by the repeat tick; the second tick finds no button";
}

TEST_F(SkinButton, AButtonFreedWhileItsTimersAreDueGetsNoTick) {
  skin.Load(ButtonSkin("mkdefault"));
  auto* b = NewButton("b", 10, skin.data);
  b->SetRepeatMode(true);
  Press(*b, At(5, 5));
  b->Perform(CM_MOUSELEAVE);
  b->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(b->RepeatRunning());
  const HWND window = b->Handle();
  PostMessageA(window, WM_TIMER, TspSkinButton::kFadeTimerID, 0);
  PostMessageA(window, WM_TIMER, TspSkinButton::kRepeatTimerID, 0);
  delete b;
  Sleep(150);
  Pump();
  EXPECT_TRUE(Clicks().empty());
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace tmv
