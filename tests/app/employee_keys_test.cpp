#include "app/employee_keys.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "app/employee_record.h"
#include "platform/core/cp874.h"

namespace {

using Text = std::string;

Text T(std::string_view cp874) { return Text(cp874); }

TEST(ThaiSortOrder, LeadingVowelsMoveBehindTheirConsonant) {
  struct Case {
    Text in, swapped, nameKey;
  };
  const Case cases[] = {
      {T("เลข"_cp874), T("ลเข"_cp874), T("ลเข"_cp874)},
      {T("โต"_cp874), T("โต"_cp874), T("โต"_cp874)},
      {T("เ"_cp874), T("เ"_cp874), T("เ"_cp874)},
      {T("แก้ว"_cp874), T("กแ้ว"_cp874), T("กแ้ว"_cp874)},
      {T("ใจดี"_cp874), T("จใดี"_cp874), T("จใดี"_cp874)},
      {T("ไก่"_cp874), T("กไ่"_cp874), T("กไ่"_cp874)},
      {T("สมชาย ใจดี"_cp874), T("สมชาย ใจดี"_cp874), T("สมชายจใดี"_cp874)},
      {T(" ใจดี"_cp874), T(" ใจดี"_cp874), T("จใดี"_cp874)},
      {T("เอ ไบ ซี"_cp874), T("อเ ไบ ซี"_cp874), T("อเบไ ซี"_cp874)},   // only the first blank goes
      {"", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ThaiSortSwap(c.in), c.swapped) << c.in;
    EXPECT_EQ(BuildNameKey(c.in), c.nameKey) << c.in;
  }
  const Text long90 = T("เ"_cp874) + Text(89, 'a');
  EXPECT_EQ(ThaiSortSwap(long90), "a" + T("เ"_cp874) + Text(78, 'a')) << "80 characters at most";
  EXPECT_EQ(BuildNameKey(Text(70, 'a') + " " + Text(20, 'b')), Text(70, 'a') + Text(9, 'b'));
}

// An employee record with the fields the keys are built from.
struct Employee {
  Text code, department, col15, col17, col18, col20, thaiName;
};

std::array<Byte, employee_record::kSize> MakeRecord(const Employee& e) {
  std::array<Byte, employee_record::kSize> r{};
  auto put = [&](employee_record::TextField f, const Text& text) {
    r[static_cast<size_t>(f.offset)] = static_cast<Byte>(text.size());
    std::memcpy(r.data() + f.offset + 1, text.data(), text.size());
  };
  put(employee_record::EmployeeCode, e.code);
  put(employee_record::DepartmentCode, e.department);
  put(employee_record::Col15Text, e.col15);
  put(employee_record::Col17Text, e.col17);
  put(employee_record::Col18Text, e.col18);
  put(employee_record::Col20Date, e.col20);
  put(employee_record::ThaiName, e.thaiName);
  return r;
}

TEST(EmployeeKeys, EachKeyAsStored) {
  struct Case {
    Employee employee;
    SmallInt key;
    Text expected;
  };
  const Employee a{"A1", "07", "fifteen", "", "", "690101", T("สมชาย ใจดี"_cp874)};
  const Employee b{"E0000001", "1", "fifteen", "seventeen", "x", "691231", T("เลข"_cp874)};
  const Case cases[] = {
      {a, 1, "A1"},
      {a, 2, "07A1"},
      {b, 2, "1 E0000001"},
      {a, 3, "690101fifteen" + Text(13, ' ')},   // 15 only when 17 is empty
      {b, 3, "691231seventeen" + Text(11, ' ')},
      {a, 4, T("สมชายจใดี"_cp874) + Text(31, ' ')},
      {b, 4, T("ลเข"_cp874) + Text(37, ' ')},
      {a, 5, Text(20, ' ')},
      {b, 5, "x" + Text(19, ' ')},
      {a, 0, ""},
      {a, 6, ""},
  };
  for (const Case& c : cases) {
    const auto record = MakeRecord(c.employee);
    EXPECT_EQ(BuildEmployeeKey(record.data(), c.key), c.expected) << c.employee.code << " key " << c.key;
  }
  const Employee longTexts{"A", "07", Text(20, 'q'), "", "", "690101", ""};
  EXPECT_EQ(BuildEmployeeKey(MakeRecord(longTexts).data(), 3), "690101" + Text(20, 'q')) << "cut to 26";
}

}  // namespace
