// Keys of the string grid: what each key does to the current cell, the selection, the rows and the
// events under the options that change it, typed characters that open the editor, and dialog
// characters kept from the form's accelerators.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_inplace_edit.h"
#include "platform/ui/button.h"
#include "platform/ui/control_messages.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class KeysTest : public StringGridTest {
 protected:
  // A shown 4 x 5 grid (normal cells 1..3 x 1..4), current cell (1, 1), events logged.
  TTestStringGrid* KeyGrid() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(4);
    grid->SetRowCount(5);
    grid->OnKeyDown = [this](TObject*, Word& Key, TShiftState) { events.push_back("keydown " + std::to_string(Key)); };
    grid->OnAutoAddRow = [this](TObject*, Integer ARow) { events.push_back("added " + std::to_string(ARow)); };
    grid->OnCheckBoxClick = [this](TObject*, Integer ACol, Integer ARow, bool State) {
      events.push_back("check " + std::to_string(ACol) + "," + std::to_string(ARow) + (State ? " on" : " off"));
    };
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }
  static void Key(TProStringGrid* Grid, Word AKey) { Grid->Perform(WM_KEYDOWN, AKey, 0); }
  static TPoint Current(TProStringGrid* Grid) { return TPoint{Grid->Col(), Grid->Row()}; }

  std::vector<std::string> events;
};

struct KeyCase {
  const char* name;
  std::function<void(TTestStringGrid*)> setup;
  Word key;
  TPoint current;
  Integer rowCount;
  std::vector<std::string> events;
};

TEST_F(KeysTest, KeysMoveAddInsertAndRemoveRowsByTheirOptions) {
  const KeyCase cases[] = {
      {"Enter on a read-only cell",
       [](TTestStringGrid* g) {
         g->SetOptions(g->Options() + TGridOptions{goEditing});
         g->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = false; };
       },
       VK_RETURN, {1, 1}, 5, {"keydown 13"}},
      {"End to the last data row above the footer",
       [](TTestStringGrid* g) {
         g->Navigation()->SetHomeEndKey(heFirstLastRow);
         g->SetFixedFooters(1);
       },
       VK_END, {1, 3}, 5, {"keydown 35"}},
      {"Home to the first data row",
       [](TTestStringGrid* g) {
         g->Navigation()->SetHomeEndKey(heFirstLastRow);
         g->SetRow(4);
       },
       VK_HOME, {1, 1}, 5, {"keydown 36"}},
      {"Right over a column fixed by OnIsFixedCell",
       [](TTestStringGrid* g) {
         g->OnIsFixedCell = [](TObject*, Integer, Integer ACol, bool& IsFixed) { IsFixed = ACol == 2; };
       },
       VK_RIGHT, {3, 1}, 5, {"keydown 39"}},
      {"Down on the last row appends one",
       [](TTestStringGrid* g) {
         g->Navigation()->SetAppendOnArrowDown(true);
         g->SetRow(4);
       },
       VK_DOWN, {1, 5}, 6, {"added 5", "keydown 40"}},
      {"Down on the last row refused by OnCanAddRow",
       [](TTestStringGrid* g) {
         g->Navigation()->SetAppendOnArrowDown(true);
         g->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
         g->SetRow(4);
       },
       VK_DOWN, {1, 4}, 5, {"keydown 40"}},
      {"Insert after the current row",
       [](TTestStringGrid* g) {
         g->Navigation()->SetAllowInsertRow(true);
         g->Navigation()->SetInsertPosition(pInsertAfter);
       },
       VK_INSERT, {1, 2}, 6, {"keydown 45"}},
      {"Insert after in a grid of only its kept fixed row",
       [](TTestStringGrid* g) {
         g->Navigation()->SetAllowInsertRow(true);
         g->Navigation()->SetInsertPosition(pInsertAfter);
         g->SetFixedRowAlways(true);
         g->SetRowCount(1);
       },
       VK_INSERT, {1, 1}, 2, {"keydown 45"}},
      {"Delete removes a data row",
       [](TTestStringGrid* g) { g->Navigation()->SetAllowDeleteRow(true); },
       VK_DELETE, {1, 1}, 4, {"keydown 46"}},
  };
  for (const KeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    events.clear();
    TTestStringGrid* grid = KeyGrid();
    c.setup(grid);
    events.clear();
    Key(grid, c.key);
    EXPECT_EQ(Current(grid), c.current);
    EXPECT_EQ(grid->RowCount(), c.rowCount);
    EXPECT_EQ(events, c.events);
    EXPECT_FALSE(grid->EditorMode());
  }
}

TEST_F(KeysTest, DeleteOnTheOnlyDataRowEmptiesItOrWithAKeptFixedRowRemovesIt) {
  for (const bool kept : {false, true}) {
    SCOPED_TRACE(kept);
    TTestStringGrid* grid = KeyGrid();
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->SetFixedRowAlways(kept);
    grid->SetRowCount(2);
    Fill(grid, {{"h0", "h1"}, {"a", "b"}});
    Key(grid, VK_DELETE);
    EXPECT_EQ(grid->RowCount(), kept ? 1 : 2);
    EXPECT_EQ(grid->GetCellText(0, 0), "h0");
    if (!kept) {
      EXPECT_EQ(grid->GetCellText(1, 1), "");
    }
  }
}

struct ClipboardKeyCase {
  const char* name;
  Word key;
  TShiftState shift;
  bool shortCuts;
  bool refuse;
  std::string cell;        // cell (1, 1) afterwards; it held "a"
  std::string clipboard;   // it held "p"
  Integer rowCount;        // Insert and Delete may add and remove rows as well
  std::vector<std::string> events;
};

TEST_F(KeysTest, ClipboardKeysCopyCutAndPasteAfterTheirEventAllowsIt) {
  const ClipboardKeyCase cases[] = {
      {"Ctrl+C copies", 'C', {ssCtrl}, true, false, "a", "a", 5, {"copy"}},
      {"Ctrl+Insert copies", VK_INSERT, {ssCtrl}, true, false, "a", "a", 5, {"copy"}},
      {"Ctrl+X cuts", 'X', {ssCtrl}, true, false, "", "a", 5, {"cut"}},
      {"Shift+Delete cuts and removes no row", VK_DELETE, {ssShift}, true, false, "", "a", 5, {"cut"}},
      {"Ctrl+V pastes", 'V', {ssCtrl}, true, false, "p", "p", 5, {"paste"}},
      {"Shift+Insert pastes and inserts no row", VK_INSERT, {ssShift}, true, false, "p", "p", 5, {"paste"}},
      {"a refused copy", 'C', {ssCtrl}, true, true, "a", "p", 5, {"copy"}},
      {"a refused cut", 'X', {ssCtrl}, true, true, "a", "p", 5, {"cut"}},
      {"a refused paste", 'V', {ssCtrl}, true, true, "a", "p", 5, {"paste"}},
      {"Ctrl+C without short cuts", 'C', {ssCtrl}, false, false, "a", "p", 5, {}},
      {"Shift+Delete without short cuts deletes the row", VK_DELETE, {ssShift}, false, false, "", "p", 4, {}},
  };
  for (const ClipboardKeyCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = KeyGrid();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->Navigation()->SetAllowClipboardShortCuts(c.shortCuts);
    grid->Navigation()->SetAllowInsertRow(true);
    grid->Navigation()->SetAllowDeleteRow(true);
    grid->SetCellText(1, 1, "a");
    auto log = [this, &c](const char* Name) {
      return [this, &c, Name](TObject*, bool& Allow) {
        events.push_back(Name);
        if (c.refuse) Allow = false;
      };
    };
    grid->OnClipboardCopy = log("copy");
    grid->OnClipboardCut = log("cut");
    grid->OnClipboardPaste = log("paste");
    grid->OnKeyDown = [](TObject*, Word&, TShiftState) {};
    ASSERT_TRUE(SetClipboardText(nullptr, "p"));
    events.clear();
    driver_->PressKey(c.key, c.shift);
    EXPECT_EQ(grid->GetCellText(1, 1), c.cell);
    EXPECT_EQ(ClipboardText(nullptr), c.clipboard);
    EXPECT_EQ(grid->RowCount(), c.rowCount);
    EXPECT_EQ(events, c.events);
  }
}

TEST_F(KeysTest, ShiftEndWithDisjunctRowsSelectsEveryRowOnTheWay) {
  TTestStringGrid* grid = KeyGrid();
  grid->Navigation()->SetHomeEndKey(heFirstLastRow);
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetRow(2);
  driver_->PressKey(VK_END, TShiftState{ssShift});
  EXPECT_EQ(grid->Row(), 4);
  EXPECT_EQ(grid->Selection(), (TGridRect{0, 2, 3, 4}));
  for (Integer row = 1; row <= 4; ++row) EXPECT_EQ(grid->GetRowSelect(row), row >= 2) << row;
}

TEST_F(KeysTest, SpaceTogglesACheckBoxWithoutEditingOnlyWhenChecksAreAlwaysActive) {
  for (const bool alwaysActive : {false, true}) {
    SCOPED_TRACE(alwaysActive);
    TTestStringGrid* grid = KeyGrid();
    grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
    grid->ControlLook()->SetCheckAlwaysActive(alwaysActive);
    events.clear();
    Key(grid, VK_SPACE);
    bool state = false;
    ASSERT_TRUE(grid->GetCheckBoxState(1, 1, state));
    EXPECT_EQ(state, alwaysActive);
    const std::vector<std::string> expected =
        alwaysActive ? std::vector<std::string>{"check 1,1 on", "keydown 32"} : std::vector<std::string>{"keydown 32"};
    EXPECT_EQ(events, expected);
  }
}

TEST_F(KeysTest, RightExpandsAndLeftContractsANodeRow) {
  TTestStringGrid* grid = KeyGrid();
  grid->SetRowCount(6);
  grid->AddNode(1, 3);
  grid->ContractNode(1);
  grid->MergeCells(1, 1, 3, 1);
  grid->SetRow(1);
  grid->SetCol(1);
  Key(grid, VK_RIGHT);
  EXPECT_FALSE(grid->GetNodeState(1));
  EXPECT_EQ(grid->RowCount(), 6);
  Key(grid, VK_LEFT);
  EXPECT_TRUE(grid->GetNodeState(1));
  EXPECT_EQ(grid->RowCount(), 4);
}

TEST_F(KeysTest, ATypedLetterOpensTheEditorWithItUnderEditingOrRangeSelectAndEdit) {
  for (const bool rangeSelectAndEdit : {false, true}) {
    SCOPED_TRACE(rangeSelectAndEdit);
    TTestStringGrid* grid = KeyGrid();
    if (rangeSelectAndEdit) grid->MouseActions()->SetRangeSelectAndEdit(true);
    else grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    driver_->Type("x");
    ASSERT_NE(grid->GetInplaceEditor(), nullptr);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->GetInplaceEditor()->Text(), "x");
  }
}

TEST_F(KeysTest, APlainLetterReachesNoAcceleratorButAltLetterDoes) {
  TTestStringGrid* grid = KeyGrid();
  auto* button = new TButton(grid->Owner());
  button->SetParent(grid->Parent());
  button->SetCaption("&Go");
  Integer clicks = 0;
  button->OnClick = uitest::NotifyEvent([&](TObject*) { ++clicks; });
  TCustomForm* form = static_cast<TCustomForm*>(grid->Parent());
  form->Perform(CM_DIALOGCHAR, 'g', 0);
  EXPECT_EQ(clicks, 0);
  form->Perform(CM_DIALOGCHAR, 'g', 1 << 29);   // key data: Alt down
  EXPECT_EQ(clicks, 1);
}

}   // namespace
}   // namespace gridtest
