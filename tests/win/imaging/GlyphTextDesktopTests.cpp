#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "skin/imaging/SPUtilsGlyphs.h"
#include "skin/imaging/SPUtilsText.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {
namespace {

class GlyphCanvas : public ::testing::Test {
protected:
  void SetUp() override {
    bitmap.SetBitCount(32);
    bitmap.SetSize(24, 24);
    std::memset(bitmap.ScanLine(0), 0xFF, bitmap.RowBytes() * 24);
  }
  HDC Dc() { return bitmap.Canvas()->Handle(); }
  bool Inked(int x, int y) { return bitmap.ScanLine(y)[4 * x] == 0; }
  TBitmap bitmap;
};

TEST_F(GlyphCanvas, LinesIncludeTheirStartButNotTheirEnd) {
  DrawGlyphClose(Dc(), 4, 4, clBlack);
  EXPECT_TRUE(Inked(5, 5));
  EXPECT_TRUE(Inked(12, 12));
  EXPECT_FALSE(Inked(13, 13));
  EXPECT_TRUE(Inked(4 + 8, 5));  // start of the fourth stroke
  EXPECT_FALSE(Inked(4, 13));    // its end
}

TEST_F(GlyphCanvas, FilledAndHollowShapes) {
  DrawBullet(Dc(), 2, 2, clBlack);
  EXPECT_TRUE(Inked(2, 2));
  EXPECT_TRUE(Inked(7, 7));
  EXPECT_FALSE(Inked(8, 8));
  DrawGlyphMaximize(Dc(), 10, 10, clBlack);
  EXPECT_TRUE(Inked(10, 10));
  EXPECT_TRUE(Inked(20, 19));
  EXPECT_FALSE(Inked(21, 19));
  EXPECT_TRUE(Inked(15, 11));   // the thick title bar
  EXPECT_FALSE(Inked(15, 15));  // hollow inside
}

TEST_F(GlyphCanvas, TriangleAndArrow) {
  DrawGlyphTriangleDown(Dc(), 0, 0, clBlack);
  EXPECT_TRUE(Inked(1, 2));
  EXPECT_TRUE(Inked(8, 2));
  EXPECT_FALSE(Inked(9, 2));
  EXPECT_TRUE(Inked(4, 5));
  EXPECT_FALSE(Inked(6, 5));
  EXPECT_FALSE(Inked(5, 6));  // the tip is a line of length 0

  DrawArrow(Dc(), {10, 10, 20, 20}, clBlack, 1);  // centre (15, 15), pointing left
  EXPECT_TRUE(Inked(13, 15));
  EXPECT_FALSE(Inked(13, 16));
  EXPECT_TRUE(Inked(16, 12));
  EXPECT_TRUE(Inked(16, 18));
  EXPECT_FALSE(Inked(16, 19));
  EXPECT_FALSE(Inked(17, 15));
  DrawArrow(Dc(), {0, 12, 8, 20}, clBlack, 9);  // unknown direction
  EXPECT_FALSE(Inked(4, 16));
}

TEST(TextGdi, FitTextToWidthMeasuresWithTheContextsFont) {
  TBitmap bitmap;
  bitmap.SetSize(10, 10);
  HDC dc = bitmap.Canvas()->Handle();
  const std::string text = "The quick brown fox jumps over the lazy dog";
  SIZE whole{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &whole);
  EXPECT_EQ(FitTextToWidth(dc, text, whole.cx), text);
  const std::string fitted = FitTextToWidth(dc, text, whole.cx / 2);
  ASSERT_GT(fitted.size(), 3u);
  EXPECT_EQ(fitted.substr(fitted.size() - 3), "...");
  SIZE part{};
  GetTextExtentPoint32A(dc, fitted.data(), static_cast<int>(fitted.size()), &part);
  EXPECT_LE(part.cx, whole.cx / 2);
}

DWORD gVersion = 0;
DWORD FakeVersion() { return gVersion; }

TEST(Desktop, LayeredWindowsOnlyOnVersionsFiveToFivePointTwo) {
  const TWindowsVersionQuery real = SetWindowsVersionQuery(FakeVersion);
  const struct {
    int major, minor;
    bool layered, v51;
  } cases[] = {{5, 0, true, false}, {5, 1, true, true}, {5, 2, true, false},
               {5, 3, false, false}, {6, 1, false, false}, {4, 0, false, false}};
  for (const auto& c : cases) {
    gVersion = static_cast<DWORD>(c.major | (c.minor << 8));
    EXPECT_EQ(LayeredWindowsAvailable(), c.layered) << c.major << "." << c.minor;
    EXPECT_EQ(IsVersion51(), c.v51) << c.major << "." << c.minor;
  }
  SetWindowsVersionQuery(real);
  EXPECT_FALSE(LayeredWindowsAvailable());  // Wine reports 6.1
}

TEST(Desktop, WindowAlphaAndWorkArea) {
  HWND window = CreateWindowExA(WS_EX_LAYERED, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(window);
  EXPECT_TRUE(SetWindowAlpha(window, 90));
  BYTE alpha = 0;
  DWORD flags = 0;
  if (GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) {
    EXPECT_EQ(alpha, 90);
    EXPECT_TRUE(flags & LWA_ALPHA);
  }
  TRect area{1, 2, 3, 4};
  GetMonitorWorkArea(window, area, true);
  RECT expected;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &expected, 0);
  EXPECT_EQ(area, (TRect{expected.left, expected.top, expected.right, expected.bottom}));
  GetMonitorWorkArea(window, area, false);
  EXPECT_EQ(area.Right, GetSystemMetrics(SM_CXSCREEN));
  DestroyWindow(window);
}

TEST(Desktop, CaptureScreenAreaCopiesWhatIsShown) {
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | SS_BLACKRECT, 100, 120,
                                60, 40, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  TBitmap shot;
  shot.SetBitCount(32);
  shot.SetSize(20, 10);
  std::memset(shot.ScanLine(0), 0x55, shot.RowBytes() * 10);
  CaptureScreenArea(110, 130, shot);
  const uint8_t* p = shot.ScanLine(5) + 4 * 10;
  HDC screen = GetDC(nullptr);
  const COLORREF shown = GetPixel(screen, 120, 135);
  ReleaseDC(nullptr, screen);
  EXPECT_NE(RGB(p[2], p[1], p[0]), RGB(0x55, 0x55, 0x55));
  EXPECT_EQ(RGB(p[2], p[1], p[0]), shown);
  DestroyWindow(window);
}

TEST(EffectBmpGdi, ReadsAnyBitmapAndDrawsUnscaled) {
  TBitmap source;
  source.SetBitCount(32);
  source.SetSize(3, 2);
  source.ScanLine(1)[4 * 2 + 0] = 11;
  source.ScanLine(1)[4 * 2 + 1] = 22;
  source.ScanLine(1)[4 * 2 + 2] = 33;
  TspEffectBmp effect(source.Handle());
  ASSERT_EQ(effect.Width(), 3);
  ASSERT_EQ(effect.Height(), 2);
  EXPECT_EQ(effect.Pixel(2, 1), (TBgr{11, 22, 33}));
  effect.InvertColours();
  TBitmap target;
  target.SetBitCount(32);
  target.SetSize(6, 6);
  effect.Draw(target.Canvas()->Handle(), 2, 3);
  const uint8_t* p = target.ScanLine(4) + 4 * 4;
  EXPECT_EQ(p[0], 244);
  EXPECT_EQ(p[1], 233);
  EXPECT_EQ(p[2], 222);
  EXPECT_EQ(target.ScanLine(2)[4 * 2], 0);
  EXPECT_EQ(TspEffectBmp(static_cast<HBITMAP>(nullptr)).Width(), 0);
}

}  // namespace
}  // namespace tmv
