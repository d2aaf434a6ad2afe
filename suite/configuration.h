// Loading and writing the suite's settings: QZACC.CFG (per user), QZACC.INI (per company, read from
// the current folder) and the colour scheme they select.  Formats in docs/format-suite-settings.md.
//
// Invariants: a QZACC.CFG that cannot be read to its end is never rewritten, and a rewrite keeps every line
// it does not own, in its place; an open that another program blocks is retried a bounded number
// of times (QZACC.CFG 10 more times at once, QZACC.INI 30 more times 100 ms apart on the clock).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/types.h"

inline constexpr Integer kCfgLockedRetries = 10;
inline constexpr Integer kIniLockedRetries = 30;
inline constexpr DWORD kIniLockedPauseMs = 100;

// Reads QZACC.CFG (choosing and storing the default look and feel when it has none), then
// QZACC.INI from the current folder, then applies the colour scheme.
void LoadConfiguration();
// Rewrites QZACC.CFG with the settings this program owns.
void WriteCfgFile();
// Reads QZACC.CFG's lines (none when it does not exist), lets `store` set the lines it owns and
// writes the lines back without the empty ones; a file that exists but cannot be read to its end is
// left alone.
void RewriteCfgFile(const std::function<void(std::vector<std::string>&)>& store);
// Reads QZACC.INI from the current folder; a file that cannot be opened is skipped.
void ReadQzaccIni();
// Computes the colour sets of DEFAULT_MAIN_COLOR; a scheme other than 2 whose wallpaper folder is
// missing goes back to 2 with the message "Folder not found." instead.
void ApplyColorScheme();
