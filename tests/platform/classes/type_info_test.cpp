#include <gtest/gtest.h>

#include "platform/classes/classes_errors.h"
#include "platform/classes/filer.h"
#include "platform/classes/stream.h"
#include "test_components.h"

namespace {

struct EnumCase {
  const TTypeInfo* type;
  Integer value;
  const char* name;
};

TEST(EnumTypeInfo, NamesAndValuesBothWays) {
  const EnumCase cases[] = {
      {TypeInfo<TTestColor>(), tcRed, "tcRed"},       {TypeInfo<TTestColor>(), tcBlue, "tcBlue"},
      {TypeInfo<bool>(), 0, "False"},                 {TypeInfo<bool>(), 1, "True"},
      {TypeInfo<TValueType>(), vaInt8, "vaInt8"},     {TypeInfo<TValueType>(), vaUTF8String, "vaUTF8String"},
      {TypeInfo<TSeekOrigin>(), soEnd, "soEnd"},      {TypeInfo<TComponentStateItem>(), csDesigning, "csDesigning"},
      {TypeInfo<TFilerFlag>(), ffInline, "ffInline"},
  };
  for (const EnumCase& c : cases) {
    EXPECT_EQ(GetEnumName(c.type, c.value), c.name);
    EXPECT_EQ(GetEnumValue(c.type, c.name), c.value) << c.name;
  }
}

TEST(EnumTypeInfo, LookupIgnoresCaseAndRejectsUnknownValues) {
  EXPECT_EQ(GetEnumValue(TypeInfo<TTestColor>(), "TCGREEN"), tcGreen);
  EXPECT_EQ(GetEnumValue(TypeInfo<TTestColor>(), "tcPurple"), -1);
  EXPECT_EQ(GetEnumName(TypeInfo<TTestColor>(), 3), "");
  EXPECT_EQ(GetEnumName(TypeInfo<TTestColor>(), -1), "");
  EXPECT_EQ(GetEnumName(TypeInfo<Integer>(), 42), "42");
  EXPECT_EQ(TypeInfo<TTestColor>()->MaxValue, 2);
  EXPECT_EQ(TypeInfo<TValueType>()->Names.size(), 21u);
}

TEST(SetTypeInfo, TextRoundTripAndErrors) {
  const TTypeInfo* type = TypeInfo<TTestStyles>();
  ASSERT_EQ(type->Kind, tkSet);
  const UInt64 mask = TTestStyles{tsBold, tsUnderline}.ToMask();
  EXPECT_EQ(SetToString(type, mask), "[tsBold,tsUnderline]");
  EXPECT_EQ(SetToString(type, 0, false), "");
  EXPECT_EQ(StringToSet(type, " [ tsunderline , TSBOLD ] "), mask);
  EXPECT_EQ(StringToSet(type, "[]"), 0u);
  try {
    StringToSet(type, "[tsBold,tsStrike]");
    FAIL() << "no exception";
  } catch (const EPropertyConvertError& e) {
    EXPECT_EQ(e.Message(), "Invalid property element: tsStrike");
  }
}

}  // namespace
