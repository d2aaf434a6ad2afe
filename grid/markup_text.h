// Reading and rewriting markup texts without drawing them: their plain text, search highlighting
// and removal of a tag.  The visible text of a markup text is what lies outside its tags; a "<"
// without a ">" after it is no tag and stays visible with everything after it.
#pragma once

#include <string>
#include <string_view>

// The plain text: every "<BR>" and "<HR>" (any case) becomes CR LF, then every tag goes
// ('a>b<c>d' is 'a>bd', "1 < 2" stays).
std::string StripMarkup(std::string_view markup);

// Every occurrence of `search` in the visible text marked with '<tag>' directly before its first
// visible character and '</tag>' directly after its last; occurrences are found from the start
// without overlapping, ignoring case unless `caseSensitive`.  Adjacent occurrences are marked
// apart: "aa" with "a" and "B" gives '<B>a</B><B>a</B>'.  An empty search changes nothing.
std::string HighlightText(std::string_view markup, std::string_view search, std::string_view tag,
                          bool caseSensitive);

// The text without any '<tag>' or '</tag>' (exactly these, any case), including those that
// removing others brings together.
std::string RemoveTagPairs(std::string_view markup, std::string_view tag);
