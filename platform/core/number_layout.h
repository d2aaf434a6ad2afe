// The layouts shared by the double and the Currency number texts (internal to platform/core).
//
// `NumberDigits` is where a text's digits come from: a double (at most 18 significant digits, general
// texts with 15) or a Currency amount (exact, at most 19).  `NumberToStrF` lays them out in the five
// TFloatFormat layouts and `FormatNumber` through a picture format; FloatToStrF/CurrToStrF and
// FormatFloat/FormatCurr are thin wrappers over them.
#pragma once

#include <cmath>
#include <string>
#include <string_view>

#include "platform/core/currency.h"
#include "platform/core/float_decimal.h"
#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"

class NumberDigits {
 public:
  explicit NumberDigits(double value) : value_(value) {}
  explicit NumberDigits(Currency value) : value_(value.ToDouble()), currency_(value), isCurrency_(true) {}

  // Rounded to `precision` significant digits (clamped to MaxPrecision) and `decimals` decimals.
  TFloatRec Round(Integer precision, Integer decimals) const {
    TFloatRec r;
    if (isCurrency_) CurrToDecimal(r, currency_, precision, decimals);
    else FloatToDecimal(r, value_, precision, decimals);
    return r;
  }
  Integer MaxPrecision() const { return isCurrency_ ? kMaxCurrencyDigits : kMaxFloatDigits; }
  Integer GeneralPrecision() const { return isCurrency_ ? kMaxCurrencyDigits : 15; }
  bool IsFinite() const { return std::isfinite(value_); }
  bool IsNegative() const { return value_ < 0; }
  bool IsZero() const { return value_ == 0; }
  NumberDigits Zero() const { return isCurrency_ ? NumberDigits(Currency()) : NumberDigits(0.0); }

 private:
  double value_;         // the value itself, or the Currency amount's nearest double (for its sign)
  Currency currency_;
  bool isCurrency_ = false;
};

// `letter` ("E" or "e"), the sign ('-' always, '+' when asked) and |exponent| with at least
// `minDigits` digits.
std::string ExponentText(char letter, int exponent, Integer minDigits, bool plusSign);

std::string NumberToStrF(const NumberDigits& number, TFloatFormat format, Integer precision, Integer digits,
                         const TFormatSettings& settings);
std::string FormatNumber(std::string_view format, const NumberDigits& number, const TFormatSettings& settings);
