// The skinned form's frame: a size step (new region, non-client size and frame paint) against
// one BitBlt of the window area, and the start of a skinned form up to its first painted
// frame against a bare window of the system's shown in the same program. Prints median times
// and ratios.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "bench/BenchTiming.h"
#include "framework/core/Streams.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Registration.h"
#include "skin/controls/SkinCtrlsRegistration.h"
#include "skin/data/SkinData.h"
#include "skin/form/DynamicSkinForm.h"

using namespace tmv;
using namespace tmbench;

namespace {

constexpr int kWidth = 700, kHeight = 450;

// A registry loaded with the stored default skin, owned by a holder that is no form.
struct TSkin {
  explicit TSkin(const std::vector<uint8_t>& bytes) {
    stored->SetCompressedData(bytes);
    data->ApplyStoredSkin(*stored);
  }
  TComponent holder{nullptr};
  TspCompressedStoredSkin* stored = new TspCompressedStoredSkin(&holder);
  TspSkinData* data = new TspSkinData(&holder);
};

// A window of a class of the system's own drawing, shown and painted.
double BareWindowMicroseconds() {
  return MedianMicroseconds(20, [] {
    HWND w = CreateWindowExA(0, "STATIC", "bare", WS_OVERLAPPEDWINDOW, 10, 10, kWidth, kHeight, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(w, SW_SHOW);
    UpdateWindow(w);
    DestroyWindow(w);
  });
}

// The skin loaded from its stored bytes, a form made with its frame component, shown and painted.
double SkinnedFormMicroseconds(const std::vector<uint8_t>& bytes) {
  return MedianMicroseconds(20, [&] {
    TSkin skin(bytes);
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(10, 10, kWidth, kHeight);
    auto* frame = new TspDynamicSkinForm(form.get());
    frame->SetSkinData(skin.data);
    form->Show();
    UpdateWindow(form->Handle());
    form.reset();
  });
}

}  // namespace

int main() {
  RegisterFrameworkClasses();
  RegisterSkinControlClasses();
  RegisterDynamicSkinFormClasses();
  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  const std::vector<uint8_t> bytes = packed.Bytes();

  TSkin skin(bytes);
  TForm form(nullptr);
  form.SetBounds(10, 10, kWidth, kHeight);
  auto* frame = new TspDynamicSkinForm(&form);
  frame->SetSkinData(skin.data);
  form.Show();
  Application()->ProcessMessages();

  int step = 0;
  const double sizeStep = MedianMicroseconds(300, [&] {
    ++step;
    form.SetBounds(10, 10, kWidth + step % 2, kHeight + step % 3);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  });
  const double blit = BlitMicroseconds(kWidth, kHeight);
  std::printf("Size step of a %dx%d skinned form      %9.1f us   %7.2f x one BitBlt of the window area (%.1f us); %.0f steps per second\n",
              kWidth, kHeight, sizeStep, sizeStep / blit, blit, 1e6 / sizeStep);

  const double bare = BareWindowMicroseconds();
  const double skinned = SkinnedFormMicroseconds(bytes);
  std::printf("Start to first paint, skinned form      %9.1f us   %7.2f x a bare system window shown and painted (%.1f us)\n",
              skinned, skinned / bare, bare);
  return 0;
}
