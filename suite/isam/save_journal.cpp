// Appending to, ending and undoing the save-mode journal.
#include "suite/isam/save_journal.h"

#include <algorithm>
#include <vector>

#include "suite/isam/engine_state.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/isam/le_bytes.h"
#include "suite/isam/section_io.h"

bool SaveJournal::NetworkFile() const { return fb_.net && IsamNetworkMode(); }

void SaveJournal::Begin() {
  active_ = true;
  unsynced_ = false;
  end_ = 1;
  journaled_.clear();
}

bool SaveJournal::PageJournaled(Integer key, Integer pageNo) const {
  return std::find(journaled_.begin(), journaled_.end(), std::make_pair(key, pageNo)) != journaled_.end();
}

bool SaveJournal::HeaderJournaled(Integer section) const { return PageJournaled(section, HeaderPseudoPage); }

bool SaveJournal::Append(const Byte* bytes, DWORD n) {
  if (!fb_.dialog.WriteAt(end_, bytes, n)) return false;
  end_ += n;
  unsynced_ = true;
  return true;
}

bool SaveJournal::JournalPage(const PageBuffer& buffer) {
  if (PageJournaled(buffer.key, buffer.pageNo)) return true;
  journaled_.emplace_back(buffer.key, buffer.pageNo);
  // A page without entries is a page just allocated by this operation: it has no before-image
  // worth keeping (undo releases it by restoring the header).
  const IsamPage& page = buffer.page;
  if (page.Count() == 0) return true;
  const Integer entryBytes = page.DiskSize() - isam_format::PageHeadSize;
  std::vector<Byte> rec(static_cast<size_t>(entryBytes + 14));
  PutWordLE(rec.data(), page.Count());
  PutWordLE(rec.data() + 2, static_cast<Word>(buffer.key));
  std::copy_n(page.Bytes() + isam_format::PageHeadSize, entryBytes, rec.begin() + 6);
  PutInt32LE(rec.data() + 6 + entryBytes, buffer.pageNo);
  PutInt32LE(rec.data() + 10 + entryBytes, page.LeftChild());
  return Append(rec.data(), static_cast<DWORD>(rec.size()));
}

bool SaveJournal::JournalHeader(Integer section, Integer chainValue) {
  if (HeaderJournaled(section)) return true;
  journaled_.emplace_back(section, HeaderPseudoPage);
  Byte rec[HeaderRecordSize] = {};
  PutWordLE(rec, HeaderTag);
  PutWordLE(rec + 2, static_cast<Word>(section));
  if (section == 0)
    DataSectionHeader(fb_, fb_.Data().openFlag).Encode(rec + 4);
  else
    KeySectionHeader(fb_.Key(section)).Encode(rec + 4);
  PutInt32LE(rec + 32, chainValue);
  return Append(rec, sizeof rec);
}

bool SaveJournal::Sync() {
  if (!unsynced_) return true;
  if (!NetworkFile() && !fb_.dialog.Commit(false)) return false;
  unsynced_ = false;
  return true;
}

bool SaveJournal::End() {
  // Until the journal is cut back the operation stays open, so that a failure here is undone.
  if (!fb_.dialog.TruncateAt(1) || !(NetworkFile() || fb_.dialog.Commit(false))) return false;
  active_ = false;
  journaled_.clear();
  end_ = 1;
  unsynced_ = false;
  return true;
}

bool SaveJournal::Undo() {
  active_ = false;
  if (fb_.readOnly) return IsamFail(isam_error::RepairReadOnly);
  IsamPagePool().DropAll(&fb_);
  for (auto& s : fb_.sections) s.path.valid = false;
  // Every record is read and checked before the first is undone: a damaged journal changes nothing
  // and stays in place, so the file stays refused until it is repaired.
  std::vector<Record> records;
  if (!ReadRecords(records)) return UndoFailed();
  for (const Record& r : records)
    if (!(r.header ? UndoHeader(r.bytes.data()) : UndoPage(r))) return UndoFailed();
  return FinishUndo();
}

bool SaveJournal::UndoFailed() {
  IsamForceError(isam_error::UndoFailed);
  return false;
}

bool SaveJournal::ReadRecords(std::vector<Record>& records) {
  Int64 size = 0;
  if (!fb_.dialog.Size(size)) return false;
  for (Int64 pos = 1; pos + 2 <= size;) {
    Byte tag[2];
    if (!fb_.dialog.ReadAt(pos, tag, 2)) return false;
    const Word w = GetWordLE(tag);
    const bool header = w == HeaderTag, page = w >= 1 && w <= isam_format::EntriesPerPage;
    // A journal begins with a header or page record; anything else at byte 1 is a station area
    // (valid or damaged), which holds nothing to undo.
    if (w == EndTag || (pos == 1 && !header && !page)) break;
    if (!header && !page) return false;
    if (records.size() == MaxRecords) return false;   // more than one operation journals
    Record r{header, {}};
    Int64 length = HeaderRecordSize;
    if (page) {
      Byte head[6];
      if (pos + 6 > size) break;   // a record cut short ends the journal
      if (!fb_.dialog.ReadAt(pos, head, 6)) return false;
      const Word key = GetWordLE(head + 2);
      if (key < 1 || key > fb_.keyCount) return false;
      length = w * static_cast<Int64>(isam_format::EntrySize(fb_.Key(key).maxKeyLength)) + 14;
    }
    if (pos + length > size) break;
    r.bytes.resize(static_cast<size_t>(length));
    if (!fb_.dialog.ReadAt(pos, r.bytes.data(), static_cast<DWORD>(length))) return false;
    if (!(header ? HeaderRecordSound(r.bytes.data()) : PageRecordSound(r.bytes))) return false;
    records.push_back(std::move(r));
    pos += length;
  }
  return true;
}

bool SaveJournal::HeaderRecordSound(const Byte* rec) {
  const Word section = GetWordLE(rec + 2);
  const Byte* image = rec + 4;
  const Integer value = GetInt32LE(rec + 32);
  if (section > fb_.keyCount) return false;
  Integer allocated = 0, freeHead = 0;
  if (section == 0) {
    const DataHeader before = DataHeader::Decode(image);
    if (CheckStoredDataHeader(fb_, before) != 0) return false;
    allocated = before.allocated;
    freeHead = before.freeHead;
  } else {
    const KeyHeader before = KeyHeader::Decode(image);
    if (CheckStoredKeyHeader(fb_, section, before) != 0) return false;
    allocated = before.allocated;
    freeHead = before.freeHead;
  }
  // A chain value names the record or page the operation took from the chain: the image's head,
  // which must exist, and the link it held.
  if (value == NoChainValue) return true;
  const bool validLink = value == -1 || (value >= 1 && value <= allocated);
  return validLink && freeHead >= 1 && freeHead <= allocated;
}

bool SaveJournal::PageRecordSound(const std::vector<Byte>& rec) {
  const Word count = GetWordLE(rec.data());
  const Word key = GetWordLE(rec.data() + 2);
  const FileSectionInfo& s = fb_.Key(key);
  const Integer pageNo = GetInt32LE(rec.data() + rec.size() - 8);
  // A before-image is of a page that existed, so it lies inside the index file.
  Int64 size = 0;
  if (count > s.entriesPerPage || pageNo < 1 || !fb_.index.Size(size)) return false;
  return fb_.PageOffset(key, pageNo) + s.length <= size;
}

bool SaveJournal::UndoHeader(const Byte* rec) {
  const Word section = GetWordLE(rec + 2);
  const Byte* image = rec + 4;
  const Integer value = GetInt32LE(rec + 32);
  Byte link[4];
  PutInt32LE(link, value);
  if (section == 0) {
    const DataHeader before = DataHeader::Decode(image);
    const Integer r = fb_.Data().length;
    if (value != NoChainValue) {
      if (!fb_.data.WriteAt(static_cast<Int64>(before.freeHead) * r, link, 4)) return false;
    } else if (!RestoreFreedRecord(before)) {
      return false;
    }
    LoadDataSection(fb_.Data(), before);
    return WriteDataHeader(fb_, before.openFlag);
  }
  const KeyHeader before = KeyHeader::Decode(image);
  if (value != NoChainValue && !fb_.index.WriteAt(fb_.PageOffset(section, before.freeHead), link, 4)) return false;
  LoadKeySection(fb_.Key(section), before);
  return WriteKeyHeader(fb_, section);
}

bool SaveJournal::RestoreFreedRecord(const DataHeader& before) {
  // A record freed by the operation carries a chain link in its status word; the stored header
  // names it when the freeing went that far.  Restore the status word of a record in use.
  DataHeader now;
  Int64 size = 0;
  if (!ReadDataHeader(fb_, now) || !fb_.data.Size(size)) return false;
  const Integer r = fb_.Data().length;
  const bool freedByTheOperation = static_cast<Int64>(now.freeCount) == static_cast<Int64>(before.freeCount) + 1 &&
                                   now.freeHead != before.freeHead && now.freeHead >= 1 &&
                                   now.freeHead <= now.allocated &&
                                   (static_cast<Int64>(now.freeHead) + 1) * r <= size;
  if (!freedByTheOperation) return true;
  const Byte zero[4] = {};
  return fb_.data.WriteAt(static_cast<Int64>(now.freeHead) * r, zero, 4);
}

bool SaveJournal::UndoPage(const Record& r) {
  const std::vector<Byte>& rec = r.bytes;
  const Word count = GetWordLE(rec.data());
  const Word key = GetWordLE(rec.data() + 2);
  const auto entryBytes = static_cast<Integer>(rec.size()) - 14;
  const Integer pageNo = GetInt32LE(rec.data() + 6 + entryBytes);
  std::vector<Byte> page(static_cast<size_t>(entryBytes + isam_format::PageHeadSize));
  PutWordLE(page.data(), count);
  std::copy(rec.begin() + 10 + entryBytes, rec.begin() + 14 + entryBytes, page.begin() + 2);
  std::copy(rec.begin() + 6, rec.begin() + 6 + entryBytes, page.begin() + 6);
  return fb_.index.WriteAt(fb_.PageOffset(key, pageNo), page.data(), static_cast<DWORD>(page.size()));
}

bool SaveJournal::FinishUndo() {
  const bool network = NetworkFile();
  if (!network) {
    if (fb_.Data().dirty && !WriteDataHeader(fb_, fb_.Data().openFlag)) return UndoFailed();
    if (!fb_.data.Commit(false)) return UndoFailed();
    if (fb_.keyCount > 0 && !fb_.index.Commit(false)) return UndoFailed();
  }
  end_ = 1;
  journaled_.clear();
  unsynced_ = false;
  if (!fb_.dialog.TruncateAt(1)) return UndoFailed();
  return network || fb_.dialog.Commit(false) || UndoFailed();
}
