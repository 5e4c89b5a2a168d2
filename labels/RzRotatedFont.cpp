#include "labels/RzRotatedFont.h"

#include "framework/core/Exceptions.h"

namespace tmv {

TRzRotatedFont::TRzRotatedFont(const TFont& font, int escapement) {
  LOGFONTA lf = {};
  lf.lfHeight = font.Height();
  lf.lfEscapement = escapement;
  lf.lfWeight = (font.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style() & fsItalic) ? 1 : 0;
  lf.lfUnderline = (font.Style() & fsUnderline) ? 1 : 0;
  lf.lfStrikeOut = (font.Style() & fsStrikeOut) ? 1 : 0;
  lf.lfCharSet = static_cast<BYTE>(font.Charset());
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  lstrcpynA(lf.lfFaceName, font.Name().c_str(), LF_FACESIZE);
  handle_.Reset(CreateFontIndirectA(&lf));
  if (!handle_) throw EOutOfResources("Out of system resources");
}

bool IsTrueTypeFont(TFont& font) {
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SelectGuard chosen(dc.Get(), font.Handle());
  TEXTMETRICA metrics = {};
  return GetTextMetricsA(dc.Get(), &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE);
}

TTrueTypeTest& TrueTypeTest() {
  static TTrueTypeTest test = &IsTrueTypeFont;
  return test;
}

}  // namespace tmv
