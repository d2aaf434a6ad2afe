// The core's number and date texts under the th-TH and en-US tables, through FormatSettings as
// SetLocale fills it.
#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/core/date_text.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"
#include "platform/core/float_text.h"
#include "platform/core/format.h"
#include "platform/os/locale.h"

namespace {

struct Expected {
  const char* locale;
  std::string_view shortDate, longDate, dayAndMonth, longTime, number, money, negativeMoney, pattern;
};

const Expected kByLocale[] = {
    {"th-TH", "8/12/2569", "8 ธันวาคม 2569"_cp874, "อังคาร 8 ธ.ค."_cp874, "14:05:09", "1,234,567.89",
     "฿1,234.50"_cp874, "-฿1,234.50"_cp874, "1,234.50"},
    {"en-US", "12/8/2026", "Tuesday, December 8, 2026", "Tuesday 8 Dec", "2:05:09 PM", "1,234,567.89",
     "$1,234.50", "($1,234.50)", "1,234.50"},
};

TEST(LocaleTexts, DatesNumbersAndMoneyFollowTheSelectedTable) {
  const TDateTime day = EncodeDate(2026, 12, 8);   // a Tuesday
  const TDateTime afternoon = EncodeTime(14, 5, 9, 0);
  for (const Expected& e : kByLocale) {
    SCOPED_TRACE(e.locale);
    ScopedLocale locale(e.locale);
    EXPECT_EQ(DateToStr(day), e.shortDate);
    EXPECT_EQ(FormatDateTime("dddddd", day), e.longDate);
    EXPECT_EQ(FormatDateTime("dddd d mmm", day), e.dayAndMonth);
    EXPECT_EQ(TimeToStr(afternoon), e.longTime);
    EXPECT_EQ(StrToDate(e.shortDate), day);   // the era comes off again when read
    EXPECT_EQ(Format("%n", {1234567.891}), e.number);
    EXPECT_EQ(Format("%m", {1234.5}), e.money);
    EXPECT_EQ(Format("%m", {-1234.5}), e.negativeMoney);
    EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), e.pattern);
    EXPECT_EQ(StrToFloat("1234.5"), 1234.5);
  }
}

TEST(LocaleTexts, OverriddenSeparatorsReachTheTexts) {
  ScopedLocale thai("th-TH");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ",");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, ".");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDATE, "-");
  GetFormatSettings();
  EXPECT_EQ(StrToFloat("1234,5"), 1234.5);
  EXPECT_THROW(StrToFloat("1234.5"), EConvertError);
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5), "1.234,50");
  EXPECT_EQ(Format("%.1f", {0.25}), "0,3");
  EXPECT_EQ(DateToStr(EncodeDate(2026, 12, 8)), "8-12-2569");
}

}  // namespace
