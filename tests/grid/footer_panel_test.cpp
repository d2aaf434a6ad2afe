// The floating footer's panel: the template expansion, the pixels each style paints, the
// reservation of the last row, and the column that clicks and hints name, also scrolled and right
// to left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/floating_footer.h"
#include "platform/ui/bidi.h"
#include "platform/ui/application.h"
#include "platform/ui/control_messages.h"
#include "platform/user/send_message.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

constexpr TColor kFooterColor = 0x00C08040, kGridColor = 0x0040C080, kBorderColor = 0x000000FF;

class FooterPanelTest : public StringGridTest {
 protected:
  ~FooterPanelTest() override {
    SetSysLocaleMiddleEast(false);
    for (TTestStringGrid* grid : grids_) {
      grid->OnClickCell = {};
      grid->OnGridHint = {};
      grid->OnFooterPaint = {};
    }
  }

  // A shown 5 x 6 grid of 100-pixel columns (one fixed), 400 pixels wide, its footer visible in Style.
  TTestStringGrid* Footed(TFooterStyle Style) {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetBounds(0, 0, 400, 200);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetDefaultColWidth(100);
    grid->SetColor(kGridColor);
    grid->FloatingFooter()->SetColor(kFooterColor);
    grid->FloatingFooter()->SetFooterStyle(Style);
    grid->FloatingFooter()->SetVisible(true);
    driver_->Settle();
    grids_.push_back(grid);
    return grid;
  }
  COLORREF Pixel(TTestStringGrid* Grid, Integer X, Integer Y) {
    Grid->FooterPanel()->Invalidate();
    driver_->Settle();
    return driver_->Pixel(Grid->FooterPanel(), X, Y);
  }

 private:
  std::vector<TTestStringGrid*> grids_;
};

TEST_F(FooterPanelTest, TemplatesExpandCellsOfTheCurrentRowAndAnOpenFieldEndsTheExpansion) {
  TTestStringGrid* grid = Footed(fsCustomPreview);
  grid->SetRow(2);
  grid->SetCellText(1, 2, "5");
  grid->SetCellText(2, 2, "17");
  const std::pair<std::string, std::string> cases[] = {
      {"Total: <#2> items", "Total: 17 items"},
      {"<#x> and <#1>", " and 5"},
      {"<#1><#2", "5<#2"},           // no ">" after the second "<#": kept as it stands
      {"a <#1 b", "a <#1 b"},
      {"<#9>|<#-1>|", "||"},          // columns outside the grid give empty texts
      {"plain", "plain"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(grid->FooterPanel()->ExpandTemplate(in), out) << in;
}

TEST_F(FooterPanelTest, EachStylePaintsItsColumnAreaAndOnlyTheLastRowStyleReservesTheRow) {
  struct Case {
    TFooterStyle style;
    Integer fixedFooters;
  };
  for (const Case& c : {Case{fsFixedLastRow, 1}, Case{fsColumnPreview, 0}, Case{fsCustomPreview, 0}}) {
    SCOPED_TRACE(std::to_string(c.style));
    TTestStringGrid* grid = Footed(c.style);
    EXPECT_EQ(grid->FixedFooters(), c.fixedFooters);
    EXPECT_EQ(grid->LastRowIsFooter(), c.fixedFooters == 1);
    grid->SetRow(2);
    grid->FloatingFooter()->SetColumn(2);   // the column preview shows column 2 of the current row
    grid->SetLeftCol(3);               // the column area: the fixed column and columns 3 and 4
    ASSERT_EQ(grid->LeftCol(), 3);
    TFooterPanel* panel = grid->FooterPanel();
    ASSERT_GT(panel->Height(), 4);
    const Integer middle = panel->ClientHeight() / 2;
    const Integer bottom = panel->ClientHeight() - 1;
    EXPECT_EQ(Pixel(grid, 330, middle), ColorToRGB(kGridColor));   // right of the column area
    switch (c.style) {
      case fsFixedLastRow:   // the footer row's cells drawn over the area, all in the fixed look
        EXPECT_NE(Pixel(grid, 250, middle), ColorToRGB(kFooterColor));
        EXPECT_EQ(Pixel(grid, 250, middle), Pixel(grid, 50, middle));
        break;
      case fsColumnPreview: {   // the current row's cell of column 2 drawn over the whole area
        grid->SetCellText(2, 2, "MMMMMMMMMMMM");
        Integer inked = 0;
        for (Integer x = 2; x < 298; ++x) inked += Pixel(grid, x, middle) != ColorToRGB(kFooterColor) ? 1 : 0;
        EXPECT_GT(inked, 10);
        break;
      }
      case fsCustomPreview:   // the area framed: white top and left, gray bottom and right
        EXPECT_EQ(Pixel(grid, 250, middle), ColorToRGB(kFooterColor));
        EXPECT_EQ(Pixel(grid, 100, 0), ColorToRGB(clWhite));
        EXPECT_EQ(Pixel(grid, 0, middle), ColorToRGB(clWhite));
        EXPECT_EQ(Pixel(grid, 100, bottom), ColorToRGB(clGray));
        EXPECT_EQ(Pixel(grid, 299, middle), ColorToRGB(clGray));
        break;
    }
    grid->FloatingFooter()->SetBorderColor(kBorderColor);
    EXPECT_EQ(Pixel(grid, 10, 0), ColorToRGB(kBorderColor));
  }
}

TEST_F(FooterPanelTest, TheLastRowStyleHandsEachShownColumnToOnFooterPaintOverItsOwnColour) {
  TTestStringGrid* grid = Footed(fsFixedLastRow);
  grid->SetCellColor(3, 5, clRed);
  std::vector<std::string> painted;
  grid->OnFooterPaint = [&painted](TObject*, Integer AColumn, TCanvas*, TRect R) {
    painted.push_back(std::to_string(AColumn) + ":" + std::to_string(R.Left) + "-" + std::to_string(R.Right));
  };
  const Integer middle = grid->FooterPanel()->ClientHeight() / 2;
  painted.clear();
  EXPECT_EQ(Pixel(grid, 330, middle), ColorToRGB(clRed));
  EXPECT_EQ(painted, (std::vector<std::string>{"1:100-199", "2:200-299", "3:300-399", "4:400-499"}));
  painted.clear();
  grid->SetLeftCol(3);   // scrolled: column 3 follows the fixed column
  driver_->Settle();
  painted.clear();
  EXPECT_EQ(Pixel(grid, 130, middle), ColorToRGB(clRed));
  EXPECT_EQ(painted, (std::vector<std::string>{"3:100-199", "4:200-299"}));
  EXPECT_NE(Pixel(grid, 330, middle), ColorToRGB(clRed));
}

TEST_F(FooterPanelTest, ClicksAndHintsNameTheColumnUnderTheMouseAsPainted) {
  struct Case {
    const char* name;
    Integer leftCol;
    bool rightToLeft;
    Integer x;   // from the right edge with right-to-left alignment
    Integer column;
  };
  const Case cases[] = {
      {"first pixel of column 0", 1, false, 1, 0},   {"last pixel of column 0", 1, false, 100, 0},
      {"first of column 1", 1, false, 101, 1},       {"past every column", 3, false, 330, -1},
      {"scrolled", 3, false, 150, 3},                {"scrolled, last column", 3, false, 290, 4},
      {"right to left, column 0", 1, true, 10, 0},   {"right to left, column 1", 1, true, 150, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestStringGrid* grid = Footed(fsFixedLastRow);
    grid->FloatingFooter()->SetShowHint(true);
    SetSysLocaleMiddleEast(c.rightToLeft);
    if (c.rightToLeft) grid->SetBiDiMode(bdRightToLeft);
    grid->SetLeftCol(c.leftCol);
    driver_->Settle();
    TFooterPanel* panel = grid->FooterPanel();
    const Integer x = c.rightToLeft ? panel->ClientWidth() - c.x : c.x;
    std::vector<std::string> clicks;
    grid->OnClickCell = [&clicks](TObject*, Integer ARow, Integer ACol) {
      clicks.push_back(std::to_string(ARow) + "," + std::to_string(ACol));
    };
    driver_->ClickAt(panel, TPoint{x, 3});
    EXPECT_EQ(clicks, std::vector<std::string>{"5," + std::to_string(c.column)});

    std::string hinted = "none";
    grid->OnGridHint = [&hinted](TObject*, Integer ARow, Integer ACol, std::string& Hint) {
      hinted = std::to_string(ARow) + "," + std::to_string(ACol);
      Hint = "column " + std::to_string(ACol);
    };
    THintInfo info;
    info.CursorPos = TPoint{x, 3};
    const LRESULT result = panel->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(panel->HintColumn(), c.column);
    EXPECT_EQ(hinted, c.column < 0 ? "none" : "5," + std::to_string(c.column));
    EXPECT_EQ(info.HintStr, c.column < 0 ? "" : "column " + std::to_string(c.column));
  }
}

}  // namespace
}  // namespace gridtest
