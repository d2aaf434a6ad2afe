#include "controls/editors/kx_smart_input_expression.h"

#include "controls/editors/kx_smart_keywords.h"

std::string QuoteForExpression(std::string_view Text) {
  std::string quoted;
  std::size_t i = 0;
  while (i < Text.size()) {
    if (Text[i] == '\'') {
      quoted += "\\'";
      ++i;
      continue;
    }
    const std::size_t run = Text.find('\'', i);
    const std::size_t end = run == std::string_view::npos ? Text.size() : run;
    quoted += '\'';
    quoted += Text.substr(i, end - i);
    quoted += '\'';
    i = end;
  }
  return quoted;
}

void BuildSmartInputExpression(std::string& Expression, bool AWithTime) {
  const auto keywords = LoadSmartKeywords();
  std::string result = "(" + Expression + ")|(";
  const int count = AWithTime ? SmartKeywordCount : SmartKeywordNow;
  for (int i = 0; i < count; ++i) {
    if (i > 0) result += '|';
    result += QuoteForExpression(keywords[i]);
  }
  Expression = result + ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
}
