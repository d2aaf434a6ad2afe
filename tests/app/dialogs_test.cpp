// The tool's dialogs behind the suite's user interface: message boxes, questions, the wait popup
// and the saved-copy question, as a scripted run drives and lists them; the form images of these
// and of the company edit and template dialogs; and the language switch of form texts.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include "app/ask_yes_no_form.h"
#include "app/display_message_form.h"
#include "app/fix_recov_form.h"
#include "app/open_company_edit_form.h"
#include "app/open_company_report_template_form.h"
#include "app/payroll_user_interface.h"
#include "app/translate_form.h"
#include "app/wait_form.h"
#include "controls/foundation/kx_button.h"
#include "controls/interim/kx_check_box.h"
#include "controls/interim/kx_group_box.h"
#include "controls/interim/kx_label.h"
#include "platform/core/cp874.h"
#include "platform/gdi/png_codec.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/message_beep.h"
#include "suite/language_switch.h"
#include "suite/program_end.h"
#include "suite/saved_copy_recovery.h"
#include "suite/user_interface.h"
#include "tests/app/dialog_test_fixture.h"
#include "tests/support/os/temp_folder.h"
#include "tests/support/ui/script_test_support.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

TEST_F(DialogTest, AQuestionEndsInAMarkAndAnswersYesOnlyForYes) {
  const struct {
    Integer kind;
    std::string question;
    std::string script;
    bool yes;
    std::string box;
  } cases[] = {
      {QuestionDefaultYes, "Delete", "answer yes", true, "BOX Confirm|Delete?|Yes"},
      {QuestionDefaultYes, "Delete.", "key Enter", true, "BOX Confirm|Delete.|Yes"},
      {QuestionDefaultYes, "Delete?", "answer No", false, "BOX Confirm|Delete?|No"},
      {QuestionDefaultYes, "Delete", "key Escape", false, "BOX Confirm|Delete?|Escape"},
      {QuestionDefaultNo, "Delete", "key Enter", false, "BOX Confirm|Delete?|No"},
      {QuestionDefaultNo, "Delete", "key Shift+Tab Space", true, "BOX Confirm|Delete?|Yes"},
  };
  for (const auto& c : cases) {
    PlayedScript played(c.script);
    EXPECT_EQ(AskYesNo(c.kind, c.question), c.yes) << c.script;
    EXPECT_EQ(played.Finish(), (std::vector<std::string>{c.box, "EXIT 0"})) << c.script;
  }
}

TEST_F(DialogTest, AMessageBoxShowsItsKindsCaptionAndPicture) {
  const struct {
    Integer kind;
    std::string caption;
    bool images[3];
  } cases[] = {
      {MessageKindInformation, "Information", {true, false, false}},
      {MessageKindError, "Error", {false, true, false}},
      {MessageKindWarning, "Warning", {false, false, true}},
      {4, "Information", {false, false, false}},
  };
  for (const auto& c : cases) {
    std::vector<bool> shown;
    IdleProbe probe([&](TCustomForm* form) {
      if (auto* box = dynamic_cast<TForm_DisplayMessage*>(form))
        shown = {box->Image1->Visible(), box->Image2->Visible(), box->Image3->Visible()};
    });
    PlayedScript played("answer ok");
    ShowMessageKind(c.kind, "Saved");
    EXPECT_EQ(shown, (std::vector<bool>{c.images[0], c.images[1], c.images[2]})) << c.kind;
    EXPECT_EQ(played.Finish()[0], "BOX " + c.caption + "|Saved|OK") << c.kind;
  }
}

TEST_F(DialogTest, AMessageBoxIsAsWideAsItsTextAnd88AndClosesWithEscape) {
  for (const std::string& text : {std::string(120, 'W'), std::string("OK")}) {
    Integer clientWidth = 0, labelWidth = 0, width = 0;
    IdleProbe probe([&](TCustomForm* form) {
      if (auto* box = dynamic_cast<TForm_DisplayMessage*>(form)) {
        clientWidth = box->ClientWidth();
        labelWidth = box->Label1->Width();
        width = box->Width();
      }
    });
    PlayedScript played("key Escape");
    ShowErrorBox(text);
    if (text.size() > 2) EXPECT_EQ(clientWidth, labelWidth + 88);
    else EXPECT_EQ(width, 198);   // the form's minimum width
    EXPECT_EQ(played.Finish()[0], "BOX Error|" + text + "|Escape");
  }
}

TEST_F(DialogTest, AFatalStopBeepsShowsThePlainMessageBoxAndEndsTheProgram) {
  std::vector<UINT> beeps;
  user::SetBeepListener([&](UINT type) { beeps.push_back(type); });
  PlayedScript played("key Enter");
  FatalStop("Out of memory");
  user::SetBeepListener({});
  EXPECT_EQ(beeps.size(), 1u);
  EXPECT_EQ(ProgramExitCode(), 1);
  const std::string box = played.Finish()[0];
  EXPECT_TRUE(box.starts_with("BOX ") && box.ends_with("|Out of memory|OK")) << box;
}

TEST_F(DialogTest, TheWaitPopupShowsUntilClosedAndFreesItself) {
  PlayedScript played("");
  const Integer forms = Screen->CustomFormCount();
  ShowWait();
  TForm_Wait* wait = WaitForm();
  ASSERT_NE(wait, nullptr);
  EXPECT_TRUE(wait->Visible());
  EXPECT_EQ(wait->ClientWidth(), 185);
  EXPECT_EQ(wait->ClientHeight(), 40);
  EXPECT_EQ(wait->FormStyle(), fsStayOnTop);
  EXPECT_EQ(wait->Panel1->Caption(), std::string("รอสักครู่..."_cp874));
  CloseWait();
  Application->ProcessMessages();
  EXPECT_EQ(WaitForm(), nullptr);
  EXPECT_EQ(Screen->CustomFormCount(), forms);
  EXPECT_EQ(played.Finish(), (std::vector<std::string>{"SHOW Form_Wait|Please Wait...", "HIDE Form_Wait", "EXIT 0"}));
}

TEST_F(DialogTest, ASavedCopyIsShownWithBothSizesAndNoEndsTheProgram) {
  TempFolder folder;
  const ScopedCurrentFolder inFolder(folder.Path());
  const struct {
    std::string script;
    bool yes;
    std::string answer;
    std::uintmax_t dataSize;
  } cases[] = {{"answer no", false, "No", 2000}, {"key Enter", true, "Yes", 100000}};
  for (const auto& c : cases) {
    ResetProgramEnd();
    WriteRawFile(folder / "PRFILE01.SAV", std::string(100000, 'S'));
    WriteRawFile(folder / "PRFILE01.DAT", std::string(2000, 'D'));
    PlayedScript played(c.script);
    EXPECT_EQ(RecoverSaveCopy("PRFILE01"), c.yes);
    EXPECT_EQ(ProgramExitCode(), c.yes ? 0 : 1);
    EXPECT_EQ(std::filesystem::file_size(folder / "PRFILE01.DAT"), c.dataSize);
    EXPECT_EQ(played.Finish()[0], "BOX Attention!|PRFILE01.SAV\\n100,000 byte(s)\\n2,000 byte(s)|" + c.answer);
  }
}

// Each image loads at its client size, and formshot draws it as the program's window.
TEST_F(DialogTest, TheFormImagesLoadAtTheirSizesAndFormshotDrawsThem) {
  TempFolder folder;
  const struct {
    const char* image;
    std::function<TCustomForm*()> make;
    Integer width, height;
  } cases[] = {
      {"display_message_form", [] { return NewObject<TForm_DisplayMessage>(Application); }, 221, 88},
      {"ask_yes_no_form", [] { return NewObject<TForm_AskForYesNo>(Application); }, 234, 92},
      {"wait_form", [] { return NewObject<TForm_Wait>(Application); }, 185, 40},
      {"fix_recov_form", [] { return NewObject<TForm_FixRecov>(Application); }, 496, 345},
      {"open_company_edit_form", [] { return NewObject<TForm_OpenCompany_Edit>(Application); }, 494, 150},
      {"open_company_report_template_form",
       [] { return NewObject<TForm_OpenCompany_ReportTemplate>(Application); }, 491, 158},
  };
  for (const auto& c : cases) {
    TCustomForm* form = c.make();
    EXPECT_EQ(form->ClientWidth(), c.width) << c.image;
    EXPECT_EQ(form->ClientHeight(), c.height) << c.image;
    const std::string source = std::string(std::getenv("PR_SOURCE_DIR")) + "/app/" + c.image + ".form";
    const std::string png = folder / (std::string(c.image) + ".png");
    ASSERT_EQ(std::system((std::string(FORMSHOT_TOOL) + " " + source + " " + png).c_str()), 0) << c.image;
    const std::string bytes = ReadRawFile(png);
    const auto decoded =
        gdi::DecodePng(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    ASSERT_TRUE(decoded) << c.image;
    EXPECT_EQ(decoded.value.width, form->Width()) << c.image;
    EXPECT_EQ(decoded.value.height, form->Height()) << c.image;
  }
}

TEST_F(DialogTest, TheLanguageSwitchTurnsLabelButtonGroupAndCheckBoxCaptionsIntoEng) {
  for (const Byte language : {Byte(1), Byte(0)}) {
    TForm* form = NewForm("Translated", false);
    auto add = [&](TControl* control, const std::string& caption) {
      control->SetParent(form);
      control->SetCaption(caption);
      return control;
    };
    TControl* controls[] = {add(NewObject<TLabel>(form), "Name"),        add(NewObject<TkxButton>(form), "OK"),
                            add(NewObject<TkxLabel>(form), "File"),       add(NewObject<TkxCheckBox>(form), "Auto"),
                            add(NewObject<TkxGroupBox>(form), "Group"),   add(NewObject<TLabel>(form), ""),
                            add(NewObject<TEdit>(form), "typed")};
    LanguageSwitch = language;
    TranslateForm(form);
    LanguageSwitch = 0;
    std::vector<std::string> captions;
    for (TControl* control : controls) captions.push_back(control->Caption());
    const std::vector<std::string> expected = language == 1
        ? std::vector<std::string>{"Eng", "Eng", "File", "Eng", "Eng", "", "typed"}
        : std::vector<std::string>{"Name", "OK", "File", "Auto", "Group", "", "typed"};
    EXPECT_EQ(captions, expected) << int(language);
    delete form;
  }
}

}  // namespace
}  // namespace uitest
