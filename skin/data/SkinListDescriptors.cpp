#include "skin/data/SkinListDescriptors.h"

namespace tmv {

void TspDataSkinListBox::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("itemrect", ItemRect);
  keys.Rect("activeitemrect", ActiveItemRect);
  keys.Rect("focusitemrect", FocusItemRect);
  keys.Integer("itemleftoffset", ItemLeftOffset, 0);
  keys.Integer("itemrightoffset", ItemRightOffset, 0);
  keys.Rect("itemtextrect", ItemTextRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("focusfontcolor", FocusFontColor, 0);
  keys.Rect("captionrect", CaptionRect);
  keys.Font("captionfont", CaptionFontName, CaptionFontHeight, CaptionFontStyle);
  keys.Color("captionfontcolor", CaptionFontColor, 0);
  keys.Rect("upbuttonrect", UpButtonRect);
  keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
  keys.Rect("downupbuttonrect", DownUpButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
  keys.Rect("downdownbuttonrect", DownDownButtonRect);
  keys.Rect("checkbuttonrect", CheckButtonRect);
  keys.Rect("activecheckbuttonrect", ActiveCheckButtonRect);
  keys.Rect("downcheckbuttonrect", DownCheckButtonRect);
  keys.String("vscrollbarname", VScrollBarName, "vscrollbar");
  keys.String("hscrollbarname", HScrollBarName, "hscrollbar");
  keys.String("bothhscrollbarname", BothHScrollBarName, "bothhscrollbar");
}

void TspDataSkinCheckListBox::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinListBox::ExchangeKeys(keys);
  keys.Rect("checkimagerect", CheckImageRect);
  keys.Rect("itemcheckrect", ItemCheckRect);
  keys.Rect("uncheckimagerect", UnCheckImageRect);
}

void TspDataSkinComboBox::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("itemrect", ItemRect);
  keys.Rect("focusitemrect", FocusItemRect);
  keys.Integer("itemleftoffset", ItemLeftOffset, 0);
  keys.Integer("itemrightoffset", ItemRightOffset, 0);
  keys.Rect("itemtextrect", ItemTextRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("focusfontcolor", FocusFontColor, 0);
  keys.String("listboxname", ListBoxName, "");
  keys.Rect("buttonrect", ButtonRect);
  keys.Rect("activebuttonrect", ActiveButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinScrollBarControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("trackarea", TrackArea);
  keys.Rect("upbuttonrect", UpButtonRect);
  keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
  keys.Rect("downupbuttonrect", DownUpButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
  keys.Rect("downdownbuttonrect", DownDownButtonRect);
  keys.Rect("thumbrect", ThumbRect);
  keys.Rect("activethumbrect", ActiveThumbRect);
  keys.Rect("downthumbrect", DownThumbRect);
  keys.Integer("thumboffset1", ThumbOffset1, 0);
  keys.Integer("thumboffset2", ThumbOffset2, 0);
  keys.Flag("thumbtransparent", ThumbTransparent);
  keys.Color("thumbtransparentcolor", ThumbTransparentColor, 0);
  keys.Rect("glyphrect", GlyphRect);
  keys.Rect("activeglyphrect", ActiveGlyphRect);
  keys.Rect("downglyphrect", DownGlyphRect);
}

}  // namespace tmv
