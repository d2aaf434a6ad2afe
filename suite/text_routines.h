// The suite's small text routines and the start-up state of its text module: Latin upper-casing,
// repeated characters, fixed-width fields, the result that marks a file held by another program and
// the joined command line.
//
// Texts are code page 874 bytes; widths and lengths count bytes.  Only the Latin letters a-z are
// upper-cased: Thai letters and every other byte stay as they are.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"
#include "platform/os/classic_io.h"

// The open result (255) of a typed or text file that another program holds; the opens that retry
// compare against it.
inline constexpr Byte FileLockedIOResult = FileHeldIOResult;

std::string UpCaseAscii(std::string_view text);
// `count` copies of `c`; empty for a count of 0 or less.
std::string RepeatChar(char c, Integer count);
// The first `width` bytes of a longer text, else the text padded with blanks to exactly `width`.
std::string PadOrCut(std::string_view text, Integer width);

// Every command-line parameter joined without separators and upper-cased with `UpCaseAscii`.
extern std::string CommandLineText;
// Fills `CommandLineText` from the program's parameters (UTF-8, as the system passes them; argv[0],
// the program itself, is not a parameter).
void InitCommandLineText(int argc, const char* const* argv);
