// GetDateFormatA and GetTimeFormatA: pictures under th-TH and en-US, the locale's own formats,
// the Thai calendar's years, the buffer rules and invalid dates.
#include "platform/os/locale_date_format.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/core/cp874.h"
#include "platform/core/date_time.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/locale.h"
#include "platform/os/os_error.h"

namespace {

// Tuesday 8 December 2026, 14:05:09; and Saturday 3 January 2026, 09:04:05.
SYSTEMTIME Afternoon() {
  SYSTEMTIME st;
  DateTimeToSystemTime(EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 0), st);
  return st;
}
SYSTEMTIME Morning() {
  SYSTEMTIME st;
  DateTimeToSystemTime(EncodeDate(2026, 1, 3) + EncodeTime(0, 4, 5, 0), st);
  return st;
}

std::string DateText(const SYSTEMTIME& st, const char* picture, DWORD flags = 0) {
  char buffer[100] = {};
  const Integer n = GetDateFormatA(LOCALE_USER_DEFAULT, flags, &st, picture, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : "<failed " + std::to_string(GetLastError()) + ">";
}
std::string TimeText(const SYSTEMTIME& st, const char* picture) {
  char buffer[100] = {};
  const Integer n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, picture, buffer, sizeof buffer);
  return n > 0 ? std::string(buffer) : "<failed " + std::to_string(GetLastError()) + ">";
}

TEST(LocaleDateFormat, SystemTimeFromADateTime) {
  const SYSTEMTIME st = Afternoon();
  EXPECT_EQ(st.wYear, 2026);
  EXPECT_EQ(st.wMonth, 12);
  EXPECT_EQ(st.wDay, 8);
  EXPECT_EQ(st.wDayOfWeek, 2);   // Tuesday
  EXPECT_EQ(st.wHour, 14);
  EXPECT_EQ(st.wMinute, 5);
  EXPECT_EQ(st.wSecond, 9);
}

TEST(LocaleDateFormat, DatePictures) {
  const struct {
    const char* locale;
    bool morning;
    const char* picture;
    std::string_view text;
  } cases[] = {
      {"en-US", false, "d/M/yyyy", "8/12/2026"},
      {"en-US", true, "dd/MM/yy", "03/01/26"},
      {"en-US", true, "y yy yyy yyyyy", "26 26 2026 2026"},
      {"en-US", false, "ddd dddd MMM MMMM", "Tue Tuesday Dec December"},
      {"en-US", false, "g gg", "A.D. A.D."},
      {"en-US", false, "'day' d 'o''clock' ''", "day 8 o'clock '"},
      {"en-US", false, "'open", "open"},
      {"en-US", false, nullptr, "12/8/2026"},
      {"th-TH", false, nullptr, "8/12/2569"},
      {"th-TH", true, "d MMMM yyyy", "3 มกราคม 2569"_cp874},
      {"th-TH", true, "dddd MMM yy g", "เสาร์ ม.ค. 69 พ.ศ."_cp874},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + (c.picture ? c.picture : "(null)"));
    ScopedLocale locale(c.locale);
    EXPECT_EQ(DateText(c.morning ? Morning() : Afternoon(), c.picture), c.text);
  }
  ScopedLocale locale("en-US");
  EXPECT_EQ(DateText(Afternoon(), nullptr, DATE_LONGDATE), "Tuesday, December 8, 2026");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, "yyyy-MM-dd");
  EXPECT_EQ(DateText(Afternoon(), nullptr), "2026-12-08");
}

TEST(LocaleDateFormat, TimePictures) {
  const struct {
    const char* locale;
    bool morning;
    const char* picture;
    const char* text;
  } cases[] = {
      {"en-US", false, "h:mm:ss tt", "2:05:09 PM"},   {"en-US", true, "hh:m:s t", "12:4:5 A"},
      {"en-US", false, "HH H", "14 14"},              {"en-US", true, "H:mm", "0:04"},
      {"en-US", false, "'at' h 'h'", "at 2 h"},      {"en-US", false, nullptr, "2:05:09 PM"},
      {"th-TH", false, nullptr, "14:05:09"},          {"th-TH", true, nullptr, "0:04:05"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.locale) + " " + (c.picture ? c.picture : "(null)"));
    ScopedLocale locale(c.locale);
    EXPECT_EQ(TimeText(c.morning ? Morning() : Afternoon(), c.picture), c.text);
  }
}

TEST(LocaleDateFormat, BufferRulesAndFailures) {
  ScopedLocale locale("en-US");
  const SYSTEMTIME st = Afternoon();
  EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "d/M/yyyy", nullptr, 0), 10);
  char small[9];
  EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "d/M/yyyy", small, sizeof small), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  char exact[10];
  EXPECT_EQ(GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "d/M/yyyy", exact, sizeof exact), 10);
  EXPECT_STREQ(exact, "8/12/2026");
  EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, "HH:mm", nullptr, 0), 6);
  EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, "HH:mm", nullptr, 6), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);

  SYSTEMTIME bad = st;
  bad.wDay = 31;   // 31 December is fine, 31 November is not
  bad.wMonth = 11;
  EXPECT_EQ(DateText(bad, "d/M/yyyy"), "<failed 87>");
  bad = st;
  bad.wMonth = 13;
  EXPECT_EQ(DateText(bad, "d/M/yyyy"), "<failed 87>");
  bad = st;
  bad.wHour = 24;
  EXPECT_EQ(TimeText(bad, "H"), "<failed 87>");
  EXPECT_EQ(DateText(st, "d", DATE_SHORTDATE), "<failed 1004>");   // flags only with the locale's format
  char buffer[20];
  EXPECT_EQ(GetDateFormatA(0x1234, 0, &st, "d", buffer, sizeof buffer), 0);
}

TEST(LocaleDateFormat, ANullDateIsTheClocksNow) {
  FakeClock clock(EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 0), 0);
  ScopedClock scoped(clock);
  ScopedLocale locale("th-TH");
  char buffer[40];
  ASSERT_GT(GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "8/12/2569");
  ASSERT_GT(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "14:05:09");
}

}  // namespace
