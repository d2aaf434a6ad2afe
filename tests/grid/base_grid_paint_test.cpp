// Headless pictures of base grids, probed at chosen pixels (client coordinates): a merged range
// painted whole with 3-pixel lines inside it, fixed cells with their grey 1-pixel lines, a range
// scrolled under the fixed column, the active row, a gradient fill and the node column's missing
// bottom line.
#include <gtest/gtest.h>

#include <set>

#include "base_grid_fixture.h"
#include "platform/core/float_math.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

constexpr COLORREF kRed = 0x0000FF, kWhite = 0xFFFFFF, kGrey = 0x808080;

struct Probe {
  const char* what;
  Integer x, y;
  COLORREF color;
};

class BaseGridPaintTest : public BaseGridTest {
 protected:
  // 4 x 4 cells of 40 x 20, one fixed column and row, white, red lines GridLineWidth wide.
  TTestBaseGrid* SmallGrid(Integer ClientWidth, Integer LineWidth) {
    TTestBaseGrid* grid = NewGrid(4, 4, 40, 20, ClientWidth, 100);
    grid->SetGridLineWidth(LineWidth);
    return grid;
  }
  void ExpectPixels(TTestBaseGrid* grid, std::initializer_list<Probe> probes) {
    TempFolder folder;
    ASSERT_TRUE(driver_->SavePng(grid, folder / "grid.png"));
    for (const Probe& p : probes) EXPECT_EQ(driver_->Pixel(grid, p.x, p.y), p.color) << p.what;
  }
};

TEST_F(BaseGridPaintTest, ABaseCellPaintsItsWholeRangeWithTheLinesInsideIt) {
  TTestBaseGrid* grid = SmallGrid(200, 3);
  grid->MergeCells(1, 1, 2, 2);
  ExpectPixels(grid, {
                         {"range's bottom line", 60, 58, kRed},
                         {"range's right line", 118, 40, kRed},
                         {"no line inside the range", 78, 38, kWhite},
                         {"inside the range above its line", 60, 55, kWhite},
                         {"cell (3, 1)'s bottom line", 140, 38, kRed},
                         {"fixed cell (0, 1)'s bottom line", 20, 39, kGrey},
                         {"fixed cell (0, 1)'s right line", 39, 30, kGrey},
                         {"fixed cell (0, 1), 1-pixel lines", 20, 37, kWhite},
                     });
}

TEST_F(BaseGridPaintTest, ARangeScrolledUnderTheFixedColumnIsClippedOffIt) {
  TTestBaseGrid* grid = SmallGrid(120, 3);
  grid->MergeCells(1, 1, 3, 1);
  grid->SetLeftCol(2);
  ASSERT_EQ(grid->LeftCol(), 2);
  ExpectPixels(grid, {{"the range's bottom line", 60, 38, kRed}, {"the fixed cell under it", 20, 38, kWhite}});
}

TEST_F(BaseGridPaintTest, TheActiveRowColoursTheCurrentRowsOtherCells) {
  TTestBaseGrid* grid = SmallGrid(200, 1);
  grid->SetActiveRowShow(true);
  grid->SetCol(1);
  grid->SetRow(2);
  const COLORREF active = ColorToRGB(clInfoBk);
  ExpectPixels(grid, {{"another cell of the row", 100, 50, active},
                      {"the current cell", 60, 50, kWhite},
                      {"a cell of another row", 100, 70, kWhite}});
  grid->SetActiveRowColor(clLime);
  ExpectPixels(grid, {{"in the new colour", 140, 50, ColorToRGB(clLime)}});
}

// A GetCellStyle that gives a second colour fills the range with 64 bands from the brush colour
// to it: here a horizontal range of 80 pixels, red rising by 2 per band.
TEST_F(BaseGridPaintTest, ASecondColourFillsTheRangeWithSixtyFourBands) {
  TTestBaseGrid* grid = SmallGrid(200, 0);
  grid->MergeCells(1, 1, 2, 1);
  grid->cellStyle = [](Integer col, Integer row, TBrush* brush, TColor& colorTo, TCellGradientDirection& direction) {
    if (col != 1 || row != 1) return;
    brush->SetColor(clBlack);
    colorTo = TColor(RGB(128, 0, 0));
    direction = GradientHorizontal;
  };
  TempFolder folder;
  ASSERT_TRUE(driver_->SavePng(grid, folder / "grid.png"));
  std::set<COLORREF> bands;
  for (Integer x = 40; x < 120; ++x) bands.insert(driver_->Pixel(grid, x, 30));
  EXPECT_EQ(bands.size(), 64u);
  for (const Integer k : {0, 10, 63})
    EXPECT_EQ(driver_->Pixel(grid, 40 + Integer(Round(k * 1.25)), 30), RGB(2 * k, 0, 0)) << "band " << k;
  EXPECT_EQ(driver_->Pixel(grid, 60, 45), kWhite);   // below the range
}

TEST_F(BaseGridPaintTest, WithNodesColumnZeroHasNoBottomLine) {
  for (const bool nodes : {false, true}) {
    SCOPED_TRACE(nodes ? "nodes" : "no nodes");
    TTestBaseGrid* grid = SmallGrid(200, 1);
    grid->hasNodes = nodes;
    grid->Invalidate();
    ExpectPixels(grid, {{"column 0", 20, 39, nodes ? kWhite : kGrey}, {"column 1", 60, 39, kRed}});
  }
}

}  // namespace
}  // namespace gridtest
