// ShowModified's colour change repaints the modified-row bars at once, without a full repaint.
#include "grid/show_modified.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

class ShowModifiedTest : public PaintTest {};

TEST_F(ShowModifiedTest, ANewColourRepaintsTheBarsOfTheRowsInView) {
  TPaintGrid* grid = NewPaintGrid();
  grid->ShowModified()->SetEnabled(true);
  grid->ShowModified()->SetColor(clRed);
  grid->SetRowModified(2, true);
  grid->SetRowModified(4, true);
  Paint(grid);
  for (const Integer row : {2, 4}) EXPECT_EQ(AtCell(grid, 0, row, 57, 10), ColorToRGB(clRed)) << row;

  grid->drawnRows.clear();
  grid->ShowModified()->SetColor(clBlue);
  driver_->Settle();
  for (const Integer row : {2, 4}) EXPECT_EQ(AtCell(grid, 0, row, 57, 10), ColorToRGB(clBlue)) << row;
  EXPECT_FALSE(grid->drawnRows.empty());
}

}  // namespace
}  // namespace gridtest
