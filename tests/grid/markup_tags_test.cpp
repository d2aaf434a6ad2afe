// The markup tag recogniser (deciding letters of opening and closing tags), attribute values and
// their case, numbers in attribute values and FONT sizes.
#include "grid/markup_tags.h"

#include <gtest/gtest.h>

namespace {

using Tag = TMarkupTag;

TEST(MarkupTags, OpeningTagsAreDecidedByTheirLeadingLettersInAnyCase) {
  struct Case {
    const char* tag;
    Tag kind;
    const char* attributes;
  };
  const Case cases[] = {
      {"<b>", Tag::Bold, ""},
      {"<B>", Tag::Bold, ""},
      {"<BIG>", Tag::Unknown, ""},
      {"<BR>", Tag::LineBreak, ""},
      {"<br/>", Tag::LineBreak, "/"},
      {"<BLINK>", Tag::Blink, "INK"},
      {"<BODY BGCOLOR=\"clRed\">", Tag::Body, "DY BGCOLOR=\"clRed\""},
      {"<A HREF=\"x\">", Tag::Anchor, " HREF=\"x\""},
      {"<CONTROL TYPE=\"EDIT\">", Tag::Control, "ONTROL TYPE=\"EDIT\""},
      {"<ERR>", Tag::ErrorMark, "RR"},
      {"<FONT SIZE=\"3\">", Tag::Font, "ONT SIZE=\"3\""},
      {"<HI>", Tag::Highlight, ""},
      {"<HR>", Tag::HorizontalRule, ""},
      {"<H1>", Tag::Unknown, ""},
      {"<I>", Tag::Italic, ""},
      {"<IND x=\"10\">", Tag::Indentation, "D x=\"10\""},
      {"<IMG SRC=\"a\">", Tag::Image, "G SRC=\"a\""},
      {"<IX>", Tag::Unknown, ""},
      {"<LI>", Tag::ListItem, "I"},
      {"<P ALIGN=\"RIGHT\">", Tag::Paragraph, " ALIGN=\"RIGHT\""},
      {"<ROT A=\"45\">", Tag::RotatedText, "OT A=\"45\""},
      {"<S>", Tag::StrikeOut, ""},
      {"<SHAD>", Tag::Shadow, "AD"},
      {"<sub>", Tag::Subscript, ""},
      {"<SUP>", Tag::Superscript, ""},
      {"<SUBx>", Tag::Unknown, ""},
      {"<STRONG>", Tag::Unknown, ""},
      {"<U>", Tag::Underline, ""},
      {"<UL>", Tag::List, "L"},
      {"<Z>", Tag::Hidden, ""},
      {"<X>", Tag::Unknown, ""},
      {"<B", Tag::Unknown, ""},     // "<B>" needs its ">"
      {"<BRx", Tag::LineBreak, "x"},
  };
  for (const Case& c : cases) {
    const TMarkupTagInfo info = RecogniseMarkupTag(c.tag);
    EXPECT_EQ(info.kind, c.kind) << c.tag;
    if (c.kind != Tag::Unknown) {
      EXPECT_EQ(info.attributes, c.attributes) << c.tag;
    }
  }
}

TEST(MarkupTags, ClosingTagsAreDecidedByTheLetterAndWhatFollowsIt) {
  struct Case {
    const char* tag;
    Tag kind;
  };
  const Case cases[] = {
      {"</A>", Tag::EndAnchor},       {"</b>", Tag::EndBold},
      {"</BLINK>", Tag::EndBlinkOrBody}, {"</BODY>", Tag::EndBlinkOrBody},
      {"</E>", Tag::EndErrorMark},    {"</FONT>", Tag::EndFont},
      {"</HI>", Tag::EndHighlight},   {"</I>", Tag::EndItalic},
      {"</IMG>", Tag::EndItalic},     {"</LI>", Tag::EndListItem},
      {"</P>", Tag::EndParagraph},    {"</R>", Tag::EndRotatedText},
      {"</SU", Tag::EndSubscriptOrSuperscript}, {"</sup>", Tag::EndSubscriptOrSuperscript},
      {"</SH", Tag::EndShadow},       {"</sH>", Tag::EndShadow},
      {"</S>", Tag::EndStrikeOut},    {"</STRIKE>", Tag::EndStrikeOut},
      {"</U>", Tag::EndUnderline},    {"</UL>", Tag::EndList},
      {"</Z>", Tag::EndHidden},       {"</X>", Tag::Unknown},
      {"</>", Tag::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(RecogniseMarkupTag(c.tag).kind, c.kind) << c.tag;
}

TEST(MarkupAttributes, ValuesComeUpperCasedExceptHrefAndTitle) {
  const std::string_view anchor = R"( href="Page.htm" title="Go There" target="Self")";
  std::string value;
  ASSERT_TRUE(FindMarkupAttribute(anchor, "HREF", value));
  EXPECT_EQ(value, "Page.htm");
  ASSERT_TRUE(FindMarkupAttribute(anchor, "title", value));
  EXPECT_EQ(value, "Go There");
  ASSERT_TRUE(FindMarkupAttribute(anchor, "TARGET", value));
  EXPECT_EQ(value, "SELF");
  EXPECT_FALSE(FindMarkupAttribute(anchor, "ALT", value));

  const std::string_view font = R"(ONT face="Tahoma" BGCOLOR="clYellow" color="#ff0000")";
  ASSERT_TRUE(FindMarkupAttribute(font, " COLOR", value));
  EXPECT_EQ(value, "#FF0000");
  ASSERT_TRUE(FindMarkupAttribute(font, "FACE", value));
  EXPECT_EQ(value, "TAHOMA");
  EXPECT_FALSE(FindMarkupAttribute(R"(ONT BGCOLOR="clRed")", " COLOR", value)) << "COLOR is not BGCOLOR";
  ASSERT_TRUE(FindMarkupAttributeAsWritten(font, "face", value));
  EXPECT_EQ(value, "Tahoma");
}

TEST(MarkupAttributes, NamesInsideQuotedValuesAreNotAttributes) {
  std::string value;
  ASSERT_TRUE(FindMarkupAttribute(R"( HREF="a.htm?title=1" TITLE="Real")", "TITLE", value));
  EXPECT_EQ(value, "Real");
  ASSERT_TRUE(FindMarkupAttribute(R"( SRC="x")", "SRC", value));
  EXPECT_EQ(value, "X");
  ASSERT_TRUE(FindMarkupAttribute(R"( SRC=x)", "SRC", value));
  EXPECT_EQ(value, "") << "no quoted value";
  ASSERT_TRUE(FindMarkupAttribute(R"( SRC="x)", "SRC", value));
  EXPECT_EQ(value, "") << "no closing quote";
}

TEST(MarkupAttributes, ValuesAfterALetterForIndentationAndRotation) {
  EXPECT_EQ(QuotedValueAfterLetter(R"(D X="12")", 'x'), "12");
  EXPECT_EQ(QuotedValueAfterLetter(R"(OT a="45")", 'A'), "45");
  EXPECT_EQ(QuotedValueAfterLetter(R"(D Y="12")", 'x'), "");
}

TEST(MarkupNumbers, ReadALeadingNumberOrOnlyAWholeOne) {
  struct Case {
    const char* value;
    Integer leading;
    bool whole;
  };
  const Case cases[] = {
      {" -12", -12, true}, {"$1F", 31, true},     {"0x1F", 31, true},      {"12px", 12, false},
      {"-12px", -12, false}, {"", 0, false},      {"px", 0, false},        {"+7", 7, true},
      {"$FFFFFFFF", -1, true}, {"99999999999", 999999999, false},         {"-2147483648", -2147483647 - 1, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MarkupNumber(c.value), c.leading) << "'" << c.value << "'";
    Integer whole = 0;
    EXPECT_EQ(WholeMarkupNumber(c.value, whole), c.whole) << "'" << c.value << "'";
    if (c.whole) {
      EXPECT_EQ(whole, c.leading) << "'" << c.value << "'";
    }
  }
}

TEST(MarkupNumbers, FontSizesOneToFiveAreSteps) {
  const std::pair<const char*, Integer> cases[] = {{"1", 8}, {"2", 10}, {"3", 12}, {"4", 14},
                                                   {"5", 16}, {"9", 9},  {"0", 0},  {"24", 24}};
  for (const auto& [value, points] : cases) EXPECT_EQ(MarkupFontSize(value), points) << value;
}

}  // namespace
