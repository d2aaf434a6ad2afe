// The headless display: windows live only in memory.  It shows nothing and counts what would have
// been presented.  Linking this library offers it as the "headless" display (display_choice.h);
// without it the window layer's built-in display, which counts nothing, stands in.  Window pixels
// and PNGs (window_capture.h) and injected input (window_input.h) work on any display.
#pragma once

#include "platform/user/backend.h"

namespace user {

class HeadlessBackend final : public Backend {
 public:
  const char* Name() const override { return "headless"; }
  void Present(HWND, const TRect&) override { ++presents_; }
  int Presents() const { return presents_; }

 private:
  int presents_ = 0;
};

}  // namespace user
