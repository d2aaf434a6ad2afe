// The grid's lists: integer lists bound to a cell with their change events and comma texts, the
// multi-column sort index, and the list of cell controls that owns its entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/control_list.h"
#include "grid/int_list.h"
#include "grid/sort_index_list.h"
#include "platform/core/exceptions.h"

namespace {

struct ChangeLog {
  std::vector<std::string> entries;
  void Watch(TIntList& list) {
    list.OnChange = [this](TObject*, Integer col, Integer row) {
      entries.push_back(std::to_string(col) + "," + std::to_string(row));
    };
  }
};

TEST(IntListTest, ChangesFireOnChangeWithTheListsCellAndInsertDoesNot) {
  TIntList list(3, 7);
  ChangeLog log;
  log.Watch(list);
  const struct {
    const char* what;
    void (*change)(TIntList&);
    std::string entries;
    size_t events;
  } cases[] = {
      {"Add", [](TIntList& l) { l.Add(5); }, "5", 1},
      {"Add negative", [](TIntList& l) { l.Add(-2147483647 - 1); }, "5,-2147483648", 2},
      {"Insert", [](TIntList& l) { l.Insert(0, 9); }, "9,5,-2147483648", 2},
      {"SetItem", [](TIntList& l) { l.SetItem(1, 0); }, "9,0,-2147483648", 3},
      {"DeleteValue present", [](TIntList& l) { l.DeleteValue(0); }, "9,-2147483648", 4},
      {"DeleteValue absent", [](TIntList& l) { l.DeleteValue(77); }, "9,-2147483648", 4},
      {"Delete", [](TIntList& l) { l.Delete(0); }, "-2147483648", 5},
  };
  for (const auto& c : cases) {
    c.change(list);
    EXPECT_EQ(list.GetCommaText(), c.entries) << c.what;
    EXPECT_EQ(log.entries.size(), c.events) << c.what;
  }
  EXPECT_EQ(log.entries.back(), "3,7");
  EXPECT_TRUE(list.HasValue(-2147483647 - 1));
  EXPECT_FALSE(list.HasValue(9));
  EXPECT_THROW(list.GetItem(1), EListError);
}

TEST(IntListTest, CommaTextReplacesTheEntriesOneAddAtATime) {
  TIntList list(0, 0);
  list.Add(1);
  ChangeLog log;
  log.Watch(list);
  list.SetCommaText("4,9");
  EXPECT_EQ(list.GetCommaText(), "4,9");
  EXPECT_EQ(log.entries.size(), 2u);
  list.SetCommaText("");
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.GetCommaText(), "");
}

TEST(IntListTest, ABadCommaItemRaisesTheConversionError) {
  TIntList list(0, 0);
  EXPECT_THROW(list.SetCommaText("\"6\" 7,x,8"), EConvertError);
  EXPECT_EQ(list.GetCommaText(), "6,7");   // the items before the refused one stay
}

TEST(SortIndexListTest, EntriesCarryTheColumnAndTheDescendingBit) {
  TSortIndexList list;
  list.AddIndex(2, true);
  list.AddIndex(5, false);
  EXPECT_EQ(static_cast<Cardinal>(list.GetItem(1)), 0x80000005u);
  EXPECT_EQ(list.FindIndex(5), 1);
  EXPECT_EQ(list.FindIndex(3), -1);
  EXPECT_EQ(list.GetSortColumn(1), 5);
  EXPECT_TRUE(list.IsDescending(1));
  Integer changes = 0;
  list.OnChange = [&](TObject*, Integer, Integer) { ++changes; };
  list.ToggleDirection(5);
  EXPECT_EQ(list.GetItem(1), 5);
  list.ToggleDirection(2);
  EXPECT_TRUE(list.IsDescending(0));
  list.ToggleDirection(9);
  EXPECT_EQ(changes, 2);
}

TEST(ControlListTest, TheListOwnsItsEntries) {
  auto* list = new TControlList;
  list->AddControl(new TCellControl(1, 2, nullptr));
  list->AddControl(new TCellControl(3, 4, nullptr));
  list->AddControl(new TCellControl(5, 6, nullptr));
  EXPECT_EQ(list->GetControl(1)->Row, 4);
  list->DeleteControl(1);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(list->GetControl(1)->Col, 5);
  delete list;   // frees the other two; the leak checker sees none left
}

}   // namespace
