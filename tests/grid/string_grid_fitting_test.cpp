// Fitting rows to their contents: the line count of a row over every displayed column.
#include <string>
#include <vector>

#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class StringGridFittingTest : public StringGridTest {};

TEST_F(StringGridFittingTest, RowLineCountTakesEveryDisplayedColumnAndNoMore) {
  const struct {
    const char* what;
    bool multiLine;
    std::vector<std::string> cells;   // row 1, columns 0 ..
    Integer lines;
  } cases[] = {
      {"single-line grid", false, {"a", "b\r\nc"}, 1},
      {"empty row", true, {"", ""}, 1},
      {"widest cell wins", true, {"a\r\nb", "c\r\nd\r\ne", "f"}, 3},
      {"the last column counts", true, {"a", "b", "c\r\nd\r\ne\r\nf"}, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(static_cast<Integer>(c.cells.size()));
    grid->SetMultilinecells(c.multiLine);
    for (size_t col = 0; col < c.cells.size(); ++col) grid->SetCellText(static_cast<Integer>(col), 1, c.cells[col]);
    EXPECT_EQ(grid->RowLineCount(1), c.lines);
  }
}

}  // namespace
}  // namespace gridtest
