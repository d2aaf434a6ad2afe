#include "platform/core/float_text.h"

#include "platform/core/number_layout.h"

std::string FloatToStr(double value) { return FloatToStr(value, FormatSettings); }

std::string FloatToStr(double value, const TFormatSettings& settings) {
  const NumberDigits number(value);
  return NumberToStrF(number, ffGeneral, number.GeneralPrecision(), 0, settings);
}

std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings);
}

std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                        const TFormatSettings& settings) {
  return NumberToStrF(NumberDigits(value), format, precision, digits, settings);
}

std::string FormatFloat(std::string_view format, double value) {
  return FormatFloat(format, value, FormatSettings);
}

std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings) {
  return FormatNumber(format, NumberDigits(value), settings);
}
