// RegisterDragDrop / RevokeDragDrop: the drop target of each window.
//
// A registration holds one reference to its target until it is revoked: by RevokeDragDrop, when
// the window is freed, or by the last OleUninitialize of the window's thread.  Errors, checked in
// this order: E_INVALIDARG (no target), CO_E_NOTINITIALIZED (OLE not set up on the calling
// thread), DRAGDROP_E_INVALIDHWND (not a window), DRAGDROP_E_ALREADYREGISTERED; revoking a window
// without a target is DRAGDROP_E_NOTREGISTERED.
//
// The registry is the window layer's drop-target host (platform/user/drop_files.h), installed by
// the first registration: the layer asks it which windows have targets, hands it drops from other
// programs (external_drop.h) and tells it of freed windows.  Interface thread only.
#pragma once

#include "platform/shims/ole_interfaces.h"

HRESULT RegisterDragDrop(HWND hwnd, IDropTarget* target);
HRESULT RevokeDragDrop(HWND hwnd);

namespace ole {

// The target registered for exactly this window (nullptr: none).
TInterfacePtr<IDropTarget> RegisteredTarget(HWND hwnd);
bool HasRegisteredTarget(HWND hwnd);
void RevokeThreadTargets(DWORD threadId);

}  // namespace ole
