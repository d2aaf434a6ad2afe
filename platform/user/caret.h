// The caret: one per thread, owned by a window, drawn by inverting its rectangle in the owner's
// client area, blinking on the injectable clock (GetCaretBlinkTime milliseconds per phase).
//
// ShowCaret / HideCaret nest: the caret shows when every HideCaret was matched by a ShowCaret
// (a new caret starts hidden once).  Painting hides the caret between BeginPaint and EndPaint so
// that the inverted pixels never mix with new ones.  A bitmap caret (hBitmap not 0 or 1) inverts
// the rectangle of the bitmap's size.
#pragma once

#include <optional>

#include "platform/user/user_types.h"

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(TPoint* point);
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT milliseconds);

namespace user {

// Blinks the caret when its phase ended.
void CaretTick();
std::optional<UInt64> MillisecondsToCaretBlink();
// True while the caret's inverted pixels are on the screen (tests).
bool CaretDrawn();
void HideCaretForPaint(HWND hwnd);
void ShowCaretAfterPaint(HWND hwnd);
// The owner is being destroyed.
void DestroyCaretOf(HWND hwnd);

}  // namespace user
