// Locale-aware string comparison through the ICU collator of the locale: the platform's
// CompareString on code page 874 and UTF-16 texts, and the class library's AnsiCompareStr,
// AnsiCompareText, AnsiSameText and their wide forms.
//
// Case-sensitive comparison orders by letters first, then accents, then case (lower before
// upper); NORM_IGNORECASE drops the case level, NORM_IGNORENONSPACE the accent level.  Thai
// follows its dictionary order (a leading vowel sorts after the consonant it precedes).
// Collators are made once per locale and flag set and shared by all threads.
#pragma once

#include <string_view>

#include "platform/os/locale_constants.h"

// CSTR_LESS_THAN, CSTR_EQUAL or CSTR_GREATER_THAN; 0 (and the last error set) for an unknown
// locale, an unsupported flag or a negative length other than -1.  A length of -1 means the text
// ends at its first null character.
Integer CompareStringA(LCID locale, DWORD flags, const char* s1, Integer length1, const char* s2,
                       Integer length2);
Integer CompareStringW(LCID locale, DWORD flags, const char16_t* s1, Integer length1,
                       const char16_t* s2, Integer length2);

// Below zero, zero or above zero under the user's locale.
Integer AnsiCompareStr(std::string_view s1, std::string_view s2);
Integer AnsiCompareText(std::string_view s1, std::string_view s2);
bool AnsiSameStr(std::string_view s1, std::string_view s2);
bool AnsiSameText(std::string_view s1, std::string_view s2);
Integer WideCompareStr(std::u16string_view s1, std::u16string_view s2);
Integer WideCompareText(std::u16string_view s1, std::u16string_view s2);
bool WideSameText(std::u16string_view s1, std::u16string_view s2);
