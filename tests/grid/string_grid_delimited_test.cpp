// Loading delimited files: the delimiter detection, the field rules with quotes (a quoted field may
// run over lines), line ends, line limits, the grid's settings that steer the import, progress,
// a missing file, and the payroll import's own kind of file: Thai titles in code page 874.
#include <gtest/gtest.h>

#include <functional>

#include "grid/floating_footer.h"
#include "grid/pro_grid_error.h"
#include "platform/core/cp874.h"
#include "string_grid_fixture.h"
#include "tests/support/os/temp_folder.h"

namespace gridtest {
namespace {

using Cells = std::vector<std::vector<std::string>>;

class DelimitedTest : public StringGridTest {
 protected:
  // Loads Bytes as a file into a new grid (with Setup run first) and returns the grid.
  TTestStringGrid* Load(const std::string& Bytes, const std::function<void(TTestStringGrid*)>& Setup = {},
                        Integer MaxRows = -1) {
    const std::string path = folder_ / ("file" + std::to_string(++files_) + ".csv");
    WriteRawFile(path, Bytes);
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(1);
    if (Setup) Setup(grid);
    grid->LoadCSVFile(path, MaxRows);
    return grid;
  }
  // Every cell, row by row.
  static Cells All(TProStringGrid* Grid) {
    Cells cells;
    for (Integer row = 0; row < Grid->RowCount(); ++row) {
      cells.emplace_back();
      for (Integer col = 0; col < Grid->ColCount(); ++col) cells.back().push_back(Grid->GetCellText(col, row));
    }
    return cells;
  }

  TempFolder folder_;

 private:
  Integer files_ = 0;
};

TEST_F(DelimitedTest, TheDelimiterIsDetectedFromTheFirstTwoLines) {
  const struct {
    const char* file;
    Cells cells;
  } cases[] = {
      {"a;b;c\r\nd;e;f\r\n", {{"a", "b", "c"}, {"d", "e", "f"}}},           // pass 1, count 2 each
      {"a,b;c\r\nd,e;f\r\n", {{"a", "b;c"}, {"d", "e;f"}}},                 // tie: the comma comes first
      {"a,,b\r\nc,,d\r\n", {{"a", "", "b"}, {"c", "", "d"}}},               // pass 2
      {"a|b", {{"a", "b"}}},                                                // pass 3, one line
      {"a,b,c\r\na,b\r\n", {{"a", "b", "c"}, {"a", "b", ""}}},              // pass 3, the most
      {"a-1,b,,c\r\nd-2,e,f,g\r\n", {{"a", "1,b,,c"}, {"d", "2,e,f,g"}}},   // only "-" agrees
      {"abc\r\nd e\r\n", {{"abc"}, {"d e"}}},                               // none: one field a line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TTestStringGrid* grid = Load(c.file);
    EXPECT_EQ(All(grid), c.cells);
    EXPECT_EQ(grid->Delimiter(), '\0');   // a detected delimiter is not kept
  }
}

TEST_F(DelimitedTest, FieldsWithQuotes) {
  const struct {
    const char* line;
    std::vector<std::string> cells;
  } cases[] = {
      {"\"a,b\",c", {"a,b", "c"}}, {"\"a\"\"b\",c", {"a\"b", "c"}},
      {"a\"\"b,c", {"a\"b", "c"}}, {"ab\"c,d", {"abc", "d"}},   // a lone quote in an unquoted field is dropped
      {"\"abc,def", {"", "def"}},  {"abc\"", {"abc"}},
      {"\"a\" ,b", {"a", "b"}},    {"\"a\"x,b", {"a", "b"}},
      {"\"a,b\"xyzw", {"a,b"}},   // no delimiter after the closing quote: the rest is dropped
      {"a,b,", {"a", "b"}},        {"a,,b", {"a", "", "b"}},
      {"\"\",x", {"", "x"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    TTestStringGrid* grid = Load(c.line, [](TTestStringGrid* g) { g->SetDelimiter(','); });
    EXPECT_EQ(grid->ColCount(), static_cast<Integer>(c.cells.size()));
    EXPECT_EQ(All(grid), Cells{c.cells});
    EXPECT_EQ(grid->Delimiter(), ',');
  }
}

TEST_F(DelimitedTest, AQuotedFieldRunsOnOverLinesUntilAnOddRunOfQuotes) {
  const struct {
    const char* file;
    Cells cells;
  } cases[] = {
      {"1,\"ha\r\n\"\"ha\"\"\r\nha\",2\r\n", {{"1", "ha\r\n\"ha\"\r\nha", "2"}}},
      {"x,\"a\r\nb\"\r\ny,z\r\n", {{"x", "a\r\nb"}, {"y", "z"}}},
      {"\"open\r\nend", {{"open\r\nend"}}},            // no closing quote before the end: the last-field rules
      {"a,\"b\"\"\r\nc\"\r\n", {{"a", "b\"\r\nc"}}},   // a final even run does not close
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    TTestStringGrid* grid = Load(c.file, [](TTestStringGrid* g) { g->SetDelimiter(','); });
    EXPECT_EQ(All(grid), c.cells);
  }
  // A joined record counts once against the line limit.
  TTestStringGrid* grid = Load(
      "1,\"a\r\nb\"\r\n2,c\r\n3,d\r\n", [](TTestStringGrid* g) { g->SetDelimiter(','); }, 2);
  EXPECT_EQ(All(grid), (Cells{{"1", "a\r\nb"}, {"2", "c"}}));
}

TEST_F(DelimitedTest, LineEndsAndLineBreaksInsideFields) {
  const struct {
    const char* what;
    std::string file;
    std::function<void(TTestStringGrid*)> setup;
    Cells cells;
  } cases[] = {
      {"CR LF, LF and no final end", "a,b\r\nc,d\ne,f", {}, {{"a", "b"}, {"c", "d"}, {"e", "f"}}},
      {"a stray CR is dropped", "a\rb,c\r\nd,e\r\n", {}, {{"ab", "c"}, {"d", "e"}}},
      {"Ctrl-Z ends the file",
       "a,b\r\nc,d\r\n\x1A"
       "e,f\r\n",
       {},
       {{"a", "b"}, {"c", "d"}}},
      {"empty lines take a row", "a,b\r\n\r\nc,d\r\n", {}, {{"a", "b"}, {"", ""}, {"c", "d"}}},
      {"vertical tab",
       "a\x0B"
       "b,c\r\nd,e\r\n",
       {},
       {{"a\r\nb", "c"}, {"d", "e"}}},
      {"tilde",
       "a~b,^\r\nd,~\r\n",
       [](TTestStringGrid* g) { g->SetTildeLineBreaks(true); },
       {{"a\r\nb", ""}, {"d", "\r\n"}}},
      {"first line skipped", "h1,h2\r\na,b\r\n", [](TTestStringGrid* g) { g->SetLoadFirstLine(false); }, {{"a", "b"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = Load(c.file, c.setup);
    EXPECT_EQ(All(grid), c.cells);
  }
}

TEST_F(DelimitedTest, TheSkippedFirstLineStillDecidesTheDelimiter) {
  TTestStringGrid* grid = Load("a;b;c\r\nd;e;f\r\n", [](TTestStringGrid* g) { g->SetLoadFirstLine(false); });
  EXPECT_EQ(All(grid), (Cells{{"d", "e", "f"}}));
}

TEST_F(DelimitedTest, CountsAfterALoad) {
  std::string ten;
  for (int i = 0; i < 10; ++i) ten += "a" + std::to_string(i) + ",b\r\n";
  TTestStringGrid* grid = Load(ten, {}, 2);
  EXPECT_EQ(grid->RowCount(), 2);
  EXPECT_EQ(grid->GetCellText(0, 1), "a1");
  EXPECT_EQ(grid->MaxRowCount(), 2);
  grid = Load(ten, {}, 0);
  EXPECT_EQ(grid->RowCount(), 1);   // no line: the grid keeps its one row
  grid = Load("a,b,c,d,e\r\n", [](TTestStringGrid* g) { g->SetColCount(30); });
  EXPECT_EQ(grid->ColCount(), 30);
  EXPECT_EQ(grid->GetCellText(4, 0), "e");
  grid = Load("");
  EXPECT_EQ(grid->RowCount(), 1);
  EXPECT_EQ(grid->Delimiter(), '\0');
  // Cells of the start rows that the file does not reach keep their texts.
  grid = Load("a\r\n", [](TTestStringGrid* g) {
    g->SetColCount(3);
    g->SetCellText(2, 0, "kept");
  });
  EXPECT_EQ(All(grid), (Cells{{"a", "", "kept"}}));
}

TEST_F(DelimitedTest, OnLoadCellMayChangeEachField) {
  TTestStringGrid* grid = Load("a,b\r\n", [](TTestStringGrid* g) {
    g->OnLoadCell = [](TObject*, Integer col, Integer row, std::string& value) {
      value = std::to_string(col) + std::to_string(row) + value;
    };
  });
  EXPECT_EQ(All(grid), (Cells{{"00a", "10b"}}));
}

TEST_F(DelimitedTest, AMissingFileRaisesAndChangesNothing) {
  TTestStringGrid* grid = NewGrid();
  grid->SetCellText(1, 1, "x");
  const std::string name = folder_ / "missing.csv";
  try {
    grid->LoadCSVFile(name);
    ADD_FAILURE() << "no error";
  } catch (const EProGridError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file " + name);
  }
  EXPECT_EQ(grid->RowCount(), 10);
  EXPECT_EQ(grid->ColCount(), 5);
  EXPECT_EQ(grid->GetCellText(1, 1), "x");
}

TEST_F(DelimitedTest, ProgressIsReportedInWholePercentsAndTheRowCountIsSetFirst) {
  std::string lines;
  for (int i = 0; i < 250; ++i) lines += "r" + std::to_string(i) + ",v\r\n";
  std::vector<SmallInt> reports;
  Integer rowCountAtFirst = 0;
  TTestStringGrid* grid = Load(lines, [&](TTestStringGrid* g) {
    g->OnFileProgress = [&, g](TObject*, SmallInt progress) {
      if (reports.empty()) rowCountAtFirst = g->RowCount();
      reports.push_back(progress);
    };
  });
  EXPECT_EQ(rowCountAtFirst, 250);
  EXPECT_LE(reports.size(), 101u);
  ASSERT_FALSE(reports.empty());
  EXPECT_EQ(reports.back(), 100);
  EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));
  EXPECT_EQ(std::adjacent_find(reports.begin(), reports.end()), reports.end());
  EXPECT_EQ(grid->RowCount(), 250);
}

TEST_F(DelimitedTest, LoadingReportsTheChangedCells) {
  std::vector<TRect> changes;
  TTestStringGrid* grid = Load("a,b\r\nc,d\r\n", [&](TTestStringGrid* g) {
    g->OnCellsChanged = [&](TObject*, TRect r) { changes.push_back(r); };
  });
  ASSERT_FALSE(changes.empty());
  EXPECT_EQ(changes.back(), (TRect{0, 0, grid->ColCount(), grid->RowCount()}));
}

// The tool's import file: Thai titles in code page 874, 26 columns, quoted fields holding commas
// from the third line on.
class ThaiFileTest : public DelimitedTest {
 protected:
  static std::string ThaiFile(Integer DataLines) {
    std::vector<std::string> titles;
    for (Integer col = 0; col < 26; ++col) titles.push_back("col" + std::to_string(col));
    titles[0] = std::string("รหัสพนักงาน"_cp874);
    titles[5] = std::string("ชื่อภาษาอังกฤษ"_cp874);
    titles[8] = std::string("ตำแหน่ง"_cp874);
    std::string file;
    auto line = [&](const std::vector<std::string>& fields) {
      for (size_t i = 0; i < fields.size(); ++i) file += (i > 0 ? "," : "") + fields[i];
      file += "\r\n";
    };
    line(titles);
    for (Integer row = 1; row <= DataLines; ++row) {
      std::vector<std::string> fields(26, std::to_string(row));
      fields[0] = "E" + std::to_string(1000 + row);
      fields[1] = std::string("สมชาย ใจดี"_cp874);
      if (row > 1) fields[10] = "\"Bangkok, Thailand\"";
      line(fields);
    }
    return file;
  }
};

TEST_F(ThaiFileTest, TitlesLoadByteForByteWithTheGridsCounts) {
  TTestStringGrid* grid = Load(ThaiFile(4));
  EXPECT_EQ(grid->ColCount(), 26);
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->GetCellText(0, 0), std::string("รหัสพนักงาน"_cp874));
  EXPECT_EQ(grid->GetCellText(5, 0), std::string("ชื่อภาษาอังกฤษ"_cp874));
  EXPECT_EQ(grid->GetCellText(8, 0), std::string("ตำแหน่ง"_cp874));
  EXPECT_EQ(grid->GetCellText(1, 2), std::string("สมชาย ใจดี"_cp874));
  EXPECT_EQ(grid->GetCellText(10, 3), "Bangkok, Thailand");
  EXPECT_EQ(grid->GetCellText(11, 3), "3");
}

TEST_F(ThaiFileTest, AFixedLastRowFooterAddsAnEmptyRowAndAPreviewFooterKeepsTheLastLine) {
  TTestStringGrid* grid = Load(ThaiFile(4), [](TTestStringGrid* g) { g->FloatingFooter()->SetVisible(true); });
  EXPECT_EQ(grid->RowCount(), 6);
  EXPECT_EQ(grid->GetCellText(0, 4), "E1004");
  for (Integer col = 0; col < 26; ++col) EXPECT_EQ(grid->GetCellText(col, 5), "") << col;
  grid = Load(ThaiFile(4), [](TTestStringGrid* g) {
    g->FloatingFooter()->SetFooterStyle(fsColumnPreview);
    g->FloatingFooter()->SetVisible(true);
  });
  EXPECT_EQ(grid->RowCount(), 5);
  EXPECT_EQ(grid->GetCellText(0, 4), "E1004");
}

}   // namespace
}   // namespace gridtest
