// The payroll's settings record PRINFO.DAT in the company folder: one record of 921 bytes, held in
// memory while the tool runs.  docs/format-payroll-files.md lists the fields this tool defaults,
// fixes and writes.
//
// Writing back never loses what other stations stored meanwhile: each write re-reads the file, applies
// this run's own changes again to the stored record (the start-up fixes, the tax-record values when
// this run wrote the tax record, the close date) and rewrites the file only when that changes it.
// Every write is guarded by the period check: when the period start stored at offset 276 differs
// from the one read at start-up (a year-end closing on another station), the program stops fatally
// and nothing is written.  Invariant: a PRINFO.DAT that exists but cannot be read is never emptied or
// overwritten; the failure is reported and the program is to end (exit code 1).
#pragma once

#include <array>
#include <string>

#include "platform/core/types.h"

inline constexpr Integer kPayrollSettingsSize = 921;
inline constexpr char kPayrollSettingsFileName[] = "PRINFO.DAT";

using PayrollSettingsRecord = std::array<Byte, kPayrollSettingsSize>;

namespace payroll_settings {
inline constexpr Integer LastUseDate = 267;        // text of 8, "dd/mm/yy"
inline constexpr Integer PeriodStart = 276;        // text of 8, "dd/mm/yy"
inline constexpr Integer LedgerFolder = 327;       // text of 40
inline constexpr Integer LedgerFolderWidth = 40;
inline constexpr Integer TaxAllowance = 776;       // 10-byte float
inline constexpr Integer TaxCeilingMark = 910;     // byte, 1 when offset 911 was set
inline constexpr Integer TaxCeiling = 911;         // 10-byte float
}  // namespace payroll_settings

extern PayrollSettingsRecord PayrollSettings;

// The record of a new PRINFO.DAT: the new-file values, today's Buddhist year in the period start.
PayrollSettingsRecord NewPayrollSettings();
// Starts a run: reads PRINFO.DAT from the current folder over the new-file values (creating an empty
// file when there is none), applies the start-up fixes and writes the record when they demand it.
// False when the file cannot be read, created or written (reported; the program is to end).
bool ReadPayrollSettings();
// False (after the fatal stop) when the stored period start differs from the one in memory; a file
// that cannot be read or holds no record has nothing to compare.
bool CheckPeriodStart();
// Writes this run's changes into PRINFO.DAT under the period check, when they change the file.
bool WritePayrollSettings();

// This run's changes, applied to the record in memory; the next write carries them to the file.
// The default tax record was added or rewritten: 776 := 1650.0, 911 := 190000.0.
void NoteTaxRecordWritten();
// The tax record was upgraded: 911 := 190000.0 when it is 0.
void NoteTaxRecordUpgraded();
// The tool closes: 267 := today ("dd/mm/yy", Buddhist year).
void StampCloseDate();

// The general-ledger folder at offset 327 (a Windows-form path as stored, e.g. "C:\QZACC32\DATAFILE").
std::string LedgerFolder();
