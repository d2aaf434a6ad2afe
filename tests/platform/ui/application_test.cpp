// The application: errors in handlers reach the error box and the loop goes on; message boxes
// answered from a script; window hooks and the application messages.
#include "platform/core/exceptions.h"
#include "platform/ui/application.h"
#include "platform/ui/button.h"
#include "platform/ui/message_box.h"
#include "platform/user/backend/headless/headless_backend.h"
#include "ui_test_fixture.h"

namespace uitest {
namespace {

TButton* AddButton(TForm* form, const char* name, Integer y) {
  auto* button = new TButton(form);
  button->SetName(name);
  button->SetParent(form);
  button->SetTop(y);
  return button;
}

class ApplicationTest : public UiTest {
 protected:
  ~ApplicationTest() override {
    Application->ClearTerminated();
    Application->SetTitle(savedTitle_);
  }
  std::string savedTitle_ = Application->Title();
};

TEST_F(ApplicationTest, AnExceptionInAHandlerShowsTheErrorBoxAndTheLoopGoesOn) {
  Application->SetTitle("Payroll Import");
  TForm* form = NewForm("Main");
  Application->SetMainForm(form);
  TButton* bad = AddButton(form, "Bad", 10);
  TButton* quit = AddButton(form, "Quit", 50);
  bad->OnClick = [](TObject*) { throw EConvertError("'12x' is not a valid integer value"); };
  Integer quitClicks = 0;
  quit->OnClick = [&](TObject*) {
    ++quitClicks;
    Application->Terminate();
  };
  driver_->Settle();
  driver_->AnswerNextMessageBox(IDOK);
  // Both clicks wait as input; the loop takes the first, survives its error, then the second.
  for (TButton* button : {bad, quit}) {
    const TPoint centre{button->Width() / 2, button->Height() / 2};
    user::Click(button->Handle(), centre.X, centre.Y);
  }
  Application->Run();
  EXPECT_EQ(quitClicks, 1);
  ASSERT_EQ(driver_->Transcript().size(), 1u);
  const TMessageBoxRecord& box = driver_->Transcript()[0];
  EXPECT_EQ(box.Caption, "Payroll Import");
  EXPECT_EQ(box.Text, "'12x' is not a valid integer value.");
  EXPECT_EQ(box.Type, MB_OK | MB_ICONSTOP);
  EXPECT_EQ(box.Answer, IDOK);
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(ApplicationTest, AbortIsSilentAndOnExceptionReplacesTheBox) {
  TForm* form = NewForm("Main");
  TButton* button = AddButton(form, "Button", 10);
  std::string seen;
  button->OnClick = [](TObject*) { Abort(); };
  driver_->Click(button);
  EXPECT_TRUE(driver_->Transcript().empty());
  Application->OnException = [&](TObject* sender, Exception* e) {
    seen = dynamic_cast<TComponent*>(sender)->Name() + ": " + e->Message();
  };
  button->OnClick = [](TObject*) { throw EInvalidOperation("Cannot focus"); };
  driver_->Click(button);
  Application->OnException = nullptr;
  // The click reaches the button as a notification its form reflects: the form reports it.
  EXPECT_EQ(seen, "Main: Cannot focus");
  EXPECT_TRUE(driver_->Transcript().empty());
}

TEST_F(ApplicationTest, MessageBoxesAreAnsweredFromTheScriptAndKeptInTheTranscript) {
  const struct {
    UINT type;
    int answer;
  } cases[] = {{MB_YESNO | MB_ICONQUESTION, IDNO},
               {MB_YESNOCANCEL, IDCANCEL},
               {MB_OKCANCEL | MB_DEFBUTTON2, IDOK},
               {MB_ABORTRETRYIGNORE | MB_ICONWARNING, IDIGNORE},
               {MB_RETRYCANCEL, IDRETRY}};
  for (const auto& c : cases) driver_->AnswerNextMessageBox(c.answer);
  for (const auto& c : cases) EXPECT_EQ(Application->MessageBox("Delete the company?", "Companies", Integer(c.type)), c.answer);
  ASSERT_EQ(driver_->Transcript().size(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(driver_->Transcript()[i].Text, "Delete the company?");
    EXPECT_EQ(driver_->Transcript()[i].Caption, "Companies");
    EXPECT_EQ(driver_->Transcript()[i].Type, cases[i].type);
    EXPECT_EQ(driver_->Transcript()[i].Answer, cases[i].answer);
  }
  EXPECT_TRUE(driver_->Problems().empty());
}

TEST_F(ApplicationTest, AnUnscriptedBoxIsClosedAndReported) {
  EXPECT_EQ(Application->MessageBox("Saved.", "Companies", MB_OK), IDOK);
  EXPECT_EQ(Application->MessageBox("Really?", "Companies", MB_YESNO), IDCANCEL);
  driver_->AnswerNextMessageBox(IDYES);
  EXPECT_EQ(Application->MessageBox("Continue?", "Companies", MB_OKCANCEL), IDCANCEL);
  const std::vector<std::string> expected = {
      "No script answered the modal form \"Companies\"; it was cancelled",
      "No script answered the modal form \"Companies\"; it was cancelled",
      "The modal form \"Companies\" has no answer 6",
      "The modal form \"Companies\" was left open; it was cancelled"};
  EXPECT_EQ(driver_->Problems(), expected);
  EXPECT_EQ(driver_->Transcript().size(), 3u);
}

}  // namespace
}  // namespace uitest
