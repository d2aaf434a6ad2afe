#include "platform/os/file_names.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/os/folders.h"
#include "tests/support/os/temp_folder.h"

namespace {

TEST(FileNames, SplitNativeAndWindowsFormNames) {
  struct Case {
    const char* name;
    const char* path;
    const char* dir;
    const char* file;
    const char* ext;
  };
  const Case cases[] = {
      {"C:\\ACC\\PR.DAT", "C:\\ACC\\", "C:\\ACC", "PR.DAT", ".DAT"},
      {"/srv/acc/pr.tar.gz", "/srv/acc/", "/srv/acc", "pr.tar.gz", ".gz"},
      {"C:PR", "C:", "C:", "PR", ""},
      {"C:\\PR", "C:\\", "C:\\", "PR", ""},
      {"/PR.", "/", "/", "PR.", "."},
      {"dir.d/name", "dir.d/", "dir.d", "name", ""},
      {"mixed/dir\\x.csv", "mixed/dir\\", "mixed/dir", "x.csv", ".csv"},
      {"\\\\srv\\share\\x", "\\\\srv\\share\\", "\\\\srv\\share\\", "x", ""},
      {"", "", "", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
    EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
    EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
    EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
  }
}

TEST(FileNames, ChangeExtensionsAndDelimiters) {
  EXPECT_EQ(ChangeFileExt("C:\\ACC\\PR.DAT", ".IX"), "C:\\ACC\\PR.IX");
  EXPECT_EQ(ChangeFileExt("dir.d/name", ".txt"), "dir.d/name.txt");
  EXPECT_EQ(ChangeFileExt("a.b.c", ""), "a.b");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\ACC"), "C:\\ACC\\");
  EXPECT_EQ(IncludeTrailingPathDelimiter("/srv/acc"), "/srv/acc/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("acc"), "acc/");
  EXPECT_EQ(IncludeTrailingPathDelimiter("C:\\ACC\\"), "C:\\ACC\\");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("C:\\ACC\\"), "C:\\ACC");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/srv/"), "/srv");
  EXPECT_EQ(ExcludeTrailingPathDelimiter("/srv"), "/srv");
}

TEST(FileNames, ExpandFileNameMakesAbsolutePathsWithoutDots) {
  TempFolder tmp;
  char* saved = getcwd(nullptr, 0);
  ASSERT_TRUE(SetCurrentDir(tmp.Path()));
  const std::string cwd = GetCurrentDir();
  struct Case {
    std::string name;
    std::string expected;
  };
  const Case cases[] = {
      {"data\\PR.DAT", cwd + "/data/PR.DAT"},
      {"./a/../b/", cwd + "/b/"},
      {"/srv/./acc/../x", "/srv/x"},
      {"C:\\ACC\\..\\..\\PR.DAT", "C:\\PR.DAT"},
      {"\\\\srv\\share\\a\\..\\b", "\\\\srv\\share\\b"},
      {"/", "/"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandFileName(c.name), c.expected) << c.name;
  EXPECT_EQ(chdir(saved), 0);
  free(saved);
}

}  // namespace
