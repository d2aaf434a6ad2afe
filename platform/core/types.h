// Fixed-width integer and character types under the names the system's code uses.
//
// Every integer keeps the width it has in stored files and in the class library: Integer is 32 bits,
// Word 16, Byte 8, whatever the host.  8-bit text is std::string holding code page 874 bytes; wide
// text is std::u16string.  Nothing here allocates or depends on the host's long double.
#pragma once

#include <cstdint>
#include <string>

using ShortInt = std::int8_t;
using SmallInt = std::int16_t;
using Integer = std::int32_t;
using LongInt = std::int32_t;
using Int64 = std::int64_t;
using Byte = std::uint8_t;
using Word = std::uint16_t;
using Cardinal = std::uint32_t;
using LongWord = std::uint32_t;
using DWORD = std::uint32_t;
using UInt64 = std::uint64_t;
using BOOL = std::int32_t;   // the platform's 32-bit boolean: 0 is false, anything else true
using AnsiChar = char;       // one code page 874 byte
using WideChar = char16_t;   // one UTF-16 code unit

using AnsiString = std::string;      // code page 874 bytes, lengths and positions in bytes
using WideString = std::u16string;   // UTF-16 code units

// Days since 1899-12-30; the fraction is the time of day.
using TDateTime = double;

static_assert(sizeof(Integer) == 4 && sizeof(Word) == 2 && sizeof(Byte) == 1 && sizeof(Int64) == 8);
