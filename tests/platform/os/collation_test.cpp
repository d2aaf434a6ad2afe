#include "platform/os/collation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/cp874.h"
#include "platform/core/win_errors.h"
#include "platform/os/locale.h"
#include "platform/os/os_error.h"

namespace {

int Sign(Integer n) { return (n > 0) - (n < 0); }

struct Case {
  std::string_view a, b;
  int sensitive, insensitive;   // the sign of AnsiCompareStr and of AnsiCompareText
};

const Case kCases[] = {
    {"abc", "abc", 0, 0},
    {"abc", "ABC", -1, 0},                    // lower case first, equal without case
    {"a", "B", -1, -1},                       // letters before case
    {"B", "a", 1, 1},
    {"abc", "abd", -1, -1},
    {"ab", "abc", -1, -1},
    {"", "a", -1, -1},
    {"co-op", "coop", -1, -1},                // punctuation counts, before letters
    {"Zebra", "ก"_cp874, -1, -1},              // Latin before Thai
    {"เก"_cp874, "ขา"_cp874, -1, -1},           // by consonant, not by the leading vowel's byte
    {"ไก่"_cp874, "กา"_cp874, 1, 1},
    {"กา"_cp874, "ก่า"_cp874, -1, -1},          // a tone mark is a difference
    {"สมชาย"_cp874, "สมชาย"_cp874, 0, 0},
};

TEST(Collation, AnsiComparisonsInBothLocales) {
  for (const char* locale : {"th-TH", "en-US"}) {
    ScopedLocale scoped(locale);
    for (const Case& c : kCases) {
      SCOPED_TRACE(testing::Message() << locale << ": " << Cp874ToUtf8(c.a) << " / " << Cp874ToUtf8(c.b));
      EXPECT_EQ(Sign(AnsiCompareStr(c.a, c.b)), c.sensitive);
      EXPECT_EQ(Sign(AnsiCompareText(c.a, c.b)), c.insensitive);
      EXPECT_EQ(Sign(AnsiCompareStr(c.b, c.a)), -c.sensitive);
      EXPECT_EQ(AnsiSameText(c.a, c.b), c.insensitive == 0);
      EXPECT_EQ(AnsiSameStr(c.a, c.b), c.sensitive == 0);
      const std::u16string wa = Cp874ToUtf16(c.a), wb = Cp874ToUtf16(c.b);
      EXPECT_EQ(Sign(WideCompareStr(wa, wb)), c.sensitive);
      EXPECT_EQ(Sign(WideCompareText(wa, wb)), c.insensitive);
      EXPECT_EQ(WideSameText(wa, wb), c.insensitive == 0);
    }
  }
}

TEST(Collation, SortsThaiNamesInDictionaryOrder) {
  ScopedLocale thai("th-TH");
  std::vector<std::string_view> names = {"ไพโรจน์"_cp874, "กมล"_cp874, "เกษม"_cp874, "ขวัญ"_cp874,
                                    "Somchai", "แก้ว"_cp874, "กฤษณ์"_cp874};
  std::sort(names.begin(), names.end(),
            [](std::string_view a, std::string_view b) { return AnsiCompareStr(a, b) < 0; });
  const std::vector<std::string_view> expected = {"Somchai", "กมล"_cp874, "กฤษณ์"_cp874, "เกษม"_cp874,
                                             "แก้ว"_cp874, "ขวัญ"_cp874, "ไพโรจน์"_cp874};
  EXPECT_EQ(names, expected);
}

TEST(Collation, CompareStringFlagsLengthsAndFailures) {
  ScopedLocale thai("th-TH");
  const std::string toned("ก่า"_cp874), plain("กา"_cp874);
  struct Call {
    LCID locale; DWORD flags; const char* s1; Integer n1; const char* s2; Integer n2;
    Integer result; DWORD error = ERROR_SUCCESS;
  };
  const Call calls[] = {
      {LOCALE_USER_DEFAULT, 0, "apple", -1, "APPLE", -1, CSTR_LESS_THAN},
      {LOCALE_USER_DEFAULT, NORM_IGNORECASE, "apple", -1, "APPLE", -1, CSTR_EQUAL},
      {LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, "b", -1, "A", -1, CSTR_GREATER_THAN},
      {LOCALE_USER_DEFAULT, NORM_IGNORENONSPACE, toned.c_str(), -1, plain.c_str(), -1, CSTR_EQUAL},
      {LOCALE_USER_DEFAULT, NORM_IGNORENONSPACE, "a", -1, "A", -1, CSTR_LESS_THAN},   // case still counts
      {LOCALE_USER_DEFAULT, NORM_IGNORENONSPACE | NORM_IGNORECASE, "a", -1, "A", -1, CSTR_EQUAL},
      {LOCALE_USER_DEFAULT, 0, "abcX", 3, "abcY", 3, CSTR_EQUAL},                 // lengths cut
      {LOCALE_USER_DEFAULT, 0, "ab\0c", 4, "ab\0d", 4, CSTR_LESS_THAN},            // past a null
      {LOCALE_EN_US, 0, "a", -1, "b", -1, CSTR_LESS_THAN},
      {0x0411, 0, "a", -1, "b", -1, 0, ERROR_INVALID_PARAMETER},   // no such locale table
      {LOCALE_USER_DEFAULT, 0x40000000, "a", -1, "b", -1, 0, ERROR_INVALID_FLAGS},
      {LOCALE_USER_DEFAULT, 0, "a", -2, "b", -1, 0, ERROR_INVALID_PARAMETER},   // bad length
  };
  for (const Call& c : calls) {
    SetLastError(ERROR_SUCCESS);
    EXPECT_EQ(CompareStringA(c.locale, c.flags, c.s1, c.n1, c.s2, c.n2), c.result)
        << c.s1 << " / " << c.s2 << " flags " << c.flags;
    EXPECT_EQ(GetLastError(), c.error) << c.s1 << " / " << c.s2 << " flags " << c.flags;
  }
  const std::u16string longA(300, u'a'), longB = longA + u"b";   // beyond any small buffer
  EXPECT_EQ(CompareStringW(LOCALE_USER_DEFAULT, 0, longA.c_str(), -1, longB.c_str(), -1), CSTR_LESS_THAN);
  const std::string narrowA(300, 'a'), narrowB = narrowA + "b";
  EXPECT_EQ(AnsiCompareText(narrowB, narrowA), 1);
}

}  // namespace
