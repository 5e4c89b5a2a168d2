#include "framework/gui/ExtCtrls.h"

#include "framework/core/ClassInfo.h"
#include "framework/core/Exceptions.h"

namespace tmv {

const TEnumInfo& PanelBevelInfo() {
  static const TEnumInfo info{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised"}};
  return info;
}

namespace {
void DrawCentredText(TCanvas& canvas, RECT r, const std::string& text, TFont& font) {
  canvas.Font()->Assign(font);
  canvas.Brush()->SetStyle(bsClear);
  SelectGuard selected(canvas.Handle(), canvas.Font()->Handle());
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextColor(canvas.Handle(), ColorToRGB(font.Color()));
  DrawTextA(canvas.Handle(), text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
}  // namespace

// ---------------------------------------------------------------------------------------

const TClassInfo& TPanel::StaticClassInfo() {
  static const TClassInfo info("TPanel", &TWinControl::StaticClassInfo(), &CreateComponent<TPanel>,
                               {prop::Enum<&TPanel::SetBevelOuter>("BevelOuter", PanelBevelInfo(), bvRaised),
                                prop::Boolean<&TPanel::SetShowCaption>("ShowCaption", true)});
  return info;
}

TPanel::TPanel(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(ControlStyle() | csAcceptsControls);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  if (bevel == bevelOuter_) return;
  bevelOuter_ = bevel;
  Invalidate();
}

void TPanel::SetShowCaption(bool show) {
  if (show == showCaption_) return;
  showCaption_ = show;
  Invalidate();
}

void TPanel::PaintWindow(TCanvas& canvas) {
  TWinControl::PaintWindow(canvas);
  RECT r = ClientRect();
  if (bevelOuter_ != bvNone)
    DrawEdge(canvas.Handle(), &r, bevelOuter_ == bvRaised ? BDR_RAISEDOUTER : BDR_SUNKENOUTER, BF_RECT);
  if (showCaption_) DrawCentredText(canvas, r, Caption(), *Font());
}

const TClassInfo& TStatusBar::StaticClassInfo() {
  static const TClassInfo info("TStatusBar", &TPanel::StaticClassInfo(), &CreateComponent<TStatusBar>);
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TPanel(owner) {
  SetBevelOuter(bvNone);
  SetShowCaption(false);
  SetHeight(21);
  SetAlign(alBottom);
}

const TClassInfo& TStatusPanel::StaticClassInfo() {
  static const TClassInfo info("TStatusPanel", &TControl::StaticClassInfo(), &CreateComponent<TStatusPanel>);
  return info;
}

TStatusPanel::TStatusPanel(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 100, 21); }

void TStatusPanel::Paint(TCanvas& canvas) {
  RECT r = ClientRect();
  DrawEdge(canvas.Handle(), &r, BDR_SUNKENOUTER, BF_RECT);
  InflateRect(&r, -4, 0);
  canvas.Font()->Assign(*Font());
  SelectGuard selected(canvas.Handle(), canvas.Font()->Handle());
  SetBkMode(canvas.Handle(), TRANSPARENT);
  SetTextColor(canvas.Handle(), ColorToRGB(Font()->Color()));
  DrawTextA(canvas.Handle(), Caption().c_str(), static_cast<int>(Caption().size()), &r,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// ---------------------------------------------------------------------------------------

const TClassInfo& TPicture::StaticClassInfo() {
  static const TClassInfo info("TPicture", &TPersistent::StaticClassInfo(), nullptr,
                               {prop::Binary<&TPicture::SetData>("Data")});
  return info;
}

const TClassInfo& TImage::StaticClassInfo() {
  static const TClassInfo info("TImage", &TControl::StaticClassInfo(), &CreateComponent<TImage>,
                               {prop::Object<&TImage::Picture>("Picture"),
                                prop::Boolean<&TImage::SetStretch>("Stretch")});
  return info;
}

TImage::TImage(TComponent* owner) : TControl(owner) { SetBounds(0, 0, 105, 105); }

void TImage::SetStretch(bool value) {
  stretch_ = value;
  Invalidate();
}

void TImage::Paint(TCanvas& canvas) {
  TBitmap& bmp = *picture_.Bitmap();
  if (bmp.Empty()) return;
  if (stretch_)
    canvas.StretchDraw(ClientRect(), bmp);
  else
    canvas.Draw(0, 0, bmp);
}

// ---------------------------------------------------------------------------------------

const TClassInfo& TTimer::StaticClassInfo() {
  static const TClassInfo info("TTimer", &TComponent::StaticClassInfo(), &CreateComponent<TTimer>,
                               {prop::Boolean<&TTimer::SetEnabled>("Enabled", true),
                                prop::Integer<&TTimer::SetInterval>("Interval", 1000),
                                prop::Event<&TTimer::SetOnTimer>("OnTimer")});
  return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
  if (running_) KillTimer(window_->Handle(), 1);
}

void TTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Update();
}

void TTimer::SetInterval(unsigned interval) {
  interval_ = interval;
  Update();
}

void TTimer::SetOnTimer(TNotifyEvent event) {
  onTimer_ = event;
  Update();
}

void TTimer::Update() {
  if (running_) KillTimer(window_->Handle(), 1);
  running_ = false;
  if (!enabled_ || interval_ == 0 || !onTimer_ || ticking_) return;
  if (!window_) window_ = std::make_unique<THiddenWindow>(TWndMethod::Of<&TTimer::TimerWndProc>(this));
  if (!SetTimer(window_->Handle(), 1, interval_, nullptr)) throw EOutOfResources("Not enough timers available");
  running_ = true;
}

void TTimer::TimerWndProc(TMessage& message) {
  if (message.Msg != WM_TIMER) {
    window_->Default(message);
    return;
  }
  // Paused while the handler runs: one that shows a box or pumps messages is not entered
  // again behind it.
  KillTimer(window_->Handle(), 1);
  running_ = false;
  ticking_ = true;
  // The handler may free the timer.
  const std::weak_ptr<const void> alive = LifeToken();
  RunGuarded([&] { onTimer_(this); });
  if (alive.expired()) return;
  ticking_ = false;
  Update();
}

}  // namespace tmv
