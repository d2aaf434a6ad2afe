// Page fill of the B-tree: splitting, balancing with a sibling, borrowing, merging and the root's
// growth and collapse, read back page by page with the independent reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "isam_test_support.h"
#include "record_file_reader.h"

namespace {
using Levels = std::vector<std::vector<Integer>>;

// One key (L = 9, no duplicates) whose tree the steps below shape.
class Tree {
 public:
  explicit Tree(const std::string& name) : name_(name) {
    CreateFile(name, 30, {{9, 0}});
    fb_ = OpenFile(name);
  }
  ~Tree() { IsamCloseFileBlock(fb_); }
  bool Ok() const { return fb_ != nullptr; }
  IsamFileBlock* fb() const { return fb_; }
  const std::string& name() const { return name_; }
  // Closes and opens again, so that nothing of the file stays cached.
  void Reopen() {
    IsamCloseFileBlock(fb_);
    fb_ = OpenFile(name_);
  }

  void Insert(const std::string& text) {
    IsamInsertKey(fb_, 1, ++refs_, text);
    ASSERT_TRUE(IsamLastOK) << text << ": " << IsamErrorCode;
  }
  void Remove(const std::string& text) {
    IsamRemoveKey(fb_, 1, 0, text);
    ASSERT_TRUE(IsamLastOK) << text << ": " << IsamErrorCode;
  }
  // Keys 0, 10, 20, ... as five-digit texts.
  void InsertSpaced(int count) {
    for (int i = 0; i < count; ++i) {
      char t[8];
      std::snprintf(t, sizeof t, "%05d", i * 10);
      Insert(t);
    }
  }
  RecordFileImage Image() {
    IsamFlushFileBlock(fb_);
    return ReadRecordFile(name_);
  }
  // The texts held by leaf `i` (0-based) of a two-level tree, in order.
  std::vector<std::string> Leaf(size_t i) {
    const RecordFileImage img = Image();
    const auto& leaves = img.keys[0].levelCounts.at(1);
    size_t at = 0;
    for (size_t j = 0; j < i; ++j) at += static_cast<size_t>(leaves[j]) + 1;
    std::vector<std::string> texts;
    for (Integer j = 0; j < leaves.at(i); ++j) texts.push_back(img.keys[0].ordered[at + static_cast<size_t>(j)].first);
    return texts;
  }
  // Adds n keys that fall inside leaf i (each just after one of its spaced keys).
  void GrowLeaf(size_t i, int n) {
    std::vector<std::string> spaced;
    for (const auto& k : Leaf(i)) if (k.size() == 5) spaced.push_back(k);
    const std::string suffix = std::string("5") + static_cast<char>('a' + growCalls_++);
    for (int j = 0; j < n; ++j) Insert(spaced.at(static_cast<size_t>(j)) + suffix);
  }
  // Removes the first n keys of leaf i.
  void ShrinkLeaf(size_t i, int n) {
    const auto keys = Leaf(i);
    for (int j = 0; j < n; ++j) Remove(keys.at(static_cast<size_t>(j)));
  }

 private:
  std::string name_;
  IsamFileBlock* fb_ = nullptr;
  Integer refs_ = 0;
  int growCalls_ = 0;
};

struct Case {
  const char* what;
  std::function<void(Tree&)> steps;
  Levels levels;
  Integer freePages;
};

TEST(BTreePages, FillFollowsTheSplitBalanceAndMergeRules) {
  // A two-leaf tree of 31 | 31 after the 63rd insertion; "full pair" has leaves 31 | 31 | 62.
  auto fullPair = [](Tree& t) {
    t.InsertSpaced(63);
    t.GrowLeaf(0, 31);
    t.GrowLeaf(1, 31);
    t.GrowLeaf(0, 1);
  };
  const Case cases[] = {
      {"one page holds 62", [](Tree& t) { t.InsertSpaced(62); }, {{62}}, 0},
      {"the 63rd insertion splits the root", [](Tree& t) { t.InsertSpaced(63); }, {{1}, {31, 31}}, 0},
      {"a full page balances with its right sibling of 40",
       [](Tree& t) { t.InsertSpaced(63); t.GrowLeaf(1, 9); t.GrowLeaf(0, 31); t.GrowLeaf(0, 1); },
       {{1}, {52, 51}}, 0},
      {"the last child balances with its left sibling of 40",
       [](Tree& t) { t.InsertSpaced(63); t.GrowLeaf(0, 9); t.GrowLeaf(1, 31); t.GrowLeaf(1, 1); },
       {{1}, {51, 52}}, 0},
      {"a full page whose sibling is full splits", fullPair, {{2}, {31, 31, 62}}, 0},
      {"a short leaf merges with a right sibling of 31",
       [&](Tree& t) { fullPair(t); t.ShrinkLeaf(2, 31); t.ShrinkLeaf(0, 1); }, {{1}, {62, 31}}, 1},
      {"a short leaf borrows 2 from a right sibling of 35",
       [&](Tree& t) { fullPair(t); t.ShrinkLeaf(2, 27); t.ShrinkLeaf(1, 1); }, {{2}, {31, 32, 33}}, 0},
      {"the last child merges into its left sibling",
       [&](Tree& t) { fullPair(t); t.ShrinkLeaf(2, 31); t.ShrinkLeaf(2, 1); },
       {{1}, {31, 62}}, 1},
      {"a merge that empties the root collapses it",
       [](Tree& t) { t.InsertSpaced(63); t.ShrinkLeaf(1, 1); }, {{62}}, 2},
      {"removing the only entry leaves an empty tree", [](Tree& t) { t.Insert("only"); t.Remove("only"); }, {}, 1},
  };
  TempFolder dir;
  EngineScope engine(0, 8);
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Tree tree(dir / ("T" + std::to_string(++n)));
    ASSERT_TRUE(tree.Ok());
    c.steps(tree);
    if (::testing::Test::HasFatalFailure()) continue;
    const RecordFileImage img = tree.Image();
    EXPECT_TRUE(img.faults.empty()) << img.faults.front();
    EXPECT_EQ(img.keys[0].levelCounts, c.levels);
    EXPECT_EQ(img.keys[0].freeCount, c.freePages);
    EXPECT_EQ(static_cast<Integer>(img.keys[0].freePages.size()), c.freePages);
    if (c.levels.empty()) {
      EXPECT_EQ(img.keys[0].root, 0);
    }
  }
}

// A damaged page never gives a silent wrong answer: what the engine reads from it is refused with
// 10010 (rebuild needed) before it can misplace or lose an entry.
TEST(BTreePages, DamagedPagesAreRefused) {
  // Page p of the one key (L = 9, pages of 62 x 18 + 6 = 1,122 bytes) lies at p x 1,122; entry i
  // at 6 + (i - 1) x 18 in it: reference, right child, length byte, text.  After the 63rd insertion
  // leaf page 1 holds 00000..00300 and leaf page 2 00320..00620, under the separator 00310.
  auto entryAt = [](long page, long i) { return page * 1122 + 6 + (i - 1) * 18; };
  auto find = [](Tree& t, const char* text) {
    Integer ref = 0;
    IsamFindKey(t.fb(), 1, ref, text);
  };
  const struct {
    const char* what;
    bool fullLeftLeaf;   // leaf page 1 grown to 62 entries first
    long offset;
    unsigned char value;
    std::function<void(Tree&)> meet;
  } cases[] = {
      {"a full leaf whose last key passes the separator, met by balancing", true, entryAt(1, 62) + 9, '9',
       [](Tree& t) { IsamInsertKey(t.fb(), 1, 999, "00005"); }},
      {"a leaf whose first key falls before the separator, met by repairing", false, entryAt(2, 1) + 11, '0',
       [](Tree& t) { IsamRemoveKey(t.fb(), 1, 0, "00000"); }},
      {"a page that claims 63 entries", false, 1122, 63, [&](Tree& t) { find(t, "00000"); }},
      {"a key text longer than L", false, entryAt(1, 1) + 8, 10, [&](Tree& t) { find(t, "00000"); }},
  };
  TempFolder dir;
  EngineScope engine(0, 8);
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Tree tree(dir / ("D" + std::to_string(++n)));
    ASSERT_TRUE(tree.Ok());
    tree.InsertSpaced(63);
    if (c.fullLeftLeaf) tree.GrowLeaf(0, 31);
    if (::testing::Test::HasFatalFailure()) continue;
    IsamFlushFileBlock(tree.fb());
    PokeByte(tree.name() + ".IX", c.offset, c.value);
    tree.Reopen();
    ASSERT_TRUE(tree.Ok());
    c.meet(tree);
    EXPECT_FALSE(IsamLastOK);
    EXPECT_EQ(IsamErrorCode, 10010);
  }
}

// Duplicates: equal texts order by reference; removal names the pair.  Without duplicates the
// reference plays no part.
TEST(BTreePages, DuplicatesAndReferences) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "D", 30, {{9, 1}, {9, 0}}));
  IsamFileBlock* fb = OpenFile(dir / "D");
  ASSERT_NE(fb, nullptr);
  for (Integer ref : {12, 7}) IsamInsertKey(fb, 1, ref, "X");
  IsamInsertKey(fb, 2, 12, "X");
  Integer found = 0;
  IsamFindKey(fb, 1, found, "X");
  EXPECT_EQ(found, 7);
  IsamRemoveKey(fb, 1, 99, "X");
  EXPECT_EQ(IsamErrorCode, 10220);
  IsamRemoveKey(fb, 1, 12, "X");
  EXPECT_TRUE(IsamLastOK);
  IsamFindKey(fb, 1, found, "X");
  EXPECT_EQ(found, 7);
  IsamRemoveKey(fb, 2, 99, "X");
  EXPECT_TRUE(IsamLastOK);
  IsamFindKey(fb, 2, found, "X");
  EXPECT_EQ(IsamErrorCode, 10200);
  EXPECT_EQ(found, 0);
  IsamCloseFileBlock(fb);
}

// Stepping: past the last entry 10250, and the next step starts from the first entry again.
TEST(BTreePages, SteppingPastTheEndRestarts) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "N", 30, {{9, 0}}));
  IsamFileBlock* fb = OpenFile(dir / "N");
  ASSERT_NE(fb, nullptr);
  for (int i = 0; i < 100; ++i) IsamInsertKey(fb, 1, i + 1, std::to_string(1000 + i));
  Integer ref = 0;
  std::string text;
  IsamFindKey(fb, 1, ref, "1097");
  std::vector<std::string> seen;
  for (int i = 0; i < 4; ++i) {
    IsamNextKey(fb, 1, ref, text);
    seen.push_back(IsamLastOK ? text : std::to_string(IsamErrorCode));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"1098", "1099", "10250", "1000"}));
  IsamCloseFileBlock(fb);
}
}  // namespace
