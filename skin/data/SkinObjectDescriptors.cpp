#include "skin/data/SkinObjectDescriptors.h"

#include "skin/data/DescriptorKinds.h"

namespace tmv {

namespace {

// Any text that is none of the first six is the last: minimize to the tray.
void ExchangeCommand(TspSkinKeyExchange& keys, TspStdCommand& command) {
  keys.Choice("command", command, "cmdefault",
              {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup",
               "cmminimizetotray"});
}

}  // namespace

void TspDataSkinObject::ExchangeKeys(TspSkinKeyExchange& keys) {
  keys.String("hint", Hint, "");
  keys.Flag("rollup", RollUp);
  keys.PictureIndex("activepictureindex", ActivePictureIndex);
  keys.Flag("skinrectinapicture", SkinRectInAPicture);
  keys.Integer("cursorindex", CursorIndex, -1);
  keys.Rect("skinrect", SkinRect);
  keys.Rect("activeskinrect", ActiveSkinRect);
  keys.Rect("inactiveskinrect", InActiveSkinRect);
  keys.Flag("morphing", Morphing);
  keys.MorphKind("morphkind", MorphKind);
}

void TspDataUserObject::ExchangeKeys(TspSkinKeyExchange& keys) {
  keys.Flag("rollup", RollUp);
  keys.Rect("skinrect", SkinRect);
  keys.Integer("cursorindex", CursorIndex, -1);
}

void TspDataSkinButton::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Rect("downrect", DownRect);
  keys.Rect("disableskinrsect", DisableSkinRect);
  keys.Integer("groupindex", GroupIndex, -1);
}

void TspDataSkinStdButton::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinButton::ExchangeKeys(keys);
  ExchangeCommand(keys, Command);
  keys.Rect("restorerect", RestoreRect);
  keys.Rect("restoreactiverect", RestoreActiveRect);
  keys.Rect("restoredownrect", RestoreDownRect);
}

void TspDataSkinCaption::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Flag("defaultcaption", DefaultCaption);
  keys.Rect("textrect", TextRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Alignment("alignment", Alignment);
  keys.Flag("shadow", Shadow);
  keys.Color("shadowcolor", ShadowColor, 0);
  keys.Color("activeshadowcolor", ActiveShadowColor, 0);
  keys.Rect("framerect", FrameRect);
  keys.Rect("activeframerect", ActiveFrameRect);
  keys.Rect("frametextrect", FrameTextRect);
  keys.Integer("frameleftoffset", FrameLeftOffset, 0);
  keys.Integer("framerightoffset", FrameRightOffset, 0);
}

void TspDataSkinLabel::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  // Skins spell this one key with a capital; keys match without regard to case, so only
  // writing sees the difference.
  keys.String("fontName", FontName, kDefaultSkinFontName);
  keys.Integer("fontheight", FontHeight, kDefaultSkinFontHeight);
  keys.FontStyles("fontstyle", FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Alignment("alignment", Alignment);
  keys.String("textvalue", TextValue, "");
}

void TspDataSkinBitLabel::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  Morphing = false;
  keys.String("textvalue", TextValue, "");
  keys.Integer("symbolwidth", SymbolWidth, 0);
  keys.Integer("symbolheight", SymbolHeight, 0);
  keys.LineList("symbols", Symbols);
  keys.Flag("transparent", Transparent);
  keys.Color("transparentcolor", TransparentColor, 0xFF00FF);
}

void TspDataSkinAnimate::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  Morphing = false;
  keys.IntegerAtLeast("countframes", CountFrames, 1, 1);
  keys.Flag("cycle", Cycle);
  keys.Flag("buttonstyle", ButtonStyle);
  keys.Integer("timerinterval", TimerInterval, 50);
  ExchangeCommand(keys, Command);
}

void TspDataSkinGauge::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Integer("minvalue", MinValue, 0);
  keys.Integer("maxvalue", MaxValue, 0);
  keys.Choice("kind", Kind, "gkhorizontal", {"gkhorizontal", "gkvertical"});
}

void TspDataSkinTrackBar::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Rect("buttonrect", ButtonRect);
  keys.Rect("activebuttonrect", ActiveButtonRect);
  keys.Point("beginpoint", BeginPoint);
  keys.Point("endpoint", EndPoint);
  keys.Integer("minvalue", MinValue, 0);
  keys.Integer("maxvalue", MaxValue, 0);
  keys.Flag("mousedownchangevalue", MouseDownChangeValue);
  keys.Flag("buttontransparent", ButtonTransparent);
  keys.Color("buttontransparentcolor", ButtonTransparentColor, 0);
  Morphing = false;
}

void TspDataSkinFramesObject::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Integer("minvalue", MinValue, 0);
  keys.Integer("maxvalue", MaxValue, 0);
  // A skin that gives no count (or one below 1) still has the one frame its image shows.
  keys.IntegerAtLeast("countframes", CountFrames, 0, 1);
  keys.FramesPlacement("framesplacement", FramesPlacement);
}

void TspDataSkinFrameRegulatorObject::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinFramesObject::ExchangeKeys(keys);
  keys.RegulatorKind("kind", Kind);
}

void TspDataSkinMenuItem::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Integer("itemleftoffset", ItemLeftOffset, 0);
  keys.Integer("itemrightoffset", ItemRightOffset, 0);
  keys.Rect("dividerrect", DividerRect);
  keys.Integer("dividerleftoffset", DividerLeftOffset, 0);
  keys.Integer("dividerrightoffset", DividerRightOffset, 0);
  keys.Rect("textrect", TextRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("unenabledfontcolor", UnEnabledFontColor, 0);
}

void TspDataSkinMainMenuItem::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinObject::ExchangeKeys(keys);
  keys.Integer("itemleftoffset", ItemLeftOffset, 0);
  keys.Integer("itemrightoffset", ItemRightOffset, 0);
  keys.Rect("downrect", DownRect);
  keys.Rect("textrect", TextRect);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Color("activefontcolor", ActiveFontColor, 0);
  keys.Color("downfontcolor", DownFontColor, 0);
  keys.Color("unenabledfontColor", UnEnabledFontColor, 0);
}

namespace {

using Kind = TDescriptorKind<TspDataSkinObject>;

const Kind kObjectKinds[] = {
    {"menuitem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMenuItem>},
    {"mainmenubaritem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuBarItem>},
    {"mainmenuitem", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuItem>},
    {"stdbutton", &MakeDescriptor<TspDataSkinObject, TspDataSkinStdButton>},
    {"mainmenubarbutton", &MakeDescriptor<TspDataSkinObject, TspDataSkinMainMenuBarButton>},
    {"button", &MakeDescriptor<TspDataSkinObject, TspDataSkinButton>},
    {"caption", &MakeDescriptor<TspDataSkinObject, TspDataSkinCaption>},
    {"trackbar", &MakeDescriptor<TspDataSkinObject, TspDataSkinTrackBar>},
    {"gauge", &MakeDescriptor<TspDataSkinObject, TspDataSkinGauge>},
    {"framegauge", &MakeDescriptor<TspDataSkinObject, TspDataSkinFrameGaugeObject>},
    {"frameregulator", &MakeDescriptor<TspDataSkinObject, TspDataSkinFrameRegulatorObject>},
    {"label", &MakeDescriptor<TspDataSkinObject, TspDataSkinLabel>},
    {"bitlabel", &MakeDescriptor<TspDataSkinObject, TspDataSkinBitLabel>},
    {"switch", &MakeDescriptor<TspDataSkinObject, TspDataSkinSwitch>},
    {"animate", &MakeDescriptor<TspDataSkinObject, TspDataSkinAnimate>},
    {"userobject", &MakeDescriptor<TspDataSkinObject, TspDataUserObject>},
};

}  // namespace

std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& kind,
                                                        const std::string& name) {
  return CreateDescriptorOfKind(kObjectKinds, kind, name);
}

}  // namespace tmv
