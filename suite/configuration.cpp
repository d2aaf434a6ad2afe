#include "suite/configuration.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/os/classic_io.h"
#include "platform/os/file_ops.h"
#include "platform/os/os_version.h"
#include "platform/os/text_file.h"
#include "suite/cfg_settings.h"
#include "suite/color_scheme.h"
#include "suite/ini_settings.h"
#include "suite/locked_open.h"
#include "suite/suite_folders.h"
#include "suite/user_interface.h"

namespace {

constexpr Integer kLookAndFeelUnset = -1;
constexpr Integer kLookAndFeelStandard = 0;
constexpr Integer kLookAndFeelClassic = 2;
constexpr Integer kDefaultScheme = 2;

// Passes every line of `path` to `onLine`; false when the file could not be opened or read to its
// end (the lines passed are then not the whole file).
bool ForEachLine(const std::string& path, Integer retries, DWORD pauseMs,
                 const std::function<void(std::string_view)>& onLine) {
  TextFile file;
  AssignFile(file, path);
  if (OpenRetryingWhileLocked([&] { Reset(file); return IOResult(); }, retries, pauseMs) != 0) return false;
  std::string line;
  while (!Eof(file)) {
    ReadLn(file, line);
    onLine(line);
  }
  CloseFile(file);
  return IOResult() == 0;   // a read failure ends the loop like the file's end; nothing stays pending
}

Integer DefaultLookAndFeel() {
  if (GetVersionEx().dwMajorVersion < 6) return kLookAndFeelStandard;
  return DesktopCompositionEnabled() ? kLookAndFeelStandard : kLookAndFeelClassic;
}

}  // namespace

void LoadConfiguration() {
  if (ForEachLine(CfgFilePath(), kCfgLockedRetries, 0, ReadCfgLine)) {
    std::string& network = CfgSettings.Network;
    if (network.empty()) network.push_back('M');
    else network[0] = 'M';
    if (CfgSettings.LookAndFeel == kLookAndFeelUnset) {
      CfgSettings.LookAndFeel = DefaultLookAndFeel();
      WriteCfgFile();
    }
  }
  ReadQzaccIni();
  ApplyColorScheme();
}

void WriteCfgFile() { RewriteCfgFile(StoreCfgSettings); }

void RewriteCfgFile(const std::function<void(std::vector<std::string>&)>& store) {
  const std::string path = CfgFilePath();
  std::vector<std::string> lines;
  if (FileExists(path) &&
      !ForEachLine(path, kCfgLockedRetries, 0, [&](std::string_view line) { lines.emplace_back(line); }))
    return;   // unreadable: rewriting it would lose the other programs' lines
  store(lines);
  TextFile file;
  AssignFile(file, path);
  Rewrite(file);
  for (const std::string& line : lines)
    if (!line.empty()) WriteLn(file, line);
  CloseFile(file);
  IOResult();
}

void ReadQzaccIni() { ForEachLine("QZACC.INI", kIniLockedRetries, kIniLockedPauseMs, ReadIniLine); }

void ApplyColorScheme() {
  if (CfgSettings.DefaultMainColor != kDefaultScheme &&
      !FileExists(ProgramFolder + "/Wallpaper_Blue/Wallpaper_001_1.jpg")) {
    CfgSettings.DefaultMainColor = kDefaultScheme;
    WriteCfgFile();
    const std::string bitmap = TempFolder + "~bg_glmain32_0_tmp.bmp";
    if (FileExists(bitmap)) DeleteFile(bitmap);
    ShowPlainMessage("Folder not found.");
    return;
  }
  ComputeColorSets(CfgSettings.DefaultMainColor);
}
