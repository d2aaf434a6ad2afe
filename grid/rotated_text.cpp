// Rotated text placement; see rotated_text.h.
#include "grid/rotated_text.h"

#include <cmath>
#include <numbers>

namespace {

Integer TruncatedMagnitude(double X) { return static_cast<Integer>(std::abs(std::trunc(X))); }

Integer Quadrant(Integer Angle) {
  if (Angle <= 90) return 1;
  if (Angle <= 180) return 2;
  if (Angle <= 270) return 3;
  return 4;
}

// The new Left for the quadrant and horizontal alignment.
Integer OriginLeft(const TRect& R, Integer Quadrant, const TRotatedExtent& E, Integer HAlign) {
  const Integer width = R.Right - R.Left;
  switch (Quadrant * 3 + HAlign) {
    case 3: return R.Left;
    case 4: return R.Right - E.D - E.C;
    case 5: return R.Left + (width - E.C - E.D) / 2;
    case 6: return R.Left + E.D;
    case 7: return R.Right - E.C;
    case 8: return R.Right - (E.C + width - E.D) / 2;
    case 9: return R.Left + E.C + E.D;
    case 10: return R.Right;
    case 11: return R.Right - (width - E.C - E.D) / 2;
    case 12: return R.Left + E.C;
    case 13: return R.Right - E.D;
    default: return R.Left + (E.C + width - E.D) / 2;
  }
}

// The new Top for the quadrant and vertical alignment.
Integer OriginTop(const TRect& R, Integer Quadrant, const TRotatedExtent& E, Integer VAlign) {
  const Integer m = (E.B + R.Top + E.A - R.Bottom) / 2;
  switch (Quadrant * 3 + VAlign) {
    case 3: return R.Top + E.B;
    case 4: return R.Top + E.B - m;
    case 5: return R.Bottom - E.A;
    case 6: return R.Top + E.A + E.B;
    case 7: return R.Top + E.A + E.B - m;
    case 8: return R.Bottom;
    case 9: return R.Top + E.A;
    case 10: return R.Top + E.A - m;
    case 11: return R.Bottom - E.B;
    case 12: return R.Top;
    case 13: return R.Top - m;
    default: return R.Bottom - E.A - E.B;
  }
}

}  // namespace

TRotatedExtent RotatedTextExtent(Integer Angle, TSize Text) {
  const double radians = Angle * std::numbers::pi / 180;
  return {TruncatedMagnitude(std::cos(radians) * Text.cy), TruncatedMagnitude(std::sin(radians) * Text.cx),
          TruncatedMagnitude(std::sin(radians) * Text.cy), TruncatedMagnitude(std::cos(radians) * Text.cx)};
}

TRect RotatedTextOrigin(TRect Rect, Integer Angle, const TRotatedExtent& Extent, Integer HAlign, Integer VAlign) {
  const Integer quadrant = Quadrant(Angle);
  const Integer horizontal = HAlign >= 0 && HAlign <= 2 ? HAlign : 0;
  const Integer vertical = VAlign >= 0 && VAlign <= 2 ? VAlign : 0;
  const Integer left = OriginLeft(Rect, quadrant, Extent, horizontal);
  const Integer top = OriginTop(Rect, quadrant, Extent, vertical);
  Rect.Left = left;
  Rect.Top = top;
  return Rect;
}
