#include "skin/data/SkinPanelDescriptors.h"

namespace tmv {

void TspDataSkinPanelControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.PictureIndex("bgpictureindex", BGPictureIndex);
  keys.Rect("captionrect", CaptionRect);
  keys.Alignment("alignment", Alignment);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Rect("checkimagerect", CheckImageRect);
  keys.Rect("uncheckimagerect", UnCheckImageRect);
}

void TspDataSkinExPanelControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("rollhskinrect", RollHSkinRect);
  keys.Rect("rollvskinrect", RollVSkinRect);
  keys.Integer("rollleftoffset", RollLeftOffset, 0);
  keys.Integer("rollrightoffset", RollRightOffset, 0);
  keys.Integer("rolltopoffset", RollTopOffset, 0);
  keys.Integer("rollbottomoffset", RollBottomOffset, 0);
  keys.Rect("rollvcaptionrect", RollVCaptionRect);
  keys.Rect("rollhcaptionrect", RollHCaptionRect);
  keys.Rect("closebuttonrect", CloseButtonRect);
  keys.Rect("closebuttonactiverect", CloseButtonActiveRect);
  keys.Rect("closebuttondownrect", CloseButtonDownRect);
  keys.Rect("hrollbuttonrect", HRollButtonRect);
  keys.Rect("hrollbuttonactiverect", HRollButtonActiveRect);
  keys.Rect("hrollbuttondownrect", HRollButtonDownRect);
  keys.Rect("hrestorebuttonrect", HRestoreButtonRect);
  keys.Rect("hrestorebuttonactiverect", HRestoreButtonActiveRect);
  keys.Rect("hrestorebuttondownrect", HRestoreButtonDownRect);
  keys.Rect("vrollbuttonrect", VRollButtonRect);
  keys.Rect("vrollbuttonactiverect", VRollButtonActiveRect);
  keys.Rect("vrollbuttondownrect", VRollButtonDownRect);
  keys.Rect("vrestorebuttonrect", VRestoreButtonRect);
  keys.Rect("vrestorebuttonactiverect", VRestoreButtonActiveRect);
  keys.Rect("vrestorebuttondownrect", VRestoreButtonDownRect);
  keys.Rect("captionrect", CaptionRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
}

void TspDataSkinScrollBoxControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TspDataSkinControlBar::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("itemrect", ItemRect);
  keys.PictureIndex("bgpictureindex", BGPictureIndex);
}

void TspDataSkinBevel::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Color("lightcolor", LightColor, 0);
  keys.Color("darkcolor", DarkColor, 0);
}

void TspDataSkinLabelControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
}

void TspDataSkinStdLabelControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, kDefaultActiveFontColor);
}

void TspDataSkinBitLabelControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("skintextrect", SkinTextRect);
  keys.Integer("symbolwidth", SymbolWidth, 0);
  keys.Integer("symbolheight", SymbolHeight, 0);
  keys.LineList("symbols", Symbols);
}

}  // namespace tmv
