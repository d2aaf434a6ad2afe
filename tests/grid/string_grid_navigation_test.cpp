// Cell selection and keyboard navigation of the string grid: which cells may become current and
// the switching of goEditing, the Enter advance in both directions with wrapping and insertion,
// Tab over merged ranges, the stop when nothing may be edited, the incremental lookup, and the
// cell checker consulted by validation.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/cell_checker.h"
#include "grid/cell_graphic.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "platform/ui/edit.h"
#include "platform/ui/inplace_edit.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// Counts the SelectCell calls that ask for each cell.
class TSelectCountingGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  using TProStringGrid::KeyPress;
  using TProStringGrid::MoveColRow;
  std::vector<TPoint> asked;
  std::vector<std::string> clicks;   // "down x,y" / "up x,y" as the grid's mouse handling sees them
  bool AskSelectCell(Integer ACol, Integer ARow) { return SelectCell(ACol, ARow); }

 protected:
  bool SelectCell(Integer ACol, Integer ARow) override {
    asked.push_back(TPoint{ACol, ARow});
    return TTestStringGrid::SelectCell(ACol, ARow);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override {
    clicks.push_back("down " + std::to_string(X) + "," + std::to_string(Y));
    TTestStringGrid::MouseDown(Button, Shift, X, Y);
  }
  void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override {
    clicks.push_back("up " + std::to_string(X) + "," + std::to_string(Y));
    TTestStringGrid::MouseUp(Button, Shift, X, Y);
  }
};

class NavigationTest : public StringGridTest {
 protected:
  // A shown 5 x 5 grid (normal cells 1..4 x 1..4) with goEditing and AdvanceOnEnter.
  TSelectCountingGrid* NewEditingGrid() {
    TForm* form = NewForm("NavigationForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TSelectCountingGrid(form);
    grid->SetParent(form);
    grid->SetColCount(5);
    grid->SetRowCount(5);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->Navigation()->SetAdvanceOnEnter(true);
    form->Show();
    driver_->Settle();
    return grid;
  }
  static TPoint Current(TProStringGrid* Grid) { return TPoint{Grid->Col(), Grid->Row()}; }
  static void Advance(TProStringGrid* Grid, bool Forward, bool Force = false) {
    Grid->AdvanceToNextCell(Grid->Col(), Grid->Row(), false, false, Forward, false, Force);
  }

 private:
  Integer forms_ = 0;
};

TEST_F(NavigationTest, AdvanceMovesToTheNextCellInBothDirectionsAndWraps) {
  struct Case {
    TAdvanceDirection direction;
    bool forward;
    TPoint start, expected;
  };
  const Case cases[] = {
      {adLeftRight, true, {1, 1}, {2, 1}},  {adLeftRight, true, {4, 1}, {1, 2}},  {adLeftRight, true, {4, 4}, {1, 1}},
      {adLeftRight, false, {2, 1}, {1, 1}}, {adLeftRight, false, {1, 2}, {4, 1}}, {adLeftRight, false, {1, 1}, {4, 4}},
      {adTopBottom, true, {1, 1}, {1, 2}},  {adTopBottom, true, {1, 4}, {2, 1}},  {adTopBottom, true, {4, 4}, {1, 1}},
      {adTopBottom, false, {1, 2}, {1, 1}}, {adTopBottom, false, {2, 1}, {1, 4}}, {adTopBottom, false, {1, 1}, {4, 4}},
  };
  TSelectCountingGrid* grid = NewEditingGrid();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.direction) + (c.forward ? " forward from " : " backward from ") +
                 std::to_string(c.start.X) + "," + std::to_string(c.start.Y));
    grid->Navigation()->SetAdvanceDirection(c.direction);
    grid->MoveColRow(c.start.X, c.start.Y, true, true);
    Advance(grid, c.forward);
    EXPECT_EQ(Current(grid), c.expected);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(grid->ColCount(), 5);
  }
}

TEST_F(NavigationTest, AdvanceNeedsAdvanceOnEnterOrForceAndSkipsCellsThatMayNotBeEdited) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->Navigation()->SetAdvanceOnEnter(false);
  Advance(grid, true);
  EXPECT_EQ(Current(grid), (TPoint{1, 1}));
  grid->OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) { CanEdit = !(ACol == 2 && ARow == 1); };
  Advance(grid, true, true);
  EXPECT_EQ(Current(grid), (TPoint{3, 1}));
}

TEST_F(NavigationTest, AdvanceInsertAppendsARowUnlessRefusedOrAColumnTopToBottom) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->Navigation()->SetAdvanceInsert(true);
  std::vector<std::string> log;
  bool canAdd = false;
  grid->OnCanAddRow = [&](TObject*, bool& CanAdd) { CanAdd = canAdd; };
  grid->OnAutoAddRow = [&](TObject*, Integer ARow) { log.push_back("row " + std::to_string(ARow)); };
  grid->OnAutoInsertCol = [&](TObject*, Integer ACol) { log.push_back("col " + std::to_string(ACol)); };

  grid->MoveColRow(4, 4, true, true);
  Advance(grid, true);
  EXPECT_EQ(grid->RowCount(), 5);   // refused: the row stays, the column goes to the first one
  EXPECT_EQ(Current(grid), (TPoint{1, 4}));

  canAdd = true;
  grid->MoveColRow(4, 4, true, true);
  Advance(grid, true);
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(Current(grid), (TPoint{1, 5}));

  grid->Navigation()->SetAdvanceDirection(adTopBottom);
  grid->MoveColRow(4, 5, true, true);
  Advance(grid, true);
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(Current(grid), (TPoint{5, 1}));
  EXPECT_EQ(log, (std::vector<std::string>{"row 5", "col 5"}));
}

TEST_F(NavigationTest, OnAutoAdvanceMovesTheTargetOrRefusesTheMove) {
  TSelectCountingGrid* grid = NewEditingGrid();
  bool allow = true;
  grid->OnAutoAdvance = [&](TObject*, Integer OldRow, Integer OldCol, Integer& NewRow, Integer& NewCol, bool& Allow) {
    EXPECT_EQ(OldRow, 1);
    EXPECT_EQ(OldCol, 1);
    NewRow = 3;
    NewCol = 4;
    Allow = allow;
  };
  Advance(grid, true);
  EXPECT_EQ(Current(grid), (TPoint{4, 3}));
  allow = false;
  grid->MoveColRow(1, 1, true, true);
  grid->asked.clear();
  Advance(grid, true);
  EXPECT_EQ(Current(grid), (TPoint{1, 1}));
  EXPECT_EQ(grid->asked, (std::vector<TPoint>{{1, 1}}));   // the start cell selected again
}

TEST_F(NavigationTest, AnAdvanceInsertsAtMostOneColumnWhenOnlyTheStartCellMayBeEdited) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->Navigation()->SetAdvanceDirection(adTopBottom);
  grid->Navigation()->SetAdvanceInsert(true);
  grid->OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) { CanEdit = ACol == 4 && ARow == 4; };
  grid->MoveColRow(4, 4, true, true);
  Advance(grid, true);
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(Current(grid), (TPoint{4, 4}));
}

TEST_F(NavigationTest, WithNoEditableCellAdvanceAndTabStayOnTheStartCellSelectedAgain) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
  for (const bool tab : {false, true}) {
    SCOPED_TRACE(tab ? "Tab" : "advance");
    grid->MoveColRow(2, 3, true, true);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->asked.clear();
    if (tab)
      grid->HandleTabKey(false);
    else
      Advance(grid, true, true);
    EXPECT_EQ(Current(grid), (TPoint{2, 3}));
    EXPECT_EQ(grid->asked, (std::vector<TPoint>{{2, 3}}));
  }
}

TEST_F(NavigationTest, TabWalksOverMergedRangesBothWaysAndWrapsToTheNextRow) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->MergeCells(1, 1, 2, 1);
  struct Case {
    TPoint start;
    bool backwards;
    TPoint expected;
  };
  const Case cases[] = {
      {{1, 1}, false, {3, 1}}, {{3, 1}, true, {1, 1}}, {{4, 1}, false, {1, 2}},
      {{1, 2}, true, {4, 1}},  {{4, 4}, false, {1, 1}}, {{1, 1}, true, {4, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.start.X) + "," + std::to_string(c.start.Y) + (c.backwards ? " back" : ""));
    grid->MoveColRow(c.start.X, c.start.Y, true, true);
    grid->HandleTabKey(c.backwards);
    EXPECT_EQ(Current(grid), c.expected);
  }
}

TEST_F(NavigationTest, TabToNextAtEndMovesTheFocusToTheNextControl) {
  TSelectCountingGrid* grid = NewEditingGrid();
  auto* next = new TEdit(grid->Owner());
  next->SetParent(static_cast<TWinControl*>(grid->Owner()));
  next->SetBounds(0, 300, 100, 21);
  grid->SetFocus();
  driver_->Settle();
  grid->Navigation()->SetTabToNextAtEnd(true);
  grid->MoveColRow(4, 4, true, true);
  grid->HandleTabKey(false);
  driver_->Settle();
  EXPECT_EQ(Current(grid), (TPoint{1, 1}));
  EXPECT_EQ(driver_->FocusedControl(), next);
}

TEST_F(NavigationTest, SelectCellSwitchesGoEditingMovesCoveredCellsToTheirBaseAndAsksForRowChanges) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->OnCanEditCell = [](TObject*, Integer, Integer ACol, bool& CanEdit) { CanEdit = ACol != 3; };
  grid->SetCol(3);
  EXPECT_FALSE(grid->Options().Contains(goEditing));
  EXPECT_TRUE(grid->EditingSuspended());
  grid->SetCol(2);
  EXPECT_TRUE(grid->Options().Contains(goEditing));
  EXPECT_FALSE(grid->EditingSuspended());

  grid->MergeCells(1, 2, 3, 2);
  grid->SetOptions(grid->Options() - TGridOptions{goRangeSelect});
  grid->MoveColRow(3, 3, true, true);
  EXPECT_EQ(Current(grid), (TPoint{1, 2}));

  bool allow = false;
  grid->OnRowChanging = [&](TObject*, Integer OldRow, Integer NewRow, bool& Allow) {
    EXPECT_EQ(OldRow, 2);
    EXPECT_EQ(NewRow, 4);
    Allow = allow;
  };
  grid->SetRow(4);
  EXPECT_EQ(grid->Row(), 2);
  allow = true;
  grid->SetRow(4);
  EXPECT_EQ(grid->Row(), 4);
}

TEST_F(NavigationTest, WithNodesColumnZeroIsOutOfReachUnlessRowsAreSelected) {
  struct Case {
    bool nodes, rowSelect, reachable;
  };
  const Case cases[] = {{false, false, true}, {true, false, false}, {true, true, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.nodes ? "nodes" : "no nodes") + (c.rowSelect ? ", goRowSelect" : ""));
    TSelectCountingGrid* grid = NewEditingGrid();
    grid->SetFixedCols(0);
    if (c.nodes) grid->AddNode(1, 2);
    if (c.rowSelect) grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    grid->MoveColRow(2, 2, true, true);
    EXPECT_EQ(grid->AskSelectCell(0, 3), c.reachable);
    EXPECT_EQ(grid->AskSelectCell(1, 3), true);
    EXPECT_EQ(grid->FirstNormalColumn(), c.nodes ? 1 : 0);
  }
}

TEST_F(NavigationTest, RestartingOntoAClickableCellSelectsAgainAndClicksItUnlessTheStartIsClickable) {
  for (bool startClickable : {false, true}) {
    SCOPED_TRACE(startClickable ? "clickable start" : "plain start");
    TSelectCountingGrid* grid = NewEditingGrid();
    grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
    if (startClickable) grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->MoveColRow(1, 1, true, true);
    grid->asked.clear();
    grid->clicks.clear();
    grid->AdvanceToNextCell(1, 1, true, false, true, false, false);
    EXPECT_EQ(Current(grid), (TPoint{2, 1}));
    ASSERT_GE(grid->asked.size(), 3u);
    EXPECT_EQ(grid->asked[1], (TPoint{1, 1}));
    EXPECT_EQ(grid->asked[2], (TPoint{2, 1}));
    const TRect cell = grid->CellRect(2, 1);
    const std::string at = std::to_string(cell.Left + 2) + "," + std::to_string(cell.Top + 2);
    const std::vector<std::string> pressAndRelease{"down " + at, "up " + at};
    EXPECT_EQ(grid->clicks, startClickable ? std::vector<std::string>{} : pressAndRelease);
  }
}

TEST_F(NavigationTest, EnterOnAClickableCellAdvancesAndFiresOnKeyPress) {
  struct Case {
    bool clickable;
    Integer colAfter;
    int keyPresses;
  };
  for (const Case& c : {Case{true, 2, 1}, Case{false, 1, 1}}) {   // exactly once either way
    SCOPED_TRACE(c.clickable ? "clickable" : "plain");
    TSelectCountingGrid* grid = NewEditingGrid();
    if (c.clickable) grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->MoveColRow(1, 1, true, true);
    grid->SetFocus();
    int keyPresses = 0;
    grid->OnKeyPress = [&](TObject*, char& Key) { keyPresses += Key == VK_RETURN; };
    char key = VK_RETURN;
    grid->KeyPress(key);
    grid->OnKeyPress = {};
    EXPECT_EQ(Current(grid), (TPoint{c.colAfter, 1}));
    EXPECT_EQ(keyPresses, c.keyPresses);
  }
}

TEST_F(NavigationTest, ARestartedEditIsHiddenAgainWhenTheStartCellsKindIsAnEditorControl) {
  struct Case {
    TEditorType startKind;
    bool editorShown;
  };
  for (const Case& c : {Case{edNormal, true}, Case{edNone, true}, Case{edSpinEdit, false}}) {
    SCOPED_TRACE(std::to_string(c.startKind));
    TSelectCountingGrid* grid = NewEditingGrid();
    grid->OnGetEditorType = [&c](TObject*, Integer ACol, Integer, TEditorType& Editor) {
      if (ACol == 1) Editor = c.startKind;
    };
    grid->MoveColRow(1, 1, true, true);
    grid->SetFocus();
    driver_->Settle();
    grid->AdvanceToNextCell(1, 1, true, false, true, true, false);
    EXPECT_EQ(Current(grid), (TPoint{2, 1}));
    EXPECT_EQ(grid->EditorMode(), c.editorShown);
    EXPECT_EQ(grid->InplaceEditor() != nullptr && grid->InplaceEditor()->IsShown(), c.editorShown);
    grid->OnGetEditorType = {};
  }
}

// Enter restarts the edit in the next cell while an editor is in use for the current one
// (EditorActive), not merely while the class library keeps its editor mode (goAlwaysShowEditor on
// a check box cell, which no editor edits).  A restart onto a check box clicks it.
TEST_F(NavigationTest, EnterRestartsTheEditOnlyWhileAnEditorIsActive) {
  struct Case {
    const char* name;
    bool alwaysShowEditor;
    bool startClickable;
    bool restarted;
  };
  const Case cases[] = {
      {"in-place edit open", false, false, true},
      {"editor mode on a check box", true, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSelectCountingGrid* grid = NewEditingGrid();
    grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
    if (c.startClickable) grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->MoveColRow(1, 1, true, true);
    grid->SetFocus();
    if (c.alwaysShowEditor) grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
    else grid->ShowCellEditor();
    driver_->Settle();
    EXPECT_EQ(grid->EditorActive(), !c.alwaysShowEditor);
    EXPECT_TRUE(grid->EditorMode());
    grid->asked.clear();
    char key = VK_RETURN;
    grid->KeyPress(key);
    EXPECT_EQ(Current(grid), (TPoint{2, 1}));
    // A restart selects the start cell and the target again after the move.
    EXPECT_EQ(grid->asked.size() >= 3, c.restarted) << grid->asked.size();
  }
}

TEST_F(NavigationTest, IncrementalLookupGoesToTheFirstRowStartingWithWhatWasTyped) {
  TSelectCountingGrid* grid = NewEditingGrid();
  grid->SetOptions(grid->Options() - TGridOptions{goEditing});
  grid->Navigation()->SetAutoGotoWhenSorted(true);
  grid->Navigation()->SetAutoGotoIncremental(true);
  Fill(grid, {{"", "x"}, {"", "Apple"}, {"", "axe"}, {"", "abc"}, {"", "about"}});
  char key = 'a';
  grid->KeyPress(key);
  EXPECT_EQ(grid->Row(), 1);
  key = 'B';
  grid->KeyPress(key);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->LookupText(), "aB");
  key = 'q';
  grid->KeyPress(key);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->LookupText(), "");
}

TEST_F(NavigationTest, TheBaseCellCheckerStoresWhatValidationLeavesAndIsForgottenWhenFreed) {
  TSelectCountingGrid* grid = NewEditingGrid();
  auto* checker = new TProStringGridCheck(grid->Owner());
  checker->SetAutoCorrect(true);
  checker->SetAutoMarkError(true);
  grid->SetCellChecker(checker);
  grid->OnCellValidate = [](TObject*, Integer, Integer, std::string& Value, bool&) { Value += "!"; };
  grid->RememberCellValue(2, 2);
  grid->SetEditorOpen(true);
  EXPECT_TRUE(grid->ValidateCell("typed"));
  EXPECT_EQ(grid->GetCellText(2, 2), "typed!");
  delete checker;
  EXPECT_EQ(grid->CellChecker(), nullptr);
  grid->RememberCellValue(2, 2);
  grid->SetEditorOpen(true);
  EXPECT_TRUE(grid->ValidateCell("again"));
  EXPECT_EQ(grid->GetCellText(2, 2), "again!");
}

// Records the calls the grid makes, each changing the value visibly.
class TRecordingChecker : public TProStringGridCheck {
 public:
  using TProStringGridCheck::TProStringGridCheck;
  std::vector<std::string>* log = nullptr;
  std::string Correct(Integer ACol, Integer ARow, const std::string& Value) override {
    log->push_back("correct " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
    return Value + "+c";
  }
  std::string MarkError(Integer ACol, Integer ARow, const std::string& Value) override {
    log->push_back("mark " + std::to_string(ACol) + "," + std::to_string(ARow) + " " + Value);
    return Value + "+m";
  }
};

TEST_F(NavigationTest, TheCheckerCorrectsBeforeAndMarksAfterOnCellValidateEachOnlyWhenSwitchedOn) {
  TSelectCountingGrid* grid = NewEditingGrid();
  auto* checker = new TRecordingChecker(grid->Owner());
  std::vector<std::string> log;
  checker->log = &log;
  grid->SetCellChecker(checker);
  grid->OnCellValidate = [&](TObject*, Integer, Integer, std::string& Value, bool&) { log.push_back("validate " + Value); };
  const struct {
    bool correct, mark;
    std::string stored;
    std::vector<std::string> log;
  } cases[] = {
      {false, false, "t", {"validate t"}},
      {true, false, "t+c", {"correct 3,2 t", "validate t+c"}},
      {false, true, "t+m", {"validate t", "mark 3,2 t"}},
      {true, true, "t+c+m", {"correct 3,2 t", "validate t+c", "mark 3,2 t+c"}},
  };
  for (const auto& c : cases) {
    checker->SetAutoCorrect(c.correct);
    checker->SetAutoMarkError(c.mark);
    log.clear();
    grid->SetCellText(3, 2, "");
    grid->RememberCellValue(3, 2);
    grid->SetEditorOpen(true);
    EXPECT_TRUE(grid->ValidateCell("t"));
    EXPECT_EQ(grid->GetCellText(3, 2), c.stored);
    EXPECT_EQ(log, c.log);
  }
}

}   // namespace
}   // namespace gridtest
