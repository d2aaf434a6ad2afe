// The string grid's sorting: the compare styles under the th-TH table, the sort drivers, random
// grids sorted and put back, row swaps and the cell and row colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_grid_error.h"
#include "grid/show_modified.h"
#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "grid/wide_cell_text.h"
#include "platform/classes/list.h"
#include "platform/core/cp874.h"
#include "platform/os/locale.h"
#include "tests/grid/string_grid_fixture.h"

namespace {

using gridtest::StringGridTest;
using gridtest::TTestStringGrid;

class SortTest : public StringGridTest {
 protected:
  // A grid with one fixed row and column whose column 1 holds the two texts in rows 1 and 2; the
  // column's style, prefix and suffix come from OnGetFormat.
  TTestStringGrid* PairGrid(TSortStyle Style, const std::string& Prefix = "", const std::string& Suffix = "") {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(2);
    grid->SetRowCount(3);
    grid->OnGetFormat = [=](TObject*, Integer, TSortStyle& style, std::string& prefix, std::string& suffix) {
      style = Style;
      prefix = Prefix;
      suffix = Suffix;
    };
    return grid;
  }

  // A grid holding exactly these rows.
  TTestStringGrid* GridOf(const std::vector<std::vector<std::string>>& Rows) {
    TTestStringGrid* grid = NewGrid();
    grid->SetRowCount(static_cast<Integer>(Rows.size()));
    grid->SetColCount(static_cast<Integer>(Rows[0].size()));
    Fill(grid, Rows);
    return grid;
  }

  static Integer Compare(TProStringGrid* Grid, const std::string& A, const std::string& B,
                         TSortDirection Direction = sdAscending) {
    Grid->SetCellText(1, 1, A);
    Grid->SetCellText(1, 2, B);
    return Grid->CompareCells(1, 1, 2, Direction);
  }

  // Every cell's text, row by row.
  static std::vector<std::vector<std::string>> Snapshot(TProStringGrid* Grid) {
    std::vector<std::vector<std::string>> rows;
    for (Integer row = 0; row < Grid->RowCount(); ++row) {
      rows.emplace_back();
      for (Integer col = 0; col < Grid->ColCount(); ++col) rows.back().push_back(Grid->GetCellText(col, row));
    }
    return rows;
  }
};

struct StyleCase {
  TSortStyle style;
  const char* prefix;
  const char* suffix;
  std::string a, b;
  Integer expected;
};

TEST_F(SortTest, CompareCellsSignsUnderTheThaiTable) {
  ScopedLocale thai("th-TH");
  const std::string kha{"ขา"_cp874}, ke{"เก"_cp874};
  const StyleCase cases[] = {
      {ssAlphabetic, "", "", kha, ke, -1},   // byte order: the leading vowel's code is higher
      {ssAnsiAlphaCase, "", "", kha, ke, 1},   // dictionary order: เก sorts under ก
      {ssAnsiAlphaNoCase, "", "", "ABC", "abc", 0},
      {ssAlphaNoCase, "", "", "ABC", "abc", -1},
      {ssAlphaNoCase, "", "", "abc", "abd", -1},
      {ssAlphaNoCase, "", "", "abc", "ABD", -1},
      {ssNumeric, "$", " kg", "$9 kg", "$10 kg", -1},
      {ssNumeric, "$", " kg", "", "$1 kg", -1},   // an empty cell counts 0
      {ssNumeric, "$", " kg", "", "-$1 kg", 1},
      {ssNumeric, "$", " kg", "heavy", "light", 0},   // neither reads
      {ssFinancial, "", "", "1,234.5", "999", 1},
      {ssAutomatic, "", "", "12/05/2557", "01/06/2557", -1},   // dates: 12 May before 1 June
      {ssAutomatic, "", "", "1:30", "10:00", -1},   // times
      {ssAutomatic, "", "", "A-12", "A-3", -1},   // alphabetic
      {ssAutomatic, "", "", "3.5E2", "40", 1},   // numeric
      {ssShortDateEU, "", "", "12/05/2014", "01/06/2014", -1},
      {ssShortDateUS, "", "", "12/05/2014", "01/06/2014", 1},
      {ssDate, "", "", "12/05/2557", "01/06/2557", -1},
      {ssDateTime, "", "", "12/05/2557 10:00", "01/06/2557 09:00", -1},
      {ssTime, "", "", "9:00", "10:00", -1},
      {ssTime, "", "", "late", "early", 0},
      {ssHTML, "", "", "<b>b</b>", "a", 1},   // tags ignored
      {ssUnicode, "", "", EncodeWideCellText(u"abc"), EncodeWideCellText(u"ABD"), -1},
      {ssUnicode, "", "", EncodeWideCellText(u"abc"), EncodeWideCellText(u"ABC"), 0},
      {ssAlphaNumeric, "", "", "9", "10", -1},
      {ssAlphaNumeric, "", "", "9", "1a", 1},
      {ssCustom, "", "", "a", "b", 0},   // events unassigned
      {ssRaw, "", "", "a", "b", 0},
  };
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.style) + " " + c.a + " / " + c.b);
    TTestStringGrid* grid = PairGrid(c.style, c.prefix, c.suffix);
    EXPECT_EQ(Compare(grid, c.a, c.b), c.expected);
    EXPECT_EQ(Compare(grid, c.b, c.a), -c.expected);
  }
  EXPECT_EQ(Compare(PairGrid(static_cast<TSortStyle>(21)), "a", "a"), 1);   // no such style
}

TEST_F(SortTest, FinancialUnderOverriddenSeparators) {
  ScopedLocale thai("th-TH");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ",");
  SetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, ".");
  GetFormatSettings();
  TTestStringGrid* grid = PairGrid(ssFinancial);
  EXPECT_EQ(Compare(grid, "1.234,5", "999"), 1);
  EXPECT_EQ(Compare(grid, "0,5", "0,25"), 1);
}

TEST_F(SortTest, CheckBoxesSortUncheckedFirst) {
  TTestStringGrid* grid = PairGrid(ssCheckBox);
  grid->CreateCellGraphic(1, 1)->SetCellType(ctCheckBox);
  grid->CreateCellGraphic(1, 2)->SetCellType(ctDataCheckBox);
  grid->GetCellGraphic(1, 1)->SetCellBoolean(true);
  grid->SetCellText(1, 2, "N");
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 1);
  grid->SetCellText(1, 2, "Y");
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 0);
  grid->OnGetFormat = nullptr;   // AutoFormat detects the check box from the first cell
  EXPECT_EQ(grid->CompareCells(1, 1, 2, sdAscending), 0);
}

TEST_F(SortTest, BlanksGoFirstOrLastInBothDirections) {
  struct Case {
    TSortBlankPosition position;
    TSortDirection direction;
    Integer blankAgainstFilled;
  };
  const Case cases[] = {{blFirst, sdAscending, -1}, {blFirst, sdDescending, 1}, {blLast, sdAscending, 1},
                        {blLast, sdDescending, -1}};
  for (const Case& c : cases) {
    TTestStringGrid* grid = PairGrid(ssAlphabetic);
    grid->SortSettings()->SetIgnoreBlanks(true);
    grid->SortSettings()->SetBlankPos(c.position);
    EXPECT_EQ(Compare(grid, "", "b", c.direction), c.blankAgainstFilled);
    EXPECT_EQ(Compare(grid, "b", "", c.direction), -c.blankAgainstFilled);
    EXPECT_EQ(Compare(grid, "", "", c.direction), 0);
  }
}

TEST_F(SortTest, FullBreaksTiesOnlyToTheRight) {
  TTestStringGrid* grid = GridOf({{"", "", "", ""}, {"z", "a", "2", "x"}, {"a", "a", "1", "x"}});
  grid->SortSettings()->SetAutoFormat(false);
  EXPECT_EQ(grid->CompareRows(1, 1, 2), 1);   // column 1 ties, column 2 decides
  EXPECT_EQ(grid->CompareRows(3, 1, 2), 0);   // the last column ties: nothing further, column 0 unread
  grid->SortSettings()->SetFull(false);
  EXPECT_EQ(grid->CompareRows(1, 1, 2), 0);
}

TEST_F(SortTest, SortByColumnInBothDirections) {
  TTestStringGrid* grid =
      GridOf({{"", "key", "row"}, {"", "30", "a"}, {"", "4", "b"}, {"", "100", "c"}, {"", "4", "d"}, {"", "-1", "e"}});
  grid->SortSettings()->SetColumn(1);
  grid->SortByColumn();
  EXPECT_EQ(Column(grid, 1, 0, 5), (std::vector<std::string>{"key", "-1", "4", "4", "30", "100"}));
  EXPECT_EQ(grid->RowCount(), 6);   // the scratch rows are gone
  grid->SortSettings()->SetDirection(sdDescending);
  grid->SortByColumn();
  EXPECT_EQ(Column(grid, 1, 0, 5), (std::vector<std::string>{"key", "100", "30", "4", "4", "-1"}));
  EXPECT_EQ(grid->GetCellText(2, 1), "c");   // whole rows moved
}

TEST_F(SortTest, SortByIndexWithADescendingLevel) {
  TTestStringGrid* grid = GridOf({{"", "", ""}, {"", "b", "1"}, {"", "a", "1"}, {"", "b", "3"}, {"", "a", "2"}});
  grid->SortIndexes()->AddIndex(1, true);
  grid->SortIndexes()->AddIndex(2, false);
  grid->SortByIndex();
  EXPECT_EQ(Column(grid, 1, 1, 4), (std::vector<std::string>{"a", "a", "b", "b"}));
  EXPECT_EQ(Column(grid, 2, 1, 4), (std::vector<std::string>{"2", "1", "3", "1"}));
  EXPECT_EQ(grid->SortIndexes()->Count(), 2);   // kept; a column sort empties it
  grid->SortByColumn();
  EXPECT_EQ(grid->SortIndexes()->Count(), 0);
}

TEST_F(SortTest, AnEmptyIndexRaisesAndChangesNothing) {
  TTestStringGrid* grid = GridOf({{"", ""}, {"", "b"}, {"", "a"}});
  const auto before = Snapshot(grid);
  try {
    grid->SortByIndex();
    FAIL() << "no error";
  } catch (const EProGridError& e) {
    EXPECT_STREQ(e.what(), "No indexes specified for indexed sort");
  }
  EXPECT_EQ(Snapshot(grid), before);
  EXPECT_EQ(grid->UpdateCount(), 0);
}

TEST_F(SortTest, NormalCellsOnlyKeepsColumnZero) {
  TTestStringGrid* grid = GridOf({{"", ""}, {"r1", "c"}, {"r2", "a"}, {"r3", "b"}});
  grid->SortSettings()->SetColumn(1);
  grid->SortSettings()->SetNormalCellsOnly(true);
  grid->SortByColumn();
  EXPECT_EQ(Column(grid, 0, 1, 3), (std::vector<std::string>{"r1", "r2", "r3"}));
  EXPECT_EQ(Column(grid, 1, 1, 3), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SortTest, TheCurrentRowFollowsItsDataOnlyWithMoveRowOnSort) {
  for (bool move : {true, false}) {
    SCOPED_TRACE(move);
    TTestStringGrid* grid = GridOf({{"", ""}, {"", "c"}, {"", "a"}, {"", "b"}});
    grid->SortSettings()->SetColumn(1);
    grid->Navigation()->SetMoveRowOnSort(move);
    grid->SetRow(1);   // on "c"
    std::vector<std::pair<Integer, Integer>> updates;
    grid->OnRowUpdate = [&](TObject*, Integer oldRow, Integer newRow) { updates.emplace_back(oldRow, newRow); };
    grid->SortByColumn();
    if (move) {
      EXPECT_EQ(grid->GetCellText(1, grid->Row()), "c");
      EXPECT_EQ(grid->LastUpdatedRow(), -1);
      EXPECT_TRUE(updates.empty());
    } else {
      EXPECT_EQ(grid->Row(), 1);
      EXPECT_EQ(updates, (std::vector<std::pair<Integer, Integer>>{{1, 1}}));
    }
  }
}

TEST_F(SortTest, NodeGroupsSortInsideExpandedNodesOnly) {
  TTestStringGrid* grid = GridOf(
      {{"", ""}, {"", "h1"}, {"", "c"}, {"", "a"}, {"", "b"}, {"", "h2"}, {"", "z"}, {"", "y"}, {"", "q"}});
  grid->AddNode(1, 4);
  grid->AddNode(5, 3);
  grid->ContractNode(5);
  grid->SortSettings()->SetColumn(1);
  grid->SortNodeGroups();
  grid->ExpandAll();
  EXPECT_EQ(Column(grid, 1, 1, 8), (std::vector<std::string>{"h1", "a", "b", "c", "h2", "z", "y", "q"}));
}

// Seeded random grids: byte-wise, numeric and date keys with duplicates and blanks.
TEST_F(SortTest, RandomGridsSortByEveryKeyAndComeBack) {
  ScopedLocale thai("th-TH");
  std::mt19937 random(20261211);
  const std::string words[] = {"", "a", "ab", "B", "b", std::string("ขา"_cp874), std::string("เก"_cp874), "zz"};
  for (int round = 0; round < 4; ++round) {
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(4);
    grid->SetRowCount(2 + static_cast<Integer>(random() % 60));
    for (Integer row = 1; row < grid->RowCount(); ++row) {
      grid->SetCellText(0, row, std::to_string(row));
      grid->SetCellText(1, row, words[random() % 8]);
      grid->SetCellText(2, row, random() % 5 == 0 ? "" : std::to_string(static_cast<int>(random() % 40) - 20));
      grid->SetCellText(3, row, std::to_string(1 + random() % 28) + "/0" + std::to_string(1 + random() % 9) + "/25" +
                                    std::to_string(50 + random() % 10));
    }
    const auto original = Snapshot(grid);
    auto sortedRows = [](std::vector<std::vector<std::string>> rows) {
      std::sort(rows.begin(), rows.end());
      return rows;
    };
    const TSortStyle styles[] = {ssAlphabetic, ssNumeric, ssDate};
    for (Integer col = 1; col <= 3; ++col) {
      for (TSortDirection direction : {sdAscending, sdDescending}) {
        grid->OnGetFormat = [&](TObject*, Integer c, TSortStyle& style, std::string&, std::string&) {
          style = styles[c - 1];
        };
        grid->SortSettings()->SetColumn(col);
        grid->SortSettings()->SetDirection(direction);
        grid->SortByColumn();
        for (Integer row = 1; row + 1 < grid->RowCount(); ++row) {
          const Integer sign = grid->CompareCells(col, row, row + 1, sdAscending);
          EXPECT_TRUE(direction == sdAscending ? sign <= 0 : sign >= 0) << "column " << col << " row " << row;
        }
        EXPECT_EQ(sortedRows(Snapshot(grid)), sortedRows(original));
      }
    }
    grid->RestoreUnsortedOrder();
    EXPECT_EQ(Snapshot(grid), original);
    grid->SortByColumn();
    grid->AddRow();
    EXPECT_THROW(grid->RestoreUnsortedOrder(), EListError);
    EXPECT_EQ(grid->UpdateCount(), 0);
  }
}

// Without display hooks a column sort reads each row's keys once and sorts an index; with one it
// compares the cells anew at every step.  Both run the same quicksort, so on seeded grids full of
// equal keys and blanks every sort leaves exactly the same rows in the same order (column 0 tells
// the rows apart), over chains of sorts by each column, both directions, Full on and off and each
// blank rule.  The last column is sorted in ssAutomatic, where the first row of each comparison
// picks the style from its own text: numbers, dates, date-times, times and words mixed.
TEST_F(SortTest, KeysReadOnceGiveTheSameOrderAsComparingTheCellsAtEveryStep) {
  ScopedLocale thai("th-TH");
  std::mt19937 random(20261212);
  const std::string words[] = {"", "a", "B", "b", std::string("ขา"_cp874)};
  const std::string numbers[] = {"", "x", "0", "-1", "2", "2.0", "10"};
  const std::string dates[] = {"", "01/02/2558", "1/2/2558", "03/02/2558", "bad"};
  const std::string mixed[] = {"", "x", "5", "10", "3.5E2", "01/02/2558", "1/2/2558 1:30", "1:30", "12:05",
                               "A-12", "1/x"};
  const TSortStyle styles[] = {ssAlphabetic, ssNumeric, ssDate, ssAutomatic};
  for (int round = 0; round < 3; ++round) {
    const Integer rows = 2 + static_cast<Integer>(random() % 80);
    TTestStringGrid* byKeys = NewGrid();
    TTestStringGrid* byCells = NewGrid();
    int formatCalls = 0;
    for (TTestStringGrid* grid : {byKeys, byCells}) {
      grid->SetColCount(5);
      grid->SetRowCount(rows);
      grid->OnGetFormat = [&styles, &formatCalls, grid, byKeys](TObject*, Integer c, TSortStyle& style, std::string&,
                                                                std::string&) {
        if (grid == byKeys) ++formatCalls;
        if (c > 0) style = styles[c - 1];
      };
    }
    byCells->OnGetDisplText = [](TObject*, Integer, Integer, std::string&) {};   // a hook that changes nothing
    for (Integer row = 1; row < rows; ++row) {
      const std::vector<std::string> texts{std::to_string(row), words[random() % 5], numbers[random() % 7],
                                           dates[random() % 5], mixed[random() % 11]};
      for (Integer col = 0; col < 5; ++col) {
        byKeys->SetCellText(col, row, texts[col]);
        byCells->SetCellText(col, row, texts[col]);
      }
    }
    for (int sort = 0; sort < 16; ++sort) {
      const Integer column = 1 + static_cast<Integer>(random() % 4);
      const TSortDirection direction = random() % 2 == 0 ? sdAscending : sdDescending;
      const bool full = random() % 2 == 0, ignoreBlanks = random() % 2 == 0;
      const TSortBlankPosition blanks = random() % 2 == 0 ? blFirst : blLast;
      SCOPED_TRACE("round " + std::to_string(round) + " sort " + std::to_string(sort) + ": column " +
                   std::to_string(column) + (direction == sdAscending ? " up" : " down") + (full ? " full" : "") +
                   (ignoreBlanks ? (blanks == blFirst ? " blanks first" : " blanks last") : ""));
      for (TTestStringGrid* grid : {byKeys, byCells}) {
        TSortSettings* settings = grid->SortSettings();
        settings->SetColumn(column);
        settings->SetDirection(direction);
        settings->SetFull(full);
        settings->SetIgnoreBlanks(ignoreBlanks);
        settings->SetBlankPos(blanks);
      }
      formatCalls = 0;
      byKeys->SortByColumn();
      byCells->SortByColumn();
      EXPECT_EQ(Snapshot(byKeys), Snapshot(byCells));
      EXPECT_LE(formatCalls, byKeys->ColCount());   // each compared column's style asked once
    }
    byKeys->OnGetFormat = nullptr;
    byCells->OnGetFormat = nullptr;
  }
}

TEST_F(SortTest, SwapRowsCarriesHeightsOrderMarksAndFlags) {
  TTestStringGrid* grid = GridOf({{"", ""}, {"x1", "a"}, {"x2", "b"}});
  grid->SetRowHeights(1, 40);
  grid->ShowModified()->SetEnabled(true);
  grid->SetRowModified(1, true);
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->Navigation()->SetMoveRowOnSort(true);
  grid->SetDisjunctRowSelected(2, true);
  grid->RowOrder()->SetCommaText("0,1,2");
  grid->SwapRows(1, 2);
  EXPECT_EQ(Column(grid, 1, 1, 2), (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(grid->RowHeights(2), 40);
  EXPECT_EQ(grid->RowOrder()->GetCommaText(), "0,2,1");
  EXPECT_TRUE(grid->GetRowModified(2));
  EXPECT_FALSE(grid->GetRowModified(1));
  EXPECT_TRUE(grid->GetRowSelect(1));
  EXPECT_FALSE(grid->GetRowSelect(2));
  grid->SortSettings()->SetSingleColumn(true);
  grid->SortSettings()->SetColumn(1);
  grid->SwapRows(1, 2);
  EXPECT_EQ(Column(grid, 0, 1, 2), (std::vector<std::string>{"x2", "x1"}));   // column 0 stayed
  EXPECT_EQ(Column(grid, 1, 1, 2), (std::vector<std::string>{"a", "b"}));
}

TEST_F(SortTest, CellAndRowColours) {
  TTestStringGrid* grid = NewGrid();
  grid->SetColCount(3);
  grid->SetRowCount(3);
  EXPECT_EQ(grid->GetCellColor(1, 1), clNone);
  grid->SetCellColor(1, 1, clRed);
  grid->SetCellColorTo(1, 1, clBlue);
  grid->SetCellFontColor(1, 1, clGreen);
  EXPECT_EQ(grid->GetCellColor(1, 1), clRed);
  EXPECT_EQ(grid->GetCellProperties(1, 1)->BrushColorTo(), clBlue);
  EXPECT_EQ(grid->GetCellProperties(1, 1)->FontColor(), clGreen);
  grid->CreateCellGraphic(2, 2)->SetCellType(ctCheckBox);
  grid->SetRowColor(2, clYellow);
  EXPECT_FALSE(grid->HasCellProperties(0, 2));   // fixed column left alone
  EXPECT_EQ(grid->GetCellColor(1, 2), clYellow);
  EXPECT_EQ(grid->GetCellColor(2, 2), clYellow);
  grid->SetRowColor(2, clNone);
  EXPECT_FALSE(grid->HasCellProperties(1, 2));
  EXPECT_EQ(grid->GetCellType(2, 2), ctCheckBox);   // a cell with a graphic keeps it
  EXPECT_EQ(grid->GetCellColor(2, 2), clNone);
}

}   // namespace
