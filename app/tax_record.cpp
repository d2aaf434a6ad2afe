#include "app/tax_record.h"

#include <cstring>

#include "app/payroll_record_files.h"
#include "app/payroll_settings.h"
#include "app/record_fields.h"
#include "platform/core/cp874.h"
#include "platform/core/extended80.h"
#include "suite/data_file.h"
#include "suite/isam/isam_errors.h"
#include "suite/isam/isam_status.h"

namespace {

constexpr Integer kTaxCodeOffset = 4;
constexpr Integer kTaxCodeWidth = 2;        // as written; a stored code may run up to the name
constexpr Integer kTaxCodeFieldWidth = 10;
constexpr Integer kTaxNameOffset = 15;
constexpr Integer kTaxNameWidth = 22;
constexpr Integer kBracketBase = 168;
constexpr Integer kBracketStride = 30;
constexpr Integer kRateOffset = 10;
constexpr Integer kEmployerTaxLimit = 688;
constexpr char kDefaultTaxCode[] = "01";

struct FloatValue {
  Integer offset;
  const char* decimal;
};

constexpr FloatValue kFloats[] = {
    {58, "40"},     {68, "60000"},  {78, "30000"},   {88, "17000"},   {98, "15000"},  {108, "100000"},
    {118, "10000"}, {128, "100000"}, {138, "10"},    {148, "30000"},  {158, "10"},    {618, "30000"},
    {638, "150000"}, {648, "490000"}, {658, "15"},  {668, "500000"}, {678, "15"},    {kEmployerTaxLimit, "15000"},
};

struct Bracket {
  const char* limit;
  const char* rate;
};

constexpr Bracket kBrackets[] = {{"150000", "0"},   {"300000", "5"},   {"500000", "10"},  {"750000", "15"},
                                 {"1000000", "20"}, {"2000000", "25"}, {"4000000", "30"}, {"999999999.99", "35"}};

}  // namespace

TaxRecord DefaultTaxRecord() {
  TaxRecord r{};
  SetFieldText(r.data(), kTaxCodeOffset, kTaxCodeWidth, kDefaultTaxCode);
  SetFieldText(r.data(), kTaxNameOffset, kTaxNameWidth, "ภาษีเงินได้บุคคลธรรมดา"_cp874);
  SetFieldInt16(r.data(), 56, 3);
  for (const FloatValue& v : kFloats) SetFieldDecimal(r.data(), v.offset, v.decimal);
  for (Integer i = 0; i < 8; ++i) {
    const Integer at = kBracketBase + kBracketStride * i;
    SetFieldDecimal(r.data(), at, kBrackets[i].limit);
    SetFieldDecimal(r.data(), at + kRateOffset, kBrackets[i].rate);
  }
  r[kTaxUpgradeMark] = 1;
  return r;
}

std::string BuildTaxKey(const void* record, SmallInt keyNo) {
  if (keyNo != 1) return {};
  return GetFieldText(static_cast<const Byte*>(record), kTaxCodeOffset, kTaxCodeFieldWidth);
}

void EnsureTaxRecord(bool overwrite) {
  const TaxRecord record = DefaultTaxRecord();
  Integer ref = 0;
  FindDataKey(TaxFile, 1, ref, kDefaultTaxCode);
  if (DataFileCallOK) {
    if (!overwrite) return;
    PutDataRecord(TaxFile, ref, record.data());
  } else if (IsamErrorCode == isam_error::KeyNotFound) {
    AddDataRecord(TaxFile, BuildTaxKey, 1, ref, record.data());
  } else {
    return;   // the search itself failed: nothing is known about the record
  }
  if (!DataFileCallOK) return;
  NoteTaxRecordWritten();
  WritePayrollSettings();
}

void UpgradeTaxRecord() {
  TaxRecord record{};
  Integer ref = 0;
  FindDataKey(TaxFile, 1, ref, kDefaultTaxCode);
  if (!DataFileCallOK) return;
  GetDataRecord(TaxFile, ref, record.data());
  if (!DataFileCallOK || record[kTaxUpgradeMark] != 0) return;
  record[kTaxUpgradeMark] = 1;
  if (FieldFloatIsZero(record.data(), kEmployerTaxLimit)) SetFieldDecimal(record.data(), kEmployerTaxLimit, "15000");
  PutDataRecord(TaxFile, ref, record.data());
  if (!DataFileCallOK) return;
  NoteTaxRecordUpgraded();
  WritePayrollSettings();
}
