// The settings of QZACC.CFG, the suite's per-user settings file, and how one line of it is read and
// how the settings this program owns are stored back into its lines.
//
// Line format: "KEY=value", one per line; lines that are empty or begin with ";" are comments.  Keys
// are matched case-sensitively when read, without regard to case when written.  Every key the
// suite's programs know is read and kept; `StoreCfgSettings` replaces or appends only the lines of
// the keys this program writes, in a fixed order, and leaves every other line where it is.
// Value forms: decimal integers; "TRUE"/"FALSE" flags; "1"/"0" flags; texts as they are.
// The colours of the CUSTOM_ keys live in colour set 6 (color_scheme.h).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/core/types.h"

struct TCfgSettings {
  std::string Network = "M";          // at most 2 characters
  Byte FreeHeapDigit = 3;             // 1..6
  Integer HeapReserve = 0;            // 30,000 .. 80,000 for digits 1..6
  Integer LookAndFeel = -1;           // -1: not set yet
  Integer LookAndFeelMenu = 0;
  Integer CompanyBarWidth = 6;
  Integer PassSetting = 0;
  Integer PreviewSetting = 2;
  std::string DefaultPrinterName = "Default";
  bool ReportDisplayZero = false;
  bool ShowPrintDialog = false;
  bool AskForEnterDate = true;
  bool AskForEnterDatePr = true;
  bool ShowTipOnStart = true;
  bool ShowTipOnStartPr = true;
  bool ShowSoftwareType = true;
  std::string OpenCompanyDir, OpenCompanyCompany, OpenCompanyDirPr, OpenCompanyCompanyPr;
  bool OpenCompanySelect = false;
  bool OpenCompanySelectPr = false;
  Integer OpenCompanyColPosition = 0;
  std::string QzBackupDir;
  Byte MainMenuType = 4;
  bool GlUseSmartMove = false;
  bool ArAutoRunInvoice = false;
  bool ArUsePaidOldStyle = true;
  bool ApUsePaidOldStyle = true;
  bool IcPrintTransfer = true;
  Integer UserColorType = 1;          // the colour set of grid bands, 1..6
  bool UseEscForMenu = false;
  std::string PrExport32Dir = "C:\\";
  std::string ApsDriveList;
  bool ApPrintPaymentAfterSave = true;
  bool ArPrintReceiptAfterSave = true;
  Integer DefaultMainColor = 2;       // colour scheme 1..5
  // The main-menu background of this program (code GL).
  Integer BackgroundType = 1;
  Integer BackgroundColor0 = 0;
  std::string BackgroundPicture;      // default: ProgramFolder/Wallpaper/Wallpaper_001.jpg
  Integer BackgroundTransparent = 70;
  Integer BackgroundPosition = 0;
  bool BackgroundShowCompany = true;
  bool BackgroundShowTransparent = true;
  bool BackgroundPositionFitWidth = true;
};

extern TCfgSettings CfgSettings;

// Every setting back to its default (the custom colours of set 6 to 0); `programFolder` gives the
// default background picture.
void ResetCfgSettings(const std::string& programFolder);

// Reads one line of QZACC.CFG into the settings.
void ReadCfgLine(std::string_view line);

// Replaces the first line whose text before its first "=" equals `key` (ignoring ASCII case) by
// key "=" value, or appends that line when there is none.  Lines without "=" never match.
void SetCfgLine(std::vector<std::string>& lines, std::string_view key, std::string_view value);

// Stores every setting this program writes into `lines` with `SetCfgLine`, in the writer's order.
void StoreCfgSettings(std::vector<std::string>& lines);
