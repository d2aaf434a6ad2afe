// A fresh set of folders for one test: a program folder (the current folder while the test runs),
// a config home (XDG_CONFIG_HOME, the platform's APPDATA) and a temporary folder (TMPDIR, the
// platform's TEMP), all under a new folder in the system's temporary folder, removed afterwards.
// The suite's folders, settings and colour sets start from their defaults, and no program end is
// pending before or after the test.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "suite/cfg_settings.h"
#include "suite/color_scheme.h"
#include "suite/ini_settings.h"
#include "suite/program_end.h"
#include "suite/suite_folders.h"

class SuiteFolderFixture : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "suite-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    program_ = root_ / "program";
    config_ = root_ / "config";
    temp_ = root_ / "temp";
    for (const auto& dir : {program_, config_, temp_}) std::filesystem::create_directory(dir);
    savedCwd_ = std::filesystem::current_path();
    SaveAndSet("XDG_CONFIG_HOME", config_.string(), savedConfig_);
    SaveAndSet("TMPDIR", temp_.string(), savedTemp_);
    std::filesystem::current_path(program_);
    StartSuite();
    ResetProgramEnd();
  }

  void TearDown() override {
    ResetProgramEnd();
    std::filesystem::current_path(savedCwd_);
    Restore("XDG_CONFIG_HOME", savedConfig_);
    Restore("TMPDIR", savedTemp_);
    std::filesystem::remove_all(root_);
  }

  // Sets the suite's folders from the current environment and resets its settings.
  void StartSuite() {
    InitSuiteFolders();
    ResetCfgSettings(ProgramFolder);
    ResetIniSettings();
    ColorSets = {};
  }

  static void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string ReadBytes(const std::filesystem::path& path) {
    std::ostringstream out;
    out << std::ifstream(path, std::ios::binary).rdbuf();
    return out.str();
  }
  std::filesystem::path CfgPath() const { return config_ / "Quendry" / "QZACC.CFG"; }

  std::filesystem::path root_, program_, config_, temp_;

 private:
  static void SaveAndSet(const char* name, const std::string& value, std::optional<std::string>& saved) {
    if (const char* old = getenv(name)) saved = old;
    setenv(name, value.c_str(), 1);
  }
  static void Restore(const char* name, const std::optional<std::string>& saved) {
    if (saved) setenv(name, saved->c_str(), 1);
    else unsetenv(name);
  }

  std::filesystem::path savedCwd_;
  std::optional<std::string> savedConfig_, savedTemp_;
};

// Lines joined with CR LF after each, as the suite writes text files.
inline std::string CrLfLines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
