// Filtering and finding in the string grid: how filter items combine and which text each reads,
// the filter's progress, the finder's scan order and options, its progress reports, the
// incremental row search and the search footer's handlers.
#include <gtest/gtest.h>

#include <map>

#include "grid/floating_footer.h"
#include "grid/grid_filter.h"
#include "grid/pro_grid_button.h"
#include "grid/search_footer.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "grid/wide_cell_text.h"
#include "platform/ui/edit.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// A grid whose calculated cell text is "calc".
class TCalcGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;

 protected:
  void GetCalculatedCellText(Integer, Integer, std::string& Text) override { Text = "calc"; }
};

struct Item {
  SmallInt column;
  const char* condition;
  TFilterOperation operation = foSHORT;
  TFilterCells data = fcVirtual;
  const char* prefix = "";
  const char* suffix = "";
};

class FilterTest : public StringGridTest {
 protected:
  // One data row (row 1) with "a" in column 1 and "b" in column 2.
  TTestStringGrid* OneRow() {
    TTestStringGrid* grid = NewGrid();
    grid->SetRowCount(2);
    grid->SetCellText(1, 1, "a");
    grid->SetCellText(2, 1, "b");
    grid->OnGetDisplText = [this](TObject*, Integer col, Integer, std::string&) { ++reads_[col]; };
    return grid;
  }
  static void SetFilter(TProStringGrid* Grid, const std::vector<Item>& Items) {
    Grid->Filter()->Clear();
    for (const Item& i : Items) {
      TFilterData* item = Grid->Filter()->Add();
      item->SetColumn(i.column);
      item->SetCondition(i.condition);
      item->SetOperation(i.operation);
      item->SetData(i.data);
      item->SetPrefix(i.prefix);
      item->SetSuffix(i.suffix);
    }
  }
  std::map<Integer, Integer> reads_;
};

TEST_F(FilterTest, ItemsCombineByTheirOperation) {
  const struct {
    const char* what;
    std::vector<Item> items;
    bool passes;
    Integer column2Reads;
  } cases[] = {
      {"empty filter", {}, true, 0},
      {"short pass", {{1, "a"}, {2, "b"}}, true, 1},
      {"short failure stops", {{1, "x"}, {2, "b"}}, false, 0},
      {"and", {{1, "a", foNONE}, {2, "x", foAND}}, false, 1},
      {"or", {{1, "x", foNONE}, {2, "b", foOR}}, true, 1},
      {"xor of two matches", {{1, "a", foNONE}, {2, "b", foXOR}}, false, 1},
      {"xor of one match", {{1, "x", foNONE}, {2, "b", foXOR}}, true, 1},
      {"none discards what came before", {{1, "a"}, {2, "x", foAND}, {2, "b", foNONE}}, true, 2},
      {"short after a failure", {{1, "x", foNONE}, {2, "b", foSHORT}}, true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = OneRow();
    SetFilter(grid, c.items);
    reads_.clear();
    EXPECT_EQ(grid->FilterRowMatches(1), c.passes);
    EXPECT_EQ(reads_[2], c.column2Reads);
  }
}

TEST_F(FilterTest, EachItemReadsTheTextItsSettingsName) {
  const struct {
    const char* what;
    std::string cell;
    Item item;
    bool passes;
  } cases[] = {
      {"prefix off before a number", "ID-0042", {1, ">40", foSHORT, fcVirtual, "ID-"}, true},
      {"suffix at the end", "12kg", {1, "12", foSHORT, fcVirtual, "", "kg"}, true},
      {"suffix first found elsewhere", "kg12kg", {1, "12", foSHORT, fcVirtual, "", "kg"}, false},
      {"display text", "x", {1, "x!"}, true},
      {"stored text", "x", {1, "x", foSHORT, fcNormal}, true},
      {"markup stripped", "<b>x</b>", {1, "x!", foSHORT, fcStripHTML}, true},
      {"markup kept", "<b>x</b>", {1, "x!"}, false},
      {"calculated", "x", {1, "calc", foSHORT, fcCalculated}, true},
      {"wide text decoded", EncodeWideCellText(u"wide"), {1, "wide", foSHORT, fcNormal}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TForm* form = NewForm("FilterForm", false);
    auto* grid = new TCalcGrid(form);
    grid->SetRowCount(2);
    grid->SetCellText(1, 1, c.cell);
    // The display hook marks the texts that tell the display text from the stored one.
    grid->OnGetDisplText = [](TObject*, Integer, Integer, std::string& value) {
      if (value == "x" || value == "<b>x</b>") value += "!";
    };
    SetFilter(grid, {c.item});
    EXPECT_EQ(grid->FilterRowMatches(1), c.passes);
    delete form;
  }
}

TEST_F(FilterTest, ProgressRunsOverTheDataRowsOnly) {
  for (Integer dataRows : {8, 0}) {
    SCOPED_TRACE(dataRows);
    TTestStringGrid* grid = NewGrid();
    // A fixed row, the data rows and a footer row.
    grid->SetRowCount(dataRows + 2);
    grid->FloatingFooter()->SetVisible(true);
    std::vector<Integer> progress;
    grid->OnFilterProgress = [&](TObject*, SmallInt percent) { progress.push_back(percent); };
    grid->SetFilterActive(true);
    const std::vector<Integer> expected{12, 25, 38, 50, 62, 75, 88, 100, 100};
    EXPECT_EQ(progress, dataRows == 0 ? std::vector<Integer>{} : expected);
  }
}

class FindTest : public StringGridTest {
 protected:
  // FixedRows 1, FixedCols 1; cells (col,row): (1,1) "ab", (2,1) "x", (1,2) "", (2,2) "abc",
  // (1,3) "b", (2,3) "AB".
  TTestStringGrid* Cells() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    Fill(grid, {{"h0", "h1", "h2"}, {"r1", "ab", "x"}, {"r2", "", "abc"}, {"r3", "b", "AB"}});
    return grid;
  }
  // FindCellFrom repeated from each result, starting at (-1, -1).
  static std::vector<TPoint> FoundInTurn(TProStringGrid* Grid, const std::string& Text, TGridFindOptions Options,
                                         size_t Count) {
    std::vector<TPoint> found;
    TPoint start{-1, -1};
    while (found.size() < Count) {
      TPoint cell;
      Grid->FindCellFrom(start, Text, cell, Options);
      found.push_back(cell);
      start = cell;
    }
    return found;
  }
};

constexpr TPoint None{-1, -1};

TEST_F(FindTest, ScanOrderAndOptions) {
  const TGridFindOptions rows{fndRowByRow};
  const struct {
    const char* text;
    TGridFindOptions options;
    std::vector<TPoint> found;
  } cases[] = {
      {"b", rows, {{1, 1}, {2, 2}, {1, 3}, {2, 3}, None, {1, 1}}},
      {"b", {}, {{1, 1}, {1, 3}, {2, 2}, {2, 3}, None}},
      {"b", rows + TGridFindOptions{fndBackward}, {{2, 3}, {1, 3}, {2, 2}, {1, 1}, None}},
      {"b", rows + TGridFindOptions{fndMatchCase}, {{1, 1}, {2, 2}, {1, 3}, None}},
      {"ab", rows + TGridFindOptions{fndWholeCell}, {{1, 1}, {2, 3}, None}},
      {"b", rows + TGridFindOptions{fndMatchStart}, {{1, 3}, None}},
      {"\"\"", rows, {{1, 2}, None}},
      {"b", rows + TGridFindOptions{fndCurrentRow}, {{2, 2}, None}},
      {"h", rows + TGridFindOptions{fndIncludeFixed}, {{0, 0}, {1, 0}, {2, 0}, None}},
      {"b", {fndPresetColumn}, {{2, 2}, {2, 3}, None}},
      // A restricted column scanned row by row steps on to the next row instead of finding the
      // same cell again.
      {"b", rows + TGridFindOptions{fndPresetColumn}, {{2, 2}, {2, 3}, None}},
      {"b", {fndCurrentRow}, {{2, 2}, None}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TTestStringGrid* grid = Cells();
    grid->SetRow(2);
    grid->SetPresetSearchCol(2);
    EXPECT_EQ(FoundInTurn(grid, c.text, c.options, c.found.size()), c.found);
  }
}

TEST_F(FindTest, ConditionsAndMarkup) {
  TTestStringGrid* grid = NewGrid(true);
  Fill(grid, {{"", "", ""}, {"", "99", "<b>a</b>c"}, {"", "150", "ac"}});
  TPoint found;
  grid->FindCellFrom(None, ">100", found, TGridFindOptions{fndCondition});
  EXPECT_EQ(found, (TPoint{1, 2}));
  grid->FindCellFrom(None, "ac", found, TGridFindOptions{fndRowByRow});
  EXPECT_EQ(found, (TPoint{2, 2}));
  grid->FindCellFrom(None, "ac", found, TGridFindOptions{fndRowByRow, fndStripMarkup, fndGotoCell});
  EXPECT_EQ(found, (TPoint{2, 1}));
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->Col(), 2);
}

TEST_F(FindTest, FindTextReportsEachTestedCell) {
  TTestStringGrid* grid = Cells();
  TPoint found;
  grid->FindText(None, "x", found, TGridFindOptions{fndRowByRow});
  EXPECT_EQ(grid->log, (std::vector<std::string>{"save 0,-1", "save 1,1", "save 1,1", "save 4,-1"}));
  grid->log.clear();
  grid->FindText(TPoint{1, 3}, "zz", found, TGridFindOptions{fndRowByRow});
  EXPECT_EQ(grid->log, (std::vector<std::string>{"save 0,-1", "save 1,3", "save 2,-1"}));
}

TEST_F(FindTest, RowByPrefixSearchesTheSortColumn) {
  TTestStringGrid* grid = NewGrid(true);
  grid->SetFixedCols(0);
  Fill(grid, {{"", "", ""}, {"ab", "x", "ab"}, {"", "<i>aBc</i>", ""}, {"", "abd", ""}});
  EXPECT_EQ(grid->FindRowByPrefix("AB"), 1);   // the first normal column while no sort is shown
  grid->SortSettings()->SetShow(true);
  grid->SortSettings()->SetColumn(1);
  EXPECT_EQ(grid->FindRowByPrefix("AB"), 2);
  EXPECT_EQ(grid->FindRowByPrefix("ZZ"), -1);
  // A multi-column sort searches its first index column, FixedCols while the index is empty.
  grid->SortSettings()->SetIndexShow(true);
  EXPECT_EQ(grid->FindRowByPrefix("X"), -1);
  grid->SortIndexes()->AddIndex(1, false);
  EXPECT_EQ(grid->FindRowByPrefix("X"), 1);
  grid->SortIndexes()->Clear();
  grid->SortIndexes()->AddIndex(2, true);
  grid->SortIndexes()->AddIndex(1, true);
  EXPECT_EQ(grid->FindRowByPrefix("AB"), 1);
  EXPECT_EQ(grid->FindRowByPrefix("X"), -1);
}

TEST_F(FindTest, TheSearchFooter) {
  TTestStringGrid* grid = NewGrid(true);
  Fill(grid, {{"", "", ""}, {"", "m1", ""}, {"", "", "m2"}});
  TSearchFooter* footer = grid->SearchFooter();
  TSearchPanel* panel = grid->SearchPanel();
  footer->SetAutoSearch(false);
  panel->SearchEdit()->SetText("m");
  std::vector<TPoint> found;
  for (int i = 0; i < 4; ++i) {
    grid->SearchFindNext(nullptr);
    found.push_back(grid->LastFoundCell());
  }
  EXPECT_EQ(found, (std::vector<TPoint>{{1, 1}, {2, 2}, None, {1, 1}}));

  footer->SetAutoSearch(true);
  panel->SearchEdit()->SetText("zz");
  EXPECT_EQ(panel->SearchEdit()->Color(), TColor{0x0000FF});
  panel->SearchEdit()->SetText("m2");
  EXPECT_EQ(panel->SearchEdit()->Color(), clWindow);
  EXPECT_EQ(grid->LastFoundCell(), (TPoint{2, 2}));

  panel->SearchEdit()->SetText("m");
  panel->HighlightButton()->SetDown(true);
  grid->SearchHighlightToggled(nullptr);
  EXPECT_EQ(grid->GetCellText(1, 1), "<hi>m</hi>1");
  EXPECT_EQ(grid->GetCellText(2, 2), "<hi>m</hi>2");
  panel->HighlightButton()->SetDown(false);
  grid->SearchHighlightToggled(nullptr);
  EXPECT_EQ(grid->GetCellText(1, 1), "m1");
  footer->SetVisible(true);
  grid->SearchClose(nullptr);
  EXPECT_FALSE(footer->Visible());
}

}   // namespace
}   // namespace gridtest
