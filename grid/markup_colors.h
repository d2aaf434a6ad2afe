// Colour values of the markup language: "#RRGGBB" (red, green, blue; the colour keeps red in its
// low byte) or a colour name ("clRed", "clBtnFace", ... looked up in lower case).  An unknown name
// or a value that is not six hexadecimal digits after "#" gives 0 (black).  Names never give
// clNone (0x1FFFFFFF).
#pragma once

#include <optional>
#include <string_view>

#include "platform/ui/colors.h"

// The colour of a name, compared in lower case ("CLRED" is red); 0 for an unknown name.
TColor MarkupColorFromName(std::string_view name);
// FONT COLOR, FONT BGCOLOR and P BGCOLOR: a value beginning with "#" is hexadecimal, anything
// else a name.
TColor MarkupColor(std::string_view value);
// BODY BGCOLOR: a value holding "#" is hexadecimal from there, else one holding "CL" is a name;
// nothing for any other value.
std::optional<TColor> BodyBackgroundColor(std::string_view value);
