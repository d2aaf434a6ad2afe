// The engine's state of one open record file (a Fileblock): its three files, the cached headers of
// the data file (section 0) and of every key (section k), and the per-key search paths.
//
// Invariants while open: validity == ValidMark; sections.size() == keyCount + 1; for every key k,
// sections[k].areaOffset is the sum of the page sizes of keys 1..k-1 and slotSize their total;
// slotsInUse >= every key's allocated page count.  A cached header that differs from disk has its
// dirty flag set.
#pragma once

#include <memory>
#include <vector>

#include "suite/isam/isam_file.h"
#include "suite/isam/isam_format.h"

// A key's position in its B-tree: the pages from the root down and the entry position in each.
class SaveJournal;
struct NetInfo;

struct SearchPath {
  struct Level {
    Integer page;
    Integer pos;
  };
  Level levels[isam_format::MaxPathLevels];
  int depth = 0;
  bool valid = false;
};

// The cached header of one section (0 the data file, k key k) and its bookkeeping.
struct FileSectionInfo {
  Integer freeHead = -1;
  Integer freeCount = 0;
  Integer allocated = 0;
  Integer length = 0;          // record length R (section 0) or page size P(k)
  Integer root = 0;
  bool duplicates = false;
  Integer entries = 0;
  Integer entriesPerPage = isam_format::EntriesPerPage;
  Byte openFlag = 0;           // section 0 only, as stored

  bool dirty = false;          // header differs from the disk
  bool tookFromFreeChain = false;
  bool changedSincePublish = false;
  Integer maxKeyLength = 0;    // L
  Integer areaOffset = 0;      // A(k)
  SearchPath path;
};

struct IsamFileBlock {
  static constexpr Integer ValidMark = 0x11195851;

  Integer validity = 0;
  IsamFile data, index, dialog;
  Byte keyCount = 0;
  Integer slotSize = 0;
  Integer slotsInUse = 0;
  std::vector<FileSectionInfo> sections;
  bool modified = false;
  bool readOnly = false;
  bool saveMode = false;
  std::unique_ptr<SaveJournal> journal;   // save mode only
  std::unique_ptr<NetInfo> net;           // opened with the network argument only

  IsamFileBlock();
  ~IsamFileBlock();
  IsamFileBlock(const IsamFileBlock&) = delete;
  IsamFileBlock& operator=(const IsamFileBlock&) = delete;

  FileSectionInfo& Data() { return sections[0]; }
  FileSectionInfo& Key(int k) { return sections[static_cast<size_t>(k)]; }
  Int64 PageOffset(int key, Integer page) const {
    return isam_format::PageOffset(page, slotSize, sections[static_cast<size_t>(key)].areaOffset);
  }
};
