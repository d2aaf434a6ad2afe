// The rewrites the markup renderer makes before and during layout: entity rounds, field tags,
// line breaks, the display entities of a text run, and the extent of the tag a run meets.
//
// Entities of the whole text (case-sensitive), each round replacing the first occurrence of each in
// this order until a round replaces nothing: "&amp;" -> "&&", "&quot;" -> '"', "&sect;" -> A7,
// "&permil;" -> 89, "&reg;" -> AE, "&copy;" -> A9, "&para;" -> B6, "&trade;" -> 99, "&euro;" -> 80
// (single bytes, whatever code page shows them).  So '&amp;quot;' ends as '&"'.  Display entities,
// replaced only in a run between tags as it is measured or drawn, so they never make a tag:
// "&nbsp;" -> blank, "&lt;" -> "<", "&gt;" -> ">".
#pragma once

#include <string>
#include <string_view>

// The entity rounds.
std::string ReplaceMarkupEntities(std::string_view text);
// Field tags ("<#name>") shown as their name: the "<" before each "#" and the first ">" after it go.
std::string UnwrapMarkupFields(std::string_view text);
// Every CR becomes "<BR>" and every LF goes.
std::string RewriteMarkupLineBreaks(std::string_view text);
// The text the renderer lays out: the entity rounds (when the text holds "&"), then the fields
// unwrapped, then the line breaks rewritten.
std::string PrepareMarkupForLayout(std::string_view text);

// A run's text as shown: its display entities replaced.
std::string ReplaceDisplayEntities(std::string_view run);

// For the rest of a text that starts with "<": the tag to act on and remove, from the "<" to the
// first ">", or all of the rest when it has no ">" (an unclosed tag swallows the rest of the
// text).  Empty when the rest is at most two characters: such a rest is dropped without effect.
std::string_view LeadingMarkupTag(std::string_view rest);
