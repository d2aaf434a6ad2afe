// Which display the program uses, chosen once at start-up by the environment variable PR_DISPLAY:
// "headless" keeps every window in memory (backend/headless); "sdl" puts windows on the display
// through SDL; unset or empty: SDL when DISPLAY or WAYLAND_DISPLAY names a display and SDL's video
// starts there, headless otherwise.  When SDL cannot start the program runs headless and the
// answer says why.
#pragma once

#include <string>

namespace user {

struct DisplayChoice {
  std::string backend;   // "sdl" or "headless"
  std::string note;      // why SDL was not used, when it was not
};

// Installs the chosen backend (backend.h: SetBackend) and tells which it is.
DisplayChoice InstallDisplayBackend();

}  // namespace user
