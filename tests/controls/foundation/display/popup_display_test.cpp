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
#include "tests/support/os/xvfb_server.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kWatched = std::chrono::milliseconds(500);

class PopupDisplayTest : public UiTest, public ::testing::WithParamInterface<bool> {
 protected:
  void SetUp() override {
    if (xvfb_.Display().empty()) GTEST_SKIP() << "Xvfb could not start (is the xvfb package installed?)";
    setenv("DISPLAY", xvfb_.Display().c_str(), 1);
    unsetenv("PR_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    ASSERT_EQ(user::InstallDisplayBackend().backend, "sdl");
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

  bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = Clock::now() + std::chrono::seconds(5);
    while (!done()) {
      if (Clock::now() > deadline) return false;
      user::CurrentBackend().PumpEvents(10);
      driver_->Settle();
    }
    return true;
  }
  bool HoldsFor(const std::function<bool()>& holds) {
    const auto end = Clock::now() + kWatched;
    while (Clock::now() < end) {
      if (!holds()) return false;
      user::CurrentBackend().PumpEvents(10);
      driver_->Settle();
    }
    return holds();
  }
  void Xdotool(const std::string& arguments) const {
    setenv("DISPLAY", xvfb_.Display().c_str(), 1);
    const std::string command = "xdotool " + arguments;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
  }

  Xvfb xvfb_;
  bool started_ = false;
  TForm* form_ = nullptr;
  TEdit* edit_ = nullptr;
  TEdit* inner_ = nullptr;
  TkxCustomPopupWindow* popup_ = nullptr;
};

TEST_P(PopupDisplayTest, APopupOpenedByAClickStaysOpenAndTheKeyboardGoesWhereFocusCaptureSays) {
  const bool capture = GetParam();
  const TPoint at = edit_->ClientToScreen(TPoint{30, 10});
  Xdotool("mousemove --sync " + std::to_string(at.X) + " " + std::to_string(at.Y) + " click 1");
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
