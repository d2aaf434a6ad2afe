#include "platform/ui/rich_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>


namespace {

struct PlainCase {
  const char* name;
  std::string rtf;
  std::string plain;
};

TEST(RichTextTest, ReadsTheTextOfEachParagraph) {
  const PlainCase cases[] = {
      {"one paragraph", R"({\rtf1\ansi Hello})", "Hello"},
      {"par ends a paragraph", "{\\rtf1 a\\par b\\par}", "a\r\nb"},
      {"empty paragraph kept", "{\\rtf1 a\\par\\par b}", "a\r\n\r\nb"},
      {"line is a paragraph", "{\\rtf1 a\\line b}", "a\r\nb"},
      {"escaped line break", "{\\rtf1 a\\\r\nb}", "a\r\nb"},
      {"raw line breaks ignored", "{\\rtf1 a\r\nb}", "ab"},
      {"escaped braces", R"({\rtf1 \{x\}\\})", "{x}\\"},
      {"tab", R"({\rtf1 a\tab b})", "a\tb"},
      {"hex byte", R"({\rtf1 \'a1\'e0})", "\xa1\xe0"},
      {"unicode with fallback", R"({\rtf1\uc1 \u3585?x})", std::string("\xa1") + "x"},
      {"unicode outside the code page", R"({\rtf1\uc1 \u9731?})", "?"},
      {"negative unicode", R"({\rtf1\uc0 \u-4064 })", "?"},
      {"two fallback chars", R"({\rtf1\uc2 \u3585\'3f\'3fz})", "\xa1z"},
      {"named quotes", R"({\rtf1 \lquote x\rquote\emdash})", "\x91x\x92\x97"},
      {"font and colour tables hold no text",
       R"({\rtf1{\fonttbl{\f0\fswiss Tahoma;}}{\colortbl ;\red255\green0\blue0;}\f0\cf1 Red})", "Red"},
      {"skipped destinations", R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}{\*\unknown x}Body})", "Body"},
      {"field shows its result", R"({\rtf1{\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}}})", "link"},
      {"unknown words ignored", R"({\rtf1\viewkind4\lang1054 Text})", "Text"},
      {"text after the document", R"({\rtf1 In}Out)", "In"},
      {"a plain group, not rtf1", R"({\b bold})", "bold"},
  };
  for (const PlainCase& c : cases) EXPECT_EQ(ReadRichText(c.rtf).PlainText(), c.plain) << c.name;
}

TEST(RichTextTest, ReadsCharacterAndParagraphFormats) {
  const TRichDocument doc = ReadRichText(
      R"({\rtf1{\fonttbl{\f0\fnil Tahoma;}{\f1 Courier New;}}{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})"
      R"(\pard\qc\f1\fs28\b Bold {\i\cf2 Both}\b0  Plain\par\pard\ul U\ulnone  N\plain  R})");
  ASSERT_EQ(doc.Paragraphs.size(), 2u);
  const auto& first = doc.Paragraphs[0];
  EXPECT_EQ(first.Alignment, TRichAlignment::Center);
  ASSERT_EQ(first.Runs.size(), 3u);
  EXPECT_EQ(first.Runs[0].Text, "Bold ");
  EXPECT_EQ(first.Runs[0].Format, (TRichCharFormat{"Courier New", 28, true, false, false, clDefault}));
  EXPECT_EQ(first.Runs[1].Format, (TRichCharFormat{"Courier New", 28, true, true, false, TColor(0xFF0000)}));
  EXPECT_EQ(first.Runs[2].Text, " Plain");
  EXPECT_FALSE(first.Runs[2].Format.Bold);
  const auto& second = doc.Paragraphs[1];
  EXPECT_EQ(second.Alignment, TRichAlignment::Left);
  ASSERT_EQ(second.Runs.size(), 3u);
  EXPECT_TRUE(second.Runs[0].Format.Underline);
  EXPECT_FALSE(second.Runs[1].Format.Underline);
  EXPECT_EQ(second.Runs[2].Format, TRichCharFormat{});
}

TEST(RichTextTest, WritesWhatItReadsBack) {
  TRichDocument doc;
  doc.Paragraphs.push_back({{{"Plain {x} \\ ", {}},
                             {"\xa1\xb2\ttab", {"Tahoma", 20, true, false, false, TColor(0x0000FF)}},
                             {"blue", {"Tahoma", 0, false, true, true, TColor(0xFF0000)}}},
                            TRichAlignment::Right});
  doc.Paragraphs.push_back({});
  doc.Paragraphs.push_back({{{"last", {"Courier New", 0, false, false, false, clDefault}}}, TRichAlignment::Center});
  doc.Paragraphs.push_back({});
  const std::string rtf = WriteRichText(doc);
  EXPECT_TRUE(IsRichText(rtf));
  EXPECT_EQ(ReadRichText(rtf), doc) << rtf;
  EXPECT_EQ(doc.PlainText(), "Plain {x} \\ \xa1\xb2\ttabblue\r\n\r\nlast\r\n");
  EXPECT_EQ(doc.CharCount(), int(doc.PlainText().size()) - 3);   // one character per paragraph break
}

TEST(RichTextTest, HostileInputEndsCleanly) {
  const std::string deep = std::string(100000, '{') + "x" + std::string(100000, '}');
  const PlainCase cases[] = {
      {"unclosed groups", R"({\rtf1 a{\b b{\i c)", "abc"},
      {"extra closing braces", R"({\rtf1 {a}}}}}b)", "a"},
      {"brace before the document", "}}}{\\rtf1 ok}", "ok"},
      {"huge numbers", R"({\rtf1\fs99999999999999999999999\uc99999999999\cf-99999999999\u99999999999999 x})", "?"},
      {"huge font and colour indices",
       R"({\rtf1{\fonttbl{\f2147483647 A;}{\f-2147483648 B;}}\f99999999999 t})", "t"},
      {"long control word", "{\\rtf1 \\" + std::string(10000, 'a') + "1 t}", "t"},
      {"deep nesting", "{\\rtf1 " + deep + "y}", "y"},
      {"cut inside a control word", "{\\rtf1 a\\pa", "a"},
      {"cut after a backslash", "{\\rtf1 a\\", "a"},
      {"cut inside a hex byte", "{\\rtf1 a\\'4", "a"},
      {"hex without digits", "{\\rtf1 a\\'zz}", "azz"},
      {"no document", "plain words", ""},
  };
  for (const PlainCase& c : cases) EXPECT_EQ(ReadRichText(c.rtf).PlainText(), c.plain) << c.name;

  EXPECT_EQ(ReadRichText(R"({\rtf1\fs99999 x})").Paragraphs[0].Runs[0].Format.SizeHalfPoints, 3276);
}

TEST(RichTextTest, MutatedDocumentsReadWithoutFault) {
  TRichDocument doc;
  doc.Paragraphs.push_back({{{"Mutation \xa1\xb2", {"Tahoma", 24, true, false, false, TColor(0x00FF00)}},
                             {" base", {"Courier", 18, false, true, true, clDefault}}},
                            TRichAlignment::Justify});
  const std::string base = WriteRichText(doc) + R"({\*\x{\u3585?}}\uc2\u-3\'e1\'e2)";
  std::mt19937 random(20261211);
  const std::string alphabet = "{}\\'0123456789-abfucs;? \r\n\xff";
  for (int round = 0; round < 3000; ++round) {
    std::string text = base;
    const int edits = 1 + int(random() % 8);
    for (int e = 0; e < edits && !text.empty(); ++e) {
      const size_t at = random() % text.size();
      switch (random() % 3) {
        case 0: text[at] = alphabet[random() % alphabet.size()]; break;
        case 1: text.erase(at, 1 + random() % 6); break;
        default: text.insert(at, 1, alphabet[random() % alphabet.size()]); break;
      }
    }
    const TRichDocument read = ReadRichText(text);
    EXPECT_EQ(ReadRichText(WriteRichText(read)), read) << text;
  }
}

}  // namespace
