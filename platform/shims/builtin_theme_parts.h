// The parts the built-in visual style draws, measures and colours: "Button" parts 1 (push button,
// states 1 normal, 2 hot, 3 pressed, 4 disabled, 5 default), 2 (radio button) and 3 (check box;
// both with states 1 .. 4 unchecked and 5 .. 8 checked, normal, hot, pressed, disabled), "Header"
// part 1 (states 1 .. 3), "ListView" part 5 (its one-pixel border, state 0), "ScrollBar" parts 1
// (arrow buttons, state = direction x 4 + 1 .. 4 for up, down, left, right), 2 and 3 (horizontal and
// vertical thumbs), 4 .. 7 (the page areas), 8 and 9 (the thumbs' grippers, state 0) and 10 (the size
// box), "Window" part 19 (the small close button), "Progress" parts 1 (the bar's trough, a framed
// fill) and 3 (the chunk, a flat green fill; any state), and "ComboBox" part 1 (the drop-down
// button, states 1 .. 4 normal, hot, pressed, disabled, with a down arrow).  Anything else is not
// drawn (E_FAIL).
//
// Pixels: flat fills and one-pixel frames in fixed colours (COLORREF values in the .cpp); the push
// button leaves its four corner pixels alone, which is why it reports partial transparency.
// Interface thread only.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/shims/theme_types.h"
#include "platform/shims/ole_types.h"

enum class TBuiltInThemeClass { Button, Header, ListView, ScrollBar, Window, Progress, ComboBox };

// Whether the class draws the part (in any state).
bool IsBuiltInPartDefined(TBuiltInThemeClass Class, int Part);
HRESULT DrawBuiltInPart(TBuiltInThemeClass Class, HDC DC, int Part, int State, const TRect& R, const TRect* Clip);
// The part's margins inside its rectangle (left, top, right, bottom); false when it has none.
bool BuiltInContentMargins(TBuiltInThemeClass Class, int Part, TRect& Margins);
// Every size kind answers the same fixed size; false for parts without one.
bool BuiltInPartSize(TBuiltInThemeClass Class, int Part, TSize& Size);
bool IsBuiltInPartPartiallyTransparent(TBuiltInThemeClass Class, int Part);
// "Button" part 1: fill colour (3802) and text colour (3803) of the state.
bool BuiltInPartColor(TBuiltInThemeClass Class, int Part, int State, int Property, COLORREF& Color);
// The colour DrawThemeText uses: the push button's text colour of the state, else black.
COLORREF BuiltInTextColor(TBuiltInThemeClass Class, int Part, int State);
