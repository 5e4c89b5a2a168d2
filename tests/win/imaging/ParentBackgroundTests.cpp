#include <gtest/gtest.h>

#include "framework/core/Bitmap.h"
#include "framework/gui/ExtCtrls.h"
#include "framework/gui/Forms.h"
#include "skin/imaging/SPUtilsParentBackground.h"
#include "win/framework/TestSupport.h"

namespace tmv {
namespace {

// A windowless control that draws its parent under itself, as a transparent one does.
class SeeThrough : public TControl {
public:
  using TControl::TControl;
  void Paint(TCanvas& canvas) override {
    ++paints;
    PaintParentBackground(*this, canvas);
  }
  int paints = 0;
};

struct ParentBackground : testing::Test {
  ParentBackground() {
    form.SetClientWidth(200);
    form.SetClientHeight(120);
    parent = Place(new TPanel(&form), &form, 10, 10, 150, 100);
    parent->SetColor(0x0000C0);
    parent->SetBevelOuter(bvNone);
    canvasBitmap.SetBitCount(32);
    canvasBitmap.SetSize(40, 30);
  }
  template <class C>
  C* Place(C* c, TWinControl* into, int left, int top, int width, int height) {
    c->SetBounds(left, top, width, height);
    c->SetParent(into);
    return c;
  }
  TColor At(int x, int y) {
    const uint8_t* p = canvasBitmap.ScanLine(y) + 4 * x;
    return static_cast<TColor>(p[2] | (p[1] << 8) | (p[0] << 16));
  }
  TForm form{nullptr};
  TPanel* parent;
  TBitmap canvasBitmap;
};

TEST_F(ParentBackground, ParentFaceAndEarlierSiblingsOnly) {
  auto* before = Place(new TPanel(&form), parent, 0, 0, 30, 30);
  before->SetColor(0xC00000);
  before->SetBevelOuter(bvNone);
  auto* control = Place(new TPanel(&form), parent, 20, 20, 40, 30);
  auto* after = Place(new TPanel(&form), parent, 50, 20, 40, 30);
  after->SetColor(0x00C000);
  after->SetBevelOuter(bvNone);
  form.Show();

  PaintParentBackground(*control, *canvasBitmap.Canvas());
  EXPECT_EQ(At(5, 5), 0xC00000u);    // parent (25, 25): the earlier sibling
  EXPECT_EQ(At(15, 15), 0x0000C0u);  // parent (35, 35): the parent's face
  EXPECT_EQ(At(35, 5), 0x0000C0u);   // parent (55, 25): the later sibling is left out
}

TEST_F(ParentBackground, CheckBoxStyleSkipsWindowedSiblings) {
  auto* windowed = Place(new TPanel(&form), parent, 0, 0, 30, 30);
  windowed->SetColor(0xC00000);
  windowed->SetBevelOuter(bvNone);
  auto* control = Place(new TPanel(&form), parent, 20, 20, 40, 30);
  form.Show();
  PaintParentBackground(*control, *canvasBitmap.Canvas(), TParentBackgroundStyle::CheckBox);
  EXPECT_EQ(At(5, 5), 0x0000C0u);
}

TEST_F(ParentBackground, WindowlessControlPaintingItsParentDoesNotRecurse) {
  Place(new Swatch(&form, 0x00C0C0), parent, 0, 0, 30, 30);
  auto* control = Place(new SeeThrough(&form), parent, 20, 20, 40, 30);
  form.Show();
  control->Paint(*canvasBitmap.Canvas());
  EXPECT_EQ(control->paints, 2);  // itself, and once more inside the parent's paint
  EXPECT_EQ(At(5, 5), 0x00C0C0u);
  EXPECT_EQ(At(15, 15), 0x0000C0u);

  Swatch orphan(nullptr, clBlack);
  PaintParentBackground(orphan, *canvasBitmap.Canvas());  // no parent: nothing to draw
  EXPECT_EQ(At(15, 15), 0x0000C0u);
}

TEST_F(ParentBackground, WindowlessSiblingsShowWhereTheyAreEvenAfterTheControl) {
  auto* control = Place(new SeeThrough(&form), parent, 20, 20, 40, 30);
  Place(new Swatch(&form, 0x00C0C0), parent, 35, 30, 10, 10);
  form.Show();
  control->Paint(*canvasBitmap.Canvas());
  EXPECT_EQ(At(15, 10), 0x00C0C0u);  // parent (35, 30)
  EXPECT_EQ(At(24, 19), 0x00C0C0u);  // parent (44, 39)
  EXPECT_EQ(At(25, 20), 0x0000C0u);  // parent (45, 40): the parent's face
  EXPECT_EQ(At(14, 9), 0x0000C0u);
}

}  // namespace
}  // namespace tmv
