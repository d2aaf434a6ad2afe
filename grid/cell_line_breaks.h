// The encodings of line breaks in cell texts: the cell store's tab/backspace form, the vertical-tab
// and tilde forms of clipboard and delimited texts, and first lines.  Part of the grid's utility
// routines.  CR is character 13, LF 10, vertical tab 11, tab 9, backspace 8.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// Each CR LF becomes a vertical tab, then the text is enclosed in double quotes.
void QuoteLineBreaks(std::string& text);
// Each vertical tab becomes CR LF.
void RestoreVTLineBreaks(std::string& text);
// Each "~" becomes CR LF; a text that is then exactly "^" becomes empty.
void RestoreTildeLineBreaks(std::string& text);

// A text holding a CR with every CR written as tab and every LF as backspace; others unchanged.
std::string EncodeCellLineBreaks(std::string_view text);
// A text holding a backspace has every tab turned back into CR and every backspace into LF; then
// the whole text when `multiLine`, else its first line.
std::string DecodeCellLineBreaks(std::string_view text, bool multiLine);

// Without a CR: `line` is the text and the text becomes empty.  With one: `line` is the part
// before it; the text keeps what follows (less one LF right after the CR) when `keepRest`, else it
// becomes empty.
void TakeFirstLine(std::string& text, bool keepRest, std::string& line);
// The number of CR plus 1 when `multiLine`, else 1.
Integer CountTextLines(std::string_view text, bool multiLine);
