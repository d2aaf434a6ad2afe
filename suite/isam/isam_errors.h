// The record-file engine's status numbers.  Every engine operation reports its outcome through
// IsamLastOK / IsamErrorCode (isam_status.h); these are the numbers IsamErrorCode can hold.  Other
// programs of the suite test the same numbers, so none of them may change.
#pragma once

#include "platform/core/types.h"

namespace isam_error {
inline constexpr Integer PathNotFound = 9900;
inline constexpr Integer TooManyOpenFiles = 9901;
inline constexpr Integer FileNotFound = 9903;
inline constexpr Integer InvalidHandle = 9904;
inline constexpr Integer InvalidAccess = 9908;
inline constexpr Integer TooFewBuffers = 10000;
inline constexpr Integer SaveAddFailed = 10001;
inline constexpr Integer SaveFreeFailed = 10002;
inline constexpr Integer SaveInsertFailed = 10003;
inline constexpr Integer SaveRemoveFailed = 10004;
inline constexpr Integer RebuildNeeded = 10010;
inline constexpr Integer RecordTooShort = 10020;
inline constexpr Integer TooManyKeysCreate = 10050;
inline constexpr Integer BadKeyLengthCreate = 10055;
inline constexpr Integer TooManyKeysHeader = 10060;
inline constexpr Integer ReadOnly = 10065;
inline constexpr Integer ShortRead = 10070;
inline constexpr Integer ShortWrite = 10075;
inline constexpr Integer NotOpen = 10080;
inline constexpr Integer NoMemoryCreate = 10090;
inline constexpr Integer NoMemoryOpen = 10100;
inline constexpr Integer IndexOpenFailed = 10110;
inline constexpr Integer PageSizeMismatch = 10120;
inline constexpr Integer KeyLengthOutOfRange = 10121;
inline constexpr Integer TooManyEntriesPerPage = 10122;
inline constexpr Integer KeyTooLong = 10125;
inline constexpr Integer WriteRecordZero = 10130;
inline constexpr Integer FreeOutOfRange = 10135;
inline constexpr Integer SystemFailure = 10140;
inline constexpr Integer CommitNoHandles = 10150;
inline constexpr Integer CloseFailed = 10160;
inline constexpr Integer BadKeyNumber = 10164;
inline constexpr Integer FreeChainDamaged = 10170;
inline constexpr Integer UndoFailed = 10180;
inline constexpr Integer KeyNotFound = 10200;
inline constexpr Integer RemoveNotFound = 10220;
inline constexpr Integer KeyExists = 10230;
inline constexpr Integer NoNextKey = 10250;
inline constexpr Integer NoStationNumber = 10306;
inline constexpr Integer BadNetMode = 10310;
inline constexpr Integer NetEndFailed = 10315;
inline constexpr Integer CloseFileBlockLocked = 10322;
inline constexpr Integer CloseRecordLocked = 10323;
inline constexpr Integer FileBlockLockFailed = 10330;
inline constexpr Integer RecordLockFailed = 10335;
inline constexpr Integer RecordLockNoMemory = 10337;
inline constexpr Integer FileBlockUnlockFailed = 10340;
inline constexpr Integer StationUnlockFailed = 10341;
inline constexpr Integer OpeningUnlockFailed = 10342;
inline constexpr Integer RecordUnlockFailed = 10345;
inline constexpr Integer OpeningLockFailed = 10355;
inline constexpr Integer NoMemoryNet = 10356;
inline constexpr Integer RepairWhileShared = 10360;
inline constexpr Integer LockedByOther = 10397;
inline constexpr Integer NeedsFileBlockLock = 10398;
inline constexpr Integer ReadLockFailed = 10399;
inline constexpr Integer RepairReadOnly = 10430;
inline constexpr Integer DialogUnusable = 10440;
inline constexpr Integer InvalidFileBlock = 10445;
inline constexpr Integer AlreadyStarted = 10450;
inline constexpr Integer BufferRequestTooSmall = 10451;
inline constexpr Integer NotStarted = 10455;
}  // namespace isam_error
