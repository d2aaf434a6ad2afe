#include "controls/editors/kx_number_text.h"

#include <algorithm>

#include "platform/core/float_text.h"
#include "platform/core/format_settings.h"

namespace {

bool IsBlank(char Ch) { return static_cast<unsigned char>(Ch) <= ' '; }

}  // namespace

void FormatNumberWithThousandSeparators(std::string& Text) {
  std::size_t end = Text.size();
  while (end > 0 && IsBlank(Text[end - 1])) --end;
  std::size_t start = 0;
  while (start < end && IsBlank(Text[start])) ++start;
  const std::string trailing = Text.substr(end);
  const std::string leading = Text.substr(0, start);
  std::string number = Text.substr(start, end - start);
  std::string exponent;
  SplitExponentPart(number, exponent);
  RemoveThousandSeparators(number);

  const std::size_t decimal = number.find(FormatSettings.DecimalSeparator);
  std::size_t position = decimal == std::string::npos ? number.size() : decimal;
  // position is one past the digit being looked at; a separator goes in front of every third.
  for (int digits = 1; position > 0 && IsDigitChar(number[position - 1]); --position, ++digits)
    if (digits % 3 == 0 && position > 1 && IsDigitChar(number[position - 2]))
      number.insert(position - 1, 1, FormatSettings.ThousandSeparator);
  Text = leading + number + exponent + trailing;
}

void SplitExponentPart(std::string& Text, std::string& Exponent) {
  const std::size_t e = Text.find_first_of("Ee");
  if (e == std::string::npos) {
    Exponent.clear();
    return;
  }
  Exponent = Text.substr(e);
  Text.erase(e);
}

void RemoveThousandSeparators(std::string& Text) {
  Text.erase(std::remove(Text.begin(), Text.end(), FormatSettings.ThousandSeparator), Text.end());
}

bool IsNumericText(std::string_view Text) {
  std::string plain(Text);
  RemoveThousandSeparators(plain);
  double value = 0;
  return !plain.empty() && TryStrToFloat(plain, value, FormatSettings);
}

bool IsDigitChar(char Ch) { return Ch >= '0' && Ch <= '9'; }
