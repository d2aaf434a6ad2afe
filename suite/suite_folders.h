// The suite's folders, fixed once at start-up: the program folder, the settings folder that holds
// QZACC.CFG, the temporary folder and the temporary data folder under it.
//
// Folder texts are code page 874 native paths without a trailing '/', except `TempFolder` and
// `TempDataFolder`, which end in '/' (or are empty: see below), so that file names are appended
// directly.  Decisions (docs/format-suite-settings.md):
//   - on a removable drive the settings live in the program folder and the temporary files in its
//     TEMP subfolder; elsewhere the settings live in APPDATA/Quendry and the temporary files in TEMP;
//   - a folder that cannot be created falls back (settings: the program folder; TEMP subfolder:
//     the program folder; data folder: the temporary folder) without a message;
//   - a temporary folder that cannot be entered becomes empty, so names under it are relative to the
//     folder that is current when they are used.
// Invariant: InitSuiteFolders leaves the current folder where it found it.
#pragma once

#include <string>

extern std::string ProgramFolder;
extern std::string SettingsFolder;
extern std::string TempFolder;
extern std::string TempDataFolder;

// Sets every folder from the current folder and the environment, creating what is missing.
void InitSuiteFolders();
// SettingsFolder + "/QZACC.CFG".
std::string CfgFilePath();
