// Status bars: where the panels go (the last one to the edge, less the size grip), their bevels,
// text alignment, owner-drawn panels and the simple panel.
#include <vector>

#include "platform/gdi/sys_colors.h"
#include "platform/ui/canvas.h"
#include "platform/ui/status_bar.h"
#include "platform/user/system_metrics.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

constexpr TColor kRed = 0x0000FF;

class StatusBarTest : public UiTest {
 protected:
  void SetUp() override {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(300);
    form_->SetClientHeight(100);
    bar_ = new TStatusBar(form_);
    bar_->SetParent(form_);
    for (Integer width : {100, 60, 50}) bar_->Panels()->Add()->SetWidth(width);
    form_->Show();
    driver_->Settle();
  }

  // The first and last columns in [left, right) of the bar's row band holding text-coloured pixels.
  std::pair<Integer, Integer> InkSpan(Integer left, Integer right) {
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    Integer first = -1, last = -1;
    for (Integer x = left; x < right; ++x)
      for (Integer y = 4; y < bar_->Height() - 2; ++y)
        if (driver_->Pixel(bar_, x, y) == ink) {
          if (first < 0) first = x;
          last = x;
        }
    return {first, last};
  }

  TForm* form_ = nullptr;
  TStatusBar* bar_ = nullptr;
};

TEST_F(StatusBarTest, PanelsRunFromTheLeftAndTheLastOneToTheGrip) {
  EXPECT_EQ(bar_->Top(), 81);   // aligned to the bottom, 19 high
  const Integer grip = GetSystemMetrics(SM_CXVSCROLL);
  ASSERT_TRUE(bar_->ShowsSizeGrip());
  EXPECT_EQ(bar_->PanelRect(0), (TRect{0, 2, 98, 19}));
  EXPECT_EQ(bar_->PanelRect(1), (TRect{100, 2, 158, 19}));
  EXPECT_EQ(bar_->PanelRect(2), (TRect{160, 2, 300 - grip, 19}));
  EXPECT_EQ(bar_->PanelRect(-1), (TRect{0, 2, 300, 19}));
  bar_->SetSizeGrip(false);
  EXPECT_EQ(bar_->PanelRect(2).Right, 300);
  bar_->SetSizeGrip(true);
  form_->SetBorderStyle(bsSingle);   // a grip only on a form that can be resized
  EXPECT_FALSE(bar_->ShowsSizeGrip());
}

TEST_F(StatusBarTest, BevelsFrameEachPanel) {
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), hi = GetSysColor(COLOR_BTNHIGHLIGHT),
                 face = GetSysColor(COLOR_BTNFACE);
  bar_->Panels()->Items(1)->SetBevel(pbRaised);
  bar_->Panels()->Items(2)->SetBevel(pbNone);
  driver_->Settle();
  EXPECT_EQ(driver_->Pixel(bar_, 0, 1), face);
  EXPECT_EQ(driver_->Pixel(bar_, 0, 2), shadow);
  EXPECT_EQ(driver_->Pixel(bar_, 97, 18), hi);
  EXPECT_EQ(driver_->Pixel(bar_, 98, 10), face);   // the gap
  EXPECT_EQ(driver_->Pixel(bar_, 100, 2), hi);
  EXPECT_EQ(driver_->Pixel(bar_, 157, 18), shadow);
  EXPECT_EQ(driver_->Pixel(bar_, 160, 2), face);
}

TEST_F(StatusBarTest, TextFollowsEachPanelsAlignment) {
  TStatusPanel* panel = bar_->Panels()->Items(0);
  panel->SetText("Page 1");
  for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
    SCOPED_TRACE(int(alignment));
    panel->SetAlignment(alignment);
    driver_->Settle();
    const auto [first, last] = InkSpan(1, 97);
    ASSERT_GE(first, 0);
    const Integer before = first - 1, after = 96 - last;
    switch (alignment) {
      case taLeftJustify: EXPECT_LE(before, 4); break;
      case taRightJustify: EXPECT_LE(after, 4); break;
      case taCenter: EXPECT_LE(std::abs(before - after), 2); break;
    }
  }
  EXPECT_EQ(InkSpan(101, 157).first, -1);   // the empty panel shows no text
}

TEST_F(StatusBarTest, OwnerDrawnPanelsAndTheSimplePanel) {
  std::vector<TRect> drawn;
  bar_->OnDrawPanel = [&](TStatusBar* bar, TStatusPanel* panel, const TRect& rect) {
    EXPECT_EQ(bar, bar_);
    EXPECT_EQ(panel, bar_->Panels()->Items(1));
    drawn.push_back(rect);
    bar->Canvas()->Brush()->SetColor(kRed);
    bar->Canvas()->FillRect(rect);
  };
  bar_->Panels()->Items(1)->SetStyle(psOwnerDraw);
  driver_->Settle();
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), (TRect{101, 3, 157, 18}));   // inside the frame
  EXPECT_EQ(driver_->Pixel(bar_, 101, 3), kRed);

  bar_->Panels()->Items(0)->SetText("Panel text");
  bar_->SetSimpleText("Searching");
  bar_->SetSimplePanel(true);
  drawn.clear();
  driver_->Settle();
  EXPECT_TRUE(drawn.empty());
  EXPECT_NE(driver_->Pixel(bar_, 101, 3), kRed);
  EXPECT_EQ(driver_->Pixel(bar_, 100, 10), GetSysColor(COLOR_BTNFACE));   // one panel across
  EXPECT_GE(InkSpan(1, 60).first, 0);
}

}  // namespace
}  // namespace uitest
