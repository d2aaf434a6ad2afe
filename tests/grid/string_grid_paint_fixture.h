// Fixture of the string grid's painting tests: a 6 x 6 grid of 60 x 20 cells with one fixed row
// and column on a shown form, its cell style, and probes of its headless picture.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/brush.h"
#include "platform/ui/font.h"
#include "string_grid_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {

class TPaintGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  using TProStringGrid::GetCellStyle;
};

struct CellStyle {
  TColor brush;
  TColor fontColor;
  TFontStyles fontStyle;
  Integer fontSize;
  TAlignment alignment;
  TGridDrawState state;
};

class PaintTest : public StringGridTest {
 protected:
  // 6 x 6 cells of 60 x 20 with one fixed row and column, on a shown form.
  TPaintGrid* NewPaintGrid() {
    TForm* form = NewForm("PaintForm" + std::to_string(++forms_), true);
    form->SetBounds(0, 0, 520, 320);
    auto* grid = new TPaintGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 420, 170);
    grid->SetColCount(6);
    grid->SetRowCount(6);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(20);
    grid->SetCol(5);
    grid->SetRow(5);
    driver_->Settle();
    return grid;
  }

  CellStyle Style(TPaintGrid* grid, Integer col, Integer row, TGridDrawState state = {}) {
    TBrush brush;
    TFont font;
    TColor colorTo = clNone;
    TAlignment alignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    bool wrap = false;
    TCellGradientDirection direction = GradientHorizontal;
    grid->GetCellStyle(col, row, state, false, true, true, &brush, colorTo, &font, alignment, vAlignment, wrap,
                       direction);
    return {brush.Color(), font.Color(), font.Style(), font.Size(), alignment, state};
  }

  void Paint(TPaintGrid* grid) {
    grid->Invalidate();
    TempFolder folder;
    ASSERT_TRUE(driver_->SavePng(grid, folder / "grid.png"));
  }
  COLORREF At(TPaintGrid* grid, Integer x, Integer y) { return driver_->Pixel(grid, x, y); }
  COLORREF AtCell(TPaintGrid* grid, Integer col, Integer row, Integer dx, Integer dy) {
    const TRect r = grid->CellRect(col, row);
    return At(grid, r.Left + dx, r.Top + dy);
  }

  // The pixels of a cell's inside (its grid lines left out), row by row.
  std::vector<COLORREF> CellPixels(TPaintGrid* grid, Integer col, Integer row) {
    const TRect r = grid->CellRect(col, row);
    std::vector<COLORREF> pixels;
    for (Integer y = r.Top + 1; y < r.Bottom - 1; ++y)
      for (Integer x = r.Left + 1; x < r.Right - 1; ++x) pixels.push_back(At(grid, x, y));
    return pixels;
  }
  // Pixels of the cell in Color.
  Integer Count(TPaintGrid* grid, Integer col, Integer row, COLORREF color) {
    Integer n = 0;
    for (COLORREF p : CellPixels(grid, col, row)) n += p == color;
    return n;
  }

 private:
  Integer forms_ = 0;
};

}  // namespace gridtest
