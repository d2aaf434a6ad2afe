// The string grid around and behind its cells, probed in headless pictures: the background
// picture and gradient in the cells and in the empty client area, the frame of the editor's cell
// and the control's outer border.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

#include "grid/background.h"
#include "grid/theme_api.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/bitmap.h"
#include "platform/ui/canvas.h"
#include "platform/ui/form.h"
#include "platform/user/window_capture.h"
#include "recording_theme_provider.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class BackgroundTest : public PaintTest {
 protected:
  // 8 x 8 tiles: the left half red, the right half blue.
  static void SetTiles(TPaintGrid* grid) {
    TBitmap tiles;
    tiles.SetSize(8, 8);
    tiles.Canvas()->Brush()->SetColor(clRed);
    tiles.Canvas()->FillRect(TRect{0, 0, 4, 8});
    tiles.Canvas()->Brush()->SetColor(clBlue);
    tiles.Canvas()->FillRect(TRect{4, 0, 8, 8});
    grid->BackGround()->SetBitmap(&tiles);
  }
  // The tile colour expected at X for tiles whose lattice passes through OriginX.
  static COLORREF TileAt(Integer x, Integer originX) {
    const Integer offset = ((x - originX) % 8 + 8) % 8;
    return offset < 4 ? kRed : kBlue;
  }
  // Probes of the empty area: right of the last column and below the last row.
  TPoint RightOfCells(TPaintGrid* grid) { return {grid->CellRect(5, 1).Right + 10, 40}; }
  TPoint BelowCells(TPaintGrid* grid) { return {100, grid->CellRect(1, 5).Bottom + 10}; }
};

TEST_F(BackgroundTest, TilesContinueAcrossNormalCellsAndTheEmptyAreaButNotOverFixedCells) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  SetTiles(grid);
  Paint(grid);
  const Integer originX = grid->CellRect(1, 1).Left - 1;
  const TRect cell = grid->CellRect(2, 2);
  for (Integer x = cell.Left + 1; x < cell.Left + 12; ++x)
    EXPECT_EQ(At(grid, x, cell.Top + 10), TileAt(x, originX)) << "cell pixel " << x;
  for (const TPoint p : {RightOfCells(grid), BelowCells(grid)})
    for (Integer x = p.X; x < p.X + 8; ++x) EXPECT_EQ(At(grid, x, p.Y), TileAt(x, originX)) << "empty area " << x;
  EXPECT_EQ(Count(grid, 0, 2, kRed) + Count(grid, 0, 2, kBlue), 0) << "fixed cells are left alone with bcNormal";
}

TEST_F(BackgroundTest, WhatTheEmptyAreaShowsPerDisplayAndCells) {
  const struct {
    const char* what;
    bool bitmap;
    TBackGroundDisplay display;
    TBackGroundCells cells;
    TColor colorTo;
    bool painted;
  } cases[] = {
      {"tiles over normal cells", true, bdTile, bcNormal, clBtnFace, true},
      {"tiles over all cells", true, bdTile, bcAll, clBtnFace, true},
      {"tiles over fixed cells only", true, bdTile, bcFixed, clBtnFace, false},
      {"a fixed picture", true, bdFixed, bcNormal, clBtnFace, true},
      {"a gradient", false, bdGradientHorz, bcNormal, clBlue, true},
      {"a gradient without its end colour", false, bdGradientVert, bcNormal, clNone, false},
      {"tiles without a picture", false, bdTile, bcNormal, clBlue, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetShowSelection(false);
    if (c.bitmap) SetTiles(grid);
    // A picture at its place reaches the empty area only when it is large enough.
    if (c.display == bdFixed) {
      TBitmap* picture = grid->BackGround()->Bitmap();
      picture->SetSize(grid->Width(), grid->Height());
      picture->Canvas()->Brush()->SetColor(clRed);
      picture->Canvas()->FillRect(TRect{0, 0, grid->Width(), grid->Height()});
    }
    grid->BackGround()->SetDisplay(c.display);
    grid->BackGround()->SetCells(c.cells);
    grid->BackGround()->SetColor(clRed);
    grid->BackGround()->SetColorTo(c.colorTo);
    Paint(grid);
    for (const TPoint p : {RightOfCells(grid), BelowCells(grid)}) {
      Integer changed = 0;
      for (Integer x = p.X; x < p.X + 8; ++x) changed += At(grid, x, p.Y) != kWhite;
      EXPECT_EQ(changed > 0, c.painted) << p.X << "," << p.Y;
    }
  }
}

TEST_F(BackgroundTest, AGradientSpansTheControlAcrossCells) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->BackGround()->SetDisplay(bdGradientHorz);
  grid->BackGround()->SetColor(clBlack);
  grid->BackGround()->SetColorTo(clWhite);
  Paint(grid);
  const TRect left = grid->CellRect(2, 2), right = grid->CellRect(3, 2);
  const Integer atLeft = GetRValue(At(grid, left.Left + 1, left.Top + 10));
  const Integer atRightEdge = GetRValue(At(grid, left.Right - 2, left.Top + 10));
  const Integer nextCell = GetRValue(At(grid, right.Left + 1, right.Top + 10));
  EXPECT_LT(atLeft, atRightEdge) << "darker at the left";
  EXPECT_LE(std::abs(nextCell - atRightEdge), 8) << "the next cell goes on where this one ends";
  // The colour follows the position in the control: about x / width of white.
  EXPECT_NEAR(atLeft, 255 * (left.Left + 1) / grid->Width(), 8);
}

TEST_F(BackgroundTest, TheEditorsCellIsFramedInTheGridLineColourWhileTheEditorIsOpen) {
  for (const bool open : {false, true}) {
    SCOPED_TRACE(open ? "open" : "closed");
    TPaintGrid* grid = NewPaintGrid();
    grid->SetShowSelection(false);
    grid->SetGridLineColor(clRed);
    grid->SetCol(2);
    grid->SetRow(2);
    grid->SetEditorOpen(open);
    Paint(grid);
    const TRect r = grid->CellRect(2, 2);
    EXPECT_EQ(At(grid, r.Left, r.Top + 10) == kRed, open);
    EXPECT_EQ(At(grid, r.Left + 20, r.Top) == kRed, open);
  }
}

// Unloads the visual-style set at the end of a test, before the provider it was bound to goes.
struct UnloadThemeApiAtEnd {
  ~UnloadThemeApiAtEnd() { VerUZED::UnloadThemeApi(); }
};

TEST_F(BackgroundTest, TheOuterBorderOfTheLooksIsARingOfTheParentsColourAroundAGreyFrame) {
  const struct {
    const char* what;
    TGridLook look;
    bool flat;
    bool themed;
    bool drawn;
    COLORREF frame;
  } cases[] = {
      {"glXP", glXP, false, false, true, RGB(128, 128, 128)},
      {"glXP with visual styles", glXP, false, true, true, RGB(127, 157, 185)},
      {"glSoft", glSoft, false, false, true, RGB(128, 128, 128)},
      {"glListView", glListView, false, false, true, RGB(128, 128, 128)},
      {"glXP flat", glXP, true, false, false, 0},
      {"glStandard", glStandard, false, false, false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Only whether visual styles are active counts here.
    themetest::TRecordingThemeProvider provider;
    std::optional<themetest::ScopedThemeProvider> scope;
    if (c.themed) scope.emplace(provider);
    UnloadThemeApiAtEnd unload;
    if (c.themed) VerUZED::LoadThemeApi();
    TPaintGrid* grid = NewPaintGrid();
    grid->Parent()->SetColor(clYellow);
    grid->SetLook(c.look);
    grid->SetFlat(c.flat);
    Paint(grid);
    HWND window = grid->WindowHandle();
    const TRect client = grid->CellRect(0, 0);
    ASSERT_GT(client.Right, 0);
    const COLORREF ring = user::WindowPixel(window, 0, 5);
    const COLORREF frame = user::WindowPixel(window, 1, 5);
    EXPECT_EQ(ring == ColorToRGB(clYellow), c.drawn) << std::hex << ring;
    if (c.drawn) {
      EXPECT_EQ(frame, c.frame) << std::hex << frame;
    }
  }
}

}  // namespace
}  // namespace gridtest
