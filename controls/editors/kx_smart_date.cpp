#include "controls/editors/kx_smart_date.h"

#include <algorithm>
#include <array>

#include "controls/editors/kx_date_utils.h"
#include "controls/editors/kx_formats.h"
#include "controls/editors/kx_smart_keywords.h"
#include "controls/foundation/kx_classes.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"
#include "platform/core/format_settings.h"
#include "platform/core/int_text.h"
#include "platform/core/variant.h"
#include "platform/os/clock.h"
#include "platform/os/collation.h"
#include "platform/os/locale.h"

TkxSmartTextHook SmartTextHook = nullptr;

namespace {

constexpr Integer kYesterday = 1, kTomorrow = 2, kSunday = 3, kSaturday = 9, kFirst = 10, kSeventh = 16,
                  kBom = 17, kEom = 18;

TDateTime KeywordDate(Integer Index) {
  const TDateTime today = Date();
  Word year, month, day;
  DecodeDate(today, year, month, day);
  if (Index == kYesterday) return today - 1;
  if (Index == kTomorrow) return today + 1;
  if (Index >= kSunday && Index <= kSaturday) {
    const Integer d = (Index - 2) - DayOfWeek(today);
    return today + (d >= 0 ? d : 7 + d);
  }
  if (Index >= kFirst && Index <= kSeventh) return today - (DayOfWeekFromWeekStart(today) - (Index - kFirst));
  if (Index == kBom) return EncodeDate(year, month, 1);
  if (Index == kEom) return EncodeDate(year, month, MonthDayCount(year, month));
  if (Index == SmartKeywordNow) return Now();
  return today;
}

// "+ 2" or "-1" after a keyword: the days to add; 0 when there is no such offset or it does not read.
Integer OffsetDays(const std::string& Remainder) {
  if (Remainder.size() < 2 || (Remainder[0] != '+' && Remainder[0] != '-')) return 0;
  Integer days = 0;
  if (!TryStrToInt(Trim(std::string_view(Remainder).substr(1)), days)) return 0;
  return Remainder[0] == '+' ? days : -days;
}

bool UsesProgramFormats() { return GetFormatController()->UsePlatformFormats; }

TDateTime VariantTextToDateTime(const std::string& Text) { return Variant(Text).AsDateTime(); }

std::array<std::string, 4> KeptSeparators(bool AUseLocale) {
  std::array<std::string, 4> kept;
  if (AUseLocale) {
    const LCID locale = GetThreadLocale();
    kept = {ReadLocaleInfoString(locale, LOCALE_SDATE, "/").substr(0, 1),
            ReadLocaleInfoString(locale, LOCALE_STIME, ":").substr(0, 1),
            ReadLocaleInfoString(locale, LOCALE_S1159, "am"), ReadLocaleInfoString(locale, LOCALE_S2359, "pm")};
  } else {
    kept = {std::string(1, FormatSettings.DateSeparator), std::string(1, FormatSettings.TimeSeparator),
            FormatSettings.TimeAMString, FormatSettings.TimePMString};
  }
  for (std::string& text : kept) text = AnsiUpperCase(Trim(text));
  return kept;
}

void BlankOutLiterals(std::string& Text, const TkxDateTimeFormatInfo& Info, const std::array<std::string, 4>& Kept) {
  for (const auto& item : Info.ItemList) {
    if (item.Kind != fikLiteral) continue;
    const std::string literal = AnsiUpperCase(Trim(item.Text));
    if (literal.empty() || std::find(Kept.begin(), Kept.end(), literal) != Kept.end()) continue;
    Text = StringReplace(Text, literal, std::string(literal.size(), ' '), rfReplaceAll | rfIgnoreCase);
  }
}

std::string CollapseBlanks(const std::string& Text) {
  std::string out;
  for (char c : Trim(Text)) {
    const bool blank = static_cast<unsigned char>(c) <= ' ';
    if (!blank) out += c;
    else if (!out.empty() && out.back() != ' ') out += ' ';
  }
  return out;
}

bool InDateRange(TDateTime Date) { return Date >= EncodeDate(1, 1, 1) && Date < EncodeDate(MaxYear, 12, 31) + 1; }

}  // namespace

bool MatchSmartKeyword(const std::string& Text, Integer& Index) {
  const auto keywords = LoadSmartKeywords();
  std::array<Integer, SmartKeywordCount> order;
  for (Integer i = 0; i < SmartKeywordCount; ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](Integer a, Integer b) {
    if (keywords[a].size() != keywords[b].size()) return keywords[a].size() > keywords[b].size();
    return AnsiCompareText(keywords[a], keywords[b]) > 0;
  });
  for (Integer i : order) {
    if (keywords[i].empty() || !AnsiSameText(keywords[i], std::string_view(Text).substr(0, keywords[i].size())))
      continue;
    Index = i;
    return true;
  }
  return false;
}

bool SmartTextToDate(const std::string& Text, TDateTime& Date) {
  Integer index = 0;
  if (!MatchSmartKeyword(Text, index)) return SmartTextHook != nullptr && SmartTextHook(Text, Date);
  const std::string remainder = Trim(std::string_view(Text).substr(LoadSmartKeywords()[index].size()));
  Date = KeywordDate(index) + OffsetDays(remainder);
  return true;
}

void PrepareDateText(std::string& Text, bool AUseLocale) {
  const auto kept = KeptSeparators(AUseLocale);
  const TkxFormatController* controller = GetFormatController();
  BlankOutLiterals(Text, controller->DateLayout, kept);
  BlankOutLiterals(Text, controller->TimeLayout, kept);
  Text = CollapseBlanks(Text);
}

bool TextToDateValue(const std::string& Text, TDateTime& Date) {
  try {
    std::string s = Trim(Text);
    if (s.empty()) return false;
    if (!SmartTextToDate(s, Date)) {
      const bool programFormats = UsesProgramFormats();
      PrepareDateText(s, !programFormats);
      Date = programFormats ? StrToDateTime(s) : VariantTextToDateTime(s);
    }
    return InDateRange(Date);
  } catch (const Exception&) {
    Date = NullDate;
    return false;
  }
}

bool TryEditTextToDateTime(const std::string& Text, bool AUseVariantConversion, TDateTime& Date) {
  Date = NullDate;
  try {
    std::string s = Text;
    PrepareDateText(s, AUseVariantConversion);
    Date = AUseVariantConversion ? VariantTextToDateTime(s) : StrToDateTime(s);
    return true;
  } catch (const Exception&) {
    Date = NullDate;
    return false;
  }
}
