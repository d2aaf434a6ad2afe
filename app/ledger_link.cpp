#include "app/ledger_link.h"

#include "app/file_can_be_opened.h"
#include "suite/data_file.h"

IsamFileBlock* LedgerFile = nullptr;
bool LedgerOpen = false;

namespace {

constexpr size_t kFolderLimit = 80;
constexpr KeyTableEntry kLedgerKeys[] = {{10, 0}, {11, 0}, {21, 0}};

}  // namespace

bool OpenLedgerLink(const std::string& folderText) {
  const std::string folder = folderText.substr(0, kFolderLimit);
  if (folder.empty()) return false;
  const std::string workingName = folder + "\\GLFILE01";
  if (!FileCanBeOpened(folder + "\\GLINFO.DAT") || !FileCanBeOpened(folder + "\\GLPCK.DAT") ||
      !FileCanBeOpened(workingName + ".DAT"))
    return false;
  return OpenLedgerFile(workingName);
}

bool OpenLedgerFile(const std::string& workingName) {
  OpenDataFile(LedgerFile, workingName, kLedgerRecordSize, 3, kLedgerKeys);
  if (!DataFileCallOK) LedgerFile = nullptr;
  return DataFileCallOK;
}

void CloseLedgerFile() {
  if (LedgerFile != nullptr) CloseDataFile(LedgerFile);
  LedgerFile = nullptr;
  LedgerOpen = false;
}
