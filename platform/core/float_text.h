// Floating-point numbers to text and back under regional settings.
//
// Writing: `FloatToStr` (general format, 15 significant digits), `FloatToStrF` (general, exponent,
// fixed, number and currency layouts) and `FormatFloat` (picture formats such as "#,##0.00;(#,##0.00);-").
// Digits come from `FloatToDecimal` (float_decimal.h): correctly rounded to 18 digits, then half
// away from zero.  NaN and the infinities write as "NAN", "INF" and "-INF"; a value that rounds to
// zero never shows a minus sign.
//
// Reading: `StrToFloat` and friends accept leading and trailing blanks (' '), a sign, digits with at
// most one decimal separator (the settings' DecimalSeparator, not '.' unless that is it), and an
// exponent "E"/"e" with optional sign.  Thousand separators are not accepted; neither is a value
// outside the range of a double.  Failures raise EConvertError
// "'<text>' is not a valid floating point value".  `Val` is the run-time library's reading: '.' as
// the point, no trailing blanks, and a position instead of an exception.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/format_settings.h"
#include "platform/core/types.h"

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

std::string FloatToStr(double value);
std::string FloatToStr(double value, const TFormatSettings& settings);

// `precision`: significant digits, 1..18.  `digits`: the minimum number of exponent digits (0..4) for
// ffGeneral and ffExponent, the number of decimals (0..18) for ffFixed, ffNumber and ffCurrency.
// Fixed layouts of values with more than `precision` integer digits use the general layout instead.
std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits);
std::string FloatToStrF(double value, TFloatFormat format, Integer precision, Integer digits,
                        const TFormatSettings& settings);

// Up to three sections "positive;negative;zero".  In a section: '0' a digit or a zero, '#' a digit
// or nothing, the first '.' the decimal separator, any ',' turns on thousand separators, "E+0",
// "E-0" (or "e") scientific with at least as many exponent digits as zeros (at most 4), 'text' and
// "text" literal, anything else literal.  The negative section writes the value without its minus
// sign; an empty or missing section falls back to the positive one, an empty format or positive
// section to FloatToStr.  The zero section serves every value that rounds to zero.
std::string FormatFloat(std::string_view format, double value);
std::string FormatFloat(std::string_view format, double value, const TFormatSettings& settings);

double StrToFloat(std::string_view s);
double StrToFloat(std::string_view s, const TFormatSettings& settings);
double StrToFloatDef(std::string_view s, double defaultValue);
double StrToFloatDef(std::string_view s, double defaultValue, const TFormatSettings& settings);
bool TryStrToFloat(std::string_view s, double& value);
bool TryStrToFloat(std::string_view s, double& value, const TFormatSettings& settings);

// `code` is 0 on success, else the one-based position where reading stopped (Length + 1 when the
// text ended too early); `value` then holds the number read up to there (0 when none).
void Val(std::string_view s, double& value, Integer& code);
