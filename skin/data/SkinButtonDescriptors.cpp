#include "skin/data/SkinButtonDescriptors.h"

namespace tmv {

void TspDataSkinButtonControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("disabledfontcolor", DisabledFontColor, 0);
  keys.Color("downfontcolor", DownFontColor, 0);
  keys.Flag("morphing", Morphing);
  keys.MorphKind("morphkind", MorphKind);
  keys.Rect("activeskinrect", ActiveSkinRect);
  keys.Rect("downskinrect", DownSkinRect);
  keys.Rect("disabledskinrect", DisabledSkinRect);
}

void TspDataSkinMenuButtonControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinButtonControl::ExchangeKeys(keys);
  keys.Rect("trackbuttonrect", TrackButtonRect);
}

void TspDataSkinCheckRadioControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("unenabledfontcolor", UnEnabledFontColor, 0);
  keys.Color("framefontcolor", FrameFontColor, 0);
  keys.Flag("morphing", Morphing);
  keys.MorphKind("morphkind", MorphKind);
  keys.Rect("activeskinrect", ActiveSkinRect);
  keys.Rect("checkimagearea", CheckImageArea);
  keys.Rect("textarea", TextArea);
  keys.Rect("checkimagerect", CheckImageRect);
  keys.Rect("uncheckimagerect", UnCheckImageRect);
  keys.Rect("activecheckimagerect", ActiveCheckImageRect);
  keys.Rect("activeuncheckimagerect", ActiveUnCheckImageRect);
  keys.Rect("unenabledcheckimagerect", UnEnabledCheckImageRect);
  keys.Rect("unenableduncheckimagerect", UnEnabledUnCheckImageRect);
}

}  // namespace tmv
