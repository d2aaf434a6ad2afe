// The base grid's cells: reads that create nothing, merged ranges and the base-cell rule on texts,
// splitting, geometry of scrolled ranges, the order inside the resets, graphic objects, the
// display hooks and the footer notification.
#include <gtest/gtest.h>

#include <memory>

#include "base_grid_fixture.h"
#include "grid/wide_cell_text.h"
#include "platform/ui/control.h"

namespace gridtest {
namespace {

// A windowless grid of Cols x Rows whose cells hold "<col>,<row>".
std::unique_ptr<TTestBaseGrid> FilledGrid(Integer Cols = 6, Integer Rows = 6) {
  auto grid = std::make_unique<TTestBaseGrid>(nullptr);
  grid->SetColCount(Cols);
  grid->SetRowCount(Rows);
  for (Integer col = 0; col < Cols; ++col)
    for (Integer row = 0; row < Rows; ++row)
      grid->SetRawCellText(col, row, std::to_string(col) + "," + std::to_string(row));
  return grid;
}

Integer PropertiesCount(const TBaseGrid& grid) {
  Integer count = 0;
  for (Integer col = 0; col < grid.ColCount(); ++col)
    for (Integer row = 0; row < grid.RowCount(); ++row) count += grid.HasCellProperties(col, row) ? 1 : 0;
  return count;
}

TEST(BaseGridCellsTest, ReadingCreatesNoPropertiesGettingMergingAndSplittingDo) {
  auto grid = FilledGrid();
  EXPECT_EQ(grid->GetCellText(2, 3), "2,3");
  EXPECT_FALSE(grid->IsMergedCell(2, 3));
  EXPECT_TRUE(grid->IsBaseCell(2, 3));
  EXPECT_FALSE(grid->IsCoveredCell(2, 3));
  EXPECT_FALSE(grid->IsColSpanned(2, 3));
  EXPECT_EQ(grid->GetCellSpan(2, 3), (TPoint{0, 0}));
  EXPECT_EQ(grid->GetBaseCell(2, 3), (TPoint{2, 3}));
  EXPECT_EQ(grid->GetCellGraphicObject(2, 3), nullptr);
  EXPECT_FALSE(grid->RowsShareMergedRanges(2, 3));
  EXPECT_EQ(PropertiesCount(*grid), 0);
  grid->GetCellProperties(2, 3);
  grid->SplitCells(4, 4);
  EXPECT_EQ(PropertiesCount(*grid), 2);
  grid->MergeCells(0, 0, 2, 1);
  EXPECT_EQ(PropertiesCount(*grid), 4);
}

TEST(BaseGridCellsTest, AMergedRangeRedirectsTextsToItsBaseCell) {
  auto grid = FilledGrid();
  grid->MergeCells(1, 1, 3, 2);
  const struct {
    Integer col, row;
    bool isBase, merged, covered;
    TPoint ownSpans, base;
  } cells[] = {
      {1, 1, true, true, false, {2, 1}, {1, 1}},  {3, 2, false, true, true, {2, 1}, {1, 1}},
      {2, 1, false, true, true, {1, 0}, {1, 1}},  {1, 2, false, true, true, {0, 1}, {1, 1}},
  };
  for (const auto& c : cells) {
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
    const TCellProperties* props = grid->GetCellProperties(c.col, c.row);
    EXPECT_EQ(props->IsBaseCell(), c.isBase);
    EXPECT_EQ((TPoint{props->CellSpanX(), props->CellSpanY()}), c.ownSpans);
    EXPECT_EQ(grid->IsMergedCell(c.col, c.row), c.merged);
    EXPECT_EQ(grid->IsCoveredCell(c.col, c.row), c.covered);
    EXPECT_EQ(grid->GetBaseCell(c.col, c.row), c.base);
    EXPECT_EQ(grid->GetCellSpan(c.col, c.row), (TPoint{2, 1}));
    EXPECT_TRUE(grid->IsColSpanned(c.col, c.row));
    EXPECT_TRUE(grid->IsRowSpanned(c.col, c.row));
    EXPECT_EQ(grid->GetCellText(c.col, c.row), "1,1");
  }
  EXPECT_FALSE(grid->HasCellProperties(4, 1));
  EXPECT_EQ(grid->GetCellText(4, 1), "4,1");

  grid->SetCellText(2, 2, "x");
  EXPECT_EQ(grid->GetRawCellText(1, 1), "x");
  EXPECT_EQ(grid->GetRawCellText(2, 2), "2,2");
  EXPECT_EQ(grid->Cells(3, 1), "x");

  // Splitting from any cell of the range shows the covered cells' own texts again.
  grid->SplitCells(3, 2);
  for (Integer col = 1; col <= 3; ++col) {
    for (Integer row = 1; row <= 2; ++row) {
      const TCellProperties* props = grid->GetCellProperties(col, row);
      EXPECT_TRUE(props->IsBaseCell());
      EXPECT_EQ(props->CellSpanX(), -1);
      EXPECT_EQ(props->CellSpanY(), -1);
    }
  }
  EXPECT_EQ(grid->GetCellText(3, 2), "3,2");
  EXPECT_EQ(grid->GetCellText(1, 1), "x");
  grid->SplitCells(3, 2);   // unmerged: nothing changes
  EXPECT_EQ(grid->GetCellText(3, 2), "3,2");
}

TEST(BaseGridCellsTest, DegenerateMergesAndRangesOutsideTheGrid) {
  auto grid = FilledGrid();
  grid->MergeCells(4, 3, 1, 1);
  EXPECT_TRUE(grid->IsBaseCell(4, 3));
  EXPECT_FALSE(grid->IsMergedCell(4, 3));
  EXPECT_EQ(grid->GetCellProperties(4, 3)->CellSpanX(), 0);
  for (const TPoint size : {TPoint{0, 2}, TPoint{2, 0}, TPoint{-1, 3}}) grid->MergeCells(1, 1, size.X, size.Y);
  EXPECT_EQ(PropertiesCount(*grid), 1);
  // A range reaching past the grid raises the grid's index error before it records anything.
  try {
    grid->MergeCells(4, 4, 3, 1);
    ADD_FAILURE() << "no error";
  } catch (const EInvalidGridOperation& e) {
    EXPECT_EQ(e.Message(), "Grid index out of range");
  }
  EXPECT_EQ(PropertiesCount(*grid), 1);
  EXPECT_THROW(grid->GetCellText(6, 0), EInvalidGridOperation);
  EXPECT_THROW(grid->SetCellText(0, -1, "x"), EInvalidGridOperation);
}

TEST(BaseGridCellsTest, RowsShareMergedRangesWhenEveryRowSpanningColumnHasOneBaseRow) {
  auto grid = FilledGrid(6, 8);
  grid->MergeCells(1, 1, 1, 3);   // column 1, rows 1-3
  grid->MergeCells(3, 1, 1, 2);   // column 3, rows 1-2
  grid->MergeCells(3, 4, 2, 2);   // columns 3-4, rows 4-5
  grid->MergeCells(0, 6, 2, 1);   // row 6 only: spans no rows
  const struct {
    Integer a, b;
    bool shared;
  } cases[] = {{1, 2, true}, {2, 3, true}, {3, 4, false}, {4, 5, true}, {1, 4, false}, {6, 6, false}, {0, 7, false}};
  for (const auto& c : cases) EXPECT_EQ(grid->RowsShareMergedRanges(c.a, c.b), c.shared) << c.a << " " << c.b;
}

class BaseGridGeometryTest : public BaseGridTest {};

// 10 x 10 cells of 40 x 20, one fixed column and row, scrolled to LeftCol 3, TopRow 2.
TEST_F(BaseGridGeometryTest, RangesAndCellsInAndOutOfViewOnAScrolledGrid) {
  TTestBaseGrid* grid = NewGrid(10, 10, 40, 20, 200, 100);
  grid->SetLeftCol(3);
  grid->SetTopRow(2);
  EXPECT_EQ(grid->FixedColsWidth(), 40);
  EXPECT_EQ(grid->FixedRowsHeight(), 20);
  const struct {
    Integer col, row;
    TRect rect;
  } virtualRects[] = {
      {3, 2, {40, 20, 80, 40}},  {4, 3, {80, 40, 120, 60}}, {1, 1, {-40, 0, 0, 20}},
      {0, 0, {0, 0, 40, 20}},    {0, 5, {0, 80, 40, 100}},  {9, 0, {280, 0, 320, 20}},
  };
  for (const auto& v : virtualRects)
    EXPECT_EQ(grid->VirtualCellRect(v.col, v.row), v.rect) << v.col << "," << v.row;

  EXPECT_EQ(grid->CellSpanRect(4, 3), (TRect{80, 40, 120, 60}));   // in view, no properties
  EXPECT_EQ(grid->CellSpanRect(1, 1), (TRect{}));                  // out of view
  TControl control(nullptr);
  grid->GetCellProperties(1, 5)->SetControl(&control);
  EXPECT_EQ(grid->CellSpanRect(1, 5), (TRect{-40, 80, 0, 100}));   // a control's cell, out of view
  grid->MergeCells(1, 1, 3, 2);
  for (const TPoint cell : {TPoint{1, 1}, TPoint{3, 2}, TPoint{2, 1}})
    EXPECT_EQ(grid->CellSpanRect(cell.X, cell.Y), (TRect{-40, 0, 80, 40})) << cell.X << "," << cell.Y;
  EXPECT_EQ(grid->MergedCellExtent(2, 2), (TPoint{120, 40}));
  EXPECT_EQ(grid->MergedCellExtent(5, 5), (TPoint{40, 20}));
}

// Row inserts and sorting rely on the order: ResetRow and ResetColumn detach first, so the covered
// cells of a range lose their own texts; ResetCell writes first, so it empties the base cell.
TEST(BaseGridCellsTest, ResetCellEmptiesTheBaseTextFirstResetRowAndColumnDetachFirst) {
  const struct {
    const char* what;
    void (*reset)(TTestBaseGrid&);
    std::string baseText, coveredText;   // raw texts of (1, 1) and (2, 2) afterwards
  } cases[] = {
      {"ResetCell of a covered cell", [](TTestBaseGrid& g) { g.ResetCell(2, 2); }, "", "2,2"},
      {"ResetRow", [](TTestBaseGrid& g) { g.ResetRow(2); }, "1,1", ""},
      {"ResetColumn", [](TTestBaseGrid& g) { g.ResetColumn(2); }, "1,1", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto grid = FilledGrid();
    grid->MergeCells(1, 1, 2, 2);
    std::vector<TObject*> before;
    for (Integer col = 1; col <= 2; ++col)
      for (Integer row = 1; row <= 2; ++row) before.push_back(grid->GetRawCellObject(col, row));
    c.reset(*grid);
    EXPECT_EQ(grid->GetRawCellText(1, 1), c.baseText);
    EXPECT_EQ(grid->GetRawCellText(2, 2), c.coveredText);
    EXPECT_EQ(grid->GetRawCellObject(2, 2), nullptr);
    // A reset detaches without freeing: what left the grid is the test's to free.
    for (TObject* object : before) {
      bool kept = false;
      for (Integer col = 1; col <= 2; ++col)
        for (Integer row = 1; row <= 2; ++row) kept = kept || grid->GetRawCellObject(col, row) == object;
      if (!kept) delete object;
    }
  }
}

TEST(BaseGridCellsTest, AGraphicOnAnEmptyCellCreatesItsPropertiesAndLeavesTheTextEmpty) {
  auto grid = FilledGrid();
  grid->SetColor(clYellow);
  grid->SetRawCellText(2, 2, "");
  TObject graphic;
  grid->SetCellGraphicObject(2, 2, &graphic);
  EXPECT_EQ(grid->GetCellGraphicObject(2, 2), &graphic);
  EXPECT_EQ(grid->GetRawCellText(2, 2), "");
  EXPECT_EQ(grid->GetCellProperties(2, 2)->BrushColor(), clYellow);   // the grid's initial look
  grid->SetCellGraphicObject(3, 2, &graphic);
  EXPECT_EQ(grid->GetRawCellText(3, 2), "3,2");
  grid->SetCellGraphicObject(3, 2, nullptr);
  EXPECT_EQ(grid->GetCellGraphicObject(3, 2), nullptr);
}

TEST(BaseGridCellsTest, DisplayHooksRunBelowRealRowCountWithTheBaseCellsCoordinates) {
  auto grid = FilledGrid();
  grid->SetRealRowCount(3);
  grid->MergeCells(1, 1, 2, 1);
  grid->SetRawCellText(1, 1, "abc");
  std::vector<std::string> seen;
  grid->OnGetDisplText = [&](TObject*, Integer col, Integer row, std::string& value) {
    seen.push_back("text " + std::to_string(col) + "," + std::to_string(row) + " " + value);
  };
  EXPECT_EQ(grid->GetCellText(2, 1), "abc");
  grid->OnGetDisplWideText = [&](TObject*, Integer col, Integer row, std::u16string& value) {
    seen.push_back("wide " + std::to_string(col) + "," + std::to_string(row));
    value += u"!";
  };
  EXPECT_EQ(grid->GetCellText(2, 1), EncodeWideCellText(u"abc!"));
  EXPECT_EQ(grid->GetCellText(0, 2), EncodeWideCellText(u"0,2!"));
  EXPECT_EQ(grid->GetCellText(1, 3), "1,3");   // at RealRowCount: as stored
  EXPECT_EQ(grid->GetCellText(5, 5), "5,5");
  EXPECT_EQ(seen, (std::vector<std::string>{"text 1,1 abc", "text 1,1 abc", "wide 1,1", "text 0,2 0,2", "wide 0,2"}));
  EXPECT_EQ(grid->log, (std::vector<std::string>{"displ 1,1", "displ 1,1", "wide 1,1", "displ 0,2", "wide 0,2"}));
}

TEST(BaseGridCellsTest, EveryWriteToTheLastRowTellsTheFooterOnceWhileItIsTheFooter) {
  auto grid = FilledGrid();
  grid->MergeCells(1, 4, 2, 2);   // reaches the last row
  grid->SetCellText(1, 5, "a");
  EXPECT_TRUE(grid->log.empty());
  grid->SetLastRowIsFooter(true);
  grid->SetCellText(1, 5, "b");   // a covered cell of the last row
  grid->SetCellText(4, 5, "c");
  grid->SetCellText(4, 4, "d");
  grid->SetCellText(0, 5, "e");
  EXPECT_EQ(grid->log, (std::vector<std::string>{"footer", "footer", "footer"}));
  EXPECT_EQ(grid->GetRawCellText(1, 4), "b");
}

}  // namespace
}  // namespace gridtest
