// The update lock, counted in paint passes (PaintCount, from 1): nested locks paint once at the
// end, a lone release repaints, a hidden grid neither counts nor shows itself, a grid hidden while
// locked paints again once shown, and ResetUpdate repaints what changed meanwhile.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/user/painting.h"
#include "platform/user/window_pos.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class UpdateLockTest : public StringGridTest {
 protected:
  // A shown grid with nothing left to paint.
  TTestStringGrid* Painted() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetRowCount(60);
    driver_->Settle();
    return grid;
  }
  // Paint passes during a settle.
  Integer Passes(TTestStringGrid* Grid) {
    const Integer before = Grid->PaintCount();
    driver_->Settle();
    return Grid->PaintCount() - before;
  }
};

TEST_F(UpdateLockTest, NestedPairsPaintOnceAtTheOutermostRelease) {
  TTestStringGrid* grid = Painted();
  grid->BeginUpdate();
  grid->BeginUpdate();
  EXPECT_EQ(grid->UpdateCount(), 2);
  grid->SetCellText(1, 1, "a");
  grid->Invalidate();
  EXPECT_EQ(Passes(grid), 0);
  grid->EndUpdate();
  EXPECT_EQ(Passes(grid), 0);
  grid->SetCellText(1, 2, "b");
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  EXPECT_EQ(Passes(grid), 1);
  EXPECT_TRUE(IsWindowVisible(grid->WindowHandle()));
}

TEST_F(UpdateLockTest, ALoneEndUpdateRepaints) {
  TTestStringGrid* grid = Painted();
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  EXPECT_EQ(Passes(grid), 1);
}

TEST_F(UpdateLockTest, AGridHiddenThroughoutKeepsZeroAndStaysHidden) {
  TTestStringGrid* grid = Painted();
  grid->SetVisible(false);
  grid->BeginUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  grid->EndUpdate();
  grid->ResetUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  EXPECT_FALSE(IsWindowVisible(grid->WindowHandle()));
  EXPECT_EQ(Passes(grid), 0);
}

TEST_F(UpdateLockTest, ALockTakenShownAndReleasedHiddenLeavesZeroAndTheGridPaintsOnceShown) {
  TTestStringGrid* grid = Painted();
  grid->BeginUpdate();
  grid->SetVisible(false);
  grid->EndUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  EXPECT_FALSE(IsWindowVisible(grid->WindowHandle()));
  grid->SetVisible(true);
  EXPECT_GE(Passes(grid), 1);
  grid->Invalidate();
  EXPECT_EQ(Passes(grid), 1);   // painting again, not stuck behind a lock
}

TEST_F(UpdateLockTest, AfterAScrollUnderTheLockResetUpdatePaintsTheNewRows) {
  TTestStringGrid* grid = Painted();
  grid->BeginUpdate();
  grid->BeginUpdate();
  grid->SetTopRow(30);
  grid->drawnRows.clear();
  EXPECT_EQ(Passes(grid), 0);
  grid->ResetUpdate();
  EXPECT_EQ(grid->UpdateCount(), 0);
  EXPECT_EQ(Passes(grid), 1);
  EXPECT_NE(std::find(grid->drawnRows.begin(), grid->drawnRows.end(), 30), grid->drawnRows.end());
  EXPECT_EQ(std::find(grid->drawnRows.begin(), grid->drawnRows.end(), 2), grid->drawnRows.end());
}

TEST_F(UpdateLockTest, APaintUnderAQuietLockValidatesWithoutDrawing) {
  TTestStringGrid* grid = Painted();
  grid->BeginUpdateQuiet();
  grid->Invalidate();
  EXPECT_EQ(Passes(grid), 0);
  TRect update{};
  EXPECT_FALSE(GetUpdateRect(grid->WindowHandle(), &update, FALSE));
  grid->EndUpdate();
  EXPECT_EQ(Passes(grid), 1);
}

}   // namespace
}   // namespace gridtest
