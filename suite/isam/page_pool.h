// The pool of index-page buffers shared by every open Fileblock, with least-recently-used
// replacement.  Pages are handed out pinned (page_ref.h).
//
// Invariants: a buffer with an owner caches exactly one (Fileblock, key, page) and at most one
// buffer caches a given page; a dirty buffer holds changes not yet on disk and is on the dirty list
// (which may also hold buffers cleaned or reused since, each at most once).  In save mode a dirty
// page reaches the disk only after the journal covering it is durable (the write-back passes the
// write-ahead barrier).  Buffers without an owner sit at the least recently used end.  A pinned
// buffer is never reused nor forgotten: replacement takes the least recently used unpinned buffer,
// and when every buffer is pinned a fetch fails with 10000 instead of taking one.
#pragma once

#include <list>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "suite/isam/page_ref.h"

class PagePool {
 public:
  // Allocates up to `count` buffers, stopping early when memory runs out; returns how many.
  Integer Allocate(Integer count);
  void Release();
  Integer Size() const { return static_cast<Integer>(lru_.size()); }

  // The buffer of a page, pinned, read from disk on a miss; empty with the status set on failure
  // (10010 when the stored page does not fit its key: more than E entries or a text above L).
  PageRef Fetch(IsamFileBlock* fb, Integer key, Integer pageNo);
  // A pinned buffer for a page that is not read (a new page); the caller fills it.
  PageRef Take(IsamFileBlock* fb, Integer key, Integer pageNo);
  // Whether a buffer holds the page (a page in use: a damaged free-page chain may name one).
  bool Holds(IsamFileBlock* fb, Integer key, Integer pageNo) const {
    return index_.find({fb, key, pageNo}) != index_.end();
  }
  // Forgets the buffer of a page without writing it.  The page must not be pinned.
  void Drop(IsamFileBlock* fb, Integer key, Integer pageNo);
  // Forgets every buffer of a Fileblock (key 0: every key) without writing; none may be pinned.
  void DropAll(IsamFileBlock* fb, Integer key = 0);
  // Records that an owned buffer holds a change not yet on disk.
  void MarkDirty(PageBuffer& buffer);
  // Writes every dirty buffer of a Fileblock; `release` also forgets every buffer of it.
  bool WriteAll(IsamFileBlock* fb, bool release);

 private:
  struct KeyHash {
    size_t operator()(const std::tuple<IsamFileBlock*, Integer, Integer>& k) const;
  };
  using Ring = std::list<std::unique_ptr<PageBuffer>>;
  // The least recently used unpinned buffer, written back when dirty, now without an owner and
  // first in the ring; nullptr with the status set when it cannot be written or all are pinned.
  PageBuffer* Victim();
  // Gives the victim (first in the ring) to a page and makes it the most recently used.
  PageRef Assign(PageBuffer* victim, IsamFileBlock* fb, Integer key, Integer pageNo);
  void Forget(Ring::iterator it);
  // Writes the dirty buffers of `fb` found on the dirty list, dropping from it what is then clean.
  bool WriteListed(IsamFileBlock* fb);

  Ring lru_;   // front: least recently used
  std::vector<PageBuffer*> dirtyList_;   // so that publishing a change need not walk the whole ring
  using Index = std::unordered_map<std::tuple<IsamFileBlock*, Integer, Integer>, Ring::iterator, KeyHash>;
  Index index_;
  Index::node_type spare_;   // an index entry taken out with a forgotten buffer, for the next page
};

PagePool& IsamPagePool();

// Provided by the engine (section_io.cpp): the disk side of the pool.  A read fails with 10010 when
// the stored page does not fit its key.
bool IsamReadPage(IsamFileBlock* fb, Integer key, Integer pageNo, IsamPage& page);
bool IsamWriteBackPage(PageBuffer& buffer);
