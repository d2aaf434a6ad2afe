// Pinned pages: a pinned page keeps its buffer however many other pages pass through the pool, and
// a pool whose every buffer is pinned refuses the next page with an error instead of reusing one.
#include <gtest/gtest.h>

#include <vector>

#include "isam_test_support.h"
#include "suite/isam/file_block.h"
#include "suite/isam/page_pool.h"

namespace {
TEST(PagePool, PinnedPagesStayAndAFullyPinnedPoolRefuses) {
  TempFolder dir;
  EngineScope engine(0, 8);
  ASSERT_TRUE(CreateFile(dir / "P", 30, {{9, 0}}));
  IsamFileBlock* fb = OpenFile(dir / "P");
  ASSERT_NE(fb, nullptr);
  for (int i = 0; i < 1000; ++i) IsamInsertKey(fb, 1, i + 1, std::to_string(10000 + i));
  IsamFlushFileBlock(fb);
  const Integer pages = fb->Key(1).allocated;
  ASSERT_GE(pages, 10);
  PagePool& pool = IsamPagePool();

  PageRef first = pool.Fetch(fb, 1, 1);
  ASSERT_TRUE(first);
  const IsamPage* held = &*first;
  const Word count = first->Count();
  for (int round = 0; round < 3; ++round)
    for (Integer p = 2; p <= pages; ++p) ASSERT_TRUE(pool.Fetch(fb, 1, p)) << p;
  EXPECT_EQ(&*first, held);
  EXPECT_EQ(first.Number(), 1);
  EXPECT_EQ(first->Count(), count);

  std::vector<PageRef> pinned;
  for (Integer p = 2; p <= 8; ++p) pinned.push_back(pool.Fetch(fb, 1, p));
  for (const PageRef& page : pinned) ASSERT_TRUE(page);
  EXPECT_FALSE(pool.Fetch(fb, 1, 9));
  EXPECT_EQ(IsamErrorCode, 10000);
  EXPECT_TRUE(pool.Fetch(fb, 1, 5)) << "a page already in a buffer is still found";
  pinned.pop_back();
  EXPECT_TRUE(pool.Fetch(fb, 1, 9));

  first = PageRef();
  pinned.clear();
  IsamCloseFileBlock(fb);
  EXPECT_TRUE(IsamLastOK) << IsamErrorCode;
}
}  // namespace
