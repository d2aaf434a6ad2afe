#include "platform/shims/ole_init.h"

#include "platform/shims/drag_drop_registry.h"
#include "platform/os/thread.h"

namespace {

thread_local int initializations = 0;

}  // namespace

HRESULT OleInitialize(void* reserved) {
  if (reserved != nullptr) return E_INVALIDARG;
  return ++initializations == 1 ? S_OK : S_FALSE;
}

void OleUninitialize() {
  if (initializations == 0) return;
  if (--initializations == 0) ole::RevokeThreadTargets(GetCurrentThreadId());
}

namespace ole {

bool OleInitializedOnThisThread() { return initializations > 0; }

}  // namespace ole
