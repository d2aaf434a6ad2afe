// TkxControl's own scroll bars, the wheel and middle-button panning, with a control whose content
// has a size: the parameter table, recalculation (bars that only need each other, calculations
// that never settle, changed system metrics), wheel scrolling, and the panning loop on the fake
// clock, also with a control freed while a loop runs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_control.h"
#include "controls/foundation/kx_control_scroll_bar.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "controls/foundation/kx_settings_controller.h"
#include "controls/foundation/kx_size_grip.h"
#include "foundation_test_support.h"
#include "platform/ui/colors.h"
#include "platform/ui/mouse.h"
#include "platform/ui/screen.h"
#include "platform/user/capture.h"
#include "platform/user/cursor.h"
#include "platform/user/input_events.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/system_parameters.h"
#include "platform/user/virtual_keys.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::Later;
using foundationtest::ScopedUnits;
using Lines = std::vector<std::string>;

// Content of a size shown in the content bounds; what ScrollContent is asked is written down.
class ContentControl : public TkxControl {
 public:
  using TkxControl::TkxControl;

  enum class Calculation { Content, FlipEveryPass, AlternateEveryCall };

  void CalculateScrollBarParams() override {
    ++calculations;
    if (calculation == Calculation::Content) {
      const TRect r = GetContentBounds();
      SetScrollBarParams(sbHorizontal, 0, content.cx - 1, 1, r.Width(), 0, true, true);
      SetScrollBarParams(sbVertical, 0, content.cy - 1, 1, r.Height(), 0, true, true);
      return;
    }
    const bool show = calculation == Calculation::FlipEveryPass ? !IsHScrollBarVisible() : calculations % 2 == 0;
    SetScrollBarParams(sbHorizontal, 0, 999, 1, 10, 0, show, true);
    SetScrollBarParams(sbVertical, 0, 999, 1, 10, 0, !show, true);
  }
  bool CanHideBothScrollBars(TScrollBarKind) override { return canHideBoth; }
  void ScrollContent(TScrollBarKind Kind, TScrollCode Code, Integer&) override {
    scrolls.push_back(std::string(Kind == sbHorizontal ? "H" : "V") + (Code == scLineUp ? " up" : " down"));
    if (onScroll) onScroll();
  }
  void SetContent(TSize size) {
    content = size;
    RecalcScrollBars();
  }

  TSize content{0, 0};
  Calculation calculation = Calculation::Content;
  bool canHideBoth = false;
  int calculations = 0;
  Lines scrolls;
  std::function<void()> onScroll;
};

class ScrollingTest : public uitest::UiTest {
 protected:
  ScrollingTest() {
    form_ = NewForm("Host");
    form_->SetClientWidth(300);
    form_->SetClientHeight(300);
    control_ = new ContentControl(form_);
    control_->SetName("Content");
    control_->SetBounds(20, 20, 100, 100);
    control_->SetParent(form_);
    driver_->Settle();
  }
  static Integer BarWidth() { return GetSystemMetrics(SM_CXVSCROLL); }
  static Integer BarHeight() { return GetSystemMetrics(SM_CYHSCROLL); }
  std::pair<bool, bool> Visible() const {
    return {control_->HScrollBar()->Visible(), control_->VScrollBar()->Visible()};
  }
  void MoveTo(TPoint p) {
    const TPoint s = control_->ClientToScreen(p);
    user::InjectMouseMove(s.X, s.Y);
  }

  ScopedUnits units_{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit,        kdOffice11Unit,
                     kxLookAndFeelsUnit,       kxLookAndFeelPaintersUnit, kxControlsUnit};
  TForm* form_ = nullptr;
  ContentControl* control_ = nullptr;
};

TEST_F(ScrollingTest, SetScrollBarParamsRecordsUsableRangesAndHidesOrGreysTheOthers) {
  const struct {
    Integer min, max, page, position;
    bool show, hide;
    bool visible, enabled, taken;
  } cases[] = {
      {0, 99, 100, 0, true, false, true, false, false},  // the page covers the range
      {0, 99, 100, 0, true, true, false, true, false},
      {10, 99, 10, 9, true, true, false, true, false},  // position below min
      {10, 99, 10, 9, true, false, true, false, false},
      {0, 99, 10, 5, false, false, false, true, false},  // not to be shown
      {50, 10, 5, 20, true, true, false, true, false},   // min above max
      {0, 99, 10, 5, true, true, true, true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " page " << c.page << " at " << c.position);
    control_->SetScrollBarParams(sbHorizontal, 0, 49, 2, 5, 3, true, true);  // a usable start
    control_->SetScrollBarParams(sbHorizontal, c.min, c.max, 1, c.page, c.position, c.show, c.hide);
    const TkxScrollBarData& d = control_->HScrollBar()->Data;
    EXPECT_EQ(d.Visible, c.visible);
    EXPECT_EQ(d.Enabled, c.enabled);
    const TkxScrollBarData expected = c.taken ? TkxScrollBarData{c.min, c.max, c.position, c.page, 1, SmallInt(c.page)}
                                              : TkxScrollBarData{0, 49, 3, 5, 2, 5};
    EXPECT_EQ((std::vector<Integer>{d.Min, d.Max, d.Position, d.PageSize, d.SmallChange, d.LargeChange}),
              (std::vector<Integer>{expected.Min, expected.Max, expected.Position, expected.PageSize,
                                    expected.SmallChange, expected.LargeChange}));
  }
}

TEST_F(ScrollingTest, BarsAndGripFollowTheContentBounds) {
  control_->SetContent(TSize{300, 300});
  EXPECT_EQ(Visible(), std::make_pair(true, true));
  const Integer w = BarWidth(), h = BarHeight();
  EXPECT_EQ(control_->HScrollBar()->BoundsRect(), (TRect{0, 100 - h, 100 - w, 100}));
  EXPECT_EQ(control_->VScrollBar()->BoundsRect(), (TRect{100 - w, 0, 100, 100 - h}));
  EXPECT_TRUE(control_->SizeGrip()->Visible());
  EXPECT_EQ(control_->SizeGrip()->BoundsRect(), (TRect{100 - w, 100 - h, 100, 100}));
  EXPECT_EQ(control_->HScrollBar()->PageSize(), 100 - w);
  EXPECT_EQ(control_->GetContentBounds(), (TRect{0, 0, 100 - w, 100 - h}));
  EXPECT_EQ(driver_->Pixel(control_->SizeGrip(), 2, 2), ColorToRGB(clBtnFace)) << "the painter's grip colour";

  control_->SetContent(TSize{50, 300});
  EXPECT_EQ(Visible(), std::make_pair(false, true));
  EXPECT_FALSE(control_->SizeGrip()->Visible());
  EXPECT_EQ(control_->VScrollBar()->BoundsRect(), (TRect{100 - w, 0, 100, 100}));
}

// The bar posts WM_SETFOCUS to its control: the form takes the control as its active one and the
// control hears the focus change.
TEST_F(ScrollingTest, APressOnAnOwnBarOffersTheFocusToTheControl) {
  control_->SetContent(TSize{50, 300});
  auto* other = new TkxControl(form_);
  other->SetBounds(150, 20, 50, 50);
  other->SetParent(form_);
  other->SetFocus();
  driver_->Settle();
  int focusChanges = 0;
  control_->OnFocusChanged = uitest::NotifyEvent([&](TObject*) { ++focusChanges; });
  driver_->ClickAt(control_->VScrollBar(), TPoint{2, 40});
  EXPECT_EQ(form_->ActiveControl(), control_);
  EXPECT_EQ(focusChanges, 1);
}

TEST_F(ScrollingTest, BarsNeededOnlyByEachOtherVanishTogetherWhereTheControlAllowsIt) {
  for (bool canHideBoth : {false, true}) {
    SCOPED_TRACE(canHideBoth);
    control_->canHideBoth = canHideBoth;
    control_->SetContent(TSize{300, 300});
    ASSERT_EQ(Visible(), std::make_pair(true, true));
    control_->SetContent(TSize{95, 95});  // fits only without both bars
    EXPECT_EQ(Visible(), std::make_pair(!canHideBoth, !canHideBoth));
    EXPECT_EQ(control_->SizeGrip()->Visible(), !canHideBoth);
  }
}

TEST_F(ScrollingTest, CalculationsThatNeverSettleStillReturn) {
  using C = ContentControl::Calculation;
  for (C calculation : {C::FlipEveryPass, C::AlternateEveryCall}) {
    control_->calculation = calculation;
    control_->calculations = 0;
    control_->RecalcScrollBars();
    EXPECT_GT(control_->calculations, 0);
    EXPECT_LE(control_->calculations, 16) << "4 passes in each of at most 4 nested calls";
  }
}

TEST_F(ScrollingTest, ChangedSystemScrollBarSizesReachTheBarsThroughTheRelay) {
  control_->SetContent(TSize{300, 300});
  const Integer old = BarWidth();
  user::SetSystemMetric(SM_CXVSCROLL, old + 10);
  SendMessageA(GetSettingsController()->Handle(), WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS, 0);
  driver_->Settle();
  EXPECT_EQ(control_->VScrollBar()->Width(), old + 10);
  EXPECT_EQ(control_->VScrollBar()->Left(), 100 - old - 10);
  EXPECT_EQ(control_->HScrollBar()->Width(), 100 - old - 10);
  user::SetSystemMetric(SM_CXVSCROLL, old);
}

TEST_F(ScrollingTest, TheWheelScrollsTheVerticalBarByTheWheelLines) {
  const struct {
    TSize content;
    int delta;
    bool handledByEvent;
    Lines scrolls;
  } cases[] = {{{50, 300}, 120, false, {"V up", "V up", "V up"}},
               {{50, 300}, -120, false, {"V down", "V down", "V down"}},
               {{50, 300}, 0, false, {"V up", "V up", "V up"}},
               {{300, 50}, -120, false, {}},
               {{50, 300}, -120, true, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.delta);
    control_->SetContent(c.content);
    control_->OnMouseWheel = [&](TObject*, TShiftState, Integer, TPoint, bool& handled) { handled = c.handledByEvent; };
    const TPoint at = control_->ClientToScreen(TPoint{10, 10});
    control_->Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, c.delta), MAKELPARAM(at.X, at.Y));
    EXPECT_EQ(std::exchange(control_->scrolls, {}), c.scrolls);
  }
}

// --- Panning ---

class PanningTest : public ScrollingTest {
 protected:
  PanningTest() { control_->SetContent(TSize{50, 1000}); }  // the vertical bar only
  // A middle press at the middle of the control: the loop runs inside it.
  void PressMiddle() {
    clock_.Advance(1000);  // not a double click with the press before
    MoveTo(TPoint{40, 40});
    user::InjectMouseButton(user::MouseButton::Middle, true);
  }
  static void Escape() {
    user::InjectKey(VK_ESCAPE, true);
    user::InjectKey(VK_ESCAPE, false);
  }
  UInt64 Now() { return clock_.TickCount(); }
};

TEST_F(PanningTest, TheSpeedSetsTheScrollIntervalOnTheClock) {
  const struct {
    Integer below;
    UInt64 interval;
  } cases[] = {{74, 20}, {15, 240}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.below);
    std::vector<UInt64> times;
    bool cursorShown = false;
    control_->onScroll = [&] {
      times.push_back(Now());
      cursorShown = GetCursor() == Screen->Cursors(crKxDownScroll);
      if (times.size() == 3) Escape();
    };
    Lines cursors;
    Later later([&] {
      EXPECT_TRUE(control_->IsPanning());
      EXPECT_EQ(GetCursor(), Screen->Cursors(crKxVerScroll));
      MoveTo(TPoint{40, 40 + c.below});
    });
    PressMiddle();
    driver_->Settle();
    EXPECT_FALSE(control_->IsPanning());
    EXPECT_EQ(GetCapture(), nullptr);
    ASSERT_EQ(times.size(), 3u);
    EXPECT_EQ(times[1] - times[0], c.interval);
    EXPECT_EQ(times[2] - times[1], c.interval);
    EXPECT_TRUE(cursorShown);
    EXPECT_EQ(control_->scrolls, (Lines{"V down", "V down", "V down"}));
    control_->scrolls.clear();
    user::InjectMouseButton(user::MouseButton::Middle, false);
    driver_->Settle();
  }
}

TEST_F(PanningTest, AMiddleClickKeepsPanningUntilALeftClickThatTheControlNeverSees) {
  Lines presses;
  control_->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, Integer, Integer) {
    presses.push_back(button == mbLeft ? "left" : "middle");
  };
  bool panningAfterRelease = false;
  Later later([&] {
    panningAfterRelease = control_->IsPanning();
    user::InjectMouseButton(user::MouseButton::Left, true);
    user::InjectMouseButton(user::MouseButton::Left, false);
  });
  PressMiddle();
  user::InjectMouseButton(user::MouseButton::Middle, false);
  driver_->Settle();
  EXPECT_TRUE(panningAfterRelease);
  EXPECT_FALSE(control_->IsPanning());
  EXPECT_EQ(presses, (Lines{"middle"}));
}

TEST_F(PanningTest, EscapeOrAMiddleReleaseAfterMovingEndsIt) {
  const std::function<void()> enders[] = {[] { Escape(); },
                                          [this] {
                                            MoveTo(TPoint{40, 90});
                                            user::InjectMouseButton(user::MouseButton::Middle, false);
                                          }};
  for (const auto& end : enders) {
    Later later(end);
    PressMiddle();
    driver_->Settle();
    EXPECT_FALSE(control_->IsPanning());
    EXPECT_EQ(GetCapture(), nullptr);
    user::InjectMouseButton(user::MouseButton::Middle, false);
    driver_->Settle();
  }
}

TEST_F(PanningTest, NoVisibleBarNoPanning) {
  control_->SetContent(TSize{10, 10});
  bool panning = true;
  control_->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, Integer, Integer) { panning = false; };
  PressMiddle();
  driver_->Settle();
  EXPECT_FALSE(panning);
  EXPECT_FALSE(control_->IsPanning());
  user::InjectMouseButton(user::MouseButton::Middle, false);
  driver_->Settle();
}

TEST_F(PanningTest, AControlFreedDuringEitherLoopIsNotTouchedAgain) {
  // Panning: freed by its first scroll.
  control_->onScroll = [this] { delete std::exchange(control_, nullptr); };
  Later later([this] { MoveTo(TPoint{40, 120}); });
  PressMiddle();
  driver_->Settle();
  EXPECT_EQ(driver_->Find("Content"), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  user::InjectMouseButton(user::MouseButton::Middle, false);
  driver_->Settle();

  // Drag detection: freed by a timer while the loop waits.
  auto* dragged = new ContentControl(form_);
  dragged->SetName("Dragged");
  dragged->SetBounds(20, 20, 100, 100);
  dragged->SetParent(form_);
  dragged->SetDragMode(dmAutomatic);
  driver_->Settle();
  Later free([&] { delete dragged; });
  const TPoint at = dragged->ClientToScreen(TPoint{40, 40});
  user::InjectMouseMove(at.X, at.Y);
  user::InjectMouseButton(user::MouseButton::Left, true);
  driver_->Settle();
  EXPECT_EQ(driver_->Find("Dragged"), nullptr);
  EXPECT_EQ(GetCapture(), nullptr);
  user::InjectMouseButton(user::MouseButton::Left, false);
  driver_->Settle();
}

}  // namespace
