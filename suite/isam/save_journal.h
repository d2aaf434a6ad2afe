// The save-mode undo journal of one Fileblock, kept in its dialog file (NAME.DIA).
//
// Format (from byte 1; byte 0 is reserved and written as 0):
//   header record: word 1000, word section (0 data file, k key k), 28-byte header image (section 0:
//     the 21-byte data header and 7 zero bytes), int32 free-chain value (the chain head after the
//     operation took a record or page from it, else -2); 36 bytes.
//   page record:   word n (1..62), word key, 2 zero bytes, n entries in disk form, int32 page number,
//     int32 leftmost child; n * (L + 9) + 14 bytes.
//   end:           word 2000, or simply the end of the file.
// A dialog file of exactly one byte holds no unfinished operation.
//
// Invariants: within one operation each page and each section header is journaled at most once,
// before its first change, so the first image is the before-image; no change of the operation
// reaches the data or index file before the journal records covering it were written (and, in
// single-station mode, flushed to disk).  Undo restores every journaled page and header and the
// free chains, then cuts the journal back to one byte.  It checks every record before it undoes
// the first: a header image must pass the checks of the open and match the open file's layout, a
// chain value must name a record or page inside the image's counts, a page image must hold at most
// E entries of an existing key and lie inside the index file, and one operation journals at most
// MaxRecords records.  A journal that fails a check fails the undo with 10180, changes nothing and
// stays in place.
#pragma once

#include <vector>

#include "suite/isam/file_block.h"
#include "suite/isam/page_pool.h"

class SaveJournal {
 public:
  static constexpr Word HeaderTag = 1000;
  static constexpr Word EndTag = 2000;
  static constexpr Integer HeaderRecordSize = 36;
  static constexpr Integer NoChainValue = -2;
  static constexpr Integer HeaderPseudoPage = -2;
  // An operation journals at most 30 pages and headers (a B-tree path of 9 levels touches three
  // pages a level); a journal holding more is not one operation's.
  static constexpr size_t MaxRecords = 32;

  explicit SaveJournal(IsamFileBlock& fb) : fb_(fb) {}

  // Starts an operation that changes the Fileblock.
  void Begin();
  bool Active() const { return active_; }
  bool PageJournaled(Integer key, Integer pageNo) const;
  bool HeaderJournaled(Integer section) const;
  bool JournalPage(const PageBuffer& buffer);
  bool JournalHeader(Integer section, Integer chainValue);
  // The write-ahead barrier: makes the written journal records durable (single-station mode).
  bool Sync();
  // Ends the operation: the journal is cut back to its first byte.
  bool End();
  // Rolls back the operation recorded in the dialog file (also used at open) and ends it.
  bool Undo();

 private:
  struct Record {
    bool header;               // a header record, else a page record
    std::vector<Byte> bytes;   // the whole record as journaled
  };
  bool Append(const Byte* bytes, DWORD n);
  // Reads and checks the records from byte 1 to the end tag or a record cut short.
  bool ReadRecords(std::vector<Record>& records);
  bool HeaderRecordSound(const Byte* record);
  bool PageRecordSound(const std::vector<Byte>& record);
  bool UndoHeader(const Byte* record);
  bool RestoreFreedRecord(const DataHeader& before);
  bool UndoPage(const Record& record);
  bool FinishUndo();
  // Reports 10180 (whatever failed first) and returns false.
  bool UndoFailed();
  bool NetworkFile() const;

  IsamFileBlock& fb_;
  bool active_ = false;
  bool unsynced_ = false;
  Int64 end_ = 1;
  std::vector<std::pair<Integer, Integer>> journaled_;   // (key or section, page or HeaderPseudoPage)
};
