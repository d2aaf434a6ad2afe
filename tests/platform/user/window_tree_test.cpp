// The tree: z-order rules, re-parenting, finding windows at points, window data.
#include <gtest/gtest.h>

#include "platform/core/cp874.h"
#include "platform/user/atom_table.h"
#include "platform/user/focus.h"
#include "platform/user/message_ids.h"
#include "platform/user/window_data.h"
#include "platform/user/window_from_point.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using namespace user;

class WindowTreeTest : public UserTest {
 protected:
  static std::vector<std::string> TopLevelOrder() {
    std::vector<std::string> names;
    for (HWND h = GetTopWindow(nullptr); h != nullptr; h = GetWindow(h, GW_HWNDNEXT))
      names.push_back(MessageLog::Instance().NameOf(h));
    return names;
  }
};

TEST_F(WindowTreeTest, OwnedWindowsStayAboveTheirOwnerAndTopmostAboveTheRest) {
  HWND owner = CreateLogWindow("owner", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr);
  HWND owned = CreateLogWindow("owned", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, owner);
  HWND other = CreateLogWindow("other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr);
  HWND pinned = CreateLogWindow("pinned", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, WS_EX_TOPMOST);
  EXPECT_EQ(TopLevelOrder(), (std::vector<std::string>{"pinned", "other", "owned", "owner"}));
  SetWindowPos(owner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(TopLevelOrder(), (std::vector<std::string>{"pinned", "owned", "owner", "other"}));
  // Sent to the bottom, an owned window still stops just above its owner.
  SetWindowPos(owned, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(TopLevelOrder(), (std::vector<std::string>{"pinned", "owned", "owner", "other"}));
  SetWindowPos(other, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(TopLevelOrder(), (std::vector<std::string>{"other", "pinned", "owned", "owner"}));
  SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindowLongPtrA(pinned, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(TopLevelOrder().front(), "other");
  EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
  EXPECT_EQ(GetParent(owned), owner);
}

TEST_F(WindowTreeTest, SetParentKeepsIdentityAndAChildOnTheDesktopNeverActivates) {
  HWND form = CreateLogWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, nullptr);
  HWND child = CreateLogWindow("child", WS_CHILD | WS_VISIBLE, 5, 5, 50, 50, form, 0, 42);
  SetPropA(child, "Tag", reinterpret_cast<HANDLE>(7));
  Pump();
  EXPECT_EQ(SetParent(child, nullptr), form);
  EXPECT_TRUE(IsWindow(child));
  EXPECT_EQ(GetAncestor(child, GA_PARENT), GetDesktopWindow());
  EXPECT_EQ(GetPropA(child, "TAG"), reinterpret_cast<HANDLE>(7));
  EXPECT_EQ(GetWindowLongPtrA(child, GWLP_ID), 42);
  EXPECT_TRUE(IsWindowVisible(child));
  SetActiveWindow(form);
  Click(child, 1, 1);
  Pump();
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(SetActiveWindow(child), nullptr);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_EQ(SetParent(child, form), GetDesktopWindow());
  EXPECT_TRUE(IsChild(form, child));
}

TEST_F(WindowTreeTest, WindowFromPointAndChildWindowFromPointEx) {
  HWND form = CreateLogWindow("form", WS_POPUP | WS_VISIBLE, 100, 100, 200, 200, nullptr);
  HWND a = CreateLogWindow("a", WS_CHILD | WS_VISIBLE, 10, 10, 50, 50, form);
  HWND hidden = CreateLogWindow("hidden", WS_CHILD, 100, 10, 50, 50, form);
  HWND disabled = CreateLogWindow("disabled", WS_CHILD | WS_VISIBLE | WS_DISABLED, 10, 100, 50, 50, form);
  HWND inner = CreateLogWindow("inner", WS_CHILD | WS_VISIBLE, 5, 5, 10, 10, a);
  struct Case {
    TPoint screen;
    HWND expected;
  } cases[] = {{{112, 112}, a}, {{115, 115}, inner}, {{205, 115}, form}, {{115, 205}, form},
               {{99, 99}, nullptr}, {{299, 299}, form}, {{300, 300}, nullptr}};
  for (const Case& c : cases)
    EXPECT_EQ(WindowFromPoint(c.screen), c.expected) << c.screen.X << "," << c.screen.Y;
  EXPECT_EQ(ChildWindowFromPoint(form, {105, 15}), hidden);
  EXPECT_EQ(ChildWindowFromPointEx(form, {105, 15}, CWP_SKIPINVISIBLE), form);
  EXPECT_EQ(ChildWindowFromPointEx(form, {15, 105}, CWP_SKIPDISABLED), form);
  EXPECT_EQ(ChildWindowFromPoint(form, {15, 105}), disabled);
  EXPECT_EQ(ChildWindowFromPoint(form, {16, 16}), a);   // direct children only
  EXPECT_EQ(ChildWindowFromPoint(form, {-1, 5}), nullptr);
}

TEST_F(WindowTreeTest, EnumChildWindowsVisitsDescendantsInZOrderDepthFirst) {
  HWND form = CreateLogWindow("form", WS_POPUP, 0, 0, 100, 100, nullptr);
  HWND a = CreateLogWindow("a", WS_CHILD, 0, 0, 10, 10, form);
  CreateLogWindow("a1", WS_CHILD, 0, 0, 5, 5, a);
  CreateLogWindow("b", WS_CHILD, 0, 0, 10, 10, form);
  std::vector<std::string> seen;
  EnumChildWindows(form, [](HWND h, LPARAM lp) {
    reinterpret_cast<std::vector<std::string>*>(lp)->push_back(MessageLog::Instance().NameOf(h));
    return TRUE;
  }, reinterpret_cast<LPARAM>(&seen));
  EXPECT_EQ(seen, (std::vector<std::string>{"b", "a", "a1"}));
}

TEST_F(WindowTreeTest, WindowTextAndLongsAndRegisteredMessages) {
  HWND w = CreateLogWindow("w", WS_POPUP, 0, 0, 10, 10, nullptr);
  const std::string thai("รหัส"_cp874);
  EXPECT_TRUE(SetWindowTextA(w, thai.c_str()));
  char buffer[16];
  EXPECT_EQ(GetWindowTextA(w, buffer, sizeof buffer), 4);
  EXPECT_EQ(std::string(buffer), thai);
  EXPECT_EQ(GetWindowTextA(w, buffer, 3), 2);
  EXPECT_EQ(GetWindowTextLengthA(w), 4);
  char16_t wide[8];
  EXPECT_EQ(GetWindowTextW(w, wide, 8), 4);
  EXPECT_EQ(std::u16string(wide), u"รหัส");
  EXPECT_EQ(SetWindowLongPtrA(w, GWLP_USERDATA, 1234), 0);
  EXPECT_EQ(GetWindowLongPtrA(w, GWLP_USERDATA), 1234);
  EXPECT_EQ(GetWindowLongPtrA(w, 64), 0);
  const UINT done = RegisterWindowMessageA("GridEditDone");
  EXPECT_GE(done, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageA("grideditdone"), done);
  EXPECT_NE(RegisterWindowMessageA("Other"), done);
}

}  // namespace
}  // namespace usertest
