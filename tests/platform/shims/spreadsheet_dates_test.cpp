// Serial numbers of the two date systems, the number formats that make a number a date, and date
// texts.
#include <gtest/gtest.h>

#include "platform/core/date_time.h"
#include "platform/shims/spreadsheet_dates.h"

namespace {

TEST(SpreadsheetDates, SerialNumbersOfBothSystems) {
  struct Case {
    double serial;
    TDateSystem system;
    bool isDate;
    TDateTime expected;
  };
  const Case cases[] = {
      {0.5, TDateSystem::Days1900, true, 0.5},                            // a time of day alone
      {1, TDateSystem::Days1900, true, EncodeDate(1900, 1, 1)},
      {59, TDateSystem::Days1900, true, EncodeDate(1900, 2, 28)},
      {60, TDateSystem::Days1900, true, EncodeDate(1900, 3, 1)},          // 29 February 1900 never was
      {61, TDateSystem::Days1900, true, EncodeDate(1900, 3, 1)},
      {45366.5, TDateSystem::Days1900, true, EncodeDate(2024, 3, 15) + 0.5},
      {2958465, TDateSystem::Days1900, true, EncodeDate(9999, 12, 31)},
      {2958466, TDateSystem::Days1900, false, 0},
      {-1, TDateSystem::Days1900, false, 0},
      {0.25, TDateSystem::Days1904, true, 0.25},
      {1, TDateSystem::Days1904, true, EncodeDate(1904, 1, 2)},
      {43904, TDateSystem::Days1904, true, EncodeDate(2024, 3, 15)},
  };
  for (const Case& c : cases) {
    TDateTime result = -1;
    EXPECT_EQ(SerialToDateTime(c.serial, c.system, result), c.isDate) << c.serial;
    if (c.isDate) {
      EXPECT_DOUBLE_EQ(result, c.expected) << c.serial;
    }
  }
}

TEST(SpreadsheetDates, FormatCodesThatShowDatesOrTimes) {
  const char* dates[] = {"dd/mm/yyyy", "hh:mm:ss",     "[h]:mm",  "[mm]:ss",  "mmm",        "d/m/bbbb",
                         "[$-41E]d mmm yy;@", "ว/ด/ปปปป", "yyyy\"\"", "ee",     "General d"};
  for (const char* code : dates) EXPECT_TRUE(IsDateFormatCode(code)) << code;
  const char* numbers[] = {"General", "0.00",        "0%",          "#,##0.00",  "0.00E+00", "0.0e-0",
                           "[Red]0.00", "\"day\" 0", "\\d0",        "_d0",       "*y0",      "0 \"บาท\"",
                           "[>100]0",  "\"unclosed", "[unclosed"};
  for (const char* code : numbers) EXPECT_FALSE(IsDateFormatCode(code)) << code;
}

TEST(SpreadsheetDates, BuiltInDateFormats) {
  for (std::uint32_t id : {14u, 17u, 22u, 27u, 36u, 45u, 47u, 50u, 58u, 71u, 81u}) EXPECT_TRUE(IsBuiltInDateFormat(id)) << id;
  for (std::uint32_t id : {0u, 9u, 13u, 23u, 26u, 37u, 44u, 48u, 49u, 59u, 70u, 82u, 164u})
    EXPECT_FALSE(IsBuiltInDateFormat(id)) << id;
}

TEST(SpreadsheetDates, DateTexts) {
  const std::pair<const char*, TDateTime> read[] = {
      {"2024-03-15", EncodeDate(2024, 3, 15)},
      {"2024-03-15 13:45:30", EncodeDate(2024, 3, 15) + EncodeTime(13, 45, 30, 0)},
      {"2024-03-15T13:45:30.250Z", EncodeDate(2024, 3, 15) + EncodeTime(13, 45, 30, 0)},
      {"00:00:30", EncodeTime(0, 0, 30, 0)},
      {"1900-02-29 12:00:00", EncodeDate(1900, 3, 1) + 0.5}};
  for (const auto& [text, expected] : read) {
    TDateTime result = -1;
    EXPECT_TRUE(ParseDateTimeText(text, result)) << text;
    EXPECT_DOUBLE_EQ(result, expected) << text;
  }
  for (const char* text : {"", "2024-02-30", "2024-3-15", "24:00:00", "2024-03-15 9:00:00", "2024-03-15x", "Z"}) {
    TDateTime result;
    EXPECT_FALSE(ParseDateTimeText(text, result)) << text;
  }
}

}  // namespace
