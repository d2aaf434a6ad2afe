// The company list USERDRV.INI: seeding a missing list, reading names, folders and template folders,
// the remembered company, the row operations and writing exactly 90 lines.
#include <gtest/gtest.h>

#include "app/company_list.h"
#include "platform/core/exceptions.h"
#include "suite/cfg_settings.h"
#include "suite/suite_folders.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

class CompanyList : public SuiteFolderFixture {
 protected:
  std::string List() const { return ReadBytes(program_ / "USERDRV.INI"); }
  void WriteList(const std::string& bytes) const { WriteBytes(program_ / "USERDRV.INI", bytes); }
  // Ensure and Load, as the dialog does when it is shown.
  TCompanyList Loaded() const {
    TCompanyList list;
    EXPECT_TRUE(list.Ensure());
    list.Load();
    return list;
  }
  static std::vector<std::string> Names(const TCompanyList& list, Integer count) {
    std::vector<std::string> names;
    for (Integer i = 1; i <= count; ++i) names.push_back(list.Row(i).Name);
    return names;
  }
};

TEST_F(CompanyList, AMissingListStartsWithTheProgramsDataFolder) {
  const TCompanyList list = Loaded();
  EXPECT_TRUE(list.NewList());
  EXPECT_EQ(List(), ";" + ProgramFolder + "/DATAFILE\r\n");
  EXPECT_EQ(list.Row(1).Folder, ProgramFolder + "/DATAFILE");
  EXPECT_EQ(list.CompanyCount(), 1);
}

TEST_F(CompanyList, USERDRVDEFSeedsOneUnnamedRowPerFolder) {
  WriteBytes(program_ / "USERDRV.DEF", "C:\\ONE\r\n\r\nD:\\TWO\r\n");
  const TCompanyList list = Loaded();
  EXPECT_FALSE(list.NewList());
  EXPECT_EQ(List(), ";C:\\ONE\r\n;D:\\TWO\r\n");
  EXPECT_EQ(list.CompanyCount(), 2);
}

TEST_F(CompanyList, RowsAreReadAndWrittenBackAsNinetyLines) {
  std::string lines = "A;C:\\X|C:\\T\r\nno separator\r\n;D:\\ONLY\r\nB;\r\n";
  for (int i = 5; i <= 91; ++i) lines += "R" + std::to_string(i) + ";F" + std::to_string(i) + "\r\n";
  WriteList(lines);
  const TCompanyList list = Loaded();
  EXPECT_EQ(list.Row(1).Name, "A");
  EXPECT_EQ(list.Row(1).Folder, "C:\\X");
  EXPECT_EQ(list.Row(1).Template, "C:\\T");
  EXPECT_FALSE(list.Row(2).Used());
  EXPECT_EQ(list.Row(3).Folder, "D:\\ONLY");
  EXPECT_EQ(list.Row(4).Name, "B");
  EXPECT_EQ(list.Row(90).Name, "R90");
  EXPECT_EQ(list.CompanyCount(), 88) << "row 91 is not read; rows 2 and 4 have no folder";
  list.Save();
  std::string expected = "A;C:\\X|C:\\T\r\n\r\n;D:\\ONLY\r\nB;\r\n";
  for (int i = 5; i <= 90; ++i) expected += "R" + std::to_string(i) + ";F" + std::to_string(i) + "\r\n";
  EXPECT_EQ(List(), expected);
}

TEST_F(CompanyList, TheRememberedCompanyIsFoundWithoutRegardToCase) {
  WriteBytes(CfgPath(), "OPENCOMPANY_DIR=/data/acme\r\nOPENCOMPANY_COMPANY=acme\r\nOPENCOMPANY_SELECT=1\r\n");
  WriteList("Other;/data/other\r\nACME;/DATA/Acme\r\n");
  TCompanyList list = Loaded();
  EXPECT_EQ(list.RememberedRow(), 2);
  EXPECT_TRUE(list.AutoSelect());
  WriteList("Other;/data/other\r\nACME;/data/elsewhere\r\n");
  list.Load();
  EXPECT_EQ(list.RememberedRow(), 0);
  EXPECT_FALSE(list.AutoSelect());
}

TEST_F(CompanyList, RowsMoveAndTheRememberedRowGoesAlong) {
  WriteBytes(CfgPath(), "OPENCOMPANY_DIR=F2\r\nOPENCOMPANY_COMPANY=B\r\n");
  WriteList("A;F1\r\nB;F2\r\nC;F3\r\nD;F4\r\n");
  TCompanyList list = Loaded();
  ASSERT_EQ(list.RememberedRow(), 2);
  EXPECT_FALSE(list.Changed());
  EXPECT_EQ(list.MoveDown(2), 3);
  EXPECT_EQ(Names(list, 4), (std::vector<std::string>{"A", "C", "B", "D"}));
  EXPECT_EQ(list.RememberedRow(), 3);
  EXPECT_EQ(list.MoveUp(4), 3);   // D passes B, which goes down with its mark
  EXPECT_EQ(list.RememberedRow(), 4);
  EXPECT_EQ(list.MoveUp(1), 1);
  EXPECT_EQ(list.MoveDown(TCompanyList::kRows), TCompanyList::kRows);
  EXPECT_TRUE(list.Changed());
  list.RemoveRow(1);
  EXPECT_EQ(Names(list, 4), (std::vector<std::string>{"C", "D", "B", ""}));
  EXPECT_EQ(list.RememberedRow(), 3);
  EXPECT_TRUE(list.InsertRow(2));
  EXPECT_EQ(Names(list, 5), (std::vector<std::string>{"C", "", "D", "B", ""}));
  EXPECT_EQ(list.RememberedRow(), 4);
  list.RemoveRow(4);
  EXPECT_EQ(list.RememberedRow(), 0) << "removed with its row";
}

TEST_F(CompanyList, InsertingIntoAFullListChangesNothing) {
  std::string lines;
  for (int i = 1; i <= 90; ++i) lines += "R" + std::to_string(i) + ";F" + std::to_string(i) + "\r\n";
  WriteList(lines);
  TCompanyList list = Loaded();
  EXPECT_FALSE(list.InsertRow(5));
  EXPECT_FALSE(list.Changed());
  EXPECT_EQ(list.Row(5).Name, "R5");
  EXPECT_EQ(list.Row(90).Name, "R90");
  list.RemoveRow(90);
  EXPECT_FALSE(list.Row(90).Used());
  EXPECT_EQ(list.Row(89).Name, "R89");
}

// The folder the edit dialog opens an empty row with: DATAFILE for a first company (also beside
// the demo's), otherwise the program folder itself, which opens a new entry.
TEST_F(CompanyList, AnEmptyRowIsEditedWithDataFileOnlyWhileNoRealCompanyHasAFolder) {
  const std::string dataFile = ProgramFolder + "/DATAFILE";
  const struct {
    std::string lines;
    std::string folder;   // of row 3
  } cases[] = {
      {"", dataFile},
      {"Demo;/srv/DATADEMO\r\nNamed only;\r\n", dataFile},
      {"Demo;/srv/datademo\r\n", ProgramFolder},
      {"Demo;/srv/DATADEMO\r\nAcme;/srv/acme\r\n", ProgramFolder},
      {"A;/a\r\nB;/b\r\nC;/c\r\n", "/c"},
  };
  for (const auto& c : cases) {
    WriteList(c.lines);
    EXPECT_EQ(Loaded().FolderToEdit(3), c.folder) << c.lines;
  }
}

TEST_F(CompanyList, AListThatCannotBeWrittenRaises) {
  TCompanyList list = Loaded();
  std::filesystem::remove(program_ / "USERDRV.INI");
  std::filesystem::create_directory(program_ / "USERDRV.INI");
  EXPECT_THROW(list.Save(), EInOutError);
}

}  // namespace
