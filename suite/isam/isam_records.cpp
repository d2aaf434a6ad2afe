// Reading, writing, adding and freeing data records.
#include <limits>

#include "suite/isam/engine_state.h"
#include "suite/isam/isam_engine.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/net_access.h"
#include "suite/isam/section_io.h"
#include "suite/isam/write_ahead.h"

namespace {
Int64 RecordOffset(IsamFileBlock& fb, Integer ref) { return static_cast<Int64>(ref) * fb.Data().length; }

bool ValidLink(Integer link, Integer allocated) { return link != 0 && link >= -1 && link <= allocated; }

// Takes a record number: the free-chain head (validated) or the next new number.  A chain that the
// free count says is empty is damaged (10170); a file of 2^31 - 1 records takes no more (10075).
bool Allocate(IsamFileBlock& fb, Integer& ref) {
  FileSectionInfo& d = fb.Data();
  if (d.freeHead == -1) {
    if (d.allocated == std::numeric_limits<Integer>::max()) return IsamFail(isam_error::ShortWrite);
    if (!WriteAheadJournalHeader(fb, 0)) return false;
    ref = ++d.allocated;
    d.tookFromFreeChain = false;
  } else {
    if (!ValidLink(d.freeHead, d.allocated) || d.freeCount <= 0) return IsamFail(isam_error::FreeChainDamaged);
    Byte status[4];
    if (!fb.data.ReadAt(RecordOffset(fb, d.freeHead), status, 4)) return false;
    const Integer next = GetInt32LE(status);
    if (!ValidLink(next, d.allocated) || next == d.freeHead) return IsamFail(isam_error::FreeChainDamaged);
    if (!WriteAheadJournalHeader(fb, 0, next)) return false;
    ref = d.freeHead;
    d.freeHead = next;
    --d.freeCount;
    d.tookFromFreeChain = true;
  }
  d.dirty = true;
  d.changedSincePublish = true;
  return true;
}

void Deallocate(IsamFileBlock& fb, Integer ref) {
  FileSectionInfo& d = fb.Data();
  if (d.tookFromFreeChain) {
    d.freeHead = ref;
    ++d.freeCount;
  } else {
    --d.allocated;
  }
}
}  // namespace

void IsamReadRecord(IsamFileBlock* fb, Integer ref, void* buffer, bool locked) {
  if (IsamEnter(fb, locked ? 0 : isam_need::UpToDate)) {
    if (ref < 0) IsamFail(isam_error::ShortRead);
    else fb->data.ReadAt(RecordOffset(*fb, ref), buffer, static_cast<DWORD>(fb->Data().length));
  }
  IsamLeave(fb);
}

void IsamWriteRecord(IsamFileBlock* fb, Integer ref, const void* buffer, bool locked) {
  if (!IsamEnter(fb, isam_need::Write | (locked ? 0 : isam_need::FileBlockLock))) return IsamLeave(fb);
  if (ref <= 0) {
    IsamFail(ref == 0 ? isam_error::WriteRecordZero : isam_error::ShortWrite);
    return IsamLeave(fb);
  }
  // A record written under its record lock alone changes nothing cached; in network mode it must not
  // leave OpenFlag set, since only a station holding the Fileblock lock writes the header back.
  const bool cachesChange = !(fb->net && IsamNetworkMode() && !NetHoldsFileBlockLock(*fb));
  if ((!cachesChange || IsamMarkModified(*fb)) &&
      WriteDataBytes(*fb, RecordOffset(*fb, ref), buffer, static_cast<DWORD>(fb->Data().length)) && fb->saveMode)
    fb->data.Commit(fb->net && IsamNetworkMode());
  IsamLeave(fb);
}

void IsamAddRecord(IsamFileBlock* fb, Integer& ref, const void* buffer) {
  if (!IsamEnter(fb, isam_need::Write | isam_need::FileBlockLock)) return IsamLeave(fb);
  if (!IsamMarkModified(*fb)) return IsamLeave(fb);
  SaveOperationBegin(*fb);
  Integer taken = 0;
  bool ok = Allocate(*fb, taken);
  if (ok && !WriteDataBytes(*fb, RecordOffset(*fb, taken), buffer, static_cast<DWORD>(fb->Data().length))) {
    Deallocate(*fb, taken);
    ok = false;
  }
  if (ok && fb->saveMode && !WriteDataHeader(*fb, 0)) ok = false;
  if (ok) ok = SaveOperationCommit(*fb);
  if (ok) ref = taken;
  else SaveOperationUndo(*fb, isam_error::SaveAddFailed);
  IsamLeave(fb);
}

void IsamFreeRecord(IsamFileBlock* fb, Integer ref) {
  if (!IsamEnter(fb, isam_need::Write | isam_need::FileBlockLock)) return IsamLeave(fb);
  FileSectionInfo& d = fb->Data();
  if (ref < 1 || ref > d.allocated) {
    IsamFail(isam_error::FreeOutOfRange);
    return IsamLeave(fb);
  }
  // Every record is on the chain already by the count: the chain or the count is damaged.
  if (d.freeCount >= d.allocated) {
    IsamFail(isam_error::FreeChainDamaged);
    return IsamLeave(fb);
  }
  if (!IsamMarkModified(*fb)) return IsamLeave(fb);
  SaveOperationBegin(*fb);
  Byte link[4];
  PutInt32LE(link, d.freeHead);
  const Int64 at = RecordOffset(*fb, ref);
  auto linkIn = [&d, ref] {
    d.freeHead = ref;
    ++d.freeCount;
    d.dirty = true;
    d.changedSincePublish = true;
  };
  bool ok = true;
  if (fb->saveMode) {
    // The header naming the record goes first: undo can then find the record whose status word the
    // freeing changed (see SaveJournal::UndoHeader).
    ok = WriteAheadJournalHeader(*fb, 0);
    if (ok) linkIn();
    ok = ok && WriteDataHeader(*fb, 0) && WriteDataBytes(*fb, at, link, 4);
  } else {
    ok = WriteDataBytes(*fb, at, link, 4);
    if (ok) linkIn();
  }
  if (ok) ok = SaveOperationCommit(*fb);
  if (!ok) SaveOperationUndo(*fb, isam_error::SaveFreeFailed);
  IsamLeave(fb);
}

Integer IsamRecordLength(IsamFileBlock* fb) { return fb ? fb->Data().length : 0; }
Integer IsamKeyCount(IsamFileBlock* fb) { return fb ? fb->keyCount : 0; }
Integer IsamKeyLength(IsamFileBlock* fb, Integer keyNo) {
  return fb && keyNo >= 1 && keyNo <= fb->keyCount ? fb->Key(keyNo).maxKeyLength : 0;
}
Integer IsamUsedRecords(IsamFileBlock* fb) { return fb ? fb->Data().allocated - fb->Data().freeCount : 0; }
