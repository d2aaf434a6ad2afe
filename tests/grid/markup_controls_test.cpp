// Form-control fields of markup texts: parsing, moving between editable fields, PROP, and
// rewriting a field's value so that every value reads back exactly as set.
#include "grid/markup_controls.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr std::string_view kForm =
    R"(Name <CONTROL TYPE="edit" ID="name" VALUE="Ann &amp; Bo" WIDTH="80"> )"
    R"(<control type="CHECK" id="ok" value="TRUE" width="16"> )"
    R"(<CONTROL TYPE="BUTTON" ID="go" VALUE="Go" WIDTH="40"> )"
    R"(<CONTROL TYPE="MASK" ID="Code" VALUE="" WIDTH="60" PROP="!99;1;_" EXTRA="x">)";

TEST(MarkupControls, ParseKeepsTheCaseOfAllButTheType) {
  const TMarkupControl field = ParseControlTag(R"(<CONTROL type="Edit" Id="Name" value="A&lt;B" WIDTH="8" prop="p">)");
  EXPECT_EQ(field.Type, "EDIT");
  EXPECT_EQ(field.ID, "Name");
  EXPECT_EQ(field.Value, "A<B");
  EXPECT_EQ(field.Width, "8");
  EXPECT_EQ(field.Prop, "p");
  const TMarkupControl bare = ParseControlTag("<CONTROL");
  EXPECT_EQ(bare.Type + bare.ID + bare.Value + bare.Width + bare.Prop, "");
}

TEST(MarkupControls, NextEditableFieldSkipsButtonsChecksAndRadios) {
  EXPECT_TRUE(HasControlTag(kForm));
  EXPECT_FALSE(HasControlTag("<CONTRO TYPE=\"EDIT\">"));
  EXPECT_EQ(NextEditableControlID(kForm, ""), "name");
  EXPECT_EQ(NextEditableControlID(kForm, "name"), "Code");
  EXPECT_EQ(NextEditableControlID(kForm, "ok"), "Code");
  EXPECT_EQ(NextEditableControlID(kForm, "Code"), "");
  EXPECT_EQ(NextEditableControlID(kForm, "code"), "") << "IDs keep their case";
  const std::string radios = R"(<CONTROL TYPE="RADIO" ID="a" WIDTH="16"><CONTROL TYPE="radio" ID="b" WIDTH="16">)";
  EXPECT_EQ(NextEditableControlID(radios, ""), "");
  EXPECT_EQ(GetControlProp(kForm, "Code"), "!99;1;_");
  EXPECT_EQ(GetControlProp(kForm, "name"), "");
  EXPECT_EQ(GetControlProp(kForm, "none"), "");
}

TEST(MarkupControls, SetControlValueRewritesTheFieldAndKeepsTheRest) {
  std::string text(kForm);
  EXPECT_EQ(SetControlValue(text, "Code", "a<b"), 1);
  EXPECT_NE(text.find(R"(<CONTROL ID="Code" VALUE="a&lt;b" WIDTH="60" TYPE="MASK" PROP="!99;1;_">)"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("EXTRA"), std::string::npos) << "other attributes are dropped";
  EXPECT_EQ(text.substr(0, 5), "Name ");
  EXPECT_EQ(ParseControlTag(text.substr(text.find("<CONTROL ID=\"Code\""))).Value, "a<b");

  EXPECT_EQ(SetControlValue(text, "ok", "FALSE"), 1);
  EXPECT_NE(text.find(R"(<CONTROL ID="ok" VALUE="FALSE" WIDTH="16" TYPE="CHECK">)"), std::string::npos) << text;

  const std::string before = text;
  EXPECT_EQ(SetControlValue(text, "missing", "x"), 0);
  EXPECT_EQ(text, before);
}

TEST(MarkupControls, ValuesReadBackExactlyAsSet) {
  const char* values[] = {"*amp;", "&amp;", "&quot;", "\"a\" & <b>", "width=\"9\" TYPE=\"X\" ID=\"y\"", "", "&&lt;"};
  for (const char* value : values) {
    std::string text = R"(x<CONTROL TYPE="EDIT" ID="f" VALUE="" WIDTH="50">y)";
    ASSERT_EQ(SetControlValue(text, "f", value), 1);
    const TMarkupControl field = ParseControlTag(text.substr(1));
    EXPECT_EQ(field.Value, value) << text;
    EXPECT_EQ(field.Width, "50") << text;
    EXPECT_EQ(field.Type, "EDIT") << text;
    EXPECT_EQ(field.ID, "f") << text;
    EXPECT_EQ(text.back(), 'y');
  }
  std::mt19937 random(3);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 300; ++round) {
    std::string value;
    for (int i = byte(random) % 12; i > 0; --i) value += static_cast<char>(byte(random));
    EXPECT_EQ(DecodeControlValue(EncodeControlValue(value)), value);
  }
}

}  // namespace
