// The income and deduction types of PRACCNO.DAT: records of 87 bytes in the 60 slots of
// slot_file.h, with a default set written when the file does not exist.
//
// Record layout (texts of n as in record_fields.h): 0 name (text of 40), 52/53/54 the type bytes A,
// B and C, 55 the first parameter text (text of 10), 66 the second (text of 10), 78 an extra mark.
// Every start sets slot 8's type byte A to 1.
#pragma once

#include <string_view>
#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kIncomeTypeRecordSize = 87;
inline constexpr char kIncomeTypeFileName[] = "PRACCNO.DAT";

namespace income_type {
inline constexpr Integer Name = 0;
inline constexpr Integer NameWidth = 40;
inline constexpr Integer TypeA = 52;
inline constexpr Integer TypeB = 53;
inline constexpr Integer TypeC = 54;
inline constexpr Integer FirstText = 55;
inline constexpr Integer SecondText = 66;
inline constexpr Integer ParameterWidth = 10;
inline constexpr Integer ExtraMark = 78;
}  // namespace income_type

// Slots 1..60, back to back; empty until read.
extern std::vector<Byte> IncomeTypes;

// Reads PRACCNO.DAT from the current folder; a missing file gets the default set, written at once.
// False when the file exists but cannot be read, or cannot be written (reported; the program is to
// end).
bool ReadIncomeTypes();
// Writes PRACCNO.DAT back in the 60-record form, from its current content with slot 8's fix, when
// that changes it.
bool WriteIncomeTypes();
// Fills slot `slot` (1..60): the name cut to 40 characters, the parameter texts to 10.
void SetIncomeType(Integer slot, std::string_view name, Byte a, Byte b, Byte c, std::string_view first,
                   std::string_view second);
void ReleaseIncomeTypes();
