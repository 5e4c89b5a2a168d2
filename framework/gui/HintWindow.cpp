#include "framework/gui/HintWindow.h"

#include "framework/core/ClassInfo.h"
#include "framework/gui/Forms.h"

namespace tmv {

const TClassInfo& THintWindow::StaticClassInfo() {
  static const TClassInfo info("THintWindow", &TWinControl::StaticClassInfo(), nullptr);
  return info;
}

THintWindow::THintWindow(TComponent* owner) : TWinControl(owner) {
  TControl::SetVisible(false);
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
  params.FrameworkClassName = "TMHintWindow";
  params.ClassStyle = CS_SAVEBITS;
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  params.WndParent = Application()->Handle();
  params.Width = Width();
  params.Height = Height();
}

void THintWindow::ShowHintAt(const RECT& rect, const std::string& text) {
  SetCaption(text);
  UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
  SIZE size;
  {
    SelectGuard font(dc.Get(), Font()->Handle());
    RECT calc = {0, 0, 0, 0};
    DrawTextA(dc.Get(), text.c_str(), static_cast<int>(text.size()), &calc, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    size = {calc.right + 4, calc.bottom + 4};
  }
  int x = rect.left, y = rect.top;
  if (x + size.cx > GetSystemMetrics(SM_CXSCREEN)) x -= size.cx + 2;
  if (y + size.cy > GetSystemMetrics(SM_CYSCREEN)) y -= size.cy + 2;
  SetBounds(x, y, size.cx, size.cy);
  SetWindowPos(Handle(), HWND_TOPMOST, x, y, size.cx, size.cy, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  Invalidate();
}

void THintWindow::HideHint() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

bool THintWindow::Showing() { return HandleAllocated() && IsWindowVisible(Handle()); }

void THintWindow::PaintWindow(TCanvas& canvas) {
  RECT r = ClientRect();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(Color());
  canvas.FillRect(r);
  canvas.Brush()->SetColor(clBtnShadow);
  canvas.FrameRect(r);
  canvas.Font()->Assign(*Font());
  canvas.Brush()->SetStyle(bsClear);
  RECT text = {2, 2, r.right - 2, r.bottom - 2};
  canvas.TextRect(text, 2, 2, Caption());
}

void THintWindow::WndProc(TMessage& message) {
  // The mouse passes through to whatever lies under the hint.
  if (message.Msg == WM_NCHITTEST) {
    message.Result = HTTRANSPARENT;
    return;
  }
  TWinControl::WndProc(message);
}

namespace {
// The lowest row of a one-bit mask (rows first..first+count-1) with a pixel of the given value.
int LowestRowWith(const TBitmap& mask, int first, int count, bool value) {
  for (int y = first + count - 1; y >= first; --y) {
    const uint8_t* row = mask.ScanLine(y);
    for (int x = 0; x < mask.Width(); ++x)
      if (((row[x / 8] >> (7 - x % 8)) & 1) == (value ? 1 : 0)) return y - first;
  }
  return -1;
}
}  // namespace

int CursorHeightBelowHotSpot() {
  const int fallback = GetSystemMetrics(SM_CYCURSOR);
  ICONINFO info;
  HCURSOR cursor = GetCursor();
  if (!cursor || !GetIconInfo(cursor, &info)) return fallback;
  UniqueBitmap colour(info.hbmColor);
  TBitmap mask;
  try {
    mask.AdoptHandle(info.hbmMask);
  } catch (const Exception&) {
    return fallback;
  }
  if (mask.BitCount() != 1 || mask.Empty()) return fallback;
  // A monochrome cursor keeps its AND mask above its XOR mask in one bitmap.
  const int height = colour ? mask.Height() : mask.Height() / 2;
  int lowest = LowestRowWith(mask, 0, height, false);
  if (lowest < 0 && !colour) lowest = LowestRowWith(mask, height, height, true);
  if (lowest < 0) return fallback;
  return lowest + 1 - static_cast<int>(info.yHotspot);
}

}  // namespace tmv
