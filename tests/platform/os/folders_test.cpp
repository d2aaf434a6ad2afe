#include "platform/os/folders.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "platform/core/win_errors.h"
#include "platform/os/os_error.h"
#include "tests/support/os/temp_folder.h"

namespace {

class FoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    mkdir((tmp / "PayRoll").c_str(), 0777);
    WriteRawFile(tmp / "PayRoll/prinfo.dat", "x");
  }
  TempFolder tmp;
};

TEST_F(FoldersTest, CreateForceAndRemoveMatchExistingFoldersWithoutCase) {
  EXPECT_TRUE(ForceDirectories(tmp / "PAYROLL/Backup/2567"));
  EXPECT_TRUE(std::filesystem::is_directory(tmp / "PayRoll/Backup/2567"));
  EXPECT_FALSE(std::filesystem::exists(tmp / "PAYROLL"));
  EXPECT_TRUE(ForceDirectories(tmp / "payroll\\backup\\2567\\"));   // already there
  EXPECT_TRUE(CreateDir(tmp / "payroll/NewOne"));
  EXPECT_TRUE(std::filesystem::is_directory(tmp / "PayRoll/NewOne"));
  EXPECT_TRUE(DirectoryExists(tmp / "PAYROLL/NEWONE"));
  EXPECT_FALSE(DirectoryExists(tmp / "PAYROLL/PRINFO.DAT"));
  EXPECT_TRUE(RemoveDir(tmp / "PAYROLL/NEWONE"));
  EXPECT_FALSE(DirectoryExists(tmp / "PayRoll/NewOne"));
}

TEST_F(FoldersTest, FailuresGiveThePlatformErrors) {
  struct Case {
    const char* what;
    bool (*call)(std::string_view);
    std::string path;
    DWORD expected;
  };
  const Case cases[] = {
      {"create existing", CreateDir, tmp / "payroll", ERROR_ALREADY_EXISTS},
      {"create below missing", CreateDir, tmp / "None/x", ERROR_PATH_NOT_FOUND},
      {"force through a file", ForceDirectories, tmp / "PayRoll/prinfo.dat/x", ERROR_ALREADY_EXISTS},
      {"remove non-empty", RemoveDir, tmp / "PayRoll", ERROR_DIR_NOT_EMPTY},
      {"remove missing", RemoveDir, tmp / "None", ERROR_FILE_NOT_FOUND},
      {"remove below missing", RemoveDir, tmp / "None/x", ERROR_PATH_NOT_FOUND},
      {"remove a file", RemoveDir, tmp / "PayRoll/prinfo.dat", ERROR_DIRECTORY},
      {"enter missing", SetCurrentDir, tmp / "None", ERROR_FILE_NOT_FOUND},
      {"enter a file", SetCurrentDir, tmp / "PayRoll/prinfo.dat", ERROR_DIRECTORY},
      {"unmapped share", CreateDir, "\\\\nowhere\\share\\x", ERROR_BAD_NETPATH},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_FALSE(c.call(c.path)) << c.what;
    EXPECT_EQ(GetLastError(), c.expected) << c.what;
  }
}

TEST_F(FoldersTest, CurrentFolderFollowsSetCurrentDir) {
  char* saved = getcwd(nullptr, 0);
  ASSERT_TRUE(SetCurrentDir(tmp / "PAYROLL"));
  EXPECT_EQ(GetCurrentDir(), std::filesystem::canonical(tmp / "PayRoll").string());
  EXPECT_TRUE(DirectoryExists(".."));
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

}  // namespace
