// Multi-station access to a Fileblock: station numbers, the Fileblock, read, opening and record
// locks, and the station area of the dialog file through which a station that changed the file
// tells the others which headers to reload.
//
// Station area (NAME.DIA in network mode): byte 0 reserved (0); bytes 1..2 the word 2000 when the
// area is valid; from byte 3, station slots of M = (K + 1) div 8 + 1 bytes, slot s at 3 + s * M,
// for stations 0..count (1,001 slots in network mode).  Bit i of a slot (bit i mod 8 of byte
// i div 8) flags section i (0 the data file, k key k) as changed; bit K + 1 flags that anything
// changed.
//
// Locks (the dialog file unless noted): presence byte 2,147,483,647 - s from open to close; the
// exclusivity probe over every presence byte; the opening lock on byte 3; a read lock on the own
// slot during one reading operation; the Fileblock lock over the whole area; record locks on the
// 4-byte status word of a record in the data file.
//
// Invariants: a station reads cached headers and pages only under its read lock or the Fileblock
// lock, after applying its slot; a station that changed the file publishes before it releases the
// Fileblock lock, so every other slot has the changed sections' bits set before anyone can read.
#pragma once

#include <vector>

#include "suite/isam/file_block.h"

struct NetInfo {
  static constexpr Word ValidWord = 2000;
  static constexpr Int64 AreaStart = 3;
  static constexpr Int64 PresenceBase = 2147483647;
  static constexpr Int64 ProbeOffset = 2147418113;
  static constexpr Int64 ProbeLength = 65535;

  bool fileBlockLocked = false;
  bool readLocked = false;
  bool stationLess = false;
  bool refreshAll = false;
  Integer areaLength = 0;   // M * (station count + 1)
  Word slotSize = 0;        // M
  Word station = 0;
  Word stationCount = 0;
  std::vector<Integer> lockedRecords;
  // While the Fileblock lock is held outside save mode: the dialog file's bytes [0, 3 + areaLength)
  // as read when the lock was taken and changed since by this station alone (no other station can
  // write inside the locked area).  Empty when not known.
  std::vector<Byte> area;

  Int64 SlotOffset(Integer s) const { return AreaStart + static_cast<Int64>(s) * slotSize; }
};

// The slot size M of a file with K keys.
inline Word StationSlotSize(Integer keyCount) { return static_cast<Word>((keyCount + 1) / 8 + 1); }

bool NetHoldsFileBlockLock(const IsamFileBlock& fb);
// Takes a temporary read lock and brings the cached headers up to date, when needed.
bool NetBeginRead(IsamFileBlock& fb);
// Releases a temporary read lock (10341 on failure).
void NetEndRead(IsamFileBlock& fb);

bool NetTakeOpeningLock(IsamFileBlock& fb);
bool NetReleaseOpeningLock(IsamFileBlock& fb);
// True when no other station has the Fileblock open.
bool NetExclusive(IsamFileBlock& fb);
bool NetDrawStation(IsamFileBlock& fb);
bool NetReleaseStation(IsamFileBlock& fb);
// Writes a valid station area in which every slot but the own has every bit set.
bool NetWriteFreshArea(IsamFileBlock& fb);

bool NetLockFileBlock(IsamFileBlock& fb);
// Writes the changes back and tells the other stations (the Fileblock lock is held).
bool NetPublish(IsamFileBlock& fb);
bool NetUnlockFileBlock(IsamFileBlock& fb);
bool NetLockRecord(IsamFileBlock& fb, Integer ref);
bool NetUnlockRecord(IsamFileBlock& fb, Integer ref);
// Releases every record lock; false when one could not be released.
bool NetUnlockAllRecords(IsamFileBlock& fb);
