#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"

namespace tmv {
namespace {

// The colour of a pixel of a 32-bit bitmap, read from its rows (0x00BBGGRR like COLORREF).
COLORREF RowPixel(const TBitmap& bmp, int x, int y) {
  const uint8_t* p = bmp.ScanLine(y) + x * 4;
  return RGB(p[2], p[1], p[0]);
}

TBitmap* NewCanvasBitmap(int w, int h) {
  auto* bmp = new TBitmap;
  bmp->SetBitCount(32);
  bmp->SetSize(w, h);
  return bmp;
}

TEST(CanvasDrawing, ShapesLandOnTheExpectedPixels) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(20, 10));
  TCanvas& c = *bmp->Canvas();
  c.Brush()->SetColor(clRed);
  c.FillRect({2, 2, 5, 5});
  EXPECT_EQ(RowPixel(*bmp, 2, 2), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*bmp, 4, 4), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*bmp, 5, 5), RGB(0, 0, 0));

  c.Pen()->SetColor(clLime);
  c.MoveTo(0, 8);
  c.LineTo(10, 8);
  EXPECT_EQ(RowPixel(*bmp, 9, 8), RGB(0, 255, 0));
  EXPECT_EQ(RowPixel(*bmp, 10, 8), RGB(0, 0, 0));

  c.Brush()->SetColor(clBlue);
  c.Rectangle(10, 0, 16, 6);
  EXPECT_EQ(RowPixel(*bmp, 10, 0), RGB(0, 255, 0));
  EXPECT_EQ(RowPixel(*bmp, 12, 3), RGB(0, 0, 255));
  c.Brush()->SetColor(clYellow);
  c.FrameRect({0, 0, 2, 2});
  EXPECT_EQ(RowPixel(*bmp, 0, 0), RGB(255, 255, 0));

  c.SetPixel(19, 9, clBtnFace);
  EXPECT_EQ(c.Pixel(19, 9), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(RowPixel(*bmp, 19, 9), GetSysColor(COLOR_BTNFACE));
}

TEST(CanvasDrawing, ObjectsAreSelectedOnlyForTheOperation) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(4, 4));
  HDC dc = bmp->Canvas()->Handle();
  HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN), font = GetCurrentObject(dc, OBJ_FONT);
  bmp->Canvas()->Pen()->SetColor(clRed);
  bmp->Canvas()->LineTo(3, 3);
  bmp->Canvas()->TextOut(0, 0, "x");
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST(CanvasDrawing, TextUsesTheFontAndBrush) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(60, 20));
  TCanvas& c = *bmp->Canvas();
  c.Brush()->SetColor(clWhite);
  c.FillRect({0, 0, 60, 20});
  c.Font()->SetColor(clBlack);
  c.Font()->SetHeight(-14);
  const int narrow = c.TextWidth("图标");
  c.Font()->SetStyle(fsBold);
  EXPECT_GT(narrow, 0);
  EXPECT_GT(c.TextHeight("图标"), 10);
  c.Brush()->SetStyle(bsClear);
  c.TextOut(2, 2, "图标");
  int dark = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) dark += RowPixel(*bmp, x, y) == RGB(0, 0, 0);
  EXPECT_GT(dark, 10);
  // The clear brush left the background alone outside the glyphs.
  EXPECT_EQ(RowPixel(*bmp, 59, 19), RGB(255, 255, 255));
}

TEST(CanvasDrawing, BitmapsAreDrawnStretchedAndCopied) {
  std::unique_ptr<TBitmap> src(NewCanvasBitmap(2, 2)), dst(NewCanvasBitmap(8, 8));
  src->Canvas()->SetPixel(0, 0, clRed);
  src->Canvas()->SetPixel(1, 1, clBlue);
  dst->Canvas()->Draw(3, 3, *src);
  EXPECT_EQ(RowPixel(*dst, 3, 3), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*dst, 4, 4), RGB(0, 0, 255));
  dst->Canvas()->StretchDraw({0, 0, 4, 4}, *src);
  EXPECT_EQ(RowPixel(*dst, 1, 1), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*dst, 3, 3), RGB(0, 0, 255));
  dst->Canvas()->CopyRect({6, 6, 8, 8}, *src->Canvas(), {0, 0, 2, 2});
  EXPECT_EQ(RowPixel(*dst, 7, 7), RGB(0, 0, 255));
}

TEST(BitmapSection, GdiDrawingSurvivesAFileRoundTrip) {
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    SCOPED_TRACE(bits);
    TBitmap bmp;
    bmp.SetBitCount(bits);
    bmp.SetSize(9, 5);
    if (bits <= 8) {
      bmp.Palette()[0] = 0x000000;
      bmp.Palette()[1] = 0xFFFFFF;
    }
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect({1, 1, 4, 3});
    TMemoryStream s;
    bmp.SaveToStream(s);
    s.SetPosition(0);
    TBitmap back;
    back.LoadFromStream(s);
    EXPECT_EQ(back.Canvas()->Pixel(2, 2), RGB(255, 255, 255));
    EXPECT_EQ(back.Canvas()->Pixel(5, 2), RGB(0, 0, 0));
    for (int y = 0; y < 5; ++y) EXPECT_EQ(0, std::memcmp(back.ScanLine(y), bmp.ScanLine(y), bmp.RowBytes()));
  }
}

TEST(BitmapSection, ResizingKeepsTheCanvasUsable) {
  TBitmap bmp;
  bmp.SetBitCount(32);
  TCanvas* canvas = bmp.Canvas();
  EXPECT_EQ(bmp.Handle(), nullptr);
  bmp.SetSize(3, 3);
  EXPECT_EQ(bmp.Canvas(), canvas);
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_BITMAP), bmp.Handle());
  canvas->SetPixel(2, 2, clRed);
  EXPECT_EQ(RowPixel(bmp, 2, 2), RGB(255, 0, 0));
}

TEST(BitmapSection, AdoptedBitmapsBecomeAddressable) {
  HDC screen = GetDC(nullptr);
  HBITMAP ddb = CreateCompatibleBitmap(screen, 6, 4);
  ReleaseDC(nullptr, screen);
  {
    UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SelectGuard chosen(dc.Get(), ddb);
    RECT all = {0, 0, 6, 4};
    UniqueBrush green(CreateSolidBrush(RGB(0, 128, 0)));
    FillRect(dc.Get(), &all, green.Get());
    ::SetPixel(dc.Get(), 5, 0, RGB(255, 0, 0));
  }
  TBitmap bmp;
  bmp.AdoptHandle(ddb);
  EXPECT_EQ(bmp.Width(), 6);
  EXPECT_EQ(bmp.Height(), 4);
  EXPECT_EQ(bmp.BitCount(), 32);
  EXPECT_EQ(RowPixel(bmp, 0, 3), RGB(0, 128, 0));
  EXPECT_EQ(RowPixel(bmp, 5, 0), RGB(255, 0, 0));

  // An icon's mask is a monochrome bitmap; it arrives at one bit with a black-white table.
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(LoadIcon(nullptr, IDI_APPLICATION), &info));
  UniqueBitmap colour(info.hbmColor);
  TBitmap mask;
  mask.AdoptHandle(info.hbmMask);
  EXPECT_EQ(mask.BitCount(), 1);
  ASSERT_EQ(mask.Palette().size(), 2u);
  EXPECT_EQ(mask.Palette()[1], 0xFFFFFFu);
  EXPECT_GT(mask.Width(), 0);

  EXPECT_THROW(bmp.AdoptHandle(nullptr), EInvalidGraphic);
}

TEST(Fonts, HandlesFollowTheSettings) {
  TFont font;
  font.SetName("宋体");
  font.SetHeight(-14);
  font.SetStyle(fsBold | fsUnderline);
  font.SetCharset(GB2312_CHARSET);
  LOGFONTA lf;
  ASSERT_TRUE(GetObjectA(font.Handle(), sizeof lf, &lf));
  EXPECT_STREQ(lf.lfFaceName, "宋体");
  EXPECT_EQ(lf.lfHeight, -14);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_FALSE(lf.lfItalic);
  EXPECT_EQ(lf.lfCharSet, GB2312_CHARSET);
  font.SetSize(9);
  EXPECT_EQ(font.Size(), 9);
  EXPECT_EQ(font.Height(), -12);  // 96 pixels per inch
  font.SetCharset(300);
  EXPECT_EQ(font.Charset(), GB2312_CHARSET);

  EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(ColorToRGB(0x00123456), 0x123456u);
}

TEST(Icons, OwnedHandleIsDestroyedOrGivenAway) {
  TIcon icon;
  EXPECT_TRUE(icon.Empty());
  HICON copy = CopyIcon(LoadIcon(nullptr, IDI_APPLICATION));
  icon.SetHandle(copy);
  EXPECT_EQ(icon.Width(), GetSystemMetrics(SM_CXICON));
  EXPECT_EQ(icon.Height(), GetSystemMetrics(SM_CYICON));
  HICON released = icon.ReleaseHandle();
  EXPECT_TRUE(icon.Empty());
  ICONINFO info;
  ASSERT_TRUE(GetIconInfo(released, &info));
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_TRUE(DestroyIcon(released));
}

}  // namespace
}  // namespace tmv
