// TSQLTimeStamp: a date and time of day as separate fields, the 16-byte form that database time
// stamps and the editors' time-stamp values keep.
//
// Layout (16 bytes, little-endian): Year (signed 16-bit), Month, Day, Hour, Minute, Second
// (unsigned 16-bit each), Fractions (unsigned 32-bit, milliseconds).  All fields 0 is the empty
// time stamp, which stands for TDateTime 0 (1899-12-30 00:00) both ways.
#pragma once

#include "platform/core/exceptions.h"
#include "platform/core/types.h"

struct TSQLTimeStamp {
  SmallInt Year = 0;
  Word Month = 0;
  Word Day = 0;
  Word Hour = 0;
  Word Minute = 0;
  Word Second = 0;
  LongWord Fractions = 0;

  friend bool operator==(const TSQLTimeStamp&, const TSQLTimeStamp&) = default;
};
static_assert(sizeof(TSQLTimeStamp) == 16);

// False when a field is out of its range (month 1..12, a day of that month, hour 0..23, minute and
// second 0..59, fractions below 1000) and the time stamp is not the empty one.
bool TrySQLTimeStampToDateTime(const TSQLTimeStamp& value, TDateTime& result);
// As the Try form; EConvertError "Invalid argument to time encode" / "... date encode" otherwise.
TDateTime SQLTimeStampToDateTime(const TSQLTimeStamp& value);
// The fields of a date-time, milliseconds rounded as DecodeTime rounds them.
TSQLTimeStamp DateTimeToSQLTimeStamp(TDateTime value);
// Negative, zero or positive: the first field, in the order Year .. Fractions, that differs decides.
Integer CompareSQLTimeStamps(const TSQLTimeStamp& a, const TSQLTimeStamp& b);
