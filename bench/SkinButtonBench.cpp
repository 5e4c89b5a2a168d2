// Repainting a skinned button in each state, and a skin change on a form of 50 buttons, each
// against one BitBlt of the same area measured in the same run. Prints the median time of
// each and the ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "bench/BenchTiming.h"
#include "framework/core/Streams.h"
#include "framework/gui/Forms.h"
#include "framework/gui/Handles.h"
#include "framework/gui/Registration.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/controls/SkinCtrlsRegistration.h"
#include "skin/data/SkinData.h"

using namespace tmv;
using namespace tmbench;

namespace {

class TBenchForm : public TForm {
public:
  explicit TBenchForm(TComponent* owner) : TForm(owner) {}
  void WndProc(TMessage& m) override {
    RelaySkinChange(*this, m);
    TForm::WndProc(m);
  }
};

void Report(const char* what, double us, double baseline) {
  std::printf("%-40s %9.1f us   %7.2f x one BitBlt of the same area\n", what, us, us / baseline);
}

}  // namespace

int main() {
  RegisterFrameworkClasses();
  RegisterSkinControlClasses();
  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  TComponent holder(nullptr);
  auto* stored = new TspCompressedStoredSkin(&holder);
  auto* data = new TspSkinData(&holder);
  stored->SetCompressedData(packed.Bytes());
  data->ApplyStoredSkin(*stored);

  TBenchForm form(nullptr);
  form.SetClientWidth(800);
  form.SetClientHeight(300);
  std::vector<TspSkinButton*> buttons;
  for (int i = 0; i < 50; ++i) {
    auto* b = new TspSkinButton(&form);
    b->SetParent(&form);
    b->SetBounds(8 + (i % 10) * 78, 8 + (i / 10) * 30, 75, 25);
    b->SetCaption("Button");
    b->SetSkinData(data);
    buttons.push_back(b);
  }
  form.Show();
  Application()->ProcessMessages();

  // Not the first button, which has the focus and so the hot look.
  TspSkinButton& b = *buttons[1];
  auto finishFade = [&] {
    while (b.FadeRunning()) b.Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
  };
  TBitmap target;
  target.SetSize(b.Width(), b.Height());
  auto repaint = [&] {
    b.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Canvas()->Handle()), PRF_CLIENT);
  };
  const double blit = BlitMicroseconds(b.Width(), b.Height());
  std::printf("one BitBlt of %d x %d: %.1f us\n", b.Width(), b.Height(), blit);
  finishFade();
  Report("repaint, normal", MedianMicroseconds(200, repaint), blit);
  b.Perform(CM_MOUSEENTER);
  if (b.FadeRunning()) {
    b.Perform(WM_TIMER, TspSkinButton::kFadeTimerID);
    Report("repaint, half-way through the fade", MedianMicroseconds(200, repaint), blit);
  }
  finishFade();
  Report("repaint, hot", MedianMicroseconds(200, repaint), blit);
  b.SetDown(true);
  Report("repaint, pressed", MedianMicroseconds(200, repaint), blit);
  b.SetDown(false);
  b.Perform(CM_MOUSELEAVE);
  finishFade();
  b.SetEnabled(false);
  Report("repaint, disabled", MedianMicroseconds(200, repaint), blit);
  b.SetEnabled(true);

  const double formBlit = BlitMicroseconds(form.ClientWidth(), form.ClientHeight());
  std::printf("one BitBlt of the form's %d x %d client area: %.1f us\n", form.ClientWidth(),
              form.ClientHeight(), formBlit);
  Report("skin change, 50 buttons", MedianMicroseconds(20, [&] {
           data->ApplyStoredSkin(*stored);
           Application()->ProcessMessages();
         }),
         formBlit);
  return 0;
}
