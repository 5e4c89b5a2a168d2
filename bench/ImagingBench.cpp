// Composing the main window's frame and building its region, each against one BitBlt of the
// whole window area measured in the same run. Prints the median time of each and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "framework/core/Bitmap.h"
#include "framework/gui/Graphics.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsMaskRegion.h"

using namespace tmv;
using namespace tmbench;

namespace {

// The main window: a client area of 667 x 363 inside the default skin's frame.
constexpr int kClientWidth = 667, kClientHeight = 363;

void Report(const char* what, double us, double baseline) {
  std::printf("%-44s %9.1f us   %6.2f x one full-size BitBlt\n", what, us, us / baseline);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : TM_SOURCE_DIR "/assets/skins/default";
  TBitmap picture, mask;
  try {
    picture.LoadFromFile(folder + "/frame.bmp");
    mask.LoadFromFile(folder + "/framemask.bmp");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "cannot read the skin pictures in %s: %s\n", folder.c_str(), e.what());
    return 1;
  }
  // The default skin's frame division.
  const TSkinDivision src{{40, 30}, {260, 30}, {40, 116}, {260, 116}, {4, 30, 296, 116}};
  const int sw = picture.Width(), sh = picture.Height();
  const int w = kClientWidth + sw - static_cast<int>(src.Client.Width());
  const int h = kClientHeight + sh - static_cast<int>(src.Client.Height());
  const TSkinDivision tgt = TargetDivision(src, sw, sh, w, h);
  const TRect s{0, 0, sw, sh};
  std::printf("frame picture %d x %d, window %d x %d\n", sw, sh, w, h);

  TBitmap whole, target;
  whole.SetSize(w, h);
  target.SetSize(w, h);
  const int runs = 200;
  const double blit = MedianMicroseconds(runs, [&] {
    BitBlt(target.Canvas()->Handle(), 0, 0, w, h, whole.Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  std::printf("%-44s %9.1f us\n", "baseline: one BitBlt of the window area", blit);

  TBitmap frame;
  Report("frame, tiled edges, centre left undrawn", MedianMicroseconds(runs, [&] {
           ComposeNinePartTiled(src, tgt, false, w, h, s, picture, frame);
         }), blit);
  Report("frame, tiled edges and tiled centre", MedianMicroseconds(runs, [&] {
           ComposeNinePartTiled(src, tgt, true, w, h, s, picture, frame);
         }), blit);
  TEdgeStretch stretched{true, true, true, true};
  Report("frame, stretched edges", MedianMicroseconds(runs, [&] {
           ComposeNinePart(src, tgt, stretched, false, w, h, s, picture, frame);
         }), blit);

  const TFBitmap maskPixels = TFBitmap::FromBitmap(mask);
  Report("region from the mask at window size", MedianMicroseconds(runs, [&] {
           UniqueRegion region = RegionFromMaskParts(mask, src, tgt, w);
         }), blit);
  Report("  of which reading the 1-bit mask", MedianMicroseconds(runs, [&] {
           volatile int32_t width = TMaskBits::FromBitmap(mask).Width();
           (void)width;
         }), blit);
  Report("region of the whole mask at its own size", MedianMicroseconds(runs, [&] {
           UniqueRegion region = RegionFromMask(maskPixels);
         }), blit);
  return 0;
}
