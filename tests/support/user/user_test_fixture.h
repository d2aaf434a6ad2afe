// The fixture every window-layer test starts from: a fake clock, the classic metrics, no input
// pending, an empty message log, and at the end every window destroyed and every queue drained,
// so tests pass alone and in any order within one process.
#pragma once

#include <gtest/gtest.h>

#include "tests/support/user/message_log.h"
#include "platform/os/clock.h"

namespace usertest {

class UserTest : public ::testing::Test {
 protected:
  UserTest();
  ~UserTest() override;

  // Dispatches everything waiting, without waiting for anything.
  static void Pump();
  static std::vector<std::string> Take() { return MessageLog::Instance().Take(); }

  FakeClock clock_{45000.0, 1000000};
  ScopedClock scopedClock_{clock_};
};

}  // namespace usertest
