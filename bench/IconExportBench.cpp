// Exporting 1000 icons as icon files with WriteIconFile, and as bitmap files with IconToBitmap and
// WriteBitmapFile, each against a bare loop of GetIconInfo, GetDIBits and one file write per
// icon, measured in the same run. Prints the median of several rounds and the ratios.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/IconFileWriter.h"
#include "bench/BenchTiming.h"
#include "framework/gui/Handles.h"

using namespace tmv;
using namespace tmbench;

namespace {

constexpr int kIcons = 1000;
constexpr int kRounds = 5;

// The baseline: the least any export must do per icon.
void BareExport(HICON icon, const std::string& fileName) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return;
  UniqueBitmap colour(info.hbmColor), mask(info.hbmMask);
  BITMAP shape{};
  GetObject(colour.Get(), sizeof shape, &shape);
  const int w = shape.bmWidth, h = shape.bmHeight;
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } bmi{};
  bmi.header = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<uint8_t> bytes(size_t(w) * size_t(h) * 4 + size_t((w + 31) / 32 * 4) * size_t(h));
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  GetDIBits(dc.Get(), colour.Get(), 0, UINT(h), bytes.data(), reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS);
  bmi.header = {sizeof(BITMAPINFOHEADER), w, h, 1, 1, BI_RGB, 0, 0, 0, 0, 0};
  GetDIBits(dc.Get(), mask.Get(), 0, UINT(h), bytes.data() + size_t(w) * size_t(h) * 4,
            reinterpret_cast<BITMAPINFO*>(&bmi), DIB_RGB_COLORS);
  HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int main() {
  std::vector<UniqueIcon> icons;
  for (UINT i = 0;; ++i) {
    HICON icon = ExtractIconA(GetModuleHandleA(nullptr), "shell32.dll", i);
    if (!icon) break;
    icons.emplace_back(icon);
  }
  if (icons.empty()) {
    std::fprintf(stderr, "no icons in shell32.dll\n");
    return 1;
  }
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "icon-export-bench";
  CreateDirectoryA(folder.c_str(), nullptr);
  auto name = [&](int i, const char* extension) {
    return folder + "\\" + std::to_string(i + 1) + "_shell32" + extension;
  };
  auto each = [&](const std::function<void(HICON, int)>& step) {
    return [&, step] {
      for (int i = 0; i < kIcons; ++i) step(icons[size_t(i) % icons.size()].Get(), i);
    };
  };
  const auto bare = each([&](HICON icon, int i) { BareExport(icon, name(i, ".raw")); });
  const auto iconFiles = each([&](HICON icon, int i) { WriteIconFile(icon, name(i, ".ico")); });
  const auto bitmapFiles = each([&](HICON icon, int i) {
    WriteBitmapFile(IconToBitmap(icon).Get(), name(i, ".bmp"));
  });

  std::vector<double> bareTimes, iconTimes, bitmapTimes;
  try {
    for (int round = 0; round < kRounds; ++round) {
      bareTimes.push_back(Milliseconds(bare));
      iconTimes.push_back(Milliseconds(iconFiles));
      bitmapTimes.push_back(Milliseconds(bitmapFiles));
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "export failed: %s\n", e.what());
    return 1;
  }
  for (int i = 0; i < kIcons; ++i)
    for (const char* extension : {".raw", ".ico", ".bmp"}) DeleteFileA(name(i, extension).c_str());
  RemoveDirectoryA(folder.c_str());

  const double b = Median(bareTimes), ico = Median(iconTimes), bmp = Median(bitmapTimes);
  std::printf("%d icons (%zu distinct, 32x32), median of %d rounds\n", kIcons, icons.size(), kRounds);
  std::printf("bare GetIconInfo + GetDIBits + one write  %8.1f ms  %6.1f us/icon\n", b, 1e3 * b / kIcons);
  std::printf("WriteIconFile                             %8.1f ms  %6.1f us/icon  %5.2f x bare\n", ico,
              1e3 * ico / kIcons, ico / b);
  std::printf("IconToBitmap + WriteBitmapFile            %8.1f ms  %6.1f us/icon  %5.2f x bare\n", bmp,
              1e3 * bmp / kIcons, bmp / b);
  return 0;
}
