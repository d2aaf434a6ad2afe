#include "suite/user_interface.h"

#include <gtest/gtest.h>

#include "tests/support/suite/recording_user_interface.h"

namespace {

using Entry = RecordingUserInterface::Entry;

TEST(UserInterface, QuestionsEndInAQuestionMarkOrFullStop) {
  struct Case { const char* asked; const char* shown; };
  const Case cases[] = {{"Delete?", "Delete?"}, {"Delete.", "Delete."}, {"Delete", "Delete?"}, {"", "?"}};
  for (const Case& c : cases) {
    RecordingUserInterface ui;
    AskYesNo(QuestionDefaultNo, c.asked);
    EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"question", QuestionDefaultNo, c.shown}})) << c.asked;
  }
}

TEST(UserInterface, EntryPointsForwardKindsAndAnswers) {
  RecordingUserInterface ui;
  ui.answers = {true, false};
  ShowInformation("i");
  ShowErrorBox("e");
  ShowErrorBoxEx(7, 8, "x");
  ShowMessageKind(MessageKindWarning, "w");
  const bool first = AskYesNoDefaultYes("Go");
  const bool second = AskYesNoDefaultYes("Go");
  ShowWait();
  CloseWait();
  EXPECT_TRUE(first);
  EXPECT_FALSE(second);
  EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"message", 1, "i"},
                                               {"message", 2, "e"},
                                               {"message", 2, "x"},
                                               {"message", 3, "w"},
                                               {"question", 1, "Go?"},
                                               {"question", 1, "Go?"},
                                               {"wait", 0, ""},
                                               {"close wait", 0, ""}}));
}

TEST(UserInterface, FallbackWritesToStandardErrorAndAnswersNo) {
  ASSERT_EQ(SetSuiteUserInterface(nullptr), nullptr);
  testing::internal::CaptureStderr();
  ShowErrorBox("Folder not found.");
  const bool answer = AskYesNo(QuestionDefaultYes, "Go on");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Error: Folder not found.\nConfirm: Go on?\n");
  EXPECT_FALSE(answer);
}

}  // namespace
