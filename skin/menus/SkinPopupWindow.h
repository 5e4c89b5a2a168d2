#pragma once
// One level of a skinned menu: a window that never takes the focus, shows a menu item's
// sub-items from the skin's popup window and menu item pictures (or the built-in look),
// follows the mouse with a timer and scrolls what does not fit.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/gui/Controls.h"
#include "skin/controls/SkinButtonLayout.h"
#include "skin/imaging/SPUtilsPiecePlan.h"
#include "skin/imaging/SkinGeometry.h"

namespace tmv {

class TMenuItem;
class TImageList;
class TspSkinMenu;
class TspDataSkinPopupWindow;
class TspDataSkinMenuItem;

struct TspSkinMenuItem {
  TMenuItem* MenuItem = nullptr;
  std::string Text;          // the caption, cut to the window's width where needed
  std::string ShortCutText;  // empty without a shortcut
  int32_t Height = 0;
  TRect Rect;                // in the window; empty while scrolled out of view
  bool Active = false;       // chosen by the mouse or the keys
  bool Open = false;         // its submenu shows
  TButtonFade Morph;         // from the normal band (0) to the active one (1), for morphing skins
  bool Lit() const { return Active || Open; }
  bool Visible() const { return !Rect.IsEmpty(); }
  bool Selectable() const;
};

class TspSkinPopupWindow : public TCustomControl {
public:
  // The timer that moves the items of a morphing skin a step between their bands.
  static constexpr UINT_PTR kMorphTimerID = 5;

  explicit TspSkinPopupWindow(TspSkinMenu& menu);
  ~TspSkinPopupWindow() override;

  // Takes the visible sub-items of item from first on and sizes the window for them.
  void Build(TMenuItem* item, int first);
  // Places the window at the anchor (screen coordinates) and shows it without activating it.
  void ShowAt(const RECT& anchor, bool subMenu, bool popupUp);

  int ItemCount() const { return static_cast<int>(items_.size()); }
  const TspSkinMenuItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* ParentItem() const { return parentItem_; }
  int CurrentIndex() const { return current_; }
  // Makes the item current (none: -1), scrolling it into view.
  void SetCurrent(int index, bool byKeyboard);
  void SetItemOpen(int index, bool open);
  bool Scrolls() const { return scrolls_; }
  bool LimitedByCount() const { return limitedByCount_; }
  int FirstVisible() const { return firstVisible_; }
  // The item's rectangle in screen coordinates.
  RECT ItemScreenRect(int index);
  // The item at a client point, or -1.
  int ItemAt(POINT point) const;
  // Moves the view by one item; false when it can move no further that way.
  bool ScrollBy(int delta);
  // What the window shows at its current size.
  void PaintFace(TBitmap& face);
  // Keys the menu hands on while this is the last open window.
  void KeyDown(WORD key);

  void WndProc(TMessage& message) override;

protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(TCanvas& canvas) override;

private:
  bool Skinned() const { return window_ != nullptr; }
  // The popup window and menu item skins, when the chain's skin has their pictures.
  void LookUpSkin();
  void PrepareFont();
  void TakeItems(TMenuItem* item, int first);
  // Sizes the window for the items, cutting captions that would pass the work area's width.
  void FitSize();
  std::vector<int32_t> Heights() const;
  void Layout();
  TRect ItemsRect() const;
  int32_t GlyphColumn() const;
  TImageList* Images() const;
  void DrawBackground(TBitmap& face, int width, int height);
  void DrawItem(TCanvas& canvas, const TspSkinMenuItem& item);
  void DrawSkinItem(TCanvas& canvas, const TspSkinMenuItem& item);
  void DrawItemBand(TCanvas& canvas, const TRect& target, const TRect& source, int32_t leftEnd, int32_t rightEnd);
  void DrawMorphedItemBand(TCanvas& canvas, const TspSkinMenuItem& item);
  // An item lit or unlit: repainted, and faded by the morph timer in a morphing skin.
  void LitChanged();
  void MorphTick();
  void DrawDefaultItem(TCanvas& canvas, const TspSkinMenuItem& item);
  void DrawItemContent(TCanvas& canvas, const TspSkinMenuItem& item, const TRect& textRect, int captionLeft,
                       TColor colour, int glyphLeft, int shortCutRight, int arrowRight);
  void DrawScrollMarkers(TCanvas& canvas);
  void ApplyRegion();
  void Reveal();
  void MouseTimer();
  void UpdateHover(POINT client);
  void SetScrollDirection(int direction);
  void MoveCurrent(bool forward);

  TspSkinMenu& menu_;
  TMenuItem* parentItem_ = nullptr;
  std::vector<TspSkinMenuItem> items_;
  int current_ = -1;
  const TspDataSkinPopupWindow* window_ = nullptr;
  const TspDataSkinMenuItem* itemSkin_ = nullptr;
  TBitmap* windowPicture_ = nullptr;
  TBitmap* maskPicture_ = nullptr;
  TBitmap* itemPicture_ = nullptr;
  TSkinDivision division_;
  bool scrolls_ = false;
  bool limitedByCount_ = false;
  int firstVisible_ = 0;
  int scrollDirection_ = 0;  // 0 none, 1 up, 2 down
  POINT lastCursor_ = {-100000, -100000};
  TBitmap capture_;  // the screen under the window, for translucency drawn by hand
  bool softwareAlpha_ = false;
  DWORD fadeStart_ = 0;
  int alphaValue_ = 200;
  bool morphing_ = false;
};

}  // namespace tmv
