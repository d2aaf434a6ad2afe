// The record-file format: the layouts of the data-file header, the key headers, index pages and
// the key order.  docs/format-record-file.md describes every byte; this module is the only place in
// the engine that knows them.
//
// A record file is up to three files sharing a base name: NAME.DAT (fixed-length records, record 0
// the header), NAME.IX (slots of SlotSize bytes; in every slot key k owns PageSize(k) bytes at the
// same area offset; slot 0 holds the key headers, slot p page p of every key) and NAME.DIA (station
// area or undo journal).  All integers are little-endian.
#pragma once

#include <string>

#include "platform/core/types.h"

namespace isam_format {
inline constexpr Integer MaxKeys = 100;
inline constexpr Integer MaxKeyLength = 100;
inline constexpr Integer EntriesPerPage = 62;   // E of every index this engine creates
inline constexpr Integer MinRecordLength = 21;
inline constexpr Integer DataHeaderSize = 21;
inline constexpr Integer KeyHeaderSize = 28;
inline constexpr Integer PageHeadSize = 6;       // entry count word + leftmost child
inline constexpr Integer EntryOverhead = 9;      // reference + right child + length byte
inline constexpr Integer OpenFlagOffset = 20;
inline constexpr Integer MaxPathLevels = 9;

// Bytes of one page of a key with maximum length L and E entries per page.
constexpr Integer PageSize(Integer maxKeyLength, Integer entriesPerPage = EntriesPerPage) {
  return entriesPerPage * (maxKeyLength + EntryOverhead) + PageHeadSize;
}
constexpr Integer EntrySize(Integer maxKeyLength) { return maxKeyLength + EntryOverhead; }
// Byte offset in the index file of page p of the key whose area starts at `areaOffset`.
constexpr Int64 PageOffset(Integer page, Integer slotSize, Integer areaOffset) {
  return static_cast<Int64>(page) * slotSize + areaOffset;
}
}  // namespace isam_format

// Record 0 of the data file.
struct DataHeader {
  Integer freeHead = -1;   // most recently freed record, -1 when the chain is empty
  Integer freeCount = 0;
  Integer allocated = 0;   // highest record number ever handed out
  Integer recordLength = 0;
  Byte keyCount = 0;
  Byte openFlag = 0;       // 1 while changes of a non-save-mode open are not written back

  void Encode(Byte* out) const;                 // DataHeaderSize bytes
  static DataHeader Decode(const Byte* in);
};

// A key's header in slot 0 of the index file.
struct KeyHeader {
  Integer freeHead = -1;
  Integer freeCount = 0;
  Integer allocated = 0;   // pages handed out to this key
  Integer pageSize = 0;
  Integer root = 0;        // 0 when the index is empty
  bool duplicates = false;
  Integer entries = 0;
  Word entriesPerPage = 62;

  void Encode(Byte* out) const;                 // KeyHeaderSize bytes; the reserved byte 21 is 0
  static KeyHeader Decode(const Byte* in);      // a stored E of 0 reads as 62
};

// Checks a stored key header and derives its maximum key length.  Returns 0 and sets L, or the
// engine's error number (10122, 10120, 10121).
Integer CheckKeyHeader(const KeyHeader& header, Integer& maxKeyLength);

// The checks that keep every offset and count derived from a stored header inside the files and
// the int32 range (docs/format-record-file.md, "What a damaged file cannot do").  Each returns 0 or
// the engine's error number.
//
// A data header: more than 100 keys -> 10060; a record length below 21 -> 10020; a negative
// allocated count, a free count outside 0..allocated, or a data file too short to hold record 0
// and the allocated records -> 10010.
Integer CheckDataHeader(const DataHeader& header, Int64 dataFileSize);
// The counts of a key header: a negative page or entry count, a free count outside 0..pages or a
// root outside 0..pages -> 10010.
Integer CheckKeyCounts(const KeyHeader& header);
// Whether an index file of `indexFileSize` bytes holds slot 0 and `pages` slots of `slotSize`.
bool IndexHoldsPages(Integer pages, Integer slotSize, Int64 indexFileSize);

// Key order: bytes compare as unsigned numbers over the shorter length; on an equal prefix the
// shorter text is smaller.  Texts are length-prefixed: t[0] is the length.
int CompareKeyTexts(const Byte* a, const Byte* b);

// The three file names of a Fileblock name "data[;index]" (extensions replaced or added).
struct IsamFileNames {
  std::string data, index, dialog;
};
IsamFileNames MakeIsamFileNames(const std::string& name);
