// Middle-button panning's pieces that do not need the control: the direction and speed the cursor
// asks for, the cursor that shows them, and the anchor window, a circular 29 x 29 marker at the
// point where panning began.  Its picture is drawn here: a white disc with a dot in the middle and
// an arrow toward each side the visible bars allow (up and down for the vertical bar, left and
// right for the horizontal one), framed by the window's elliptic region in COLOR_WINDOWTEXT.
#pragma once

#include "controls/foundation/kx_classes.h"
#include "platform/gdi/geometry.h"
#include "platform/ui/control_types.h"
#include "platform/user/user_types.h"

// The anchor picture's width and height; the neutral zone is a square of this side.
inline constexpr Integer kxPanningAnchorSize = 29;
// Speeds run 1 (a line every twelfth 20 ms tick) to 12 (a line every tick).
inline constexpr Integer kxPanningMaxSpeed = 12;
inline constexpr UINT kxPanningTickMs = 20;

struct TkxPanningBars {
  bool Horizontal = false;
  bool Vertical = false;
};

struct TkxPanningMove {
  TkxDirection Direction = dirNone;
  Integer Speed = 0;
  bool MovedOut = false;  // the cursor is outside the neutral zone
};

// The move the cursor at P (screen) asks for around the anchor A, for an anchor of side W with
// the bars visible at the start; ScreenSize bounds the neutral zone along an axis without a bar.
TkxPanningMove CalculatePanningMove(TPoint A, TPoint P, Integer W, TkxPanningBars Bars, TSize ScreenSize);
TCursor GetPanningCursor(TkxDirection Direction, TkxPanningBars Bars);

// The anchor window, destroyed with this object.
class TkxPanningAnchor {
 public:
  TkxPanningAnchor(HWND Owner, TPoint A, TkxPanningBars Bars);
  ~TkxPanningAnchor();
  TkxPanningAnchor(const TkxPanningAnchor&) = delete;
  TkxPanningAnchor& operator=(const TkxPanningAnchor&) = delete;

  HWND Handle() const { return window_; }
  // Draws the picture and its frame into the window.
  void Paint();

 private:
  HWND window_ = nullptr;
  TkxPanningBars bars_;
};
