#include "platform/os/clock.h"

#include "platform/core/current_date.h"
#include "platform/core/date_time.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr double kMsPerDay = 86'400'000.0;
constexpr TDateTime kSomeDay = 46'364.0;   // an arbitrary midnight

TEST(FakeClock, SetsTheCurrentDateOfTheCoreDateTexts) {
  FakeClock clock(EncodeDate(1999, 6, 1) + 0.75);
  ScopedClock scoped(clock);
  EXPECT_EQ(CurrentDate(), EncodeDate(1999, 6, 1));
  EXPECT_EQ(CurrentYear(), 1999);
}

TEST(FakeClock, AdvanceMovesWallTimeAndTicksTogether) {
  FakeClock clock(kSomeDay + 0.25, 1'000);
  clock.Advance(90'000);
  EXPECT_DOUBLE_EQ(clock.Now(), kSomeDay + 0.25 + 90'000 / kMsPerDay);
  EXPECT_EQ(clock.TickCount(), 91'000u);
  clock.Sleep(10);   // a fake sleep is an advance
  EXPECT_EQ(clock.TickCount(), 91'010u);
}

TEST(FakeClock, ManySmallStepsDoNotDrift) {
  FakeClock clock(kSomeDay);
  for (int i = 0; i < 86'400; ++i) clock.Advance(1'000);
  EXPECT_EQ(clock.Now(), kSomeDay + 1.0);   // exactly one day later, not 1 - epsilon
}

TEST(FakeClock, SetNowJumpsWallTimeButNotTicks) {
  FakeClock clock(kSomeDay, 500);
  clock.Advance(100);
  clock.SetNow(kSomeDay + 3.5);
  EXPECT_EQ(clock.Now(), kSomeDay + 3.5);
  EXPECT_EQ(clock.TickCount(), 600u);
}

TEST(FakeClock, ConcurrentAdvancesAllCount) {
  FakeClock clock(kSomeDay);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int i = 0; i < 1'000; ++i) clock.Sleep(3);
    });
  for (auto& t : threads) t.join();
  EXPECT_EQ(clock.TickCount(), 12'000u);
  EXPECT_DOUBLE_EQ(clock.Now(), kSomeDay + 12'000 / kMsPerDay);
}

TEST(InstalledClock, FreeFunctionsReadTheInstalledClockAndScopesNest) {
  FakeClock outer(kSomeDay + 0.75, 7);
  FakeClock inner(kSomeDay + 10.5, (UInt64{1} << 32) + 5);
  {
    ScopedClock useOuter(outer);
    {
      ScopedClock useInner(inner);
      EXPECT_EQ(Date(), kSomeDay + 10);
      EXPECT_EQ(Time(), 0.5);
      EXPECT_EQ(GetTickCount(), 5u);   // the 32-bit counter wraps
      EXPECT_EQ(GetTickCount64(), (UInt64{1} << 32) + 5);
    }
    EXPECT_EQ(&CurrentClock(), &outer);
    EXPECT_EQ(Now(), kSomeDay + 0.75);
    Sleep(250);
    EXPECT_EQ(outer.TickCount(), 257u);
  }
  EXPECT_NE(&CurrentClock(), &outer);
}

// The real clock's wall time is local time: under a fixed zone seven hours east of UTC it reads
// seven hours ahead of the Unix time.
TEST(RealClock, NowIsLocalTime) {
  const char* old = std::getenv("TZ");
  const std::string saved = old ? old : "";
  setenv("TZ", "ICT-7", 1);
  tzset();
  const double unixSeconds =
      std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  const double localSeconds = (Now() - 25'569.0) * 86'400.0;
  if (old) setenv("TZ", saved.c_str(), 1); else unsetenv("TZ");
  tzset();
  EXPECT_NEAR(localSeconds - unixSeconds, 7 * 3600.0, 2.0);
}

TEST(RealClock, TickCountNeverGoesBack) {
  UInt64 last = GetTickCount64();
  for (int i = 0; i < 1'000; ++i) {
    const UInt64 now = GetTickCount64();
    ASSERT_GE(now, last);
    last = now;
  }
}

}  // namespace
