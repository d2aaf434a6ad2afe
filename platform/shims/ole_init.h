// OleInitialize / OleUninitialize: OLE is set up per thread, counted.  The first OleInitialize of
// a thread answers S_OK, each further one S_FALSE; every successful call is matched by one
// OleUninitialize.  The last OleUninitialize of a thread revokes the drop targets still
// registered for that thread's windows (drag_drop_registry.h), so no reference outlives OLE.
// Registering drop targets and running a drag need OLE set up on the calling thread
// (CO_E_NOTINITIALIZED otherwise).
#pragma once

#include "platform/shims/ole_types.h"

// `reserved` must be nullptr (E_INVALIDARG otherwise).
HRESULT OleInitialize(void* reserved);
void OleUninitialize();

namespace ole {

bool OleInitializedOnThisThread();

}  // namespace ole
