// The table of held byte-range locks: counted re-locking, exact unlocking, and the retry schedule
// on the injectable clock.
#include <gtest/gtest.h>

#include "isam_test_support.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "suite/isam/lock_table.h"

namespace {
// A file whose system locks are counted; `busy` makes every attempt conflict.
class LockCountingFile final : public IsamIoFile {
 public:
  int locks = 0, unlocks = 0;
  bool busy = false;
  DWORD ReadAt(Int64, void*, DWORD, DWORD& done) override { return done = 0, ERROR_SUCCESS; }
  DWORD WriteAt(Int64, const void*, DWORD, DWORD& done) override { return done = 0, ERROR_SUCCESS; }
  DWORD Truncate(Int64) override { return ERROR_SUCCESS; }
  DWORD Size(Int64& size) override { return size = 0, ERROR_SUCCESS; }
  DWORD Flush() override { return ERROR_SUCCESS; }
  DWORD Lock(Int64, Int64) override { return ++locks, busy ? ERROR_LOCK_VIOLATION : ERROR_SUCCESS; }
  DWORD Unlock(Int64, Int64) override { return ++unlocks, ERROR_SUCCESS; }
  DWORD Close() override { return ERROR_SUCCESS; }
};

class LockTableTest : public ::testing::Test {
 protected:
  LockTableTest() { table.SetSystemLocks(true); }
  LockTable table;
  LockCountingFile file;
};

TEST_F(LockTableTest, RelockingCountsAndUnlockingMustMatch) {
  EXPECT_EQ(table.Lock(&file, 100, 4, 0), ERROR_SUCCESS);
  EXPECT_EQ(table.Lock(&file, 100, 4, 0), ERROR_SUCCESS);
  EXPECT_EQ(file.locks, 1);
  EXPECT_EQ(table.Count(&file, 100), 2);
  EXPECT_NE(table.Lock(&file, 100, 8, 0), ERROR_SUCCESS);   // same offset, other length
  EXPECT_EQ(table.Count(&file, 100), 2);
  EXPECT_NE(table.Unlock(&file, 100, 8), ERROR_SUCCESS);
  EXPECT_EQ(table.Unlock(&file, 100, 4), ERROR_SUCCESS);
  EXPECT_EQ(file.unlocks, 0);
  EXPECT_EQ(table.Unlock(&file, 100, 4), ERROR_SUCCESS);
  EXPECT_EQ(file.unlocks, 1);
  EXPECT_EQ(table.Count(&file, 100), 0);
  EXPECT_NE(table.Unlock(&file, 100, 4), ERROR_SUCCESS);
  EXPECT_EQ(file.unlocks, 1);
}

TEST_F(LockTableTest, RetryScheduleFollowsTheLimit) {
  const struct {
    Integer limit;
    int attempts;
    UInt64 slept;
  } cases[] = {{LockTable::RecordLimit, 12, 704}, {LockTable::FileBlockLimit, 48, 3008}, {LockTable::ProbeLimit, 1, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    FakeClock clock(0.0);
    ScopedClock scoped(clock);
    LockCountingFile busyFile;
    busyFile.busy = true;
    EXPECT_EQ(table.Lock(&busyFile, 7, 4, c.limit), ERROR_LOCK_VIOLATION);
    EXPECT_EQ(busyFile.locks, c.attempts);
    EXPECT_EQ(clock.TickCount(), c.slept);
    EXPECT_EQ(table.Count(&busyFile, 7), 0);   // a failed lock leaves no entry
  }
}

TEST_F(LockTableTest, UnlockAllReleasesEveryRegion) {
  for (Int64 offset : {10, 30, 20}) table.Lock(&file, offset, 1, 0);
  table.UnlockAll(&file);
  EXPECT_EQ(file.unlocks, 3);
  EXPECT_EQ(table.Count(&file, 20), 0);
}

TEST_F(LockTableTest, SingleStationNeedsNoSystemLocks) {
  table.SetSystemLocks(false);
  EXPECT_EQ(table.Lock(&file, 1, 1, 0), ERROR_SUCCESS);
  EXPECT_EQ(table.Unlock(&file, 1, 1), ERROR_SUCCESS);
  EXPECT_EQ(file.locks + file.unlocks, 0);
}
}  // namespace
