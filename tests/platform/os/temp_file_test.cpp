#include "platform/os/temp_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/support/os/child_process.h"
#include "platform/core/win_errors.h"
#include "platform/os/clock.h"
#include "platform/os/drive_map.h"
#include "platform/os/file_ops.h"
#include "platform/os/os_error.h"
#include "tests/support/os/temp_folder.h"

namespace {

std::string Hex(Cardinal n) {
  char digits[8];
  std::snprintf(digits, sizeof digits, "%X", n);
  return digits;
}

// A fake millisecond counter that makes the first number tried `first`.
UInt64 TickFor(Cardinal first) { return first - 1; }

TEST(TempFile, CreatesAnEmptyFileAndSkipsTakenNumbers) {
  TempFolder tmp;
  FakeClock clock(46'000.0, TickFor(0x2A));
  ScopedClock useClock(clock);
  WriteRawFile(tmp / "arc2B.TMP", "taken");

  std::string first, second;
  const Cardinal n1 = GetTempFileName(tmp.Path(), "archive", 0, first);
  const Cardinal n2 = GetTempFileName(tmp.Path(), "archive", 0, second);
  EXPECT_EQ(n1, 0x2Au);
  EXPECT_EQ(first, tmp / "arc2A.TMP");   // three characters of the prefix, hex number, .TMP
  EXPECT_EQ(n2, 0x2Cu);                  // 2A is now taken and 2B was before
  EXPECT_EQ(second, tmp / "arc2C.TMP");
  EXPECT_EQ(ReadRawFile(first), "");
  EXPECT_TRUE(FileExists(second));
  EXPECT_EQ(ReadRawFile(tmp / "arc2B.TMP"), "taken");
}

TEST(TempFile, NumbersWrapFromFFFFToOne) {
  TempFolder tmp;
  FakeClock clock(46'000.0, TickFor(0xFFFF));
  ScopedClock useClock(clock);
  WriteRawFile(tmp / "cchFFFF.TMP", "");
  std::string name;
  EXPECT_EQ(GetTempFileName(tmp.Path() + "/", "cch", 0, name), 1u);
  EXPECT_EQ(name, tmp / "cch1.TMP");
}

TEST(TempFile, GivenNumberMakesOnlyTheName) {
  TempFolder tmp;
  std::string name;
  EXPECT_EQ(GetTempFileName(tmp.Path(), "ab", 0x1BEEF, name), 0x1BEEFu);
  EXPECT_EQ(name, tmp / "abBEEF.TMP");   // the low 16 bits
  EXPECT_FALSE(FileExists(name));
}

TEST(TempFile, WindowsFormFolderKeepsItsForm) {
  TempFolder tmp;
  SetDriveMapping('Q', tmp.Path());
  std::string name;
  const Cardinal n = GetTempFileName("Q:\\", "arc", 0, name);
  ResetPathMappings();
  ASSERT_NE(n, 0u);
  EXPECT_EQ(name, "Q:\\arc" + Hex(n) + ".TMP");
  EXPECT_EQ(ReadRawFile(tmp / ("arc" + Hex(n) + ".TMP")), "");
}

TEST(TempFile, MissingFolderFails) {
  TempFolder tmp;
  std::string name = "unchanged";
  EXPECT_EQ(GetTempFileName(tmp / "missing", "arc", 0, name), 0u);
  EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(name, "unchanged");
}

// Processes that start from the same number never get the same file.
TEST(TempFile, RacingProcessesGetDistinctFiles) {
  TempFolder tmp;
  FakeClock clock(46'000.0, TickFor(0x100));
  ScopedClock useClock(clock);   // the children inherit it: all start at 100
  constexpr int kChildren = 3, kEach = 40;
  std::vector<std::unique_ptr<ChildProcess>> children;
  for (int c = 0; c < kChildren; ++c)
    children.push_back(std::make_unique<ChildProcess>([&](Channel& ch) {
      ch.Receive();   // start together
      for (int i = 0; i < kEach; ++i) {
        std::string name;
        ch.Send(GetTempFileName(tmp.Path(), "rac", 0, name));
      }
      return 0;
    }));
  for (auto& child : children) child->Send(1);
  std::set<Cardinal> numbers;
  for (auto& child : children)
    for (int i = 0; i < kEach; ++i) {
      const DWORD n = child->Receive();
      ASSERT_NE(n, 0u);
      EXPECT_TRUE(numbers.insert(n).second) << "number " << n << " handed out twice";
      EXPECT_TRUE(FileExists(tmp / ("rac" + Hex(n) + ".TMP")));
    }
  for (auto& child : children) EXPECT_EQ(child->Wait(), 0);
  EXPECT_EQ(numbers.size(), std::size_t{kChildren * kEach});
}

}  // namespace
