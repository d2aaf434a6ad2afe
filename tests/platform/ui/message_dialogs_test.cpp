// Message dialogs: each dialog type's caption and icon, button sets with their captions, order,
// default and cancel buttons, the shared layout, positions, ShowMessage, and the test driver
// answering them and keeping them in its transcript.
#include <algorithm>
#include <memory>

#include "platform/ui/application.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/button.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/message_box.h"
#include "platform/ui/message_dialogs.h"
#include "platform/ui/message_form.h"
#include "platform/ui/picture.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class MessageDialogsTest : public UiTest {
 protected:
  ~MessageDialogsTest() override { Application->SetTitle(savedTitle_); }
  std::string savedTitle_ = Application->Title();
};

// A script that presses one key in the dialog.
TTestDriver::TModalScript PressKey(Word key) {
  return [key](TCustomForm&, TTestDriver& driver) { driver.PressKey(key); };
}

TEST_F(MessageDialogsTest, EachTypeHasItsCaptionAndIcon) {
  Application->SetTitle("Payroll Import");
  struct Case {
    TMsgDlgType type;
    const char* caption;
    bool hasIcon;
    TPoint probe;  // a point of the icon and the colour it has there
    TColor colour;
  };
  const Case cases[] = {
      {mtWarning, "Warning", true, {8, 27}, clYellow},
      {mtError, "Error", true, {6, 16}, clRed},
      {mtInformation, "Information", true, {6, 16}, clWhite},
      {mtConfirmation, "Confirmation", true, {16, 8}, clBlue},
      {mtCustom, "Payroll Import", false, {}, clNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.caption);
    std::unique_ptr<TForm> form(CreateMessageDialog("Company file is in use.", c.type, {mbOK}));
    EXPECT_EQ(form->Caption(), c.caption);
    EXPECT_EQ(dynamic_cast<TLabel*>(form->FindComponent("Message"))->Caption(), "Company file is in use.");
    auto* image = dynamic_cast<TImage*>(form->FindComponent("Image"));
    ASSERT_EQ(image != nullptr, c.hasIcon);
    if (c.hasIcon) {
      EXPECT_EQ(image->Picture()->Bitmap()->Canvas()->Pixels(c.probe.X, c.probe.Y), c.colour);
    }
  }
}

TEST_F(MessageDialogsTest, ButtonSetsShowTheirCaptionsInOrderWithTheirDefaultAndCancelButtons) {
  struct Case {
    TMsgDlgButtons buttons;
    std::vector<std::string> captions;
    TModalResult enter, escape;  // what Enter and Escape answer (mrNone: the dialog stays open)
  };
  const Case cases[] = {
      {{mbOK}, {"OK"}, mrOk, mrOk},
      {mbOKCancel, {"OK", "Cancel"}, mrOk, mrCancel},
      {{mbNo, mbYes}, {"&Yes", "&No"}, mrYes, mrNo},
      {mbYesNoCancel, {"&Yes", "&No", "Cancel"}, mrYes, mrCancel},
      {mbYesAllNoAllCancel, {"&Yes", "&No", "Cancel", "N&o to All", "Yes to &All"}, mrYes, mrCancel},
      {mbAbortRetryIgnore, {"&Abort", "&Retry", "&Ignore"}, mrRetry, mrNone},
      {{mbIgnore, mbAll}, {"&Ignore", "&All"}, mrIgnore, mrNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.captions.front() + " ... " + std::to_string(c.captions.size()));
    driver_->OnNextModal(PressKey(VK_RETURN));
    EXPECT_EQ(MessageDlg("Replace the file?", mtConfirmation, c.buttons, 0), c.enter);
    driver_->OnNextModal(PressKey(VK_ESCAPE));
    // A dialog Escape cannot close is closed by the driver with mrCancel and reported.
    const std::size_t problems = driver_->Problems().size();
    EXPECT_EQ(MessageDlg("Replace the file?", mtConfirmation, c.buttons, 0), c.escape == mrNone ? mrCancel : c.escape);
    EXPECT_EQ(driver_->Problems().size(), problems + (c.escape == mrNone ? 1 : 0));
    ASSERT_FALSE(driver_->Transcript().empty());
    EXPECT_EQ(driver_->Transcript().back().Buttons, c.captions);
  }
}

TEST_F(MessageDialogsTest, TheHelpButtonAnswersNothingAndLeavesTheDialogOpen) {
  TModalResult answerAfterHelp = -1;
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    driver.Click(dynamic_cast<TButton*>(form.FindComponent("Help")));
    answerAfterHelp = form.ModalResult();
    driver.Click(dynamic_cast<TButton*>(form.FindComponent("No")));
  });
  EXPECT_EQ(MessageDlg("Print now?", mtConfirmation, {mbYes, mbNo, mbHelp}, 12), mrNo);
  EXPECT_EQ(answerAfterHelp, mrNone);
}

TEST_F(MessageDialogsTest, ButtonsAreCentredInARowBelowTheIconAndText) {
  std::unique_ptr<TForm> form(CreateMessageDialog("The report has no pages.\nPrint anyway?", mtWarning,
                                                  mbYesNoCancel));
  const TControl* image = dynamic_cast<TControl*>(form->FindComponent("Image"));
  const TControl* text = dynamic_cast<TControl*>(form->FindComponent("Message"));
  std::vector<const TButton*> buttons;
  for (const char* name : {"Yes", "No", "Cancel"}) buttons.push_back(dynamic_cast<TButton*>(form->FindComponent(name)));
  EXPECT_LT(image->Left() + image->Width(), text->Left());
  EXPECT_GT(text->Height(), 0);
  for (std::size_t i = 0; i + 1 < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i]->Top(), buttons[i + 1]->Top());
    EXPECT_LT(buttons[i]->Left() + buttons[i]->Width(), buttons[i + 1]->Left());
  }
  const Integer rowLeft = buttons.front()->Left(), rowRight = buttons.back()->Left() + buttons.back()->Width();
  EXPECT_LE(std::abs(rowLeft - (form->ClientWidth() - rowRight)), 1);
  EXPECT_GT(buttons.front()->Top(), std::max(image->Top() + image->Height(), text->Top() + text->Height()));
  EXPECT_LT(buttons.front()->Top() + buttons.front()->Height(), form->ClientHeight());
  EXPECT_TRUE(buttons[0]->Default());
  EXPECT_TRUE(buttons[2]->Cancel());
}

TEST_F(MessageDialogsTest, MessageDlgPosPlacesTheDialogAndShowMessageUsesTheTitle) {
  Application->SetTitle("Payroll Import");
  TPoint shownAt{-1, -1};
  driver_->OnNextModal([&](TCustomForm& form, TTestDriver& driver) {
    shownAt = TPoint{form.Left(), form.Top()};
    driver.PressKey(VK_RETURN);
  });
  EXPECT_EQ(MessageDlgPos("Saved.", mtInformation, {mbOK}, 0, 40, 30), mrOk);
  EXPECT_EQ(shownAt, (TPoint{40, 30}));

  driver_->AnswerNextMessageBox(IDOK);
  ShowMessage("This report will be converted to 4.0 format before printing.");
  ASSERT_EQ(driver_->Transcript().size(), 2u);
  const TMessageBoxRecord& shown = driver_->Transcript().back();
  EXPECT_EQ(shown.Caption, "Payroll Import");
  EXPECT_EQ(shown.Text, "This report will be converted to 4.0 format before printing.");
  EXPECT_EQ(shown.Buttons, std::vector<std::string>{"OK"});
  EXPECT_EQ(shown.Answer, mrOk);
  EXPECT_EQ(shown.Type, 0u);
}

TEST_F(MessageDialogsTest, TheDriverAnswersDialogsAndBoxesAlikeAndAClosedDialogAnswersCancel) {
  driver_->AnswerNextMessageBox(mrNo);
  driver_->AnswerNextMessageBox(IDYES);
  driver_->OnNextModal([](TCustomForm& form, TTestDriver&) { form.Close(); });
  EXPECT_EQ(MessageDlg("Overwrite?", mtWarning, {mbYes, mbNo}, 0), mrNo);
  EXPECT_EQ(MessageBoxA(nullptr, "Overwrite?", "Save", MB_YESNO | MB_ICONWARNING), IDYES);
  EXPECT_EQ(MessageDlg("Overwrite?", mtWarning, {mbYes, mbNo}, 0), mrCancel);
  ASSERT_EQ(driver_->Transcript().size(), 3u);
  EXPECT_EQ(driver_->Transcript()[0].Caption, "Warning");
  EXPECT_EQ(driver_->Transcript()[1].Buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(driver_->Transcript()[1].Type, UINT(MB_YESNO | MB_ICONWARNING));
  EXPECT_EQ(driver_->Transcript()[2].Answer, mrCancel);
  EXPECT_TRUE(driver_->Problems().empty());
}

}  // namespace
}  // namespace uitest
