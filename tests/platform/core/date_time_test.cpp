#include "platform/core/date_time.h"

#include <gtest/gtest.h>

#include <limits>

#include "platform/core/exceptions.h"

namespace {

struct Ymd { Word year, month, day; };

TEST(DateTime, EncodeDateCountsDaysFrom1899December30) {
  struct Case { Ymd date; double value; };
  const Case cases[] = {
      {{1899, 12, 30}, 0},       {{1900, 1, 1}, 2},           {{2000, 1, 1}, 36526},
      {{2000, 2, 29}, 36585},    {{2024, 2, 29}, 45351},      {{2026, 12, 8}, 46364},
      {{1, 1, 1}, -693593},      {{9999, 12, 31}, 2958465},   {{1899, 12, 29}, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeDate(c.date.year, c.date.month, c.date.day), c.value) << c.value;
    Ymd back{};
    DecodeDate(c.value, back.year, back.month, back.day);
    EXPECT_TRUE(back.year == c.date.year && back.month == c.date.month && back.day == c.date.day) << c.value;
  }
}

TEST(DateTime, EncodeDateRefusesPartsOutOfRange) {
  const Ymd bad[] = {{1900, 2, 29}, {2026, 2, 29}, {2026, 4, 31}, {2026, 13, 1}, {2026, 0, 1},
                     {2026, 1, 0},  {0, 1, 1},     {10000, 1, 1}};
  for (const Ymd& d : bad) {
    TDateTime value = 123;
    EXPECT_FALSE(TryEncodeDate(d.year, d.month, d.day, value));
    EXPECT_EQ(value, 123);
    try {
      EncodeDate(d.year, d.month, d.day);
      ADD_FAILURE() << d.year << "-" << d.month << "-" << d.day;
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }
  }
}

TEST(DateTime, DecodingTruncatesNegativeDatesAndRoundsToMilliseconds) {
  struct Case { double value; Ymd date; Word hour, min, sec, msec; };
  const Case cases[] = {
      {-1.25, {1899, 12, 29}, 6, 0, 0, 0},          // time is the absolute fraction
      {-0.5, {1899, 12, 30}, 12, 0, 0, 0},          // date part truncated toward zero
      {0.999999999999, {1899, 12, 31}, 0, 0, 0, 0}, // rounds up to midnight of the next day
      {46364.5 + 1.0 / 86400000, {2026, 12, 8}, 12, 0, 0, 1},
      {46364.999994, {2026, 12, 8}, 23, 59, 59, 482},
      {-693594, {0, 0, 0}, 0, 0, 0, 0},             // before 0001-01-01
      {2958466, {0, 0, 0}, 0, 0, 0, 0},             // after 9999-12-31
      {std::numeric_limits<double>::quiet_NaN(), {0, 0, 0}, 0, 0, 0, 0},
      {1e300, {0, 0, 0}, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    Ymd d{};
    Word h, m, s, ms;
    DecodeDate(c.value, d.year, d.month, d.day);
    DecodeTime(c.value, h, m, s, ms);
    EXPECT_TRUE(d.year == c.date.year && d.month == c.date.month && d.day == c.date.day)
        << c.value << ": " << d.year << "-" << d.month << "-" << d.day;
    EXPECT_TRUE(h == c.hour && m == c.min && s == c.sec && ms == c.msec)
        << c.value << ": " << h << ":" << m << ":" << s << "." << ms;
  }
}

TEST(DateTime, EncodeTimeIsAFractionOfADay) {
  EXPECT_EQ(EncodeTime(12, 0, 0, 0), 0.5);
  EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
  EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000);
  const Word bad[][4] = {{24, 0, 0, 0}, {0, 60, 0, 0}, {0, 0, 60, 0}, {0, 0, 0, 1000}};
  for (const auto& t : bad) {
    TDateTime value;
    EXPECT_FALSE(TryEncodeTime(t[0], t[1], t[2], t[3], value));
    EXPECT_THROW(EncodeTime(t[0], t[1], t[2], t[3]), EConvertError);
  }
  try {
    EncodeTime(24, 0, 0, 0);
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid argument to time encode");
  }
}

TEST(DateTime, LeapYearsMonthLengthsAndWeekdays) {
  struct Leap { Word year; bool leap; };
  for (const Leap& c : {Leap{1900, false}, Leap{2000, true}, Leap{2024, true}, Leap{2026, false},
                        Leap{2100, false}, Leap{2400, true}})
    EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
  EXPECT_EQ(DaysInAMonth(2024, 2), 29);
  EXPECT_EQ(DaysInAMonth(2023, 2), 28);
  EXPECT_EQ(DaysInAMonth(2026, 4), 30);
  EXPECT_EQ(DaysInAMonth(2026, 12), 31);
  EXPECT_EQ(DaysInAMonth(2026, 13), 0);
  EXPECT_EQ(DaysInMonth(45351.7), 29);

  struct Weekday { double date; Word day; };
  for (const Weekday& c : {Weekday{0, 7}, Weekday{2, 2}, Weekday{46364.9, 3}, Weekday{-693593, 2},
                           Weekday{2958465, 6}, Weekday{-1.5, 6}, Weekday{-693594, 0}})
    EXPECT_EQ(DayOfWeek(c.date), c.day) << c.date;
}

TEST(DateTime, IncMonthClampsToTheMonthEndAndKeepsTheTime) {
  struct Case { Ymd from; Integer months; Ymd to; };
  const Case cases[] = {
      {{2026, 1, 31}, 1, {2026, 2, 28}},   {{2024, 1, 31}, 1, {2024, 2, 29}},
      {{2026, 3, 31}, -1, {2026, 2, 28}},  {{2026, 12, 15}, 1, {2027, 1, 15}},
      {{2026, 1, 15}, -1, {2025, 12, 15}}, {{2026, 5, 31}, 12, {2027, 5, 31}},
      {{2026, 5, 31}, -25, {2024, 4, 30}}, {{2024, 2, 29}, 12, {2025, 2, 28}},
      {{2026, 8, 31}, 0, {2026, 8, 31}},   {{1, 1, 31}, 1, {1, 2, 28}},
  };
  for (const Case& c : cases) {
    const TDateTime from = EncodeDate(c.from.year, c.from.month, c.from.day) + 0.75;
    EXPECT_EQ(IncMonth(from, c.months), EncodeDate(c.to.year, c.to.month, c.to.day) + 0.75)
        << c.from.year << "-" << c.from.month << "-" << c.from.day << " + " << c.months;
  }
  EXPECT_EQ(IncMonth(-1.25), 30.25);   // 1899-12-29 06:00 -> 1900-01-29 06:00
  EXPECT_EQ(IncMonth(EncodeDate(1900, 1, 29) + 0.25, -1), -1.25);
  EXPECT_THROW(IncMonth(EncodeDate(9999, 12, 1)), EConvertError);
  EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
  EXPECT_THROW(IncMonth(std::numeric_limits<double>::quiet_NaN()), EConvertError);
}

}  // namespace
