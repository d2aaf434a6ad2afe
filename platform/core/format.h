// Format: the class library's printf, over TVarRec argument lists.
//
// A specifier is  "%" [index ":"] ["-"] [width] ["." precision] type  where index, width and
// precision are decimal numbers or "*" (taken from the next argument, which must be an integer).
// An index selects the argument (zero-based) and later specifiers continue after it.  Types, in
// either case:
//   d  integer, decimal; precision = minimum digits (zero-padded after the sign)
//   u  integer as unsigned (an Integer as 32 bits, an Int64 as 64)
//   x  integer, upper-case hexadecimal of its two's complement; precision = minimum digits
//   e  float or Currency, "-d.ddd...E+ddd" with precision significant digits (default 15)
//   f  float or Currency (so are g n m), fixed with precision decimals (default 2)
//   g  float, the shorter of fixed and scientific, precision significant digits (default 15)
//   n  float, fixed with thousand separators, precision decimals (default 2)
//   m  float, money in the settings' currency layout, precision decimals (default CurrencyDecimals)
//   p  pointer, upper-case hexadecimal of the address, two digits per byte
//   s  text or character; precision = maximum length
// "%%" writes "%".  The result is right-justified in width blanks, left-justified with "-".
// An argument of the wrong kind or a malformed specifier raises EConvertError
// "Format '<format>' invalid or incompatible with argument"; a missing argument raises
// EConvertError "No argument for format '<format>'".
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "platform/core/format_settings.h"
#include "platform/core/var_rec.h"

std::string Format(std::string_view format, std::initializer_list<TVarRec> args);
std::string Format(std::string_view format, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
std::string Format(std::string_view format, std::span<const TVarRec> args);
std::string Format(std::string_view format, std::span<const TVarRec> args, const TFormatSettings& settings);
