// Start-up state for report printing that the suite's programs share: the report scratch folder
// under the temporary folder with the base name of this run's scratch files, and the table of the
// suite's main-menu titles.
//
// `ReportTempBase` is TempFolder + "qzacc_report_temp/" + "~" + the start time as "ddmmyyyyhhnnss"
// (Gregorian year); when the folder cannot be created the files go straight into TempFolder.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/core/types.h"

extern std::string ReportTempBase;
extern std::string ReportColumnFile;   // ReportTempBase + ".col"

inline constexpr int kMenuTitleSlots = 10;
extern const std::array<std::string_view, kMenuTitleSlots> MenuTitles;   // "File" .. "Others", then empty
inline constexpr Byte MenuTitleCount = 6;
inline constexpr std::string_view SuiteYearText = "1995";

// Creates the scratch folder when missing and sets the scratch names from the clock.
void PrepareReportTemp();
