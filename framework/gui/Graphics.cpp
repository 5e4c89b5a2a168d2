#include "framework/gui/Graphics.h"

#include "framework/core/ClassInfo.h"

namespace tmv {

namespace {

int ScreenPixelsPerInch() {
  WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

const TEnumInfo& FontStyleInfo() {
  static const TEnumInfo info{"TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return info;
}

const TEnumInfo& FontPitchInfo() {
  static const TEnumInfo info{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
  return info;
}

const TEnumInfo& PenStyleInfo() {
  static const TEnumInfo info{"TPenStyle", {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear"}};
  return info;
}

const TEnumInfo& BrushStyleInfo() {
  static const TEnumInfo info{"TBrushStyle", {"bsSolid", "bsClear"}};
  return info;
}

// Character sets are written by name (ANSI_CHARSET, GB2312_CHARSET, ...) or by number.
TPropInfo CharsetProperty() {
  return {"Charset", TPropKind::Integer, "1",
          [](TObject& o, const TPropValue& v, TReadContext& ctx) {
            static const struct { const char* name; int value; } names[] = {
                {"ANSI_CHARSET", ANSI_CHARSET},       {"DEFAULT_CHARSET", DEFAULT_CHARSET},
                {"SYMBOL_CHARSET", SYMBOL_CHARSET},   {"GB2312_CHARSET", GB2312_CHARSET},
                {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}, {"OEM_CHARSET", OEM_CHARSET}};
            int value = -1;
            if (v.kind == TPropValue::vkIdent) {
              for (const auto& n : names)
                if (v.Str == n.name) value = n.value;
              if (value < 0) detail::WrongValue(ctx, "Charset", v, "a character set");
            } else {
              value = static_cast<int>(detail::IntegerIn(ctx, "Charset", v, 0, 255));
            }
            static_cast<TFont&>(o).SetCharset(value);
          },
          nullptr};
}

}  // namespace

COLORREF ColorToRGB(TColor color) {
  if (IsSystemColor(color)) return GetSysColor(SystemColorIndex(color));
  return color & 0xFFFFFF;
}

const TClassInfo& TGraphicsObject::StaticClassInfo() {
  static const TClassInfo info("TGraphicsObject", &TPersistent::StaticClassInfo(), nullptr);
  return info;
}

TFont::TFont() = default;

const TClassInfo& TFont::StaticClassInfo() {
  static const TClassInfo info("TFont", &TGraphicsObject::StaticClassInfo(), nullptr,
                               {prop::String<&TFont::SetName>("Name", "MS Sans Serif"),
                                prop::Integer<&TFont::SetHeight>("Height", -11),
                                prop::Integer<&TFont::SetSize>("Size", 8),
                                prop::Set<&TFont::SetStyle>("Style", FontStyleInfo()),
                                prop::Color<&TFont::SetColor>("Color", "clWindowText"),
                                CharsetProperty(),
                                prop::Enum<&TFont::SetPitch>("Pitch", FontPitchInfo())});
  return info;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
  pitch_ = source.pitch_;
  escapement_ = source.escapement_;
  orientation_ = source.orientation_;
  Modified();
}

void TFont::Modified() {
  handle_.Reset();
  Changed();
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Modified();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Modified();
}

int TFont::Size() const { return -MulDiv(height_, 72, ScreenPixelsPerInch()); }

void TFont::SetSize(int size) { SetHeight(-MulDiv(size, ScreenPixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Modified();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset < 0 || charset > 255 || charset == charset_) return;
  charset_ = charset;
  Modified();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Modified();
}

void TFont::SetEscapement(int escapement) {
  if (escapement == escapement_) return;
  escapement_ = escapement;
  Modified();
}

void TFont::SetOrientation(int orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Modified();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTA lf = {};
    static const BYTE pitches[] = {DEFAULT_PITCH, VARIABLE_PITCH, FIXED_PITCH};
    lf.lfHeight = height_;
    lf.lfEscapement = escapement_;
    lf.lfOrientation = orientation_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = pitches[pitch_];
    lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectA(&lf));
    if (!handle_) throw EOutOfResources("Out of system resources");
  }
  return handle_.Get();
}

bool TFont::IsTrueType() {
  WindowDC screen(nullptr);
  SelectGuard chosen(screen.Get(), Handle());
  TEXTMETRICA metrics;
  return GetTextMetricsA(screen.Get(), &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

const TClassInfo& TPen::StaticClassInfo() {
  static const TClassInfo info("TPen", &TGraphicsObject::StaticClassInfo(), nullptr,
                               {prop::Color<&TPen::SetColor>("Color", "clBlack"),
                                prop::Integer<&TPen::SetWidth>("Width", 1),
                                prop::Enum<&TPen::SetStyle>("Style", PenStyleInfo())});
  return info;
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.Reset();
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 1 || width == width_) return;
  width_ = width;
  handle_.Reset();
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  handle_.Reset();
  Changed();
}

HPEN TPen::Handle() {
  static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
  if (!handle_) handle_.Reset(CreatePen(styles[style_], width_, ColorToRGB(color_)));
  return handle_.Get();
}

const TClassInfo& TBrush::StaticClassInfo() {
  static const TClassInfo info("TBrush", &TGraphicsObject::StaticClassInfo(), nullptr,
                               {prop::Color<&TBrush::SetColor>("Color", "clWhite"),
                                prop::Enum<&TBrush::SetStyle>("Style", BrushStyleInfo())});
  return info;
}

void TBrush::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  handle_.Reset();
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  handle_.Reset();
  Changed();
}

HBRUSH TBrush::Handle() {
  if (style_ == bsClear) return nullptr;
  if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
  return handle_.Get();
}

TCanvas::TCanvas(HDC dc, bool ownsDC) : dc_(dc) {
  if (ownsDC) ownedDC_.Reset(dc);
}

TCanvas::~TCanvas() = default;

void TCanvas::SetHandle(HDC dc) {
  if (ownedDC_.Get() != dc) ownedDC_.Reset();
  dc_ = dc;
}

void TCanvas::FillRect(const RECT& rect) {
  if (HBRUSH brush = brush_.Handle()) ::FillRect(Handle(), &rect, brush);
}

void TCanvas::FrameRect(const RECT& rect) {
  if (HBRUSH brush = brush_.Handle()) ::FrameRect(Handle(), &rect, brush);
}

HGDIOBJ TCanvas::FillBrush() {
  return brush_.Style() == bsClear ? GetStockObject(NULL_BRUSH) : brush_.Handle();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  HDC dc = Handle();
  SelectGuard pen(dc, pen_.Handle());
  SelectGuard brush(dc, FillBrush());
  ::Rectangle(dc, left, top, right, bottom);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom) {
  HDC dc = Handle();
  SelectGuard pen(dc, pen_.Handle());
  SelectGuard brush(dc, FillBrush());
  ::Ellipse(dc, left, top, right, bottom);
}

void TCanvas::Polygon(const std::vector<POINT>& points) {
  HDC dc = Handle();
  SelectGuard pen(dc, pen_.Handle());
  SelectGuard brush(dc, FillBrush());
  ::Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::Polyline(const std::vector<POINT>& points) {
  HDC dc = Handle();
  SelectGuard pen(dc, pen_.Handle());
  ::Polyline(dc, points.data(), static_cast<int>(points.size()));
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(Handle(), x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  HDC dc = Handle();
  SelectGuard pen(dc, pen_.Handle());
  ::LineTo(dc, x, y);
}

void TCanvas::DrawFocusRect(const RECT& rect) { ::DrawFocusRect(Handle(), &rect); }

void TCanvas::PrepareText(HDC dc) {
  SetTextColor(dc, ColorToRGB(font_.Color()));
  if (brush_.Style() == bsClear) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, ColorToRGB(brush_.Color()));
  }
}

// TextOut and TextRect set the canvas's alignment only for their own output: others call
// DrawTextA on the same DC, which places text where it should only with the default one.
void TCanvas::TextOut(int x, int y, const std::string& text) {
  HDC dc = Handle();
  SelectGuard font(dc, font_.Handle());
  TextAlignGuard align(dc, textAlign_);
  PrepareText(dc);
  ExtTextOutA(dc, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::string& text) {
  HDC dc = Handle();
  SelectGuard font(dc, font_.Handle());
  TextAlignGuard align(dc, textAlign_);
  PrepareText(dc);
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(dc, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

int TCanvas::DrawText(const std::string& text, RECT& rect, UINT flags) {
  HDC dc = Handle();
  SelectGuard font(dc, font_.Handle());
  TextAlignGuard align(dc, TA_LEFT | TA_TOP);
  PrepareText(dc);
  return ::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &rect, flags);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  HDC dc = Handle();
  SelectGuard font(dc, font_.Handle());
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(Handle(), x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& rect, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  HDC dc = Handle();
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  HDC dc = Handle();
  int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  StretchBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.Handle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, SRCCOPY);
  SetStretchBltMode(dc, oldMode);
}

TColor TCanvas::Pixel(int x, int y) { return GetPixel(Handle(), x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(Handle(), x, y, ColorToRGB(color)); }

TWindowCanvas::TWindowCanvas(HWND window) : dc_(window) { SetHandle(dc_.Get()); }

const TClassInfo& TIcon::StaticClassInfo() {
  static const TClassInfo info("TIcon", &TPersistent::StaticClassInfo(), nullptr);
  return info;
}

namespace {
SIZE IconSize(HICON icon) {
  SIZE size = {0, 0};
  ICONINFO info;
  if (!icon || !GetIconInfo(icon, &info)) return size;
  UniqueBitmap mask(info.hbmMask), color(info.hbmColor);
  BITMAP bm;
  if (GetObjectA(mask.Get(), sizeof bm, &bm)) {
    size.cx = bm.bmWidth;
    // A monochrome icon keeps its AND and XOR masks stacked in one bitmap.
    size.cy = color ? bm.bmHeight : bm.bmHeight / 2;
  }
  return size;
}
}  // namespace

int TIcon::Width() const { return IconSize(handle_.Get()).cx; }
int TIcon::Height() const { return IconSize(handle_.Get()).cy; }

}  // namespace tmv
