#include "app/payroll_record_files.h"

#include "app/employee_record.h"
#include "app/tax_record.h"
#include "suite/data_file.h"

IsamFileBlock* EmployeeFile = nullptr;
IsamFileBlock* PayFile = nullptr;
IsamFileBlock* TaxFile = nullptr;

namespace {

constexpr KeyTableEntry kEmployeeKeys[] = {{9, 0}, {11, 0}, {26, 1}, {40, 1}, {20, 1}};
constexpr KeyTableEntry kPayKeys[] = {{13, 1}, {13, 1}};
constexpr KeyTableEntry kTaxKeys[] = {{6, 0}};

template <size_t N>
bool Open(IsamFileBlock*& fb, const char* name, Integer recordLength, const KeyTableEntry (&keys)[N]) {
  OpenDataFile(fb, name, recordLength, static_cast<Word>(N), keys);
  if (!DataFileCallOK) fb = nullptr;
  return DataFileCallOK;
}

void CloseIfOpen(IsamFileBlock*& fb) {
  if (fb != nullptr) CloseDataFile(fb);
  fb = nullptr;
}

}  // namespace

bool OpenEmployeeFile() { return Open(EmployeeFile, "PRFILE01", employee_record::kSize, kEmployeeKeys); }
bool OpenPayFile() { return Open(PayFile, "PRFILE02", kPayRecordSize, kPayKeys); }
bool OpenTaxFile() { return Open(TaxFile, "PRFILE03", kTaxRecordSize, kTaxKeys); }

void ClosePayrollRecordFiles() {
  CloseIfOpen(EmployeeFile);
  CloseIfOpen(TaxFile);
  CloseIfOpen(PayFile);
}
