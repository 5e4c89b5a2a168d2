#include "skin/hint/SkinHintWindow.h"

#include <algorithm>

#include "framework/core/ClassInfo.h"
#include "framework/gui/Forms.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/data/SkinData.h"
#include "skin/hint/SkinHint.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "skin/imaging/SPUtilsMaskRegion.h"
#include "skin/imaging/SPUtilsText.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

namespace {
TSkinDivision SourceDivision(const TspDataSkinHintWindow& d) {
  return {d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect};
}

bool HoldsPicture(const TspSkinData& data, int32_t index) {
  return index >= 0 && static_cast<size_t>(index) < data.ActivePictures.size() &&
         !data.ActivePictures[static_cast<size_t>(index)]->Empty();
}
}  // namespace

const TClassInfo& TspSkinHintWindow::StaticClassInfo() {
  static const TClassInfo info("TspSkinHintWindow", &THintWindow::StaticClassInfo(), nullptr);
  return info;
}

TspSkinHintWindow::TspSkinHintWindow(TComponent* owner) : THintWindow(owner) {}

TspSkinHintWindow::~TspSkinHintWindow() { Serve(nullptr, nullptr); }

THintWindow* MakeSkinHintWindow(TComponent* owner) { return new TspSkinHintWindow(owner); }

void TspSkinHintWindow::CreateParams(TCreateParams& params) {
  THintWindow::CreateParams(params);
  // A class of its own: the shadow is a class style, and the plain hint's class has none.
  params.FrameworkClassName = "TMSkinHintWindow";
  if (IsVersion51()) params.ClassStyle |= CS_DROPSHADOW;
}

TspSkinHint* TspSkinHintWindow::FindServingHint() const {
  TCustomForm* form = Application()->MainForm();
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    auto* hint = dynamic_cast<TspSkinHint*>(form->Components(i));
    if (hint && hint->Active()) return hint;
  }
  return nullptr;
}

// The window follows the component and the registry it draws from, so that freeing either
// while a hint shows hides it instead of leaving it with dangling pictures.
void TspSkinHintWindow::Serve(TspSkinHint* hint, TspSkinData* skinData) {
  if (hint_ != hint) {
    if (hint_) hint_->RemoveFreeNotification(this);
    hint_ = hint;
    if (hint_) hint_->FreeNotification(this);
  }
  if (skinData_ != skinData) {
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = skinData;
    if (skinData_) skinData_->FreeNotification(this);
  }
}

void TspSkinHintWindow::Notification(TComponent* component, TOperation operation) {
  THintWindow::Notification(component, operation);
  if (operation != opRemove || (component != hint_ && component != skinData_)) return;
  HideHint();
  if (component == hint_) hint_ = nullptr;
  if (component == skinData_) skinData_ = nullptr;
}

const TspDataSkinHintWindow& TspSkinHintWindow::Descriptor() const { return skinData_->HintWindow; }

TBitmap& TspSkinHintWindow::SkinPicture(int32_t index) const {
  return *skinData_->ActivePictures[static_cast<size_t>(index)];
}

void TspSkinHintWindow::PrepareFont() {
  TFont& font = *Font();
  const int charset = skinData_ && skinData_->ResourceStrData()
                          ? skinData_->ResourceStrData()->CharSet()
                          : hint_->DefaultFont()->Charset();
  if (skinData_ && hint_->UseSkinFont()) {
    const TspDataSkinHintWindow& d = Descriptor();
    AssignSkinFont(font, d.FontName, d.FontHeight, d.FontStyle, d.FontColor, charset);
    return;
  }
  font.Assign(*hint_->DefaultFont());
  font.SetCharset(charset);
  font.SetColor(skinData_ ? Descriptor().FontColor : clInfoText);
}

// A text wider than the screen is cut (between whole characters) so the window fits on it.
SIZE TspSkinHintWindow::FitSize(const std::string& text) {
  int32_t frameWidth = 4, frameHeight = 4;
  int32_t minWidth = 0, minHeight = 0;
  if (skinData_) {
    const TBitmap& picture = SkinPicture(Descriptor().WindowPictureIndex);
    const TRect& cr = Descriptor().ClRect;
    minWidth = picture.Width();
    minHeight = picture.Height();
    frameWidth = cr.Left + (minWidth - cr.Right);
    frameHeight = cr.Top + (minHeight - cr.Bottom);
  }
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SelectGuard font(dc.Get(), Font()->Handle());
  SetCaption(FitTextToWidth(dc.Get(), text, GetSystemMetrics(SM_CXSCREEN) - frameWidth));
  RECT calc = {0, 0, 0, 0};
  DrawTextA(dc.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &calc,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  textSize_ = {calc.right, calc.bottom};
  return {std::max<LONG>(textSize_.cx + frameWidth, minWidth), std::max<LONG>(textSize_.cy + frameHeight, minHeight)};
}

void TspSkinHintWindow::ShowHintAt(const RECT& rect, const std::string& text) {
  TspSkinHint* hint = FindServingHint();
  if (!hint) {
    HideHint();
    return;
  }
  TspSkinData* data = hint->SkinData();
  const bool skinned = data && !data->SkinEmpty() && HoldsPicture(*data, data->HintWindow.WindowPictureIndex);
  Serve(hint, skinned ? data : nullptr);
  PrepareFont();
  const SIZE size = FitSize(text);
  if (skinData_) {
    const TBitmap& picture = SkinPicture(Descriptor().WindowPictureIndex);
    division_ = TargetDivision(SourceDivision(Descriptor()), picture.Width(), picture.Height(),
                               size.cx, size.cy);
  }
  int x = rect.left, y = rect.top;
  if (x + size.cx > GetSystemMetrics(SM_CXSCREEN)) x -= size.cx + 2;
  if (y + size.cy > GetSystemMetrics(SM_CYSCREEN)) y -= size.cy + 2;
  SetBounds(x, y, size.cx, size.cy);
  ApplyTransparency({x, y, x + size.cx, y + size.cy});
  ApplyRegion(size.cx);
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
  Invalidate();
}

void TspSkinHintWindow::ApplyTransparency(const TRect& bounds) {
  if (hint_->AlphaBlendSupport()) {
    const bool alpha = hint_->AlphaBlend();
    const int value = hint_->AlphaBlendValue();
    if (alpha != alphaApplied_) {
      const LONG style = GetWindowLongA(Handle(), GWL_EXSTYLE);
      SetWindowLongA(Handle(), GWL_EXSTYLE, alpha ? style | WS_EX_LAYERED : style & ~WS_EX_LAYERED);
      if (alpha) SetWindowAlpha(Handle(), static_cast<BYTE>(value));
      alphaApplied_ = alpha;
      alphaValueApplied_ = value;
    }
    if (alpha && value != alphaValueApplied_) {
      SetWindowAlpha(Handle(), static_cast<BYTE>(value));
      alphaValueApplied_ = value;
    }
  } else if (hint_->AlphaBlend()) {
    capture_.SetSize(bounds.Width(), bounds.Height());
    CaptureScreenArea(bounds.Left, bounds.Top, capture_);
  }
}

void TspSkinHintWindow::ApplyRegion(int32_t width) {
  UniqueRegion region;
  if (skinData_ && HoldsPicture(*skinData_, Descriptor().MaskPictureIndex))
    region = RegionFromMaskParts(SkinPicture(Descriptor().MaskPictureIndex),
                                 SourceDivision(Descriptor()), division_, width);
  if (!region && !hasRegion_) return;
  hasRegion_ = static_cast<bool>(region);
  // The system owns the region from here on and frees the one it replaces.
  SetWindowRgn(Handle(), region.Release(), TRUE);
}

void TspSkinHintWindow::PaintFace(TBitmap& face) {
  const int width = Width(), height = Height();
  face.SetSize(width, height);
  TCanvas& canvas = *face.Canvas();
  // The registry may have dropped its skin since the hint was placed.
  if (skinData_ && HoldsPicture(*skinData_, Descriptor().WindowPictureIndex)) {
    const TspDataSkinHintWindow& d = Descriptor();
    TBitmap& picture = SkinPicture(d.WindowPictureIndex);
    ComposeNinePart(SourceDivision(d), division_,
                    {d.BottomStretch, d.RightStretch, d.TopStretch, d.LeftStretch}, true, width,
                    height, {0, 0, picture.Width(), picture.Height()}, picture, face);
    const TRect& c = division_.Client;
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextOut(c.Left + c.Width() / 2 - textSize_.cx / 2, c.Top + c.Height() / 2 - textSize_.cy / 2,
                   Caption());
  } else {
    const RECT r = {0, 0, width, height};
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clInfoBk);
    canvas.FillRect(r);
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FrameRect(r);
    canvas.Font()->Assign(*Font());
    canvas.Brush()->SetStyle(bsClear);
    canvas.TextRect({2, 2, width - 2, height - 2}, 2, 2, Caption());
  }
  if (hint_ && hint_->AlphaBlend() && !hint_->AlphaBlendSupport()) {
    TspEffectBmp picture(face.Handle());
    picture.BlendWith(TspEffectBmp(capture_.Handle()),
                      std::clamp(1.0 - hint_->AlphaBlendValue() / 255.0, 0.0, 1.0));
    picture.Draw(canvas.Handle(), 0, 0);
  }
}

void TspSkinHintWindow::PaintWindow(TCanvas& canvas) {
  if (!hint_) return;
  TBitmap face;
  PaintFace(face);
  BitBlt(canvas.Handle(), 0, 0, face.Width(), face.Height(), face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinHintWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND:
      // The face covers the whole window; erasing first would only flicker.
      message.Result = 1;
      return;
    case WM_NCPAINT:
      message.Result = 0;
      return;
    default:
      THintWindow::WndProc(message);
  }
}

}  // namespace tmv
