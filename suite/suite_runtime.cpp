#include "suite/suite_runtime.h"

#include "platform/core/units.h"
#include "platform/os/locale.h"
#include "suite/cfg_settings.h"
#include "suite/frame_characters.h"
#include "suite/ini_settings.h"
#include "suite/report_temp.h"
#include "suite/suite_folders.h"

namespace {

void InitFrames() { SelectFrameStyle('A'); }

void InitFoldersAndSettings() {
  InitSuiteFolders();
  ResetCfgSettings(ProgramFolder);
  ResetIniSettings();
}

}  // namespace

void InitializeSuiteRuntime() {
  InitializeUnits({
      {"suite.dates", GetFormatSettings, nullptr},
      {"suite.frames", InitFrames, nullptr},
      {"suite.folders", InitFoldersAndSettings, nullptr},
      {"suite.report_temp", PrepareReportTemp, nullptr},
  });
}
