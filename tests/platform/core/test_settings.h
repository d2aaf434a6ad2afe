// Regional settings the text tests run under: the en-US defaults, a decimal-comma override and a
// Thai-like table with the Buddhist-era year offset.
#pragma once

#include "platform/core/format_settings.h"

inline TFormatSettings EnUs() { return TFormatSettings{}; }

inline TFormatSettings DecimalComma() {
  TFormatSettings fs;
  fs.DecimalSeparator = ',';
  fs.ThousandSeparator = '.';
  return fs;
}

inline TFormatSettings ThaiLike() {
  TFormatSettings fs;
  fs.DateSeparator = '/';
  fs.ShortDateFormat = "d/M/yyyy";
  fs.EraYearOffset = 543;
  return fs;
}
