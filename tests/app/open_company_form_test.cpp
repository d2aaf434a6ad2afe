// The company dialog over the company list: the remembered company current and bold, deleting,
// inserting and moving rows, Select on a missing folder and on a row without one, the edit and
// template dialogs opened from it, and the list written at close only after an edit.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/open_company_form.h"
#include "controls/foundation/kx_button.h"
#include "grid/pro_string_grid.h"
#include "platform/core/cp874.h"
#include "platform/ui/font.h"
#include "tests/app/program_folder_test.h"
#include "tests/support/ui/script_test_support.h"

namespace uitest {
namespace {

namespace fs = std::filesystem;

const std::string kNotFound = Cp874ToUtf8("ไม่พบไดเร็คทอรี่ หรือกำหนดไม่ถูกต้อง"_cp874);

class OpenCompanyTest : public ProgramFolderTest {
 protected:
  void Remember(const std::string& name, const std::string& folder) const {
    WriteRawFile(tmp_ / "config/Quendry/QZACC.CFG",
                 "OPENCOMPANY_DIR=" + folder + "\r\nOPENCOMPANY_COMPANY=" + name + "\r\n");
  }
  // The dialog run by RunCompanyChoice under Script; Probe sees it each time a loop waits.
  bool Choose(const std::string& Script, const std::function<void(TForm_OpenCompany*, TCustomForm*)>& Probe = {},
              bool ConfirmMode = false) {
    std::unique_ptr<TForm_OpenCompany, TObjectDeleter> dialog(NewObject<TForm_OpenCompany>(Application));
    dialog->AskAlways = true;
    dialog->ConfirmMode = ConfirmMode;
    IdleProbe probe([&](TCustomForm* active) {
      if (Probe) Probe(dialog.get(), active);
    });
    PlayedScript played(Script);
    const bool chosen = dialog->RunCompanyChoice();
    transcript_ = played.Finish();
    return chosen;
  }

  static bool Bold(TForm_OpenCompany* Dialog, Integer Row) {
    TFont font;
    Dialog->Grid1GetCellColor(Dialog->Grid1, Row, 0, {}, nullptr, &font);
    return font.Style().Contains(fsBold);
  }
  static std::string Ninety(const std::string& Lines, int Count) {
    std::string text = Lines;
    for (int i = Count; i < 90; ++i) text += "\r\n";
    return text;
  }

  std::vector<std::string> transcript_;
};

TEST_F(OpenCompanyTest, TheRememberedCompanyInOtherCaseIsCurrentAndBoldAndCancelWritesNothing) {
  Remember("acme", Folder("a"));
  const std::string list = "Other;" + Folder("b") + "\r\nACME;" + Folder("a") + "\r\n";
  WriteList(list);
  std::vector<std::string> seen;
  EXPECT_FALSE(Choose("key Escape", [&](TForm_OpenCompany* dialog, TCustomForm*) {
    seen.push_back(dialog->Grid1->Cells(0, dialog->Grid1->Row()) + (Bold(dialog, 2) ? " bold" : "") +
                   (Bold(dialog, 1) ? " row 1 bold" : ""));
  }));
  EXPECT_EQ(seen, std::vector<std::string>{"ACME bold"});
  EXPECT_EQ(List(), list) << "two lines, left alone";
}

TEST_F(OpenCompanyTest, DeleteLiftsTheRowsBelowAndMoveTakesTheRememberedRowAlong) {
  Remember("B", Folder("b"));
  WriteList("A;" + Folder("a") + "\r\nB;" + Folder("b") + "\r\nC;/c\r\n");
  Integer remembered = -1;
  Choose("select Grid1 1\nkey Del\nanswer Yes\nselect Grid1 1\nkey F8\nkey Escape",
         [&](TForm_OpenCompany* dialog, TCustomForm*) { remembered = dialog->CompanyList().RememberedRow(); });
  EXPECT_EQ(remembered, 2) << "B moved from row 1 to row 2";
  EXPECT_EQ(List(), Ninety("C;/c\r\nB;" + Folder("b") + "\r\n", 2));
  EXPECT_EQ(transcript_[1], "BOX Confirm|" + Cp874ToUtf8("คุณต้องการลบ?"_cp874) + "|Yes");
}

TEST_F(OpenCompanyTest, InsertIntoAFullListBeepsAndLeavesTheFileAlone) {
  std::string list;
  for (int i = 1; i <= 90; ++i) list += "R" + std::to_string(i) + ";/r" + std::to_string(i) + "\r\n";
  WriteList(list);
  Choose("select Grid1 5\nkey Ins\nkey Escape");
  EXPECT_EQ(List(), list);
}

TEST_F(OpenCompanyTest, SelectOnAMissingFolderShowsTheErrorAndTheDialogStays) {
  WriteList("Gone;" + Folder("gone") + "\r\n");
  std::vector<std::string> forms;
  EXPECT_FALSE(Choose("select Grid1 1\nclick Btn_Select\nanswer OK\nkey Escape",
                      [&](TForm_OpenCompany*, TCustomForm* active) { forms.push_back(active->Name()); }));
  EXPECT_EQ(forms.back(), "Form_OpenCompany");
  EXPECT_EQ(transcript_, (std::vector<std::string>{"SHOW Form_OpenCompany|Select Directory",
                                                   "BOX Error|" + kNotFound + "|OK", "HIDE Form_OpenCompany",
                                                   "EXIT 0"}));
}

TEST_F(OpenCompanyTest, SelectTakesTheRowAndRemembersIt) {
  WriteList("A;" + Folder("a") + "\r\nB;" + Folder("b") + "\r\n");
  EXPECT_TRUE(Choose("select Grid1 2\nclick Btn_Select"));
  EXPECT_EQ(SelectedCompanyFolder, Folder("b"));
  EXPECT_EQ(SelectedCompanyName, "B");
  const std::string cfg = ReadRawFile(tmp_ / "config/Quendry/QZACC.CFG");
  EXPECT_NE(cfg.find("OPENCOMPANY_DIR=" + Folder("b")), std::string::npos) << cfg;
  EXPECT_NE(cfg.find("OPENCOMPANY_COMPANY=B"), std::string::npos) << cfg;
}

// Edit on an empty row of a list that has a company opens a new entry; OK puts its name and folder
// into the row, enables the select buttons, and the list is written at close.
TEST_F(OpenCompanyTest, EditWritesNameAndFolderIntoTheRowAndEnablesSelect) {
  WriteList("A;" + Folder("a") + "\r\n");
  std::vector<std::string> states;
  const std::string program = Folder("program");
  Choose("select Grid1 2\nclick Btn_Edit\ntype Beta\nclick kxButton1\nanswer Yes\nkey Escape",
         [&](TForm_OpenCompany* dialog, TCustomForm* active) {
           if (active != dialog) return;
           states.push_back(dialog->Grid1->Cells(0, 2) + "|" + dialog->Grid1->Cells(1, 2) + "|" +
                            (dialog->Btn_Select_OK->Enabled() ? "ok" : "-"));
         },
         true);
  ASSERT_GE(states.size(), 3u);
  EXPECT_EQ(states[1], "||-") << "row 2 selected, without a folder";
  EXPECT_EQ(states.back(), "Beta|" + program + "/Beta|ok");
  EXPECT_EQ(List(), Ninety("A;" + Folder("a") + "\r\nBeta;" + program + "/Beta\r\n", 2));
}

// Select on a row without a folder asks whether to create it; Yes opens the edit dialog.  F9 opens
// the template dialog.  Cancelling both changes nothing.
TEST_F(OpenCompanyTest, SelectOnARowWithoutAFolderOpensTheEditDialogOnYes) {
  const std::string list = "A;" + Folder("a") + "\r\nB;\r\n";
  WriteList(list);
  std::vector<std::string> forms;
  EXPECT_FALSE(Choose("select Grid1 2\nkey F10\nanswer Yes\nkey Escape\nselect Grid1 1\nkey F9\nkey Escape\nkey Escape",
                      [&](TForm_OpenCompany*, TCustomForm* active) {
                        if (forms.empty() || forms.back() != active->Name()) forms.push_back(active->Name());
                      }));
  EXPECT_EQ(forms, (std::vector<std::string>{"Form_OpenCompany", "Form_AskForYesNo", "Form_OpenCompany_Edit", "Form_OpenCompany",
                                             "Form_OpenCompany_ReportTemplate", "Form_OpenCompany"}));
  EXPECT_EQ(transcript_[1], "BOX Confirm|" + Cp874ToUtf8("ยังไม่ได้กำหนด. ต้องการสร้างใหม่?"_cp874) + "|Yes");
  EXPECT_EQ(List(), list);
}

}  // namespace
}  // namespace uitest
