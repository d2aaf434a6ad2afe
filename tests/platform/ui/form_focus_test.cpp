// A control whose exit handler raises keeps the focus: the focus change stops, the control it was
// going to is not entered, the control refusing is not entered a second time, and the error is
// reported (a silent abort shows nothing).  A later change away from it, once it lets go, goes on.
#include <string>

#include "platform/core/exceptions.h"
#include "platform/ui/edit.h"
#include "platform/ui/message_box.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class FormFocusTest : public UiTest {
 protected:
  TEdit* NewEdit(TForm* form, const char* name, int top) {
    auto* edit = new TEdit(form);
    edit->SetName(name);
    edit->SetParent(form);
    edit->SetBounds(10, top, 100, 21);
    edit->OnEnter = [this, edit](TObject*) { log_ += edit->Name() + ":enter "; };
    return edit;
  }
  std::string log_;
};

TEST_F(FormFocusTest, AnExitHandlerThatRaisesKeepsTheFocus) {
  struct Case {
    const char* name;
    bool silent;
    std::size_t boxes;
  };
  for (const Case& c : {Case{"an error", false, 1}, Case{"a silent abort", true, 0}}) {
    SCOPED_TRACE(c.name);
    TForm* form = NewForm("Form1");
    TEdit* first = NewEdit(form, "First", 10);
    TEdit* second = NewEdit(form, "Second", 40);
    bool refuse = true;
    first->OnExit = [&](TObject*) {
      if (!refuse) return;
      if (c.silent) throw EAbort("");
      throw Exception("Not yet.");
    };
    first->SetFocus();
    driver_->Settle();
    log_.clear();
    const std::size_t before = driver_->Transcript().size();
    if (c.boxes == 1) driver_->AnswerNextMessageBox(IDOK);

    second->SetFocus();
    driver_->Settle();
    EXPECT_EQ(driver_->FocusedControl(), first);
    EXPECT_EQ(form->ActiveControl(), first);
    EXPECT_EQ(log_, "") << "neither the refused target nor the kept control is entered";
    ASSERT_EQ(driver_->Transcript().size(), before + c.boxes);
    if (c.boxes == 1) {
      EXPECT_EQ(driver_->Transcript().back().Text, "Not yet.");
    }

    refuse = false;
    second->SetFocus();
    driver_->Settle();
    EXPECT_EQ(driver_->FocusedControl(), second);
    EXPECT_EQ(log_, "Second:enter ");
    delete form;
  }
}

}  // namespace
}  // namespace uitest
