// Gathering every icon of the system's shell library into the main window's list, against a
// bare loop measured in the same run that does only what the gathering cannot avoid: one
// ExtractIconA, two image-list adds and one list-view insert per icon, with the list view's
// redrawing held back until the end. Prints the median time of each and the ratio.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/UnitFormMorvane.h"
#include "bench/BenchTiming.h"
#include "framework/gui/Registration.h"

using namespace tmv;
using namespace tmbench;

namespace {

HDROP MakeDrop(const std::string& name) {
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + name.size() + 2);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  std::memcpy(drop + 1, name.c_str(), name.size() + 1);
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// The bare loop's list view and image lists, made like the window's.
class BareList {
public:
  explicit BareList(HWND parent, const RECT& area)
      : large_(ImageList_Create(32, 32, ILC_COLORDDB | ILC_MASK, 0, 4)),
        small_(ImageList_Create(16, 16, ILC_COLORDDB | ILC_MASK, 0, 4)) {
    view_ = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                            WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS,
                            area.left, area.top, area.right - area.left, area.bottom - area.top, parent,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(view_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large_));
    SendMessageA(view_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small_));
  }
  ~BareList() {
    DestroyWindow(view_);
    ImageList_Destroy(large_);
    ImageList_Destroy(small_);
  }
  void Gather(const std::string& file, int count) {
    SendMessageA(view_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(view_, LVM_DELETEALLITEMS, 0, 0);
    ImageList_Remove(large_, -1);
    ImageList_Remove(small_, -1);
    for (int k = 0; k < count; ++k) {
      HICON icon = ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), static_cast<UINT>(k));
      ImageList_ReplaceIcon(small_, -1, icon);
      ImageList_ReplaceIcon(large_, -1, icon);
      std::string caption = std::to_string(k + 1) + ":" + file;
      LVITEMA item = {};
      item.mask = LVIF_TEXT | LVIF_IMAGE;
      item.iItem = k;
      item.pszText = &caption[0];
      item.iImage = k;
      SendMessageA(view_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
      DestroyIcon(icon);
    }
    SendMessageA(view_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(view_, nullptr, TRUE);
  }
  void Show(bool visible) { ShowWindow(view_, visible ? SW_SHOW : SW_HIDE); }
  int Count() const { return static_cast<int>(SendMessageA(view_, LVM_GETITEMCOUNT, 0, 0)); }

private:
  HIMAGELIST large_, small_;
  HWND view_ = nullptr;
};

}  // namespace

int main() {
  RegisterFrameworkClasses();
  char system[MAX_PATH] = "";
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string file = std::string(system) + "\\shell32.dll";
  const int count = static_cast<int>(reinterpret_cast<UINT_PTR>(ExtractIconA(GetModuleHandleA(nullptr), file.c_str(), UINT(-1))));

  TFormMorvane* form = Application()->CreateForm<TFormMorvane>();
  if (!form) return 1;
  form->Show();
  Application()->ProcessMessages();
  RECT area = form->ListView1->BoundsRect();
  BareList bare(form->Handle(), area);
  ShowWindow(form->ListView1->Handle(), SW_HIDE);

  // Alternating runs share whatever the machine does meanwhile.
  std::vector<double> bareTimes, gatherTimes;
  for (int i = 0; i < 7; ++i) {
    bare.Show(true);
    bareTimes.push_back(Milliseconds([&] { bare.Gather(file, count); }));
    bare.Show(false);
    ShowWindow(form->ListView1->Handle(), SW_SHOW);
    gatherTimes.push_back(Milliseconds([&] {
      SendMessageA(form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(file)), 0);
    }));
    ShowWindow(form->ListView1->Handle(), SW_HIDE);
    Application()->ProcessMessages();
  }
  const double bareTime = Median(bareTimes), gatherTime = Median(gatherTimes);
  std::printf("icons in %s: %d (list: %d, bare list: %d)\n", file.c_str(), count,
              form->ListView1->Items()->Count(), bare.Count());
  std::printf("%-40s %9.1f ms\n", "baseline: bare loop", bareTime);
  std::printf("%-40s %9.1f ms   %5.2f x the bare loop\n", "gathering through the window", gatherTime,
              gatherTime / bareTime);
  std::printf("bare runs:     ");
  for (double t : bareTimes) std::printf(" %.0f", t);
  std::printf("\ngathering runs:");
  for (double t : gatherTimes) std::printf(" %.0f", t);
  std::printf("\n");
  delete form;
  return 0;
}
