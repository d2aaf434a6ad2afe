#include "suite/locked_open.h"

#include "platform/os/clock.h"
#include "suite/text_routines.h"

Integer OpenRetryingWhileLocked(const std::function<Integer()>& tryOpen, Integer retries, DWORD pauseMs) {
  Integer result = tryOpen();
  for (Integer retry = 0; retry < retries && result == FileLockedIOResult; ++retry) {
    if (pauseMs > 0) Sleep(pauseMs);
    result = tryOpen();
  }
  return result;
}
