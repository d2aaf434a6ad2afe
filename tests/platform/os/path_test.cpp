#include "platform/os/path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/drive_map.h"
#include "tests/support/os/temp_folder.h"

namespace {

class PathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPathMappings();
    mkdir((tmp / "PayRoll").c_str(), 0777);
    WriteRawFile(tmp / "PayRoll/prinfo.dat", "x");
    // The Thai folder name is stored in UTF-8 on disk.
    mkdir((tmp / "บริษัท").c_str(), 0777);
    WriteRawFile(tmp / "บริษัท/Data.DAT", "y");
  }
  void TearDown() override { ResetPathMappings(); }

  // tmp's path in the code page the program uses (it is ASCII in practice).
  std::string Root() const { return Utf8ToCp874(tmp.Path()); }

  TempFolder tmp;
};

TEST_F(PathTest, ResolvesEveryFormToTheExistingEntries) {
  SetDriveMapping('c', Root());
  SetUncMapping("\\\\FileSrv\\Acc", Root() + "/PayRoll");
  struct Case {
    std::string input;
    std::string expected;   // relative to tmp
  };
  const Case cases[] = {
      {Root() + "/PayRoll/prinfo.dat", "PayRoll/prinfo.dat"},
      {Root() + "/PAYROLL/PRINFO.DAT", "PayRoll/prinfo.dat"},
      {"C:\\payroll\\PRINFO.DAT", "PayRoll/prinfo.dat"},
      {"c:/PAYROLL\\\\prinfo.DAT", "PayRoll/prinfo.dat"},
      {"C:payroll\\prinfo.dat", "PayRoll/prinfo.dat"},
      {"\\\\filesrv\\acc\\PRINFO.dat", "PayRoll/prinfo.dat"},
      {"//FILESRV/ACC/prinfo.dat", "PayRoll/prinfo.dat"},
      {"C:\\payroll\\NEW.DAT", "PayRoll/NEW.DAT"},
      {"C:\\Missing\\Sub\\NeW.dat", "Missing/Sub/NeW.dat"},
      {"C:\\PAYROLL\\", "PayRoll/"},
      {std::string("C:\\") + std::string("บริษัท"_cp874) + "\\DATA.dat", "บริษัท/Data.DAT"},
  };
  for (const Case& c : cases) {
    std::string native;
    EXPECT_EQ(ResolvePath(c.input, native), ERROR_SUCCESS) << c.input;
    EXPECT_EQ(native, tmp / c.expected) << c.input;
  }
}

TEST_F(PathTest, UnmappedDriveGoesToTheRootAndUnmappedShareIsABadNetPath) {
  std::string windowsForm = "C:" + Root() + "\\payroll\\PRINFO.DAT";
  for (char& c : windowsForm)
    if (c == '/') c = '\\';
  EXPECT_EQ(ResolvePath(windowsForm), tmp / "PayRoll/prinfo.dat");
  EXPECT_EQ(ResolvePath("C:\\"), "/");
  EXPECT_EQ(ResolvePath("d:\\tmp"), "/tmp");
  std::string native = "stale";
  EXPECT_EQ(ResolvePath("\\\\nowhere\\share\\x.dat", native), ERROR_BAD_NETPATH);
  EXPECT_EQ(native, "");
  EXPECT_EQ(ResolvePath(std::string("a\0b", 3), native), ERROR_INVALID_NAME);
}

TEST_F(PathTest, AmongSeveralCaseVariantsTheSmallestIsChosen) {
  WriteRawFile(tmp / "PayRoll/PRINFO.DAT", "z");
  EXPECT_EQ(ResolvePath(Root() + "/payroll/Prinfo.Dat"), tmp / "PayRoll/PRINFO.DAT");
  // An exact match always wins.
  EXPECT_EQ(ResolvePath(Root() + "/payroll/prinfo.dat"), tmp / "PayRoll/prinfo.dat");
}

TEST_F(PathTest, RelativePathsResolveAgainstTheCurrentFolder) {
  char* saved = getcwd(nullptr, 0);
  ASSERT_EQ(chdir(tmp.Path().c_str()), 0);
  EXPECT_EQ(ResolvePath("payroll\\PRINFO.DAT"), "PayRoll/prinfo.dat");
  EXPECT_EQ(ResolvePath(".\\PAYROLL\\..\\payroll\\x"), "./PayRoll/../PayRoll/x");
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

TEST(DriveMap, ParsesTheTextForm) {
  struct Case {
    const char* mapText;
    bool ok;
  };
  const Case cases[] = {{"C=/srv/c;D:=/mnt/d/", true}, {"\\\\srv\\share=/mnt/s;;", true}, {"", true},
                        {"C", false},  {"1=/x", false}, {"CD=/x", false},
                        {"\\\\srv=/x", false}, {"\\\\srv\\a\\b=/x", false}, {"C=", false}};
  for (const Case& c : cases) {
    ResetPathMappings();
    EXPECT_EQ(LoadPathMappings(c.mapText), c.ok) << c.mapText;
  }
  ResetPathMappings();
  ASSERT_TRUE(LoadPathMappings("c=/srv/c;D:=/mnt/d/;\\\\Srv\\Share=/mnt/s"));
  EXPECT_EQ(DriveRoot('C'), "/srv/c");
  EXPECT_EQ(DriveRoot('d'), "/mnt/d");
  EXPECT_EQ(DriveRoot('E'), "/");
  EXPECT_EQ(UncRoot("SRV", "share").value_or("none"), "/mnt/s");
  EXPECT_FALSE(UncRoot("srv", "other").has_value());
  EXPECT_FALSE(LoadPathMappings("E=/e;bad"));
  EXPECT_EQ(DriveRoot('E'), "/");   // a malformed map changes nothing
  ResetPathMappings();
}

}  // namespace
