#include "skin/imaging/SPUtilsComposeGdi.h"

#include "framework/gui/Graphics.h"
#include "framework/gui/Handles.h"

namespace tmv {

namespace {

class StretchModeGuard {
public:
  StretchModeGuard(HDC dc, int mode) : dc_(dc), old_(SetStretchBltMode(dc, mode)) {}
  ~StretchModeGuard() {
    if (old_) SetStretchBltMode(dc_, old_);
  }
  StretchModeGuard(const StretchModeGuard&) = delete;
  StretchModeGuard& operator=(const StretchModeGuard&) = delete;

private:
  HDC dc_;
  int old_;
};

HDC DcOf(TBitmap& bitmap) { return bitmap.Canvas()->Handle(); }

// A bitmap that already has the size keeps its storage: reallocating a section and its DC on
// every paint costs more than all the copies of a frame.
void SizeTo(TBitmap& bitmap, int width, int height) {
  if (bitmap.Width() != width || bitmap.Height() != height) bitmap.SetSize(width, height);
}

// Only what the picture holds is drawn: a skin naming rectangles beyond its picture leaves
// those parts of the result as they were.
void DrawPlanOnto(TBitmap& result, TBitmap& picture, const TPiecePlan& plan) {
  if (result.Empty()) return;
  DrawPicturePieces(DcOf(result), picture, plan);
}

void DrawBand(TBitmap& band, TBitmap& picture, const TBandPlan& plan) {
  if (!plan.Built) return;
  SizeTo(band, plan.Width, plan.Height);
  DrawPlanOnto(band, picture, plan.Copies);
}

}  // namespace

void DrawPiecePlan(HDC target, HDC source, const TPiecePlan& plan) {
  StretchModeGuard mode(target, COLORONCOLOR);
  for (const TPieceCopy& p : plan) {
    const TRect& s = p.Source;
    const TRect& t = p.Target;
    if (s.Width() == t.Width() && s.Height() == t.Height())
      BitBlt(target, t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top, source, s.Left, s.Top,
             SRCCOPY);
    else
      StretchBlt(target, t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top, source, s.Left, s.Top,
                 s.Right - s.Left, s.Bottom - s.Top, SRCCOPY);
  }
}

void DrawPicturePieces(HDC target, TBitmap& picture, const TPiecePlan& plan) {
  if (picture.Empty() || plan.empty()) return;
  DrawPiecePlan(target, DcOf(picture), ClipPlanToSource(plan, picture.Width(), picture.Height()));
}

void ComposeNinePart(const TSkinDivision& source, const TSkinDivision& target,
                     const TEdgeStretch& stretch, bool fill, int32_t width, int32_t height,
                     const TRect& sourceRect, TBitmap& picture, TBitmap& result) {
  SizeTo(result, width, height);
  DrawPlanOnto(result, picture,
               PlanNinePart(source, target, stretch, fill, width, height, sourceRect));
}

void ComposeNinePartTiled(const TSkinDivision& source, const TSkinDivision& target, bool fill,
                          int32_t width, int32_t height, const TRect& sourceRect,
                          TBitmap& picture, TBitmap& result) {
  ComposeNinePart(source, target, TEdgeStretch{}, fill, width, height, sourceRect, picture,
                  result);
}

void ComposeHorizontalBand(int32_t leftEnd, int32_t rightEnd, TBitmap& result, int32_t width,
                           const TRect& sourceRect, TBitmap& picture) {
  SizeTo(result, width, static_cast<int>(sourceRect.Height()));
  DrawPlanOnto(result, picture, PlanHorizontalBand(leftEnd, rightEnd, width, sourceRect));
}

void ComposeVerticalBand(int32_t topEnd, int32_t bottomEnd, TBitmap& result, int32_t height,
                         const TRect& sourceRect, TBitmap& picture) {
  SizeTo(result, static_cast<int>(sourceRect.Width()), height);
  DrawPlanOnto(result, picture, PlanVerticalBand(topEnd, bottomEnd, height, sourceRect));
}

bool ComposeControlImage(const TSkinDivision& source, const TRect& skinRect, int32_t width,
                         int32_t height, TBitmap& picture, TBitmap& result) {
  const TBandPlan image = PlanControlImage(source, skinRect, width, height);
  DrawBand(result, picture, image);
  return image.Built;
}

void ComposeFrameBands(const TSkinDivision& source, const TSkinDivision& target,
                       const TEdgeStretch& stretch, int32_t width, int32_t height,
                       const TRect& sourceRect, TBitmap& picture, TFrameBandBitmaps bands) {
  const TFrameBandPlans plans =
      PlanFrameBands(source, target, stretch, width, height, sourceRect);
  DrawBand(bands.Top, picture, plans.Top);
  DrawBand(bands.Bottom, picture, plans.Bottom);
  DrawBand(bands.Left, picture, plans.Left);
  DrawBand(bands.Right, picture, plans.Right);
}

void DrawPictureTransparent(HDC canvas, int32_t x, int32_t y, TBitmap& picture, const TRect& rect) {
  if (picture.Empty() || rect.IsEmpty()) return;
  const TPiecePlan clipped =
      ClipPlanToSource({{rect, {x, y, static_cast<int32_t>(x + rect.Width()),
                                static_cast<int32_t>(y + rect.Height())}}},
                       picture.Width(), picture.Height());
  if (clipped.empty()) return;
  const TRect& s = clipped[0].Source;
  const TRect& t = clipped[0].Target;
  HDC source = DcOf(picture);
  const COLORREF transparent = GetPixel(source, s.Left, s.Bottom - 1);
  TransparentBlt(canvas, t.Left, t.Top, t.Right - t.Left, t.Bottom - t.Top, source, s.Left, s.Top,
                 s.Right - s.Left, s.Bottom - s.Top, transparent);
}

void DrawStripFrame(HDC canvas, int32_t x, int32_t y, int32_t frame, int32_t frameCount,
                    TBitmap& strip) {
  if (strip.Empty()) return;
  DrawPictureTransparent(canvas, x, y, strip,
                         StripFrameRect(strip.Width(), strip.Height(), frame, frameCount));
}

void CaptureScreenArea(int32_t x, int32_t y, TBitmap& bitmap) {
  if (bitmap.Empty()) return;
  WindowDC screen(nullptr);
  if (!screen.Get()) return;
  BitBlt(DcOf(bitmap), 0, 0, bitmap.Width(), bitmap.Height(), screen.Get(), x, y, SRCCOPY);
}

}  // namespace tmv
