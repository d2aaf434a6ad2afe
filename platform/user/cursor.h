// The cursor shape: LoadCursor for the standard shapes, SetCursor / GetCursor, the cursor position
// and ClipCursor.
//
// The standard shapes (IDC_ARROW ...) are handles the display knows how to draw (the SDL backend
// maps them to its system cursors; `StandardCursorId` tells which); they are not bitmaps here.
// Cursors from resources and CreateCursor are drawing-layer icon objects (resource_cursor.h).
// WM_SETCURSOR handlers choose the shape: by default the window class's cursor in the client area,
// the sizing arrows on a sizing frame, the arrow elsewhere.  ClipCursor keeps injected moves inside
// its rectangle.
#pragma once

#include "platform/user/user_types.h"

inline const char* const IDC_ARROW = reinterpret_cast<const char*>(32512);
inline const char* const IDC_IBEAM = reinterpret_cast<const char*>(32513);
inline const char* const IDC_WAIT = reinterpret_cast<const char*>(32514);
inline const char* const IDC_CROSS = reinterpret_cast<const char*>(32515);
inline const char* const IDC_UPARROW = reinterpret_cast<const char*>(32516);
inline const char* const IDC_SIZENWSE = reinterpret_cast<const char*>(32642);
inline const char* const IDC_SIZENESW = reinterpret_cast<const char*>(32643);
inline const char* const IDC_SIZEWE = reinterpret_cast<const char*>(32644);
inline const char* const IDC_SIZENS = reinterpret_cast<const char*>(32645);
inline const char* const IDC_SIZEALL = reinterpret_cast<const char*>(32646);
inline const char* const IDC_NO = reinterpret_cast<const char*>(32648);
inline const char* const IDC_HAND = reinterpret_cast<const char*>(32649);
inline const char* const IDC_APPSTARTING = reinterpret_cast<const char*>(32650);
inline const char* const IDC_HELP = reinterpret_cast<const char*>(32651);

// A standard shape by its IDC_ number (instance 0; nullptr for other names), or with a module
// handle (any: the program is one module) the program's cursor resource (resource_cursor.h).
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
BOOL GetCursorPos(TPoint* point);   // any thread
BOOL SetCursorPos(int x, int y);
BOOL ClipCursor(const TRect* rect);   // nullptr: no limit
BOOL GetClipCursor(TRect* rect);

namespace user {

// The IDC_ number of a standard shape's handle, or 0.
int StandardCursorId(HCURSOR cursor);
// The shape WM_SETCURSOR's default gives a non-client hit code.
HCURSOR CursorForHitCode(int hit);
// A point kept inside the ClipCursor rectangle.
TPoint ClippedCursorPoint(TPoint screen);

}  // namespace user
