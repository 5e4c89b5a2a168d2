#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>

#include "TestSupport.h"
#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"
#include "framework/gui/ImgList.h"

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

// The smallest rectangle holding every pixel that is not background; empty when there is none.
RECT InkBounds(const TBitmap& bmp, COLORREF background) {
  RECT r = {bmp.Width(), bmp.Height(), 0, 0};
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (RowPixel(bmp, x, y) != background) {
        r.left = std::min<LONG>(r.left, x);
        r.top = std::min<LONG>(r.top, y);
        r.right = std::max<LONG>(r.right, x + 1);
        r.bottom = std::max<LONG>(r.bottom, y + 1);
      }
  return r;
}

std::unique_ptr<TBitmap> WhitePage(int w, int h) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(w, h));
  bmp->Canvas()->Brush()->SetColor(clWhite);
  bmp->Canvas()->FillRect({0, 0, w, h});
  bmp->Canvas()->Font()->SetColor(clBlack);
  bmp->Canvas()->Brush()->SetStyle(bsClear);
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

TEST(CanvasDrawing, EllipsesPolygonsPolylinesAndFocusRectangles) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(40, 20));
  TCanvas& c = *bmp->Canvas();
  c.Pen()->SetColor(clLime);
  c.Brush()->SetColor(clBlue);
  c.Ellipse(0, 0, 11, 11);
  EXPECT_EQ(RowPixel(*bmp, 5, 5), RGB(0, 0, 255));
  EXPECT_EQ(RowPixel(*bmp, 0, 5), RGB(0, 255, 0));
  EXPECT_EQ(RowPixel(*bmp, 5, 0), RGB(0, 255, 0));
  EXPECT_EQ(RowPixel(*bmp, 0, 0), RGB(0, 0, 0));  // the corners stay outside the curve
  EXPECT_EQ(RowPixel(*bmp, 10, 10), RGB(0, 0, 0));

  c.Polygon({{12, 0}, {20, 0}, {12, 8}});
  EXPECT_EQ(RowPixel(*bmp, 12, 0), RGB(0, 255, 0));
  EXPECT_EQ(RowPixel(*bmp, 14, 2), RGB(0, 0, 255));
  EXPECT_EQ(RowPixel(*bmp, 19, 7), RGB(0, 0, 0));

  // A polyline is neither closed nor filled: the way back from its last point is not drawn.
  c.Pen()->SetColor(clRed);
  c.Polyline({{22, 0}, {30, 0}, {30, 8}});
  EXPECT_EQ(RowPixel(*bmp, 26, 0), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*bmp, 30, 4), RGB(255, 0, 0));
  EXPECT_EQ(RowPixel(*bmp, 26, 4), RGB(0, 0, 0));
  EXPECT_EQ(RowPixel(*bmp, 27, 1), RGB(0, 0, 0));

  c.Brush()->SetColor(clWhite);
  c.FillRect({0, 12, 40, 20});
  c.DrawFocusRect({2, 13, 12, 19});
  int changed = 0;
  for (int x = 2; x < 12; ++x) changed += RowPixel(*bmp, x, 13) != RGB(255, 255, 255);
  EXPECT_GE(changed, 4);  // dotted: about every other pixel of the edge
  EXPECT_LE(changed, 6);
  EXPECT_EQ(RowPixel(*bmp, 6, 15), RGB(255, 255, 255));
  EXPECT_EQ(RowPixel(*bmp, 13, 13), RGB(255, 255, 255));
  c.DrawFocusRect({2, 13, 12, 19});  // inverting again takes it away
  EXPECT_EQ(InkBounds(*bmp, RGB(255, 255, 255)).top, 0);
  for (int x = 0; x < 40; ++x)
    for (int y = 12; y < 20; ++y) ASSERT_EQ(RowPixel(*bmp, x, y), RGB(255, 255, 255)) << x << "," << y;
}

TEST(CanvasText, DrawTextMeasuresAndAlignsByFlags) {
  std::unique_ptr<TBitmap> bmp = WhitePage(120, 40);
  TCanvas& c = *bmp->Canvas();
  c.Font()->SetName("Tahoma");
  c.Font()->SetHeight(-14);
  RECT measured = {10, 5, 110, 35};
  const int height = c.DrawText("HHH", measured, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(measured.left, 10);
  EXPECT_EQ(measured.top, 5);
  EXPECT_EQ(measured.right - measured.left, c.TextWidth("HHH"));
  EXPECT_EQ(measured.bottom - measured.top, height);
  EXPECT_EQ(InkBounds(*bmp, RGB(255, 255, 255)).right, 0) << "measuring drew";

  RECT box = {10, 0, 110, 40};
  c.DrawText("HHH", box, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
  RECT ink = InkBounds(*bmp, RGB(255, 255, 255));
  EXPECT_GE(ink.right, 106);
  EXPECT_GE(ink.left, 110 - c.TextWidth("HHH"));
  EXPECT_GT(ink.top, 40 - height);

  std::unique_ptr<TBitmap> centred = WhitePage(120, 40);
  box = {0, 0, 120, 40};
  centred->Canvas()->Font()->Assign(*c.Font());
  centred->Canvas()->DrawText("HHH", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  ink = InkBounds(*centred, RGB(255, 255, 255));
  EXPECT_NEAR(ink.left + ink.right, 120, 3);
  EXPECT_NEAR(ink.top + ink.bottom, 40, 3);
}

TEST(CanvasText, TextAlignPlacesTheReferencePointForOneOutput) {
  std::unique_ptr<TBitmap> bmp = WhitePage(120, 40);
  TCanvas& c = *bmp->Canvas();
  c.Font()->SetName("Tahoma");
  c.Font()->SetHeight(-14);
  c.SetTextAlign(TA_CENTER | TA_BASELINE);
  c.TextOut(60, 30, "HHH");
  RECT ink = InkBounds(*bmp, RGB(255, 255, 255));
  EXPECT_NEAR(ink.left + ink.right, 120, 3);
  EXPECT_EQ(ink.bottom, 30);  // capitals stand on the baseline
  EXPECT_LT(ink.top, 25);
  // The DC keeps its own alignment for whoever draws on it next.
  EXPECT_EQ(GetTextAlign(c.Handle()), UINT(TA_LEFT | TA_TOP));

  std::unique_ptr<TBitmap> clipped = WhitePage(120, 40);
  clipped->Canvas()->Font()->Assign(*c.Font());
  clipped->Canvas()->SetTextAlign(TA_RIGHT | TA_TOP);
  clipped->Canvas()->TextRect({0, 0, 120, 40}, 100, 5, "HHH");
  ink = InkBounds(*clipped, RGB(255, 255, 255));
  EXPECT_LE(ink.right, 100);
  EXPECT_GE(ink.right, 97);
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
  HBITMAP dib = bmp.Handle();
  EXPECT_EQ(GetCurrentObject(canvas->Handle(), OBJ_BITMAP), dib);
  canvas->SetPixel(2, 2, clRed);
  EXPECT_EQ(RowPixel(bmp, 2, 2), RGB(255, 0, 0));
}

TEST(BitmapSection, TheHandleIsFreeForAnotherDCAndGetDIBits) {
  std::unique_ptr<TBitmap> bmp(NewCanvasBitmap(4, 2));
  bmp->Canvas()->SetPixel(1, 0, clRed);
  HBITMAP dib = bmp->Handle();
  {
    UniqueMemoryDC other(CreateCompatibleDC(nullptr));
    HGDIOBJ previous = SelectObject(other.Get(), dib);
    ASSERT_NE(previous, nullptr) << "the canvas still holds the bitmap";
    EXPECT_EQ(GetPixel(other.Get(), 1, 0), RGB(255, 0, 0));
    ::SetPixel(other.Get(), 2, 1, RGB(0, 0, 255));
    SelectObject(other.Get(), previous);
  }
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = 4;
  info.bmiHeader.biHeight = -2;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint32_t pixels[8] = {};
  WindowDC screen(nullptr);
  ASSERT_EQ(GetDIBits(screen.Get(), bmp->Handle(), 0, 2, pixels, &info, DIB_RGB_COLORS), 2);
  EXPECT_EQ(pixels[1], 0xFF0000u);
  EXPECT_EQ(pixels[6], 0x0000FFu);
  // The canvas takes the bitmap back when it draws again.
  bmp->Canvas()->SetPixel(3, 1, clLime);
  EXPECT_EQ(RowPixel(*bmp, 3, 1), RGB(0, 255, 0));
  EXPECT_EQ(bmp->Canvas()->Pixel(2, 1), RGB(0, 0, 255));
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

TEST(Fonts, PitchEscapementAndOrientationReachTheHandle) {
  TFont font;
  font.SetPitch(fpFixed);
  font.SetEscapement(900);
  font.SetOrientation(450);
  LOGFONTA lf;
  ASSERT_TRUE(GetObjectA(font.Handle(), sizeof lf, &lf));
  EXPECT_EQ(lf.lfPitchAndFamily & 3, FIXED_PITCH);
  EXPECT_EQ(lf.lfEscapement, 900);
  EXPECT_EQ(lf.lfOrientation, 450);
  TFont copy;
  copy.Assign(font);
  EXPECT_EQ(copy.Pitch(), fpFixed);
  EXPECT_EQ(copy.Escapement(), 900);
  EXPECT_EQ(copy.Orientation(), 450);
  copy.SetPitch(fpVariable);
  ASSERT_TRUE(GetObjectA(copy.Handle(), sizeof lf, &lf));
  EXPECT_EQ(lf.lfPitchAndFamily & 3, VARIABLE_PITCH);
}

// A raster font of its own, 8 by 8 pixels with the letters A and B, made in memory in the
// FNT 2.0 layout: the machine's fonts are all TrueType.
class RasterTestFont {
public:
  static constexpr const char* kFace = "TmRaster";
  RasterTestFont() {
    const int first = 'A', last = 'B', glyphs = last - first + 2, height = 8;
    const size_t tableAt = 118, bitsAt = tableAt + glyphs * 4, faceAt = bitsAt + glyphs * height;
    std::vector<uint8_t> fnt(faceAt + std::strlen(kFace) + 1, 0);
    auto put16 = [&](size_t at, int v) { fnt[at] = uint8_t(v); fnt[at + 1] = uint8_t(v >> 8); };
    auto put32 = [&](size_t at, size_t v) { put16(at, int(v & 0xFFFF)); put16(at + 2, int(v >> 16)); };
    put16(0, 0x200);
    put32(2, fnt.size());
    put16(68, 6);    // points
    put16(70, 96);   // vertical and horizontal resolution
    put16(72, 96);
    put16(74, 7);    // ascent
    put16(83, FW_NORMAL);
    put16(86, 8);    // pixel width: fixed pitch
    put16(88, height);
    fnt[90] = FF_MODERN;
    put16(91, 8);    // average and maximum width
    put16(93, 8);
    fnt[95] = uint8_t(first);
    fnt[96] = uint8_t(last);
    put16(99, 2);    // bytes per row
    put32(105, faceAt);
    put32(113, bitsAt);
    for (int i = 0; i < glyphs; ++i) {
      put16(tableAt + i * 4, 8);
      put16(tableAt + i * 4 + 2, int(bitsAt + i * height));
      for (int row = 1; row < height - 1; ++row) fnt[bitsAt + i * height + row] = 0x7E;
    }
    std::memcpy(&fnt[faceAt], kFace, std::strlen(kFace));
    DWORD installed = 0;
    handle_ = AddFontMemResourceEx(fnt.data(), static_cast<DWORD>(fnt.size()), nullptr, &installed);
  }
  ~RasterTestFont() {
    if (handle_) RemoveFontMemResourceEx(handle_);
  }
  bool Installed() const { return handle_ != nullptr; }

private:
  HANDLE handle_ = nullptr;
};

TEST(Fonts, TrueTypeFontsTurnWithTheirEscapement) {
  TFont outline;
  outline.SetName("Tahoma");
  EXPECT_TRUE(outline.IsTrueType());
  RasterTestFont rasterFont;
  ASSERT_TRUE(rasterFont.Installed());
  TFont raster;
  raster.SetName(RasterTestFont::kFace);
  raster.SetHeight(8);
  {
    WindowDC screen(nullptr);
    SelectGuard chosen(screen.Get(), raster.Handle());
    char face[LF_FACESIZE] = "";
    GetTextFaceA(screen.Get(), sizeof face, face);
    ASSERT_STREQ(face, RasterTestFont::kFace);
  }
  EXPECT_FALSE(raster.IsTrueType());

  auto inkOf = [](int escapement) {
    std::unique_ptr<TBitmap> bmp = WhitePage(100, 100);
    TCanvas& c = *bmp->Canvas();
    c.Font()->SetName("Tahoma");
    c.Font()->SetHeight(-12);
    c.Font()->SetEscapement(escapement);
    c.TextOut(40, 90, "HHHHHH");
    return InkBounds(*bmp, RGB(255, 255, 255));
  };
  RECT flat = inkOf(0), upright = inkOf(900);
  EXPECT_GT(flat.right - flat.left, 2 * (flat.bottom - flat.top));
  EXPECT_GT(upright.bottom - upright.top, 2 * (upright.right - upright.left));
  EXPECT_LE(upright.bottom, 91);  // read bottom to top from the starting point
}

TEST(ImageLists, DrawOnePictureEnabledOrGreyed) {
  // A 16x16 icon: a red 8x8 square in the middle, the rest transparent.
  std::unique_ptr<TBitmap> colour(NewCanvasBitmap(16, 16)), mask(NewCanvasBitmap(16, 16));
  colour->Canvas()->Brush()->SetColor(clRed);
  colour->Canvas()->FillRect({4, 4, 12, 12});
  mask->Canvas()->Brush()->SetColor(clWhite);
  mask->Canvas()->FillRect({0, 0, 16, 16});
  mask->Canvas()->Brush()->SetColor(clBlack);
  mask->Canvas()->FillRect({4, 4, 12, 12});
  ICONINFO made = {TRUE, 0, 0, mask->Handle(), colour->Handle()};
  UniqueIcon icon(CreateIconIndirect(&made));
  ASSERT_TRUE(icon);
  TImageList list(nullptr);
  list.SetColorDepth(cd32Bit);
  ASSERT_EQ(list.AddIcon(icon.Get()), 0);

  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
  for (bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    std::unique_ptr<TBitmap> page(NewCanvasBitmap(30, 30));
    page->Canvas()->Brush()->SetColor(clBlue);
    page->Canvas()->FillRect({0, 0, 30, 30});
    list.Draw(*page->Canvas(), 5, 5, 0, enabled);
    list.Draw(*page->Canvas(), 5, 5, 1, enabled);  // no such picture: nothing drawn
    list.Draw(*page->Canvas(), 5, 5, -1, enabled);
    EXPECT_EQ(RowPixel(*page, 5 + 4, 5 + 4), enabled ? RGB(255, 0, 0) : shadow);
    EXPECT_EQ(RowPixel(*page, 5 + 11, 5 + 11), enabled ? RGB(255, 0, 0) : shadow);
    // The greyed picture's highlight shows one pixel to the lower right of the shadow.
    EXPECT_EQ(RowPixel(*page, 5 + 12, 5 + 12), enabled ? RGB(0, 0, 255) : highlight);
    EXPECT_EQ(RowPixel(*page, 5 + 2, 5 + 2), RGB(0, 0, 255));
    EXPECT_EQ(RowPixel(*page, 5 + 14, 5 + 3), RGB(0, 0, 255));
  }
}

TEST(WindowCanvas, DrawsOnTheWholeWindowFromItsTopLeftCorner) {
  HWND window = CreateWindowExA(0, "STATIC", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100,
                                200, 150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  UpdateWindow(window);
  Pump();
  RECT frame;
  GetWindowRect(window, &frame);
  POINT client = {0, 0};
  ClientToScreen(window, &client);
  const int border = client.x - frame.left, caption = client.y - frame.top;
  ASSERT_GT(caption, border);  // the window has a frame to draw on
  {
    TWindowCanvas canvas(window);
    canvas.Brush()->SetColor(clRed);
    canvas.FillRect({0, 0, 3, 3});
    canvas.Brush()->SetColor(clLime);
    canvas.FillRect({border, caption, border + 2, caption + 2});
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(255, 0, 0));
  }
  WindowDC clientDC(window);
  EXPECT_EQ(GetPixel(clientDC.Get(), 0, 0), RGB(0, 255, 0));
  EXPECT_EQ(GetPixel(clientDC.Get(), 1, 1), RGB(0, 255, 0));
  EXPECT_NE(GetPixel(clientDC.Get(), 3, 3), RGB(0, 255, 0));
  DestroyWindow(window);
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
