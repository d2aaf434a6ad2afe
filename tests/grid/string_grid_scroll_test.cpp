// Scrolling of the string grid: the thumb hint and synchronous scrolling, proportional thumbs (and
// the normal columns without any extent), the stretched column and scrolling while dragging.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/column_size.h"
#include "grid/drag_scroll_options.h"
#include "platform/core/exceptions.h"
#include "platform/user/message_ids.h"
#include "platform/user/scroll_bar.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TDragScrollGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::DragOver;
  using TTestStringGrid::TTestStringGrid;
};

class ScrollTest : public StringGridTest {
 protected:
  static SCROLLINFO Info(TProStringGrid* Grid, int Bar) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(Grid->Handle(), Bar, &info);
    return info;
  }
  static void ExpectSameBar(const SCROLLINFO& A, const SCROLLINFO& B) {
    EXPECT_EQ(A.nMax, B.nMax);
    EXPECT_EQ(A.nPage, B.nPage);
    EXPECT_EQ(A.nPos, B.nPos);
  }
};

TEST_F(ScrollTest, ThumbTrackingNamesTheTargetAndWithScrollSynchScrollsThere) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetRowCount(100);
  grid->SetColCount(40);
  grid->SetScrollHints(shBoth);
  grid->SetScrollSynch(true);
  std::vector<std::string> hints;
  grid->OnScrollHint = [&](TObject*, Integer, std::string& Text) { hints.push_back(Text); };
  struct Case {
    UINT message;
    WORD position;
    std::string hint;
    Integer first;
  };
  const Integer lastTop = grid->RowCount() - grid->VisibleRowCount();
  const Integer lastLeft = grid->ColCount() - grid->VisibleColCount();
  const Case cases[] = {
      {WM_VSCROLL, 127, "Row : " + std::to_string(lastTop), lastTop},
      {WM_VSCROLL, 0, "Row : 1", 1},
      {WM_HSCROLL, 127, "Col : " + std::to_string(lastLeft), lastLeft},
      {WM_HSCROLL, 0, "Col : 1", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hint);
    hints.clear();
    grid->Perform(c.message, MAKEWPARAM(SB_THUMBTRACK, c.position), 0);
    EXPECT_EQ(hints, std::vector<std::string>{c.hint});
    EXPECT_EQ(c.message == WM_VSCROLL ? grid->TopRow() : grid->LeftCol(), c.first);
  }
}

TEST_F(ScrollTest, ProportionalThumbShowsTheShareInViewAndKeepsTheBarWhenNothingCanBeMeasured) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetRowCount(3);
  grid->SetFixedCols(0);
  grid->SetGridLineWidth(0);
  grid->SetScrollProportional(true);
  const Integer client = grid->ClientWidth() - grid->ClientWidth() % 2;
  grid->SetClientWidth(client);

  grid->SetColCount(2);
  grid->SetDefaultColWidth(client / 4);   // everything fits: the class library's thumb stays
  const SCROLLINFO fitting = Info(grid, SB_HORZ);
  grid->UpdateProportionalHorz();
  ExpectSameBar(Info(grid, SB_HORZ), fitting);

  grid->SetColCount(4);
  grid->SetDefaultColWidth(client / 2);   // half the normal width fits
  grid->UpdateProportionalHorz();
  const SCROLLINFO half = Info(grid, SB_HORZ);
  EXPECT_EQ(half.nMax, 255);
  EXPECT_EQ(half.nPage, 129u);

  // Fixed columns wider than the client and normal columns without width: no share to show.
  grid->SetFixedCols(1);
  grid->SetColWidths(0, client + 40);
  for (Integer col = 1; col < grid->ColCount(); ++col) grid->SetColWidths(col, 0);
  const SCROLLINFO before = Info(grid, SB_HORZ);
  grid->UpdateProportionalHorz();
  ExpectSameBar(Info(grid, SB_HORZ), before);
}

TEST_F(ScrollTest, StretchColumnFillsTheClientAndRefusesAColumnPastTheLast) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetColCount(4);
  grid->SetDefaultColWidth(40);
  grid->ColumnSize()->SetStretch(true);
  grid->StretchColumn(-1);
  EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - 3 * 40 - 1);
  grid->SetColWidths(0, 60);   // once stretched, every width change stretches again
  EXPECT_EQ(grid->ColWidths(3), grid->ClientWidth() - 60 - 2 * 40 - 1);
  try {
    grid->StretchColumn(4);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Stretch column index out of range");
  }
}

TEST_F(ScrollTest, DragNearTheTopScrollsOneRowPerRepeatAfterTheFirstDelayDownToTheFixedRows) {
  TForm* form = NewForm("DragScrollForm", false);
  form->SetBounds(0, 0, 400, 300);
  auto* grid = new TDragScrollGrid(form);
  grid->SetParent(form);
  form->Show();
  grid->SetRowCount(50);
  grid->SetTopRow(4);
  grid->DragScrollOptions()->SetActive(true);
  grid->DragScrollOptions()->Delays()->SetInitialDelay(1000);
  grid->DragScrollOptions()->Delays()->SetRepeatDelay(250);
  bool accept = false;
  grid->DragOver(nullptr, 100, 5, dsDragMove, accept);
  std::vector<Integer> tops;
  for (const UInt64 step : {999, 1, 249, 1, 250, 250, 250}) {
    clock_.Advance(step);
    driver_->Settle();
    tops.push_back(grid->TopRow());
  }
  EXPECT_EQ(tops, (std::vector<Integer>{4, 3, 3, 2, 1, 1, 1}));
}

}   // namespace
}   // namespace gridtest
