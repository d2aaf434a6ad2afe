// Wide cell texts: a cell text that begins with the two characters "|\" carries UTF-16 text, each
// code unit as two bytes, high byte first.  Any other cell text is code page 874.  Part of the
// grid's utility routines.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// The code units of a "|\" text (an odd last byte is ignored); any other text converted from
// code page 874.
std::u16string DecodeWideCellText(std::string_view text);
// "|\" followed by each code unit, high byte first.
std::string EncodeWideCellText(std::u16string_view text);
// One-based position of `needle` in `text`; 0 when either is empty, the needle is longer than the
// text, or it does not occur.
Integer PosWide(std::u16string_view needle, std::u16string_view text);
