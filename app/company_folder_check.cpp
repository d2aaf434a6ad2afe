#include "app/company_folder_check.h"

#include <algorithm>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/os/folders.h"
#include "platform/os/full_folder_path.h"
#include "suite/user_interface.h"

TFolderVerdict JudgeCompanyFolder(const std::string& Folder, const std::string& StartFolder) {
  if (Folder.empty()) return TFolderVerdict::Wrong;
  if (!DirectoryExists(Folder)) return TFolderVerdict::Missing;
  const std::string full = FullFolderPath(Folder);
  if (full.empty() || !CanEnterFolder(Folder)) return TFolderVerdict::Wrong;
  const std::vector<std::string> drives = DriveRootFolders();
  const bool reserved = full == "/" || full == FullFolderPath(StartFolder) ||
                        std::find(drives.begin(), drives.end(), full) != drives.end();
  return reserved ? TFolderVerdict::Wrong : TFolderVerdict::Accepted;
}

bool ValidateCompanyFolder(const std::string& Folder, const std::string& StartFolder) {
  switch (JudgeCompanyFolder(Folder, StartFolder)) {
    case TFolderVerdict::Accepted: return true;
    case TFolderVerdict::Wrong: ShowWrongFolderBox(); return false;
    case TFolderVerdict::Missing: break;
  }
  if (!AskYesNo(QuestionDefaultYes, std::string("ไม่พบไดเร็คทอรี่ที่กำหนด. ต้องการสร้างใหม่?"_cp874))) return false;
  if (ForceDirectories(Folder)) return true;
  ShowErrorBox(std::string("ไม่สามารถสร้างไดเร็คทอรี่ที่กำหนดได้"_cp874));
  return false;
}

void ShowWrongFolderBox() { ShowErrorBox(std::string("กำหนดไดเร็คทอรี่ไม่ถูกต้อง"_cp874)); }
