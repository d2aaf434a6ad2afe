// The class library's cursor numbers (TCursor) and their names for the component stream.
//
// Negative numbers are the built-in cursors, which TScreen maps to the window layer's system
// cursors; programs add their own with positive numbers (TScreen::SetCursors).
#pragma once

#include <string>
#include <string_view>

#include "platform/classes/type_info.h"
#include "platform/gdi/gdi_types.h"
#include "platform/ui/control_types.h"

inline constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                         crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                         crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                         crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                         crSizeAll = -22, crSize = crSizeAll;

bool CursorToIdent(Integer Cursor, std::string& Ident);
bool IdentToCursor(std::string_view Ident, Integer& Cursor);
// The type information TCursor properties publish; its identifiers are registered for streams.
const TTypeInfo* CursorTypeInfo();

// The window layer's standard cursor for a built-in cursor number (crHourGlass: IDC_WAIT; the drag
// cursors, which come from the program's resources on the platform, show as the arrow and the
// splitters as the sizing arrows); nullptr for crDefault, crNone and other numbers.
HCURSOR SystemCursor(TCursor Cursor);
