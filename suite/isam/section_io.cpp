// Header, record and page transfers between the cache and the files of a Fileblock.
#include "suite/isam/section_io.h"

#include <cassert>
#include <limits>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/page_pool.h"
#include "suite/isam/write_ahead.h"

bool ReadDataHeader(IsamFileBlock& fb, DataHeader& header) {
  Byte bytes[isam_format::DataHeaderSize];
  if (!fb.data.ReadAt(0, bytes, sizeof bytes)) return false;
  header = DataHeader::Decode(bytes);
  return true;
}

bool WriteDataHeader(IsamFileBlock& fb, Byte openFlag) {
  Byte bytes[isam_format::DataHeaderSize];
  DataSectionHeader(fb, openFlag).Encode(bytes);
  if (!WriteDataBytes(fb, 0, bytes, sizeof bytes)) return false;
  fb.Data().openFlag = openFlag;
  fb.Data().dirty = false;
  return true;
}

bool ReadKeyHeader(IsamFileBlock& fb, Integer key, KeyHeader& header) {
  Byte bytes[isam_format::KeyHeaderSize];
  if (!fb.index.ReadAt(fb.Key(key).areaOffset, bytes, sizeof bytes)) return false;
  header = KeyHeader::Decode(bytes);
  return true;
}

bool WriteKeyHeader(IsamFileBlock& fb, Integer key) {
  Byte bytes[isam_format::KeyHeaderSize];
  KeySectionHeader(fb.Key(key)).Encode(bytes);
  if (!WriteAheadBeforeWrite(fb) || !fb.index.WriteAt(fb.Key(key).areaOffset, bytes, sizeof bytes))
    return false;
  fb.Key(key).dirty = false;
  return true;
}

Integer CheckStoredDataHeader(IsamFileBlock& fb, const DataHeader& h) {
  if (h.recordLength != fb.Data().length || h.keyCount != fb.keyCount) return isam_error::RebuildNeeded;
  // The file holds the records of the cached count already; only more need a look at its size.
  Int64 size = std::numeric_limits<Int64>::max();
  if (h.allocated > fb.Data().allocated && !fb.data.Size(size)) return IsamErrorCode;
  return CheckDataHeader(h, size);
}

Integer CheckStoredKeyHeader(IsamFileBlock& fb, Integer key, const KeyHeader& h) {
  Integer maxKeyLength = 0;
  if (const Integer check = CheckKeyHeader(h, maxKeyLength); check != 0) return check;
  const FileSectionInfo& s = fb.Key(key);
  if (h.pageSize != s.length || h.entriesPerPage != s.entriesPerPage || CheckKeyCounts(h) != 0)
    return isam_error::RebuildNeeded;
  // The index file holds the slots in use already; only more need a look at its size.
  if (h.allocated <= fb.slotsInUse) return 0;
  Int64 size = 0;
  if (!fb.index.Size(size)) return IsamErrorCode;
  return IndexHoldsPages(h.allocated, fb.slotSize, size) ? 0 : isam_error::RebuildNeeded;
}

void LoadKeySection(FileSectionInfo& s, const KeyHeader& h) {
  s.freeHead = h.freeHead;
  s.freeCount = h.freeCount;
  s.allocated = h.allocated;
  s.length = h.pageSize;
  s.root = h.root;
  s.duplicates = h.duplicates;
  s.entries = h.entries;
  s.entriesPerPage = h.entriesPerPage;
  s.dirty = false;
}

KeyHeader KeySectionHeader(const FileSectionInfo& s) {
  KeyHeader h;
  h.freeHead = s.freeHead;
  h.freeCount = s.freeCount;
  h.allocated = s.allocated;
  h.pageSize = s.length;
  h.root = s.root;
  h.duplicates = s.duplicates;
  h.entries = s.entries;
  h.entriesPerPage = static_cast<Word>(s.entriesPerPage);
  return h;
}

void LoadDataSection(FileSectionInfo& s, const DataHeader& h) {
  s.freeHead = h.freeHead;
  s.freeCount = h.freeCount;
  s.allocated = h.allocated;
  s.length = h.recordLength;
  s.openFlag = h.openFlag;
  s.dirty = false;
}

DataHeader DataSectionHeader(const IsamFileBlock& fb, Byte openFlag) {
  const FileSectionInfo& s = fb.sections[0];
  DataHeader h;
  h.keyCount = fb.keyCount;
  h.freeHead = s.freeHead;
  h.freeCount = s.freeCount;
  h.allocated = s.allocated;
  h.recordLength = s.length;
  h.openFlag = openFlag;
  return h;
}

bool WriteDirtyPagesAndKeyHeaders(IsamFileBlock& fb, bool releasePages) {
  if (!IsamPagePool().WriteAll(&fb, releasePages)) return false;
  for (Integer k = 1; k <= fb.keyCount; ++k)
    if (fb.Key(k).dirty && !WriteKeyHeader(fb, k)) return false;
  return true;
}

bool WriteDataBytes(IsamFileBlock& fb, Int64 offset, const void* bytes, DWORD n) {
  return WriteAheadBeforeWrite(fb) && fb.data.WriteAt(offset, bytes, n);
}

bool IsamReadPage(IsamFileBlock* fb, Integer key, Integer pageNo, IsamPage& page) {
  const FileSectionInfo& s = fb->Key(key);
  if (!fb->index.ReadAt(fb->PageOffset(key, pageNo), page.Raw(), static_cast<DWORD>(s.length))) return false;
  if (!page.Load(page.Raw(), s.maxKeyLength, s.entriesPerPage)) return IsamFail(isam_error::RebuildNeeded);
  // Every page but the root holds at least E div 2 entries; an empty one below the root has no
  // entry to separate its children by.
  const bool emptyBelowRoot = page.Count() == 0 && pageNo != s.root && s.entriesPerPage >= 2;
  return !emptyBelowRoot || IsamFail(isam_error::RebuildNeeded);
}

bool IsamWriteBackPage(PageBuffer& buffer) {
  IsamFileBlock& fb = *buffer.owner;
  const IsamPage& page = buffer.page;
  assert(page.MaxKeyLength() == fb.Key(buffer.key).maxKeyLength);
  if (!WriteAheadBeforeWrite(fb) || !fb.index.WriteAt(fb.PageOffset(buffer.key, buffer.pageNo), page.Bytes(),
                                                      static_cast<DWORD>(page.DiskSize())))
    return false;
  buffer.dirty = false;
  return true;
}
