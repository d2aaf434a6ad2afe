// Currency amounts to text and back under regional settings.
//
// An amount's digits are exact (a Currency is an Int64 of ten-thousandths), so texts never show
// binary noise: CurrToStr writes every significant decimal (at most four) and never uses exponents.
// CurrToStrF and FormatCurr use the layouts and picture formats of FloatToStrF and FormatFloat
// (float_text.h), rounding the exact digits half away from zero.  Reading accepts what StrToFloat
// accepts and rounds the exact decimal value to the nearest ten-thousandth, halves to even (as a
// double becomes a Currency); amounts beyond the Int64 range fail with EConvertError
// "'<text>' is not a valid floating point value".
#pragma once

#include <string>
#include <string_view>

#include "platform/core/currency.h"
#include "platform/core/float_text.h"

std::string CurrToStr(Currency value);
std::string CurrToStr(Currency value, const TFormatSettings& settings);
// `digits`: exponent digits for ffGeneral and ffExponent, decimals for the fixed layouts (as FloatToStrF).
std::string CurrToStrF(Currency value, TFloatFormat format, Integer digits);
std::string CurrToStrF(Currency value, TFloatFormat format, Integer digits, const TFormatSettings& settings);
std::string FormatCurr(std::string_view format, Currency value);
std::string FormatCurr(std::string_view format, Currency value, const TFormatSettings& settings);

Currency StrToCurr(std::string_view s);
Currency StrToCurr(std::string_view s, const TFormatSettings& settings);
Currency StrToCurrDef(std::string_view s, Currency defaultValue);
Currency StrToCurrDef(std::string_view s, Currency defaultValue, const TFormatSettings& settings);
bool TryStrToCurr(std::string_view s, Currency& value);
bool TryStrToCurr(std::string_view s, Currency& value, const TFormatSettings& settings);
