#include "suite/lock_retry.h"

#include <optional>

#include "platform/core/cp874.h"
#include "platform/os/clock.h"
#include "suite/isam/isam_status.h"
#include "suite/number_text.h"
#include "suite/program_end.h"
#include "suite/user_interface.h"

DWORD LockRetryTimeLimitMs = kDefaultLockRetryTimeLimitMs;
DWORD LockRetryPauseMs = kDefaultLockRetryPauseMs;

namespace {

constexpr Integer kLockConflictClass = 2;

// Tick count of the first conflict of the silent phase under way.
std::optional<UInt64> phaseStart;

bool AskToRetry() {
  std::string question = "(";
  question += IntToText(IsamErrorCode);
  question += ") ";
  question += "มีการล็อคข้อมูลซ้อนกัน. โปรดลองใหม่อีกครั้ง"_cp874;
  if (AskYesNoDefaultYes(question)) return true;
  RequestProgramEnd(1);
  return false;
}

}  // namespace

bool LockRetryQuestion(bool ask) {
  if (IsamLastOK || IsamErrorClass() != kLockConflictClass) {
    phaseStart.reset();
    return false;
  }
  const UInt64 now = GetTickCount64();
  if (!phaseStart) phaseStart = now;
  if (now - *phaseStart < LockRetryTimeLimitMs) {
    Sleep(LockRetryPauseMs);
    return true;
  }
  phaseStart.reset();
  return ask && AskToRetry();
}
