#pragma once
// What a skin says about the parts it places on a form's frame: caption, frame buttons,
// menu items and the like. One descriptor per [SKINOBJECTS] entry, of the class its kind names.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinSectionDescriptor.h"
#include "skin/imaging/SkinGeometry.h"
#include "skin/imaging/SkinIniValues.h"

namespace tmv {

// SkinRect is the object's place on the frame and its normal image there: in the frame
// picture, the rolled-up picture when RollUp is set, or the active picture when
// SkinRectInAPicture is set. The other images are in the active picture.
class TspDataSkinObject : public TspSkinSectionDescriptor {
public:
  using TspSkinSectionDescriptor::TspSkinSectionDescriptor;

  std::string Hint;
  bool RollUp = false;
  int32_t ActivePictureIndex = -1;
  bool SkinRectInAPicture = false;
  int32_t CursorIndex = -1;
  TRect SkinRect;
  TRect ActiveSkinRect;
  TRect InActiveSkinRect;
  bool Morphing = false;
  TspMorphKind MorphKind = mkDefault;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A user object takes only its place, its frame and its cursor from the skin.
class TspDataUserObject : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinButton : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  TRect DownRect;
  TRect DisableSkinRect;
  int32_t GroupIndex = -1;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// What a frame button does when clicked.
enum TspStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp,
                     cmMinimizeToTray };

class TspDataSkinStdButton : public TspDataSkinButton {
public:
  using TspDataSkinButton::TspDataSkinButton;

  TspStdCommand Command = cmDefault;
  // The images shown while the window is maximized (or rolled up).
  TRect RestoreRect, RestoreActiveRect, RestoreDownRect;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
public:
  using TspDataSkinStdButton::TspDataSkinStdButton;
};

class TspDataSkinCaption : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  bool DefaultCaption = false;
  TRect TextRect;  // place of the text in the object
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  TSkinAlignment Alignment = TSkinAlignment::Center;
  bool Shadow = false;
  uint32_t ShadowColor = 0;
  uint32_t ActiveShadowColor = 0;
  // A frame drawn behind the text, with unstretched ends.
  TRect FrameRect, ActiveFrameRect, FrameTextRect;
  int32_t FrameLeftOffset = 0, FrameRightOffset = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinLabel : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  TSkinAlignment Alignment = TSkinAlignment::Center;
  std::string TextValue;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// Text drawn from symbol images; it never morphs.
class TspDataSkinBitLabel : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  std::string TextValue;
  int32_t SymbolWidth = 0, SymbolHeight = 0;
  std::vector<std::string> Symbols;  // one line per row of symbol images
  bool Transparent = false;
  uint32_t TransparentColor = 0xFF00FF;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// Frames shown one after another; it never morphs.
class TspDataSkinAnimate : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  int32_t CountFrames = 1;  // never below 1: the image is cut into that many frames
  bool Cycle = false;
  bool ButtonStyle = false;
  int32_t TimerInterval = 50;  // milliseconds between frames
  TspStdCommand Command = cmDefault;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

enum class TspGaugeKind { Horizontal, Vertical };

class TspDataSkinGauge : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  int32_t MinValue = 0, MaxValue = 0;
  TspGaugeKind Kind = TspGaugeKind::Horizontal;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// A thumb moved along the line from BeginPoint to EndPoint; it never morphs.
class TspDataSkinTrackBar : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  TRect ButtonRect, ActiveButtonRect;
  TPoint BeginPoint, EndPoint;
  int32_t MinValue = 0, MaxValue = 0;
  bool MouseDownChangeValue = false;
  bool ButtonTransparent = false;
  uint32_t ButtonTransparentColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinSwitch : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;
};

// An image of CountFrames frames, side by side or one below the other, one per value step.
class TspDataSkinFramesObject : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  int32_t MinValue = 0, MaxValue = 0;
  int32_t CountFrames = 1;  // never below 1: the image is cut into that many frames
  TspFramesPlacement FramesPlacement = TspFramesPlacement::Horizontal;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinFrameGaugeObject : public TspDataSkinFramesObject {
public:
  using TspDataSkinFramesObject::TspDataSkinFramesObject;
};

class TspDataSkinFrameRegulatorObject : public TspDataSkinFramesObject {
public:
  using TspDataSkinFramesObject::TspDataSkinFramesObject;

  TspRegulatorKind Kind = TspRegulatorKind::Round;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// An item of a popup menu; SkinRect and ActiveSkinRect are its normal and highlighted images.
class TspDataSkinMenuItem : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;  // unstretched ends of the item image
  TRect DividerRect;
  int32_t DividerLeftOffset = 0, DividerRightOffset = 0;
  TRect TextRect;  // place of the text in the item
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  uint32_t UnEnabledFontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

// An item of a main menu bar.
class TspDataSkinMainMenuItem : public TspDataSkinObject {
public:
  using TspDataSkinObject::TspDataSkinObject;

  int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
  TRect DownRect;
  TRect TextRect;
  std::string FontName = kDefaultSkinFontName;
  int32_t FontHeight = kDefaultSkinFontHeight;
  TSkinFontStyles FontStyle;
  uint32_t FontColor = 0;
  uint32_t ActiveFontColor = 0;
  uint32_t DownFontColor = 0;
  uint32_t UnEnabledFontColor = 0;

protected:
  void ExchangeKeys(TspSkinKeyExchange& keys) override;
};

class TspDataSkinMainMenuBarItem : public TspDataSkinMainMenuItem {
public:
  using TspDataSkinMainMenuItem::TspDataSkinMainMenuItem;
};

// The descriptor for a [SKINOBJECTS] kind ("stdbutton", "caption", ...), matched exactly;
// nullptr for a kind the engine does not know.
std::unique_ptr<TspDataSkinObject> CreateSkinObjectData(const std::string& kind,
                                                        const std::string& name);

}  // namespace tmv
