// The B-tree of one key: exact search, stepping to the next entry, insertion with sibling
// balancing and splitting, and deletion with borrowing and merging.
//
// Invariants kept (E entries per page, n = E div 2): every page but the root holds n..E entries; the
// entries of a page ascend in key order, and every entry of child(i) lies between entries i and
// i + 1; all leaves are at one depth; the key header's entry count equals the entries in the tree.
// Pages are held as pinned references (page_ref.h), at most three at once: a parent and the two
// children around one of its entries.  None is held across the descent to a child.
//
// Balance, Split and Repair check what they find and assert what they leave.  On entry, what comes
// from the disk and decides where entries go is checked in every build and reported as 10010 when
// broken, since going on would misplace entries: the pages they move entries between are of one
// kind (leaves or inner pages), distinct and in order across the separator, the parent still links
// the page where the descent found it (a damaged tree may link a page twice, so that work below
// changed it), an inner parent has entries, and an entry moved up from a split below fits its
// place.  Where the asserts are compiled, each page must also be in order within (and a new entry
// fit its place), so that a damaged file ends in 10010 rather than a failed assert.  On exit they
// assert that the pages they changed are sound: linked from the parent around the separator,
// within E entries, ascending, leaves or inner pages throughout, in order across the separator,
// and holding the entries they held (plus the new one).  Every index stays within a page's 62
// entries whatever the file holds.
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
  // Two neighbouring children of a parent and the parent's entry between them: left is
  // child(sep - 1) of the parent, right is child(sep).  All three pinned.
  struct Family {
    PageRef parent, left, right;
    int sep = 0;
  };
  static KeyArg ArgOf(const IsamEntry& e) { return {e.text, e.ref}; }
  static KeyArg ArgOf(const IsamPage& page, int i) { return {page.Text(i), page.Ref(i)}; }
  int Compare(const KeyArg& arg, const KeyArg& other);
  bool Less(const KeyArg& a, const KeyArg& b) { return Compare(a, b) < 0; }
  // At most E entries, ascending, and either a leaf (no children) or an inner page (all children).
  bool PageSound(const IsamPage& page);
  // PageSound where the asserts are compiled (what they need of a page taken from a damaged file;
  // the order within a page decides nothing about memory, and checking it would cost a comparison
  // per entry on every balance and repair), else true.
  bool SoundForAsserts(const IsamPage& page);
  bool InOrderAcross(const IsamPage& left, const KeyArg& separator, const IsamPage& right);
  // Whether `entry` belongs after entry `after` of the page (and before the next).
  bool Fits(const IsamPage& page, int after, const IsamEntry& entry);
  bool Sound(const Family& f);
  // Bisection inside a page: true on a match (at hi + 1); else the argument lies after entry hi.
  bool Search(const IsamPage& page, const KeyArg& arg, int& hi);
  // Pins child(pos) of `parentNo` (page `pageNo`) with its sibling, the right one unless the page
  // is the last child; `pageIsLeft` tells which of the two the page is.
  BTreeResult FetchFamily(Integer parentNo, int pos, Integer pageNo, Family& f, bool& pageIsLeft);
  bool ModifyFamily(Family& f);
  BTreeResult InsertBelow(Integer pageNo, const KeyArg& arg, Integer parentNo, int parentPos, int depth,
                          Grown& up);
  BTreeResult Place(Integer pageNo, int after, const IsamEntry& entry, Integer parentNo, int parentPos,
                    Grown& up);
  BTreeResult Balance(Integer pageNo, int after, const IsamEntry& entry, Integer parentNo, int parentPos,
                      bool& balanced);
  BTreeResult Split(Integer pageNo, int after, const IsamEntry& entry, Grown& up);
  BTreeResult RemoveBelow(Integer pageNo, const KeyArg& arg, int depth, bool& underflow);
  BTreeResult TakePredecessor(Integer pageNo, Integer targetNo, int targetPos, int depth, bool& underflow);
  BTreeResult Repair(Integer parentNo, Integer pageNo, int pos, bool& underflow);
  void InvalidatePath() { pages_.Header().path.valid = false; }

  KeyPages pages_;
};
