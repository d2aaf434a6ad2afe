// The window layer's hot paths: a sent message (with and without a call-window-procedure hook, as
// the popup and toolbar code installs), a posted message taken and dispatched, a click turned into
// messages, and an invalidate-and-paint cycle.
#include <benchmark/benchmark.h>

#include "platform/os/clock.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/painting.h"
#include "platform/user/post_message.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_input.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) return LRESULT(wParam + 1);
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

LRESULT PassOn(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, code, wParam, lParam); }

HWND MakeWindow() {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "BenchWindow";
    return RegisterClassExA(&wc) != 0;
  }();
  (void)registered;
  return CreateWindowExA(0, "BenchWindow", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                         nullptr, nullptr);
}

void Drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

void BM_SendMessage(benchmark::State& state) {
  HWND w = MakeWindow();
  HHOOK hook = state.range(0) ? SetWindowsHookExA(WH_CALLWNDPROC, PassOn, nullptr, 0) : nullptr;
  WPARAM i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(SendMessageA(w, WM_APP, i++, 0));
  if (hook) UnhookWindowsHookEx(hook);
  DestroyWindow(w);
}
BENCHMARK(BM_SendMessage)->Arg(0)->Arg(1);

void BM_PostPeekDispatch(benchmark::State& state) {
  HWND w = MakeWindow();
  MSG m;
  for (auto _ : state) {
    PostMessageA(w, WM_APP, 1, 0);
    PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE);
    benchmark::DoNotOptimize(DispatchMessageA(&m));
  }
  DestroyWindow(w);
}
BENCHMARK(BM_PostPeekDispatch);

void BM_Click(benchmark::State& state) {
  FakeClock clock(45000.0, 1000000);
  ScopedClock scoped(clock);
  HWND w = MakeWindow();
  Drain();
  for (auto _ : state) {
    clock.Advance(1000);   // no double clicks
    user::Click(w, 10, 10);
    Drain();
  }
  DestroyWindow(w);
}
BENCHMARK(BM_Click);

void BM_InvalidateAndPaint(benchmark::State& state) {
  HWND w = MakeWindow();
  Drain();
  const TRect r = Rect(10, 10, 60, 40);
  for (auto _ : state) {
    InvalidateRect(w, &r, TRUE);
    UpdateWindow(w);
  }
  DestroyWindow(w);
}
BENCHMARK(BM_InvalidateAndPaint);

}  // namespace
