#include "platform/core/extended80_text.h"

#include <algorithm>
#include <cmath>

#include "platform/core/big_natural.h"

namespace {

// Any midpoint between two neighbouring 10-byte values has fewer significant decimal digits than
// this (the longest, among the denormals, has about 11,520).  Digits beyond it only matter through
// whether they are all zero, so a longer text is cut here and a final '1' stands for the rest: the
// cut value and the full one lie on the same side of every midpoint.
constexpr std::size_t kMaxSignificantDigits = 11600;
constexpr Int64 kExponentLimit = 100000000;   // larger decimal exponents saturate
// 10^4933 exceeds the largest finite value; 10^-4952 is below half the smallest denormal.
constexpr Int64 kOverflowDecade = 4933;
constexpr Int64 kUnderflowDecade = -4952;
constexpr int kQuotientBits = 68;
constexpr std::size_t kMaxFastDigits = 19;    // 10^19 - 1 fits 64 bits; times 10^19 fits 128
constexpr Int64 kMaxFastDivisorDecades = 18;  // 2^127 / 10^18 > 2^67
constexpr UInt64 kPowersOf10[kMaxFastDigits + 1] = {
    1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull, 10000000ull, 100000000ull, 1000000000ull,
    10000000000ull, 100000000000ull, 1000000000000ull, 10000000000000ull, 100000000000000ull,
    1000000000000000ull, 10000000000000000ull, 100000000000000000ull, 1000000000000000000ull,
    10000000000000000000ull};             // enough for 64 kept bits, a rounding bit and more
constexpr int kPlainExponentMin = -5;
constexpr int kPlainExponentMax = 20;
constexpr double kLog10Of2 = 0.30102999566398119521;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal number as read: value = (negative ? -1 : 1) * digits * 10^exponent.
struct DecimalNumber {
  bool negative = false;
  std::string digits;   // no leading or trailing zeros; empty for zero
  Int64 exponent = 0;
};

std::size_t SkipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

// Reads an exponent part at text[i] ('e', sign, digits); answers where it ends (i when none).
std::size_t ScanExponent(std::string_view text, std::size_t i, Int64& exponent) {
  if (i >= text.size() || (text[i] != 'e' && text[i] != 'E')) return i;
  std::size_t j = i + 1;
  const bool negative = j < text.size() && text[j] == '-';
  if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
  const std::size_t end = SkipDigits(text, j);
  if (end == j) return i;
  Int64 value = 0;
  for (; j < end; ++j) value = std::min(value * 10 + (text[j] - '0'), kExponentLimit);
  exponent = negative ? -value : value;
  return end;
}

// Keeps the significant digits of the integer and fraction parts and the matching decimal exponent.
void CollectDigits(std::string_view whole, std::string_view fraction, Int64 exponent, DecimalNumber& number) {
  for (std::string_view part : {whole, fraction})
    for (char c : part)
      if (c != '0' || !number.digits.empty()) number.digits.push_back(c);
  number.exponent = exponent - static_cast<Int64>(fraction.size());
  const std::size_t last = number.digits.find_last_not_of('0');
  const std::size_t kept = last == std::string::npos ? 0 : last + 1;
  number.exponent += static_cast<Int64>(number.digits.size() - kept);
  number.digits.resize(kept);
  if (number.digits.size() > kMaxSignificantDigits) {   // the cut-off digits end in a nonzero one
    number.exponent += static_cast<Int64>(number.digits.size() - kMaxSignificantDigits) - 1;
    number.digits.resize(kMaxSignificantDigits);
    number.digits.push_back('1');
  }
}

std::size_t ScanDecimal(std::string_view text, DecimalNumber& number) {
  std::size_t i = 0;
  number.negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t wholeEnd = SkipDigits(text, i);
  std::string_view whole = text.substr(i, wholeEnd - i), fraction;
  i = wholeEnd;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    fraction = text.substr(i + 1, fractionEnd - i - 1);
    i = fractionEnd;
  }
  if (whole.empty() && fraction.empty()) return 0;
  Int64 exponent = 0;
  i = ScanExponent(text, i, exponent);
  CollectDigits(whole, fraction, exponent, number);
  return i;
}

// floor(numerator / denominator) for a quotient below 2^bits; numerator keeps the remainder.
UInt128 DivideSmallQuotient(BigNatural& numerator, BigNatural denominator, int bits) {
  denominator.ShiftLeft(bits - 1);
  UInt128 quotient = 0;
  for (int i = bits - 1; i >= 0; --i) {
    if (numerator >= denominator) {
      numerator -= denominator;
      quotient |= UInt128{1} << i;
    }
    denominator.ShiftRight(1);
  }
  return quotient;
}

// Numbers of at most 19 digits with a small decimal exponent, which is nearly every number a record
// or a form holds, fit 128-bit integers: digits * 10^e directly, or digits / 10^-e with a quotient of
// more than 66 bits once the digits are shifted to the top.
bool FitsWideIntegers(const DecimalNumber& number) {
  return number.digits.size() <= kMaxFastDigits && number.exponent >= -kMaxFastDivisorDecades &&
         number.exponent <= static_cast<Int64>(kMaxFastDigits);
}

Extended80 WideIntegerToExtended80(const DecimalNumber& number) {
  UInt64 digits = 0;
  for (char c : number.digits) digits = digits * 10 + static_cast<UInt64>(c - '0');
  if (number.exponent >= 0)
    return ComposeExtended80(number.negative, UInt128{digits} * kPowersOf10[number.exponent], false, 0);
  const int lead = 128 - BitLength(digits);
  const UInt128 numerator = UInt128{digits} << lead;
  const UInt64 divisor = kPowersOf10[-number.exponent];
  return ComposeExtended80(number.negative, numerator / divisor, numerator % divisor != 0, -lead);
}

Extended80 ToExtended80(const DecimalNumber& number) {
  if (number.digits.empty()) return Extended80::FromParts(number.negative, 0, 0);
  if (FitsWideIntegers(number)) return WideIntegerToExtended80(number);
  const Int64 decade = static_cast<Int64>(number.digits.size()) + number.exponent;   // value < 10^decade
  if (decade > kOverflowDecade)
    return Extended80::FromParts(number.negative, Extended80::kMaxExponent, Extended80::kIntegerBit);
  if (decade < kUnderflowDecade) return Extended80::FromParts(number.negative, 0, 0);
  BigNatural numerator = BigNatural::FromDecimal(number.digits), denominator(1);
  if (number.exponent >= 0) numerator.MultiplyByPowerOf10(static_cast<int>(number.exponent));
  else denominator.MultiplyByPowerOf10(static_cast<int>(-number.exponent));
  // Scale so that the quotient has kQuotientBits - 1 or kQuotientBits bits.
  const int shift = kQuotientBits - 1 - (numerator.BitLength() - denominator.BitLength());
  if (shift >= 0) numerator.ShiftLeft(shift);
  else denominator.ShiftLeft(-shift);
  const UInt128 quotient = DivideSmallQuotient(numerator, denominator, kQuotientBits);
  return ComposeExtended80(number.negative, quotient, !numerator.IsZero(), -shift);
}

// The shortest digits within the rounding interval of value = f * 2^e (f > 0), by exact arithmetic:
// value = r / s, and the interval reaches mMinus / s below and mPlus / s above it.  Its ends belong
// to it when f is even, since a text exactly halfway reads back as the even neighbour.
struct ShortestDigits {
  std::string digits;
  int point = 0;   // value = 0.digits * 10^point
};

ShortestDigits FindShortestDigits(UInt64 f, int e, bool narrowBelow) {
  const int up = narrowBelow ? 1 : 0;   // the gap below a power of two is half the gap above
  BigNatural r(f), s(1), mMinus(1);
  r.ShiftLeft(std::max(e, 0) + 1 + up);
  s.ShiftLeft(std::max(-e, 0) + 1 + up);
  mMinus.ShiftLeft(std::max(e, 0));
  BigNatural mPlus = mMinus;
  mPlus.ShiftLeft(up);
  const bool inclusive = (f & 1) == 0;
  int point = static_cast<int>(std::ceil((BitLength(f) - 1 + e) * kLog10Of2 - 1e-10));
  if (point >= 0) {
    s.MultiplyByPowerOf10(point);
  } else {
    for (BigNatural* n : {&r, &mPlus, &mMinus}) n->MultiplyByPowerOf10(-point);
  }
  BigNatural sum;   // reused, so the digit loop allocates nothing once it has grown
  auto reachesHigh = [&] {
    sum = r;
    sum += mPlus;
    const auto order = sum <=> s;
    return inclusive ? order >= 0 : order > 0;
  };
  while (reachesHigh()) {   // the estimate may be one decade low
    s.MultiplyAdd(10, 0);
    ++point;
  }
  ShortestDigits result{{}, point};
  for (;;) {
    for (BigNatural* n : {&r, &mPlus, &mMinus}) n->MultiplyAdd(10, 0);
    char digit = '0';
    for (; r >= s; ++digit) r -= s;
    const auto lowOrder = r <=> mMinus;
    const bool low = inclusive ? lowOrder <= 0 : lowOrder < 0;
    const bool high = reachesHigh();
    if (!low && !high) {
      result.digits.push_back(digit);
      continue;
    }
    bool roundUp = high;
    if (low && high) {
      sum = r;
      sum += r;
      const auto twice = sum <=> s;
      roundUp = twice > 0 || (twice == 0 && (digit - '0') % 2 == 1);
    }
    result.digits.push_back(static_cast<char>(digit + (roundUp ? 1 : 0)));
    return result;
  }
}

std::string FormatDigits(const ShortestDigits& d) {
  std::string text = d.digits;
  const auto count = static_cast<int>(text.size());
  const int exponent = d.point - 1;   // value = d.ddd * 10^exponent
  if (exponent < kPlainExponentMin || exponent > kPlainExponentMax) {
    if (count > 1) text.insert(1, 1, '.');
    text += 'E';
    text += std::to_string(exponent);
  } else if (d.point <= 0) {
    text.insert(0, static_cast<std::size_t>(-d.point), '0');
    text.insert(0, "0.");
  } else if (d.point >= count) {
    text.append(static_cast<std::size_t>(d.point - count), '0');
  } else {
    text.insert(static_cast<std::size_t>(d.point), 1, '.');
  }
  return text;
}

}  // namespace

std::size_t ScanExtended80(std::string_view text, Extended80& value) {
  DecimalNumber number;
  const std::size_t used = ScanDecimal(text, number);
  if (used != 0) value = ToExtended80(number);
  return used;
}

bool TextToExtended80(std::string_view text, Extended80& value) {
  Extended80 read;
  if (text.empty() || ScanExtended80(text, read) != text.size()) return false;
  value = read;
  return true;
}

std::string Extended80ToText(const Extended80& value) {
  const Extended80 x = CanonicalExtended80(value);
  const std::string sign = x.Negative() ? "-" : "";
  const UInt64 mantissa = x.Mantissa();
  const Word exponent = x.BiasedExponent();
  if (exponent == Extended80::kMaxExponent)
    return mantissa == Extended80::kIntegerBit ? sign + "INF" : "NAN";
  if (mantissa == 0) return sign + "0";
  const bool narrowBelow = mantissa == Extended80::kIntegerBit && exponent > 1;
  return sign + FormatDigits(FindShortestDigits(mantissa, x.MantissaScale(), narrowBelow));
}
