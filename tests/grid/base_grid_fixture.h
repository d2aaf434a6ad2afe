// Shared fixture of the base grid's tests: a TBaseGrid whose hooks are opened up and logged, and a
// fixture that puts one on a shown form with a client area of exactly the size asked (no border,
// no scroll bars), cells of one size, and the base grid's look pinned for pixel probes.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "grid/base_grid.h"
#include "grid/cell_properties.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/user/painting.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace gridtest {

class TTestBaseGrid : public TBaseGrid {
 public:
  using TBaseGrid::TBaseGrid;
  using TBaseGrid::DrawCellContent;
  using TBaseGrid::RepaintFixedColMerges;
  using TBaseGrid::RepaintFixedRowMerges;

  using CellStyle = std::function<void(Integer ACol, Integer ARow, TBrush* Brush, TColor& ColorTo,
                                       TCellGradientDirection& GradientDirection)>;

  // "footer" for each FooterRowChanged, "displ <col>,<row>" and "wide <col>,<row>" for the two
  // display dispatchers (their events may be assigned besides).
  std::vector<std::string> log;
  bool hasNodes = false;
  CellStyle cellStyle;   // GetCellStyle when set

 protected:
  void FooterRowChanged() override { log.push_back("footer"); }
  bool HasNodes() override { return hasNodes; }
  void DoGetDisplText(Integer ACol, Integer ARow, std::string& Value) override {
    log.push_back("displ " + std::to_string(ACol) + "," + std::to_string(ARow));
    TBaseGrid::DoGetDisplText(ACol, ARow, Value);
  }
  void DoGetDisplWideText(Integer ACol, Integer ARow, std::u16string& Value) override {
    log.push_back("wide " + std::to_string(ACol) + "," + std::to_string(ARow));
    TBaseGrid::DoGetDisplWideText(ACol, ARow, Value);
  }
  void GetCellStyle(Integer ACol, Integer ARow, TGridDrawState& State, bool Printing, bool ShowSelection,
                    bool MapColumn, TBrush* ABrush, TColor& ColorTo, TFont* AFont, TAlignment& Alignment,
                    TVAlignment& VAlignment, bool& WordWrap, TCellGradientDirection& GradientDirection) override {
    if (cellStyle) cellStyle(ACol, ARow, ABrush, ColorTo, GradientDirection);
    else
      TBaseGrid::GetCellStyle(ACol, ARow, State, Printing, ShowSelection, MapColumn, ABrush, ColorTo, AFont,
                              Alignment, VAlignment, WordWrap, GradientDirection);
  }
};

class BaseGridTest : public uitest::UiTest {
 protected:
  // A grid of Cols x Rows cells of Width x Height pixels with one fixed column and row, white with
  // red lines, on a shown form.
  TTestBaseGrid* NewGrid(Integer Cols, Integer Rows, Integer Width, Integer Height, Integer ClientWidth,
                         Integer ClientHeight) {
    TForm* form = NewForm("BaseGridForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 400, 300);
    auto* grid = new TTestBaseGrid(form);
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
    grid->SetParent(form);
    grid->SetBounds(0, 0, ClientWidth, ClientHeight);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetDefaultColWidth(Width);
    grid->SetDefaultRowHeight(Height);
    grid->SetColor(clWhite);
    grid->SetGridLineColor(clRed);
    form->Show();
    driver_->Settle();
    return grid;
  }

  // Whether the grid's window waits to repaint any pixel of Rect.
  static bool AwaitsRepaint(TBaseGrid* Grid, const TRect& Rect) {
    HRGN update = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(Grid->WindowHandle(), update, FALSE);
    const bool meets = RectInRegion(update, &Rect) != FALSE;
    DeleteObject(update);
    return meets;
  }

 private:
  Integer forms_ = 0;
};

}  // namespace gridtest
