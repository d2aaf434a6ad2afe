// Calls that work on any drawing object: type, record, deletion.
//
// DeleteObject rules: stock objects are never deleted (the call succeeds and changes nothing); a
// bitmap selected into a device context is not deleted (the call fails); a pen, brush, font or
// palette still selected somewhere is marked and freed when its last selection ends (the call
// succeeds).  Invalid or stale handles fail.
#pragma once

#include "platform/gdi/gdi_types.h"

// The shared pens, brushes, palette and (from the text layer) fonts; DeleteObject leaves them.
HGDIOBJ GetStockObject(int index);
DWORD GetObjectType(HGDIOBJ object);
// Copies the object's record (LOGPEN, EXTLOGPEN, LOGBRUSH, BITMAP or DIBSECTION, the palette's
// entry count, LOGFONT); returns the bytes copied, or the record's size when out is null.
int GetObjectA(HGDIOBJ object, int size, void* out);
int GetObjectW(HGDIOBJ object, int size, void* out);
inline int GetObject(HGDIOBJ object, int size, void* out) { return GetObjectA(object, size, out); }
BOOL DeleteObject(HGDIOBJ object);
// Resets a brush's origin on the next selection; brushes here need nothing.
BOOL UnrealizeObject(HGDIOBJ object);
