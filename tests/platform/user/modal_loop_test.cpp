// A nested modal loop, as a modal form runs one: the other windows are disabled meanwhile, input
// injected before the loop starts is handled inside it, and clicks on disabled windows go nowhere.
#include <gtest/gtest.h>

#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/send_message.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;
using Lines = std::vector<std::string>;

class ModalLoopTest : public UserTest {};

TEST_F(ModalLoopTest, NestedLoopRunsInjectedInputAndReturnsWithOthersDisabledMeanwhile) {
  HWND main = CreateLogWindow("main", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 300, nullptr);
  Pump();
  bool done = false;
  bool mainEnabledInside = true;
  int result = 0;
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_GETTEXT, WM_NCCALCSIZE,
                                 WM_GETMINMAXINFO, WM_KEYUP});
  MessageLog::Instance().handler = [&](HWND h, UINT m, WPARAM wParam, LPARAM, LRESULT&) {
    if (MessageLog::Instance().NameOf(h) != "dialog") return false;
    if (m == WM_LBUTTONUP) result = 1;
    if (m == WM_KEYDOWN && wParam == VK_RETURN) {
      mainEnabledInside = IsWindowEnabled(main) != 0;
      done = true;
    }
    return false;
  };
  // The person's input is queued before the dialog exists: a click on the disabled main window,
  // a click in the dialog, then Enter.
  Click(main, 10, 10);
  Click(main, 250, 250);   // the dialog will cover this point
  PressKey(VK_RETURN);
  Take();

  // What a modal form does: disable the rest, show itself, loop until done, undo both.
  EnableWindow(main, FALSE);
  HWND dialog = CreateLogWindow("dialog", WS_POPUP | WS_VISIBLE | WS_CAPTION, 200, 200, 100, 100, main);
  MSG m;
  while (!done && GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  EnableWindow(main, TRUE);
  DestroyWindow(dialog);

  EXPECT_FALSE(mainEnabledInside);
  EXPECT_EQ(result, 1);
  const Lines lines = Take();
  for (const std::string& line : lines) EXPECT_TRUE(line.rfind("main WM_LBUTTON", 0) != 0) << line;
  EXPECT_NE(std::find(lines.begin(), lines.end(), "dialog WM_LBUTTONDOWN 51,51 keys=0x1"), lines.end());
  EXPECT_EQ(GetActiveWindow(), main);
}

}  // namespace
}  // namespace usertest
