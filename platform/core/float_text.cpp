#include "platform/core/float_text.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/core/float_decimal.h"

namespace {

constexpr Integer kGeneralPrecision = 15;

bool IsSpecial(const TFloatRec& r) { return r.Exponent == kFloatRecNaN || r.Exponent == kFloatRecInfinity; }

std::string SpecialText(const TFloatRec& r) {
  if (r.Exponent == kFloatRecNaN) return "NAN";
  return r.Negative ? "-INF" : "INF";
}

// "E", the sign ('-' always, '+' when asked) and |exponent| with at least `minDigits` digits.
std::string ExponentText(int exponent, Integer minDigits, bool plusSign) {
  std::string out = "E";
  if (exponent < 0) out += '-';
  else if (plusSign) out += '+';
  const std::string magnitude = std::to_string(std::abs(exponent));
  out.append(static_cast<std::size_t>(std::max<Integer>(0, minDigits - static_cast<Integer>(magnitude.size()))), '0');
  return out + magnitude;
}

std::string GeneralText(double value, Integer precision, Integer expDigits, const TFormatSettings& fs) {
  TFloatRec r;
  FloatToDecimal(r, value, precision, 9999);
  if (IsSpecial(r)) return SpecialText(r);
  const std::string_view digits = r.Digits;
  if (digits.empty()) return "0";
  std::string out = r.Negative ? "-" : "";
  const int e = r.Exponent;
  if (e > precision || e < -3) {
    out += digits[0];
    if (digits.size() > 1) (out += fs.DecimalSeparator).append(digits.substr(1));
    return out + ExponentText(e - 1, expDigits, false);
  }
  if (e <= 0) {
    (out += '0') += fs.DecimalSeparator;
    return out.append(static_cast<std::size_t>(-e), '0').append(digits);
  }
  const std::size_t whole = static_cast<std::size_t>(e);
  out.append(digits.substr(0, whole)).append(whole - std::min(whole, digits.size()), '0');
  if (digits.size() > whole) (out += fs.DecimalSeparator).append(digits.substr(whole));
  return out;
}

std::string ExponentLayout(double value, Integer precision, Integer expDigits, const TFormatSettings& fs) {
  TFloatRec r;
  FloatToDecimal(r, value, precision, 9999);
  if (IsSpecial(r)) return SpecialText(r);
  std::string digits = r.Digits;
  const int exponent = digits.empty() ? 0 : r.Exponent - 1;
  digits.resize(static_cast<std::size_t>(precision), '0');
  std::string out = r.Negative ? "-" : "";
  out += digits[0];
  if (precision > 1) (out += fs.DecimalSeparator).append(digits, 1);
  return out + ExponentText(exponent, expDigits, true);
}

// The unsigned fixed-point text of `r` with `decimals` decimals; the integer digits are grouped by
// `thousands` unless it is '\0'.
std::string FixedText(const TFloatRec& r, Integer decimals, char decimalSeparator, char thousands) {
  const std::string_view digits = r.Digits;
  const int whole = std::max<int>(r.Exponent, 1);   // at least one digit before the point
  std::string out;
  for (int place = whole; place >= 1; --place) {
    const int index = r.Exponent - place;
    out += index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
    if (thousands != '\0' && place > 1 && (place - 1) % 3 == 0) out += thousands;
  }
  if (decimals > 0) out += decimalSeparator;
  for (int q = 0; q < decimals; ++q) {
    const int index = r.Exponent + q;
    out += index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
  }
  return out;
}

// The number text `amount` placed with the currency string in the settings' positive or negative
// money layout ('$' stands for the currency string, '1' for the amount).
std::string CurrencyText(const std::string& amount, bool negative, const TFormatSettings& fs) {
  static constexpr std::string_view kPositive[] = {"$1", "1$", "$ 1", "1 $"};
  static constexpr std::string_view kNegative[] = {"($1)", "-$1",  "$-1",  "$1-",  "(1$)", "-1$",
                                                   "1-$",  "1$-",  "-1 $", "-$ 1", "1 $-", "$ 1-",
                                                   "$ -1", "1- $", "($ 1)", "(1 $)"};
  const std::string_view layout = negative ? kNegative[fs.NegCurrFormat < 16 ? fs.NegCurrFormat : 0]
                                           : kPositive[fs.CurrencyFormat < 4 ? fs.CurrencyFormat : 0];
  std::string out;
  for (char c : layout) {
    if (c == '$') out += fs.CurrencyString;
    else if (c == '1') out += amount;
    else out += c;
  }
  return out;
}

}  // namespace

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings); }

std::string FloatToStr(double value, const TFormatSettings& settings) {
  return GeneralText(value, kGeneralPrecision, 0, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                        const TFormatSettings& settings) {
  precision = std::clamp(precision, 1, kMaxFloatDigits);
  if (format == ffGeneral) return GeneralText(value, precision, std::clamp(digits, 0, 4), settings);
  if (format == ffExponent) return ExponentLayout(value, precision, std::clamp(digits, 0, 4), settings);

  digits = std::clamp(digits, 0, kMaxFloatDigits);
  TFloatRec r;
  FloatToDecimal(r, value, precision, digits);
  if (IsSpecial(r)) return SpecialText(r);
  if (r.Exponent > precision) return GeneralText(value, precision, 0, settings);
  const char thousands = format == ffFixed ? '\0' : settings.ThousandSeparator;
  const std::string amount = FixedText(r, digits, settings.DecimalSeparator, thousands);
  if (format == ffCurrency) return CurrencyText(amount, r.Negative, settings);
  return r.Negative ? "-" + amount : amount;
}
