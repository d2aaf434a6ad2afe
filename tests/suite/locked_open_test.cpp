#include "suite/locked_open.h"

#include <gtest/gtest.h>

#include "platform/os/clock.h"
#include "suite/text_routines.h"

namespace {

TEST(LockedOpen, RetriesOnlyWhileHeldAndOnlyAsOftenAsAllowed) {
  struct Case {
    int heldFor;        // attempts that find the file held
    Integer otherError; // result after that (0 = opens)
    Integer retries;
    DWORD pause;
    Integer result;
    int attempts;
  };
  const Case cases[] = {
      {0, 0, 10, 0, 0, 1},                       // opens at once
      {10, 0, 10, 0, 0, 11},                     // the tenth retry succeeds
      {11, 0, 10, 0, FileLockedIOResult, 11},    // still held after ten retries
      {3, 0, 10, 50, 0, 4},
      {100, 0, 20, 50, FileLockedIOResult, 21},
      {1, 2, 10, 50, 2, 2},                      // another failure ends the tries
      {0, 5, 10, 50, 5, 1},
  };
  for (const Case& c : cases) {
    FakeClock clock(46000.0);
    ScopedClock installed(clock);
    int attempts = 0;
    const Integer result = OpenRetryingWhileLocked(
        [&] { return ++attempts <= c.heldFor ? Integer{FileLockedIOResult} : c.otherError; }, c.retries, c.pause);
    EXPECT_EQ(result, c.result) << c.heldFor << "/" << c.retries;
    EXPECT_EQ(attempts, c.attempts) << c.heldFor << "/" << c.retries;
    EXPECT_EQ(clock.TickCount(), UInt64{c.pause} * (c.attempts - 1)) << "pauses on the clock, never for real";
  }
}

}  // namespace
