// Shared fixture of the string grid's tests: a TProStringGrid whose protected operations are opened
// up and whose progress hooks are logged, on a form (shown or not), and small helpers to fill and
// read cells.
#pragma once

#include <string>
#include <vector>

#include "grid/pro_string_grid.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace gridtest {

class TTestStringGrid : public TProStringGrid {
 public:
  using TProStringGrid::AllCellsChanged;
  using TProStringGrid::CanEditCell;
  using TProStringGrid::CellsChanged;
  using TProStringGrid::DoGetAlignment;
  using TProStringGrid::DoGetCellBorder;
  using TProStringGrid::DoGetCellColor;
  using TProStringGrid::DoGetCheckFalse;
  using TProStringGrid::DoGetCheckTrue;
  using TProStringGrid::DoIsFixedCell;
  using TProStringGrid::GetFloatFormat;
  using TProStringGrid::GetSaveCellText;
  using TProStringGrid::Loaded;
  using TProStringGrid::RememberCellValue;
  using TProStringGrid::SetLoadedCellText;
  using TProStringGrid::TProStringGrid;
  using TProStringGrid::ValidateCell;
  using TProStringGrid::ValidateCellWide;

  // "save <stage>,<row>" for each SaveProgress call; "headers" for HeadersChanged.
  std::vector<std::string> log;
  // The rows whose cells were drawn, in drawing order.
  std::vector<Integer> drawnRows;

 protected:
  void DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TGridDrawState State) override {
    drawnRows.push_back(ARow);
    TProStringGrid::DrawCellContent(ACanvas, ACol, ARow, Rect, State);
  }
  void SaveProgress(Integer Stage, Integer ARow) override {
    log.push_back("save " + std::to_string(Stage) + "," + std::to_string(ARow));
  }
  void HeadersChanged() override { log.push_back("headers"); }
};

class StringGridTest : public uitest::UiTest {
 protected:
  // A grid (of a test's own grid class if given) on a form of its own; Shown shows the form (the
  // grid then has a window).
  template <class Grid = TTestStringGrid>
  Grid* NewGrid(bool Shown = false) {
    TForm* form = NewForm("StringGridForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new Grid(form);
    grid->SetParent(form);
    if (Shown) {
      form->Show();
      driver_->Settle();
    }
    return grid;
  }

  // Writes the rows' texts from the top-left cell on, growing the grid to hold them.
  static void Fill(TProStringGrid* Grid, const std::vector<std::vector<std::string>>& Rows) {
    if (Grid->RowCount() < static_cast<Integer>(Rows.size())) Grid->SetRowCount(static_cast<Integer>(Rows.size()));
    for (size_t r = 0; r < Rows.size(); ++r) {
      if (Grid->ColCount() < static_cast<Integer>(Rows[r].size()))
        Grid->SetColCount(static_cast<Integer>(Rows[r].size()));
      for (size_t c = 0; c < Rows[r].size(); ++c)
        Grid->SetCellText(static_cast<Integer>(c), static_cast<Integer>(r), Rows[r][c]);
    }
  }

  // The texts of one column, rows From..To.
  static std::vector<std::string> Column(TProStringGrid* Grid, Integer ACol, Integer From, Integer To) {
    std::vector<std::string> texts;
    for (Integer row = From; row <= To; ++row) texts.push_back(Grid->GetCellText(ACol, row));
    return texts;
  }

 private:
  Integer forms_ = 0;
};

}   // namespace gridtest
