// The state object of one window of a window class, kept in the window's first extra slot (the
// class reserves at least sizeof(LONG_PTR) window extra bytes): attached at WM_NCCREATE, freed at
// WM_NCDESTROY.  Messages before the one or after the other find no state.
#pragma once

#include "platform/user/window_data.h"

namespace user {

template <class State>
State* WindowStateOf(HWND w) {
  return reinterpret_cast<State*>(GetWindowLongPtrA(w, 0));
}

template <class State>
void AttachWindowState(HWND w, State* state) {
  SetWindowLongPtrA(w, 0, reinterpret_cast<LONG_PTR>(state));
}

// Clears the slot before freeing, so nothing the destructor sends finds a half-freed state.
template <class State>
void FreeWindowState(HWND w) {
  State* state = WindowStateOf<State>(w);
  SetWindowLongPtrA(w, 0, 0);
  delete state;
}

}  // namespace user
