#include "platform/classes/event.h"

#include <atomic>

std::uint64_t TEventBase::NextIdentity() {
  static std::atomic<std::uint64_t> last{0};
  return ++last;
}
