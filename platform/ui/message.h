// TMessage: a window message as the class library's message handlers receive it, and the readers
// of the parameter layouts those handlers use.
//
// Handlers read the packed parameters through the helpers below (mouse position in the low and
// high signed words of LParam, the key code in WParam, the key data in LParam) and answer through
// Result.  A handler that leaves Result alone answers 0.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/user/user_types.h"

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// Mouse messages: client position and key flags (MK_ bits).
inline TPoint MessagePos(const TMessage& m) { return TPoint{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}; }
inline WORD MessageKeys(const TMessage& m) { return LOWORD(m.WParam); }
inline LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
// Key messages: the virtual key or character, and the key data (repeat count, scan code, flags).
inline WORD MessageCharCode(const TMessage& m) { return LOWORD(m.WParam); }
inline LPARAM MessageKeyData(const TMessage& m) { return m.LParam; }
