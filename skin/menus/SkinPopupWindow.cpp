#include "skin/menus/SkinPopupWindow.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/core/TabCycle.h"
#include "framework/core/TextUtils.h"
#include "framework/gui/Forms.h"
#include "framework/gui/ImgList.h"
#include "framework/gui/Menus.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/data/SkinData.h"
#include "skin/imaging/SPUtilsComposeGdi.h"
#include "skin/imaging/SPUtilsDesktop.h"
#include "skin/imaging/SPUtilsGlyphs.h"
#include "skin/imaging/SPUtilsMaskRegion.h"
#include "skin/imaging/SPUtilsText.h"
#include "skin/imaging/spEffBmp.h"
#include "skin/menus/SkinMenu.h"
#include "skin/menus/SkinMenuLayout.h"

namespace tmv {

namespace {

enum TPopupTimer : UINT_PTR { kScrollTimer = 1, kMouseTimer = 2, kShowTimer = 3, kFadeTimer = 4 };
constexpr TColor kActiveFill = 0xD2BDB6;
constexpr int kDividerHeight = 4;

TBitmap* PictureAt(TspSkinData& data, int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= data.ActivePictures.size()) return nullptr;
  TBitmap* picture = data.ActivePictures[static_cast<size_t>(index)].get();
  return picture->Empty() ? nullptr : picture;
}

TSkinDivision SourceDivision(const TspDataSkinPopupWindow& d) {
  return {d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect};
}

// The menu item object, by its upper-case name first.
const TspDataSkinMenuItem* FindMenuItemSkin(TspSkinData& data) {
  for (const char* name : {"MENUITEM", "menuitem"}) {
    const int index = data.FindObjectIndex(name);
    if (index >= 0)
      if (auto* item = dynamic_cast<const TspDataSkinMenuItem*>(data.ObjectList[static_cast<size_t>(index)].get()))
        return item;
  }
  return nullptr;
}

// Whether a rectangle lies within a picture of the given size.
bool Inside(const TRect& r, const TBitmap& picture) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= picture.Width() && r.Bottom <= picture.Height();
}

RECT ToRECT(const TRect& r) { return {r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace

bool TspSkinMenuItem::Selectable() const { return MenuItem->Enabled() && !MenuItem->IsLine(); }

TspSkinPopupWindow::TspSkinPopupWindow(TspSkinMenu& menu) : TCustomControl(nullptr), menu_(menu) {
  alphaValue_ = std::clamp(menu.AlphaBlend().Value, 0, 255);
}

TspSkinPopupWindow::~TspSkinPopupWindow() { DestroyContents(); }

void TspSkinPopupWindow::CreateParams(TCreateParams& params) {
  // Hidden until placed: showing it through the control would activate it.
  params.FrameworkClassName = IsVersion51() ? "TMSkinPopupShadow" : "TMSkinPopup";
  params.ClassStyle = CS_SAVEBITS | (IsVersion51() ? CS_DROPSHADOW : 0);
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = Application()->Handle();
  params.X = Left();
  params.Y = Top();
  params.Width = Width();
  params.Height = Height();
}

TImageList* TspSkinPopupWindow::Images() const {
  TMenu* menu = parentItem_ ? parentItem_->GetParentMenu() : nullptr;
  return menu ? menu->Images() : nullptr;
}

int32_t TspSkinPopupWindow::GlyphColumn() const {
  TImageList* images = Images();
  return images ? images->Width() + 5 : 16;
}

void TspSkinPopupWindow::PrepareFont() {
  TFont& font = *Font();
  TspSkinData* data = menu_.SkinData();
  const int charset = data && data->ResourceStrData() ? data->ResourceStrData()->CharSet()
                                                      : menu_.DefMenuItemFont()->Charset();
  if (Skinned() && itemSkin_ && menu_.UseSkinFont()) {
    AssignSkinFont(font, itemSkin_->FontName, itemSkin_->FontHeight, itemSkin_->FontStyle, itemSkin_->FontColor,
                   charset);
  } else {
    font.Assign(*menu_.DefMenuItemFont());
    font.SetCharset(charset);
  }
}

void TspSkinPopupWindow::Build(TMenuItem* item, int first) {
  parentItem_ = item;
  LookUpSkin();
  PrepareFont();
  TakeItems(item, first);
  FitSize();
}

void TspSkinPopupWindow::LookUpSkin() {
  TspSkinData* data = menu_.SkinData();
  window_ = nullptr;
  itemSkin_ = nullptr;
  morphing_ = false;
  windowPicture_ = maskPicture_ = itemPicture_ = nullptr;
  if (data && !data->SkinEmpty()) {
    windowPicture_ = PictureAt(*data, data->PopupWindow.WindowPictureIndex);
    // Items placed outside the window picture would give the window no room: built-in look.
    if (windowPicture_ && !Inside(data->PopupWindow.ItemsRect, *windowPicture_)) windowPicture_ = nullptr;
    if (windowPicture_) {
      window_ = &data->PopupWindow;
      maskPicture_ = PictureAt(*data, window_->MaskPictureIndex);
      itemSkin_ = FindMenuItemSkin(*data);
      if (itemSkin_) {
        itemPicture_ = PictureAt(*data, itemSkin_->ActivePictureIndex);
        // An item picture must lie inside its picture and hold its text, or the item is drawn
        // by hand.
        const TRect& item = itemSkin_->SkinRect;
        const TRect& text = itemSkin_->TextRect;
        const bool textInside = text.Left >= 0 && text.Right <= item.Width() && text.Left < text.Right;
        if (!itemPicture_ || !Inside(item, *itemPicture_) || !textInside) itemSkin_ = nullptr;
      }
      morphing_ = itemSkin_ && itemSkin_->Morphing;
    }
  }
}

void TspSkinPopupWindow::TakeItems(TMenuItem* item, int first) {
  items_.clear();
  for (int i = std::max(first, 0); i < item->Count(); ++i) {
    TMenuItem* sub = item->Items(i);
    if (!sub->Visible()) continue;
    TspSkinMenuItem entry;
    entry.MenuItem = sub;
    entry.Text = sub->Caption();
    if (sub->ShortCut() != scNone) entry.ShortCutText = ShortCutToText(sub->ShortCut());
    if (itemSkin_)
      entry.Height = static_cast<int32_t>(sub->IsLine() ? itemSkin_->DividerRect.Height() : itemSkin_->SkinRect.Height());
    else
      entry.Height = sub->IsLine() ? kDividerHeight : menu_.DefMenuItemHeight();
    items_.push_back(entry);
  }
}

void TspSkinPopupWindow::FitSize() {
  int32_t widest = 0;
  for (const TspSkinMenuItem& entry : items_)
    if (!entry.MenuItem->IsLine()) {
      const std::string text = entry.ShortCutText.empty() ? entry.Text : entry.Text + "  " + entry.ShortCutText;
      widest = std::max(widest, TextWidthIn(*Font(), text));
    }
  TMenuSizeInput in;
  in.ItemHeights = Heights();
  in.WidestText = widest;
  in.GlyphColumn = GlyphColumn();
  in.FrameWidth = 10;
  in.FrameHeight = 6;
  in.ItemHeight = menu_.DefMenuItemHeight();
  if (Skinned()) {
    in.FrameWidth = windowPicture_->Width() - static_cast<int32_t>(window_->ItemsRect.Width());
    in.FrameHeight = windowPicture_->Height() - static_cast<int32_t>(window_->ItemsRect.Height());
    if (itemSkin_) {
      in.FrameWidth += static_cast<int32_t>(itemSkin_->SkinRect.Width() - itemSkin_->TextRect.Width());
      in.ItemHeight = static_cast<int32_t>(itemSkin_->SkinRect.Height());
    }
  }
  in.MaxItems = menu_.MaxMenuItemsInWindow();
  const RECT work = menu_.WorkArea();
  in.WorkAreaHeight = work.bottom - work.top;
  TMenuWindowSize size = MenuWindowSize(in);
  // Too wide for the screen: the captions are cut between whole characters to fit.
  const int32_t workWidth = work.right - work.left;
  if (workWidth > 0 && size.Width > workWidth) {
    const int32_t room = workWidth - (size.Width - widest);
    WindowDC screen(nullptr);
    SelectGuard font(screen.Get(), Font()->Handle());
    for (TspSkinMenuItem& entry : items_) {
      const int32_t shortCut = entry.ShortCutText.empty() ? 0 : TextWidthIn(*Font(), "  " + entry.ShortCutText);
      entry.Text = FitTextToWidth(screen.Get(), entry.Text, std::max(room - shortCut, 0));
    }
    size.Width = workWidth;
  }
  scrolls_ = size.Scrolls;
  limitedByCount_ = size.LimitedByCount;
  firstVisible_ = 0;
  current_ = -1;
  SetBounds(Left(), Top(), size.Width, size.Height);
  if (Skinned())
    division_ = TargetDivision(SourceDivision(*window_), windowPicture_->Width(), windowPicture_->Height(), size.Width,
                               size.Height);
  Layout();
  ApplyRegion();
}

TRect TspSkinPopupWindow::ItemsRect() const {
  if (Skinned()) return division_.Client;
  return {3, 3, Width() - 3, Height() - 3};
}

std::vector<int32_t> TspSkinPopupWindow::Heights() const {
  std::vector<int32_t> heights;
  for (const TspSkinMenuItem& entry : items_) heights.push_back(entry.Height);
  return heights;
}

void TspSkinPopupWindow::Layout() {
  const std::vector<TRect> rects = LayoutMenuItems(Heights(), ItemsRect(), firstVisible_, scrolls_);
  for (size_t i = 0; i < items_.size(); ++i) items_[i].Rect = rects[i];
}

void TspSkinPopupWindow::ApplyRegion() {
  if (!maskPicture_) return;
  UniqueRegion region = RegionFromMaskParts(*maskPicture_, SourceDivision(*window_), division_, Width());
  // The system owns the region from here on and frees the one it replaces.
  SetWindowRgn(Handle(), region.Release(), TRUE);
}

void TspSkinPopupWindow::ShowAt(const RECT& anchor, bool subMenu, bool popupUp) {
  TMenuPlacementInput in;
  const RECT work = menu_.WorkArea();
  in.WorkArea = {work.left, work.top, work.right, work.bottom};
  in.Anchor = {anchor.left, anchor.top, anchor.right, anchor.bottom};
  in.Width = Width();
  in.Height = Height();
  in.ItemsTop = ItemsRect().Top;
  in.SubMenu = subMenu;
  in.PopupUp = popupUp;
  in.ScreenScroll = scrolls_ && !limitedByCount_;
  const TPoint at = PlaceMenuWindow(in);
  SetBounds(at.X, at.Y, Width(), Height());
  const TspMenuAlphaBlend& alpha = menu_.AlphaBlend();
  softwareAlpha_ = alpha.Enabled && !LayeredWindowsAvailable();
  if (softwareAlpha_) {
    // The screen under the window is taken before the window covers it.
    HandleNeeded();
    SetTimer(Handle(), kShowTimer, 100, nullptr);
    return;
  }
  Reveal();
}

void TspSkinPopupWindow::Reveal() {
  const TspMenuAlphaBlend& alpha = menu_.AlphaBlend();
  const bool fade = alpha.Enabled && alpha.Animation && menu_.FirstLevel();
  if (softwareAlpha_) {
    capture_.SetSize(Width(), Height());
    CaptureScreenArea(Left(), Top(), capture_);
  } else if (alpha.Enabled) {
    SetWindowLongA(Handle(), GWL_EXSTYLE, GetWindowLongA(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetWindowAlpha(Handle(), static_cast<BYTE>(fade ? 0 : alphaValue_));
  }
  SetWindowPos(Handle(), HWND_TOPMOST, Left(), Top(), 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
  if (fade && !softwareAlpha_) {
    fadeStart_ = GetTickCount();
    SetTimer(Handle(), kFadeTimer, 10, nullptr);
  }
  SetTimer(Handle(), kMouseTimer, 50, nullptr);
  for (int i = 0; i < ItemCount(); ++i)
    if (items_[static_cast<size_t>(i)].Selectable()) {
      SetCurrent(i, true);
      break;
    }
}

RECT TspSkinPopupWindow::ItemScreenRect(int index) {
  RECT r = ToRECT(Item(index).Rect);
  MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int TspSkinPopupWindow::ItemAt(POINT point) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    const TRect& r = items_[i].Rect;
    if (items_[i].Visible() && point.x >= r.Left && point.x < r.Right && point.y >= r.Top && point.y < r.Bottom)
      return static_cast<int>(i);
  }
  return -1;
}

void TspSkinPopupWindow::SetItemOpen(int index, bool open) {
  if (index < 0 || index >= ItemCount()) return;
  items_[static_cast<size_t>(index)].Open = open;
  LitChanged();
}

void TspSkinPopupWindow::LitChanged() {
  Invalidate();
  if (morphing_) SetTimer(Handle(), kMorphTimerID, 20, nullptr);
}

void TspSkinPopupWindow::MorphTick() {
  bool moving = false;
  for (TspSkinMenuItem& item : items_) moving = item.Morph.Advance(item.Lit()) || moving;
  Invalidate();
  if (!moving) KillTimer(Handle(), kMorphTimerID);
}

void TspSkinPopupWindow::SetCurrent(int index, bool byKeyboard) {
  if (index == current_) return;
  if (current_ >= 0) items_[static_cast<size_t>(current_)].Active = false;
  current_ = index;
  if (index >= 0) {
    const std::vector<int32_t> heights = Heights();
    if (index < firstVisible_) firstVisible_ = index;
    while (firstVisible_ < index &&
           LayoutMenuItems(heights, ItemsRect(), firstVisible_, scrolls_)[static_cast<size_t>(index)].IsEmpty())
      ++firstVisible_;
    Layout();
    items_[static_cast<size_t>(index)].Active = true;
  }
  LitChanged();
  if (index >= 0) menu_.ItemActivated(*this, index, byKeyboard, false);
}

bool TspSkinPopupWindow::ScrollBy(int delta) {
  const int first = std::clamp(firstVisible_ + delta, 0, LastFirstIndex(Heights(), ItemsRect(), scrolls_));
  if (!scrolls_ || first == firstVisible_) return false;
  firstVisible_ = first;
  Layout();
  Invalidate();
  return true;
}

void TspSkinPopupWindow::MoveCurrent(bool forward) {
  // Finds nothing (-1) when no item can be chosen, so the keys never loop for ever.
  const int next = NextInRing(ItemCount(), current_, forward,
                              [&](int i) { return items_[static_cast<size_t>(i)].Selectable(); });
  if (next >= 0 && next != current_) SetCurrent(next, true);
}

void TspSkinPopupWindow::KeyDown(WORD key) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
      MoveCurrent(key == VK_DOWN);
      return;
    case VK_RETURN:
      if (current_ >= 0 && items_[static_cast<size_t>(current_)].Selectable())
        menu_.ItemActivated(*this, current_, true, true);
      return;
    case VK_RIGHT:
      if (current_ >= 0 && items_[static_cast<size_t>(current_)].Selectable() &&
          items_[static_cast<size_t>(current_)].MenuItem->Count() > 0)
        menu_.ItemActivated(*this, current_, true, true);
      return;
  }
  for (int i = 0; i < ItemCount(); ++i)
    if (items_[static_cast<size_t>(i)].Selectable() && IsAccel(key, items_[static_cast<size_t>(i)].MenuItem->Caption())) {
      SetCurrent(i, true);
      menu_.ItemActivated(*this, i, true, true);
      return;
    }
}

void TspSkinPopupWindow::SetScrollDirection(int direction) {
  if (direction == scrollDirection_) return;
  scrollDirection_ = direction;
  if (direction)
    SetTimer(Handle(), kScrollTimer, 100, nullptr);
  else
    KillTimer(Handle(), kScrollTimer);
  Invalidate();
}

void TspSkinPopupWindow::UpdateHover(POINT client) {
  if (scrolls_) {
    const TRect items = ItemsRect();
    const bool inColumn = client.x >= items.Left && client.x < items.Right;
    const bool top = inColumn && client.y >= items.Top && client.y < items.Top + kScrollMarkerHeight;
    const bool bottom = inColumn && client.y >= items.Bottom - kScrollMarkerHeight && client.y < items.Bottom;
    if (top || bottom) {
      const bool possible = top ? firstVisible_ > 0 : firstVisible_ < LastFirstIndex(Heights(), items, true);
      if (possible && !scrollDirection_) {
        menu_.CloseToLevel(menu_.LevelOf(*this) + 1);
        SetScrollDirection(top ? 1 : 2);
      }
      return;
    }
    SetScrollDirection(0);
  }
  const int index = ItemAt(client);
  if (index < 0 || index == current_) return;
  const TspSkinMenuItem& item = items_[static_cast<size_t>(index)];
  if (!item.Selectable()) return;
  SetCurrent(index, false);
}

void TspSkinPopupWindow::MouseTimer() {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return;
  if (cursor.x == lastCursor_.x && cursor.y == lastCursor_.y) return;
  lastCursor_ = cursor;
  if (WindowFromPoint(cursor) != Handle()) {
    SetScrollDirection(0);
    return;
  }
  ScreenToClient(Handle(), &cursor);
  UpdateHover(cursor);
}

void TspSkinPopupWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_LBUTTONUP: {
      const int index = ItemAt({GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)});
      if (index >= 0 && items_[static_cast<size_t>(index)].Selectable() && !items_[static_cast<size_t>(index)].Open) {
        SetCurrent(index, false);
        menu_.ItemActivated(*this, index, false, true);
      }
      return;
    }
    case WM_TIMER:
      switch (message.WParam) {
        case kMouseTimer:
          MouseTimer();
          return;
        case kScrollTimer:
          if (!ScrollBy(scrollDirection_ == 1 ? -1 : 1)) SetScrollDirection(0);
          return;
        case kShowTimer:
          KillTimer(Handle(), kShowTimer);
          Reveal();
          return;
        case kMorphTimerID:
          MorphTick();
          return;
        case kFadeTimer: {
          const int opacity = FadeInOpacity(static_cast<int>(GetTickCount() - fadeStart_), alphaValue_);
          SetWindowAlpha(Handle(), static_cast<BYTE>(opacity));
          if (opacity >= alphaValue_) KillTimer(Handle(), kFadeTimer);
          return;
        }
      }
      break;
  }
  TCustomControl::WndProc(message);
}

void TspSkinPopupWindow::PaintWindow(TCanvas& canvas) {
  TBitmap face;
  PaintFace(face);
  BitBlt(canvas.Handle(), 0, 0, face.Width(), face.Height(), face.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinPopupWindow::PaintFace(TBitmap& face) {
  const int width = Width(), height = Height();
  face.SetSize(width, height);
  DrawBackground(face, width, height);
  TCanvas& canvas = *face.Canvas();
  for (const TspSkinMenuItem& item : items_)
    if (item.Visible()) DrawItem(canvas, item);
  if (scrolls_) DrawScrollMarkers(canvas);
  if (softwareAlpha_ && capture_.Width() == width && capture_.Height() == height) {
    TspEffectBmp picture(face.Handle());
    picture.BlendWith(TspEffectBmp(capture_.Handle()), std::clamp(1.0 - alphaValue_ / 255.0, 0.0, 1.0));
    picture.Draw(canvas.Handle(), 0, 0);
  }
}

void TspSkinPopupWindow::DrawBackground(TBitmap& face, int width, int height) {
  if (Skinned()) {
    const TspDataSkinPopupWindow& d = *window_;
    // The items cover the centre unless the window scrolls.
    ComposeNinePart(SourceDivision(d), division_, {d.BottomStretch, d.RightStretch, d.TopStretch, d.LeftStretch},
                    scrolls_, width, height, {0, 0, windowPicture_->Width(), windowPicture_->Height()},
                    *windowPicture_, face);
    return;
  }
  TCanvas& canvas = *face.Canvas();
  TImageList* images = Images();
  const int column = images ? images->Width() + 3 : 22;
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(clWindow);
  canvas.FillRect({0, 0, width, height});
  canvas.Brush()->SetColor(clBtnFace);
  canvas.FillRect({0, 0, std::min(column, width), height});
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FrameRect({0, 0, width, height});
  canvas.Brush()->SetColor(clWindow);
  canvas.FrameRect({1, 1, width - 1, height - 1});
}

void TspSkinPopupWindow::DrawItem(TCanvas& canvas, const TspSkinMenuItem& item) {
  if (itemSkin_)
    DrawSkinItem(canvas, item);
  else
    DrawDefaultItem(canvas, item);
}

void TspSkinPopupWindow::DrawSkinItem(TCanvas& canvas, const TspSkinMenuItem& item) {
  const TspDataSkinMenuItem& d = *itemSkin_;
  const TRect& r = item.Rect;
  const int32_t width = static_cast<int32_t>(r.Width());
  const bool line = item.MenuItem->IsLine();
  const bool lit = item.Lit();
  if (line) {
    if (Inside(d.DividerRect, *itemPicture_))
      DrawItemBand(canvas, r, d.DividerRect, d.DividerLeftOffset, d.DividerRightOffset);
    return;
  }
  const bool hasActive = Inside(d.ActiveSkinRect, *itemPicture_);
  const double k = item.Morph.Factor();
  if (morphing_ && hasActive && k > 0 && k < 1)
    DrawMorphedItemBand(canvas, item);
  else
    DrawItemBand(canvas, r, (morphing_ ? k == 1 : lit) && hasActive ? d.ActiveSkinRect : d.SkinRect,
                 d.ItemLeftOffset, d.ItemRightOffset);
  TRect text = d.TextRect;
  text.Left += r.Left;
  text.Right += r.Left + (width - static_cast<int32_t>(d.SkinRect.Width()));
  text.Top += r.Top;
  text.Bottom += r.Top;
  const TColor colour = !item.MenuItem->Enabled() ? d.UnEnabledFontColor : lit ? d.ActiveFontColor : d.FontColor;
  DrawItemContent(canvas, item, text, text.Left + GlyphColumn(), colour, r.Left + 2, text.Right - 16, r.Right);
}

// The item picture's band from source fitted to the target's width, cut to its height.
void TspSkinPopupWindow::DrawItemBand(TCanvas& canvas, const TRect& target, const TRect& source, int32_t leftEnd,
                                      int32_t rightEnd) {
  TBitmap band;
  ComposeHorizontalBand(leftEnd, rightEnd, band, static_cast<int32_t>(target.Width()), source, *itemPicture_);
  BitBlt(canvas.Handle(), target.Left, target.Top, band.Width(),
         std::min<int>(band.Height(), static_cast<int>(target.Height())), band.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TspSkinPopupWindow::DrawMorphedItemBand(TCanvas& canvas, const TspSkinMenuItem& item) {
  const TspDataSkinMenuItem& d = *itemSkin_;
  const TRect& r = item.Rect;
  const TRect local = {0, 0, r.Right - r.Left, r.Bottom - r.Top};
  TBitmap normal, active;
  normal.SetSize(local.Right, local.Bottom);
  active.SetSize(local.Right, local.Bottom);
  DrawItemBand(*normal.Canvas(), local, d.SkinRect, d.ItemLeftOffset, d.ItemRightOffset);
  DrawItemBand(*active.Canvas(), local, d.ActiveSkinRect, d.ItemLeftOffset, d.ItemRightOffset);
  TspEffectBmp mixed(normal.Handle());
  mixed.Morph(d.MorphKind, TspEffectBmp(active.Handle()), item.Morph.Factor());
  mixed.Draw(canvas.Handle(), r.Left, r.Top);
}

void TspSkinPopupWindow::DrawDefaultItem(TCanvas& canvas, const TspSkinMenuItem& item) {
  const TRect& r = item.Rect;
  TImageList* images = Images();
  const int column = images ? images->Width() : 19;
  const bool lit = item.Active || item.Open;
  canvas.Brush()->SetStyle(bsSolid);
  if (lit && !item.MenuItem->IsLine()) {
    canvas.Brush()->SetColor(clNavy);
    canvas.FillRect(ToRECT(r));
    canvas.Brush()->SetColor(kActiveFill);
    canvas.FillRect({r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1});
  } else {
    canvas.Brush()->SetColor(clWindow);
    canvas.FillRect(ToRECT(r));
    canvas.Brush()->SetColor(clBtnFace);
    canvas.FillRect({r.Left, r.Top, std::min<int>(r.Left + column, r.Right), r.Bottom});
  }
  if (item.MenuItem->IsLine()) {
    const int y = r.Top + static_cast<int>(r.Height()) / 2;
    canvas.Brush()->SetColor(clBtnShadow);
    canvas.FillRect({r.Left + column, y, r.Right, y + 1});
    return;
  }
  const TRect inset = {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2};
  const TColor colour = item.MenuItem->Enabled() ? clWindowText : clBtnShadow;
  DrawItemContent(canvas, item, inset, r.Left + column + 2, colour, inset.Left, inset.Right - 19, inset.Right);
}

// The caption starts at captionLeft in textRect; the shortcut text ends at shortCutRight, a
// submenu's arrow ends at arrowRight.
void TspSkinPopupWindow::DrawItemContent(TCanvas& canvas, const TspSkinMenuItem& item, const TRect& textRect,
                                         int captionLeft, TColor colour, int glyphLeft, int shortCutRight,
                                         int arrowRight) {
  TMenuItem& menuItem = *item.MenuItem;
  HDC dc = canvas.Handle();
  const int middle = item.Rect.Top + static_cast<int>(item.Rect.Height()) / 2;
  if (menuItem.OnDrawItem()) {
    menuItem.OnDrawItem()(&menuItem, &canvas, ToRECT(textRect), item.Active);
    return;
  }
  canvas.Font()->Assign(*Font());
  canvas.Font()->SetColor(colour);
  canvas.Font()->SetStyle(menuItem.Default() ? canvas.Font()->Style() | fsBold : canvas.Font()->Style());
  canvas.Brush()->SetStyle(bsClear);
  RECT caption = {captionLeft, textRect.Top, textRect.Right, textRect.Bottom};
  canvas.DrawText(item.Text, caption, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  if (!item.ShortCutText.empty()) {
    RECT shortCut = {textRect.Left, textRect.Top, shortCutRight, textRect.Bottom};
    canvas.DrawText(item.ShortCutText, shortCut, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (menuItem.Count() > 0) {
    SelectGuard pen(dc, GetStockObject(DC_PEN));
    SetDCPenColor(dc, ColorToRGB(colour));
    const int y = middle - 4;
    for (int i = 0; i < 4; ++i) {
      MoveToEx(dc, arrowRight - 7 + i, y + i, nullptr);
      LineTo(dc, arrowRight - 7 + i, y + 7 - i);
    }
  }
  TImageList* images = Images();
  if (images && menuItem.ImageIndex() >= 0 && menuItem.ImageIndex() < images->Count()) {
    const int top = middle - images->Height() / 2;
    images->Draw(canvas, glyphLeft, top, menuItem.ImageIndex(), menuItem.Enabled());
    if (menuItem.Checked()) {
      canvas.Brush()->SetStyle(bsSolid);
      canvas.Brush()->SetColor(colour);
      canvas.FrameRect({glyphLeft - 1, top - 1, glyphLeft + images->Width() + 1, top + images->Height() + 1});
    }
    return;
  }
  const std::string& name = menuItem.Name();
  const TColor glyph = colour;
  if (name == "DSF_CLOSE" || name == "TRAY_DSF_CLOSE")
    DrawGlyphClose(dc, glyphLeft, middle - 4, glyph);
  else if (name == "DSF_MINITEM")
    DrawGlyphMinimize(dc, glyphLeft, middle - 4, glyph);
  else if (name == "DSF_MAXITEM")
    DrawGlyphMaximize(dc, glyphLeft, middle - 4, glyph);
  else if (name == "DSF_RESTORE" || name == "TRAY_DSF_RESTORE")
    DrawGlyphRestore(dc, glyphLeft, middle - 4, glyph);
  else if (name == "DSF_ROLLUP")
    DrawGlyphTriangleUp(dc, glyphLeft, middle - 4, glyph);
  else if (name == "DSF_MINTOTRAY")
    DrawGlyphSquare(dc, glyphLeft, middle - 4, glyph);
  else if (menuItem.Checked() && menuItem.RadioItem()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(colour);
    canvas.Pen()->SetColor(colour);
    canvas.Ellipse(glyphLeft + 1, middle - 3, glyphLeft + 7, middle + 3);
  } else if (menuItem.Checked()) {
    DrawCheckMark(dc, glyphLeft + 1, middle - 4, glyph);
  }
}

void TspSkinPopupWindow::DrawScrollMarkers(TCanvas& canvas) {
  const TRect items = ItemsRect();
  const TRect top = {items.Left, items.Top, items.Right, items.Top + kScrollMarkerHeight};
  const TRect bottom = {items.Left, items.Bottom - kScrollMarkerHeight, items.Right, items.Bottom};
  const TColor normal = Skinned() ? window_->ScrollMarkerColor : clBtnShadow;
  const TColor active = Skinned() ? window_->ScrollMarkerActiveColor : clBtnText;
  // The markers continue the items' look: the top of a plain item's band, or the window colour.
  if (itemSkin_) {
    DrawItemBand(canvas, top, itemSkin_->SkinRect, itemSkin_->ItemLeftOffset, itemSkin_->ItemRightOffset);
    DrawItemBand(canvas, bottom, itemSkin_->SkinRect, itemSkin_->ItemLeftOffset, itemSkin_->ItemRightOffset);
  } else if (!Skinned()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(clWindow);
    canvas.FillRect(ToRECT(top));
    canvas.FillRect(ToRECT(bottom));
  }
  DrawArrow(canvas.Handle(), top, scrollDirection_ == 1 ? active : normal, 3);
  DrawArrow(canvas.Handle(), bottom, scrollDirection_ == 2 ? active : normal, 4);
}

}  // namespace tmv
