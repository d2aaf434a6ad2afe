// Popups on a real X display (an Xvfb server, the SDL backend, clicks and keys made with xdotool):
// a popup opened by a click on its owner stays open for half a second of real time while the
// display's focus and activation changes arrive; without FocusCapture the owner keeps the
// keyboard, with it the popup takes it.  Skips only when Xvfb cannot start.
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "controls/foundation/kx_container_routines.h"
#include "controls/foundation/kx_controls_unit.h"
#include "controls/foundation/kx_custom_popup_window.h"
#include "platform/ui/edit.h"
#include "platform/user/backend.h"
#include "platform/user/display_choice.h"
#include "platform/user/focus.h"
#include "tests/support/ui/x_display_test.h"

namespace uitest {
namespace {

class PopupDisplayTest : public XDisplayTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    StartDisplay();
    if (IsSkipped() || HasFatalFailure()) return;
    kxControlsUnit.initialize();
    kxContainerUnit.initialize();
    started_ = true;
    form_ = NewForm("PopupForm", false);
    form_->SetBounds(50, 40, 320, 220);
    edit_ = new TEdit(form_);
    edit_->SetParent(form_);
    edit_->SetBounds(20, 20, 150, 21);
    popup_ = NewObject<TkxCustomPopupWindow>(edit_);
    popup_->SetFocusCapture(GetParam());
    popup_->RunsModalLoop = false;
    popup_->OwnerHost = edit_;
    popup_->OwnerRect = TRect{0, 0, edit_->Width(), edit_->Height()};
    popup_->SetBounds(0, 0, 150, 80);
    inner_ = new TEdit(popup_);
    inner_->SetParent(popup_);
    inner_->SetBounds(0, 0, 120, 21);
    // As a drop-down editor does: a popup without FocusCapture leaves the focus with the editor.
    edit_->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, Integer, Integer) {
      popup_->ShowPopup(GetParam() ? nullptr : edit_);
    };
    form_->Show();
    ASSERT_TRUE(RunUntil([&] { return GetActiveWindow() == form_->Handle(); }));
    edit_->SetFocus();
  }
  void TearDown() override {
    delete popup_;
    if (form_ != nullptr) form_->Hide();
    if (started_) {
      kxContainerUnit.finalize();
      kxControlsUnit.finalize();
    }
    user::SetBackend(nullptr);
  }


  bool started_ = false;
  TForm* form_ = nullptr;
  TEdit* edit_ = nullptr;
  TEdit* inner_ = nullptr;
  TkxCustomPopupWindow* popup_ = nullptr;
};

TEST_P(PopupDisplayTest, APopupOpenedByAClickStaysOpenAndTheKeyboardGoesWhereFocusCaptureSays) {
  const bool capture = GetParam();
  ClickAt(edit_, TPoint{30, 10});
  const auto open = [&] { return IsVisiblePopupWindow(popup_); };
  ASSERT_TRUE(RunUntil(open)) << "the click did not open the popup";
  EXPECT_TRUE(HoldsFor(open)) << "the popup closed by itself";
  Xdotool("type x");
  TEdit* typedInto = capture ? inner_ : edit_;
  EXPECT_TRUE(RunUntil([&] { return typedInto->Text() == "x"; })) << "the key did not reach the focus";
  EXPECT_EQ(popup_->Focused(), capture);
  EXPECT_EQ(GetActiveWindow(), capture ? popup_->Handle() : form_->Handle());
  EXPECT_TRUE(open());
}

INSTANTIATE_TEST_SUITE_P(FocusCapture, PopupDisplayTest, ::testing::Bool());

}  // namespace
}  // namespace uitest
