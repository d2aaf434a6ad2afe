// The control library's text-flag word (TkxTextFlags) and the text calls it is turned into.
//
// Callers ask for aligned, clipped, wrapped or shortened text with these bits; the canvas turns
// them into DrawText flags with TextFlagsToDrawFlags, which starts from DT_NOPREFIX (accelerator
// prefixes show as written unless tfShowPrefix) and adds DT_EDITCONTROL to a word break unless
// words are to be kept whole.  Texts are code page 874 bytes; counts are in bytes, -1 for all.
#pragma once

#include <string_view>

#include "platform/gdi/gdi_types.h"

using TkxTextFlags = Word;

inline constexpr TkxTextFlags tfAlignLeft = 0x0001, tfAlignRight = 0x0002, tfAlignHCenter = 0x0004,
                              tfAlignTop = 0x0008, tfAlignBottom = 0x0010, tfAlignVCenter = 0x0020,
                              tfSingleLine = 0x0040, tfNoClip = 0x0080, tfExpandTabs = 0x0100,
                              tfShowPrefix = 0x0200, tfWordBreak = 0x0400, tfEndEllipsis = 0x0800,
                              tfCalcOnly = 0x1000, tfPathEllipsis = 0x2000, tfKeepWordsWhole = 0x4000;
inline constexpr TkxTextFlags tfHorizontalAlignments = tfAlignLeft | tfAlignRight | tfAlignHCenter;
inline constexpr TkxTextFlags tfVerticalAlignments = tfAlignTop | tfAlignBottom | tfAlignVCenter;

UINT TextFlagsToDrawFlags(TkxTextFlags Flags);

// DrawTextA of the first Count bytes; its answer (the text's height, 0 on failure).
int DrawTextString(HDC DC, std::string_view Text, TRect& R, int Count, UINT Flags);
// ExtTextOutA at P without a spacing array; true on success.
bool ExtTextOutString(HDC DC, std::string_view Text, TPoint P, UINT Options, const TRect* ClipRect, int Count);
// GetTextExtentPoint32A; true on success (Size is left alone on failure).
bool GetTextExtentString(HDC DC, std::string_view Text, TSize& Size, int Count);
