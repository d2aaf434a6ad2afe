// The message lines of MESSAGE.BOX in the company folder: records of 81 bytes (a text of 80), at
// most 100 held, read at start-up for the suite's use and never written back.  A file that cannot
// be read leaves the lines empty.
#pragma once

#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kMessageLineSize = 81;
inline constexpr Integer kMessageLineSlots = 100;

// Slots 1..100, back to back.
extern std::vector<Byte> MessageLines;

void ReadMessageLines();
