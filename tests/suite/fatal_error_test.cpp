#include "suite/fatal_error.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "tests/support/suite/recording_user_interface.h"
#include "suite/program_end.h"
#include "tests/support/suite/suite_folder_fixture.h"

namespace {

using Entry = RecordingUserInterface::Entry;

class FatalError : public SuiteFolderFixture {};

TEST_F(FatalError, TwoBoxesThenTheLongTextThenTheEndWithCodeOne) {
  WriteBytes(program_ / "QZERROR.MSG", CrLfLines({"%ERROR%10010", "Run the repair.", "%ERROR%10020", "Other."}));
  struct Case {
    Integer number;
    const char* first;
    const char* output;
  };
  const Case cases[] = {
      {9502, "9502: DOS error code <2>", ""},
      {10010, "10010: File defect, that can be corrected by reindexing", "Run the repair.\n"},
      {10451, "10451: ", ""},
      {12345, "12345: ", ""},
  };
  for (const Case& c : cases) {
    ResetProgramEnd();
    RecordingUserInterface ui;
    testing::internal::CaptureStdout();
    IsamFatalErrorText(c.number, CannotOpenFileText("PRFILE01"));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.output) << c.number;
    EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"message", MessageKindError, c.first},
                                                 {"message", MessageKindError,
                                                  std::string("ไม่สามารถเปิดแฟ้มข้อมูล PRFILE01 ได้."_cp874)}}))
        << c.number;
    EXPECT_EQ(ProgramExitCode(), 1) << c.number;
  }
}

TEST_F(FatalError, WithoutATextTheSecondBoxIsEmptyAndFileResultsUseTheirOwnTexts) {
  RecordingUserInterface ui;
  IsamFatalError(9903);
  FileFatalErrorText(5, CannotCreateFileText("PRDEPT.DAT"));
  EXPECT_EQ(ui.transcript,
            (std::vector<Entry>{{"message", MessageKindError, "9903: File not found"},
                                {"message", MessageKindError, ""},
                                {"message", MessageKindError, "5: File access denied"},
                                {"message", MessageKindError, std::string("ไม่สามารถสร้างแฟ้มข้อมูล PRDEPT.DAT"_cp874)}}));
  EXPECT_EQ(ProgramExitCode(), 1);
}

}  // namespace
