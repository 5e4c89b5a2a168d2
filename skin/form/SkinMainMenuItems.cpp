#include "skin/form/SkinMainMenuItems.h"

#include <algorithm>

#include "framework/gui/Handles.h"
#include "framework/gui/Menus.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/form/DynamicSkinForm.h"
#include "skin/imaging/SPUtilsComposeGdi.h"

namespace tmv {

namespace {

constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

void ItemFont(TFont& font, TspDynamicSkinForm& form, const TspDataSkinMainMenuItem& d, uint32_t colour) {
  const TspSkinData* skin = form.SkinData();
  const int charset = skin && skin->ResourceStrData() ? skin->ResourceStrData()->CharSet()
                                                     : form.DefCaptionFont()->Charset();
  AssignSkinFont(font, d.FontName, d.FontHeight, d.FontStyle, static_cast<TColor>(colour), charset);
}

// The caption's width as DrawText shows it, the accelerator's "&" taken out.
int32_t CaptionWidth(TFont& font, const std::string& caption) {
  TBitmap scratch;
  scratch.SetSize(1, 1);
  TCanvas& canvas = *scratch.Canvas();
  canvas.Font()->Assign(font);
  RECT r = {0, 0, 0, 0};
  canvas.DrawText(caption, r, DT_CALCRECT | DT_SINGLELINE);
  return r.right - r.left;
}

}  // namespace

TspSkinMainMenuItem::TspSkinMainMenuItem(TspDynamicSkinForm& form, const TspDataSkinMainMenuItem& d,
                                         TMenuItem& item)
    : TspActiveSkinObject(form, &d, item.Name()), data_(d), item_(&item), itemAlive_(item.LifeToken()) {
  Enabled = item.Enabled();
  TFont font;
  ItemFont(font, form, d, d.FontColor);
  const TRect& t = d.TextRect;
  const int32_t ends = t.IsEmpty() ? d.ItemLeftOffset + d.ItemRightOffset
                                   : t.Left + static_cast<int32_t>(SkinRect.Width()) - t.Right;
  width_ = std::max(CaptionWidth(font, item.Caption()) + ends, d.ItemLeftOffset + d.ItemRightOffset + 1);
}

TMenuItem* TspSkinMainMenuItem::MenuItem() const { return itemAlive_.expired() ? nullptr : item_; }

bool TspSkinMainMenuItem::HasSubItems() const {
  const TMenuItem* item = MenuItem();
  if (!item) return false;
  for (int i = 0; i < item->Count(); ++i)
    if (item->Items(i)->Visible()) return true;
  return false;
}

TRect TspSkinMainMenuItem::TextRect() const {
  const TRect& t = data_.TextRect;
  if (t.IsEmpty())
    return {ObjectRect.Left + data_.ItemLeftOffset, ObjectRect.Top, ObjectRect.Right - data_.ItemRightOffset,
            ObjectRect.Bottom};
  return {ObjectRect.Left + t.Left, ObjectRect.Top + t.Top,
          static_cast<int32_t>(ObjectRect.Right - (SkinRect.Width() - t.Right)), ObjectRect.Top + t.Bottom};
}

void TspSkinMainMenuItem::DrawObject(HDC dc, bool) {
  const TMenuItem* item = MenuItem();
  const int w = static_cast<int>(ObjectRect.Width()), h = static_cast<int>(ObjectRect.Height());
  if (!item || w < 1 || h < 1) return;
  TRect source = SkinRect;
  uint32_t colour = data_.FontColor;
  if (!Enabled) {
    colour = data_.UnEnabledFontColor;
  } else if (down_) {
    if (!data_.DownRect.IsEmpty()) source = data_.DownRect;
    colour = data_.DownFontColor;
  } else if (Active) {
    if (!activeRect_.IsEmpty()) source = activeRect_;
    colour = data_.ActiveFontColor;
  }
  TBitmap face;
  face.SetBitCount(24);
  face.SetSize(w, h);
  if (activePicture_ && !source.IsEmpty())
    ComposeHorizontalBand(data_.ItemLeftOffset, data_.ItemRightOffset, face, w, source, *activePicture_);
  else
    BitBlt(face.Canvas()->Handle(), 0, 0, w, h, dc, ObjectRect.Left, ObjectRect.Top, SRCCOPY);
  TCanvas& canvas = *face.Canvas();
  ItemFont(*canvas.Font(), Form(), data_, colour);
  canvas.Brush()->SetStyle(bsClear);
  const TRect t = TextRect();
  RECT text = {t.Left - ObjectRect.Left, t.Top - ObjectRect.Top, t.Right - ObjectRect.Left, t.Bottom - ObjectRect.Top};
  canvas.DrawText(item->Caption(), text, kTextFormat);
  BitBlt(dc, ObjectRect.Left, ObjectRect.Top, w, h, canvas.Handle(), 0, 0, SRCCOPY);
}

void TspSkinMainMenuItem::SetDown(bool value) {
  if (value == down_) return;
  down_ = value;
  Form().DrawObjectNow(*this);
}

void TspSkinMainMenuItem::HandleMouseDown(int x, int y, TMouseButton button) {
  if (Enabled && button == mbLeft && !down_) Form().FrameMainMenu().Press(*this, false);
  TspActiveSkinObject::HandleMouseDown(x, y, button);
}

void TspSkinMainMenuItem::HandleMouseUp(int x, int y, TMouseButton button) {
  // An item with sub-items stays down while its menu shows; the menu's closing releases it.
  if (!down_ || HasSubItems()) {
    TspActiveSkinObject::HandleMouseUp(x, y, button);
    return;
  }
  const bool run = MouseIn && button == mbLeft && Enabled;
  SetDown(false);
  TspActiveSkinObject::HandleMouseUp(x, y, button);
  if (run) Form().FrameMainMenu().RunCommand(*this);
}

void TspSkinMainMenuItem::MouseEnter() {
  MouseIn = Active = true;
  Form().DrawObjectNow(*this);
  Form().OnMouseEnterEvent(&Form(), IDName);
  Form().FrameMainMenu().Entered(*this);
}

void TspSkinMainMenuItem::MouseLeave() {
  MouseIn = false;
  // A pressed item stays lit while its menu shows.
  if (!down_) Active = false;
  Form().DrawObjectNow(*this);
  Form().OnMouseLeaveEvent(&Form(), IDName);
}

std::vector<std::unique_ptr<TspActiveSkinObject>> CreateMainMenuItems(TspDynamicSkinForm& form,
                                                                      const TspSkinData& skin, TMainMenu& menu) {
  std::vector<std::unique_ptr<TspActiveSkinObject>> items;
  const int index = skin.FindObjectIndex("MAINMENUITEM");
  if (index < 0) return items;
  const auto* data = dynamic_cast<const TspDataSkinMainMenuItem*>(skin.ObjectList[static_cast<size_t>(index)].get());
  if (!data) return items;
  TMenuItem* root = menu.Items();
  for (int i = 0; i < root->Count(); ++i)
    if (root->Items(i)->Visible()) items.push_back(std::make_unique<TspSkinMainMenuItem>(form, *data, *root->Items(i)));
  return items;
}

void LayoutMainMenuItems(const std::vector<TspSkinMainMenuItem*>& items, const TRect& r) {
  int32_t x = r.Left;
  for (TspSkinMainMenuItem* item : items) {
    const TMenuItem* menuItem = item->MenuItem();
    item->Enabled = menuItem && menuItem->Enabled();
    const int32_t h = static_cast<int32_t>(item->SkinRect.Height());
    const int32_t top = r.Top + static_cast<int32_t>(r.Height() - h) / 2;
    item->ObjectRect = {x, top, x + item->ItemWidth(), top + h};
    item->Visible = !r.IsEmpty() && item->ObjectRect.Right <= r.Right;
    x = item->ObjectRect.Right;
  }
}

}  // namespace tmv
