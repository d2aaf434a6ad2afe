// Which display the program uses, chosen once at start-up by the environment variable PR_DISPLAY.
//
// A program can use the displays it links: each display library offers itself here by name when
// it is linked (its link options pull in the file that calls OfferDisplay during static
// initialisation), so neither the window layer nor the class library depends on a display.
//
//   PR_DISPLAY       display
//   unset or empty   "sdl" when offered, DISPLAY or WAYLAND_DISPLAY names a display and it opens;
//                    headless otherwise
//   "headless"       headless
//   another name     the display of that name; refused, saying why, when the program does not
//                    link it or it does not open
//
// Headless is the "headless" display when linked (backend/headless), else the window layer's
// built-in display; either way windows stay in memory.
#pragma once

#include <memory>
#include <string>

#include "platform/user/backend.h"

namespace user {

// Opens a display; nullptr, with `reason` set, when it cannot start.
using DisplayOpener = std::unique_ptr<Backend> (*)(std::string& reason);
// Makes a display choosable by name; answers true (for the static initialisers that call it).
bool OfferDisplay(const char* name, DisplayOpener open);

struct DisplayChoice {
  std::string backend;   // the display installed ("sdl", "headless"); empty when PR_DISPLAY's is refused
  std::string note;      // why the display asked for (or SDL, when chosen by default) is not used
};

// Installs the chosen display (backend.h: SetBackend) and tells which it is.  A refused display
// installs nothing.
DisplayChoice InstallDisplayBackend();

}  // namespace user
