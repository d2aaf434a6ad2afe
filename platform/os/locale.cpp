// The selected locale, its overrides, GetLocaleInfo and FormatSettings (see locale.h).
#include "platform/os/locale.h"

#include <charconv>
#include <cstring>
#include <mutex>
#include <shared_mutex>
#include <stdexcept>

#include "platform/core/win_errors.h"
#include "platform/os/locale_tables.h"
#include "platform/os/os_error.h"

namespace {

struct Selected {
  std::shared_mutex mutex;
  const LocaleTable* table = FindLocaleTable(kDefaultLocaleName);
  std::vector<std::pair<LCTYPE, std::string>> overrides;
};

Selected& Current() {
  static Selected selected;
  return selected;
}

bool MeansSelected(LCID locale) {
  return locale == 0 || locale == LOCALE_USER_DEFAULT || locale == LOCALE_SYSTEM_DEFAULT;
}

// Resolves an LCID under the caller's lock.
const LocaleTable* Resolve(const Selected& s, LCID locale) {
  return MeansSelected(locale) ? s.table : FindLocaleTable(locale);
}

std::optional<std::string> Lookup(const Selected& s, LCID locale, LCTYPE type) {
  const LocaleTable* table = Resolve(s, locale);
  if (!table) return std::nullopt;
  const bool useOverrides = !(type & LOCALE_NOUSEROVERRIDE) && table == s.table;
  type &= ~LOCALE_NOUSEROVERRIDE;
  if (useOverrides)
    for (const auto& [item, value] : s.overrides)
      if (item == type) return value;
  if (const std::string_view* value = FindLocaleItem(*table, type)) return std::string(*value);
  return std::nullopt;
}

// Reads items of one locale the way the class library does: a missing or empty item, or a
// number that does not parse, gives the default.
class ItemReader {
 public:
  ItemReader(const Selected& s, LCID locale) : s_(s), locale_(locale) {}

  std::string Text(LCTYPE type, std::string_view fallback) const {
    auto value = Lookup(s_, locale_, type);
    return value && !value->empty() ? *value : std::string(fallback);
  }
  char Char(LCTYPE type, char fallback) const { return Text(type, std::string(1, fallback))[0]; }
  int Number(LCTYPE type, int fallback) const {
    const std::string text = Text(type, "");
    int n = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
    return error == std::errc() && end == text.data() + text.size() ? n : fallback;
  }

 private:
  const Selected& s_;
  LCID locale_;
};

void FillTimeFormats(const ItemReader& items, TFormatSettings& fs) {
  const std::string hour = items.Number(LOCALE_ITLZERO, 0) == 0 ? "h" : "hh";
  std::string prefix, postfix;
  if (items.Number(LOCALE_ITIME, 0) == 0) {   // 12-hour clock
    if (items.Number(LOCALE_ITIMEMARKPOSN, 0) == 0)
      postfix = " AMPM";
    else
      prefix = "AMPM ";
  }
  fs.ShortTimeFormat = prefix + hour + ":mm" + postfix;
  fs.LongTimeFormat = prefix + hour + ":mm:ss" + postfix;
}

void FillNames(const ItemReader& items, TFormatSettings& fs) {
  for (int m = 0; m < 12; ++m) {
    fs.ShortMonthNames[m] = items.Text(LOCALE_SABBREVMONTHNAME1 + m, fs.ShortMonthNames[m]);
    fs.LongMonthNames[m] = items.Text(LOCALE_SMONTHNAME1 + m, fs.LongMonthNames[m]);
  }
  for (int d = 0; d < 7; ++d) {   // the class library counts from Sunday, the items from Monday
    const LCTYPE item = (d + 6) % 7;
    fs.ShortDayNames[d] = items.Text(LOCALE_SABBREVDAYNAME1 + item, fs.ShortDayNames[d]);
    fs.LongDayNames[d] = items.Text(LOCALE_SDAYNAME1 + item, fs.LongDayNames[d]);
  }
}

void Fill(const ItemReader& items, TFormatSettings& fs) {
  const TFormatSettings neutral;
  fs = neutral;
  fs.CurrencyString = items.Text(LOCALE_SCURRENCY, neutral.CurrencyString);
  fs.CurrencyFormat = static_cast<Byte>(items.Number(LOCALE_ICURRENCY, 0));
  fs.NegCurrFormat = static_cast<Byte>(items.Number(LOCALE_INEGCURR, 0));
  fs.CurrencyDecimals = static_cast<Byte>(items.Number(LOCALE_ICURRDIGITS, 2));
  fs.ThousandSeparator = items.Char(LOCALE_STHOUSAND, neutral.ThousandSeparator);
  fs.DecimalSeparator = items.Char(LOCALE_SDECIMAL, neutral.DecimalSeparator);
  fs.DateSeparator = items.Char(LOCALE_SDATE, neutral.DateSeparator);
  fs.TimeSeparator = items.Char(LOCALE_STIME, neutral.TimeSeparator);
  fs.ListSeparator = items.Char(LOCALE_SLIST, neutral.ListSeparator);
  fs.ShortDateFormat = items.Text(LOCALE_SSHORTDATE, neutral.ShortDateFormat);
  fs.LongDateFormat = items.Text(LOCALE_SLONGDATE, neutral.LongDateFormat);
  fs.TimeAMString = items.Text(LOCALE_S1159, neutral.TimeAMString);
  fs.TimePMString = items.Text(LOCALE_S2359, neutral.TimePMString);
  FillTimeFormats(items, fs);
  FillNames(items, fs);
  fs.EraYearOffset = items.Number(LOCALE_ICALENDARTYPE, CAL_GREGORIAN) == CAL_THAI ? 543 : 0;
}

Integer Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

bool SetLocale(std::string_view name) {
  const LocaleTable* table = FindLocaleTable(name);
  if (!table) return false;
  {
    Selected& s = Current();
    std::unique_lock lock(s.mutex);
    s.table = table;
    s.overrides.clear();
  }
  GetFormatSettings();
  return true;
}

std::string LocaleName() {
  Selected& s = Current();
  std::shared_lock lock(s.mutex);
  return std::string(s.table->name);
}

LCID GetUserDefaultLCID() {
  Selected& s = Current();
  std::shared_lock lock(s.mutex);
  return s.table->lcid;
}

LCID GetSystemDefaultLCID() { return GetUserDefaultLCID(); }
LCID GetThreadLocale() { return GetUserDefaultLCID(); }

const LocaleTable* LocaleTableOf(LCID locale) {
  Selected& s = Current();
  std::shared_lock lock(s.mutex);
  return Resolve(s, locale);
}

std::optional<std::string> GetLocaleInfo(LCID locale, LCTYPE type) {
  Selected& s = Current();
  std::shared_lock lock(s.mutex);
  return Lookup(s, locale, type);
}

Integer GetLocaleInfoA(LCID locale, LCTYPE type, char* data, Integer size) {
  const auto value = GetLocaleInfo(locale, type);
  if (!value || size < 0)
    return Fail(LocaleTableOf(locale) ? ERROR_INVALID_FLAGS : ERROR_INVALID_PARAMETER);
  const auto needed = static_cast<Integer>(value->size() + 1);
  if (size == 0) return needed;
  if (!data) return Fail(ERROR_INVALID_PARAMETER);
  if (size < needed) return Fail(ERROR_INSUFFICIENT_BUFFER);
  std::memcpy(data, value->c_str(), value->size() + 1);
  return needed;
}

bool SetLocaleInfo(LCID locale, LCTYPE type, std::string_view value) {
  Selected& s = Current();
  std::unique_lock lock(s.mutex);
  if (Resolve(s, locale) != s.table) return false;
  type &= ~LOCALE_NOUSEROVERRIDE;
  for (auto& [item, text] : s.overrides)
    if (item == type) {
      text = value;
      return true;
    }
  s.overrides.emplace_back(type, std::string(value));
  return true;
}

void GetLocaleFormatSettings(LCID locale, TFormatSettings& settings) {
  Selected& s = Current();
  std::shared_lock lock(s.mutex);
  Fill(ItemReader(s, locale), settings);
}

void GetFormatSettings() { GetLocaleFormatSettings(LOCALE_USER_DEFAULT, FormatSettings); }

const Unit LocaleUnit{"Locale", [] { SetLocale(kDefaultLocaleName); }, nullptr};

ScopedLocale::ScopedLocale(std::string_view name) : settings_(FormatSettings) {
  {
    Selected& s = Current();
    std::shared_lock lock(s.mutex);
    name_ = s.table->name;
    overrides_ = s.overrides;
  }
  if (!SetLocale(name)) throw std::invalid_argument("no locale table named " + std::string(name));
}

ScopedLocale::~ScopedLocale() {
  SetLocale(name_);
  Selected& s = Current();
  std::unique_lock lock(s.mutex);
  s.overrides = std::move(overrides_);
  FormatSettings = settings_;
}
