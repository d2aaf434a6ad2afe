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
  if (buffer.page.count == 0) return true;
  const Integer l = fb_.Key(buffer.key).maxKeyLength;
  const Integer entryBytes = buffer.page.count * isam_format::EntrySize(l);
  std::vector<Byte> rec(static_cast<size_t>(entryBytes + 14));
  std::vector<Byte> packed(static_cast<size_t>(IsamPage::DiskSize(buffer.page.count, l)));
  buffer.page.Pack(packed.data(), l);
  PutWordLE(rec.data(), buffer.page.count);
  PutWordLE(rec.data() + 2, static_cast<Word>(buffer.key));
  std::copy(packed.begin() + isam_format::PageHeadSize, packed.end(), rec.begin() + 6);
  PutInt32LE(rec.data() + 6 + entryBytes, buffer.pageNo);
  PutInt32LE(rec.data() + 10 + entryBytes, buffer.page.leftChild);
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
  Int64 size = 0;
  if (!fb_.dialog.Size(size)) return IsamFail(isam_error::UndoFailed);
  Int64 pos = 1;
  while (pos + 2 <= size) {
    Byte tag[2];
    if (!fb_.dialog.ReadAt(pos, tag, 2)) return IsamFail(isam_error::UndoFailed);
    const Word w = GetWordLE(tag);
    // A journal begins with a header or page record; anything else at byte 1 is a station area
    // (valid or damaged), which holds nothing to undo.
    if (w == EndTag || (pos == 1 && w != HeaderTag && (w < 1 || w > isam_format::EntriesPerPage))) break;
    if (w == HeaderTag) {
      if (pos + HeaderRecordSize > size) break;
      Byte rec[HeaderRecordSize];
      if (!fb_.dialog.ReadAt(pos, rec, sizeof rec) || !UndoHeader(rec)) return IsamFail(isam_error::UndoFailed);
      pos += HeaderRecordSize;
      continue;
    }
    if (w < 1 || w > isam_format::EntriesPerPage) return IsamFail(isam_error::UndoFailed);
    bool ended = false;
    if (!UndoPage(w, pos, ended)) return IsamFail(isam_error::UndoFailed);
    if (ended) break;
  }
  return FinishUndo();
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
      if (before.freeHead < 1) return false;
      if (!fb_.data.WriteAt(static_cast<Int64>(before.freeHead) * r, link, 4)) return false;
    } else {
      // A record freed by the operation carries a chain link in its status word; the stored header
      // names it when the freeing went that far.  Restore the status word of a record in use.
      DataHeader now;
      if (!ReadDataHeader(fb_, now)) return false;
      if (now.freeCount == before.freeCount + 1 && now.freeHead != before.freeHead && now.freeHead >= 1 &&
          now.freeHead <= now.allocated) {
        const Byte zero[4] = {};
        if (!fb_.data.WriteAt(static_cast<Int64>(now.freeHead) * r, zero, 4)) return false;
      }
    }
    LoadDataSection(fb_.Data(), before);
    fb_.Data().length = r;
    return WriteDataHeader(fb_, before.openFlag);
  }
  if (section > fb_.keyCount) return false;
  const KeyHeader before = KeyHeader::Decode(image);
  if (value != NoChainValue) {
    if (before.freeHead < 1) return false;
    if (!fb_.index.WriteAt(fb_.PageOffset(section, before.freeHead), link, 4)) return false;
  }
  FileSectionInfo& s = fb_.Key(section);
  const Integer pageSize = s.length;
  LoadKeySection(s, before);
  s.length = pageSize;
  return WriteKeyHeader(fb_, section);
}

bool SaveJournal::UndoPage(Word count, Int64& pos, bool& ended) {
  Int64 size = 0;
  Byte head[6];
  if (!fb_.dialog.Size(size)) return false;
  if (pos + 6 > size) return ended = true;
  if (!fb_.dialog.ReadAt(pos, head, 6)) return false;
  const Word key = GetWordLE(head + 2);
  if (key < 1 || key > fb_.keyCount) return false;
  const Integer entryBytes = count * isam_format::EntrySize(fb_.Key(key).maxKeyLength);
  if (pos + entryBytes + 14 > size) return ended = true;
  std::vector<Byte> rec(static_cast<size_t>(entryBytes + 14));
  if (!fb_.dialog.ReadAt(pos, rec.data(), static_cast<DWORD>(rec.size()))) return false;
  const Integer pageNo = GetInt32LE(rec.data() + 6 + entryBytes);
  if (pageNo < 1) return false;
  std::vector<Byte> page(static_cast<size_t>(entryBytes + isam_format::PageHeadSize));
  PutWordLE(page.data(), count);
  std::copy(rec.begin() + 10 + entryBytes, rec.begin() + 14 + entryBytes, page.begin() + 2);
  std::copy(rec.begin() + 6, rec.begin() + 6 + entryBytes, page.begin() + 6);
  if (!fb_.index.WriteAt(fb_.PageOffset(key, pageNo), page.data(), static_cast<DWORD>(page.size()))) return false;
  pos += static_cast<Int64>(rec.size());
  return true;
}

bool SaveJournal::FinishUndo() {
  const bool network = NetworkFile();
  if (!network) {
    if (fb_.Data().dirty && !WriteDataHeader(fb_, fb_.Data().openFlag)) return IsamFail(isam_error::UndoFailed);
    if (!fb_.data.Commit(false)) return IsamFail(isam_error::UndoFailed);
    if (fb_.keyCount > 0 && !fb_.index.Commit(false)) return IsamFail(isam_error::UndoFailed);
  }
  end_ = 1;
  journaled_.clear();
  unsynced_ = false;
  if (!fb_.dialog.TruncateAt(1)) return IsamFail(isam_error::UndoFailed);
  return network || fb_.dialog.Commit(false) || IsamFail(isam_error::UndoFailed);
}
