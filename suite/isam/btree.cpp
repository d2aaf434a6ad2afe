// B-tree search, stepping, insertion (with balancing) and deletion (with borrowing and merging).
#include "suite/isam/btree.h"

#include <cassert>
#include <cstring>
#include <limits>

#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"

namespace {
constexpr int MaxSequence = 2 * isam_format::EntriesPerPage + 2;
#ifdef NDEBUG
constexpr bool kAssertsCompiled = false;
#else
constexpr bool kAssertsCompiled = true;
#endif

// Inserts `e` into seq[0..n) at index `at`.
void InsertAt(IsamEntry* seq, int& n, int at, const IsamEntry& e) {
  for (int j = n; j > at; --j) seq[j] = seq[j - 1];
  seq[at] = e;
  ++n;
}

int CopyOut(const IsamPage& page, IsamEntry* seq, int n) {
  for (int j = 1; j <= page.Count(); ++j) seq[n++] = page.Entry(j);
  return n;
}

void CopyIn(IsamPage& page, const IsamEntry* seq, int from, int count) {
  for (int j = 0; j < count; ++j) page.SetEntry(j + 1, seq[from + j]);
  page.SetCount(count);
}

// Moves k entries from the right page through the separator to the end of the left page: the
// separator comes down, k - 1 of the right page's first entries follow it, the k-th goes up.
void BorrowFromRight(IsamEntry& separator, IsamPage& left, IsamPage& right, Integer rightNo, int k) {
  const int had = left.Count();
  IsamEntry down = separator;
  down.child = right.LeftChild();
  left.SetEntry(had + 1, down);
  left.CopyEntries(had + 2, right, 1, k - 1);
  left.SetCount(had + k);
  separator = right.Entry(k);
  right.SetLeftChild(separator.child);
  separator.child = rightNo;
  right.CopyEntries(1, right, k + 1, right.Count() - k);
  right.SetCount(right.Count() - k);
}

// Moves k entries from the end of the left page through the separator to the front of the right
// page: the separator comes down as the right page's k-th entry, k - 1 of the left page's last
// entries go before it, the one before those goes up.
void BorrowFromLeft(IsamEntry& separator, IsamPage& left, IsamPage& right, Integer rightNo, int k) {
  const int had = left.Count();
  right.CopyEntries(k + 1, right, 1, right.Count());
  IsamEntry down = separator;
  down.child = right.LeftChild();
  right.SetEntry(k, down);
  right.CopyEntries(1, left, had - k + 2, k - 1);
  separator = left.Entry(had - k + 1);
  right.SetLeftChild(separator.child);
  separator.child = rightNo;
  left.SetCount(had - k);
  right.SetCount(right.Count() + k);
}

// Joins the separator and the right page's entries onto the left page; the parent loses the
// separator (and with it its link to the right page).
void Merge(IsamPage& parent, int sep, IsamPage& left, const IsamPage& right) {
  IsamEntry down = parent.Entry(sep);
  down.child = right.LeftChild();
  const int had = left.Count();
  left.SetEntry(had + 1, down);
  left.CopyEntries(had + 2, right, 1, right.Count());
  left.SetCount(had + 1 + right.Count());
  parent.RemoveAt(sep);
}

BTreeResult Fail(Integer code) {
  IsamFail(code);
  return BTreeResult::Failed;
}
}  // namespace

int BTree::Compare(const KeyArg& arg, const KeyArg& other) {
  const int c = CompareKeyTexts(arg.text, other.text);
  if (c != 0 || !pages_.Header().duplicates) return c;
  // Equal texts order by reference: the sign of the wrapping 32-bit difference.
  const auto d = static_cast<Integer>(static_cast<std::uint32_t>(arg.ref) - static_cast<std::uint32_t>(other.ref));
  return (d > 0) - (d < 0);
}

bool BTree::PageSound(const IsamPage& page) {
  if (page.Count() > pages_.EntriesPerPage()) return false;
  const bool leaf = page.LeftChild() == 0;
  for (int i = 1; i <= page.Count(); ++i) {
    if ((page.Child(i) == 0) != leaf) return false;
    if (i > 1 && !Less(ArgOf(page, i - 1), ArgOf(page, i))) return false;
  }
  return true;
}

bool BTree::SoundForAsserts(const IsamPage& page) { return !kAssertsCompiled || PageSound(page); }

bool BTree::InOrderAcross(const IsamPage& left, const KeyArg& separator, const IsamPage& right) {
  return (left.Count() == 0 || Less(ArgOf(left, left.Count()), separator)) &&
         (right.Count() == 0 || Less(separator, ArgOf(right, 1)));
}

bool BTree::Fits(const IsamPage& page, int after, const IsamEntry& entry) {
  return (after == 0 || Less(ArgOf(page, after), ArgOf(entry))) &&
         (after == page.Count() || Less(ArgOf(entry), ArgOf(page, after + 1)));
}

bool BTree::Sound(const Family& f) {
  return f.parent->Child(f.sep - 1) == f.left.Number() && f.parent->Child(f.sep) == f.right.Number() &&
         PageSound(*f.left) && PageSound(*f.right) && InOrderAcross(*f.left, ArgOf(*f.parent, f.sep), *f.right);
}

bool BTree::Search(const IsamPage& page, const KeyArg& arg, int& hi) {
  int lo = 1;
  hi = page.Count();
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    const int c = Compare(arg, ArgOf(page, mid));
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
    const PageRef page = pages_.Fetch(p);
    if (!page) return BTreeResult::Failed;
    int hi;
    const bool found = Search(*page, arg, hi);
    path.levels[path.depth++] = {p, found ? hi + 1 : hi};
    if (found) {
      ref = page->Ref(hi + 1);
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
    const PageRef page = pages_.Fetch(top.page);
    if (!page) return BTreeResult::Failed;
    p = page->Child(top.pos);
  }
  while (p != 0) {
    if (path.depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
    path.levels[path.depth++] = {p, 0};
    const PageRef page = pages_.Fetch(p);
    if (!page) return BTreeResult::Failed;
    p = page->LeftChild();
  }
  while (path.depth > 0) {
    auto& top = path.levels[path.depth - 1];
    const PageRef page = pages_.Fetch(top.page);
    if (!page) return BTreeResult::Failed;
    if (top.pos < page->Count()) {
      ++top.pos;
      ref = page->Ref(top.pos);
      std::memcpy(text, page->Text(top.pos), page->Text(top.pos)[0] + 1u);
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

BTreeResult BTree::FetchFamily(Integer parentNo, int pos, Integer pageNo, Family& f, bool& pageIsLeft) {
  f.parent = pages_.Fetch(parentNo);
  if (!f.parent) return BTreeResult::Failed;
  // The parent must still link the page where the descent found it (a damaged tree can link a page
  // twice, so that work below changed the parent), and an inner page without entries has no second
  // child: only a damaged tree holds one.
  if (pos > f.parent->Count() || f.parent->Child(pos) != pageNo || f.parent->Count() == 0)
    return Fail(isam_error::RebuildNeeded);
  pageIsLeft = pos < f.parent->Count();
  f.sep = pageIsLeft ? pos + 1 : pos;
  const Integer siblingNo = f.parent->Child(pageIsLeft ? pos + 1 : pos - 1);
  if (siblingNo == pageNo || siblingNo == parentNo || pageNo == parentNo) return Fail(isam_error::RebuildNeeded);
  PageRef page = pages_.Fetch(pageNo);
  PageRef sibling = page ? pages_.Fetch(siblingNo) : PageRef();
  if (!sibling) return BTreeResult::Failed;
  f.left = pageIsLeft ? std::move(page) : std::move(sibling);
  f.right = pageIsLeft ? std::move(sibling) : std::move(page);
  // Entries are about to move between the two pages: they must be of one kind (leaves or inner
  // pages) and in order across the separator, or the move would spread the damage (and, where the
  // asserts are compiled, each page in order within).
  const bool sameKind = (f.left->LeftChild() == 0) == (f.right->LeftChild() == 0);
  if (!sameKind || !InOrderAcross(*f.left, ArgOf(*f.parent, f.sep), *f.right) || !SoundForAsserts(*f.left) ||
      !SoundForAsserts(*f.right))
    return Fail(isam_error::RebuildNeeded);
  return BTreeResult::Done;
}

bool BTree::ModifyFamily(Family& f) {
  return pages_.Modify(f.left) && pages_.Modify(f.right) && pages_.Modify(f.parent);
}

BTreeResult BTree::Insert(const KeyArg& arg) {
  InvalidatePath();
  if (pages_.Header().entries == std::numeric_limits<Integer>::max()) return Fail(isam_error::ShortWrite);
  Grown up;
  const BTreeResult r = InsertBelow(pages_.Header().root, arg, 0, 0, 0, up);
  if (r != BTreeResult::Done) return r;
  if (up.grown) {
    const PageRef root = pages_.New();
    if (!root) return BTreeResult::Failed;
    root->SetLeftChild(pages_.Header().root);
    root->InsertAt(0, up.entry);
    pages_.Header().root = root.Number();
  }
  if (!pages_.ChangeHeader()) return BTreeResult::Failed;
  ++pages_.Header().entries;
  return BTreeResult::Done;
}

BTreeResult BTree::InsertBelow(Integer pageNo, const KeyArg& arg, Integer parentNo, int parentPos,
                               int depth, Grown& up) {
  if (pageNo == 0) {
    up.grown = true;
    up.entry.ref = arg.ref;
    up.entry.child = 0;
    SetEntryText(up.entry, arg.text);
    return BTreeResult::Done;
  }
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  int hi = 0;
  Integer child = 0;
  {
    const PageRef page = pages_.Fetch(pageNo);
    if (!page) return BTreeResult::Failed;
    if (Search(*page, arg, hi)) return BTreeResult::Missing;
    child = page->Child(hi);
  }
  const BTreeResult r = InsertBelow(child, arg, pageNo, hi, depth + 1, up);
  if (r != BTreeResult::Done || !up.grown) return r;
  const IsamEntry entry = up.entry;
  up.grown = false;
  return Place(pageNo, hi, entry, parentNo, parentPos, up);
}

BTreeResult BTree::Place(Integer pageNo, int after, const IsamEntry& entry, Integer parentNo, int parentPos,
                         Grown& up) {
  {
    PageRef page = pages_.Fetch(pageNo);
    if (!page) return BTreeResult::Failed;
    // The page must be as the search found it (a damaged tree that links it twice can have changed
    // it below).  An entry moved up from a split below lies between its neighbours only if the
    // subtree was in order; a new entry, where the search put it, unless the page is out of order
    // within (checked where the asserts are compiled, like the pages of Balance and Repair).
    const bool checkFit = entry.child != 0 || kAssertsCompiled;
    if (after > page->Count() || (checkFit && !Fits(*page, after, entry))) return Fail(isam_error::RebuildNeeded);
    assert(Fits(*page, after, entry));
    if (page->Count() < pages_.EntriesPerPage()) {
      if (!pages_.Modify(page)) return BTreeResult::Failed;
      page->InsertAt(after, entry);
      return BTreeResult::Done;
    }
  }
  if (parentNo != 0) {
    bool balanced = false;
    const BTreeResult r = Balance(pageNo, after, entry, parentNo, parentPos, balanced);
    if (r != BTreeResult::Done || balanced) return r;
  }
  return Split(pageNo, after, entry, up);
}

// Spreads a full page, its new entry, the separator and a sibling with room over the two pages;
// `balanced` stays false when the sibling is full too.
BTreeResult BTree::Balance(Integer pageNo, int after, const IsamEntry& entry, Integer parentNo, int parentPos,
                           bool& balanced) {
  Family f;
  bool fullIsLeft = false;
  const BTreeResult r = FetchFamily(parentNo, parentPos, pageNo, f, fullIsLeft);
  if (r != BTreeResult::Done) return r;
  assert((fullIsLeft ? f.left : f.right)->Count() == pages_.EntriesPerPage());
  if ((fullIsLeft ? f.right : f.left)->Count() >= pages_.EntriesPerPage()) return BTreeResult::Done;
  if (!ModifyFamily(f)) return BTreeResult::Failed;
  [[maybe_unused]] const int before = f.left->Count() + f.right->Count();

  IsamEntry seq[MaxSequence];
  int t = CopyOut(*f.left, seq, 0);
  IsamEntry down = f.parent->Entry(f.sep);
  down.child = f.right->LeftChild();
  seq[t++] = down;
  t = CopyOut(*f.right, seq, t);
  InsertAt(seq, t, fullIsLeft ? after : f.left->Count() + 1 + after, entry);
  // The overflowing page keeps floor(t / 2) entries, its sibling ceil(t / 2) - 1.
  const int x = fullIsLeft ? t / 2 : (t + 1) / 2 - 1;
  CopyIn(*f.left, seq, 0, x);
  IsamEntry up = seq[x];
  f.right->SetLeftChild(up.child);
  CopyIn(*f.right, seq, x + 1, t - x - 1);
  up.child = f.right.Number();
  f.parent->SetEntry(f.sep, up);
  balanced = true;
  assert(Sound(f) && f.left->Count() + f.right->Count() == before + 1);
  assert(f.left->Count() >= pages_.Half() && f.right->Count() >= pages_.Half());
  return BTreeResult::Done;
}

// Splits a full page: of its entries and the new one, the first n stay, the next moves up (handed
// back in `up`) and the rest go to a new page on its right.
BTreeResult BTree::Split(Integer pageNo, int after, const IsamEntry& entry, Grown& up) {
  {
    // Where the asserts are compiled, a page out of order within (a damaged file) is refused before
    // a page is allocated for its upper half.
    const PageRef page = pages_.Fetch(pageNo);
    if (!page) return BTreeResult::Failed;
    if (!SoundForAsserts(*page)) return Fail(isam_error::RebuildNeeded);
  }
  const PageRef right = pages_.New();
  if (!right) return BTreeResult::Failed;
  const PageRef left = pages_.Modify(pageNo);
  if (!left) return BTreeResult::Failed;
  assert(left->Count() == pages_.EntriesPerPage());
  IsamEntry seq[MaxSequence];
  int t = CopyOut(*left, seq, 0);
  InsertAt(seq, t, after, entry);
  const int keep = pages_.Half();
  CopyIn(*left, seq, 0, keep);
  up.entry = seq[keep];
  right->SetLeftChild(up.entry.child);
  CopyIn(*right, seq, keep + 1, t - keep - 1);
  up.entry.child = right.Number();
  up.grown = true;
  assert(left->Count() + right->Count() == pages_.EntriesPerPage() && right->Count() >= keep);
  assert(PageSound(*left) && PageSound(*right) && InOrderAcross(*left, ArgOf(up.entry), *right));
  return BTreeResult::Done;
}

BTreeResult BTree::Remove(const KeyArg& arg) {
  InvalidatePath();
  // A tree that the count says is empty has nothing to remove; a root beside it is damage.
  if (pages_.Header().entries <= 0)
    return pages_.Header().root == 0 ? BTreeResult::Missing : Fail(isam_error::RebuildNeeded);
  bool underflow = false;
  const BTreeResult r = RemoveBelow(pages_.Header().root, arg, 0, underflow);
  if (r != BTreeResult::Done) return r;
  PageRef root = pages_.Fetch(pages_.Header().root);
  if (!root) return BTreeResult::Failed;
  if (root->Count() == 0) {
    const Integer newRoot = root->LeftChild();
    if (!pages_.Modify(root) || !pages_.ChangeHeader()) return BTreeResult::Failed;
    pages_.Header().root = newRoot;
    if (!pages_.Free(std::move(root))) return BTreeResult::Failed;
  }
  if (!pages_.ChangeHeader()) return BTreeResult::Failed;
  --pages_.Header().entries;
  return BTreeResult::Done;
}

BTreeResult BTree::RemoveBelow(Integer pageNo, const KeyArg& arg, int depth, bool& underflow) {
  if (pageNo == 0) return BTreeResult::Missing;
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  bool found = false;
  int hi = 0;
  Integer child = 0;
  {
    const PageRef page = pages_.Fetch(pageNo);
    if (!page) return BTreeResult::Failed;
    found = Search(*page, arg, hi);
    child = page->Child(hi);
  }
  bool childUnderflow = false;
  BTreeResult r;
  if (!found) {
    r = RemoveBelow(child, arg, depth + 1, childUnderflow);
  } else if (child == 0) {
    const PageRef leaf = pages_.Modify(pageNo);
    if (!leaf) return BTreeResult::Failed;
    leaf->RemoveAt(hi + 1);
    underflow = leaf->Count() < pages_.Half();
    return BTreeResult::Done;
  } else {
    r = TakePredecessor(child, pageNo, hi + 1, depth + 1, childUnderflow);
  }
  if (r != BTreeResult::Done || !childUnderflow) return r;
  return Repair(pageNo, child, hi, underflow);
}

// Replaces entry targetPos of page targetNo by the last entry of the rightmost leaf under pageNo.
BTreeResult BTree::TakePredecessor(Integer pageNo, Integer targetNo, int targetPos, int depth,
                                   bool& underflow) {
  if (depth == isam_format::MaxPathLevels) return Fail(isam_error::RebuildNeeded);
  int last = 0;
  Integer rightmost = 0;
  {
    const PageRef page = pages_.Fetch(pageNo);
    if (!page) return BTreeResult::Failed;
    last = page->Count();
    rightmost = page->Child(last);
  }
  if (rightmost != 0) {
    bool childUnderflow = false;
    const BTreeResult r = TakePredecessor(rightmost, targetNo, targetPos, depth + 1, childUnderflow);
    if (r != BTreeResult::Done || !childUnderflow) return r;
    return Repair(pageNo, rightmost, last, underflow);
  }
  if (last == 0) return Fail(isam_error::RebuildNeeded);
  const PageRef target = pages_.Modify(targetNo);
  const PageRef leaf = target ? pages_.Modify(pageNo) : PageRef();
  if (!leaf) return BTreeResult::Failed;
  // The entry is where the descent found it, unless a damaged tree links its page twice.
  if (targetPos > target->Count()) return Fail(isam_error::RebuildNeeded);
  const int taken = leaf->Count();
  target->SetRefAndText(targetPos, leaf->Ref(taken), leaf->Text(taken));
  leaf->SetCount(taken - 1);
  underflow = leaf->Count() < pages_.Half();
  return BTreeResult::Done;
}

// Repairs child(pos) of the parent, left with too few entries by a removal, with its sibling (the
// right one unless it is the last child): borrows k entries through the parent when the sibling
// can spare them, else merges the pair into the left page and frees the right one.
BTreeResult BTree::Repair(Integer parentNo, Integer pageNo, int pos, bool& underflow) {
  Family f;
  bool shortIsLeft = false;
  const BTreeResult r = FetchFamily(parentNo, pos, pageNo, f, shortIsLeft);
  if (r != BTreeResult::Done) return r;
  const int n = pages_.Half();
  const int k = ((shortIsLeft ? f.right : f.left)->Count() - n + 1) / 2;
  const int before = f.left->Count() + f.right->Count();
  // The page is short as the removal below left it, unless a damaged tree links it twice; a pair
  // that cannot borrow must fit one page.
  if ((shortIsLeft ? f.left : f.right)->Count() >= n || (k <= 0 && before + 1 > pages_.EntriesPerPage()))
    return Fail(isam_error::RebuildNeeded);
  if (!ModifyFamily(f)) return BTreeResult::Failed;
  underflow = false;
  if (k > 0) {
    IsamEntry separator = f.parent->Entry(f.sep);
    if (shortIsLeft) BorrowFromRight(separator, *f.left, *f.right, f.right.Number(), k);
    else BorrowFromLeft(separator, *f.left, *f.right, f.right.Number(), k);
    f.parent->SetEntry(f.sep, separator);
    assert(Sound(f) && f.left->Count() + f.right->Count() == before);
    return BTreeResult::Done;
  }
  Merge(*f.parent, f.sep, *f.left, *f.right);
  underflow = f.parent->Count() < n;
  assert(f.parent->Child(f.sep - 1) == f.left.Number() && f.left->Count() == before + 1 && PageSound(*f.left));
  return pages_.Free(std::move(f.right)) ? BTreeResult::Done : BTreeResult::Failed;
}
