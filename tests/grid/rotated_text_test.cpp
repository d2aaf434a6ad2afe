// Rotated cell text: the turned box of a text, the origin for each quadrant and alignment, and a
// ctRotated cell painted from that origin.
#include <algorithm>

#include "grid/cell_graphic.h"
#include "grid/rotated_text.h"
#include "platform/ui/canvas.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

TEST(RotatedTextTest, TheTurnedBoxTruncatesEachProjection) {
  const struct {
    Integer angle;
    TRotatedExtent extent;
  } cases[] = {
      {0, {10, 0, 0, 40}},
      {90, {0, 40, 10, 0}},
      {45, {7, 28, 7, 28}},     // cos and sin 0.7071: 7.07 and 28.28 cut to whole pixels
      {135, {7, 28, 7, 28}},    // magnitudes: the negative cosine counts the same
      {180, {10, 0, 0, 40}},
      {300, {5, 34, 8, 20}},    // cos 0.5, sin -0.866: 5, 34.64, 8.66, 20
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.angle);
    const TRotatedExtent e = RotatedTextExtent(c.angle, TSize{40, 10});
    EXPECT_EQ(e.A, c.extent.A);
    EXPECT_EQ(e.B, c.extent.B);
    EXPECT_EQ(e.C, c.extent.C);
    EXPECT_EQ(e.D, c.extent.D);
  }
}

// Rect (10, 20)-(110, 80), extent a = c = 7, b = d = 28: width 100, m = (28 + 20 + 7 - 80) div 2
// = -12 (toward zero).
TEST(RotatedTextTest, TheOriginFollowsTheQuadrantAndBothAlignments) {
  const TRect rect{10, 20, 110, 80};
  const TRotatedExtent extent{7, 28, 7, 28};
  const struct {
    Integer angle;
    Integer left[3];   // left, right, centre
    Integer top[3];    // top, centre, bottom
  } cases[] = {
      {45, {10, 75, 42}, {48, 60, 73}},
      {135, {38, 103, 71}, {55, 67, 80}},
      {225, {45, 110, 78}, {27, 39, 52}},
      {315, {17, 82, 49}, {20, 32, 45}},
  };
  for (const auto& c : cases) {
    for (Integer h = 0; h < 3; ++h) {
      for (Integer v = 0; v < 3; ++v) {
        SCOPED_TRACE(::testing::Message() << c.angle << " degrees, h " << h << ", v " << v);
        const TRect origin = RotatedTextOrigin(rect, c.angle, extent, h, v);
        EXPECT_EQ(origin.Left, c.left[h]);
        EXPECT_EQ(origin.Top, c.top[v]);
        EXPECT_EQ(origin.Right, rect.Right);
        EXPECT_EQ(origin.Bottom, rect.Bottom);
      }
    }
  }
}

class RotatedCellTest : public PaintTest {
 protected:
  // The bounding box of the Ink pixels in a cell, in client coordinates; Right and Bottom exclusive.
  TRect InkBox(TPaintGrid* Grid, Integer ACol, Integer ARow, COLORREF Ink) {
    const TRect cell = Grid->CellRect(ACol, ARow);
    TRect box{cell.Right, cell.Bottom, cell.Left, cell.Top};
    for (Integer y = cell.Top; y < cell.Bottom; ++y)
      for (Integer x = cell.Left; x < cell.Right; ++x)
        if (At(Grid, x, y) == Ink)
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1), std::max(box.Bottom, y + 1)};
    return box;
  }
};

TEST_F(RotatedCellTest, PlacedAtNinetyDegreesLeftAndTopTheTextStartsItsWidthBelowTheInsetTop) {
  TPaintGrid* grid = NewPaintGrid();
  TCanvas* canvas = grid->Canvas();
  canvas->Font()->Assign(grid->Font());
  const TSize extent = canvas->TextExtent("Rotated");
  TRect r{5, 6, 95, 206};
  grid->PlaceRotatedText(canvas, r, 90, vtaTop, taLeftJustify, "Rotated");
  EXPECT_EQ(r.Left, 5 + 2);
  EXPECT_EQ(r.Top, 6 + 2 + extent.cx);
  EXPECT_EQ(r.Right, 95 - 2);
  EXPECT_EQ(r.Bottom, 206 - 2);
}

TEST_F(RotatedCellTest, ARotatedCellIsDrawnUpwardsFromItsOriginAtTheCellsAlignment) {
  const struct {
    const char* what;
    TAlignment hAlign;
    TVAlignment vAlign;
  } cases[] = {{"left and top", taLeftJustify, vtaTop}, {"right and bottom", taRightJustify, vtaBottom}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->Font()->SetColor(clRed);
    grid->SetColWidths(2, 80);
    grid->SetRowHeights(2, 90);
    grid->SetCellText(2, 2, "Upwards");
    TCellGraphic* graphic = grid->CreateCellGraphic(2, 2);
    graphic->SetCellType(ctRotated);
    graphic->SetCellAngle(90);
    grid->OnGetAlignment = [&](TObject*, Integer ARow, Integer ACol, TAlignment& HAlign, TVAlignment& VAlign) {
      if (ACol == 2 && ARow == 2) {
        HAlign = c.hAlign;
        VAlign = c.vAlign;
      }
    };
    Paint(grid);
    TCanvas* canvas = grid->Canvas();
    canvas->Font()->Assign(grid->Font());
    const TSize extent = canvas->TextExtent("Upwards");
    TRect origin = grid->CellRect(2, 2);
    origin = {origin.Left - 1, origin.Top - 1, origin.Right + 1, origin.Bottom + 1};   // the graphic's rectangle
    grid->PlaceRotatedText(canvas, origin, 90, c.vAlign, c.hAlign, "Upwards");

    const TRect ink = InkBox(grid, 2, 2, ColorToRGB(clRed));
    ASSERT_LT(ink.Left, ink.Right) << "no text drawn";
    EXPECT_GT(ink.Bottom - ink.Top, ink.Right - ink.Left);   // it reads upwards: taller than wide
    // Upwards from the origin, the text's top towards the right: the box lies right of and above it
    // (one pixel of slack for the turned glyphs' rounding).
    EXPECT_GE(ink.Left, origin.Left - 1);
    EXPECT_LE(ink.Right, origin.Left + extent.cy + 1);
    EXPECT_LE(ink.Bottom, origin.Top + 1);
    EXPECT_GE(ink.Top, origin.Top - extent.cx - 1);
  }
}

}  // namespace
}  // namespace gridtest
