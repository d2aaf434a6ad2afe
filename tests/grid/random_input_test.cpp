// Random byte strings, rich in the characters the languages give meaning to, through the matcher,
// the markup routines, the number and date readers and the other text routines: each ends without
// a sanitizer finding, and only the date readers may raise (their conversion error).
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "grid/cell_text_kinds.h"
#include "grid/condition_matcher.h"
#include "grid/grid_dates.h"
#include "grid/grid_text_routines.h"
#include "grid/markup_colors.h"
#include "grid/markup_controls.h"
#include "grid/markup_rewrites.h"
#include "grid/markup_tags.h"
#include "grid/markup_text.h"
#include "grid/wide_cell_text.h"
#include "pinned_locale.h"
#include "platform/core/ansi_strings.h"
#include "platform/core/exceptions.h"

namespace {

class RandomText {
 public:
  explicit RandomText(unsigned seed) : random_(seed) {}

  // Up to `maxLength` pieces: single random bytes mixed with the languages' own tokens.
  std::string Next(int maxLength) {
    static const std::string tokens[] = {
        "<", ">", "\"", "&", "|", "^", ";", "*", "?", "\\", "!", "=", "/", ".", ",", "-", "E", " ", "\r", "\n",
        "<B>", "</B>", "<BR>", "&amp;", "&quot;", "&lt;", "<#", "<CONTROL ", "ID=\"", "TYPE=\"", "VALUE=\"",
        "WIDTH=\"", "PROP=\"", "|\\", "{\\", "(", ")", "12", "31/12/99", "Mc", " II"};
    std::string text;
    for (int i = std::uniform_int_distribution<int>(0, maxLength)(random_); i > 0; --i) {
      if (std::uniform_int_distribution<int>(0, 2)(random_) == 0)
        text += static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random_));
      else
        text += tokens[std::uniform_int_distribution<std::size_t>(0, std::size(tokens) - 1)(random_)];
    }
    return text;
  }

 private:
  std::mt19937 random_;
};

template <typename Read>
void AllowConversionError(Read read) {
  try {
    read();
  } catch (const EConvertError&) {
  }
}

TEST(RandomInput, MatcherEndsOnAnyConditionAndValue) {
  PinnedLocale locale;
  RandomText random(1);
  for (int round = 0; round < 3000; ++round) {
    const std::string condition = random.Next(24);
    const std::string value = random.Next(24);
    MatchCondition(condition, value, false);
    MatchCondition(condition, value, true);
    MatchCore(condition, value);
    TDateTime date = 0;
    ParseLocalDate(value, date);
  }
}

TEST(RandomInput, MarkupRoutinesEndOnAnyText) {
  RandomText random(2);
  for (int round = 0; round < 3000; ++round) {
    std::string text = random.Next(30);
    const std::string search = random.Next(3);
    StripMarkup(text);
    HighlightText(text, search, "B", false);
    HighlightText(text, search, "HI", true);
    const std::string removed = RemoveTagPairs(text, "B");
    EXPECT_EQ(UpperCase(removed).find("<B>"), std::string::npos) << text;
    const std::string prepared = PrepareMarkupForLayout(text);
    for (std::string_view rest = prepared; !rest.empty();) {
      const std::size_t lt = rest.find('<');
      if (lt == std::string_view::npos) break;
      rest.remove_prefix(lt);
      const std::string_view tag = LeadingMarkupTag(rest);
      const TMarkupTagInfo info = RecogniseMarkupTag(tag.empty() ? rest : tag);
      std::string value;
      FindMarkupAttribute(info.attributes, " COLOR", value);
      MarkupColor(value);
      BodyBackgroundColor(value);
      MarkupFontSize(value);
      QuotedValueAfterLetter(info.attributes, 'x');
      ReplaceDisplayEntities(info.attributes);
      rest.remove_prefix(tag.empty() ? rest.size() : tag.size());
    }
    HasControlTag(text);
    const std::string id = random.Next(2);
    NextEditableControlID(text, id);
    GetControlProp(text, id);
    SetControlValue(text, id, random.Next(4));
  }
}

TEST(RandomInput, NumberDateAndTextRoutinesEndOnAnyText) {
  PinnedLocale locale;
  RandomText random(3);
  for (int round = 0; round < 3000; ++round) {
    const std::string text = random.Next(20);
    NormalizeNumberText(text);
    NumberTextKind(text);
    CellTextKind(text, true);
    AllowConversionError([&] { ParseDateDMY(text); });
    AllowConversionError([&] { ParseDateMDY(text); });
    HasTwoDateSeparators(text);
    NameCaseText(text);
    DecodeWideCellText(text);
    CountOddCharRuns('"', text);
    UndoubleChar('"', text);
    TGridCoord cell;
    ParseCellAddress(text, cell);
  }
}

}  // namespace
