#include "tests/support/user/user_test_fixture.h"

#include "platform/user/hooks.h"
#include "platform/user/input_processing.h"
#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/message_loop.h"
#include "platform/user/system_metrics.h"
#include "platform/user/window_tree.h"

namespace usertest {

namespace {

BOOL DestroyEach(HWND hwnd, LPARAM) {
  DestroyWindow(hwnd);
  return TRUE;
}

void DestroyAll() {
  MessageLog::Instance().handler = nullptr;
  EnumWindows(DestroyEach, 0);
}

}  // namespace

UserTest::UserTest() {
  user::ResetSystemMetrics();
  user::ResetInputProcessing();
  user::InputState::Instance() = user::InputState{};
  MessageLog::Instance().Ignore({WM_GETTEXT, WM_GETTEXTLENGTH, WM_GETMINMAXINFO, WM_NCCALCSIZE, WM_NCPAINT,
                                 WM_ERASEBKGND, WM_PAINT, WM_SETCURSOR, WM_NCHITTEST});
  MessageLog::Instance().Clear();
}

UserTest::~UserTest() {
  DestroyAll();
  Pump();
  user::ResetInputProcessing();
  MessageLog::Instance().Clear();
}

void UserTest::Pump() {
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
}

}  // namespace usertest
