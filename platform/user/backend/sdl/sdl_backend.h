// The SDL display: one borderless SDL window per visible top-level window (the window layer
// draws frames and captions itself), at the window's screen rectangle, with its title.
//
// Owned popups without a caption (drop-down lists, menus, hints) become popup-menu windows (no
// window-manager placement or focus, not in the task bar), tool windows utility windows,
// WS_EX_TOPMOST windows stay on top, and the window at the top of the window layer's z-order is
// raised.  Drop-downs and windows with WS_EX_NOACTIVATE never take activation from the display:
// they are shown without activation, the keyboard focus the display gives them when it maps them
// (SDL does so when no window manager runs) or when they are clicked goes back to the active
// window, and those focus changes are not turned into activation, which would close the
// drop-down.  A layered window's constant alpha is the SDL window's opacity (a
// compositing window manager shows it); colour keys, per-pixel alpha and window regions are
// applied in process only: on the display the window shows its whole rectangle.
//
// Presenting copies the surface rectangle that changed to the SDL window; an exposed window is
// presented whole.  Events become input through sdl_events.h; the cursor shape follows
// GetCursor (standard shapes as the display's system cursors, picture cursors as colour
// cursors).  The system clipboard carries text as UTF-8.  Interface thread only.
#pragma once

#include <map>
#include <memory>

#include "platform/user/backend.h"

struct SDL_Window;
struct SDL_Cursor;

namespace user {

class SdlBackend final : public Backend {
 public:
  // The backend, loading SDL2 the first time (sdl_library.h); nullptr when SDL2 cannot be loaded or
  // its video cannot start (no display), with `reason` saying why.
  static std::unique_ptr<SdlBackend> Open(std::string* reason = nullptr);
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  const char* Name() const override { return "sdl"; }
  void WindowChanged(HWND hwnd) override;
  void WindowDestroyed(HWND hwnd) override;
  void Present(HWND hwnd, const TRect& area) override;
  bool PumpEvents(std::optional<DWORD> timeoutMs) override;
  bool HasEventSource() const override { return true; }
  std::optional<std::u16string> SystemClipboardText() override;
  void SetSystemClipboardText(std::u16string_view text) override;

  // The SDL window showing a top-level window (nullptr when none), for tests and diagnostics.
  SDL_Window* SdlWindowOf(HWND hwnd) const;

 private:
  SdlBackend() = default;
  SDL_Window* Create(HWND hwnd);
  void Sync(HWND hwnd, SDL_Window* window);
  void FollowCursor();
  void FollowCapture();
  void ReturnKeyboardToActiveWindow();

  std::map<HWND, SDL_Window*> windows_;
  HWND raised_ = nullptr;
  HCURSOR shownCursor_ = nullptr;
  std::map<HCURSOR, SDL_Cursor*> cursors_;
  bool captured_ = false;
};

}  // namespace user
