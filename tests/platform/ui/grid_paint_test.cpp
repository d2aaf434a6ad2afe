// Painting the grid: the DrawCell calls of one paint of a scrolled grid (cells, rectangles, states)
// with one-pixel lines and without lines, painting left to the owner without DefaultDrawing, which
// cells the invalidation calls repaint, and a headless picture of a 5 x 5 string grid probed at its
// lines, its fixed cells, its selection and the room past its last cell, and the raised edge of
// fixed cells with Ctl3D.
#include <functional>

#include "platform/ui/canvas.h"
#include "platform/ui/colors.h"
#include "tests/support/os/temp_folder.h"
#include "grid_test_support.h"

namespace uitest {
namespace {

class GridPaintTest : public GridTest {
 protected:
  // The painted cells, row by row: "r0: 0 3 4 | r2: ...".
  static std::string Cells(const std::vector<TTestGrid::Drawn>& drawn) {
    std::string text;
    Integer row = -1;
    for (const auto& d : drawn) {
      if (d.Row != row) text += (row < 0 ? "r" : " | r") + std::to_string(d.Row) + ":";
      row = d.Row;
      text += " " + std::to_string(d.Col);
    }
    return text;
  }
  static const TTestGrid::Drawn& Find(const std::vector<TTestGrid::Drawn>& drawn, Integer col, Integer row) {
    for (const auto& d : drawn)
      if (d.Col == col && d.Row == row) return d;
    throw std::runtime_error("cell not drawn");
  }
  std::vector<TTestGrid::Drawn> PaintOnce(TTestGrid* grid) {
    driver_->Settle();
    grid->drawn.clear();
    grid->Repaint();
    return grid->drawn;
  }
};

TEST_F(GridPaintTest, OnePaintDrawsEveryVisibleCellWithItsRectangleAndState) {
  const struct {
    Integer lineWidth;
    TRect first, partial;   // cells (3, 2) and (8, 5)
  } cases[] = {{1, {31, 21, 61, 41}, {186, 84, 216, 104}}, {0, {30, 20, 60, 40}, {180, 80, 210, 100}}};
  for (const auto& c : cases) {
    TTestGrid* grid = NewGrid();
    grid->SetGridLineWidth(c.lineWidth);
    grid->SetSelection(TGridRect{4, 3, 5, 4});
    grid->SetLeftCol(3);
    grid->SetTopRow(2);
    const auto drawn = PaintOnce(grid);
    SCOPED_TRACE("line width " + std::to_string(c.lineWidth));
    EXPECT_EQ(Cells(drawn), "r0: 0 3 4 5 6 7 8 | r2: 0 3 4 5 6 7 8 | r3: 0 3 4 5 6 7 8 | r4: 0 3 4 5 6 7 8 | "
                            "r5: 0 3 4 5 6 7 8");
    EXPECT_EQ(Find(drawn, 3, 2).Rect, c.first);
    EXPECT_EQ(Find(drawn, 8, 5).Rect, c.partial);
    EXPECT_EQ(Find(drawn, 0, 3).Rect, (TRect{0, c.first.Bottom + c.lineWidth, 30, 2 * c.first.Bottom - c.first.Top + c.lineWidth}));
    EXPECT_EQ(Find(drawn, 4, 2).Rect.Left, c.first.Right + c.lineWidth);   // no gap without lines
    const struct {
      Integer col, row;
      TGridDrawState state;
    } states[] = {{0, 0, {gdFixed}},     {3, 0, {gdFixed}},   {0, 4, {gdFixed}},      {4, 3, {gdSelected}},
                  {5, 3, {gdSelected}}, {4, 4, {gdSelected}}, {5, 4, {gdFocused}},   {6, 4, {}}};
    for (const auto& s : states) EXPECT_EQ(Find(drawn, s.col, s.row).State, s.state) << s.col << "," << s.row;
  }
}

TEST_F(GridPaintTest, FocusedCellCountsAsSelectedWithDrawFocusSelectedOrWithoutFocus) {
  TTestGrid* grid = NewGrid();
  grid->SetSelection(TGridRect{1, 1, 2, 2});
  grid->SetOptions(grid->Options() + TGridOptions{goDrawFocusSelected});
  EXPECT_EQ(Find(PaintOnce(grid), 2, 2).State, (TGridDrawState{gdSelected, gdFocused}));
  grid->SetOptions(grid->Options() - TGridOptions{goDrawFocusSelected});
  auto* other = new TTestGrid(grid->Owner());
  other->SetParent(grid->Parent());
  other->SetBounds(0, 200, 50, 50);
  other->SetFocus();
  EXPECT_EQ(Find(PaintOnce(grid), 2, 2).State, TGridDrawState{gdSelected});
}

TEST_F(GridPaintTest, SettingATextRepaintsOnlyItsCell) {
  TTestGrid* grid = NewGrid();
  PaintOnce(grid);
  grid->drawn.clear();
  grid->SetCells(4, 3, "new");
  grid->SetCells(9, 9, "hidden");   // out of view: nothing to repaint
  grid->Update();
  ASSERT_EQ(grid->drawn.size(), 1u);
  EXPECT_EQ(grid->drawn[0].Col, 4);
  EXPECT_EQ(grid->drawn[0].Row, 3);
}

// The owner paints the focused cell red, and the colours change after the first paint.  With
// DefaultDrawing the grid fills every cell in the new colours first and draws the focus rectangle
// over the owner's paint; without it the grid neither fills (the cells keep the old pixels) nor
// draws the focus rectangle, and DrawCell still sees every cell.
TEST_F(GridPaintTest, WithoutDefaultDrawingOnlyTheOwnerPaintsTheCells) {
  for (const bool defaultDrawing : {true, false}) {
    SCOPED_TRACE(defaultDrawing ? "default drawing" : "owner drawing");
    TTestGrid* grid = NewGrid();
    driver_->Settle();
    grid->SetDefaultDrawing(defaultDrawing);
    grid->SetColor(clYellow);
    grid->SetFixedColor(clLime);
    grid->OnDrawCell = [grid](TObject*, Integer col, Integer row, TRect rect, TGridDrawState) {
      if (col != 1 || row != 1) return;
      grid->Canvas()->Brush()->SetColor(clRed);
      grid->Canvas()->FillRect(rect);
    };
    const auto drawn = PaintOnce(grid);
    EXPECT_EQ(Cells(drawn), "r0: 0 1 2 3 4 5 6 | r1: 0 1 2 3 4 5 6 | r2: 0 1 2 3 4 5 6 | r3: 0 1 2 3 4 5 6 | "
                            "r4: 0 1 2 3 4 5 6");
    EXPECT_EQ(Find(drawn, 1, 1).State, TGridDrawState{gdFocused});
    EXPECT_EQ(driver_->Pixel(grid, 45, 30), ColorToRGB(clRed));                        // inside the cell
    EXPECT_EQ(driver_->Pixel(grid, 31, 21) == ColorToRGB(clRed), !defaultDrawing);     // its focus corner
    EXPECT_EQ(driver_->Pixel(grid, 100, 70) == ColorToRGB(clYellow), defaultDrawing);  // a normal cell
    EXPECT_EQ(driver_->Pixel(grid, 15, 50) == ColorToRGB(clLime), defaultDrawing);     // a fixed cell
  }
}

// Which cells repaint after each invalidation: those of the range still in view, no others.
TEST_F(GridPaintTest, InvalidatingARowAColumnOrARangeRepaintsItsVisibleCells) {
  const struct {
    const char* what;
    std::function<void(TTestGrid&)> invalidate;
    std::string cells;
  } cases[] = {
      {"row 2", [](TTestGrid& g) { g.InvalidateRow(2); }, "r2: 0 1 2 3 4 5 6"},
      {"column 3", [](TTestGrid& g) { g.InvalidateCol(3); }, "r0: 3 | r1: 3 | r2: 3 | r3: 3 | r4: 3"},
      {"a range", [](TTestGrid& g) { g.InvalidateGridRect(TGridRect{2, 1, 3, 2}); }, "r1: 2 3 | r2: 2 3"},
      {"a range partly out of view", [](TTestGrid& g) { g.InvalidateGridRect(TGridRect{5, 4, 8, 8}); },
       "r4: 5 6"},
      {"a row out of view", [](TTestGrid& g) { g.InvalidateRow(7); }, ""},
      {"a scrolled column", [](TTestGrid& g) {
         g.SetLeftCol(4);
         g.Update();
         g.drawn.clear();
         g.InvalidateCol(2);   // scrolled away
         g.InvalidateCol(5);
       },
       "r0: 5 | r1: 5 | r2: 5 | r3: 5 | r4: 5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestGrid* grid = NewGrid();
    PaintOnce(grid);
    grid->drawn.clear();
    c.invalidate(*grid);
    grid->Update();
    EXPECT_EQ(Cells(grid->drawn), c.cells);
  }
}

TEST_F(GridPaintTest, PictureShowsLinesFixedCellsSelectionAndTheRoomPastTheCells) {
  TTestGrid* grid = NewGrid(5, 5);
  grid->SetDefaultColWidth(64);
  grid->SetDefaultRowHeight(24);
  grid->SetBounds(0, 0, 330, 130);   // 5 x 65 = 325 pixels of cells and lines across
  grid->SetColor(clYellow);
  grid->SetCells(1, 0, "Name");
  grid->SetSelection(TGridRect{1, 1, 2, 2});
  TempFolder folder;
  ASSERT_TRUE(driver_->SavePng(grid, folder / "grid.png"));
  const struct {
    const char* what;
    Integer x, y;
    TColor color;
  } probes[] = {
      {"fixed vertical line", 64, 10, clBlack},     {"fixed horizontal line", 30, 24, clBlack},
      {"normal vertical line", 129, 40, clSilver},  {"normal horizontal line", 200, 49, clSilver},
      {"fixed cell", 30, 60, clBtnFace},            {"fixed row cell", 250, 12, clBtnFace},
      {"selected cell", 100, 40, clHighlight},      {"cell outside the selection", 250, 100, clYellow},
      {"room past the cells", 327, 60, clYellow},
  };
  for (const auto& p : probes) EXPECT_EQ(driver_->Pixel(grid, p.x, p.y), ColorToRGB(p.color)) << p.what;
}

// With Ctl3D a fixed cell is raised inside its black grid lines: white top and left, dark grey
// bottom and right; without Ctl3D it is flat.  A side whose lines are off takes the line's gap.
TEST_F(GridPaintTest, FixedCellsAreRaisedWithCtl3D) {
  constexpr TColor W = clBtnHighlight, F = clBtnFace, S = clBtnShadow, B = clBlack;
  const struct {
    const char* what;
    bool ctl3D;
    TGridOptions lines;
    TColor top, left, bottom, right, lineRight, lineBelow;
  } cases[] = {
      {"Ctl3D", true, {goFixedVertLine, goFixedHorzLine}, W, W, S, S, B, B},
      {"flat", false, {goFixedVertLine, goFixedHorzLine}, F, F, F, F, B, B},
      {"no vertical lines", true, {goFixedHorzLine}, W, F, S, F, F, B},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestGrid* grid = NewGrid(3, 3);
    grid->SetCtl3D(c.ctl3D);
    grid->SetOptions(c.lines + TGridOptions{goVertLine, goHorzLine});
    driver_->Settle();
    // Fixed cell (0, 1): 30 x 20 pixels at (0, 21), its lines right of it (x 30) and below it (y 41).
    const struct {
      const char* where;
      Integer x, y;
      TColor color;
    } probes[] = {{"top", 15, 21, c.top},       {"left", 0, 31, c.left},
                  {"bottom", 15, 40, c.bottom}, {"right", 29, 31, c.right},
                  {"middle", 15, 31, F},        {"line right", 30, 31, c.lineRight},
                  {"line below", 15, 41, c.lineBelow}};
    for (const auto& p : probes) EXPECT_EQ(driver_->Pixel(grid, p.x, p.y), ColorToRGB(p.color)) << p.where;
  }
}

}  // namespace
}  // namespace uitest
