// The string grid's cell painting: the cell style table (bands, fixed cells, selection,
// alignment), probes of headless pictures of a 6 x 6 grid with a fixed row and column (focus
// rectangle, modified bar, comment, fixed looks, borders), cells compared against cells drawn in
// the same picture (password, link, multi-line, markup), graphics and the faults of graphic values,
// the colour presets, the sort glyph and text measuring.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "grid/bands.h"
#include "grid/cell_graphic.h"
#include "grid/cell_node.h"
#include "grid/cell_properties.h"
#include "grid/control_look.h"
#include "grid/draw_markup.h"
#include "grid/grid_progress_appearance.h"
#include "grid/mouse_actions.h"
#include "grid/search_footer.h"
#include "grid/show_modified.h"
#include "grid/sort_settings.h"
#include "platform/classes/string_list.h"
#include "platform/gdi/bitmap.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/gdi_types.h"
#include "platform/gdi/icon.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/brush.h"
#include "platform/ui/canvas.h"
#include "platform/ui/font.h"
#include "platform/ui/icon.h"
#include "platform/ui/pen.h"
#include "string_grid_paint_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
const COLORREF kRedRGB = RGB(255, 0, 0);

// ---- The cell style ----

TEST_F(PaintTest, TheCellStyleTakesBandsOwnBrushesFixedLooksSelectionAndAlignment) {
  TPaintGrid* grid = NewPaintGrid();
  grid->Bands()->SetActive(true);
  grid->Bands()->SetPrimaryColor(clYellow);
  grid->Bands()->SetSecondaryColor(clAqua);
  grid->Bands()->SetPrimaryLength(1);
  grid->Bands()->SetSecondaryLength(2);
  const TColor expected[] = {clYellow, clAqua, clAqua, clYellow};
  for (Integer row = 1; row <= 4; ++row) EXPECT_EQ(Style(grid, 2, row).brush, expected[row - 1]) << row;

  grid->GetCellProperties(3, 2)->SetBrushColor(clRed);
  EXPECT_EQ(Style(grid, 3, 2).brush, clRed) << "a cell's own brush survives bands";

  grid->Bands()->SetPrimaryLength(0);
  grid->Bands()->SetSecondaryLength(0);
  EXPECT_EQ(Style(grid, 2, 1).brush, grid->Color()) << "a band sum of 0 leaves Color";

  // A fixed cell's own brush and font give way to FixedColor and FixedFont ...
  grid->FixedFont()->SetColor(clNavy);
  TCellProperties* header = grid->GetCellProperties(2, 0);
  header->SetBrushColor(clRed);
  header->SetFontColor(clGreen);
  CellStyle fixed = Style(grid, 2, 0);
  EXPECT_EQ(fixed.brush, grid->FixedColor());
  EXPECT_EQ(fixed.fontColor, clNavy);
  EXPECT_TRUE(fixed.state.Contains(gdFixed));
  // ... unless OnGetCellColor changes them.
  grid->OnGetCellColor = [](TObject*, Integer ARow, Integer, TGridDrawState, TBrush* ABrush, TFont* AFont) {
    if (ARow == 0) ABrush->SetColor(clLime);
    AFont->SetStyle(TFontStyles{fsBold});
  };
  fixed = Style(grid, 2, 0);
  EXPECT_EQ(fixed.brush, clLime);
  EXPECT_EQ(fixed.fontStyle, TFontStyles{fsBold});
  grid->OnGetCellColor = nullptr;

  grid->SetSelection(TGridRect{2, 2, 3, 3});
  const CellStyle selected = Style(grid, 3, 3);
  EXPECT_EQ(selected.brush, grid->SelectionColor());
  EXPECT_EQ(selected.fontColor, grid->SelectionTextColor());
  EXPECT_TRUE(selected.state.Contains(gdSelected));
  EXPECT_EQ(Style(grid, 4, 3).brush, grid->Color()) << "outside the selection";
  grid->SetShowSelection(false);
  EXPECT_EQ(Style(grid, 3, 3).brush, grid->Color()) << "without ShowSelection";

  grid->SetAutoNumAlign(true);
  Fill(grid, {{"", "Name", " 7 ", "12.5", "abc"}});
  grid->SetCellText(2, 1, " 7 ");
  grid->SetCellText(3, 1, "12.5");
  grid->SetCellText(4, 1, "abc");
  EXPECT_EQ(Style(grid, 2, 1).alignment, taRightJustify);
  EXPECT_EQ(Style(grid, 3, 1).alignment, taRightJustify);
  EXPECT_EQ(Style(grid, 4, 1).alignment, taLeftJustify);
  grid->OnGetAlignment = [](TObject*, Integer ARow, Integer, TAlignment& HAlign, TVAlignment&) {
    if (ARow == 0) HAlign = taCenter;
  };
  EXPECT_EQ(Style(grid, 1, 0).alignment, taCenter);
}

// ---- Probes of the picture ----

// With disjunct cell selection the list alone decides: Ctrl+clicked cells are selected, the
// current cell outside the list (also one Ctrl+clicked off again) is painted in the grid's colours.
TEST_F(PaintTest, DisjunctCellsAloneShowAsSelected) {
  TPaintGrid* grid = NewPaintGrid();
  grid->MouseActions()->SetDisjunctCellSelect(true);
  grid->SetSelectionColor(clRed);
  grid->SetSelectionTextColor(clYellow);
  EXPECT_EQ(Style(grid, 5, 5, {gdSelected}).brush, grid->Color()) << "the current cell, not listed";
  EXPECT_FALSE(Style(grid, 5, 5, {gdSelected}).state.Contains(gdSelected));
  const auto middle = [&](Integer col, Integer row) {
    const TRect r = grid->CellRect(col, row);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  };
  for (const TPoint cell : {TPoint{2, 2}, TPoint{3, 4}, TPoint{4, 1}, TPoint{4, 1}})
    driver_->ClickAt(grid, middle(cell.X, cell.Y), TShiftState{ssCtrl});
  const struct {
    Integer col, row;
    bool selected;
  } cases[] = {{2, 2, true}, {3, 4, true}, {4, 1, false}, {4, 4, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.col << ", " << c.row);
    const CellStyle style = Style(grid, c.col, c.row);
    EXPECT_EQ(style.brush, c.selected ? clRed : grid->Color());
    EXPECT_EQ(style.fontColor, c.selected ? clYellow : grid->Font()->Color());
    EXPECT_EQ(style.state.Contains(gdSelected), c.selected);
  }
  EXPECT_EQ((TPoint{grid->Col(), grid->Row()}), (TPoint{4, 1}));
  Paint(grid);
  EXPECT_GT(Count(grid, 2, 2, RGB(255, 0, 0)), 500);
  EXPECT_EQ(Count(grid, 4, 1, RGB(255, 0, 0)), 0) << "the current cell Ctrl+clicked off";
}

TEST_F(PaintTest, BandsAndSelectionShowInThePicture) {
  TPaintGrid* grid = NewPaintGrid();
  grid->Bands()->SetActive(true);
  grid->Bands()->SetPrimaryColor(clYellow);
  grid->Bands()->SetSecondaryColor(clAqua);
  grid->SetSelection(TGridRect{2, 3, 2, 3});
  Paint(grid);
  EXPECT_EQ(AtCell(grid, 3, 1, 30, 10), ColorToRGB(clYellow));
  EXPECT_EQ(AtCell(grid, 3, 2, 30, 10), ColorToRGB(clAqua));
  EXPECT_EQ(AtCell(grid, 2, 3, 30, 10), ColorToRGB(grid->SelectionColor()));
}

TEST_F(PaintTest, TheFocusRectangleMarksTheCurrentCellOfAFocusedGridOnly) {
  const struct {
    const char* what;
    bool hideFocusRect;
    bool rowSelect;
    bool focusShown;
  } cases[] = {{"plain", false, false, true}, {"HideFocusRect", true, false, false}, {"goRowSelect", false, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetShowSelection(false);
    grid->SetHideFocusRect(c.hideFocusRect);
    if (c.rowSelect) grid->SetOptions(grid->Options() + TGridOptions{goRowSelect});
    grid->SetCol(2);
    grid->SetRow(2);
    grid->SetFocus();
    driver_->Settle();
    ASSERT_TRUE(grid->Focused());
    Paint(grid);
    // The dotted frame alternates along the cell's top edge.
    const TRect r = grid->CellRect(2, 2);
    Integer dark = 0;
    for (Integer x = r.Left + 2; x < r.Right - 2; ++x) dark += At(grid, x, r.Top) != kWhite;
    EXPECT_EQ(dark > 5, c.focusShown) << dark;
  }
}

TEST_F(PaintTest, TheModifiedBarCommentTriangleAndBordersAreDrawnWhereTheySay) {
  TPaintGrid* grid = NewPaintGrid();
  grid->ShowModified()->SetEnabled(true);
  grid->ShowModified()->SetColor(clRed);
  grid->SetRowModified(2, true);
  TCellGraphic* comment = grid->CreateCellGraphic(3, 3);
  comment->SetCellType(ctComment);
  comment->SetCellAngle(clNone);
  grid->ControlLook()->SetCommentColor(clRed);
  grid->OnGetCellBorder = [](TObject*, Integer ARow, Integer ACol, TPen* APen, TCellBorders& Borders) {
    if (ACol == 4 && ARow == 4) {
      Borders = TCellBorders{cbLeft, cbBottom};
      APen->SetColor(clBlue);
      APen->SetWidth(3);
    }
  };
  Paint(grid);
  const TRect fixedCell = grid->CellRect(0, 2);
  EXPECT_EQ(At(grid, fixedCell.Right - 3, fixedCell.Top + 10), kRedRGB) << "inside the 4-pixel bar";
  EXPECT_NE(At(grid, fixedCell.Right - 7, fixedCell.Top + 10), kRedRGB) << "left of the bar";
  EXPECT_NE(At(grid, grid->CellRect(0, 3).Right - 3, grid->CellRect(0, 3).Top + 10), kRedRGB) << "unmarked row";

  const TRect commented = grid->CellRect(3, 3);
  EXPECT_EQ(At(grid, commented.Right - 3, commented.Top + 2), kRedRGB) << "inside the triangle";
  EXPECT_EQ(At(grid, commented.Right - 8, commented.Top + 6), kWhite) << "outside the triangle";

  const TRect bordered = grid->CellRect(4, 4);
  const COLORREF blue = ColorToRGB(clBlue);
  EXPECT_EQ(At(grid, bordered.Left + 1, bordered.Top + 10), blue) << "left side, 3 pixels wide";
  EXPECT_EQ(At(grid, bordered.Left + 3, bordered.Top + 10), blue);
  EXPECT_NE(At(grid, bordered.Left + 4, bordered.Top + 10), blue);
  EXPECT_EQ(At(grid, bordered.Left + 30, bordered.Bottom - 3), blue) << "bottom side";
  EXPECT_NE(At(grid, bordered.Right - 4, bordered.Top + 10), blue) << "no right side";
}

TEST_F(PaintTest, XPFixedCellsGradeFromTopToBottomAndFlatDrawsNoLook) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetLook(glXP);
  Paint(grid);
  auto brightness = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  const TRect header = grid->CellRect(2, 0);
  EXPECT_GT(brightness(At(grid, header.Left + 30, header.Top + 3)),
            brightness(At(grid, header.Left + 30, header.Bottom - 4)));
  grid->SetFlat(true);
  Paint(grid);
  EXPECT_EQ(At(grid, header.Left + 30, header.Top + 3), ColorToRGB(grid->FixedColor()));
  EXPECT_EQ(At(grid, header.Left + 30, header.Bottom - 4), ColorToRGB(grid->FixedColor()));
  EXPECT_EQ(At(grid, header.Left + 2, header.Top + 1), ColorToRGB(grid->FixedColor())) << "no white edge";
}

// ---- Cells compared with cells of the same picture ----

TEST_F(PaintTest, CellsDrawnLikeTheTextTheyStandFor) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetURLShow(true);
  grid->SetEnableHTML(true);
  grid->OnIsPasswordCell = [](TObject*, Integer ARow, Integer ACol, bool& IsPassword) {
    IsPassword = ACol == 1 && ARow == 1;
  };
  grid->SetCellText(1, 1, "abcde");
  grid->SetCellText(2, 1, "*****");
  grid->SetCellText(1, 2, "http://example.com");
  grid->SetCellText(2, 2, "example.com");
  grid->GetCellProperties(2, 2)->SetFontColor(grid->URLColor());
  grid->GetCellProperties(2, 2)->SetFontStyle(TFontStyles{fsUnderline});
  grid->SetCellText(3, 2, "example.com");
  Paint(grid);
  EXPECT_EQ(CellPixels(grid, 1, 1), CellPixels(grid, 2, 1)) << "password";
  EXPECT_EQ(CellPixels(grid, 1, 2), CellPixels(grid, 2, 2)) << "link";
  EXPECT_NE(CellPixels(grid, 1, 2), CellPixels(grid, 3, 2)) << "a plain text differs";
}

TEST_F(PaintTest, MultiLineCellsInkEveryLineOnlyWithMultilinecells) {
  for (bool multiLine : {false, true}) {
    SCOPED_TRACE(multiLine);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetWordWrap(false);
    grid->SetMultilinecells(multiLine);
    grid->SetRowHeights(2, 40);
    grid->SetCellText(2, 2, "Ab\r\nCd");
    Paint(grid);
    const TRect r = grid->CellRect(2, 2);
    const Integer lineHeight = grid->Canvas()->TextHeight("gh");
    auto inked = [&](Integer top, Integer bottom) {
      for (Integer y = top; y < bottom; ++y)
        for (Integer x = r.Left + 2; x < r.Right - 2; ++x)
          if (At(grid, x, y) != kWhite) return true;
      return false;
    };
    EXPECT_TRUE(inked(r.Top + 2, r.Top + 2 + lineHeight));
    EXPECT_EQ(inked(r.Top + 2 + lineHeight, r.Top + 2 + 2 * lineHeight), multiLine);
  }
}

TEST_F(PaintTest, AMarkupCellIsDrawnByTheMarkupRendererIntoTheTextRectangle) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetCellText(2, 2, "<b>x</b>");
  Paint(grid);
  const std::vector<COLORREF> drawnByGrid = CellPixels(grid, 2, 2);

  TPaintGrid* other = NewPaintGrid();
  Paint(other);
  TCanvas* canvas = other->Canvas();
  const TRect r = other->CellRect(2, 2);
  canvas->Font()->Assign(other->Font());
  TDrawMarkupInput in;
  in.Canvas = canvas;
  in.Text = "<b>x</b>";
  // The content rectangle (the cell less its 1-pixel grid line) less the margins, one pixel wider
  // on the left.
  in.DrawRect = TRect{r.Left + 1 + other->XMargin() - 1, r.Top + 1 + other->YMargin(), r.Right - 1 - other->XMargin(),
                      r.Bottom - 1};
  in.MouseX = in.DrawRect.Left;
  in.MouseY = in.DrawRect.Top;
  in.WordWrap = true;
  in.ResFactor = 0;
  in.URLColor = other->URLColor();
  TDrawMarkupOutput out;
  DrawMarkup(in, out);
  EXPECT_EQ(drawnByGrid, CellPixels(other, 2, 2));
}

TEST_F(PaintTest, TheSortGlyphShowsInTheSortColumnOfAGridOfThreeRowsOrMore) {
  for (Integer rows : {2, 3}) {
    SCOPED_TRACE(rows);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetLook(glStandard);
    grid->SetRowCount(rows);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(2);
    Paint(grid);
    EXPECT_EQ(Count(grid, 2, 0, kWhite) > 0, rows == 3);
    EXPECT_EQ(Count(grid, 3, 0, kWhite), 0) << "not in another column";
  }
}

// ---- Graphics ----

TEST_F(PaintTest, CheckBoxesShowTheirStateInEachStyle) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  for (Integer row = 1; row <= 3; ++row) grid->CreateCellGraphic(1, row)->SetCellType(ctCheckBox);
  grid->GetCellGraphic(1, 1)->SetCellBoolean(true);
  grid->CreateCellGraphic(2, 1)->SetCellType(ctDataCheckBox);
  grid->SetCellText(2, 1, "y");
  grid->CreateCellGraphic(2, 2)->SetCellType(ctDataCheckBox);
  grid->SetCellText(2, 2, "Y");
  grid->OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) {
    CanEdit = !(ACol == 1 && ARow == 3);
  };
  const struct {
    ProGrid::TControlStyle style;
    bool drawsBox;
  } cases[] = {{ProGrid::csClassic, true}, {ProGrid::csWinXP, true}, {ProGrid::csDAV, true}, {ProGrid::csTheme, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.style));
    grid->ControlLook()->SetControlStyle(c.style);
    Paint(grid);
    const std::vector<COLORREF> checked = CellPixels(grid, 1, 1);
    const std::vector<COLORREF> unchecked = CellPixels(grid, 1, 2);
    const std::vector<COLORREF> disabled = CellPixels(grid, 1, 3);
    EXPECT_EQ(checked != unchecked, c.drawsBox);
    EXPECT_EQ(unchecked != disabled, c.drawsBox);
    EXPECT_EQ(CellPixels(grid, 2, 1), unchecked) << "\"y\" is not the check-true text \"Y\"";
    EXPECT_EQ(CellPixels(grid, 2, 2), checked);
    // The bitmap's key colour shows the cell's brush.
    EXPECT_EQ(Count(grid, 1, 1, ColorToRGB(clFuchsia)), 0);
  }
}

TEST_F(PaintTest, ARadioWithoutIndexChecksTheCaptionEqualToTheTextOnly) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->ControlLook()->SetControlStyle(ProGrid::csWinXP);
  grid->ControlLook()->SetRadioAlwaysActive(true);
  grid->SetRowHeights(2, 40);
  grid->SetRowHeights(3, 40);
  for (Integer row : {2, 3}) {
    TCellGraphic* radio = grid->CreateCellGraphic(2, row);
    radio->SetCellType(ctRadio);
    radio->SetCellIndex(-1);
    auto* captions = new TStringList;
    captions->Add("A");
    captions->Add("B");
    radio->SetCellBitmap(captions);
    radio->SetCellCreated(true);
  }
  grid->SetCellText(2, 2, "C");
  grid->SetCellText(2, 3, "B");
  Paint(grid);
  const COLORREF dot = RGB(33, 161, 33);
  EXPECT_EQ(Count(grid, 2, 2, dot), 0) << "no caption matches";
  EXPECT_GT(Count(grid, 2, 3, dot), 0) << "\"B\" is checked";
}

TEST_F(PaintTest, ProgressBarsFillByValueAndIgnoreTextsThatAreNoNumbers) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->SetColWidths(2, 120);
  auto progress = [&](Integer row, const std::string& text, Integer minimum, Integer maximum, const std::string& format) {
    TCellGraphic* g = grid->CreateCellGraphic(2, row);
    g->SetCellType(ctProgress);
    g->SetCellColor(clRed);
    g->SetCellColorTo(clWhite);
    g->SetCellErrFrom(minimum);
    g->SetCellErrLen(maximum);
    g->SetCellText(format);
    grid->SetCellText(2, row, text);
  };
  progress(1, "50", 0, 100, "");
  progress(2, "1e300", 0, 100, "");
  progress(3, "7", 0, 0, "%d items");
  progress(4, "n/a", 0, 100, "");
  EXPECT_NO_FATAL_FAILURE(Paint(grid));
  const TRect r = grid->CellRect(2, 1);
  const Integer quarter = r.Left + (r.Right - r.Left) / 4;
  const Integer threeQuarters = r.Left + 3 * (r.Right - r.Left) / 4;
  EXPECT_EQ(AtCell(grid, 2, 1, quarter - r.Left, 4), kRedRGB) << "50 %: a quarter in";
  EXPECT_NE(AtCell(grid, 2, 1, threeQuarters - r.Left, 4), kRedRGB) << "50 %: three quarters in";
  EXPECT_EQ(AtCell(grid, 2, 2, threeQuarters - r.Left, 4), kRedRGB) << "1e300 fills the bar";
  EXPECT_NE(AtCell(grid, 2, 3, quarter - r.Left, 4), kRedRGB) << "maximum 0: empty";
  EXPECT_NE(AtCell(grid, 2, 4, quarter - r.Left, 4), kRedRGB) << "\"n/a\" counts as 0";
}

TEST_F(PaintTest, EmptyRangesAndTextsThatAreNoNumbersPaintEmptyBars) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->SetColWidths(2, 120);
  grid->CreateCellGraphic(2, 1)->SetCellType(ctXPProgress);   // range 0 .. 0
  grid->SetCellText(2, 1, "40");
  TCellGraphic* range = grid->CreateCellGraphic(2, 2);
  range->SetCellType(ctRangeIndicator);
  range->SetCellColor(clRed);
  range->SetCellColorTo(clRed);
  grid->SetCellText(2, 2, "40");
  TCellGraphic* rangeNA = grid->CreateCellGraphic(2, 3);
  rangeNA->SetCellType(ctRangeIndicator);
  rangeNA->SetCellIndex(100);
  rangeNA->SetCellColor(clRed);
  rangeNA->SetCellColorTo(clRed);
  grid->SetCellText(2, 3, "n/a");
  TCellGraphic* xpNA = grid->CreateCellGraphic(2, 4);
  xpNA->SetCellType(ctXPProgress);
  xpNA->SetCellErrLen(100);
  grid->SetCellText(2, 4, "n/a");
  grid->CreateCellGraphic(2, 5)->SetCellType(ctDataImage);
  grid->SetCellText(2, 5, "n/a");
  EXPECT_NO_FATAL_FAILURE(Paint(grid));
  const COLORREF level0 = ColorToRGB(grid->ProgressAppearance()->Level0Color());
  EXPECT_EQ(Count(grid, 2, 1, level0), 0) << "a new XP progress bar";
  EXPECT_EQ(Count(grid, 2, 2, kRedRGB), 0) << "a range of 0";
  EXPECT_EQ(Count(grid, 2, 3, kRedRGB), 0) << "\"n/a\" in a range indicator";
  EXPECT_EQ(Count(grid, 2, 4, level0), 0) << "\"n/a\" in an XP progress bar";

  grid->SetCellText(2, 4, "40");
  Paint(grid);
  EXPECT_GT(Count(grid, 2, 4, level0), 0) << "a number fills it";
}

TEST_F(PaintTest, ANarrowCentredButtonIsCentredAndRemembersItsOffset) {
  TPaintGrid* grid = NewPaintGrid();
  TCellGraphic* button = grid->CreateCellGraphic(2, 2);
  button->SetCellType(ctButton);
  button->SetCellHAlign(haCenter);
  button->SetCellVAlign(vaTop);
  button->SetCellIndex(16 << 16 | 20);
  Paint(grid);
  const Integer left = static_cast<Integer>(button->CellValue()) & 0xFFFF;
  // Cell 60 wide: the graphic rectangle is the content grown by one pixel, less the margins (1).
  EXPECT_EQ(left, 1 + (60 - 2 - 20) / 2);
  const TRect r = grid->CellRect(2, 2);
  EXPECT_EQ(At(grid, r.Left + left + 10, r.Top + 8), ColorToRGB(clBtnFace));
  EXPECT_NE(At(grid, r.Left + 5, r.Top + 8), ColorToRGB(clBtnFace));
}

TEST_F(PaintTest, GraphicSizesFollowTheKindTheTextAndTheOutput) {
  TPaintGrid* grid = NewPaintGrid();
  TBitmap bitmap;
  bitmap.SetSize(14, 9);
  grid->ControlLook()->SetCheckSize(15);
  const Integer row = 20, col = 60, button = 16 << 16 | 24;
  const struct {
    TCellType kind;
    const char* text;
    TCellHAlign hAlign;
    TCellVAlign vAlign;
    Integer index;
    TPoint shown, printed;
  } cases[] = {
      {ctBitmap, "", haLeft, vaTop, 0, {14, 9}, {14, 9}},
      {ctBitmap, "t", haBeforeText, vaTop, 0, {14, 0}, {14, 9}},
      {ctBitmap, "t", haLeft, vaUnderText, 0, {0, 9}, {14, 9}},
      {ctBitmap, "t", haFull, vaFull, 0, {col, row}, {14, 9}},
      {ctCheckBox, "t", haLeft, vaTop, 0, {15, 15}, {15, 15}},
      {ctButton, "", haCenter, vaTop, button, {24, 16}, {24, 16}},
      {ctButton, "t", haCenter, vaTop, button, {0, 0}, {24, 16}},
      {ctButton, "t", haLeft, vaAboveText, button, {24, 16}, {24, 16}},
      {ctProgressPie, "t", haLeft, vaTop, 0, {20, 20}, {20, 20}},
      {ctProgress, "5", haLeft, vaTop, 0, {0, 0}, {col, row}},
      {ctComment, "", haLeft, vaTop, 0, {0, 0}, {0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind) * 1000 + static_cast<int>(&c - cases));
    grid->SetCellText(2, 2, c.text);
    TCellGraphic* graphic = grid->CreateCellGraphic(2, 2);
    graphic->SetCellType(c.kind);
    graphic->SetCellHAlign(c.hAlign);
    graphic->SetCellVAlign(c.vAlign);
    graphic->SetCellIndex(c.index);
    if (c.kind == ctBitmap) graphic->SetCellBitmap(&bitmap);
    TPoint shown{-1, -1}, printed{-1, -1};
    grid->GetCellGraphicSize(2, 2, shown);
    grid->GetCellGraphicSizeScaled(2, 2, printed, 2.0, 100, 100);
    EXPECT_EQ(shown.X, c.shown.X);
    EXPECT_EQ(shown.Y, c.shown.Y);
    EXPECT_EQ(printed.X, c.printed.X);
    EXPECT_EQ(printed.Y, c.printed.Y);
    grid->RemoveCellGraphic(2, 2);
  }
  TPoint none{-1, -1};
  grid->GetCellGraphicSize(2, 2, none);
  EXPECT_EQ(none.X, 0);
  EXPECT_EQ(none.Y, 0);
}

// An icon cell draws its icon at the placed left-top, through the icon's mask, and places it by
// the icon's size: left-aligned 2 pixels into the cell (margin and line), centred 1 + (60 - 2 -
// 10) / 2 pixels in; the top 2 pixels down.
TEST_F(PaintTest, IconCellsDrawTheirIconThroughItsMask) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  constexpr Integer kWidth = 10, kHeight = 6;
  std::vector<BYTE> mask(kHeight * 2, 0);   // 1-bit rows padded to 2 bytes: all opaque...
  mask[0] = 0x80;                           // ...but the top-left pixel
  std::vector<std::uint32_t> colors(kWidth * kHeight, 0x000000FF);   // blue, as 0x00RRGGBB...
  colors[0] = 0;                                                      // ...and nothing under the mask
  HBITMAP maskBitmap = CreateBitmap(kWidth, kHeight, 1, 1, mask.data());
  HBITMAP colorBitmap = CreateBitmap(kWidth, kHeight, 1, 32, colors.data());
  const ICONINFO info{1, 0, 0, maskBitmap, colorBitmap};
  TIcon icon;
  icon.SetHandle(CreateIconIndirect(&info));
  DeleteObject(maskBitmap);
  DeleteObject(colorBitmap);
  const struct {
    TCellHAlign hAlign;
    Integer left;
  } cases[] = {{haLeft, 2}, {haCenter, 1 + (60 - 2 - kWidth) / 2}};
  for (const auto& c : cases) {
    TCellGraphic* graphic = grid->CreateCellGraphic(2, 2);
    graphic->SetCellType(ctIcon);
    graphic->SetCellIcon(&icon);
    graphic->SetCellHAlign(c.hAlign);
    graphic->SetCellVAlign(vaTop);
    Paint(grid);
    EXPECT_EQ(Count(grid, 2, 2, RGB(0, 0, 255)), kWidth * kHeight - 1) << "all but the masked pixel";
    const TRect r = grid->CellRect(2, 2);
    SCOPED_TRACE(int(c.hAlign));
    EXPECT_NE(At(grid, r.Left + c.left, r.Top + 2), RGB(0, 0, 255)) << "the masked corner";
    EXPECT_EQ(At(grid, r.Left + c.left + 1, r.Top + 2), RGB(0, 0, 255));
    EXPECT_EQ(At(grid, r.Left + c.left, r.Top + 3), RGB(0, 0, 255));
    EXPECT_NE(At(grid, r.Left + c.left - 1, r.Top + 3), RGB(0, 0, 255));
    EXPECT_NE(At(grid, r.Left + c.left + kWidth, r.Top + 3), RGB(0, 0, 255));
    grid->RemoveCellGraphic(2, 2);
  }
}

TEST_F(PaintTest, NodeGlyphsShowTheirStateAndLeaveOutTheirKeyColour) {
  TPaintGrid* grid = NewPaintGrid();
  for (Integer row : {1, 2}) {
    grid->GetCellProperties(0, row)->SetNodeLevel(1);
    TCellGraphic* node = grid->CreateCellGraphic(0, row);
    node->SetCellType(ctNode);
    node->SetCellBoolean(row == 1);   // row 1 contracted
  }
  // Level 1, indent 12: the glyph's left is 12 - 6 - 4 = 2; the flat box is 4 pixels right of it.
  grid->CellNode()->SetNodeType(cnFlat);
  Paint(grid);
  const COLORREF black = 0;
  for (Integer row : {1, 2}) {
    const TRect r = grid->CellRect(0, row);
    const Integer middle = r.Top + 10;
    SCOPED_TRACE(row);
    EXPECT_EQ(At(grid, 8, middle), black) << "minus";
    EXPECT_EQ(At(grid, 5, middle - 2), black) << "frame";
    EXPECT_EQ(At(grid, 10, middle - 2) == black, row == 1) << "plus only when contracted";
  }
  const struct {
    TNodeType type;
    COLORREF ink;
  } glyphs[] = {{cnXP, RGB(120, 152, 181)}, {cnLeaf, RGB(64, 64, 64)}};
  for (const auto& g : glyphs) {
    SCOPED_TRACE(static_cast<int>(g.type));
    grid->CellNode()->SetNodeType(g.type);
    Paint(grid);
    for (Integer row : {1, 2}) {
      EXPECT_GT(Count(grid, 0, row, g.ink), 0);
      EXPECT_EQ(Count(grid, 0, row, RGB(255, 0, 255)), 0) << "the key colour is left out";
    }
    EXPECT_NE(CellPixels(grid, 0, 1), CellPixels(grid, 0, 2));
  }
}

TEST_F(PaintTest, ASizingLineShowsOnceAndIsGoneWhenDrawnAgain) {
  TPaintGrid* grid = NewPaintGrid();
  Paint(grid);
  const TRect r = grid->CellRect(2, 2);
  const std::vector<COLORREF> before = CellPixels(grid, 2, 2);
  grid->DrawColSizingLine(r.Left + 20);
  grid->DrawRowSizingLine(r.Top + 8);
  EXPECT_NE(CellPixels(grid, 2, 2), before);
  grid->DrawColSizingLine(r.Left + 20);
  grid->DrawRowSizingLine(r.Top + 8);
  EXPECT_EQ(CellPixels(grid, 2, 2), before);
}

// ---- Presets ----

TEST_F(PaintTest, ColourPresetsSetTheLookActiveFixedAndFooterColours) {
  TPaintGrid* grid = NewPaintGrid();
  grid->ApplyColorPreset(0);
  EXPECT_EQ(grid->FixedGradientFrom(), RGB(203, 225, 252));
  EXPECT_EQ(grid->FixedGradientTo(), RGB(125, 165, 224));
  EXPECT_EQ(grid->ActiveCellColor(), RGB(251, 230, 148));
  EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), RGB(203, 225, 252));
  EXPECT_EQ(grid->SearchFooter()->ColorTo(), RGB(125, 165, 224));

  grid->ApplyColorPreset(3);
  EXPECT_EQ(grid->FixedGradientTo(), RGB(216, 212, 204));
  EXPECT_EQ(grid->ActiveCellColorTo(), RGB(212, 213, 216));
  EXPECT_EQ(grid->ControlLook()->FixedGradientFrom(), clNone);
  EXPECT_EQ(grid->SearchFooter()->Color(), clWhite);

  grid->ApplyColorPreset(4);
  EXPECT_EQ(grid->GridLineColor(), RGB(208, 215, 229));
  EXPECT_EQ(grid->SelectionColor(), RGB(241, 193, 94));
  EXPECT_EQ(grid->SearchFooter()->Color(), RGB(227, 239, 255));

  const TColor from = grid->FixedGradientFrom(), active = grid->ActiveCellColor(), line = grid->GridLineColor();
  grid->ApplyColorPreset(8);
  EXPECT_EQ(grid->FixedGradientFrom(), from);
  EXPECT_EQ(grid->ActiveCellColor(), active);
  EXPECT_EQ(grid->GridLineColor(), line);
  EXPECT_EQ(grid->SearchFooter()->Color(), RGB(227, 239, 255));
}

// ---- Measuring ----

TEST_F(PaintTest, MeasuringCountsLinesWrappedEditsAndRotation) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetMultilinecells(true);
  grid->SetCellText(2, 2, "a\r\nbb\r\nccc");
  const Integer gh = grid->Canvas()->TextHeight("gh");
  EXPECT_EQ(grid->MeasureCellText(2, 2, false).cy, gh * 3 + 2 * grid->YMargin());

  grid->SetColWidths(3, 200);
  grid->SetCellText(3, 2, "one two\n");
  const Integer closed = grid->MeasureCellText(3, 2, true).cy;
  grid->SetCol(3);
  grid->SetRow(2);
  grid->SetEditorOpen(true);
  EXPECT_GT(grid->MeasureCellText(3, 2, true).cy, closed) << "an edited text ending in a line feed";
  grid->SetEditorOpen(false);

  grid->SetCellText(4, 2, "rotated");
  const TSize flat = grid->MeasureCellText(4, 2, false);
  TCellGraphic* rotated = grid->CreateCellGraphic(4, 2);
  rotated->SetCellType(ctRotated);
  rotated->SetCellAngle(90);
  const TSize turned = grid->MeasureCellText(4, 2, false);
  EXPECT_EQ(turned.cx, flat.cy + 12);
  EXPECT_EQ(turned.cy, flat.cx + 12);
}

}  // namespace
}  // namespace gridtest
