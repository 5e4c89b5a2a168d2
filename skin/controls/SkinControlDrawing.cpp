#include "skin/controls/SkinControlDrawing.h"

#include "framework/gui/Handles.h"

namespace tmv {

const TEnumInfo& SkinBorderStyleInfo() {
  static const TEnumInfo info{"TspSkinBorderStyle", {"bvFrame", "bvRaised", "bvLowered", "bvNone"}};
  return info;
}

void Frame3D(TCanvas& canvas, RECT& r, TColor topLeft, TColor bottomRight) {
  if (r.right - r.left < 1 || r.bottom - r.top < 1) return;
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(topLeft);
  canvas.FillRect({r.left, r.top, r.right - 1, r.top + 1});
  canvas.FillRect({r.left, r.top, r.left + 1, r.bottom - 1});
  canvas.Brush()->SetColor(bottomRight);
  canvas.FillRect({r.right - 1, r.top, r.right, r.bottom});
  canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom});
  InflateRect(&r, -1, -1);
}

void DrawDefaultBorder(TCanvas& canvas, RECT& r, TspSkinBorderStyle style) {
  switch (style) {
    case TspSkinBorderStyle::bvFrame:
      Frame3D(canvas, r, clBtnShadow, clBtnShadow);
      break;
    case TspSkinBorderStyle::bvRaised:
      Frame3D(canvas, r, clBtnHighlight, clBtnShadow);
      break;
    case TspSkinBorderStyle::bvLowered:
      Frame3D(canvas, r, clBtnShadow, clBtnHighlight);
      break;
    case TspSkinBorderStyle::bvNone:
      break;
  }
}

void AssignSkinFont(TFont& target, const std::string& name, int32_t height,
                    const TSkinFontStyles& style, TColor colour, int charset) {
  target.SetName(name);
  target.SetHeight(height);
  TFontStyles styles = 0;
  if (style.Bold) styles |= fsBold;
  if (style.Italic) styles |= fsItalic;
  if (style.Underline) styles |= fsUnderline;
  if (style.StrikeOut) styles |= fsStrikeOut;
  target.SetStyle(styles);
  target.SetColor(colour);
  target.SetCharset(charset);
}

int32_t TextWidthIn(TFont& font, const std::string& text) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return 0;
  SelectGuard selected(dc.Get(), font.Handle());
  SIZE size{};
  GetTextExtentPoint32A(dc.Get(), text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int32_t AlignedLeft(TAlignment alignment, int32_t left, int32_t right, int32_t width) {
  switch (alignment) {
    case taRightJustify:
      return right - width;
    case taCenter:
      return left + (right - left) / 2 - width / 2;
    default:
      return left;
  }
}

TAlignment AlignmentOf(TSkinAlignment alignment) {
  switch (alignment) {
    case TSkinAlignment::RightJustify:
      return taRightJustify;
    case TSkinAlignment::Center:
      return taCenter;
    default:
      return taLeftJustify;
  }
}

void DrawCaptionText(HDC dc, TFont& font, const TRect& rect, int32_t x, const std::string& text) {
  SelectGuard selected(dc, font.Handle());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(dc, ColorToRGB(font.Color()));
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  const RECT clip{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const int32_t y = rect.Top + static_cast<int32_t>(rect.Height() / 2) - size.cy / 2;
  ExtTextOutA(dc, x, y, ETO_CLIPPED, &clip, text.data(), static_cast<UINT>(text.size()), nullptr);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

int32_t GlyphFrame(bool enabled, int32_t numGlyphs) { return !enabled && numGlyphs == 2 ? 2 : 1; }

int32_t GlyphFrameWidth(const TBitmap& glyph, int32_t numGlyphs) {
  return glyph.Empty() || numGlyphs < 1 ? 0 : glyph.Width() / numGlyphs;
}

}  // namespace tmv
