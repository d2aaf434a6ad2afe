// Reading floating-point text: StrToFloat and its variants under regional settings, and the
// run-time library's Val.  One scanner checks the syntax and copies the accepted characters into a
// plain "[-]digits[.digits][e[-]digits]" text, which std::from_chars converts correctly rounded.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "platform/core/exceptions.h"
#include "platform/core/float_text.h"

namespace {

struct FloatScan {
  std::string plain;     // the number read, in "C" syntax
  std::size_t end = 0;   // index after the last character that belongs to the number
  bool complete = false; // the number's syntax is whole (digits present, exponent has digits)
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Appends the digits at s[i...] to `out`; returns how many there were.
std::size_t TakeDigits(std::string_view s, std::size_t& i, std::string& out) {
  const std::size_t start = i;
  while (i < s.size() && IsDigit(s[i])) out += s[i++];
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

// Whether the number in "C" syntax `plain` (nonzero, outside the range of a double) is too small
// rather than too large: its decimal magnitude, integer digits plus exponent, is negative.
bool IsTiny(std::string_view plain) {
  constexpr long long kHuge = 1LL << 60;
  const std::size_t e = std::min(plain.find('e'), plain.size());
  const std::string_view mantissa = plain.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  long long magnitude = first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point);
  if (e < plain.size()) {
    const char* begin = plain.data() + e + 1 + (plain[e + 1] == '+');
    long long exponent = 0;
    if (std::from_chars(begin, plain.data() + plain.size(), exponent).ec != std::errc())
      exponent = *begin == '-' ? -kHuge : kHuge;   // beyond long long: only its sign matters
    magnitude += exponent;
  }
  return magnitude < 0;
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

[[noreturn]] void RaiseInvalidFloat(std::string_view s) {
  throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
}

}  // namespace

bool TryStrToFloat(std::string_view s, double& value) { return TryStrToFloat(s, value, FormatSettings); }

bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings) {
  const FloatScan scan = ScanFloat(s, settings.DecimalSeparator);
  std::size_t i = scan.end;
  while (i < s.size() && s[i] == ' ') ++i;
  double result;
  if (!scan.complete || i != s.size() || !Convert(scan.plain, result)) return false;
  value = result;
  return true;
}

double StrToFloat(std::string_view s) { return StrToFloat(s, FormatSettings); }

double StrToFloat(std::string_view s, const TFormatSettings& settings) {
  double value;
  if (!TryStrToFloat(s, value, settings)) RaiseInvalidFloat(s);
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
