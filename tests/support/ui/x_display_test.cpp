#include "tests/support/ui/x_display_test.h"

#include <cstdlib>

#include "platform/user/backend.h"
#include "platform/user/display_choice.h"

namespace uitest {

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

void XDisplayTest::StartDisplay() {
  if (xvfb_.Display().empty()) GTEST_SKIP() << "Xvfb could not start (is the xvfb package installed?)";
  setenv("DISPLAY", xvfb_.Display().c_str(), 1);
  unsetenv("PR_DISPLAY");
  unsetenv("SDL_VIDEODRIVER");
  ASSERT_EQ(user::InstallDisplayBackend().backend, "sdl");
}

bool XDisplayTest::RunUntil(const std::function<bool()>& done) {
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (!done()) {
    if (Clock::now() > deadline) return false;
    user::CurrentBackend().PumpEvents(10);
    driver_->Settle();
  }
  return true;
}

bool XDisplayTest::HoldsFor(const std::function<bool()>& holds) {
  const auto end = Clock::now() + kWatched;
  while (Clock::now() < end) {
    if (!holds()) return false;
    user::CurrentBackend().PumpEvents(10);
    driver_->Settle();
  }
  return holds();
}

void XDisplayTest::Xdotool(const std::string& arguments) const {
  setenv("DISPLAY", xvfb_.Display().c_str(), 1);
  const std::string command = "xdotool " + arguments;
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

void XDisplayTest::ClickAt(TControl* control, TPoint point, int button) const {
  const TPoint screen = control->ClientToScreen(point);
  Xdotool("mousemove --sync " + std::to_string(screen.X) + " " + std::to_string(screen.Y) + " click " +
          std::to_string(button));
}

}  // namespace uitest
