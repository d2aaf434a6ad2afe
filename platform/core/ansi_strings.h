// The class library's routines on 8-bit text: one-based positions and cuts, trimming, case, ordinal
// comparison, quoting and replacing.
//
// Text is code page 874 bytes; every length, position and comparison is in bytes, compared as
// unsigned values.  Positions are one-based as in the class library (Pos returns 0 for "not
// found"); out-of-range indexes and counts are clamped, never undefined: Copy treats an index below
// 1 as 1 and a count past the end as "to the end"; Delete does nothing for an index outside
// 1..Length; Insert puts text before index 1 at the front and past the end at the back.
// Case mapping changes only the Latin letters A-Z/a-z: code page 874 has no other letters with
// case, so the "Ansi" variants equal the plain ones here.  Locale-aware (collating) comparison
// lives in platform/os/locale, not here.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// One-based position of the first occurrence of `subStr` in `s`; 0 when absent or `subStr` is empty.
Integer Pos(std::string_view subStr, std::string_view s);
// Up to `count` bytes of `s` from one-based `index`; index < 1 counts as 1, count < 0 as 0.
std::string Copy(std::string_view s, Integer index, Integer count);
// Removes up to `count` bytes from one-based `index`; nothing when index is outside 1..Length(s).
void Delete(std::string& s, Integer index, Integer count);
// Inserts `source` into `s` before one-based `index`, clamped to 1..Length(s)+1.
void Insert(std::string_view source, std::string& s, Integer index);

// Without leading and/or trailing bytes <= ' ' (blanks and control characters).
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);

// One character's case: only A-Z and a-z change.
constexpr char UpCase(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }
constexpr char LoCase(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }
constexpr bool IsDecimalDigit(char ch) { return ch >= '0' && ch <= '9'; }

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
std::string AnsiUpperCase(std::string_view s);
std::string AnsiLowerCase(std::string_view s);

// Ordinal comparison: < 0, 0 or > 0 (the difference of the first differing bytes, or of the
// lengths).  CompareText and SameText ignore the case of A-Z.
Integer CompareStr(std::string_view s1, std::string_view s2);
Integer CompareText(std::string_view s1, std::string_view s2);
bool SameText(std::string_view s1, std::string_view s2);

// `s` between single quotes, each quote inside doubled: It's -> 'It''s'.
std::string QuotedStr(std::string_view s);
// `s` between `quote` characters, each `quote` inside doubled.
std::string AnsiQuotedStr(std::string_view s, char quote);
// Reads a quoted text at the front of `src`: returns it with doubled quotes made single and
// advances `src` past the closing quote (to the end when there is none).  When `src` does not
// start with `quote`, returns "" and leaves `src` as it is.
std::string AnsiExtractQuotedStr(std::string_view& src, char quote);

// StringReplace flags; combine with |.
enum TReplaceFlag : unsigned { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = unsigned;
// `s` with the first (or, with rfReplaceAll, every) `oldPattern` replaced by `newPattern`; matches
// do not overlap and replaced text is not searched again.  An empty `oldPattern` changes nothing.
std::string StringReplace(std::string_view s, std::string_view oldPattern, std::string_view newPattern,
                          TReplaceFlags flags);

// `count` copies of `ch`; "" for count <= 0.
std::string StringOfChar(char ch, Integer count);
