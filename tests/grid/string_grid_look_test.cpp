// The dispatchers' own answers: active-cell and cell-property colours by graphic kind, group lines,
// fixed cells, edit permission, alignment with AutoNumAlign, and the cell style bands take.
#include <gtest/gtest.h>

#include <functional>

#include "grid/bands.h"
#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/grouping_settings.h"
#include "grid/mouse_actions.h"
#include "platform/gdi/text_constants.h"
#include "platform/ui/brush.h"
#include "platform/ui/font.h"
#include "platform/ui/pen.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

using LookTest = StringGridTest;

TEST_F(LookTest, ACellsOwnBrushShowsOnlyForGraphicsThatDrawNoControlButItsFontAlways) {
  const struct {
    TCellType kind;
    bool takesBrush;
  } cases[] = {{ctIcon, true},    {ctNone, true},      {ctImageList, true},     {ctImages, true},
               {ctComment, true}, {ctCheckBox, false}, {ctDataCheckBox, false}, {ctProgress, false},
               {ctRadio, false},  {ctButton, false},   {ctNode, false},         {ctRotated, false}};
  TTestStringGrid* grid = NewGrid();
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    grid->CreateCellGraphic(2, 2)->SetCellType(c.kind);
    TCellProperties* props = grid->GetCellProperties(2, 2);
    props->SetBrushColor(clRed);
    props->SetFontColor(clGreen);
    props->SetFontSize(14);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid->DoGetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), c.takesBrush ? clRed : clWhite);
    EXPECT_EQ(font.Color(), clGreen);
    EXPECT_EQ(font.Size(), 14);
  }
  grid->FreeCellProperties(3, 3);
  grid->GetCellProperties(3, 3)->SetBrushColor(clBlue);   // no graphic: ctEmpty takes the brush
  TBrush brush;
  TFont font;
  grid->DoGetCellColor(3, 3, {}, &brush, &font);
  EXPECT_EQ(brush.Color(), clBlue);
  grid->RemoveCellGraphic(2, 2);
}

TEST_F(LookTest, TheActiveCellShowsInTheFirstFixedColumnAndRowOnly) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFixedCols(2);
  grid->SetFixedRows(2);
  grid->SetActiveCellShow(true);
  grid->SetCol(3);
  grid->SetRow(4);
  const struct {
    Integer col, row;
    bool active;
  } cases[] = {{0, 4, true}, {1, 4, false}, {3, 0, true}, {3, 1, false}, {0, 5, false}, {2, 0, false}};
  for (const auto& c : cases) {
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    grid->DoGetCellColor(c.col, c.row, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), c.active ? grid->ActiveCellColor() : clWhite) << c.col << "," << c.row;
  }
  TBrush brush;
  TFont font;
  int asked = 0;
  grid->OnGetCellColor = [&](TObject*, Integer row, Integer col, TGridDrawState, TBrush* b, TFont*) {
    ++asked;
    EXPECT_EQ(row, 4);
    EXPECT_EQ(col, 0);
    b->SetColor(clAqua);
  };
  grid->DoGetCellColor(0, 4, {}, &brush, &font);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(brush.Color(), clAqua);
}

TEST_F(LookTest, FixedCellsAndEditPermission) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFixedCols(1);
  grid->SetFixedRows(1);
  grid->OnIsFixedCell = [](TObject*, Integer row, Integer col, bool& fixed) { fixed = row == 5 && col == 2; };
  grid->GetCellProperties(3, 3)->SetReadOnly(true);
  grid->MergeCells(3, 6, 2, 1);   // (4, 6) is covered by (3, 6)
  grid->GetCellProperties(3, 6)->SetReadOnly(true);
  grid->OnCanEditCell = [](TObject*, Integer row, Integer col, bool& canEdit) {
    if (row == 2 && col == 4) canEdit = false;
  };
  const struct {
    const char* what;
    Integer col, row;
    bool fixed;
    bool editable;   // with goEditing
  } cases[] = {
      {"fixed column", 0, 3, true, true},
      {"fixed row", 2, 0, true, true},
      {"fixed by the event", 2, 5, true, true},
      {"normal", 2, 4, false, true},
      {"read-only", 3, 3, false, false},
      {"covered by a read-only base", 4, 6, false, false},
      {"refused by the event", 4, 2, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    bool fixed = false;
    grid->DoIsFixedCell(c.col, c.row, fixed);
    EXPECT_EQ(fixed, c.fixed);
    bool canEdit = true;
    grid->CanEditCell(c.col, c.row, canEdit);
    EXPECT_FALSE(canEdit);   // without goEditing nothing is editable
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    canEdit = true;
    grid->CanEditCell(c.col, c.row, canEdit);
    EXPECT_EQ(canEdit, c.editable);
    grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    grid->SetForcedEdit(true);
    canEdit = true;
    grid->CanEditCell(c.col, c.row, canEdit);
    EXPECT_EQ(canEdit, c.editable);
    grid->SetForcedEdit(false);
  }
  grid->MouseActions()->SetRangeSelectAndEdit(true);
  bool canEdit = true;
  grid->CanEditCell(2, 4, canEdit);
  EXPECT_TRUE(canEdit);
  bool fixed = true;
  grid->DoIsFixedCell(3, 3, fixed);   // already fixed: stays, and the event is not asked
  EXPECT_TRUE(fixed);
}

TEST_F(LookTest, FixedRowAlwaysKeepsTheLoadedFixedRowsFixed) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFixedRows(2);
  grid->Loaded();
  grid->SetFixedRowAlways(true);
  grid->SetRowCount(2);   // every row fixed: the class library lowers the count to 1
  bool fixed = false;
  grid->DoIsFixedCell(3, 1, fixed);
  EXPECT_TRUE(fixed);
}

TEST_F(LookTest, AlignmentWithAutoNumAlign) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{"", "", "", "", ""}, {"", " 7 ", "12.5", "abc", "=1+1"}, {"", "1.5E3", "12", "-", ""}});
  grid->GetCellProperties(2, 2)->SetAlignment(taCenter);
  grid->SetVAlignment(vtaBottom);
  const struct {
    Integer col, row;
    bool autoNum;
    TAlignment expected;
  } cases[] = {{1, 1, false, taLeftJustify}, {1, 1, true, taRightJustify}, {2, 1, true, taRightJustify},
               {3, 1, true, taLeftJustify},  {1, 2, true, taRightJustify}, {2, 2, true, taCenter},
               {2, 2, false, taCenter},      {3, 2, true, taRightJustify}};
  for (const auto& c : cases) {
    grid->SetAutoNumAlign(c.autoNum);
    const auto [horizontal, vertical] = grid->GetCellAlignment(c.col, c.row);
    EXPECT_EQ(horizontal, c.expected) << c.col << "," << c.row << " " << c.autoNum;
    EXPECT_EQ(vertical, vtaBottom);
  }
  EXPECT_EQ(grid->VAlignFlag(), DT_BOTTOM);
  grid->OnGetAlignment = [](TObject*, Integer row, Integer, TAlignment& h, TVAlignment& v) {
    if (row == 0) h = taCenter, v = vtaCenter;
  };
  const auto [h, v] = grid->GetCellAlignment(1, 0);
  EXPECT_EQ(h, taCenter);
  EXPECT_EQ(v, vtaCenter);
  grid->MouseActions()->SetHotmailRowSelect(true);
  EXPECT_EQ(grid->GetCellAlignment(0, 1).first, taCenter);
}

TEST_F(LookTest, GroupLinesUnderHeaderRowsAndOverSummaryRows) {
  TTestStringGrid* grid = NewGrid();
  grid->CreateCellGraphic(0, 2)->SetCellType(ctNode);
  grid->CreateCellGraphic(0, 4)->SetCellType(ctSummary);
  grid->Grouping()->SetHeaderUnderline(true);
  grid->Grouping()->SetSummaryLine(true);
  grid->Grouping()->SetSummaryLineColor(clRed);
  const struct {
    Integer col, row;
    TCellBorders borders;
    TColor pen;
  } cases[] = {
      {1, 2, {cbBottom}, clBlue}, {0, 2, {cbLeft}, clBlack}, {3, 4, {cbTop}, clRed}, {1, 3, {cbLeft}, clBlack}};
  for (const auto& c : cases) {
    TPen pen;
    TCellBorders borders{cbLeft};
    grid->DoGetCellBorder(c.col, c.row, &pen, borders);
    EXPECT_EQ(borders, c.borders) << c.col << "," << c.row;
    EXPECT_EQ(pen.Color(), c.pen);
  }
}

TEST_F(LookTest, ActiveBandsLeaveNewCellPropertiesWithoutAColour) {
  TTestStringGrid* grid = NewGrid();
  EXPECT_EQ(grid->GetCellProperties(1, 1)->BrushColor(), grid->Color());
  grid->Bands()->SetActive(true);
  EXPECT_EQ(grid->GetCellProperties(2, 2)->BrushColor(), clNone);
}

TEST_F(LookTest, DispatchersStartFromTheGridsAnswers) {
  TTestStringGrid* grid = NewGrid();
  std::string value;
  grid->DoGetCheckTrue(1, 1, value);
  EXPECT_EQ(value, "Y");
  grid->OnGetCheckTrue = [](TObject*, Integer, Integer, std::string& v) { v += "es"; };
  grid->DoGetCheckTrue(1, 1, value);
  EXPECT_EQ(value, "Yes");
  grid->DoGetCheckFalse(1, 1, value);
  EXPECT_EQ(value, "N");
}

TEST_F(LookTest, ScrollToCellCentresACellOutsideTheView) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetRowCount(100);
  grid->ScrollToCell(1, 60);
  EXPECT_EQ(grid->Row(), 60);
  EXPECT_EQ(grid->TopRow(), 60 - grid->VisibleRowCount() / 2);
  const Integer top = grid->TopRow();
  grid->ScrollToCell(1, top + 1);   // in view: nothing moves
  EXPECT_EQ(grid->TopRow(), top);
  EXPECT_EQ(grid->Row(), 60);
  grid->ScrollToCell(1, 100);   // past the grid: nothing
  EXPECT_EQ(grid->Row(), 60);
}

}   // namespace
}   // namespace gridtest
