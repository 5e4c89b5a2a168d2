#include "skin/data/SkinEditDescriptors.h"

namespace tmv {

void TspDataSkinEditControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("activeskinrect", ActiveSkinRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("disabledfontcolor", DisabledFontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Rect("buttonrect", ButtonRect);
  keys.Rect("activebuttonrect", ActiveButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("unenabledbuttonrect", UnEnabledButtonRect);
}

void TspDataSkinMemoControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinEditControl::ExchangeKeys(keys);
  keys.Color("bgcolor", BGColor, 0);
  keys.Color("activebgcolor", ActiveBGColor, 0);
}

void TspDataSkinSpinEditControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("activeskinrect", ActiveSkinRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("disabledfontcolor", DisabledFontColor, 0);
  keys.Rect("upbuttonrect", UpButtonRect);
  keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
  keys.Rect("downupbuttonrect", DownUpButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
  keys.Rect("downdownbuttonrect", DownDownButtonRect);
}

void TspDataSkinUpDownControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("upbuttonrect", UpButtonRect);
  keys.Rect("activeupbuttonrect", ActiveUpButtonRect);
  keys.Rect("downupbuttonrect", DownUpButtonRect);
  keys.Rect("downbuttonrect", DownButtonRect);
  keys.Rect("activedownbuttonrect", ActiveDownButtonRect);
  keys.Rect("downdownbuttonrect", DownDownButtonRect);
}

}  // namespace tmv
