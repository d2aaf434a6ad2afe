// Pins the locale settings the grid's text routines read for one test: "," thousands, "." decimals,
// "/" between the parts of dates written dd/mm/yyyy (or a variant), and puts the process's
// settings back afterwards.
#pragma once

#include "platform/core/format_settings.h"

class PinnedLocale {
 public:
  explicit PinnedLocale(char thousand = ',', char decimal = '.', const char* shortDateFormat = "dd/mm/yyyy")
      : saved_(FormatSettings) {
    FormatSettings.ThousandSeparator = thousand;
    FormatSettings.DecimalSeparator = decimal;
    FormatSettings.DateSeparator = '/';
    FormatSettings.ShortDateFormat = shortDateFormat;
  }
  ~PinnedLocale() { FormatSettings = saved_; }
  PinnedLocale(const PinnedLocale&) = delete;
  PinnedLocale& operator=(const PinnedLocale&) = delete;

 private:
  TFormatSettings saved_;
};
