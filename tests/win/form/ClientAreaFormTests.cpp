// A skinned form without a non-client area, on a skin with a roll-up picture and one of each
// frame object: rolling up and back, and the objects' behaviour read back from the face the
// form paints.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "RollUpTestSkin.h"
#include "SkinFormTestSupport.h"
#include "framework/gui/ExtCtrls.h"

namespace tmv {
namespace {

using namespace rollupskin;

// What the frame told the form.
class FrameEvents : public TComponent {
public:
  FrameEvents() : TComponent(nullptr) {}
  void Rolled(TObject*) { ++rolls; }
  // The animations have no command: they are custom objects, shown when the form says so.
  void ShowCustom(TObject*, const std::string&, bool& visible) { visible = true; }
  void Value(TObject*, const std::string& name, int value) { values.emplace_back(name, value); }
  void Switched(TObject*, const std::string& name, TSwitchState state) {
    values.emplace_back(name, state == swsOn ? 1 : 0);
  }
  void Entered(TObject*, const std::string& name) { entered.push_back(name); }
  void Painted(TObject*, const std::string& name, TCanvas& canvas, const TRect& r) {
    painted.push_back(name);
    paintedRect = r;
    canvas.Brush()->SetColor(static_cast<TColor>(RGB(1, 2, 3)));
    canvas.FillRect({r.Left, r.Top, r.Right, r.Bottom});
  }
  int rolls = 0;
  std::vector<std::pair<std::string, int>> values;
  std::vector<std::string> entered, painted;
  TRect paintedRect;
};

// The face the form paints as its background, read back from a memory DC.
class TFormFace {
public:
  explicit TFormFace(TForm& form) {
    bitmap_.SetBitCount(32);
    bitmap_.SetSize(form.ClientWidth(), form.ClientHeight());
    form.Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(bitmap_.Canvas()->Handle()), 0);
    GdiFlush();
  }
  COLORREF At(int x, int y) const {
    const uint8_t* p = bitmap_.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
  }
  int Count(COLORREF colour, RECT r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }

private:
  TBitmap bitmap_;
};

struct ClientAreaForm : testing::Test {
  ClientAreaForm() {
    // The real cursor stays off the form, so the hover tracking leaves the objects to the test.
    SetCursorPos(1000, 740);
    Frame().SetSupportNCArea(false);
    Frame().OnChangeRollUpState = TNotifyEvent::Of<&FrameEvents::Rolled>(&events);
    Frame().OnTrackBarChangeValueEvent = TspChangeValueEvent::Of<&FrameEvents::Value>(&events);
    Frame().OnFrameRegulatorChangeValueEvent = TspChangeValueEvent::Of<&FrameEvents::Value>(&events);
    Frame().OnSwitchChangeStateEvent = TSwitchChangeStateEvent::Of<&FrameEvents::Switched>(&events);
    Frame().OnMouseEnterEvent = TspMouseEnterEvent::Of<&FrameEvents::Entered>(&events);
    Frame().OnPaintEvent = TspPaintEvent::Of<&FrameEvents::Painted>(&events);
    Frame().OnActivateCustomObject = TspActivateCustomObjectEvent::Of<&FrameEvents::ShowCustom>(&events);
    Load(Bytes());
    form->SetBounds(60, 50, 500, 300);
    form->Show();
    Pump();
  }
  ~ClientAreaForm() override {
    if (GetCapture()) ReleaseCapture();
    delete form;
  }
  void Load(const std::vector<uint8_t>& bytes) {
    form->Stored().SetCompressedData(bytes);
    form->Skin().ApplyStoredSkin(form->Stored());
    ASSERT_FALSE(form->Skin().SkinEmpty()) << form->Skin().LastError();
  }
  HWND Window() { return form->Handle(); }
  TspDynamicSkinForm& Frame() { return form->Frame(); }
  TControl* Panel() { return dynamic_cast<TControl*>(form->FindComponent("spSkinPanel1")); }
  template <class T>
  T* Object(const std::string& name) {
    auto* o = dynamic_cast<T*>(Frame().FindObject(name));
    EXPECT_TRUE(o) << name;
    return o;
  }
  void Post(UINT message, int x, int y) { PostMessageA(Window(), message, MK_LBUTTON, MAKELPARAM(x, y)); }
  void Click(int x, int y) {
    Post(WM_LBUTTONDOWN, x, y);
    Post(WM_LBUTTONUP, x, y);
    Pump();
  }
  void DoubleClick(int x, int y) {
    Post(WM_LBUTTONDBLCLK, x, y);
    Post(WM_LBUTTONUP, x, y);
    Pump();
  }
  bool Size(int w, int h) { return form->Width() == w && form->Height() == h; }

  FrameEvents events;
  TSkinFormTestForm* form = new TSkinFormTestForm(nullptr);
};

TEST_F(ClientAreaForm, TheFormRollsUpToTheRollUpPictureAndBack) {
  // A roll-up mask four rows shorter than the roll-up picture: the rows it does not cover are
  // cut away, nothing is read beyond it.
  Load(Bytes(26));
  TspDynamicSkinForm& f = Frame();
  ASSERT_TRUE(Size(500, 300));
  ASSERT_TRUE(Panel()->Visible());
  EXPECT_EQ(HitTestAt(Window(), 1, 150), HTLEFT);

  f.SetRollUp(true);
  EXPECT_TRUE(f.RolledUp());
  EXPECT_EQ(events.rolls, 1);
  EXPECT_TRUE(Size(500, kRollUpHeight)) << "the roll-up picture's height; its middle follows the width";
  EXPECT_FALSE(Panel()->Visible());
  EXPECT_EQ(f.HiddenControls(), std::vector<TControl*>{Panel()});
  EXPECT_FALSE(InRegion(Window(), 0, 0));
  EXPECT_FALSE(InRegion(Window(), 497, 0));
  EXPECT_TRUE(InRegion(Window(), 3, 0));
  EXPECT_TRUE(InRegion(Window(), 496, 0));
  EXPECT_TRUE(InRegion(Window(), 250, 25));
  EXPECT_FALSE(InRegion(Window(), 0, 25));
  EXPECT_FALSE(InRegion(Window(), 250, 26)) << "below the roll-up mask";
  EXPECT_EQ(HitTestAt(Window(), 1, 15), HTCLIENT) << "no sizing borders while rolled up";
  EXPECT_EQ(HitTestAt(Window(), 498, 28), HTCLIENT);

  EXPECT_TRUE(f.TakesPart(*f.FindObject("unrollbutton")));
  EXPECT_TRUE(f.TakesPart(*f.FindObject("rolledcaption")));
  EXPECT_FALSE(f.TakesPart(*f.FindObject("closebutton")));
  EXPECT_FALSE(f.TakesPart(*f.FindObject("caption")));
  EXPECT_TRUE(f.FindObject("unrollbutton")->ObjectRect == (TRect{456, 6, 472, 22})) << "moved with the right end";
  {
    const TFormFace face(*form);
    EXPECT_EQ(face.At(5, 10), CaptionBand(5, 10)) << "left end";
    EXPECT_EQ(face.At(495, 10), CaptionBand(235, 10)) << "right end";
    EXPECT_EQ(face.At(300, 10), CaptionBand(40 + (300 - 40) % 136, 10)) << "middle tiled";
    EXPECT_EQ(face.At(300, 29), kBorder);
    EXPECT_EQ(face.At(464, 14), kRestore) << "the roll-up button shows its restore image";
    EXPECT_GT(face.Count(RGB(255, 255, 255), {44, 4, 300, 24}), 10) << "the rolled-up caption's text";
  }

  form->SetWidth(600);
  EXPECT_TRUE(f.FindObject("unrollbutton")->ObjectRect == (TRect{556, 6, 572, 22}));
  EXPECT_FALSE(InRegion(Window(), 597, 0)) << "the region follows the width";
  EXPECT_TRUE(InRegion(Window(), 596, 20));

  Click(564, 14);
  EXPECT_FALSE(f.RolledUp()) << "the roll-up button unrolls";
  EXPECT_EQ(events.rolls, 2);
  EXPECT_TRUE(Size(600, 300)) << form->Width() << "x" << form->Height();
  EXPECT_TRUE(Panel()->Visible());
  EXPECT_TRUE(f.HiddenControls().empty());
  EXPECT_TRUE(InRegion(Window(), 300, 150));
  EXPECT_FALSE(InRegion(Window(), 0, 0));
  EXPECT_EQ(HitTestAt(Window(), 1, 150), HTLEFT);
  EXPECT_EQ(TFormFace(*form).At(300, 150), kClient);
}

TEST_F(ClientAreaForm, ARollUpPictureOfFixedSizeGivesTheWidthBack) {
  Load(Bytes(kRollUpHeight, 200));
  TspDynamicSkinForm& f = Frame();
  f.SetRollUp(true);
  EXPECT_TRUE(Size(200, kRollUpHeight)) << "narrower than the frame picture: " << form->Width();
  EXPECT_TRUE(f.FindObject("unrollbutton")->ObjectRect == (TRect{196, 6, 212, 22}));
  EXPECT_FALSE(InRegion(Window(), 197, 0));
  EXPECT_TRUE(InRegion(Window(), 196, 0));
  EXPECT_EQ(TFormFace(*form).At(198, 14), kRestore);
  f.SetBorderIcons(f.BorderIcons() | biMinimizeToTray);
  EXPECT_FALSE(InRegion(Window(), 197, 0)) << "the objects laid out again keep the roll-up shape";
  EXPECT_TRUE(InRegion(Window(), 100, 29));
  Load(Bytes(kRollUpHeight, 180));
  EXPECT_TRUE(Size(180, kRollUpHeight)) << "another skin, rolled up again";
  f.SetRollUp(false);
  EXPECT_TRUE(Size(500, 300)) << form->Width() << "x" << form->Height();
}

TEST_F(ClientAreaForm, TheCaptionTogglesAndNoSkinChangeStrandsTheHiddenControls) {
  TspDynamicSkinForm& f = Frame();
  f.SetSizeable(false);
  auto* extra = new TPanel(form);
  extra->SetBounds(20, 100, 80, 40);
  extra->SetParent(form);
  Pump();

  DoubleClick(100, 14);
  ASSERT_TRUE(f.RolledUp()) << "a form that cannot size rolls up on a caption double-click";
  EXPECT_FALSE(extra->Visible());
  EXPECT_EQ(f.HiddenControls().size(), 2u);
  delete extra;
  EXPECT_EQ(f.HiddenControls(), std::vector<TControl*>{Panel()}) << "a freed control leaves the list";

  Load(Bytes());
  EXPECT_TRUE(f.RolledUp()) << "the same skin again: rolled up again after the objects are rebuilt";
  EXPECT_TRUE(Size(500, kRollUpHeight));
  EXPECT_TRUE(InRegion(Window(), 250, 29));
  EXPECT_FALSE(InRegion(Window(), 0, 0));
  EXPECT_FALSE(Panel()->Visible());
  EXPECT_EQ(events.rolls, 1);

  DoubleClick(100, 14);
  EXPECT_FALSE(f.RolledUp()) << "the rolled-up caption unrolls";
  EXPECT_TRUE(Panel()->Visible());
  EXPECT_TRUE(Size(500, 300));
  EXPECT_EQ(events.rolls, 2);

  f.SetRollUp(true);
  Load(StoredSkinBytes());
  EXPECT_FALSE(f.RolledUp()) << "a skin without a roll-up picture unrolls the form";
  EXPECT_TRUE(Panel()->Visible());
  EXPECT_TRUE(Size(500, 300));
  EXPECT_EQ(events.rolls, 4);
  f.SetRollUp(true);
  EXPECT_FALSE(f.RolledUp()) << "nothing to roll up to";
  EXPECT_EQ(events.rolls, 4);

  Load(Bytes());
  f.SetRollUp(true);
  f.SetSkinData(nullptr);
  EXPECT_FALSE(f.RolledUp()) << "without a skin nothing could unroll it later";
  EXPECT_TRUE(Panel()->Visible());
  EXPECT_TRUE(Size(500, 300));
  EXPECT_TRUE(InRegion(Window(), 0, 0)) << "no shape without a skin";

  f.SetSkinData(&form->Skin());
  f.SetRollUp(true);
  ASSERT_FALSE(Panel()->Visible());
  f.SetSupportNCArea(true);
  EXPECT_FALSE(f.RolledUp()) << "a change of mode unrolls first";
  EXPECT_TRUE(Panel()->Visible());
  f.SetRollUp(true);
  ASSERT_TRUE(f.RolledUp());
  f.SetSupportNCArea(false);
  EXPECT_FALSE(f.RolledUp());
  EXPECT_TRUE(InRegion(Window(), 250, 150)) << "the frame unrolled in its own mode: " << form->Height();

  f.SetRollUp(true);
  ASSERT_FALSE(Panel()->Visible());
  delete &f;
  EXPECT_TRUE(Panel()->Visible()) << "the form keeps its controls when the frame component goes";
}

TEST_F(ClientAreaForm, AnAnimationPlaysOnItsTimerAndStops) {
  TspDynamicSkinForm& f = Frame();
  auto* anim = Object<TspSkinAnimateObject>("anim");
  auto* spinner = Object<TspSkinAnimateObject>("spinner");
  ASSERT_TRUE(anim && spinner);
  EXPECT_EQ(TFormFace(*form).At(16, 46), AnimationFrame(1));
  auto play = [&](TspSkinAnimateObject* o) {
    std::vector<int> seen = {o->Frame()};
    EXPECT_TRUE(PumpUntil([&] {
      if (o->Frame() != seen.back()) seen.push_back(o->Frame());
      return !f.AnimationTimerRunning();
    }));
    return seen;
  };

  // The mouse over it, as the frame's tracking sees it.
  POINT over = {16, 46};
  ClientToScreen(Window(), &over);
  ASSERT_TRUE(SettleCursor(over));
  SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y));
  ASSERT_TRUE(PumpUntil([&] { return f.HoverIndex() >= 0 && f.FrameObjects()[f.HoverIndex()].get() == anim; }));
  EXPECT_TRUE(f.AnimationTimerRunning());
  EXPECT_EQ(play(anim), (std::vector<int>{1, 2, 3, 4})) << "forward to the last frame, then it stops";
  EXPECT_EQ(events.entered, std::vector<std::string>{"anim"});
  Sleep(100);
  Pump();
  EXPECT_EQ(anim->Frame(), 4);
  EXPECT_EQ(TFormFace(*form).At(16, 46), AnimationFrame(4));
  ASSERT_TRUE(SettleCursor({1000, 740}));
  ASSERT_TRUE(PumpUntil([&] { return f.HoverIndex() == -1; }));
  EXPECT_EQ(play(anim), (std::vector<int>{4, 3, 2, 1})) << "backward to the first once the mouse left";
  EXPECT_EQ(TFormFace(*form).At(16, 46), AnimationFrame(1));

  spinner->MouseEnter();
  std::vector<int> seen = {1};
  EXPECT_TRUE(PumpUntil([&] {
    if (spinner->Frame() != seen.back()) seen.push_back(spinner->Frame());
    return seen.size() >= 6;
  }));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 1, 2})) << "a cycling animation starts again";
  EXPECT_TRUE(f.AnimationTimerRunning());
  spinner->MouseLeave();
  EXPECT_TRUE(PumpUntil([&] { return !f.AnimationTimerRunning(); }));
  EXPECT_EQ(spinner->Frame(), 1);
}

TEST_F(ClientAreaForm, TrackBarsRegulatorsAndSwitchesFollowTheMouseWithinTheirRange) {
  auto* track = Object<TspSkinTrackBarObject>("track");
  auto* vtrack = Object<TspSkinTrackBarObject>("vtrack");
  auto* regulator = Object<TspSkinFrameRegulatorObject>("regulator");
  auto* vregulator = Object<TspSkinFrameRegulatorObject>("vregulator");
  auto* toggle = Object<TspSkinSwitchObject>("switch");
  ASSERT_TRUE(track && vtrack && regulator && vregulator && toggle);
  using Events = std::vector<std::pair<std::string, int>>;

  EXPECT_EQ(TFormFace(*form).At(15, 86), kThumb) << "at the begin point";
  track->HandleMouseDown(15, 86, mbLeft);
  EXPECT_EQ(TFormFace(*form).At(15, 86), kThumbDragged);
  track->HandleMouseMove(60, 86);
  EXPECT_EQ(TFormFace(*form).At(60, 86), kThumbDragged);
  track->HandleMouseMove(400, 86);
  track->HandleMouseMove(-40, 86);
  track->HandleMouseUp(-40, 86, mbLeft);
  track->HandleMouseMove(60, 86);
  track->HandleMouseDown(70, 86, mbLeft);
  EXPECT_EQ(track->Value(), 55) << "a press off the thumb jumps there";
  EXPECT_EQ(events.values, (Events{{"track", 45}, {"track", 90}, {"track", 0}, {"track", 55}}));
  EXPECT_EQ(TFormFace(*form).At(70, 86), kThumb);

  events.values.clear();
  EXPECT_EQ(TFormFace(*form).At(166, 121), kThumb) << "a vertical bar's least value is at its begin point";
  vtrack->HandleMouseDown(166, 121, mbLeft);
  vtrack->HandleMouseMove(166, 81);
  EXPECT_EQ(vtrack->Value(), 40);
  EXPECT_EQ(TFormFace(*form).At(166, 81), kThumbDragged);
  EXPECT_EQ(TFormFace(*form).At(166, 121), kGaugeBack) << "the thumb left its old place";
  vtrack->HandleMouseMove(166, 0);
  vtrack->HandleMouseUp(166, 0, mbLeft);
  EXPECT_EQ(events.values, (Events{{"vtrack", 40}, {"vtrack", 80}}));

  events.values.clear();
  EXPECT_EQ(TFormFace(*form).At(105, 65), RegulatorFrame(1));
  regulator->HandleMouseDown(100, 65, mbLeft);
  regulator->HandleMouseMove(105, 65);
  regulator->HandleMouseMove(105, 66);
  EXPECT_EQ(TFormFace(*form).At(105, 65), RegulatorFrame(3));
  regulator->HandleMouseMove(300, 65);
  EXPECT_EQ(TFormFace(*form).At(105, 65), RegulatorFrame(5));
  regulator->HandleMouseMove(-10, 65);
  regulator->HandleMouseUp(-10, 65, mbLeft);
  regulator->HandleMouseMove(105, 65);
  vregulator->HandleMouseDown(105, 110, mbLeft);
  vregulator->HandleMouseMove(105, 105);
  vregulator->HandleMouseMove(105, 40);
  vregulator->HandleMouseUp(105, 40, mbLeft);
  EXPECT_EQ(events.values, (Events{{"regulator", 50}, {"regulator", 100}, {"regulator", 0},
                                   {"vregulator", 50}, {"vregulator", 100}}))
      << "only changes are told, and a vertical regulator grows upwards";

  events.values.clear();
  EXPECT_EQ(TFormFace(*form).At(130, 46), kSwitchOff);
  toggle->HandleMouseDown(130, 46, mbRight);
  EXPECT_FALSE(toggle->On());
  toggle->HandleMouseDown(130, 46, mbLeft);
  EXPECT_EQ(TFormFace(*form).At(130, 46), kSwitchOn);
  toggle->HandleMouseDown(130, 46, mbLeft);
  EXPECT_EQ(TFormFace(*form).At(130, 46), kSwitchOff);
  EXPECT_EQ(events.values, (Events{{"switch", 1}, {"switch", 0}}));
  toggle->MouseEnter();
  EXPECT_EQ(events.entered, std::vector<std::string>{"switch"});
}

TEST_F(ClientAreaForm, GaugesFillAndLabelsAndUserObjectsDraw) {
  auto* gauge = Object<TspSkinGaugeObject>("gauge");
  auto* fgauge = Object<TspSkinFrameGaugeObject>("fgauge");
  auto* bits = Object<TspSkinBitLabelObject>("bits");
  auto* label = Object<TspSkinLabelObject>("label");
  ASSERT_TRUE(gauge && fgauge && bits && label);

  auto fill = [&] {
    const TFormFace face(*form);
    std::string row;
    for (int x : {10, 39, 40, 69}) row += face.At(x, 64) == kGaugeFill ? '#' : face.At(x, 64) == kGaugeBack ? '.' : '?';
    return row;
  };
  EXPECT_EQ(fill(), "....");
  gauge->SetValue(50);
  EXPECT_EQ(fill(), "##..");
  gauge->SetValue(100);
  EXPECT_EQ(fill(), "####");
  gauge->SetValue(250);
  EXPECT_EQ(gauge->Value(), 100);
  gauge->SetValue(-5);
  EXPECT_EQ(gauge->Value(), 0);
  EXPECT_EQ(fill(), "....");

  for (auto [value, frame] : std::vector<std::pair<int, int>>{{0, 1}, {5, 2}, {10, 3}, {99, 3}}) {
    fgauge->SetValue(value);
    EXPECT_EQ(TFormFace(*form).At(85, 65), GaugeFrame(frame)) << value;
  }

  events.painted.clear();
  {
    const TFormFace face(*form);
    EXPECT_EQ(face.At(123, 84), Digit(2));
    EXPECT_EQ(face.At(129, 84), Digit(0));
    EXPECT_EQ(face.At(135, 84), Digit(2));
    EXPECT_EQ(face.At(141, 84), Digit(6));
    EXPECT_GT(face.Count(kLabelText, {44, 40, 114, 56}), 10) << "the label's text";
    EXPECT_EQ(events.painted, std::vector<std::string>{"user"});
    EXPECT_TRUE(events.paintedRect == (TRect{120, 100, 150, 120}));
    EXPECT_EQ(face.At(135, 110), RGB(1, 2, 3)) << "the user object is what its handler paints";
  }
  bits->Text = "19";
  label->Text.clear();
  const TFormFace face(*form);
  EXPECT_EQ(face.At(123, 84), Digit(1));
  EXPECT_EQ(face.At(129, 84), Digit(9));
  EXPECT_EQ(face.At(135, 84), kClient) << "no symbol after the text";
  EXPECT_EQ(face.Count(kLabelText, {44, 40, 114, 56}), 0);
}

}  // namespace
}  // namespace tmv
