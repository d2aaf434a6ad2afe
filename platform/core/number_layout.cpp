#include "platform/core/number_layout.h"

#include <algorithm>
#include <cstdlib>

#include "platform/core/int_text.h"

namespace {

bool IsSpecial(const TFloatRec& r) { return r.Exponent == kFloatRecNaN || r.Exponent == kFloatRecInfinity; }

std::string SpecialText(const TFloatRec& r) {
  if (r.Exponent == kFloatRecNaN) return "NAN";
  return r.Negative ? "-INF" : "INF";
}

std::string GeneralText(const NumberDigits& number, Integer precision, Integer expDigits,
                        const TFormatSettings& fs) {
  const TFloatRec r = number.Round(precision, 9999);
  if (IsSpecial(r)) return SpecialText(r);
  const std::string_view digits = r.Digits;
  if (digits.empty()) return "0";
  std::string out = r.Negative ? "-" : "";
  const int e = r.Exponent;
  if (e > precision || e < -3) {
    out += digits[0];
    if (digits.size() > 1) (out += fs.DecimalSeparator).append(digits.substr(1));
    return out + ExponentText('E', e - 1, expDigits, false);
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

std::string ExponentLayout(const NumberDigits& number, Integer precision, Integer expDigits,
                           const TFormatSettings& fs) {
  const TFloatRec r = number.Round(precision, 9999);
  if (IsSpecial(r)) return SpecialText(r);
  std::string digits = r.Digits;
  const int exponent = digits.empty() ? 0 : r.Exponent - 1;
  digits.resize(static_cast<std::size_t>(precision), '0');
  std::string out = r.Negative ? "-" : "";
  out += digits[0];
  if (precision > 1) (out += fs.DecimalSeparator).append(digits, 1);
  return out + ExponentText('E', exponent, expDigits, true);
}

// The unsigned fixed-point text of `r` with `decimals` decimals; the integer digits are grouped by
// `thousands` unless it is '\0'.
std::string FixedText(const TFloatRec& r, Integer decimals, char decimalSeparator, char thousands) {
  const std::string_view digits = r.Digits;
  const auto digitAt = [&](int index) {
    return index >= 0 && index < static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index)] : '0';
  };
  std::string out;
  for (int place = std::max<int>(r.Exponent, 1); place >= 1; --place) {   // at least one digit before the point
    out += digitAt(r.Exponent - place);
    if (thousands != '\0' && place > 1 && (place - 1) % 3 == 0) out += thousands;
  }
  if (decimals > 0) out += decimalSeparator;
  for (int q = 0; q < decimals; ++q) out += digitAt(r.Exponent + q);
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

std::string ExponentText(char letter, int exponent, Integer minDigits, bool plusSign) {
  std::string out(1, letter);
  if (exponent < 0) out += '-';
  else if (plusSign) out += '+';
  return out + ZeroPaddedDigits(static_cast<UInt64>(std::abs(exponent)), minDigits);
}

std::string NumberToStrF(const NumberDigits& number, TFloatFormat format, Integer precision, Integer digits,
                         const TFormatSettings& settings) {
  precision = std::clamp(precision, 1, number.MaxPrecision());
  if (format == ffGeneral) return GeneralText(number, precision, std::clamp(digits, 0, 4), settings);
  if (format == ffExponent) return ExponentLayout(number, precision, std::clamp(digits, 0, 4), settings);

  digits = std::clamp(digits, 0, kMaxFloatDigits);
  const TFloatRec r = number.Round(precision, digits);
  if (IsSpecial(r)) return SpecialText(r);
  if (r.Exponent > precision) return GeneralText(number, precision, 0, settings);
  const char thousands = format == ffFixed ? '\0' : settings.ThousandSeparator;
  const std::string amount = FixedText(r, digits, settings.DecimalSeparator, thousands);
  if (format == ffCurrency) return CurrencyText(amount, r.Negative, settings);
  return r.Negative ? "-" + amount : amount;
}
