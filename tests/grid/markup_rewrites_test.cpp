// The rewrites before and during layout: entity rounds (checked against a round-by-round reading
// of the rule), field unwrapping, line breaks, display entities and the tag a text run meets.
#include "grid/markup_rewrites.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The entity rule read literally: each round replaces the first occurrence of each entity, in
// table order, searching the whole text; rounds repeat until one replaces nothing.
std::string EntityRoundsByTheRule(std::string text) {
  const std::pair<std::string, std::string> entities[] = {
      {"&amp;", "&&"},     {"&quot;", "\""}, {"&sect;", "\xA7"}, {"&permil;", "\x89"}, {"&reg;", "\xAE"},
      {"&copy;", "\xA9"}, {"&para;", "\xB6"}, {"&trade;", "\x99"}, {"&euro;", "\x80"}};
  for (bool replaced = true; replaced;) {
    replaced = false;
    for (const auto& [name, replacement] : entities) {
      const std::size_t at = text.find(name);
      if (at == std::string::npos) continue;
      text.replace(at, name.size(), replacement);
      replaced = true;
    }
  }
  return text;
}

TEST(MarkupEntities, RoundsReplaceUntilNothingIsLeft) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case cases[] = {
      {"&amp;quot;", "&\""},
      {"a &amp; b", "a && b"},
      {"&permil;", "\x89"},
      {"&sect;&reg;&copy;&para;&trade;&euro;", "\xA7\xAE\xA9\xB6\x99\x80"},
      {"&AMP; &Quot;", "&AMP; &Quot;"},   // names keep their case
      {"&amp;amp;", "&&&"},
      {"&lt;B&gt;", "&lt;B&gt;"},         // display entities wait for the runs
      {"&", "&"},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplaceMarkupEntities(c.text), c.expected) << c.text;
}

TEST(MarkupEntities, AgreeWithTheRoundByRoundRuleOnRandomTexts) {
  const std::string pieces[] = {"&amp;", "&quot;", "&permil;", "&euro;", "&", "amp;", "quot;", "a", ";", "&am",
                                "p;",    "permil;", "<", "&copy;"};
  std::mt19937 random(11);
  std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> length(0, 30);
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = length(random); i > 0; --i) text += pieces[piece(random)];
    ASSERT_EQ(ReplaceMarkupEntities(text), EntityRoundsByTheRule(text)) << text;
  }
}

TEST(MarkupRewrites, FieldsLineBreaksAndTheWholePreparation) {
  EXPECT_EQ(UnwrapMarkupFields("<#x>"), "#x");
  EXPECT_EQ(UnwrapMarkupFields("Dear <#name>, <#date"), "Dear #name, #date");
  EXPECT_EQ(UnwrapMarkupFields("<#<>#"), "##") << "unwrapping may bring a '<' and a '#' together";
  EXPECT_EQ(RewriteMarkupLineBreaks("a\r\nb\nc\r"), "a<BR>bc<BR>");
  EXPECT_EQ(PrepareMarkupForLayout("a\r\n<#f>&amp;quot;"), "a<BR>#f&\"");
}

TEST(MarkupRewrites, DisplayEntitiesOfARun) {
  EXPECT_EQ(ReplaceDisplayEntities("&lt;B&gt;"), "<B>");
  EXPECT_EQ(ReplaceDisplayEntities("a&nbsp;b&nbsp;"), "a b ");
  EXPECT_EQ(ReplaceDisplayEntities("&&lt;"), "&<");
}

TEST(MarkupRewrites, TheTagARunMeets) {
  EXPECT_EQ(LeadingMarkupTag("<B>bold"), "<B>");
  EXPECT_EQ(LeadingMarkupTag("<B bold"), "<B bold") << "without '>' the rest of the text goes";
  EXPECT_EQ(LeadingMarkupTag("<x"), "") << "a rest of two characters is dropped";
  EXPECT_EQ(LeadingMarkupTag("<"), "");
  EXPECT_EQ(LeadingMarkupTag("<x>"), "<x>");
}

}  // namespace
