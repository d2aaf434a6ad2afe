#include "grid/cell_text_kinds.h"

#include "platform/core/ansi_strings.h"
#include "platform/core/format_settings.h"

namespace {

bool IsExponentMark(char ch) { return ch == 'E' || ch == 'e'; }

// Counts of the characters the number kinds are told apart by.
struct NumberCharCounts {
  int thousands = 0;
  int decimals = 0;
  int minuses = 0;
  int exponents = 0;
  bool minusAfterFirst = false;
  bool onlyDecimalChars = true;      // digits, "-", thousand and decimal separators
  bool onlyScientificChars = true;   // digits, "+", "-", "E", "e", decimal separators
};

NumberCharCounts CountNumberChars(std::string_view text) {
  const char thousand = FormatSettings.ThousandSeparator;
  const char decimal = FormatSettings.DecimalSeparator;
  NumberCharCounts counts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    const bool digit = IsDecimalDigit(ch);
    if (ch == thousand) ++counts.thousands;
    else if (ch == decimal) ++counts.decimals;
    if (ch == '-') {
      ++counts.minuses;
      if (i > 0) counts.minusAfterFirst = true;
    }
    if (IsExponentMark(ch)) ++counts.exponents;
    if (!(digit || ch == '-' || ch == thousand || ch == decimal)) counts.onlyDecimalChars = false;
    if (!(digit || ch == '+' || ch == '-' || IsExponentMark(ch) || ch == decimal)) counts.onlyScientificChars = false;
  }
  return counts;
}

bool IsScientific(std::string_view text, const NumberCharCounts& counts) {
  return counts.onlyScientificChars && counts.exponents == 1 && counts.minuses <= 2 && !IsExponentMark(text.front()) &&
         !(text.back() == '+' || text.back() == '-' || IsExponentMark(text.back()));
}

}  // namespace

Integer CellTextKind(std::string_view text, bool markupEnabled) {
  const std::string padded = std::string(text) + ' ';
  if (padded.starts_with("{\\")) return ctkRichText;
  if (padded.starts_with('=')) return ctkFormula;
  if (padded.starts_with("|\\")) return padded.size() >= 4 && padded[3] == '=' ? ctkFormula : ctkWideText;
  const bool tagged = padded.find("</") != std::string::npos || padded.find("<B") != std::string::npos ||
                      padded.find("<I") != std::string::npos;
  return markupEnabled && tagged ? ctkMarkup : ctkPlain;
}

Integer NumberTextKind(std::string_view text) {
  if (text.empty()) return ntkNotANumber;
  const NumberCharCounts counts = CountNumberChars(text);
  if (counts.thousands > 1 || counts.decimals > 1) return ntkNotANumber;
  if (counts.onlyDecimalChars && !counts.minusAfterFirst) {
    if (counts.thousands == 0 && counts.decimals == 0) return ntkInteger;
    if (text.front() != FormatSettings.ThousandSeparator) return ntkDecimal;
    return ntkNotANumber;
  }
  return IsScientific(text, counts) ? ntkScientific : ntkNotANumber;
}

std::string NormalizeNumberText(std::string_view text) {
  if (text.empty()) return "";
  const char thousand = FormatSettings.ThousandSeparator;
  const char decimal = FormatSettings.DecimalSeparator;
  const std::string trimmed = Trim(text);
  std::string_view rest = trimmed;
  bool negative = rest.starts_with('(') && rest.ends_with(')');
  while (rest.size() >= 2) {
    const char first = rest.front();
    if (IsDecimalDigit(first) || IsExponentMark(first) || first == thousand || first == decimal) break;
    if (first == '-') negative = true;
    rest.remove_prefix(1);
  }
  std::string number = negative ? "-" : "";
  for (const char ch : rest) {
    if (ch == thousand) continue;
    if (ch == decimal) number += '.';
    else if (IsDecimalDigit(ch) || ch == '+' || ch == '-' || ch == '.' || IsExponentMark(ch)) number += ch;
    else break;
  }
  return number;
}

bool IsLinkText(std::string_view text) {
  return text.find("://") != std::string_view::npos || text.find("mailto:") != std::string_view::npos;
}
