// The undo store: records kept oldest first within MaxLevel, and the links between a grid and its
// store cleared when either goes.
#include "grid/pro_grid_undo_redo.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base_grid.h"

namespace {

std::vector<Integer> RecordedCols(const TProGridUndoRedo& store) {
  std::vector<Integer> cols;
  for (Integer i = 0; i < store.Items()->Count(); ++i) cols.push_back(store.Items()->Items(i)->Col());
  return cols;
}

TEST(UndoStoreTest, MaxLevelBoundsTheRecordsAndLoweringItNeverShrinksTheList) {
  const struct {
    const char* what;
    Integer maxLevel, registrations, lowerTo, later;
    std::vector<Integer> cols;
  } cases[] = {
      {"MaxLevel 3, five changes", 3, 5, 3, 0, {2, 3, 4}},
      {"MaxLevel 0 keeps all", 0, 5, 0, 0, {0, 1, 2, 3, 4}},
      {"lowered to 2 after four", 0, 4, 2, 1, {1, 2, 3, 10}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TProGridUndoRedo store(nullptr);
    store.SetMaxLevel(c.maxLevel);
    for (Integer i = 0; i < c.registrations; ++i) store.RegisterChange(i, 7, "was" + std::to_string(i), "now");
    store.SetMaxLevel(c.lowerTo);
    for (Integer i = 0; i < c.later; ++i) store.RegisterChange(10 + i, 7, "", "now");
    EXPECT_EQ(RecordedCols(store), c.cols);
    EXPECT_EQ(store.Level(), Integer(c.cols.size()));
  }
  TProGridUndoRedo store(nullptr);
  store.RegisterChange(3, 4, "before", "after");
  const TUndoRedoItem* item = store.Items()->Items(0);
  EXPECT_EQ(item->Col(), 3);
  EXPECT_EQ(item->Row(), 4);
  EXPECT_EQ(item->OrigValue(), "before");
  EXPECT_EQ(item->Value(), "after");
}

TEST(UndoStoreTest, TheGridAndTheStoreForgetEachOtherWhenEitherGoes) {
  auto store = std::make_unique<TProGridUndoRedo>(nullptr);
  auto grid = std::make_unique<TBaseGrid>(nullptr);
  grid->SetUndoRedo(store.get());
  EXPECT_EQ(store->Grid(), grid.get());
  grid.reset();
  EXPECT_EQ(store->Grid(), nullptr);

  grid = std::make_unique<TBaseGrid>(nullptr);
  grid->SetUndoRedo(store.get());
  store.reset();
  EXPECT_EQ(grid->UndoRedo(), nullptr);
  grid->SetUndoRedo(nullptr);
  EXPECT_EQ(grid->UndoRedo(), nullptr);
}

}  // namespace
