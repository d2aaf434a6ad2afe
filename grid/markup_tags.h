// The tags of the grid's markup language and how their attributes are read: which tag a "<...>"
// is (decided by its leading letters), attribute values, numbers in them and FONT sizes.  The
// markup renderer acts on what these routines tell; docs/grid-text.md describes the language.
//
// A tag runs from a "<" to the first ">" after it; there is no escaping inside a tag.  Opening
// tags are told apart by their leading letters, compared without regard to case ("<b>" is bold,
// '<BIG>' is no tag, "<BLINK>" blinks); closing tags by the letter after "</" and, for "</B",
// "</S" and "</U", the character after it ("</SU", "</SH" and "</S>" are three different tags).
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

enum class TMarkupTag : Byte {
  Unknown,   // removed without effect
  Anchor, Bold, LineBreak, Blink, Body, Control, ErrorMark, Font, Highlight, HorizontalRule, Italic,
  Indentation, Image, ListItem, Paragraph, RotatedText, StrikeOut, Shadow, Subscript, Superscript,
  Underline, List, Hidden,
  EndAnchor, EndBold, EndBlinkOrBody, EndErrorMark, EndFont, EndHighlight, EndItalic, EndListItem,
  EndParagraph, EndRotatedText, EndSubscriptOrSuperscript, EndShadow, EndStrikeOut, EndUnderline, EndList,
  EndHidden,
};

struct TMarkupTagInfo {
  TMarkupTag kind = TMarkupTag::Unknown;
  // What follows the deciding letters up to the ">" (or the end of a tag without ">").
  std::string_view attributes;
};

// `tag` starts with "<" and runs to its ">" (or to the end of the text when it has none).
TMarkupTagInfo RecogniseMarkupTag(std::string_view tag);

// The value of the attribute `name` in a tag's attribute text: `name` is found ignoring case
// (first occurrence outside double-quoted values; order is free) and the value is the text
// between the next two double quotes ("" without a complete pair).  Values come upper-cased,
// except those of HREF and TITLE, which keep their case.  False when the name does not occur.
// Callers search FONT's COLOR as " COLOR", so that BGCOLOR does not answer for it.
bool FindMarkupAttribute(std::string_view attributes, std::string_view name, std::string& value);
// The same with the value as written, whatever the attribute (the fields of form controls).
bool FindMarkupAttributeAsWritten(std::string_view attributes, std::string_view name, std::string& value);

// The first double-quoted value after the first `letter` (any case) of the attribute text: the
// indentation tag's "x" and the rotated-text tag's "A".  "" when there is none.
std::string QuotedValueAfterLetter(std::string_view attributes, char letter);

// A number at the start of an attribute value: blanks skipped, an optional sign, "$" or "0x" for
// hexadecimal, digits up to the first character that does not belong ("12px" is 12, " -12" -12,
// "$1F" and "0x1F" 31); 0 when there is none.  Digits that would leave the 32-bit range end it.
Integer MarkupNumber(std::string_view value);
// The value read as a whole integer (the platform's integer text, nothing after it): the only form
// a form control's WIDTH and an indentation take.  False for "12px" or "".
bool WholeMarkupNumber(std::string_view value, Integer& number);

// FONT SIZE: 1 to 5 are 8, 10, 12, 14 and 16 points; any other number is the point size itself.
Integer MarkupFontSize(std::string_view value);
