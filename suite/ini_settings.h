// The settings of QZACC.INI, the per-company settings file in the company folder, and how one line
// of it is read.  The file is only read.
//
// Line format: "KEY=value"; every space is removed and the Latin letters are upper-cased before a
// line is looked at, so keys and values are matched without regard to case or spacing.  Lines that
// are then empty or begin with ";" are comments.  Only `SaveModeSetting` and `SocialMaxAges` are
// used by this system; every other key is read and kept for the suite.
#pragma once

#include <string>
#include <string_view>

#include "platform/core/types.h"

// Whether the record files are opened in save mode (SAVEMODE "TRUE" or "1").
extern bool SaveModeSetting;

struct TIniSettings {
  Integer WsNumber = 1;
  Byte ViewReptBufSize = 3;
  Integer PrintWarehouse = 0, DecOfAmountIc = 0, TaxReport2Type = 0, CitibankUseTransRefNo = 0;
  Integer SocialMaxAges = 0;          // not 0: replaces a payroll default
  Integer BtInitIsamFree = 0;
  // 2 when the value names the other choice, else 0 (PrCustomOvertime: always 2).
  Integer CheckStockType = 0, VatSortType = 0, BeginBalanceType = 0, InvCalcVatType = 0;
  Integer InvoiceOldForm = 0, HistReptIncludeVat = 0, AuditTrailOff = 0, AllowEditUnitLevel1 = 0,
          DescOfInvoiceShowZero = 0, Tax1UseNextMonth = 0, KtbUseNewFormat = 0, UseOldBackupName = 0,
          TransFillVatOldType = 0;
  Integer PrCustomOvertime = 2;
  Integer UseVendorItem = 0, QtyOfInvoiceShowComma = 0;
  // 1 when "TRUE", else 0.
  Integer PrintToScreen = 0, DefeatLocalCache = 0, ProvideUseDeptTfb = 0, AllowEndWithSpace = 0;
  bool PoUseComponent = false;
  bool ViewReptThaiBlank = false;
  std::string BalanceSheetName;
  Integer BranchFillZero = 5;         // 0..9
  bool BranchNoFill = false;          // set by a branch value of -1
};

extern TIniSettings IniSettings;

void ResetIniSettings();
// Reads one line of QZACC.INI into the settings.
void ReadIniLine(std::string_view line);
