// Cost of the container unit's three popup hooks while no popup is shown, headless.
//
// Work: 1,000,000 SendMessage calls to a form's window (a message it hands to its default
// handling) and 10,000 injected left clicks on it, each handled to the end.  Hooks: the unit's
// call-window-procedure, get-message and mouse hooks, against three hooks of the same kinds that
// only pass on.  The two sides alternate over several rounds in one run; each round reports both
// times, the last line the medians and their ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "controls/foundation/foundation_units.h"
#include "controls/foundation/kx_popup_hooks.h"
#include "platform/os/thread.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/user/hooks.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/send_message.h"
#include "platform/user/window_input.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kSends = 1000000, kClicks = 10000, kRounds = 11;

void Drain() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
}

HHOOK passOn[3];

LRESULT PassOnCallWndProc(int code, WPARAM w, LPARAM l) { return CallNextHookEx(passOn[0], code, w, l); }
LRESULT PassOnGetMessage(int code, WPARAM w, LPARAM l) { return CallNextHookEx(passOn[1], code, w, l); }
LRESULT PassOnMouse(int code, WPARAM w, LPARAM l) { return CallNextHookEx(passOn[2], code, w, l); }

void InstallPassOnHooks() {
  const DWORD thread = GetCurrentThreadId();
  passOn[0] = SetWindowsHookExA(WH_CALLWNDPROC, &PassOnCallWndProc, nullptr, thread);
  passOn[1] = SetWindowsHookExA(WH_GETMESSAGE, &PassOnGetMessage, nullptr, thread);
  passOn[2] = SetWindowsHookExA(WH_MOUSE, &PassOnMouse, nullptr, thread);
}

void RemovePassOnHooks() {
  for (int i = 2; i >= 0; --i) UnhookWindowsHookEx(passOn[i]);
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// The sends and the clicks, timed apart.
struct Times {
  double sends, clicks;
};

Times Run(HWND window) {
  const auto start = Clock::now();
  for (int i = 0; i < kSends; ++i) SendMessageA(window, WM_USER + 100, i, 0);
  const auto sent = Clock::now();
  for (int i = 0; i < kClicks; ++i) {
    user::Click(window, 20 + i % 50, 20);
    Drain();
  }
  return Times{Seconds(sent - start), Seconds(Clock::now() - sent)};
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main() {
  InitializeUnits({FormsUnit});
  InitializeUnits(ControlFoundationUnits());
  TForm* form = NewObject<TForm>(Application, TCustomForm::CreateNewTag{});
  form->SetBounds(0, 0, 200, 100);
  form->Show();
  Drain();
  const HWND window = form->Handle();
  std::vector<double> popupSends, popupClicks, plainSends, plainClicks;
  for (int round = 0; round < kRounds; ++round) {
    const Times popup = Run(window);
    RemovePopupHooks();
    InstallPassOnHooks();
    const Times plain = Run(window);
    RemovePassOnHooks();
    InstallPopupHooks();
    popupSends.push_back(popup.sends);
    popupClicks.push_back(popup.clicks);
    plainSends.push_back(plain.sends);
    plainClicks.push_back(plain.clicks);
    std::printf("round %d: popup hooks %.3f s sends, %.3f s clicks; pass-on hooks %.3f s sends, %.3f s clicks\n",
                round + 1, popup.sends, popup.clicks, plain.sends, plain.clicks);
  }
  const double ps = Median(popupSends), pc = Median(popupClicks), qs = Median(plainSends), qc = Median(plainClicks);
  std::printf("median: sends %.3f s against %.3f s (ratio %.2f); clicks %.3f s against %.3f s (ratio %.2f)\n", ps,
              qs, ps / qs, pc, qc, pc / qc);
  delete form;
  Drain();
  FinalizeUnits();
  return 0;
}
