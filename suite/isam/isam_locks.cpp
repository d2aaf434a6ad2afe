// The public lock operations of network mode.
#include "suite/isam/engine_state.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/net_access.h"

void IsamLockFileBlock(IsamFileBlock* fb) {
  if (IsamEnter(fb, 0) && fb->net) NetLockFileBlock(*fb);
  IsamLeave(fb);
}

void IsamUnlockFileBlock(IsamFileBlock* fb) {
  if (IsamEnter(fb, 0) && fb->net) NetUnlockFileBlock(*fb);
  IsamLeave(fb);
}

bool IsamFileBlockLocked(IsamFileBlock* fb) {
  return IsamEnter(fb, 0) && NetHoldsFileBlockLock(*fb);
}

void IsamLockRecord(IsamFileBlock* fb, Integer ref) {
  if (IsamEnter(fb, 0) && fb->net) NetLockRecord(*fb, ref);
  IsamLeave(fb);
}

void IsamUnlockRecord(IsamFileBlock* fb, Integer ref) {
  if (IsamEnter(fb, 0) && fb->net) NetUnlockRecord(*fb, ref);
  IsamLeave(fb);
}

Word IsamStationNumber(IsamFileBlock* fb) { return fb && fb->net ? fb->net->station : 0; }
