// Packed decimal numbers (see bcd.h).  Every operation goes through one unpacked form, a digit
// string with a count of decimal places, normalised so that equal values have equal forms.
#include "platform/core/bcd.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/core/format.h"
#include "platform/core/format_settings.h"

namespace {

constexpr Integer kMaxBcdPlaces = 63;
constexpr Integer kMaxExponentDigits = 4;   // an exponent beyond 9999 cannot fit in 64 digits

// value = (negative ? -1 : 1) * digits * 10^-places; normalised: no leading zeros, no trailing
// zeros while places > 0, zero is "0" with places 0 and positive.
struct Unpacked {
  bool negative = false;
  std::string digits = "0";
  Integer places = 0;
};

void Normalise(Unpacked& u) {
  const std::size_t first = u.digits.find_first_not_of('0');
  u.digits.erase(0, first == std::string::npos ? u.digits.size() : first);
  while (u.places > 0 && !u.digits.empty() && u.digits.back() == '0') {
    u.digits.pop_back();
    --u.places;
  }
  if (u.places < 0) {
    u.digits.append(std::size_t(-u.places), '0');
    u.places = 0;
  }
  if (u.digits.empty()) u = Unpacked{};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool ParseDecimal(std::string_view text, char separator, Unpacked& out) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  Unpacked u;
  u.digits.clear();
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) u.negative = text[i++] == '-';
  bool anyDigit = false, afterSeparator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      u.digits += c;
      anyDigit = true;
      if (afterSeparator) ++u.places;
    } else if (c == separator && !afterSeparator) {
      afterSeparator = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return false;
  if (i < text.size()) {
    if (text[i] != 'E' && text[i] != 'e') return false;
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    const std::string_view exponentText = text.substr(i);
    if (exponentText.empty() || exponentText.size() > std::size_t(kMaxExponentDigits)) return false;
    Integer exponent = 0;
    for (char c : exponentText) {
      if (c < '0' || c > '9') return false;
      exponent = exponent * 10 + (c - '0');
    }
    u.places -= negativeExponent ? -exponent : exponent;
    if (u.places < -kMaxBcdDigits - kMaxBcdPlaces || u.places > kMaxBcdDigits + kMaxBcdPlaces + Integer(u.digits.size()))
      return false;
  }
  Normalise(u);
  out = u;
  return true;
}

// Precision: the digits held, with leading zeros up to the decimal places (0.001 holds "001").
bool Pack(const Unpacked& u, TBcd& bcd) {
  if (u.places > kMaxBcdPlaces) return false;
  const Integer precision = std::max<Integer>(Integer(u.digits.size()), u.places);
  if (precision > kMaxBcdDigits) return false;
  const std::string digits = std::string(std::size_t(precision) - u.digits.size(), '0') + u.digits;
  bcd = TBcd{};
  bcd.Precision = Byte(precision);
  bcd.SignSpecialPlaces = Byte((u.negative ? 0x80 : 0) | u.places);
  for (Integer k = 0; k < precision; ++k) {
    const Byte digit = Byte(digits[std::size_t(k)] - '0');
    bcd.Fraction[k / 2] |= Byte(k % 2 == 0 ? digit << 4 : digit);
  }
  return true;
}

Unpacked Unpack(const TBcd& bcd) {
  const Integer precision = std::min<Integer>(bcd.Precision, kMaxBcdDigits);
  Unpacked u;
  u.negative = (bcd.SignSpecialPlaces & 0x80) != 0;
  u.places = std::min<Integer>(bcd.SignSpecialPlaces & 0x3F, precision);
  u.digits.clear();
  for (Integer k = 0; k < precision; ++k) {
    const Byte nibble = Byte(k % 2 == 0 ? bcd.Fraction[k / 2] >> 4 : bcd.Fraction[k / 2] & 0x0F);
    if (nibble > 9) throw EBcdException("Invalid BCD value");
    u.digits += char('0' + nibble);
  }
  Normalise(u);
  return u;
}

std::string ToText(const Unpacked& u, char separator) {
  std::string whole = u.digits, text = u.negative ? "-" : "";
  if (u.places == 0) return text + whole;
  if (Integer(whole.size()) <= u.places) whole.insert(0, std::size_t(u.places) + 1 - whole.size(), '0');
  const std::size_t point = whole.size() - std::size_t(u.places);
  return text + whole.substr(0, point) + separator + whole.substr(point);
}

TBcd PackOrOverflow(const Unpacked& u) {
  TBcd bcd;
  if (!Pack(u, bcd)) throw EBcdOverflowException("BCD overflow");
  return bcd;
}

}  // namespace

bool TryStrToBcd(std::string_view text, TBcd& value) {
  Unpacked u;
  TBcd bcd;
  if (!ParseDecimal(text, FormatSettings.DecimalSeparator, u) || !Pack(u, bcd)) return false;
  value = bcd;
  return true;
}

TBcd StrToBcd(std::string_view text) {
  TBcd value;
  if (!TryStrToBcd(text, value)) throw EBcdException(Format("'%s' is not a valid BCD value", {text}));
  return value;
}

std::string BcdToStr(const TBcd& value) { return ToText(Unpack(value), FormatSettings.DecimalSeparator); }

Integer BcdCompare(const TBcd& a, const TBcd& b) {
  const Unpacked x = Unpack(a), y = Unpack(b);
  const auto sign = [](const Unpacked& u) { return u.digits == "0" ? 0 : (u.negative ? -1 : 1); };
  const Integer signX = sign(x), signY = sign(y);
  if (signX != signY) return signX < signY ? -1 : 1;
  if (signX == 0) return 0;
  // Normalised forms: more whole digits is larger; with as many, the digit strings (a shorter one
  // is a prefix followed by zeros) order the magnitudes.
  const Integer wholeX = Integer(x.digits.size()) - x.places, wholeY = Integer(y.digits.size()) - y.places;
  const int order = wholeX != wholeY ? (wholeX < wholeY ? -1 : 1) : x.digits.compare(y.digits);
  const Integer magnitude = order < 0 ? -1 : (order > 0 ? 1 : 0);
  return signX * magnitude;
}

double BcdToDouble(const TBcd& value) {
  const std::string text = ToText(Unpack(value), '.');
  return std::strtod(text.c_str(), nullptr);   // correctly rounded; the text never has a locale mark
}

TBcd DoubleToBcd(double value) {
  if (!std::isfinite(value)) throw EBcdOverflowException("BCD overflow");
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  Unpacked u;
  if (!ParseDecimal(std::string_view(buffer, std::size_t(result.ptr - buffer)), '.', u))
    throw EBcdOverflowException("BCD overflow");   // an exponent far beyond 64 digits
  return PackOrOverflow(u);
}

TBcd IntegerToBcd(Int64 value) {
  Unpacked u;
  u.negative = value < 0;
  const UInt64 magnitude = u.negative ? UInt64(0) - UInt64(value) : UInt64(value);
  u.digits = std::to_string(magnitude);
  Normalise(u);
  return PackOrOverflow(u);
}
