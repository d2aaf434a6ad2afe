// Counted byte-range locks with the engine's retry schedule.
#include "suite/isam/lock_table.h"

#include "platform/core/win_errors.h"

LockTable& IsamLockTable() {
  static LockTable table;
  return table;
}

DWORD LockTable::Lock(IsamIoFile* file, Int64 offset, Int64 length, Integer limit) {
  if (!systemLocks_) return ERROR_SUCCESS;
  auto handleIt = regions_.find(file);
  if (handleIt != regions_.end()) {
    auto it = handleIt->second.find(offset);
    if (it != handleIt->second.end()) {
      if (it->second.length != length) return ERROR_LOCK_VIOLATION;
      ++it->second.count;
      return ERROR_SUCCESS;
    }
    if (handleIt->second.size() >= MaxEntries) return ERROR_NOT_ENOUGH_MEMORY;
  } else if (regions_.size() >= MaxEntries) {
    return ERROR_NOT_ENOUGH_MEMORY;
  }
  DWORD e = ERROR_SUCCESS;
  for (Integer total = 0;;) {
    total += Step;
    e = file->Lock(offset, length);
    if (e == ERROR_SUCCESS || total >= limit) break;
    IsamCurrentEnv().Sleep(Step);
  }
  if (e == ERROR_SUCCESS) regions_[file][offset] = Region{length, 1};
  return e;
}

DWORD LockTable::Unlock(IsamIoFile* file, Int64 offset, Int64 length) {
  if (!systemLocks_) return ERROR_SUCCESS;
  auto handleIt = regions_.find(file);
  if (handleIt == regions_.end()) return ERROR_NOT_LOCKED;
  auto it = handleIt->second.find(offset);
  if (it == handleIt->second.end() || it->second.length != length) return ERROR_NOT_LOCKED;
  if (it->second.count > 1) {
    --it->second.count;
    return ERROR_SUCCESS;
  }
  const DWORD e = file->Unlock(offset, length);
  if (e != ERROR_SUCCESS) return e;
  handleIt->second.erase(it);
  if (handleIt->second.empty()) regions_.erase(handleIt);
  return ERROR_SUCCESS;
}

void LockTable::UnlockAll(IsamIoFile* file) {
  auto handleIt = regions_.find(file);
  if (handleIt == regions_.end()) return;
  auto& list = handleIt->second;
  for (auto it = list.rbegin(); it != list.rend(); ++it) file->Unlock(it->first, it->second.length);
  regions_.erase(handleIt);
}

Integer LockTable::Count(IsamIoFile* file, Int64 offset) const {
  auto handleIt = regions_.find(file);
  if (handleIt == regions_.end()) return 0;
  auto it = handleIt->second.find(offset);
  return it == handleIt->second.end() ? 0 : it->second.count;
}
