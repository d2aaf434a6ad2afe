// Timers on the test clock, and messages from worker threads.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/os/thread.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/timers.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"
#include "tests/support/user/user_test_fixture.h"

namespace usertest {
namespace {

using Lines = std::vector<std::string>;

class TimersTest : public UserTest {
 protected:
  TimersTest() {
    hwnd_ = CreateLogWindow("w", WS_POPUP, 0, 0, 10, 10, nullptr);
    Take();
  }
  HWND hwnd_ = nullptr;
};

TEST_F(TimersTest, TimersFireInOrderAsTheClockAdvances) {
  SetTimer(hwnd_, 1, 100, nullptr);
  SetTimer(hwnd_, 2, 30, nullptr);
  SetTimer(hwnd_, 3, 100, nullptr);
  Pump();
  EXPECT_TRUE(Take().empty());
  clock_.Advance(29);
  Pump();
  EXPECT_TRUE(Take().empty());
  clock_.Advance(1);   // t = 30
  Pump();
  EXPECT_EQ(Take(), (Lines{"w WM_TIMER id=2"}));
  clock_.Advance(70);  // t = 100: 1 and 3 (set in that order), and 2 again (due at 60)
  Pump();
  EXPECT_EQ(Take(), (Lines{"w WM_TIMER id=2", "w WM_TIMER id=1", "w WM_TIMER id=3"}));
  KillTimer(hwnd_, 2);
  clock_.Advance(100);
  Pump();
  EXPECT_EQ(Take(), (Lines{"w WM_TIMER id=1", "w WM_TIMER id=3"}));
}

TEST_F(TimersTest, ALateTimerGivesOneMessageAndRestartsFromWhenItWasTaken) {
  SetTimer(hwnd_, 5, 50, nullptr);
  clock_.Advance(1000);   // twenty periods late
  Pump();
  EXPECT_EQ(Take(), (Lines{"w WM_TIMER id=5"}));
  clock_.Advance(49);
  Pump();
  EXPECT_TRUE(Take().empty());
  clock_.Advance(1);
  Pump();
  EXPECT_EQ(Take(), (Lines{"w WM_TIMER id=5"}));
}

TEST_F(TimersTest, GetMessageWaitingForATimerAdvancesTheFakeClock) {
  SetTimer(hwnd_, 9, 250, nullptr);
  const UInt64 before = GetTickCount64();
  MSG m;
  ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE);
  EXPECT_EQ(m.message, WM_TIMER);
  EXPECT_EQ(m.wParam, 9u);
  EXPECT_EQ(GetTickCount64() - before, 250u);
}

std::vector<UINT_PTR> callbackIds;
void OnTimer(HWND, UINT message, UINT_PTR id, DWORD) {
  if (message == WM_TIMER) callbackIds.push_back(id);
}

TEST_F(TimersTest, ThreadTimerCallsItsCallbackThroughDispatch) {
  callbackIds.clear();
  const UINT_PTR a = SetTimer(nullptr, 0, 10, OnTimer);
  const UINT_PTR b = SetTimer(nullptr, 0, 20, OnTimer);
  EXPECT_NE(a, b);
  clock_.Advance(20);
  Pump();
  EXPECT_EQ(callbackIds, (std::vector<UINT_PTR>{a, b}));
  EXPECT_TRUE(KillTimer(nullptr, a));
  EXPECT_FALSE(KillTimer(nullptr, a));
  EXPECT_TRUE(KillTimer(nullptr, b));
}

TEST_F(TimersTest, DestroyingTheWindowKillsItsTimers) {
  SetTimer(hwnd_, 1, 10, nullptr);
  DestroyWindow(hwnd_);
  Take();
  clock_.Advance(100);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(TimersTest, MessagesPostedFromAWorkerAreDispatchedOnTheInterfaceThread) {
  constexpr UINT kDone = WM_APP + 1;
  const TThreadID ui = GetCurrentThreadId();
  std::atomic<TThreadID> handledOn{0};
  MessageLog::Instance().handler = [&](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
    if (message == kDone) handledOn = GetCurrentThreadId();
    return false;
  };
  Thread worker([&] {
    for (int i = 0; i < 3; ++i) PostMessageA(hwnd_, WM_APP + 10 + UINT(i), WPARAM(i), 0);
    PostMessageA(hwnd_, kDone, 0, 0);
  });
  worker.Start();
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    DispatchMessageA(&m);
    if (m.message == kDone) break;
  }
  worker.WaitFor();
  EXPECT_EQ(handledOn.load(), ui);
  EXPECT_EQ(Take(), (Lines{"w 0x800A", "w 0x800B", "w 0x800C", "w 0x8001"}));
}

TEST_F(TimersTest, SendMessageFromAWorkerWaitsForTheInterfaceThreadsAnswer) {
  MessageLog::Instance().handler = [&](HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& r) {
    if (message != WM_APP) return false;
    r = LRESULT(wParam * 2);
    return true;
  };
  std::atomic<LRESULT> answer{0};
  std::atomic<bool> done{false};
  Thread worker([&] {
    answer = SendMessageA(hwnd_, WM_APP, 21, 0);
    done = true;
    PostThreadMessageA(MainThreadID(), WM_APP + 5, 0, 0);
  });
  worker.Start();
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0 && m.message != WM_APP + 5) DispatchMessageA(&m);
  worker.WaitFor();
  EXPECT_TRUE(done);
  EXPECT_EQ(answer.load(), 42);
}

TEST_F(TimersTest, QuitComesAfterThePostedMessagesBeforeIt) {
  PostMessageA(hwnd_, WM_APP, 0, 0);
  PostQuitMessage(3);
  MSG m;
  ASSERT_EQ(GetMessageA(&m, nullptr, 0, 0), TRUE);
  EXPECT_EQ(m.message, WM_APP);
  EXPECT_EQ(GetMessageA(&m, nullptr, 0, 0), FALSE);
  EXPECT_EQ(m.message, WM_QUIT);
  EXPECT_EQ(m.wParam, 3u);
}

TEST_F(TimersTest, PeekMessageRangesAndRemoval) {
  PostMessageA(hwnd_, WM_APP + 3, 0, 0);
  PostMessageA(hwnd_, WM_APP + 1, 0, 0);
  PostMessageA(hwnd_, WM_APP + 2, 0, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_APP + 1, WM_APP + 2, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_APP + 1);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_APP + 2, WM_APP + 2, PM_REMOVE));
  EXPECT_EQ(m.message, WM_APP + 2);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_APP + 2, WM_APP + 2, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_APP + 3);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, WM_APP + 1);
  EXPECT_FALSE(PeekMessageA(&m, reinterpret_cast<HWND>(0x12345678), 0, 0, PM_REMOVE));
}

}  // namespace
}  // namespace usertest
