#include "suite/company_settings.h"

#include <gtest/gtest.h>

#include "suite/cfg_settings.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

class CompanySettings : public SuiteFolderFixture {};

TEST_F(CompanySettings, SavingReplacesTheFourKeysByNameAndKeepsEveryOtherLine) {
  std::filesystem::create_directories(CfgPath().parent_path());
  WriteBytes(CfgPath(), CrLfLines({"; shared", "opencompany_dir=D:\\OLD", "OPENCOMPANY_DIR_PR=D:\\PAY", "",
                                   "OPENCOMPANY_SELECT_PR=1", "OTHER=x", "OPENCOMPANY_SELECT=1"}));
  CfgSettings.OpenCompanyDir = "C:\\ACC\\CO2";
  CfgSettings.OpenCompanyCompany = "B";
  CfgSettings.OpenCompanySelect = true;
  CfgSettings.OpenCompanyColPosition = 212;
  SaveCompanySettings();
  EXPECT_EQ(ReadBytes(CfgPath()),
            CrLfLines({"; shared", "OPENCOMPANY_DIR=C:\\ACC\\CO2", "OPENCOMPANY_DIR_PR=D:\\PAY", "OPENCOMPANY_SELECT_PR=1",
                       "OTHER=x", "OPENCOMPANY_SELECT=1", "OPENCOMPANY_COMPANY=B", "OPENCOMPANY_COLPOSITION=212"}));
}

TEST_F(CompanySettings, ClearingTheAutomaticChoiceWritesZeroAndKeepsTheRest) {
  std::filesystem::create_directories(CfgPath().parent_path());
  WriteBytes(CfgPath(), CrLfLines({"OPENCOMPANY_SELECT=1", "OPENCOMPANY_SELECT_PR=1"}));
  CfgSettings.OpenCompanySelect = true;
  CfgSettings.OpenCompanyDir = "C:\\ACC";
  ClearCompanyAutoSelect();
  EXPECT_FALSE(CfgSettings.OpenCompanySelect);
  EXPECT_EQ(ReadBytes(CfgPath()), CrLfLines({"OPENCOMPANY_SELECT=0", "OPENCOMPANY_SELECT_PR=1", "OPENCOMPANY_DIR=C:\\ACC",
                                             "OPENCOMPANY_COMPANY=", "OPENCOMPANY_COLPOSITION=0"}));
}

}  // namespace
