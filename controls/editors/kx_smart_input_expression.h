// The regular expression of smart date input: a date mask extended so that the masked date editor
// also takes a smart keyword with an optional offset of days ("today", "TODAY+3", "eom-1").
#pragma once

#include <string>
#include <string_view>

// Text as a literal of the expression language: every run of characters other than "'" between
// quotes, every "'" as "\'".  "it's" gives "'it'\''s'"; a text without quotes gives "'text'".
std::string QuoteForExpression(std::string_view Text);

// Expression := "(" Expression ")|(" keyword "|" keyword ... ")((\+|-)\d(\d(\d\d?)?)?)?", the
// keywords quoted, "now" only with AWithTime: a keyword followed by an optional sign and one to
// four digits.
void BuildSmartInputExpression(std::string& Expression, bool AWithTime);
