#include <gtest/gtest.h>

#include "platform/core/date_time.h"
#include "platform/os/clock.h"
#include "suite/buddhist_date.h"

namespace {

TEST(BuddhistDate, TodayFromTheClockWithTheBuddhistYear) {
  struct Case { Word year, month, day; const char* text; Word dayOfWeek; };
  const Case cases[] = {{2026, 3, 5, "05/03/69", 4}, {2026, 3, 8, "08/03/69", 7}, {2026, 3, 9, "09/03/69", 1},
                        {2025, 12, 31, "31/12/68", 3}, {2057, 1, 1, "01/01/00", 1}, {2024, 2, 29, "29/02/67", 4}};
  for (const Case& c : cases) {
    FakeClock clock(EncodeDate(c.year, c.month, c.day) + 0.75);   // in the evening
    ScopedClock installed(clock);
    EXPECT_EQ(BuddhistToday(), c.text);
    const TTodayParts parts = TodayParts();
    EXPECT_EQ(parts.Year, c.year);
    EXPECT_EQ(parts.Month, c.month);
    EXPECT_EQ(parts.Day, c.day);
    EXPECT_EQ(parts.DayOfWeek, c.dayOfWeek) << c.text;
  }
}

TEST(BuddhistDate, PackDateTextTable) {
  struct Case { std::string_view text; std::optional<std::string> packed; };
  const Case cases[] = {{"05/03/69", "690305"}, {"12:30:45", "123045"}, {"03/69", "6903"}, {"", ""},
                        {"05/03/69 extra", "690305"},   // only the first 8 characters count
                        {"2569-3-5", "-59-25"},         // no other check is made
                        {"050369", std::nullopt},       {"5/3/69", std::nullopt}, {"ab", std::nullopt}};
  for (const Case& c : cases) EXPECT_EQ(PackDateText(c.text), c.packed) << c.text;
}

}  // namespace
