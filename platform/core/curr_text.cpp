#include "platform/core/curr_text.h"

#include "platform/core/number_layout.h"

std::string CurrToStr(Currency value) { return CurrToStr(value, FormatSettings); }

std::string CurrToStr(Currency value, const TFormatSettings& settings) {
  return CurrToStrF(value, ffGeneral, 0, settings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, Integer digits) {
  return CurrToStrF(value, format, digits, FormatSettings);
}

std::string CurrToStrF(Currency value, TFloatFormat format, Integer digits, const TFormatSettings& settings) {
  return NumberToStrF(NumberDigits(value), format, kMaxCurrencyDigits, digits, settings);
}

std::string FormatCurr(std::string_view format, Currency value) {
  return FormatCurr(format, value, FormatSettings);
}

std::string FormatCurr(std::string_view format, Currency value, const TFormatSettings& settings) {
  return FormatNumber(format, NumberDigits(value), settings);
}
