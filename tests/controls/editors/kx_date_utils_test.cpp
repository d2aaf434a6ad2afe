// The date routines on a fake clock (Tuesday 8 December 2026, 14:05:09): month and week
// arithmetic, smart keywords, typed texts to dates and dates to display and edit texts.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "controls/editors/kx_date_text.h"
#include "controls/editors/kx_date_utils.h"
#include "controls/editors/kx_formats.h"
#include "controls/editors/kx_smart_date.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/format_settings.h"
#include "platform/os/clock.h"
#include "platform/os/locale.h"

namespace {

const TDateTime kToday = EncodeDate(2026, 12, 8);
const TDateTime kNow = kToday + EncodeTime(14, 5, 9, 0);

// A locale for the test with the format controller following it, and the controller following
// the locale put back afterwards.
class DateTest : public ::testing::Test {
 protected:
  void UseLocale(const char* name) {
    locale_.reset();
    locale_.emplace(name);
    GetFormatController()->Refresh();
  }
  void SetUp() override { UseLocale("th-TH"); }
  void TearDown() override {
    locale_.reset();
    GetFormatController()->Refresh();
  }
  std::string Text(TDateTime date) { return FormatDateTime("yyyy-mm-dd hh:nn:ss", date, neutral_); }

  FakeClock clock_{kNow, 0};
  ScopedClock scopedClock_{clock_};
  std::optional<ScopedLocale> locale_;
  const TFormatSettings neutral_{};
};

TEST_F(DateTest, MonthArithmetic) {
  const struct {
    Word year, month;
    Integer delta;
    Word toYear, toMonth;
  } shifts[] = {{2026, 1, -13, 2024, 12}, {2026, 1, -1, 2025, 12}, {2026, 12, 1, 2027, 1},
                {2026, 5, 24, 2028, 5},   {2026, 12, -12, 2025, 12}, {2026, 5, 0, 2026, 5}};
  for (const auto& s : shifts) {
    Word year = s.year, month = s.month;
    ShiftMonths(year, month, s.delta);
    EXPECT_EQ(year * 100 + month, s.toYear * 100 + s.toMonth) << s.year << "-" << s.month << " " << s.delta;
  }
  Word year = 2026, month = 1;
  StepToPrevMonth(year, month);
  EXPECT_EQ(year * 100 + month, 202512);
  StepToNextMonth(year, month);
  StepToNextMonth(year, month);
  EXPECT_EQ(year * 100 + month, 202602);
  EXPECT_EQ(MonthDayCount(2028, 2), 29);
  EXPECT_EQ(MonthDayCount(1900, 2), 28);
  EXPECT_EQ(MonthDayCount(2000, 2), 29);
  EXPECT_EQ(ClampDayToMonth(2026, 2, 31), 28);
  EXPECT_EQ(ClampDayToMonth(2026, 2, -3), 1);
  EXPECT_EQ(ClampDayToMonth(2026, 2, 14), 14);
  EXPECT_EQ(DecodeDatePart(1, kNow), 12);
  EXPECT_EQ(Text(DateOnlyPart(kNow) + TimeOnlyPart(kNow)), "2026-12-08 14:05:09");
  EXPECT_EQ(Text(GetMinimalDate()), "0100-01-01 00:00:00");
}

TEST_F(DateTest, WeeksOfTheYear) {
  const Byte monday = 1, sunday = 0;
  const struct {
    Byte firstDay, rule;
    TDateTime date;
    Integer week;
  } cases[] = {
      {monday, 2, EncodeDate(2025, 1, 2), 1},     // 1 January a Wednesday: the first full week starts on the 6th
      {monday, 2, EncodeDate(2025, 1, 6), 1},     {monday, 2, EncodeDate(2025, 12, 31), 52},
      {monday, 1, EncodeDate(2025, 1, 6), 2},     {monday, 1, EncodeDate(2025, 12, 29), 1},   // week of 1 January 2026
      {monday, 3, EncodeDate(2025, 12, 28), 52},  {monday, 3, EncodeDate(2025, 12, 29), 1},
      {monday, 3, EncodeDate(2027, 1, 1), 1},     {monday, 3, EncodeDate(2027, 1, 4), 1},
      {sunday, 1, EncodeDate(2026, 12, 8), 50},   {sunday, 0, EncodeDate(2026, 12, 8), 50},   // the locale's rule 1
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WeekOfYear(c.firstDay, c.rule, c.date), c.week)
        << Text(c.date) << " first day " << int(c.firstDay) << " rule " << int(c.rule);
  }
  EXPECT_EQ(Text(StartOfWeekContaining(kNow, sunday)), "2026-12-06 00:00:00");
  EXPECT_EQ(Text(StartOfWeekContaining(kNow, 2)), "2026-12-08 00:00:00");
  EXPECT_EQ(DayOfWeekFromWeekStart(kToday), 2);   // th-TH weeks start on Sunday
}

TEST_F(DateTest, SmartKeywords) {
  const struct {
    const char* locale;
    TDateTime now;
    const char* text;
    const char* date;
  } cases[] = {
      {"th-TH", kNow, "today", "2026-12-08 00:00:00"},
      {"th-TH", kNow, "Tuesday", "2026-12-08 00:00:00"},   // today's weekday is today
      {"th-TH", kNow, "monday", "2026-12-14 00:00:00"},
      {"th-TH", kNow, "Wednesday", "2026-12-09 00:00:00"},
      {"th-TH", kNow, "yesterday", "2026-12-07 00:00:00"},
      {"th-TH", kNow, "tomorrow", "2026-12-09 00:00:00"},
      {"th-TH", kNow, "bom-1", "2026-11-30 00:00:00"},
      {"th-TH", EncodeDate(2028, 2, 10), "eom", "2028-02-29 00:00:00"},
      {"th-TH", kNow, "today+", "2026-12-08 00:00:00"},
      {"th-TH", kNow, "today + 2", "2026-12-10 00:00:00"},
      {"th-TH", kNow, "TODAY-1", "2026-12-07 00:00:00"},
      {"th-TH", kNow, "today+x", "2026-12-08 00:00:00"},   // an offset that does not read is ignored
      {"th-TH", kNow, "first", "2026-12-06 00:00:00"},     // the week starts on Sunday
      {"th-TH", kNow, "Third", "2026-12-08 00:00:00"},
      {"th-TH", kNow, "seventh", "2026-12-12 00:00:00"},
      {"th-TH", kNow, "now", "2026-12-08 14:05:09"},
      {"th-TH", kNow, "NOW+1", "2026-12-09 14:05:09"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    UseLocale(c.locale);
    clock_.SetNow(c.now);
    TDateTime date = NullDate;
    ASSERT_TRUE(SmartTextToDate(c.text, date));
    EXPECT_EQ(Text(date), c.date);
  }
  TDateTime date = 0;
  EXPECT_FALSE(SmartTextToDate("8/12/2569", date));
  Integer index = -1;
  ASSERT_TRUE(MatchSmartKeyword("Tomorrow!", index));
  EXPECT_EQ(index, 2);
}

TEST_F(DateTest, OrdinalsFollowTheLocalesFirstDayOfWeek) {
  UseLocale("en-US");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, "0");   // Monday
  GetFormatController()->Refresh();
  EXPECT_EQ(GetFormatController()->WeekStartDay, 1);
  TDateTime date = 0;
  ASSERT_TRUE(SmartTextToDate("first", date));
  EXPECT_EQ(Text(date), "2026-12-07 00:00:00");
  ASSERT_TRUE(SmartTextToDate("seventh", date));
  EXPECT_EQ(Text(date), "2026-12-13 00:00:00");
}

TEST_F(DateTest, TypedTextsToDates) {
  const struct {
    const char* locale;
    const char* text;
    bool read;
    const char* date;   // "" for the null date
  } cases[] = {
      {"th-TH", "8/12/2569", true, "2026-12-08 00:00:00"},
      {"th-TH", " 8/12/2569 14:05 ", true, "2026-12-08 14:05:00"},
      {"en-US", "12/8/2026 2:05:09 PM", true, "2026-12-08 14:05:09"},
      {"th-TH", "today+2", true, "2026-12-10 00:00:00"},
      {"th-TH", "today-9999", true, "1999-07-24 00:00:00"},
      {"th-TH", "xyz", false, ""},
      {"th-TH", "31/2/2569", false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    UseLocale(c.locale);
    TDateTime date = 1;
    EXPECT_EQ(TextToDateValue(c.text, date), c.read);
    EXPECT_EQ(date == NullDate ? "" : Text(date), c.date);
  }
  TDateTime date = 1;
  EXPECT_FALSE(TextToDateValue("", date));
  EXPECT_FALSE(TextToDateValue(" \t", date));
  EXPECT_FALSE(TextToDateValue("today+99999999", date));   // beyond 9999
  EXPECT_FALSE(TextToDateValue("today-99999999", date));
}

TEST_F(DateTest, EditTextsReadWithoutSmartInput) {
  TDateTime date = 1;
  EXPECT_TRUE(TryEditTextToDateTime("8/12/2569", true, date));
  EXPECT_EQ(Text(date), "2026-12-08 00:00:00");
  EXPECT_TRUE(TryEditTextToDateTime("8/12/2569", false, date));
  EXPECT_EQ(Text(date), "2026-12-08 00:00:00");
  EXPECT_FALSE(TryEditTextToDateTime("today", true, date));
  EXPECT_EQ(date, NullDate);
}

TEST_F(DateTest, PreparingBlanksTheFormatsLiterals) {
  UseLocale("en-US");
  FormatSettings.ShortDateFormat = "M/d/yyyy' w.'";
  FormatSettings.LongTimeFormat = "h' h 'mm AMPM";
  GetFormatController()->Refresh();
  const struct {
    const char* text;
    const char* prepared;
  } cases[] = {{"12/8/2026 W.", "12/8/2026"},
               {"12/8/2026 w. 2 H 05 PM", "12/8/2026 2 05 PM"},
               {"  a\t\t b  ", "a b"}};
  for (const auto& c : cases) {
    std::string text = c.text;
    PrepareDateText(text, false);
    EXPECT_EQ(text, c.prepared) << c.text;
  }
  TDateTime date = 0;
  EXPECT_TRUE(TextToDateValue("12/8/2026 w.", date));
  EXPECT_EQ(Text(date), "2026-12-08 00:00:00");
}

TEST_F(DateTest, DisplayTexts) {
  const struct {
    const char* locale;
    const char* shortDate;   // overrides the locale's, or null
    bool fourDigits;
    TDateTime date;
    const char* text;
  } cases[] = {
      {"th-TH", nullptr, true, kNow, "8/12/2569 14:05:09"},
      {"th-TH", nullptr, true, kToday, "8/12/2569"},
      {"th-TH", "d/M/yy", true, kToday, "8/12/2569"},
      {"th-TH", "d/M/yy", false, kToday, "8/12/69"},
      {"en-US", nullptr, true, kNow, "12/8/2026 2:05:09 PM"},
      {"en-US", nullptr, false, NullDate, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + (c.shortDate ? c.shortDate : "") + " " + c.text);
    UseLocale(c.locale);
    if (c.shortDate) SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, c.shortDate);
    GetFormatSettings();
    for (bool programFormats : {false, true}) {
      std::string text = "stale";
      DateTimeToDisplayText(c.fourDigits, programFormats, text, c.date);
      EXPECT_EQ(text, c.text) << (programFormats ? "program formats" : "locale");
    }
    if (c.fourDigits) {
      std::string text = "stale";
      DateTimeToDisplayTextEx(true, text, c.date);
      EXPECT_EQ(text, c.text) << "the controller's choice";
    }
  }
}

TEST_F(DateTest, EditTexts) {
  for (bool masked : {false, true})
    for (bool withTime : {false, true})
      for (bool fourDigits : {false, true}) {
        std::string text = "stale";
        DateTimeToEditText(masked, withTime, fourDigits, text, -700000);
        EXPECT_EQ(text, "") << masked << withTime << fourDigits;
      }
  std::string text;
  DateTimeToEditText(true, true, true, text, kNow);
  EXPECT_EQ(text, "08/12/2569 14:05:09");
  DateTimeToEditText(true, false, true, text, kNow);
  EXPECT_EQ(text, "08/12/2569");
  DateTimeToEditText(false, false, true, text, kNow);
  EXPECT_EQ(text, "8/12/2569 14:05:09");
}

}  // namespace
