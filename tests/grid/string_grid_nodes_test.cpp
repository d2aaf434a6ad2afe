// The string grid's node rows (contracting into the hidden-row store and back, nesting, parents,
// rows inserted and removed beside nodes) and its check, radio and picture cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/control_look.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_undo_redo.h"
#include "platform/classes/string_list.h"
#include "grid/control_list.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/panel.h"
#include "tests/grid/string_grid_fixture.h"

namespace {

using gridtest::StringGridTest;
using gridtest::TTestStringGrid;

class NodeTest : public StringGridTest {
 protected:
  // One fixed row and column; column 1 of rows 1..Rows holds "r1", "r2", ...
  TTestStringGrid* RowsGrid(Integer Rows, bool Shown = false) {
    TTestStringGrid* grid = NewGrid(Shown);
    grid->SetColCount(3);
    grid->SetRowCount(Rows + 1);
    for (Integer row = 1; row <= Rows; ++row) grid->SetCellText(1, row, "r" + std::to_string(row));
    return grid;
  }

  static std::vector<std::string> Shown(TProStringGrid* Grid) { return Column(Grid, 1, 1, Grid->RowCount() - 1); }
};

TEST_F(NodeTest, AddNodeSetsLevelsCountAndLeavesColumnZero) {
  TTestStringGrid* grid = RowsGrid(5, true);
  grid->SetFixedCols(0);
  grid->SetCol(0);
  grid->AddNode(1, 3);
  EXPECT_EQ(grid->NodeCount(), 1);
  EXPECT_EQ(grid->Col(), 1);
  for (Integer row = 1; row <= 3; ++row) EXPECT_EQ(grid->GetCellProperties(0, row)->NodeLevel(), 1) << row;
  EXPECT_FALSE(grid->HasCellProperties(0, 4));
  EXPECT_EQ(grid->GetNodeSpan(1), 3);
  EXPECT_EQ(grid->GetNodeLevel(1), 1);
  EXPECT_EQ(grid->GetNodeLevel(2), -1);   // not a node
}

TEST_F(NodeTest, ContractAndExpandGiveBackTheRows) {
  TTestStringGrid* grid = RowsGrid(6);
  const auto all = Shown(grid);
  grid->AddNode(1, 3);
  grid->ContractNode(1);
  EXPECT_TRUE(grid->GetNodeState(1));
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r4", "r5", "r6"}));
  grid->ExpandNode(1);
  EXPECT_FALSE(grid->GetNodeState(1));
  EXPECT_EQ(Shown(grid), all);

  grid->AddNode(4, 0);   // span 0: up to the next node row, or the end
  grid->ContractAll();
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r4"}));
  grid->ExpandAll();
  EXPECT_EQ(Shown(grid), all);
}

// Expanding a node keeps the current row and the top row where they were, and row selection on.
TEST_F(NodeTest, ExpandingUnderRowSelectKeepsTheCurrentAndTopRows) {
  TTestStringGrid* grid = RowsGrid(40, true);
  grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
  grid->AddNode(1, 10);
  grid->ContractNode(1);
  grid->SetRow(12);
  grid->SetTopRow(6);
  grid->ExpandNode(1);
  EXPECT_TRUE(grid->Options().Contains(goRowSelect));
  EXPECT_EQ(grid->Row(), 12);
  EXPECT_EQ(grid->TopRow(), 6);
  EXPECT_EQ(grid->Selection().Top, 12);
  EXPECT_EQ(grid->Selection().Bottom, 12);
  EXPECT_EQ(grid->Selection().Left, grid->FixedCols());
  EXPECT_EQ(grid->Selection().Right, grid->ColCount() - 1);
}

TEST_F(NodeTest, AContractedNestedNodeComesBackWithItsParent) {
  TTestStringGrid* grid = RowsGrid(7);
  const auto all = Shown(grid);
  grid->AddNode(1, 5);   // rows 1-5
  grid->AddNode(2, 3);   // rows 2-4 inside it
  EXPECT_EQ(grid->GetNodeLevel(2), 2);
  grid->ContractNode(2);
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r2", "r5", "r6", "r7"}));
  grid->ContractNode(1);
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r6", "r7"}));
  grid->ExpandNode(1);
  EXPECT_EQ(Shown(grid), all);
  EXPECT_FALSE(grid->GetNodeState(2));
}

TEST_F(NodeTest, ExpandOneContractsTheOthers) {
  TTestStringGrid* grid = RowsGrid(6);
  grid->AddNode(1, 3);
  grid->AddNode(4, 3);
  grid->ContractAll();
  grid->CellNode()->SetExpandOne(true);
  grid->ExpandNode(1);
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r2", "r3", "r4"}));
  grid->ExpandNode(4);   // real row 4
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r4", "r5", "r6"}));
}

TEST_F(NodeTest, ParentRows) {
  TTestStringGrid* grid = RowsGrid(8);
  EXPECT_EQ(grid->GetParentRow(3), -1);   // no nodes
  grid->AddNode(1, 5);
  grid->AddNode(3, 2);
  const struct {
    Integer row, parent;
  } cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 3}, {5, 1}, {6, -1}, {8, -1}};
  for (const auto& c : cases) EXPECT_EQ(grid->GetParentRow(c.row), c.parent) << c.row;
  EXPECT_EQ(grid->GetTreeLineKind(1), 0);
  EXPECT_EQ(grid->GetTreeLineKind(2), 2);   // row 3 goes on at level 2
  EXPECT_EQ(grid->GetTreeLineKind(5), 1);   // row 6 is outside every node
}

TEST_F(NodeTest, RowsBesideAContractedNodeKeepTheirOrder) {
  TTestStringGrid* grid = RowsGrid(6);
  grid->AddNode(1, 3);
  grid->ContractNode(1);   // r2, r3 hidden
  grid->InsertRowWithNodes(5);   // before r5 (real 5)
  grid->ExpandAll();
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r2", "r3", "r4", "", "r5", "r6"}));
  grid->ContractNode(1);
  grid->RemoveRowWithNodes(5);
  grid->ExpandAll();
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r2", "r3", "r4", "r5", "r6"}));
}

// Controls placed in cells of rows 2, 4, 6 and 7 beside nodes over rows 1-3 and 5-6: a contracted
// node hides the controls of its rows, the others move up with their rows, a row inserted above a
// contracted node moves its hidden control down, and expanding puts every control back at its row.
TEST_F(NodeTest, CellControlsHideWithTheirContractedRowsAndComeBackAtTheirRows) {
  TTestStringGrid* grid = RowsGrid(8, true);
  grid->SetBounds(0, 0, 400, 300);
  grid->AddNode(1, 3);
  grid->AddNode(5, 2);
  const Integer rows[] = {2, 4, 6, 7};
  std::vector<TPanel*> panels;
  for (Integer row : rows) {
    auto* panel = new TPanel(grid);
    panel->SetParent(grid);
    grid->CellControls()->AddControl(new TCellControl(2, row, panel));
    panels.push_back(panel);
  }
  // Each control's displayed row, -1 while hidden; its control must be shown at that row.
  const auto placed = [&] {
    std::vector<Integer> result;
    for (Integer i = 0; i < grid->CellControls()->Count(); ++i) {
      const TCellControl* entry = grid->CellControls()->GetControl(i);
      if (entry->RowHidden) {
        EXPECT_FALSE(panels[i]->Visible()) << i;
        result.push_back(-1);
        continue;
      }
      EXPECT_TRUE(panels[i]->Visible()) << i;
      EXPECT_EQ(panels[i]->Top(), grid->CellRect(2, entry->Row).Top) << i;
      result.push_back(entry->Row);
    }
    return result;
  };
  grid->ContractNode(1);
  EXPECT_EQ(placed(), (std::vector<Integer>{-1, 2, 4, 5}));
  grid->ContractNode(5);
  EXPECT_EQ(placed(), (std::vector<Integer>{-1, 2, -1, 4}));
  grid->ExpandNode(1);
  EXPECT_EQ(placed(), (std::vector<Integer>{2, 4, -1, 6}));
  grid->InsertRows(1, 1);   // the hidden row 6 becomes 7, its control with it
  grid->ExpandNode(6);
  EXPECT_EQ(placed(), (std::vector<Integer>{3, 5, 7, 8}));
  grid->ContractAll();
  EXPECT_EQ(placed(), (std::vector<Integer>{-1, 3, -1, 5}));
  grid->ExpandAll();
  EXPECT_EQ(placed(), (std::vector<Integer>{3, 5, 7, 8}));
}

TEST_F(NodeTest, ChildRowsGrowAndShrinkTheirNodes) {
  TTestStringGrid* grid = RowsGrid(6);
  grid->AddNode(1, 5);
  grid->AddNode(2, 2);
  grid->InsertChildRow(3, 1);   // after r3, inside the inner node
  EXPECT_EQ(grid->GetNodeSpan(2), 3);
  EXPECT_EQ(grid->GetNodeSpan(1), 6);
  EXPECT_EQ(grid->GetCellProperties(0, 4)->NodeLevel(), 2);
  grid->RemoveChildRow(4);
  EXPECT_EQ(grid->GetNodeSpan(2), 2);
  EXPECT_EQ(grid->GetNodeSpan(1), 5);
  EXPECT_EQ(Shown(grid), (std::vector<std::string>{"r1", "r2", "r3", "r4", "r5", "r6"}));
}

TEST_F(NodeTest, RemovingNodesFreesGraphicsAndLevels) {
  TTestStringGrid* grid = RowsGrid(6);
  grid->AddNode(1, 3);
  grid->AddNode(4, 2);
  grid->ContractNode(1);
  grid->RemoveNode(1);
  EXPECT_EQ(Shown(grid).size(), 6u);
  EXPECT_EQ(grid->GetCellProperties(0, 2)->NodeLevel(), 0);
  EXPECT_EQ(grid->NodeCount(), 1);
  grid->RemoveAllNodes();
  EXPECT_EQ(grid->NodeCount(), 0);
  EXPECT_FALSE(grid->IsNode(4));
}

// ---- Check, radio and picture cells ----

TEST_F(NodeTest, DataCheckBoxTogglesAndRecordsItsState) {
  TTestStringGrid* grid = RowsGrid(2);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  grid->CreateCellGraphic(2, 1)->SetCellType(ctDataCheckBox);
  grid->SetCellText(2, 1, "N");
  TProGridUndoRedo store(nullptr);
  grid->SetUndoRedo(&store);
  EXPECT_TRUE(grid->ToggleCellGraphic(2, 1, true));
  EXPECT_EQ(grid->GetCellText(2, 1), "Y");
  EXPECT_TRUE(grid->ToggleCellGraphic(2, 1, true));
  EXPECT_EQ(grid->GetCellText(2, 1), "N");
  ASSERT_EQ(store.Items()->Count(), 2);
  EXPECT_EQ(store.Items()->Items(0)->OrigValue(), "N");
  EXPECT_EQ(store.Items()->Items(0)->Value(), "Y");
  EXPECT_EQ(store.Items()->Items(1)->OrigValue(), "Y");
  EXPECT_EQ(store.Items()->Items(1)->Value(), "N");
  grid->SetUndoRedo(nullptr);

  grid->GetCellProperties(2, 1)->SetReadOnly(true);
  EXPECT_FALSE(grid->ToggleCellGraphic(2, 1, true));
  EXPECT_EQ(grid->GetCellText(2, 1), "N");
  EXPECT_TRUE(grid->ToggleCellGraphic(2, 1, false));   // not by the user
  grid->ControlLook()->SetCheckAlwaysActive(true);
  EXPECT_TRUE(grid->ToggleCellGraphic(2, 1, true));
  EXPECT_EQ(grid->GetCellText(2, 1), "N");
  EXPECT_FALSE(grid->ToggleCellGraphic(1, 1, false));   // no check box
}

TEST_F(NodeTest, CheckStatesByKind) {
  TTestStringGrid* grid = RowsGrid(3);
  grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
  grid->CreateCellGraphic(2, 2)->SetCellType(ctDataCheckBox);
  grid->CheckAll(2);
  bool state = false;
  EXPECT_TRUE(grid->GetCheckBoxState(2, 1, state) && state);
  EXPECT_TRUE(grid->GetCheckBoxState(2, 2, state) && state);
  EXPECT_EQ(grid->GetCellText(2, 2), "Y");
  EXPECT_FALSE(grid->GetCheckBoxState(2, 3, state));
  grid->UnCheckAll(2);
  EXPECT_TRUE(grid->GetCheckBoxState(2, 1, state) && !state);
  EXPECT_EQ(grid->GetCellText(2, 2), "N");
}

TEST_F(NodeTest, RadioMovesOnAndWraps) {
  TTestStringGrid* grid = RowsGrid(2);
  for (Integer row : {1, 2}) {
    TCellGraphic* radio = grid->CreateCellGraphic(2, row);
    radio->SetCellType(ctRadio);
    auto* choices = new TStringList();
    choices->SetCommaText("one,two,three");
    radio->SetCellBitmap(choices);
    radio->SetCellCreated(true);
  }
  grid->GetCellGraphic(2, 1)->SetCellIndex(2);   // by index
  grid->GetCellGraphic(2, 2)->SetCellIndex(-1);   // by text
  grid->SetCellText(2, 2, "three");
  for (Integer row : {1, 2}) {
    SCOPED_TRACE(row);
    EXPECT_TRUE(grid->ToggleRadio(2, row, false));
    Integer index = -1;
    EXPECT_TRUE(grid->GetRadioIndex(2, row, index));
    EXPECT_EQ(index, 0);
    EXPECT_EQ(grid->GetCellText(2, row), "one");
  }
  EXPECT_TRUE(grid->IsRadioCell(2, 1));
  EXPECT_EQ(grid->GetRadioChoices(2, 1)->Count(), 3);
}

TEST_F(NodeTest, PreciseCheckBoxHit) {
  TTestStringGrid* grid = RowsGrid(2, true);
  grid->CreateCellGraphic(2, 1)->SetCellType(ctCheckBox);
  const TRect cell = grid->CellRect(2, 1);
  const Integer middle = (cell.Top + cell.Bottom) / 2;
  grid->GetCellGraphic(2, 1)->SetCellVAlign(vaCenter);
  EXPECT_TRUE(grid->IsCheckBoxHit(2, 1, cell.Left + 1, middle));   // anywhere without the switch
  grid->MouseActions()->SetPreciseCheckBoxCheck(true);
  EXPECT_FALSE(grid->IsCheckBoxHit(2, 1, cell.Left + 1, middle));
  EXPECT_TRUE(grid->IsCheckBoxHit(2, 1, cell.Left + 2, middle));
  const Integer size = grid->ControlLook()->CheckSize();
  EXPECT_FALSE(grid->IsCheckBoxHit(2, 1, cell.Left + 2 + size, middle));
}

TEST_F(NodeTest, PictureSizesByFitMode) {
  TCellGraphic graphic;
  graphic.SetCellType(ctPicture);
  auto* bitmap = new TBitmap();
  bitmap->SetWidth(100);
  bitmap->SetHeight(50);
  graphic.SetCellBitmap(bitmap);
  graphic.SetCellCreated(true);
  const struct {
    Integer mode, margin, width, height;
    TPoint expected;
  } cases[] = {
      {0, 0, 50, 50, {100, 50}}, {1, 0, 50, 50, {50, 50}},   {2, 0, 50, 50, {50, 25}},
      {2, 0, 400, 100, {200, 100}}, {2, 10, 60, 60, {50, 25}}, {3, 0, 200, 60, {100, 50}},
      {3, 0, 50, 50, {50, 50}},   {4, 0, 200, 60, {100, 50}}, {4, 0, 50, 100, {50, 25}},
  };
  for (const auto& c : cases) {
    graphic.SetCellAngle(c.mode);
    graphic.SetCellIndex(c.margin);
    const TPoint size = graphic.GetPictureSize(c.width, c.height);
    EXPECT_EQ(size.X, c.expected.X) << c.mode << " " << c.width << "x" << c.height;
    EXPECT_EQ(size.Y, c.expected.Y) << c.mode << " " << c.width << "x" << c.height;
  }
  graphic.SetCellType(ctIcon);
  EXPECT_EQ(graphic.GetPictureSize(50, 50).X, 0);
  graphic.SetCellType(ctPicture);   // frees the bitmap as a picture's object
}

}   // namespace
