// Form-control fields in markup texts: '<CONTROL TYPE="EDIT" ID="name" VALUE="..." WIDTH="80"
// PROP="...">'.  TYPE is EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO or BUTTON; ID names the field
// within its text (compared with case); PROP is free text for the field's owner (a MASK field's
// edit mask).  A field without a whole-integer WIDTH has no size and is not laid out.
//
// A VALUE is stored encoded: "&" as "&amp;", '"' as "&quot;", "<" as "&lt;", ">" as "&gt;", and
// read back decoded in one pass, so every value comes back exactly as it was set.  Attribute names
// are found outside double-quoted values, so a value that reads like "WIDTH=" is never taken for
// an attribute.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

struct TMarkupControl {
  std::string Type;    // upper case
  std::string ID;
  std::string Value;   // decoded
  std::string Width;
  std::string Prop;
};

// The fields of one control tag (its text from "<" up to its ">"); absent ones are empty.
TMarkupControl ParseControlTag(std::string_view tag);

std::string EncodeControlValue(std::string_view value);
std::string DecodeControlValue(std::string_view value);

// True when the upper-cased text holds "<CONTROL".
bool HasControlTag(std::string_view markup);
// The ID of the first field after the field named `id` (the first field of the text when `id` is
// empty) that is not a BUTTON, CHECK or RADIO; "" when there is none.
std::string NextEditableControlID(std::string_view markup, std::string_view id);
// PROP of the field named `id`; "" when there is none.
std::string GetControlProp(std::string_view markup, std::string_view id);
// Rewrites the first field named `id` as 'CONTROL ID="id" VALUE="<encoded value>" WIDTH="w"
// TYPE="T"' (and ' PROP="p"' when it has one) between its "<" and ">", dropping any other
// attribute, and returns 1; 0 with the text unchanged when no field has that ID.
Integer SetControlValue(std::string& markup, std::string_view id, std::string_view value);
