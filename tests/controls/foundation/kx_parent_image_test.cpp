// Painting what lies behind a control: the parent's image with and without its windowed children
// below the control, csPaintCopy while it paints (also when its painting raises), and the parent's
// themed background through each theme provider.
#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/foundation/kd_ux_theme.h"
#include "controls/foundation/kx_canvas.h"
#include "controls/foundation/kx_parent_image.h"
#include "tests/support/shims/fake_theme_provider.h"
#include "foundation_test_support.h"
#include "platform/shims/builtin_theme_provider.h"
#include "platform/ui/custom_control.h"
#include "platform/ui/panel.h"
#include "tests/support/gdi/test_canvas.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace {

using fakes::CallLog;

// A control that fills its client area with its colour and notes whether it painted as a copy;
// it can be told to raise while painting.
class Probe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  bool paintedAsCopy = false;
  bool raise = false;

 protected:
  void Paint() override {
    paintedAsCopy = ControlState().Contains(csPaintCopy);
    if (raise) throw std::runtime_error("paint failed");
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(ClientRect());
  }
};

// A red probe holding a lime panel at (10, 10, 30, 30) and, above it, the child painted over,
// which covers the whole probe.
class ParentImageTest : public uitest::UiTest {
 protected:
  ParentImageTest() {
    form_ = NewForm("Host", false);
    form_->SetClientWidth(100);
    form_->SetClientHeight(100);
    parent_ = Place(new Probe(form_), form_, {20, 20, 60, 60});
    parent_->SetColor(clRed);
    sibling_ = Place(new TPanel(form_), parent_, {10, 10, 20, 20});
    sibling_->SetColor(clLime);
    sibling_->SetBevelOuter(bvNone);
    child_ = Place(new Probe(form_), parent_, {0, 0, 60, 60});
    form_->Show();
    driver_->Settle();
    canvas_.SetHandle(surface_.dc());
  }
  ~ParentImageTest() override { canvas_.SetHandle(nullptr); }

  template <class C>
  static C* Place(C* control, TWinControl* parent, TRect bounds) {
    control->SetParent(parent);
    control->SetBounds(bounds.Left, bounds.Top, bounds.Right, bounds.Bottom);
    return control;
  }

  TForm* form_ = nullptr;
  Probe* parent_ = nullptr;
  TPanel* sibling_ = nullptr;
  Probe* child_ = nullptr;
  TestCanvas surface_{60, 60};
  TCanvas canvas_;
  TkxCanvas kx_{&canvas_};
};

TEST_F(ParentImageTest, TheParentAndTheWindowedSiblingsBelowShowThrough) {
  DrawParentImage(child_, &kx_, {0, 0, 60, 60}, true);
  EXPECT_EQ(surface_.At(5, 5), kRed);
  EXPECT_EQ(surface_.At(20, 20), kGreen);   // clLime
  EXPECT_EQ(surface_.At(45, 45), kRed);
  surface_.Clear(kWhite);
  DrawParentImage(child_, &kx_, {0, 0, 60, 60}, false);
  EXPECT_EQ(surface_.At(20, 20), kRed);
  EXPECT_EQ(kx_.GetWindowOrg(), (TPoint{0, 0}));
}

TEST_F(ParentImageTest, SiblingsAboveTheControlAreLeftOut) {
  sibling_->SetParent(nullptr);   // back in as the top child, above the control
  sibling_->SetParent(parent_);
  DrawParentImage(child_, &kx_, {0, 0, 60, 60}, true);
  EXPECT_EQ(surface_.At(20, 20), kRed);
}

TEST_F(ParentImageTest, ThePartUnderTheRectangleLandsAtTheCanvasCorner) {
  DrawParentImage(child_, &kx_, {10, 10, 30, 30}, true);
  EXPECT_EQ(surface_.At(0, 0), kGreen);
  EXPECT_EQ(surface_.At(19, 19), kGreen);
}

TEST_F(ParentImageTest, ThePaintedControlIsACopyWhilePaintingAndNotAfterEvenWhenItRaises) {
  DrawParentImage(child_, &kx_, {0, 0, 60, 60}, false);
  EXPECT_TRUE(parent_->paintedAsCopy);
  EXPECT_FALSE(parent_->ControlState().Contains(csPaintCopy));

  parent_->raise = true;
  parent_->paintedAsCopy = false;
  EXPECT_THROW(DrawParentImage(child_, &kx_, {0, 0, 60, 60}, false), std::runtime_error);
  EXPECT_TRUE(parent_->paintedAsCopy);
  EXPECT_FALSE(parent_->ControlState().Contains(csPaintCopy));
  EXPECT_EQ(kx_.GetWindowOrg(), (TPoint{0, 0}));
  EXPECT_EQ(canvas_.LockCount(), 0);
}

TEST_F(ParentImageTest, AControlWithoutAParentPaintsNothing) {
  Probe orphan(nullptr);
  DrawParentImage(&orphan, &kx_, {0, 0, 60, 60}, true);
  EXPECT_EQ(surface_.Count(kWhite), 3600);
}

TEST_F(ParentImageTest, TheThemedBackgroundIsAskedOnlyOfABoundLibrary) {
  {
    // "none": nothing is bound, so the parent's image is painted.
    foundationtest::ScopedUnits units({kdUxTheme::kdUxThemeUnit});
    PaintParentBackground(child_, &kx_, {0, 0, 60, 60});
    EXPECT_EQ(surface_.At(5, 5), kRed);
    EXPECT_EQ(surface_.At(20, 20), kRed);   // no siblings this way
  }
  {
    fakes::TFakeThemeProvider fake;
    fakes::ScopedThemeProvider provider(&fake);
    foundationtest::ScopedUnits units({kdUxTheme::kdUxThemeUnit});
    CallLog().clear();
    PaintParentBackground(child_, &kx_, {0, 0, 60, 60});
    EXPECT_EQ(fakes::LogLines("DrawThemeParentBackground"), std::vector<std::string>{"DrawThemeParentBackground"});
    // A double-buffered parent is painted as an image instead.
    CallLog().clear();
    parent_->SetDoubleBuffered(true);
    PaintParentBackground(child_, &kx_, {0, 0, 60, 60});
    EXPECT_TRUE(fakes::LogLines("DrawThemeParentBackground").empty());
  }
  {
    // The built-in provider paints the parent's background and client under the rectangle.
    parent_->SetDoubleBuffered(false);
    fakes::ScopedThemeProvider provider(&BuiltInThemeProvider());
    foundationtest::ScopedUnits units({kdUxTheme::kdUxThemeUnit});
    surface_.Clear(kWhite);
    PaintParentBackground(child_, &kx_, {0, 0, 30, 60});
    EXPECT_EQ(surface_.At(5, 5), kRed);
    EXPECT_EQ(surface_.At(29, 59), kRed);
    EXPECT_EQ(surface_.At(30, 5), kWhite);
  }
}

}  // namespace
