// An index page in its expanded memory form, and its conversion to and from the disk form.
//
// Disk form (key with maximum length L): word n; int32 leftmost child; then n entries of L + 9
// bytes: int32 record reference, int32 right child, length byte, L text bytes.  Only the first
// 6 + n * (L + 9) bytes are written; the text bytes after an entry's length are written as zeros.
// In memory every entry has room for the longest key, so any key's page fits one buffer.
// Entries are numbered from 1 as in the B-tree algorithms; child(0) is the leftmost child.
// The engine, the offline check and the isam tool's dump all decode pages through this module.
#pragma once

#include <cstring>

#include "suite/isam/isam_format.h"

struct IsamEntry {
  Integer ref = 0;
  Integer child = 0;
  Byte text[isam_format::MaxKeyLength + 1] = {};   // length byte, then the characters
};

struct IsamPage {
  Word count = 0;
  Integer leftChild = 0;
  IsamEntry entries[isam_format::EntriesPerPage + 1];   // [1..count] in use; [0] unused

  IsamEntry& Entry(int i) { return entries[i]; }
  const IsamEntry& Entry(int i) const { return entries[i]; }
  Integer Child(int i) const { return i == 0 ? leftChild : entries[i].child; }
  void SetChild(int i, Integer page) { (i == 0 ? leftChild : entries[i].child) = page; }

  // Bytes of the disk form with n entries.
  static Integer DiskSize(Integer count, Integer maxKeyLength) {
    return isam_format::PageHeadSize + count * isam_format::EntrySize(maxKeyLength);
  }
  // Packs the page into `out` (DiskSize(count, L) bytes).
  void Pack(Byte* out, Integer maxKeyLength) const;
  // The entry count a stored page declares, before any clamping.
  static Word StoredCount(const Byte* in);
  // Expands a page read from disk (at least DiskSize(n, L) bytes).  A count above `entriesPerPage`
  // or a text length above L is clamped, so damaged pages can never overrun the buffer; returns
  // false when anything had to be clamped.
  bool Expand(const Byte* in, Integer maxKeyLength, Integer entriesPerPage);
};

// Copies a length-prefixed text, zeroing the rest of the entry's text.
void SetEntryText(IsamEntry& entry, const Byte* text);
