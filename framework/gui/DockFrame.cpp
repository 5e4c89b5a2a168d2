#include "framework/gui/DockFrame.h"

#include <algorithm>

namespace tmv {

namespace {

TCreateParams FrameParams() {
  TCreateParams params;
  params.FrameworkClassName = "TMDockFrame";
  params.ClassStyle = 0;
  params.Style = WS_POPUP;
  params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  return params;
}

HBRUSH CheckerBrush() {
  static const WORD rows[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  UniqueBitmap pattern(CreateBitmap(8, 8, 1, 1, rows));
  return CreatePatternBrush(pattern.Get());
}

}  // namespace

TDockFrame::TDockFrame() : brush_(CheckerBrush()), window_(TWndMethod::Of<&TDockFrame::Receive>(this), FrameParams()) {}

void TDockFrame::Show(const RECT& screen) {
  if (EqualRect(&screen, &shown_) && IsWindowVisible(Handle())) return;
  const int width = screen.right - screen.left, height = screen.bottom - screen.top;
  if (width != shown_.right - shown_.left || height != shown_.bottom - shown_.top) {
    UniqueRegion border(CreateRectRgn(0, 0, width, height));
    // A rectangle too small for an inside is all border.
    UniqueRegion inside(
        CreateRectRgn(Thickness, Thickness, std::max(Thickness, width - Thickness), std::max(Thickness, height - Thickness)));
    CombineRgn(border.Get(), border.Get(), inside.Get(), RGN_DIFF);
    // Once set, the region is the system's.
    if (SetWindowRgn(Handle(), border.Get(), FALSE)) border.Release();
  }
  shown_ = screen;
  SetWindowPos(Handle(), HWND_TOPMOST, screen.left, screen.top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TDockFrame::Receive(TMessage& message) {
  switch (message.Msg) {
    case WM_NCHITTEST:
      message.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEACTIVATE:
      message.Result = MA_NOACTIVATE;
      return;
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_PAINT: {
      PaintDC dc(Handle());
      RECT all;
      GetClientRect(Handle(), &all);
      // A pattern brush of one bit per pixel paints with the DC's text and background colours.
      SetTextColor(dc.Get(), RGB(0, 0, 0));
      SetBkColor(dc.Get(), RGB(255, 255, 255));
      FillRect(dc.Get(), &all, brush_.Get());
      return;
    }
  }
  window_.Default(message);
}

}  // namespace tmv
