#include "platform/os/environment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "tests/support/os/scoped_env.h"
#include "tests/support/os/temp_folder.h"

namespace {

TEST(Environment, DesktopFoldersFromTheLinuxVariables) {
  struct Case {
    std::optional<std::string> home, config, tmpdir;
    std::string appData, temp;
  };
  const std::optional<std::string> unset;
  const Case cases[] = {
      {"/home/somchai", "/cfg", "/var/tmp", "/cfg", "/var/tmp"},
      {"/home/somchai", unset, unset, "/home/somchai/.config", "/tmp"},
      {"/home/somchai/", "relative/cfg", "", "/home/somchai/.config", "/tmp"},   // both ignored
      {"/home/somchai", "", "/scratch//", "/home/somchai/.config", "/scratch"},
  };
  for (const Case& c : cases) {
    ScopedEnv home("HOME", c.home), config("XDG_CONFIG_HOME", c.config), tmp("TMPDIR", c.tmpdir);
    EXPECT_EQ(GetEnvironmentVariable("APPDATA"), c.appData);
    EXPECT_EQ(AppDataFolder(), c.appData);
    EXPECT_EQ(GetEnvironmentVariable("TEMP"), c.temp);
    EXPECT_EQ(GetEnvironmentVariable("TMP"), c.temp);
    EXPECT_EQ(GetTempPath(), c.temp + "/");
  }
}

TEST(Environment, OtherVariablesPassThroughAsCodePage874) {
  ScopedEnv thai("PR_TEST_GREETING", "สวัสดี");   // UTF-8 in the environment
  ScopedEnv empty("PR_TEST_EMPTY", "");
  ScopedEnv missing("PR_TEST_MISSING", std::nullopt);
  EXPECT_EQ(GetEnvironmentVariable("PR_TEST_GREETING"), "สวัสดี"_cp874);
  EXPECT_EQ(GetEnvironmentVariableValue("PR_TEST_EMPTY"), "");
  EXPECT_EQ(GetEnvironmentVariableValue("PR_TEST_MISSING"), std::nullopt);
  EXPECT_EQ(GetEnvironmentVariable("PR_TEST_MISSING"), "");
}

TEST(Environment, SystemFolderIsCreatedUnderTheConfigFolder) {
  TempFolder tmp;
  ScopedEnv config("XDG_CONFIG_HOME", tmp.Path());
  const std::string folder = GetSystemDirectory();
  EXPECT_EQ(folder, tmp / "Quendry/System");
  EXPECT_TRUE(DirectoryExists(folder));
  EXPECT_EQ(GetSystemDirectory(), folder);   // a second call finds it
}

}  // namespace
