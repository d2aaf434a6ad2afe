#include "app/payroll_files.h"

#include "app/bank_list.h"
#include "app/departments.h"
#include "app/income_types.h"
#include "app/ledger_link.h"
#include "app/message_lines.h"
#include "app/payroll_record_files.h"
#include "app/payroll_settings.h"
#include "app/tax_record.h"
#include "app/title_codes.h"
#include "suite/program_end.h"

namespace {

// A start-up step went through: it succeeded and the program is not to end.
bool Done(bool succeeded) { return succeeded && !ProgramEndRequested(); }

bool OpenSettingsFiles() {
  if (!Done(ReadPayrollSettings()) || !Done(ReadDepartments()) || !Done(ReadIncomeTypes())) return false;
  ReadMessageLines();
  return true;
}

bool OpenRecordFiles() {
  if (!Done(OpenEmployeeFile()) || !Done(OpenTaxFile()) || !Done(OpenPayFile())) return false;
  EnsureTaxRecord(false);
  if (ProgramEndRequested()) return false;
  UpgradeTaxRecord();
  return !ProgramEndRequested();
}

}  // namespace

bool OpenPayrollFiles() {
  if (!OpenSettingsFiles() || !OpenRecordFiles()) return false;
  FillBankList();
  ReadTitleCodes();
  LedgerOpen = OpenLedgerLink(LedgerFolder());
  return !ProgramEndRequested();
}

void ClosePayrollFiles() {
  StampCloseDate();
  if (CheckPeriodStart() && WritePayrollSettings()) {
    WriteDepartments();
    WriteIncomeTypes();
  }
  ClosePayrollRecordFiles();
  ReleaseDepartments();
  ReleaseIncomeTypes();
  ReleaseBankList();
  TitleCodes.clear();
  if (LedgerOpen) CloseLedgerFile();
}
