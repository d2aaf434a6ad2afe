// Reading number text: StrToFloat and StrToCurr with their variants under regional settings, and the
// run-time library's Val for doubles.  One scanner checks the syntax and copies the accepted
// characters into a plain "[-]digits[.digits][e[-]digits]" text, which std::from_chars converts
// correctly rounded to a double, or which is scaled exactly to a Currency amount.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/core/ansi_strings.h"
#include "platform/core/curr_text.h"
#include "platform/core/exceptions.h"
#include "platform/core/float_text.h"

namespace {

struct FloatScan {
  std::string plain;     // the number read, in "C" syntax
  std::size_t end = 0;   // index after the last character that belongs to the number
  bool complete = false; // the number's syntax is whole (digits present, exponent has digits)
};

// Appends the digits at s[i...] to `out`; returns how many there were.
std::size_t TakeDigits(std::string_view s, std::size_t& i, std::string& out) {
  const std::size_t start = i;
  while (i < s.size() && IsDecimalDigit(s[i])) out += s[i++];
  return i - start;
}

// Scans blanks, sign, mantissa and exponent from the start of `s`.  `end` stops at the first
// character that cannot continue the number; an exponent without digits is left out of `plain`.
FloatScan ScanFloat(std::string_view s, char decimalSeparator) {
  FloatScan r;
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') r.plain += '-';
    ++i;
  }
  std::size_t digits = TakeDigits(s, i, r.plain);
  if (i < s.size() && s[i] == decimalSeparator) {
    r.plain += '.';
    ++i;
    digits += TakeDigits(s, i, r.plain);
  }
  r.end = i;
  r.complete = digits > 0;
  if (!r.complete || i >= s.size() || (s[i] != 'E' && s[i] != 'e')) return r;

  std::string exponent = "e";
  ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) exponent += s[i++];
  const bool hasDigits = TakeDigits(s, i, exponent) > 0;
  r.end = i;
  r.complete = hasDigits;
  if (hasDigits) r.plain += exponent;
  return r;
}

// The exponent of `plain` (after its 'e'), saturated at +-2^60; 0 without one.
long long ExponentOf(std::string_view plain) {
  constexpr long long kHuge = 1LL << 60;
  const std::size_t e = plain.find('e');
  if (e == std::string_view::npos) return 0;
  const char* begin = plain.data() + e + 1 + (plain[e + 1] == '+');
  long long exponent = 0;
  if (std::from_chars(begin, plain.data() + plain.size(), exponent).ec != std::errc())
    return *begin == '-' ? -kHuge : kHuge;   // beyond long long: only its sign matters
  return std::clamp(exponent, -kHuge, kHuge);
}

// Whether the number in "C" syntax `plain` (nonzero, outside the range of a double) is too small
// rather than too large: its decimal magnitude, integer digits plus exponent, is negative.
bool IsTiny(std::string_view plain) {
  const std::string_view mantissa = plain.substr(0, plain.find('e'));
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  const long long magnitude =
      first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point);
  return magnitude + ExponentOf(plain) < 0;
}

// The double `plain` ("C" syntax, possibly just a sign or a point) denotes, or false when it lies
// beyond the range of a double.  Values too small for a double become zero.
bool Convert(const std::string& plain, double& value) {
  value = 0;
  if (plain.find_first_of("0123456789") == std::string::npos) return true;
  const auto [ptr, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec == std::errc::result_out_of_range) {
    value = 0;
    return IsTiny(plain);
  }
  return ec == std::errc();
}

// The Currency amount `plain` denotes: its exact decimal value in ten-thousandths, rounded half to
// even; false beyond the Int64 range.
bool ToCurrency(std::string_view plain, Currency& value) {
  const bool negative = !plain.empty() && plain[0] == '-';
  const std::string_view mantissa = plain.substr(negative ? 1 : 0, plain.find('e') - (negative ? 1 : 0));
  std::string digits;
  long long pointIndex = -1;
  for (char c : mantissa) {
    if (c == '.') pointIndex = static_cast<long long>(digits.size());
    else digits += c;
  }
  if (pointIndex < 0) pointIndex = static_cast<long long>(digits.size());
  // Digits [0, wholeDigits) form the count of ten-thousandths; the rest decide the rounding.
  const long long wholeDigits = pointIndex + ExponentOf(plain) + 4;
  const UInt64 limit = negative ? UInt64{1} << 63 : (UInt64{1} << 63) - 1;
  UInt64 raw = 0;
  const auto digitAt = [&](long long i) {
    return i < static_cast<long long>(digits.size()) ? digits[static_cast<std::size_t>(i)] - '0' : 0;
  };
  for (long long i = 0; i < wholeDigits; ++i) {
    const int d = digitAt(i);
    if (raw > (limit - static_cast<UInt64>(d)) / 10) return false;
    raw = raw * 10 + static_cast<UInt64>(d);
    if (raw == 0 && i >= static_cast<long long>(digits.size())) break;   // zeros only from here on
  }
  if (wholeDigits >= 0) {
    const int next = digitAt(wholeDigits);
    const auto rest = static_cast<std::size_t>(wholeDigits + 1);
    const bool sticky = digits.size() > rest && digits.find_first_not_of('0', rest) != std::string::npos;
    if (next > 5 || (next == 5 && (sticky || raw % 2 == 1))) {
      if (raw == limit) return false;
      ++raw;
    }
  }
  value = Currency::FromRaw(negative ? static_cast<Int64>(UInt64{0} - raw) : static_cast<Int64>(raw));
  return true;
}

// The number that makes up all of `s` (blanks around it allowed) in "C" syntax, or false.
bool ScanWhole(std::string_view s, char decimalSeparator, std::string& plain) {
  FloatScan scan = ScanFloat(s, decimalSeparator);
  std::size_t i = scan.end;
  while (i < s.size() && s[i] == ' ') ++i;
  plain = std::move(scan.plain);
  return scan.complete && i == s.size();
}

}  // namespace

bool TryStrToFloat(std::string_view s, double& value) { return TryStrToFloat(s, value, FormatSettings); }

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings) {
  std::string plain;
  double result;
  if (!ScanWhole(s, settings.DecimalSeparator, plain) || !Convert(plain, result)) return false;
  value = result;
  return true;
}

double StrToFloat(std::string_view s) { return StrToFloat(s, FormatSettings); }

double StrToFloat(std::string_view s, const TFormatSettings& settings) {
  double value;
  if (!TryStrToFloat(s, value, settings)) RaiseNotValid(s, "floating point value");
  return value;
}

double StrToFloatDef(std::string_view s, double defaultValue) {
  return StrToFloatDef(s, defaultValue, FormatSettings);
}

double StrToFloatDef(std::string_view s, double defaultValue, const TFormatSettings& settings) {
  double value;
  return TryStrToFloat(s, value, settings) ? value : defaultValue;
}

void Val(std::string_view s, double& value, Integer& code) {
  const FloatScan scan = ScanFloat(s, '.');
  const bool converted = Convert(scan.plain, value);
  if (!converted) value = 0;
  const bool ok = scan.complete && scan.end == s.size() && converted;
  code = ok ? 0 : static_cast<Integer>(scan.end) + 1;
}

bool TryStrToCurr(std::string_view s, Currency& value) { return TryStrToCurr(s, value, FormatSettings); }

bool TryStrToCurr(std::string_view s, Currency& value, const TFormatSettings& settings) {
  std::string plain;
  Currency result;
  if (!ScanWhole(s, settings.DecimalSeparator, plain) || !ToCurrency(plain, result)) return false;
  value = result;
  return true;
}

Currency StrToCurr(std::string_view s) { return StrToCurr(s, FormatSettings); }

Currency StrToCurr(std::string_view s, const TFormatSettings& settings) {
  Currency value;
  if (!TryStrToCurr(s, value, settings)) RaiseNotValid(s, "floating point value");
  return value;
}

Currency StrToCurrDef(std::string_view s, Currency defaultValue) {
  return StrToCurrDef(s, defaultValue, FormatSettings);
}

Currency StrToCurrDef(std::string_view s, Currency defaultValue, const TFormatSettings& settings) {
  Currency value;
  return TryStrToCurr(s, value, settings) ? value : defaultValue;
}
