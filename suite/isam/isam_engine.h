// The record-file engine's public operations.  Every operation reports through IsamLastOK and
// IsamErrorCode (isam_status.h) and never raises; a Fileblock stays open and usable after an
// operation error.  All calls come from one thread.
//
// Key texts are length-prefixed 8-bit (code page 874) texts, passed here as std::string holding the
// characters; the engine uses at most their first 100 characters.
#pragma once

#include <string>

#include "platform/core/types.h"
#include "suite/isam/isam_status.h"

struct IsamFileBlock;

// One key of a record file being created.
struct KeyTableEntry {
  Byte KeyLength = 0;   // maximum key length L, 1..100
  Byte AllowDups = 0;   // 1 when equal texts may occur (ordered by record reference)
};

// mode 0: single station; mode 2: network (byte-range locks and the station area).  Returns the
// number of page buffers allocated.
Integer IsamInit(Byte netMode, Integer pageBuffers);
// Closes every open Fileblock and stops the engine.  A program that ends normally (a return from
// main, exit) with the engine still started gets the same at its end.
void IsamExit();

void IsamCreateFileBlock(const std::string& name, Integer recordLength, Word keyCount,
                         const KeyTableEntry* keys);
void IsamOpenFileBlock(IsamFileBlock*& fb, const std::string& name, bool readOnly, bool stationLess,
                       bool saveMode, bool network);
void IsamCloseFileBlock(IsamFileBlock*& fb);
void IsamFlushFileBlock(IsamFileBlock* fb);

void IsamReadRecord(IsamFileBlock* fb, Integer ref, void* buffer, bool locked);
void IsamWriteRecord(IsamFileBlock* fb, Integer ref, const void* buffer, bool locked);
void IsamAddRecord(IsamFileBlock* fb, Integer& ref, const void* buffer);
void IsamFreeRecord(IsamFileBlock* fb, Integer ref);

void IsamFindKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, const std::string& key);
void IsamInsertKey(IsamFileBlock* fb, Integer keyNo, Integer ref, const std::string& key);
void IsamRemoveKey(IsamFileBlock* fb, Integer keyNo, Integer ref, const std::string& key);
// Steps to the entry after the key's search path (or after (key, ref) when the path is not valid);
// returns its text and reference.  10250 past the last entry.
void IsamNextKey(IsamFileBlock* fb, Integer keyNo, Integer& ref, std::string& key);
// Positions the key's search path before its first entry.
void IsamClearKey(IsamFileBlock* fb, Integer keyNo);

void IsamLockFileBlock(IsamFileBlock* fb);
void IsamUnlockFileBlock(IsamFileBlock* fb);
bool IsamFileBlockLocked(IsamFileBlock* fb);
void IsamLockRecord(IsamFileBlock* fb, Integer ref);
void IsamUnlockRecord(IsamFileBlock* fb, Integer ref);

// Facts about an open Fileblock (tools and tests).
Integer IsamRecordLength(IsamFileBlock* fb);
Integer IsamKeyCount(IsamFileBlock* fb);
Integer IsamKeyLength(IsamFileBlock* fb, Integer keyNo);
Integer IsamUsedRecords(IsamFileBlock* fb);
// The station number drawn at open (0 without one).
Word IsamStationNumber(IsamFileBlock* fb);
