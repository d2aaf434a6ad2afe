#include <gtest/gtest.h>

#include <vector>

#include "platform/classes/classes_errors.h"
#include "platform/classes/string_list.h"
#include "platform/core/cp874.h"
#include "tests/support/os/temp_folder.h"

namespace {

std::vector<std::string> Items(const TStrings& list) {
  std::vector<std::string> items;
  for (Integer i = 0; i < list.Count(); ++i) items.push_back(list.Strings(i));
  return items;
}

void Fill(TStrings& list, const std::vector<std::string>& items) {
  list.Clear();
  for (const auto& s : items) list.Add(s);
}

TEST(StringListCommaText, JoinsAndQuotesWhatNeedsIt) {
  const std::string thai("รหัส"_cp874);
  struct Case {
    std::vector<std::string> items;
    std::string text;
  };
  const Case cases[] = {
      {{"a", "b c", "d\"e", ""}, R"(a,"b c","d""e",)"},   // an empty string is quoted only alone
      {{""}, R"("")"},
      {{}, ""},
      {{"x,y", "tab\there"}, "\"x,y\",\"tab\there\""},
      {{thai, "1"}, thai + ",1"},
  };
  for (const Case& c : cases) {
    TStringList list;
    Fill(list, c.items);
    EXPECT_EQ(list.CommaText(), c.text);
  }
}

TEST(StringListCommaText, SplitsAtCommasAndBlanksOutsideQuotes) {
  struct Case {
    std::string text;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {R"(a, "b c" ,d)", {"a", "b c", "d"}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {R"("x""y",z)", {"x\"y", "z"}},
      {"one two", {"one", "two"}},
      {R"("unterminated)", {"unterminated"}},
      {"   ", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.Add("old");
    list.SetCommaText(c.text);
    EXPECT_EQ(Items(list), c.items) << c.text;
  }
}

TEST(StringListDelimitedText, OwnDelimiterAndQuoteRoundTrip) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetQuoteChar('\'');
  const std::vector<std::string> items = {"a;b", "c", "it's", "two words", "", "x,y"};
  Fill(list, items);
  EXPECT_EQ(list.DelimitedText(), "'a;b';c;'it''s';'two words';;x,y");
  TStringList copy;
  copy.SetDelimiter(';');
  copy.SetQuoteChar('\'');
  copy.SetDelimitedText(list.DelimitedText());
  EXPECT_EQ(Items(copy), items);
  EXPECT_EQ(list.CommaText(), R"(a;b,c,it's,"two words",,"x,y")");   // CommaText keeps its own pair
  EXPECT_EQ(list.Delimiter(), ';');
}

TEST(SortedStringList, DuplicatesFollowTheirMode) {
  struct Case {
    TDuplicates mode;
    std::vector<std::string> items;
    Integer indexOfSecondB;   // what Add("B") answers
  };
  const Case cases[] = {
      {dupIgnore, {"a", "b", "c"}, 1},
      {dupAccept, {"a", "B", "b", "c"}, 1},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetDuplicates(c.mode);
    list.SetSorted(true);
    for (const char* s : {"c", "a", "b"}) list.Add(s);
    EXPECT_EQ(list.Add("B"), c.indexOfSecondB);
    EXPECT_EQ(Items(list), c.items);
    Integer index = -1;
    EXPECT_TRUE(list.Find("C", index));
    EXPECT_EQ(index, static_cast<Integer>(c.items.size()) - 1);
    EXPECT_FALSE(list.Find("bb", index));
    EXPECT_EQ(index, static_cast<Integer>(c.items.size()) - 1);
  }
  TStringList list;
  list.SetDuplicates(dupError);
  list.SetSorted(true);
  list.Add("b");
  try {
    list.Add("B");
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "String list does not allow duplicates");
  }
  try {
    list.Insert(0, "a");
    FAIL() << "no exception";
  } catch (const EStringListError& e) {
    EXPECT_EQ(e.Message(), "Operation not allowed on sorted list");
  }
  EXPECT_THROW(list.SetStrings(0, "z"), EStringListError);
}

TEST(SortedStringList, SwitchingCaseSensitivityKeepsItSorted) {
  TStringList list;
  list.SetSorted(true);
  list.SetDuplicates(dupAccept);
  for (const char* s : {"b", "B", "a", "A"}) list.Add(s);
  list.SetCaseSensitive(true);
  for (Integer i = 0; i < list.Count(); ++i) {
    Integer index = -1;
    EXPECT_TRUE(list.Find(list.Strings(i), index)) << list.Strings(i);
    EXPECT_EQ(index, i);
  }
  EXPECT_EQ(list.IndexOf("a") == list.IndexOf("A"), false);
}

TEST(StringListNames, NamesValuesAndValueFromIndex) {
  TStringList list;
  Fill(list, {"a=1", "B=2=3", "c", "=empty"});
  EXPECT_EQ(list.Names(0), "a");
  EXPECT_EQ(list.Names(1), "B");
  EXPECT_EQ(list.Names(2), "");
  EXPECT_EQ(list.Values("b"), "2=3");
  EXPECT_EQ(list.Values("missing"), "");
  EXPECT_EQ(list.ValueFromIndex(1), "2=3");
  EXPECT_EQ(list.ValueFromIndex(3), "empty");
  EXPECT_EQ(list.IndexOfName("A"), 0);
  EXPECT_EQ(list.IndexOfName("c"), -1);
  list.SetValues("c", "3");
  list.SetValues("a", "");
  list.SetValues("B", "x");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"B=x", "c", "=empty", "c=3"}));
  list.SetValueFromIndex(3, "4");
  EXPECT_EQ(list.Strings(3), "c=4");
  list.SetNameValueSeparator(':');
  list.Add("k:v");
  EXPECT_EQ(list.Values("k"), "v");
}

TEST(StringListText, SplitsOnEveryLineEndAndJoinsWithCrLf) {
  TStringList list;
  list.SetText("a\r\nb\nc\rd");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(list.Text(), "a\r\nb\r\nc\r\nd\r\n");
  list.SetText(std::string("x\0y\r\n\r\n", 7));
  EXPECT_EQ(Items(list), (std::vector<std::string>{std::string("x\0y", 3), ""}));
  list.SetText("");
  EXPECT_EQ(list.Count(), 0);
}

TEST(StringListFiles, SaveWritesCrLfAndLoadAcceptsAnyLineEnd) {
  TempFolder folder;
  TStringList list;
  Fill(list, {"one", "two"});
  list.SaveToFile(folder / "out.txt");
  EXPECT_EQ(ReadRawFile(folder / "out.txt"), "one\r\ntwo\r\n");
  WriteRawFile(folder / "in.txt", "x\ny\r\nz");
  list.LoadFromFile(folder / "in.txt");
  EXPECT_EQ(Items(list), (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_THROW(list.LoadFromFile(folder / "missing.txt"), EFOpenError);
}

TEST(StringListEvents, UpdatesAreReportedOnceAroundTheOutermostPair) {
  TStringList list;
  int changing = 0, changed = 0;
  list.OnChanging = [&](TObject* sender) {
    EXPECT_EQ(sender, &list);
    ++changing;
  };
  list.OnChange = [&](TObject*) { ++changed; };
  list.Add("a");
  EXPECT_EQ(changing, 1);
  EXPECT_EQ(changed, 1);
  list.BeginUpdate();
  list.BeginUpdate();
  list.Add("b");
  list.Delete(0);
  list.EndUpdate();
  EXPECT_EQ(changed, 1);
  list.EndUpdate();
  EXPECT_EQ(changing, 2);
  EXPECT_EQ(changed, 2);
  list.Clear();
  list.Clear();   // already empty: no change
  EXPECT_EQ(changed, 3);
}

TEST(StringListObjects, ObjectsTravelWithTheirStrings) {
  TStringList source;
  TStringList a, b;
  source.AddObject("x", &a);
  source.AddObject("y", &b);
  source.Exchange(0, 1);
  EXPECT_EQ(source.Objects(0), &b);
  source.Move(1, 0);
  EXPECT_EQ(source.Strings(0), "x");
  EXPECT_EQ(source.Objects(0), &a);
  TStringList copy;
  copy.Assign(&source);
  EXPECT_EQ(copy.IndexOfObject(&b), 1);
  EXPECT_TRUE(copy.Equals(&source));
  EXPECT_THROW(copy.Objects(2), EStringListError);
  EXPECT_THROW(copy.Strings(-1), EStringListError);
}

}  // namespace
