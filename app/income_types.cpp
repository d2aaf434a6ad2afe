#include "app/income_types.h"

#include "app/record_fields.h"
#include "app/slot_file.h"
#include "app/typed_records.h"
#include "platform/core/cp874.h"
#include "suite/fatal_error.h"

std::vector<Byte> IncomeTypes;

namespace {

constexpr Integer kAlwaysTypeASlot = 8;
constexpr Integer kExtraMarkSlot = 32;

struct DefaultType {
  Integer slot;
  std::string_view name;
  Byte a, b, c;
  std::string_view first, second;
};

const DefaultType kDefaults[] = {
    {1, "เงินเดือน"_cp874, 1, 1, 2, "", ""},
    {2, "ค่าแรงรายวัน"_cp874, 1, 1, 2, "", ""},
    {3, "ค่าแรงรายชั่วโมง"_cp874, 1, 1, 2, "", ""},
    {4, "ค่าล่วงเวลา #1"_cp874, 1, 2, 2, "150.0%", ""},
    {5, "ค่าล่วงเวลา #2"_cp874, 1, 2, 2, "200.0%", ""},
    {6, "ค่าล่วงเวลา #3"_cp874, 1, 2, 2, "300.0%", ""},
    {7, "ค่าล่วงเวลา #4"_cp874, 1, 2, 2, "", ""},
    {8, "ภาษีที่นายจ้างออกให้"_cp874, 1, 5, 2, "", ""},
    {9, "ค่าครองชีพ"_cp874, 1, 5, 2, "", ""},
    {10, "ค่าเบี้ยเลี้ยง"_cp874, 1, 5, 2, "", ""},
    {11, "ค่าที่พัก"_cp874, 1, 5, 2, "", ""},
    {12, "ค่าอาหาร"_cp874, 1, 5, 2, "", ""},
    {13, "ค่าพาหนะ"_cp874, 1, 5, 2, "", ""},
    {14, "ค่าจ้างตามผลงาน"_cp874, 1, 5, 2, "", ""},
    {31, "ภาษีหัก ณ ที่จ่าย"_cp874, 2, 5, 2, "", ""},
    {32, "เงินประกันสังคม"_cp874, 1, 2, 1, "5.0%", "   9000.00"},
    {33, "เงินสะสมกองทุนฯ"_cp874, 1, 2, 2, "", ""},
};

Byte* Slot(std::vector<Byte>& slots, Integer slot) {
  return slots.data() + static_cast<size_t>(slot - 1) * kIncomeTypeRecordSize;
}

void FixTypeA(std::vector<Byte>& slots) { Slot(slots, kAlwaysTypeASlot)[income_type::TypeA] = 1; }

void FillDefaults() {
  for (const DefaultType& t : kDefaults) SetIncomeType(t.slot, t.name, t.a, t.b, t.c, t.first, t.second);
  Slot(IncomeTypes, kExtraMarkSlot)[income_type::ExtraMark] = 1;
}

}  // namespace

void SetIncomeType(Integer slot, std::string_view name, Byte a, Byte b, Byte c, std::string_view first,
                   std::string_view second) {
  Byte* record = Slot(IncomeTypes, slot);
  SetFieldText(record, income_type::Name, income_type::NameWidth, name);
  record[income_type::TypeA] = a;
  record[income_type::TypeB] = b;
  record[income_type::TypeC] = c;
  SetFieldText(record, income_type::FirstText, income_type::ParameterWidth, first);
  SetFieldText(record, income_type::SecondText, income_type::ParameterWidth, second);
}

bool ReadIncomeTypes() {
  const Integer result = ReadSlotFile(kIncomeTypeFileName, kIncomeTypeRecordSize, IncomeTypes);
  if (result == 0) {
    FixTypeA(IncomeTypes);
    return true;
  }
  if (result != kFileNotFoundResult) {
    FileFatalErrorText(result, CannotOpenFileText(kIncomeTypeFileName));
    return false;
  }
  FillDefaults();
  if (const Integer written = WriteSlotFile(kIncomeTypeFileName, kIncomeTypeRecordSize, IncomeTypes); written != 0) {
    FileFatalErrorText(written, CannotCreateFileText(kIncomeTypeFileName));
    return false;
  }
  return true;
}

bool WriteIncomeTypes() {
  return RewriteSlotFileIfChanged(kIncomeTypeFileName, kIncomeTypeRecordSize, IncomeTypes, FixTypeA);
}

void ReleaseIncomeTypes() { IncomeTypes = {}; }
