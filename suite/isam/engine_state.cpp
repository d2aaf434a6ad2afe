// Engine start and stop, and the entry and exit checks shared by every Fileblock operation.
#include "suite/isam/engine_state.h"

#include <algorithm>
#include <cstdlib>

#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/lock_table.h"
#include "suite/isam/net_access.h"
#include "suite/isam/page_pool.h"
#include "suite/isam/save_journal.h"
#include "suite/isam/section_io.h"

IsamFileBlock::IsamFileBlock() = default;
IsamFileBlock::~IsamFileBlock() = default;

IsamEngineState& IsamEngine() {
  static IsamEngineState state;
  return state;
}

bool IsamNetworkMode() { return IsamEngine().netMode == 2; }

namespace {
// At a normal program end (a return from main, exit, Halt) an engine still started closes every
// open Fileblock, so that changed files are written back with OpenFlag 0.  A process that is
// killed leaves that to the journal, and to 10010 at the next open.
void ExitStartedEngine() {
  if (IsamEngine().started) IsamExit();
}

// Registered once, after the engine's state, page pool and lock table exist, so that it runs
// before they are destroyed.
void CloseFileBlocksAtProgramEnd() {
  [[maybe_unused]] static const bool registered = std::atexit(ExitStartedEngine) == 0;
}
}  // namespace

Integer IsamInit(Byte netMode, Integer pageBuffers) {
  IsamClearStatus();
  IsamEngineState& e = IsamEngine();
  if (e.started) return IsamFail(isam_error::AlreadyStarted), 0;
  if (pageBuffers <= 7) return IsamFail(isam_error::BufferRequestTooSmall), 0;
  if (netMode != 0 && netMode != 2) return IsamFail(isam_error::BadNetMode), 0;
  e = IsamEngineState{};
  IsamLockTable().Clear();
  IsamLockTable().SetSystemLocks(netMode == 2);
  e.netMode = netMode;
  e.stationCount = netMode == 2 ? 1000 : 0;
  const Integer got = IsamPagePool().Allocate(pageBuffers);
  if (got < 8) {
    IsamPagePool().Release();
    return IsamFail(isam_error::TooFewBuffers), 0;
  }
  e.started = true;
  CloseFileBlocksAtProgramEnd();
  return got;
}

void IsamExit() {
  IsamClearStatus();
  IsamEngineState& e = IsamEngine();
  if (!e.started) {
    IsamFail(isam_error::NotStarted);
    return;
  }
  Integer firstError = 0;
  for (IsamFileBlock* fb : std::vector<IsamFileBlock*>(e.open)) {
    IsamCloseFileBlock(fb);
    if (!IsamLastOK && firstError == 0) firstError = IsamErrorCode;
  }
  IsamClearStatus();
  if (firstError != 0) {
    IsamFail(firstError);
    return;
  }
  e.started = false;
  IsamPagePool().Release();
  IsamLockTable().Clear();
}

bool IsamEnter(IsamFileBlock* fb, Integer needs, bool noFileBlock) {
  IsamClearStatus();
  if (!IsamEngine().started) return IsamFail(isam_error::NotStarted);
  if (noFileBlock) return true;
  if (!fb || fb->validity != IsamFileBlock::ValidMark) return IsamFail(isam_error::InvalidFileBlock);
  if ((needs & isam_need::Write) && fb->readOnly) return IsamFail(isam_error::ReadOnly);
  if ((needs & isam_need::FileBlockLock) && IsamNetworkMode() && fb->net && !NetHoldsFileBlockLock(*fb))
    return IsamFail(isam_error::NeedsFileBlockLock);
  if (needs & isam_need::KeyNumber) {
    const Integer key = needs & 0xFF;
    if (key == 0 || key > fb->keyCount) return IsamFail(isam_error::BadKeyNumber);
  }
  if ((needs & isam_need::UpToDate) && IsamNetworkMode() && fb->net && !NetBeginRead(*fb)) {
    IsamReplaceError(isam_error::SystemFailure, isam_error::ReadLockFailed);
    return false;
  }
  return true;
}

void IsamLeave(IsamFileBlock* fb) {
  if (!fb || fb->validity != IsamFileBlock::ValidMark) return;
  if (IsamNetworkMode() || fb->readOnly) IsamReplaceError(isam_error::SystemFailure, isam_error::LockedByOther);
  if (fb->net) NetEndRead(*fb);
}

bool IsamMarkModified(IsamFileBlock& fb) {
  fb.modified = true;
  // The cached OpenFlag follows the disk: a publication that wrote 0 back (a Fileblock opened
  // with the network argument) leaves the next change to set it again.
  if (fb.saveMode || fb.Data().openFlag == 1) return true;
  const Byte one = 1;
  if (!fb.data.WriteAt(isam_format::OpenFlagOffset, &one, 1)) return false;
  fb.Data().openFlag = 1;
  return true;
}
