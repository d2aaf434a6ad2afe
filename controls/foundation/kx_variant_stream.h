// Variant values and plain numbers on a byte stream (unit kxVariants), in the tagged encoding of
// the component stream (docs/format-variant-stream.md has the bytes).
//
// A tag byte, then its payload (little-endian): 0 Null; 1 array (a count as an integer value,
// then that many values); 2, 3, 4, 19 integers of 1, 2, 4, 8 bytes; 5 a 10-byte extended float
// (read as a double); 6 a string of at most 255 bytes (1-byte length); 12 a longer string
// (4-byte length); 8 False; 9 True; 13 Empty; 15 a 4-byte single; 16 an 8-byte currency;
// 17 an 8-byte date; 18 a wide string (4-byte count, 2 bytes per character).
//
// Reading trusts nothing: an unknown tag, a count or length below 0 or beyond the bytes left in
// the stream, or arrays nested more than 100 deep raise EReadError "Stream read error" before
// anything is allocated; a stream that ends early raises the stream's own read error.
#pragma once

#include <string>

#include "platform/classes/stream.h"
#include "platform/core/currency.h"
#include "platform/core/variant.h"

inline constexpr Integer kMaxVariantArrayNesting = 100;

// EWriteError "Stream write error" for an array of more than one dimension, or a value of a type
// that cannot be turned into text.
void WriteStreamVariant(TStream* Stream, const Variant& V);
Variant ReadStreamVariant(TStream* Stream);

// A 4-byte signed length, then the bytes.
void WriteStreamString(TStream* Stream, const std::string& S);
std::string ReadStreamString(TStream* Stream);
// A 4-byte character count, then two bytes per character.
void WriteStreamWideString(TStream* Stream, const std::u16string& S);
std::u16string ReadStreamWideString(TStream* Stream);

void WriteStreamByte(TStream* Stream, Byte Value);
Byte ReadStreamByte(TStream* Stream);
void WriteStreamSmallInt(TStream* Stream, SmallInt Value);
SmallInt ReadStreamSmallInt(TStream* Stream);
void WriteStreamWord(TStream* Stream, Word Value);
Word ReadStreamWord(TStream* Stream);
void WriteStreamInteger(TStream* Stream, Integer Value);
Integer ReadStreamInteger(TStream* Stream);
void WriteStreamInt64(TStream* Stream, Int64 Value);
Int64 ReadStreamInt64(TStream* Stream);
void WriteStreamCurrency(TStream* Stream, Currency Value);
Currency ReadStreamCurrency(TStream* Stream);
void WriteStreamDateTime(TStream* Stream, TDateTime Value);
TDateTime ReadStreamDateTime(TStream* Stream);
// A double as the 10-byte extended float, and back (rounded to the nearest double).
void WriteStreamExtended(TStream* Stream, double Value);
double ReadStreamExtended(TStream* Stream);
