#include "suite/suite_folders.h"

#include <gtest/gtest.h>

#include "platform/core/date_time.h"
#include "platform/core/units.h"
#include "platform/os/clock.h"
#include "platform/os/folders.h"
#include "suite/frame_characters.h"
#include "suite/report_temp.h"
#include "suite/suite_runtime.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

class SuiteFolders : public SuiteFolderFixture {
 protected:
  void TearDown() override {
    FinalizeUnits();
    SuiteFolderFixture::TearDown();
  }
};

TEST_F(SuiteFolders, StartUpCreatesTheSettingsDataAndReportFolders) {
  FakeClock clock(EncodeDate(2026, 3, 5) + EncodeTime(14, 7, 9, 0));
  ScopedClock installed(clock);
  SelectFrameStyle('H');

  InitializeSuiteRuntime();

  const std::string temp = temp_.string() + "/";
  EXPECT_EQ(ProgramFolder, program_.string());
  EXPECT_EQ(SettingsFolder, (config_ / "Quendry").string());
  EXPECT_EQ(CfgFilePath(), (config_ / "Quendry" / "QZACC.CFG").string());
  EXPECT_EQ(TempFolder, temp);
  EXPECT_EQ(TempDataFolder, temp + "qzacc_data/");
  EXPECT_EQ(ReportTempBase, temp + "qzacc_report_temp/~05032026140709");
  EXPECT_EQ(ReportColumnFile, ReportTempBase + ".col");
  for (const auto& folder : {config_ / "Quendry", temp_ / "qzacc_data", temp_ / "qzacc_report_temp"})
    EXPECT_TRUE(std::filesystem::is_directory(folder)) << folder;
  EXPECT_EQ(GetCurrentDir(), program_.string());
  EXPECT_EQ(FrameStyleLetter, 'A');
  EXPECT_EQ(CfgSettings.BackgroundPicture, program_.string() + "/Wallpaper/Wallpaper_001.jpg");
}

TEST_F(SuiteFolders, FoldersThatCannotBeMadeOrEnteredFallBack) {
  const std::string program = program_.string();
  struct Case {
    const char* what;
    std::string configHome, tempDir;   // environment
    const char* blockedFile;           // a file in TMPDIR where a folder should go
    std::string settings, temp, data, report;
  };
  const std::string temp = temp_.string() + "/";
  const Case cases[] = {
      {"temporary folder is a file", config_.string(), (root_ / "plain-file").string(), nullptr,
       (config_ / "Quendry").string(), "", "qzacc_data/", "qzacc_report_temp/~"},
      {"temporary folder missing", config_.string(), (root_ / "missing").string(), nullptr,
       (config_ / "Quendry").string(), "", "qzacc_data/", "qzacc_report_temp/~"},
      {"config home is a file", (root_ / "plain-file").string(), temp_.string(), nullptr, program, temp,
       temp + "qzacc_data/", temp + "qzacc_report_temp/~"},
      {"data folder blocked", config_.string(), temp_.string(), "qzacc_data", (config_ / "Quendry").string(), temp,
       temp, temp + "qzacc_report_temp/~"},
      {"report folder blocked", config_.string(), temp_.string(), "qzacc_report_temp",
       (config_ / "Quendry").string(), temp, temp + "qzacc_data/", temp + "~"},
  };
  WriteBytes(root_ / "plain-file", "not a folder");
  FakeClock clock(EncodeDate(2026, 3, 5) + EncodeTime(8, 0, 1, 0));
  ScopedClock installed(clock);
  for (const Case& c : cases) {
    std::filesystem::remove_all(temp_);
    std::filesystem::create_directory(temp_);
    if (c.blockedFile != nullptr) WriteBytes(temp_ / c.blockedFile, "x");
    setenv("XDG_CONFIG_HOME", c.configHome.c_str(), 1);
    setenv("TMPDIR", c.tempDir.c_str(), 1);

    InitSuiteFolders();
    PrepareReportTemp();

    EXPECT_EQ(SettingsFolder, c.settings) << c.what;
    EXPECT_EQ(TempFolder, c.temp) << c.what;
    EXPECT_EQ(TempDataFolder, c.data) << c.what;
    EXPECT_EQ(ReportTempBase, c.report + "05032026080001") << c.what;
    EXPECT_EQ(GetCurrentDir(), program) << c.what;
    if (c.temp.empty()) {   // relative names land in the program folder
      EXPECT_TRUE(std::filesystem::is_directory(program_ / "qzacc_data")) << c.what;
      EXPECT_TRUE(std::filesystem::is_directory(program_ / "qzacc_report_temp")) << c.what;
    }
  }
}

}  // namespace
