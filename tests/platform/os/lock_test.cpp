#include <gtest/gtest.h>

#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "platform/os/share_mode.h"
#include "tests/support/os/temp_folder.h"

namespace {

constexpr DWORD kRW = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShareRW = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr Int64 kTopByte = 2147483647;   // the highest offset the record-file engine locks

class LockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteRawFile(tmp / "data.dat", std::string(64, 'd'));
    ASSERT_EQ(a.Open(tmp / "data.dat", kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
    ASSERT_EQ(b.Open(tmp / "data.dat", kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  }
  TempFolder tmp;
  File a, b;
};

TEST_F(LockTest, OneHandleMayNotOverlapItsOwnRanges) {
  struct Step {
    bool lock;
    Int64 offset, length;
    DWORD expected;
  };
  const Step steps[] = {
      {true, 100, 4, ERROR_SUCCESS},      {true, 100, 8, ERROR_LOCK_VIOLATION},
      {true, 100, 4, ERROR_LOCK_VIOLATION}, {true, 96, 5, ERROR_LOCK_VIOLATION},
      {true, 103, 1, ERROR_LOCK_VIOLATION}, {true, 104, 4, ERROR_SUCCESS},
      {true, 96, 4, ERROR_SUCCESS},       {false, 100, 2, ERROR_NOT_LOCKED},
      {false, 100, 8, ERROR_NOT_LOCKED},  {false, 200, 1, ERROR_NOT_LOCKED},
      {false, 100, 4, ERROR_SUCCESS},     {false, 100, 4, ERROR_NOT_LOCKED},
      {true, 100, 8, ERROR_LOCK_VIOLATION}, {true, 100, 4, ERROR_SUCCESS},
      {true, 0, 0, ERROR_INVALID_PARAMETER}, {true, -1, 2, ERROR_INVALID_PARAMETER},
      {true, kShareMarksBase - 1, 2, ERROR_INVALID_PARAMETER}, {true, kShareMarksBase - 1, 1, ERROR_SUCCESS},
  };
  for (const Step& s : steps) {
    EXPECT_EQ(s.lock ? a.Lock(s.offset, s.length) : a.Unlock(s.offset, s.length), s.expected)
        << (s.lock ? "lock " : "unlock ") << s.offset << "," << s.length;
  }
  // The other handle sees exactly the ranges that a holds.
  EXPECT_EQ(b.Lock(95, 1), ERROR_SUCCESS);
  EXPECT_EQ(b.Lock(96, 1), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(b.Lock(107, 2), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(b.Lock(108, 1), ERROR_SUCCESS);
}

TEST_F(LockTest, TwoHandlesOfOneProcessConflictLikeTwoProcesses) {
  const Int64 beyond4G = (Int64{1} << 32) + 10;
  EXPECT_EQ(a.Lock(kTopByte - 1, 1), ERROR_SUCCESS);
  EXPECT_EQ(a.Lock(beyond4G, 5), ERROR_SUCCESS);
  EXPECT_EQ(b.Lock(kTopByte - 1, 1), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(b.Lock(kTopByte - 65534, 65535), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(b.Lock(beyond4G + 4, 1), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(b.Unlock(kTopByte - 1, 1), ERROR_NOT_LOCKED);   // b cannot release a's range
  EXPECT_EQ(b.Lock(kTopByte, 1), ERROR_SUCCESS);
  EXPECT_EQ(a.Unlock(kTopByte - 1, 1), ERROR_SUCCESS);
  EXPECT_EQ(b.Lock(kTopByte - 1, 1), ERROR_SUCCESS);
  a.Close();   // closing releases every range of the handle
  EXPECT_EQ(b.Lock(beyond4G, 5), ERROR_SUCCESS);
}

TEST_F(LockTest, LockedRangesRefuseTransfersThroughOtherHandles) {
  ASSERT_EQ(a.Lock(10, 4), ERROR_SUCCESS);
  char buf[16];
  DWORD done = 0;
  struct Case {
    bool write;
    Int64 offset;
    DWORD n;
    DWORD expected;
  };
  const Case cases[] = {
      {false, 12, 1, ERROR_LOCK_VIOLATION}, {false, 0, 11, ERROR_LOCK_VIOLATION}, {false, 13, 8, ERROR_LOCK_VIOLATION},
      {true, 8, 3, ERROR_LOCK_VIOLATION},   {true, 13, 1, ERROR_LOCK_VIOLATION},  {false, 0, 10, ERROR_SUCCESS},
      {false, 14, 8, ERROR_SUCCESS},        {true, 9, 1, ERROR_SUCCESS},          {true, 14, 2, ERROR_SUCCESS},
      {false, 12, 0, ERROR_SUCCESS},
  };
  for (const Case& c : cases) {
    const DWORD err = c.write ? b.WriteAt(c.offset, "wwwwwwwwwwwwwwww", c.n, done) : b.ReadAt(c.offset, buf, c.n, done);
    EXPECT_EQ(err, c.expected) << (c.write ? "write " : "read ") << c.offset << "," << c.n;
    if (c.expected != ERROR_SUCCESS) {
      EXPECT_EQ(done, 0u);
    }
  }
  // The holder itself transfers freely, and after the unlock so does everyone.
  EXPECT_EQ(a.WriteAt(10, "AAAA", 4, done), ERROR_SUCCESS);
  EXPECT_EQ(a.Unlock(10, 4), ERROR_SUCCESS);
  EXPECT_EQ(b.ReadAt(8, buf, 8, done), ERROR_SUCCESS);
  EXPECT_EQ(std::string(buf, done), "dwAAAAww");
}

TEST_F(LockTest, ShareMarksNeverMeetTheEnginesRanges) {
  // Presence bytes of stations 1 and 2, then the exclusivity probe over every presence byte.
  EXPECT_EQ(a.Lock(kTopByte - 1, 1), ERROR_SUCCESS);
  EXPECT_EQ(b.Lock(kTopByte - 2, 1), ERROR_SUCCESS);
  File c;
  ASSERT_EQ(c.Open(tmp / "data.dat", kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(c.Lock(2147418113, 65535), ERROR_LOCK_VIOLATION);
  a.Close();
  b.Close();
  EXPECT_EQ(c.Lock(2147418113, 65535), ERROR_SUCCESS);
  EXPECT_EQ(c.Unlock(2147418113, 65535), ERROR_SUCCESS);
  // A whole-range lock up to the marks does not disturb another open's share marks.
  EXPECT_EQ(c.Lock(0, kShareMarksBase), ERROR_SUCCESS);
  File d;
  EXPECT_EQ(d.Open(tmp / "data.dat", GENERIC_READ, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(d.Open(tmp / "data.dat", GENERIC_READ, 0, OPEN_EXISTING), ERROR_SHARING_VIOLATION);
}

}  // namespace
