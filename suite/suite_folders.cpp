#include "suite/suite_folders.h"

#include "platform/os/drive_type.h"
#include "platform/os/environment.h"
#include "platform/os/folders.h"

std::string ProgramFolder;
std::string SettingsFolder;
std::string TempFolder;
std::string TempDataFolder;

namespace {

// `folder` when it exists or can be created, else `fallback`.
std::string CreatedOr(const std::string& folder, const std::string& fallback) {
  return ForceDirectories(folder) ? folder : fallback;
}

// The full path of `folder` plus '/', or "" when the program cannot change into it.
std::string EnteredFolder(const std::string& folder) {
  std::string entered;
  if (!folder.empty() && SetCurrentDir(folder)) {
    entered = GetCurrentDir();
    if (entered.back() != '/') entered += '/';
  }
  SetCurrentDir(ProgramFolder);
  return entered;
}

}  // namespace

void InitSuiteFolders() {
  ProgramFolder = GetCurrentDir();
  if (GetDriveType(ProgramFolder) == DRIVE_REMOVABLE) {
    SettingsFolder = ProgramFolder;
    TempFolder = CreatedOr(ProgramFolder + "/TEMP", ProgramFolder);
  } else {
    SettingsFolder = CreatedOr(GetEnvironmentVariable("APPDATA") + "/Quendry", ProgramFolder);
    TempFolder = GetEnvironmentVariable("TEMP");
  }
  TempFolder = EnteredFolder(TempFolder);
  const std::string dataFolder = TempFolder + "qzacc_data";
  TempDataFolder = ForceDirectories(dataFolder) ? dataFolder + "/" : TempFolder;
}

std::string CfgFilePath() { return SettingsFolder + "/QZACC.CFG"; }
