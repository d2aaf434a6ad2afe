// The suite's layer between its programs and the record-file engine (suite/isam): it opens a data
// file or creates it when it is missing, adds a record together with all its keys, reads, rewrites
// and searches records, retries operations that meet another station's lock (lock_retry.h) and
// reports fatal failures (fatal_error.h).
//
// Every operation starts by setting DataFileCallOK to false and sets it true when it succeeded; no
// operation raises.  Where an operation gives up because the program is to end (the user refused
// a retry or a recovered copy, a record length above 6000, a fatal report), ProgramEndRequested()
// tells the caller to stop.  The engine's IsamLastOK / IsamErrorCode keep the cause of a failure
// (a clean-up after it does not overwrite them).  docs/suite-wrapper.md gives the rules.
//
// Invariants: an add leaves either the record with all its keys or neither; a put never overwrites
// a record that is on the free chain; one OpenDataFile creates a missing file at most once.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "suite/isam/isam_engine.h"

inline constexpr Integer kMaxDataRecordLength = 6000;
inline constexpr size_t kMaxKeyTextLength = 100;

// Results of PutDataRecord (besides 0 and the error classes 1..4 of the engine).
inline constexpr Integer kPutRecordFree = 12;
inline constexpr Integer kPutReleaseFailed = 20;

extern bool DataFileCallOK;
// The save-mode argument of every open; the program sets it after starting the engine.
extern bool SaveModeSwitch;
// Outside save mode, flush after every change made through the wrapper.
extern bool FlushAfterChange;
// Result of the last PutDataRecord: 0 success; 1..4 the worst error class met; kPutRecordFree;
// kPutReleaseFailed.
extern Integer PutStatus;

// Key `keyNo` (1..n) of a record; the wrapper uses its first 100 characters.
using KeyBuilder = std::string (*)(const void* record, SmallInt keyNo);

// Opens `name` (without extension) with records of `recordLength` bytes, creating it with `keys`
// when it does not exist, after the recovery check of saved copies (saved_copy_recovery.h).  A file
// whose stored record length differs from `recordLength` is not used.
void OpenDataFile(IsamFileBlock*& fb, const std::string& name, Integer recordLength, Word keyCount,
                  const KeyTableEntry* keys);
void CloseDataFile(IsamFileBlock*& fb);
// Takes the file-block lock for a search and the add that may follow it, retrying (and asking) as
// an add does; DataFileCallOK tells whether it is held.  Under it the search reads without a read
// lock of its own (the lock brought the station's view of the file up to date, and no other station
// can change the file until it is released); AddDataRecord adds under it and releases it, and a
// caller that does not add releases it with UnlockDataFile.
void LockDataFile(IsamFileBlock* fb);
// Releases the file-block lock when it is held, publishing any change made under it.
void UnlockDataFile(IsamFileBlock* fb);
// Adds `record` and its keys 1..keyCount under the file-block lock (taking it unless the caller
// holds it) and releases the lock; `ref` receives its number.
void AddDataRecord(IsamFileBlock* fb, KeyBuilder builder, Integer keyCount, Integer& ref, const void* record);
// Rewrites record `ref` under the record and file-block locks, without retrying them; sets PutStatus.
void PutDataRecord(IsamFileBlock* fb, Integer ref, const void* record);
void GetDataRecord(IsamFileBlock* fb, Integer ref, void* buffer);
// Exact search of the first 100 characters of `key` in key `keyNo`; a text not on file gives
// DataFileCallOK false with IsamErrorCode 10200, without a question.
void FindDataKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, std::string_view key);
// Removes keys 1..count of `record`; a failure is reported as fatal and the others are still removed.
void RemoveAddedKeys(IsamFileBlock* fb, KeyBuilder builder, const void* record, Integer count, Integer ref);
void FlushIfEnabled(IsamFileBlock* fb);
