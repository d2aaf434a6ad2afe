// The headless display: windows live only in memory.  It shows nothing, counts what would have been
// presented, saves any window as a PNG, reads single pixels, and drives the window layer with
// injected mouse, keyboard and text input at window-relative points, as a person at a real
// display would.  It is the default for tests and whenever there is no display.
#pragma once

#include <string>
#include <string_view>

#include "platform/user/backend.h"
#include "platform/user/input_events.h"

namespace user {

class HeadlessBackend final : public Backend {
 public:
  const char* Name() const override { return "headless"; }
  void Present(HWND, const TRect&) override { ++presents_; }
  int Presents() const { return presents_; }

 private:
  int presents_ = 0;
};

// The window's own rectangle (frame included) from its top-level window's surface; false when the
// window was never drawn or the file cannot be written.
bool SaveWindowPng(HWND hwnd, const std::string& path);
// The colour at window coordinates (0, 0 = the window rectangle's corner); CLR_INVALID outside.
COLORREF WindowPixel(HWND hwnd, int x, int y);
// The same at client coordinates.
COLORREF ClientPixel(HWND hwnd, int x, int y);

// Input at client coordinates of a window: moves the cursor there, then presses / releases.
void MoveMouseTo(HWND hwnd, int x, int y);
void Click(HWND hwnd, int x, int y, MouseButton button = MouseButton::Left);
void DoubleClick(HWND hwnd, int x, int y);
// A key pressed and released (with the layout's character).
void PressKey(int vk);
// Types text as the display's text input delivers it.
void TypeText(std::u16string_view text);

}  // namespace user
