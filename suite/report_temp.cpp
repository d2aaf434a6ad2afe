#include "suite/report_temp.h"

#include "platform/core/date_text.h"
#include "platform/os/clock.h"
#include "platform/os/folders.h"
#include "suite/suite_folders.h"

std::string ReportTempBase;
std::string ReportColumnFile;

const std::array<std::string_view, kMenuTitleSlots> MenuTitles = {"File", "Edit", "Update", "Report", "Period",
                                                                  "Others"};

void PrepareReportTemp() {
  const std::string folder = TempFolder + "qzacc_report_temp";
  const std::string name = DirectoryExists(folder) || CreateDir(folder) ? "qzacc_report_temp/" : "";
  TFormatSettings gregorian = FormatSettings;   // the Gregorian year, whatever the regional calendar
  gregorian.EraYearOffset = 0;
  ReportTempBase = TempFolder + name + "~" + FormatDateTime("ddmmyyyyhhnnss", Now(), gregorian);
  ReportColumnFile = ReportTempBase + ".col";
}
