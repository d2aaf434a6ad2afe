#include <gtest/gtest.h>

#include <functional>

#include "expected_colors.h"
#include "suite/cfg_settings.h"
#include "suite/color_scheme.h"
#include "suite/ini_settings.h"

namespace {

std::string Show(Integer v) { return std::to_string(v); }
std::string Show(bool v) { return v ? "true" : "false"; }
std::string Show(const std::string& v) { return v; }

struct LineCase {
  std::string_view line;
  std::function<std::string()> read;
  std::string expected;
};

#define CFG(field) [] { return Show(CfgSettings.field); }
#define INI(field) [] { return Show(IniSettings.field); }

TEST(CfgSettings, ReadCfgLineTable) {
  const LineCase cases[] = {
      {"LOOKANDFEEL=2", CFG(LookAndFeel), "2"},
      {"LOOKANDFEEL=-3", CFG(LookAndFeel), "-3"},
      {"LOOKANDFEEL=", CFG(LookAndFeel), "-1"},                 // empty value: unchanged
      {"lookandfeel=2", CFG(LookAndFeel), "-1"},                // keys are case-sensitive here
      {"LOOKANDFEEL =2", CFG(LookAndFeel), "-1"},
      {"LOOKANDFEEL=2x", CFG(LookAndFeel), "-1"},               // not a number: unchanged
      {"LOOKANDFEEL= 2", CFG(LookAndFeel), "2"},
      {"LOOKANDFEEL=2147483648", CFG(LookAndFeel), "-1"},
      {";LOOKANDFEEL=2", CFG(LookAndFeel), "-1"},
      {"LOOKANDFEEL_MENU=5", CFG(LookAndFeel), "-1"},
      {"LOOKANDFEEL_MENU=5", CFG(LookAndFeelMenu), "5"},
      {"DEFAULT_MAIN_COLOR=7", CFG(DefaultMainColor), "2"},
      {"DEFAULT_MAIN_COLOR=4", CFG(DefaultMainColor), "4"},
      {"DEFAULT_MAIN_COLOR=x", CFG(DefaultMainColor), "2"},
      {"NETWORK=SXY", CFG(Network), "SX"},
      {"FREEHEAP=4", CFG(HeapReserve), "60000"},
      {"FREEHEAP=7", CFG(HeapReserve), "0"},
      {"REPORTDISPLAYZERO=TRUE", CFG(ReportDisplayZero), "true"},
      {"REPORTDISPLAYZERO=true", CFG(ReportDisplayZero), "false"},
      {"ASKFORENTERDATE=0", CFG(AskForEnterDate), "false"},
      {"ASKFORENTERDATE=TRUE", CFG(AskForEnterDate), "false"},   // a "1" flag
      {"AP_PRINTPAYMENTAFTERSAVE=false", CFG(ApPrintPaymentAfterSave), "true"},
      {"AP_PRINTPAYMENTAFTERSAVE=FALSE", CFG(ApPrintPaymentAfterSave), "false"},
      {"USEESCFORMENU=FALSE", CFG(UseEscForMenu), "true"},
      {"MAINMENU_TYPE=257", [] { return Show(Integer{CfgSettings.MainMenuType}); }, "1"},
      {"OPENCOMPANY_DIR_PR=D:\\PAY", CFG(OpenCompanyDirPr), "D:\\PAY"},
      {"OPENCOMPANY_DIR_PR=D:\\PAY", CFG(OpenCompanyDir), ""},
      {"OPENCOMPANY_SELECT_PR=1", CFG(OpenCompanySelectPr), "true"},
      {"BACKGROUND_PICTURE_GL=x.jpg", CFG(BackgroundPicture), "x.jpg"},
      {"BACKGROUND_PICTURE_IC=x.jpg", CFG(BackgroundPicture), "/prog/Wallpaper/Wallpaper_001.jpg"},
      {"CUSTOM_GRID_COLOR=123", [] { return Show(ColorSets[5].Grid); }, "123"},
      {"USER_COLOR_TYPE=3", CFG(UserColorType), "3"},
  };
  for (const LineCase& c : cases) {
    ResetCfgSettings("/prog");
    ReadCfgLine(c.line);
    EXPECT_EQ(c.read(), c.expected) << c.line;
  }
}

TEST(IniSettings, ReadIniLineTable) {
  const LineCase cases[] = {
      {" save mode = true", [] { return Show(SaveModeSetting); }, "true"},
      {"SAVEMODE=1", [] { return Show(SaveModeSetting); }, "true"},
      {"SAVEMODE=yes", [] { return Show(SaveModeSetting); }, "false"},
      {"; SAVEMODE=TRUE", [] { return Show(SaveModeSetting); }, "false"},
      {"   ", [] { return Show(SaveModeSetting); }, "false"},
      {"socialmaxages = 60", INI(SocialMaxAges), "60"},
      {"WSNUMBER=", INI(WsNumber), "1"},
      {"VIEWREPTBUFSIZE=300", [] { return Show(Integer{IniSettings.ViewReptBufSize}); }, "44"},
      {"checkstocktype=2", INI(CheckStockType), "2"},
      {"CHECKSTOCKTYPE=3", INI(CheckStockType), "0"},
      {"PR_CUSTOMOVERTIME=FALSE", INI(PrCustomOvertime), "2"},
      {"UseVendorItem=false", INI(UseVendorItem), "2"},
      {"PRINTTOSCREEN=True", INI(PrintToScreen), "1"},
      {"PO_USECOMPONENT=1", INI(PoUseComponent), "false"},
      {"VIEWREPTTHAIBLANK=0", INI(ViewReptThaiBlank), "true"},
      {"BALANCESHEET_NAME=My Sheet", INI(BalanceSheetName), "MYSHEET"},
      {"BRANCHFILLZERO=-1", INI(BranchFillZero), "0"},
      {"BRANCHFILLZERO=-1", INI(BranchNoFill), "true"},
      {"BRANCHFILLZERO=12", INI(BranchFillZero), "0"},
      {"BRANCHFILLZERO=12", INI(BranchNoFill), "false"},
      {"BRANCHNOFILLZERO=7", INI(BranchFillZero), "7"},
      {"BRANCHFILLZERO=x", INI(BranchFillZero), "5"},
  };
  for (const LineCase& c : cases) {
    ResetIniSettings();
    ReadIniLine(c.line);
    EXPECT_EQ(c.read(), c.expected) << c.line;
  }
}

TEST(CfgSettings, SetCfgLineReplacesTheFirstLineOfTheKeyInAnyCase) {
  struct Case { std::vector<std::string> before; std::vector<std::string> after; };
  const Case cases[] = {
      {{"LOOKANDFEEL_MENU=3", "lookandfeel=5", "LookAndFeel=6"},
       {"LOOKANDFEEL_MENU=3", "LOOKANDFEEL=2", "LookAndFeel=6"}},
      {{"LOOKANDFEEL", "; LOOKANDFEEL=1"}, {"LOOKANDFEEL", "; LOOKANDFEEL=1", "LOOKANDFEEL=2"}},
      {{"LOOKANDFEEL=1=2"}, {"LOOKANDFEEL=2"}},
      {{}, {"LOOKANDFEEL=2"}},
  };
  for (Case c : cases) {
    SetCfgLine(c.before, "LOOKANDFEEL", "2");
    EXPECT_EQ(c.before, c.after);
  }
  std::vector<std::string> lines = {"OPENCOMPANY_DIR_PR=x"};
  SetCfgLine(lines, "OPENCOMPANY_DIR", "y");
  EXPECT_EQ(lines, (std::vector<std::string>{"OPENCOMPANY_DIR_PR=x", "OPENCOMPANY_DIR=y"}));
}

TEST(ColorScheme, SetsFollowTheDocumentedArithmetic) {
  for (Integer scheme = 1; scheme <= 5; ++scheme) {
    ComputeColorSets(scheme);
    for (int set = 1; set <= 6; ++set) {
      const TColorSet& s = ColorSets[set - 1];
      const std::array<int, 6> actual = {s.Panel, s.PanelTo, s.Grid, s.ReportMenu, s.ReportMenuTo, s.Background};
      EXPECT_EQ(actual, expected_colors::Set(scheme, set)) << "scheme " << scheme << " set " << set;
    }
  }
  EXPECT_EQ(ColorFromHexText("#6082B6"), 0x60 + 0x82 * 256 + 0xB6 * 65536);
}

}  // namespace
