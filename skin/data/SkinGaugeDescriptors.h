#pragma once
// Gauges, track bars, sliders, and the controls drawn from a strip of frames.
#include "skin/data/SkinControlDescriptorBase.h"

namespace tmv {

class TspDataSkinGaugeControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect ProgressArea, ProgressRect;
  int32_t BeginOffset = 0, EndOffset = 0;
  bool Vertical = false;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  bool ProgressTransparent = false;
  uint32_t ProgressTransparentColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinTrackBarControl : public TspDataSkinCustomControl {
public:
  using TspDataSkinCustomControl::TspDataSkinCustomControl;

  TRect TrackArea, ButtonRect, ActiveButtonRect;
  bool Vertical = false;
  bool ButtonTransparent = false;
  uint32_t ButtonTransparentColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinSlider : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  uint32_t BGColor = 0;
  TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
  int32_t EdgeSize = 0;
  uint32_t PointsColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// The image holds FramesCount frames side by side or one below the other.
class TspDataSkinFrameControl : public TspDataSkinControl {
public:
  using TspDataSkinControl::TspDataSkinControl;

  int32_t FramesCount = 1;  // never below 1
  TspFramesPlacement FramesPlacement = TspFramesPlacement::Horizontal;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator : public TspDataSkinFrameControl {
public:
  using TspDataSkinFrameControl::TspDataSkinFrameControl;

  TspRegulatorKind Kind = TspRegulatorKind::Round;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

}  // namespace tmv
