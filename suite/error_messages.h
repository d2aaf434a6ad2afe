// Long texts of record-file errors from QZERROR.MSG in the program folder.
//
// The file is a sequence of sections; a section begins with the marker line "%ERROR%<number>"
// (decimal, no leading zeros or blanks) and runs to the next line that begins with "%ERROR%" or to
// the end of the file; lines before the first marker belong to no section.  Markers are compared as
// whole lines, byte for byte.  The file is read where it lies: the current folder is not changed.
#pragma once

#include "platform/core/types.h"

// Writes the lines of the section of `errorNumber` to standard output (as UTF-8, each ending in a
// line feed); writes nothing when the file or the section is missing.
void ErrorMsgLookup(Word errorNumber);
