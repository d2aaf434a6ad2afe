// The column collection of TProColumnGrid: new items taking the look of the item before, display
// names, what repaints, headers with and without fixed rows, the column count following the items
// and staying while the grid loads, and the unit's registration.
#include <gtest/gtest.h>

#include <functional>

#include "grid/column_grid.h"
#include "platform/classes/class_registry.h"
#include "platform/ui/font.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TCountingColumnGrid : public TProColumnGrid {
 public:
  using TProColumnGrid::Loaded;
  using TProColumnGrid::TProColumnGrid;
  void Invalidate() override {
    ++repaints;
    TProColumnGrid::Invalidate();
  }
  Integer repaints = 0;
};

class ColumnGridTest : public StringGridTest {
 protected:
  TCountingColumnGrid* Grid() {
    TForm* form = NewForm("ColumnGridForm" + std::to_string(++forms_), false);
    auto* grid = new TCountingColumnGrid(form);
    grid->SetParent(form);
    return grid;
  }
  Integer forms_ = 0;
};

TEST_F(ColumnGridTest, ItemsFollowTheColumnsAndTakeTheLookOfTheItemBefore) {
  TCountingColumnGrid* grid = Grid();
  grid->ApplyColumnCount(2);
  ASSERT_EQ(grid->Columns()->Count(), 2);
  TGridColumnItem* second = grid->Columns()->Items(1);
  second->SetAlignment(taRightJustify);
  second->SetEditor(edComboList);
  second->SetMinSize(30);
  second->SetHeader("Qty");
  second->SetName("Quantity");
  second->SetTag(7);
  second->SetColor(clRed);
  second->Font()->SetSize(20);
  grid->Font()->SetSize(11);
  grid->AddColumnItem();
  TGridColumnItem* third = grid->Columns()->Items(2);
  EXPECT_EQ(third->Alignment(), taRightJustify);
  EXPECT_EQ(third->Editor(), edComboList);
  EXPECT_EQ(third->MinSize(), 30);
  EXPECT_EQ(third->Header(), "");
  EXPECT_EQ(third->Name(), "");
  EXPECT_EQ(third->Tag(), 0);
  EXPECT_EQ(third->Color(), grid->Color());
  EXPECT_EQ(third->Font()->Size(), 11);
  EXPECT_EQ(grid->ColCount(), 3);   // the collection's update made the column
}

TEST_F(ColumnGridTest, ItemBehaviour) {
  const struct {
    const char* what;
    std::function<void(TCountingColumnGrid*)> act;
    std::function<void(TCountingColumnGrid*)> check;
  } cases[] = {
      {"display names",
       [](TCountingColumnGrid* g) { g->Columns()->Items(2)->SetName("Price"); },
       [](TCountingColumnGrid* g) {
         EXPECT_EQ(g->Columns()->Items(2)->DisplayName(), "Col 2: Price");
         EXPECT_EQ(g->Columns()->Items(0)->DisplayName(), "Column 0");
       }},
      {"a combo editor does not repaint",
       [](TCountingColumnGrid* g) { g->Columns()->Items(1)->SetEditor(edComboList); },
       [](TCountingColumnGrid* g) { EXPECT_EQ(g->repaints, 0); }},
      {"a data check box repaints",
       [](TCountingColumnGrid* g) { g->Columns()->Items(1)->SetEditor(edDataCheckBox); },
       [](TCountingColumnGrid* g) { EXPECT_EQ(g->repaints, 1); }},
      {"a header with fixed rows",
       [](TCountingColumnGrid* g) { g->Columns()->Items(1)->SetHeader("Name"); },
       [](TCountingColumnGrid* g) {
         EXPECT_EQ(g->GetCellText(1, 0), "Name");
         EXPECT_EQ(g->ColumnHeaders()->Strings(1), "Name");
       }},
      {"a header without fixed rows",
       [](TCountingColumnGrid* g) {
         g->SetFixedRows(0);
         g->SetCellText(1, 0, "cell");
         g->Columns()->Items(1)->SetHeader("Name");
       },
       [](TCountingColumnGrid* g) {
         EXPECT_EQ(g->GetCellText(1, 0), "cell");
         EXPECT_EQ(g->Columns()->Items(1)->Header(), "Name");
         EXPECT_EQ(g->ColumnHeaders()->Count(), g->Columns()->Count());
         EXPECT_EQ(g->ColumnHeaders()->Strings(1), "Name");
       }},
      {"items added while loading leave the column count",
       [](TCountingColumnGrid* g) {
         g->IncludeState(csLoading);
         g->Columns()->Add();
         g->Columns()->Add();
       },
       [](TCountingColumnGrid* g) {
         EXPECT_EQ(g->ColCount(), 5);
         EXPECT_EQ(g->Columns()->Count(), 7);
       }},
      {"items added otherwise add columns",
       [](TCountingColumnGrid* g) { g->Columns()->Add(); },
       [](TCountingColumnGrid* g) { EXPECT_EQ(g->ColCount(), 6); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TCountingColumnGrid* grid = Grid();
    ASSERT_EQ(grid->Columns()->Count(), 5);
    grid->repaints = 0;
    c.act(grid);
    c.check(grid);
  }
}

TEST_F(ColumnGridTest, TheUnitRegistersTheClasses) {
  InitializeUnits({ProColumnGridUnit});
  EXPECT_EQ(GetClass("TProColumnGrid"), TProColumnGrid::StaticClass());
  EXPECT_EQ(GetClass("TGridColumnItem"), TGridColumnItem::StaticClass());
  EXPECT_EQ(GetClass("TGridColumnCollection"), TGridColumnCollection::StaticClass());
}

}   // namespace
}   // namespace gridtest
