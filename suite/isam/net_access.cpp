// Station numbers, multi-station locks, and refreshing and publishing through the station area.
#include "suite/isam/net_access.h"

#include <algorithm>
#include <vector>

#include "platform/core/win_errors.h"
#include "suite/isam/engine_state.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/lock_table.h"
#include "suite/isam/page_pool.h"
#include "suite/isam/save_journal.h"
#include "suite/isam/section_io.h"
#include "suite/isam/test_point.h"

namespace {
DWORD LockDia(IsamFileBlock& fb, Int64 offset, Int64 length, Integer limit) {
  return IsamLockTable().Lock(fb.dialog.Handle(), offset, length, limit);
}

DWORD UnlockDia(IsamFileBlock& fb, Int64 offset, Int64 length) {
  return IsamLockTable().Unlock(fb.dialog.Handle(), offset, length);
}

using Bits = std::vector<Byte>;

bool BitSet(const Bits& bits, Integer i) { return (bits[static_cast<size_t>(i / 8)] >> (i % 8)) & 1; }
void SetBit(Bits& bits, Integer i) { bits[static_cast<size_t>(i / 8)] |= static_cast<Byte>(1 << (i % 8)); }

// Reloads a section's header published by another station, checked as the open checks it.
bool ReloadSection(IsamFileBlock& fb, Integer i) {
  if (i == 0) {
    DataHeader h;
    if (!ReadDataHeader(fb, h)) return false;
    if (const Integer check = CheckStoredDataHeader(fb, h); check != 0) return IsamFail(check);
    LoadDataSection(fb.Data(), h);
    return true;
  }
  KeyHeader h;
  if (!ReadKeyHeader(fb, i, h)) return false;
  if (const Integer check = CheckStoredKeyHeader(fb, i, h); check != 0) return IsamFail(check);
  FileSectionInfo& s = fb.Key(i);
  LoadKeySection(s, h);
  s.path.valid = false;
  fb.slotsInUse = std::max(fb.slotsInUse, s.allocated);
  IsamPagePool().DropAll(&fb, i);
  return true;
}

// Applies a slot's bits: reloads the flagged sections and clears the own slot.
bool ApplyBits(IsamFileBlock& fb, const Bits& bits) {
  NetInfo& net = *fb.net;
  if (!BitSet(bits, fb.keyCount + 1)) return true;
  bool ok = true;
  if (!fb.readOnly) {
    const Bits zeros(net.slotSize);
    ok = fb.dialog.WriteAt(net.SlotOffset(net.station), zeros.data(), net.slotSize);
    if (ok && !net.area.empty()) std::fill_n(net.area.begin() + net.SlotOffset(net.station), net.slotSize, 0);
    else net.area.clear();
  }
  for (Integer i = 0; ok && i <= fb.keyCount; ++i)
    if (BitSet(bits, i)) ok = ReloadSection(fb, i);
  if (!ok) net.refreshAll = true;
  return ok;
}

Bits AllBits(const NetInfo& net) { return Bits(net.slotSize, 0xFF); }

bool LockOtherSlots(IsamFileBlock& fb) {
  const NetInfo& net = *fb.net;
  const Int64 own = net.SlotOffset(net.station);
  const Int64 end = NetInfo::AreaStart + net.areaLength;
  if (own > NetInfo::AreaStart && LockDia(fb, NetInfo::AreaStart, own - NetInfo::AreaStart, 0) != ERROR_SUCCESS)
    return false;
  if (own + net.slotSize < end && LockDia(fb, own + net.slotSize, end - own - net.slotSize, 0) != ERROR_SUCCESS) {
    if (own > NetInfo::AreaStart) UnlockDia(fb, NetInfo::AreaStart, own - NetInfo::AreaStart);
    return false;
  }
  return true;
}

void UnlockOtherSlots(IsamFileBlock& fb) {
  const NetInfo& net = *fb.net;
  const Int64 own = net.SlotOffset(net.station);
  const Int64 end = NetInfo::AreaStart + net.areaLength;
  if (own > NetInfo::AreaStart) UnlockDia(fb, NetInfo::AreaStart, own - NetInfo::AreaStart);
  if (own + net.slotSize < end) UnlockDia(fb, own + net.slotSize, end - own - net.slotSize);
}

bool UndoUnfinishedJournal(IsamFileBlock& fb) {
  if (fb.journal) return fb.journal->Undo();
  SaveJournal journal(fb);
  return journal.Undo();
}

// ORs `bits` into slots first..first + count - 1 held at `slots`, clearing the own; true when a
// byte changed.
bool MergeSlots(const NetInfo& net, Byte* slots, Integer first, Integer count, const Bits& bits) {
  bool changed = false;
  for (Integer s = first; s < first + count; ++s) {
    Byte* slot = slots + static_cast<size_t>(s - first) * net.slotSize;
    for (Integer b = 0; b < net.slotSize; ++b) {
      const auto v = static_cast<Byte>(s == net.station ? 0 : slot[b] | bits[static_cast<size_t>(b)]);
      changed = changed || v != slot[b];
      slot[b] = v;
    }
  }
  return changed;
}

// The publication through the image read when the Fileblock lock was taken: its word is 2000 and
// its slots are what the disk holds, so the slots go out in one write, and not at all when every
// other slot already carries the bits.
bool WriteKnownArea(IsamFileBlock& fb, const Bits& bits) {
  NetInfo& net = *fb.net;
  Byte* slots = net.area.data() + NetInfo::AreaStart;
  if (!MergeSlots(net, slots, 0, net.areaLength / net.slotSize, bits)) return true;
  if (fb.dialog.WriteAt(NetInfo::AreaStart, slots, static_cast<DWORD>(net.areaLength))) return true;
  net.area.clear();
  return false;
}

// ORs `bits` into every slot but the own (clearing the own) and marks the area valid.
bool WriteArea(IsamFileBlock& fb, const Bits& bits, bool allBits) {
  if (!allBits && !fb.saveMode && !fb.net->area.empty()) return WriteKnownArea(fb, bits);
  const NetInfo& net = *fb.net;
  Byte word[2] = {static_cast<Byte>(NetInfo::ValidWord & 0xFF), static_cast<Byte>(NetInfo::ValidWord >> 8)};
  if (!fb.dialog.WriteAt(1, word, 2)) return false;
  const Integer slots = net.areaLength / net.slotSize;
  const Integer perPiece = std::max(1, 513 / net.slotSize);
  Bits piece;
  for (Integer first = 0; first < slots; first += perPiece) {
    const Integer count = std::min(perPiece, slots - first);
    const auto bytes = static_cast<DWORD>(count * net.slotSize);
    piece.assign(bytes, 0);
    if (!allBits && !fb.dialog.ReadAt(net.SlotOffset(first), piece.data(), bytes)) return false;
    MergeSlots(net, piece.data(), first, count, bits);
    if (!fb.dialog.WriteAt(net.SlotOffset(first), piece.data(), bytes)) return false;
  }
  return true;
}

// Reads whether the station area is valid (the word 2000 and its full length) and, when it is, the
// own slot.  Under a read lock that is the head and the own slot (other stations may lock theirs);
// under the Fileblock lock the whole area in one read, kept in net.area for the publication.
bool ReadOwnSlot(IsamFileBlock& fb, bool readLock, bool& valid, Bits& bits) {
  NetInfo& net = *fb.net;
  const Int64 own = net.SlotOffset(net.station);
  const Int64 end = NetInfo::AreaStart + net.areaLength;
  bits.assign(net.slotSize, 0);
  if (readLock) {
    Byte head[3] = {};
    Int64 size = 0;
    if (!fb.dialog.Size(size) || (size >= 3 && !fb.dialog.ReadAt(0, head, 3))) return false;
    valid = size >= end && GetWordLE(head + 1) == NetInfo::ValidWord;
    return !valid || fb.dialog.ReadAt(own, bits.data(), net.slotSize);
  }
  std::vector<Byte> image(static_cast<size_t>(end));
  DWORD done = 0;
  if (!fb.dialog.ReadAvailable(0, image.data(), static_cast<DWORD>(end), done)) return false;
  valid = done == end && GetWordLE(image.data() + 1) == NetInfo::ValidWord;
  if (!valid) return true;
  std::copy_n(image.begin() + own, net.slotSize, bits.begin());
  net.area = std::move(image);
  return true;
}

// Changes are made under the Fileblock lock only, so OpenFlag 1 found under a lock in network mode
// marks a change that no live station is making: its station died (or could not write it back)
// before the change was written back whole.  The file is refused with 10010, as the next open
// refuses it; nothing is refreshed from it, and the refusal writes nothing over it.
bool NoUnfinishedChange(IsamFileBlock& fb) {
  if (!IsamNetworkMode()) return true;
  Byte openFlag = 0;
  if (!fb.data.ReadAt(isam_format::OpenFlagOffset, &openFlag, 1)) return false;
  return openFlag != 1 || IsamFail(isam_error::RebuildNeeded);
}

// Brings the cached headers up to date from the own slot (under a read lock or the Fileblock lock).
bool Refresh(IsamFileBlock& fb, bool readLock) {
  NetInfo& net = *fb.net;
  const Int64 own = net.SlotOffset(net.station);
  if (readLock && LockDia(fb, own, net.slotSize, LockTable::RecordLimit) != ERROR_SUCCESS)
    return IsamFail(isam_error::SystemFailure);
  net.area.clear();
  bool valid = false;
  Bits bits;
  bool ok = NoUnfinishedChange(fb) && ReadOwnSlot(fb, readLock, valid, bits);
  if (ok && valid) {
    if (net.refreshAll) {
      bits = AllBits(net);
      net.refreshAll = false;
    }
    // A header that could not be reloaded leaves the cache behind the file: the operation stops
    // (and the next refresh reloads everything).
    ok = ApplyBits(fb, bits);
  } else if (ok) {
    // The area is missing or cut short (a station died inside a save-mode operation, or the file
    // was used without network mode): rebuild it while every other station is kept out.
    if (readLock && !LockOtherSlots(fb)) {
      UnlockDia(fb, own, net.slotSize);
      return IsamFail(isam_error::FileBlockLockFailed);
    }
    ok = UndoUnfinishedJournal(fb) && ApplyBits(fb, AllBits(net));
    if (ok && !(fb.saveMode && net.fileBlockLocked)) ok = WriteArea(fb, AllBits(net), true);
    if (readLock) UnlockOtherSlots(fb);
  }
  if (!ok && readLock) UnlockDia(fb, own, net.slotSize);
  return ok;
}

// Outside save mode: flags the changed sections in every other slot, then writes the change back.
// OpenFlag, set since the change began, is cleared by the last write, so a station that dies
// anywhere in here leaves a file that every station refuses (10010), never one that is whole on
// disk while the other stations' caches miss the change.
bool PublishChange(IsamFileBlock& fb) {
  Bits bits(fb.net->slotSize, 0);
  SetBit(bits, fb.keyCount + 1);
  for (Integer i = 0; i <= fb.keyCount; ++i)
    if (fb.sections[static_cast<size_t>(i)].dirty || fb.sections[static_cast<size_t>(i)].changedSincePublish)
      SetBit(bits, i);
  if (!WriteArea(fb, bits, false) || !WriteDirtyPagesAndKeyHeaders(fb, false)) return false;
  IsamTestPoint(IsamPoint::PublishBeforeDataHeader);
  if (BitSet(bits, 0)) return WriteDataHeader(fb, 0);
  const Byte zero = 0;
  if (!fb.data.WriteAt(isam_format::OpenFlagOffset, &zero, 1)) return false;
  fb.Data().openFlag = 0;
  return true;
}
}  // namespace

bool NetPublish(IsamFileBlock& fb) {
  if (!fb.saveMode && !fb.modified) return true;
  // In save mode every operation has written its change back already; the journal that replaced
  // the area while the lock was held gives way to an area with every bit set.
  const bool published = fb.saveMode ? WriteArea(fb, AllBits(*fb.net), true) : PublishChange(fb);
  if (!published) return false;
  for (auto& s : fb.sections) s.changedSincePublish = false;
  return IsamNetworkMode() || fb.dialog.Commit(false);
}

bool NetHoldsFileBlockLock(const IsamFileBlock& fb) { return fb.net && fb.net->fileBlockLocked; }

bool NetBeginRead(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  if (net.stationLess || net.fileBlockLocked || net.readLocked) return true;
  if (!Refresh(fb, true)) return false;
  net.readLocked = true;
  return true;
}

void NetEndRead(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  if (!net.readLocked) return;
  net.readLocked = false;
  if (UnlockDia(fb, net.SlotOffset(net.station), net.slotSize) != ERROR_SUCCESS)
    IsamFail(isam_error::StationUnlockFailed);
}

bool NetTakeOpeningLock(IsamFileBlock& fb) {
  return LockDia(fb, NetInfo::AreaStart, 1, LockTable::FileBlockLimit) == ERROR_SUCCESS ||
         IsamFail(isam_error::OpeningLockFailed);
}

bool NetReleaseOpeningLock(IsamFileBlock& fb) {
  return UnlockDia(fb, NetInfo::AreaStart, 1) == ERROR_SUCCESS || IsamFail(isam_error::OpeningUnlockFailed);
}

bool NetExclusive(IsamFileBlock& fb) {
  if (LockDia(fb, NetInfo::ProbeOffset, NetInfo::ProbeLength, LockTable::ProbeLimit) != ERROR_SUCCESS)
    return false;
  UnlockDia(fb, NetInfo::ProbeOffset, NetInfo::ProbeLength);
  return true;
}

bool NetDrawStation(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  const Integer count = net.stationCount;
  Integer s = static_cast<Integer>(IsamCurrentEnv().RandomFrom1(static_cast<DWORD>(count)));
  for (Integer tried = 0; tried < count; ++tried) {
    if (LockDia(fb, NetInfo::PresenceBase - s, 1, LockTable::ProbeLimit) == ERROR_SUCCESS) {
      net.station = static_cast<Word>(s);
      return true;
    }
    s = s == 1 ? count : s - 1;
  }
  return IsamFail(isam_error::NoStationNumber);
}

bool NetReleaseStation(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  if (net.station == 0 || !IsamNetworkMode()) return true;
  const DWORD e = UnlockDia(fb, NetInfo::PresenceBase - net.station, 1);
  net.station = 0;
  return e == ERROR_SUCCESS || IsamFail(isam_error::StationUnlockFailed);
}

bool NetWriteFreshArea(IsamFileBlock& fb) {
  const NetInfo& net = *fb.net;
  std::vector<Byte> area(static_cast<size_t>(NetInfo::AreaStart + net.areaLength), 0xFF);
  area[0] = 0;
  area[1] = static_cast<Byte>(NetInfo::ValidWord & 0xFF);
  area[2] = static_cast<Byte>(NetInfo::ValidWord >> 8);
  std::fill_n(area.begin() + net.SlotOffset(net.station), net.slotSize, 0);
  return fb.dialog.WriteAt(0, area.data(), static_cast<DWORD>(area.size()));
}

bool NetLockFileBlock(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  if (net.stationLess || net.fileBlockLocked) return true;
  if (LockDia(fb, NetInfo::AreaStart, net.areaLength, LockTable::FileBlockLimit) != ERROR_SUCCESS)
    return IsamFail(isam_error::FileBlockLockFailed);
  net.fileBlockLocked = true;
  bool ok = Refresh(fb, false);
  if (ok && fb.saveMode && !fb.readOnly) {
    net.area.clear();
    ok = fb.dialog.TruncateAt(1) && (IsamNetworkMode() || fb.dialog.Commit(false));
  }
  if (!ok) {
    net.area.clear();
    net.fileBlockLocked = false;
    UnlockDia(fb, NetInfo::AreaStart, net.areaLength);
    return false;
  }
  for (auto& s : fb.sections) s.changedSincePublish = false;
  return true;
}

bool NetUnlockFileBlock(IsamFileBlock& fb) {
  NetInfo& net = *fb.net;
  if (net.stationLess || !net.fileBlockLocked) return true;
  const bool published = fb.readOnly || NetPublish(fb);
  const DWORD e = UnlockDia(fb, NetInfo::AreaStart, net.areaLength);
  net.fileBlockLocked = false;
  net.area.clear();
  if (IsamNetworkMode()) fb.modified = false;
  if (e != ERROR_SUCCESS) return IsamFail(isam_error::FileBlockUnlockFailed);
  return published;
}

bool NetLockRecord(IsamFileBlock& fb, Integer ref) {
  NetInfo& net = *fb.net;
  if (std::find(net.lockedRecords.begin(), net.lockedRecords.end(), ref) != net.lockedRecords.end()) return true;
  const Int64 offset = static_cast<Int64>(ref) * fb.Data().length;
  if (IsamLockTable().Lock(fb.data.Handle(), offset, 4, LockTable::RecordLimit) != ERROR_SUCCESS)
    return IsamFail(isam_error::RecordLockFailed);
  net.lockedRecords.push_back(ref);
  return true;
}

bool NetUnlockRecord(IsamFileBlock& fb, Integer ref) {
  NetInfo& net = *fb.net;
  auto it = std::find(net.lockedRecords.begin(), net.lockedRecords.end(), ref);
  if (it == net.lockedRecords.end()) return true;
  net.lockedRecords.erase(it);
  const Int64 offset = static_cast<Int64>(ref) * fb.Data().length;
  return IsamLockTable().Unlock(fb.data.Handle(), offset, 4) == ERROR_SUCCESS ||
         IsamFail(isam_error::RecordUnlockFailed);
}

bool NetUnlockAllRecords(IsamFileBlock& fb) {
  bool ok = true;
  while (!fb.net->lockedRecords.empty()) ok = NetUnlockRecord(fb, fb.net->lockedRecords.back()) && ok;
  return ok;
}
