#include "skin/data/SkinWindowDescriptors.h"

namespace tmv {

void TspWindowPictureLayout::ExchangeDivision(TspSkinKeyExchange& keys) {
  keys.PictureIndex("windowpictureindex", WindowPictureIndex);
  keys.PictureIndex("maskpictureindex", MaskPictureIndex);
  keys.Point("lefttoppoint", LTPoint);
  keys.Point("righttoppoint", RTPoint);
  keys.Point("leftbottompoint", LBPoint);
  keys.Point("rightbottompoint", RBPoint);
}

void TspWindowPictureLayout::ExchangeStretch(TspSkinKeyExchange& keys) {
  keys.Flag("leftstretch", LeftStretch);
  keys.Flag("rightstretch", RightStretch);
  keys.Flag("topstretch", TopStretch);
  keys.Flag("bottomstretch", BottomStretch);
}

void TspDataSkinPopupWindow::ExchangeKeys(TspSkinKeyExchange& keys) {
  ExchangeDivision(keys);
  keys.Integer("cursorindex", CursorIndex, -1);
  keys.Rect("itemsrect", ItemsRect);
  keys.Color("scrollmarkercolor", ScrollMarkerColor, 0);
  keys.Color("scrollmarkeractivecolor", ScrollMarkerActiveColor, 0);
  ExchangeStretch(keys);
}

void TspDataSkinHintWindow::ExchangeKeys(TspSkinKeyExchange& keys) {
  ExchangeDivision(keys);
  keys.Rect("clientrect", ClRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  ExchangeStretch(keys);
}

}  // namespace tmv
