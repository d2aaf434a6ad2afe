// TkxContainer with an inner control that follows the protocol: focus passing both ways, keys
// relayed, Tab, clicks into the inner control, what a refresh invalidates, the inner control's
// place and look, the state table, hot tracking on the fake clock, colours, the shadow's region,
// the cursor over the border, the first refresh, and the clipping of windowed children.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/foundation/kd_office11.h"
#include "controls/foundation/kd_theme_manager.h"
#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_container.h"
#include "controls/foundation/kx_control_scroll_bar.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_look_and_feel.h"
#include "controls/foundation/kx_painter_resources.h"
#include "foundation_test_support.h"
#include "platform/gdi/gdi_constants.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/region.h"
#include "platform/ui/cursors.h"
#include "platform/ui/edit.h"
#include "platform/ui/panel.h"
#include "platform/ui/screen.h"
#include "platform/user/cursor.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/non_client.h"
#include "platform/user/painting.h"
#include "platform/user/scroll_bar.h"
#include "platform/user/window_styles.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_region.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;
using Lines = std::vector<std::string>;

// An inner control: it offers its messages to its container first and logs the keys it gets,
// answering each with 40 + its kind.
class InnerControl : public TCustomControl, public IkxContainerInnerControl {
 public:
  InnerControl(TkxContainer* container, Lines& log) : TCustomControl(container), container_(container), log_(log) {
    SetTabStop(true);
  }
  TWinControl* GetInnerControlOwnControl() override { return this; }
  TkxContainer* GetInnerControlContainer() override { return container_; }
  void WndProc(TMessage& Message) override {
    if (container_->HandleInnerControlKeyMessage(Message)) return;
    static const struct {
      UINT msg;
      const char* name;
    } kKeys[] = {{WM_KEYDOWN, "WM_KEYDOWN"}, {WM_CHAR, "WM_CHAR"}, {CN_KEYDOWN, "CN_KEYDOWN"}};
    for (const auto& k : kKeys)
      if (Message.Msg == k.msg) {
        log_.push_back(std::string(k.name) + " " + std::to_string(Message.WParam));
        Message.Result = 40 + LRESULT(&k - kKeys);
        return;
      }
    TCustomControl::WndProc(Message);
  }

 private:
  TkxContainer* container_;
  Lines& log_;
};

class TestContainer : public TkxContainer {
 public:
  using TkxContainer::TkxContainer;
  bool TabKeyMovesFocus() override { return tabMovesFocus; }
  void ContainerStyleChanged(TObject* Sender) override {
    ++styleChanges;
    TkxContainer::ContainerStyleChanged(Sender);
  }
  void PressKey(Word& Key, TShiftState Shift) { KeyDown(Key, Shift); }
  void Align(TControl* Control, TRect R) { AlignControls(Control, R); }

  bool tabMovesFocus = true;
  int styleChanges = 0;
};

class ContainerTest : public uitest::UiTest {
 protected:
  ContainerTest() {
    form_ = NewForm("Host");
    form_->SetClientWidth(300);
    form_->SetClientHeight(200);
    before_ = AddEdit("Before", 10);
    container_ = new TestContainer(form_);
    container_->SetName("Box");
    container_->SetBounds(10, 40, 120, 40);
    container_->SetParent(form_);
    after_ = AddEdit("After", 100);
    driver_->Settle();
  }
  // The form goes before the units stop: a hot container is still tracking the mouse.
  ~ContainerTest() override { delete form_; }
  TEdit* AddEdit(const char* name, Integer top) {
    auto* edit = new TEdit(form_);
    edit->SetName(name);
    edit->SetBounds(150, top, 80, 20);
    edit->SetParent(form_);
    return edit;
  }
  InnerControl* AddInner() {
    inner_ = new InnerControl(container_, log_);
    inner_->SetParent(container_);
    container_->SetInnerControl(inner_);
    driver_->Settle();
    container_->RefreshStateFromCursor(false);
    return inner_;
  }
  HWND Focus() const { return GetFocus(); }
  // The container's pending update region, tested at a point.
  bool NeedsPaintAt(TPoint p) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    GetUpdateRgn(container_->Handle(), region, FALSE);
    const bool inside = PtInRegion(region, p.X, p.Y) != FALSE;
    DeleteObject(region);
    return inside;
  }

  ScopedUnits units_{kdUxTheme::kdUxThemeUnit, kdThemeManagerUnit,        kdOffice11Unit, kxLookAndFeelsUnit,
                     kxLookAndFeelPaintersUnit, kxControlsUnit, kxContainerUnit};
  TForm* form_ = nullptr;
  TEdit* before_ = nullptr;
  TEdit* after_ = nullptr;
  TestContainer* container_ = nullptr;
  InnerControl* inner_ = nullptr;
  Lines log_;
};

TEST_F(ContainerTest, FocusPassesToTheInnerControlAndBackWithoutLoops) {
  AddInner();
  container_->SetFocus();
  EXPECT_EQ(Focus(), inner_->Handle());
  EXPECT_TRUE(container_->Focused());
  EXPECT_FALSE(container_->MayFocus());

  before_->SetFocus();
  EXPECT_FALSE(container_->Focused());
  ::SetFocus(container_->Handle());   // from elsewhere: passed on to the inner control
  EXPECT_EQ(Focus(), inner_->Handle());
  ::SetFocus(container_->Handle());   // handed back by the inner control: swallowed, no bounce
  EXPECT_EQ(Focus(), container_->Handle());
  EXPECT_TRUE(container_->Focused());
  driver_->Settle();
}

TEST_F(ContainerTest, KeysReachTheInnerControlAndItsAnswerComesBack) {
  AddInner();
  const struct {
    UINT msg;
    LRESULT result;
    const char* line;
  } cases[] = {{WM_KEYDOWN, 40, "WM_KEYDOWN 65"}, {WM_CHAR, 41, "WM_CHAR 65"}, {CN_KEYDOWN, 42, "CN_KEYDOWN 65"}};
  for (const auto& c : cases) {
    EXPECT_EQ(container_->Perform(c.msg, 'A', 0), c.result) << c.line;
    EXPECT_EQ(log_, Lines{c.line});
    log_.clear();
  }
  container_->SetInnerControl(nullptr);
  container_->Perform(WM_KEYDOWN, 'A', 0);
  EXPECT_TRUE(log_.empty()) << "without an inner control the container keeps its keys";
}

TEST_F(ContainerTest, TabMovesTheFocusOnlyWhenItShould) {
  AddInner();
  const struct {
    const char* what;
    TShiftState shift;
    bool movesFocus;
    int target;   // 0 stays, 1 After, -1 Before
  } cases[] = {
      {"Tab", {}, true, 1},         {"Shift+Tab", {ssShift}, true, -1},
      {"Tab kept", {}, false, 0},   {"Ctrl+Tab", {ssCtrl}, true, 0},
      {"Alt+Tab", {ssAlt}, true, 0},
  };
  for (const auto& c : cases) {
    container_->SetFocus();
    ASSERT_EQ(Focus(), inner_->Handle()) << c.what;
    container_->tabMovesFocus = c.movesFocus;
    Word key = VK_TAB;
    container_->PressKey(key, c.shift);
    const HWND expected = c.target == 0 ? inner_->Handle() : c.target > 0 ? after_->Handle() : before_->Handle();
    EXPECT_EQ(Focus(), expected) << c.what;
    EXPECT_EQ(key, c.target == 0 ? VK_TAB : 0) << c.what;
  }
}

TEST_F(ContainerTest, AClickIntoTheInnerControlDoesNotFocusTheContainer) {
  AddInner();
  EXPECT_TRUE(container_->CanFocusOnClick());
  container_->SetInnerMouseDown(true);
  EXPECT_FALSE(container_->CanFocusOnClick()) << "while the inner control passes its press on";
  container_->SetInnerMouseDown(false);
  inner_->SetFocus();
  EXPECT_FALSE(container_->CanFocusOnClick()) << "while the inner control has the focus";
}

TEST_F(ContainerTest, ARefreshInvalidatesTheBorderStripsOrTheWholeControl) {
  for (bool withInner : {false, true}) {
    if (withInner) AddInner();
    driver_->Settle();
    ASSERT_FALSE(NeedsPaintAt(TPoint{60, 20}));
    container_->RefreshContainer(TPoint{-1, -1}, 0, {}, false);
    const TRect border = container_->ViewInfo()->BorderRect;
    EXPECT_TRUE(NeedsPaintAt(TPoint{0, 0}));
    EXPECT_TRUE(NeedsPaintAt(TPoint{border.Right, 20}));
    EXPECT_EQ(NeedsPaintAt(TPoint{60, 20}), !withInner) << (withInner ? "with" : "without") << " an inner control";
  }
}

TEST_F(ContainerTest, TheInnerControlSitsOnTheClientRectangleInTheStylesLook) {
  container_->GetStyle()->SetBorderStyle(cbsThick);
  container_->GetStyle()->SetTransparentBorder(false);
  container_->GetStyle()->SetColor(clYellow);
  container_->GetStyle()->SetTextColor(clRed);
  AddInner();
  EXPECT_EQ(container_->ViewInfo()->ClientRect, (TRect{2, 2, 118, 38}));
  EXPECT_EQ(inner_->BoundsRect(), container_->ViewInfo()->ClientRect);
  EXPECT_EQ(inner_->Color(), clYellow);
  EXPECT_EQ(inner_->Font()->Color(), clRed);
  EXPECT_EQ(container_->GetContentBounds(), container_->ViewInfo()->ClientRect);
}

TEST_F(ContainerTest, StateTable) {
  const struct {
    const char* what;
    bool enabled, designing, focused, hotTrack;
    TPoint p;
    TShiftState shift;
    TkxContainerStateFlags state;
    Byte style;
  } cases[] = {
      {"disabled", false, false, false, true, {5, 5}, {}, {cstDisabled}, kxStyleDisabled},
      {"designing", true, true, true, true, {5, 5}, {}, {cstNormal}, kxStyleNormal},
      {"focused", true, false, true, true, {-1, -1}, {}, {cstFocused}, kxStyleFocused},
      {"focused and hot", true, false, true, true, {5, 5}, {}, {cstFocused, cstHot}, kxStyleFocused},
      {"hot", true, false, false, true, {5, 5}, {}, {cstNormal, cstHot}, kxStyleHot},
      {"hot with a key held", true, false, false, true, {5, 5}, {ssShift}, {cstNormal}, kxStyleNormal},
      {"no hot tracking", true, false, false, false, {5, 5}, {}, {cstNormal}, kxStyleNormal},
      {"outside", true, false, false, true, {-1, -1}, {}, {cstNormal}, kxStyleNormal},
  };
  for (const auto& c : cases) {
    container_->SetEnabled(c.enabled);
    container_->SetDesigning(c.designing, false);
    container_->GetStyle()->SetHotTrack(c.hotTrack);
    (c.focused ? static_cast<TWinControl*>(container_) : static_cast<TWinControl*>(before_))->SetFocus();
    container_->RefreshContainer(c.p, 0, c.shift, true);
    EXPECT_EQ(container_->ViewInfo()->ContainerState, c.state) << c.what;
    EXPECT_EQ(container_->GetActiveStyle(), container_->Styles()->GetStyleOfState(c.style)) << c.what;
    container_->SetDesigning(false, false);
    container_->SetEnabled(true);
  }
}

TEST_F(ContainerTest, TheHotStateEndsWhenTheCursorLeaves) {
  driver_->MoveMouseTo(container_, TPoint{20, 20});
  driver_->Settle();
  EXPECT_TRUE(container_->ViewInfo()->ContainerState.Contains(cstHot));
  EXPECT_EQ(container_->GetActiveStyle(), container_->GetStyleHot());
  driver_->MoveMouseTo(form_, TPoint{250, 180});
  clock_.Advance(20);   // the tracker polls every 10 ms
  driver_->Settle();
  EXPECT_FALSE(container_->ViewInfo()->ContainerState.Contains(cstHot));
  EXPECT_EQ(container_->GetActiveStyle(), container_->GetStyle());
}

TEST_F(ContainerTest, ColorFromOutsideLandsInTheNormalStyleOnce) {
  container_->styleChanges = 0;
  container_->SetColor(clRed);
  EXPECT_EQ(container_->styleChanges, 1);
  EXPECT_EQ(container_->GetStyle()->GetColor(), clRed);
  EXPECT_TRUE(container_->GetStyle()->IsValueAssigned(csvColor));
  EXPECT_EQ(container_->Color(), clRed);
  EXPECT_EQ(container_->ViewInfo()->BackgroundColor, clRed);
}

TEST_F(ContainerTest, ParentColorWithoutAnAssignedColorGivesTheParentsColour) {
  form_->SetColor(clYellow);
  container_->SetParentColor(true);
  EXPECT_FALSE(container_->GetStyle()->IsValueAssigned(csvColor));
  EXPECT_EQ(container_->GetStyle()->GetColor(), clYellow);
  EXPECT_EQ(container_->Color(), clYellow);
}

TEST_F(ContainerTest, AShadowWidensTheExtentAndTheWindowRegion) {
  container_->GetStyle()->SetBorderStyle(cbsSingle);
  container_->GetStyle()->SetTransparentBorder(false);
  container_->GetStyle()->SetShadow(true);
  driver_->Settle();
  EXPECT_EQ(container_->GetBorderExtent(), (TRect{1, 1, 4, 4}));
  EXPECT_EQ(container_->GetVisibleBounds(), (TRect{0, 0, 117, 37}));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(container_->Handle(), region), ERROR);
  EXPECT_TRUE(PtInRegion(region, 119, 39)) << "the shadow's corner";
  EXPECT_FALSE(PtInRegion(region, 119, 1)) << "beside the shadow";
  EXPECT_FALSE(PtInRegion(region, 1, 39));
  DeleteObject(region);
}

TEST_F(ContainerTest, TheArrowCursorShowsOverTheBorderOfAContainerWithAnInnerControl) {
  container_->SetCursor(crIBeam);
  for (bool withInner : {false, true}) {
    if (withInner) AddInner();
    driver_->MoveMouseTo(container_, TPoint{0, 0});
    const LRESULT result =
        SendMessageA(container_->Handle(), WM_SETCURSOR, WPARAM(container_->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(GetCursor(), Screen->Cursors(withInner ? crArrow : crIBeam)) << withInner;
  }
  container_->SetCursor(crCross);
  EXPECT_EQ(inner_->Cursor(), crCross) << "the inner control takes the cursor";
}

TEST_F(ContainerTest, TheFirstRefreshIsPostedOnceTheWindowExists) {
  auto* fresh = new TestContainer(form_);
  fresh->SetBounds(10, 100, 50, 20);
  fresh->SetParent(form_);
  fresh->HandleNeeded();
  MSG msg{};
  EXPECT_TRUE(PeekMessageA(&msg, fresh->Handle(), KXM_CONTAINERREFRESH, KXM_CONTAINERREFRESH, PM_NOREMOVE));
  driver_->Settle();
  EXPECT_EQ(fresh->ViewInfo()->Bounds, (TRect{0, 0, 50, 20}));
}

TEST_F(ContainerTest, InnerClipTable) {
  AddInner();
  const TRect r{10, 10, 50, 30};
  const struct {
    TRect bounds;
    TkxInnerControlClip clip;
  } cases[] = {
      {{10, 10, 50, 30}, {}},
      {{20, 15, 40, 25}, {}},
      {{5, 10, 50, 30}, {false, {5, 0, 45, 20}}},
      {{10, 5, 50, 30}, {false, {0, 5, 40, 25}}},
      {{10, 10, 60, 35}, {false, {0, 0, 40, 20}}},
      {{0, 0, 60, 40}, {false, {10, 10, 50, 30}}},
  };
  for (const auto& c : cases) {
    inner_->SetBounds(c.bounds.Left, c.bounds.Top, c.bounds.Width(), c.bounds.Height());
    const TkxInnerControlClip clip = container_->CalcInnerControlBounds(r, inner_);
    EXPECT_EQ(clip.Empty, c.clip.Empty);
    EXPECT_EQ(clip.Rect, c.clip.Rect);
  }
}

TEST_F(ContainerTest, AnotherWindowedChildsClipDoesNotStandForTheInnerControls) {
  AddInner();
  auto* bar = new TPanel(container_);
  bar->SetBounds(20, 20, 10, 10);
  bar->SetParent(container_);
  driver_->Settle();
  container_->LockChildAlignment(true);   // only the calls below align
  inner_->SetBounds(0, 0, 100, 30);
  container_->LockChildAlignment(false);
  HRGN region = CreateRectRgn(0, 0, 0, 0);

  container_->Align(inner_, TRect{0, 0, 50, 30});   // clipped
  EXPECT_NE(GetWindowRgn(inner_->Handle(), region), ERROR);
  container_->Align(bar, TRect{0, 0, 50, 30});      // the bar lies inside: unclipped
  EXPECT_EQ(GetWindowRgn(bar->Handle(), region), ERROR);
  container_->Align(inner_, TRect{0, 0, 100, 30});  // the inner control unclipped again
  EXPECT_EQ(GetWindowRgn(inner_->Handle(), region), ERROR) << "no stale region left on the inner control";
  EXPECT_TRUE(container_->LastInnerClip().Empty);
  DeleteObject(region);
}


// An inner control with both standard bars; it counts the WM_NCPAINT it is sent.
class ScrollingInner : public InnerControl {
 public:
  using InnerControl::InnerControl;
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_NCPAINT) ++ncPaints;
    InnerControl::WndProc(Message);
  }
  void SetBar(int bar, int min, int max, UINT page, int pos) {
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
    SetScrollInfo(Handle(), bar, &si, TRUE);
  }
  int ncPaints = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    InnerControl::CreateParams(Params);
    Params.Style |= WS_HSCROLL | WS_VSCROLL;
  }
};

class ScrollingContainer : public TestContainer {
 public:
  using TestContainer::TestContainer;
  bool NeedsScrollBars() override { return true; }
};

class ContainerScrollBarTest : public ContainerTest {
 protected:
  ContainerScrollBarTest() {
    scrolling_ = new ScrollingContainer(form_);
    scrolling_->SetBounds(10, 90, 120, 80);
    scrolling_->SetParent(form_);
    inner_ = new ScrollingInner(scrolling_, log_);
    inner_->SetParent(scrolling_);
    scrolling_->SetInnerControl(inner_);
    driver_->Settle();
    inner_->SetBar(SB_HORZ, 0, 199, 50, 30);
    inner_->SetBar(SB_VERT, 10, 15, 6, 10);
    scrolling_->UpdateScrollBars(false);
  }
  TRect NativeBar(LONG object) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    GetScrollBarInfo(inner_->Handle(), object, &info);
    const TPoint topLeft = scrolling_->ScreenToClient(TPoint{info.rcScrollBar.Left, info.rcScrollBar.Top});
    return Bounds(topLeft.X, topLeft.Y, info.rcScrollBar.Width(), info.rcScrollBar.Height());
  }
  static std::vector<Integer> Values(TkxScrollBar* bar) {
    return {bar->Min(), bar->Max(), bar->PageSize(), bar->Position()};
  }

  ScrollingContainer* scrolling_ = nullptr;
  ScrollingInner* inner_ = nullptr;
};

TEST_F(ContainerScrollBarTest, OwnBarsStandOverTheNativeOnesWithTheirValues) {
  ASSERT_TRUE(scrolling_->HScrollBar()->Visible());
  ASSERT_TRUE(scrolling_->VScrollBar()->Visible());
  EXPECT_EQ(scrolling_->HScrollBar()->BoundsRect(), NativeBar(OBJID_HSCROLL));
  EXPECT_EQ(scrolling_->VScrollBar()->BoundsRect(), NativeBar(OBJID_VSCROLL));
  EXPECT_EQ(Values(scrolling_->HScrollBar()), (std::vector<Integer>{0, 199, 50, 30}));
  EXPECT_EQ(Values(scrolling_->VScrollBar()), (std::vector<Integer>{10, 15, 6, 10}));
}

TEST_F(ContainerScrollBarTest, APageAboveTheMaximumIsClampedNeverRefused) {
  inner_->SetBar(SB_VERT, 0, 5, 6, 0);
  scrolling_->UpdateScrollBars(false);
  EXPECT_EQ(Values(scrolling_->VScrollBar()), (std::vector<Integer>{0, 5, 5, 0}));
}

TEST_F(ContainerScrollBarTest, TheSizeGripCornerIsPaintedWhenItShowsOrMoves) {
  // The WM_NCPAINT an update sends (the window layer sends its own when a bar changes).
  const auto paintsOfAnUpdate = [this] {
    driver_->Settle();
    const int before = inner_->ncPaints;
    scrolling_->UpdateScrollBars(false);
    return inner_->ncPaints - before;
  };
  EXPECT_EQ(paintsOfAnUpdate(), 0) << "the same corner again";
  EXPECT_EQ(GetInnerSizeGripRect(inner_).Width(), scrolling_->VScrollBar()->Width());
  ShowScrollBar(inner_->Handle(), SB_HORZ, FALSE);
  EXPECT_EQ(paintsOfAnUpdate(), 0) << "one bar: no corner";
  ShowScrollBar(inner_->Handle(), SB_HORZ, TRUE);
  EXPECT_EQ(paintsOfAnUpdate(), 1) << "the corner shows again";
  scrolling_->SetBounds(10, 90, 140, 80);
  EXPECT_EQ(paintsOfAnUpdate(), 1) << "the corner moved";
}

TEST_F(ContainerScrollBarTest, PostUpdateScrollBarsUpdatesLater) {
  inner_->SetBar(SB_HORZ, 0, 199, 50, 80);
  scrolling_->PostUpdateScrollBars();
  EXPECT_EQ(scrolling_->HScrollBar()->Position(), 30);
  driver_->Settle();
  EXPECT_EQ(scrolling_->HScrollBar()->Position(), 80);
  ShowScrollBar(inner_->Handle(), SB_HORZ, FALSE);
  scrolling_->UpdateScrollBars(false);
  EXPECT_FALSE(scrolling_->HScrollBar()->Visible()) << "the native bar went";
}


// The fake theme provider is installed before the theme units start.
struct FakeThemeFirst {
  fakes::TFakeThemeProvider fake;
  fakes::ScopedThemeProvider provider{&fake};
};

class NativeContainerTest : private FakeThemeFirst, public ContainerTest {};

TEST_F(NativeContainerTest, NativeStyleWithABorderSetsNoWindowRegion) {
  container_->GetStyle()->SetBorderStyle(cbsSingle);
  container_->GetStyle()->LookAndFeel()->SetNativeStyle(true);
  driver_->Settle();
  container_->RefreshStateFromCursor(false);
  ASSERT_TRUE(container_->IsNativeStyle());
  EXPECT_FALSE(container_->NeedsWindowRegion());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(container_->Handle(), region), ERROR);
  container_->GetStyle()->LookAndFeel()->SetNativeStyle(false);
  container_->RefreshStateFromCursor(false);
  EXPECT_NE(GetWindowRgn(container_->Handle(), region), ERROR) << "the classic look clips to its shape";
  DeleteObject(region);
}

}  // namespace
