// The income-tax record "01" of the tax-table file PRFILE03 (705 bytes): the default record this
// tool writes when the company has none, and the one-time upgrade of an old record.
//
// Layout of the default record (every other byte 0): 0 int32 status 0; 4 the tax code "01" (text,
// key 1); 15 the name "ภาษีเงินได้บุคคลธรรมดา" (text); 56 int16 3; 10-byte floats at 58..158 and
// 618..688; eight brackets at 168 + 30 i (upper limit) and 178 + 30 i (rate in percent); 704 the
// upgrade mark 1.  docs/format-payroll-files.md has every value.
//
// Invariant: PRINFO.DAT's tax values (offsets 776 and 911) change only after the record was really
// added or rewritten, and the record is added only when the search reported it missing (10200).
#pragma once

#include <array>
#include <string>

#include "platform/core/types.h"

inline constexpr Integer kTaxRecordSize = 705;
inline constexpr Integer kTaxUpgradeMark = 704;

using TaxRecord = std::array<Byte, kTaxRecordSize>;

TaxRecord DefaultTaxRecord();
// The key builder of PRFILE03: key 1 is the text at offset 4; other numbers give "".
std::string BuildTaxKey(const void* record, SmallInt keyNo);
// Makes sure PRFILE03 holds the record "01" (rewritten with the default when `overwrite`).
void EnsureTaxRecord(bool overwrite);
// Brings an old record "01" (upgrade mark 0) up to date, once.
void UpgradeTaxRecord();
