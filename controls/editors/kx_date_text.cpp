#include "controls/editors/kx_date_text.h"

#include <string_view>

#include "controls/editors/kx_date_utils.h"
#include "controls/editors/kx_formats.h"
#include "controls/foundation/kx_classes.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/exceptions.h"
#include "platform/core/format_settings.h"
#include "platform/core/system_time.h"
#include "platform/core/variant.h"
#include "platform/os/locale.h"
#include "platform/os/locale_date_format.h"

namespace {

// "yy" without "yyy" (any case) gets the year letter found there twice more: "d/M/yy" reads
// "d/M/yyyy".
std::string WidenedYear(std::string Format) {
  const std::string lower = LowerCase(Format);
  const size_t at = lower.find("yy");
  if (at == std::string::npos || lower.find("yyy") != std::string::npos) return Format;
  Format.insert(at + 2, 2, Format[at]);
  return Format;
}

std::string ProgramFormatText(bool AFourDigitYear, TDateTime Date) {
  const std::string dateFormat =
      AFourDigitYear ? WidenedYear(FormatSettings.ShortDateFormat) : FormatSettings.ShortDateFormat;
  std::string text = FormatDateTime(dateFormat, Date);
  if (TimeOnlyPart(Date) != 0) text += " " + FormatDateTime(FormatSettings.LongTimeFormat, Date);
  return text;
}

std::string VariantText(TDateTime Date) {
  try {
    return Variant::FromDateTime(Date).AsString();
  } catch (const Exception&) {
    return "";
  }
}

std::string LocaleFormatText(bool AFourDigitYear, TDateTime Date) {
  const LCID locale = GetThreadLocale();
  std::string format = ReadLocaleInfoString(locale, LOCALE_SSHORTDATE, "");
  if (AFourDigitYear) format = WidenedYear(format);
  SYSTEMTIME st;
  DateTimeToSystemTime(Date, st);
  char buffer[100];
  if (GetDateFormatA(locale, 0, &st, format.c_str(), buffer, sizeof buffer) == 0) return VariantText(Date);
  std::string text = buffer;
  if (TimeOnlyPart(Date) != 0 && GetTimeFormatA(locale, 0, &st, nullptr, buffer, sizeof buffer) != 0)
    text += std::string(" ") + buffer;
  return text;
}

}  // namespace

void DateTimeToDisplayText(bool AFourDigitYear, bool AUseProgramFormats, std::string& Text, TDateTime Date) {
  if (Date == NullDate) {
    Text.clear();
    return;
  }
  Text = AUseProgramFormats ? ProgramFormatText(AFourDigitYear, Date) : LocaleFormatText(AFourDigitYear, Date);
}

void DateTimeToDisplayTextEx(bool AFourDigitYear, std::string& Text, TDateTime Date) {
  DateTimeToDisplayText(AFourDigitYear, GetFormatController()->UsePlatformFormats, Text, Date);
}

void DateTimeToEditText(bool AMasked, bool AWithTime, bool AFourDigitYear, std::string& Text, TDateTime Date) {
  if (Date == NullDate) {
    Text.clear();
  } else if (!AMasked) {
    DateTimeToDisplayTextEx(AFourDigitYear, Text, Date);
  } else if (AWithTime) {
    Text = FormatDateTime(GetFormatController()->DateTimeDisplayFormat, Date);
  } else {
    Text = FormatDateTime(GetFormatController()->DateDisplayFormat, DateOnlyPart(Date));
  }
}
