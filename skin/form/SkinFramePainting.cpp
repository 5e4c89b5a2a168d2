// Painting of the skinned form's frame: the skin's four frame strips with the objects drawn
// into them, the built-in frame without a skin, and the client background.
#include <algorithm>

#include "framework/gui/Handles.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/form/SkinMainMenuItems.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsText.h"
#include "skin/imaging/spEffBmp.h"

namespace tmv {

namespace {

// Draws a strip at (x, y); an inactive frame rendered from the active one gets the skin's effect.
void DrawStrip(HDC dc, TBitmap& strip, int x, int y, const TspEffect* effect) {
  if (strip.Empty()) return;
  if (effect) {
    TspEffectBmp changed(strip.Handle());
    changed.ApplyEffect(*effect);
    changed.Draw(dc, x, y);
    return;
  }
  BitBlt(dc, x, y, strip.Width(), strip.Height(), strip.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void FillRectColour(HDC dc, const RECT& r, TColor colour) {
  UniqueBrush brush(CreateSolidBrush(ColorToRGB(colour)));
  FillRect(dc, &r, brush.Get());
}

// A one-pixel ring: top and left edges in one colour, right and bottom in the other.
void Ring(HDC dc, const RECT& r, TColor topLeft, TColor bottomRight) {
  FillRectColour(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  FillRectColour(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  FillRectColour(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRectColour(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace

void TspDynamicSkinForm::RepaintFrame() {
  if (!form_.HandleAllocated() || !IsWindowVisible(form_.Handle())) return;
  PaintFrame();
}

void TspDynamicSkinForm::PaintFrame() {
  if (!supportNCArea_ || form_.BorderStyle() == bsNone || !form_.HandleAllocated()) return;
  WholeWindowDC dc(form_.Handle());
  if (dc.Get()) PaintFrameTo(dc.Get());
}

void TspDynamicSkinForm::PaintFrameTo(HDC dc) {
  RECT r;
  GetWindowRect(form_.Handle(), &r);
  frameWidth_ = r.right - r.left;
  frameHeight_ = r.bottom - r.top;
  if (skinned_)
    PaintSkinFrame(dc);
  else
    PaintDefaultFrame(dc);
}

void TspDynamicSkinForm::PaintSkinFrame(HDC dc) {
  if (!UsableFrameSkin()) return;
  if (frameWidth_ < MinFrameWidth() || frameHeight_ < MinFrameHeight()) return;
  CalcFrameRects();
  LayoutObjects();
  TspSkinData& skin = *skinData_;
  const bool active = IsFormActive();
  TBitmap& picture = active || skin.InActivePicture().Empty() ? skin.Picture() : skin.InActivePicture();
  const TspFormInfo& info = skin.FormInfo;
  TBitmap top, bottom, left, right;
  ComposeFrameBands(geometry_.PictureDivision(), geometry_.TargetDivision(),
                    {info.BottomStretch, info.RightStretch, info.TopStretch, info.LeftStretch},
                    frameWidth_, frameHeight_, {0, 0, picture.Width(), picture.Height()}, picture,
                    {bottom, right, top, left});
  const TRect& client = geometry_.ClientRect;
  for (auto& o : objects_) {
    if (!o->Visible || (supportNCArea_ ? o->RollUp : o->RollUp != rolledUp_)) continue;
    // Main-menu items go with their rectangle: into the bottom strip only when it lies under
    // the client area's top.
    const bool menuItem = dynamic_cast<TspSkinMainMenuItem*>(o.get()) != nullptr;
    if (menuItem ? client.Top >= geometry_.MainMenuRect.Top : o->ObjectRect.Bottom <= client.Top) {
      if (!top.Empty()) o->DrawObject(top.Canvas()->Handle(), true);
    } else if (!bottom.Empty()) {
      HDC strip = bottom.Canvas()->Handle();
      SavedDC saved(strip);
      // The bottom strip starts at the client area's bottom edge.
      SetWindowOrgEx(strip, 0, client.Bottom, nullptr);
      o->DrawObject(strip, true);
    }
  }
  SavedDC saved(dc);
  if (!client.IsEmpty()) ExcludeClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  const TspEffect effect = info.InActiveEffect;
  const TspEffect* inactiveEffect = !active && info.AutoRenderingInActiveImage ? &effect : nullptr;
  // The side strips start where the top band ends by the skin's measure, built or not, so no
  // gap opens under a top band the skin could not build.
  DrawStrip(dc, top, 0, 0, inactiveEffect);
  DrawStrip(dc, left, 0, client.Top, inactiveEffect);
  DrawStrip(dc, right, frameWidth_ - right.Width(), client.Top, inactiveEffect);
  DrawStrip(dc, bottom, 0, frameHeight_ - bottom.Height(), inactiveEffect);
}

void TspDynamicSkinForm::PaintDefaultFrame(HDC dc) {
  if (objects_.empty()) {
    objects_ = CreateDefaultFrameButtons(*this);
    ConfigureObjects();
  }
  LayoutDefaultButtons();
  const int captionHeight = DefaultCaptionHeight();
  const int w = frameWidth_, h = frameHeight_;
  if (w < 7 || h < 7) return;
  TBitmap caption;
  caption.SetBitCount(24);
  caption.SetSize(w - 6, captionHeight);
  HDC cdc = caption.Canvas()->Handle();
  FillRectColour(cdc, {0, 0, w - 6, captionHeight}, clBtnFace);
  const int L = defaultCaption_.Left, R = defaultCaption_.Right;
  if (captionHeight - 4 > 1) {
    for (int i = 0; i < captionHeight - 5; ++i) {
      const int y = 2 + i;
      FillRectColour(cdc, {L - 1, y, std::max(L - 1, R - 6), y + 1}, i % 2 == 0 ? clBtnHighlight : clBtnShadow);
    }
  }
  TFont font;
  font.Assign(IsFormActive() ? defCaptionFont_ : defInActiveCaptionFont_);
  if (skinData_ && skinData_->ResourceStrData()) font.SetCharset(skinData_->ResourceStrData()->CharSet());
  {
    SelectGuard selected(cdc, font.Handle());
    const int available = R - L + 3;
    const std::string text = FitTextToWidth(cdc, form_.Caption(), std::max(0, available));
    SIZE extent{0, 0};
    GetTextExtentPoint32A(cdc, text.data(), static_cast<int>(text.size()), &extent);
    const int boxLeft = (L - 3) + available / 2 - (extent.cx + 5) / 2;
    FillRectColour(cdc, {boxLeft, 0, boxLeft + extent.cx + 5, captionHeight}, clBtnFace);
    SetBkMode(cdc, TRANSPARENT);
    SetTextColor(cdc, ColorToRGB(font.Color()));
    TextOutA(cdc, boxLeft + 3, captionHeight / 2 - extent.cy / 2, text.data(), static_cast<int>(text.size()));
  }
  {
    SavedDC saved(cdc);
    SetWindowOrgEx(cdc, 3, 3, nullptr);
    for (auto& o : objects_)
      if (o->Visible) o->DrawObject(cdc, true);
  }
  SavedDC saved(dc);
  ExcludeClipRect(dc, 3, captionHeight + 3, w - 3, h - 3);
  BitBlt(dc, 3, 3, w - 6, captionHeight, cdc, 0, 0, SRCCOPY);
  Ring(dc, {0, 0, w, h}, cl3DLight, cl3DDkShadow);
  Ring(dc, {1, 1, w - 1, h - 1}, clBtnHighlight, clBtnShadow);
  Ring(dc, {2, 2, w - 2, h - 2}, clBtnFace, clBtnFace);
}

void TspDynamicSkinForm::DrawObjectNow(TspActiveSkinObject& object) {
  if (!TakesPart(object) && object.Enabled) return;
  if (!form_.HandleAllocated() || !IsWindowVisible(form_.Handle()) || form_.BorderStyle() == bsNone) return;
  if (supportNCArea_) {
    WholeWindowDC dc(form_.Handle());
    if (!skinned_) {
      // Built-in buttons draw on a face of their own, in window coordinates.
      object.DrawObject(dc.Get(), false);
      return;
    }
    CalcFrameRects();
    object.DrawObject(dc.Get(), false);
  } else {
    WindowDC dc(form_.Handle());
    object.DrawObject(dc.Get(), false);
  }
}

void TspDynamicSkinForm::PaintClientAreaFrame(HDC dc, const RECT& client) {
  if (!skinned_) {
    FillRectColour(dc, client, clBtnFace);
    UniqueBrush black(CreateSolidBrush(RGB(0, 0, 0)));
    FrameRect(dc, &client, black.Get());
    return;
  }
  if (rolledUp_ && HasRollUpPicture()) {
    PaintRolledUpFace(dc, client);
    return;
  }
  TBitmap& picture = skinData_->Picture();
  const TspFormInfo& info = skinData_->FormInfo;
  const int w = client.right, h = client.bottom;
  TBitmap face;
  face.SetBitCount(24);
  face.SetSize(std::max<int>(w, 1), std::max<int>(h, 1));
  const TPoint none{};
  if (info.LTPoint != none || info.RTPoint != none || info.LBPoint != none || info.RBPoint != none)
    ComposeNinePartTiled(geometry_.PictureDivision(), geometry_.TargetDivision(), true, w, h,
                         {0, 0, picture.Width(), picture.Height()}, picture, face);
  else
    BitBlt(face.Canvas()->Handle(), 0, 0, picture.Width(), picture.Height(), picture.Canvas()->Handle(), 0, 0, SRCCOPY);
  for (auto& o : objects_)
    if (o->Visible && o->RollUp == rolledUp_) o->DrawObject(face.Canvas()->Handle(), true);
  BitBlt(dc, 0, 0, w, h, face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspDynamicSkinForm::EraseClient(HDC dc) {
  if (!dc) return;
  RECT client;
  GetClientRect(form_.Handle(), &client);
  if (!supportNCArea_) {
    PaintClientAreaFrame(dc, client);
    return;
  }
  bool logo = true;
  if (supportNCArea_ && skinned_) {
    const TspFormInfo& info = skinData_->FormInfo;
    const int index = info.BGPictureIndex;
    if (index >= 0 && index < static_cast<int>(skinData_->ActivePictures.size())) {
      TBitmap& bg = *skinData_->ActivePictures[index];
      DrawPicturePieces(dc, bg, PlanTiled({0, 0, bg.Width(), bg.Height()}, client.right, client.bottom));
    } else if (!info.ClRect.IsEmpty()) {
      DrawPicturePieces(dc, skinData_->Picture(), PlanTiled(info.ClRect, client.right, client.bottom));
    } else {
      FillRectColour(dc, client, clBtnFace);
      logo = false;
    }
  } else {
    FillRectColour(dc, client, clBtnFace);
  }
  if (!logo || logo_.Empty()) return;
  const int x = std::max<int>(0, client.right / 2 - logo_.Width() / 2);
  const int y = std::max<int>(0, client.bottom / 2 - logo_.Height() / 2);
  if (logoTransparent_)
    DrawPictureTransparent(dc, x, y, logo_, {0, 0, logo_.Width(), logo_.Height()});
  else
    BitBlt(dc, x, y, logo_.Width(), logo_.Height(), logo_.Canvas()->Handle(), 0, 0, SRCCOPY);
}

}  // namespace tmv
