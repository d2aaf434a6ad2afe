#include "app/employee_import.h"

#include <array>
#include <cstring>

#include "app/employee_keys.h"
#include "app/employee_record.h"
#include "app/payroll_record_files.h"
#include "app/record_fields.h"
#include "platform/core/extended80.h"
#include "suite/buddhist_date.h"
#include "suite/data_file.h"
#include "suite/isam/isam_engine.h"
#include "suite/number_text.h"
#include "suite/program_end.h"
#include "suite/text_routines.h"

namespace {

using namespace employee_record;

constexpr Integer kMaxCodeLength = 10;
constexpr Integer kEmployeeKeys = 5;
constexpr Integer kTextCut = 50;

// The rows' cells of one data row, read once each.
class TRowCells {
 public:
  TRowCells(const TImportRows& rows, Integer row) : rows_(rows), row_(row) {}
  std::string operator[](Integer col) const { return rows_.Cell(col, row_); }
  Byte LowByte(Integer col) const { return static_cast<Byte>(ParseIntegerText((*this)[col]) & 0xFF); }
  double Amount(Integer col) const { return rows_.Amount(col, row_); }

 private:
  const TImportRows& rows_;
  Integer row_;
};

void SetText(Byte* record, TextField field, std::string_view text) {
  SetFieldText(record, field.offset, field.width, text);
}

// c9, c10, c12: 251..254 become 1.   c11: 252..254 become 3.   c13, c14: 252..255 become 0.
Byte SmallChoice(Byte v) { return v >= 251 && v <= 254 ? 1 : v; }
Byte ThreeChoice(Byte v) { return v >= 252 && v <= 254 ? 3 : v; }
Byte ZeroChoice(Byte v) { return v >= 252 ? 0 : v; }

std::string DepartmentText(Byte v) {
  if (v < 1 || v > 60) v = 1;
  return (v < 10 ? "0" : "") + std::to_string(v);
}

// "dd/mm/yyyy" stays; "dd/mm/yy" gets the Buddhist century "25"; anything else is empty.
std::string FullYearDate(const std::string& cell) {
  if (cell.size() == 10) return cell;
  if (cell.size() == 8) return cell.substr(0, 6) + "25" + cell.substr(6);
  return {};
}

std::string PackedDate(const std::string& cell) {
  if (cell.size() != 8) return {};
  return PackDateText(cell).value_or(std::string());
}

bool IsYes(const std::string& cell) { return !cell.empty() && (cell[0] == 'Y' || cell[0] == 'y'); }

void SetAmount(Byte* record, Integer offset, double value) { SetFieldFloat(record, offset, DoubleToExtended80(value)); }

}  // namespace

std::string CutText(std::string_view Text, Integer N) {
  return std::string(Text.substr(0, std::min<std::size_t>(Text.size(), std::size_t(std::max(N, 0)))));
}

void RowToEmployee(const TImportRows& Rows, Integer Row, Byte* Record) {
  const TRowCells c(Rows, Row);
  std::memset(Record, 0, kSize);
  SetText(Record, EmployeeCode, CutText(UpCaseAscii(c[0]), EmployeeCode.width));
  const std::array<TextField, 5> names{ThaiName, Col2Text, Col3Text, Col4Text, EnglishName};
  for (Integer col = 1; col <= 5; ++col) SetText(Record, names[col - 1], CutText(c[col], kTextCut));
  Record[Col6Choice] = ParseIntegerText(c[6]) == 2 ? 2 : 1;
  SetText(Record, DepartmentCode, DepartmentText(c.LowByte(7)));
  SetText(Record, Position, c[8]);
  Record[Col9Byte] = SmallChoice(c.LowByte(9));
  Record[Col10Byte] = SmallChoice(c.LowByte(10));
  Record[Col11Byte] = ThreeChoice(c.LowByte(11));
  Record[Col12Byte] = SmallChoice(c.LowByte(12));
  Record[Col13Byte] = ZeroChoice(c.LowByte(13));
  Record[Col14Byte] = ZeroChoice(c.LowByte(14));
  const std::array<TextField, 4> texts{Col15Text, Col16Text, Col17Text, Col18Text};
  for (Integer col = 15; col <= 18; ++col) SetText(Record, texts[col - 15], c[col]);
  SetText(Record, Col19Date, FullYearDate(c[19]));
  // The run's date only for a row without a date of its own (the clock is read only then).
  const std::string cell20 = c[20];
  SetText(Record, Col20Date,
          cell20.size() == 8 ? PackedDate(cell20) : PackDateText(BuddhistToday()).value_or(std::string()));
  SetText(Record, Col21Date, PackedDate(c[21]));
  SetText(Record, Col22Date, PackedDate(c[22]));
  Record[Col23Flag] = IsYes(c[23]) ? 1 : 0;
  SetAmount(Record, Col24Amount, c.Amount(24));
  SetAmount(Record, Col25Amount, c.Amount(25));
}

namespace {

// The file-block lock over one row's search and add: taken first, released by the add, or here
// for a row that is not added (its code found, the program to end, a cell that raised).
class TRowLock {
 public:
  TRowLock() { LockDataFile(EmployeeFile); }
  ~TRowLock() {
    if (IsamFileBlockLocked(EmployeeFile)) UnlockDataFile(EmployeeFile);
  }
  TRowLock(const TRowLock&) = delete;
  TRowLock& operator=(const TRowLock&) = delete;
};

}  // namespace

void ImportRow(const TImportRows& Rows, Integer Row) {
  const std::string code = Rows.Cell(0, Row);
  if (code.empty() || Integer(code.size()) > kMaxCodeLength) return;
  // The search and the add under one file-block lock: the station's view of the file is brought
  // up to date once for both, and no other station can add the code in between.
  const TRowLock lock;
  if (ProgramEndRequested()) return;
  Integer ref = 0;
  FindDataKey(EmployeeFile, 1, ref, code);
  if (DataFileCallOK || ProgramEndRequested()) return;
  std::array<Byte, kSize> record;
  RowToEmployee(Rows, Row, record.data());
  AddDataRecord(EmployeeFile, BuildEmployeeKey, kEmployeeKeys, ref, record.data());
}

void ImportAllRows(const TImportRows& Rows) {
  for (Integer row = 1; row < Rows.RowCount() && !ProgramEndRequested(); ++row) ImportRow(Rows, row);
}
