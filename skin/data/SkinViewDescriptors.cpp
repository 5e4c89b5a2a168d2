#include "skin/data/SkinViewDescriptors.h"

namespace tmv {

void TspDataSkinViewControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("bgcolor", BGColor, 0);
}

void TspDataSkinGridControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Rect("fixedcellrect", FixedCellRect);
  keys.Rect("selectcellrect", SelectCellRect);
  keys.Rect("focuscellrect", FocusCellRect);
  keys.Integer("fixedcellleftoffset", FixedCellLeftOffset, 0);
  keys.Integer("fixedcellrightoffset", FixedCellRightOffset, 0);
  keys.Rect("fixedcelltextrect", FixedCellTextRect);
  keys.Integer("cellleftoffset", CellLeftOffset, 0);
  keys.Integer("cellrightoffset", CellRightOffset, 0);
  keys.Rect("celltextrect", CellTextRect);
  keys.Color("linescolor", LinesColor, 0);
  keys.Color("bgcolor", BGColor, 0);
  keys.PictureIndex("bgpictureindex", BGPictureIndex);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("selectfontcolor", SelectFontColor, 0);
  keys.Color("focusfontcolor", FocusFontColor, 0);
  keys.Font("fixedfont", FixedFontName, FixedFontHeight, FixedFontStyle);
  keys.Color("fixedfontcolor", FixedFontColor, 0);
}

}  // namespace tmv
