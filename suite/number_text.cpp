#include "suite/number_text.h"

#include <algorithm>

#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"

namespace {

constexpr size_t kFixedTextLimit = 20;

std::string WithoutCommas(std::string_view text) {
  std::string result(text);
  result.erase(std::remove(result.begin(), result.end(), ','), result.end());
  return result;
}

// "." as the point whatever the regional settings: these texts are the suite's own.
const TFormatSettings& PlainSettings() {
  static const TFormatSettings settings;
  return settings;
}

}  // namespace

std::string IntToText(Integer value) { return IntToStr(value); }

Integer ParseIntegerText(std::string_view text) {
  Integer value = 0, code = 0;
  Val(WithoutCommas(text), value, code);
  return value;
}

double ParseFloatText(std::string_view text) {
  double value = 0;
  Integer code = 0;
  Val(WithoutCommas(text), value, code);
  return value;
}

std::string FormatFixed(Byte decimals, double value) {
  std::string text = FloatToStrF(value, ffFixed, 18, decimals, PlainSettings()).substr(0, kFixedTextLimit);
  if (ParseFloatText(text) == 0) text = FloatToStrF(0.0, ffFixed, 18, decimals, PlainSettings());
  return text;
}

void RoundToDecimals(double& value, Byte decimals) { value = ParseFloatText(FormatFixed(decimals, value)); }
