// Page-level access for the B-tree of one key: fetching pages through the pool, recording changes
// (dirty marks, and in save mode the before-images), and allocating and freeing pages on the key's
// free-page chain.
//
// Pages are handed out as pinned references (page_ref.h): each stays valid, whatever else is fetched,
// until the reference ends.
//
// Invariants: a page is changed only after Modify() was called for it in the current operation, so
// its before-image is journaled first in save mode; a freed page carries the next free page (or -1)
// in its first four bytes on disk; the header's allocated count never shrinks.
#pragma once

#include "suite/isam/file_block.h"
#include "suite/isam/page_pool.h"

class KeyPages {
 public:
  KeyPages(IsamFileBlock& fb, Integer key) : fb_(fb), key_(key) {}

  FileSectionInfo& Header() { return fb_.Key(key_); }
  Integer Key() const { return key_; }
  Integer EntriesPerPage() { return Header().entriesPerPage; }
  Integer Half() { return Header().entriesPerPage / 2; }

  // The page, or an empty reference with the status set.
  PageRef Fetch(Integer pageNo);
  // Declares that a fetched page is about to change: journaled first in save mode, marked dirty.
  bool Modify(PageRef& page);
  // Fetch and Modify in one.
  PageRef Modify(Integer pageNo);
  // Declares that the key header is about to change.
  bool ChangeHeader();
  // Allocates a page (free-page chain first, else a new number, growing the file by a slot when
  // needed) and returns it empty and dirty; empty with the status set on failure: 10170 when the
  // chain names a page out of range or in use, 10075 when the key has 2^31 - 1 pages.
  PageRef New();
  // Puts a page on the free-page chain and forgets its buffer (the reference ends here).
  bool Free(PageRef page);

 private:
  // Whether the free-page chain's head may be handed out: in range, and not a page of the tree.
  bool MayTakeFromChain(Integer pageNo);

  IsamFileBlock& fb_;
  Integer key_;
};
