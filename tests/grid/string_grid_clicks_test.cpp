// Fixed-cell editing by double click and press, the fixed-cell editor's commit, and the click sort
// on header releases.
#include <string>
#include <vector>

#include "grid/arrow_window.h"
#include "grid/cell_properties.h"
#include "grid/floating_footer.h"
#include "grid/grid_trans_edit.h"
#include "grid/mouse_actions.h"
#include "grid/popup_button.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

LPARAM At(TPoint P) { return MAKELPARAM(P.X, P.Y); }

class StringGridClicksTest : public StringGridTest {
 protected:
  TTestStringGrid* HeaderGrid() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    Fill(grid, {{"", "Name", "Code"}, {"", "b", "2"}, {"", "c", "1"}, {"", "a", "3"}, {"", "a", "0"}});
    return grid;
  }
  static TPoint Middle(TProStringGrid* Grid, Integer ACol, Integer ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  static void DoubleClick(TProStringGrid* Grid, TPoint P) {
    Grid->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, At(P));
    Grid->Perform(WM_LBUTTONUP, 0, At(P));
  }
  static void Click(TProStringGrid* Grid, TPoint P, WPARAM Keys = 0) {
    Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | Keys, At(P));
    Grid->Perform(WM_LBUTTONUP, Keys, At(P));
  }
};

// Without a handler the header opens (with goEditing off); a handler or a read-only cell can refuse.
// At run time the grid owns four hidden green arrows, one per direction, and a hidden, disabled
// header caption, all parented to it; a release of the left button hides the arrows; the DAV look
// gives the caption its grey-to-white gradient when loaded.  A grid made in the designer has none.
TEST_F(StringGridClicksTest, TheGridOwnsItsMoveIndicatorsAtRunTimeOnly) {
  TTestStringGrid* grid = HeaderGrid();
  for (Byte direction = 0; direction < 4; ++direction) {
    TArrowWindow* arrow = grid->ArrowWindow(direction);
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->Direction(), direction);
    EXPECT_EQ(arrow->Owner(), grid);
    EXPECT_EQ(arrow->Parent(), grid);
    EXPECT_EQ(arrow->Color(), TColor(65280));
    EXPECT_FALSE(arrow->Visible());
    arrow->SetVisible(true);
  }
  TPopupButton* caption = grid->PopupButton();
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Parent(), grid);
  EXPECT_FALSE(caption->Visible());
  EXPECT_FALSE(caption->Enabled());
  Click(grid, Middle(grid, 1, 2));
  for (Byte direction = 0; direction < 4; ++direction) EXPECT_FALSE(grid->ArrowWindow(direction)->Visible());

  EXPECT_EQ(caption->GradFrom(), clNone);
  grid->SetLook(glDAV);
  grid->Loaded();
  EXPECT_EQ(caption->GradFrom(), TColor(0xC0C0C0));
  EXPECT_EQ(caption->GradTo(), clWhite);

  TComponent designer(nullptr);
  designer.SetDesigning(true);
  auto* designed = new TProStringGrid(&designer);   // freed by the designer
  for (Byte direction = 0; direction < 4; ++direction) EXPECT_EQ(designed->ArrowWindow(direction), nullptr);
  EXPECT_EQ(designed->PopupButton(), nullptr);
}

TEST_F(StringGridClicksTest, ADoubleClickedHeaderOpensTheFixedCellEditorUnlessRefused) {
  enum Handler { kNone, kAllows, kRefuses };
  const struct {
    Handler handler;
    bool readOnly;
    bool opens;
  } cases[] = {{kNone, false, true}, {kAllows, false, true}, {kRefuses, false, false}, {kNone, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.handler) + (c.readOnly ? " read-only" : ""));
    TTestStringGrid* grid = HeaderGrid();
    grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    if (c.handler != kNone)
      grid->OnCanEditCell = [&](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = c.handler == kAllows; };
    if (c.readOnly) grid->GetCellProperties(1, 0)->SetReadOnly(true);
    DoubleClick(grid, Middle(grid, 1, 0));
    TGridTransEdit* editor = grid->FixedCellEditor();
    ASSERT_EQ(editor->Visible(), c.opens);
    if (!c.opens) continue;
    TRect inside = grid->CellRect(1, 0);
    InflateRect(&inside, -1, -1);
    EXPECT_EQ(editor->BoundsRect(), inside);
    EXPECT_EQ(editor->Text(), "Name");
    EXPECT_EQ(TPoint(editor->Col(), editor->Row()), TPoint(1, 0));
  }
}

TEST_F(StringGridClicksTest, TheFixedCellEditorStoresOnlyAValueOnCellValidateAccepts) {
  for (const bool valid : {false, true}) {
    TTestStringGrid* grid = HeaderGrid();
    std::vector<std::string> events;
    grid->OnCellValidate = [&](TObject*, Integer ACol, Integer ARow, std::string& Value, bool& Valid) {
      events.push_back("validate " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
      Value += "!";
      Valid = valid;
    };
    grid->OnEditingDone = [&](TObject*) { events.push_back("done"); };
    grid->EditFixedCell(2, 0);
    TGridTransEdit* editor = grid->FixedCellEditor();
    editor->SetText("Key");
    EXPECT_EQ(editor->CommitEdit(), valid);
    const std::vector<std::string> expected =
        valid ? std::vector<std::string>{"validate 2,0 Key", "done"} : std::vector<std::string>{"validate 2,0 Key"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(editor->Visible(), !valid);
    EXPECT_EQ(grid->GetCellText(2, 0), valid ? "Key!" : "Code");
  }
}

TEST_F(StringGridClicksTest, AFixedCellEditorOwnedByAFormEditsNoGrid) {
  TForm* form = NewForm("TransEditForm", true);
  auto* editor = new TGridTransEdit(form);
  editor->SetParent(form);
  editor->SetCol(1);
  editor->SetText("x");
  editor->Show();
  EXPECT_EQ(editor->Grid(), nullptr);
  EXPECT_TRUE(editor->CommitEdit());
  EXPECT_FALSE(editor->Visible());
}

// With goColSizing a left press opens the header only 4 pixels or more inside it.
TEST_F(StringGridClicksTest, ALeftPressOpensAHeaderClearOfItsSizingEdges) {
  const struct {
    Integer inset;
    bool sizing;
    bool opens;
  } cases[] = {{2, true, false}, {4, true, true}, {2, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.inset) + (c.sizing ? " sizing" : ""));
    TTestStringGrid* grid = HeaderGrid();
    grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
    if (c.sizing) grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    const TRect r = grid->CellRect(2, 0);
    Click(grid, TPoint{r.Left + c.inset, (r.Top + r.Bottom) / 2});
    EXPECT_EQ(grid->FixedCellEditor()->Visible(), c.opens);
  }
}

TEST_F(StringGridClicksTest, HeaderClicksSortReverseAndRestore) {
  TTestStringGrid* grid = HeaderGrid();
  grid->SortSettings()->SetShow(true);
  grid->SortSettings()->SetUndoSort(true);
  std::vector<Integer> sorted;
  grid->OnClickSort = [&](TObject*, Integer ACol) { sorted.push_back(ACol); };
  const TPoint header = Middle(grid, 2, 0);
  Click(grid, header);
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"0", "1", "2", "3"}));
  Click(grid, header);
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"3", "2", "1", "0"}));
  Click(grid, header);
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"2", "1", "3", "0"}));
  EXPECT_EQ(grid->SortSettings()->Column(), -1);
  EXPECT_EQ(sorted, (std::vector<Integer>{2, 2, -1}));
  Click(grid, header);   // sorts again from the start
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"0", "1", "2", "3"}));
}

TEST_F(StringGridClicksTest, AShiftClickWithIndexShowAddsASecondSortColumn) {
  TTestStringGrid* grid = HeaderGrid();
  grid->SortSettings()->SetShow(true);
  grid->SortSettings()->SetIndexShow(true);
  Click(grid, Middle(grid, 1, 0));
  Click(grid, Middle(grid, 2, 0), MK_SHIFT);
  ASSERT_EQ(grid->SortIndexes()->Count(), 2);
  EXPECT_EQ(grid->SortIndexes()->GetSortColumn(0), 1);
  EXPECT_EQ(grid->SortIndexes()->GetSortColumn(1), 2);
  EXPECT_EQ(grid->SortSettings()->Column(), 1);
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"0", "3", "2", "1"}));
  Click(grid, Middle(grid, 2, 0));   // without Shift: the index becomes this column alone
  ASSERT_EQ(grid->SortIndexes()->Count(), 1);
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"0", "1", "2", "3"}));
}

// OnCanSort can refuse; a release near a header border with goColSizing, or one pressed on another
// row, does not sort.
TEST_F(StringGridClicksTest, RefusedOrSizingReleasesDoNotSort) {
  const std::vector<std::string> original{"2", "1", "3", "0"};
  for (const Integer c : {0, 1, 2}) {
    SCOPED_TRACE(c);
    TTestStringGrid* grid = HeaderGrid();
    grid->SortSettings()->SetShow(true);
    const TRect r = grid->CellRect(2, 0);
    TPoint at = Middle(grid, 2, 0);
    if (c == 0) grid->OnCanSort = [](TObject*, Integer, bool& DoSort) { DoSort = false; };
    if (c == 1) {
      grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
      at.X = r.Left + 2;
    }
    if (c == 2) {
      grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, At(Middle(grid, 2, 2)));
      grid->Perform(WM_LBUTTONUP, 0, At(at));
    } else {
      Click(grid, at);
    }
    EXPECT_EQ(Column(grid, 2, 1, 4), original);
  }
}

}   // namespace
}   // namespace gridtest

namespace gridtest {
namespace {

// Column 1 (64 pixels) dragged by its header border to twice its width.
TEST_F(StringGridClicksTest, AllColumnSizeScalesTheOtherColumnsAndOnUpdateColumnSizeWins) {
  const struct {
    bool all;
    Integer updated;   // 0: no handler
    Integer sized, other;
  } cases[] = {{true, 0, 128, 128}, {false, 0, 128, 64}, {true, 90, 90, 128}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.all) + " " + std::to_string(c.updated));
    TTestStringGrid* grid = HeaderGrid();
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->MouseActions()->SetAllColumnSize(c.all);
    std::vector<Integer> ended;
    grid->OnEndColumnSize = [&](TObject*, Integer ACol) { ended.push_back(ACol); };
    if (c.updated != 0) grid->OnUpdateColumnSize = [&](TObject*, Integer, Integer& AWidth) { AWidth = c.updated; };
    const TRect r = grid->CellRect(1, 0);
    const Integer y = (r.Top + r.Bottom) / 2;
    grid->Perform(WM_MOUSEMOVE, 0, MAKELPARAM(r.Right, y));
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.Right, y));
    grid->Perform(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.Right + 64, y));
    grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(r.Right + 64, y));
    EXPECT_EQ(grid->ColWidths(1), c.sized);
    EXPECT_EQ(grid->ColWidths(2), c.other);
    EXPECT_EQ(grid->ColWidths(0), 64);   // fixed columns keep their width
    EXPECT_EQ(ended, std::vector<Integer>{1});
  }
}

class TRowMovingGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::MoveRow;
  using TTestStringGrid::TTestStringGrid;
};

TEST_F(StringGridClicksTest, ARowMovedOntoTheFooterRowStaysWhereItWas) {
  for (const Integer to : {3, 4}) {
    auto* grid = NewGrid<TRowMovingGrid>(true);
    grid->SetColCount(3);
    grid->SetRowCount(5);
    Fill(grid, {{"", "h"}, {"", "a"}, {"", "b"}, {"", "c"}, {"", "sum"}});
    grid->FloatingFooter()->SetVisible(true);
    grid->SetRowHeights(1, 40);
    std::vector<std::string> moves;
    grid->OnRowMoved = [&](TObject*, Integer From, Integer To) { moves.push_back(std::to_string(From) + ">" + std::to_string(To)); };
    grid->MoveRow(1, to);
    const bool moved = to == 3;
    EXPECT_EQ(Column(grid, 1, 0, 4), moved ? (std::vector<std::string>{"h", "b", "c", "a", "sum"})
                                           : (std::vector<std::string>{"h", "a", "b", "c", "sum"}));
    EXPECT_EQ(grid->RowHeights(moved ? 3 : 1), 40);
    EXPECT_EQ(moves, moved ? std::vector<std::string>{"1>3"} : std::vector<std::string>{});
  }
}

TEST_F(StringGridClicksTest, ARightClickSelectsOnlyWithSelectOnRightClick) {
  const struct {
    bool select, disjunct;
    WPARAM keys;
    TPoint current;
    std::vector<bool> selectedRows;   // rows 1..4
  } cases[] = {
      {false, false, 0, {1, 1}, {false, false, false, false}},
      {true, false, 0, {2, 3}, {false, false, false, false}},
      {true, true, 0, {2, 3}, {false, false, true, false}},
      {true, true, MK_CONTROL, {2, 3}, {true, false, true, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.select) + std::to_string(c.disjunct) + std::to_string(c.keys));
    TTestStringGrid* grid = HeaderGrid();
    grid->MouseActions()->SetSelectOnRightClick(c.select);
    grid->MouseActions()->SetDisjunctRowSelect(c.disjunct);
    if (c.disjunct) grid->SetDisjunctRowSelected(1, true);
    std::vector<TPoint> clicked;
    grid->OnRightClickCell = [&](TObject*, Integer ARow, Integer ACol) { clicked.push_back(TPoint{ACol, ARow}); };
    grid->Perform(WM_RBUTTONDOWN, MK_RBUTTON | c.keys, At(Middle(grid, 2, 3)));
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), c.current);
    EXPECT_EQ(clicked, (std::vector<TPoint>{TPoint{2, 3}}));
    if (!c.disjunct) continue;
    std::vector<bool> rows;
    for (Integer row = 1; row <= 4; ++row) rows.push_back(grid->GetRowSelect(row));
    EXPECT_EQ(rows, c.selectedRows);
  }
}

}   // namespace
}   // namespace gridtest

namespace gridtest {
namespace {

// A right press opens a header with fceRightClick only; a left press never does in that mode.
TEST_F(StringGridClicksTest, ARightPressOpensAHeaderOnlyWithRightClickEditing) {
  const struct {
    TGridFixedCellEdit mode;
    bool right;
    bool opens;
  } cases[] = {{fceRightClick, true, true}, {fceRightClick, false, false}, {fceLeftClick, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.mode) + (c.right ? " right" : " left"));
    TTestStringGrid* grid = HeaderGrid();
    grid->MouseActions()->SetFixedRowsEdit(c.mode);
    const TPoint at = Middle(grid, 2, 0);
    if (c.right) {
      grid->Perform(WM_RBUTTONDOWN, MK_RBUTTON, At(at));
      grid->Perform(WM_RBUTTONUP, 0, At(at));
    } else {
      Click(grid, at);
    }
    ASSERT_EQ(grid->FixedCellEditor()->Visible(), c.opens);
    if (c.opens) {
      EXPECT_EQ(grid->FixedCellEditor()->Text(), "Code");
    }
  }
}

TEST_F(StringGridClicksTest, ARightClickOnALinkEditsItOnlyWithURLEdit) {
  for (const bool urlEdit : {false, true}) {
    SCOPED_TRACE(urlEdit);
    TTestStringGrid* grid = HeaderGrid();
    grid->SetURLShow(true);
    grid->SetURLEdit(urlEdit);
    grid->SetCellText(1, 2, "http://example.com");
    const TPoint at = Middle(grid, 1, 2);
    grid->Perform(WM_RBUTTONDOWN, MK_RBUTTON, At(at));
    grid->Perform(WM_RBUTTONUP, 0, At(at));
    EXPECT_EQ(grid->EditorMode(), urlEdit);
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), urlEdit ? TPoint(1, 2) : TPoint(1, 1));
  }
}

// Column 1 (200 pixels) double-clicked near a header border; the width expected is what fitting
// column 1 of a twin grid gives.
TEST_F(StringGridClicksTest, ADoubleClickOnAHeaderBorderFitsTheColumnAndDoesNotSort) {
  enum Edge { kRightOf1, kLeftOf2, kLeftOf1, kMiddleOf1 };
  const struct {
    const char* name;
    Edge edge;
    bool refuse;
    bool fits;
  } cases[] = {{"right edge of column 1", kRightOf1, false, true},
               {"left edge of column 2", kLeftOf2, false, true},
               {"left edge of column 1 (column 0 is fixed)", kLeftOf1, false, false},
               {"OnColumnSize refuses", kRightOf1, true, false},
               {"middle of the header", kMiddleOf1, false, false}};
  TTestStringGrid* twin = HeaderGrid();
  twin->SetColWidths(1, 200);
  twin->AutoSizeColumn(1);
  const Integer fitted = twin->ColWidths(1);
  ASSERT_NE(fitted, 200);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = HeaderGrid();
    grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
    grid->SortSettings()->SetShow(true);
    grid->SetColWidths(1, 200);
    std::vector<std::string> ended;
    grid->OnEndColumnSize = [&](TObject*, Integer ACol) { ended.push_back(std::to_string(ACol)); };
    if (c.refuse) grid->OnColumnSize = [](TObject*, Integer, bool& Allow) { Allow = false; };
    const TRect one = grid->CellRect(1, 0);
    const Integer y = (one.Top + one.Bottom) / 2;
    const Integer x = c.edge == kRightOf1 ? one.Right - 2
                      : c.edge == kLeftOf2 ? one.Right + 2
                      : c.edge == kLeftOf1 ? one.Left + 1
                                           : (one.Left + one.Right) / 2;
    DoubleClick(grid, TPoint{x, y});
    EXPECT_EQ(grid->ColWidths(1), c.fits ? fitted : 200);
    EXPECT_EQ(ended, c.fits ? std::vector<std::string>{"1"} : std::vector<std::string>{});
    if (c.edge != kMiddleOf1) {
      EXPECT_EQ(Column(grid, 1, 1, 4), (std::vector<std::string>{"b", "c", "a", "a"}));
    }
  }
}

}   // namespace
}   // namespace gridtest
