// The string grid's pointer handling: hover zones of fixed-cell edges, refusals of sizing, a sizing
// drag released outside the grid, the sizing hint, disjunct cells, select drags, move markers,
// anchors, cell hints, the drag text, wheel routing, key-up and following the owner form's size.
// Pointer messages go through Perform with client coordinates; cells are Width 64 x 21 pixels
// laid edge to edge, so column c starts at 64 * c and row r at 21 * r.
#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "grid/arrow_window.h"
#include "grid/cell_graphic.h"
#include "grid/drag_drop_settings.h"
#include "grid/html_hint_window.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/ui/cursors.h"
#include "platform/user/capture.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_pos.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TPointerGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  using TCustomGrid::GridState;
  using TCustomGrid::SetGridState;
};

LPARAM At(Integer X, Integer Y) { return MAKELPARAM(X, Y); }

class StringGridPointerTest : public StringGridTest {
 protected:
  TPointerGrid* NewPointerGrid() { return NewGrid<TPointerGrid>(true); }
  static void Move(TControl* Grid, Integer X, Integer Y, WPARAM Keys = 0) { Grid->Perform(WM_MOUSEMOVE, Keys, At(X, Y)); }
  static void Press(TControl* Grid, Integer X, Integer Y, WPARAM Keys = MK_LBUTTON) {
    Grid->Perform(WM_LBUTTONDOWN, Keys, At(X, Y));
  }
  static void Release(TControl* Grid, Integer X, Integer Y, WPARAM Keys = 0) { Grid->Perform(WM_LBUTTONUP, Keys, At(X, Y)); }
  static std::string SizingHintText(TProStringGrid* Grid) {
    for (Integer i = 0; i < Grid->ComponentCount(); ++i)
      if (auto* hint = dynamic_cast<THTMLHintWindow*>(Grid->Components(i))) return hint->Caption();
    return "(none)";
  }
};

TEST_F(StringGridPointerTest, FixedCellEdgesAreSizingZonesWithinThreePixels) {
  const struct {
    bool columns;   // else rows
    Integer at;     // X (columns) or Y (rows)
    bool allowed;   // SizeFixedCol / SizeFixedRow
    bool sizing;
  } cases[] = {
      {true, 62, true, false}, {true, 63, true, true},   {true, 65, true, true},  {true, 67, true, true},
      {true, 68, true, false}, {true, 65, false, false}, {false, 19, true, true}, {false, 24, true, false},
  };
  TPointerGrid* grid = NewPointerGrid();
  grid->SetRowHeights(0, 20);   // the fixed row's edge lies at 21
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.columns) + " at " + std::to_string(c.at));
    grid->MouseActions()->SetSizeFixedCol(c.allowed);
    grid->MouseActions()->SetSizeFixedRow(c.allowed);
    if (c.columns) Move(grid, c.at, 50);
    else Move(grid, 150, c.at);
    const TGridPointerState& p = grid->PointerState();
    EXPECT_EQ(c.columns ? p.FixedColSizing : p.FixedRowSizing, c.sizing);
    EXPECT_FALSE(c.columns ? p.FixedRowSizing : p.FixedColSizing);
  }
  grid->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(grid->PointerState().FixedRowSizing);
}

TEST_F(StringGridPointerTest, FixedColumnSizingDrawsTheLineWhileTheButtonIsDown) {
  TPointerGrid* grid = NewPointerGrid();
  grid->MouseActions()->SetSizeFixedCol(true);
  Move(grid, 65, 50);
  ASSERT_TRUE(grid->PointerState().FixedColSizing);
  grid->TControl::Repaint();
  // The line is dotted: count the changed pixels of a stretch of column 90.
  std::vector<COLORREF> blank;
  for (Integer y = 100; y < 110; ++y) blank.push_back(driver_->Pixel(grid, 90, y));
  auto changed = [&] {
    Integer count = 0;
    for (Integer y = 100; y < 110; ++y) count += driver_->Pixel(grid, 90, y) != blank[y - 100] ? 1 : 0;
    return count;
  };
  grid->PointerState().LeftButtonDown = true;   // the press handling keeps the flag
  Move(grid, 90, 50, MK_LBUTTON);
  EXPECT_GE(changed(), 4);
  EXPECT_EQ(grid->PointerState().FixedSizingX, 90);
  Release(grid, 90, 50);
  EXPECT_EQ(changed(), 0);   // erased on release
}

TEST_F(StringGridPointerTest, SizingRefusalsAndReleasesOutsideLeaveSizesAlone) {
  const struct {
    const char* what;
    bool refuseColumn, refuseRow;
    TPoint press, release;
    TGridOptions options;
    Integer width1, height1;
    TGridState stateAfterPress;
  } cases[] = {
      {"sized inside", false, false, {128, 5}, {150, 5}, {goColSizing}, 86, 21, gsColSizing},
      {"released outside", false, false, {128, 5}, {420, 5}, {goColSizing}, 64, 21, gsColSizing},
      {"column refused", true, false, {128, 5}, {150, 5}, {goColSizing}, 64, 21, gsNormal},
      {"row sized", false, false, {5, 42}, {5, 60}, {goRowSizing}, 64, 39, gsRowSizing},
      {"row released below", false, false, {5, 42}, {5, 400}, {goRowSizing}, 64, 21, gsRowSizing},
      {"row refused", false, true, {5, 42}, {5, 60}, {goRowSizing}, 64, 21, gsNormal},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPointerGrid* grid = NewPointerGrid();
    grid->SetOptions(grid->Options() + c.options);
    std::vector<Integer> asked;
    grid->OnColumnSize = [&](TObject*, Integer ACol, bool& Allow) {
      asked.push_back(ACol);
      Allow = !c.refuseColumn;
    };
    grid->OnRowSize = [&](TObject*, Integer ARow, bool& Allow) {
      asked.push_back(100 + ARow);
      Allow = !c.refuseRow;
    };
    Press(grid, c.press.X, c.press.Y);
    EXPECT_EQ(grid->GridState(), c.stateAfterPress);
    Move(grid, c.release.X, c.release.Y, MK_LBUTTON);
    Release(grid, c.release.X, c.release.Y);
    EXPECT_EQ(grid->ColWidths(1), c.width1);
    EXPECT_EQ(grid->RowHeights(1), c.height1);
    EXPECT_EQ(grid->GridState(), gsNormal);
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(asked.front(), c.options.Contains(goColSizing) ? 1 : 101);   // the cell 6 pixels left (above)
  }
}

TEST_F(StringGridPointerTest, SizingHintShowsTheSizeUnderThePointer) {
  const struct {
    TGridOptions options;
    TPoint press, to;
    const char* text;
  } cases[] = {
      {{goColSizing}, {164, 5}, {180, 5}, "cw=<b>80</b>"},      // column 1 starts at 100, grab 0
      {{goColSizing}, {165, 5}, {180, 5}, "cw=<b>79</b>"},      // grabbed 1 pixel past the line
      {{goRowSizing}, {5, 42}, {5, 70}, "rh=<b>49</b>"},        // row 1 starts at 21, grab 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TPointerGrid* grid = NewPointerGrid();
    grid->SetColWidths(0, 100);
    grid->SetOptions(grid->Options() + c.options);
    grid->SetHintShowSizing(true);
    Press(grid, c.press.X, c.press.Y);
    Move(grid, c.to.X, c.to.Y, MK_LBUTTON);
    EXPECT_EQ(SizingHintText(grid), c.text);
    Release(grid, c.to.X, c.to.Y);
  }
  TPointerGrid* quiet = NewPointerGrid();
  quiet->SetOptions(quiet->Options() + TGridOptions{goColSizing});
  Press(quiet, 64, 5);
  Move(quiet, 90, 5, MK_LBUTTON);
  EXPECT_EQ(SizingHintText(quiet), "(none)");
  Release(quiet, 90, 5);
}

TEST_F(StringGridPointerTest, DisjunctCellsToggleWithCtrlAndFollowOnSelectCell) {
  TPointerGrid* grid = NewPointerGrid();
  grid->MouseActions()->SetDisjunctCellSelect(true);
  grid->MergeCells(3, 3, 2, 1);
  bool allow = true;
  grid->OnSelectCell = [&](TObject*, Integer, Integer, bool& CanSelect) { CanSelect = allow; };
  auto click = [&](TPoint cell, WPARAM keys) {
    const TRect r = grid->CellRect(cell.X, cell.Y);
    Press(grid, r.Left + 5, r.Top + 5, MK_LBUTTON | keys);
    Release(grid, r.Left + 5, r.Top + 5, keys);
  };
  using Cells = std::vector<TPoint>;
  click({1, 1}, 0);
  EXPECT_EQ(grid->SelectedCells(), (Cells{{1, 1}}));
  click({2, 2}, MK_CONTROL);
  click({4, 3}, MK_CONTROL);   // a covered cell stands for its base cell
  EXPECT_EQ(grid->SelectedCells(), (Cells{{1, 1}, {2, 2}, {3, 3}}));
  click({1, 1}, MK_CONTROL);
  EXPECT_EQ(grid->SelectedCells(), (Cells{{2, 2}, {3, 3}}));
  allow = false;
  click({2, 1}, 0);
  EXPECT_EQ(grid->SelectedCells(), (Cells{{2, 2}, {3, 3}}));
  EXPECT_EQ(grid->GridState(), gsNormal);   // the refusal still ends the press
  allow = true;
  click({2, 1}, 0);
  EXPECT_EQ(grid->SelectedCells(), (Cells{{2, 1}}));
  // Space selects the current cell like a click; Ctrl toggles.
  grid->SetFocus();
  driver_->PressKey(VK_SPACE, TShiftState{ssCtrl});
  EXPECT_EQ(grid->SelectedCells(), (Cells{}));
  driver_->PressKey(VK_SPACE);
  EXPECT_TRUE(grid->IsDisjunctCellSelected(2, 1));
}

TEST_F(StringGridPointerTest, HoverChoosesTheClickModeAndRowSelectDragsWholeRows) {
  TPointerGrid* grid = NewPointerGrid();
  grid->MouseActions()->SetRowSelect(true);
  grid->MouseActions()->SetColSelect(true);
  grid->MouseActions()->SetAllSelect(true);
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  const struct {
    TPoint at;
    TGridClickMode mode;
  } cases[] = {{{10, 10}, gcmSelectAll}, {{100, 10}, gcmColSelect}, {{66, 10}, gcmNone},
               {{10, 50}, gcmRowSelect}, {{100, 50}, gcmNone}};
  for (const auto& c : cases) {
    Move(grid, c.at.X, c.at.Y);
    EXPECT_EQ(grid->PointerState().ClickMode, c.mode) << c.at.X << "," << c.at.Y;
  }
  TGridPointerState& p = grid->PointerState();
  p.ClickMode = gcmRowSelect;
  p.SelectAnchor = 2;
  p.LeftButtonDown = true;
  Integer changes = 0;
  grid->OnSelectionChanged = [&](TObject*, Integer, Integer, Integer, Integer) { ++changes; };
  Move(grid, 200, 4 * 21 + 5, MK_LBUTTON);
  const TGridRect rows = grid->Selection();
  EXPECT_EQ((std::vector<Integer>{rows.Left, rows.Top, rows.Right, rows.Bottom}),
            (std::vector<Integer>{1, 2, grid->ColCount() - 1, 4}));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(p.ClickMode, gcmRowSelect);   // kept while the button is down
}

TEST_F(StringGridPointerTest, AnchorsChangeTheCursorAndFireEnterAndExit) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetCursor(crCross);
  grid->SetColWidths(1, 200);
  grid->SetCellText(1, 1, "<a href=\"go\">link</a> and text");
  grid->SetURLShow(true);
  grid->SetCellText(1, 2, "http://example.com");
  std::vector<std::string> events;
  grid->OnAnchorEnter = [&](TObject*, Integer ARow, Integer ACol, const std::string& A) {
    events.push_back("enter " + A + " " + std::to_string(ACol) + "," + std::to_string(ARow));
  };
  grid->OnAnchorExit = [&](TObject*, Integer, Integer, const std::string& A) { events.push_back("exit " + A); };
  Move(grid, 64 + 8, 21 + 8);
  EXPECT_EQ(grid->TControl::Cursor(), crHandPoint);
  Move(grid, 64 + 10, 21 + 8);   // the same anchor: no second enter
  Move(grid, 64 + 150, 21 + 8);
  EXPECT_EQ(grid->TControl::Cursor(), crCross);
  Move(grid, 64 + 8, 42 + 8);
  EXPECT_EQ(grid->TControl::Cursor(), crHandPoint);   // a plain link with URLShow
  EXPECT_EQ(events, (std::vector<std::string>{"enter go 1,1", "exit go"}));
  EXPECT_EQ(grid->Cursor(), crHandPoint);
  EXPECT_EQ(grid->PointerState().OwnCursor, crCross);
}

TEST_F(StringGridPointerTest, HintsArePlacedByKind) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetColWidths(2, 20);
  grid->SetCellText(1, 1, "<b>bold</b>");
  grid->SetCellText(2, 1, "a long text that does not fit");
  TCellGraphic* comment = grid->CreateCellGraphic(1, 2);
  comment->SetCellType(ctComment);
  comment->SetCellText("the note");
  std::string seen;
  const struct {
    const char* what;
    TPoint cell;
    bool showCells, largeText;
    std::string hint;
    TPoint pos;   // client coordinates
  } cases[] = {
      {"plain: below the cell", {1, 1}, false, false, "own", {64, 42 + 6}},
      {"cell text, markup stripped", {1, 1}, true, false, "bold", {64, 21}},
      {"large text", {2, 1}, false, true, "a long text that does not fit", {128, 21}},
      {"fitting text with large text only", {1, 1}, false, true, "own", {64, 42 + 6}},
      {"comment: its text at the top-right", {1, 2}, false, false, "the note", {128, 42}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    grid->SetHintShowCells(c.showCells);
    grid->SetHintShowLargeText(c.largeText);
    THintInfo info;
    info.HintStr = "own";
    info.CursorPos = TPoint{grid->CellRect(c.cell.X, c.cell.Y).Left + 3, grid->CellRect(c.cell.X, c.cell.Y).Top + 3};
    grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(info.HintStr, c.hint);
    EXPECT_EQ(info.HintPos, grid->ClientToScreen(c.pos));
    EXPECT_EQ(info.HintColor, grid->HintColor());
    EXPECT_EQ(grid->PointerState().HintCell, c.cell);
  }
  grid->OnGridHint = [&](TObject*, Integer ARow, Integer ACol, std::string& Hint) {
    seen = std::to_string(ACol) + "," + std::to_string(ARow) + ":" + Hint;
    Hint = "changed";
  };
  THintInfo info;
  info.CursorPos = TPoint{64 + 3, 42 + 3};
  grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
  EXPECT_EQ(seen, "1,2:the note");
  EXPECT_EQ(info.HintStr, "changed");
  Move(grid, 5, 5);   // another cell forgets the hint cell
  EXPECT_EQ(grid->PointerState().HintCell, (TPoint{-1, -1}));
}

TEST_F(StringGridPointerTest, SelectionDragTextJoinsTheSelectedCells) {
  const struct {
    const char* what;
    bool rowSelect, entireRows, disjunctRows;
    std::string text;
  } cases[] = {
      {"range", false, false, false, "b1\tc1\r\nb2\tc2"},
      {"entire rows", true, true, false, "a1\tb1\tc1\r\na2\tb2\tc2"},
      {"disjunct rows", false, false, true, "b1\tc1\r\nb3\tc3\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPointerGrid* grid = NewPointerGrid();
    grid->SetColCount(3);
    Fill(grid, {{"", "", ""}, {"a1", "b1", "c1"}, {"a2", "b2", "c2"}, {"a3", "b3", "c3"}});
    if (c.rowSelect) grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    grid->DragDropSettings()->SetOleEntireRows(c.entireRows);
    grid->SetSelection(TGridRect{1, 1, 2, 2});
    if (c.disjunctRows) {
      grid->MouseActions()->SetDisjunctRowSelect(true);
      grid->SetDisjunctRowSelected(1, true);
      grid->SetDisjunctRowSelected(3, true);
    }
    EXPECT_EQ(grid->SelectionDragText(), c.text);
  }
}

TEST_F(StringGridPointerTest, MultiLineDragTextIsQuotedOnlyWhenAsked) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetMultilinecells(true);
  grid->SetCellText(1, 1, "two\r\nlines");
  grid->SetSelection(TGridRect{1, 1, 1, 1});
  EXPECT_EQ(grid->SelectionDragText(), "two\r\nlines");
  grid->SetQuoteMultiLineCells(true);
  EXPECT_EQ(grid->SelectionDragText(), "\"two\vlines\"");
}

TEST_F(StringGridPointerTest, ColumnMoveMarkersFollowThePointerUntilRefused) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
  grid->SetCellText(2, 0, "Head");
  bool allow = true;
  std::vector<Integer> asked;
  grid->OnColumnMove = [&](TObject*, Integer ACol, bool& Allow) {
    asked.push_back(ACol);
    Allow = allow;
  };
  Press(grid, 128 + 10, 5);
  Move(grid, 192 + 30, 8, MK_LBUTTON);
  const TGridMoveMarkers& m = grid->PointerState().Move;
  EXPECT_TRUE(m.ButtonVisible);
  EXPECT_EQ(m.Caption, "Head");
  EXPECT_EQ(m.Button.Left, grid->ClientToScreen(TPoint{192 + 20, 3}).X);   // grabbed 10 pixels in
  EXPECT_EQ(m.Button.Right - m.Button.Left, 64);
  EXPECT_EQ(m.Target, 3);
  EXPECT_EQ(m.UpperArrow, grid->ClientToScreen(TPoint{192 - 5, 0}));
  EXPECT_EQ(m.LowerArrow, grid->ClientToScreen(TPoint{192 - 5, 21 - 8}));
  allow = false;
  Move(grid, 256 + 30, 8, MK_LBUTTON);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_FALSE(grid->PointerState().Move.ButtonVisible);
  Release(grid, 256 + 30, 8);
  EXPECT_EQ(grid->GetCellText(2, 0), "Head");   // not moved
  EXPECT_EQ(asked, (std::vector<Integer>{2, 2}));
}

TEST_F(StringGridPointerTest, RangeSelectAndEditSwitchesEditingByClickAndDrag) {
  TPointerGrid* grid = NewPointerGrid();
  grid->MouseActions()->SetRangeSelectAndEdit(true);
  const TRect current = grid->CellRect(grid->Col(), grid->Row());
  Press(grid, current.Left + 5, current.Top + 5);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  EXPECT_TRUE(grid->EditorActive());
  Release(grid, current.Left + 5, current.Top + 5);
  grid->HideCellEdit();
  Press(grid, 200, 80);
  Move(grid, 260, 100, MK_LBUTTON);
  EXPECT_FALSE(grid->Options().Contains(goEditing));   // dragging selects a range
  Release(grid, 260, 100);
}

TEST_F(StringGridPointerTest, WheelRoutingByWheelAction) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetEnableWheel(false);   // else the window procedure moves the row itself
  grid->SetRowCount(30);
  grid->SetRow(5);
  const LPARAM screen = MAKELPARAM(grid->ClientToScreen(TPoint{100, 100}).X, grid->ClientToScreen(TPoint{100, 100}).Y);
  grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<Word>(-WHEEL_DELTA)), screen);
  EXPECT_EQ(grid->Row(), 6);
  grid->MouseActions()->SetWheelAction(waScroll);
  grid->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<Word>(-WHEEL_DELTA)), screen);
  EXPECT_EQ(grid->Row(), 6);
}

TEST_F(StringGridPointerTest, KeyUpReopensTheEditorWithAlwaysEdit) {
  TPointerGrid* grid = NewPointerGrid();
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->Navigation()->SetAlwaysEdit(true);
  grid->SetFocus();
  driver_->PressKey(VK_DOWN);
  EXPECT_EQ(grid->Row(), 2);
  EXPECT_TRUE(grid->EditorActive());
}

TEST_F(StringGridPointerTest, TheGridFollowsItsFormsSizeBeforeTheFormsOwnHandler) {
  TForm* form = NewForm("FitForm", false);
  form->SetBounds(0, 0, 500, 400);
  std::vector<std::string> calls;
  bool fail = false;
  form->OnResize = uitest::NotifyEvent([&](TObject*) {
    calls.push_back("form");
    if (fail) throw std::runtime_error("handler failed");
  });
  auto* grid = new TPointerGrid(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 300, 200);
  form->Show();
  driver_->Settle();
  calls.clear();
  grid->SetSizeWithForm(true);
  form->SetBounds(0, 0, 550, 430);
  EXPECT_EQ(grid->Width(), 350);
  EXPECT_EQ(grid->Height(), 230);
  fail = true;
  form->SetBounds(0, 0, 540, 430);   // the handler's exception is swallowed
  EXPECT_EQ(grid->Width(), 340);
  fail = false;
  grid->SetSizeWithForm(false);
  form->SetBounds(0, 0, 600, 430);
  EXPECT_EQ(grid->Width(), 340);
  EXPECT_EQ(calls.size(), 3u);
  delete grid;                        // the form's handler is its own again
  form->SetBounds(0, 0, 610, 430);
  EXPECT_EQ(calls.size(), 4u);
}

// The visible arrow windows by direction (0 up, 1 down, 2 right, 3 left): their top-left corners.
std::vector<std::pair<Integer, TPoint>> ShownArrows(TProStringGrid* Grid) {
  std::vector<std::pair<Integer, TPoint>> shown;
  for (Integer i = 0; i < Grid->ComponentCount(); ++i) {
    auto* arrow = dynamic_cast<TArrowWindow*>(Grid->Components(i));
    if (arrow == nullptr || !arrow->Visible()) continue;
    TRect bounds{};
    GetWindowRect(arrow->Handle(), &bounds);
    shown.emplace_back(arrow->Direction(), TPoint{bounds.Left, bounds.Top});
  }
  std::sort(shown.begin(), shown.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  return shown;
}

TEST_F(StringGridPointerTest, MoveArrowsShowAtTheMarkersWhileAColumnOrRowMovesAndHideAfter) {
  for (const bool columns : {true, false}) {
    SCOPED_TRACE(columns ? "column" : "row");
    TPointerGrid* grid = NewPointerGrid();
    grid->SetOptions(grid->Options() + TGridOptions{columns ? goColMoving : goRowMoving});
    if (columns) {
      Press(grid, 128 + 10, 5);
      Move(grid, 192 + 30, 8, MK_LBUTTON);
    } else {
      Press(grid, 10, 2 * 21 + 5);
      Move(grid, 20, 4 * 21 + 8, MK_LBUTTON);
    }
    const TGridMoveMarkers& m = grid->PointerState().Move;
    ASSERT_TRUE(m.ArrowsVisible);
    const std::vector<std::pair<Integer, TPoint>> expected =
        columns ? std::vector<std::pair<Integer, TPoint>>{{0, m.LowerArrow}, {1, m.UpperArrow}}
                : std::vector<std::pair<Integer, TPoint>>{{2, m.UpperArrow}, {3, m.LowerArrow}};
    EXPECT_EQ(ShownArrows(grid), expected);
    Release(grid, columns ? 192 + 30 : 20, columns ? 8 : 4 * 21 + 8);
    EXPECT_TRUE(ShownArrows(grid).empty());
  }
}

}  // namespace
}  // namespace gridtest
