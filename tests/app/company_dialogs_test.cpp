// The company edit and report-template dialogs: the folder a new entry proposes and how it follows
// the name, the name and folder checks with their boxes, OK, F10, Cancel and Escape, and the two
// dialogs over a row of the company list; the folder checks themselves, the refusal of a folder
// the process may not enter included.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/company_folder_check.h"
#include "app/company_list.h"
#include "app/company_row_dialogs.h"
#include "app/open_company_edit_form.h"
#include "app/open_company_report_template_form.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_radio_button.h"
#include "controls/interim/kx_shell_combo_box.h"
#include "controls/interim/kx_text_edit.h"
#include "platform/core/cp874.h"
#include "platform/os/drive_map.h"
#include "platform/os/folders.h"
#include "tests/app/dialog_test_fixture.h"
#include "tests/app/scoped_program_folder.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/ui/script_test_support.h"

namespace uitest {
namespace {

const std::string kWrongFolder = Cp874ToUtf8("กำหนดไดเร็คทอรี่ไม่ถูกต้อง"_cp874);
const std::string kCreateQuestion = Cp874ToUtf8("ไม่พบไดเร็คทอรี่ที่กำหนด. ต้องการสร้างใหม่?"_cp874);
const std::string kCannotCreate = Cp874ToUtf8("ไม่สามารถสร้างไดเร็คทอรี่ที่กำหนดได้"_cp874);

// A program folder that is the current folder (and ProgramFolder), and drives C and D pinned to
// folders c and d beside it.
class CompanyDialogTest : public DialogTest {
 protected:
  CompanyDialogTest() {
    ResetPathMappings();
    for (const char* folder : {"program/sub", "c/Existing", "d"}) std::filesystem::create_directories(tmp_ / folder);
    WriteRawFile(tmp_ / "c/file.txt", "a file");
    SetDriveMapping('C', C());
    SetDriveMapping('D', Utf8ToCp874(tmp_ / "d"));
    std::filesystem::current_path(tmp_ / "program");
  }
  ~CompanyDialogTest() override {
    std::filesystem::current_path(savedCwd_);
    ResetPathMappings();
  }

  std::string C() const { return Utf8ToCp874(tmp_ / "c"); }

  // The edit dialog's state: name|folder|folder enabled|OK enabled|focused control.
  static std::string EditState(TCustomForm* Form) {
    auto* edit = dynamic_cast<TForm_OpenCompany_Edit*>(Form);
    if (edit == nullptr) return Form != nullptr ? Form->Name() : "none";
    TWinControl* active = edit->ActiveControl();
    return edit->Edit1->Text() + "|" + edit->Edit2->Text() + "|" + (edit->Edit2->Enabled() ? "on" : "off") + "|" +
           (edit->kxButton1->Enabled() ? "ok" : "-") + "|" + (active != nullptr ? active->Name() : "");
  }

  TempFolder tmp_;
  std::filesystem::path savedCwd_ = std::filesystem::current_path();
  const std::string program_ = Utf8ToCp874(tmp_ / "program");
  ScopedProgramFolder programFolder_{program_};
};

TEST(FolderSafeName, DropsTheTenCharactersAFolderNameCannotHoldAndKeepsEveryOtherByte) {
  const std::string thai(std::string("บริษัท ก.ข. 1"_cp874));
  EXPECT_EQ(FolderSafeName("A/B:C"), "ABC");
  EXPECT_EQ(FolderSafeName("\"a*b/c:d;e<f>g?h\\i|j"), "abcdefghij");
  EXPECT_EQ(FolderSafeName(thai + "?"), thai);
  EXPECT_EQ(FolderSafeName("\"*/:;<>?\\|"), "");
}

TEST_F(CompanyDialogTest, ANewEntryProposesAFolderNamedAfterTheCompany) {
  std::vector<std::string> states;
  IdleProbe probe([&](TCustomForm* form) { states.push_back(EditState(form)); });
  PlayedScript played("type A/B:C\nkey Escape\n");
  std::string name, folder = GetCurrentDir();
  EXPECT_FALSE(TForm_OpenCompany_Edit::Execute(name, folder));
  EXPECT_EQ(folder, GetCurrentDir());
  const std::string proposed = GetCurrentDir() + "/ABC";
  EXPECT_EQ(states, (std::vector<std::string>{"||off|-|Edit1", "A/B:C|" + proposed + "|on|ok|Edit1"}));
  EXPECT_EQ(played.Finish(), (std::vector<std::string>{"SHOW Form_OpenCompany_Edit|Edit Company",
                                                       "HIDE Form_OpenCompany_Edit", "EXIT 0"}));
}

// The folder follows the name until it is changed by hand and the name field is entered again.
TEST_F(CompanyDialogTest, AFolderChangedByHandStopsFollowingTheName) {
  const std::string start = GetCurrentDir();
  const struct {
    std::string folderSteps;   // while the folder field has the focus
    std::string finalFolder;
  } cases[] = {
      {"", start + "/AcmeX"},
      {"key Home Shift+End\ntype /elsewhere\n", "/elsewhere"},
  };
  for (const auto& c : cases) {
    std::string lastState;
    IdleProbe probe([&](TCustomForm* form) { lastState = EditState(form); });
    PlayedScript played("type Acme\nkey Tab\n" + c.folderSteps + "key Shift+Tab End\ntype X\nkey Home\nkey Escape\n");
    std::string name, folder = start;
    TForm_OpenCompany_Edit::Execute(name, folder);
    EXPECT_EQ(lastState, "AcmeX|" + c.finalFolder + "|on|ok|Edit1") << c.folderSteps;
  }
}

TEST_F(CompanyDialogTest, ASemicolonInTheNameIsRefusedWithTheFocusBackOnTheName) {
  std::vector<std::string> states;
  IdleProbe probe([&](TCustomForm* form) { states.push_back(EditState(form)); });
  PlayedScript played("type A;B\nkey Tab\nkey F10\nanswer OK\nkey Escape\n");
  std::string name, folder = GetCurrentDir();
  EXPECT_FALSE(TForm_OpenCompany_Edit::Execute(name, folder));
  ASSERT_EQ(states.size(), 5u);
  EXPECT_EQ(states[4], "A;B|" + GetCurrentDir() + "/AB|on|ok|Edit1");
  EXPECT_EQ(played.Finish()[1], "BOX Error|" + Cp874ToUtf8("ชื่อกิจการต้องไม่มีเครื่องหมาย \";\""_cp874) + "|OK");
  EXPECT_FALSE(DirectoryExists(GetCurrentDir() + "/AB"));
}

// F10 saves once each time (one question for a missing folder) while OK stays disabled; No to the
// question keeps the dialog open with the focus on the folder.  The row takes the folder and the
// list is changed.
TEST_F(CompanyDialogTest, EditingOnlyTheFolderOfARowLeavesOKDisabledAndF10Saves) {
  TCompanyList list;
  list.Row(3) = {"Acme", C() + "/Existing", ""};
  std::vector<std::string> states;
  IdleProbe probe([&](TCustomForm* form) { states.push_back(EditState(form)); });
  PlayedScript played(
      "click Edit2\nkey Home Shift+End\ntype C:\\New\\Deeper\nkey F10\nanswer No\nkey F10\nanswer Yes\n");
  EXPECT_TRUE(EditCompanyRow(list, 3));
  ASSERT_EQ(states.size(), 7u);
  EXPECT_EQ(states[3], "Acme|C:\\New\\Deeper|on|-|Edit2");
  EXPECT_EQ(states[5], "Acme|C:\\New\\Deeper|on|-|Edit2");
  EXPECT_EQ(list.Row(3).Name, "Acme");
  EXPECT_EQ(list.Row(3).Folder, "C:\\New\\Deeper");
  EXPECT_TRUE(list.Changed());
  EXPECT_TRUE(std::filesystem::is_directory(tmp_ / "c/New/Deeper"));
  EXPECT_EQ(played.Finish(), (std::vector<std::string>{"SHOW Form_OpenCompany_Edit|Edit Company",
                                                       "BOX Confirm|" + kCreateQuestion + "|No",
                                                       "BOX Confirm|" + kCreateQuestion + "|Yes",
                                                       "HIDE Form_OpenCompany_Edit", "EXIT 0"}));
}

TEST_F(CompanyDialogTest, EscapeOrCancelLeavesTheRowAsItWas) {
  for (const char* script : {"type Other\nkey Escape\n", "click Btn_Cancel\n"}) {
    TCompanyList list;
    list.Row(1) = {"Acme", C() + "/Existing", "/templates"};
    PlayedScript played(script);
    EXPECT_FALSE(EditCompanyRow(list, 1)) << script;
    EXPECT_EQ(list.Row(1).Name, "Acme");
    EXPECT_EQ(list.Row(1).Folder, C() + "/Existing");
    EXPECT_FALSE(list.Changed());
  }
}

TEST_F(CompanyDialogTest, TheFoldersChecksRefuseReservedFoldersAndCreateMissingOnesOnYes) {
  std::filesystem::create_directory_symlink(tmp_ / "program", tmp_ / "link-to-program");
  const std::string program = GetCurrentDir();
  const std::string wrong = "BOX Error|" + kWrongFolder + "|OK";
  const std::string asked = "BOX Confirm|" + kCreateQuestion;
  const struct {
    std::string folder;
    std::string script;
    bool valid;
    std::vector<std::string> boxes;
  } cases[] = {
      {program, "answer OK", false, {wrong}},
      {program + "/sub/..", "answer OK", false, {wrong}},
      {Utf8ToCp874(tmp_ / "link-to-program"), "answer OK", false, {wrong}},
      {"/", "answer OK", false, {wrong}},
      {"C:\\", "answer OK", false, {wrong}},
      {"d:", "answer OK", false, {wrong}},
      {Utf8ToCp874(tmp_ / "d/"), "answer OK", false, {wrong}},
      {"", "answer OK", false, {wrong}},
      {"sub", "", true, {}},
      {"C:\\EXISTING", "", true, {}},
      {"C:\\Made\\With\\Parents", "answer Yes", true, {asked + "|Yes"}},
      {"C:\\Declined", "answer No", false, {asked + "|No"}},
      {"C:\\file.txt\\below", "answer Yes\nanswer OK", false, {asked + "|Yes", "BOX Error|" + kCannotCreate + "|OK"}},
  };
  for (const auto& c : cases) {
    PlayedScript played(c.script);
    EXPECT_EQ(ValidateCompanyFolder(c.folder, program), c.valid) << c.folder;
    std::vector<std::string> boxes = c.boxes;
    boxes.push_back("EXIT 0");
    EXPECT_EQ(played.Finish(), boxes) << c.folder;
  }
  EXPECT_TRUE(std::filesystem::is_directory(tmp_ / "c/Made/With/Parents"));
  EXPECT_FALSE(std::filesystem::exists(tmp_ / "c/Declined"));
  EXPECT_EQ(GetCurrentDir(), program);
}

// Root may enter any folder: run as root, the check runs again in a child process under setpriv
// as user 65534, which the folder refuses.
TEST_F(CompanyDialogTest, AnExistingFolderThatCannotBeEnteredIsWrong) {
  const char* const kChildFolder = "PR_TEST_UNENTERABLE_FOLDER";
  const auto refused = [](const std::string& Folder) {
    PlayedScript played("answer OK");
    EXPECT_FALSE(ValidateCompanyFolder(Utf8ToCp874(Folder), GetCurrentDir()));
    EXPECT_EQ(played.Finish(), (std::vector<std::string>{"BOX Error|" + kWrongFolder + "|OK", "EXIT 0"}));
  };
  if (const char* folder = getenv(kChildFolder)) return refused(folder);
  const std::string locked = tmp_ / "c/locked";
  std::filesystem::create_directory(locked);
  ASSERT_EQ(chmod(locked.c_str(), 0666), 0);
  if (geteuid() != 0) return refused(locked);
  for (const std::string& folder : {tmp_.Path(), tmp_ / "c"}) ASSERT_EQ(chmod(folder.c_str(), 0755), 0);
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const std::string self = std::filesystem::read_symlink("/proc/self/exe");
  setenv(kChildFolder, locked.c_str(), 1);
  const int status = std::system(("setpriv --reuid=65534 --regid=65534 --clear-groups '" + self +
                                  "' --gtest_filter=" + test->test_suite_name() + "." + test->name())
                                     .c_str());
  unsetenv(kChildFolder);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_TRUE(ValidateCompanyFolder(Utf8ToCp874(locked), GetCurrentDir())) << "root enters it";
}

TEST(TemplateFolderName, TheLastPartNamedDefaultInAnyCaseIsTheProgramsOwn) {
  const struct {
    std::string folder;
    bool isDefault;
  } cases[] = {
      {"/reports/_default", true}, {"/reports/_default/", true}, {"D:\\Reports\\_DEFAULT\\\\", true},
      {"_Default", true},          {"/reports/_default2", false}, {"/_default/sub", false},
      {"", false},                 {"/", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDefaultTemplateFolder(c.folder), c.isDefault) << c.folder;
}

// The template dialog's state: which radio button is checked, Edit1's text and whether it is on.
std::string TemplateState(TCustomForm* Form) {
  auto* dialog = dynamic_cast<TForm_OpenCompany_ReportTemplate*>(Form);
  if (dialog == nullptr) return Form != nullptr ? Form->Name() : "none";
  return std::string(dialog->kxRadioButton1->Checked() ? "1" : "") + (dialog->kxRadioButton2->Checked() ? "2" : "") +
         "|" + dialog->Edit1->Text() + "|" + (dialog->Edit1->Enabled() ? "on" : "off");
}

TEST_F(CompanyDialogTest, ATemplateFolderOfItsOwnIsStoredInTheCompanysLineAndTheDefaultRemovesIt) {
  const std::string kEmptyLines = [] {
    std::string lines;
    for (int i = 2; i <= 90; ++i) lines += "\r\n";
    return lines;
  }();
  TCompanyList list;
  list.Row(1) = {"Acme", "/data/acme", ""};
  std::vector<std::string> states;
  IdleProbe probe([&](TCustomForm* form) { states.push_back(TemplateState(form)); });
  {
    PlayedScript played(
        "click kxRadioButton2\nclick Edit1\nkey Home Shift+End\ntype C:\\Reports\\_default\\\nclick kxButton1\n"
        "answer OK\nclick Edit1\n"
        "key Home Shift+End\ntype C:\\Reports\\_default2\nkey F10\nanswer Yes\n");
    EXPECT_TRUE(EditCompanyTemplateRow(list, 1));
    EXPECT_EQ(played.Finish()[1], "BOX Error|" + Cp874ToUtf8("ไม่อนุญาตให้กำหนดชื่อ _Default"_cp874) + "|OK");
  }
  ASSERT_GE(states.size(), 2u);
  EXPECT_EQ(states[0], "1|" + program_ + "/Template|off");
  EXPECT_EQ(states[1], "2|" + program_ + "/Template|on");
  EXPECT_FALSE(std::filesystem::exists(tmp_ / "c/Reports/_default")) << "refused before it is made";
  EXPECT_TRUE(std::filesystem::is_directory(tmp_ / "c/Reports/_default2"));
  EXPECT_EQ(list.Row(1).Template, "C:\\Reports\\_default2");
  EXPECT_TRUE(list.Changed());
  list.Save();
  EXPECT_EQ(ReadRawFile(tmp_ / "program/USERDRV.INI"), "Acme;/data/acme|C:\\Reports\\_default2\r\n" + kEmptyLines);

  states.clear();
  list.SetChanged(false);
  {
    PlayedScript played("click kxRadioButton1\nclick kxButton1\n");
    EXPECT_TRUE(EditCompanyTemplateRow(list, 1));
  }
  EXPECT_EQ(states[0], "2|C:\\Reports\\_default2|on");
  EXPECT_EQ(states[1], "1|C:\\Reports\\_default2|off");
  EXPECT_EQ(list.Row(1).Template, "");
  EXPECT_TRUE(list.Changed());
  list.Save();
  EXPECT_EQ(ReadRawFile(tmp_ / "program/USERDRV.INI"), "Acme;/data/acme\r\n" + kEmptyLines);
}

TEST_F(CompanyDialogTest, EscapeOrCancelInTheTemplateDialogLeavesTheRowAsItWas) {
  for (const char* script : {"click kxRadioButton1\nkey Escape\n", "click kxRadioButton1\nclick Btn_Cancel\n"}) {
    TCompanyList list;
    list.Row(2) = {"Acme", "/data/acme", C()};
    PlayedScript played(script);
    EXPECT_FALSE(EditCompanyTemplateRow(list, 2)) << script;
    EXPECT_EQ(list.Row(2).Template, C());
    EXPECT_FALSE(list.Changed());
  }
}

}  // namespace
}  // namespace uitest
