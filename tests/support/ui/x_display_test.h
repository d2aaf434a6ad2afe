// A UiTest on a real X display: an Xvfb server of its own, the SDL backend, clicks and keys made
// with xdotool.  Waits are bounded in real time (five seconds at most, the watched time 500 ms).
#pragma once

#include <chrono>
#include <functional>
#include <string>

#include "tests/support/os/xvfb_server.h"
#include "tests/support/ui/ui_test_fixture.h"

namespace uitest {

class XDisplayTest : public UiTest {
 protected:
  static constexpr std::chrono::milliseconds kWatched{500};

  // Points the display backend at the server; skips the test when Xvfb cannot start.  A SetUp
  // calling it returns at once when IsSkipped() or HasFatalFailure().
  void StartDisplay();
  // Lets the display and the application work until `done` holds (false after five seconds).
  bool RunUntil(const std::function<bool()>& done);
  // Lets them work for the watched time; false as soon as `holds` stops holding.
  bool HoldsFor(const std::function<bool()>& holds);
  void Xdotool(const std::string& arguments) const;
  // A real click at a point of the control's client area.
  void ClickAt(TControl* control, TPoint point, int button = 1) const;

  Xvfb xvfb_;
};

}  // namespace uitest
