// The payroll's list files of 60 slots: PRDEPT.DAT (departments) and PRACCNO.DAT (income and
// deduction types).  Slot n (1..60) is record n - 1 of the file; a file with fewer records leaves
// the last slots zero, records after the 60th are not read.  The file is always written in the
// 60-record form.
//
// Writing back re-reads the file, so that what other stations stored meanwhile is kept: the caller's
// own changes are applied again to the fresh slots, and the file is rewritten only when that
// changes it.  Invariant: a file that exists but cannot be read is never rewritten.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kSlotCount = 60;

// Reads `name` into `slots` (kSlotCount records of `recordSize` bytes, zero where the file ends).
// Returns the IOResult: 0, 2 when the file does not exist, anything else when it cannot be read.
Integer ReadSlotFile(const std::string& name, Integer recordSize, std::vector<Byte>& slots);
// Writes all 60 slots, creating the file anew.  Returns the IOResult.
Integer WriteSlotFile(const std::string& name, Integer recordSize, const std::vector<Byte>& slots);
// Re-reads `name` (the start-up copy `startSlots` stands in for a file that has gone), applies
// `reapply` and writes the 60-record form when it differs from the file.  A file that cannot be read
// or written is reported (program_end.h: the program is to end); false then.
bool RewriteSlotFileIfChanged(const std::string& name, Integer recordSize, const std::vector<Byte>& startSlots,
                              const std::function<void(std::vector<Byte>&)>& reapply);
