// Subclassing and the thread hooks: who sees a message first, who can swallow or change it.
#include <gtest/gtest.h>

#include "platform/os/thread.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/window_data.h"
#include "platform/user/window_input.h"
#include "platform/user/window_pos.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using Lines = std::vector<std::string>;
using namespace user;

constexpr UINT kPrivate = WM_USER + 7;

class HooksTest : public UserTest {
 protected:
  HooksTest() {
    form_ = CreateLogWindow("form", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 200, nullptr);
    Pump();
    Take();
  }
  ~HooksTest() override {
    for (HHOOK h : hooks_) UnhookWindowsHookEx(h);
  }
  void Hook(int kind, HOOKPROC proc) { hooks_.push_back(SetWindowsHookExA(kind, proc, nullptr, GetCurrentThreadId())); }

  HWND form_ = nullptr;
  std::vector<HHOOK> hooks_;
};

// A subclass procedure that notes what it sees and passes everything on.
WNDPROC previousProc = nullptr;
LRESULT SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPrivate) MessageLog::Instance().Record(hwnd, WM_NULL, 1, 0);
  return CallWindowProcA(previousProc, hwnd, message, wParam, lParam);
}

TEST_F(HooksTest, SubclassSeesMessagesFirstAndPassesThemOn) {
  previousProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
  SendMessageA(form_, kPrivate, 0, 0);
  EXPECT_EQ(Take(), (Lines{"form WM_NULL", "form 0x407"}));
  SetWindowLongPtrA(form_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
  SendMessageA(form_, kPrivate, 0, 0);
  EXPECT_EQ(Take(), (Lines{"form 0x407"}));
}

// The popup technique: for one chosen message, the call-window-procedure hook installs a one-shot
// procedure that puts the real one back and answers 1.
WNDPROC savedProc = nullptr;
HWND swallowFor = nullptr;
LRESULT OneShot(HWND hwnd, UINT, WPARAM, LPARAM) {
  SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(savedProc));
  return 1;
}
LRESULT SwallowingHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && cwp->hwnd == swallowFor && cwp->message == WM_NCACTIVATE && cwp->wParam == 0)
    savedProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(cwp->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OneShot)));
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, CallWndProcHookThatSwapsTheProcedureSwallowsExactlyThatMessage) {
  swallowFor = form_;
  Hook(WH_CALLWNDPROC, SwallowingHook);
  EXPECT_EQ(SendMessageA(form_, WM_NCACTIVATE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(form_, WM_NCACTIVATE, 1, 0), TRUE);
  SendMessageA(form_, kPrivate, 0, 0);
  // Only the second WM_NCACTIVATE and the private message reached the form.
  EXPECT_EQ(Take(), (Lines{"form WM_NCACTIVATE 1", "form 0x407"}));
  EXPECT_EQ(GetWindowLongPtrA(form_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(LogProc));
}

LRESULT EatLeftPresses(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && wParam == WM_LBUTTONDOWN) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, MouseHookReturningNonZeroKeepsTheClickFromTheWindow) {
  MessageLog::Instance().Ignore({WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_PAINT, WM_ERASEBKGND, WM_NCPAINT});
  Hook(WH_MOUSE, EatLeftPresses);
  Click(form_, 10, 10);
  Click(form_, 10, 10, MouseButton::Right);
  Pump();
  EXPECT_EQ(Take(), (Lines{"form WM_LBUTTONUP 10,10 keys=0x0", "form WM_RBUTTONDOWN 10,10 keys=0x2",
                           "form WM_RBUTTONUP 10,10 keys=0x0", "form WM_CONTEXTMENU hwnd=form 14,33"}));
}

std::vector<std::pair<UINT, WPARAM>> seenByGetMessage;
LRESULT NullifyPrivate(int code, WPARAM wParam, LPARAM lParam) {
  auto* m = reinterpret_cast<MSG*>(lParam);
  seenByGetMessage.emplace_back(m->message, wParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && m->message == kPrivate) m->message = WM_NULL;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, GetMessageHookSeesPostedMessagesOnlyAndCanTurnOneIntoNull) {
  seenByGetMessage.clear();
  Hook(WH_GETMESSAGE, NullifyPrivate);
  SendMessageA(form_, WM_USER + 1, 0, 0);   // sent: never seen by the hook
  PostMessageA(form_, kPrivate, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, kPrivate);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_NULL);
  DispatchMessageA(&m);
  EXPECT_EQ(seenByGetMessage, (std::vector<std::pair<UINT, WPARAM>>{{kPrivate, PM_NOREMOVE}, {kPrivate, PM_REMOVE}}));
  EXPECT_EQ(Take(), (Lines{"form 0x401", "form WM_NULL"}));
}

std::vector<std::string> cbtEvents;
LRESULT RecordDestroy(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_DESTROYWND) {
    cbtEvents.push_back("destroy " + MessageLog::Instance().NameOf(reinterpret_cast<HWND>(wParam)) +
                        (IsWindow(reinterpret_cast<HWND>(wParam)) ? " alive" : " gone"));
    MessageLog::Instance().Record(reinterpret_cast<HWND>(wParam), WM_NULL, 2, 0);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, CbtHookHearsOfDestructionBeforeIt) {
  cbtEvents.clear();
  Hook(WH_CBT, RecordDestroy);
  HWND popup = CreateLogWindow("popup", WS_POPUP, 0, 0, 10, 10, form_);
  Take();
  DestroyWindow(form_);
  // The owned popup goes first, each after its hook call and before its WM_DESTROY.
  EXPECT_EQ(cbtEvents, (Lines{"destroy form alive", "destroy popup alive"}));
  const Lines lines = Take();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(lines.front(), "form WM_NULL");
  const auto popupHook = std::find(lines.begin(), lines.end(), "popup WM_NULL");
  const auto popupDestroy = std::find(lines.begin(), lines.end(), "popup WM_DESTROY");
  const auto formDestroy = std::find(lines.begin(), lines.end(), "form WM_DESTROY");
  EXPECT_LT(popupHook, popupDestroy);
  EXPECT_LT(popupDestroy, formDestroy);
  EXPECT_FALSE(IsWindow(popup));
}

// A hook that sends a message runs the hooks again inside; both levels pass on correctly, also
// when the inner call removes the hook.
int depth = 0, calls = 0;
HHOOK selfRemoving = nullptr;
LRESULT Reentering(int code, WPARAM wParam, LPARAM lParam) {
  const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lParam);
  ++calls;
  if (cwp->message == kPrivate && depth == 0) {
    ++depth;
    SendMessageA(cwp->hwnd, kPrivate + 1, 0, 0);
    --depth;
  }
  if (cwp->message == kPrivate + 1) UnhookWindowsHookEx(selfRemoving);
  return CallNextHookEx(selfRemoving, code, wParam, lParam);
}
int outerCalls = 0;
LRESULT Counting(int code, WPARAM wParam, LPARAM lParam) {
  ++outerCalls;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(HooksTest, HooksStayCorrectWhenReenteredInsideSendMessage) {
  Hook(WH_CALLWNDPROC, Counting);
  selfRemoving = SetWindowsHookExA(WH_CALLWNDPROC, Reentering, nullptr, 0);
  outerCalls = calls = depth = 0;
  SendMessageA(form_, kPrivate, 0, 0);
  EXPECT_EQ(calls, 2);
  EXPECT_EQ(outerCalls, 2);   // reached through CallNextHookEx at both levels
  SendMessageA(form_, kPrivate, 0, 0);
  EXPECT_EQ(calls, 2);        // removed
  EXPECT_EQ(outerCalls, 3);
  EXPECT_EQ(Take(), (Lines{"form 0x408", "form 0x407", "form 0x407"}));
  EXPECT_FALSE(UnhookWindowsHookEx(selfRemoving));
}

}  // namespace
}  // namespace usertest
