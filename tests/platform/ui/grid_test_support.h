// Shared fixture of the grid tests: a string grid with its hooks opened up and logged, on a shown
// form, 200 x 100 client pixels (no border, no scroll bars), 10 x 10 cells of 30 x 20 pixels with
// one fixed column and row and one-pixel lines: the cell pitch is 31 x 21.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/string_grid.h"
#include "ui_test_fixture.h"

namespace uitest {

class TTestGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::ColToThumb;
  using TCustomGrid::GridState;
  using TCustomGrid::MoveColRow;
  using TCustomGrid::RowToThumb;
  using TCustomGrid::ThumbToRow;

  struct Drawn {
    Integer Col, Row;
    TRect Rect;
    TGridDrawState State;
  };
  std::vector<Drawn> drawn;
  Integer clicks = 0;
  Integer widthChanges = 0;

 protected:
  void DrawCell(Integer ACol, Integer ARow, const TRect& ARect, TGridDrawState AState) override {
    drawn.push_back({ACol, ARow, ARect, AState});
    TStringGrid::DrawCell(ACol, ARow, ARect, AState);
  }
  void Click() override {
    ++clicks;
    TStringGrid::Click();
  }
  void ColWidthsChanged() override { ++widthChanges; }
};

class GridTest : public UiTest {
 protected:
  TTestGrid* NewGrid(Integer cols = 10, Integer rows = 10) {
    TForm* form = NewForm("GridForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 400, 300);
    auto* grid = new TTestGrid(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 200, 100);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    grid->SetDefaultColWidth(30);
    grid->SetDefaultRowHeight(20);
    form->Show();
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }

 private:
  Integer forms_ = 0;
};

}  // namespace uitest
