#include "app/payroll_settings.h"

#include <algorithm>
#include <vector>

#include "app/record_fields.h"
#include "app/typed_records.h"
#include "platform/core/cp874.h"
#include "platform/core/extended80.h"
#include "suite/buddhist_date.h"
#include "suite/fatal_error.h"
#include "suite/program_end.h"

PayrollSettingsRecord PayrollSettings{};

namespace {

namespace f = payroll_settings;

// The drive letter of the default ledger folder.  Stored paths name drives; the drive map
// (platform/os/drive_map.h) says where drive C lies on this machine.
constexpr char kDefaultLedgerFolder[] = "C:\\QZACC32\\DATAFILE";
constexpr Integer kDateWidth = 8;

struct ByteValue {
  Integer offset;
  Byte value;
};

// Bytes of a new record besides the texts and floats.
constexpr ByteValue kNewBytes[] = {{294, 1}, {295, 1}, {368, 1}, {537, 2}, {538, 2}, {539, 2}, {748, 1},
                                   {759, 1}, {762, 1}, {763, 1}, {764, 1}, {767, 1}, {768, 1}, {789, 1},
                                   {811, 1}, {f::TaxCeilingMark, 1}};
// Start-up fixes: each byte that is 0 gets the value, in this order.
constexpr ByteValue kZeroFixes[] = {{535, 1}, {536, 2}, {537, 2}, {538, 2}, {539, 2}, {540, 1}, {661, 1},
                                    {727, 1}, {728, 2}, {758, 2}, {747, 1}, {748, 1}, {749, 1}, {759, 1}};
constexpr Integer kAlwaysZero[] = {810, 729};
constexpr Integer kOptionBytes[] = {762, 763, 764, 767, 768};   // set together when 762 is 0
constexpr Integer kBranchSource = 730;                          // a text of 16
constexpr Integer kBranchSourceWidth = 16;
constexpr Integer kBranchCode = 806;                            // a text of 2
constexpr Integer kBranchCodeWidth = 2;

constexpr double kTaxAllowanceValue = 1650.0;
constexpr double kTaxCeilingValue = 190000.0;

// This run's changes to the record, beyond the start-up fixes that every run makes.
struct RunChanges {
  bool taxRecordWritten = false;
  bool taxRecordUpgraded = false;
  std::string closeDate;   // empty until the tool closes
};
RunChanges run;

void SetFloat(PayrollSettingsRecord& r, Integer offset, double value) {
  SetFieldFloat(r.data(), offset, DoubleToExtended80(value));
}

std::string PeriodOf(const PayrollSettingsRecord& r) { return GetFieldText(r.data(), f::PeriodStart, kDateWidth); }

// The start-up fixes; true when they demand that the record be written at once.
bool ApplyStartupFixes(PayrollSettingsRecord& r) {
  for (const ByteValue& fix : kZeroFixes)
    if (r[fix.offset] == 0) r[fix.offset] = fix.value;
  if (GetFieldText(r.data(), kBranchCode, kBranchCodeWidth).empty()) {
    const std::string source = GetFieldText(r.data(), kBranchSource, kBranchSourceWidth);
    if (!source.empty()) SetFieldText(r.data(), kBranchCode, kBranchCodeWidth, source.substr(0, 2));
  }
  for (Integer offset : kAlwaysZero) r[offset] = 0;
  bool write = false;
  if (r[kOptionBytes[0]] == 0) {
    for (Integer offset : kOptionBytes) r[offset] = 1;
    write = true;
  }
  if (r[f::TaxCeilingMark] != 1) {
    SetFloat(r, f::TaxCeiling, kTaxCeilingValue);
    write = true;
  }
  return write;
}

void ApplyTaxRecordValues(PayrollSettingsRecord& r) {
  SetFloat(r, f::TaxAllowance, kTaxAllowanceValue);
  SetFloat(r, f::TaxCeiling, kTaxCeilingValue);
}

void ApplyTaxUpgrade(PayrollSettingsRecord& r) {
  if (FieldFloatIsZero(r.data(), f::TaxCeiling)) SetFloat(r, f::TaxCeiling, kTaxCeilingValue);
}

void ApplyRunChanges(PayrollSettingsRecord& r) {
  ApplyStartupFixes(r);
  if (run.taxRecordWritten) ApplyTaxRecordValues(r);
  if (run.taxRecordUpgraded) ApplyTaxUpgrade(r);
  if (!run.closeDate.empty()) SetFieldText(r.data(), f::LastUseDate, kDateWidth, run.closeDate);
}

// The stored record, when the file holds one.
struct StoredSettings {
  Integer result = 0;
  TypedRecords file;
  bool HasRecord() const { return result == 0 && file.bytes.size() == kPayrollSettingsSize; }
  PayrollSettingsRecord Record() const {
    PayrollSettingsRecord r;
    std::copy(file.bytes.begin(), file.bytes.end(), r.begin());
    return r;
  }
};

StoredSettings ReadStored() {
  StoredSettings stored;
  stored.result = ReadTypedRecords(kPayrollSettingsFileName, kPayrollSettingsSize, 1, stored.file);
  return stored;
}

bool ReportUnreadable(Integer result) {
  FileFatalErrorText(result, CannotOpenFileText(kPayrollSettingsFileName));
  return false;
}

bool PeriodChanged(const StoredSettings& stored) {
  if (!stored.HasRecord() || PeriodOf(stored.Record()) == PeriodOf(PayrollSettings)) return false;
  FatalStop(std::string(
      "เนื่องจากวันที่เริ่มต้นงวดมีการเปลี่ยนแปลง (เช่น มีการปิดบัญชีสิ้นปี) ดังนั้น "
      "ท่านจะต้องออกจากการทำงานแล้วเรียกเข้าโปรแกรมใหม่"_cp874));
  return true;
}

}  // namespace

PayrollSettingsRecord NewPayrollSettings() {
  PayrollSettingsRecord r{};
  for (const ByteValue& b : kNewBytes) r[b.offset] = b.value;
  SetFieldText(r.data(), f::PeriodStart, kDateWidth, "01/01/" + BuddhistToday().substr(6, 2));
  SetFloat(r, 297, 8.0);
  SetFloat(r, 307, 30.0);
  SetFieldText(r.data(), f::LedgerFolder, f::LedgerFolderWidth, kDefaultLedgerFolder);
  SetFloat(r, f::TaxAllowance, kTaxAllowanceValue);
  SetFloat(r, f::TaxCeiling, kTaxCeilingValue);
  return r;
}

bool ReadPayrollSettings() {
  run = {};
  PayrollSettings = NewPayrollSettings();
  const StoredSettings stored = ReadStored();
  if (stored.result == kFileNotFoundResult) {
    if (const Integer created = RewriteTypedRecords(kPayrollSettingsFileName, kPayrollSettingsSize, {}); created != 0) {
      FileFatalErrorText(created, CannotCreateFileText(kPayrollSettingsFileName));
      return false;
    }
  } else if (stored.result != 0) {
    return ReportUnreadable(stored.result);
  } else if (stored.HasRecord()) {
    PayrollSettings = stored.Record();
  }
  return !ApplyStartupFixes(PayrollSettings) || WritePayrollSettings();
}

bool CheckPeriodStart() {
  const StoredSettings stored = ReadStored();
  return !PeriodChanged(stored);
}

bool WritePayrollSettings() {
  const StoredSettings stored = ReadStored();
  if (stored.result != 0 && stored.result != kFileNotFoundResult) return ReportUnreadable(stored.result);
  if (PeriodChanged(stored)) return false;
  PayrollSettingsRecord target = stored.HasRecord() ? stored.Record() : PayrollSettings;
  ApplyRunChanges(target);
  const std::vector<Byte> bytes(target.begin(), target.end());
  if (stored.result != 0 || !HoldsExactly(stored.file, kPayrollSettingsSize, bytes)) {
    if (const Integer written = RewriteTypedRecords(kPayrollSettingsFileName, kPayrollSettingsSize, bytes);
        written != 0) {
      FileFatalErrorText(written, CannotCreateFileText(kPayrollSettingsFileName));
      return false;
    }
  }
  PayrollSettings = target;
  return true;
}

void NoteTaxRecordWritten() {
  run.taxRecordWritten = true;
  ApplyTaxRecordValues(PayrollSettings);
}

void NoteTaxRecordUpgraded() {
  run.taxRecordUpgraded = true;
  ApplyTaxUpgrade(PayrollSettings);
}

void StampCloseDate() {
  run.closeDate = BuddhistToday();
  SetFieldText(PayrollSettings.data(), f::LastUseDate, kDateWidth, run.closeDate);
}

std::string LedgerFolder() {
  return GetFieldText(PayrollSettings.data(), f::LedgerFolder, f::LedgerFolderWidth);
}
