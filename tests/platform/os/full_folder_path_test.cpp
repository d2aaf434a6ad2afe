#include "platform/os/full_folder_path.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>

#include "tests/support/os/child_process.h"
#include "platform/core/cp874.h"
#include "platform/os/drive_map.h"
#include "tests/support/os/temp_folder.h"

namespace {

class FullFolderPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetPathMappings();
    std::filesystem::create_directories(tmp / "Data/Sub");
    std::filesystem::create_directory_symlink(tmp / "Data", tmp / "link");
    WriteRawFile(tmp / "Data/file.txt", "x");
  }
  void TearDown() override {
    ResetPathMappings();
    std::filesystem::current_path(saved_);
  }

  // tmp's full path (the temporary folder's own path may pass a symbolic link).
  std::string Real(const std::string& name = "") const {
    char resolved[PATH_MAX];
    const std::string real = realpath(tmp.Path().c_str(), resolved);
    return name.empty() ? real : real + "/" + name;
  }

  TempFolder tmp;
  std::filesystem::path saved_ = std::filesystem::current_path();
};

TEST_F(FullFolderPathTest, AFolderIsNamedByItsOneFullPathWhateverTheForm) {
  SetDriveMapping('K', Utf8ToCp874(tmp.Path()));
  std::filesystem::current_path(tmp / "Data");
  const struct {
    std::string path;
    std::string expected;   // relative to tmp's full path; "-" for none
  } cases[] = {
      {tmp / "Data", "Data"},
      {tmp / "Data/", "Data"},
      {tmp / "DATA/sub", "Data/Sub"},
      {"K:\\data\\SUB\\", "Data/Sub"},
      {tmp / "link/Sub", "Data/Sub"},
      {tmp / "Data/Sub/..", "Data"},
      {"Sub", "Data/Sub"},
      {".", "Data"},
      {tmp / "Data/file.txt", "-"},
      {tmp / "Missing", "-"},
      {"", "-"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FullFolderPath(c.path), c.expected == "-" ? "" : Real(c.expected)) << c.path;
  EXPECT_EQ(FullFolderPath("/"), "/");
  EXPECT_EQ(std::filesystem::current_path(), tmp / "Data");
}

TEST_F(FullFolderPathTest, TheDriveRootsAreTheirExistingTargetsOnceInOrderWithoutCase) {
  std::filesystem::create_directory(tmp / "b");
  std::filesystem::create_directory(tmp / "A");
  std::filesystem::create_directory_symlink(tmp / "b", tmp / "also-b");
  EXPECT_EQ(DriveRootFolders(), std::vector<std::string>{"/"});
  const std::string root = Utf8ToCp874(tmp.Path());
  ASSERT_TRUE(LoadPathMappings("C=" + root + "/b;D=" + root + "/A;E=" + root + "/also-b;F=" + root + "/none"));
  EXPECT_EQ(DriveRootFolders(), (std::vector<std::string>{"/", Real("A"), Real("b")}));
  for (char drive = 'A'; drive <= 'Z'; ++drive) SetDriveMapping(drive, root + "/b");
  EXPECT_EQ(DriveRootFolders(), std::vector<std::string>{Real("b")});
}

// Root enters every folder, so the refusal is seen by a child that gives root up.
TEST_F(FullFolderPathTest, AFolderWithoutSearchPermissionCannotBeEnteredButHasItsPath) {
  ASSERT_EQ(chmod(tmp.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod((tmp / "Data").c_str(), 0755), 0);
  ASSERT_EQ(chmod((tmp / "Data/Sub").c_str(), 0644), 0);
  const std::string sub = tmp / "Data/Sub";
  const std::string expected = Real("Data/Sub");
  ChildProcess child([&](Channel&) {
    if (getuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return 10;
    if (CanEnterFolder(sub)) return 11;
    if (!CanEnterFolder(tmp / "Data") || CanEnterFolder(tmp / "Data/file.txt") || CanEnterFolder(tmp / "None"))
      return 12;
    return FullFolderPath(sub) == expected ? 0 : 13;
  });
  EXPECT_EQ(child.Wait(), 0);
  ASSERT_EQ(chmod(sub.c_str(), 0755), 0);
}

}  // namespace
