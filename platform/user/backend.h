// The display behind the window layer.  The window manager keeps the whole window tree, the
// surfaces and the input rules itself; a backend only shows top-level windows and turns the
// display's events into injected input (input_events.h).
//
// `headless` (backend/headless) keeps everything in memory and is the default; `sdl` (backend/sdl)
// puts each visible top-level window on a real display.  Calls come from the interface thread.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/user/user_types.h"

namespace user {

class Backend {
 public:
  virtual ~Backend() = default;
  virtual const char* Name() const = 0;
  // A top-level window was shown, hidden, moved, sized, re-stacked or renamed.
  virtual void WindowChanged(HWND) {}
  virtual void WindowDestroyed(HWND) {}
  // Pixels of a top-level window's surface changed inside `area` (window coordinates).
  virtual void Present(HWND, const TRect&) {}
  // Turns the display's pending events into injected input; waits up to `timeoutMs` (nullopt:
  // no wait) for the first one.  Returns true when anything was injected.
  virtual bool PumpEvents(std::optional<DWORD> timeoutMs) { (void)timeoutMs; return false; }
  // True when PumpEvents can wait for the display (the message loop then waits there instead of
  // on its queue alone).
  virtual bool HasEventSource() const { return false; }
  // The display's system clipboard, text only: what another program (or this one) put there last
  // (nullopt: no text or no system clipboard), and putting text there.
  virtual std::optional<std::u16string> SystemClipboardText() { return std::nullopt; }
  virtual void SetSystemClipboardText(std::u16string_view) {}
};

// The installed backend; the headless one until another is installed.
Backend& CurrentBackend();
// Installs a backend (nullptr: back to headless) and returns the previous one.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);
// True while a backend other than the built-in default is installed, so start-up code can choose
// a display without replacing one a program or test installed.
bool BackendInstalled();

}  // namespace user
