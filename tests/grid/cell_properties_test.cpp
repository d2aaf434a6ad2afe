// Cell properties: the base-cell rule, what Assign copies and keeps and what it refuses, which
// setters repaint the cell, the look a new properties object takes from its grid, and the base
// grid's published table.
#include "grid/cell_properties.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "base_grid_fixture.h"
#include "grid/base_grid.h"
#include "platform/classes/property_table.h"
#include "platform/core/exceptions.h"
#include "platform/ui/control.h"
#include "platform/ui/font.h"

namespace gridtest {
namespace {

TEST(CellPropertiesTest, ResolveBaseCellFollowsOnlyCoveredCells) {
  const struct {
    const char* what;
    bool isBase;
    Integer spanX, spanY, col, row;
    TPoint base;
  } cases[] = {
      {"fresh", true, -1, -1, 4, 7, {4, 7}},
      {"covered across", false, 2, 0, 5, 3, {3, 3}},
      {"covered down", false, 0, 2, 5, 3, {5, 1}},
      {"base cell of a range", true, 2, 1, 5, 3, {5, 3}},
      {"not base, one span -1", false, -1, 1, 5, 3, {5, 3}},
      {"not base, both spans -1", false, -1, -1, 5, 3, {5, 3}},
  };
  for (const auto& c : cases) {
    TCellProperties props(nullptr, c.col, c.row);
    props.SetIsBaseCell(c.isBase);
    props.SetCellSpanX(c.spanX);
    props.SetCellSpanY(c.spanY);
    EXPECT_EQ(props.ResolveBaseCell(c.col, c.row), c.base) << c.what;
  }
}

TEST(CellPropertiesTest, AssignCopiesTheListedFieldsAndKeepsTheOthers) {
  TBaseGrid gridA(nullptr);
  TBaseGrid gridB(nullptr);
  TObject cellObject, graphic;
  TControl control(nullptr);
  TCellProperties source(&gridA, 4, 5);
  source.SetIsBaseCell(false);
  source.SetCellSpanX(2);
  source.SetCellSpanY(3);
  source.SetAlignment(taCenter);
  source.SetBorderColor(clBlue);
  source.SetBorderWidth(2);
  source.SetBrushColor(clYellow);
  source.SetBrushStyle(bsCross);
  source.SetFontColor(clGreen);
  source.SetFontStyle(TFontStyles{fsBold, fsItalic});
  source.SetFontName("Tahoma");
  source.SetFontSize(12);
  source.SetReadOnly(true);
  source.SetEditor(edUniMemo);
  source.SetVAlignment(vtaBottom);
  source.SetWordWrap(false);
  source.SetNodeLevel(3);
  source.SetControl(&control);
  source.SetBrushColorTo(clLime);
  source.SetGradientDirection(GradientHorizontal);
  source.SetCellObject(&cellObject);
  source.SetGraphicObject(&graphic);
  source.SetPaintStamp(9);
  source.SetFooterCalc(2);

  TCellProperties target(&gridB, 1, 1);
  target.Assign(&source);
  EXPECT_FALSE(target.IsBaseCell());
  EXPECT_EQ(target.CellSpanX(), 2);
  EXPECT_EQ(target.CellSpanY(), 3);
  EXPECT_EQ(target.OwnerCol(), 4);
  EXPECT_EQ(target.OwnerRow(), 5);
  EXPECT_EQ(target.Alignment(), taCenter);
  EXPECT_EQ(target.BorderColor(), clBlue);
  EXPECT_EQ(target.BorderWidth(), 2);
  EXPECT_EQ(target.BrushColor(), clYellow);
  EXPECT_EQ(target.BrushStyle(), bsCross);
  EXPECT_EQ(target.FontColor(), clGreen);
  EXPECT_EQ(target.FontStyle(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(target.FontName(), "Tahoma");
  EXPECT_EQ(target.FontSize(), 12);
  EXPECT_TRUE(target.ReadOnly());
  EXPECT_EQ(target.Editor(), edUniMemo);
  EXPECT_EQ(target.VAlignment(), vtaBottom);
  EXPECT_FALSE(target.WordWrap());
  EXPECT_EQ(target.NodeLevel(), 3);
  EXPECT_EQ(target.Control(), &control);
  // Kept.
  EXPECT_EQ(target.OwnerGrid(), &gridB);
  EXPECT_EQ(target.BrushColorTo(), clNone);
  EXPECT_EQ(target.GradientDirection(), GradientVertical);
  EXPECT_EQ(target.CellObject(), nullptr);
  EXPECT_EQ(target.GraphicObject(), nullptr);
  EXPECT_EQ(target.PaintStamp(), 0);
  EXPECT_EQ(target.FooterCalc(), 0);
}

TEST(CellPropertiesTest, AssignFromAnotherClassOrNothingRaisesAndChangesNothing) {
  TCellProperties target(nullptr, 1, 2);
  target.SetBrushColor(clRed);
  TFont font;
  try {
    target.Assign(&font);
    ADD_FAILURE() << "no error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TFont to a TCellProperties");
  }
  EXPECT_THROW(target.Assign(nullptr), EConvertError);
  EXPECT_EQ(target.BrushColor(), clRed);
  EXPECT_EQ(target.OwnerCol(), 1);
  EXPECT_TRUE(target.IsBaseCell());
}

TEST(CellPropertiesTest, TheEditorKindsAndTheGridsOwnLineWidthAndDrawingFlagArePublished) {
  const TTypeInfo* editors = TypeInfo<TEditorType>();
  EXPECT_EQ(editors->Names.size(), 33u);
  EXPECT_EQ(GetEnumName(editors, 0), "edNormal");
  EXPECT_EQ(GetEnumName(editors, 27), "edNone");
  EXPECT_EQ(GetEnumName(editors, 32), "edUniMemo");

  TBaseGrid grid(nullptr);
  grid.SetGridLineWidth(3);
  grid.SetDefaultDrawing(true);
  const TCustomGrid& libraryGrid = grid;
  EXPECT_EQ(libraryGrid.GridLineWidth(), 0);
  EXPECT_FALSE(libraryGrid.DefaultDrawing());
  EXPECT_TRUE(grid.Options().Contains(goDrawFocusSelected));
  const struct {
    const char* name;
    Integer value, defaultValue;
  } props[] = {{"GridLineWidth", 3, 1},       {"DefaultDrawing", 1, 0},   {"GridLineColor", clSilver, clSilver},
               {"ActiveRowShow", 0, 0},       {"ActiveRowColor", clInfoBk, clInfoBk}};
  for (const auto& p : props) {
    const TPropInfo* info = GetPropInfo(&grid, p.name);
    ASSERT_NE(info, nullptr) << p.name;
    EXPECT_EQ(GetOrdProp(&grid, info), p.value) << p.name;
    EXPECT_EQ(info->Default, p.defaultValue) << p.name;
  }
  // Republished names keep the inherited entry's place.
  for (const char* name : {"GridLineWidth", "DefaultDrawing"})
    EXPECT_EQ(GetPropInfo(TBaseGrid::StaticClass(), name)->NameIndex,
              GetPropInfo(TStringGrid::StaticClass(), name)->NameIndex)
        << name;
  EXPECT_NE(GetPropInfo(TBaseGrid::StaticClass(), "UndoRedo"), nullptr);
  EXPECT_EQ(GetPropInfo(TCellProperties::StaticClass(), "Editor")->PropType, editors);
}

class CellPropertiesRepaintTest : public BaseGridTest {};

TEST_F(CellPropertiesRepaintTest, TheColourAlignmentAndWrapSettersRepaintTheCellAlignmentDoesNot) {
  const struct {
    const char* what;
    std::function<void(TCellProperties&)> set;
    bool repaints;
  } cases[] = {
      {"BrushColor", [](TCellProperties& p) { p.SetBrushColor(clRed); }, true},
      {"BrushColorTo", [](TCellProperties& p) { p.SetBrushColorTo(clRed); }, true},
      {"VAlignment, same value", [](TCellProperties& p) { p.SetVAlignment(p.VAlignment()); }, true},
      {"WordWrap", [](TCellProperties& p) { p.SetWordWrap(false); }, true},
      {"Alignment", [](TCellProperties& p) { p.SetAlignment(taRightJustify); }, false},
      {"FontColor", [](TCellProperties& p) { p.SetFontColor(clRed); }, false},
  };
  TTestBaseGrid* grid = NewGrid(5, 5, 40, 20, 200, 100);
  TCellProperties* props = grid->GetCellProperties(2, 2);
  for (const auto& c : cases) {
    driver_->Settle();
    ASSERT_FALSE(AwaitsRepaint(grid, grid->CellRect(2, 2)));
    c.set(*props);
    EXPECT_EQ(AwaitsRepaint(grid, grid->CellRect(2, 2)), c.repaints) << c.what;
    EXPECT_FALSE(AwaitsRepaint(grid, grid->CellRect(3, 3))) << c.what;
  }
  TCellProperties orphan(nullptr, 2, 2);
  orphan.SetBrushColor(clRed);   // no grid to repaint: nothing happens
  EXPECT_EQ(orphan.BrushColor(), clRed);
}

TEST_F(CellPropertiesRepaintTest, ANewPropertiesObjectTakesTheGridsInitialLook) {
  TTestBaseGrid* grid = NewGrid(5, 5, 40, 20, 200, 100);
  grid->SetColor(clYellow);
  grid->Font()->SetName("Arial");
  grid->Font()->SetSize(10);
  grid->Font()->SetStyle(TFontStyles{fsBold});
  grid->Font()->SetColor(clBlue);
  grid->SetDefaultWordWrap(false);
  EXPECT_FALSE(grid->HasCellProperties(3, 2));
  TCellProperties* props = grid->GetCellProperties(3, 2);
  EXPECT_TRUE(grid->HasCellProperties(3, 2));
  EXPECT_EQ(grid->GetCellProperties(3, 2), props);
  EXPECT_EQ(props->OwnerGrid(), grid);
  EXPECT_EQ(props->OwnerCol(), 3);
  EXPECT_EQ(props->OwnerRow(), 2);
  EXPECT_EQ(props->FontName(), "Arial");
  EXPECT_EQ(props->FontSize(), 10);
  EXPECT_EQ(props->FontStyle(), TFontStyles{fsBold});
  EXPECT_EQ(props->FontColor(), clBlue);
  EXPECT_EQ(props->BrushColor(), clYellow);
  EXPECT_EQ(props->BrushColorTo(), clNone);
  EXPECT_EQ(props->Alignment(), taLeftJustify);
  EXPECT_EQ(props->VAlignment(), vtaTop);
  EXPECT_FALSE(props->WordWrap());
  EXPECT_EQ(props->GradientDirection(), GradientVertical);
  EXPECT_TRUE(props->IsBaseCell());
  EXPECT_EQ(props->CellSpanX(), -1);
  EXPECT_EQ(props->Editor(), edNormal);
}

}  // namespace
}  // namespace gridtest
