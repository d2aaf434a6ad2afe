// Locks and share modes between real processes (fork), sequenced through pipes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "tests/support/os/child_process.h"
#include "platform/core/win_errors.h"
#include "platform/os/file.h"
#include "tests/support/os/temp_folder.h"

namespace {

constexpr DWORD kRW = GENERIC_READ | GENERIC_WRITE;
constexpr DWORD kShareRW = FILE_SHARE_READ | FILE_SHARE_WRITE;
constexpr DWORD kGo = 1;

class ProcessTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteRawFile(path, std::string(256, '.')); }
  TempFolder tmp;
  const std::string path = tmp / "DATA.DAT";
};

// A child that opens the file, does `hold` (reporting its result), waits for the parent, does
// `release` (reporting its result) and waits again before it ends.
ChildProcess Holder(const std::string& path, DWORD share, std::function<DWORD(File&)> hold,
                    std::function<DWORD(File&)> release) {
  return ChildProcess([=](Channel& ch) {
    File f;
    DWORD err = f.Open(path, kRW, share, OPEN_EXISTING);
    ch.Send(err == ERROR_SUCCESS ? hold(f) : err);
    ch.Receive();
    ch.Send(release(f));
    ch.Receive();
    return 0;
  });
}

TEST_F(ProcessTest, ALockHeldByAnotherProcessFailsAtOnceAndIsFreeAfterItsUnlock) {
  const Int64 offset = 2147483646;
  ChildProcess child = Holder(
      path, kShareRW, [=](File& f) { return f.Lock(offset, 1); }, [=](File& f) { return f.Unlock(offset, 1); });
  ASSERT_EQ(child.Receive(), ERROR_SUCCESS);
  File mine;
  ASSERT_EQ(mine.Open(path, kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(mine.Lock(offset, 1), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(mine.Lock(offset - 1, 2), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(mine.Lock(offset + 1, 1), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Receive(), ERROR_SUCCESS);
  EXPECT_EQ(mine.Lock(offset, 1), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Wait(), 0);
}

TEST_F(ProcessTest, AnExclusiveOpenElsewhereIsASharingViolation) {
  ChildProcess child = Holder(
      path, 0, [](File&) { return ERROR_SUCCESS; }, [](File& f) { return f.Close(); });
  ASSERT_EQ(child.Receive(), ERROR_SUCCESS);
  File mine;
  EXPECT_EQ(mine.Open(path, GENERIC_READ, kShareRW, OPEN_EXISTING), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(mine.Open(path, kRW, 0, CREATE_ALWAYS), ERROR_SHARING_VIOLATION);
  child.Send(kGo);
  EXPECT_EQ(child.Receive(), ERROR_SUCCESS);
  EXPECT_EQ(mine.Open(path, GENERIC_READ, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Wait(), 0);
  EXPECT_EQ(ReadRawFile(path), std::string(256, '.'));
}

TEST_F(ProcessTest, AWriteIntoARangeAnotherProcessLockedFailsUntilTheUnlock) {
  ChildProcess child = Holder(
      path, kShareRW, [](File& f) { return f.Lock(100, 4); }, [](File& f) { return f.Unlock(100, 4); });
  ASSERT_EQ(child.Receive(), ERROR_SUCCESS);
  File mine;
  ASSERT_EQ(mine.Open(path, kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  DWORD done = 9;
  char buf[8];
  EXPECT_EQ(mine.WriteAt(98, "wxyz", 4, done), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(mine.ReadAt(103, buf, 2, done), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(mine.WriteAt(96, "wxyz", 4, done), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Receive(), ERROR_SUCCESS);
  EXPECT_EQ(mine.WriteAt(98, "wxyz", 4, done), ERROR_SUCCESS);
  EXPECT_EQ(done, 4u);
  child.Send(kGo);
  EXPECT_EQ(child.Wait(), 0);
  EXPECT_EQ(ReadRawFile(path).substr(95, 8), ".wxwxyz.");
}

TEST_F(ProcessTest, ShareModeOpensAndStationLocksCoexistAcrossProcesses) {
  // The child is station 5: it holds its presence byte on a shared open.
  ChildProcess child = Holder(
      path, kShareRW, [](File& f) { return f.Lock(2147483647 - 5, 1); }, [](File& f) { return f.Close(); });
  ASSERT_EQ(child.Receive(), ERROR_SUCCESS);
  File station6, exclusive;
  ASSERT_EQ(station6.Open(path, kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  EXPECT_EQ(station6.Lock(2147483647 - 6, 1), ERROR_SUCCESS);
  EXPECT_EQ(station6.Lock(2147483647 - 5, 1), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(station6.Lock(2147418113, 65535), ERROR_LOCK_VIOLATION);   // exclusivity probe
  EXPECT_EQ(exclusive.Open(path, kRW, 0, OPEN_EXISTING), ERROR_SHARING_VIOLATION);
  EXPECT_EQ(station6.Unlock(2147483647 - 6, 1), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Receive(), ERROR_SUCCESS);
  EXPECT_EQ(station6.Lock(2147418113, 65535), ERROR_SUCCESS);
  station6.Close();
  EXPECT_EQ(exclusive.Open(path, kRW, 0, OPEN_EXISTING), ERROR_SUCCESS);
  child.Send(kGo);
  EXPECT_EQ(child.Wait(), 0);
}

TEST_F(ProcessTest, AHandleOnAFileItMayOnlyReadStillTakesPartInLocksAndShareModes) {
  ASSERT_EQ(chmod(tmp.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  ChildProcess reader([this](Channel& ch) {
    // Root may write any file: the child gives that up to see the file as read-only.
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 10;
    File denied, f;
    if (denied.Open(path, GENERIC_WRITE, kShareRW, OPEN_EXISTING) != ERROR_ACCESS_DENIED) return 11;
    ch.Send(f.Open(path, GENERIC_READ, kShareRW, OPEN_EXISTING));
    ch.Send(f.Lock(10, 4));
    ch.Receive();
    return 0;
  });
  ASSERT_EQ(reader.Receive(), ERROR_SUCCESS);
  ASSERT_EQ(reader.Receive(), ERROR_SUCCESS);
  File mine, exclusive;
  ASSERT_EQ(mine.Open(path, kRW, kShareRW, OPEN_EXISTING), ERROR_SUCCESS);
  DWORD done = 0;
  EXPECT_EQ(mine.WriteAt(11, "x", 1, done), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(mine.Lock(13, 2), ERROR_LOCK_VIOLATION);
  EXPECT_EQ(mine.Lock(14, 2), ERROR_SUCCESS);
  EXPECT_EQ(exclusive.Open(path, GENERIC_READ, 0, OPEN_EXISTING), ERROR_SHARING_VIOLATION);
  reader.Send(kGo);
  EXPECT_EQ(reader.Wait(), 0);
}

TEST_F(ProcessTest, RunningOutOfDescriptorsIsTooManyOpenFiles) {
  ChildProcess child([this](Channel& ch) {
    const struct rlimit few = {32, 32};
    if (setrlimit(RLIMIT_NOFILE, &few) != 0) return 10;
    File files[40];
    DWORD err = ERROR_SUCCESS;
    for (File& f : files)
      if ((err = f.Open(path, GENERIC_READ, kShareRW, OPEN_EXISTING)) != ERROR_SUCCESS) break;
    ch.Send(err);
    return 0;
  });
  EXPECT_EQ(child.Receive(), ERROR_TOO_MANY_OPEN_FILES);
  EXPECT_EQ(child.Wait(), 0);
}

}  // namespace
