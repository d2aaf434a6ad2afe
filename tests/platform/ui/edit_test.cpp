// The single-line edit: key sequences typed into a TEdit give the expected text, selection, caret,
// OnChange (EN_CHANGE) count and refusals (beeps); the mouse places and extends the selection.
#include <functional>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/ui/edit.h"
#include "platform/user/window_input.h"
#include "platform/window_classes/edit_window.h"
#include "platform/user/caret.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/message_beep.h"
#include "platform/user/send_message.h"
#include "platform/user/input_events.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "key_steps.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

struct KeyCase {
  const char* name;
  std::function<void(TEdit&)> setup;   // before the steps (the text is set first)
  std::string initial;
  std::vector<Step> steps;
  std::string text;
  int selStart, selLength, caret;
  int changes;   // OnChange calls made by the steps
  int beeps;
};

class EditTest : public UiTest {
 protected:
  EditTest() { user::SetBeepListener([this](UINT) { ++beeps_; }); }
  ~EditTest() override { user::SetBeepListener({}); }

  TEdit* NewEdit(TForm* form) {
    auto* edit = new TEdit(form);
    edit->SetName("Edit1");
    edit->SetParent(form);
    edit->SetBounds(10, 10, 200, 21);
    edit->OnChange = [this](TObject*) { ++changes_; };
    return edit;
  }

  // The caret position the window reports through the caret it placed.
  int CaretIndex(TEdit* edit) {
    TPoint caret{};
    GetCaretPos(&caret);
    const LRESULT at = SendMessageA(edit->Handle(), EM_CHARFROMPOS, 0, MAKELPARAM(caret.X, caret.Y + 1));
    return LOWORD(at);
  }

  // Types the case's steps into a fresh focused edit holding its initial text, caret at 0.
  void RunCase(const KeyCase& c) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("Form1");
    TEdit* edit = NewEdit(form);
    edit->SetText(c.initial);
    c.setup(*edit);
    edit->SetFocus();
    driver_->Settle();
    edit->SetSelStart(0);
    SetClipboardText(nullptr, "xy");   // what the paste cases find unless they copy first
    changes_ = beeps_ = 0;
    PlaySteps(*driver_, c.steps);
    EXPECT_EQ(edit->Text(), c.text);
    EXPECT_EQ(edit->SelStart(), c.selStart);
    EXPECT_EQ(edit->SelLength(), c.selLength);
    EXPECT_EQ(CaretIndex(edit), c.caret);
    EXPECT_EQ(changes_, c.changes);
    EXPECT_EQ(beeps_, c.beeps);
    delete form;
    driver_->Settle();
  }

  int changes_ = 0;
  int beeps_ = 0;
};

const std::vector<KeyCase>& KeyCases() {
  const auto none = [](TEdit&) {};
  static const std::vector<KeyCase> cases = {
      {"typing", none, "", {T("abc")}, "abc", 3, 0, 3, 3, 0},
      {"home then type", none, "abc", {K(VK_END), K(VK_HOME), T("x")}, "xabc", 1, 0, 1, 1, 0},
      {"left and insert", none, "abc", {K(VK_END), K(VK_LEFT), T("-")}, "ab-c", 3, 0, 3, 1, 0},
      {"shift left selects", none, "abcd", {K(VK_END), K(VK_LEFT, {ssShift}), K(VK_LEFT, {ssShift})},
       "abcd", 2, 2, 2, 0, 0},
      {"typing replaces selection", none, "abcd", {K(VK_END), K(VK_LEFT, {ssShift}), T("Z")}, "abcZ", 4, 0, 4, 1, 0},
      {"left collapses selection", none, "abcd", {K(VK_END), K(VK_HOME, {ssShift}), K(VK_RIGHT)}, "abcd", 4, 0, 4, 0, 0},
      {"ctrl right moves by words", none, "one two three", {K(VK_HOME), K(VK_RIGHT, {ssCtrl}), K(VK_RIGHT, {ssCtrl})},
       "one two three", 8, 0, 8, 0, 0},
      {"ctrl left moves by words", none, "one two three", {K(VK_END), K(VK_LEFT, {ssCtrl})}, "one two three", 8, 0, 8, 0, 0},
      {"ctrl shift left selects a word", none, "one two", {K(VK_END), K(VK_LEFT, {ssCtrl, ssShift})}, "one two", 4, 3, 4,
       0, 0},
      {"backspace", none, "abc", {K(VK_END), K(VK_BACK), K(VK_BACK)}, "a", 1, 0, 1, 2, 0},
      {"backspace at start does nothing", none, "abc", {K(VK_HOME), K(VK_BACK)}, "abc", 0, 0, 0, 0, 0},
      {"delete", none, "abc", {K(VK_HOME), K(VK_DELETE)}, "bc", 0, 0, 0, 1, 0},
      {"delete selection", none, "abcd", {K(VK_HOME), K(VK_RIGHT, {ssShift}), K(VK_RIGHT, {ssShift}), K(VK_DELETE)},
       "cd", 0, 0, 0, 1, 0},
      {"copy and paste", none, "ab",
       {K(VK_HOME), K(VK_END, {ssShift}), K('C', {ssCtrl}), K(VK_END), K('V', {ssCtrl})}, "abab", 4, 0, 4, 1, 0},
      {"cut and paste", none, "abc",
       {K(VK_HOME), K(VK_RIGHT, {ssShift}), K('X', {ssCtrl}), K(VK_END), K('V', {ssCtrl})}, "bca", 3, 0, 3, 2, 0},
      {"undo takes back a typed run", none, "ab", {K(VK_END), T("cd"), K('Z', {ssCtrl})}, "ab", 2, 0, 2, 3, 0},
      {"undo twice redoes", none, "ab", {K(VK_END), T("cd"), K('Z', {ssCtrl}), K('Z', {ssCtrl})}, "abcd", 4, 0, 4, 4,
       0},
      {"max length refuses", [](TEdit& e) { e.SetMaxLength(3); }, "", {T("abcde")}, "abc", 3, 0, 3, 3, 2},
      {"max length cuts a paste", [](TEdit& e) { e.SetMaxLength(4); }, "abc",
       {K(VK_HOME), K(VK_END, {ssShift}), K('C', {ssCtrl}), K(VK_END), K('V', {ssCtrl})}, "abca", 4, 0, 4, 1, 0},
      {"password shows stars, copies nothing", [](TEdit& e) { e.SetPasswordChar('*'); }, "pw",
       {K(VK_HOME), K(VK_END, {ssShift}), K('C', {ssCtrl}), K(VK_END), K('V', {ssCtrl})}, "pwxy", 4, 0, 4, 1, 0},
      {"upper case", [](TEdit& e) { e.SetCharCase(ecUpperCase); }, "", {T("aBc")}, "ABC", 3, 0, 3, 3, 0},
      {"lower case", [](TEdit& e) { e.SetCharCase(ecLowerCase); }, "", {T("aBc")}, "abc", 3, 0, 3, 3, 0},
      {"read only refuses edits, moves the caret", [](TEdit& e) { e.SetReadOnly(true); }, "abc",
       {K(VK_END), T("x"), K(VK_BACK), K(VK_LEFT), K(VK_DELETE)}, "abc", 2, 0, 2, 0, 3},
      {"return and escape beep", none, "a", {K(VK_RETURN), K(VK_ESCAPE)}, "a", 0, 0, 0, 0, 2},
  };
  return cases;
}

// The password case pastes what the clipboard held before: a password edit copies nothing.
TEST_F(EditTest, KeySequencesGiveTextSelectionCaretAndChanges) {
  for (const KeyCase& c : KeyCases()) RunCase(c);
}

// Thai: "กี่ขา" is the clusters [0,3) (a consonant with an above vowel and a tone mark), [3,4) and [4,5).
const std::vector<KeyCase>& ThaiCases() {
  const auto none = [](TEdit&) {};
  static const std::string word("กี่ขา"_cp874);
  static const std::vector<KeyCase> cases = {
      {"left steps over clusters", none, word, {K(VK_END), K(VK_LEFT), K(VK_LEFT)}, word, 3, 0, 3, 0, 0},
      {"left over the marked cluster", none, word, {K(VK_END), K(VK_LEFT), K(VK_LEFT), K(VK_LEFT)}, word, 0, 0, 0, 0, 0},
      {"right over the marked cluster", none, word, {K(VK_HOME), K(VK_RIGHT)}, word, 3, 0, 3, 0, 0},
      {"shift right selects the cluster", none, word, {K(VK_HOME), K(VK_RIGHT, {ssShift})}, word, 0, 3, 3, 0, 0},
      {"delete removes the cluster", none, word, {K(VK_HOME), K(VK_DELETE)}, std::string("ขา"_cp874), 0, 0,
       0, 1, 0},
      {"backspace removes the tone mark first", none, word, {K(VK_HOME), K(VK_RIGHT), K(VK_BACK)},
       std::string("กีขา"_cp874), 2, 0, 2, 1, 0},
      {"backspace then the vowel", none, word, {K(VK_HOME), K(VK_RIGHT), K(VK_BACK), K(VK_BACK)},
       std::string("กขา"_cp874), 1, 0, 1, 2, 0},
      {"typed marks join their consonant", none, "", {T(std::string("กี่"_cp874)), K(VK_LEFT)},
       std::string("กี่"_cp874), 0, 0, 0, 3, 0},
  };
  return cases;
}

TEST_F(EditTest, ThaiCaretDeleteAndBackspaceActOnClustersAndMarks) {
  for (const KeyCase& c : ThaiCases()) RunCase(c);
}

TEST_F(EditTest, TheMouseClicksExtendsDragsAndSelectsWords) {
  TForm* form = NewForm("Form1");
  TEdit* edit = NewEdit(form);
  edit->SetText("alpha beta gamma");
  driver_->Settle();
  HWND w = edit->Handle();
  const auto at = [&](int pos) {
    const LRESULT p = SendMessageA(w, EM_POSFROMCHAR, WPARAM(pos), 0);
    return TPoint{short(LOWORD(p)) + 1, short(HIWORD(p)) + 3};
  };
  const auto selection = [&] { return std::pair{edit->SelStart(), edit->SelLength()}; };
  user::Click(w, at(7).X, at(7).Y);
  driver_->Settle();
  EXPECT_EQ(driver_->FocusedControl(), edit);
  EXPECT_EQ(selection(), std::pair(7, 0));   // a click focuses without selecting everything
  user::InjectKey(VK_SHIFT, true);
  user::Click(w, at(12).X, at(12).Y);
  user::InjectKey(VK_SHIFT, false);
  driver_->Settle();
  EXPECT_EQ(selection(), std::pair(7, 5));
  user::DoubleClick(w, at(8).X, at(8).Y);
  driver_->Settle();
  EXPECT_EQ(selection(), std::pair(6, 4));   // "beta", its trailing blank left out
  user::MoveMouseTo(w, at(1).X, at(1).Y);
  user::InjectMouseButton(user::MouseButton::Left, true);
  user::MoveMouseTo(w, at(3).X, at(3).Y);
  user::MoveMouseTo(w, at(4).X, at(4).Y);
  user::InjectMouseButton(user::MouseButton::Left, false);
  driver_->Settle();
  EXPECT_EQ(selection(), std::pair(1, 3));
  EXPECT_EQ(CaretIndex(edit), 4);
}

TEST_F(EditTest, FocusNotificationsAndAutoSelect) {
  TForm* form = NewForm("Form1");
  TEdit* first = NewEdit(form);
  auto* second = new TEdit(form);
  second->SetParent(form);
  second->SetBounds(10, 40, 100, 21);
  first->SetText("abc");
  first->SetFocus();
  driver_->Settle();
  EXPECT_EQ(first->SelLength(), 3);   // AutoSelect on entering without a click
  first->SetAutoSelect(false);
  second->SetFocus();
  first->SetSelStart(1);
  first->SetFocus();
  driver_->Settle();
  EXPECT_EQ(first->SelStart(), 1);
  EXPECT_EQ(first->SelLength(), 0);
}

TEST_F(EditTest, NumberStyleAndWindowMessagesForPasswordAndReadOnly) {
  TForm* form = NewForm("Form1");
  TEdit* edit = NewEdit(form);
  edit->SetText("");
  HWND w = edit->Handle();
  SetWindowLongPtrA(w, GWL_STYLE, GetWindowLongPtrA(w, GWL_STYLE) | ES_NUMBER);
  edit->SetFocus();
  driver_->Settle();
  beeps_ = 0;
  driver_->Type("1a2");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(beeps_, 1);
  SendMessageA(w, EM_SETPASSWORDCHAR, '#', 0);
  EXPECT_EQ(SendMessageA(w, EM_GETPASSWORDCHAR, 0, 0), '#');
  EXPECT_NE(GetWindowLongPtrA(w, GWL_STYLE) & ES_PASSWORD, 0);
  SendMessageA(w, EM_SETREADONLY, TRUE, 0);
  EXPECT_NE(GetWindowLongPtrA(w, GWL_STYLE) & ES_READONLY, 0);
  driver_->Type("3");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_TRUE(edit->Modified());
  SendMessageA(w, EM_SETMODIFY, FALSE, 0);
  EXPECT_FALSE(edit->Modified());
}

}  // namespace
}  // namespace uitest
