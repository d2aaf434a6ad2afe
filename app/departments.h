// The departments of PRDEPT.DAT: records of 59 bytes that this tool carries unchanged, held in the
// 60 slots of slot_file.h while the tool runs.
#pragma once

#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kDepartmentRecordSize = 59;
inline constexpr char kDepartmentFileName[] = "PRDEPT.DAT";

// Slots 1..60, back to back; empty until read.
extern std::vector<Byte> Departments;

// Reads PRDEPT.DAT from the current folder, creating it empty when it does not exist.  False when
// the file exists but cannot be read, or cannot be created (reported; the program is to end).
bool ReadDepartments();
// Writes PRDEPT.DAT back in the 60-record form, from its current content, when that changes it.
bool WriteDepartments();
void ReleaseDepartments();
