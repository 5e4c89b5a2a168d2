#include "skin/imaging/SPUtilsText.h"

namespace tmv {

namespace {

SIZE Extent(HDC dc, const std::string& text) {
  SIZE size{};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

// Skin texts are drawn over the composed face, never on a background of their own.
class TransparentText {
public:
  explicit TransparentText(HDC dc) : dc_(dc), old_(SetBkMode(dc, TRANSPARENT)) {}
  ~TransparentText() { SetBkMode(dc_, old_); }
  TransparentText(const TransparentText&) = delete;
  TransparentText& operator=(const TransparentText&) = delete;

private:
  HDC dc_;
  int old_;
};

}  // namespace

std::string FitTextToWidth(HDC dc, const std::string& text, int32_t width) {
  return FitTextToWidth(text, width, [dc](const std::string& s) { return Extent(dc, s).cx; });
}

void DrawSingleLineText(HDC dc, const std::string& text, const TRect& rect) {
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  TransparentText transparent(dc);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void DrawClippedText(HDC dc, const std::string& text, const TRect& rect, int32_t offset) {
  RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const int32_t y = rect.Top + static_cast<int32_t>(rect.Height() / 2) - Extent(dc, text).cy / 2;
  TransparentText transparent(dc);
  ExtTextOutA(dc, rect.Left + offset + 2, y, ETO_CLIPPED, &r, text.data(),
              static_cast<UINT>(text.size()), nullptr);
}

}  // namespace tmv
