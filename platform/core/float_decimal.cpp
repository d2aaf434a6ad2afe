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

// Rounds digits[0..count) (the value 0.digits x 10^exponent) half away from zero to `keep` digits
// and stores the result without trailing zeros.
void RoundInto(TFloatRec& r, char* digits, int count, int exponent, Int64 keep) {
  if (keep < 0) return SetZero(r);
  int kept = static_cast<int>(std::min<Int64>(keep, count));
  if (kept < count && digits[kept] >= '5') {
    int i = kept - 1;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {   // all nines (or nothing kept): the carry makes a new leading 1
      digits[0] = '1';
      kept = 1;
      ++exponent;
    }
  }
  while (kept > 0 && digits[kept - 1] == '0') --kept;
  if (kept == 0) return SetZero(r);
  std::memcpy(r.Digits, digits, static_cast<std::size_t>(kept));
  r.Digits[kept] = '\0';
  r.Exponent = static_cast<SmallInt>(exponent);
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
  const int exponent = EighteenDigits(value, digits);
  RoundInto(result, digits, kMaxFloatDigits, exponent,
            std::min<Int64>(std::clamp(precision, 1, kMaxFloatDigits), Int64{exponent} + decimals));
}

void CurrToDecimal(TFloatRec& result, Currency value, Integer precision, Integer decimals) {
  const Int64 raw = value.Raw();
  result.Negative = raw < 0;
  const UInt64 magnitude = raw < 0 ? UInt64{0} - static_cast<UInt64>(raw) : static_cast<UInt64>(raw);
  if (magnitude == 0) return SetZero(result);
  char digits[kMaxCurrencyDigits + 1];
  const int count = static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
  const int exponent = count - 4;   // four decimals
  RoundInto(result, digits, count, exponent,
            std::min<Int64>(std::clamp(precision, 1, kMaxCurrencyDigits), Int64{exponent} + decimals));
}
