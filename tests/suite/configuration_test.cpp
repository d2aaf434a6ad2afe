#include "suite/configuration.h"

#include <gtest/gtest.h>

#include <vector>

#include "expected_colors.h"
#include "platform/core/cp874.h"
#include "platform/os/clock.h"
#include "platform/os/file.h"
#include "tests/support/suite/recording_user_interface.h"
#include "suite/color_scheme.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

using Lines = std::vector<std::string>;

std::string Joined(const Lines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Holds a file the way another program does: open, shared with no one.
File HoldExclusively(const std::filesystem::path& path) {
  File file;
  EXPECT_EQ(file.Open(path.string(), GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING), 0u);
  return file;
}

class Configuration : public SuiteFolderFixture {};

TEST_F(Configuration, RewriteKeepsForeignLinesInPlaceAndAppendsMissingKeysInOrder) {
  // LF and CR LF line ends, comments, an empty line, a key in small letters, keys of other
  // programs, unknown keys, an empty value, no LOOKANDFEEL line.
  const std::string fixture = std::string("; shared by the suite\r\n") +
                              "NETWORK=S\n"
                              "FREEHEAP=4\r\n"
                              "lookandfeel_menu=3\n"
                              "COMPANYBARWIDTH=9\n"
                              "OPENCOMPANY_DIR_PR=D:\\PAYROLL\\CO1\n"
                              "\n"
                              "DEFAULT_PRINTERNAME=HP LaserJet\n"
                              "REPORTDISPLAYZERO=TRUE\n"
                              "ASKFORENTERDATE=0\n"
                              "BACKGROUND_PICTURE_IC=C:\\pics\\ic.jpg\n"
                              "BACKGROUND_TYPE_GL=3\n"
                              "UNKNOWN_KEY=keep me\n"
                              "CUSTOM_GRID_COLOR=12345\n"
                              "DEFAULT_MAIN_COLOR=2\n"
                              "  ; indented comment\n"
                              "PREXPORT32_DIR=\n" +
                              std::string("ชื่อ=ไทย"_cp874) + "\n";
  WriteBytes(CfgPath(), fixture);

  LoadConfiguration();

  Lines expected = {
      "; shared by the suite",
      "NETWORK=S",
      "FREEHEAP=4",
      "LOOKANDFEEL_MENU=0",   // the small-letter key was not read, but the writer takes its line
      "COMPANYBARWIDTH=9",
      "OPENCOMPANY_DIR_PR=D:\\PAYROLL\\CO1",
      "DEFAULT_PRINTERNAME=HP LaserJet",
      "REPORTDISPLAYZERO=TRUE",
      "ASKFORENTERDATE=0",
      "BACKGROUND_PICTURE_IC=C:\\pics\\ic.jpg",
      "BACKGROUND_TYPE_GL=3",
      "UNKNOWN_KEY=keep me",
      "CUSTOM_GRID_COLOR=12345",
      "DEFAULT_MAIN_COLOR=2",
      "  ; indented comment",
      "PREXPORT32_DIR=C:\\",
      std::string("ชื่อ=ไทย"_cp874),
      "LOOKANDFEEL=2",        // the platform: version 6.1, composition off
      "PASSSETTING=0",
      "PREVIEWSETTING=2",
      "SHOWPRINTDIALOG=FALSE",
      "ASKFORENTERDATE_PR=1",
      "SHOWTIPONSTART=1",
      "SHOWTIPONSTART_PR=1",
      "SHOWSOFTWARETYPE=1",
      "GL_USESMARTMOVE=FALSE",
      "AR_USEPAIDOLDSTYLE=TRUE",
      "AP_USEPAIDOLDSTYLE=TRUE",
      "IC_PRINTTRANSFER=TRUE",
      "AR_AUTORUNINVOICE=FALSE",
      "BACKGROUND_COLOR0_GL=0",
      "BACKGROUND_PICTURE_GL=" + program_.string() + "/Wallpaper/Wallpaper_001.jpg",
      "BACKGROUND_TRANSPARENT_GL=70",
      "BACKGROUND_POSITION_GL=0",
      "BACKGROUND_SHOWCOMPANY_GL=1",
      "BACKGROUND_SHOWTRANSPARENT_GL=1",
      "BACKGROUND_POSITION_FITWIDTH_GL=1",
      "USER_COLOR_TYPE=1",
      "CUSTOM_PANEL_COLOR=0",
      "CUSTOM_PANEL_COLORTO=0",
      "CUSTOM_REPTMENU_COLOR=0",
      "CUSTOM_REPTMENU_COLORTO=0",
      "CUSTOM_BACKGROUND_COLOR=0",
      "APS_DRIVE_LIST=",
      "AP_PRINTPAYMENTAFTERSAVE=TRUE",
      "AR_PRINTRECEIPTAFTERSAVE=TRUE",
  };
  EXPECT_EQ(ReadBytes(CfgPath()), Joined(expected));
  EXPECT_EQ(CfgSettings.Network, "M");
  EXPECT_EQ(CfgSettings.HeapReserve, 60000);
  EXPECT_EQ(CfgSettings.LookAndFeelMenu, 0);
  EXPECT_EQ(CfgSettings.OpenCompanyDirPr, "D:\\PAYROLL\\CO1");

  // The scheme computed set 6 afresh; the next rewrite stores it over the file's values.
  WriteCfgFile();
  const std::array<int, 6> set6 = expected_colors::Set(2, 6);
  const char* customKeys[] = {"CUSTOM_PANEL_COLOR",    "CUSTOM_PANEL_COLORTO",    "CUSTOM_GRID_COLOR",
                              "CUSTOM_REPTMENU_COLOR", "CUSTOM_REPTMENU_COLORTO", "CUSTOM_BACKGROUND_COLOR"};
  for (int i = 0; i < 6; ++i)
    for (std::string& line : expected)
      if (line.starts_with(std::string(customKeys[i]) + "=")) line = customKeys[i] + ("=" + std::to_string(set6[i]));
  EXPECT_EQ(ReadBytes(CfgPath()), Joined(expected));
}

TEST_F(Configuration, RewriteKeepsEveryLineOfALongFile) {
  Lines lines;
  for (int i = 1; i <= 200; ++i) lines.push_back("OTHER_PROGRAM_KEY_" + std::to_string(i) + "=" + std::to_string(i * 7));
  WriteBytes(CfgPath(), Joined(lines));

  LoadConfiguration();   // no LOOKANDFEEL: rewritten

  const std::string written = ReadBytes(CfgPath());
  EXPECT_TRUE(written.starts_with(Joined(lines)));
  EXPECT_NE(written.find("\r\nLOOKANDFEEL=2\r\n"), std::string::npos);
}

TEST_F(Configuration, FileWithLookAndFeelIsReadAndLeftUntouched) {
  const std::string fixture = "LOOKANDFEEL=0\nlookandfeel=1\nLOOKANDFEEL_MENU=4\n\nDEFAULT_MAIN_COLOR=7\n";
  WriteBytes(CfgPath(), fixture);
  LoadConfiguration();
  EXPECT_EQ(ReadBytes(CfgPath()), fixture);
  EXPECT_EQ(CfgSettings.LookAndFeel, 0);
  EXPECT_EQ(CfgSettings.LookAndFeelMenu, 4);
  EXPECT_EQ(CfgSettings.DefaultMainColor, 2);
}

TEST_F(Configuration, EmptyLookAndFeelValueChoosesTheDefaultAndRewritesInPlace) {
  WriteBytes(CfgPath(), "LOOKANDFEEL=\r\nUNKNOWN=1\r\n");
  LoadConfiguration();
  EXPECT_EQ(CfgSettings.LookAndFeel, 2);
  EXPECT_TRUE(ReadBytes(CfgPath()).starts_with("LOOKANDFEEL=2\r\nUNKNOWN=1\r\nLOOKANDFEEL_MENU=0\r\n"));
}

TEST_F(Configuration, CompanySettingsAreReadFromTheCurrentFolderInAnyCase) {
  WriteBytes(CfgPath(), "LOOKANDFEEL=0\r\n");
  WriteBytes(program_ / "qzacc.ini", " save mode = true\r\n\r\n   \r\n; SOCIALMAXAGES=1\r\nsocialmaxages=60\n");
  LoadConfiguration();
  EXPECT_TRUE(SaveModeSetting);
  EXPECT_EQ(IniSettings.SocialMaxAges, 60);
}

TEST_F(Configuration, SettingsFilesHeldByAnotherProgram) {
  const std::string cfg = "LOOKANDFEEL_MENU=5\r\n";   // no LOOKANDFEEL: rewritten whenever it is read
  WriteBytes(CfgPath(), cfg);
  WriteBytes(program_ / "QZACC.INI", "SAVEMODE=TRUE\r\n");
  FakeClock clock(46000.5);
  ScopedClock installed(clock);
  {
    File heldCfg = HoldExclusively(CfgPath());
    File heldIni = HoldExclusively(program_ / "QZACC.INI");
    LoadConfiguration();
  }
  EXPECT_EQ(CfgSettings.LookAndFeelMenu, 0) << "the defaults stay";
  EXPECT_EQ(CfgSettings.LookAndFeel, -1) << "no default chosen without the file";
  EXPECT_FALSE(SaveModeSetting) << "QZACC.INI skipped";
  EXPECT_EQ(clock.TickCount(), UInt64{kIniLockedRetries} * kIniLockedPauseMs)
      << "QZACC.CFG retried without pause, QZACC.INI with a pause on the clock each time";
  EXPECT_EQ(ReadBytes(CfgPath()), cfg);

  LoadConfiguration();   // released: read and rewritten as usual
  EXPECT_EQ(CfgSettings.LookAndFeelMenu, 5);
  EXPECT_TRUE(SaveModeSetting);
  EXPECT_TRUE(ReadBytes(CfgPath()).starts_with("LOOKANDFEEL_MENU=5\r\nLOOKANDFEEL=2\r\n"));
}

// Holds bytes far into a file the way another program does: a lock on a range of it.
File LockTail(const std::filesystem::path& path) {
  File file;
  EXPECT_EQ(file.Open(path.string(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING),
            0u);
  EXPECT_EQ(file.Lock(6000, 100), 0u);
  return file;
}

TEST_F(Configuration, WriterLeavesAFileItCannotReadAlone) {
  // Lines of other programs well beyond the first few thousand bytes, and no LOOKANDFEEL line,
  // so that both the loader and the writer would rewrite a file they had read.
  Lines lines;
  for (int i = 1; i <= 300; ++i) lines.push_back("OTHER_PROGRAM_KEY_" + std::to_string(i) + "=" + std::to_string(i));
  const std::string cfg = Joined(lines);
  ASSERT_GT(cfg.size(), 6100u);
  const struct {
    const char* how;
    File (*hold)(const std::filesystem::path&);
  } holds[] = {{"held without sharing", HoldExclusively}, {"a range past the start locked", LockTail}};
  for (const auto& h : holds) {
    WriteBytes(CfgPath(), cfg);
    {
      File held = h.hold(CfgPath());
      WriteCfgFile();
      LoadConfiguration();
    }
    EXPECT_EQ(ReadBytes(CfgPath()), cfg) << h.how;
  }
}

TEST_F(Configuration, SchemeWithoutItsWallpaperFolderFallsBackWithAMessage) {
  WriteBytes(CfgPath(), "LOOKANDFEEL=0\r\nDEFAULT_MAIN_COLOR=3\r\n");
  const std::filesystem::path bitmap = temp_ / "~bg_glmain32_0_tmp.bmp";
  WriteBytes(bitmap, "BM");
  RecordingUserInterface ui;

  LoadConfiguration();

  EXPECT_EQ(CfgSettings.DefaultMainColor, 2);
  EXPECT_TRUE(ReadBytes(CfgPath()).starts_with("LOOKANDFEEL=0\r\nDEFAULT_MAIN_COLOR=2\r\n"));
  EXPECT_FALSE(std::filesystem::exists(bitmap));
  EXPECT_EQ(ui.transcript, (std::vector<RecordingUserInterface::Entry>{{"plain", 0, "Folder not found."}}));
  EXPECT_EQ(ColorSets[0].Grid, 0) << "no colours are computed";
}

TEST_F(Configuration, SchemeWithItsWallpaperFolderSelectsItsColours) {
  const std::string cfg = "LOOKANDFEEL=0\r\nDEFAULT_MAIN_COLOR=4\r\n";
  WriteBytes(CfgPath(), cfg);
  std::filesystem::create_directory(program_ / "Wallpaper_Blue");
  WriteBytes(program_ / "Wallpaper_Blue" / "Wallpaper_001_1.jpg", "jpg");
  RecordingUserInterface ui;

  LoadConfiguration();

  EXPECT_EQ(CfgSettings.DefaultMainColor, 4);
  EXPECT_EQ(ReadBytes(CfgPath()), cfg);
  EXPECT_TRUE(ui.transcript.empty());
  for (int set = 1; set <= 6; ++set) EXPECT_EQ(ColorSets[set - 1].Grid, expected_colors::Set(4, set)[2]) << set;
}

}  // namespace
