// The smart-input expression: quoting texts as literals, the extended date masks byte for byte,
// and the format controller's extended date masks under th-TH and en-US.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_formats.h"
#include "controls/editors/kx_reg_expr.h"
#include "controls/editors/kx_smart_input_expression.h"
#include "platform/core/format_settings.h"
#include "platform/os/locale.h"
#include "reg_expr_test_support.h"

namespace {

TEST(SmartInputExpression, QuoteForExpressionQuotesRunsAndEscapesQuotes) {
  const struct {
    const char* text;
    const char* quoted;
  } cases[] = {
      {"plain", "'plain'"}, {"it's", "'it'\\''s'"}, {"''", "\\'\\'"}, {"", ""},
      {"'a", "\\''a'"},     {"a'", "'a'\\'"},       {"a b.", "'a b.'"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(QuoteForExpression(c.text), c.quoted);
    if (*c.text == '\0') continue;
    TkxRegExpr expr;   // the quoted text matches exactly the text
    CompileText(expr, c.quoted);
    EXPECT_EQ(FeedText(expr, std::string(c.text) + "x"), c.text);
    EXPECT_TRUE(expr.IsComplete());
  }
}

TEST(SmartInputExpression, KeywordsFollowTheExpressionWithAnOptionalOffset) {
  const std::string keywords =
      "'today'|'yesterday'|'tomorrow'|'Sunday'|'Monday'|'Tuesday'|'Wednesday'|'Thursday'|'Friday'|'Saturday'|"
      "'first'|'second'|'third'|'fourth'|'fifth'|'sixth'|'seventh'|'bom'|'eom'";
  const std::string offset = ")((\\+|-)\\d(\\d(\\d\\d?)?)?)?";
  std::string date = "\\d";
  BuildSmartInputExpression(date, false);
  EXPECT_EQ(date, "(\\d)|(" + keywords + offset);
  std::string dateTime = "\\d";
  BuildSmartInputExpression(dateTime, true);
  EXPECT_EQ(dateTime, "(\\d)|(" + keywords + "|'now'" + offset);
}

struct SmartCase {
  const char* locale;
  const char* typed;
  const char* takenByDate;
  bool dateComplete;
  const char* takenByDateTime;
  bool dateTimeComplete;
};

TEST(SmartInputExpression, ExtendedControllerMasksTakeDatesAndKeywords) {
  const SmartCase cases[] = {
      // the blank before the optional time is required by the date-time mask
      {"th-TH", "8/12/2569", "8/12/2569", true, "8/12/2569", false},
      {"en-US", "12/8/2026", "12/8/2026", true, "12/8/2026", false},
      {"th-TH", "8/12/2569 14:05:09", "8/12/2569", true, "8/12/2569 14:05:09", true},
      {"en-US", "12/8/2026 2:05:09 PM", "12/8/2026", true, "12/8/2026 2:05:09 PM", true},
      {"th-TH", "today", "today", true, "today", true},
      {"en-US", "TODAY+3", "TODAY+3", true, "TODAY+3", true},
      {"th-TH", "eom-1", "eom-1", true, "eom-1", true},
      {"en-US", "Friday", "Friday", true, "Friday", true},
      {"th-TH", "friday-1234", "friday-1234", true, "friday-1234", true},
      {"th-TH", "today+12345", "today+1234", true, "today+1234", true},   // at most four digits
      {"en-US", "today+", "today+", false, "today+", false},
      {"th-TH", "now", "w", false, "now", true},   // "now" only with the time ("w" begins "Wednesday")
      {"en-US", "now", "no", false, "now", true},                         // "no" begins "Nov"
  };
  for (const SmartCase& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + c.typed);
    ScopedLocale locale(c.locale);
    const TkxFormatController controller;
    TkxRegExpr date, dateTime;
    date.SetCaseInsensitive(true);
    dateTime.SetCaseInsensitive(true);
    CompileText(date, controller.DateRegExprMask);
    CompileText(dateTime, controller.DateTimeRegExprMask);
    EXPECT_EQ(date.AdvanceText(c.typed), c.takenByDate);
    EXPECT_EQ(date.IsComplete(), c.dateComplete);
    EXPECT_EQ(dateTime.AdvanceText(c.typed), c.takenByDateTime);
    EXPECT_EQ(dateTime.IsComplete(), c.dateTimeComplete);
  }
}

TEST(SmartInputExpression, MonthNamesHoldingAQuoteStillCompile) {
  ScopedLocale locale("en-US");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME1, "Jan'y");
  GetFormatSettings();
  TkxRegExpr quotedAsBefore;   // "'" + name + "'" breaks on the quote inside
  EXPECT_THROW(CompileText(quotedAsBefore, "('" + FormatSettings.ShortMonthNames[0] + "'|'Feb')\\/\\d"),
               EkxRegExprError);
  TkxRegExpr date;
  date.SetCaseInsensitive(true);
  CompileText(date, TkxFormatController().DateRegExprMask);
  EXPECT_EQ(date.AdvanceText("Jan'y/8/2026"), "Jan'y/8/2026");
  EXPECT_TRUE(date.IsComplete());
}

}  // namespace
