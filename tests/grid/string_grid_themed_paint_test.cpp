// The string grid's themed branches painted through the platform's built-in visual style: the
// grid binds the whole visual-style set from it, and its check boxes, progress bars and drop-down
// buttons show the style's parts.
#include <gtest/gtest.h>

#include "grid/cell_graphic.h"
#include "grid/control_look.h"
#include "grid/theme_api.h"
#include "platform/shims/builtin_theme_provider.h"
#include "recording_theme_provider.h"
#include "string_grid_paint_fixture.h"

namespace gridtest {
namespace {

constexpr COLORREF kCheckFrame = RGB(112, 112, 112), kDisabledFrame = RGB(188, 188, 188), kMark = RGB(0, 0, 0),
                   kTrough = RGB(230, 230, 230), kTroughFrame = RGB(188, 188, 188), kChunk = RGB(6, 176, 37), kDropDownFill = RGB(236, 236, 236);

// The built-in style serves the grid's binding for the test; the grid is made after the binding,
// as it reads whether styles are active when it is made.
class ThemedPaintTest : public PaintTest {
 protected:
  ThemedPaintTest() { VerUZED::LoadThemeApi(); }
  ~ThemedPaintTest() override { VerUZED::UnloadThemeApi(); }

  themetest::ScopedThemeProvider scope_{BuiltInThemeProvider()};
};

TEST_F(ThemedPaintTest, TheBuiltInStyleServesTheWholeBinding) {
  ASSERT_TRUE(VerUZED::ThemeApiLoaded());
  for (std::size_t i = 0; i < VerUZED::kBoundThemeFunctions.size(); ++i)
    EXPECT_NE(VerUZED::ThemeFunction(i), nullptr) << VerUZED::kBoundThemeFunctions[i];
}

TEST_F(ThemedPaintTest, ThemedCheckBoxesShowTheStylesCheckPartInTheirStates) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->ControlLook()->SetControlStyle(ProGrid::csTheme);
  for (Integer row = 1; row <= 3; ++row) grid->CreateCellGraphic(1, row)->SetCellType(ctCheckBox);
  grid->GetCellGraphic(1, 1)->SetCellBoolean(true);
  grid->OnCanEditCell = [](TObject*, Integer ARow, Integer ACol, bool& CanEdit) {
    CanEdit = !(ACol == 1 && ARow == 3);
  };
  Paint(grid);
  EXPECT_GT(Count(grid, 1, 1, kMark), 8) << "the checked mark";
  EXPECT_GT(Count(grid, 1, 1, kCheckFrame), 20);
  EXPECT_EQ(Count(grid, 1, 2, kMark), 0);
  EXPECT_GT(Count(grid, 1, 2, kCheckFrame), 20);
  EXPECT_GT(Count(grid, 1, 3, kDisabledFrame), 20) << "a cell that cannot be edited shows the disabled box";
  EXPECT_EQ(Count(grid, 1, 3, kCheckFrame), 0);
}

// Cell (2, row) holds a progress bar of 0 .. 100; the themed bar lies inside the margins (2, 2)
// and its chunk 2 pixels further in, so the chunk may be 60 - 2 x 2 - 2 x 2 = 52 pixels wide.
TEST_F(ThemedPaintTest, ThemedProgressBarsFillTheirValueOfTheChunkAreaOnly) {
  const struct {
    const char* what;
    const char* value;
    ProGrid::TControlStyle style;
    bool progressXP;
    Integer chunkPixelsPerLine;   // -1: not themed
  } cases[] = {
      {"half", "50", ProGrid::csWinXP, true, 26},
      {"through csTheme", "25", ProGrid::csTheme, true, 13},
      {"above the range stays inside the bar", "150", ProGrid::csWinXP, true, 52},
      {"below the range", "-20", ProGrid::csWinXP, true, 0},
      {"not a number", "n/a", ProGrid::csWinXP, true, 0},
      {"without ProgressXP", "50", ProGrid::csWinXP, false, -1},
      {"classic style", "50", ProGrid::csClassic, true, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TPaintGrid* grid = NewPaintGrid();
    grid->SetShowSelection(false);
    grid->ControlLook()->SetControlStyle(c.style);
    grid->ControlLook()->SetProgressXP(c.progressXP);
    TCellGraphic* bar = grid->CreateCellGraphic(2, 2);
    bar->SetCellType(ctProgress);
    bar->SetCellErrLen(100);
    grid->SetCellText(2, 2, c.value);
    Paint(grid);
    const TRect r = grid->CellRect(2, 2);
    const Integer middle = (r.Top + r.Bottom) / 2;
    Integer chunk = 0;
    for (Integer x = r.Left; x < r.Right; ++x) chunk += At(grid, x, middle) == kChunk;
    if (c.chunkPixelsPerLine < 0) {
      EXPECT_EQ(chunk, 0);
      EXPECT_EQ(Count(grid, 2, 2, kTrough), 0);
      continue;
    }
    EXPECT_EQ(chunk, c.chunkPixelsPerLine);
    EXPECT_EQ(AtCell(grid, 2, 2, 2, 10), kTroughFrame) << "the bar's frame";
    EXPECT_EQ(AtCell(grid, 2, 2, 56, 10), kTrough) << "the trough right of the chunk area";
  }
}

TEST_F(ThemedPaintTest, AnAlwaysVisibleDropDownShowsTheStylesComboButton) {
  TPaintGrid* grid = NewPaintGrid();
  grid->SetShowSelection(false);
  grid->ControlLook()->SetDropDownAlwaysVisible(true);
  grid->OnHasComboBox = [](TObject*, Integer ACol, Integer ARow, bool& HasComboBox) {
    HasComboBox = ACol == 2 && ARow == 2;
  };
  Paint(grid);
  // The button covers the cell's right 18 pixels less 2, one pixel in from top and bottom.
  const TRect r = grid->CellRect(2, 2);
  const Integer cx = (r.Right - 18 + r.Right - 2) / 2, cy = (r.Top + 1 + r.Bottom - 1) / 2;
  EXPECT_EQ(At(grid, r.Right - 17, r.Top + 2), kDropDownFill);
  EXPECT_EQ(At(grid, cx, cy + 1), kMark) << "the down arrow";
  EXPECT_EQ(Count(grid, 2, 3, kDropDownFill), 0) << "no button in a cell without a combo box";
}

}  // namespace
}  // namespace gridtest
