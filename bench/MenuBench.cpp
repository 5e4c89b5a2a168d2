// Opening a 20-item skinned popup menu until its window is painted, against one BitBlt of the
// same window area measured in the same run. Prints the median time of each and the ratio.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench/BenchTiming.h"
#include "framework/core/Streams.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Menus.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinPopupWindow.h"

using namespace tmv;
using namespace tmbench;

int main() {
  TForm* form = Application()->CreateForm<TForm>();
  auto* stored = new TspCompressedStoredSkin(form);
  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  stored->SetCompressedData(packed.Bytes());
  auto* data = new TspSkinData(form);
  data->ApplyStoredSkin(*stored);
  if (data->SkinEmpty()) {
    std::fprintf(stderr, "cannot load the stored skin: %s\n", data->LastError().c_str());
    return 1;
  }
  auto* popup = new TPopupMenu(form);
  for (int i = 0; i < 20; ++i) {
    auto* item = new TMenuItem(form);
    item->SetCaption(i % 7 == 6 ? "-" : "菜单项 " + std::to_string(i + 1) + "(&" + std::to_string(i % 10) + ")");
    if (i % 5 == 2) item->SetShortCut(ShortCut('A' + i, scCtrl));
    popup->Items()->Add(item);
  }
  auto* menu = new TspSkinMenu(form);
  const int runs = 200;
  auto open = [&] {
    menu->PopupAt(popup->Items(), 200, 100, data, nullptr);
    UpdateWindow(menu->Windows(0)->Handle());
  };
  open();
  HWND window = menu->Windows(0)->Handle();
  const int w = menu->Windows(0)->Width(), h = menu->Windows(0)->Height();
  std::printf("menu window %d x %d\n", w, h);
  TBitmap source;
  source.SetSize(w, h);
  const double blit = MedianMicroseconds(runs, [&] {
    WindowDC dc(window);
    BitBlt(dc.Get(), 0, 0, w, h, source.Canvas()->Handle(), 0, 0, SRCCOPY);
  });
  const double show = MedianMicroseconds(runs, [&] { menu->CloseAll(); }, open);
  TBitmap face;
  const double paint = MedianMicroseconds(runs, [&] { menu->Windows(0)->PaintFace(face); });
  std::printf("%-44s %9.1f us\n", "baseline: one BitBlt of the menu window area", blit);
  std::printf("%-44s %9.1f us   %6.2f x the BitBlt\n", "20-item skinned menu opened until painted", show,
              show / blit);
  std::printf("%-44s %9.1f us   %6.2f x the BitBlt\n", "of which the face alone, off-screen", paint, paint / blit);
  delete form;
  return 0;
}
