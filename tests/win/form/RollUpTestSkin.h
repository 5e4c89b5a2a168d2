#pragma once
// A skin made in memory for forms without a non-client area: a 240 x 140 frame picture that
// stretches between its corner points, a 240 x 30 roll-up picture whose middle is tiled between
// its roll-up points, masks with cut corners, caption buttons and captions for both pictures,
// and one of each of the lesser frame objects. Every image is a colour of its own, so a pixel
// read back tells which image was drawn. The gallery shows it too.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/core/Streams.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/ZlibStreams.h"

namespace tmv::rollupskin {

constexpr int kWidth = 240, kHeight = 140, kRollUpHeight = 30;
constexpr COLORREF kBorder = RGB(36, 52, 92);
constexpr COLORREF kClient = RGB(232, 236, 244);
constexpr COLORREF kCloseNormal = RGB(200, 60, 60), kCloseActive = RGB(240, 110, 110);
constexpr COLORREF kRollNormal = RGB(70, 150, 90), kRollActive = RGB(120, 200, 140);
constexpr COLORREF kRestore = RGB(80, 90, 200), kRestoreActive = RGB(130, 140, 240);
constexpr COLORREF kSwitchOff = RGB(150, 150, 160), kSwitchOn = RGB(60, 190, 80);
constexpr COLORREF kGaugeBack = RGB(200, 204, 214), kGaugeFill = RGB(240, 160, 40);
constexpr COLORREF kThumb = RGB(250, 250, 250), kThumbDragged = RGB(255, 210, 0);
constexpr COLORREF kLabelText = RGB(20, 40, 120);
// Frame k (from 1) of the animations and of the frame gauge and regulator.
inline COLORREF AnimationFrame(int k) { return RGB(250, 40 + 50 * k, 40); }
inline COLORREF GaugeFrame(int k) { return RGB(40, 80 * k, 200); }
inline COLORREF RegulatorFrame(int k) { return RGB(60 + 40 * k, 30, 120); }
// The face of digit d of the bit label's symbols; each symbol has a one-pixel dark edge.
inline COLORREF Digit(int d) { return RGB(20 + 23 * d, 230 - 20 * d, 180); }

// The caption band's colour at (x, y): a vertical gradient with a faint texture along x, so
// that tiled, stretched and moved columns differ.
inline COLORREF CaptionBand(int x, int y) {
  return RGB(50 + x % 7, 84 - y, 150 - y * 2);
}

namespace detail {

inline void Fill(TBitmap& b, int left, int top, int right, int bottom, COLORREF c) {
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      uint8_t* p = b.ScanLine(y) + 3 * x;
      p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
}

inline std::unique_ptr<TBitmap> Picture(int width, int height, COLORREF c) {
  auto b = std::make_unique<TBitmap>();
  b->SetBitCount(24);
  b->SetSize(width, height);
  Fill(*b, 0, 0, width, height, c);
  return b;
}

inline void Band(TBitmap& b, int rows) {
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < b.Width(); ++x) Fill(b, x, y, x + 1, y + 1, CaptionBand(x, y));
}

// Black inside; the top corners cut along a diagonal of three pixels, the bottom ones by one.
inline std::unique_ptr<TBitmap> Mask(int width, int height) {
  auto b = Picture(width, height, RGB(0, 0, 0));
  const COLORREF out = RGB(255, 255, 255);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x + y < 3; ++x) {
      Fill(*b, x, y, x + 1, y + 1, out);
      Fill(*b, width - 1 - x, y, width - x, y + 1, out);
    }
  Fill(*b, 0, height - 1, 1, height, out);
  Fill(*b, width - 1, height - 1, width, height, out);
  return b;
}

// The parts picture: over its first 140 rows the normal images of the objects that take them
// from here, each at its own place on the frame (a frame picture's middle is tiled, so an
// image there would repeat); below them the other images.
inline std::unique_ptr<TBitmap> Parts() {
  auto b = Picture(240, 200, kClient);
  Fill(*b, 120, 40, 140, 52, kSwitchOff);
  Fill(*b, 10, 60, 70, 68, kGaugeBack);
  Fill(*b, 10, 84, 110, 88, kBorder);
  Fill(*b, 164, 40, 168, 122, kGaugeBack);
  Fill(*b, 0, 140, 240, 200, RGB(0, 0, 0));
  Fill(*b, 16, 140, 32, 156, kCloseActive);
  Fill(*b, 48, 140, 64, 156, kRollActive);
  Fill(*b, 64, 140, 80, 156, kRestore);
  Fill(*b, 80, 140, 96, 156, kRestoreActive);
  Fill(*b, 116, 140, 136, 152, kSwitchOn);
  for (int k = 1; k <= 4; ++k) Fill(*b, 12 * (k - 1), 156, 12 * k, 168, AnimationFrame(k));
  Fill(*b, 0, 172, 60, 180, kGaugeFill);
  for (int k = 1; k <= 3; ++k) Fill(*b, 60 + 10 * (k - 1), 172, 60 + 10 * k, 182, GaugeFrame(k));
  for (int k = 1; k <= 5; ++k) Fill(*b, 100 + 10 * (k - 1), 172, 100 + 10 * k, 182, RegulatorFrame(k));
  Fill(*b, 150, 172, 156, 182, kThumb);
  Fill(*b, 156, 172, 162, 182, kThumbDragged);
  for (int d = 0; d <= 9; ++d) {
    Fill(*b, 6 * d, 188, 6 * d + 6, 196, RGB(16, 20, 28));
    Fill(*b, 6 * d + 1, 189, 6 * d + 5, 195, Digit(d));
  }
  return b;
}

}  // namespace detail

// The frame picture: caption band over rows 0 to 27, four-pixel borders, the client colour
// inside, and the normal images of the caption buttons in its right-hand corner.
inline std::unique_ptr<TBitmap> FramePicture() {
  using namespace detail;
  auto b = Picture(kWidth, kHeight, kBorder);
  Band(*b, 28);
  Fill(*b, 4, 28, kWidth - 4, kHeight - 4, kClient);
  Fill(*b, 216, 6, 232, 22, kCloseNormal);
  Fill(*b, 196, 6, 212, 22, kRollNormal);
  return b;
}

inline std::unique_ptr<TBitmap> RollUpPicture(int width = kWidth) {
  auto b = detail::Picture(width, kRollUpHeight, kBorder);
  detail::Band(*b, 28);
  detail::Fill(*b, 196, 6, 212, 22, kRollNormal);
  return b;
}

// fixedRollUp: the roll-up picture keeps its size (no roll-up points).
inline std::vector<std::string> Definition(bool fixedRollUp = false) {
  const std::string rollUpPoints = fixedRollUp ? "rollupleftpoint=0,0" : "rollupleftpoint=40,0";
  return {
      "[VERSION]", "skinname=roll-up test",
      "[PICTURES]", "picture=frame.bmp", "mask=mask.bmp", "rolluppicture=rollup.bmp",
      "rollupmask=rollupmask.bmp",
      "[FORMINFO]", "lefttoppoint=40,28", "righttoppoint=176,28", "leftbottompoint=40,136",
      "rightbottompoint=176,136", "clientrect=4,28,236,136", "maskrectarea=0,4,240,136",
      "borderwidth=3", rollUpPoints, fixedRollUp ? "rolluprightpoint=0,0" : "rolluprightpoint=176,0",
      "[SKINOBJECTS]", "count=17",
      "0=closebutton:stdbutton", "1=rollupbutton:stdbutton", "2=unrollbutton:stdbutton",
      "3=caption:caption", "4=rolledcaption:caption", "5=anim:animate", "6=spinner:animate",
      "7=label:label", "8=switch:switch", "9=gauge:gauge", "10=fgauge:framegauge",
      "11=regulator:frameregulator", "12=track:trackbar", "13=vtrack:trackbar",
      "14=bits:bitlabel", "15=user:userobject", "16=vregulator:frameregulator",
      "[closebutton]", "command=cmclose", "skinrect=216,6,232,22", "activepictureindex=0",
      "activeskinrect=16,140,32,156",
      "[rollupbutton]", "command=cmrollup", "skinrect=196,6,212,22", "activepictureindex=0",
      "activeskinrect=48,140,64,156",
      "[unrollbutton]", "command=cmrollup", "rollup=1", "skinrect=196,6,212,22",
      "activepictureindex=0", "activeskinrect=48,140,64,156", "restorerect=64,140,80,156",
      "restoreactiverect=80,140,96,156",
      "[caption]", "skinrect=40,0,176,28", "textrect=4,4,132,24", "defaultcaption=1",
      "fontstyle=fsbold", "fontcolor=16777215", "activefontcolor=16777215", "alignment=taleftjustify",
      "[rolledcaption]", "rollup=1", "skinrect=40,0,176,28", "textrect=4,4,132,24",
      "defaultcaption=1", "fontstyle=fsbold", "fontcolor=16777215", "activefontcolor=16777215", "alignment=taleftjustify",
      "[anim]", "skinrect=10,40,22,52", "activepictureindex=0", "activeskinrect=0,156,48,168",
      "countframes=4", "buttonstyle=1", "timerinterval=50",
      "[spinner]", "skinrect=26,40,38,52", "activepictureindex=0", "activeskinrect=0,156,48,168",
      "countframes=4", "buttonstyle=1", "cycle=1", "timerinterval=25",
      "[label]", "skinrect=44,40,114,56", "fontcolor=" + std::to_string(kLabelText),
      "activefontcolor=" + std::to_string(kLabelText), "fontheight=-12", "alignment=taleftjustify",
      "textvalue=Label",
      "[switch]", "skinrect=120,40,140,52", "activepictureindex=0", "activeskinrect=116,140,136,152", "skinrectinapicture=1",
      "[gauge]", "skinrect=10,60,70,68", "activepictureindex=0", "activeskinrect=0,172,60,180", "skinrectinapicture=1",
      "minvalue=0", "maxvalue=100",
      "[fgauge]", "skinrect=80,60,90,70", "activepictureindex=0", "activeskinrect=60,172,90,182",
      "countframes=3", "minvalue=0", "maxvalue=10",
      "[regulator]", "skinrect=100,60,110,70", "activepictureindex=0",
      "activeskinrect=100,172,150,182", "countframes=5", "minvalue=0", "maxvalue=100",
      "kind=rkhorizontal",
      "[track]", "skinrect=10,80,110,92", "activepictureindex=0", "buttonrect=150,172,156,182", "skinrectinapicture=1",
      "activebuttonrect=156,172,162,182", "beginpoint=5,6", "endpoint=95,6", "minvalue=0",
      "maxvalue=90", "mousedownchangevalue=1",
      "[vtrack]", "skinrect=160,36,172,126", "activepictureindex=0", "buttonrect=150,172,156,182", "skinrectinapicture=1",
      "activebuttonrect=156,172,162,182", "beginpoint=6,85", "endpoint=6,5", "minvalue=0",
      "maxvalue=80",
      "[bits]", "skinrect=120,80,180,88", "activepictureindex=0", "activeskinrect=0,188,60,196",
      "symbolwidth=6", "symbolheight=8", "symbolslinecount=1", "symbolsline0=0123456789", "textvalue=2026",
      "[user]", "skinrect=120,100,150,120",
      "[vregulator]", "skinrect=100,100,110,110", "activepictureindex=0",
      "activeskinrect=100,172,150,182", "countframes=5", "minvalue=0", "maxvalue=100",
      "kind=rkvertical",
  };
}

// The compressed package. rollUpMaskHeight below kRollUpHeight gives a roll-up mask that does
// not cover the whole roll-up picture; a fixedRollUpWidth above 0, a roll-up picture and mask
// of that width that keep their size.
inline std::vector<uint8_t> Bytes(int rollUpMaskHeight = kRollUpHeight, int fixedRollUpWidth = 0) {
  const int rollUpWidth = fixedRollUpWidth > 0 ? fixedRollUpWidth : kWidth;
  TspSkinPackage package;
  package.Version = 2;
  package.FramePictures[fpPicture] = FramePicture();
  package.FramePictures[fpMask] = detail::Mask(kWidth, kHeight);
  package.FramePictures[fpRollUpPicture] = RollUpPicture(rollUpWidth);
  package.FramePictures[fpRollUpMask] = detail::Mask(rollUpWidth, rollUpMaskHeight);
  package.ActivePictures.push_back(detail::Parts());
  package.Definition.Assign(Definition(fixedRollUpWidth > 0));
  TMemoryStream plain, packed;
  WriteSkinPackage(package, plain);
  plain.SetPosition(0);
  DeflateStreamTo(plain, packed);
  return packed.Bytes();
}

}  // namespace tmv::rollupskin
