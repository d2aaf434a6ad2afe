// Another station for tests that race real processes: a child process (child_process.h) that takes
// a record file's file-block lock when told and holds it until told again.
//
// Messages on the child's channel: the test sends kGo; the station opens the file, locks it and
// answers kLocked (on a failure it answers the engine's error code instead and ends with 11).  The
// next message makes it unlock and answer kReleased; the one after that (or the test closing the
// channel) makes it close the file and end with 0.  Engine error codes are far above these values.
#pragma once

#include <string>

#include "platform/core/types.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_status.h"
#include "tests/support/os/child_process.h"

inline constexpr DWORD kGo = 1;
inline constexpr DWORD kLocked = 2;
inline constexpr DWORD kRelease = 3;
inline constexpr DWORD kReleased = 4;
inline constexpr DWORD kEnd = 5;

inline int HoldFileBlockLock(Channel& channel, const std::string& name) {
  if (channel.Receive() != kGo) return 10;
  IsamInit(2, 500);
  IsamFileBlock* fb = nullptr;
  IsamOpenFileBlock(fb, name, false, false, false, true);
  if (IsamLastOK) IsamLockFileBlock(fb);
  if (!IsamLastOK) {
    channel.Send(static_cast<DWORD>(IsamErrorCode));
    return 11;
  }
  channel.Send(kLocked);
  channel.Receive();
  IsamUnlockFileBlock(fb);
  channel.Send(kReleased);
  channel.Receive();
  IsamCloseFileBlock(fb);
  IsamExit();
  return 0;
}
