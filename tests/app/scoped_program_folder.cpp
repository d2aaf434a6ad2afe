#include "tests/app/scoped_program_folder.h"

#include "suite/cfg_settings.h"
#include "suite/ini_settings.h"
#include "suite/suite_folders.h"

ScopedProgramFolder::ScopedProgramFolder(const std::string& Folder) : saved_(ProgramFolder) { ProgramFolder = Folder; }

ScopedProgramFolder::~ScopedProgramFolder() { ProgramFolder = saved_; }

void StartSuiteInCurrentFolder() {
  InitSuiteFolders();
  ResetCfgSettings(ProgramFolder);
  ResetIniSettings();
}
