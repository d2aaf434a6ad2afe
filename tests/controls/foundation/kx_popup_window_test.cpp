// TkxPopupWindow: placement beside, above and below an owner rectangle inside the work area,
// fitting to the child controls, moving them back when the frame changes, the frame styles by
// pixel probes, and the work-area cut of TkxCustomPopupWindow.
#include <gtest/gtest.h>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_custom_popup_window.h"
#include "controls/foundation/kx_popup_window.h"
#include "foundation_test_support.h"
#include "platform/gdi/sys_colors.h"
#include "platform/ui/colors.h"
#include "platform/ui/panel.h"
#include "platform/ui/size_constraints.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_capture.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using foundationtest::ScopedUnits;

class PopupWindowTest : public uitest::UiTest {
 protected:
  PopupWindowTest() { user::SetWorkArea(TRect{0, 0, 1024, 768}); }
  ~PopupWindowTest() override { user::ResetSystemMetrics(); }

  TkxPopupWindow* NewPopup(Integer Width, Integer Height) {
    auto* popup = NewObject<TkxPopupWindow>(nullptr);
    popup->SetBounds(0, 0, Width, Height);
    return popup;
  }
  static TPanel* AddChild(TWinControl* Parent, const TRect& Bounds) {
    auto* panel = new TPanel(Parent);
    panel->SetBoundsRect(Bounds);
    panel->SetParent(Parent);
    return panel;
  }

  ScopedUnits units_{kxControlsUnit};
};

TEST_F(PopupWindowTest, PlacementOpensWhereThereIsRoomAndStaysInTheWorkArea) {
  struct Case {
    Byte axis, horz, vert;
    TRect owner;
    TPoint expected;
  } cases[] = {
      {1, 0, 2, {100, 100, 200, 120}, {100, 120}},   // below, left-aligned
      {1, 0, 2, {100, 700, 200, 720}, {100, 620}},   // no room below: above
      {1, 0, 2, {900, 100, 1000, 120}, {874, 120}},  // clamped to the right edge
      {1, 2, 0, {100, 100, 200, 120}, {50, 20}},     // above, right-aligned
      {1, 2, 0, {100, 30, 200, 50}, {50, 50}},       // no room above: below
      {0, 2, 2, {900, 100, 1000, 120}, {750, 40}},   // no room right: left, bottoms aligned
      {0, 2, 0, {100, 100, 200, 120}, {200, 100}},   // right, tops aligned
      {0, 0, 0, {100, 750, 200, 770}, {200, 688}},   // no room left: right; clamped up
      {1, 1, 2, {400, 100, 500, 120}, {375, 120}},   // centred across
      {0, 2, 1, {100, 100, 200, 120}, {200, 70}},    // centred along the side
  };
  TkxPopupWindow* popup = NewPopup(150, 80);
  for (const Case& c : cases) {
    popup->PlacementAxis = c.axis;
    popup->HorzPlacement = c.horz;
    popup->VertPlacement = c.vert;
    popup->OwnerRect = c.owner;
    const TPoint p = popup->ComputePopupPosition();
    EXPECT_EQ(p.X, c.expected.X) << int(c.axis) << int(c.horz) << int(c.vert) << " " << c.owner.Left;
    EXPECT_EQ(p.Y, c.expected.Y) << int(c.axis) << int(c.horz) << int(c.vert) << " " << c.owner.Top;
  }
}

TEST_F(PopupWindowTest, CentringTruncatesTowardZero) {
  user::SetWorkArea(TRect{-400, 0, 1024, 768});
  TkxPopupWindow* popup = NewPopup(150, 80);
  popup->HorzPlacement = 1;
  popup->OwnerRect = TRect{0, 100, 145, 120};  // L + R - W = -5
  EXPECT_EQ(popup->ComputePopupPosition().X, -2);
}

TEST_F(PopupWindowTest, FittingMovesTheChildrenInByTheSideSpacesOnEveryCall) {
  TkxPopupWindow* popup = NewPopup(10, 10);
  TPanel* child = AddChild(popup, TRect{0, 0, 50, 20});
  popup->SetPopupBorderStyle(3);
  popup->ContentMargin = 2;
  popup->FitSizeToControls();
  EXPECT_EQ(child->BoundsRect(), (TRect{4, 4, 54, 24}));
  EXPECT_EQ(popup->Width(), 58);
  EXPECT_EQ(popup->Height(), 28);
  popup->FitSizeToControls();
  EXPECT_EQ(child->BoundsRect(), (TRect{8, 8, 58, 28}));
  EXPECT_EQ(popup->Width(), 62);
  EXPECT_EQ(popup->Height(), 32);
  // A new frame moves the children back by the old spaces first; the next fit moves them in by the
  // new ones (the margin alone for no frame).
  popup->SetPopupBorderStyle(0);
  EXPECT_EQ(child->BoundsRect(), (TRect{4, 4, 54, 24}));
  popup->FitSizeToControls();
  EXPECT_EQ(child->BoundsRect(), (TRect{6, 6, 56, 26}));
  EXPECT_EQ(popup->Width(), 58);
  EXPECT_EQ(popup->GetInnerBounds(), (TRect{2, 2, 56, 26}));
  // Without AutoFitToControls nothing moves.
  popup->AutoFitToControls = false;
  popup->FitSizeToControls();
  EXPECT_EQ(child->BoundsRect(), (TRect{6, 6, 56, 26}));
}

TEST_F(PopupWindowTest, FrameStylesPaintTheirEdges) {
  const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW),
                 light = GetSysColor(COLOR_3DLIGHT), dark = GetSysColor(COLOR_3DDKSHADOW),
                 face = ColorToRGB(clBtnFace), line = ColorToRGB(clRed);
  struct Case {
    Byte style;
    COLORREF outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
  } cases[] = {
      {0, face, face, face, face},
      {1, line, line, face, face},
      {2, highlight, shadow, face, face},
      {3, light, dark, highlight, shadow},
  };
  for (const Case& c : cases) {
    TkxPopupWindow* popup = NewPopup(60, 40);
    popup->BorderLineColor = clRed;
    popup->SetPopupBorderStyle(c.style);
    popup->OwnerRect = TRect{200, 200, 260, 220};
    popup->OpenPopup();
    driver_->Settle();
    HWND h = popup->Handle();
    EXPECT_EQ(user::WindowPixel(h, 0, 0), c.outerTopLeft) << int(c.style);
    EXPECT_EQ(user::WindowPixel(h, 59, 39), c.outerBottomRight) << int(c.style);
    EXPECT_EQ(user::WindowPixel(h, 1, 1), c.innerTopLeft) << int(c.style);
    EXPECT_EQ(user::WindowPixel(h, 58, 38), c.innerBottomRight) << int(c.style);
    EXPECT_EQ(user::WindowPixel(h, 30, 20), face) << int(c.style);
    delete popup;
  }
}

// A custom popup that may be cut to the work area.
class AdjustablePopup : public TkxCustomPopupWindow {
 public:
  using TkxCustomPopupWindow::TkxCustomPopupWindow;
  bool CanAdjustToWorkArea() override { return adjustable; }
  bool adjustable = true;
};

TEST_F(PopupWindowTest, AdjustToWorkAreaCutsThePopupToTheWorkArea) {
  struct Case {
    TPoint p;
    Integer minHeight;
    TPoint expectedP;
    Integer width, height;
  } cases[] = {
      {{-20, -10}, 0, {0, 0}, 130, 70},    // cut left and top
      {{100, 700}, 0, {100, 700}, 150, 68},  // height limited by the bottom
      {{900, 100}, 0, {900, 100}, 124, 80},  // width limited by the right
      {{100, -10}, 80, {100, -10}, 150, 80},  // a constraint keeps the height: the bottom stays put
  };
  ScopedUnits container{kxContainerUnit};
  for (const Case& c : cases) {
    auto* popup = NewObject<AdjustablePopup>(nullptr);
    popup->SetBounds(0, 0, 150, 80);
    popup->Constraints()->SetMinHeight(c.minHeight);
    TPoint p = c.p;
    popup->AdjustToWorkArea(p);
    EXPECT_EQ(p.X, c.expectedP.X) << c.p.X << "," << c.p.Y;
    EXPECT_EQ(p.Y, c.expectedP.Y) << c.p.X << "," << c.p.Y;
    EXPECT_EQ(popup->Width(), c.width) << c.p.X << "," << c.p.Y;
    EXPECT_EQ(popup->Height(), c.height) << c.p.X << "," << c.p.Y;
    // Without CanAdjustToWorkArea nothing changes.
    popup->adjustable = false;
    TPoint q = c.p;
    popup->AdjustToWorkArea(q);
    EXPECT_EQ(q.X, c.p.X);
    delete popup;
  }
}

}  // namespace
