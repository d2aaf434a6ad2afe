// The text calls' strings in their own units.
//
// The A calls take code page 874 bytes (Symbol-encoded bytes while the face "Symbol" is selected:
// symbol_encoding.h), the W calls UTF-16 code units.  Inside the text layer both become UTF-16:
// either encoding maps each byte to exactly one code unit, so every index, count and width array
// the layer reports back is in the caller's units without translation.  A surrogate
// pair is one character whose advance belongs to its first unit.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/gdi/gdi_types.h"

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

// An A call's bytes as UTF-16 units, one unit per byte, in the encoding of the font selected into
// the context.
std::u16string AnsiUnits(HDC dc, const char* text, std::size_t count);
// And back, for texts written into the caller's buffer.
std::string AnsiBytes(HDC dc, std::u16string_view units);

}  // namespace gdi
