#include "controls/editors/kx_format_builders.h"

#include <algorithm>

#include "controls/editors/kx_smart_input_expression.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"

namespace {

bool HasNames(const TkxDateTimeFormatItem& Item) { return Item.Text.size() > 2; }

size_t LongerAmPmLength() {
  return std::max(FormatSettings.TimeAMString.size(), FormatSettings.TimePMString.size());
}

std::string SeparatorExpression(char Separator) {
  if (Separator == '\0') return "";
  if (Separator == ' ') return "' '";
  return std::string("\\") + Separator;
}

std::string MonthExpression(const TkxDateTimeFormatItem& Item) {
  const auto& names = Item.Text.size() == 4 ? FormatSettings.LongMonthNames : FormatSettings.ShortMonthNames;
  std::string alternatives;
  for (const std::string& name : names) {
    if (!alternatives.empty()) alternatives += '|';
    alternatives += QuoteForExpression(name);
  }
  return "((0?[1-9]|1[012])|(" + alternatives + "))";
}

std::string AmPmExpression(const TkxDateTimeFormatItem& Item) {
  if (SameText(Item.Text, "A/P")) return "(A|P)?";
  if (SameText(Item.Text, "AM/PM")) return "(AM|PM)?";
  const std::string& am = FormatSettings.TimeAMString;
  const std::string& pm = FormatSettings.TimePMString;
  if (!am.empty() && !pm.empty()) return "(" + QuoteForExpression(am) + "|" + QuoteForExpression(pm) + ")?";
  if (am.empty() && pm.empty()) return "";
  return "(" + QuoteForExpression(am.empty() ? pm : am) + ")?";
}

std::string DateItemExpression(const TkxDateTimeFormatItem& Item) {
  switch (Item.Kind) {
    case fikYear: return Item.Text == "YY" ? "\\d\\d" : "\\d\\d\\d\\d";
    case fikMonth: return MonthExpression(Item);
    case fikDay: return "([012]?[1-9]|[123]0|31)";
    case fikDateSeparator: return SeparatorExpression(FormatSettings.DateSeparator);
    default: return "";
  }
}

std::string TimeItemExpression(const TkxDateTimeFormatItem& Item) {
  switch (Item.Kind) {
    case fikHour: return Item.Text.starts_with("12") ? "(0?[1-9]|1[012])" : "([01]?\\d|2[0-3])";
    case fikMinute:
    case fikSecond: return "[0-5]?\\d";
    case fikAmPm: return AmPmExpression(Item);
    case fikTimeSeparator: return SeparatorExpression(FormatSettings.TimeSeparator);
    default: return "";
  }
}

std::string ClassicMaskOf(const TkxDateTimeFormatItem& Item) {
  switch (Item.Kind) {
    case fikLiteral: {
      std::string escaped;
      for (char c : Item.Text) escaped += {'\\', c};
      return escaped;
    }
    case fikYear: return Item.Text == "YY" ? "99" : "9999";
    case fikMonth:
    case fikDay: return HasNames(Item) ? "lll" : "99";
    case fikHour:
    case fikMinute:
    case fikSecond: return "99";
    case fikAmPm:
      if (SameText(Item.Text, "A/P")) return "c";
      if (SameText(Item.Text, "AM/PM")) return "cc";
      return std::string(LongerAmPmLength(), 'c');
    case fikDateSeparator: return "/";
    case fikTimeSeparator: return ":";
    default: return "";
  }
}

std::string DisplayFormatOf(const TkxDateTimeFormatItem& Item) {
  switch (Item.Kind) {
    case fikLiteral: return "\"" + Item.Text + "\"";
    case fikYear:
    case fikAmPm: return LowerCase(Item.Text);
    case fikMonth: return HasNames(Item) ? "mmm" : "mm";
    case fikDay: return HasNames(Item) ? "ddd" : "dd";
    case fikHour: return "hh";
    case fikMinute: return "nn";
    case fikSecond: return "ss";
    case fikDateSeparator: return "/";
    case fikTimeSeparator: return ":";
    default: return "";
  }
}

// The currency string with "," and "." quoted, so that the format reads them as text.
std::string CurrencyPart() {
  std::string part;
  for (char c : FormatSettings.CurrencyString) {
    if (c == ',' || c == '.') part += {'\'', c, '\''};
    else part += c;
  }
  return part;
}

std::string NegativeCurrencyLayout(const std::string& C, const std::string& N) {
  switch (FormatSettings.NegCurrFormat) {
    case 0: return "(" + C + N + ")";
    case 1: return "-" + C + N;
    case 2: return C + "-" + N;
    case 3: return C + N + "-";
    case 4: return "(" + N + C + ")";
    case 5: return "-" + N + C;
    case 6: return N + "-" + C;
    case 7: return N + C + "-";
    case 8: return "-" + N + " " + C;
    case 9: return "-" + C + " " + N;
    case 10: return N + " " + C + "-";
    case 11: return C + " " + N + "-";
    case 12: return C + " -" + N;
    case 13: return N + "- " + C;
    case 14: return "(" + C + " " + N + ")";
    case 15: return "(" + N + " " + C + ")";
    default: return "";
  }
}

std::string PositiveCurrencyLayout(const std::string& C, const std::string& N) {
  switch (FormatSettings.CurrencyFormat) {
    case 1: return N + C;
    case 2: return C + " " + N;
    case 3: return N + " " + C;
    default: return C + N;
  }
}

}  // namespace

std::string BuildClassicMask(const TkxDateTimeFormatInfo& Info) {
  if (Info.ItemList.empty()) return "";
  std::string mask = "!";
  for (const auto& item : Info.ItemList) mask += ClassicMaskOf(item);
  return mask + ";1; ";
}

std::string BuildRegExprMask(const TkxDateTimeFormatInfo& Info, TkxFormatGroup Group) {
  std::string mask;
  for (const auto& item : Info.ItemList) {
    if (item.Kind == fikLiteral) mask += QuoteForExpression(item.Text);
    else mask += Group == TkxFormatGroup::Date ? DateItemExpression(item) : TimeItemExpression(item);
  }
  return mask;
}

std::string BuildDisplayFormat(const TkxDateTimeFormatInfo& Info) {
  std::string format;
  for (const auto& item : Info.ItemList) format += DisplayFormatOf(item);
  return format;
}

std::string BuildCurrencyFormat() {
  const std::string number = ",0." + std::string(FormatSettings.CurrencyDecimals, '0');
  const std::string currency = CurrencyPart();
  const std::string positive = currency.empty() ? "" : PositiveCurrencyLayout(currency, number);
  return positive + ";" + NegativeCurrencyLayout(currency, number);
}

std::string BuildDateEditText(std::string_view ShortDateFormat) {
  std::string text;
  for (size_t i = 0; i < ShortDateFormat.size(); ++i) {
    const char c = ShortDateFormat[i];
    text += c;
    const bool alone = (i == 0 || ShortDateFormat[i - 1] != c) &&
                       (i + 1 == ShortDateFormat.size() || ShortDateFormat[i + 1] != c);
    if ((c == 'd' || c == 'M') && alone) text += c;
  }
  return text;
}
