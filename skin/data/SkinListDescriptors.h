#pragma once
// List boxes, combo boxes and scroll bars.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

class TspDataSkinListBox : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ItemRect, ActiveItemRect, FocusItemRect;
  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;  // ends of the item image kept unstretched
  TRect ItemTextRect;                                 // place in the item image
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
  TRect CaptionRect;
  std::string CaptionFontName = kDefaultSkinFontName;
  int32_t CaptionFontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles CaptionFontStyle;
  uint32_t CaptionFontColor = 0;
  TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
  TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
  std::string VScrollBarName = "vscrollbar";
  std::string HScrollBarName = "hscrollbar";
  std::string BothHScrollBarName = "bothhscrollbar";  // the horizontal bar when both show

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinCheckListBox : public TspDataSkinListBox {
public:
  using TspDataSkinListBox::TspDataSkinListBox;

  TRect CheckImageRect;
  TRect ItemCheckRect;  // where the mark stands in an item
  TRect UnCheckImageRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinComboBox : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ItemRect, FocusItemRect;
  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect ItemTextRect;  // place in the item image
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0, FocusFontColor = 0;
  std::string ListBoxName;  // the list box descriptor of the drop-down list
  TRect ButtonRect;         // place in the control's image, which is also its normal look
  TRect ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinScrollBarControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect TrackArea;     // place
  TRect UpButtonRect;  // place, also the up button's normal look
  TRect ActiveUpButtonRect, DownUpButtonRect;
  TRect DownButtonRect;  // place, also the down button's normal look
  TRect ActiveDownButtonRect, DownDownButtonRect;
  TRect ThumbRect, ActiveThumbRect, DownThumbRect;
  int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;  // ends of the thumb kept unstretched
  bool ThumbTransparent = false;
  uint32_t ThumbTransparentColor = 0;
  TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;  // the grip on the thumb

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
