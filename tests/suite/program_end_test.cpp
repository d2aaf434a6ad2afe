#include "suite/program_end.h"

#include <gtest/gtest.h>

#include "tests/support/suite/recording_user_interface.h"

namespace {

using Entry = RecordingUserInterface::Entry;

TEST(ProgramEnd, TheExitCodeOnlyGrowsSoAFatalEndIsNeverReportedAsNormal) {
  struct Case {
    std::vector<Integer> requests;
    Integer code;
  };
  const Case cases[] = {{{}, 0}, {{0}, 0}, {{1}, 1}, {{1, 0}, 1}, {{0, 1}, 1}};
  for (const Case& c : cases) {
    ResetProgramEnd();
    for (Integer request : c.requests) RequestProgramEnd(request);
    EXPECT_EQ(ProgramEndRequested(), !c.requests.empty());
    EXPECT_EQ(ProgramExitCode(), c.code);
  }
  ResetProgramEnd();
}

TEST(ProgramEnd, FatalStopBeepsShowsThePlainMessageAndEndsWithCodeOne) {
  RecordingUserInterface ui;
  ResetProgramEnd();
  FatalStop("Stop.");
  EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"beep", 0, ""}, {"plain", 0, "Stop."}}));
  EXPECT_EQ(ProgramExitCode(), 1);
  ResetProgramEnd();
}

}  // namespace
