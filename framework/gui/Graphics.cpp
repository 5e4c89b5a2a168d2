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
                                CharsetProperty()});
  return info;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  style_ = source.style_;
  color_ = source.color_;
  charset_ = source.charset_;
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

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTA lf = {};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & fsItalic) ? 1 : 0;
    lf.lfUnderline = (style_ & fsUnderline) ? 1 : 0;
    lf.lfStrikeOut = (style_ & fsStrikeOut) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, name_.c_str(), LF_FACESIZE);
    handle_.Reset(CreateFontIndirectA(&lf));
    if (!handle_) throw EOutOfResources("Out of system resources");
  }
  return handle_.Get();
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
  if (HBRUSH brush = brush_.Handle()) ::FillRect(dc_, &rect, brush);
}

void TCanvas::FrameRect(const RECT& rect) {
  if (HBRUSH brush = brush_.Handle()) ::FrameRect(dc_, &rect, brush);
}

void TCanvas::Rectangle(int left, int top, int right, int bottom) {
  SelectGuard pen(dc_, pen_.Handle());
  SelectGuard brush(dc_, brush_.Style() == bsClear ? GetStockObject(NULL_BRUSH) : brush_.Handle());
  ::Rectangle(dc_, left, top, right, bottom);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  SelectGuard pen(dc_, pen_.Handle());
  ::LineTo(dc_, x, y);
}

void TCanvas::PrepareText() {
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.Style() == bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  SelectGuard font(dc_, font_.Handle());
  PrepareText();
  ExtTextOutA(dc_, x, y, 0, nullptr, text.data(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::string& text) {
  SelectGuard font(dc_, font_.Handle());
  PrepareText();
  UINT options = ETO_CLIPPED | (brush_.Style() == bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutA(dc_, x, y, options, &rect, text.data(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::string& text) {
  SelectGuard font(dc_, font_.Handle());
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TCanvas::Draw(int x, int y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  BitBlt(dc_, x, y, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TCanvas::StretchDraw(const RECT& rect, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
             bitmap.Canvas()->Handle(), 0, 0, bitmap.Width(), bitmap.Height(), SRCCOPY);
  SetStretchBltMode(dc_, oldMode);
}

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top,
             source.Handle(), sourceRect.left, sourceRect.top, sourceRect.right - sourceRect.left,
             sourceRect.bottom - sourceRect.top, SRCCOPY);
  SetStretchBltMode(dc_, oldMode);
}

TColor TCanvas::Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

void TCanvas::SetPixel(int x, int y, TColor color) { ::SetPixel(dc_, x, y, ColorToRGB(color)); }

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
