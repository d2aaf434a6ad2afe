// An independent reader of record files for the tests, written from the file layouts alone (it
// shares no code with the engine): it decodes the data header and the free chain, every key header,
// walks each B-tree and free-page chain, and validates what it reads.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/core/types.h"

struct ReaderKey {
  // Header fields as stored.
  Integer freeHead = 0, freeCount = 0, pages = 0, pageSize = 0, root = 0, entries = 0;
  bool duplicates = false;
  Byte reserved = 0;
  Word entriesPerPage = 0;   // as stored (0 means 62)
  Integer maxLength = 0;     // derived L
  Integer areaOffset = 0;
  // The tree: entries in key order, and the entry counts of the pages level by level.
  std::vector<std::pair<std::string, Integer>> ordered;
  std::vector<std::vector<Integer>> levelCounts;
  std::vector<Integer> freePages;
};

struct RecordFileImage {
  Integer freeHead = 0, freeCount = 0, allocated = 0, recordLength = 0;
  Byte keyCount = 0, openFlag = 0;
  std::vector<Integer> freeRecords;   // in chain order
  std::map<Integer, std::string> records;   // live records by number
  Integer slotSize = 0;
  std::vector<ReaderKey> keys;
  std::vector<std::string> faults;   // what the reader found wrong
};

// Reads NAME.DAT / NAME.IX (`base` is the path without extension).
RecordFileImage ReadRecordFile(const std::string& base);
