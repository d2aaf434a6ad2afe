// TMemo: Lines over the window's text, word wrapping, Return and Tab, alignment.
#include <string>

#include "platform/classes/tstrings.h"
#include "platform/ui/memo.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/window_classes/edit_window.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class MemoTest : public UiTest {
 protected:
  TMemo* NewMemo(TForm* form, const char* name, Integer top = 10) {
    auto* memo = new TMemo(form);
    memo->SetName(name);
    memo->SetParent(form);
    memo->SetBounds(10, top, 150, 80);
    memo->SetText("");   // naming it wrote its name there
    return memo;
  }
};

TEST_F(MemoTest, LinesReadAndEditTheWindowText) {
  TForm* form = NewForm("Form1");
  TMemo* memo = NewMemo(form, "Memo1");
  int changes = 0;
  memo->OnChange = [&](TObject*) { ++changes; };
  TStrings* lines = memo->Lines();
  lines->SetText("one\ntwo\rthree\r\n");
  EXPECT_EQ(memo->Text(), "one\r\ntwo\r\nthree\r\n");
  EXPECT_EQ(lines->Count(), 3);   // the empty line after the last break is not counted
  EXPECT_EQ(lines->Strings(1), "two");
  lines->Add("four");
  lines->Insert(0, "zero");
  lines->Delete(2);
  lines->SetStrings(1, "ONE");
  EXPECT_EQ(memo->Text(), "zero\r\nONE\r\nthree\r\nfour\r\n");
  EXPECT_EQ(lines->Count(), 4);
  EXPECT_EQ(changes, 5);
  lines->Clear();
  EXPECT_EQ(lines->Count(), 0);
  lines->Add("only");   // into an empty memo
  EXPECT_EQ(memo->Text(), "only\r\n");
}

TEST_F(MemoTest, CaretPosIsColumnAndLineOfTheSelectionEnd) {
  TForm* form = NewForm("Form1");
  TMemo* memo = NewMemo(form, "Memo1");
  memo->SetText("ab\r\ncdef\r\ng");
  memo->SetCaretPos(TPoint{3, 1});
  EXPECT_EQ(memo->SelStart(), 7);
  EXPECT_EQ(memo->SelLength(), 0);
  EXPECT_EQ(memo->CaretPos(), (TPoint{3, 1}));
  SendMessageA(memo->Handle(), EM_SETSEL, 1, 10);   // from the first line into the last
  EXPECT_EQ(memo->CaretPos(), (TPoint{0, 2}));
  memo->SetCaretPos(TPoint{0, 2});
  EXPECT_EQ(memo->SelStart(), 10);
}

TEST_F(MemoTest, WordWrapWrapsAtTheWidthAndRecreatingKeepsTheText) {
  TForm* form = NewForm("Form1");
  TMemo* memo = NewMemo(form, "Memo1");
  const std::string text = "a long line of words that cannot fit in one hundred and fifty pixels";
  memo->SetText(text);
  EXPECT_GT(memo->Lines()->Count(), 1);
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->Text(), text);
  EXPECT_EQ(memo->Lines()->Count(), 1);
  EXPECT_NE(GetWindowLongPtrA(memo->Handle(), GWL_STYLE) & ES_AUTOHSCROLL, 0);
}

TEST_F(MemoTest, ReturnAndTabFollowWantReturnsAndWantTabs) {
  struct Case {
    bool wantReturns, wantTabs;
    const char* text;       // after typing "a", Return, Tab, "b" into the first memo
    const char* focused;    // where the focus ends
  };
  const Case cases[] = {
      {true, false, "a\r\n", "Memo2"},
      {true, true, "a\r\n\tb", "Memo1"},
      {false, true, "a\tb", "Memo1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TForm* form = NewForm("Form1");
    TMemo* memo = NewMemo(form, "Memo1");
    NewMemo(form, "Memo2", 100);
    memo->SetWantReturns(c.wantReturns);
    memo->SetWantTabs(c.wantTabs);
    memo->SetFocus();
    driver_->Settle();
    driver_->Type("a");
    driver_->PressKey(VK_RETURN);
    driver_->PressKey(VK_TAB);
    if (driver_->FocusedControl() == memo) driver_->Type("b");
    EXPECT_EQ(memo->Text(), c.text);
    EXPECT_EQ(driver_->FocusedControl()->Name(), c.focused);
    delete form;
    driver_->Settle();
  }
}

TEST_F(MemoTest, AlignmentPlacesShortLines) {
  TForm* form = NewForm("Form1");
  TMemo* memo = NewMemo(form, "Memo1");
  memo->SetText("ab");
  const auto x0 = [&] { return short(LOWORD(SendMessageA(memo->Handle(), EM_POSFROMCHAR, 0, 0))); };
  const short left = x0();
  memo->SetAlignment(taCenter);
  const short centre = x0();
  memo->SetAlignment(taRightJustify);
  const short right = x0();
  EXPECT_LT(left, centre);
  EXPECT_LT(centre, right);
  TRect rect{};
  SendMessageA(memo->Handle(), EM_GETRECT, 0, LPARAM(&rect));
  EXPECT_EQ(short(LOWORD(SendMessageA(memo->Handle(), EM_POSFROMCHAR, 2, 0))), rect.Right);
}

}  // namespace
}  // namespace uitest
