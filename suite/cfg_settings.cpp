#include "suite/cfg_settings.h"

#include <variant>

#include "suite/color_scheme.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/int_text.h"
#include "suite/settings_line.h"

TCfgSettings CfgSettings;

namespace {

enum class CfgKind : Byte {
  Int,           // decimal integer
  ByteInt,       // decimal integer kept in one byte
  TrueFlag,      // true when exactly "TRUE"; written TRUE/FALSE
  OneFlag,       // true when exactly "1"; written 1/0
  NotFalseFlag,  // false only when exactly "FALSE"; written TRUE/FALSE
  FalseFlag,     // true when exactly "FALSE"
  Text,
  Network,       // text cut to 2 characters
  FreeHeap,      // digit 1..6 selecting a heap reserve
  MainColor,     // 1..5; anything else reads as 2
};

using Target = std::variant<Integer*, Byte*, bool*, std::string*>;

struct CfgKey {
  std::string_view name;
  CfgKind kind;
  Target target;
  bool written;
};

TCfgSettings& S = CfgSettings;
TColorSet& Custom = ColorSets[kColorSetCount - 1];

// The keys this program writes come first, in the order the writer appends missing ones.
const CfgKey kKeys[] = {
    {"LOOKANDFEEL", CfgKind::Int, &S.LookAndFeel, true},
    {"LOOKANDFEEL_MENU", CfgKind::Int, &S.LookAndFeelMenu, true},
    {"COMPANYBARWIDTH", CfgKind::Int, &S.CompanyBarWidth, true},
    {"PASSSETTING", CfgKind::Int, &S.PassSetting, true},
    {"PREVIEWSETTING", CfgKind::Int, &S.PreviewSetting, true},
    {"DEFAULT_PRINTERNAME", CfgKind::Text, &S.DefaultPrinterName, true},
    {"REPORTDISPLAYZERO", CfgKind::TrueFlag, &S.ReportDisplayZero, true},
    {"SHOWPRINTDIALOG", CfgKind::TrueFlag, &S.ShowPrintDialog, true},
    {"ASKFORENTERDATE", CfgKind::OneFlag, &S.AskForEnterDate, true},
    {"ASKFORENTERDATE_PR", CfgKind::OneFlag, &S.AskForEnterDatePr, true},
    {"SHOWTIPONSTART", CfgKind::OneFlag, &S.ShowTipOnStart, true},
    {"SHOWTIPONSTART_PR", CfgKind::OneFlag, &S.ShowTipOnStartPr, true},
    {"SHOWSOFTWARETYPE", CfgKind::OneFlag, &S.ShowSoftwareType, true},
    {"GL_USESMARTMOVE", CfgKind::TrueFlag, &S.GlUseSmartMove, true},
    {"AR_USEPAIDOLDSTYLE", CfgKind::TrueFlag, &S.ArUsePaidOldStyle, true},
    {"AP_USEPAIDOLDSTYLE", CfgKind::TrueFlag, &S.ApUsePaidOldStyle, true},
    {"IC_PRINTTRANSFER", CfgKind::TrueFlag, &S.IcPrintTransfer, true},
    {"AR_AUTORUNINVOICE", CfgKind::TrueFlag, &S.ArAutoRunInvoice, true},
    {"BACKGROUND_TYPE_GL", CfgKind::Int, &S.BackgroundType, true},
    {"BACKGROUND_COLOR0_GL", CfgKind::Int, &S.BackgroundColor0, true},
    {"BACKGROUND_PICTURE_GL", CfgKind::Text, &S.BackgroundPicture, true},
    {"BACKGROUND_TRANSPARENT_GL", CfgKind::Int, &S.BackgroundTransparent, true},
    {"BACKGROUND_POSITION_GL", CfgKind::Int, &S.BackgroundPosition, true},
    {"BACKGROUND_SHOWCOMPANY_GL", CfgKind::OneFlag, &S.BackgroundShowCompany, true},
    {"BACKGROUND_SHOWTRANSPARENT_GL", CfgKind::OneFlag, &S.BackgroundShowTransparent, true},
    {"BACKGROUND_POSITION_FITWIDTH_GL", CfgKind::OneFlag, &S.BackgroundPositionFitWidth, true},
    {"USER_COLOR_TYPE", CfgKind::Int, &S.UserColorType, true},
    {"CUSTOM_PANEL_COLOR", CfgKind::Int, &Custom.Panel, true},
    {"CUSTOM_PANEL_COLORTO", CfgKind::Int, &Custom.PanelTo, true},
    {"CUSTOM_GRID_COLOR", CfgKind::Int, &Custom.Grid, true},
    {"CUSTOM_REPTMENU_COLOR", CfgKind::Int, &Custom.ReportMenu, true},
    {"CUSTOM_REPTMENU_COLORTO", CfgKind::Int, &Custom.ReportMenuTo, true},
    {"CUSTOM_BACKGROUND_COLOR", CfgKind::Int, &Custom.Background, true},
    {"DEFAULT_MAIN_COLOR", CfgKind::MainColor, &S.DefaultMainColor, true},
    {"APS_DRIVE_LIST", CfgKind::Text, &S.ApsDriveList, true},
    {"PREXPORT32_DIR", CfgKind::Text, &S.PrExport32Dir, true},
    {"AP_PRINTPAYMENTAFTERSAVE", CfgKind::NotFalseFlag, &S.ApPrintPaymentAfterSave, true},
    {"AR_PRINTRECEIPTAFTERSAVE", CfgKind::NotFalseFlag, &S.ArPrintReceiptAfterSave, true},
    // Read only: their lines stay as the other programs wrote them.
    {"NETWORK", CfgKind::Network, &S.Network, false},
    {"FREEHEAP", CfgKind::FreeHeap, &S.FreeHeapDigit, false},
    {"OPENCOMPANY_DIR", CfgKind::Text, &S.OpenCompanyDir, false},
    {"OPENCOMPANY_COMPANY", CfgKind::Text, &S.OpenCompanyCompany, false},
    {"OPENCOMPANY_DIR_PR", CfgKind::Text, &S.OpenCompanyDirPr, false},
    {"OPENCOMPANY_COMPANY_PR", CfgKind::Text, &S.OpenCompanyCompanyPr, false},
    {"OPENCOMPANY_SELECT", CfgKind::OneFlag, &S.OpenCompanySelect, false},
    {"OPENCOMPANY_SELECT_PR", CfgKind::OneFlag, &S.OpenCompanySelectPr, false},
    {"OPENCOMPANY_COLPOSITION", CfgKind::Int, &S.OpenCompanyColPosition, false},
    {"QZBACKUP_DIR", CfgKind::Text, &S.QzBackupDir, false},
    {"MAINMENU_TYPE", CfgKind::ByteInt, &S.MainMenuType, false},
    {"USEESCFORMENU", CfgKind::FalseFlag, &S.UseEscForMenu, false},
};

void ReadValue(const CfgKey& key, std::string_view value) {
  Integer number = 0;
  switch (key.kind) {
    case CfgKind::Int:
      if (TryStrToInt(value, number)) *std::get<Integer*>(key.target) = number;
      break;
    case CfgKind::ByteInt:
      if (TryStrToInt(value, number)) *std::get<Byte*>(key.target) = static_cast<Byte>(number);
      break;
    case CfgKind::TrueFlag: *std::get<bool*>(key.target) = value == "TRUE"; break;
    case CfgKind::OneFlag: *std::get<bool*>(key.target) = value == "1"; break;
    case CfgKind::NotFalseFlag: *std::get<bool*>(key.target) = value != "FALSE"; break;
    case CfgKind::FalseFlag: *std::get<bool*>(key.target) = value == "FALSE"; break;
    case CfgKind::Text: *std::get<std::string*>(key.target) = value; break;
    case CfgKind::Network: *std::get<std::string*>(key.target) = value.substr(0, 2); break;
    case CfgKind::FreeHeap:
      if (value.size() == 1 && value[0] >= '1' && value[0] <= '6') {
        Byte& digit = *std::get<Byte*>(key.target);
        digit = static_cast<Byte>(value[0] - '0');
        S.HeapReserve = 20000 + 10000 * digit;
      }
      break;
    case CfgKind::MainColor:
      *std::get<Integer*>(key.target) = TryStrToInt(value, number) && number >= 1 && number <= 5 ? number : 2;
      break;
  }
}

// Written keys hold integers, flags and texts; a flag is written the way it is read.
std::string ValueText(const CfgKey& key) {
  if (const auto* text = std::get_if<std::string*>(&key.target)) return **text;
  if (const auto* number = std::get_if<Integer*>(&key.target)) return IntToStr(**number);
  const bool flag = *std::get<bool*>(key.target);
  if (key.kind == CfgKind::OneFlag) return flag ? "1" : "0";
  return flag ? "TRUE" : "FALSE";
}

}  // namespace

void ResetCfgSettings(const std::string& programFolder) {
  CfgSettings = TCfgSettings();
  CfgSettings.BackgroundPicture = programFolder + "/Wallpaper/Wallpaper_001.jpg";
  Custom = TColorSet();
}

void ReadCfgLine(std::string_view line) {
  if (line.empty() || line.front() == ';') return;
  for (const CfgKey& key : kKeys) {
    if (const auto value = SettingLineValue(line, key.name)) {
      ReadValue(key, *value);
      return;
    }
  }
}

void SetCfgLine(std::vector<std::string>& lines, std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  for (std::string& existing : lines) {
    const size_t equals = existing.find('=');
    if (equals != std::string::npos && SameText(std::string_view(existing).substr(0, equals), key)) {
      existing = std::move(line);
      return;
    }
  }
  lines.push_back(std::move(line));
}

void StoreCfgSettings(std::vector<std::string>& lines) {
  for (const CfgKey& key : kKeys)
    if (key.written) SetCfgLine(lines, key.name, ValueText(key));
}
