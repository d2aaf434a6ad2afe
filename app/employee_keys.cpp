#include "app/employee_keys.h"

#include <utility>

#include "app/employee_record.h"
#include "app/record_fields.h"
#include "suite/text_routines.h"

namespace {

constexpr size_t kNameKeyLimit = 80;

std::string Field(const Byte* record, employee_record::TextField field) {
  return GetFieldText(record, field.offset, field.width);
}

bool IsLeadingVowel(char c) {
  const auto b = static_cast<Byte>(c);
  return b == 0xE0 || b == 0xE1 || b == 0xE3 || b == 0xE4;
}

}  // namespace

std::string ThaiSortSwap(std::string_view text) {
  std::string result(text.substr(0, kNameKeyLimit));
  if (result.size() > 1 && IsLeadingVowel(result[0])) std::swap(result[0], result[1]);
  return result;
}

std::string BuildNameKey(std::string_view text) {
  text = text.substr(0, kNameKeyLimit);
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return ThaiSortSwap(text);
  const std::string key = ThaiSortSwap(text.substr(0, blank)) + ThaiSortSwap(text.substr(blank + 1));
  return key.substr(0, kNameKeyLimit);
}

std::string BuildEmployeeKey(const void* recordBytes, SmallInt keyNo) {
  namespace r = employee_record;
  const auto* record = static_cast<const Byte*>(recordBytes);
  switch (keyNo) {
    case 1:
      return Field(record, r::EmployeeCode);
    case 2:
      return PadOrCut(Field(record, r::DepartmentCode), 2) + Field(record, r::EmployeeCode);
    case 3: {
      const std::string col17 = Field(record, r::Col17Text);
      const std::string text = col17.empty() ? Field(record, r::Col15Text) : col17;
      return PadOrCut(Field(record, r::Col20Date) + text, 26);
    }
    case 4:
      return PadOrCut(BuildNameKey(Field(record, r::ThaiName)), 40);
    case 5:
      return PadOrCut(Field(record, r::Col18Text), 20);
    default:
      return {};
  }
}
