#include "suite/lock_retry.h"

#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/os/clock.h"
#include "tests/support/suite/recording_user_interface.h"
#include "suite/isam/isam_status.h"
#include "suite/program_end.h"

namespace {

using Entry = RecordingUserInterface::Entry;

// An engine call that keeps meeting a conflict and how long each attempt waits inside the engine.
struct Attempts {
  Clock& clock;
  Integer error;
  UInt64 engineWaitMs;
  int made = 0;

  void Once() {
    ++made;
    clock.Sleep(engineWaitMs);
    IsamForceError(error);
  }
};

class LockRetry : public testing::Test {
 protected:
  void SetUp() override {
    ResetProgramEnd();
    LockRetryTimeLimitMs = 2000;
    LockRetryPauseMs = 100;
  }
  void TearDown() override {
    IsamClearStatus();
    LockRetryQuestion(false);   // ends any phase a failing test left open
    LockRetryTimeLimitMs = kDefaultLockRetryTimeLimitMs;
    LockRetryPauseMs = kDefaultLockRetryPauseMs;
    ResetProgramEnd();
  }

  FakeClock clock_{46000.0};
  ScopedClock installed_{clock_};
};

TEST_F(LockRetry, SilentRetriesAreBoundedByTimeWhateverTheEngineWaits) {
  struct Case {
    Integer error;
    UInt64 engineWaitMs;
    int attempts;   // until the question
  };
  // The phase starts after the first attempt; each retry pauses 100 ms.
  const Case cases[] = {
      {10306, 0, 21},      // no wait in the engine: 20 retries of 100 ms fill 2 s
      {10330, 704, 4},     // 11 x 64 ms per attempt
      {10335, 3008, 2},    // 47 x 64 ms per attempt: one retry, then the question
      {9900, 0, 21},
  };
  for (const Case& c : cases) {
    RecordingUserInterface ui;
    Attempts op{clock_, c.error, c.engineWaitMs};
    const UInt64 start = clock_.TickCount();
    do op.Once();
    while (LockRetryQuestion(true));
    EXPECT_EQ(op.made, c.attempts) << c.error;
    EXPECT_LE(clock_.TickCount() - start, c.engineWaitMs + 2000 + c.engineWaitMs + 100) << c.error;
    const std::string asked = "(" + std::to_string(c.error) + ") " +
                              std::string("มีการล็อคข้อมูลซ้อนกัน. โปรดลองใหม่อีกครั้ง?"_cp874);
    EXPECT_EQ(ui.transcript, (std::vector<Entry>{{"question", QuestionDefaultYes, asked}})) << c.error;
    EXPECT_EQ(ProgramExitCode(), 1) << "No ends the program";
    ResetProgramEnd();
  }
}

TEST_F(LockRetry, YesStartsAnotherBoundedPhaseAndSuccessEndsItQuietly) {
  RecordingUserInterface ui;
  ui.answers = {true};
  Attempts op{clock_, 10330, 0};
  int questionsSeen = 0;
  do {
    if (op.made == 30) {   // the holder lets go during the second phase
      IsamClearStatus();
      break;
    }
    op.Once();
    questionsSeen = static_cast<int>(ui.transcript.size());
  } while (LockRetryQuestion(true));
  EXPECT_EQ(questionsSeen, 1);
  EXPECT_FALSE(LockRetryQuestion(true)) << "a success is not retried";
  EXPECT_FALSE(ProgramEndRequested());
}

TEST_F(LockRetry, OnlyLockConflictsAreRetriedAndWithoutAskingTheCallerGivesUpSilently) {
  RecordingUserInterface ui;
  struct Case {
    Integer error;   // 0: success
    bool retried;
  };
  const Case cases[] = {{0, false}, {10200, false}, {10230, false}, {10070, false}, {10001, false},
                        {10330, true}, {10065, true}, {10360, true}};
  for (const Case& c : cases) {
    if (c.error == 0) IsamClearStatus();
    else IsamForceError(c.error);
    EXPECT_EQ(LockRetryQuestion(false), c.retried) << c.error;
    LockRetryQuestion(false);
    IsamClearStatus();
    LockRetryQuestion(false);
  }
  IsamForceError(10330);
  int retries = 0;
  while (LockRetryQuestion(false)) ++retries;
  EXPECT_EQ(retries, 20);
  EXPECT_TRUE(ui.transcript.empty());
  EXPECT_FALSE(ProgramEndRequested());
}

}  // namespace
