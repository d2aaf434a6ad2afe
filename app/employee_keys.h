// The keys of the employee file PRFILE01 and the name key's Thai sort order.
//
// Key 1 the employee code; key 2 the department (2 characters, blank-padded) and the code; key 3 a
// date and a text, 26 characters; key 4 the Thai name in sort order, 40 characters; key 5 a text
// of 20 characters.  Keys 3 to 5 are padded with blanks to their full width, so that equal prefixes
// sort together.  Texts are code page 874 bytes.
//
// Thai sort order: a word that begins with one of the leading vowels เ แ ใ ไ (0xE0, 0xE1, 0xE3,
// 0xE4) is sorted by its consonant, so the first two bytes change places; โ (0xE2) keeps its place.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// The key builder of PRFILE01: key `keyNo` (1..5) of an employee record; other numbers give "".
std::string BuildEmployeeKey(const void* record, SmallInt keyNo);
// The name in sort order: each of the two parts around the first blank in Thai sort order, joined
// without that blank, at most 80 characters.
std::string BuildNameKey(std::string_view text);
// The first 80 characters of `text` with a leading vowel moved behind its consonant.
std::string ThaiSortSwap(std::string_view text);
