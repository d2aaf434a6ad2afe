#include "grid/html_hint_window.h"

#include <gtest/gtest.h>

#include "platform/ui/application.h"
#include "platform/ui/colors.h"
#include "platform/ui/screen.h"
#include "platform/user/window_styles.h"
#include "platform/user/focus.h"
#include "platform/user/window_data.h"
#include "platform/user/window_pos.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

const std::string kHint = "cw=<b>80</b>";

class HTMLHintWindowTest : public uitest::UiTest {
 protected:
  HTMLHintWindowTest() : form(NewForm("Main")), hint(new THTMLHintWindow(form)) { hint->SetColor(clYellow); }

  TRect Monitor() const { return Screen->MonitorFromPoint({0, 0})->BoundsRect(); }
  TRect Bounds() {
    TRect r{};
    GetWindowRect(hint->Handle(), &r);
    return r;
  }

  TForm* form;
  THTMLHintWindow* hint;
};

TEST_F(HTMLHintWindowTest, TakesTheMeasuredSizeWithItsMarginsTopmostAndNotActivated) {
  const TRect measured = hint->CalcHintRect(1008, kHint);
  EXPECT_GT(measured.Right, 0);
  EXPECT_EQ(measured.Left, 0);
  hint->ActivateHint({100, 120, 100, 120}, kHint);
  driver_->Settle();
  EXPECT_EQ(Bounds(), (TRect{100, 120, 100 + measured.Right + 16, 120 + measured.Bottom + 4}));
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_TRUE(GetWindowLongA(hint->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetActiveWindow(), form->Handle());
  EXPECT_FALSE(GetWindowLongA(hint->Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_EQ(hint->Caption(), kHint);
}

TEST_F(HTMLHintWindowTest, StaysTwoPixelsInsideTheMonitor) {
  const TRect monitor = Monitor();
  const TRect measured = hint->CalcHintRect(1008, kHint);
  hint->ActivateHint({monitor.Right - 5, monitor.Bottom - 3, 0, 0}, kHint);
  const TRect r = Bounds();
  EXPECT_EQ(r.Right, monitor.Right - 2);
  EXPECT_EQ(r.Bottom, monitor.Bottom - 2);
  EXPECT_EQ(r.Width(), measured.Right + 16);
  EXPECT_EQ(r.Height(), measured.Bottom + 4);
}

TEST_F(HTMLHintWindowTest, PaintsItsColourInARaisedFrame) {
  hint->ActivateHint({100, 120, 0, 0}, kHint);
  driver_->Settle();
  const Integer w = hint->Width(), h = hint->Height();
  EXPECT_EQ(driver_->Pixel(hint, w / 2, 1), ColorToRGB(clYellow));
  EXPECT_EQ(driver_->Pixel(hint, 1, h / 2), ColorToRGB(clYellow));
  EXPECT_EQ(driver_->Pixel(hint, 0, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(driver_->Pixel(hint, w - 1, h - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(driver_->Pixel(hint, 0, h - 2), ColorToRGB(cl3DLight));
  EXPECT_EQ(driver_->Pixel(hint, 0, h - 1), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(driver_->Pixel(hint, w - 2, 0), ColorToRGB(cl3DLight));
  EXPECT_EQ(driver_->Pixel(hint, w - 1, 0), ColorToRGB(cl3DDkShadow));
}

TEST_F(HTMLHintWindowTest, ANewTextRepaintsAtTheOldSize) {
  hint->ActivateHint({100, 120, 0, 0}, kHint);
  driver_->Settle();
  const TRect before = Bounds();
  auto ink = [&] {
    Integer dark = 0;
    for (Integer y = 0; y < hint->Height(); ++y)
      for (Integer x = 2; x < hint->Width() - 2; ++x) dark += driver_->Pixel(hint, x, y) == 0;
    return dark;
  };
  const Integer first = ink();
  hint->SetCaption("<b>WWWWWWWWWWWWWWWWWWWW</b>");
  driver_->Settle();
  EXPECT_EQ(Bounds(), before);
  EXPECT_GT(ink(), first);
}

}  // namespace
