#include "suite/data_file.h"

#include <algorithm>
#include <vector>

#include "suite/fatal_error.h"
#include "suite/isam/isam_status.h"
#include "suite/lock_retry.h"

bool DataFileCallOK = false;
bool SaveModeSwitch = true;
bool FlushAfterChange = true;
Integer PutStatus = 0;

namespace {

constexpr Integer kLockConflictClass = 2;

// Puts the engine status of a failed step back after the clean-up calls that follow it.
class KeptIsamStatus {
 public:
  KeptIsamStatus() : ok_(IsamLastOK), code_(IsamErrorCode) {}
  ~KeptIsamStatus() {
    IsamLastOK = ok_;
    IsamErrorCode = code_;
  }
  KeptIsamStatus(const KeptIsamStatus&) = delete;
  KeptIsamStatus& operator=(const KeptIsamStatus&) = delete;

 private:
  bool ok_;
  Integer code_;
};

std::string KeyText(KeyBuilder builder, const void* record, Integer keyNo) {
  std::string text = builder(record, static_cast<SmallInt>(keyNo));
  if (text.size() > kMaxKeyTextLength) text.resize(kMaxKeyTextLength);
  return text;
}

// Takes the file-block lock (at once when it is held), retrying and then asking while another
// station holds it; false when the user gave up waiting.  Another failure answers true, leaving
// the engine's status for the next call to meet.
bool TakeFileBlockLock(IsamFileBlock* fb) {
  do IsamLockFileBlock(fb);
  while (LockRetryQuestion(true));
  return IsamLastOK || IsamErrorClass() != kLockConflictClass;
}

// Ends a change: flush when enabled, release the file-block lock when it is held.
void EndChange(IsamFileBlock* fb) {
  FlushIfEnabled(fb);
  if (IsamFileBlockLocked(fb)) IsamUnlockFileBlock(fb);
}

// Undoes a half-done add: the keys inserted so far and the record.  Failures are reported as fatal.
void UndoAdd(IsamFileBlock* fb, KeyBuilder builder, const void* record, Integer keysAdded, Integer ref) {
  RemoveAddedKeys(fb, builder, record, keysAdded, ref);
  IsamFreeRecord(fb, ref);
  if (!IsamLastOK) IsamFatalError(IsamErrorCode);
}

// The locks and the worst error class of one PutDataRecord.
struct PutState {
  Integer worst = 0;
  bool recordLocked = false;

  void NoteClass() { worst = std::max(worst, IsamErrorClass()); }
  void Release(IsamFileBlock* fb, Integer ref) {
    if (IsamFileBlockLocked(fb)) {
      IsamUnlockFileBlock(fb);
      if (!IsamLastOK) worst = kPutReleaseFailed;
    }
    if (recordLocked) {
      IsamUnlockRecord(fb, ref);
      if (IsamLastOK) recordLocked = false;
      else worst = kPutReleaseFailed;
    }
  }
  // Ends a failed put: notes the failure's class and releases, keeping the failure's status.
  void Fail(IsamFileBlock* fb, Integer ref, bool flush) {
    NoteClass();
    KeptIsamStatus kept;
    if (flush) FlushIfEnabled(fb);
    Release(fb, ref);
    PutStatus = worst;
  }
};

bool RecordIsFree(const std::vector<Byte>& record) {
  return std::any_of(record.begin(), record.begin() + 4, [](Byte b) { return b != 0; });
}

}  // namespace

void CloseDataFile(IsamFileBlock*& fb) {
  IsamCloseFileBlock(fb);
  DataFileCallOK = IsamLastOK;
}

void LockDataFile(IsamFileBlock* fb) {
  DataFileCallOK = false;
  TakeFileBlockLock(fb);
  DataFileCallOK = IsamLastOK;
}

void UnlockDataFile(IsamFileBlock* fb) {
  DataFileCallOK = false;
  if (IsamFileBlockLocked(fb)) IsamUnlockFileBlock(fb);
  DataFileCallOK = IsamLastOK;
}

void AddDataRecord(IsamFileBlock* fb, KeyBuilder builder, Integer keyCount, Integer& ref, const void* record) {
  DataFileCallOK = false;
  if (!TakeFileBlockLock(fb)) return;   // the user gave up waiting
  IsamAddRecord(fb, ref, record);
  if (!IsamLastOK) {
    KeptIsamStatus kept;
    EndChange(fb);
    return;
  }
  for (Integer k = 1; k <= keyCount; ++k) {
    IsamInsertKey(fb, k, ref, KeyText(builder, record, k));
    if (!IsamLastOK) {
      KeptIsamStatus kept;
      UndoAdd(fb, builder, record, k - 1, ref);
      EndChange(fb);
      return;
    }
  }
  EndChange(fb);
  DataFileCallOK = true;
}

void RemoveAddedKeys(IsamFileBlock* fb, KeyBuilder builder, const void* record, Integer count, Integer ref) {
  for (Integer k = 1; k <= count; ++k) {
    IsamRemoveKey(fb, k, ref, KeyText(builder, record, k));
    if (!IsamLastOK) IsamFatalError(IsamErrorCode);
  }
}

void PutDataRecord(IsamFileBlock* fb, Integer ref, const void* record) {
  DataFileCallOK = false;
  PutStatus = 0;
  PutState put;
  IsamLockRecord(fb, ref);
  if (IsamLastOK) {
    put.recordLocked = true;
    IsamLockFileBlock(fb);
  }
  if (!IsamLastOK) return put.Fail(fb, ref, false);
  std::vector<Byte> stored(static_cast<size_t>(std::max<Integer>(IsamRecordLength(fb), 4)));
  IsamReadRecord(fb, ref, stored.data(), false);
  if (!IsamLastOK) return put.Fail(fb, ref, false);
  if (RecordIsFree(stored)) {
    put.Release(fb, ref);
    PutStatus = kPutRecordFree;
    return;
  }
  IsamWriteRecord(fb, ref, record, false);
  if (!IsamLastOK) return put.Fail(fb, ref, true);
  FlushIfEnabled(fb);
  put.Release(fb, ref);
  PutStatus = put.worst;
  DataFileCallOK = true;
}

void GetDataRecord(IsamFileBlock* fb, Integer ref, void* buffer) {
  DataFileCallOK = false;
  do IsamReadRecord(fb, ref, buffer, false);
  while (LockRetryQuestion(true));
  DataFileCallOK = IsamLastOK;
}

void FindDataKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, std::string_view key) {
  const std::string text(key.substr(0, kMaxKeyTextLength));
  DataFileCallOK = false;
  do IsamFindKey(fb, keyNo, ref, text);
  while (LockRetryQuestion(true));
  DataFileCallOK = IsamLastOK;
}

void FlushIfEnabled(IsamFileBlock* fb) {
  if (!SaveModeSwitch && FlushAfterChange) IsamFlushFileBlock(fb);
}
