// Window procedures bound to objects, and hidden windows that deliver their messages to an
// object's method.
//
// MakeObjectInstance gives a window procedure of its own for a method (a TWndMethod): installed
// on any window (SetWindowLongPtr with GWLP_WNDPROC) it turns every message into a TMessage and
// calls the method, answering the method's Result.  Each instance is a distinct procedure, so
// code that compares or swaps window procedures works as on the platform.  Instances come from a
// fixed pool of 4096; EOutOfResources when it is exhausted.  Thread-safe.
//
// AllocateHWnd makes a hidden utility window (class "TPUtilWindow") whose messages go to the
// method; DeallocateHWnd destroys it and frees its instance.
#pragma once

#include "platform/classes/event.h"
#include "platform/ui/message.h"

using TWndMethod = Event<void(TMessage& Message)>;

WNDPROC MakeObjectInstance(TWndMethod Method);
void FreeObjectInstance(WNDPROC ObjectInstance);

HWND AllocateHWnd(TWndMethod Method);
void DeallocateHWnd(HWND Wnd);
