#include "platform/user/message_beep.h"

#include <utility>

namespace {

std::function<void(UINT)>& Listener() {
  static std::function<void(UINT)> listener;
  return listener;
}

}  // namespace

BOOL MessageBeep(UINT type) {
  if (Listener()) Listener()(type);
  return TRUE;
}

namespace user {

void SetBeepListener(std::function<void(UINT)> listener) { Listener() = std::move(listener); }

}  // namespace user
