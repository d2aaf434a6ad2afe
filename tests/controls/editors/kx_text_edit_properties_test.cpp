// The text editor's settings: echo and case in code page 874, the maximum length and its flag,
// the value-bound rule, and list styles that accept only lookup items.
#include <gtest/gtest.h>

#include <string>

#include "controls/editors/kx_text_edit_properties.h"
#include "platform/classes/string_list.h"

namespace {

// "ก่อน": four code page 874 bytes (ko kai, mai ek, o ang, no nu).
const std::string kThaiWord = "\xA1\xE8\xCD\xB9";

TEST(TextEditProperties, EchoReplacesCaseAndCountsBytes) {
  struct Case {
    TkxEditEchoMode echo;
    char passwordChar;
    TEditCharCase charCase;
    std::string text, shown;
  };
  const Case cases[] = {
      {eemPassword, '\0', ecNormal, "abcd", "****"},
      {eemPassword, '\0', ecNormal, kThaiWord, "****"},
      {eemPassword, '#', ecUpperCase, "ab", "##"},        // the echo replaces case conversion
      {eemNormal, '#', ecUpperCase, "ab" + kThaiWord, "AB" + kThaiWord},   // Thai bytes stay
      {eemNormal, '\0', ecLowerCase, "AbC", "abc"},
      {eemNormal, '\0', ecNormal, "AbC", "AbC"},
  };
  for (const Case& c : cases) {
    TkxCustomTextEditProperties properties(nullptr);
    properties.SetEchoMode(c.echo);
    properties.SetPasswordChar(c.passwordChar);
    properties.SetCharCase(c.charCase);
    std::string text = c.text;
    properties.ApplyEchoMode(text);
    EXPECT_EQ(text, c.shown) << c.text;
  }
}

class TTextLimitProvider : public TkxCustomEditDefaultValuesProvider {
 public:
  using TkxCustomEditDefaultValuesProvider::TkxCustomEditDefaultValuesProvider;
  Integer GetDefaultTextLimit() override { return 7; }
};

TEST(TextEditProperties, MaxLengthStoresZeroForANegativeValueAndIsOtherwiseTheProvidersLimit) {
  TkxCustomTextEditProperties properties(nullptr);
  TTextLimitProvider provider(nullptr);
  EXPECT_EQ(properties.MaxLength(), 0) << "no provider, no limit";
  properties.SetDefaultValuesProvider(&provider);
  EXPECT_EQ(properties.MaxLength(), 7);
  EXPECT_FALSE(properties.IsMaxLengthStored());
  int changes = 0;
  properties.OnPropertiesChanged = [&](TObject*) { ++changes; };
  properties.SetMaxLength(-3);
  EXPECT_EQ(properties.MaxLength(), 0);
  EXPECT_TRUE(properties.IsMaxLengthStored());
  EXPECT_EQ(changes, 1) << "the value and its flag make one change";
  properties.SetMaxLength(0);
  EXPECT_EQ(changes, 1) << "no change";
  properties.AssignedValues()->SetMaxLength(false);
  EXPECT_EQ(properties.MaxLength(), 7);
  properties.OnPropertiesChanged = nullptr;
  properties.SetDefaultValuesProvider(nullptr);
}

TEST(TextEditProperties, ABoundIsCheckedWhenItAloneIsAssignedOrWhenTheLimitsMakeARange) {
  struct Case {
    bool minAssigned, maxAssigned;
    double min, max;
    bool lower, upper;
  };
  const Case cases[] = {
      {false, false, 0, 0, false, false},   // nothing assigned, no provider: nothing checked
      {false, true, 0, 10, false, true},    // only the upper bound
      {true, false, 5, 0, true, false},     // only the lower bound
      {true, true, 1, 10, true, true},
      {true, true, 10, 1, false, false},    // an empty range checks nothing
  };
  for (const Case& c : cases) {
    TkxCustomTextEditProperties properties(nullptr);
    if (c.minAssigned) properties.SetMinValue(c.min);
    if (c.maxAssigned) properties.SetMaxValue(c.max);
    EXPECT_EQ(properties.IsValueBoundDefined(0), c.lower) << c.min << ".." << c.max;
    EXPECT_EQ(properties.IsValueBoundDefined(1), c.upper) << c.min << ".." << c.max;
  }
}

// A list style, as drop-down descendants set it.
class TListOnlyProperties : public TkxCustomTextEditProperties {
 public:
  using TkxCustomTextEditProperties::TkxCustomTextEditProperties;
  TkxTextEntryStyle GetEditingStyle() const override { return tesListOnly; }
};

TEST(TextEditProperties, AListStyleAcceptsOnlyLookupItemsWhateverTheirCase) {
  TListOnlyProperties list(nullptr);
  list.LookupItems()->Add("Apple");
  list.LookupItems()->Add("apricot");
  list.SetCharCase(ecUpperCase);
  struct Case {
    std::string text;
    bool accepted;
    std::string result;
  };
  for (const Case& c : {Case{"apple", true, "APPLE"}, Case{"APRICOT", true, "APRICOT"}, Case{"ap", false, "ap"},
                        Case{"", true, ""}}) {
    std::string value = c.text;
    EXPECT_EQ(list.CheckEditValue(value, true), c.accepted) << c.text;
    EXPECT_EQ(value, c.result) << c.text;
  }
  TkxCustomTextEditProperties free(nullptr);
  std::string typed = "pear";
  EXPECT_TRUE(free.CheckEditValue(typed, true)) << "free text takes anything";
  free.SetHideCursor(true);
  EXPECT_EQ(free.GetEditingStyle(), tesNoTyping);
  EXPECT_FALSE(free.AllowsTyping());
}

}  // namespace
