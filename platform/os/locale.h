// The program's regional settings: the selected locale table (th-TH by default, or en-US), user
// overrides of single items, the GetLocaleInfo-like answers and the process-wide FormatSettings
// filled from them.
//
// Locale items are code page 874 texts.  LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT, 0 and the
// thread locale all mean the selected locale; the LCID of a known table means that table.
// Overrides (SetLocaleInfo) belong to the selected locale, vanish when another is selected and
// are not seen through LOCALE_NOUSEROVERRIDE.  Thread-safe.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/core/format_settings.h"
#include "platform/core/units.h"
#include "platform/os/locale_constants.h"

struct LocaleTable;

inline constexpr std::string_view kDefaultLocaleName = "th-TH";

// Selects a locale by name ("th-TH", "en-US"), drops the overrides and refills FormatSettings.
// False, and nothing changes, when the program has no table of that name.
bool SetLocale(std::string_view name);
std::string LocaleName();

LCID GetUserDefaultLCID();
LCID GetSystemDefaultLCID();
LCID GetThreadLocale();
// The table an LCID means (see above), or null.
const LocaleTable* LocaleTableOf(LCID locale);

// The text of one item; nothing for an unknown locale or item.
std::optional<std::string> GetLocaleInfo(LCID locale, LCTYPE type);
// The platform's buffer form: with `size` 0 the characters needed (terminating null included);
// otherwise the item and a null are copied into `data` and their count returned; 0 (and the
// last error set) for an unknown locale or item or a buffer that is too small.
Integer GetLocaleInfoA(LCID locale, LCTYPE type, char* data, Integer size);
// Overrides one item of the selected locale (as the regional-settings panel does); false for
// another locale.  FormatSettings follows at the next GetFormatSettings.
bool SetLocaleInfo(LCID locale, LCTYPE type, std::string_view value);

// The class library's settings of a locale: separators, formats, names, currency, and the era
// year offset (543 under the Thai calendar).
void GetLocaleFormatSettings(LCID locale, TFormatSettings& settings);
// FormatSettings := the selected locale's settings.
void GetFormatSettings();

// Initialisation that selects the default locale; programs list it before any unit that reads
// FormatSettings.
extern const Unit LocaleUnit;

// For tests: selects a locale for a scope and puts back the previous locale, its overrides and
// FormatSettings afterwards.
class ScopedLocale {
 public:
  explicit ScopedLocale(std::string_view name);
  ~ScopedLocale();
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

 private:
  std::string name_;
  std::vector<std::pair<LCTYPE, std::string>> overrides_;
  TFormatSettings settings_;
};
