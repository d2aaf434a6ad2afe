#include "suite/ini_settings.h"

#include <algorithm>
#include <variant>

#include "platform/core/int_text.h"
#include "suite/settings_line.h"
#include "suite/text_routines.h"

bool SaveModeSetting = false;
TIniSettings IniSettings;

namespace {

enum class IniKind : Byte {
  Int,           // decimal integer
  ByteInt,       // decimal integer kept in one byte
  SetWhen,       // becomes `mark` when the value equals `match`, else keeps its value
  TrueFlag,      // true when "TRUE"
  TrueOrOne,     // true when "TRUE" or "1"
  FalseOrZero,   // true when "FALSE" or "0"
  Text,
  Branch,        // 0..9; -1 gives 0 and the no-fill flag; other numbers give 0
};

struct IniKey {
  std::string_view name;
  IniKind kind;
  std::variant<Integer*, Byte*, bool*, std::string*> target;
  std::string_view match = {};
  Integer mark = 0;
};

TIniSettings& S = IniSettings;

const IniKey kKeys[] = {
    {"WSNUMBER", IniKind::Int, &S.WsNumber},
    {"SAVEMODE", IniKind::TrueOrOne, &SaveModeSetting},
    {"VIEWREPTBUFSIZE", IniKind::ByteInt, &S.ViewReptBufSize},
    {"PRINTWAREHOUSE", IniKind::Int, &S.PrintWarehouse},
    {"DECOFAMOUNT_IC", IniKind::Int, &S.DecOfAmountIc},
    {"TAXREPORT2TYPE", IniKind::Int, &S.TaxReport2Type},
    {"CITIBANK_USETRANSREFNO", IniKind::Int, &S.CitibankUseTransRefNo},
    {"SOCIALMAXAGES", IniKind::Int, &S.SocialMaxAges},
    {"BTINITISAM_FREE", IniKind::Int, &S.BtInitIsamFree},
    {"CHECKSTOCKTYPE", IniKind::SetWhen, &S.CheckStockType, "2", 2},
    {"VATSORTTYPE", IniKind::SetWhen, &S.VatSortType, "2", 2},
    {"BEGINBALANCETYPE", IniKind::SetWhen, &S.BeginBalanceType, "2", 2},
    {"INVCALCVATTYPE", IniKind::SetWhen, &S.InvCalcVatType, "2", 2},
    {"INVOICEOLDFORM", IniKind::SetWhen, &S.InvoiceOldForm, "TRUE", 2},
    {"HISTREPTINCLUDEVAT", IniKind::SetWhen, &S.HistReptIncludeVat, "TRUE", 2},
    {"AUDITTRAILOFF", IniKind::SetWhen, &S.AuditTrailOff, "TRUE", 2},
    {"ALLOWEDITUNITLEVEL1", IniKind::SetWhen, &S.AllowEditUnitLevel1, "TRUE", 2},
    {"DESCOFINVOICESHOWZERO", IniKind::SetWhen, &S.DescOfInvoiceShowZero, "TRUE", 2},
    {"TAX1USENEXTMONTH", IniKind::SetWhen, &S.Tax1UseNextMonth, "TRUE", 2},
    {"KTB_USENEWFORMAT", IniKind::SetWhen, &S.KtbUseNewFormat, "TRUE", 2},
    {"USEOLDBACKUPNAME", IniKind::SetWhen, &S.UseOldBackupName, "TRUE", 2},
    {"TRANSFILLVATOLDTYPE", IniKind::SetWhen, &S.TransFillVatOldType, "TRUE", 2},
    {"PR_CUSTOMOVERTIME", IniKind::SetWhen, &S.PrCustomOvertime, "TRUE", 2},
    {"USEVENDORITEM", IniKind::SetWhen, &S.UseVendorItem, "FALSE", 2},
    {"QTYOFINVOICESHOWCOMMA", IniKind::SetWhen, &S.QtyOfInvoiceShowComma, "FALSE", 2},
    {"PRINTTOSCREEN", IniKind::SetWhen, &S.PrintToScreen, "TRUE", 1},
    {"DEFEATLOCALCACHE", IniKind::SetWhen, &S.DefeatLocalCache, "TRUE", 1},
    {"PROVIDEUSEDEPT_TFB", IniKind::SetWhen, &S.ProvideUseDeptTfb, "TRUE", 1},
    {"ALLOWENDWITHSPACE", IniKind::SetWhen, &S.AllowEndWithSpace, "TRUE", 1},
    {"PO_USECOMPONENT", IniKind::TrueFlag, &S.PoUseComponent},
    {"VIEWREPTTHAIBLANK", IniKind::FalseOrZero, &S.ViewReptThaiBlank},
    {"BALANCESHEET_NAME", IniKind::Text, &S.BalanceSheetName},
    {"BRANCHFILLZERO", IniKind::Branch, &S.BranchFillZero},
    {"BRANCHNOFILLZERO", IniKind::Branch, &S.BranchFillZero},
};

void ReadValue(const IniKey& key, std::string_view value) {
  Integer number = 0;
  switch (key.kind) {
    case IniKind::Int:
      if (TryStrToInt(value, number)) *std::get<Integer*>(key.target) = number;
      break;
    case IniKind::ByteInt:
      if (TryStrToInt(value, number)) *std::get<Byte*>(key.target) = static_cast<Byte>(number);
      break;
    case IniKind::SetWhen:
      if (value == key.match) *std::get<Integer*>(key.target) = key.mark;
      break;
    case IniKind::TrueFlag: *std::get<bool*>(key.target) = value == "TRUE"; break;
    case IniKind::TrueOrOne: *std::get<bool*>(key.target) = value == "TRUE" || value == "1"; break;
    case IniKind::FalseOrZero: *std::get<bool*>(key.target) = value == "FALSE" || value == "0"; break;
    case IniKind::Text: *std::get<std::string*>(key.target) = value; break;
    case IniKind::Branch:
      if (TryStrToInt(value, number)) {
        if (number == -1) S.BranchNoFill = true;
        *std::get<Integer*>(key.target) = number >= 0 && number <= 9 ? number : 0;
      }
      break;
  }
}

}  // namespace

void ResetIniSettings() {
  SaveModeSetting = false;
  IniSettings = TIniSettings();
}

void ReadIniLine(std::string_view line) {
  std::string text(line);
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  text = UpCaseAscii(text);
  if (text.empty() || text.front() == ';') return;
  for (const IniKey& key : kKeys) {
    if (const auto value = SettingLineValue(text, key.name)) {
      ReadValue(key, *value);
      return;
    }
  }
}
