// An index page, held in its disk form, and single entries taken out of it.
//
// Disk form (key with maximum length L): word n; int32 leftmost child; then n entries of L + 9
// bytes: int32 record reference, int32 right child, length byte, L text bytes.  Only the first
// 6 + n * (L + 9) bytes are written; the text bytes after an entry's length are zeros.  The page
// keeps exactly these bytes, so reading it from disk and writing it back are copies, and the B-tree
// searches, inserts and removes on them in place.  Every buffer has room for the largest page of
// any key (62 entries of 109 bytes).  Entries are numbered from 1 as in the B-tree algorithms;
// child(0) is the leftmost child.  The engine, the offline check and the isam tool's dump all
// decode pages through this module.
//
// Invariants: the stored count is at most the key's E and every stored length at most L (Load
// clamps a damaged page).  The text bytes after an entry's length are zeros once ClearTails ran: a
// page read from a file written elsewhere may hold anything there, and the engine writes zeros, so
// a page is cleared before it changes (a page only read is never written back).
#pragma once

#include <cstring>

#include "suite/isam/isam_format.h"
#include "suite/isam/le_bytes.h"

// One entry outside a page (an entry moving between pages or up the tree).
struct IsamEntry {
  Integer ref = 0;
  Integer child = 0;
  Byte text[isam_format::MaxKeyLength + 1] = {};   // length byte, then the characters
};

class IsamPage {
 public:
  static constexpr Integer MaxBytes = isam_format::PageSize(isam_format::MaxKeyLength);

  // Bytes of the disk form with n entries.
  static Integer DiskSize(Integer count, Integer maxKeyLength) {
    return isam_format::PageHeadSize + count * isam_format::EntrySize(maxKeyLength);
  }
  // The entry count a stored page declares, before any clamping.
  static Word StoredCount(const Byte* in) { return GetWordLE(in); }

  // Makes the page an empty leaf of a key with maximum length L.
  void Reset(Integer maxKeyLength);
  // Takes a page read from disk (at least DiskSize(n, L) bytes; `in` may be Raw()).  A count above
  // `entriesPerPage` or a text length above L is clamped, so damaged pages can never overrun the
  // buffer; returns false when anything had to be clamped.
  bool Load(const Byte* in, Integer maxKeyLength, Integer entriesPerPage);
  // Zeros the text bytes after every entry's length (once after a Load).
  void ClearTails();
  // The buffer a page is read into before Load(Raw(), ...): MaxBytes.
  Byte* Raw() { return bytes_; }
  // The disk form: DiskSize() bytes.
  const Byte* Bytes() const { return bytes_; }
  Integer DiskSize() const { return DiskSize(Count(), maxKeyLength_); }
  Integer MaxKeyLength() const { return maxKeyLength_; }

  Word Count() const { return GetWordLE(bytes_); }
  void SetCount(int n) { PutWordLE(bytes_, static_cast<Word>(n)); }
  Integer LeftChild() const { return GetInt32LE(bytes_ + 2); }
  void SetLeftChild(Integer page) { PutInt32LE(bytes_ + 2, page); }
  Integer Child(int i) const { return i == 0 ? LeftChild() : GetInt32LE(At(i) + 4); }
  void SetChild(int i, Integer page) {
    if (i == 0) SetLeftChild(page);
    else PutInt32LE(At(i) + 4, page);
  }
  Integer Ref(int i) const { return GetInt32LE(At(i)); }
  // The length-prefixed text of entry i.
  const Byte* Text(int i) const { return At(i) + 8; }

  IsamEntry Entry(int i) const;
  void SetEntry(int i, const IsamEntry& entry);
  // Sets entry i's reference and text, keeping its right child.
  void SetRefAndText(int i, Integer ref, const Byte* text);
  // Inserts an entry after entry `after` (0: first); the page must have room.
  void InsertAt(int after, const IsamEntry& entry);
  // Removes entry i, closing the gap.
  void RemoveAt(int i);
  // Copies `count` entries of `from` starting at its entry `first` to this page from entry `at`
  // on (the two may be one page: the ranges may overlap).
  void CopyEntries(int at, const IsamPage& from, int first, int count);

 private:
  Byte* At(int i) { return bytes_ + isam_format::PageHeadSize + (i - 1) * entrySize_; }
  const Byte* At(int i) const { return bytes_ + isam_format::PageHeadSize + (i - 1) * entrySize_; }
  // Writes an entry's reference, child and text (zeros after its length) at `p`.
  void Put(Byte* p, const IsamEntry& entry) const;

  Integer maxKeyLength_ = 0;
  bool tailsClear_ = true;
  Integer entrySize_ = isam_format::EntryOverhead;
  Byte bytes_[MaxBytes] = {};
};

// Copies a length-prefixed text (at most L characters).
void SetEntryText(IsamEntry& entry, const Byte* text);
