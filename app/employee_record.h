// The employee record of PRFILE01 (2,567 bytes): the offsets and widths of the fields this tool
// writes; every other byte of a record it creates is 0.  Texts are texts of n (record_fields.h);
// dates are "yymmdd" texts in the Buddhist era, `Col19Date` "dd/mm/yyyy"; the two amounts are
// 10-byte floats.  docs/format-payroll-files.md lists the whole layout.
#pragma once

#include "platform/core/types.h"

namespace employee_record {

inline constexpr Integer kSize = 2567;

// A text field: offset of its length byte and its width n.
struct TextField {
  Integer offset;
  Integer width;
};

inline constexpr Integer Status = 0;   // int32, 0 while the record is in use
inline constexpr TextField EmployeeCode{4, 9};
inline constexpr TextField ThaiName{14, 40};
inline constexpr TextField Col2Text{55, 40};
inline constexpr TextField Col3Text{96, 40};
inline constexpr TextField Col4Text{137, 40};
inline constexpr TextField Col15Text{219, 20};
inline constexpr TextField Col16Text{240, 20};
inline constexpr TextField Col17Text{261, 20};
inline constexpr TextField Col18Text{282, 20};
inline constexpr TextField DepartmentCode{303, 2};
inline constexpr TextField Position{306, 30};
inline constexpr Integer Col6Choice = 337;
inline constexpr Integer Col12Byte = 338;
inline constexpr Integer Col13Byte = 381;
inline constexpr Integer Col14Byte = 382;
inline constexpr TextField Col21Date{383, 6};
inline constexpr TextField Col20Date{390, 6};
inline constexpr TextField Col22Date{404, 6};
inline constexpr Integer Col9Byte = 411;
inline constexpr Integer Col10Byte = 412;
inline constexpr Integer Col25Amount = 413;
inline constexpr Integer Col24Amount = 423;
inline constexpr Integer Col23Flag = 433;
inline constexpr Integer Col11Byte = 434;
inline constexpr TextField Col19Date{2088, 10};
inline constexpr TextField EnglishName{2214, 40};

}  // namespace employee_record
