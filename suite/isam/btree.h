// The B-tree of one key: exact search, stepping to the next entry, insertion with sibling
// balancing and splitting, and deletion with borrowing and merging.
//
// Invariants kept (E entries per page, n = E div 2): every page but the root holds n..E entries; the
// entries of a page ascend in key order, and every entry of child(i) lies between entries i and
// i + 1; all leaves are at one depth; the key header's entry count equals the entries in the tree.
// Page pointers are used only between two fetches: no pointer is held across a call that may fetch.
#pragma once

#include "suite/isam/key_pages.h"

// The search argument: a length-prefixed text and a record reference (which takes part in the
// order only when the key allows duplicates).
struct KeyArg {
  const Byte* text;
  Integer ref;
};

enum class BTreeResult { Done, Missing, Failed };

class BTree {
 public:
  BTree(IsamFileBlock& fb, Integer key) : pages_(fb, key) {}

  // Exact search; on Done `ref` receives the entry's reference.  Builds the key's search path.
  BTreeResult Find(const KeyArg& arg, Integer& ref);
  // The entry after the search path (rebuilt from `arg` when not valid); Missing at the end
  // (10250 set, path cleared).  `text` receives L+1 bytes at most.
  BTreeResult Next(const KeyArg& arg, Integer& ref, Byte* text);
  // Missing when the entry is already present.
  BTreeResult Insert(const KeyArg& arg);
  // Missing when no such entry exists.
  BTreeResult Remove(const KeyArg& arg);

 private:
  struct Grown {
    bool grown = false;
    IsamEntry entry;
  };
  int Compare(const KeyArg& arg, const IsamEntry& e);
  // Bisection inside a page: true on a match (at hi + 1); else the argument lies after entry hi.
  bool Search(const IsamPage& page, const KeyArg& arg, int& hi);
  BTreeResult InsertBelow(Integer pageNo, const KeyArg& arg, Integer parent, int parentPos, int depth,
                          Grown& up);
  BTreeResult Place(Integer pageNo, int after, const IsamEntry& entry, Integer parent, int parentPos,
                    Grown& up);
  BTreeResult Balance(Integer pageNo, int after, const IsamEntry& entry, Integer parent, int parentPos,
                      bool& balanced);
  BTreeResult Split(Integer pageNo, int after, const IsamEntry& entry, Grown& up);
  BTreeResult RemoveBelow(Integer pageNo, const KeyArg& arg, int depth, bool& underflow);
  BTreeResult TakePredecessor(Integer pageNo, Integer target, int targetPos, int depth, bool& underflow);
  BTreeResult Repair(Integer parent, Integer child, int pos, bool& underflow);
  void InvalidatePath() { pages_.Header().path.valid = false; }

  KeyPages pages_;
};
