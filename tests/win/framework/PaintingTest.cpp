#include <gtest/gtest.h>

#include "TestSupport.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"

namespace tmv {
namespace {

// Paints a form's background itself, as a skinned frame does, and leaves the rest alone.
class BackgroundPainter : public TComponent {
public:
  explicit BackgroundPainter(TWinControl& target) : TComponent(nullptr) {
    target.AddWindowHook(TWindowHook::Of<&BackgroundPainter::Hook>(this));
  }
  void Hook(TMessage& m, const TWindowHookNext& next) {
    if (m.Msg != WM_ERASEBKGND) {
      next(m);
      return;
    }
    RECT r = {0, 0, 1000, 1000};
    UniqueBrush green(CreateSolidBrush(RGB(0, 255, 0)));
    FillRect(reinterpret_cast<HDC>(m.WParam), &r, green.Get());
    m.Result = 1;
  }
};

COLORREF ScreenPixel(HWND window, int x, int y) {
  WindowDC dc(window);
  return GetPixel(dc.Get(), x, y);
}

TEST(Painting, TheBackgroundIsErasedWithTheColourAndNotFilledAgainByThePaint) {
  TForm form(nullptr);
  form.SetBorderStyle(bsNone);
  form.SetBounds(100, 100, 120, 80);
  form.SetColor(clRed);
  auto* swatch = new Swatch(&form, clBlue);
  swatch->SetBounds(10, 10, 10, 10);
  swatch->SetParent(&form);
  form.Show();
  UpdateWindow(form.Handle());
  EXPECT_EQ(ScreenPixel(form.Handle(), 50, 50), RGB(255, 0, 0));
  EXPECT_EQ(ScreenPixel(form.Handle(), 15, 15), RGB(0, 0, 255));

  {
    BackgroundPainter painter(form);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(ScreenPixel(form.Handle(), 50, 50), RGB(0, 255, 0));
    EXPECT_EQ(ScreenPixel(form.Handle(), 15, 15), RGB(0, 0, 255));
    // A captured face is erased through the hook too.
    TBitmap face;
    face.SetBitCount(32);
    face.SetSize(120, 80);
    form.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(face.Canvas()->Handle()), PRF_ERASEBKGND | PRF_CLIENT);
    EXPECT_EQ(face.Canvas()->Pixel(50, 50), RGB(0, 255, 0));
    EXPECT_EQ(face.Canvas()->Pixel(15, 15), RGB(0, 0, 255));
  }
}

TEST(Painting, WindowlessChildrenAreDrawnWhereTheDCsOriginPutsTheParent) {
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetBounds(0, 0, 150, 100);
  panel->SetBevelOuter(bvNone);
  panel->SetColor(clWhite);
  panel->SetParent(&form);
  auto* swatch = new Swatch(&form, clBlue);
  swatch->SetBounds(30, 20, 10, 10);
  swatch->SetParent(panel);
  form.HandleNeeded();

  // A control at (20, 10) of the panel draws the panel into its own DC, shifted by its place.
  TBitmap own;
  own.SetBitCount(32);
  own.SetSize(40, 30);
  HDC dc = own.Canvas()->Handle();
  SetViewportOrgEx(dc, -20, -10, nullptr);
  panel->Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  EXPECT_EQ(own.Canvas()->Pixel(10, 10), RGB(0, 0, 255));
  EXPECT_EQ(own.Canvas()->Pixel(19, 19), RGB(0, 0, 255));
  EXPECT_EQ(own.Canvas()->Pixel(9, 9), RGB(255, 255, 255));
  EXPECT_EQ(own.Canvas()->Pixel(30, 20), RGB(255, 255, 255));
}

}  // namespace
}  // namespace tmv
