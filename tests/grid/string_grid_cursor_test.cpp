// The string grid's pointer shapes: its own cursors over the header zones that select and in the
// cell-action mode, the split cursors of its fixed-cell sizing and of the platform grid's sizing,
// and what keeps the platform's shape.  Cells are 64 pixels wide with one grid line: the fixed
// column's edge lies at 65 and column 1's right line at 128.
#include <cstdint>
#include <string>

#include "grid/mouse_actions.h"
#include "platform/ui/cursors.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/message_ids.h"
#include "platform/user/module_instance.h"
#include "platform/user/send_message.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TActionGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  std::vector<TPoint> actions;

 protected:
  void CellActionHook(Integer ACol, Integer ARow) override { actions.push_back(TPoint{ACol, ARow}); }
};

HCURSOR ResourceCursor(Integer Number) {
  return LoadCursorA(HInstance, reinterpret_cast<const char*>(static_cast<std::uintptr_t>(Number)));
}

class StringGridCursorTest : public StringGridTest {
 protected:
  // A shown grid whose header zones select (columns, rows, all), with column sizing and the
  // selection resizer, and crCross as its own cursor.
  TActionGrid* NewZoneGrid() {
    auto* grid = NewGrid<TActionGrid>(true);
    grid->MouseActions()->SetColSelect(true);
    grid->MouseActions()->SetRowSelect(true);
    grid->MouseActions()->SetAllSelect(true);
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->SetSelectionRectangle(true);
    grid->SetSelectionResizer(true);
    grid->SetCursor(crCross);
    return grid;
  }
  // The pointer moved to At, then the cursor the grid chooses there.
  HCURSOR CursorAt(TProStringGrid* Grid, TPoint At) {
    driver_->MoveMouseTo(Grid, At);
    SendMessageA(Grid->Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Grid->Handle()),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  }
};

TEST_F(StringGridCursorTest, EachPlaceShowsItsCursor) {
  const TRect current = [&] {
    TActionGrid* probe = NewZoneGrid();
    return probe->CellRect(1, 1);
  }();
  const TPoint resizer{current.Right - 2, current.Bottom - 2};
  const struct {
    const char* what;
    bool cellAction;
    bool sizeFixed;   // MouseActions.SizeFixedCol and SizeFixedRow
    TPoint at;
    Integer resource;   // the grid's own cursor, or 0 for the screen cursor below
    TCursor screen;
  } cases[] = {
      {"column header", false, false, {100, 10}, 8011, 0},
      {"row header", false, false, {10, 50}, 8010, 0},
      {"fixed corner", false, false, {10, 10}, 8012, 0},
      {"selection resizer", false, false, resizer, 8012, 0},
      {"column header border sizes", false, false, {128, 5}, 0, crHSplit},
      {"fixed corner's border sizes", false, false, {63, 5}, 0, crHSplit},
      {"normal cell", false, false, {100, 50}, 0, crCross},
      {"normal cell in cell-action mode", true, false, {100, 50}, 8014, 0},
      {"column header in cell-action mode", true, false, {100, 10}, 8011, 0},
      {"outside the cells in cell-action mode", true, false, {450, 300}, 0, crCross},
      {"fixed column edge", false, true, {65, 50}, 0, crHSplit},
      {"fixed row edge", false, true, {150, 21}, 0, crVSplit},
      {"fixed column edge, fixed sizing off", false, false, {65, 50}, 0, crCross},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TActionGrid* grid = NewZoneGrid();
    grid->SetCellActionMode(c.cellAction);
    grid->MouseActions()->SetSizeFixedCol(c.sizeFixed);
    grid->MouseActions()->SetSizeFixedRow(c.sizeFixed);
    const HCURSOR expected = c.resource != 0 ? ResourceCursor(c.resource) : Screen->Cursors(c.screen);
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(CursorAt(grid, c.at), expected);
  }
}

TEST_F(StringGridCursorTest, FixedSizingKeepsTheSplitWhileDraggedAndAScreenCursorWins) {
  TActionGrid* grid = NewZoneGrid();
  grid->MouseActions()->SetSizeFixedCol(true);
  ASSERT_EQ(CursorAt(grid, TPoint{65, 50}), Screen->Cursors(crHSplit));
  driver_->PressMouse(grid, TPoint{65, 50});
  EXPECT_EQ(CursorAt(grid, TPoint{100, 50}), Screen->Cursors(crHSplit));   // over a normal cell
  driver_->ReleaseMouse();
  EXPECT_EQ(CursorAt(grid, TPoint{100, 50}), Screen->Cursors(crCross));

  Screen->SetCursor(crHourGlass);
  EXPECT_EQ(CursorAt(grid, TPoint{100, 10}), Screen->Cursors(crHourGlass));
  Screen->SetCursor(crDefault);
  EXPECT_EQ(CursorAt(grid, TPoint{100, 10}), ResourceCursor(8011));
}

TEST_F(StringGridCursorTest, CellActionModeHandsPressesOnCellsToTheHook) {
  TActionGrid* grid = NewZoneGrid();
  grid->SetCellActionMode(true);
  bool refuse = false;
  grid->OnCanClickCell = [&](TObject*, Integer, Integer, bool& Allow) { Allow = !refuse; };
  driver_->ClickAt(grid, TPoint{200, 80});   // column 3, row 3
  driver_->ClickAt(grid, TPoint{100, 10});   // a column header: no column selected
  refuse = true;
  driver_->ClickAt(grid, TPoint{100, 50});
  EXPECT_EQ(grid->actions, (std::vector<TPoint>{{3, 3}, {1, 0}}));
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

}  // namespace
}  // namespace gridtest
