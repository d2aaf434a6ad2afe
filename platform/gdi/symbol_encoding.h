// The Symbol encoding: what the bytes of an A text call mean when the selected font is the face
// "Symbol", a font of the symbol character set (Greek letters, mathematical signs, arrows, the
// list bullet 0xB7).  Every other face reads its bytes as code page 874.
//
// The table is the standard Symbol encoding.  Its pieces of large brackets, braces and the
// integral, and its serif and sans-serif copyright, registered and trade marks, have no code points
// of their own in the fonts installed here: the pieces map to the Unicode bracket pieces
// (U+239B..U+23AE), the arrow and radical extenders to U+23D0, U+23AF and U+203E, and the marks to
// U+00A9, U+00AE and U+2122.  Bytes below 0x20 keep their meaning (CR, LF and TAB still break and
// expand); the codes the encoding leaves undefined (0x7F..0x9F, 0xF0, 0xFF) read as U+FFFD.
#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/font_types.h"

namespace gdi {

char16_t SymbolToUnicode(unsigned char byte);
// The byte of a Unicode code unit in the Symbol encoding; '?' when it has none.
char SymbolFromUnicode(char16_t unit);

// True when the font asks for the face "Symbol" (compared ignoring ASCII case and blanks, as face
// names are).
bool IsSymbolFace(const LOGFONTW& font);

// A text call's bytes as UTF-16 units, one unit per byte, in the encoding of `font`.
std::u16string FontBytesToUtf16(const LOGFONTW& font, std::string_view bytes);
// And back (DrawText writes a shortened text into the caller's buffer).
std::string Utf16ToFontBytes(const LOGFONTW& font, std::u16string_view units);

}  // namespace gdi
