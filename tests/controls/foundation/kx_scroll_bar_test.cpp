// The painter-drawn scroll bar: its geometry (arrows, thumb, page areas) for ordinary values, a
// thumb that fills its track and values at the Integer limits; its values and events; the mouse on
// the virtual clock (auto-repeat, thumb drags, part states) and a theme change.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "controls/foundation/kx_scroll_bar.h"
#include "foundation_test_support.h"
#include "platform/core/exceptions.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_styles.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;

// Writes down every part it paints as "part:state".
class RecordingScrollBar : public TkxScrollBar {
 public:
  using TkxScrollBar::TkxScrollBar;
  std::vector<std::string> painted;

 protected:
  void PaintBarPart(TkxCanvas& ACanvas, const TRect& R, TkxScrollBarElement Part, TkxButtonState State) override {
    painted.push_back(std::to_string(Part) + ":" + std::to_string(State));
    TkxScrollBar::PaintBarPart(ACanvas, R, Part, State);
  }
};

class ScrollBarTest : public uitest::UiTest {
 protected:
  ScrollBarTest() {
    form_ = NewForm("Form1");
    form_->SetBounds(0, 0, 400, 400);
    bar_ = new RecordingScrollBar(form_);
    bar_->SetParent(form_);
    bar_->SetLeft(20);
    bar_->SetTop(20);
    bar_->OnChange = uitest::NotifyEvent([this](TObject*) { ++changes_; });
    bar_->OnScroll = [this](TObject*, TScrollCode code, Integer&) { codes_.push_back(code); };
    driver_->Settle();
  }
  void Elapse(UInt64 milliseconds) {
    clock_.Advance(milliseconds);
    driver_->Settle();
  }
  // A vertical bar whose track (between the arrows) is `track` pixels long.
  void MakeVertical(Integer track) {
    bar_->SetKind(sbVertical);
    bar_->SetHeight(track + 2 * GetSystemMetrics(SM_CXVSCROLL));
  }
  Integer ArrowLength() const { return GetSystemMetrics(SM_CXVSCROLL); }
  const TRect& Thumb() const { return bar_->ViewInfo()->ThumbRect(); }
  TPoint Centre(const TRect& r) const { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

  fakes::TFakeThemeProvider fake_;
  fakes::ScopedThemeProvider provider_{&fake_};
  ScopedUnits units_{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit, kdOffice11Unit, kxLookAndFeelsUnit,
                     kxLookAndFeelPaintersUnit, kxControlsUnit};
  TForm* form_ = nullptr;
  RecordingScrollBar* bar_ = nullptr;
  int changes_ = 0;
  std::vector<TScrollCode> codes_;
};

TEST_F(ScrollBarTest, ANewBarAndItsKind) {
  TkxScrollBar fresh(nullptr);
  EXPECT_EQ(fresh.Width(), 121);
  EXPECT_EQ(fresh.Height(), GetSystemMetrics(SM_CYHSCROLL));
  EXPECT_EQ(fresh.Min(), 0);
  EXPECT_EQ(fresh.Max(), 100);
  EXPECT_EQ(fresh.PageSize(), 0);
  EXPECT_EQ(fresh.Position(), 0);
  fresh.SetHeight(17);
  fresh.SetKind(sbVertical);
  EXPECT_EQ(fresh.Width(), 17);
  EXPECT_EQ(fresh.Height(), 121);
  EXPECT_EQ(fresh.ViewInfo()->StartArrowRect(), (TRect{0, 0, 17, ArrowLength()}));
  EXPECT_EQ(fresh.ViewInfo()->EndArrowRect(), (TRect{0, 121 - ArrowLength(), 17, 121}));
}

TEST_F(ScrollBarTest, ABarShorterThanTwoArrowsSplitsEvenlyWithoutThumb) {
  bar_->SetWidth(20);
  EXPECT_EQ(bar_->ViewInfo()->StartArrowRect(), (TRect{0, 0, 10, bar_->Height()}));
  EXPECT_EQ(bar_->ViewInfo()->EndArrowRect(), (TRect{10, 0, 20, bar_->Height()}));
  EXPECT_FALSE(bar_->ViewInfo()->HasThumb());
  EXPECT_EQ(bar_->HitTestPart({15, 5}), sbeEndArrow);
}

// Thumb start and length along a vertical bar with a 200-pixel track, from the track's start.
TEST_F(ScrollBarTest, ThumbTable) {
  struct Case {
    const char* name;
    Integer min, max, page, position;
    Integer offset, length;   // -1: no thumb
  };
  const Integer vthumb = GetSystemMetrics(SM_CYVTHUMB);
  const Case cases[] = {
      {"page at the start", 0, 99, 10, 0, 0, 20},
      {"page touching the end arrow", 0, 99, 10, 90, 180, 20},
      {"page past the last page", 0, 99, 10, 99, 180, 20},
      {"no page, middle", 0, 100, 0, 50, (201 - vthumb) / 2, vthumb},
      {"no page, end", 0, 100, 0, 100, 200 - vthumb, vthumb},
      // A page covering the whole range: the thumb fills the track and stays on it.
      {"page covers the range", 1, 10, 10, 5, 0, 200},
      {"Max = Min with a page", 5, 5, 1, 5, -1, -1},
      {"Max = Min without a page", 5, 5, 0, 5, 0, vthumb},
      // The full Integer range: offsets computed without wrapping.
      {"full range, middle", INT_MIN, INT_MAX, 0, 0, (201 - vthumb) / 2, vthumb},
      {"full range, end", INT_MIN, INT_MAX, 0, INT_MAX, 200 - vthumb, vthumb},
      {"full range with a page, end", INT_MIN, INT_MAX, INT_MAX, INT_MAX, 100, 100},
  };
  MakeVertical(200);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bar_->SetScrollParams(c.min, c.max, c.position, c.page, true);
    if (c.length < 0) {
      EXPECT_FALSE(bar_->ViewInfo()->HasThumb());
      continue;
    }
    EXPECT_EQ(Thumb().Top - ArrowLength(), c.offset);
    EXPECT_EQ(Thumb().Height(), c.length);
    EXPECT_EQ(bar_->ViewInfo()->PageBeforeRect().Bottom, Thumb().Top);
    EXPECT_EQ(bar_->ViewInfo()->PageAfterRect().Top, Thumb().Bottom);
    EXPECT_LE(Thumb().Bottom, bar_->ViewInfo()->EndArrowRect().Top);
  }
}

TEST_F(ScrollBarTest, ADisabledBarIsOnePageAreaAndTwoDisabledArrows) {
  bar_->SetPageSize(10);
  bar_->SetEnabled(false);
  EXPECT_FALSE(bar_->ViewInfo()->HasThumb());
  bar_->painted.clear();
  bar_->Repaint();
  EXPECT_EQ(bar_->painted, (std::vector<std::string>{"4:1", "1:4", "2:4"}));
}

TEST_F(ScrollBarTest, ValuesOutOfRangeAreRefusedAndPositionsClamped) {
  bar_->SetPosition(30);
  changes_ = 0;
  EXPECT_THROW(bar_->SetMax(-1), EInvalidOperation);
  EXPECT_THROW(bar_->SetPageSize(101), EInvalidOperation);
  EXPECT_THROW(bar_->SetMin(101), EInvalidOperation);
  EXPECT_EQ(bar_->Min(), 0);
  EXPECT_EQ(bar_->Max(), 100);
  EXPECT_EQ(bar_->PageSize(), 0);
  EXPECT_EQ(bar_->Position(), 30);
  EXPECT_EQ(changes_, 0);
  try {
    bar_->SetMax(-1);
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Scrollbar property out of range");
  }
  bar_->SetPosition(150);
  EXPECT_EQ(bar_->Position(), 100);
  EXPECT_EQ(changes_, 1);
  bar_->SetPosition(100);
  EXPECT_EQ(changes_, 1);
}

TEST_F(ScrollBarTest, APositionChangedByOnScrollIsClamped) {
  bar_->OnScroll = [](TObject*, TScrollCode, Integer& position) { position = 1000; };
  bar_->ApplyScrollCode(scLineDown);
  EXPECT_EQ(bar_->Position(), 100);
  bar_->OnScroll = [](TObject*, TScrollCode, Integer& position) { position = -5; };
  bar_->ApplyScrollCode(scPageDown);
  EXPECT_EQ(bar_->Position(), 0);
  EXPECT_EQ(changes_, 2);
}

// Steps near the Integer limits stay at the limit instead of wrapping to the other end.
TEST_F(ScrollBarTest, StepsAtTheIntegerLimitsStayThere) {
  struct Case {
    Integer min, max, position;
    TScrollCode code;
    Integer expected;
  };
  const Case cases[] = {
      {0, INT_MAX, INT_MAX, scLineDown, INT_MAX},
      {0, INT_MAX, INT_MAX - 1, scPageDown, INT_MAX},
      {INT_MIN, 0, INT_MIN, scLineUp, INT_MIN},
      {INT_MIN, 0, INT_MIN + 1, scPageUp, INT_MIN},
      {INT_MIN, INT_MAX, 0, scBottom, INT_MAX},
  };
  bar_->SetLargeChange(5);
  for (const Case& c : cases) {
    bar_->SetScrollParams(c.min, c.max, c.position, 0, true);
    bar_->ApplyScrollCode(c.code);
    EXPECT_EQ(bar_->Position(), c.expected) << c.code;
  }
}

// A thumb that fills its track: a click on it changes nothing and fires no OnChange.
TEST_F(ScrollBarTest, AClickOnAThumbThatFillsItsTrackChangesNothing) {
  struct Case {
    Integer min, max, page, position, track;
  };
  const Case cases[] = {{1, 10, 10, 1, 200}, {0, 100, 0, 37, GetSystemMetrics(SM_CYVTHUMB)}};
  for (const Case& c : cases) {
    MakeVertical(c.track);
    bar_->SetScrollParams(c.min, c.max, c.position, c.page, true);
    EXPECT_EQ(Thumb().Top, ArrowLength());
    changes_ = 0;
    driver_->ClickAt(bar_, Centre(Thumb()));
    EXPECT_EQ(bar_->Position(), c.position);
    EXPECT_EQ(changes_, 0);
    EXPECT_EQ(Thumb().Top, ArrowLength());
  }
}

TEST_F(ScrollBarTest, AnArrowHeldDownRepeatsAndPausesOffTheArrow) {
  const TRect end = bar_->ViewInfo()->EndArrowRect();
  driver_->PressMouse(bar_, Centre(end));
  EXPECT_EQ(bar_->Position(), 1);   // at once
  EXPECT_EQ(bar_->GetPartState(sbeEndArrow), kxbsPressed);
  Elapse(399);
  EXPECT_EQ(bar_->Position(), 1);
  Elapse(1);
  EXPECT_EQ(bar_->Position(), 2);   // 400 ms
  Elapse(60);
  EXPECT_EQ(bar_->Position(), 3);   // 460 ms
  Elapse(60);
  EXPECT_EQ(bar_->Position(), 4);   // 520 ms
  driver_->MoveMouseTo(bar_, {60, 5});
  EXPECT_EQ(bar_->GetPartState(sbeEndArrow), kxbsNormal);
  Elapse(300);
  EXPECT_EQ(bar_->Position(), 4);
  driver_->MoveMouseTo(bar_, Centre(end));
  Elapse(60);
  EXPECT_EQ(bar_->Position(), 5);
  driver_->ReleaseMouse();
  Elapse(300);
  EXPECT_EQ(bar_->Position(), 5);
  EXPECT_EQ(bar_->PressedPart(), sbeNone);
  EXPECT_EQ(codes_.back(), scEndScroll);
}

TEST_F(ScrollBarTest, AThumbDraggedFarAcrossSnapsBackUnlessTrackingIsUnlimited) {
  for (bool unlimited : {false, true}) {
    SCOPED_TRACE(unlimited);
    bar_->SetScrollParams(0, 100, 0, 0, true);
    bar_->SetUnlimitedTracking(unlimited);
    const TPoint down = Centre(Thumb());
    driver_->PressMouse(bar_, down);
    driver_->MoveMouseTo(bar_, {down.X + 40, down.Y});
    const Integer dragged = bar_->Position();
    EXPECT_GT(dragged, 0);
    driver_->MoveMouseTo(bar_, {down.X + 40, down.Y + 200});
    EXPECT_EQ(bar_->Position(), unlimited ? dragged : 0);
    driver_->ReleaseMouse();
  }
}

TEST_F(ScrollBarTest, ADragAlongEndsWithPositionThenEndScroll) {
  const TPoint down = Centre(Thumb());
  driver_->PressMouse(bar_, down);
  driver_->MoveMouseTo(bar_, {down.X + 30, down.Y});
  EXPECT_EQ(changes_, 0);   // tracking stores Position without OnChange
  const Integer tracked = bar_->Position();
  EXPECT_GT(tracked, 0);
  codes_.clear();
  driver_->ReleaseMouse();
  EXPECT_EQ(codes_, (std::vector<TScrollCode>{scPosition, scEndScroll}));
  EXPECT_EQ(bar_->Position(), tracked);
}

// Pointer over the end arrow, then the thumb, with nothing pressed: which parts look hot.
TEST_F(ScrollBarTest, PartStatesOfTheStandardAndUltraFlatPainters) {
  struct Case {
    TkxLookAndFeelKind kind;
    TkxButtonState arrowHot, thumbHot;
  };
  const Case cases[] = {{lfStandard, kxbsHot, kxbsNormal}, {lfUltraFlat, kxbsHot, kxbsHot}};
  for (const Case& c : cases) {
    bar_->LookAndFeel()->SetKind(c.kind);
    driver_->MoveMouseTo(bar_, Centre(bar_->ViewInfo()->EndArrowRect()));
    EXPECT_EQ(bar_->GetPartState(sbeEndArrow), c.arrowHot);
    EXPECT_EQ(bar_->GetPartState(sbeStartArrow), kxbsNormal);
    driver_->MoveMouseTo(bar_, Centre(Thumb()));
    EXPECT_EQ(bar_->GetPartState(sbeThumb), c.thumbHot);
    driver_->MoveMouseTo(form_, {300, 300});
  }
  EXPECT_EQ(bar_->HotPart(), sbeNone);
}

TEST_F(ScrollBarTest, AThemeChangeReadsTheShortestThumbAgain) {
  bar_->LookAndFeel()->SetNativeStyle(true);
  EXPECT_EQ(bar_->ViewInfo()->MinThumbLength(), 8);
  fake_.partSizes["ScrollBar 8 1 min"] = {5, 20};
  fake_.partSizes["ScrollBar 9 1 min"] = {30, 5};
  SendMessageA(HWND_BROADCAST, WM_THEMECHANGED, 0, 0);
  EXPECT_EQ(bar_->ViewInfo()->MinThumbLength(), 30);   // horizontal: the gripper's width
  bar_->SetPageSize(1);
  EXPECT_EQ(Thumb().Width(), 30);
}

}  // namespace
