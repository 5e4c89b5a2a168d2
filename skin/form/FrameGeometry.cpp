#include "skin/form/FrameGeometry.h"

#include <algorithm>

namespace tmv {

namespace {

TPoint Moved(TPoint p, int32_t dx, int32_t dy) { return {p.X + dx, p.Y + dy}; }

TRect Offset(TRect r, int32_t dx, int32_t dy) {
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// Right and bottom edges count as inside.
bool Within(const TRect& outer, const TRect& r) {
  return !outer.IsEmpty() && r.Left >= outer.Left && r.Top >= outer.Top &&
         r.Right <= outer.Right && r.Bottom <= outer.Bottom;
}
bool Within(const TRect& outer, TPoint p) {
  return !outer.IsEmpty() && p.X >= outer.Left && p.Y >= outer.Top && p.X <= outer.Right &&
         p.Y <= outer.Bottom;
}
// Right and bottom edges excluded.
bool Contains(const TRect& r, TPoint p) {
  return p.X >= r.Left && p.Y >= r.Top && p.X < r.Right && p.Y < r.Bottom;
}

}  // namespace

bool FrameStretchable(const TspFormInfo& info) {
  return info.RBPoint.X != info.LTPoint.X && info.RBPoint.Y != info.LTPoint.Y;
}

TspRollUpBand RollUpBand(const TspFormInfo& info, int32_t pictureWidth) {
  TspRollUpBand band;
  const int32_t w = std::max(pictureWidth, 0);
  band.LeftEnd = std::clamp(info.RollUpLeftPoint.X, 0, w);
  band.RightEnd = std::clamp(w - info.RollUpRightPoint.X, 0, w - band.LeftEnd);
  band.Stretchable = info.RollUpLeftPoint.X < info.RollUpRightPoint.X && band.LeftEnd + band.RightEnd < w;
  if (!band.Stretchable) band.LeftEnd = band.RightEnd = 0;
  return band;
}

TRect MapRollUpObjectRect(const TspRollUpBand& band, int32_t pictureWidth, int32_t width, const TRect& r) {
  if (!band.Stretchable) return r;
  const int32_t dx = width - pictureWidth, middleRight = pictureWidth - band.RightEnd;
  if (r.Right <= band.LeftEnd) return r;
  if (r.Left >= middleRight) return Offset(r, dx, 0);
  if (r.Left <= band.LeftEnd && r.Right >= middleRight) return {r.Left, r.Top, r.Right + dx, r.Bottom};
  return r;
}

TRect FrameBorders(const TspFormInfo& info, int32_t pictureWidth, int32_t pictureHeight) {
  return {info.ClRect.Left, info.ClRect.Top, pictureWidth - info.ClRect.Right,
          pictureHeight - info.ClRect.Bottom};
}

TspFrameGeometry::TspFrameGeometry(const TspFormInfo& info, int32_t pictureWidth,
                                   int32_t pictureHeight, int32_t width, int32_t height)
    : PictureWidth(pictureWidth), PictureHeight(pictureHeight), Width(width), Height(height),
      Dx(width - pictureWidth), Dy(height - pictureHeight) {
  LT = info.LTPoint;
  RT = Moved(info.RTPoint, Dx, 0);
  LB = Moved(info.LBPoint, 0, Dy);
  RB = Moved(info.RBPoint, Dx, Dy);
  ClientRect = {info.ClRect.Left, info.ClRect.Top, info.ClRect.Right + Dx, info.ClRect.Bottom + Dy};
  CaptionRect = info.CaptionRect;
  if (!CaptionRect.IsEmpty()) CaptionRect.Right += Dx;
  ButtonsRect = info.ButtonsRect;
  if (!ButtonsRect.IsEmpty() && ButtonsRect.Left > pictureWidth / 2) ButtonsRect = Offset(ButtonsRect, Dx, 0);
  ButtonsOffset = info.ButtonsOffset;
  ButtonsInLeft = info.ButtonsInLeft;
  HitLT = info.HitTestLTPoint;
  HitRT = Moved(info.HitTestRTPoint, Dx, 0);
  HitLB = Moved(info.HitTestLBPoint, 0, Dy);
  HitRB = Moved(info.HitTestRBPoint, Dx, Dy);
  MaskRect = {info.MaskRectArea.Left, info.MaskRectArea.Top, info.MaskRectArea.Right + Dx,
              info.MaskRectArea.Bottom + Dy};
  MainMenuRect = info.MainMenuRect;
  if (FrameStretchable(info)) MainMenuRect.Right += Dx;
  if (!MainMenuRect.IsEmpty() && Within(TRect{0, info.LBPoint.Y, info.LBPoint.X, pictureHeight},
                                         TPoint{MainMenuRect.Left, MainMenuRect.Top}))
    MainMenuRect = Offset(MainMenuRect, 0, Dy);
  picture_ = {info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.ClRect};
  mask_ = {info.LTPoint, info.RTPoint, info.LBPoint, info.RBPoint, info.MaskRectArea};
}

TSkinDivision TspFrameGeometry::TargetDivision() const {
  return tmv::TargetDivision(picture_, PictureWidth, PictureHeight, Width, Height);
}

TSkinDivision TspFrameGeometry::TargetMaskDivision() const {
  return tmv::TargetDivision(mask_, PictureWidth, PictureHeight, Width, Height);
}

TRect TspFrameGeometry::MapObjectRect(const TRect& r) const {
  const TRect lt{0, 0, picture_.LT.X, picture_.LT.Y};
  const TRect rt{picture_.RT.X, 0, PictureWidth, picture_.RT.Y};
  const TRect lb{0, picture_.LB.Y, picture_.LB.X, PictureHeight};
  const TRect rb{picture_.RB.X, picture_.RB.Y, PictureWidth, PictureHeight};
  if (lt.IsEmpty() && rt.IsEmpty() && lb.IsEmpty() && rb.IsEmpty()) return r;
  if (Within(lt, r)) return r;
  if (Within(rt, r)) return Offset(r, Dx, 0);
  if (Within(lb, r)) return Offset(r, 0, Dy);
  if (Within(rb, r)) return Offset(r, Dx, Dy);
  const TPoint tl{r.Left, r.Top}, br{r.Right, r.Bottom};
  TRect m = r;
  if (Within(lt, tl) && Within(rb, br)) {
    m.Right += Dx;
    m.Bottom += Dy;
  } else if (Within(lt, tl) && Within(rt, br)) {
    m.Right += Dx;
  } else if (Within(lb, tl) && Within(rb, br)) {
    m.Right += Dx;
    m = Offset(m, 0, Dy);
  } else if (Within(lt, tl) && Within(lb, br)) {
    m.Bottom += Dy;
  } else if (Within(rt, tl) && Within(rb, br)) {
    m = Offset(m, Dx, 0);
    m.Bottom += Dy;
  }
  return m;
}

int32_t SkinFrameHitTest(const TspFrameGeometry& g, TPoint p, int32_t b,
                         const TspFrameHitState& s, const TspShapeTest& insideShape) {
  if (s.RolledUpOrMinimized) return s.OnCaption ? htCaption : htObject;
  const bool inClient = Contains(g.ClientRect, p);
  if (s.ObjectHovered && !s.OnCaption && !inClient && !s.InSizeMove) return htObject;
  if (!s.Maximized && s.Sizeable) {
    const bool nearEdge = !insideShape({p.X - b, p.Y}) || !insideShape({p.X, p.Y - b}) ||
                          !insideShape({p.X + b, p.Y}) || !insideShape({p.X, p.Y + b});
    if (nearEdge) {
      const TRect& c = g.ClientRect;
      if (p.X <= g.HitLT.X && p.Y <= g.HitLT.Y) return htTopLeft;
      if (p.X >= g.HitRT.X && p.Y <= g.HitRT.Y) return htTopRight;
      if (p.X <= g.HitLB.X && p.Y >= g.HitLB.Y) return htBottomLeft;
      if (p.X >= g.HitRB.X && p.Y >= g.HitRB.Y) return htBottomRight;
      if (Contains({g.HitLT.X, 0, g.HitRT.X, c.Top}, p)) return htTop;
      if (Contains({g.HitLB.X, c.Bottom, g.HitRB.X, g.Height}, p)) return htBottom;
      if (Contains({0, g.HitLT.Y, c.Left, g.HitLB.Y}, p)) return htLeft;
      if (Contains({c.Right, g.HitRT.Y, g.Width, g.HitRB.Y}, p)) return htRight;
    }
  }
  if (inClient) return htClient;
  return s.OnCaption ? htCaption : htObject;
}

int32_t DefaultFrameHitTest(TPoint p, int32_t w, int32_t h, int32_t captionHeight,
                            const TRect& captionArea, const TspFrameHitState& s) {
  if (!s.Maximized && !s.RolledUpOrMinimized && s.Sizeable) {
    if (s.ObjectHovered) return htObject;
    const bool left = p.X <= 2, top = p.Y <= 2, right = p.X >= w - 2, bottom = p.Y >= h - 2;
    if (left && top) return htTopLeft;
    if (right && top) return htTopRight;
    if (left && bottom) return htBottomLeft;
    if (right && bottom) return htBottomRight;
    if (left) return htLeft;
    if (top) return htTop;
    if (right) return htRight;
    if (bottom) return htBottom;
  }
  if (Contains(captionArea, p)) return htCaption;
  if (Contains({3, captionHeight + 3, w - 3, h - 3}, p)) return htClient;
  return htObject;
}

TPoint SnapToEdges(const TRect& area, int32_t m, TPoint p, int32_t width, int32_t height) {
  auto closeTo = [m](int32_t edge, int32_t value) { return edge - m < value && value < edge + m; };
  if (closeTo(area.Left, p.X)) p.X = area.Left;
  if (closeTo(area.Top, p.Y)) p.Y = area.Top;
  if (closeTo(area.Right, p.X + width)) p.X = area.Right - width;
  if (closeTo(area.Bottom, p.Y + height)) p.Y = area.Bottom - height;
  return p;
}

TPoint FreeMinimizedSlot(const TRect& area, int32_t width, int32_t height, const std::vector<TPoint>& held) {
  const TPoint first{area.Left, area.Bottom - height};
  if (width <= 0 || height <= 0) return first;
  TPoint slot = first;
  while (std::find(held.begin(), held.end(), slot) != held.end()) {
    slot.X += width;
    if (slot.X + width > area.Right) {
      slot = {area.Left, slot.Y - height};
      if (slot.Y < area.Top) return first;
    }
  }
  return slot;
}

}  // namespace tmv
