// Points, sizes and rectangles in whole device or logical units, with the rectangle routines that
// every drawing and window layer uses.
//
// One struct serves both the class library and the platform's calls: TRect is also RECT, TPoint is
// POINT and TSize is SIZE.  A rectangle is half-open: it covers Left <= x < Right and Top <= y <
// Bottom, so (0, 0, 10, 10) is 10 pixels wide.  A rectangle with Right <= Left or Bottom <= Top is
// empty.  None of the routines reorders an inverted rectangle unless it says so.
#pragma once

#include "platform/core/types.h"

using LONG = std::int32_t;

struct TPoint {
  LONG X = 0;
  LONG Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  LONG cx = 0;
  LONG cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  LONG Left = 0;
  LONG Top = 0;
  LONG Right = 0;
  LONG Bottom = 0;
  LONG Width() const { return Right - Left; }
  LONG Height() const { return Bottom - Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

using POINT = TPoint;
using SIZE = TSize;
using RECT = TRect;

inline constexpr TPoint Point(LONG x, LONG y) { return {x, y}; }
inline constexpr TRect Rect(LONG left, LONG top, LONG right, LONG bottom) { return {left, top, right, bottom}; }
inline constexpr TRect Bounds(LONG left, LONG top, LONG width, LONG height) {
  return {left, top, left + width, top + height};
}

// The rectangle routines of the window layer; each returns nonzero on success as they do there.
BOOL SetRect(TRect* r, LONG left, LONG top, LONG right, LONG bottom);
BOOL SetRectEmpty(TRect* r);
BOOL CopyRect(TRect* dst, const TRect* src);
BOOL IsRectEmpty(const TRect* r);
BOOL EqualRect(const TRect* a, const TRect* b);
BOOL PtInRect(const TRect* r, TPoint p);
BOOL OffsetRect(TRect* r, LONG dx, LONG dy);
BOOL InflateRect(TRect* r, LONG dx, LONG dy);
// Empty inputs give an empty (all-zero) result and FALSE.
BOOL IntersectRect(TRect* dst, const TRect* a, const TRect* b);
BOOL UnionRect(TRect* dst, const TRect* a, const TRect* b);
// a minus b when that leaves a rectangle (b covers a whole side of a), else a itself.
BOOL SubtractRect(TRect* dst, const TRect* a, const TRect* b);

// The rectangle with Left <= Right and Top <= Bottom covering the same corners.
TRect NormalizedRect(const TRect& r);
