// B-tree search, stepping, insertion (with balancing) and deletion (with borrowing and merging).
#include "suite/isam/btree.h"

#include <cassert>
#include <cstring>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"

namespace {
constexpr int MaxSequence = 2 * isam_format::EntriesPerPage + 2;

// Inserts `e` into seq[0..n) at index `at`.
void InsertAt(IsamEntry* seq, int& n, int at, const IsamEntry& e) {
  for (int j = n; j > at; --j) seq[j] = seq[j - 1];
  seq[at] = e;
  ++n;
}

int CopyOut(const IsamPage& page, IsamEntry* seq, int n) {
  for (int j = 1; j <= page.count; ++j) seq[n++] = page.Entry(j);
  return n;
}

void CopyIn(IsamPage& page, const IsamEntry* seq, int from, int count) {
  for (int j = 0; j < count; ++j) page.Entry(j + 1) = seq[from + j];
  page.count = static_cast<Word>(count);
}

void RemoveAt(IsamPage& page, int i) {
  for (int j = i; j < page.count; ++j) page.Entry(j) = page.Entry(j + 1);
  --page.count;
}

BTreeResult Fail(Integer code) {
  IsamFail(code);
  return BTreeResult::Failed;
}
}  // namespace

int BTree::Compare(const KeyArg& arg, const IsamEntry& e) {
  const int c = CompareKeyTexts(arg.text, e.text);
  if (c != 0 || !pages_.Header().duplicates) return c;
  // Equal texts order by reference: the sign of the wrapping 32-bit difference.
  const auto d = static_cast<Integer>(static_cast<std::uint32_t>(arg.ref) - static_cast<std::uint32_t>(e.ref));
  return (d > 0) - (d < 0);
}

bool BTree::Search(const IsamPage& page, const KeyArg& arg, int& hi) {
  int lo = 1;
  hi = page.count;
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    const int c = Compare(arg, page.Entry(mid));
    if (c <= 0) hi = mid - 1;
    if (c >= 0) lo = mid + 1;
  }
  return lo - hi >= 2;
}

BTreeResult BTree::Find(const KeyArg& arg, Integer& ref) {
  SearchPath& path = pages_.Header().path;
  path.depth = 0;
  path.valid = false;
  for (Integer p = pages_.Header().root; p != 0;) {
    if (path.depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
    const IsamPage* page = pages_.Fetch(p);
    if (!page) return BTreeResult::Failed;
    int hi;
    const bool found = Search(*page, arg, hi);
    path.levels[path.depth++] = {p, found ? hi + 1 : hi};
    if (found) {
      ref = page->Entry(hi + 1).ref;
      path.valid = true;
      return BTreeResult::Done;
    }
    p = page->Child(hi);
  }
  while (path.depth > 0 && path.levels[path.depth - 1].pos == 0) --path.depth;
  path.valid = true;
  return BTreeResult::Missing;
}

BTreeResult BTree::Next(const KeyArg& arg, Integer& ref, Byte* text) {
  SearchPath& path = pages_.Header().path;
  if (!path.valid) {
    Integer ignored;
    if (Find(arg, ignored) == BTreeResult::Failed) return BTreeResult::Failed;
  }
  path.valid = false;
  Integer p = pages_.Header().root;
  if (path.depth > 0) {
    const auto& top = path.levels[path.depth - 1];
    const IsamPage* page = pages_.Fetch(top.page);
    if (!page) return BTreeResult::Failed;
    p = page->Child(top.pos);
  }
  while (p != 0) {
    if (path.depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
    path.levels[path.depth++] = {p, 0};
    const IsamPage* page = pages_.Fetch(p);
    if (!page) return BTreeResult::Failed;
    p = page->leftChild;
  }
  while (path.depth > 0) {
    auto& top = path.levels[path.depth - 1];
    const IsamPage* page = pages_.Fetch(top.page);
    if (!page) return BTreeResult::Failed;
    if (top.pos < page->count) {
      ++top.pos;
      const IsamEntry& e = page->Entry(top.pos);
      ref = e.ref;
      std::memcpy(text, e.text, e.text[0] + 1u);
      path.valid = true;
      return BTreeResult::Done;
    }
    if (path.depth == 1) break;
    --path.depth;
  }
  // Exhausted: the next step starts again from the first entry.
  path.depth = 0;
  path.valid = true;
  IsamFail(isam_error::NoNextKey);
  return BTreeResult::Missing;
}

BTreeResult BTree::Insert(const KeyArg& arg) {
  InvalidatePath();
  Grown up;
  const BTreeResult r = InsertBelow(pages_.Header().root, arg, 0, 0, 0, up);
  if (r != BTreeResult::Done) return r;
  if (up.grown) {
    IsamPage* page = nullptr;
    const Integer newRoot = pages_.New(page);
    if (!newRoot) return BTreeResult::Failed;
    page->count = 1;
    page->leftChild = pages_.Header().root;
    page->Entry(1) = up.entry;
    pages_.Header().root = newRoot;
  }
  if (!pages_.ChangeHeader()) return BTreeResult::Failed;
  ++pages_.Header().entries;
  return BTreeResult::Done;
}

BTreeResult BTree::InsertBelow(Integer pageNo, const KeyArg& arg, Integer parent, int parentPos,
                               int depth, Grown& up) {
  if (pageNo == 0) {
    up.grown = true;
    up.entry.ref = arg.ref;
    up.entry.child = 0;
    SetEntryText(up.entry, arg.text);
    return BTreeResult::Done;
  }
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  const IsamPage* page = pages_.Fetch(pageNo);
  if (!page) return BTreeResult::Failed;
  int hi;
  if (Search(*page, arg, hi)) return BTreeResult::Missing;
  const BTreeResult r = InsertBelow(page->Child(hi), arg, pageNo, hi, depth + 1, up);
  if (r != BTreeResult::Done || !up.grown) return r;
  const IsamEntry entry = up.entry;
  up.grown = false;
  return Place(pageNo, hi, entry, parent, parentPos, up);
}

BTreeResult BTree::Place(Integer pageNo, int after, const IsamEntry& entry, Integer parent, int parentPos,
                         Grown& up) {
  const IsamPage* page = pages_.Fetch(pageNo);
  if (!page) return BTreeResult::Failed;
  if (page->count < pages_.EntriesPerPage()) {
    IsamPage* p = pages_.Modify(pageNo);
    if (!p) return BTreeResult::Failed;
    for (int j = p->count; j > after; --j) p->Entry(j + 1) = p->Entry(j);
    p->Entry(after + 1) = entry;
    ++p->count;
    return BTreeResult::Done;
  }
  if (parent != 0) {
    bool balanced = false;
    const BTreeResult r = Balance(pageNo, after, entry, parent, parentPos, balanced);
    if (r != BTreeResult::Done || balanced) return r;
  }
  return Split(pageNo, after, entry, up);
}

// Spreads a full page, its new entry, the separator and a sibling with room over the two pages.
BTreeResult BTree::Balance(Integer pageNo, int after, const IsamEntry& entry, Integer parent, int parentPos,
                           bool& balanced) {
  const IsamPage* par = pages_.Fetch(parent);
  if (!par) return BTreeResult::Failed;
  const bool right = parentPos < par->count;
  const int sepIdx = right ? parentPos + 1 : parentPos;
  const Integer sibling = par->Child(right ? parentPos + 1 : parentPos - 1);
  const IsamPage* sib = pages_.Fetch(sibling);
  if (!sib) return BTreeResult::Failed;
  if (sib->count >= pages_.EntriesPerPage()) return BTreeResult::Done;
  const Integer leftNo = right ? pageNo : sibling;
  const Integer rightNo = right ? sibling : pageNo;
  IsamPage* a = pages_.Modify(leftNo);
  IsamPage* b = a ? pages_.Modify(rightNo) : nullptr;
  IsamPage* c = b ? pages_.Modify(parent) : nullptr;
  if (!c) return BTreeResult::Failed;

  IsamEntry seq[MaxSequence];
  int t = CopyOut(*a, seq, 0);
  IsamEntry sep = c->Entry(sepIdx);
  sep.child = b->leftChild;
  seq[t++] = sep;
  t = CopyOut(*b, seq, t);
  InsertAt(seq, t, right ? after : a->count + 1 + after, entry);

  const int x = right ? t / 2 : (t + 1) / 2 - 1;
  CopyIn(*a, seq, 0, x);
  IsamEntry mid = seq[x];
  b->leftChild = mid.child;
  CopyIn(*b, seq, x + 1, t - x - 1);
  mid.child = rightNo;
  c->Entry(sepIdx) = mid;
  balanced = true;
  return BTreeResult::Done;
}

BTreeResult BTree::Split(Integer pageNo, int after, const IsamEntry& entry, Grown& up) {
  IsamPage* fresh = nullptr;
  const Integer freshNo = pages_.New(fresh);
  if (!freshNo) return BTreeResult::Failed;
  IsamPage* page = pages_.Modify(pageNo);
  if (!page) return BTreeResult::Failed;
  IsamEntry seq[MaxSequence];
  int t = CopyOut(*page, seq, 0);
  InsertAt(seq, t, after, entry);
  const int keep = pages_.Half();
  CopyIn(*page, seq, 0, keep);
  up.entry = seq[keep];
  fresh->leftChild = up.entry.child;
  CopyIn(*fresh, seq, keep + 1, t - keep - 1);
  up.entry.child = freshNo;
  up.grown = true;
  return BTreeResult::Done;
}

BTreeResult BTree::Remove(const KeyArg& arg) {
  InvalidatePath();
  bool underflow = false;
  const BTreeResult r = RemoveBelow(pages_.Header().root, arg, 0, underflow);
  if (r != BTreeResult::Done) return r;
  const Integer root = pages_.Header().root;
  const IsamPage* page = pages_.Fetch(root);
  if (!page) return BTreeResult::Failed;
  if (page->count == 0) {
    const Integer newRoot = page->leftChild;
    if (!pages_.Modify(root) || !pages_.ChangeHeader()) return BTreeResult::Failed;
    pages_.Header().root = newRoot;
    if (!pages_.Free(root)) return BTreeResult::Failed;
  }
  if (!pages_.ChangeHeader()) return BTreeResult::Failed;
  --pages_.Header().entries;
  return BTreeResult::Done;
}

BTreeResult BTree::RemoveBelow(Integer pageNo, const KeyArg& arg, int depth, bool& underflow) {
  if (pageNo == 0) return BTreeResult::Missing;
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  const IsamPage* page = pages_.Fetch(pageNo);
  if (!page) return BTreeResult::Failed;
  int hi;
  const bool found = Search(*page, arg, hi);
  const Integer child = page->Child(hi);
  bool childUnderflow = false;
  BTreeResult r;
  if (!found) {
    r = RemoveBelow(child, arg, depth + 1, childUnderflow);
  } else if (child == 0) {
    IsamPage* leaf = pages_.Modify(pageNo);
    if (!leaf) return BTreeResult::Failed;
    RemoveAt(*leaf, hi + 1);
    underflow = leaf->count < pages_.Half();
    return BTreeResult::Done;
  } else {
    r = TakePredecessor(child, pageNo, hi + 1, depth + 1, childUnderflow);
  }
  if (r != BTreeResult::Done || !childUnderflow) return r;
  return Repair(pageNo, child, hi, underflow);
}

// Replaces entry targetPos of page `target` by the last entry of the rightmost leaf under pageNo.
BTreeResult BTree::TakePredecessor(Integer pageNo, Integer target, int targetPos, int depth,
                                   bool& underflow) {
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  const IsamPage* page = pages_.Fetch(pageNo);
  if (!page) return BTreeResult::Failed;
  const int last = page->count;
  const Integer right = page->Child(last);
  if (right != 0) {
    bool childUnderflow = false;
    const BTreeResult r = TakePredecessor(right, target, targetPos, depth + 1, childUnderflow);
    if (r != BTreeResult::Done || !childUnderflow) return r;
    return Repair(pageNo, right, last, underflow);
  }
  if (last == 0) return Fail(isam_error::RebuildNeeded);
  IsamPage* t = pages_.Modify(target);
  IsamPage* leaf = t ? pages_.Modify(pageNo) : nullptr;
  if (!leaf) return BTreeResult::Failed;
  IsamEntry& dst = t->Entry(targetPos);
  const IsamEntry& src = leaf->Entry(leaf->count);
  dst.ref = src.ref;
  SetEntryText(dst, src.text);
  --leaf->count;
  underflow = leaf->count < pages_.Half();
  return BTreeResult::Done;
}

// Repairs child(pos) of `parent`, which has too few entries, with its right (else left) sibling.
BTreeResult BTree::Repair(Integer parent, Integer child, int pos, bool& underflow) {
  const IsamPage* par = pages_.Fetch(parent);
  if (!par) return BTreeResult::Failed;
  const bool right = pos < par->count;
  const int sepIdx = right ? pos + 1 : pos;
  const Integer sibling = par->Child(right ? pos + 1 : pos - 1);
  IsamPage* a = pages_.Modify(child);
  IsamPage* b = a ? pages_.Modify(sibling) : nullptr;
  IsamPage* c = b ? pages_.Modify(parent) : nullptr;
  if (!c) return BTreeResult::Failed;
  const int n = pages_.Half();
  const int na = a->count;
  const int mb = b->count;
  const int k = (mb - n + 1) / 2;
  if (k <= 0 && na + 1 + mb > pages_.EntriesPerPage()) return Fail(isam_error::RebuildNeeded);
  IsamEntry sep = c->Entry(sepIdx);
  underflow = false;
  if (right && k > 0) {
    sep.child = b->leftChild;
    a->Entry(na + 1) = sep;
    for (int j = 1; j < k; ++j) a->Entry(na + 1 + j) = b->Entry(j);
    a->count = static_cast<Word>(na + k);
    IsamEntry up = b->Entry(k);
    b->leftChild = up.child;
    up.child = sibling;
    c->Entry(sepIdx) = up;
    for (int j = 1; j <= mb - k; ++j) b->Entry(j) = b->Entry(j + k);
    b->count = static_cast<Word>(mb - k);
    return BTreeResult::Done;
  }
  if (!right && k > 0) {
    for (int j = na; j >= 1; --j) a->Entry(j + k) = a->Entry(j);
    sep.child = a->leftChild;
    a->Entry(k) = sep;
    for (int j = 1; j < k; ++j) a->Entry(j) = b->Entry(mb - k + 1 + j);
    IsamEntry up = b->Entry(mb - k + 1);
    a->leftChild = up.child;
    up.child = child;
    c->Entry(sepIdx) = up;
    b->count = static_cast<Word>(mb - k);
    a->count = static_cast<Word>(na + k);
    return BTreeResult::Done;
  }
  // Merge into the left page of the pair; the right one is freed.
  IsamPage& left = right ? *a : *b;
  const IsamPage& rightPage = right ? *b : *a;
  sep.child = rightPage.leftChild;
  int t = left.count;
  left.Entry(++t) = sep;
  for (int j = 1; j <= rightPage.count; ++j) left.Entry(++t) = rightPage.Entry(j);
  left.count = static_cast<Word>(t);
  RemoveAt(*c, sepIdx);
  underflow = c->count < n;
  return pages_.Free(right ? sibling : child) ? BTreeResult::Done : BTreeResult::Failed;
}
