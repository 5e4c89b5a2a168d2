#pragma once
// Helpers of the skinned controls' tests: the form that carries the stored skin, skins made
// in memory and faces read back from a memory DC.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/skin/SkinTestSupport.h"
#include "framework/core/ClassInfo.h"
#include "framework/gui/Forms.h"
#include "skin/controls/SkinChangeRelay.h"
#include "skin/controls/SkinLabel.h"
#include "skin/controls/SkinPanel.h"
#include "skin/data/SkinData.h"
#include "win/framework/TestSupport.h"

namespace tmv {

// Relays the registry's messages to its skinned controls, as a skinned form does.
class TRelayForm : public TForm {
public:
  explicit TRelayForm(TComponent* owner) : TForm(owner) {}
  void WndProc(TMessage& m) override {
    RelaySkinChange(*this, m);
    TForm::WndProc(m);
  }
};

// The form resource TSkinControlsForm: the stored skin and the main window's skinned controls.
class TSkinControlsForm : public TRelayForm {
public:
  explicit TSkinControlsForm(TComponent* owner) : TRelayForm(owner) { InitFormResource(); }
  static const TClassInfo& StaticClassInfo() {
    static const TClassInfo info("TSkinControlsForm", &TForm::StaticClassInfo(), nullptr);
    return info;
  }
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  template <class C>
  C* Find(const std::string& name) {
    return dynamic_cast<C*>(FindComponent(name));
  }
};

inline std::vector<uint8_t> StoredSkinBytes() {
  TMemoryStream packed;
  packed.LoadFromFile(TM_DEFAULT_SKIN_PACKAGE);
  return packed.Bytes();
}

// A skin of the given definition whose active pictures are the given bitmaps.
inline std::vector<uint8_t> SkinBytes(const std::vector<std::string>& definition,
                                      std::vector<std::unique_ptr<TBitmap>> pictures = {}) {
  auto package = skintest::MakePackage(3, definition, 0);
  package->ActivePictures = std::move(pictures);
  return skintest::Compress(skintest::PackageBytes(*package));
}

// A 24-bit picture whose pixel (x, y) is RGB(x * 8, y * 8, 90): every pixel tells its place.
inline std::unique_ptr<TBitmap> PlacePicture(int width, int height) {
  auto b = std::make_unique<TBitmap>();
  b->SetBitCount(24);
  b->SetSize(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      uint8_t* p = b->ScanLine(y) + 3 * x;
      p[0] = 90, p[1] = static_cast<uint8_t>(y * 8), p[2] = static_cast<uint8_t>(x * 8);
    }
  return b;
}
inline COLORREF PlaceColour(int x, int y) { return RGB(x * 8, y * 8, 90); }

// A 24-bit mask, black inside, with its four corner pixels white.
inline std::unique_ptr<TBitmap> CornerMask(int width, int height) {
  auto b = std::make_unique<TBitmap>();
  b->SetBitCount(24);
  b->SetSize(width, height);
  for (int y : {0, height - 1})
    for (int x : {0, width - 1}) {
      uint8_t* p = b->ScanLine(y) + 3 * x;
      p[0] = p[1] = p[2] = 255;
    }
  return b;
}

// A registry and its stored skin, owned by a holder that is no form.
struct TSkinSource {
  TComponent holder{nullptr};
  TspCompressedStoredSkin* stored = new TspCompressedStoredSkin(&holder);
  TspSkinData* data = new TspSkinData(&holder);
  void Load(const std::vector<uint8_t>& bytes) {
    stored->SetCompressedData(bytes);
    data->ApplyStoredSkin(*stored);
  }
};

// The face the control paints, read back from a memory DC.
class TFaceShot {
public:
  explicit TFaceShot(TWinControl& control) {
    bitmap_.SetBitCount(32);
    bitmap_.SetSize(control.Width(), control.Height());
    // A control paints through its window; a form not yet shown may not have made it.
    control.HandleNeeded();
    control.Perform(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(bitmap_.Canvas()->Handle()),
                    PRF_CLIENT);
    GdiFlush();
  }
  COLORREF At(int x, int y) const {
    const uint8_t* p = bitmap_.ScanLine(y) + 4 * x;
    return RGB(p[2], p[1], p[0]);
  }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  // How many pixels of the rectangle have the colour.
  int Count(COLORREF colour, RECT r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
    return n;
  }
  // The leftmost column of the rectangle holding the colour; -1 if none.
  int FirstColumnOf(COLORREF colour, RECT r) const {
    for (int x = r.left; x < r.right; ++x)
      for (int y = r.top; y < r.bottom; ++y)
        if (At(x, y) == colour) return x;
    return -1;
  }

private:
  TBitmap bitmap_;
};

inline COLORREF PictureAt(TBitmap& picture, int x, int y) {
  return GetPixel(picture.Canvas()->Handle(), x, y);
}

}  // namespace tmv
