#include "platform/core/float_decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// The value's 18 significant digits (correctly rounded) into `digits`; returns the exponent E with
// value = 0.digits x 10^E.  `value` is finite and not zero.
int EighteenDigits(double value, char (&digits)[kMaxFloatDigits]) {
  char text[32];   // "d.ddddddddddddddddde-308"
  const auto end = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific,
                                 kMaxFloatDigits - 1).ptr;
  digits[0] = text[0];
  std::memcpy(digits + 1, text + 2, kMaxFloatDigits - 1);
  const char* exponent = text + kMaxFloatDigits + 2;   // after "e"
  int e = 0;
  std::from_chars(exponent + (*exponent == '+'), end, e);
  return e + 1;
}

void SetZero(TFloatRec& r) {
  r.Exponent = 0;
  r.Negative = false;
  r.Digits[0] = '\0';
}

}  // namespace

void FloatToDecimal(TFloatRec& result, double value, Integer precision, Integer decimals) {
  result.Negative = std::signbit(value);
  result.Digits[0] = '\0';
  if (std::isnan(value)) {
    result.Exponent = kFloatRecNaN;
    result.Negative = false;
    return;
  }
  if (std::isinf(value)) {
    result.Exponent = kFloatRecInfinity;
    return;
  }
  if (value == 0) return SetZero(result);

  char digits[kMaxFloatDigits];
  int exponent = EighteenDigits(value, digits);
  const Int64 keep = std::min<Int64>(std::clamp(precision, 1, kMaxFloatDigits), Int64{exponent} + decimals);
  if (keep < 0) return SetZero(result);
  int count = static_cast<int>(std::min<Int64>(keep, kMaxFloatDigits));
  if (count < kMaxFloatDigits && digits[count] >= '5') {   // round the 18 digits half away from zero
    int i = count - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {   // all nines (or nothing kept): the carry makes a new leading 1
      digits[0] = '1';
      count = 1;
      ++exponent;
    }
  }
  while (count > 0 && digits[count - 1] == '0') --count;
  if (count == 0) return SetZero(result);
  std::memcpy(result.Digits, digits, static_cast<std::size_t>(count));
  result.Digits[count] = '\0';
  result.Exponent = static_cast<SmallInt>(exponent);
}
