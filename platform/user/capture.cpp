#include "platform/user/capture.h"

#include "platform/user/input_state.h"
#include "platform/user/message_ids.h"
#include "platform/user/send_message.h"
#include "platform/user/window_links.h"
#include "platform/user/window_table.h"

namespace user {

namespace {

HWND ChangeCapture(HWND to) {
  InputState& s = InputState::Instance();
  const HWND old = s.capture;
  if (old == to) return old;
  s.capture = to;
  if (old != nullptr && W(old) != nullptr)
    SendFrom(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(to), false);
  return old;
}

}  // namespace

void ReleaseCaptureWithin(HWND hwnd) {
  Window* root = W(hwnd);
  Window* holder = W(InputState::Instance().capture);
  if (root != nullptr && holder != nullptr && IsAncestor(root, holder)) ChangeCapture(nullptr);
}

}  // namespace user

using namespace user;

HWND SetCapture(HWND hwnd) {
  Window* w = W(hwnd);
  if (hwnd != nullptr && (w == nullptr || w->parent == nullptr)) return nullptr;
  return ChangeCapture(hwnd);
}

BOOL ReleaseCapture() {
  ChangeCapture(nullptr);
  return TRUE;
}

HWND GetCapture() { return InputState::Instance().capture; }
