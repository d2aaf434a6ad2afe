// The message sequences of docs/platform-user-messages.md, each written out in full.
#include <gtest/gtest.h>

#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/virtual_keys.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using Lines = std::vector<std::string>;
using namespace user;

class MessageOrderTest : public UserTest {
 protected:
  // A shown, active top-level window at (100, 100) with two visible children side by side.
  void MakeForm() {
    top_ = CreateLogWindow("top", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr);
    left_ = CreateLogWindow("left", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, top_, 0, 1);
    right_ = CreateLogWindow("right", WS_CHILD | WS_VISIBLE, 100, 10, 50, 20, top_, 0, 2);
    ShowWindow(top_, SW_SHOW);
    Pump();
    Take();
  }

  HWND top_ = nullptr, left_ = nullptr, right_ = nullptr;
};

TEST_F(MessageOrderTest, CreateShowActivateAndDestroyTopLevelWithChild) {
  HWND top = CreateLogWindow("top", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr);
  // Client: 300 x 200 less the sizing frame (4) and the caption (19): 292 x 173 at (104, 123).
  EXPECT_EQ(Take(), (Lines{"top WM_NCCREATE", "top WM_CREATE", "top WM_SIZE 292,173", "top WM_MOVE 104,123"}));
  HWND child = CreateLogWindow("child", WS_CHILD | WS_VISIBLE, 5, 6, 40, 30, top, 0, 7);
  EXPECT_EQ(Take(), (Lines{"child WM_NCCREATE", "child WM_CREATE", "child WM_SIZE 40,30", "child WM_MOVE 5,6",
                           "top WM_PARENTNOTIFY WM_CREATE", "child WM_SHOWWINDOW 1", "child WM_WINDOWPOSCHANGING",
                           "child WM_WINDOWPOSCHANGED"}));
  ShowWindow(top, SW_SHOW);
  EXPECT_EQ(Take(), (Lines{"top WM_SHOWWINDOW 1", "top WM_WINDOWPOSCHANGING", "top WM_ACTIVATEAPP 1",
                           "top WM_NCACTIVATE 1", "top WM_ACTIVATE WA_ACTIVE other=0", "top WM_SETFOCUS other=0",
                           "top WM_WINDOWPOSCHANGED"}));
  SetFocus(child);
  Take();
  DestroyWindow(top);
  EXPECT_EQ(Take(), (Lines{"top WM_WINDOWPOSCHANGING", "top WM_WINDOWPOSCHANGED", "top WM_NCACTIVATE 0",
                           "top WM_ACTIVATE WA_INACTIVE other=0", "top WM_ACTIVATEAPP 0",
                           "child WM_KILLFOCUS other=0", "top WM_DESTROY", "child WM_DESTROY",
                           "child WM_NCDESTROY", "top WM_NCDESTROY"}));
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(GetActiveWindow(), nullptr);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(MessageOrderTest, FocusMovesBetweenTwoChildren) {
  MakeForm();
  SetFocus(left_);
  EXPECT_EQ(Take(), (Lines{"top WM_KILLFOCUS other=left", "left WM_SETFOCUS other=top"}));
  SetFocus(right_);
  EXPECT_EQ(Take(), (Lines{"left WM_KILLFOCUS other=right", "right WM_SETFOCUS other=left"}));
  EXPECT_EQ(GetFocus(), right_);
}

TEST_F(MessageOrderTest, ClickAndDoubleClick) {
  MakeForm();
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
  user::Click(left_, 3, 4);
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_SETCURSOR hit=1 WM_MOUSEMOVE", "top WM_SETCURSOR hit=1 WM_MOUSEMOVE", "left WM_MOUSEMOVE 3,4 keys=0x0",
                           "left WM_SETCURSOR hit=1 WM_LBUTTONDOWN", "top WM_SETCURSOR hit=1 WM_LBUTTONDOWN", "left WM_LBUTTONDOWN 3,4 keys=0x1",
                           "left WM_SETCURSOR hit=1 WM_LBUTTONUP", "top WM_SETCURSOR hit=1 WM_LBUTTONUP", "left WM_LBUTTONUP 3,4 keys=0x0"}));
  clock_.Advance(100);
  InjectMouseButton(user::MouseButton::Left, true);
  InjectMouseButton(user::MouseButton::Left, false);
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_SETCURSOR hit=1 WM_LBUTTONDBLCLK", "top WM_SETCURSOR hit=1 WM_LBUTTONDBLCLK", "left WM_LBUTTONDBLCLK 3,4 keys=0x1",
                           "left WM_SETCURSOR hit=1 WM_LBUTTONUP", "top WM_SETCURSOR hit=1 WM_LBUTTONUP", "left WM_LBUTTONUP 3,4 keys=0x0"}));
}

TEST_F(MessageOrderTest, SecondClickTooLateOrTooFarIsNoDoubleClick) {
  MakeForm();
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_LBUTTONUP, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
  struct Case {
    int dx;
    UInt64 waitMs;
    const char* second;
  } cases[] = {{0, 500, "left WM_LBUTTONDBLCLK 3,4 keys=0x1"},
               {0, 501, "left WM_LBUTTONDOWN 3,4 keys=0x1"},
               {2, 10, "left WM_LBUTTONDBLCLK 5,4 keys=0x1"},
               {3, 10, "left WM_LBUTTONDOWN 6,4 keys=0x1"}};
  for (const Case& c : cases) {
    clock_.Advance(1000);
    user::Click(left_, 3, 4);
    clock_.Advance(c.waitMs);
    user::Click(left_, 3 + c.dx, 4);
    Pump();
    EXPECT_EQ(Take(), (Lines{"left WM_LBUTTONDOWN 3,4 keys=0x1", c.second})) << c.dx << " " << c.waitMs;
  }
}

TEST_F(MessageOrderTest, KeyPressGivesKeyDownCharKeyUp) {
  MakeForm();
  SetFocus(left_);
  Take();
  user::PressKey('A');
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_KEYDOWN 0x41 0x1E0001", "left WM_CHAR 0x61", "left WM_KEYUP 0x41 0xC01E0001"}));
}

TEST_F(MessageOrderTest, AltLetterGivesSysKeysAndKeyMenu) {
  MakeForm();
  SetFocus(left_);
  Take();
  InjectKey(VK_MENU, true);
  user::PressKey('F');
  InjectKey(VK_MENU, false);
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_SYSKEYDOWN 0x12 0x20380001", "left WM_SYSKEYDOWN 0x46 0x20210001",
                           "left WM_SYSCHAR 0x66", "top WM_SYSCOMMAND 0xF100 0x66",
                           "left WM_SYSKEYUP 0x46 0xE0210001", "left WM_KEYUP 0x12 0xC0380001"}));
}

TEST_F(MessageOrderTest, AltAloneGivesKeyMenu) {
  MakeForm();
  PressKey(VK_MENU);
  Pump();
  EXPECT_EQ(Take(), (Lines{"top WM_SYSKEYDOWN 0x12 0x20380001", "top WM_SYSKEYUP 0x12 0xC0380001",
                           "top WM_SYSCOMMAND 0xF100 0x0"}));
}

TEST_F(MessageOrderTest, ContextMenuFromRightClickShiftF10AndAppsKey) {
  MakeForm();
  SetFocus(left_);
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT,
                                 WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCOMMAND, WM_CHAR});
  Take();
  user::Click(left_, 3, 4, user::MouseButton::Right);
  Pump();
  // The child passes WM_CONTEXTMENU on to its parent; the point is on the screen.
  EXPECT_EQ(Take(), (Lines{"left WM_RBUTTONDOWN 3,4 keys=0x2", "left WM_RBUTTONUP 3,4 keys=0x0",
                           "left WM_CONTEXTMENU hwnd=left 117,137", "top WM_CONTEXTMENU hwnd=left 117,137"}));
  InjectKey(VK_SHIFT, true);
  PressKey(VK_F10);
  InjectKey(VK_SHIFT, false);
  PressKey(VK_APPS);
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_CONTEXTMENU hwnd=left -1,-1", "top WM_CONTEXTMENU hwnd=left -1,-1",
                           "left WM_CONTEXTMENU hwnd=left -1,-1", "top WM_CONTEXTMENU hwnd=left -1,-1"}));
}

TEST_F(MessageOrderTest, ClickOnInactiveWindowActivatesItUnlessMaNoActivate) {
  MakeForm();
  HWND other = CreateLogWindow("other", WS_POPUP | WS_VISIBLE, 600, 100, 100, 100, nullptr);
  Pump();
  ASSERT_EQ(GetActiveWindow(), other);
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT, WM_LBUTTONUP,
                                 WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED});
  Take();
  user::Click(left_, 1, 1);
  Pump();
  EXPECT_EQ(Take(), (Lines{"left WM_SETCURSOR hit=1 WM_MOUSEMOVE", "top WM_SETCURSOR hit=1 WM_MOUSEMOVE", "left WM_MOUSEACTIVATE top=top hit=1 WM_LBUTTONDOWN",
                           "top WM_MOUSEACTIVATE top=top hit=1 WM_LBUTTONDOWN", "other WM_NCACTIVATE 0",
                           "other WM_ACTIVATE WA_INACTIVE other=top", "top WM_NCACTIVATE 1",
                           "top WM_ACTIVATE WA_CLICKACTIVE other=other", "other WM_KILLFOCUS other=top",
                           "top WM_SETFOCUS other=other", "left WM_SETCURSOR hit=1 WM_LBUTTONDOWN", "top WM_SETCURSOR hit=1 WM_LBUTTONDOWN",
                           "left WM_LBUTTONDOWN 1,1 keys=0x1", "left WM_SETCURSOR hit=1 WM_LBUTTONUP", "top WM_SETCURSOR hit=1 WM_LBUTTONUP"}));
  MessageLog::Instance().handler = [&](HWND h, UINT m, WPARAM, LPARAM, LRESULT& r) {
    if (h != other || m != WM_MOUSEACTIVATE) return false;
    r = MA_NOACTIVATE;
    return true;
  };
  user::Click(other, 5, 5);
  Pump();
  EXPECT_EQ(GetActiveWindow(), top_);
  const Lines lines = Take();
  EXPECT_NE(std::find(lines.begin(), lines.end(), "other WM_LBUTTONDOWN 5,5 keys=0x1"), lines.end());
}

}  // namespace
}  // namespace usertest
