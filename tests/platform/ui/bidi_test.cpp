// Right-to-left modes: what each BiDiMode turns on (only on a right-to-left system), the window
// styles of windowed controls, inheritance through ParentBiDiMode, and a label's mirrored
// alignment on screen.
#include "platform/gdi/text_constants.h"
#include "platform/ui/bidi.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

class BiDiTest : public UiTest {
 protected:
  BiDiTest() { SetSysLocaleMiddleEast(true); }
  ~BiDiTest() override { SetSysLocaleMiddleEast(false); }
};

TEST_F(BiDiTest, EachModeTurnsOnItsPartsOnlyOnARightToLeftSystem) {
  const struct {
    TBiDiMode mode;
    bool alignment, reading, scrollBar;
    Integer leftFlags;   // what DrawTextBiDiModeFlags makes of DT_LEFT
  } cases[] = {
      {bdLeftToRight, false, false, false, Integer(DT_LEFT)},
      {bdRightToLeft, true, true, true, Integer(DT_RIGHT | DT_RTLREADING)},
      {bdRightToLeftNoAlign, false, true, true, Integer(DT_LEFT | DT_RTLREADING)},
      {bdRightToLeftReadingOnly, false, true, false, Integer(DT_LEFT | DT_RTLREADING)},
  };
  TPanel panel(nullptr);
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.mode));
    panel.SetBiDiMode(c.mode);
    EXPECT_EQ(panel.UseRightToLeftAlignment(), c.alignment);
    EXPECT_EQ(panel.UseRightToLeftReading(), c.reading);
    EXPECT_EQ(panel.UseRightToLeftScrollBar(), c.scrollBar);
    EXPECT_EQ(panel.DrawTextBiDiModeFlags(DT_LEFT), c.leftFlags);
    EXPECT_EQ(panel.DrawTextBiDiModeFlags(DT_CENTER) & (DT_LEFT | DT_CENTER | DT_RIGHT), Integer(DT_CENTER))
        << "centred text stays centred";
    SetSysLocaleMiddleEast(false);
    EXPECT_FALSE(panel.UseRightToLeftAlignment() || panel.UseRightToLeftReading() || panel.UseRightToLeftScrollBar());
    EXPECT_EQ(panel.DrawTextBiDiModeFlags(DT_LEFT), Integer(DT_LEFT));
    SetSysLocaleMiddleEast(true);
  }
}

TEST_F(BiDiTest, WindowsTakeTheStylesAndChildrenFollowTheirParent) {
  TForm* form = NewForm("Host");
  auto* inherits = new TPanel(form);
  inherits->SetParent(form);
  auto* own = new TPanel(form);
  own->SetParent(form);
  own->SetParentBiDiMode(false);   // setting the mode it has already would not say so
  auto exStyle = [](TWinControl* c) { return GetWindowLongPtrA(c->Handle(), GWL_EXSTYLE); };
  EXPECT_EQ(exStyle(inherits) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR), 0);

  form->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(inherits->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(inherits->ParentBiDiMode());
  EXPECT_EQ(exStyle(inherits) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR), WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR)
      << "the window was made again with the right-to-left styles";
  EXPECT_EQ(own->BiDiMode(), bdLeftToRight) << "a control with its own mode keeps it";
  EXPECT_EQ(exStyle(own) & WS_EX_RTLREADING, 0);

  form->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_EQ(exStyle(inherits) & (WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR), WS_EX_RTLREADING);
}

TEST_F(BiDiTest, ALeftAlignedLabelIsDrawnOnTheRightWhenRightToLeft) {
  TForm* form = NewForm("Host");
  auto* label = new TLabel(form);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 120, 20);
  label->SetCaption("Wages");
  label->SetParent(form);
  // The columns of the label's area that hold text pixels, as the first and the last.
  auto inked = [&] {
    driver_->Settle();
    const COLORREF face = driver_->Pixel(form, 5, 5);
    int first = -1, last = -1;
    for (int x = 0; x < label->Width(); ++x)
      for (int y = 0; y < label->Height(); ++y)
        if (driver_->Pixel(form, label->Left() + x, label->Top() + y) != face) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair{first, last};
  };
  const auto [ltrFirst, ltrLast] = inked();
  ASSERT_GE(ltrFirst, 0);
  EXPECT_LT(ltrLast, label->Width() / 2);
  label->SetBiDiMode(bdRightToLeft);
  const auto [rtlFirst, rtlLast] = inked();
  EXPECT_GT(rtlFirst, label->Width() / 2);
  EXPECT_EQ(rtlLast - rtlFirst, ltrLast - ltrFirst) << "the same text, mirrored to the other side";
  label->SetBiDiMode(bdRightToLeftNoAlign);
  EXPECT_EQ(inked().first, ltrFirst) << "no alignment mirroring";
}

}  // namespace
}  // namespace uitest
