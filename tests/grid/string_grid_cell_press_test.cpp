// Left presses on the parts of a cell, in the order their events fire: check boxes (toggled before
// OnMouseDown), node glyphs, cell buttons (OnButtonClick on the release, only inside the stored
// button rectangle; a release there ends before OnMouseUp), radio items, and Ctrl+presses on
// disjunctly selected rows.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/mouse_actions.h"
#include "platform/classes/string_list.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

using TGridFn = std::function<void(TTestStringGrid*)>;

struct PressCase {
  const char* name;
  TGridFn setup;
  TPoint cell;      // pressed cell
  TPoint offset;    // from its top-left corner
  TShiftState shift;
  Integer presses;
  std::vector<std::string> events;
  std::function<std::string(TTestStringGrid*)> state;
  std::string wantState;
};

class CellPressTest : public StringGridTest {
 protected:
  TTestStringGrid* PressGrid() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(4);
    grid->SetRowCount(6);
    grid->SetDefaultColWidth(80);
    auto cell = [](Integer ACol, Integer ARow) { return std::to_string(ACol) + "," + std::to_string(ARow); };
    grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { events.push_back("down"); };
    grid->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) { events.push_back("up"); };
    grid->OnCheckBoxClick = [this, cell](TObject*, Integer C, Integer R, bool S) {
      events.push_back("check " + cell(C, R) + (S ? " on" : " off"));
    };
    grid->OnCheckBoxMouseUp = [this, cell](TObject*, Integer C, Integer R, bool S) {
      events.push_back("checkup " + cell(C, R) + (S ? " on" : " off"));
    };
    grid->OnRadioClick = [this, cell](TObject*, Integer C, Integer R, Integer I) {
      events.push_back("radio " + cell(C, R) + " " + std::to_string(I));
    };
    grid->OnRadioMouseUp = [this, cell](TObject*, Integer C, Integer R, Integer I) {
      events.push_back("radioup " + cell(C, R) + " " + std::to_string(I));
    };
    grid->OnButtonClick = [this, cell](TObject*, Integer C, Integer R) { events.push_back("button " + cell(C, R)); };
    grid->OnExpandNode = [this](TObject*, Integer R, Integer) { events.push_back("expand " + std::to_string(R)); };
    grid->OnContractNode = [this](TObject*, Integer R, Integer) { events.push_back("contract " + std::to_string(R)); };
    return grid;
  }

  std::vector<std::string> events;
};

void Editing(TTestStringGrid* Grid) { Grid->SetOptions(Grid->Options() + TGridOptions{goEditing}); }

void CheckBox(TTestStringGrid* Grid) { Grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox); }

std::string CheckState(TTestStringGrid* Grid) {
  bool state = false;
  Grid->GetCheckBoxState(1, 1, state);
  return state ? "on" : "off";
}

// A contracted node of rows 1-3.
void Node(TTestStringGrid* Grid) {
  Grid->AddNode(1, 3);
  Grid->ContractNode(1);
}

std::string NodeState(TTestStringGrid* Grid) {
  return std::string(Grid->GetNodeState(1) ? "contracted" : "expanded") + " " + std::to_string(Grid->RowCount());
}

// A 20 x 16 button centred at the top of cell (2, 1), painted once so that it stores its place.
void Button(TTestStringGrid* Grid) {
  Editing(Grid);
  TCellGraphic* button = Grid->CreateCellGraphic(2, 1);
  button->SetCellType(ctButton);
  button->SetCellHAlign(haCenter);
  button->SetCellVAlign(vaTop);
  button->SetCellIndex(16 << 16 | 20);
  Grid->Invalidate();
}

// Radio "a" "b" "c" stacked in cell (1, 1), "a" chosen.
void Radio(TTestStringGrid* Grid) {
  Grid->SetDefaultRowHeight(60);
  TCellGraphic* radio = Grid->CreateCellGraphic(1, 1);
  radio->SetCellType(ctRadio);
  radio->SetCellCreated(true);
  auto* choices = new TStringList;
  for (const char* choice : {"a", "b", "c"}) choices->Add(choice);
  radio->SetCellBitmap(choices);
  radio->SetCellIndex(0);
}

std::string RadioIndex(TTestStringGrid* Grid) {
  Integer index = -1;
  Grid->GetRadioIndex(1, 1, index);
  return std::to_string(index);
}

// Rows 2 and 4 disjunctly selected.
void TwoSelectedRows(TTestStringGrid* Grid) {
  Grid->MouseActions()->SetDisjunctRowSelect(true);
  Grid->SetDisjunctRowSelected(2, true);
  Grid->SetDisjunctRowSelected(4, true);
}

std::string SelectedRows(TTestStringGrid* Grid) {
  std::string rows;
  for (Integer row = 1; row < Grid->RowCount(); ++row)
    if (Grid->GetRowSelect(row)) rows += std::to_string(row);
  return rows;
}

TEST_F(CellPressTest, PressesFireTheirEventsInOrder) {
  const PressCase cases[] = {
      {"a check box toggles before OnMouseDown", [](TTestStringGrid* g) { Editing(g); CheckBox(g); }, {1, 1},
       {20, 8}, {}, 1, {"check 1,1 on", "down", "up", "checkup 1,1 on"}, CheckState, "on"},
      {"a check box of a read-only grid", CheckBox, {1, 1}, {20, 8}, {}, 1,
       {"down", "up", "checkup 1,1 off"}, CheckState, "off"},
      {"a check box with CheckAlwaysActive",
       [](TTestStringGrid* g) { CheckBox(g); g->ControlLook()->SetCheckAlwaysActive(true); }, {1, 1}, {20, 8}, {}, 1,
       {"check 1,1 on", "down", "up", "checkup 1,1 on"}, CheckState, "on"},
      {"a node glyph expands", Node, {0, 1}, {4, 8}, {}, 1, {"expand 1", "up"}, NodeState, "expanded 6"},
      {"a second press contracts", Node, {0, 1}, {4, 8}, {}, 2, {"expand 1", "up", "contract 1", "up"}, NodeState,
       "contracted 4"},
      {"OnBeforeExpandNode refuses",
       [](TTestStringGrid* g) {
         Node(g);
         g->OnBeforeExpandNode = [](TObject*, Integer, Integer, bool& Allow) { Allow = false; };
       },
       {0, 1}, {4, 8}, {}, 1, {"up"}, NodeState, "contracted 4"},
      {"inside a narrow centred button", Button, {2, 1}, {40, 8}, {}, 1, {"button 2,1"},
       [](TTestStringGrid* g) { return std::to_string(g->Col()); }, "2"},
      {"beside a narrow centred button", Button, {2, 1}, {5, 8}, {}, 1, {"down", "up"},
       [](TTestStringGrid* g) { return std::to_string(g->Col()); }, "2"},
      {"a radio of a read-only grid", Radio, {1, 1}, {10, 30}, {}, 1, {"down", "up", "radioup 1,1 0"}, RadioIndex,
       "0"},
      {"a radio with RadioAlwaysActive",
       [](TTestStringGrid* g) { Radio(g); g->ControlLook()->SetRadioAlwaysActive(true); }, {1, 1}, {10, 20}, {}, 1,
       {"radio 1,1 1", "down", "up", "radioup 1,1 1"}, RadioIndex, "1"},
      {"Ctrl on a selected disjunct row unselects it", TwoSelectedRows, {1, 2}, {10, 8}, {ssCtrl}, 1,
       {"down", "up"}, SelectedRows, "4"},
      {"Ctrl on another row adds it", TwoSelectedRows, {1, 3}, {10, 8}, {ssCtrl}, 1, {"down", "up"}, SelectedRows,
       "234"},
      {"a plain press replaces the selected rows", TwoSelectedRows, {1, 3}, {10, 8}, {}, 1, {"down", "up"},
       SelectedRows, "3"},
  };
  for (const PressCase& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = PressGrid();
    c.setup(grid);
    driver_->Settle();
    events.clear();
    for (Integer i = 0; i < c.presses; ++i) {
      const TRect r = grid->CellRect(c.cell.X, c.cell.Y);
      driver_->ClickAt(grid, TPoint{r.Left + c.offset.X, r.Top + c.offset.Y}, c.shift);
    }
    EXPECT_EQ(events, c.events);
    EXPECT_EQ(c.state(grid), c.wantState);
  }
}

}   // namespace
}   // namespace gridtest
