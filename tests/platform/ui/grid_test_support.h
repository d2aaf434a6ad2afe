// Shared fixture of the grid tests: a string grid with its hooks opened up and logged, on a shown
// form, 200 x 100 client pixels (no border, no scroll bars), 10 x 10 cells of 30 x 20 pixels with
// one fixed column and row and one-pixel lines: the cell pitch is 31 x 21.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/string_grid.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {

class TTestGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  using TCustomGrid::CancelSizingOrMoving;
  using TCustomGrid::ColToThumb;
  using TCustomGrid::GridState;
  using TCustomGrid::InvalidateCol;
  using TCustomGrid::InvalidateGridRect;
  using TCustomGrid::InvalidateRow;
  using TCustomGrid::MoveColRow;
  using TCustomGrid::RowToThumb;
  using TCustomGrid::ThumbToRow;
  using TStringGrid::StoredCell;

  struct Drawn {
    Integer Col, Row;
    TRect Rect;
    TGridDrawState State;
  };
  std::vector<Drawn> drawn;
  Integer clicks = 0;
  Integer widthChanges = 0;
  // SizeChanged and TopLeftChanged as they came, with what they saw: "size 10x10->12x10" (old and
  // new counts), "topleft 1,4" (LeftCol, TopRow).
  std::vector<std::string> hooks;

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
  void SizeChanged(Integer OldColCount, Integer OldRowCount) override {
    hooks.push_back("size " + std::to_string(OldColCount) + "x" + std::to_string(OldRowCount) + "->" +
                    std::to_string(ColCount()) + "x" + std::to_string(RowCount()));
    TStringGrid::SizeChanged(OldColCount, OldRowCount);
  }
  void TopLeftChanged() override {
    hooks.push_back("topleft " + std::to_string(LeftCol()) + "," + std::to_string(TopRow()));
    TStringGrid::TopLeftChanged();
  }
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
