// Marks the string grid paints over its cells, probed in headless pictures: the selection's outline
// and resizer handle, the numbered glyphs of a multi-column sort, the tree lines of node rows, and
// the radio looks drawn by the grid itself, and pictures in cells.
#include <gtest/gtest.h>

#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/control_look.h"
#include "grid/file_picture.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/classes/string_list.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/picture.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

const COLORREF kBlack = RGB(0, 0, 0);

TEST_F(PaintTest, TheSelectionOutlineAndResizerMarkTheSelectionsEdgesOnly) {
  const struct {
    const char* what;
    bool rectangle;
    bool resizer;
  } cases[] = {{"rectangle", true, false}, {"resizer", false, true}, {"both", true, true}, {"none", false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetShowSelection(false);
    grid->SetSelectionRectangle(c.rectangle);
    grid->SetSelectionResizer(c.resizer);
    grid->SetSelection(TGridRect{2, 2, 3, 3});
    Paint(grid);
    // CellRect holds the cell's right and bottom grid lines.
    const TRect topLeft = grid->CellRect(2, 2), bottomRight = grid->CellRect(3, 3);
    // Outline sides: left of (2, 2), top of (3, 2), right and bottom of (3, 3) over its grid lines.
    EXPECT_EQ(At(grid, topLeft.Left + 1, topLeft.Top + 10) == kBlack, c.rectangle) << "left side";
    EXPECT_EQ(AtCell(grid, 3, 2, 30, 1) == kBlack, c.rectangle) << "top side";
    EXPECT_EQ(At(grid, bottomRight.Right - 1, bottomRight.Top + 10) == kBlack, c.rectangle) << "right side";
    EXPECT_EQ(At(grid, bottomRight.Left + 20, bottomRight.Bottom - 1) == kBlack, c.rectangle) << "bottom";
    // No side inside the selection or outside it.
    EXPECT_NE(AtCell(grid, 3, 2, 1, 10), kBlack) << "an inner left edge";
    EXPECT_NE(AtCell(grid, 4, 4, 1, 10), kBlack) << "a cell outside";
    // The handle: 4 x 4 at the selection's bottom-right corner, beyond the 2-pixel lines.
    EXPECT_EQ(At(grid, bottomRight.Right - 4, bottomRight.Bottom - 4) == kBlack, c.resizer);
    EXPECT_NE(At(grid, bottomRight.Right - 5, bottomRight.Bottom - 5), kBlack);
  }
}

TEST_F(PaintTest, AMultiColumnSortNumbersItsColumnsWithIndexShowAndMarksOnlyTheFirstWithout) {
  struct Case {
    const char* what;
    bool indexShow;
    bool secondAscending;
  };
  const Case cases[] = {{"IndexShow", true, true}, {"IndexShow, second descending", true, false},
                        {"without IndexShow", false, true}};
  std::vector<std::vector<COLORREF>> secondGlyphs;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetLook(glStandard);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetIndexShow(c.indexShow);
    grid->SortSettings()->SetIndexColor(clYellow);
    grid->SortSettings()->SetColumn(2);
    grid->SortIndexes()->AddIndex(2, true);
    grid->SortIndexes()->AddIndex(4, c.secondAscending);
    Paint(grid);
    const COLORREF yellow = ColorToRGB(clYellow);
    EXPECT_EQ(Count(grid, 2, 0, yellow) > 0, c.indexShow) << "the first column";
    EXPECT_EQ(Count(grid, 4, 0, yellow) > 0, c.indexShow) << "the second column";
    EXPECT_EQ(Count(grid, 3, 0, yellow), 0) << "a column outside the sort";
    if (!c.indexShow) {
      EXPECT_GT(Count(grid, 2, 0, 0xFFFFFF), 0) << "the first column's single glyph";
      EXPECT_EQ(CellPixels(grid, 4, 0), CellPixels(grid, 5, 0)) << "nothing in the second";
      continue;
    }
    EXPECT_GT(Count(grid, 4, 0, kBlack), 0) << "the number is inked";
    if (c.secondAscending) {
      // Same direction and place: the two glyphs differ only in their numbers, 1 and 2.
      EXPECT_NE(CellPixels(grid, 2, 0), CellPixels(grid, 4, 0));
    }
    secondGlyphs.push_back(CellPixels(grid, 4, 0));
  }
  ASSERT_EQ(secondGlyphs.size(), 2u);
  EXPECT_NE(secondGlyphs[0], secondGlyphs[1]) << "the direction turns the triangle";
}

TEST_F(PaintTest, TreeLinesJoinANodeToItsChildrenAndStopAtTheLastChild) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->AddNode(1, 3);   // node row 1, children 2 and 3
  grid->AddNode(4, 2);   // node row 4, child 5
  grid->CellNode()->SetNodeType(cnFlat);
  grid->CellNode()->SetTreeColor(clRed);
  Paint(grid);
  const COLORREF red = RGB(255, 0, 0);
  // Red pixels in column 0's left 24 pixels, in the cell's rows Top + From .. Top + To.
  auto redIn = [&](Integer row, Integer from, Integer to) {
    const TRect r = grid->CellRect(0, row);
    Integer n = 0;
    for (Integer y = r.Top + from; y <= r.Top + to; ++y)
      for (Integer x = r.Left; x < r.Left + 24; ++x) n += At(grid, x, y) == red;
    return n;
  };
  // Cells are 20 pixels high (the last is the grid line): the middle is at 9 or 10.
  EXPECT_GT(redIn(2, 0, 6), 0) << "a middle child: from the top";
  EXPECT_GT(redIn(2, 13, 18), 0) << "a middle child: on to the bottom";
  EXPECT_GE(redIn(2, 8, 11), 5) << "a middle child: its branch";
  EXPECT_GT(redIn(3, 0, 6), 0) << "the last child: from the top";
  EXPECT_EQ(redIn(3, 13, 18), 0) << "the last child: ends at its branch";
  EXPECT_GE(redIn(3, 8, 11), 5) << "the last child: its branch";
  EXPECT_EQ(redIn(1, 0, 3), 0) << "the first node: nothing above it";
  EXPECT_GT(redIn(1, 16, 18), 0) << "the first node: down to its children";
  EXPECT_GT(redIn(4, 0, 3), 0) << "the next node: joined to the rows above";

  grid->CellNode()->SetShowTree(false);
  Paint(grid);
  for (Integer row = 1; row <= 5; ++row) EXPECT_EQ(redIn(row, 0, 18), 0) << "without ShowTree, row " << row;
}

// A 10 x 10 glyph in Color whose bottom-left pixel (its transparent colour) is white.
void FillGlyph(TBitmap* glyph, TColor color) {
  glyph->SetSize(10, 10);
  glyph->Canvas()->Brush()->SetColor(color);
  glyph->Canvas()->FillRect(TRect{0, 0, 10, 10});
  glyph->Canvas()->SetPixels(0, 9, clWhite);
}

TEST_F(PaintTest, DiamondAndGlyphRadiosShowWhichItemIsChecked) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->ControlLook()->SetColor(clRed);
  TBitmap on, off;
  FillGlyph(&on, clBlue);
  FillGlyph(&off, clLime);
  grid->ControlLook()->SetRadioOnGlyph(&on);
  grid->ControlLook()->SetRadioOffGlyph(&off);
  for (Integer row : {2, 3}) {
    TCellGraphic* radio = grid->CreateCellGraphic(2, row);
    radio->SetCellType(ctRadio);
    radio->SetCellIndex(row == 2 ? 0 : -1);   // row 2: "" checked; row 3: no caption is the text
    radio->SetCellBoolean(true);
    auto* captions = new TStringList;
    captions->Add("");
    captions->Add("");
    radio->SetCellBitmap(captions);
    radio->SetCellCreated(true);
  }
  grid->SetCellText(2, 3, "x");
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), lime = RGB(0, 255, 0);
  const COLORREF face = ColorToRGB(clBtnFace);

  grid->ControlLook()->SetControlStyle(ProGrid::csVarlund);
  Paint(grid);
  EXPECT_GT(Count(grid, 2, 2, red), 0) << "the checked diamond's inner diamond";
  EXPECT_EQ(Count(grid, 2, 3, red), 0) << "nothing checked";
  EXPECT_GT(Count(grid, 2, 3, face), 20) << "two unchecked diamonds";

  grid->ControlLook()->SetControlStyle(ProGrid::csGlyph);
  Paint(grid);
  EXPECT_EQ(Count(grid, 2, 2, blue), 99) << "one checked glyph, its transparent corner left out";
  EXPECT_EQ(Count(grid, 2, 2, lime), 99) << "one unchecked glyph";
  EXPECT_EQ(Count(grid, 2, 3, blue), 0);
  EXPECT_EQ(Count(grid, 2, 3, lime), 2 * 99);
}

TEST_F(PaintTest, PicturesAndFilePicturesShowInTheirCellsAndAFilePictureIsReadAtEveryPaint) {
  TempFolder folder;
  const std::string path = folder / "cell.bmp";
  auto writeFile = [&](TColor color) {
    TBitmap bitmap;
    FillGlyph(&bitmap, color);
    bitmap.SaveToFile(path);
  };
  writeFile(clBlue);
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  TCellGraphic* held = grid->CreateCellGraphic(2, 2);
  held->SetCellType(ctPicture);
  auto* picture = new TPicture;
  TBitmap redGlyph;
  FillGlyph(&redGlyph, clRed);
  picture->SetGraphic(&redGlyph);
  held->SetCellBitmap(picture);
  held->SetCellCreated(true);
  TCellGraphic* file = grid->CreateCellGraphic(3, 2);
  file->SetCellType(ctFilePicture);
  auto* filePicture = new TFilePicture;
  filePicture->SetFilename(path);
  file->SetCellBitmap(filePicture);
  file->SetCellCreated(true);
  TPoint size{};
  grid->GetCellGraphicSize(3, 2, size);
  EXPECT_EQ(size, (TPoint{10, 10})) << "the file picture's own size";

  Paint(grid);
  const COLORREF red = RGB(255, 0, 0), blue = RGB(0, 0, 255), lime = RGB(0, 255, 0);
  EXPECT_GE(Count(grid, 2, 2, red), 99) << "the held picture";
  EXPECT_GE(Count(grid, 3, 2, blue), 99) << "the file's picture";
  writeFile(clLime);
  Paint(grid);
  EXPECT_EQ(Count(grid, 3, 2, blue), 0) << "the file is read again";
  EXPECT_GE(Count(grid, 3, 2, lime), 99);
}

}  // namespace
}  // namespace gridtest

