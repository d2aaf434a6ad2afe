// The system's windows on a real X display: an Xvfb server started for the test, the SDL backend
// chosen by InstallDisplayBackend, a screenshot of the root window taken with ImageMagick's
// `import` and probed pixel by pixel, a click injected with xdotool reaching a child window, and
// the mouse leaving the windows reported to a window that tracks it.
// Skips only when Xvfb cannot start.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/gdi/draw.h"
#include "platform/gdi/gdi_objects.h"
#include "platform/gdi/image_format.h"
#include "platform/gdi/pens_brushes.h"
#include "platform/user/backend.h"
#include "platform/user/display_choice.h"
#include "platform/user/message_ids.h"
#include "platform/user/mouse_tracking.h"
#include "platform/user/painting.h"
#include "platform/user/window_capture.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"
#include "tests/support/os/xvfb_server.h"

namespace usertest {
namespace {

using namespace user;

constexpr COLORREF kGreen = RGB(0, 160, 60), kBlue = RGB(20, 40, 220);

class XvfbSmokeTest : public UserTest {
 protected:
  void SetUp() override {
    if (xvfb_.Display().empty()) GTEST_SKIP() << "Xvfb could not start (is the xvfb package installed?)";
    setenv("DISPLAY", xvfb_.Display().c_str(), 1);
    unsetenv("PR_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    const DisplayChoice choice = InstallDisplayBackend();
    ASSERT_EQ(choice.backend, "sdl") << choice.note;
  }
  void TearDown() override {
    MessageLog::Instance().handler = nullptr;
    for (HWND h : {popup_, top_})
      if (h) DestroyWindow(h);
    SetBackend(nullptr);
  }

  // Lets the display and the window layer work until `done` holds or five seconds pass.
  static bool RunUntil(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!done()) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      CurrentBackend().PumpEvents(20);
      Pump();
    }
    return true;
  }

  // The whole screen as ImageMagick's `import` sees the X server's root window.
  gdi::DecodedImage Screenshot() const {
    const std::string path = ::testing::TempDir() + "xvfb_root_" + std::to_string(getpid()) + ".png";
    const std::string command = "import -display " + xvfb_.Display() + " -window root " + path;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::remove(path.c_str());
    auto image = gdi::DecodeImage(bytes);
    EXPECT_TRUE(image) << image.message;
    return image.value;
  }

  static COLORREF At(const gdi::DecodedImage& image, int x, int y) {
    const std::uint32_t p = image.Pixel(x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  Xvfb xvfb_;
  HWND top_ = nullptr, child_ = nullptr, popup_ = nullptr;
};

TEST_F(XvfbSmokeTest, WindowsShowOnTheScreenAndTheMouseReachesTheChild) {
  // A framed top-level window at (50, 40) with a green child, and a blue popup it owns.
  top_ = CreateLogWindow("top", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 40, 320, 220, nullptr);
  child_ = CreateLogWindow("child", WS_CHILD | WS_VISIBLE, 20, 30, 120, 70, top_);
  popup_ = CreateLogWindow("popup", WS_POPUP | WS_VISIBLE, 450, 300, 100, 60, top_);
  MessageLog::Instance().handler = [this](HWND h, UINT m, WPARAM, LPARAM, LRESULT&) {
    if (m != WM_PAINT || (h != child_ && h != popup_)) return false;
    PAINTSTRUCT ps;
    BeginPaint(h, &ps);
    HBRUSH brush = CreateSolidBrush(h == child_ ? kGreen : kBlue);
    FillRect(ps.hdc, &ps.rcPaint, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    return true;
  };
  Pump();

  TRect child;
  GetWindowRect(child_, &child);
  const gdi::DecodedImage screen = Screenshot();
  ASSERT_EQ(screen.width, 800);
  struct Probe {
    const char* what;
    int x, y;
    COLORREF expected;
  } probes[] = {
      {"child corner", child.Left, child.Top, kGreen},
      {"child centre", child.Left + 60, child.Top + 35, kGreen},
      {"popup", 500, 330, kBlue},
      {"popup corner", 549, 359, kBlue},
      {"client beside the child", child.Right + 20, child.Top + 10, RGB(255, 255, 255)},
      {"outside every window", 700, 100, RGB(0, 0, 0)},
  };
  for (const Probe& p : probes) EXPECT_EQ(At(screen, p.x, p.y), p.expected) << p.what;
  // The frame and caption on the screen are the pixels the window layer painted.
  for (const TPoint p : {TPoint{0, 0}, TPoint{10, 10}, TPoint{160, 12}, TPoint{300, 10}, TPoint{2, 100}})
    EXPECT_EQ(At(screen, 50 + p.X, 40 + p.Y), WindowPixel(top_, p.X, p.Y)) << p.X << "," << p.Y;

  // A real X click in the child, as a person would make it.
  Take();
  const std::string click = "xdotool mousemove --sync " + std::to_string(child.Left + 30) + " " +
                            std::to_string(child.Top + 20) + " click 1";
  setenv("DISPLAY", xvfb_.Display().c_str(), 1);
  ASSERT_EQ(std::system(click.c_str()), 0) << click;
  std::vector<std::string> clicks;
  const bool arrived = RunUntil([&] {
    for (const std::string& line : Take())
      if (line.rfind("child WM_LBUTTON", 0) == 0) clicks.push_back(line);
    return clicks.size() >= 2;
  });
  ASSERT_TRUE(arrived) << "the click did not arrive";
  EXPECT_EQ(clicks, (std::vector<std::string>{"child WM_LBUTTONDOWN 30,20 keys=0x1", "child WM_LBUTTONUP 30,20 keys=0x0"}));

  // Leaving every window: X sends no motion outside them, yet the tracking child hears of it.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, child_, 0};
  ASSERT_TRUE(TrackMouseEvent(&track));
  ASSERT_EQ(std::system(("xdotool mousemove --sync 700 100")), 0);
  bool left = false;
  EXPECT_TRUE(RunUntil([&] {
    for (const std::string& line : Take()) left |= line == "child WM_MOUSELEAVE";
    return left;
  })) << "no WM_MOUSELEAVE";
}

}  // namespace
}  // namespace usertest
