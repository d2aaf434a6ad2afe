#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "grid/pro_rich_edit.h"
#include "grid/size_while_typing.h"
#include "platform/classes/tstrings.h"
#include "platform/user/clipboard_text.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

const std::string kRed = R"({\rtf1{\colortbl ;\red255\green0\blue0;}\cf1\b RED})";
constexpr COLORREF kRedPixel = 0x0000FF;

std::string Paragraphs(int count) {
  std::string rtf = R"({\rtf1 )";
  for (int i = 0; i < count; ++i) rtf += "line " + std::to_string(i) + (i + 1 < count ? "\\par " : "");
  return rtf + "}";
}

class RichTextCellTest : public PaintTest {};

TEST_F(RichTextCellTest, AnRtfCellShowsItsTextInItsColoursInsideTheCell) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetCells(1, 1, kRed);
  grid->SetCells(3, 3, kRed);
  grid->SetSelectionTextColor(TColor(0x00FF00));
  grid->SetSelection(TGridRect{3, 3, 4, 4});   // (3, 3) selected, not the current cell
  Paint(grid);
  EXPECT_GT(Count(grid, 1, 1, kRedPixel), 10);
  for (const auto& [col, row] : {std::pair{2, 1}, std::pair{1, 2}, std::pair{2, 2}})
    EXPECT_EQ(Count(grid, col, row, kRedPixel), 0) << col << "," << row;
  EXPECT_EQ(Count(grid, 3, 3, kRedPixel), 0) << "a selected cell takes the selection's text colour";
  EXPECT_GT(Count(grid, 3, 3, 0x00FF00), 10);

  grid->SetSelectionRTFKeep(true);
  Paint(grid);
  EXPECT_GT(Count(grid, 3, 3, kRedPixel), 10) << "SelectionRTFKeep keeps the text's own colours";
}

TEST_F(RichTextCellTest, AnRtfCellMeasuresByItsLines) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetCells(1, 1, Paragraphs(1));
  grid->SetCells(2, 1, Paragraphs(3));
  grid->SetCells(3, 1, R"({\rtf1 a text much wider than one cell of sixty pixels})");
  const TSize one = grid->MeasureCellText(1, 1, false);
  const Integer margins = one.cy - grid->RichEdit()->ReqHeight();
  EXPECT_GT(grid->RichEdit()->ReqHeight(), 8);
  const TSize three = grid->MeasureCellText(2, 1, false);
  EXPECT_EQ(three.cy - margins, 3 * (one.cy - margins));
  const TSize wide = grid->MeasureCellText(3, 1, false);
  EXPECT_GT(wide.cx, 60);
  EXPECT_EQ(wide.cy, one.cy);
  const TSize wrapped = grid->MeasureCellText(3, 1, true);   // wrapped to the cell: as wide, more lines
  EXPECT_GT(wrapped.cy, one.cy);
  EXPECT_LT(wrapped.cx, wide.cx);
}

TEST_F(RichTextCellTest, HostileRichTextPaintsAndMeasuresAsItsReadableText) {
  TPaintGrid* grid = NewPaintGrid();
  const std::string hostile[] = {
      "{\\" + std::string(200000, '{') + "x",                               // deep and never closed
      R"({\rtf1\fs99999999999999\cf1 \u99999999999999 ok}}}}})",          // huge numbers, extra braces
      R"({\rtf1{\colortbl ;\red255\green0\blue0;}\cf1 A}\cf1 B})",     // text after the document
  };
  for (const std::string& text : hostile) {
    grid->SetCells(1, 1, text);
    Paint(grid);
    const TSize size = grid->MeasureCellText(1, 1, false);
    EXPECT_GE(size.cy, 0);
    EXPECT_EQ(Count(grid, 2, 1, kRedPixel), 0);
  }
  EXPECT_GT(Count(grid, 1, 1, kRedPixel), 0) << "the document's own text still shows";
}

TEST_F(RichTextCellTest, CopiesAndDragsTakeTheRichTextsPlainText) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetCells(1, 1, R"({\rtf1{\fonttbl{\f0 Tahoma;}}\f0 first\par second})");
  grid->SetCells(2, 1, "plain");
  grid->CopyRangeToClipboard(TGridRect{1, 1, 2, 1}, false);
  EXPECT_EQ(ClipboardText(nullptr), "first\r\nsecond\tplain");
  grid->SetSelection(TGridRect{1, 1, 2, 1});
  EXPECT_EQ(grid->SelectionDragText(), "first\r\nsecond\tplain");
  grid->LoadRichEditFromCell(1, 1, grid->RichEditor());
  EXPECT_EQ(ReadRichText(grid->RichEditText(grid->RichEditor())), ReadRichText(grid->Cells(1, 1)));
  grid->LoadRichEditFromCell(3, 3, grid->RichEditor());   // an empty cell clears the edit
  EXPECT_EQ(grid->RichEditor()->Lines()->Count(), 0);
}

TEST_F(RichTextCellTest, RichTextGrowsTheRowOnlyToTheGridsBottom) {
  TPaintGrid* grid = NewPaintGrid();   // 170 pixels high, rows of 20
  grid->SizeWhileTyping()->SetHeight(true);
  grid->SetCol(1);
  grid->SetRow(2);
  TProRichEdit* editor = grid->RichEditor();
  editor->SetParent(grid);
  const TRect cell = grid->CellRect(1, 2);
  editor->SetBounds(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top);
  std::vector<Integer> endRowSizes;
  grid->OnEndRowSize = [&endRowSizes](TObject*, Integer row) { endRowSizes.push_back(row); };
  editor->Perform(EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);

  editor->Lock();
  grid->SetCells(1, 2, Paragraphs(3));
  grid->LoadRichEditFromCell(1, 2, editor);
  EXPECT_EQ(grid->RowHeights(2), 20) << "a locked editor grows nothing";
  editor->Unlock();
  grid->LoadRichEditFromCell(1, 2, editor);
  const Integer grown = grid->RowHeights(2);
  EXPECT_GT(grown, 20);
  EXPECT_EQ(editor->Height(), grown - 1);
  EXPECT_EQ(endRowSizes, std::vector<Integer>{2});

  grid->SetCells(1, 2, Paragraphs(30));   // far past the grid's bottom
  grid->LoadRichEditFromCell(1, 2, editor);
  EXPECT_EQ(grid->RowHeights(2), grown);
  EXPECT_EQ(endRowSizes.size(), 1u);
}

}  // namespace
}  // namespace gridtest
