#include "platform/user/input_state.h"

#include <atomic>

namespace user {

namespace {
// x in the high half, y in the low half, so one atomic load reads a consistent point.
std::atomic<std::uint64_t> cursor{0};
}  // namespace

InputState& InputState::Instance() {
  static InputState state;
  return state;
}

TPoint CursorPosition() {
  const std::uint64_t v = cursor.load(std::memory_order_relaxed);
  return {LONG(std::int32_t(v >> 32)), LONG(std::int32_t(v & 0xFFFFFFFF))};
}

void MoveCursorPosition(TPoint screen) {
  cursor.store(std::uint64_t(std::uint32_t(screen.X)) << 32 | std::uint32_t(screen.Y), std::memory_order_relaxed);
}

}  // namespace user
