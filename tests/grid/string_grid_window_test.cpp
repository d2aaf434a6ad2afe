// The string grid's own timer on the fake clock (incremental lookup pause, blinking markup,
// hovering), the stretched column on resize, focus with AlwaysEdit, and the balloon text request.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "grid/balloon_settings.h"
#include "grid/column_size.h"
#include "grid/navigation.h"
#include "platform/ui/edit.h"
#include "platform/user/message_ids.h"
#include "platform/window_classes/tooltip_notifications.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// Logs every cell it draws.
class TCellLoggingGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  std::set<std::pair<Integer, Integer>> drawn;

 protected:
  void DrawCellContent(TCanvas* ACanvas, Integer ACol, Integer ARow, const TRect& Rect, TGridDrawState State) override {
    drawn.insert({ACol, ARow});
    TTestStringGrid::DrawCellContent(ACanvas, ACol, ARow, Rect, State);
  }
};

class WindowMessagesTest : public StringGridTest {
 protected:
  TCellLoggingGrid* ShownGrid() {
    TForm* form = NewForm("WindowForm" + std::to_string(++forms_), false);
    form->SetBounds(0, 0, 500, 400);
    auto* grid = new TCellLoggingGrid(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 400, 300);
    form->Show();
    grid->SetFocus();
    driver_->Settle();
    return grid;
  }
  void Ticks(Integer Count) {
    for (Integer i = 0; i < Count; ++i) {
      clock_.Advance(500);
      driver_->Settle();
    }
  }
  static TPoint CellCentre(TProStringGrid* Grid, Integer ACol, Integer ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }

 private:
  Integer forms_ = 0;
};

TEST_F(WindowMessagesTest, IncrementalLookupStartsAnewAfterTheFourthTickOfPause) {
  TCellLoggingGrid* grid = ShownGrid();
  Fill(grid, {{"", "name"}, {"", "bob"}, {"", "bret"}, {"", "carl"}});
  grid->Navigation()->SetAutoGotoWhenSorted(true);
  grid->Navigation()->SetAutoGotoIncremental(true);
  driver_->Type("b");
  Ticks(3);
  driver_->Type("r");
  EXPECT_EQ(grid->LookupText(), "br");
  EXPECT_EQ(grid->Row(), 2);
  Ticks(3);
  EXPECT_EQ(grid->LookupText(), "br");
  Ticks(1);
  EXPECT_EQ(grid->LookupText(), "");
}

// The window layer paints the bounding box of what was invalidated, so each case holds one
// blinking cell in view (besides one out of view and a plain one).
TEST_F(WindowMessagesTest, EachBlinkTickRepaintsExactlyTheVisibleBlinkingCells) {
  for (const TPoint blinking : {TPoint{2, 0}, TPoint{0, 3}, TPoint{3, 2}}) {
    SCOPED_TRACE(std::to_string(blinking.X) + "," + std::to_string(blinking.Y));
    TCellLoggingGrid* grid = ShownGrid();
    grid->SetRowCount(60);
    grid->SetCellText(blinking.X, blinking.Y, "<blink>on</blink>");
    grid->SetCellText(1, 50, "<BLINK>out of view</BLINK>");
    grid->SetCellText(1, 1, "<B>plain</B>");
    grid->SetEnableBlink(true);
    driver_->Settle();
    for (const bool visibleAfter : {false, true}) {
      grid->drawn.clear();
      Ticks(1);
      EXPECT_EQ(grid->BlinkVisible(), visibleAfter);
      EXPECT_EQ(grid->drawn, (std::set<std::pair<Integer, Integer>>{{blinking.X, blinking.Y}}));
    }
  }
}

TEST_F(WindowMessagesTest, HoveringMakesTheCellUnderTheRestingPointerCurrent) {
  TCellLoggingGrid* grid = ShownGrid();
  grid->SetHovering(true);
  driver_->MoveMouseTo(grid, CellCentre(grid, 3, 2));
  EXPECT_EQ(grid->Col(), 1);
  Ticks(1);
  EXPECT_EQ(grid->Col(), 3);
  EXPECT_EQ(grid->Row(), 2);
}

TEST_F(WindowMessagesTest, AResizeKeepsTheStretchedLastColumnFillingTheClient) {
  TCellLoggingGrid* grid = ShownGrid();
  grid->SetDefaultColWidth(50);
  grid->ColumnSize()->SetStretch(true);
  for (const Integer width : {300, 450}) {
    grid->SetWidth(width);
    driver_->Settle();
    EXPECT_EQ(grid->ColWidths(4), grid->ClientWidth() - 4 * 50 - 1) << width;
  }
}

TEST_F(WindowMessagesTest, GainingTheFocusWithAlwaysEditOpensTheEditorOnlyWhereOnCanEditCellAllows) {
  for (const bool allowed : {false, true}) {
    SCOPED_TRACE(allowed);
    TCellLoggingGrid* grid = ShownGrid();
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    grid->Navigation()->SetAlwaysEdit(true);
    if (allowed) grid->OnCanEditCell = [](TObject*, Integer, Integer, bool& CanEdit) { CanEdit = true; };
    grid->ShowCellEditor();   // the in-place editor exists from here on
    grid->HideCellEdit();
    auto* other = new TEdit(grid->Owner());
    other->SetParent(grid->Parent());
    other->SetTop(320);
    other->SetFocus();
    driver_->Settle();
    ASSERT_FALSE(grid->EditorMode());
    grid->SetFocus();
    driver_->Settle();
    EXPECT_EQ(grid->EditorMode(), allowed);
  }
}

TEST_F(WindowMessagesTest, BalloonTextIsTheCellUnderThePointerCutTo1024Characters) {
  TCellLoggingGrid* grid = ShownGrid();
  grid->Balloon()->SetEnable(true);
  grid->SetCellText(2, 1, "\t\r\n" + std::string(2000, 'a'));
  grid->SetCellText(1, 2, "<B>x\ty</B>");
  std::string title;
  grid->OnCellBalloon = [&](TObject*, Integer, Integer, std::string& ATitle, std::string&, Integer&) {
    title = ATitle;
    ATitle = std::string(150, 't');
  };
  struct Case {
    TPoint cell;
    std::string text;
  };
  const Case cases[] = {{{2, 1}, std::string(1021, 'a') + "..."}, {{1, 2}, "x y"}};
  for (const Case& c : cases) {
    driver_->MoveMouseTo(grid, CellCentre(grid, c.cell.X, c.cell.Y));
    NMTTDISPINFOA info{};
    info.hdr.code = TTN_GETDISPINFOA;
    grid->Perform(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    ASSERT_NE(info.lpszText, nullptr);
    EXPECT_EQ(std::string(info.lpszText), c.text);
    EXPECT_EQ(grid->BalloonCell(), c.cell);
    EXPECT_EQ(title, " ");
  }
}

}   // namespace
}   // namespace gridtest
