#include "labels/RzLabel.h"

#include "labels/RzBlinking.h"
#include "labels/RzRotatedFont.h"

namespace tmv {

namespace {

const TEnumInfo& TextStyleInfo() {
  static const TEnumInfo info{"TTextStyle", {"tsNormal", "tsRaised", "tsRecessed", "tsShadow"}};
  return info;
}

const TEnumInfo& RotationInfo() {
  static const TEnumInfo info{"TRotation", {"roNone", "roFlat", "roCurve"}};
  return info;
}

const TEnumInfo& CenterPointInfo() {
  static const TEnumInfo info{"TCenterPoint",
                              {"cpUpperLeft", "cpUpperCenter", "cpUpperRight", "cpLeftCenter", "cpCenter",
                               "cpRightCenter", "cpLowerLeft", "cpLowerCenter", "cpLowerRight"}};
  return info;
}

const TEnumInfo& TextLayoutInfo() {
  static const TEnumInfo info{"TTextLayout", {"tlTop", "tlCenter", "tlBottom"}};
  return info;
}

const TEnumInfo& CondenseCaptionInfo() {
  static const TEnumInfo info{"TRzCondenseCaption", {"ccNone", "ccAtEnd", "ccWithinPath"}};
  return info;
}

THorizontalPlace PlaceOf(TAlignment alignment) {
  if (alignment == taRightJustify) return hpRight;
  if (alignment == taCenter) return hpCentred;
  return hpLeft;
}

}  // namespace

const TClassInfo& TRzLabel::StaticClassInfo() {
  using C = TRzLabel;
  static const TClassInfo info(
      "TRzLabel", &TLabel::StaticClassInfo(), &CreateComponent<C>,
      {prop::Integer<&C::SetAngle>("Angle"), prop::Boolean<&C::SetBlinking>("Blinking"),
       prop::Color<&C::SetBlinkColor>("BlinkColor", "clHighlight"),
       prop::Integer<&C::SetBlinkIntervalOff>("BlinkIntervalOff", 500),
       prop::Integer<&C::SetBlinkIntervalOn>("BlinkIntervalOn", 500),
       prop::Integer<&C::SetBevelWidth>("BevelWidth", 1),
       prop::Enum<&C::SetBorderInner>("BorderInner", FrameStyleExInfo()),
       prop::Enum<&C::SetBorderOuter>("BorderOuter", FrameStyleExInfo()),
       prop::Set<&C::SetBorderSides>("BorderSides", SidesInfo(), "[sdLeft, sdTop, sdRight, sdBottom]"),
       prop::Color<&C::SetBorderColor>("BorderColor", "clBtnFace"),
       prop::Color<&C::SetBorderHighlight>("BorderHighlight", "clBtnHighlight"),
       prop::Color<&C::SetBorderShadow>("BorderShadow", "clBtnShadow"),
       prop::Integer<&C::SetBorderWidth>("BorderWidth"),
       prop::Enum<&C::SetCondenseCaption>("CondenseCaption", CondenseCaptionInfo()),
       prop::Color<&C::SetFlatColor>("FlatColor", "clBtnShadow"),
       prop::Integer<&C::SetFlatColorAdjustment>("FlatColorAdjustment", 30),
       prop::Reference<&C::SetFrameController>("FrameController"),
       prop::Set<&C::SetFrameControllerNotifications>(
           "FrameControllerNotifications", FrameControllerPropertyInfo(),
           "[fcpColor, fcpFocusColor, fcpDisabledColor, fcpReadOnlyColor, fcpReadOnlyColorOnFocus, "
           "fcpParentColor, fcpFlatButtonColor, fcpFlatButtons, fcpFrameColor, fcpFrameHotColor, "
           "fcpFrameHotTrack, fcpFrameHotStyle, fcpFrameSides, fcpFrameStyle, fcpFrameVisible, "
           "fcpFramingPreference]"),
       prop::Enum<&C::SetCenterPoint>("CenterPoint", CenterPointInfo(), cpCenter),
       prop::Color<&C::SetFlyByColor>("FlyByColor", "clHighlight"),
       prop::Boolean<&C::SetFlyByEnabled>("FlyByEnabled"),
       prop::Enum<&C::SetLayout>("Layout", TextLayoutInfo()),
       prop::Boolean<&C::SetLightTextStyle>("LightTextStyle"),
       prop::Enum<&C::SetRotation>("Rotation", RotationInfo()),
       prop::Color<&C::SetHighlightColor>("HighlightColor", "clBtnHighlight"),
       prop::Color<&C::SetShadowColor>("ShadowColor", "clBtnShadow"),
       prop::Integer<&C::SetShadowDepth>("ShadowDepth", 2), prop::Integer<&C::SetTextMargin>("TextMargin"),
       prop::Enum<&C::SetTextStyle>("TextStyle", TextStyleInfo()),
       prop::Boolean<&C::SetParentColor>("ParentColor", true), prop::Boolean<&C::SetWordWrap>("WordWrap"),
       prop::Boolean<&C::SetShowAccelChar>("ShowAccelChar", true), IgnoredProperty("About"),
       IgnoredProperty("FrameSides")});
  return info;
}

TRzLabel::TRzLabel(TComponent* owner) : TLabel(owner) {
  TRzBlinkingControlsList::Add(this);
  restingColor_ = drawColor_ = Font()->Color();
}

TRzLabel::~TRzLabel() {
  if (frameController_) frameController_->RemoveControl(this);
  TRzBlinkingControlsList::Remove(this);
}

// ---------------------------------------------------------------------------------------
// Settings

void TRzLabel::SetAngle(int value) {
  const int angle = NormalizeAngle(value);
  if (angle == angle_) return;
  angle_ = angle;
  if (!IsLoading() && angle != 0) {
    if (rotation_ == roNone) rotation_ = roFlat;
    TakeTrueTypeFont();
  }
  AdjustSize();
  Invalidate();
}

void TRzLabel::SetRotation(TRotation value) {
  if (value == rotation_) return;
  rotation_ = value;
  // While the form is read the angle may come first; Loaded reconciles the two.
  if (!IsLoading()) {
    if (value != roCurve) angle_ = 0;
    if (value == roFlat) centerPoint_ = cpCenter;
    if (value != roNone) TakeTrueTypeFont();
  }
  AdjustSize();
  Invalidate();
}

void TRzLabel::TakeTrueTypeFont() {
  if (!TrueTypeTest()(*Font())) Font()->SetName("Verdana");
}

void TRzLabel::SetBlinking(bool value) {
  if (value == blinking_) return;
  blinking_ = value;
  if (!value) restingColor_ = drawColor_ = Font()->Color();
  Invalidate();
}

uint16_t TRzLabel::BlinkIntervalOff() const { return TRzBlinkingControlsList::Instance()->IntervalOff(); }
void TRzLabel::SetBlinkIntervalOff(uint16_t ms) { TRzBlinkingControlsList::Instance()->SetIntervalOff(ms); }
uint16_t TRzLabel::BlinkIntervalOn() const { return TRzBlinkingControlsList::Instance()->IntervalOn(); }
void TRzLabel::SetBlinkIntervalOn(uint16_t ms) { TRzBlinkingControlsList::Instance()->SetIntervalOn(ms); }

void TRzLabel::SetCondenseCaption(TRzCondenseCaption value) {
  Visual(condenseCaption_, value);
  if (value != ccNone) SetAutoSize(false);
}

void TRzLabel::SetFrameController(TRzFrameController* value) {
  if (value == frameController_) return;
  if (frameController_) frameController_->RemoveControl(this);
  frameController_ = value;
  if (value) value->AddControl(this);
}

void TRzLabel::Notification(TComponent* component, TOperation operation) {
  TLabel::Notification(component, operation);
  if (operation == opRemove && component == frameController_) frameController_ = nullptr;
}

void TRzLabel::FrameControllerNotify(TRzFrameController* controller, TRzFrameControllerProperty property) {
  if (!controller->FrameVisible()) return;
  // Showing the frame hands over everything the label takes.
  auto takes = [&](TRzFrameControllerProperty p) {
    return (property == fcpAll || property == fcpFrameVisible || property == p) && (notifications_ & (1u << p));
  };
  if (takes(fcpFrameStyle)) border_.Outer = controller->FrameStyle();
  if (takes(fcpFrameSides)) border_.Sides = controller->FrameSides();
  if (takes(fcpFrameColor)) {
    border_.FlatColor = controller->FrameColor();
    border_.FlatColorAdjustment = 0;
  }
  if (takes(fcpColor)) {
    SetColor(controller->Color());
    border_.Highlight = LightenColor(controller->Color(), 100);
    border_.Shadow = DarkenColor(controller->Color(), 50);
  }
  if (takes(fcpParentColor)) parentColor_ = controller->ParentColor();
  AdjustSize();
  Invalidate();
}

void TRzLabel::SetFlyByEnabled(bool value) {
  if (value == flyByEnabled_) return;
  flyByEnabled_ = value;
  if (!value && flyingBy_) {
    flyingBy_ = false;
    SetFontColorForFlyBy(flyBySavedColor_);
  }
}

void TRzLabel::SetFontColorForFlyBy(TColor color) {
  settingFlyByColor_ = true;
  Font()->SetColor(color);
  settingFlyByColor_ = false;
}

void TRzLabel::FontChanged() {
  if (flyingBy_ && !settingFlyByColor_ && Font()->Color() != flyByColor_) {
    // The colour changed under the mouse: leaving must bring back this one, not the old.
    flyBySavedColor_ = Font()->Color();
    SetFontColorForFlyBy(flyByColor_);
    return;
  }
  if (!IsLoading()) {
    if (!blinking_) restingColor_ = drawColor_ = Font()->Color();
    if (angle_ != 0 && !TrueTypeTest()(*Font())) angle_ = 0;
  }
  TLabel::FontChanged();
}

void TRzLabel::ColorChanged() {
  parentColor_ = false;
  Invalidate();
}

void TRzLabel::CaptionChanged() {
  AdjustSize();
  Repaint();
}

void TRzLabel::Loaded() {
  TLabel::Loaded();
  if (rotation_ == roNone && angle_ != 0) rotation_ = roFlat;
  if (rotation_ != roNone) TakeTrueTypeFont();
  restingColor_ = drawColor_ = Font()->Color();
  AdjustSize();
}

void TRzLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
      if (!IsDesigning() && flyByEnabled_ && !flyingBy_) {
        flyBySavedColor_ = Font()->Color();
        flyingBy_ = true;
        SetFontColorForFlyBy(flyByColor_);
      }
      TLabel::WndProc(message);
      return;
    case CM_MOUSELEAVE:
      if (!IsDesigning() && flyingBy_) {
        flyingBy_ = false;
        SetFontColorForFlyBy(flyBySavedColor_);
      }
      TLabel::WndProc(message);
      return;
    case CM_BLINKQUERY:
      message.Result = blinking_ ? 1 : 0;
      return;
    case CM_BLINKSTATE:
      if (blinking_) {
        drawColor_ = message.WParam == 1 ? blinkColor_ : restingColor_;
        Repaint();
      }
      return;
  }
  TLabel::WndProc(message);
}

// ---------------------------------------------------------------------------------------
// Size

RECT TRzLabel::ShrinkByBorders(RECT r, bool withWidth) const {
  if (withWidth) InflateRect(&r, -border_.Width, -border_.Width);
  for (TFrameStyleEx style : {border_.Outer, border_.Inner}) {
    const int d = FrameStyleDepth(style, border_.BevelWidth);
    if (border_.Sides & sdLeft) r.left += d;
    if (border_.Sides & sdTop) r.top += d;
    if (border_.Sides & sdRight) r.right -= d;
    if (border_.Sides & sdBottom) r.bottom -= d;
  }
  return r;
}

TTextExtent TRzLabel::GrowTextRect(TTextExtent size) const {
  for (int d : {FrameStyleDepth(border_.Outer, border_.BevelWidth), border_.Width,
                FrameStyleDepth(border_.Inner, border_.BevelWidth)}) {
    size.Width += d * (((border_.Sides & sdLeft) ? 1 : 0) + ((border_.Sides & sdRight) ? 1 : 0));
    size.Height += d * (((border_.Sides & sdTop) ? 1 : 0) + ((border_.Sides & sdBottom) ? 1 : 0));
  }
  if (rotation_ == roNone && textStyle_ == tsShadow) {
    size.Width += shadowDepth_;
    size.Height += shadowDepth_;
  }
  if (rotation_ == roFlat && angle_ != 0 && angle_ != 180) {
    if (textStyle_ == tsShadow) {
      size.Width += shadowDepth_ / 2;
      size.Height += shadowDepth_ / 2;
    }
    size = RotatedExtent(size.Width, size.Height, angle_);
  }
  return size;
}

void TRzLabel::AdjustSize() {
  if (!AutoSize() || IsLoading()) return;
  RECT r = ShrinkByBorders(ClientRect(), true);
  OffsetRect(&r, -r.left, -r.top);
  UINT flags = DT_CALCRECT | DT_EXPANDTABS | (wordWrap_ ? DT_WORDBREAK : 0) |
               (TextFlags() & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS));
  {
    WindowDC screen(nullptr);
    SelectGuard font(screen.Get(), Font()->Handle());
    DrawTextA(screen.Get(), Caption().c_str(), static_cast<int>(Caption().size()), &r, flags);
  }
  const TTextExtent size = GrowTextRect({r.right - r.left, r.bottom - r.top});
  const int left = Alignment() == taRightJustify ? Left() + Width() - size.Width : Left();
  SetBounds(left, Top(), size.Width, size.Height);
}

// ---------------------------------------------------------------------------------------
// Painting

TColor TRzLabel::BackgroundColor() const { return parentColor_ && Parent() ? Parent()->Color() : Color(); }

UINT TRzLabel::TextFlags() const {
  static const UINT align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | align[Alignment()];
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (condenseCaption_ == ccAtEnd) flags |= DT_END_ELLIPSIS;
  if (condenseCaption_ == ccWithinPath) flags |= DT_PATH_ELLIPSIS;
  return flags;
}

RECT TRzLabel::TextRect() {
  RECT r = ShrinkByBorders(ClientRect(), true);
  InflateRect(&r, -textMargin_, -textMargin_);
  return r;
}

template <class Draw>
void TRzLabel::ForEachPass(Draw draw, int shadowOffset, int textOffset) const {
  if (!Enabled()) {
    draw(clBtnHighlight, 1, 1);
    draw(clBtnShadow, 0, 0);
    return;
  }
  int offset = 0;
  switch (textStyle_) {
    case tsRaised:
      if (!lightTextStyle_) draw(shadowColor_, 1, 1);
      draw(highlightColor_, -1, -1);
      break;
    case tsRecessed:
      draw(highlightColor_, 1, 1);
      if (!lightTextStyle_) draw(shadowColor_, -1, -1);
      break;
    case tsShadow:
      draw(shadowColor_, shadowOffset, shadowOffset);
      offset = textOffset;
      break;
    default:
      break;
  }
  draw(drawColor_, offset, offset);
}

void TRzLabel::Paint(TCanvas& canvas) {
  const TColor parentColor = Parent() ? Parent()->Color() : Color();
  const RECT inner =
      PaintLabelBorders(canvas, ClientRect(), border_, BackgroundColor(), parentColor, Transparent(), false);
  if (!Transparent()) {
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(BackgroundColor());
    canvas.FillRect(inner);
  }
  canvas.Brush()->SetStyle(bsClear);
  canvas.Font()->Assign(*Font());
  const RECT r = TextRect();
  const int oldMode = SetBkMode(canvas.Handle(), TRANSPARENT);
  if (rotation_ == roCurve)
    DrawArcText(canvas, r);
  else if (rotation_ == roFlat && angle_ != 0)
    DrawFlatText(canvas, r);
  else
    DrawStraightText(canvas, r);
  SetBkMode(canvas.Handle(), oldMode);
}

void TRzLabel::DrawStraightText(TCanvas& canvas, const RECT& r) {
  HDC dc = canvas.Handle();
  SelectGuard font(dc, canvas.Font()->Handle());
  const UINT flags = TextFlags();
  const std::string& text = Caption();
  const int length = static_cast<int>(text.size());
  RECT placed = r;
  if (layout_ != tlTop) {
    RECT measured = r;
    DrawTextA(dc, text.c_str(), length, &measured, flags | DT_CALCRECT);
    const int free = (r.bottom - r.top) - (measured.bottom - measured.top);
    OffsetRect(&placed, 0, layout_ == tlBottom ? free : free / 2);
  }
  if (textStyle_ == tsShadow) {
    if (Alignment() == taRightJustify) OffsetRect(&placed, -shadowDepth_, 0);
    if (layout_ == tlBottom) OffsetRect(&placed, 0, -shadowDepth_);
  }
  ForEachPass(
      [&](TColor color, int dx, int dy) {
        RECT pass = placed;
        OffsetRect(&pass, dx, dy);
        SetTextColor(dc, ColorToRGB(color));
        DrawTextA(dc, text.c_str(), length, &pass, flags);
      },
      shadowDepth_, 0);
}

void TRzLabel::DrawFlatText(TCanvas& canvas, const RECT& r) {
  HDC dc = canvas.Handle();
  const int e = textStyle_ == tsShadow ? shadowDepth_ / 2 : 0;
  const std::string& text = Caption();
  const int lineHeight = canvas.TextHeight("Pp");
  const TFlatTextMetrics metrics{Width(), Height(), canvas.TextWidth(text) + e, lineHeight + e, lineHeight, e};
  const TFlatTextOrigin origin =
      FlatTextOrigin(angle_, PlaceOf(Alignment()), {r.left, r.top, r.right, r.bottom}, metrics);
  TRzRotatedFont font(*canvas.Font(), angle_ * 10);
  SelectGuard chosen(dc, font.Handle());
  const UINT oldAlign = SetTextAlign(dc, TA_BASELINE | (origin.Centred ? TA_CENTER : TA_LEFT));
  ForEachPass(
      [&](TColor color, int dx, int dy) {
        SetTextColor(dc, ColorToRGB(color));
        ExtTextOutA(dc, origin.X + dx, origin.Y + dy, ETO_CLIPPED, &r, text.data(),
                    static_cast<UINT>(text.size()), nullptr);
      },
      e, -e);
  SetTextAlign(dc, oldAlign);
}

void TRzLabel::DrawArcText(TCanvas& canvas, const RECT& r) {
  const TArcLayout arc = ArcLayout(centerPoint_, Width(), Height(), border_.Width);
  if (!arc.Usable()) {
    DrawStraightText(canvas, r);
    return;
  }
  HDC dc = canvas.Handle();
  const int lineHeight = canvas.TextHeight("Yy");
  const int advance = canvas.TextWidth("w");
  const UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_BASELINE);
  const std::string& text = Caption();
  double phi = Radians(angle_);
  for (size_t i = 0; i < text.size();) {
    // A GBK character's two bytes stay together.
    const int length = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
    const TArcGlyph glyph = ArcGlyphAt(arc, phi, lineHeight);
    TRzRotatedFont font(*canvas.Font(), glyph.Escapement);
    SelectGuard chosen(dc, font.Handle());
    ForEachPass(
        [&](TColor color, int dx, int dy) {
          SetTextColor(dc, ColorToRGB(color));
          TextOutA(dc, glyph.X + dx, glyph.Y + dy, text.data() + i, length);
        },
        shadowDepth_, 0);
    phi = NextArcAngle(arc, phi, advance);
    i += static_cast<size_t>(length);
  }
  SetTextAlign(dc, oldAlign);
}

}  // namespace tmv
