// The payroll's record files in the company folder, opened through the data-file wrapper: the
// employee file PRFILE01, the payroll file PRFILE02 and the tax-table file PRFILE03 (names without
// extension; the engine adds .DAT, .IX and .DIA).
//
//   file      record  keys (maximum length, duplicates)                    key builder
//   PRFILE01  2,567   (9, no) (11, no) (26, yes) (40, yes) (20, yes)        BuildEmployeeKey
//   PRFILE02    142   (13, yes) (13, yes)                                   none (opened only)
//   PRFILE03    705   (6, no)                                               BuildTaxKey
//
// Each opener leaves its file block null unless the open succeeded; after a failed open the wrapper
// has reported it and the program is to end (exit code 1).
#pragma once

#include "suite/isam/isam_engine.h"

inline constexpr Integer kPayRecordSize = 142;

extern IsamFileBlock* EmployeeFile;
extern IsamFileBlock* PayFile;
extern IsamFileBlock* TaxFile;

// Each returns DataFileCallOK.
bool OpenEmployeeFile();
bool OpenPayFile();
bool OpenTaxFile();
// Closes whichever of PRFILE01, PRFILE03 and PRFILE02 are open, in that order.
void ClosePayrollRecordFiles();
