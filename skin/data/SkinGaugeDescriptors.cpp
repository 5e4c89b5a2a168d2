#include "skin/data/SkinGaugeDescriptors.h"

namespace tmv {

void TspDataSkinGaugeControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("progressarea", ProgressArea);
  keys.Rect("progressrect", ProgressRect);
  keys.Integer("beginoffset", BeginOffset, 0);
  keys.Integer("endoffset", EndOffset, 0);
  keys.Flag("vertical", Vertical);
  keys.Font("font", FontName, FontHeight, FontStyle);
  keys.Color("fontcolor", FontColor, 0);
  keys.Flag("progresstransparent", ProgressTransparent);
  keys.Color("progresstransparentcolor", ProgressTransparentColor, 0);
}

void TspDataSkinTrackBarControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinCustomControl::ExchangeKeys(keys);
  keys.Rect("trackarea", TrackArea);
  keys.Rect("buttonrect", ButtonRect);
  keys.Rect("activebuttonrect", ActiveButtonRect);
  keys.Flag("vertical", Vertical);
  keys.Flag("buttontransparent", ButtonTransparent);
  keys.Color("buttontransparentcolor", ButtonTransparentColor, 0);
}

void TspDataSkinSlider::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.Color("bgcolor", BGColor, 0);
  keys.Rect("hrulerrect", HRulerRect);
  keys.Rect("hthumbrect", HThumbRect);
  keys.Rect("vrulerrect", VRulerRect);
  keys.Rect("vthumbrect", VThumbRect);
  keys.Integer("edgesize", EdgeSize, 0);
  keys.Color("pointscolor", PointsColor, 0);
}

void TspDataSkinFrameControl::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinControl::ExchangeKeys(keys);
  keys.IntegerAtLeast("framescount", FramesCount, 1, 1);
  keys.FramesPlacement("framesplacement", FramesPlacement);
}

void TspDataSkinFrameRegulator::ExchangeKeys(TspSkinKeyExchange& keys) {
  TspDataSkinFrameControl::ExchangeKeys(keys);
  keys.RegulatorKind("kind", Kind);
}

}  // namespace tmv
