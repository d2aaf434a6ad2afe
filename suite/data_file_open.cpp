// OpenDataFile: recovery check, open, create once when missing, fatal reports.
#include <string>

#include "platform/core/cp874.h"
#include "suite/company_settings.h"
#include "suite/data_file.h"
#include "suite/fatal_error.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"
#include "suite/number_text.h"
#include "suite/program_end.h"
#include "suite/saved_copy_recovery.h"
#include "suite/user_interface.h"

namespace {

void AnnounceOpen(const std::string& name) {
  const std::string_view opening = "กำลังเปิดแฟ้มข้อมูล "_cp874;
  ShowProgressText(std::string(opening) + (name.starts_with('~') ? std::string("Temporary File") : name + ".DAT"));
}

// A record length the wrapper's callers cannot hold: the error box, then the end of the program.
void RefuseRecordLength(const std::string& name, Integer length) {
  ShowErrorBox(name + ": Record size too big.! " + "(Size = " + IntToText(length) + ", Max = " +
               IntToText(kMaxDataRecordLength) + ")");
  RequestProgramEnd(1);
}

// A file whose records are not those of the caller (another program's file under the same name):
// reading one into the caller's buffer would run past it.
void RefuseStoredLength(IsamFileBlock*& fb, const std::string& name, Integer length) {
  const Integer stored = IsamRecordLength(fb);
  IsamCloseFileBlock(fb);
  ClearCompanyAutoSelect();
  ShowErrorBox(name + ": Record size mismatch.! " + "(Size = " + IntToText(length) + ", File = " +
               IntToText(stored) + ")");
  ShowErrorBox(CannotOpenFileText(name));
  RequestProgramEnd(1);
}

void FailOpen(Integer code, const std::string& text) {
  ClearCompanyAutoSelect();
  IsamFatalErrorText(code, text);
}

}  // namespace

void OpenDataFile(IsamFileBlock*& fb, const std::string& name, Integer recordLength, Word keyCount,
                  const KeyTableEntry* keys) {
  DataFileCallOK = false;
  if (recordLength > kMaxDataRecordLength) return RefuseRecordLength(name, recordLength);
  if (!RecoverSaveCopy(name) || !RecoverIndexCopy(name)) return;
  bool created = false;
  for (;;) {
    AnnounceOpen(name);
    IsamOpenFileBlock(fb, name, false, false, SaveModeSwitch, true);
    if (IsamLastOK) break;
    const Integer code = IsamErrorCode;
    if (code != isam_error::FileNotFound || created) return FailOpen(code, CannotOpenFileText(name));
    IsamCreateFileBlock(name, recordLength, keyCount, keys);
    if (!IsamLastOK) return FailOpen(IsamErrorCode, CannotCreateFileText(name));
    created = true;
  }
  if (IsamRecordLength(fb) != recordLength) return RefuseStoredLength(fb, name, recordLength);
  DataFileCallOK = true;
}
