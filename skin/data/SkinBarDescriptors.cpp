#include "skin/data/SkinBarDescriptors.h"

namespace tmv {

void TspDataSkinMainMenuBar::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Rect("itemsrect", ItemsRect);
  keys.String("menubaritem", MenuBarItem, "");
  keys.String("closebutton", CloseButton, "");
  keys.String("minbutton", MinButton, "");
  keys.String("maxbutton", MaxButton, "");
  keys.String("sysmenubutton", SysMenuButton, "");
  keys.Color("trackmarkcolor", TrackMarkColor, 0);
  keys.Color("trackmarkactivecolor", TrackMarkActiveColor, 0);
}

void TspDataSkinTabControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Rect("tabrect", TabRect);
  keys.Rect("activetabrect", ActiveTabRect);
  keys.Rect("focustabrect", FocusTabRect);
  keys.Rect("mouseintabrect", MouseInTabRect);
  keys.Rect("clientrect", ClRect);
  keys.PictureIndex("bgpictureindex", BGPictureIndex);
  keys.Point("lefttoppoint", LTPoint);
  keys.Point("righttoppoint", RTPoint);
  keys.Point("leftbottompoint", LBPoint);
  keys.Point("rightbottompoint", RBPoint);
  keys.Integer("tableftoffset", TabLeftOffset, 0);
  keys.Integer("tabrightoffset", TabRightOffset, 0);
  keys.Rect("tabsbgrect", TabsBGRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("focusfontcolor", FocusFontColor, 0);
  keys.Color("mouseinfontcolor", MouseInFontColor, 0);
  keys.String("updown", UpDown, "");
}

}  // namespace tmv
