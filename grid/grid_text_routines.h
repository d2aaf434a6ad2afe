// The grid's small routines over 8-bit texts: finding characters and tokens, quotes of delimited
// fields, URLs, cell addresses, capitalising names.  Part of the grid's utility routines.
//
// Positions are one-based, as in the class library's string routines; 0 means "not found" unless
// a routine says otherwise.  Only A-Z and a-z have case (code page 874).
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/ui/grid_types.h"

// Position of `needle` in the upper-cased `text`; the needle is taken as it is (callers pass
// upper-case needles).
Integer PosInUpperCase(std::string_view needle, std::string_view text);
// Position of the first `ch` in `text`, also stored in `position` when found (left alone when not).
Integer FindCharPos(char ch, std::string_view text, Integer& position);
// Position of the first `ch` in `text`.
Integer CharIndex(char ch, std::string_view text);
// Position of `needle` in `text`, also stored in `position` (0 when absent).
Integer FindStrPos(std::string_view needle, std::string_view text, Integer& position);
// The first character of `text` that is one of `chars` and has an even number of double quotes up
// to and including itself; its position, also stored in `position`; 0 and position -1 when none.
Integer FindUnquotedChar(std::string_view chars, std::string_view text, Integer& position);

// When `delimiter` occurs in `text`: `token` is the text before it and `text` loses everything up
// to and including the delimiter's first character.  Otherwise `token` is "" and `text` stays.
void TakeToken(std::string& text, std::string_view delimiter, std::string& token);

// Scanning from the start: the position of the last character of the first run of `ch` that has
// an odd length and is followed by another character; when none comes first and the text ends in
// `ch`, the text's length whatever that run's length; else 0.  Also stored in `position`.
Integer FindOddCharRun(char ch, std::string_view text, Integer& position);
// How often FindOddCharRun finds a run when the text is cut after each find.
Integer CountOddCharRuns(char ch, std::string_view text);
Integer CountChar(char ch, std::string_view text);
// `text` unchanged when it has no `ch`; otherwise each doubled `ch` made single and each single
// one dropped ('"a""b"' with '"' is 'a"b').
std::string UndoubleChar(char ch, std::string_view text);

std::string RemoveCR(std::string_view text);
// Each two-character "\n" becomes CR.
std::string UnescapeNewLines(std::string_view text);
// Every character of `text` replaced by `ch`.
void FillWithChar(std::string& text, char ch);
// From the OEM code page to the ANSI code page: both are 874 on a Thai station, so the text stays
// as it is (docs/grid-text.md).
void OemToAnsiText(std::string& text);

// True when the text holds "://" or "mailto:".
bool LooksLikeURL(std::string_view text);
// Removes everything up to and including the first "://", else the first "mailto:".
void StripURLProtocol(std::string& text);

// "R<row>C<column>" (any case, longer than 3 characters): true and the cell when both numbers are
// whole integers; `cell` is left alone otherwise.
bool ParseCellAddress(std::string_view text, TGridCoord& cell);
// Left <= column <= Right and Top <= row <= Bottom.
bool CellInGridRect(const TGridRect& rect, Integer column, Integer row);

// "A".."Z" lowered; every other character unchanged.
char LowerCaseChar(char ch);
// Name capitalisation: the first letter and every letter after a blank, apostrophe, comma, hyphen
// or full stop upper-cased, every other lowered; the letter after a leading "Mc" and after the
// first " Mc" capitalised too, and so are roman "II" and "III" among the last three characters:
// 'mcdonald' is 'McDonald', 'john smith iii' is 'John Smith III', 'henry viii' is 'Henry Viii'.
std::string NameCaseText(std::string_view text);
