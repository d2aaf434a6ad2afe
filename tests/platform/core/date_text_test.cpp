#include "platform/core/date_text.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/core/current_date.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"
#include "test_settings.h"

namespace {

TDateTime March5th2026() { return EncodeDate(2026, 3, 5); }
TDateTime June1st1999() { return EncodeDate(1999, 6, 1); }

// Pins "today" for the texts that read the current year.
class DateTextTest : public ::testing::Test {
 protected:
  void SetUp() override { previous_ = SetCurrentDateHook(&March5th2026); }
  void TearDown() override { SetCurrentDateHook(previous_); }

 private:
  TCurrentDateHook previous_ = nullptr;
};

const TDateTime kTuesday = 46364;                        // 2026-12-08
const TDateTime kAfternoon = kTuesday + (14 * 3600000 + 5 * 60000 + 9 * 1000 + 7) / 86400000.0;

TEST_F(DateTextTest, FormatDateTimeSpecifiers) {
  struct Case { const char* format; TDateTime value; const char* text; };
  const Case cases[] = {
      {"c", kAfternoon, "12/8/2026 2:05:09 PM"},        {"", kAfternoon, "12/8/2026 2:05:09 PM"},
      {"c", kTuesday, "12/8/2026"},                     {"d dd ddd dddd", kTuesday, "8 08 Tue Tuesday"},
      {"ddddd", kTuesday, "12/8/2026"},                 {"dddddd", kTuesday, "Tuesday, December 8, 2026"},
      {"m mm mmm mmmm", kTuesday, "12 12 Dec December"},{"y yy yyy yyyy", kTuesday, "26 26 2026 2026"},
      {"h:n:s.z", kAfternoon, "14:5:9.7"},              {"hh:nn:ss.zzz", kAfternoon, "14:05:09.007"},
      {"hh:mm", kAfternoon, "14:05"},                   {"hh 'h' mm", kAfternoon, "14 h 05"},
      {"yyyy/mm/dd", kAfternoon, "2026/12/08"},         {"dd-mmm-yy", kAfternoon, "08-Dec-26"},
      {"h:mm am/pm", kAfternoon, "2:05 pm"},            {"h:mm AM/PM", kAfternoon, "2:05 PM"},
      {"h a/p", kAfternoon, "2 p"},                     {"hh ampm", kAfternoon, "02 PM"},
      {"h:nn ampm", kTuesday + 0.5 / 24, "12:30 AM"},   {"h:nn ampm", kTuesday + 0.5, "12:00 PM"},
      {"hh 'am/pm'", kAfternoon, "14 am/pm"},           // quoted: no 12-hour clock
      {"t|tt", kAfternoon, "2:05 PM|2:05:09 PM"},       {"\"day\" d", kTuesday, "day 8"},
      {"aaa aaaa", kTuesday, "Tue Tuesday"},            {"a-x", kTuesday, "a-x"},
      {"dd/mm/yyyy", EncodeDate(5, 1, 2), "02/01/0005"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatDateTime(c.format, c.value, EnUs()), c.text) << c.format;
}

TEST_F(DateTextTest, SettingsDriveSeparatorsNamesAndTheEra) {
  TFormatSettings thai = ThaiLike();
  EXPECT_EQ(DateToStr(kTuesday, thai), "8/12/2569");
  EXPECT_EQ(FormatDateTime("dd/mm/yy", kTuesday, thai), "08/12/69");
  thai.DateSeparator = '-';
  thai.TimeSeparator = '.';
  thai.LongMonthNames[11] = "ธันวาคม"_cp874;
  EXPECT_EQ(FormatDateTime("d/m/yyyy hh:nn", kAfternoon, thai), "8-12-2569 14.05");
  EXPECT_EQ(FormatDateTime("d mmmm yyyy", kTuesday, thai), "8 " + thai.LongMonthNames[11] + " 2569");
  EXPECT_EQ(DateToStr(kTuesday, EnUs()), "12/8/2026");
  EXPECT_EQ(TimeToStr(kAfternoon, EnUs()), "2:05:09 PM");
  EXPECT_EQ(DateTimeToStr(kAfternoon, DecimalComma()), "12/8/2026 2:05:09 PM");

  TFormatSettings selfNaming = EnUs();   // a format that names itself stops two levels down
  selfNaming.ShortDateFormat = "c";
  EXPECT_EQ(FormatDateTime("c", kAfternoon, selfNaming), "  2:05:09 PM");
}

TEST_F(DateTextTest, StrToDateFollowsTheShortDateOrderAndCenturyWindow) {
  struct Case { const char* text; TFormatSettings fs; double expected; };   // 0: invalid
  TFormatSettings ymd = EnUs();
  ymd.ShortDateFormat = "yyyy-MM-dd";
  ymd.DateSeparator = '-';
  TFormatSettings noWindow = EnUs();
  noWindow.TwoDigitYearCenturyWindow = 0;
  const Case cases[] = {
      {"12/8/2026", EnUs(), EncodeDate(2026, 12, 8)},   {" 12 / 8 / 2026 ", EnUs(), EncodeDate(2026, 12, 8)},
      {"12/8", EnUs(), EncodeDate(2026, 12, 8)},        {"12/8/2026/", EnUs(), EncodeDate(2026, 12, 8)},
      {"12/8/26", EnUs(), EncodeDate(2026, 12, 8)},     {"12/8/76", EnUs(), EncodeDate(1976, 12, 8)},
      {"12/8/75", EnUs(), EncodeDate(2075, 12, 8)},     {"12/8/0", EnUs(), EncodeDate(2000, 12, 8)},
      {"12/8/0026", EnUs(), EncodeDate(26, 12, 8)},     {"12/8/10", noWindow, EncodeDate(2010, 12, 8)},
      {"12/8/75", noWindow, EncodeDate(2075, 12, 8)},   {"2026-12-08", ymd, EncodeDate(2026, 12, 8)},
      {"26-12-8", ymd, EncodeDate(2026, 12, 8)},        {"12-8", ymd, EncodeDate(2026, 12, 8)},
      {"8/12/2569", ThaiLike(), EncodeDate(2026, 12, 8)},
      {"8/12/69", ThaiLike(), EncodeDate(2026, 12, 8)},   // two digits: within the window, in the era
      {"8/12/18", ThaiLike(), EncodeDate(2075, 12, 8)},
      {"8/12", ThaiLike(), EncodeDate(2026, 12, 8)},
      {"8/12/2026", ThaiLike(), EncodeDate(1483, 12, 8)},   // read as a Buddhist-era year
      {"8/12/543", ThaiLike(), 0},     {"13/8/2026", EnUs(), 0},    {"2/30/2026", EnUs(), 0},
      {"12-8-2026", EnUs(), 0},        {"12/8/2026x", EnUs(), 0},   {"", EnUs(), 0},
      {"12/", EnUs(), 0},              {"12/8/20261", EnUs(), 0},   {"0/0/0", EnUs(), 0},
      {"12/8/2026 1:00", EnUs(), 0},   {"12", EnUs(), 0},
  };
  for (const Case& c : cases) {
    TDateTime value = -7;
    EXPECT_EQ(TryStrToDate(c.text, value, c.fs), c.expected != 0) << c.text;
    EXPECT_EQ(StrToDateDef(c.text, -7, c.fs), c.expected != 0 ? c.expected : -7) << c.text;
  }
  SetCurrentDateHook(&June1st1999);
  EXPECT_EQ(StrToDate("12/8", EnUs()), EncodeDate(1999, 12, 8));
  EXPECT_EQ(StrToDate("12/8/49", EnUs()), EncodeDate(1949, 12, 8));
  EXPECT_EQ(StrToDate("12/8/48", EnUs()), EncodeDate(2048, 12, 8));
}

TEST_F(DateTextTest, StrToTimeReadsHalfDayMarkersAndFractions) {
  TFormatSettings thai = ThaiLike();
  thai.TimePMString = "หลังเที่ยง"_cp874;
  struct Case { std::string text; TFormatSettings fs; bool ok; Word h = 0, m = 0, s = 0, ms = 0; };
  const Case cases[] = {
      {"14:05:09", EnUs(), true, 14, 5, 9, 0},       {" 14 : 05 ", EnUs(), true, 14, 5, 0, 0},
      {"14", EnUs(), true, 14, 0, 0, 0},             {"2:05 PM", EnUs(), true, 14, 5, 0, 0},
      {"2:05pm", EnUs(), true, 14, 5, 0, 0},         {"PM 2:05", EnUs(), true, 14, 5, 0, 0},
      {"12:00 AM", EnUs(), true, 0, 0, 0, 0},        {"12:30 PM", EnUs(), true, 12, 30, 0, 0},
      {"14:05:09.5", EnUs(), true, 14, 5, 9, 500},   {"14:05:09.123456", EnUs(), true, 14, 5, 9, 123},
      {"14:05:09,25", DecimalComma(), true, 14, 5, 9, 250},
      {"2:05 " + std::string("หลังเที่ยง"_cp874), thai, true, 14, 5, 0, 0},
      {"0:30 AM", EnUs(), false},   {"13:00 PM", EnUs(), false},  {"24:00", EnUs(), false},
      {"14:60", EnUs(), false},     {"14:05 x", EnUs(), false},   {"14:05:09.", EnUs(), false},
      {"14:", EnUs(), false},       {"", EnUs(), false},          {"PM", EnUs(), false},
  };
  for (const Case& c : cases) {
    TDateTime value = -7;
    ASSERT_EQ(TryStrToTime(c.text, value, c.fs), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, EncodeTime(c.h, c.m, c.s, c.ms)) << c.text;
    }
  }
}

TEST_F(DateTextTest, StrToDateTimeTakesADateWithOptionalTimeOrATime) {
  struct Case { const char* text; bool ok; double value; };
  const Case cases[] = {
      {"12/8/2026 14:05:09", true, EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 9, 0)},
      {"12/8/2026 2:05 PM", true, EncodeDate(2026, 12, 8) + EncodeTime(14, 5, 0, 0)},
      {"12/8/2026", true, EncodeDate(2026, 12, 8)},
      {"14:05", true, EncodeTime(14, 5, 0, 0)},
      {"12/29/1899 6:00", true, -1.25},
      {"12/8/2026 14:05 junk", false, 0},
      {"12/8/2026 25:00", false, 0},
      {"tomorrow", false, 0},
  };
  for (const Case& c : cases) {
    TDateTime value = -7;
    EXPECT_EQ(TryStrToDateTime(c.text, value, EnUs()), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  const TDateTime moments[] = {kAfternoon, kTuesday, EncodeDate(1950, 1, 31) + 0.5};
  for (const TFormatSettings& fs : {EnUs(), ThaiLike(), DecimalComma()})
    for (TDateTime t : moments) EXPECT_NEAR(StrToDateTime(DateTimeToStr(t, fs), fs), t, 1.0 / 86400) << t;
}

TEST_F(DateTextTest, ReadingFailuresRaiseConvertErrorWithTheText) {
  struct Case { TDateTime (*read)(std::string_view, const TFormatSettings&); const char* message; };
  const Case cases[] = {
      {&StrToDate, "'x1' is not a valid date"},
      {&StrToTime, "'x1' is not a valid time"},
      {&StrToDateTime, "'x1' is not a valid date and time"},
  };
  for (const Case& c : cases) {
    try {
      c.read("x1", EnUs());
      ADD_FAILURE() << c.message;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

}  // namespace
