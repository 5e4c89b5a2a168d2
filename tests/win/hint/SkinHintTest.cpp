#include <gtest/gtest.h>

#include "skin/hint/SkinHint.h"
#include "skin/hint/SkinHintWindow.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "win/controls/SkinControlsTestSupport.h"

namespace tmv {
namespace {

class THintForm : public TForm {
public:
  explicit THintForm(TComponent* owner) : TForm(owner) { InitFormResource(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("THintForm", &TForm::StaticClassInfo(), nullptr);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  template <class C>
  C* Find(const std::string& name) {
    return dynamic_cast<C*>(FindComponent(name));
  }
};

TspSkinHintWindow* AppHintWindow() { return dynamic_cast<TspSkinHintWindow*>(Application()->HintWindow()); }

void ShowAt(THintWindow& window, int x, int y, const std::string& text) {
  window.ShowHintAt({x, y, x, y}, text);
  Pump();
}

RECT WindowBounds(THintWindow& window) {
  RECT r;
  GetWindowRect(window.Handle(), &r);
  return r;
}

// Whether the window's region holds the point; a window without a region holds every point.
bool InWindowRegion(THintWindow& window, int x, int y) {
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window.Handle(), region.Get()) == ERROR) return true;
  return PtInRegion(region.Get(), x, y) != 0;
}

// The main window's form resource: its stored skin, registry and skin hint, over a panel
// with a hint. Made as the application's main form, freed after each test.
struct SkinnedHints : testing::Test {
  SkinnedHints() {
    // Away from the form, so the application's own hint of the panel does not take the
    // window over while a test shows hints directly.
    SetCursorPos(5, 5);
    Application()->SetHintPause(20);
    form = Application()->CreateForm<THintForm>();
    hint = form->Find<TspSkinHint>("spSkinHint1");
    data = form->Find<TspSkinData>("spSkinData1");
    panel = form->Find<TPanel>("Panel1");
    form->Show();
    Pump();
  }
  ~SkinnedHints() override {
    Application()->CancelHint();
    delete form;
    Pump();
  }
  TBitmap& HintPicture() { return *data->ActivePictures[static_cast<size_t>(data->HintWindow.WindowPictureIndex)]; }

  THintForm* form;
  TspSkinHint* hint;
  TspSkinData* data;
  TPanel* panel;
};

TEST_F(SkinnedHints, TheFormResourceSetsUpTheSkinHintForTheWholeApplication) {
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(Application()->MainForm(), form);
  EXPECT_EQ(hint->SkinData(), data);
  EXPECT_TRUE(hint->Active());
  EXPECT_TRUE(hint->UseSkinFont());
  EXPECT_FALSE(hint->AlphaBlend());
  EXPECT_EQ(hint->AlphaBlendValue(), 200);
  EXPECT_EQ(hint->DefaultFont()->Name(), "MS Sans Serif");
  EXPECT_EQ(hint->DefaultFont()->Height(), -11);
  // Wine reports version 6.1, where layered windows are not used.
  EXPECT_EQ(hint->AlphaBlendSupport(), LayeredWindowsAvailable());
  EXPECT_FALSE(hint->AlphaBlendSupport());
  EXPECT_NE(AppHintWindow(), nullptr);
  EXPECT_EQ(Application()->HintShortPause(), 100);
}

class HintRewriter : public TComponent {
public:
  HintRewriter() : TComponent(nullptr) {}
  void Rewrite(std::string& text, bool&, THintInfo& info) {
    seen = info.HintControl;
    text += "!";
  }
  TControl* seen = nullptr;
};

TEST_F(SkinnedHints, ARestingMouseShowsTheHintDrawnFromTheSkinPicture) {
  HintRewriter rewriter;
  hint->SetOnShowHint(TShowHintEvent::Of<&HintRewriter::Rewrite>(&rewriter));
  POINT cursor = {150, 80};
  ClientToScreen(panel->Handle(), &cursor);
  SetCursorPos(cursor.x, cursor.y);
  Sleep(30);
  Pump();
  PostMessageA(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
  ASSERT_TRUE(PumpUntil([] { return Application()->HintWindow()->Showing(); }));
  TspSkinHintWindow& window = *AppHintWindow();
  EXPECT_TRUE(window.Skinned());
  EXPECT_EQ(window.Caption(), "帮助!");  // the component's OnShowHint had its say
  EXPECT_EQ(rewriter.seen, panel);
  EXPECT_EQ(WindowBounds(window).left, cursor.x);

  EXPECT_EQ(window.Font()->Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(window.Font()->Height(), data->HintWindow.FontHeight);

  TBitmap& picture = HintPicture();
  ASSERT_EQ(picture.Width(), 24);
  ASSERT_EQ(picture.Height(), 22);
  TFaceShot face(window);
  const int w = face.Width(), h = face.Height();
  ASSERT_GT(w, 24);  // "帮助" is wider than the picture's 12-pixel client area
  // Corners come unchanged from the picture's corners.
  EXPECT_EQ(face.At(1, 1), PictureAt(picture, 1, 1));
  EXPECT_EQ(face.At(w - 2, 1), PictureAt(picture, 22, 1));
  EXPECT_EQ(face.At(1, h - 2), PictureAt(picture, 1, 20));
  EXPECT_EQ(face.At(w - 2, h - 2), PictureAt(picture, 22, 20));
  // The top edge between the corners repeats the picture's 12-pixel edge.
  for (int x = 6; x < w - 6; ++x) ASSERT_EQ(face.At(x, 1), PictureAt(picture, 6 + (x - 6) % 12, 1)) << x;
  // The text, in the skin's font colour, lies within the client area only.
  const COLORREF ink = data->HintWindow.FontColor;
  EXPECT_GT(face.Count(ink, {6, 4, w - 6, h - 4}), 10);
  EXPECT_EQ(face.Count(ink, {0, 0, w, 3}), 0);
}

TEST_F(SkinnedHints, TheMaskShapesTheWindowAtEverySizeNeverSmallerThanThePicture) {
  TspSkinHintWindow& window = *AppHintWindow();
  ShowAt(window, 200, 200, "a");
  RECT r = WindowBounds(window);
  EXPECT_EQ(r.right - r.left, 24);
  EXPECT_EQ(r.bottom - r.top, 22);
  EXPECT_FALSE(InWindowRegion(window, 0, 0));
  EXPECT_FALSE(InWindowRegion(window, 23, 21));
  EXPECT_TRUE(InWindowRegion(window, 12, 11));
  EXPECT_TRUE(InWindowRegion(window, 23, 11));

  ShowAt(window, 200, 200, "a much longer hint than the picture");
  r = WindowBounds(window);
  const int w = r.right - r.left, h = r.bottom - r.top;
  ASSERT_GT(w, 100);
  EXPECT_FALSE(InWindowRegion(window, w - 1, 0));
  EXPECT_FALSE(InWindowRegion(window, w - 1, h - 1));
  EXPECT_FALSE(InWindowRegion(window, 0, h - 1));
  EXPECT_TRUE(InWindowRegion(window, w - 1, h / 2));
  EXPECT_TRUE(InWindowRegion(window, w / 2, h - 1));
}

TEST_F(SkinnedHints, WithoutASkinTheHintHasThePlainLookAndNoRegion) {
  TspSkinHintWindow& window = *AppHintWindow();
  ShowAt(window, 200, 200, "skinned first");
  ASSERT_FALSE(InWindowRegion(window, 0, 0));

  auto* empty = new TspSkinData(form);
  hint->SetSkinData(empty);
  ShowAt(window, 200, 200, "plain");
  EXPECT_FALSE(window.Skinned());
  EXPECT_TRUE(InWindowRegion(window, 0, 0));
  TFaceShot face(window);
  SIZE text;
  {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SelectGuard font(dc.Get(), hint->DefaultFont()->Handle());
    GetTextExtentPoint32A(dc.Get(), "plain", 5, &text);
  }
  EXPECT_EQ(face.Width(), text.cx + 4);
  EXPECT_EQ(face.Height(), text.cy + 4);
  EXPECT_EQ(face.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(face.At(face.Width() - 1, face.Height() - 1), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(face.At(1, 1), GetSysColor(COLOR_INFOBK));
  EXPECT_GT(face.Count(GetSysColor(COLOR_INFOTEXT), {2, 2, face.Width() - 2, face.Height() - 2}), 10);
}

TEST_F(SkinnedHints, FreeingTheComponentOrItsSkinWhileAHintShowsHidesIt) {
  TspSkinHintWindow& window = *AppHintWindow();
  ShowAt(window, 200, 200, "shown");
  ASSERT_TRUE(window.Showing());
  // A skin dropped under a showing hint leaves it painting the plain look.
  data->ClearSkin();
  EXPECT_EQ(TFaceShot(window).At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  delete data;
  EXPECT_FALSE(window.Showing());
  ShowAt(window, 200, 200, "plain now");
  EXPECT_TRUE(window.Showing());
  EXPECT_FALSE(window.Skinned());

  delete hint;
  EXPECT_FALSE(window.Showing());
  EXPECT_FALSE(Application()->OnShowHint().Assigned());
  ShowAt(window, 200, 200, "nobody serves");
  EXPECT_FALSE(window.Showing());
}

TEST_F(SkinnedHints, ALongTextIsCutBetweenWholeCharactersToFitTheScreen) {
  TspSkinHintWindow& window = *AppHintWindow();
  std::string text;
  for (int i = 0; i < 300; ++i) text += "汉字";
  ShowAt(window, 0, 200, "a" + text);
  const std::string& shown = window.Caption();
  ASSERT_GT(shown.size(), 4u);
  ASSERT_EQ(shown.substr(shown.size() - 3), "...");
  const std::string kept = shown.substr(0, shown.size() - 3);
  EXPECT_EQ(("a" + text).compare(0, kept.size(), kept), 0);
  EXPECT_EQ(kept.size() % 2, 1u) << "a double-byte character was split";
  const RECT r = WindowBounds(window);
  EXPECT_LE(r.right - r.left, GetSystemMetrics(SM_CXSCREEN));
}

TEST_F(SkinnedHints, TheRegistrysResourceStringsGiveTheCharacterSet) {
  auto* strings = new TspResourceStrData(form);
  strings->SetCharSet(GB2312_CHARSET);
  data->SetResourceStrData(strings);
  ShowAt(*AppHintWindow(), 200, 200, "字");
  EXPECT_EQ(AppHintWindow()->Font()->Charset(), GB2312_CHARSET);
  data->SetResourceStrData(nullptr);
  hint->SetUseSkinFont(false);
  ShowAt(*AppHintWindow(), 200, 200, "字");
  EXPECT_EQ(AppHintWindow()->Font()->Charset(), DEFAULT_CHARSET);
  EXPECT_EQ(AppHintWindow()->Font()->Name(), "MS Sans Serif");
  EXPECT_EQ(AppHintWindow()->Font()->Color(), static_cast<TColor>(data->HintWindow.FontColor));
}

TEST_F(SkinnedHints, AHintPastTheScreenEdgeOpensBeforeThePoint) {
  TspSkinHintWindow& window = *AppHintWindow();
  const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
  ShowAt(window, sw - 5, sh - 5, "edge");
  const RECT r = WindowBounds(window);
  EXPECT_EQ(r.left, sw - 5 - (r.right - r.left) - 2);
  EXPECT_EQ(r.top, sh - 5 - (r.bottom - r.top) - 2);
}

TEST_F(SkinnedHints, ASecondActiveSkinHintTakesOver) {
  auto* second = new TspSkinHint(form);
  second->SetActive(true);
  EXPECT_FALSE(hint->Active());
  TspSkinHintWindow& window = *AppHintWindow();
  ShowAt(window, 200, 200, "second");
  EXPECT_TRUE(window.Showing());
  EXPECT_FALSE(window.Skinned());  // the second one has no registry
  hint->SetActive(true);
  EXPECT_FALSE(second->Active());
  ShowAt(window, 200, 200, "first");
  EXPECT_TRUE(window.Skinned());
}

DWORD Version51() { return 0x0105; }

TEST_F(SkinnedHints, TranslucencyIsLayeredWhereAvailableAndMixedWithTheScreenElsewhere) {
  TspSkinHintWindow& window = *AppHintWindow();
  // Elsewhere: opacity 0 leaves the screen under the window (the panel) in the face.
  hint->SetAlphaBlend(true);
  hint->SetAlphaBlendValue(0);
  POINT p = {20, 20};
  ClientToScreen(panel->Handle(), &p);
  ShowAt(window, p.x, p.y, "see-through");
  TFaceShot clear(window);
  EXPECT_EQ(clear.At(1, 1), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(clear.At(clear.Width() / 2, clear.Height() / 2), GetSysColor(COLOR_BTNFACE));
  hint->SetAlphaBlendValue(255);
  ShowAt(window, p.x, p.y, "see-through");
  EXPECT_EQ(TFaceShot(window).At(1, 1), PictureAt(HintPicture(), 1, 1));

  const TWindowsVersionQuery previous = SetWindowsVersionQuery(&Version51);
  hint->SetAlphaBlendSupport(true);
  SetWindowsVersionQuery(previous);
  ASSERT_TRUE(hint->AlphaBlendSupport());
  hint->SetAlphaBlendValue(120);
  ShowAt(window, 200, 200, "layered");
  EXPECT_TRUE(GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 120);
  hint->SetAlphaBlendValue(60);
  ShowAt(window, 200, 200, "layered");
  ASSERT_TRUE(GetLayeredWindowAttributes(window.Handle(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 60);
  hint->SetAlphaBlend(false);
  ShowAt(window, 200, 200, "opaque");
  EXPECT_FALSE(GetWindowLongA(window.Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(SkinnedHints, ObjectHintsShowAfterThePauseAndHideAfterTheHidePause) {
  Application()->SetHintHidePause(200);
  hint->ShowObjectHintDelayed("对象");
  THintWindow& window = *hint->HintWindow();
  EXPECT_FALSE(window.Showing());
  ASSERT_TRUE(PumpUntil([&] { return window.Showing(); }));
  EXPECT_EQ(window.Caption(), "对象");
  EXPECT_TRUE(PumpUntil([&] { return !window.Showing(); }));

  hint->ShowObjectHintDelayed("again");
  ASSERT_TRUE(PumpUntil([&] { return window.Showing(); }));
  hint->HideObjectHint();
  EXPECT_FALSE(window.Showing());
  hint->ShowObjectHintDelayed("dropped");
  hint->HideObjectHint();
  Sleep(60);
  Pump();
  EXPECT_FALSE(window.Showing());
  Application()->SetHintHidePause(2500);
}

TEST(SkinHintWithoutMainForm, ShowsNothingBeforeTheMainFormAndAfterItIsFreed) {
  ASSERT_EQ(Application()->MainForm(), nullptr);
  TComponent holder(nullptr);
  auto* hint = new TspSkinHint(&holder);
  ShowAt(*hint->HintWindow(), 200, 200, "no main form");
  EXPECT_FALSE(hint->HintWindow()->Showing());

  auto* form = Application()->CreateForm<TForm>();
  new TspSkinHint(form);
  ShowAt(*AppHintWindow(), 200, 200, "main form");
  EXPECT_TRUE(AppHintWindow()->Showing());
  delete form;
  EXPECT_FALSE(AppHintWindow()->Showing());
  ShowAt(*AppHintWindow(), 200, 200, "form freed");
  EXPECT_FALSE(AppHintWindow()->Showing());
}

}  // namespace
}  // namespace tmv
