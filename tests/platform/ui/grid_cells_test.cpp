// The string grid's cell store on its own: rows added and dropped without moving the others' cells,
// columns resized row by row, surviving cells kept in every case.
#include "platform/ui/grid_cells.h"

#include <gtest/gtest.h>

#include "platform/classes/object.h"

namespace {

TEST(GridCellsStore, GrowingRowByRowNeverMovesTheCellsAlreadyStored) {
  TGridCells store;
  store.Resize(30, 1);
  store.At(7, 0).Text = "first";
  const TGridCells::Cell* first = &store.At(7, 0);
  int moves = 0;
  for (Integer rows = 2; rows <= 10000; ++rows) {
    store.Resize(30, rows);
    store.At(29, rows - 1).Text = std::to_string(rows);
    if (&store.At(7, 0) != first) ++moves;
  }
  EXPECT_EQ(moves, 0);   // no store-wide copy as the grid grows
  EXPECT_EQ(store.At(7, 0).Text, "first");
  EXPECT_EQ(store.At(29, 4999).Text, "5000");
  EXPECT_EQ(store.RowCount(), 10000);
}

TEST(GridCellsStore, ShrinkingRowsInPlaceLeavesFreshCellsWhenTheyGrowBack) {
  TGridCells store;
  TObject object;
  store.Resize(3, 4);
  store.At(2, 3) = {"gone", &object};
  store.At(2, 1) = {"kept", &object};
  store.Resize(3, 2);
  store.Resize(3, 5);
  EXPECT_EQ(store.At(2, 1).Text, "kept");
  EXPECT_EQ(store.At(2, 1).Object, &object);
  EXPECT_EQ(store.At(2, 3).Text, "");
  EXPECT_EQ(store.At(2, 3).Object, nullptr);
}

TEST(GridCellsStore, AColumnCountChangeKeepsEveryCellAtItsPlace) {
  TGridCells store;
  store.Resize(2, 3);
  for (Integer r = 0; r < 3; ++r)
    for (Integer c = 0; c < 2; ++c) store.At(c, r).Text = std::to_string(c) + "." + std::to_string(r);
  store.Resize(4, 2);
  EXPECT_EQ(store.At(1, 1).Text, "1.1");
  EXPECT_EQ(store.At(3, 1).Text, "");
  store.Resize(1, 2);
  EXPECT_EQ(store.At(0, 1).Text, "0.1");
  EXPECT_EQ(store.ColCount(), 1);
}

TEST(GridCellsStore, SwappingRowsExchangesTheirBlocksAndLeavesTheOthers) {
  TGridCells store;
  TObject object;
  store.Resize(3, 3);
  for (Integer r = 0; r < 3; ++r)
    for (Integer c = 0; c < 3; ++c) store.At(c, r).Text = std::to_string(c) + "." + std::to_string(r);
  store.At(1, 2).Object = &object;
  const TGridCells::Cell* lowCell = &store.At(2, 2);
  store.SwapRows(0, 2);
  for (Integer c = 0; c < 3; ++c) {
    EXPECT_EQ(store.At(c, 0).Text, std::to_string(c) + ".2");
    EXPECT_EQ(store.At(c, 1).Text, std::to_string(c) + ".1");
    EXPECT_EQ(store.At(c, 2).Text, std::to_string(c) + ".0");
  }
  EXPECT_EQ(store.At(1, 0).Object, &object);
  EXPECT_EQ(store.At(1, 2).Object, nullptr);
  EXPECT_EQ(&store.At(2, 0), lowCell);   // the row's block moved, its cells did not
  store.SwapRows(1, 1);
  EXPECT_EQ(store.At(0, 1).Text, "0.1");
}

TEST(GridCellsStore, RowsOfDifferentGrowthStepsMoveAndResizeTogether) {
  // Rows 0-1 come from one growth step, rows 2-4 from another; moves, swaps, a column change and a
  // shrink keep every surviving text with its row.
  TGridCells store;
  store.Resize(2, 2);
  store.Resize(2, 5);
  for (Integer r = 0; r < 5; ++r) store.At(1, r).Text = "row" + std::to_string(r);
  store.SwapRows(0, 4);
  store.MoveRow(1, 3);   // 4 2 3 1 0
  store.Resize(3, 5);
  store.MoveCol(1, 2);
  const char* expected[] = {"row4", "row2", "row3", "row1", "row0"};
  for (Integer r = 0; r < 5; ++r) {
    EXPECT_EQ(store.At(2, r).Text, expected[r]) << r;
    EXPECT_EQ(store.At(1, r).Text, "") << r;
  }
  store.Resize(3, 2);
  store.Resize(3, 4);
  EXPECT_EQ(store.At(2, 1).Text, "row2");
  EXPECT_EQ(store.At(2, 2).Text, "");
  EXPECT_EQ(store.At(2, 3).Text, "");
}

}   // namespace
