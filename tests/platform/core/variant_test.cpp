// Variant: the run time's conversions (and their errors), comparison and arrays with bounds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "platform/core/date_time.h"
#include "platform/core/variant.h"

namespace {

TEST(Variant, TypesOfConstructedValues) {
  const std::pair<Variant, TVarType> kCases[] = {
      {Variant(), varEmpty},
      {Null(), varNull},
      {Variant(true), varBoolean},
      {Variant(5), varInteger},
      {Variant(5u), varLongWord},
      {Variant(Int64(5)), varInt64},
      {Variant(1.5f), varSingle},
      {Variant(1.5), varDouble},
      {Variant(Currency::FromRaw(15000)), varCurrency},
      {Variant::FromDateTime(2.5), varDate},
      {Variant("text"), varString},
      {Variant(u"text"), varOleStr},
      {Variant(StrToBcd("1.5")), varFMTBcd},
      {Variant(TSQLTimeStamp{2024, 1, 2, 3, 4, 5, 6}), varSQLTimeStamp},
      {Variant::FromInteger(varByte, 200), varByte},
      {VarArrayCreate({{0, 2}}, varVariant), TVarType(varArray | varVariant)},
      {VarAsError(Integer(0x800A07D7)), varError},
      {Variant(std::shared_ptr<IDispatch>()), varEmpty},
  };
  for (const auto& [value, type] : kCases) EXPECT_EQ(value.VarType(), type) << VarTypeAsText(type);
}

TEST(Variant, ConversionsFollowTheRunTimesRules) {
  EXPECT_EQ(Variant("123").AsInteger(), 123);
  EXPECT_EQ(Variant(" 12").AsInteger(), 12);
  EXPECT_EQ(Variant("2.5").AsInteger(), 2);   // a number text rounds, halves to even
  EXPECT_EQ(Variant(3.5).AsInteger(), 4);
  EXPECT_EQ(Variant(Currency::FromRaw(25000)).AsInteger(), 2);
  EXPECT_EQ(Variant(Currency::FromRaw(-35000)).AsInt64(), -4);
  EXPECT_EQ(Variant(true).AsInteger(), -1);
  EXPECT_EQ(Variant().AsInteger(), 0);
  EXPECT_DOUBLE_EQ(Variant("1.25").AsDouble(), 1.25);
  EXPECT_DOUBLE_EQ(Variant(u"-2").AsDouble(), -2);
  EXPECT_TRUE(Variant("TRUE").AsBoolean());
  EXPECT_FALSE(Variant("false").AsBoolean());
  EXPECT_TRUE(Variant("7").AsBoolean());
  EXPECT_EQ(Variant(true).AsString(), "True");
  EXPECT_EQ(Variant(false).AsString(), "False");
  EXPECT_EQ(Variant(-12).AsString(), "-12");
  EXPECT_EQ(Variant(0.5).AsString(), "0.5");
  EXPECT_EQ(Variant(Currency::FromRaw(15000)).AsString(), "1.5");
  EXPECT_EQ(Variant(StrToBcd("-0012.500")).AsString(), "-12.5");
  EXPECT_EQ(Variant().AsString(), "");
  EXPECT_EQ(Variant("\xC3").AsWideString(), u"\u0E23");   // code page 874 to UTF-16
  EXPECT_EQ(Variant(u"\u0E23").AsString(), "\xC3");
  EXPECT_DOUBLE_EQ(Variant(TSQLTimeStamp{1900, 1, 1, 12, 0, 0, 0}).AsDateTime(), 2.5);
  EXPECT_EQ(Variant::FromDateTime(2.5).AsSQLTimeStamp(), (TSQLTimeStamp{1900, 1, 1, 12, 0, 0, 0}));
  EXPECT_EQ(VarToStr(Null()), "");
}

TEST(Variant, ImpossibleConversionsRaiseTheCastError) {
  const auto message = [](auto convert) {
    try {
      convert();
    } catch (const EVariantTypeCastError& e) {
      return e.Message();
    }
    return std::string("no error");
  };
  EXPECT_EQ(message([] { Variant("abc").AsInteger(); }), "Could not convert variant of type (String) into type (Integer)");
  EXPECT_EQ(message([] { Null().AsString(); }), "Could not convert variant of type (Null) into type (String)");
  EXPECT_EQ(message([] { Variant(u"x").AsDouble(); }), "Could not convert variant of type (OleStr) into type (Double)");
  EXPECT_EQ(message([] { VarAsType(Null(), varInteger); }), "Could not convert variant of type (Null) into type (Integer)");
  EXPECT_EQ(message([] { VarArrayCreate({{0, 1}}, varVariant).AsString(); }),
            "Could not convert variant of type (Array Variant) into type (String)");
  EXPECT_EQ(message([] { Variant("1/2/x").AsDateTime(); }), "Could not convert variant of type (String) into type (Date)");
  EXPECT_EQ(message([] { Variant(TSQLTimeStamp{2024, 13, 1}).AsString(); }),
            "Could not convert variant of type (SQLTimeStamp) into type (String)");
  EXPECT_EQ(message([] { VarToStr(VarAsError(2042)); }), "Could not convert variant of type (Error) into type (String)");
  EXPECT_EQ(message([] { VarAsError(2042).AsDouble(); }), "Could not convert variant of type (Error) into type (Double)");
  EXPECT_EQ(message([] { VarAsType(Variant(1), varError); }), "Could not convert variant of type (Integer) into type (Error)");
  EXPECT_EQ(message([] { Variant("x").AsDispatch(); }), "Could not convert variant of type (String) into type (Dispatch)");
  EXPECT_EQ(message([] { VarArrayCreate({{0, 1}}, varVariant).AsDispatch(); }),
            "Could not convert variant of type (Array Variant) into type (Dispatch)");
}

TEST(Variant, ErrorValuesKeepTheirCode) {
  Integer code = 0;
  const Variant error = VarAsError(Integer(0x800A07D7));
  ASSERT_TRUE(VarIsError(error, code));
  EXPECT_EQ(LongWord(code), 0x800A07D7u);
  const Variant copy = error;
  EXPECT_TRUE(VarIsError(copy));
  EXPECT_FALSE(VarIsError(Variant(2007), code));
  EXPECT_EQ(Variant().AsDispatch(), nullptr);
  EXPECT_THROW(VarCompareValue(error, Variant(1)), EVariantTypeCastError);
}

TEST(Variant, ValuesOutOfTheTargetRangeOverflow) {
  EXPECT_THROW(Variant::FromInteger(varByte, 256), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(40000), varSmallint), EVariantOverflowError);
  EXPECT_THROW(Variant(Int64(1) << 40).AsInteger(), EVariantOverflowError);
  EXPECT_THROW(Variant(1e300).AsInt64(), EVariantOverflowError);
  EXPECT_THROW(Variant(std::nan("")).AsInteger(), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(1e300), varSingle), EVariantOverflowError);
  EXPECT_THROW(Variant(1e300).AsCurrency(), EVariantOverflowError);
  EXPECT_THROW(VarAsType(Variant(-5), varWord), EVariantOverflowError);
}

TEST(Variant, VarAsTypeConvertsToEachType) {
  EXPECT_EQ(VarAsType(Variant("12"), varSmallint).VarType(), varSmallint);
  EXPECT_EQ(VarAsType(Variant("12"), varSmallint).AsInteger(), 12);
  EXPECT_EQ(VarAsType(Variant(12), varString).AsString(), "12");
  EXPECT_EQ(VarAsType(Variant(12), varOleStr).AsWideString(), u"12");
  EXPECT_EQ(VarAsType(Variant("1.5"), varCurrency).AsCurrency().Raw(), 15000);
  EXPECT_EQ(VarAsType(Variant(2.0), varDate).VarType(), varDate);
  EXPECT_EQ(VarAsType(Variant("1.5"), varFMTBcd).AsString(), "1.5");
  EXPECT_EQ(VarAsType(Variant(7), varVariant).VarType(), varInteger);
  EXPECT_TRUE(VarAsType(Variant(7), varNull).IsNull());
  EXPECT_TRUE(VarAsType(Variant(7), varEmpty).IsEmpty());
}

TEST(Variant, ComparesByTheRunTimesRules) {
  struct Case {
    Variant a, b;
    TVariantRelationship expected;
  };
  const Case kCases[] = {
      {Variant(1), Variant(2), vrLessThan},
      {Variant(2), Variant(1.5), vrGreaterThan},
      {Variant("10"), Variant(9), vrGreaterThan},   // the text becomes a number
      {Variant(9), Variant("10"), vrLessThan},
      {Variant("10"), Variant("9"), vrLessThan},    // two texts compare as texts
      {Variant("abc"), Variant(u"abc"), vrEqual},
      {Variant("a"), Variant("B"), vrGreaterThan},  // byte order, case-sensitive
      {Null(), Null(), vrEqual},
      {Null(), Variant(0), vrNotEqual},
      {Variant(), Variant(0), vrEqual},
      {Variant(), Variant(""), vrEqual},
      {Variant(true), Variant(-1), vrEqual},
      {Variant(true), Variant(1), vrLessThan},
      {Variant(true), Variant("True"), vrEqual},
      {Variant(Currency::FromRaw(10000)), Variant(1), vrEqual},
      {Variant(StrToBcd("1.50")), Variant(StrToBcd("1.5")), vrEqual},
      {Variant(StrToBcd("2")), Variant(1.5), vrGreaterThan},
      {Variant::FromDateTime(2), Variant(2.0), vrEqual},
      {Variant(TSQLTimeStamp{2024, 1, 2}), Variant(TSQLTimeStamp{2023, 12, 31}), vrGreaterThan},
      {Variant(std::nan("")), Variant(1.0), vrNotEqual},
      {Variant(Int64(1) << 62), Variant((Int64(1) << 62) + 1), vrLessThan},   // exact, not as doubles
  };
  for (const Case& c : kCases)
    EXPECT_EQ(VarCompareValue(c.a, c.b), c.expected) << VarToStr(c.a) << " ? " << VarToStr(c.b);
}

TEST(Variant, ComparingATextThatIsNoNumberWithANumberRaisesTheCastError) {
  EXPECT_THROW(VarCompareValue(Variant("abc"), Variant(5)), EVariantTypeCastError);
  EXPECT_THROW(VarCompareValue(VarArrayCreate({{0, 0}}, varVariant), Variant(5)), EVariantInvalidOpError);
}

TEST(Variant, ArraysHaveBoundsPerDimension) {
  Variant array = VarArrayCreate({{1, 3}, {-1, 0}}, varVariant);
  EXPECT_EQ(VarArrayDimCount(array), 2);
  EXPECT_EQ(VarArrayLowBound(array, 1), 1);
  EXPECT_EQ(VarArrayHighBound(array, 1), 3);
  EXPECT_EQ(VarArrayLowBound(array, 2), -1);
  EXPECT_EQ(VarArrayHighBound(array, 2), 0);
  EXPECT_TRUE(array.Get({2, -1}).IsEmpty());
  array.Put({3, 0}, Variant("last"));
  array.Put({1, -1}, Variant(1));
  EXPECT_EQ(array.Get({3, 0}).AsString(), "last");
  EXPECT_THROW(array.Get({4, 0}), EVariantBadIndexError);
  EXPECT_THROW(array.Get({1}), EVariantBadIndexError);
  EXPECT_THROW(VarArrayHighBound(array, 3), EVariantBadIndexError);
  EXPECT_THROW(VarArrayLowBound(Variant(1), 1), EVariantInvalidOpError);

  Variant copy = array;   // a copy owns its own elements
  copy.Put({3, 0}, Variant("changed"));
  EXPECT_EQ(array.Get({3, 0}).AsString(), "last");

  EXPECT_EQ(VarArrayHighBound(VarArrayCreate({{0, -1}}, varVariant), 1), -1);   // empty
  EXPECT_THROW(VarArrayCreate({{0, -2}}, varVariant), EVariantArrayCreateError);
  EXPECT_THROW(VarArrayCreate({{0, 1}}, varInteger), EVariantArrayCreateError);
  EXPECT_THROW(VarArrayCreate({{0, 70000}, {0, 70000}}, varVariant), EVariantArrayCreateError);
}

}  // namespace
