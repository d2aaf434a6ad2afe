// The text state of a device context: alignment of the reference point, character extra and
// justification.  SaveDC / RestoreDC keep them with the rest of the state.
#pragma once

#include "platform/gdi/gdi_types.h"

// TA_LEFT / TA_CENTER / TA_RIGHT, TA_TOP / TA_BASELINE / TA_BOTTOM, TA_UPDATECP, TA_RTLREADING.
// Returns the previous alignment, or GDI_ERROR (as UINT) for an invalid context.
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
// Pixels added after every character that draws (marks excepted); returns the previous value, or
// 0x80000000 for an invalid context.
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
// Spreads breakExtra pixels over the next breakCount break characters (spaces) of each text call;
// (0, 0) or a count of 0 switches justification off.
BOOL SetTextJustification(HDC dc, int breakExtra, int breakCount);
