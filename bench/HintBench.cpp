// Showing a skinned hint until its window is painted, against one BitBlt of the same window
// area measured in the same run. Prints the median time of each and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/BenchTiming.h"
#include "framework/core/Streams.h"
#include "framework/gui/Forms.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/hint/SkinHint.h"
#include "skin/hint/SkinHintWindow.h"

using namespace tmv;
using namespace tmbench;

namespace {

}  // namespace

int main(int argc, char** argv) {
  const std::string path = argc > 1 ? argv[1] : TM_DEFAULT_SKIN_PACKAGE;
  TForm* form = Application()->CreateForm<TForm>();
  auto* stored = new TspCompressedStoredSkin(form);
  TMemoryStream packed;
  packed.LoadFromFile(path);
  stored->SetCompressedData(packed.Bytes());
  auto* data = new TspSkinData(form);
  data->ApplyStoredSkin(*stored);
  if (data->SkinEmpty()) {
    std::fprintf(stderr, "cannot load the skin %s: %s\n", path.c_str(), data->LastError().c_str());
    return 1;
  }
  auto* hint = new TspSkinHint(form);
  hint->SetSkinData(data);
  THintWindow& window = *Application()->HintWindow();
  const std::string text = "选择要导出图标的文件";
  const int runs = 200;

  window.ShowHintAt({200, 200, 200, 200}, text);
  UpdateWindow(window.Handle());
  const int w = window.Width(), h = window.Height();
  std::printf("hint window %d x %d\n", w, h);
  TBitmap source;
  source.SetSize(w, h);
  const double blit = MedianMicroseconds(runs, [] {}, [&] {
    HDC dc = GetDC(window.Handle());
    BitBlt(dc, 0, 0, w, h, source.Canvas()->Handle(), 0, 0, SRCCOPY);
    ReleaseDC(window.Handle(), dc);
  });
  const double show = MedianMicroseconds(runs, [&] { window.HideHint(); }, [&] {
    window.ShowHintAt({200, 200, 200, 200}, text);
    UpdateWindow(window.Handle());
  });
  TBitmap face;
  auto& skinned = static_cast<TspSkinHintWindow&>(window);
  const double paint = MedianMicroseconds(runs, [] {}, [&] { skinned.PaintFace(face); });
  std::printf("%-44s %9.1f us\n", "baseline: one BitBlt of the hint window area", blit);
  std::printf("%-44s %9.1f us   %6.2f x the BitBlt\n", "skinned hint shown until painted", show, show / blit);
  std::printf("%-44s %9.1f us   %6.2f x the BitBlt\n", "of which the face alone, off-screen", paint, paint / blit);
  delete form;
  return 0;
}
