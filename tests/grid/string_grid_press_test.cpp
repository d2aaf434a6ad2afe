// Left presses of the string grid: OnCanClickCell's refusal, "CELL://" anchors, and links handed
// to the desktop's opener (a recorder program here) only when they are web or mail addresses.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "grid/sort_index_list.h"
#include "grid/sort_settings.h"
#include "platform/shims/shell_execute.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// The opener program replaced by a recorder that writes its argument as a line into a FIFO.
class RecordingOpener {
 public:
  RecordingOpener() {
    char pattern[] = "/tmp/grid_opener_XXXXXX";
    if (mkdtemp(pattern) == nullptr) return;
    dir_ = pattern;
    fifo_ = dir_ + "/record";
    mkfifo(fifo_.c_str(), 0600);
    fd_ = open(fifo_.c_str(), O_RDWR | O_NONBLOCK);   // kept open: no end of file between writers
    program_ = dir_ + "/opener";
    std::ofstream(program_) << "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" << fifo_ << "'\n";
    chmod(program_.c_str(), 0700);
    before_ = SetShellOpenProgram(program_);
  }
  ~RecordingOpener() {
    SetShellOpenProgram(before_);
    close(fd_);
    std::remove(program_.c_str());
    std::remove(fifo_.c_str());
    rmdir(dir_.c_str());
  }
  // The first Count lines recorded, sorted (the openers run side by side; at most 20 s of waiting
  // for each write).
  std::vector<std::string> Lines(size_t Count) {
    std::vector<std::string> lines;
    std::string pending;
    pollfd p{fd_, POLLIN, 0};
    while (lines.size() < Count && poll(&p, 1, 20000) > 0) {
      char buffer[4096];
      const ssize_t n = read(fd_, buffer, sizeof buffer);
      if (n <= 0) continue;
      pending.append(buffer, size_t(n));
      for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
        lines.push_back(pending.substr(0, end));
    }
    std::sort(lines.begin(), lines.end());
    return lines;
  }

 private:
  std::string dir_, fifo_, program_, before_;
  int fd_ = -1;
};

class PressTest : public StringGridTest {
 protected:
  TTestStringGrid* PressGrid() {
    TTestStringGrid* grid = NewGrid(true);
    grid->SetDefaultColWidth(120);
    return grid;
  }
  // A press on the first characters of cell (1, 1)'s text.
  void ClickTextOf(TTestStringGrid* Grid, Integer ACol, Integer ARow) {
    const TRect r = Grid->CellRect(ACol, ARow);
    driver_->ClickAt(Grid, TPoint{r.Left + 8, r.Top + 8});
  }
  static std::string Anchor(const std::string& Href) { return "<A href=\"" + Href + "\">link</A>"; }
};

TEST_F(PressTest, ARefusedOnCanClickCellKeepsTheCellAndTheSelection) {
  for (const bool allow : {false, true}) {
    TTestStringGrid* grid = PressGrid();
    grid->OnCanClickCell = [allow](TObject*, Integer, Integer, bool& Allow) { Allow = allow; };
    ClickTextOf(grid, 3, 2);
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), allow ? TPoint(3, 2) : TPoint(1, 1)) << allow;
    EXPECT_EQ(grid->Selection(), allow ? (TGridRect{3, 2, 3, 2}) : (TGridRect{1, 1, 1, 1}));
  }
}

TEST_F(PressTest, ACellAnchorMovesToANormalCellUnlessOnAnchorClickClearsLaunch) {
  struct Case {
    std::string href;
    bool launch;
    TPoint current;
  };
  const Case cases[] = {
      {"CELL://R3C2", true, {2, 3}},
      {"cell://r4c3", true, {3, 4}},
      {"CELL://R30C2", true, {1, 1}},
      {"CELL://R0C2", true, {1, 1}},
      {"CELL://R3C2", false, {1, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.href + (c.launch ? "" : " not launched"));
    TTestStringGrid* grid = PressGrid();
    grid->SetCellText(1, 1, Anchor(c.href));
    std::vector<std::string> clicked;
    grid->OnAnchorClick = [&](TObject*, Integer, Integer, const std::string& Href, bool& Launch) {
      clicked.push_back(Href);
      Launch = c.launch;
    };
    ClickTextOf(grid, 1, 1);
    EXPECT_EQ(clicked, std::vector<std::string>{c.href});
    EXPECT_EQ(TPoint(grid->Col(), grid->Row()), c.current);
  }
}

TEST_F(PressTest, OnlyWebAndMailLinksReachTheOpenerOnceEach) {
  RecordingOpener opener;
  const std::vector<std::string> opened = {"http://example.com", "HTTPS://example.com/a?b=c", "mailto:a@example.com"};
  const std::vector<std::string> refused = {"file:///etc/passwd", "/bin/sh", "javascript:x",
                                            "http://example.com/\x01x", "http://a.example/" + std::string(2040, 'x')};
  TTestStringGrid* grid = PressGrid();
  grid->OnAnchorClick = [](TObject*, Integer, Integer, const std::string& Href, bool& Launch) {
    Launch = Href != "http://kept.example";
  };
  std::vector<std::string> all = opened;
  all.insert(all.end(), refused.begin(), refused.end());
  all.push_back("http://kept.example");   // launch cleared by the handler
  for (const std::string& href : all) {
    grid->SetCellText(1, 1, Anchor(href));
    ClickTextOf(grid, 1, 1);
  }
  grid->SetCellText(1, 1, Anchor("http://last.example"));   // opened after every refusal
  ClickTextOf(grid, 1, 1);
  std::vector<std::string> expected = opened;
  expected.push_back("http://last.example");
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(opener.Lines(expected.size()), expected);
}

class TMovingGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::MoveColumn;
  using TTestStringGrid::TTestStringGrid;
};

TEST_F(PressTest, TheSortColumnsAndTheCurrentColumnFollowAMovedColumn) {
  struct Case {
    Integer from, to;
    std::vector<Integer> sortColumns, movedSortColumns;
    Integer current, movedCurrent;
  };
  const Case cases[] = {
      {2, 5, {5, 3}, {4, 2}, 2, 5},
      {5, 2, {2, 6}, {3, 6}, 4, 5},
      {5, 2, {1, 5}, {1, 2}, 6, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
    TForm* form = NewForm("MoveForm" + std::to_string(c.from) + std::to_string(c.current), false);
    auto* grid = new TMovingGrid(form);
    grid->SetParent(form);
    grid->SetColCount(7);
    grid->SortSettings()->SetColumn(c.sortColumns[0]);
    grid->SortIndexes()->AddIndex(c.sortColumns[0], true);
    grid->SortIndexes()->AddIndex(c.sortColumns[1], false);
    grid->SetCol(c.current);
    grid->SetCellText(c.from, 0, "moved");
    grid->MoveColumn(c.from, c.to);
    EXPECT_EQ(grid->GetCellText(c.to, 0), "moved");
    EXPECT_EQ(grid->SortSettings()->Column(), c.movedSortColumns[0]);
    EXPECT_EQ(grid->SortIndexes()->GetSortColumn(0), c.movedSortColumns[0]);
    EXPECT_EQ(grid->SortIndexes()->GetSortColumn(1), c.movedSortColumns[1]);
    EXPECT_TRUE(grid->SortIndexes()->IsDescending(1));
    EXPECT_EQ(grid->Col(), c.movedCurrent);
  }
}

}   // namespace
}   // namespace gridtest
