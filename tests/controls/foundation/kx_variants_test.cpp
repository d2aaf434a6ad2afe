// How the control library compares and classifies Variant values.
#include <gtest/gtest.h>

#include "controls/foundation/kx_variants.h"

namespace {

Variant Array(std::initializer_list<Variant> items) {
  Variant array = VarArrayCreate({{0, Integer(items.size()) - 1}}, varVariant);
  Integer i = 0;
  for (const Variant& item : items) array.Put({i++}, item);
  return array;
}

TEST(KxVariants, CompareVariantsCases) {
  const struct {
    const char* what;
    Variant a, b;
    Integer expected;
  } kCases[] = {
      {"Empty, Empty", Variant(), Variant(), 0},
      {"Empty, Null", Variant(), Null(), -1},
      {"Null, Empty", Null(), Variant(), 1},
      {"Null, 5", Null(), Variant(5), -1},
      {"5, Null", Variant(5), Null(), 1},
      {"Null, Null", Null(), Null(), 0},
      {"Empty, 0", Variant(), Variant(0), -1},
      {"abc, 5: no number, counts as less", Variant("abc"), Variant(5), -1},
      {"5, abc", Variant(5), Variant("abc"), -1},
      {"10 as text, 9", Variant("10"), Variant(9), 1},
      {"1.5, 2", Variant(1.5), Variant(2), -1},
      {"equal texts", Variant("x"), Variant(u"x"), 0},
      {"high bounds 4 and 2", Array({1, 2, 3, 4, 5}), Array({1, 2, 3}), 2},
      {"array, number", Array({1}), Variant(1), 1},
      {"number, array", Variant(1), Array({1}), -1},
      {"arrays by element", Array({1, 2}), Array({1, 3}), -1},
      {"empty arrays", Array({}), Array({}), 0},
      {"nested arrays", Array({Array({1})}), Array({Array({1})}), 0},
      {"two dimensions count as less", VarArrayCreate({{0, 0}, {0, 0}}, varVariant), Array({1}), -1},
  };
  for (const auto& c : kCases) EXPECT_EQ(CompareVariants(c.a, c.b), c.expected) << c.what;
  // Positions count from each array's low bound: indexes 0 .. high bound would leave an array that
  // starts at 5.
  Variant fromFive = VarArrayCreate({{5, 6}}, varVariant);
  fromFive.Put({5}, Variant(1));
  fromFive.Put({6}, Variant(2));
  EXPECT_EQ(CompareVariants(fromFive, Array({1, 2})), 0);
  EXPECT_EQ(CompareVariants(fromFive, Array({1, 3})), -1);
  EXPECT_TRUE(VariantsEqual(Variant(2), Variant(2.0)));
  EXPECT_FALSE(VariantsEqual(Variant(2), Null()));
}

TEST(KxVariants, IsSameVariantValueComparesBooleansAsText) {
  const struct {
    Variant a, b;
    bool same;
  } kCases[] = {
      {Variant(true), Variant("True"), true},  {Variant(true), Variant(-1), false}, {Variant(true), Variant(1), false},
      {Variant(false), Variant("False"), true}, {Variant(true), Variant(true), true},  {Variant(true), Null(), false},
      {Null(), Null(), true},                   {Variant(1), Variant(1.0), true},     {Variant(true), Array({1}), false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsSameVariantValue(c.a, c.b), c.same) << VarToStr(c.a) << " / " << VarToStr(c.b);
}

TEST(KxVariants, Classification) {
  EXPECT_TRUE(IsNullOrEmptyTextVariant(Null()));
  EXPECT_TRUE(IsNullOrEmptyTextVariant(Variant("")));
  EXPECT_TRUE(IsNullOrEmptyTextVariant(Variant(u"")));
  EXPECT_FALSE(IsNullOrEmptyTextVariant(Variant()));   // Empty is not
  EXPECT_FALSE(IsNullOrEmptyTextVariant(Variant(0)));
  EXPECT_FALSE(IsNullOrEmptyTextVariant(Variant(" ")));
  EXPECT_TRUE(IsDateVariant(Variant::FromDateTime(1)));
  EXPECT_TRUE(IsDateVariant(Variant(TSQLTimeStamp{2024, 1, 1})));
  EXPECT_FALSE(IsDateVariant(Variant(1.0)));
  for (const Variant& number : {Variant(1), Variant(true), Variant(1.5f), Variant(Currency::FromRaw(1)),
                                Variant(StrToBcd("1")), Variant::FromInteger(varByte, 1)})
    EXPECT_TRUE(IsNumberVariant(number)) << VarTypeAsText(number.VarType());
  for (const Variant& other : {Variant("1"), Variant::FromDateTime(1), Null(), Variant()})
    EXPECT_FALSE(IsNumberVariant(other)) << VarTypeAsText(other.VarType());
}

}  // namespace
