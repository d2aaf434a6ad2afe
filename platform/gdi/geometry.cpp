// Rectangle routines; see geometry.h.
#include "platform/gdi/geometry.h"

#include <algorithm>

BOOL SetRect(TRect* r, LONG left, LONG top, LONG right, LONG bottom) {
  if (!r) return 0;
  *r = {left, top, right, bottom};
  return 1;
}

BOOL SetRectEmpty(TRect* r) { return SetRect(r, 0, 0, 0, 0); }

BOOL CopyRect(TRect* dst, const TRect* src) {
  if (!dst || !src) return 0;
  *dst = *src;
  return 1;
}

BOOL IsRectEmpty(const TRect* r) { return !r || r->Right <= r->Left || r->Bottom <= r->Top; }

BOOL EqualRect(const TRect* a, const TRect* b) { return a && b && *a == *b; }

BOOL PtInRect(const TRect* r, TPoint p) {
  return r && p.X >= r->Left && p.X < r->Right && p.Y >= r->Top && p.Y < r->Bottom;
}

BOOL OffsetRect(TRect* r, LONG dx, LONG dy) {
  if (!r) return 0;
  *r = {r->Left + dx, r->Top + dy, r->Right + dx, r->Bottom + dy};
  return 1;
}

BOOL InflateRect(TRect* r, LONG dx, LONG dy) {
  if (!r) return 0;
  *r = {r->Left - dx, r->Top - dy, r->Right + dx, r->Bottom + dy};
  return 1;
}

BOOL IntersectRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst || !a || !b) return 0;
  const TRect r{std::max(a->Left, b->Left), std::max(a->Top, b->Top), std::min(a->Right, b->Right),
                std::min(a->Bottom, b->Bottom)};
  if (IsRectEmpty(&r)) {
    *dst = {};
    return 0;
  }
  *dst = r;
  return 1;
}

BOOL UnionRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst || !a || !b) return 0;
  const bool ea = IsRectEmpty(a), eb = IsRectEmpty(b);
  if (ea && eb) {
    *dst = {};
    return 0;
  }
  if (ea) *dst = *b;
  else if (eb) *dst = *a;
  else *dst = {std::min(a->Left, b->Left), std::min(a->Top, b->Top), std::max(a->Right, b->Right),
               std::max(a->Bottom, b->Bottom)};
  return 1;
}

BOOL SubtractRect(TRect* dst, const TRect* a, const TRect* b) {
  if (!dst || !a || !b) return 0;
  if (IsRectEmpty(a)) {
    *dst = {};
    return 0;
  }
  TRect r = *a;
  TRect common;
  if (IntersectRect(&common, a, b)) {
    const bool fullWidth = common.Left == a->Left && common.Right == a->Right;
    const bool fullHeight = common.Top == a->Top && common.Bottom == a->Bottom;
    if (fullWidth && fullHeight) {
      *dst = {};
      return 0;
    }
    if (fullWidth && common.Top == a->Top) r.Top = common.Bottom;
    else if (fullWidth && common.Bottom == a->Bottom) r.Bottom = common.Top;
    else if (fullHeight && common.Left == a->Left) r.Left = common.Right;
    else if (fullHeight && common.Right == a->Right) r.Right = common.Left;
  }
  *dst = r;
  return 1;
}

TRect NormalizedRect(const TRect& r) {
  return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
          std::max(r.Top, r.Bottom)};
}
