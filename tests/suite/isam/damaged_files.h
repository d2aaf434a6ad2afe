// Record files written by the engine for the damaged-file tests, the byte-level edits that break
// them, and the fuzz target that breaks them as its input says and uses them.
//
// Every seed has record length 32 and two keys: key 1 (L 12, no duplicates; pages of 1,308 bytes)
// and key 2 (L 6, duplicates; 936 bytes), so slots of 2,244 bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "damaged_file_use.h"

enum class Seed {
  Tree,            // 300 records added, every third deleted again: two levels, free records and pages
  FullRoot,        // key 1 is one full root leaf of 62 entries, two pages on its free-page chain
  JournalKey,      // the tree with a key insertion cut short in save mode: page and key header images
  JournalRecord,   // the tree with a record addition cut short in save mode: a data header image
};
inline constexpr int kSeedCount = 4;

// Built once per process (the first call starts and stops the engine, so it must not be running),
// in a folder removed at the end of the process.
const RecordFileBytes& SeedFile(Seed seed);

namespace seed_layout {
inline constexpr Integer RecordLength = 32;
inline constexpr Integer PageSize[2] = {62 * 21 + 6, 62 * 15 + 6};
inline constexpr Integer SlotSize = PageSize[0] + PageSize[1];
// Byte offsets in the index file of key k's header (k = 1, 2) and of its page p.
inline std::size_t KeyHeader(int key) { return key == 1 ? 0 : static_cast<std::size_t>(PageSize[0]); }
inline std::size_t Page(int key, Integer page) {
  return static_cast<std::size_t>(page) * SlotSize + KeyHeader(key);
}
}  // namespace seed_layout

// Little-endian fields of a file held as bytes; writes past the end are dropped.
Integer Get32(const std::string& bytes, std::size_t at);
void Put32(std::string& bytes, std::size_t at, Integer value);
void Put16(std::string& bytes, std::size_t at, Word value);

// The fuzz target: a seed chosen by the first byte, broken by the 8-byte edits that follow (a bit
// flipped, a byte or an int32 set to a value that matters, a file cut, a range zeroed, bytes copied
// from elsewhere in the file), then used in every mode (UseRecordFile).  Returns the status numbers
// of the engine calls that failed.
std::vector<Integer> FuzzRecordFile(const std::uint8_t* data, std::size_t size);
