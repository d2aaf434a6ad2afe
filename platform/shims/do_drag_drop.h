// DoDragDrop: the modal loop of a drag that this program starts.
//
// The loop captures the mouse (a hidden window of its own holds the capture) and reads the
// thread's input: after each mouse or key message, and every 50 ms while the mouse rests, it asks
// the source QueryContinueDrag(Escape pressed by this key, key state).  While the source goes on,
// the drop target under the point (the registered target of the window there or of its nearest
// parent, drag_drop_registry.h) is told: DragEnter when the mouse comes to a new target (after
// DragLeave to the one it left), DragOver while it stays; each gets the allowed effects and
// answers its own, which is kept to the allowed ones.  Then the source gets GiveFeedback with
// that effect; DRAGDROP_S_USEDEFAULTCURSORS shows the no-drop cursor for DROPEFFECT_NONE and the
// arrow otherwise.  Other messages are dispatched as usual; keys never reach the focus window.
//
// How it ends: the source answers DRAGDROP_S_DROP: a target whose last effect was not
// DROPEFFECT_NONE gets Drop (at the release point, with the key state of the last DragOver and
// the allowed effects) and its answer, kept to the allowed ones, is the drag's effect; otherwise
// the target gets DragLeave and the effect is DROPEFFECT_NONE; the result is DRAGDROP_S_DROP (or
// the failure Drop returned).  The source answers DRAGDROP_S_CANCEL or a failure, the capture is
// taken away, or WM_QUIT arrives (it is posted again): DragLeave, DROPEFFECT_NONE, and
// DRAGDROP_S_CANCEL (or the source's failure).  Under a display that cannot bring more input (the
// headless one), a drag whose input has run out is cancelled, so a test never waits for it.
//
// Errors: E_INVALIDARG (no data object, source or effect), CO_E_NOTINITIALIZED (OLE not set up
// on this thread), E_OUTOFMEMORY (no window for the capture).
#pragma once

#include "platform/shims/ole_interfaces.h"

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect);
