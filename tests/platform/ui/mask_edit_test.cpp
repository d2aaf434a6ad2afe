// TMaskEdit: key sequences, pastes and cuts give the expected masked text, value, overwrite caret,
// OnChange count and beeps; leaving an incomplete text raises the validation error and keeps the
// focus; the mask, EditText and Text setters fit values into the mask.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/format_settings.h"
#include "platform/ui/edit.h"
#include "platform/ui/mask_edit.h"
#include "platform/ui/message_box.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/window_classes/edit_window.h"
#include "key_steps.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr const char* kDate = "00/00/0000;1;_";
constexpr const char* kPhone = "(999)_000-0000;0;_";

struct MaskCase {
  const char* name;
  const char* mask;
  std::string initial;   // Text before the control gets the focus
  std::string clipboard;
  std::vector<Step> steps;   // after the focus came and Home put the caret on the first position
  std::string editText;
  std::string text;
  int selStart, selLength;
  int changes;
  int beeps;
  std::function<void(TMaskEdit&)> setup = [](TMaskEdit&) {};
};

class MaskEditTest : public UiTest {
 protected:
  MaskEditTest() {
    FormatSettings.DateSeparator = '/';
    user::SetBeepListener([this](UINT) { ++beeps_; });
  }
  ~MaskEditTest() override {
    user::SetBeepListener({});
    FormatSettings = saved_;
  }

  TMaskEdit* NewMaskEdit(TForm* form, const char* mask) {
    auto* edit = new TMaskEdit(form);
    edit->SetName("MaskEdit1");
    edit->SetParent(form);
    edit->SetBounds(10, 10, 200, 21);
    edit->SetEditMask(mask);
    edit->OnChange = [this](TObject*) { ++changes_; };
    return edit;
  }

  void RunCase(const MaskCase& c) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("Form1");
    TMaskEdit* edit = NewMaskEdit(form, c.mask);
    edit->SetText(c.initial);
    c.setup(*edit);
    edit->SetFocus();
    driver_->Settle();
    driver_->PressKey(VK_HOME);
    SetClipboardText(nullptr, c.clipboard);
    changes_ = beeps_ = 0;
    PlaySteps(*driver_, c.steps);
    EXPECT_EQ(edit->EditText(), c.editText);
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(edit->SelStart(), c.selStart);
    EXPECT_EQ(edit->SelLength(), c.selLength);
    EXPECT_EQ(changes_, c.changes);
    EXPECT_EQ(beeps_, c.beeps);
    delete form;
    driver_->Settle();
  }

  int changes_ = 0;
  int beeps_ = 0;

 private:
  TFormatSettings saved_ = FormatSettings;
};

const std::vector<MaskCase>& Cases() {
  static const std::vector<MaskCase> cases = {
      {"digits skip the literals", kDate, "", "", {T("12052024")}, "12/05/2024", "12/05/2024", 10, 0, 8, 0},
      {"a letter is refused", kDate, "", "", {T("1x2")}, "12/__/____", "12/  /    ", 3, 1, 2, 1},
      {"a separator jumps to the next field", kDate, "", "", {T("5/6")}, "5_/6_/____", "5 /6 /    ", 4, 1, 2, 0},
      {"a separator after a full field is taken", kDate, "", "", {T("12/3")}, "12/3_/____", "12/3 /    ", 4, 1, 3,
       0},
      {"left skips literals", kDate, "", "", {T("123"), K(VK_LEFT), K(VK_LEFT)}, "12/3_/____", "12/3 /    ", 1, 1, 3,
       0},
      {"backspace blanks backwards", kDate, "", "", {T("123"), K(VK_BACK), K(VK_BACK)}, "1_/__/____",
       "1 /  /    ", 1, 1, 5, 0},
      {"delete blanks at the caret", kDate, "12/05/2024", "", {K(VK_DELETE)}, "_2/05/2024", " 2/05/2024", 0, 1, 1, 0},
      {"typing over a selection blanks it", kDate, "12/05/2024", "", {K(VK_END, {ssShift}), T("9")}, "9_/__/____",
       "9 /  /    ", 1, 1, 1, 0},
      {"nothing is typed at the end", kDate, "", "", {K(VK_END), T("1")}, "__/__/____", "  /  /    ", 10, 0, 0, 1},
      {"right from the last position goes to the end", "00", "", "", {T("1"), K(VK_RIGHT)}, "1_", "1 ", 2, 0, 1, 0},
      {"up and down do nothing", kDate, "", "", {T("1"), K(VK_UP), K(VK_DOWN)}, "1_/__/____", "1 /  /    ", 1, 1, 1,
       0},
      {"home skips leading literals; no saved literals", kPhone, "", "", {T("02")}, "(02_) ___-____", "02", 3, 1, 2,
       0},
      {"case conversion", ">LL<LL", "", "", {T("abCD")}, "ABcd", "ABcd", 4, 0, 4, 0},
      {"a space blanks an optional position", "9999;0;_", "1234", "", {T(" ")}, "_234", " 234", 1, 1, 1, 0},
      {"paste types from the caret", kDate, "", "12052024", {K('V', {ssCtrl})}, "12/05/2024", "12/05/2024", 10, 0, 1,
       0},
      {"paste takes the literals it brings", kDate, "", "12/05/2024", {K(VK_INSERT, {ssShift})}, "12/05/2024",
       "12/05/2024", 10, 0, 1, 0},
      {"paste stops at the last position", "00-00", "", "123456", {K('V', {ssCtrl})}, "12-34", "12-34", 5, 0, 1, 0},
      {"a paste the mask refuses changes nothing", kDate, "", "12ab", {K('V', {ssCtrl})}, "__/__/____",
       "  /  /    ", 0, 1, 0, 1},
      {"cut blanks, paste types it elsewhere", kDate, "12/05/2024", "",
       {K(VK_RIGHT, {ssShift}), K(VK_RIGHT, {ssShift}), K('X', {ssCtrl}), K(VK_RIGHT), K(VK_RIGHT),
        K('V', {ssCtrl})},
       "__/12/2024", "  /12/2024", 6, 1, 2, 0},
      {"escape puts back the text of focus time", kDate, "12/05/2024", "", {T("99"), K(VK_ESCAPE)}, "12/05/2024",
       "12/05/2024", 0, 1, 3, 0},
      {"undo takes back one character", kDate, "", "", {T("12"), K('Z', {ssCtrl})}, "1_/__/____", "1 /  /    ", 1,
       1, 3, 0},
      {"read only refuses with a beep", kDate, "12/05/2024", "", {T("3"), K(VK_DELETE), K(VK_BACK)}, "12/05/2024",
       "12/05/2024", 0, 1, 0, 3, [](TMaskEdit& e) { e.SetReadOnly(true); }},
  };
  return cases;
}

TEST_F(MaskEditTest, KeysPasteAndCutGiveMaskedTextValueCaretChangesAndBeeps) {
  for (const MaskCase& c : Cases()) RunCase(c);
}

TEST_F(MaskEditTest, LeavingAnIncompleteTextRaisesTheErrorAndKeepsTheFocus) {
  TForm* form = NewForm("Form1");
  TMaskEdit* edit = NewMaskEdit(form, kDate);
  auto* next = new TEdit(form);
  next->SetParent(form);
  next->SetBounds(10, 40, 100, 21);
  int exits = 0, enters = 0;
  edit->OnExit = [&](TObject*) { ++exits; };
  edit->OnEnter = [&](TObject*) { ++enters; };

  edit->SetFocus();   // an untouched incomplete text is not checked
  next->SetFocus();
  driver_->Settle();
  EXPECT_EQ(driver_->FocusedControl(), next);
  EXPECT_TRUE(driver_->Transcript().empty());

  edit->SetFocus();
  driver_->PressKey(VK_HOME);
  driver_->Type("12/0");
  driver_->PressKey(VK_END);
  beeps_ = 0;
  driver_->AnswerNextMessageBox(IDOK);
  next->SetFocus();
  driver_->Settle();
  ASSERT_EQ(driver_->Transcript().size(), 1u);
  EXPECT_EQ(driver_->Transcript()[0].Text, "Invalid input value.  Use escape key to abandon changes.");
  EXPECT_EQ(driver_->Transcript()[0].Type, MB_OK | MB_ICONSTOP);
  EXPECT_EQ(beeps_, 1);
  EXPECT_EQ(driver_->FocusedControl(), edit);
  EXPECT_EQ(edit->SelStart(), 4);   // the first wrong position: the blank second digit of the month
  EXPECT_EQ(edit->SelLength(), 1);
  EXPECT_EQ(exits, 1);              // only the first, valid, exit
  EXPECT_EQ(enters, 2);             // coming back after the error is no new entry

  driver_->Type("5/2024");
  next->SetFocus();
  driver_->Settle();
  EXPECT_EQ(driver_->FocusedControl(), next);
  EXPECT_EQ(driver_->Transcript().size(), 1u);
  EXPECT_EQ(edit->Text(), "12/05/2024");
  EXPECT_EQ(exits, 2);
}

TEST_F(MaskEditTest, ValidateEditRaisesEDBEditErrorForAModifiedIncompleteText) {
  TForm* form = NewForm("Form1");
  TMaskEdit* edit = NewMaskEdit(form, "LL-00");
  edit->SetText("ab12");
  edit->ValidateEdit();   // not modified: nothing to check
  edit->SetModified(true);
  edit->ValidateEdit();   // complete
  edit->SetEditText("a_-12");
  edit->SetModified(true);
  try {
    edit->ValidateEdit();
    ADD_FAILURE() << "no error";
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Message(), "Invalid input value.  Use escape key to abandon changes");
  }
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelLength(), 1);
}

TEST_F(MaskEditTest, MaskTextAndEditTextSettersFitTheValue) {
  TForm* form = NewForm("Form1");
  TMaskEdit* edit = NewMaskEdit(form, "!999;0;_");
  edit->SetMaxLength(5);
  edit->SetText("7");
  EXPECT_EQ(edit->EditText(), "__7");
  EXPECT_EQ(edit->Text(), "7");
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 3);   // the mask's width while masked
  edit->SetEditMask("000-0;0;_");   // a new mask keeps the value
  EXPECT_EQ(edit->EditText(), "7__-_");
  edit->SetEditText("1a3-4x");
  EXPECT_EQ(edit->EditText(), "1_3-4");
  EXPECT_EQ(edit->Text(), "1 34");
  edit->SetEditMask("");
  EXPECT_FALSE(edit->IsMasked());
  EXPECT_EQ(edit->Text(), "1 34");
  EXPECT_EQ(edit->EditText(), "1 34");
  EXPECT_EQ(SendMessageA(edit->Handle(), EM_GETLIMITTEXT, 0, 0), 5);   // MaxLength again
}

}  // namespace
}  // namespace uitest
