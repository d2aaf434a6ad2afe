#include "app/payroll_start.h"

#include "app/ledger_link.h"
#include "app/payroll_files.h"
#include "app/payroll_record_files.h"
#include "app/payroll_settings.h"
#include "platform/core/cp874.h"
#include "platform/os/classic_io.h"
#include "platform/os/file_ops.h"
#include "suite/configuration.h"
#include "suite/data_file.h"
#include "suite/fatal_error.h"
#include "suite/ini_settings.h"
#include "suite/isam/isam_engine.h"
#include "suite/program_end.h"
#include "suite/user_interface.h"

namespace {

constexpr Byte kNetworkMode = 2;
constexpr Integer kPageBuffers = 500;

// Whether the company's files are open and still to be written back and closed.
bool companyOpen = false;

bool EnterFolder(const std::string& folder) {
  ChDir(folder);
  if (const Integer result = IOResult(); result != 0) {
    ShowErrorBox(InOutErrorMessage(result));
    RequestProgramEnd(1);
    return false;
  }
  if (!FileExists(kPayrollSettingsFileName)) {
    ShowErrorBox(std::string("ไม่พบแฟ้มข้อมูลของโปรแกรมเงินเดือนและค่าแรง"_cp874));
    RequestProgramEnd(1);
    return false;
  }
  return true;
}

// Ends a start that stopped half-way: closes what is open, writes nothing back.
void AbandonStart() {
  ClosePayrollRecordFiles();
  CloseLedgerFile();
  IsamExit();
}

}  // namespace

bool StartRecordEngine() {
  IsamInit(kNetworkMode, kPageBuffers);
  if (!IsamLastOK) {
    IsamFatalError(IsamErrorCode);
    return false;
  }
  SaveModeSwitch = SaveModeSetting;
  return true;
}

bool StartPayrollCompany(const std::string& folder) {
  if (!EnterFolder(folder)) return false;
  LoadConfiguration();
  if (!StartRecordEngine()) return false;
  SaveModeSwitch = false;
  FlushAfterChange = false;
  if (!OpenPayrollFiles()) {
    AbandonStart();
    return false;
  }
  companyOpen = true;
  return true;
}

void ClosePayrollCompany() {
  if (!companyOpen) return;
  companyOpen = false;
  ClosePayrollFiles();
  IsamExit();
}
