// Fitting columns and rows to their contents: widths, heights, limits, the line count of a row, and
// the editor sizing its cell while typing.
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/pro_inplace_edit.h"
#include "grid/size_while_typing.h"
#include "platform/ui/canvas.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class StringGridFittingTest : public StringGridTest {
 protected:
  // A loaded 3 x 4 grid (one fixed row and column): MinColWidth 10, MinRowHeight DefaultRowHeight.
  TTestStringGrid* LoadedGrid() {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->Loaded();
    return grid;
  }
  static Integer TextWidth(TProStringGrid* Grid, const std::string& Text) {
    Grid->Canvas()->Font()->Assign(Grid->Font());
    return Grid->Canvas()->TextWidth(Text);
  }
  static Integer TextHeight(TProStringGrid* Grid) {
    Grid->Canvas()->Font()->Assign(Grid->Font());
    return Grid->Canvas()->TextHeight("gh");
  }
};

TEST_F(StringGridFittingTest, AColumnTakesItsWidestCellWithinTheLimits) {
  const std::string wide = "a rather wide text";
  const struct {
    const char* what;
    Integer lineWidth;
    bool growOnly;
    Integer startWidth;
    Integer maxWidth;
    bool mergeWideCell;   // the widest cell merged with the next column: it does not count
    Integer hookExtra;    // OnUpdateColumnSize adds this
    bool empty;
  } cases[] = {
      {"widest text", 1, false, 200, 0, false, 0, false},
      {"wider grid lines", 3, false, 200, 0, false, 0, false},
      {"grow only keeps a wider column", 1, true, 200, 0, false, 0, false},
      {"grow only widens a narrow one", 1, true, 20, 0, false, 0, false},
      {"the maximum limits", 1, false, 200, 40, false, 0, false},
      {"the hook changes the width", 1, false, 200, 0, false, 7, false},
      {"merged across columns", 1, false, 200, 0, true, 0, false},
      {"only empty cells: the minimum", 1, false, 200, 0, false, 0, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = LoadedGrid();
    grid->SetGridLineWidth(c.lineWidth);
    grid->SetMaxColWidth(c.maxWidth);
    grid->SetColWidths(1, c.startWidth);
    if (!c.empty) {
      grid->SetCellText(1, 1, "ab");
      grid->SetCellText(1, 2, wide);
    }
    if (c.mergeWideCell) grid->MergeCells(1, 2, 2, 1);
    grid->OnUpdateColumnSize = [&](TObject*, Integer, Integer& AWidth) { AWidth += c.hookExtra; };
    grid->FitColumnWidth(1, c.growOnly);

    const Integer widest = c.empty ? 0 : TextWidth(grid, c.mergeWideCell ? "ab" : wide);
    Integer expected = 2 * c.lineWidth + widest + grid->XMargin() + 2 + c.hookExtra;
    if (c.growOnly && c.startWidth >= expected) expected = c.startWidth;
    if (c.maxWidth > 0) expected = std::min(expected, c.maxWidth);
    expected = std::max<Integer>(expected, 10);
    EXPECT_EQ(grid->ColWidths(1), expected);
  }
}

TEST_F(StringGridFittingTest, AFixedHeaderIsMeasuredInTheFixedFontAndAGraphicAddsItsWidth) {
  TTestStringGrid* grid = LoadedGrid();
  grid->FixedFont()->SetSize(grid->Font()->Size() * 2);
  grid->SetCellText(1, 0, "Header");
  grid->FitColumnWidth(1, false);
  grid->Canvas()->Font()->Assign(grid->FixedFont());
  const Integer header = grid->Canvas()->TextWidth("Header");
  EXPECT_GT(header, TextWidth(grid, "Header"));
  EXPECT_EQ(grid->ColWidths(1), 2 + header + 2 + 2);

  grid->SetCellText(2, 1, "x");
  grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
  TPoint box{};
  grid->GetCellGraphicSize(2, 1, box);
  ASSERT_GT(box.X, 0);
  grid->FitColumnWidth(2, false);
  EXPECT_EQ(grid->ColWidths(2), 2 + box.X + TextWidth(grid, "x") + 2 + 2);
}

TEST_F(StringGridFittingTest, AutoSizeColumnsFitsTheNormalColumnsAndWidensThemAndTheAutoSizeSetterDoesTheSame) {
  for (const bool bySetter : {false, true}) {
    SCOPED_TRACE(bySetter ? "AutoSize" : "AutoSizeColumns");
    TTestStringGrid* grid = LoadedGrid();
    grid->SetCellText(0, 1, "fixed column text");
    grid->SetCellText(1, 1, "one");
    grid->SetCellText(2, 1, "three");
    const Integer fixedWidth = grid->ColWidths(0);
    if (bySetter)
      grid->SetAutoSize(true);
    else
      grid->AutoSizeColumns(false, 10);
    EXPECT_EQ(grid->ColWidths(0), fixedWidth);
    EXPECT_EQ(grid->ColWidths(1), 2 + TextWidth(grid, "one") + 4 + 10);
    EXPECT_EQ(grid->ColWidths(2), 2 + TextWidth(grid, "three") + 4 + 10);
  }
  TTestStringGrid* grid = LoadedGrid();
  grid->SetCellText(0, 1, "fixed column text");
  grid->SetMaxColWidth(30);
  grid->AutoSizeColumns(true, 50);
  EXPECT_EQ(grid->ColWidths(0), 30);
}

TEST_F(StringGridFittingTest, ARowTakesItsHighestCellWithinTheLimits) {
  const struct {
    const char* what;
    std::string text;
    bool growOnly;
    Integer startHeight;
    Integer maxHeight;
    bool mergeDown;     // the tall cell merged with the row below: it does not count
    Integer lines;      // expected text lines (0: the minimum height)
  } cases[] = {
      {"three lines", "a\r\nb\r\nc", false, 60, 0, false, 3},
      {"grow only keeps a higher row", "a\r\nb", true, 200, 0, false, 0},
      {"grow only raises a low one", "a\r\nb\r\nc", true, 20, 0, false, 3},
      {"the maximum limits", "a\r\nb\r\nc\r\nd", false, 60, 30, false, 4},
      {"merged across rows", "a\r\nb\r\nc", false, 60, 0, true, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = LoadedGrid();
    grid->SetMultilinecells(true);
    grid->SetMaxRowHeight(c.maxHeight);
    grid->SetRowHeights(1, c.startHeight);
    grid->SetCellText(1, 1, c.text);
    if (c.mergeDown) grid->MergeCells(1, 1, 1, 2);
    grid->SizeRowToContents(1, c.growOnly);

    Integer expected = 2 + c.lines * TextHeight(grid) + grid->YMargin();
    if (c.growOnly && c.startHeight >= expected) expected = c.startHeight;
    if (c.maxHeight > 0) expected = std::min(expected, c.maxHeight);
    expected = std::max(expected, grid->MinRowHeight());
    EXPECT_EQ(grid->RowHeights(1), expected);
  }
}

TEST_F(StringGridFittingTest, ACheckBoxRowTakesTheDefaultHeight) {
  TTestStringGrid* grid = LoadedGrid();
  grid->SetMinRowHeight(0);
  grid->SetRowHeights(1, 80);
  grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
  grid->FitRowHeight(1);
  EXPECT_EQ(grid->RowHeights(1), 2 + grid->DefaultRowHeight() + grid->YMargin());
}

TEST_F(StringGridFittingTest, RowHeightForLinesAddsAnEighthOfTheTextHeightPerLine) {
  TTestStringGrid* grid = LoadedGrid();
  grid->SetMinRowHeight(0);
  for (const Integer lines : {1, 2, 5}) {
    grid->SetRowHeightForLines(1, lines, 4);
    const Integer h = TextHeight(grid);
    EXPECT_EQ(grid->RowHeights(1), 4 + lines * (h + h / 8)) << lines;
  }
  grid->SetMaxRowHeight(25);
  grid->SetRowHeightForLines(1, 5, 4);
  EXPECT_EQ(grid->RowHeights(1), 25);
}

TEST_F(StringGridFittingTest, TheEditorGrowsItsColumnWhileTypingAndItsRowOnCtrlReturn) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetColCount(3);
  grid->SetRowCount(4);
  grid->Loaded();
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->SetMultilinecells(true);
  grid->SizeWhileTyping()->SetWidth(true);
  grid->SizeWhileTyping()->SetHeight(true);
  std::vector<Integer> endRowSizes;
  grid->OnEndRowSize = [&](TObject*, Integer ARow) { endRowSizes.push_back(ARow); };
  grid->SetColWidths(1, 20);
  grid->SetFocus();
  grid->ShowCellEditor();
  driver_->Settle();
  ASSERT_NE(grid->GetInplaceEditor(), nullptr);
  driver_->Type("a long line of typin");
  driver_->PressKey('G');   // its key-up fits the column
  EXPECT_EQ(grid->ColWidths(1), 2 + TextWidth(grid, "a long line of typing") + 4);
  const Integer width = grid->ColWidths(1);
  driver_->PressKey(VK_BACK);   // growing only: deleting keeps the width
  EXPECT_EQ(grid->ColWidths(1), width);

  // Without WordWrap the key-up leaves the row alone: the height is the one set for two lines.
  grid->SetWordWrap(false);
  const Integer h = TextHeight(grid);
  driver_->PressKey(VK_RETURN, TShiftState{ssCtrl});
  EXPECT_EQ(grid->RowHeights(1), 2 * grid->YMargin() + 2 * (h + h / 8));
  ASSERT_FALSE(endRowSizes.empty());
  EXPECT_EQ(endRowSizes.front(), 1);
}

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
