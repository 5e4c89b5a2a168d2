#pragma once
// A windowless label with raised, recessed and shadowed text, text turned to any angle or
// laid along an arc, blinking, a colour while the mouse is over it and a two-layer border.
#include <string>

#include "framework/gui/StdCtrls.h"
#include "labels/RzBorders.h"
#include "labels/RzFrameController.h"
#include "labels/RzLabelGeometry.h"

namespace tmv {

class TRzLabel : public TLabel, public IRzFrameControllerNotify {
public:
  explicit TRzLabel(TComponent* owner);
  ~TRzLabel() override;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }

  // Kept in 0..359; a non-zero angle turns an unrotated label flat.
  int Angle() const { return angle_; }
  void SetAngle(int value);
  TRotation Rotation() const { return rotation_; }
  void SetRotation(TRotation value);
  TCenterPoint CenterPoint() const { return centerPoint_; }
  void SetCenterPoint(TCenterPoint value) { Visual(centerPoint_, value); }

  bool Blinking() const { return blinking_; }
  void SetBlinking(bool value);
  TColor BlinkColor() const { return blinkColor_; }
  void SetBlinkColor(TColor value) { Visual(blinkColor_, value); }
  // Shared by every label of the program.
  uint16_t BlinkIntervalOff() const;
  void SetBlinkIntervalOff(uint16_t ms);
  uint16_t BlinkIntervalOn() const;
  void SetBlinkIntervalOn(uint16_t ms);

  int BevelWidth() const { return border_.BevelWidth; }
  void SetBevelWidth(int value) { Sized(border_.BevelWidth, value); }
  TFrameStyleEx BorderInner() const { return border_.Inner; }
  void SetBorderInner(TFrameStyleEx value) { Sized(border_.Inner, value); }
  TFrameStyleEx BorderOuter() const { return border_.Outer; }
  void SetBorderOuter(TFrameStyleEx value) { Sized(border_.Outer, value); }
  TSides BorderSides() const { return border_.Sides; }
  void SetBorderSides(TSides value) { Sized(border_.Sides, value); }
  TColor BorderColor() const { return border_.Color; }
  void SetBorderColor(TColor value) { Visual(border_.Color, value); }
  TColor BorderHighlight() const { return border_.Highlight; }
  void SetBorderHighlight(TColor value) { Visual(border_.Highlight, value); }
  TColor BorderShadow() const { return border_.Shadow; }
  void SetBorderShadow(TColor value) { Visual(border_.Shadow, value); }
  int BorderWidth() const { return border_.Width; }
  void SetBorderWidth(int value) { Sized(border_.Width, value); }
  TColor FlatColor() const { return border_.FlatColor; }
  void SetFlatColor(TColor value) { Visual(border_.FlatColor, value); }
  int FlatColorAdjustment() const { return border_.FlatColorAdjustment; }
  void SetFlatColorAdjustment(int value) { Visual(border_.FlatColorAdjustment, value); }

  // Anything but ccNone switches AutoSize off.
  TRzCondenseCaption CondenseCaption() const { return condenseCaption_; }
  void SetCondenseCaption(TRzCondenseCaption value);
  TRzFrameController* FrameController() const { return frameController_; }
  void SetFrameController(TRzFrameController* value);
  TRzFrameControllerNotifications FrameControllerNotifications() const { return notifications_; }
  void SetFrameControllerNotifications(TRzFrameControllerNotifications value) { notifications_ = value; }

  TColor FlyByColor() const { return flyByColor_; }
  void SetFlyByColor(TColor value) { Visual(flyByColor_, value); }
  bool FlyByEnabled() const { return flyByEnabled_; }
  void SetFlyByEnabled(bool value);

  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value) { Visual(layout_, value); }
  bool LightTextStyle() const { return lightTextStyle_; }
  void SetLightTextStyle(bool value) { Visual(lightTextStyle_, value); }
  TColor HighlightColor() const { return highlightColor_; }
  void SetHighlightColor(TColor value) { Visual(highlightColor_, value); }
  TColor ShadowColor() const { return shadowColor_; }
  void SetShadowColor(TColor value) { Visual(shadowColor_, value); }
  int ShadowDepth() const { return shadowDepth_; }
  void SetShadowDepth(int value) { Sized(shadowDepth_, value); }
  int TextMargin() const { return textMargin_; }
  void SetTextMargin(int value) { Sized(textMargin_, value); }
  TTextStyle TextStyle() const { return textStyle_; }
  void SetTextStyle(TTextStyle value) { Sized(textStyle_, value); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { Sized(wordWrap_, value); }
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value) { Sized(showAccelChar_, value); }
  // With ParentColor the label takes its parent's colour; setting Color clears it.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value) { Visual(parentColor_, value); }


  // The colour the text is drawn in now: the font's colour, or BlinkColor while blinking on.
  TColor DrawColor() const { return drawColor_; }

  void Paint(TCanvas& canvas) override;
  void WndProc(TMessage& message) override;
  void Loaded() override;
  void FrameControllerNotify(TRzFrameController* controller, TRzFrameControllerProperty property) override;

protected:
  void AdjustSize() override;
  void FontChanged() override;
  void ColorChanged() override;
  void CaptionChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The rectangle inside the borders, and inside BorderWidth too when withWidth is set.
  RECT ShrinkByBorders(RECT rect, bool withWidth) const;
  // Adds to a text size what the borders and the text effect need around it.
  TTextExtent GrowTextRect(TTextExtent size) const;

private:
  template <class T>
  void Visual(T& field, T value) {
    if (field == value) return;
    field = value;
    Invalidate();
  }
  template <class T>
  void Sized(T& field, T value) {
    if (field == value) return;
    field = value;
    AdjustSize();
    Invalidate();
  }
  TColor BackgroundColor() const;
  UINT TextFlags() const;
  RECT TextRect();
  // Calls draw(colour, dx, dy) for each pass of the text style, the text itself last.
  // shadowOffset moves the drop shadow, textOffset the text over a drop shadow.
  template <class Draw>
  void ForEachPass(Draw draw, int shadowOffset, int textOffset) const;
  void DrawStraightText(TCanvas& canvas, const RECT& r);
  void DrawFlatText(TCanvas& canvas, const RECT& r);
  void DrawArcText(TCanvas& canvas, const RECT& r);
  void TakeTrueTypeFont();
  void SetFontColorForFlyBy(TColor color);

  int angle_ = 0;
  TRotation rotation_ = roNone;
  TCenterPoint centerPoint_ = cpCenter;
  bool blinking_ = false;
  TColor blinkColor_ = clHighlight;
  TRzLabelBorder border_;
  TRzCondenseCaption condenseCaption_ = ccNone;
  TRzFrameController* frameController_ = nullptr;
  TRzFrameControllerNotifications notifications_ = fcnAll;
  TColor flyByColor_ = clHighlight;
  bool flyByEnabled_ = false;
  TTextLayout layout_ = tlTop;
  bool lightTextStyle_ = false;
  TColor highlightColor_ = clBtnHighlight;
  TColor shadowColor_ = clBtnShadow;
  int shadowDepth_ = 2;
  int textMargin_ = 0;
  TTextStyle textStyle_ = tsNormal;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool parentColor_ = true;

  TColor restingColor_ = clWindowText;  // the font colour outside blinking
  TColor drawColor_ = clWindowText;
  TColor flyBySavedColor_ = clWindowText;  // the font colour the mouse found
  bool flyingBy_ = false;                  // the fly-by colour is on
  bool settingFlyByColor_ = false;
};

}  // namespace tmv
