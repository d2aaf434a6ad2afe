// The pool of index-page buffers shared by every open Fileblock, with least-recently-used
// replacement.
//
// Invariants: a buffer with an owner caches exactly one (Fileblock, key, page) and at most one
// buffer caches a given page; a dirty buffer holds changes not yet on disk and is on the dirty list
// (which may also hold buffers cleaned or reused since, each at most once).  In save mode a dirty
// page reaches the disk only after the journal covering it is durable (the write-back passes the
// write-ahead barrier).  Buffers without an owner sit at the least recently used end.
#pragma once

#include <list>
#include <memory>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "suite/isam/isam_page.h"

struct IsamFileBlock;

struct PageBuffer {
  IsamFileBlock* owner = nullptr;
  Integer key = 0;
  Integer pageNo = 0;
  bool dirty = false;
  bool listed = false;   // on the pool's dirty list
  IsamPage page;
};

class PagePool {
 public:
  // Allocates up to `count` buffers, stopping early when memory runs out; returns how many.
  Integer Allocate(Integer count);
  void Release();
  Integer Size() const { return static_cast<Integer>(lru_.size()); }

  // The buffer of a page, read from disk on a miss; nullptr with the status set on failure.  The
  // pointer stays valid until the next Fetch or Take (which may reuse the buffer).
  PageBuffer* Fetch(IsamFileBlock* fb, Integer key, Integer pageNo);
  // A buffer for a page that is not read (a new page); the caller fills it.
  PageBuffer* Take(IsamFileBlock* fb, Integer key, Integer pageNo);
  // Forgets the buffer of a page without writing it.
  void Drop(IsamFileBlock* fb, Integer key, Integer pageNo);
  // Forgets every buffer of a Fileblock (key 0: every key) without writing.
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
  PageBuffer* Victim();
  void Forget(Ring::iterator it);
  // Writes the dirty buffers of `fb` found on the dirty list, dropping from it what is then clean.
  bool WriteListed(IsamFileBlock* fb);

  Ring lru_;   // front: least recently used
  std::vector<PageBuffer*> dirtyList_;   // so that publishing a change need not walk the whole ring
  std::unordered_map<std::tuple<IsamFileBlock*, Integer, Integer>, Ring::iterator, KeyHash> index_;
};

PagePool& IsamPagePool();

// Provided by the engine (section_io.cpp): the disk side of the pool.
bool IsamReadPage(IsamFileBlock* fb, Integer key, Integer pageNo, IsamPage& page);
bool IsamWriteBackPage(PageBuffer& buffer);
