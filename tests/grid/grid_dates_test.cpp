// The grid's date routines: stepping by years, months or days, the m/d/y and d/m/y readers, and
// the two-separator test.
#include "grid/grid_dates.h"

#include <gtest/gtest.h>

#include "pinned_locale.h"
#include "platform/core/date_time.h"
#include "platform/core/exceptions.h"

namespace {

TEST(StepDate, StepsByTheOnlyPartGivenElseByTheIncrement) {
  struct Case {
    SmallInt years, months, days;
    TDateTime from;
    TDateTime increment;
    TDateTime expected;
  };
  const Case cases[] = {
      {0, 0, 10, EncodeDate(2024, 12, 25), 99, EncodeDate(2025, 1, 4)},
      {0, 0, -1, EncodeDate(2024, 3, 1) + 0.5, 99, EncodeDate(2024, 2, 29) + 0.5},
      {0, 0, 0, EncodeDate(2024, 3, 1), 99, EncodeDate(2024, 3, 1)},
      {2, 0, 0, EncodeDate(2024, 3, 1), 99, EncodeDate(2026, 3, 1)},
      {0, 1, 0, EncodeDate(2024, 12, 15), 99, EncodeDate(2025, 1, 15)},
      {0, -1, 0, EncodeDate(2025, 1, 15), 99, EncodeDate(2024, 12, 15)},
      {0, 14, 0, EncodeDate(2020, 1, 15), 99, EncodeDate(2021, 3, 15)},
      {0, -13, 0, EncodeDate(2020, 1, 15), 99, EncodeDate(2018, 12, 15)},
      {0, -12, 0, EncodeDate(2020, 1, 15), 99, EncodeDate(2019, 1, 15)},
      {1, 1, 0, EncodeDate(2024, 1, 1), 7, EncodeDate(2024, 1, 8)},
      {0, 1, 1, EncodeDate(2024, 1, 1), 7, EncodeDate(2024, 1, 8)},
  };
  for (const Case& c : cases)
    EXPECT_EQ(StepDate(c.years, c.months, c.days, c.from, c.increment), c.expected)
        << c.years << " years " << c.months << " months " << c.days << " days";
}

TEST(StepDate, ADayTheTargetMonthLacksRaisesTheConversionError) {
  EXPECT_THROW(StepDate(0, 1, 0, EncodeDate(2025, 1, 31), 0), EConvertError);
  EXPECT_THROW(StepDate(1, 0, 0, EncodeDate(2024, 2, 29), 0), EConvertError);
  EXPECT_THROW(StepDate(0, -1, 0, EncodeDate(1, 1, 1), 0), EConvertError) << "before year 1";
}

TEST(ParseDate, ReadsThreeWholeNumbersAroundTheFirstSeparatorFound) {
  struct Case {
    const char* text;
    TDateTime dmy;
    TDateTime mdy;
  };
  const Case cases[] = {
      {"31/12/99", EncodeDate(1999, 12, 31), -1},
      {"1-2-05", EncodeDate(2005, 2, 1), EncodeDate(2005, 1, 2)},
      {"1.2.3", EncodeDate(2003, 2, 1), EncodeDate(2003, 1, 2)},
      {"12/11/25", EncodeDate(2025, 11, 12), EncodeDate(2025, 12, 11)},
      {"12/11/26", EncodeDate(1926, 11, 12), EncodeDate(1926, 12, 11)},
      {"1/2/1999", EncodeDate(3899, 2, 1), EncodeDate(3899, 1, 2)},   // four digits move 1900 years on
      {"1/2", 0, 0},
      {"1/2/", 0, 0},
      {"a/2/3", 0, 0},
      {"1/2/3x", 0, 0},
      {"123", 0, 0},
      {"", 0, 0},
  };
  for (const Case& c : cases) {
    if (c.dmy >= 0) {
      EXPECT_EQ(ParseDateDMY(c.text), c.dmy) << c.text;
    }
    if (c.mdy >= 0) {
      EXPECT_EQ(ParseDateMDY(c.text), c.mdy) << c.text;
    }
  }
}

TEST(ParseDate, ImpossibleDatesRaiseTheConversionError) {
  EXPECT_EQ(ParseDateMDY("12/31/99"), EncodeDate(1999, 12, 31));
  for (const char* text : {"12/31/99", "31/02/99", "0/1/2", "70000/1/2", "1/1/9000", "-1/1/1"})
    EXPECT_THROW(ParseDateDMY(text), EConvertError) << text;
  EXPECT_THROW(ParseDateMDY("31/12/99"), EConvertError);
}

TEST(HasTwoDateSeparators, NeedsASecondSeparatorTwoPlacesOn) {
  PinnedLocale locale;
  EXPECT_TRUE(HasTwoDateSeparators("1/2/3"));
  EXPECT_TRUE(HasTwoDateSeparators("1//2/"));
  EXPECT_FALSE(HasTwoDateSeparators("/1/2"));
  EXPECT_FALSE(HasTwoDateSeparators("1//2"));
  EXPECT_FALSE(HasTwoDateSeparators("12/3"));
  EXPECT_FALSE(HasTwoDateSeparators("1-2-3"));
}

}  // namespace
