#pragma once
// Drawing: colours, fonts, pens, brushes, a canvas over a device context, and icons.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/Bitmap.h"
#include "framework/core/Colors.h"
#include "framework/core/Component.h"
#include "framework/core/Method.h"
#include "framework/core/WinApiNames.h"
#include "framework/gui/Handles.h"

namespace tmv {

// System colours (0xFF000000 + index) become the current RGB value; others lose the high byte.
COLORREF ColorToRGB(TColor color);

enum TFontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = uint32_t;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

// Graphic objects announce every change through OnChange, so their users can repaint.
class TGraphicsObject : public TPersistent {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TNotifyEvent OnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent event) { onChange_ = event; }

protected:
  void Changed() { onChange_(this); }

private:
  TNotifyEvent onChange_;
};

class TFont : public TGraphicsObject {
public:
  TFont();
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  void Assign(const TFont& source);

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at the screen's resolution.
  int Size() const;
  void SetSize(int size);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Charset() const { return charset_; }
  void SetCharset(int charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);
  // Tenths of a degree, counter-clockwise: the angle of the line of text and of each
  // character. Only a TrueType font can be turned.
  int Escapement() const { return escapement_; }
  void SetEscapement(int escapement);
  int Orientation() const { return orientation_; }
  void SetOrientation(int orientation);

  HFONT Handle();
  // Whether the font the system matches to this description is a TrueType font.
  bool IsTrueType();

private:
  void Modified();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TFontStyles style_ = 0;
  TColor color_ = clWindowText;
  int charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = fpDefault;
  int escapement_ = 0;
  int orientation_ = 0;
  UniqueFont handle_;
};

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };

class TPen : public TGraphicsObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN Handle();

private:
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  UniquePen handle_;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
public:
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  // Null for a clear brush.
  HBRUSH Handle();

private:
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
  UniqueBrush handle_;
};

// Drawing on a device context. The pen, brush and font are selected only for the operation
// that uses them and the DC's own objects are put back afterwards.
class TCanvas : public TPersistent {
public:
  TCanvas() = default;
  // ownsDC: a memory DC the canvas deletes when it goes.
  TCanvas(HDC dc, bool ownsDC);
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The DC, ready to draw on.
  HDC Handle() {
    PrepareHandle();
    return dc_;
  }
  // Draws on another DC (not owned); the previous one is released if it was owned.
  void SetHandle(HDC dc);

  TPen* Pen() { return &pen_; }
  TBrush* Brush() { return &brush_; }
  TFont* Font() { return &font_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(int left, int top, int right, int bottom);
  // Outlined with the pen and filled with the brush, like Rectangle.
  void Ellipse(int left, int top, int right, int bottom);
  void Polygon(const std::vector<POINT>& points);
  void Polyline(const std::vector<POINT>& points);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // The dotted rectangle that shows the focus; drawn by inverting, so drawing it again
  // removes it.
  void DrawFocusRect(const RECT& rect);

  // Where TextOut and TextRect put the text's reference point: TA_LEFT | TA_TOP (the
  // default), TA_CENTER, TA_RIGHT, TA_BASELINE, TA_BOTTOM.
  UINT TextAlign() const { return textAlign_; }
  void SetTextAlign(UINT align) { textAlign_ = align; }
  void TextOut(int x, int y, const std::string& text);
  // Text clipped to rect, starting at x, y.
  void TextRect(const RECT& rect, int x, int y, const std::string& text);
  // Text laid out in rect by DT_ flags (alignment, word breaks, ellipses ...); with DT_CALCRECT
  // nothing is drawn and rect becomes the text's extent. Answers the text's height.
  int DrawText(const std::string& text, RECT& rect, UINT flags);
  SIZE TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  void Draw(int x, int y, TBitmap& bitmap);
  void StretchDraw(const RECT& rect, TBitmap& bitmap);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

protected:
  // Called before the DC is used, for canvases that must first make it ready.
  virtual void PrepareHandle() {}

private:
  void PrepareText(HDC dc);
  HGDIOBJ FillBrush();
  HDC dc_ = nullptr;
  UniqueMemoryDC ownedDC_;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  UINT textAlign_ = TA_LEFT | TA_TOP;
};

// A canvas over a whole window, its frame (non-client area) included: (0, 0) is the window's
// top-left corner. It holds the window's DC until it goes.
class TWindowCanvas : public TCanvas {
public:
  explicit TWindowCanvas(HWND window);

private:
  WholeWindowDC dc_;
};

// Owns an icon handle.
class TIcon : public TPersistent {
public:
  TIcon() = default;
  static const TClassInfo& StaticClassInfo();
  const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
  bool Empty() const { return !handle_; }
  HICON Handle() const { return handle_.Get(); }
  // Takes ownership of icon; the previous icon is destroyed.
  void SetHandle(HICON icon) { handle_.Reset(icon); }
  // Gives the handle to the caller, who then owns it.
  HICON ReleaseHandle() { return handle_.Release(); }
  int Width() const;
  int Height() const;

private:
  UniqueIcon handle_;
};

}  // namespace tmv
