#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkinFormTestSupport.h"
#include "framework/core/Exceptions.h"
#include "skin/controls/SkinLabel.h"
#include "skin/imaging/SPUtilsDesktop.h"

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
                                               "sysmenubutton", "rollupbutton"}))
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
  EXPECT_EQ(f.FrameObjects().size(), 6u);
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

namespace tmv {
namespace {

TEST_F(SkinnedForm, TheFrameIsTiledFromThePictureAtEveryWidth) {
  TBitmap& picture = form->Skin().Picture();
  ASSERT_EQ(picture.Width(), 300);
  for (int w : {300, 520, 704, 1000}) {
    form->SetBounds(0, 0, w, 250);
    Pump();
    TFrameShot shot(*form);
    int wrong = 0;
    for (int x = 0; x < w; ++x) {
      // Corners fixed, the 220 pixels between the corner points repeated.
      const int source = x < 40 ? x : x >= w - 40 ? 300 - (w - x) : 40 + (x - 40) % 220;
      wrong += shot.At(x, 0) != PictureAt(picture, source, 0);
      wrong += shot.At(x, 248) != PictureAt(picture, source, 118);
    }
    for (int y = 30; y < 246; ++y) {
      const int source = 30 + (y - 30) % 86;
      wrong += shot.At(1, y) != PictureAt(picture, 1, source);
      wrong += shot.At(w - 2, y) != PictureAt(picture, 298, source);
    }
    EXPECT_EQ(wrong, 0) << "width " << w;
  }
  // The caption in its active colour, and in its inactive one when another form is active.
  constexpr COLORREF kActiveText = 4204568, kInactiveText = 9601656;
  const TRect caption = form->Frame().FindObject("caption")->ObjectRect;
  auto count = [&](const TFrameShot& shot, COLORREF colour) {
    int n = 0;
    for (int y = caption.Top; y < caption.Bottom; ++y)
      for (int x = caption.Left; x < caption.Right; ++x) n += shot.At(x, y) == colour;
    return n;
  };
  TFrameShot active(*form);
  EXPECT_GT(count(active, kActiveText), 20);
  EXPECT_EQ(count(active, kInactiveText), 0);
  // An inactive form shows the inactive picture.
  TForm other(nullptr);
  other.Show();
  SetForegroundWindow(other.Handle());
  Pump();
  ASSERT_FALSE(form->Frame().IsFormActive());
  TFrameShot inactive(*form);
  EXPECT_EQ(inactive.At(100, 0), PictureAt(form->Skin().InActivePicture(), 100, 0));
  EXPECT_GT(count(inactive, kInactiveText), 20);
  EXPECT_EQ(count(inactive, kActiveText), 0);
  EXPECT_NE(PictureAt(form->Skin().InActivePicture(), 100, 0), PictureAt(picture, 100, 0));
}

TEST_F(SkinnedForm, AnInactiveFormWithoutAnInactivePictureIsMadeFromTheActiveOne) {
  TspSkinData& skin = form->Skin();
  const COLORREF active = PictureAt(skin.Picture(), 100, 0);
  skin.InActivePicture().Assign(TBitmap());
  TForm other(nullptr);
  other.Show();
  SetForegroundWindow(other.Handle());
  Pump();
  ASSERT_FALSE(form->Frame().IsFormActive());
  EXPECT_EQ(TFrameShot(*form).At(100, 0), active) << "no effect asked for: the active picture";
  skin.FormInfo.AutoRenderingInActiveImage = true;
  skin.FormInfo.InActiveEffect = ieInvert;
  EXPECT_EQ(TFrameShot(*form).At(100, 0), RGB(255 - GetRValue(active), 255 - GetGValue(active), 255 - GetBValue(active)));
  skin.FormInfo.InActiveEffect = ieGrayScale;
  const TFrameShot grey(*form);
  auto isGrey = [](COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); };
  int colouredBefore = 0;
  for (int x : {10, 100, 250}) {
    colouredBefore += !isGrey(PictureAt(skin.Picture(), x, 0));
    EXPECT_TRUE(isGrey(grey.At(x, 0))) << "grey at " << x;
  }
  EXPECT_GT(colouredBefore, 0) << "the points must be coloured in the skin to show the effect";
  SetForegroundWindow(Window());
  PumpUntil([&] { return form->Frame().IsFormActive(); });
  EXPECT_EQ(TFrameShot(*form).At(100, 0), active) << "the effect only while inactive";
}

// A skin whose top edge has no middle to repeat gives no top strip; the side strips still
// start under the top band's place, so they reach the bottom strip without a gap.
TEST_F(SkinnedForm, WithoutATopStripTheSidesStillMeetTheBottom) {
  TspSkinData& skin = form->Skin();
  skin.FormInfo.RTPoint.X = skin.FormInfo.LTPoint.X;
  constexpr COLORREF kUnpainted = RGB(1, 2, 3);
  TBitmap shot;
  shot.SetBitCount(32);
  shot.SetSize(form->Width(), form->Height());
  {
    UniqueBrush brush(CreateSolidBrush(kUnpainted));
    RECT all = {0, 0, form->Width(), form->Height()};
    FillRect(shot.Canvas()->Handle(), &all, brush.Get());
  }
  form->Frame().PaintFrameTo(shot.Canvas()->Handle());
  GdiFlush();
  auto at = [&](int x, int y) {
    const uint8_t* p = shot.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
  };
  TBitmap& picture = form->Frame().IsFormActive() ? skin.Picture() : skin.InActivePicture();
  const TRect client = form->Frame().Geometry().ClientRect;
  ASSERT_EQ(client.Top, 30);
  ASSERT_EQ(form->Height() - client.Bottom, 4);
  EXPECT_EQ(at(1, 10), kUnpainted) << "no top strip is drawn";
  EXPECT_EQ(at(form->Width() / 2, 10), kUnpainted);
  int wrong = 0;
  for (int y = client.Top; y < client.Bottom; ++y) {
    const int source = 30 + (y - 30) % 86;
    wrong += at(1, y) != PictureAt(picture, 1, source);
    wrong += at(form->Width() - 2, y) != PictureAt(picture, 298, source);
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(at(1, client.Bottom), PictureAt(picture, 1, 116)) << "the bottom strip follows at once";
}

// The system-menu button draws the form's small icon in place of its skin picture when asked to.
TEST_F(SkinnedForm, TheSystemMenuButtonShowsTheFormsIconOnlyWhenAsked) {
  constexpr COLORREF kIconColour = RGB(250, 0, 10);
  {
    TBitmap colour;
    colour.SetBitCount(24);
    colour.SetSize(32, 32);
    UniqueBrush brush(CreateSolidBrush(kIconColour));
    RECT all = {0, 0, 32, 32};
    FillRect(colour.Canvas()->Handle(), &all, brush.Get());
    const std::vector<uint8_t> opaque(32 * 32 / 8, 0);
    UniqueBitmap mask(CreateBitmap(32, 32, 1, 1, opaque.data()));
    ICONINFO info{TRUE, 0, 0, mask.Get(), colour.Handle()};
    form->Icon()->SetHandle(CreateIconIndirect(&info));
  }
  TspDynamicSkinForm& f = form->Frame();
  const TspSkinStdButtonObject* button = nullptr;
  for (auto& o : f.FrameObjects())
    if (auto* b = dynamic_cast<const TspSkinStdButtonObject*>(o.get()); b && b->Command == cmSysMenu) button = b;
  ASSERT_NE(button, nullptr);
  auto iconPixels = [&] {
    TFrameShot shot(*form);
    int n = 0;
    const TRect& r = button->ObjectRect;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += shot.At(x, y) == kIconColour;
    return n;
  };
  const TRect skinPlace = button->ObjectRect;
  EXPECT_EQ(iconPixels(), 0) << "the skin's picture";
  f.SetShowIcon(true);
  const SIZE small = TspDynamicSkinForm::SmallIconSize();
  EXPECT_EQ(button->ObjectRect.Width(), small.cx);
  EXPECT_EQ(button->ObjectRect.Height(), small.cy);
  EXPECT_EQ(iconPixels(), small.cx * small.cy) << "the whole button is the icon";
  f.SetShowIcon(false);
  EXPECT_TRUE(button->ObjectRect == skinPlace);
  EXPECT_EQ(iconPixels(), 0);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST_F(SkinnedForm, WithoutANonClientAreaTheSkinIsTheClientBackground) {
  TspDynamicSkinForm& f = form->Frame();
  f.SetSupportNCArea(false);
  f.SetSkinData(nullptr);
  f.SetSkinData(&form->Skin());
  form->SetBounds(10, 10, 500, 300);
  Pump();
  EXPECT_TRUE(SameRect(Borders(Window()), {0, 0, 0, 0})) << Describe(Borders(Window()));
  EXPECT_FALSE(InRegion(Window(), 0, 0)) << "shaped by the mask still";
  EXPECT_TRUE(InRegion(Window(), 250, 150));
  EXPECT_EQ(HitTestAt(Window(), 1, 150), HTLEFT);
  EXPECT_EQ(HitTestAt(Window(), 498, 298), HTBOTTOMRIGHT);
  EXPECT_EQ(HitTestAt(Window(), 250, 15), HTCLIENT) << "the caption is the client's";

  TBitmap face;
  face.SetBitCount(32);
  face.SetSize(500, 300);
  form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(face.Canvas()->Handle()));
  GdiFlush();
  TBitmap& picture = form->Skin().Picture();
  auto at = [&](int x, int y) {
    const uint8_t* p = face.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
  };
  EXPECT_EQ(at(220, 0), PictureAt(picture, 220, 0)) << "clear of the objects, which keep their skin places";
  EXPECT_EQ(at(499, 150), PictureAt(picture, 299, 30 + (150 - 30) % 86));
  EXPECT_EQ(at(250, 298), PictureAt(picture, 40 + (250 - 40) % 220, 118));
}

// A translucent control straight on a skinned form mixes its face with the skin picture the
// form erases its client with, not with a plain colour.
TEST_F(SkinnedForm, ATranslucentControlOnTheFormShowsTheSkinBehindIt) {
  dynamic_cast<TControl*>(form->FindComponent("spSkinPanel1"))->SetVisible(false);
  TspDynamicSkinForm& f = form->Frame();
  f.SetSupportNCArea(false);
  f.SetSkinData(nullptr);
  f.SetSkinData(&form->Skin());
  form->SetBounds(10, 10, 500, 300);
  auto* label = new TspSkinLabel(form);
  label->SetBounds(20, 2, 120, 60);
  label->SetParent(form);
  Pump();

  TBitmap behind;
  behind.SetBitCount(32);
  behind.SetSize(500, 300);
  form->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(behind.Canvas()->Handle()));
  GdiFlush();
  auto behindAt = [&](int x, int y) {
    const uint8_t* p = behind.ScanLine(label->Top() + y) + 4 * (label->Left() + x);
    return RGB(p[2], p[1], p[0]);
  };
  const std::vector<POINT> points = {{0, 0}, {60, 5}, {119, 30}, {5, 59}, {110, 55}};
  std::vector<COLORREF> seen;
  for (POINT p : points) seen.push_back(behindAt(p.x, p.y));
  ASSERT_LT(std::count(seen.begin(), seen.end(), seen[0]), static_cast<long>(seen.size()))
      << "the skin behind the label is not one colour";

  const TFaceShot opaque(*label);
  label->SetAlphaBlend(true);
  label->SetAlphaBlendValue(0);
  const TFaceShot clear(*label);
  label->SetAlphaBlendValue(255);
  const TFaceShot full(*label);
  for (POINT p : points) {
    EXPECT_EQ(clear.At(p.x, p.y), behindAt(p.x, p.y)) << p.x << "," << p.y;
    EXPECT_EQ(full.At(p.x, p.y), opaque.At(p.x, p.y)) << p.x << "," << p.y;
  }
}

// Without a non-client area the form's own cursor is what shows over the frame's objects, so
// the skin's cursors come through it; the borders keep the system's sizing cursors.
TEST_F(SkinnedForm, WithoutANonClientAreaTheFormShowsTheSkinsCursors) {
  // The pointer goes back where it was, so no later window finds it over itself.
  POINT before;
  GetCursorPos(&before);
  TspSkinData& skin = form->Skin();
  for (auto& d : skin.ObjectList) d->CursorIndex = 0;
  skin.FormInfo.FormCursorIndex = 1;
  const TCursor first = skin.StartCursorIndex;
  const HCURSOR objectCursor = LoadCursor(nullptr, IDC_CROSS), formCursor = LoadCursor(nullptr, IDC_HELP);
  Screen()->SetCursors(first, objectCursor);
  Screen()->SetCursors(first + 1, formCursor);
  // The panel would cover the caption's objects.
  dynamic_cast<TControl*>(form->FindComponent("spSkinPanel1"))->SetVisible(false);
  TspDynamicSkinForm& f = form->Frame();
  f.SetUseSkinCursors(true);
  f.SetSupportNCArea(false);
  f.SetSkinData(nullptr);
  f.SetSkinData(&skin);
  form->SetBounds(10, 10, 500, 300);
  SetForegroundWindow(Window());
  Pump();
  int index = 0;
  while (index < static_cast<int>(f.FrameObjects().size()) && !f.TakesPart(*f.FrameObjects()[index])) ++index;
  ASSERT_LT(index, static_cast<int>(f.FrameObjects().size()));
  const TRect r = f.FrameObjects()[index]->ObjectRect;
  auto pointAt = [&](int x, int y) {
    POINT p = {x, y};
    ClientToScreen(Window(), &p);
    SetCursorPos(p.x, p.y);
    SendMessageA(Window(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
  };
  auto setCursor = [&](int code) {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    SendMessageA(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()), MAKELPARAM(code, WM_MOUSEMOVE));
    return GetCursor();
  };

  pointAt((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  EXPECT_TRUE(PumpUntil([&] { return f.HoverIndex() == index && form->Cursor() == first; }))
      << f.FrameObjects()[index]->IDName << ": hover " << f.HoverIndex() << ", cursor " << form->Cursor();
  EXPECT_EQ(setCursor(HTCLIENT), objectCursor);

  pointAt(250, 150);
  EXPECT_TRUE(PumpUntil([&] { return f.HoverIndex() == -1 && form->Cursor() == first + 1; }))
      << "off the objects the skin's form cursor; cursor " << form->Cursor();
  EXPECT_EQ(setCursor(HTCLIENT), formCursor);
  EXPECT_EQ(setCursor(HTLEFT), LoadCursor(nullptr, IDC_SIZEWE)) << "the border sizes as ever";

  Screen()->SetCursors(first + 1, nullptr);
  pointAt(251, 150);
  EXPECT_TRUE(PumpUntil([&] { return form->Cursor() == crDefault; }))
      << "a cursor the skin could not make is the default one, not the arrow; cursor " << form->Cursor();
  skin.FormInfo.FormCursorIndex = -1;
  f.SetUseSkinCursors(false);
  Screen()->SetCursors(first, nullptr);
  SetCursorPos(before.x, before.y);
}

}  // namespace
}  // namespace tmv

namespace tmv {
namespace {

TEST(DynamicSkinFormFade, AFormFadesInOnlyWhereTranslucentWindowsAreUsed) {
  auto layered = [](TForm& f) { return (GetWindowLongA(f.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0; };
  {
    TSkinFormTestForm form(nullptr);
    form.Frame().SetAlphaBlendAnimation(true);
    form.Show();
    EXPECT_FALSE(layered(form)) << "version 6 and later: shown opaque at once";
  }
  const TWindowsVersionQuery old = SetWindowsVersionQuery([]() -> DWORD { return 0x0105; });
  {
    TSkinFormTestForm form(nullptr);
    form.Frame().SetAlphaBlendAnimation(true);
    form.Show();
    EXPECT_TRUE(layered(form)) << "translucent while it fades in";
    EXPECT_TRUE(PumpUntil([&] { return !layered(form); })) << "opaque once faded in";
    form.Frame().SetAlphaBlend(true);
    EXPECT_TRUE(layered(form));
    form.Frame().SetAlphaBlend(false);
    EXPECT_FALSE(layered(form));
  }
  SetWindowsVersionQuery(old);
}

}  // namespace
}  // namespace tmv
