// The engine-wide state (started flag, network mode, open Fileblocks) and the common entry and exit
// of every Fileblock operation.
//
// Invariants: while started the page pool holds at least 8 buffers; every open Fileblock is in
// `open` exactly once and carries the validity mark.
#pragma once

#include <vector>

#include "suite/isam/file_block.h"

struct IsamEngineState {
  bool started = false;
  Byte netMode = 0;         // 0 or 2
  Integer stationCount = 0; // 1,000 in network mode
  std::vector<IsamFileBlock*> open;
};

IsamEngineState& IsamEngine();
bool IsamNetworkMode();

// What an operation needs (checked by IsamEnter in this order).
namespace isam_need {
inline constexpr Integer FileBlockLock = 0x100;
inline constexpr Integer UpToDate = 0x200;
inline constexpr Integer KeyNumber = 0x400;
inline constexpr Integer Write = 0x800;
}  // namespace isam_need

// Clears the status and checks the engine, the Fileblock (nullptr with `noFileBlock` for create
// and open) and the needs; may take a temporary read lock.  False with the status set on failure.
bool IsamEnter(IsamFileBlock* fb, Integer needs, bool noFileBlock = false);
// Translates lock-caused failures and releases a temporary read lock.
void IsamLeave(IsamFileBlock* fb);
// Marks a Fileblock modified at a change; outside save mode OpenFlag 1 goes to disk at once unless
// it is there already, so that the disk holds 1 whenever it may hold a change not written back whole.
bool IsamMarkModified(IsamFileBlock& fb);
