// The search footer: which settings announce a change, Assign, the panel the grid keeps in step
// (layout, texts, button look, enabling by text, painting) and the panel's events reaching the
// grid's finder through real clicks.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/control_look.h"
#include "grid/pro_grid_button.h"
#include "grid/search_footer.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/font.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class SearchFooterTest : public StringGridTest {
 protected:
  // A shown grid of 3 x 20 cells, "m<row>" in column 1 of rows 3 and 15, its find bar visible.
  TTestStringGrid* Searched() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(3);
    grid->SetRowCount(20);
    grid->SetCellText(1, 3, "m3");
    grid->SetCellText(1, 15, "m15");
    grid->SearchFooter()->SetVisible(true);
    driver_->Settle();
    return grid;
  }
};

TEST_F(SearchFooterTest, SettersAnnounceChangesByTheirRules) {
  struct Case {
    const char* name;
    std::function<void(TSearchFooter&)> set;
    int changes;
  };
  const std::vector<Case> cases = {
      {"ShowFindNext to its value", [](TSearchFooter& f) { f.SetShowFindNext(true); }, 0},
      {"ShowFindNext changed", [](TSearchFooter& f) { f.SetShowFindNext(false); }, 1},
      {"ShowFindPrev to its value", [](TSearchFooter& f) { f.SetShowFindPrev(true); }, 0},
      {"ShowHighLight to its value", [](TSearchFooter& f) { f.SetShowHighLight(true); }, 0},
      {"ShowMatchCase changed", [](TSearchFooter& f) { f.SetShowMatchCase(false); }, 1},
      {"Visible to its value", [](TSearchFooter& f) { f.SetVisible(false); }, 0},
      {"ShowClose to its value", [](TSearchFooter& f) { f.SetShowClose(true); }, 1},
      {"caption to its value", [](TSearchFooter& f) { f.SetFindNextCaption("Find next"); }, 1},
      {"hint", [](TSearchFooter& f) { f.SetHintClose("x"); }, 1},
      {"colour to its value", [](TSearchFooter& f) { f.SetColor(clWhite); }, 1},
      {"AutoSearch", [](TSearchFooter& f) { f.SetAutoSearch(false); }, 0},
      {"SearchColumn", [](TSearchFooter& f) { f.SetSearchColumn(2); }, 0},
      {"SearchActiveColumnOnly", [](TSearchFooter& f) { f.SetSearchActiveColumnOnly(true); }, 0},
  };
  for (const Case& c : cases) {
    TSearchFooter footer;
    int changes = 0;
    footer.OnChange = [&changes](TObject*) { ++changes; };
    c.set(footer);
    EXPECT_EQ(changes, c.changes) << c.name;
  }
}

TEST_F(SearchFooterTest, AssignCopiesSettingsWithoutAnnouncingAndLeavesTheSource) {
  TSearchFooter source, target;
  source.SetColorTo(clRed);
  source.SetMatchCaseCaption("Case");
  source.SetHintFindPrev("Back");
  source.SetShowClose(false);
  source.SetSearchColumn(3);
  source.SetVisible(true);
  source.SetAutoSearch(false);
  source.Font()->SetSize(14);
  int changes = 0;
  target.OnChange = [&changes](TObject*) { ++changes; };
  target.Assign(&source);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(target.ColorTo(), clRed);
  EXPECT_EQ(target.MatchCaseCaption(), "Case");
  EXPECT_EQ(target.HintFindPrev(), "Back");
  EXPECT_FALSE(target.ShowClose());
  EXPECT_EQ(target.SearchColumn(), 3);
  EXPECT_TRUE(target.Visible());
  EXPECT_EQ(target.Font()->Size(), 14);
  EXPECT_TRUE(target.AutoSearch());   // not copied
  EXPECT_FALSE(source.AutoSearch());
  EXPECT_EQ(source.MatchCaseCaption(), "Case");

  TPersistent other;
  target.Assign(&other);
  EXPECT_EQ(target.ColorTo(), clRed);
}

TEST_F(SearchFooterTest, ThePanelFollowsTheSettings) {
  TTestStringGrid* grid = Searched();
  TSearchFooter* footer = grid->SearchFooter();
  TSearchPanel* panel = grid->SearchPanel();
  EXPECT_EQ(panel->Height(), 32);
  EXPECT_EQ(panel->SearchEdit()->Left(), 25);
  EXPECT_EQ(panel->SearchEdit()->Width(), 110);
  EXPECT_EQ(panel->FindPrevButton()->Left(), 235);
  EXPECT_EQ(panel->FindNextButton()->Caption(), "Find next");
  EXPECT_EQ(panel->MatchCase()->Caption(), "Match case");
  EXPECT_EQ(panel->CloseButton()->Hint(), "Close");
  EXPECT_TRUE(panel->CloseButton()->ShowHint());
  EXPECT_EQ(panel->MatchCase()->Left(), 425);

  footer->SetShowHighLight(false);
  EXPECT_EQ(panel->MatchCase()->Left(), 330);
  EXPECT_EQ(panel->HighlightButton()->Height(), 0);
  footer->SetShowMatchCase(false);
  EXPECT_EQ(panel->MatchCase()->Height(), 0);
  footer->SetShowHighLight(true);
  EXPECT_EQ(panel->MatchCase()->Left(), 425);
  EXPECT_EQ(panel->HighlightButton()->Height(), 23);

  footer->SetHintFindNext("");
  EXPECT_FALSE(panel->FindNextButton()->ShowHint());
  footer->SetFindPrevCaption("Back");
  EXPECT_EQ(panel->FindPrevButton()->Caption(), "Back");
  footer->SetVisible(false);
  EXPECT_EQ(panel->Height(), 0);
  EXPECT_FALSE(panel->Visible());
}

TEST_F(SearchFooterTest, TheTextButtonsTakeTheLooksFlatness) {
  struct Case {
    ProGrid::TControlStyle style;
    bool themeAdapt;
    bool flat, autoXPStyle, autoThemeAdapt;
  };
  // The new grid's XP look gave the buttons AutoXPStyle, which the flat look keeps.
  const Case cases[] = {{ProGrid::csFlat, false, true, true, false},
                        {ProGrid::csClassic, false, false, false, false},
                        {ProGrid::csWinXP, false, false, true, false},
                        {ProGrid::csClassic, false, false, false, false},
                        {ProGrid::csWinXP, true, true, false, true},
                        {ProGrid::csClassic, true, true, false, true}};
  TTestStringGrid* grid = NewGrid();
  for (const Case& c : cases) {
    grid->ControlLook()->SetControlStyle(c.style);
    grid->SetAutoThemeAdapt(c.themeAdapt);
    for (TProGridButton* button : {grid->SearchPanel()->FindNextButton(), grid->SearchPanel()->FindPrevButton(),
                                   grid->SearchPanel()->HighlightButton()}) {
      SCOPED_TRACE(testing::Message() << int(c.style) << " " << c.themeAdapt);
      EXPECT_EQ(button->Flat(), c.flat);
      EXPECT_EQ(button->AutoXPStyle(), c.autoXPStyle);
      EXPECT_EQ(button->AutoThemeAdapt(), c.autoThemeAdapt);
    }
  }
}

// The close button shows its hot glyph (a red cross) under the mouse and its plain one (dark grey)
// otherwise; the highlight button is a check-style button.
TEST_F(SearchFooterTest, TheCloseButtonTurnsHotUnderTheMouse) {
  TTestStringGrid* grid = Searched();
  TSearchPanel* panel = grid->SearchPanel();
  TProGridButton* close = panel->CloseButton();
  EXPECT_EQ(panel->HighlightButton()->Style(), tasCheck);
  const auto inked = [&](COLORREF Ink) {
    driver_->Settle();
    Integer count = 0;
    for (Integer y = 0; y < close->Height(); ++y)
      for (Integer x = 0; x < close->Width(); ++x) count += driver_->Pixel(close, x, y) == Ink;
    return count;
  };
  constexpr COLORREF kCross = RGB(64, 64, 64), kHotCross = RGB(192, 0, 0);
  driver_->MoveMouseTo(panel, TPoint{300, 28});
  EXPECT_GT(inked(kCross), 10);
  EXPECT_EQ(inked(kHotCross), 0);
  driver_->MoveMouseTo(close, TPoint{7, 7});
  EXPECT_TRUE(close->MouseInControl());
  EXPECT_GT(inked(kHotCross), 10);
  EXPECT_EQ(inked(kCross), 0);
}

TEST_F(SearchFooterTest, TextEnablesTheTextButtonsAndClearingDisablesThem) {
  TTestStringGrid* grid = Searched();
  TSearchPanel* panel = grid->SearchPanel();
  const std::vector<TProGridButton*> buttons = {panel->FindNextButton(), panel->FindPrevButton(),
                                              panel->HighlightButton()};
  for (TProGridButton* button : buttons) EXPECT_FALSE(button->Enabled());
  panel->SearchEdit()->SetText("m");
  for (TProGridButton* button : buttons) EXPECT_TRUE(button->Enabled());
  EXPECT_TRUE(panel->CloseButton()->Enabled());
  panel->SearchEdit()->SetText("");
  for (TProGridButton* button : buttons) EXPECT_FALSE(button->Enabled());
}

TEST_F(SearchFooterTest, ClicksOnThePanelReachTheFinder) {
  TTestStringGrid* grid = Searched();
  TSearchPanel* panel = grid->SearchPanel();
  grid->SearchFooter()->SetAutoSearch(false);
  panel->SearchEdit()->SetText("m");
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{-1, -1}));   // typing searched nothing
  driver_->Click(panel->FindNextButton());
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{1, 3}));
  driver_->Click(panel->FindNextButton());
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{1, 15}));
  driver_->Click(panel->FindPrevButton());
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{1, 3}));

  driver_->Click(panel->HighlightButton());
  EXPECT_TRUE(panel->HighlightButton()->Down());
  EXPECT_EQ(grid->GetCellText(1, 15), "<hi>m</hi>15");
  driver_->Click(panel->HighlightButton());
  EXPECT_FALSE(panel->HighlightButton()->Down());
  EXPECT_EQ(grid->GetCellText(1, 15), "m15");

  driver_->Click(panel->CloseButton());
  EXPECT_FALSE(grid->SearchFooter()->Visible());
  EXPECT_EQ(panel->Height(), 0);
}

TEST_F(SearchFooterTest, TheMatchCaseBoxAndTheSearchColumnShapeTheAutomaticSearch) {
  // Column by column: (1, 3) "m3" comes before (2, 1) "M1".
  TTestStringGrid* grid = Searched();
  grid->SetCellText(2, 1, "M1");
  TSearchPanel* panel = grid->SearchPanel();
  panel->SearchEdit()->SetText("M");
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{1, 3}));
  grid->SearchFooter()->SetSearchColumn(2);
  panel->SearchEdit()->SetText("m");
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{2, 1}));
  grid->SearchFooter()->SetSearchColumn(7);   // no such column: ignored
  panel->MatchCase()->SetChecked(true);
  panel->SearchEdit()->SetText("M");
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{2, 1}));
  panel->SearchEdit()->SetText("M3");
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{-1, -1}));
  EXPECT_EQ(panel->SearchEdit()->Color(), clRed);
}

TEST_F(SearchFooterTest, ThePanelPaintsPlainOrAGradient) {
  TTestStringGrid* grid = Searched();
  TSearchPanel* panel = grid->SearchPanel();
  const TColor from = RGB(200, 220, 240), to = RGB(20, 40, 60);
  grid->SearchFooter()->SetColor(from);
  grid->SearchFooter()->SetColorTo(clNone);
  panel->Invalidate();
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(panel, 200, 1), COLORREF(from));
  EXPECT_EQ(driver_->Pixel(panel, 200, 30), COLORREF(from));
  grid->SearchFooter()->SetColorTo(to);
  panel->Invalidate();
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(panel, 200, 0), COLORREF(from));
  // 32 bands over 32 pixels: the last is 31/32 of the way.
  EXPECT_EQ(driver_->Pixel(panel, 200, 31), COLORREF(RGB(26, 46, 66)));
}

TEST_F(SearchFooterTest, ScrollingDownKeepsTheCurrentRowAboveTheVisiblePanel) {
  TTestStringGrid* grid = Searched();
  // 21-pixel rows under a 229-pixel client area: a 30-pixel row just below the view, once scrolled
  // into it, ends at 219, behind the panel's 32 pixels of the grid's 250.
  const Integer below = grid->VisibleRowCount() + 1;
  grid->SetRowHeights(below, 30);
  grid->SetRow(below);
  EXPECT_EQ(grid->TopRow(), 3);
  grid->SetRow(1);
  grid->SetTopRow(1);
  grid->SearchFooter()->SetVisible(false);
  grid->SetRow(below);
  EXPECT_EQ(grid->TopRow(), 2);
}

}   // namespace
}   // namespace gridtest
