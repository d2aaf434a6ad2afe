// The text calls' strings in their own units.
//
// The A calls take code page 874 bytes, the W calls UTF-16 code units.  Inside the text layer both
// become UTF-16: code page 874 maps each byte to exactly one code unit, so every index, count and
// width array the layer reports back is in the caller's units without translation.  A surrogate
// pair is one character whose advance belongs to its first unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gdi {

// The character starting at text[i]; advances i past it (two units for a surrogate pair).  A lone
// surrogate reads as U+FFFD.
inline char32_t DecodeUnit(std::u16string_view text, std::size_t& i) {
  const char16_t u = text[i++];
  if (u < 0xD800 || u > 0xDFFF) return u;
  if (u <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF)
    return 0x10000 + ((char32_t(u) - 0xD800) << 10) + (text[i++] - 0xDC00);
  return 0xFFFD;
}

// The length of a caller's string: count itself, or up to the terminating NUL when count is -1.
std::size_t TextCount(const char* text, int count);
std::size_t TextCount(const char16_t* text, int count);

// Code page 874 bytes as UTF-16 units, one unit per byte.
std::u16string AnsiUnits(const char* text, std::size_t count);

}  // namespace gdi
