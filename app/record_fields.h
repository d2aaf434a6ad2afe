// Fields of the payroll's fixed-layout records, read and written at byte offsets of a record buffer.
//
// Formats: a text of n is one length byte followed by n bytes (n + 1 bytes in all), the bytes after
// the text zero in records this tool writes; integers are little-endian; floats are the 10-byte
// extended format (platform/core/extended80.h).  Invariant: nothing is read or written outside the
// field: a stored length byte above n reads as n characters, and a longer text is cut to n.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/extended80.h"
#include "platform/core/types.h"

std::string GetFieldText(const Byte* record, Integer offset, Integer width);
// Stores `text` (cut to `width`) and zeroes the rest of the field.
void SetFieldText(Byte* record, Integer offset, Integer width, std::string_view text);

Extended80 GetFieldFloat(const Byte* record, Integer offset);
void SetFieldFloat(Byte* record, Integer offset, const Extended80& value);
// Stores a value written in the source as a decimal number (e.g. "999999999.99"), rounded once,
// from the decimal, to the nearest 10-byte value, as a compiled constant of the format is.
void SetFieldDecimal(Byte* record, Integer offset, std::string_view decimal);
bool FieldFloatIsZero(const Byte* record, Integer offset);

void SetFieldInt16(Byte* record, Integer offset, SmallInt value);
