#include "platform/os/find_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <ctime>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/file_mask.h"
#include "tests/support/os/temp_folder.h"

namespace {

TEST(FileMask, MatchesLikeThePlatformsSearches) {
  struct Case {
    const char* name;
    const char* mask;
    bool matches;
  };
  const Case cases[] = {
      {"PRINFO.DAT", "*.*", true},        {"README", "*.*", true},          {"a.txt", "*.TXT", true},
      {"a.txt.bak", "*.txt", false},      {"data.csv", "*.txt;*.csv", true}, {"data.xls", "*.txt;*.csv", false},
      {"PRFILE01.DAT", "PRFILE??.DAT", true}, {"PRFILE1.DAT", "PRFILE??.DAT", false}, {"x", "*", true},
      {"", "*", true},                    {"abcabd", "*abd", true},         {"abcab", "*a?d*", false},
      {"prinfo.dat", "PRINFO.DAT", true}, {"prinfo.da", "PRINFO.DAT", false}, {"a.b", "a.*", true},
      {"a", "a.*", true},                 {"ab", "a.*", false},             {"x.csv", ";*.csv", true},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesFileMask(c.name, c.mask), c.matches) << c.name << " ~ " << c.mask;
}

class FindFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((tmp / "Sub").c_str(), 0777);
    WriteRawFile(tmp / "b.TXT", "12345");
    WriteRawFile(tmp / "A.txt", "");
    WriteRawFile(tmp / "c.csv", "1");
    WriteRawFile(tmp / ".hidden.txt", "");
    WriteRawFile(tmp / "ข้อมูล.txt", "");
    WriteRawFile(tmp / "ro.txt", "");
    chmod((tmp / "ro.txt").c_str(), 0444);
  }

  // "name:attributes" of every entry FindFirst/FindNext hand out.
  std::string List(const std::string& pathAndMask, Integer attributes, Integer* first = nullptr) {
    TSearchRec rec;
    std::string out;
    Integer result = FindFirst(pathAndMask, attributes, rec);
    if (first != nullptr) *first = result;
    for (; result == 0; result = FindNext(rec)) out += rec.Name + ":" + std::to_string(rec.Attr) + " ";
    EXPECT_EQ(FindNext(rec), ERROR_NO_MORE_FILES);
    FindClose(rec);
    return out;
  }

  TempFolder tmp;
};

TEST_F(FindFilesTest, ListsMatchingEntriesInOrderWithAttributes) {
  const std::string thai = std::string("ข้อมูล"_cp874) + ".txt:32 ";
  EXPECT_EQ(List(tmp / "*.TXT", faAnyFile & ~faDirectory & ~faHidden), "A.txt:32 b.TXT:32 ro.txt:33 " + thai);
  EXPECT_EQ(List(tmp / "*.txt;*.csv", 0), "A.txt:32 b.TXT:32 c.csv:32 ro.txt:33 " + thai);
  EXPECT_EQ(List(tmp / "*.txt", faHidden), ".hidden.txt:34 A.txt:32 b.TXT:32 ro.txt:33 " + thai);
  EXPECT_EQ(List(tmp / "*.*", faDirectory), ".:16 ..:16 A.txt:32 b.TXT:32 c.csv:32 ro.txt:33 Sub:16 " + thai);
  EXPECT_EQ(List(tmp / "S*", 0), "");
}

TEST_F(FindFilesTest, ReportsSizeTimeAndFailures) {
  struct utimbuf times;
  struct tm when = {};
  when.tm_year = 2024 - 1900;
  when.tm_mon = 1;
  when.tm_mday = 29;
  when.tm_hour = 13;
  when.tm_min = 45;
  when.tm_sec = 31;
  when.tm_isdst = -1;
  times.actime = times.modtime = mktime(&when);
  ASSERT_EQ(utime((tmp / "b.TXT").c_str(), &times), 0);
  TSearchRec rec;
  ASSERT_EQ(FindFirst(tmp / "B.TXT", 0, rec), 0);
  EXPECT_EQ(rec.Name, "b.TXT");
  EXPECT_EQ(rec.Size, 5);
  EXPECT_EQ(rec.Time, (44 << 25) | (2 << 21) | (29 << 16) | (13 << 11) | (45 << 5) | 15);
  FindClose(rec);

  Integer result = -1;
  List(tmp / "*.none", faAnyFile, &result);
  EXPECT_EQ(result, static_cast<Integer>(ERROR_FILE_NOT_FOUND));
  List(tmp / "None/*.*", faAnyFile, &result);
  EXPECT_EQ(result, static_cast<Integer>(ERROR_PATH_NOT_FOUND));
  List(tmp / "SUB\\*.*", faDirectory, &result);   // a folder holds at least "." and ".."
  EXPECT_EQ(result, 0);
}

}  // namespace
