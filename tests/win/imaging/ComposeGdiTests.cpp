#include <gtest/gtest.h>

#include <cstring>

#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"
#include "skin/imaging/SPUtilsComposeGdi.h"

namespace tmv {
namespace {

// Every pixel of the picture tells where it came from: blue = x, green = y.
void FillWithCoordinates(TBitmap& b, int w, int h) {
  b.SetBitCount(32);
  b.SetSize(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = b.ScanLine(y) + 4 * x;
      p[0] = static_cast<uint8_t>(x);
      p[1] = static_cast<uint8_t>(y);
      p[2] = 200;
    }
}

void Origin(const TBitmap& b, int x, int y, int& sx, int& sy) {
  const uint8_t* p = b.ScanLine(y) + 4 * x;
  sx = p[0];
  sy = p[1];
}

// Where a target coordinate of a tiled 5 | 20 | 5 division comes from in the 30-pixel source.
int TiledSource(int v, int size) {
  if (v < 5) return v;
  if (v >= size - 5) return v - (size - 30);
  return 5 + (v - 5) % 20;
}

TEST(ComposeGdi, NinePartTiledPixelsComeFromTheirPieces) {
  TBitmap picture;
  FillWithCoordinates(picture, 40, 35);
  const TRect s{10, 5, 40, 35};
  const TSkinDivision src{{5, 5}, {25, 5}, {5, 25}, {25, 25}, {5, 5, 25, 25}};
  for (int w : {30, 47, 71}) {
    const int h = 52;
    TBitmap result;
    result.SetBitCount(32);
    ComposeNinePartTiled(src, TargetDivision(src, 30, 30, w, h), true, w, h, s, picture, result);
    ASSERT_EQ(result.Width(), w);
    ASSERT_EQ(result.Height(), h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        int sx, sy;
        Origin(result, x, y, sx, sy);
        ASSERT_EQ(sx, 10 + TiledSource(x, w)) << w << ": " << x << "," << y;
        ASSERT_EQ(sy, 5 + TiledSource(y, h)) << w << ": " << x << "," << y;
      }
  }
}

TEST(ComposeGdi, EmptyPictureSizesButDoesNotDraw) {
  TBitmap picture;
  TBitmap result;
  result.SetBitCount(32);
  const TSkinDivision src{{5, 5}, {25, 5}, {5, 25}, {25, 25}, {5, 5, 25, 25}};
  ComposeNinePartTiled(src, TargetDivision(src, 30, 30, 50, 40), true, 50, 40, {0, 0, 30, 30},
                       picture, result);
  EXPECT_EQ(result.Width(), 50);
  EXPECT_EQ(result.Height(), 40);
  EXPECT_EQ(result.ScanLine(20)[80], 0);
}

TEST(ComposeGdi, HorizontalBandOfAButton) {
  TBitmap picture;
  FillWithCoordinates(picture, 20, 21);
  TBitmap result;
  result.SetBitCount(32);
  ComposeHorizontalBand(4, 5, result, 76, {0, 0, 20, 21}, picture);
  ASSERT_EQ(result.Width(), 76);
  ASSERT_EQ(result.Height(), 21);
  const int expected[][2] = {{0, 0}, {3, 3}, {4, 4}, {14, 14}, {15, 4}, {69, 14}, {70, 4},
                             {71, 15}, {75, 19}};
  for (const auto& e : expected) {
    int sx, sy;
    Origin(result, e[0], 20, sx, sy);
    EXPECT_EQ(sx, e[1]) << "column " << e[0];
    EXPECT_EQ(sy, 20);
  }
}

TEST(ComposeGdi, ControlImageWithoutSkinRectangleLeavesTheResult) {
  TBitmap picture;
  FillWithCoordinates(picture, 20, 21);
  TBitmap result;
  result.SetSize(3, 3);
  const TSkinDivision button{{4, 11}, {15, 10}, {0, 0}, {0, 0}, {}};
  EXPECT_FALSE(ComposeControlImage(button, {}, 76, 30, picture, result));
  EXPECT_EQ(result.Width(), 3);
  result.SetBitCount(32);
  EXPECT_TRUE(ComposeControlImage(button, {0, 0, 20, 21}, 76, 30, picture, result));
  EXPECT_EQ(result.Width(), 76);
  EXPECT_EQ(result.Height(), 21);
  int sx, sy;
  Origin(result, 71, 3, sx, sy);
  EXPECT_EQ(sx, 15);
}

TEST(ComposeGdi, FrameBandsAreSizedAndUnbuiltOnesKeepTheirBitmap) {
  TBitmap picture;
  FillWithCoordinates(picture, 30, 30);
  const TSkinDivision src{{5, 5}, {25, 5}, {5, 25}, {25, 25}, {5, 5, 25, 25}};
  TBitmap bottom, right, top, left;
  left.SetSize(3, 3);
  TSkinDivision tgt = TargetDivision(src, 30, 30, 60, 50);
  tgt.Client.Left = 0;  // no left band
  ComposeFrameBands(src, tgt, {}, 60, 50, {0, 0, 30, 30}, picture, {bottom, right, top, left});
  EXPECT_EQ(top.Width(), 60);
  EXPECT_EQ(top.Height(), 5);
  EXPECT_EQ(bottom.Height(), 5);
  EXPECT_EQ(right.Width(), 5);
  EXPECT_EQ(right.Height(), 40);
  EXPECT_EQ(left.Width(), 3);
}

TEST(ComposeGdi, StripFrameIsDrawnWithItsBottomLeftColourTransparent) {
  TBitmap strip;
  strip.SetBitCount(32);
  strip.SetSize(40, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 40; ++x) {
      uint8_t* p = strip.ScanLine(y) + 4 * x;
      const bool hole = x % 10 < 2;  // two transparent-coloured columns per frame
      p[0] = hole ? 255 : static_cast<uint8_t>(10 * (x / 10 + 1));
      p[1] = hole ? 0 : 0;
      p[2] = hole ? 255 : 0;
    }
  TBitmap canvas;
  canvas.SetBitCount(32);
  canvas.SetSize(20, 10);
  std::memset(canvas.ScanLine(0), 0x77, canvas.RowBytes() * 10);
  DrawStripFrame(canvas.Canvas()->Handle(), 3, 2, 1, 4, strip);
  EXPECT_EQ(canvas.ScanLine(2)[4 * 3], 0x77);       // transparent
  EXPECT_EQ(canvas.ScanLine(2)[4 * 5], 10);         // first frame's colour
  EXPECT_EQ(canvas.ScanLine(7)[4 * 12], 10);
  EXPECT_EQ(canvas.ScanLine(7)[4 * 13], 0x77);      // beyond the 10-pixel frame
  DrawStripFrame(canvas.Canvas()->Handle(), 3, 2, 5, 4, strip);  // no fifth frame
  EXPECT_EQ(canvas.ScanLine(2)[4 * 3], 0x77);
}

}  // namespace
}  // namespace tmv
