// The container unit's three thread hooks that close popups when the user works elsewhere
// (docs/controls-foundation.md, "Popup windows"):
// - call-window-procedure: closes the popups whose owner control hides, moves out of sight or is
//   closed, or when the application loses the activation; keeps the owner form's caption active
//   by swallowing its WM_NCACTIVATE(FALSE); swallows CM_ACTIVATE and CM_DEACTIVATE while
//   activation messages are locked;
// - get-message: turns a system key other than a navigation key into WM_NULL while the last shown
//   popup has no modal loop of its own;
// - mouse: closes the popups a click outside them concerns (on the owner's form) and eats that
//   click when the popup asks for it.
// With no popup listed they pass every message on after one test.
#pragma once

#include "platform/user/user_types.h"

struct TkxPopupHookHandles {
  HHOOK CallWndProc = nullptr;
  HHOOK GetMessage = nullptr;
  HHOOK Mouse = nullptr;
};

// Installs the three for the calling thread, in that order.
void InstallPopupHooks();
// Removes those installed, in the reverse order.
void RemovePopupHooks();
TkxPopupHookHandles GetPopupHookHandles();
