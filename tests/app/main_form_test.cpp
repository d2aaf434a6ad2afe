// The main form in this process: its image and the company dialog's at their sizes, drawn by
// formshot with the warning in red, and the check of a chosen import file (the titles as pieces,
// the column count also after a wider file, a file that cannot be opened).
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "app/main_form.h"
#include "app/open_company_form.h"
#include "app/payroll_start.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_button_edit.h"
#include "platform/classes/file_stream.h"
#include "platform/core/exceptions.h"
#include "platform/gdi/png_codec.h"
#include "platform/os/folders.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "suite/isam/isam_engine.h"
#include "suite/program_end.h"
#include "tests/app/program_folder_test.h"
#include "tests/support/ui/script_test_support.h"

namespace uitest {
namespace {

class MainFormTest : public ProgramFolderTest {
 protected:
  ~MainFormTest() override {
    ClosePayrollCompany();
    delete form_;
  }

  // The main form created under Script (the company dialog's steps).
  TForm1* Create(const std::string& Script) {
    PlayedScript played(Script);
    form_ = NewObject<TForm1>(Application);
    played.Finish();
    return form_;
  }

  // An import file of Columns columns under the given titles of columns 0, 5 and 8.
  std::string ImportFile(const std::string& name, int Columns, std::string_view Title0 = "รหัสพนักงาน"_cp874) {
    std::string header, row;
    for (int col = 0; col < Columns; ++col) {
      const std::string title = col == 0   ? std::string(Title0)
                                : col == 5 ? std::string("ชื่อภาษาอังกฤษ"_cp874)
                                : col == 8 ? std::string("ตำแหน่ง"_cp874)
                                           : "t" + std::to_string(col);
      header += (col != 0 ? "," : "") + title;
      row += (col != 0 ? "," : "") + std::string(col == 0 ? "E1" : "1");
    }
    const std::string path = tmp_ / name;
    WriteRawFile(path, header + "\r\n" + row + "\r\n");
    return path;
  }

  // Chooses the file with the ellipsis button; the state afterwards: Import on or off and Inp_2.
  std::string Choose(const std::string& Path, bool Refused) {
    PlayedScript played("file " + Path + (Refused ? "\nanswer OK" : ""));
    form_->kxButtonEdit1PropertiesButtonClick(form_->Inp_2, 0);
    transcript_ = played.Finish();
    return std::string(form_->kxButton1->Enabled() ? "on|" : "off|") + form_->Inp_2->Text();
  }

  TForm1* form_ = nullptr;
  std::vector<std::string> transcript_;
};

TEST_F(MainFormTest, TheImagesLoadAtTheirSizesAndFormshotDrawsTheWarningInRed) {
  WriteList("A;" + Folder("a") + "\r\n");
  TForm1* form = Create("key Escape");
  EXPECT_TRUE(ProgramEndRequested()) << "no company chosen";
  EXPECT_EQ(ProgramExitCode(), 0);
  EXPECT_EQ(form->ClientWidth(), 442);
  EXPECT_EQ(form->ClientHeight(), 119);
  std::unique_ptr<TForm_OpenCompany, TObjectDeleter> dialog(NewObject<TForm_OpenCompany>(Application));
  EXPECT_EQ(dialog->ClientWidth(), 714);
  EXPECT_EQ(dialog->ClientHeight(), 367);
  for (const char* image : {"main_form", "open_company_form"}) {
    const std::string source = std::string(std::getenv("PR_SOURCE_DIR")) + "/app/" + image + ".form";
    const std::string png = tmp_ / (std::string(image) + ".png");
    ASSERT_EQ(std::system((std::string(FORMSHOT_TOOL) + " " + source + " " + png).c_str()), 0) << image;
    const std::string bytes = ReadRawFile(png);
    const auto decoded =
        gdi::DecodePng(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(decoded) << image;
    TCustomForm* shown = image == std::string("main_form") ? static_cast<TCustomForm*>(form) : dialog.get();
    EXPECT_EQ(decoded.value.width, shown->Width()) << image;
    EXPECT_EQ(decoded.value.height, shown->Height()) << image;
    if (shown != form) continue;
    int red = 0;
    for (const std::uint32_t pixel : decoded.value.pixels) red += (pixel & 0xFFFFFF) == 0xFF0000;
    EXPECT_GT(red, 50) << "the warning's letters";
  }
}

TEST_F(MainFormTest, AFileIsAcceptedByItsTitlesAndColumnCountOnly) {
  WriteList("A;" + Folder("a") + "\r\n");
  WriteRawFile(tmp_ / "a/PRINFO.DAT", "");
  Create("select Grid1 1\nclick Btn_Select")->Show();
  ASSERT_FALSE(ProgramEndRequested());
  const struct {
    std::string path;
    bool accepted;
  } cases[] = {
      {ImportFile("titles.csv", 26), true},
      {ImportFile("piece.csv", 26, "รหัส"_cp874), true},
      {ImportFile("empty.csv", 26, ""), false},
      {ImportFile("narrow.csv", 25), false},
      {ImportFile("wide.csv", 30), true},
      {ImportFile("narrow-again.csv", 25), false},
  };
  for (const auto& c : cases) {
    const std::string state = Choose(Cp874ToUtf8(c.path), !c.accepted);
    EXPECT_EQ(state, c.accepted ? "on|" + c.path : "off|") << c.path;
    if (!c.accepted) {
      EXPECT_EQ(transcript_, (std::vector<std::string>{"SHOW TFileDialogForm|Open", "HIDE TFileDialogForm",
                                                       "BOX Error|Can not load file.|OK", "EXIT 0"}))
          << c.path;
    }
  }
}

// A file opened exclusively elsewhere: the grid's error goes on, Import is off and Inp_2 empty.
TEST_F(MainFormTest, AFileThatCannotBeOpenedDisablesImportAndEmptiesTheField) {
  WriteList("A;" + Folder("a") + "\r\n");
  WriteRawFile(tmp_ / "a/PRINFO.DAT", "");
  Create("select Grid1 1\nclick Btn_Select")->Show();
  const std::string good = ImportFile("good.csv", 26), held = ImportFile("held.csv", 26);
  ASSERT_EQ(Choose(Cp874ToUtf8(good), false), "on|" + good);
  TFileStream holder(held, fmOpenRead | fmShareExclusive);
  PlayedScript played("file " + Cp874ToUtf8(held));
  try {
    form_->kxButtonEdit1PropertiesButtonClick(form_->Inp_2, 0);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + held);
  }
  played.Finish();
  EXPECT_FALSE(form_->kxButton1->Enabled());
  EXPECT_EQ(form_->Inp_2->Text(), "");
}

// An amount that is no number in row 2: the error goes on after the wait popup, the hourglass and
// the folder are back as they were; row 1 is on file and the window stays.
TEST_F(MainFormTest, AnImportErrorRestoresThePopupCursorAndFolderFirst) {
  WriteList("A;" + Folder("a") + "\r\n");
  WriteRawFile(tmp_ / "a/PRINFO.DAT", "");
  Create("select Grid1 1\nclick Btn_Select")->Show();
  std::string file = ImportFile("amounts.csv", 26);
  WriteRawFile(file, ReadRawFile(file) + "E2" + std::string(23, ',') + ",abc,0\r\n");
  ASSERT_EQ(Choose(Cp874ToUtf8(file), false), "on|" + file);
  const std::string folder = GetCurrentDir();
  EXPECT_THROW(form_->kxButton1Click(form_->kxButton1), Exception);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(GetCurrentDir(), folder);
  Application->ProcessMessages();   // the popup frees itself once its close is handled
  for (Integer i = 0; i < Screen->CustomFormCount(); ++i)
    EXPECT_FALSE(Screen->CustomForms(i)->Name() == "Form_Wait" && Screen->CustomForms(i)->Visible()) << "wait popup";
  EXPECT_TRUE(form_->Visible());
  EXPECT_EQ(std::filesystem::file_size(tmp_ / "a/PRFILE01.DAT"), 2u * 2567) << "the header record and row 1";
}

}  // namespace
}  // namespace uitest
