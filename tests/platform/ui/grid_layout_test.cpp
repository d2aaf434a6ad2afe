// The grid's cells, counts and geometry: cell storage through count changes and line views, the
// count and fixed-count rules with their errors, CellRect and MouseCoord with scrolling and right
// to left, and the visible counts.
#include <cstring>
#include <functional>

#include "platform/classes/form_image.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/string_list.h"
#include "platform/ui/application.h"
#include "platform/ui/bidi.h"
#include "platform/ui/ui_classes.h"
#include "grid_test_support.h"

namespace uitest {
namespace {

// A string grid whose cells hold "c,r" and whose objects are the entries of objects_.
class GridCellsTest : public GridTest {
 protected:
  TTestGrid* Filled() {
    TTestGrid* grid = NewGrid(5, 5);
    for (Integer r = 0; r < 5; ++r) {
      for (Integer c = 0; c < 5; ++c) {
        grid->SetCells(c, r, std::to_string(c) + "." + std::to_string(r));
        grid->SetObjects(c, r, &objects_[r * 5 + c]);
      }
    }
    return grid;
  }
  TObject objects_[25];
};

TEST_F(GridCellsTest, CountChangesKeepSurvivingCellsAndLowerFixedCounts) {
  const struct {
    Integer cols, rows, fixedCols, fixedRows;
  } cases[] = {{3, 2, 1, 1}, {5, 1, 1, 0}, {1, 5, 0, 1}, {8, 7, 1, 1}, {0, 0, 0, 0}};
  for (const auto& c : cases) {
    TTestGrid* grid = Filled();
    grid->SetColCount(c.cols);
    grid->SetRowCount(c.rows);
    SCOPED_TRACE(std::to_string(c.cols) + "x" + std::to_string(c.rows));
    EXPECT_EQ(grid->ColCount(), std::max<Integer>(c.cols, 1));
    EXPECT_EQ(grid->RowCount(), std::max<Integer>(c.rows, 1));
    EXPECT_EQ(grid->FixedCols(), c.fixedCols);
    EXPECT_EQ(grid->FixedRows(), c.fixedRows);
    for (Integer r = 0; r < grid->RowCount(); ++r)
      for (Integer col = 0; col < grid->ColCount(); ++col) {
        const bool survived = r < 5 && col < 5;
        EXPECT_EQ(grid->Cells(col, r), survived ? std::to_string(col) + "." + std::to_string(r) : "");
        EXPECT_EQ(grid->Objects(col, r), survived ? &objects_[r * 5 + col] : nullptr);
      }
    EXPECT_GE(grid->Col(), grid->FixedCols());
    EXPECT_LT(grid->Row(), grid->RowCount());
  }
}

TEST_F(GridCellsTest, GrowingAgainAfterShrinkingGivesEmptyCells) {
  TTestGrid* grid = Filled();
  grid->SetRowCount(2);
  grid->SetRowCount(5);
  EXPECT_EQ(grid->Cells(3, 1), "3.1");
  EXPECT_EQ(grid->Cells(3, 4), "");
  EXPECT_EQ(grid->Objects(3, 4), nullptr);
}

TEST_F(GridCellsTest, BadIndexesAndFixedCountsRaiseTheGridErrors) {
  TTestGrid* grid = Filled();
  const struct {
    const char* what;
    std::function<void()> act;
    const char* message;
  } cases[] = {
      {"fixed cols = count", [&] { grid->SetFixedCols(5); }, SFixedColTooBig},
      {"fixed rows = count", [&] { grid->SetFixedRows(6); }, SFixedRowTooBig},
      {"negative fixed cols", [&] { grid->SetFixedCols(-1); }, SGridIndexOutOfRange},
      {"cell past the columns", [&] { grid->Cells(5, 0); }, SGridIndexOutOfRange},
      {"object of a negative row", [&] { grid->SetObjects(0, -1, nullptr); }, SGridIndexOutOfRange},
      {"row view past the rows", [&] { grid->Rows(5); }, SGridIndexOutOfRange},
      {"column width past the columns", [&] { grid->SetColWidths(5, 10); }, SGridIndexOutOfRange},
      {"current column past the columns", [&] { grid->SetCol(5); }, SGridIndexOutOfRange},
      {"inserting into a line", [&] { grid->Rows(1)->Add("x"); }, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.act();
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGridOperation& e) {
      if (c.message != nullptr) {
        EXPECT_EQ(e.Message(), c.message);
      }
    }
  }
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->FixedRows(), 1);
  EXPECT_EQ(grid->Cells(4, 4), "4.4");
}

TEST_F(GridCellsTest, LineViewsReadAndAssignStringsAndObjects) {
  TTestGrid* grid = Filled();
  EXPECT_EQ(grid->Rows(2)->CommaText(), "0.2,1.2,2.2,3.2,4.2");
  EXPECT_EQ(grid->Cols(3)->Count(), 5);
  EXPECT_EQ(grid->Cols(3)->Objects(4), &objects_[4 * 5 + 3]);

  TStringList source;
  TObject a, b;
  source.AddObject("a", &a);
  source.AddObject("", &b);
  grid->Rows(1)->Assign(&source);
  EXPECT_EQ(grid->Cells(0, 1), "a");
  EXPECT_EQ(grid->Objects(0, 1), &a);
  EXPECT_EQ(grid->Cells(1, 1), "");
  EXPECT_EQ(grid->Objects(1, 1), &b);
  for (Integer c = 2; c < 5; ++c) {
    EXPECT_EQ(grid->Cells(c, 1), "");
    EXPECT_EQ(grid->Objects(c, 1), nullptr);
  }
  grid->SetCols(4, grid->Cols(0));
  EXPECT_EQ(grid->Cols(4)->CommaText(), grid->Cols(0)->CommaText());
  EXPECT_EQ(grid->Objects(4, 1), &a);
  grid->Cols(0)->Clear();
  EXPECT_EQ(grid->Cells(0, 3), "");
  EXPECT_EQ(grid->Cells(1, 3), "1.3");
}

TEST_F(GridCellsTest, MovedAndDeletedLinesCarryTheirCells) {
  TTestGrid* grid = Filled();
  grid->MoveRow(1, 3);   // rows now 0, 2, 3, 1, 4
  EXPECT_EQ(grid->Cols(2)->CommaText(), "2.0,2.2,2.3,2.1,2.4");
  EXPECT_EQ(grid->Objects(2, 3), &objects_[1 * 5 + 2]);
  grid->MoveColumn(4, 0);   // columns now 4, 0, 1, 2, 3
  EXPECT_EQ(grid->Rows(0)->CommaText(), "4.0,0.0,1.0,2.0,3.0");
  EXPECT_EQ(grid->Objects(0, 0), &objects_[4]);
  grid->DeleteRow(0);
  EXPECT_EQ(grid->RowCount(), 4);
  EXPECT_EQ(grid->Cells(0, 0), "4.2");
  EXPECT_EQ(grid->Objects(1, 3), &objects_[4 * 5 + 0]);
  grid->SetColWidths(2, 50);
  grid->DeleteColumn(1);
  EXPECT_EQ(grid->Cells(1, 0), "1.2");
  EXPECT_EQ(grid->ColWidths(1), 50);   // a width moves with its column
}

class GridGeometryTest : public GridTest {
 protected:
  GridGeometryTest() { SetSysLocaleMiddleEast(true); }
  ~GridGeometryTest() override { SetSysLocaleMiddleEast(false); }
};

TEST_F(GridGeometryTest, CellRectOfFixedScrolledAndHiddenCells) {
  TTestGrid* grid = NewGrid();
  const struct {
    Integer leftCol, topRow, col, row;
    bool rightToLeft;
    TRect expected;
  } cases[] = {
      {1, 1, 0, 0, false, {0, 0, 30, 20}},      {1, 1, 1, 1, false, {31, 21, 61, 41}},
      {1, 1, 2, 3, false, {62, 63, 92, 83}},    {1, 1, 6, 1, false, {186, 21, 216, 41}},   // partly visible
      {1, 1, 7, 1, false, {}},                  {3, 2, 1, 2, false, {}},                   // scrolled away
      {3, 2, 3, 2, false, {31, 21, 61, 41}},    {3, 2, 0, 4, false, {0, 63, 30, 83}},
      {1, 1, 1, 1, true, {139, 21, 169, 41}},   {1, 1, 0, 0, true, {170, 0, 200, 20}},
  };
  for (const auto& c : cases) {
    grid->SetBiDiMode(c.rightToLeft ? bdRightToLeft : bdLeftToRight);
    grid->SetLeftCol(c.leftCol);
    grid->SetTopRow(c.topRow);
    SCOPED_TRACE(std::to_string(c.col) + "," + std::to_string(c.row));
    EXPECT_EQ(grid->CellRect(c.col, c.row), c.expected);
  }
}

TEST_F(GridGeometryTest, MouseCoordFindsTheCellWithTheLineAfterIt) {
  TTestGrid* grid = NewGrid();
  const struct {
    Integer leftCol, x, y;
    bool rightToLeft;
    TGridCoord expected;
  } cases[] = {
      {1, 0, 0, false, {0, 0}},   {1, 30, 20, false, {0, 0}},    {1, 31, 21, false, {1, 1}},
      {1, 199, 99, false, {6, 4}}, {1, -1, 5, false, {-1, -1}}, {1, 5, 100, false, {-1, -1}},
      {4, 31, 50, false, {4, 2}},  {1, 199, 0, true, {0, 0}},   {1, 169, 21, true, {0, 1}},
      {1, 168, 21, true, {1, 1}},
  };
  for (const auto& c : cases) {
    grid->SetBiDiMode(c.rightToLeft ? bdRightToLeft : bdLeftToRight);
    grid->SetLeftCol(c.leftCol);
    SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
    EXPECT_EQ(grid->MouseCoord(c.x, c.y), c.expected);
  }
}

TEST_F(GridGeometryTest, VisibleCountsAndTopLeftClampFollowSizesAndLines) {
  TTestGrid* grid = NewGrid();
  EXPECT_EQ(grid->VisibleColCount(), 5);   // columns 1..5 end at 185; column 6 is cut
  EXPECT_EQ(grid->VisibleRowCount(), 3);
  const struct {
    Integer lineWidth, asked, leftCol, topRow;
  } cases[] = {{1, 99, 5, 7}, {1, 0, 1, 1}, {0, 99, 5, 6}, {1, 4, 4, 4}};
  for (const auto& c : cases) {
    grid->SetGridLineWidth(c.lineWidth);
    grid->SetLeftCol(c.asked);
    grid->SetTopRow(c.asked);
    EXPECT_EQ(grid->LeftCol(), c.leftCol);
    EXPECT_EQ(grid->TopRow(), c.topRow);
  }
  grid->SetRowHeights(5, 70);
  grid->SetTopRow(5);
  EXPECT_EQ(grid->VisibleRowCount(), 1);   // a page is never empty
}

// A grid without a parent takes its counts, sizes and line width without making a window; once
// shown its corner fits the view.
TEST_F(GridGeometryTest, AGridWithoutAWindowTakesCountsAndSizesAndFitsItsCornerWhenShown) {
  auto* grid = new TTestGrid(nullptr);
  grid->SetColCount(12);
  grid->SetRowCount(8);
  grid->SetDefaultColWidth(30);
  grid->SetGridLineWidth(0);
  grid->SetFixedCols(2);
  grid->SetCells(11, 7, "last");
  EXPECT_FALSE(grid->HandleAllocated());
  EXPECT_EQ(grid->LeftCol(), 2);
  TForm* form = NewForm("Host");
  grid->SetBorderStyle(bsNone);
  grid->SetScrollBars(ssNone);
  grid->SetBounds(0, 0, 200, 100);
  grid->SetParent(form);
  driver_->Settle();
  grid->SetLeftCol(50);
  EXPECT_EQ(grid->LeftCol(), 8);   // after 60 pixels of fixed columns, columns 8..11 end in view
  EXPECT_EQ(grid->Cells(11, 7), "last");
  delete grid;
}

// Each change of counts calls SizeChanged once with the old counts, after the new ones are set;
// each change of LeftCol or TopRow calls TopLeftChanged, which fires OnTopLeftChanged, once, after
// the new corner is set, including a corner clamped by fewer rows; no change calls nothing.
TEST_F(GridGeometryTest, SizeAndTopLeftHooksFireOncePerChangeAfterIt) {
  TTestGrid* grid = NewGrid();
  std::vector<std::string> events;   // the corner OnTopLeftChanged saw
  grid->OnTopLeftChanged = [&](TObject* sender) {
    EXPECT_EQ(sender, grid);
    events.push_back(std::to_string(grid->LeftCol()) + "," + std::to_string(grid->TopRow()));
  };
  using Log = std::vector<std::string>;
  const struct {
    const char* what;
    std::function<void()> change;
    Log hooks, events;
  } cases[] = {
      {"TopRow", [&] { grid->SetTopRow(4); }, {"topleft 1,4"}, {"1,4"}},
      {"the same TopRow", [&] { grid->SetTopRow(4); }, {}, {}},
      {"LeftCol past the end, clamped", [&] { grid->SetLeftCol(50); }, {"topleft 5,4"}, {"5,4"}},
      {"a move brought into view", [&] { grid->MoveColRow(1, 1, true, true); }, {"topleft 1,1"}, {"1,1"}},
      {"more columns", [&] { grid->SetColCount(12); }, {"size 10x10->12x10"}, {}},
      {"fewer rows below the corner", [&] { grid->SetRowCount(4); }, {"size 12x10->12x4"}, {}},
      {"fewer rows, the corner clamped",
       [&] {
         grid->SetRowCount(10);
         grid->SetTopRow(7);
         grid->hooks.clear();
         events.clear();
         grid->SetRowCount(4);
       },
       {"size 12x10->12x4", "topleft 1,1"}, {"1,1"}},
      {"the same counts",
       [&] {
         grid->SetColCount(12);
         grid->SetRowCount(4);
       },
       {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    grid->hooks.clear();
    events.clear();
    c.change();
    EXPECT_EQ(grid->hooks, c.hooks);
    EXPECT_EQ(events, c.events);
  }
}

class GridStreamingTest : public GridTest {};

TEST_F(GridStreamingTest, AFormImageSetsCountsBeforeFixedCountsAndTheOptions) {
  const char* text =
      "object F: TForm\n"
      "  object G: TStringGrid\n"
      "    ColCount = 3\n"
      "    DefaultColWidth = 40\n"
      "    FixedCols = 0\n"
      "    RowCount = 1\n"
      "    FixedRows = 0\n"
      "    GridLineWidth = 0\n"
      "    Options = [goFixedVertLine, goRowSelect, goThumbTracking]\n"
      "    ScrollBars = ssVertical\n"
      "  end\n"
      "end\n";
  RegisterUiClasses();
  auto* form = new TForm(Application, TCustomForm::CreateNewTag{});
  TMemoryStream image;
  image.WriteBuffer(text, Integer(std::strlen(text)));
  image.SetPosition(0);
  ReadComponentAnyForm(&image, form);
  auto* grid = dynamic_cast<TStringGrid*>(form->FindComponent("G"));
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->ColCount(), 3);
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->FixedCols(), 0);
  EXPECT_EQ(grid->FixedRows(), 0);
  EXPECT_EQ(grid->ColWidths(2), 40);
  EXPECT_EQ(grid->GridLineWidth(), 0);
  EXPECT_EQ(grid->Options(), (TGridOptions{goFixedVertLine, goRowSelect, goThumbTracking}));
  EXPECT_EQ(grid->ScrollBars(), ssVertical);
  EXPECT_EQ(grid->Color(), clWindow);
  delete form;
}

}  // namespace
}  // namespace uitest
