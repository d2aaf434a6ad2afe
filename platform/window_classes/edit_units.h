// Where the caret of an edit control may stop, over code page 874 text.
//
// A cluster is a spacing character followed by the Thai marks written on or under it (MAI HAN-AKAT
// 0xD1, the above and below vowels 0xD4-0xDA, the tone and other marks 0xE7-0xEE).  The caret,
// selections made with the keyboard or the mouse, and Delete move over whole clusters; Backspace
// removes one byte, so the last mark of a cluster goes first.  A mark at the start of the text or
// after a line break stands alone.  "\r\n" is one unit.
//
// Words: a word starts where a line may break, after a run of blanks or between two Thai words
// (the dictionary analysis DrawText wraps with), and at each line start.  Positions are byte
// offsets, 0 .. size.
#pragma once

#include <string_view>
#include <vector>

namespace edit {

bool IsThaiMark(unsigned char c);

int NextCluster(std::string_view text, int pos);
int PrevCluster(std::string_view text, int pos);
// The nearest cluster boundary at or before pos.
int ClusterStart(std::string_view text, int pos);

// Sorted positions where words start (0 included when the text is not empty).
std::vector<int> WordStarts(std::string_view text);
int NextWordStart(std::string_view text, int pos);   // the end of the text when there is none
int PrevWordStart(std::string_view text, int pos);   // 0 when there is none
// The word around pos without its trailing blanks, as a double click selects it: {begin, end}.
std::pair<int, int> WordAt(std::string_view text, int pos);

}  // namespace edit
