// The grid's in-place editor on the 10 x 10 string grid of the grid fixture (cell pitch 31 x 21):
// what opens it (F2, a typed character, a press on the current cell), where it lies, how its text
// reaches the cell (Return, moving away, focus loss) or not (Escape), which keys it hands to the
// grid, the grid's hooks that limit it, and a cell's edit mask (typing, writing back, validation).
#include "platform/ui/edit.h"
#include "platform/ui/inplace_edit.h"
#include "platform/ui/message_box.h"
#include "platform/user/message_beep.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"
#include "grid_test_support.h"
#include "key_steps.h"

namespace uitest {
namespace {

class GridEditorTest : public GridTest {
 protected:
  TTestGrid* EditingGrid(TGridOptions extra = {}) {
    TTestGrid* grid = NewGrid();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing} + extra);
    for (Integer col = 1; col < 10; ++col)
      for (Integer row = 1; row < 10; ++row) grid->SetCells(col, row, std::to_string(col) + std::to_string(row));
    return grid;
  }

  static bool EditorShown(TTestGrid* grid) {
    return grid->InplaceEditor() != nullptr && grid->InplaceEditor()->IsShown();
  }

  // The editor is shown on the current cell, showing Text, and has the focus.
  void ExpectEditing(TTestGrid* grid, const std::string& text) {
    ASSERT_TRUE(EditorShown(grid));
    TInplaceEdit* editor = grid->InplaceEditor();
    EXPECT_EQ(editor->BoundsRect(), grid->CellRect(grid->Col(), grid->Row()));
    EXPECT_EQ(editor->Text(), text);
    EXPECT_TRUE(editor->Focused());
    EXPECT_TRUE(grid->EditorMode());
  }

  void Press(TTestGrid* grid, Integer x, Integer y) {
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    grid->Perform(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    driver_->Settle();
  }
};

TEST_F(GridEditorTest, F2OpensTheEditorOnTheCellWithTheCaretAtTheEnd) {
  TTestGrid* grid = EditingGrid();
  grid->SetRow(2);
  driver_->PressKey(VK_F2);
  ExpectEditing(grid, "12");
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), (TRect{31, 42, 61, 62}));
  EXPECT_EQ(grid->InplaceEditor()->SelStart(), 2);
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0);
  EXPECT_EQ(GetParentForm(grid)->ActiveControl(), grid);   // the grid stays the active control
  driver_->Type("x");
  driver_->PressKey(VK_RETURN);
  EXPECT_FALSE(EditorShown(grid));
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 2), "12x");
  EXPECT_TRUE(grid->Focused());
}

TEST_F(GridEditorTest, ATypedCharacterOpensTheEditorAndReplacesTheText) {
  TTestGrid* grid = EditingGrid();
  driver_->Type("q");
  driver_->Settle();
  ExpectEditing(grid, "q");
  driver_->Type("rs");
  EXPECT_EQ(grid->Cells(1, 1), "11");   // the cell changes only when the editor lets go
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(grid->Cells(1, 1), "qrs");
  driver_->PressKey(VK_RETURN);         // Return on the grid opens the editor again
  ExpectEditing(grid, "qrs");
}

TEST_F(GridEditorTest, APressOnTheCurrentCellOpensTheEditorAndOnAnotherCellMovesThere) {
  TTestGrid* grid = EditingGrid();
  Press(grid, 100, 50);   // cell (3, 2)
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{3, 2}));
  EXPECT_FALSE(EditorShown(grid));
  EXPECT_EQ(grid->GridState(), gsNormal);   // no range drag while editing
  Press(grid, 100, 50);
  ExpectEditing(grid, "32");
  Press(grid, 40, 30);    // cell (1, 1): the editor closes
  EXPECT_FALSE(EditorShown(grid));
  EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), (TGridCoord{1, 1}));
}

TEST_F(GridEditorTest, APressSoonAfterTheOneThatOpenedTheEditorIsADoubleClick) {
  TTestGrid* grid = EditingGrid();
  grid->SetCells(3, 2, "two words");
  Integer doubles = 0;
  grid->OnDblClick = [&](TObject*) { ++doubles; };
  driver_->ClickAt(grid, {100, 50});
  clock_.Advance(1000);
  driver_->ClickAt(grid, {100, 50});     // opens the editor
  ExpectEditing(grid, "two words");
  driver_->ClickAt(grid, {100, 50});     // on the editor, at once: a double click on a word
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 5);
  clock_.Advance(1000);
  driver_->ClickAt(grid, {100, 50});     // later: a plain press
  EXPECT_EQ(doubles, 1);
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 0);
}

TEST_F(GridEditorTest, EscapeRestoresTheTextTheEditorOpenedWith) {
  TTestGrid* grid = EditingGrid();
  driver_->PressKey(VK_F2);
  driver_->Type("zz");
  driver_->PressKey(VK_ESCAPE);
  EXPECT_FALSE(EditorShown(grid));
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(1, 1), "11");
  // Kept open from cell to cell, Escape restores and selects the text and the editor stays.
  grid->SetOptions(grid->Options() + TGridOptions{goAlwaysShowEditor});
  driver_->Type("zz");
  driver_->PressKey(VK_ESCAPE);
  ExpectEditing(grid, "11");
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 2);
}

TEST_F(GridEditorTest, KeysTheEditorHandsToTheGridMoveTheCellAndWriteTheTextBack) {
  const struct {
    Word key;
    TShiftState shift;
    TGridCoord cell;
  } cases[] = {{VK_DOWN, {}, {2, 3}}, {VK_UP, {}, {2, 1}}, {VK_TAB, {}, {3, 2}}, {VK_TAB, {ssShift}, {1, 2}},
               {VK_NEXT, {}, {2, 5}}};
  for (const auto& c : cases) {
    TTestGrid* grid = EditingGrid(TGridOptions{goTabs});
    grid->MoveColRow(2, 2, true, true);
    driver_->PressKey(VK_F2);
    driver_->Type("!");
    driver_->PressKey(c.key, c.shift);
    SCOPED_TRACE("key " + std::to_string(c.key));
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.cell);
    EXPECT_EQ(grid->Cells(2, 2), "22!");
    EXPECT_FALSE(EditorShown(grid));
    EXPECT_TRUE(grid->Focused());
  }
}

TEST_F(GridEditorTest, AnEditorAlwaysShownFollowsTheCellAndLeavesTheTextAtItsEnds) {
  TTestGrid* grid = EditingGrid(TGridOptions{goAlwaysShowEditor});
  ExpectEditing(grid, "11");
  driver_->PressKey(VK_DOWN);
  ExpectEditing(grid, "12");
  driver_->PressKey(VK_RIGHT);           // all selected: the caret cannot go further right
  ExpectEditing(grid, "22");
  EXPECT_EQ(grid->Col(), 2);
  driver_->PressKey(VK_LEFT);            // all selected counts as the start too
  EXPECT_EQ(grid->Col(), 1);
  driver_->PressKey(VK_F2);              // the caret to the end
  driver_->PressKey(VK_LEFT);            // inside the text
  EXPECT_EQ(grid->Col(), 1);
  EXPECT_EQ(grid->InplaceEditor()->SelStart(), 1);
  driver_->PressKey(VK_RIGHT);
  driver_->PressKey(VK_RIGHT);           // past the end
  EXPECT_EQ(grid->Col(), 2);
  // Without goAlwaysShowEditor Left and Right stay in the text.
  grid->SetOptions(grid->Options() - TGridOptions{goAlwaysShowEditor});
  driver_->PressKey(VK_F2);
  driver_->PressKey(VK_RIGHT);
  driver_->PressKey(VK_HOME);
  driver_->PressKey(VK_LEFT);
  EXPECT_EQ(grid->Col(), 2);
  EXPECT_TRUE(EditorShown(grid));
}

TEST_F(GridEditorTest, TheEditorMovesWithScrollingAndSizingAndHidesOutOfView) {
  TTestGrid* grid = EditingGrid();
  grid->MoveColRow(2, 3, true, true);
  driver_->PressKey(VK_F2);
  grid->SetTopRow(2);
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), (TRect{62, 42, 92, 62}));
  grid->SetColWidths(1, 10);
  grid->SetRowHeights(3, 15);
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), (TRect{42, 42, 72, 57}));
  grid->SetTopRow(4);                    // the edited row scrolled away
  EXPECT_FALSE(EditorShown(grid));
  grid->SetTopRow(2);
  ExpectEditing(grid, "23");
  driver_->PressKey(VK_DOWN, {ssCtrl});  // Ctrl+Down scrolls without moving the cell
  EXPECT_EQ(grid->TopRow(), 3);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->InplaceEditor()->BoundsRect(), (TRect{42, 21, 72, 36}));
}

TEST_F(GridEditorTest, FocusLeavingTheGridWritesTheTextBackAndComingBackReopens) {
  TTestGrid* grid = EditingGrid();
  auto* other = new TEdit(grid->Owner());
  other->SetParent(grid->Parent());
  other->SetBounds(0, 150, 100, 25);
  driver_->PressKey(VK_F2);
  driver_->Type("+");
  other->SetFocus();
  driver_->Settle();
  EXPECT_EQ(grid->Cells(1, 1), "11+");
  EXPECT_FALSE(EditorShown(grid));
  grid->SetFocus();
  driver_->Settle();
  ExpectEditing(grid, "11+");
}

TEST_F(GridEditorTest, ChangesByTheProgramNeitherLoseTheEditorsTextNorLeaveItStale) {
  TTestGrid* grid = EditingGrid();
  grid->MoveColRow(2, 2, true, true);
  driver_->PressKey(VK_F2);
  driver_->Type("a");
  grid->MoveRow(2, 5);                   // the edited text travels with its row
  EXPECT_EQ(grid->Cells(2, 5), "22a");
  ExpectEditing(grid, "23");             // the editor reopens on what is now the current cell
  driver_->Type("b");
  grid->SetRowCount(2);                  // the edited row goes: the text is stored first, nothing breaks
  EXPECT_EQ(grid->Cells(2, 1), "21");
  ExpectEditing(grid, "21");
  grid->SetCells(2, 1, "set");           // a text set by the program replaces the editor's
  ExpectEditing(grid, "set");
  grid->SetCells(3, 1, "other");
  ExpectEditing(grid, "set");
}

// The store a descendant reads and writes directly: no repaint, no editor reload, and the
// grid's index error outside the grid.
TEST_F(GridEditorTest, TheStoredCellChangesWithoutRepaintOrReload) {
  TTestGrid* grid = EditingGrid();
  driver_->PressKey(VK_F2);
  ExpectEditing(grid, "11");
  driver_->Settle();
  grid->drawn.clear();
  TObject marker;
  grid->StoredCell(1, 1).Text = "stored";
  grid->StoredCell(1, 1).Object = &marker;
  grid->Update();
  EXPECT_TRUE(grid->drawn.empty());
  ExpectEditing(grid, "11");
  EXPECT_EQ(grid->Cells(1, 1), "stored");
  EXPECT_EQ(grid->Objects(1, 1), &marker);
  const TTestGrid& constGrid = *grid;
  EXPECT_EQ(constGrid.StoredCell(9, 9).Text, "99");
  for (const TGridCoord cell : {TGridCoord{10, 0}, TGridCoord{0, 10}, TGridCoord{-1, 0}})
    EXPECT_THROW(grid->StoredCell(cell.X, cell.Y), EInvalidGridOperation) << cell.X << "," << cell.Y;
}

TEST_F(GridEditorTest, GetAndSetEditTextEventsSeeTheEditorsText) {
  TTestGrid* grid = EditingGrid();
  std::vector<std::string> stored;
  grid->OnGetEditText = [](TObject*, Integer col, Integer row, std::string& value) {
    value = "<" + value + ">" + std::to_string(col) + std::to_string(row);
  };
  grid->OnSetEditText = [&](TObject*, Integer, Integer, const std::string& value) { stored.push_back(value); };
  driver_->PressKey(VK_F2);
  ExpectEditing(grid, "<11>11");
  driver_->PressKey(VK_RETURN);
  EXPECT_EQ(stored, (std::vector<std::string>{"<11>11"}));
  EXPECT_EQ(grid->Cells(1, 1), "<11>11");
}

// A grid whose hooks refuse: digits only, and with a limit of -1 no change at all.
class TLimitedGrid : public TTestGrid {
 public:
  using TTestGrid::TTestGrid;
  Integer limit = 0;

 protected:
  bool CanEditAcceptKey(char Key) override { return Key >= '0' && Key <= '9'; }
  Integer GetEditLimit() override { return limit; }
};

TEST_F(GridEditorTest, RefusedKeysBeepAndALimitOfMinusOneForbidsChanges) {
  TTestGrid* plain = EditingGrid();
  auto* grid = new TLimitedGrid(plain->Owner());
  grid->SetParent(plain->Parent());
  grid->SetOptions(plain->Options());
  grid->SetCells(1, 1, "5");
  grid->SetFocus();
  Integer beeps = 0;
  user::SetBeepListener([&](UINT) { ++beeps; });
  driver_->PressKey(VK_F2);
  driver_->Type("a7");
  EXPECT_EQ(grid->InplaceEditor()->Text(), "57");
  EXPECT_EQ(beeps, 1);
  driver_->PressKey(VK_ESCAPE);
  grid->limit = -1;
  driver_->PressKey(VK_F2);
  driver_->Type("8");
  driver_->PressKey(VK_BACK);
  driver_->PressKey(VK_DELETE);
  EXPECT_EQ(grid->InplaceEditor()->Text(), "5");
  user::SetBeepListener({});
}

TEST_F(GridEditorTest, EditingNeedsGoEditingAndNoRowSelect) {
  TTestGrid* grid = NewGrid();
  driver_->PressKey(VK_F2);
  driver_->Type("x");
  EXPECT_FALSE(EditorShown(grid));
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  driver_->PressKey(VK_F2);
  EXPECT_TRUE(EditorShown(grid));
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect, goAlwaysShowEditor});
  EXPECT_FALSE(EditorShown(grid));
  EXPECT_FALSE(grid->Options().Contains(goAlwaysShowEditor));
}

// Column 2 edits through a day/month mask that keeps its literal; the other columns edit free text.
class MaskedGridEditorTest : public GridEditorTest {
 protected:
  static constexpr const char* kDayMonth = "00/00;1;_";
  static constexpr const char* kInvalid = "Invalid input value.  Use escape key to abandon changes.";

  TTestGrid* MaskedGrid(TGridOptions extra, const std::string& text) {
    TTestGrid* grid = EditingGrid(extra);
    grid->OnGetEditMask = [](TObject*, Integer col, Integer, std::string& value) {
      if (col == 2) value = kDayMonth;
    };
    grid->SetCells(2, 1, text);
    grid->MoveColRow(2, 1, true, true);
    driver_->Settle();
    return grid;
  }
};

TEST_F(MaskedGridEditorTest, TypingSkipsLiteralsReturnWritesBackAndAnIncompleteTextKeepsTheEditor) {
  const struct {
    const char* name;
    TGridOptions extra;
    std::string initial;       // the text of cell (2, 1)
    std::vector<Step> steps;
    std::string cell;          // cell (2, 1) afterwards
    TGridCoord current;
    std::string editText;      // the editor's masked text; "" when it is hidden
    size_t errors;
  } cases[] = {
      {"typing skips the literal", {}, "", {T("1205"), K(VK_RETURN)}, "12/05", {2, 1}, "", 0},
      {"F2 then Home types over the first digit", {}, "12/05", {K(VK_F2), K(VK_HOME), T("3"), K(VK_RETURN)},
       "32/05", {2, 1}, "", 0},
      {"a letter is refused", {}, "", {T("1a205"), K(VK_RETURN)}, "12/05", {2, 1}, "", 0},
      {"Escape puts back the loaded text", {}, "12/05", {T("9"), K(VK_ESCAPE)}, "12/05", {2, 1}, "", 0},
      {"an untouched empty cell stays empty", {}, "", {K(VK_F2), K(VK_RETURN)}, "", {2, 1}, "", 0},
      {"a value without its literal stays as it was", {}, "1205", {K(VK_F2), K(VK_DOWN)}, "1205", {2, 2}, "", 0},
      {"Return with an incomplete text", {}, "", {T("12"), K(VK_RETURN)}, "", {2, 1}, "12/__", 1},
      {"Down with an incomplete text", {}, "", {T("1"), K(VK_DOWN)}, "", {2, 1}, "1_/__", 1},
      {"completed after the error", {}, "", {T("12"), K(VK_RETURN), T("05"), K(VK_RETURN)}, "12/05", {2, 1}, "", 1},
      {"kept open: Down with an incomplete text", {goAlwaysShowEditor}, "", {T("1"), K(VK_DOWN)}, "", {2, 1},
       "1_/__", 1},
      {"kept open: Right at the end goes on to a free-text cell", {goAlwaysShowEditor}, "",
       {T("1205"), K(VK_RIGHT)}, "12/05", {3, 1}, "31", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TTestGrid* grid = MaskedGrid(c.extra, c.initial);
    const size_t before = driver_->Transcript().size();
    for (size_t i = 0; i < c.errors; ++i) driver_->AnswerNextMessageBox(IDOK);
    PlaySteps(*driver_, c.steps);
    driver_->Settle();
    EXPECT_EQ(grid->Cells(2, 1), c.cell);
    EXPECT_EQ((TGridCoord{grid->Col(), grid->Row()}), c.current);
    ASSERT_EQ(driver_->Transcript().size(), before + c.errors);
    for (size_t i = before; i < driver_->Transcript().size(); ++i)
      EXPECT_EQ(driver_->Transcript()[i].Text, kInvalid);
    if (c.editText.empty()) {
      EXPECT_FALSE(EditorShown(grid));
      continue;
    }
    ExpectEditing(grid, grid->InplaceEditor()->Text());
    EXPECT_EQ(grid->InplaceEditor()->EditText(), c.editText);
    EXPECT_EQ(grid->InplaceEditor()->EditMask(), c.current.X == 2 ? kDayMonth : "");
  }
}

TEST_F(MaskedGridEditorTest, FocusToAnotherControlChecksTheMaskFocusToAnotherWindowKeepsTheText) {
  TTestGrid* grid = MaskedGrid({}, "");
  auto* other = new TEdit(grid->Owner());
  other->SetParent(grid->Parent());
  other->SetBounds(0, 150, 100, 25);
  driver_->Type("1");
  driver_->AnswerNextMessageBox(IDOK);
  other->SetFocus();
  driver_->Settle();
  ASSERT_EQ(driver_->Transcript().size(), 1u);
  EXPECT_EQ(driver_->Transcript()[0].Text, kInvalid);
  EXPECT_EQ(grid->Cells(2, 1), "");
  ExpectEditing(grid, "1 /  ");
  EXPECT_EQ(grid->InplaceEditor()->SelStart(), 1);   // the first wrong position
  EXPECT_EQ(grid->InplaceEditor()->SelLength(), 1);

  TForm* second = NewForm("SecondForm", false);
  second->Show();
  driver_->Settle();
  EXPECT_FALSE(grid->InplaceEditor()->Focused());
  EXPECT_EQ(driver_->Transcript().size(), 1u);       // leaving the window is no exit: no error
  EXPECT_EQ(grid->Cells(2, 1), "");
  EXPECT_EQ(grid->InplaceEditor()->EditText(), "1_/__");
  second->Hide();                                    // back: the grid, its form's active control
  driver_->Settle();
  ExpectEditing(grid, "1 /  ");
  driver_->Type("205");
  other->SetFocus();
  driver_->Settle();
  EXPECT_EQ(driver_->FocusedControl(), other);
  EXPECT_EQ(grid->Cells(2, 1), "12/05");
  EXPECT_FALSE(EditorShown(grid));
}

// The program's own calls get the error as an exception; closing the form asks nothing.
TEST_F(MaskedGridEditorTest, TheProgramGetsTheErrorAndClosingTheFormAsksNothing) {
  TTestGrid* grid = MaskedGrid({}, "");
  driver_->Type("1");
  const TGridOptions options = grid->Options();
  EXPECT_THROW(grid->SetOptions(options - TGridOptions{goEditing}), EDBEditError);
  EXPECT_THROW(grid->SetRow(3), EDBEditError);
  EXPECT_THROW(grid->SetEditorMode(false), EDBEditError);
  EXPECT_EQ(grid->Options(), options);
  EXPECT_EQ(grid->Row(), 1);
  ExpectEditing(grid, "1 /  ");
  driver_->PressKey(VK_ESCAPE);   // back to the loaded text: the editor may go
  grid->SetRow(3);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(grid->Cells(2, 1), "");

  driver_->Type("1");
  delete GetParentForm(grid);
  driver_->Settle();
  EXPECT_TRUE(driver_->Transcript().empty());
}

}  // namespace
}  // namespace uitest
