// The grid text stream byte for byte: what a grid writes, what a reader takes back, where it stops
// (a foreign line, with the stream left at that line's start), line breaks inside cells, and lines
// that name cells outside the grid.
#include <gtest/gtest.h>

#include "platform/classes/memory_stream.h"
#include "platform/core/exceptions.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class TextStreamTest : public StringGridTest {
 protected:
  static std::string Written(TTestStringGrid* Grid) {
    TMemoryStream stream;
    Grid->WriteGridText(&stream);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  }
  // A stream holding Bytes, at position 0.
  static std::unique_ptr<TMemoryStream> Stream(const std::string& Bytes) {
    auto stream = std::make_unique<TMemoryStream>();
    stream->WriteBuffer(Bytes.data(), static_cast<Integer>(Bytes.size()));
    stream->SetPosition(0);
    return stream;
  }
};

TEST_F(TextStreamTest, AThreeByTwoGridWithOneCell) {
  TTestStringGrid* grid = NewGrid();
  grid->SetColCount(3);
  grid->SetRowCount(2);
  grid->SetCellText(1, 0, "x");
  EXPECT_EQ(Written(grid), "3,2\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\n1,0,x\r\n");
  EXPECT_EQ(grid->log, (std::vector<std::string>{"save 0,-1", "save 1,0", "save 1,1", "save 2,-1"}));
}

TEST_F(TextStreamTest, CellTextsWithCommasAndLineBreaks) {
  TTestStringGrid* grid = NewGrid();
  grid->SetColCount(2);
  grid->SetRowCount(1);
  grid->SetColWidths(1, 90);
  grid->SetCellText(0, 0, "1,2");
  grid->SetCellText(1, 0, "a\r\nb\tc");
  EXPECT_EQ(Written(grid), "2,1\r\ncw 0,64\r\ncw 1,90\r\n0,0,1,2\r\n1,0,a\t\bb\tc\r\n");
  for (const bool multi : {true, false}) {
    TTestStringGrid* reader = NewGrid();
    reader->SetMultilinecells(multi);
    auto stream = Stream(Written(grid));
    reader->ReadGridText(stream.get());
    EXPECT_EQ(reader->ColCount(), 2);
    EXPECT_EQ(reader->RowCount(), 1);
    EXPECT_EQ(reader->ColWidths(1), 90);
    EXPECT_EQ(reader->GetCellText(0, 0), "1,2");
    // The tab written as it was reads back as a CR.
    EXPECT_EQ(reader->GetCellText(1, 0), multi ? "a\r\nb\rc" : "a");
  }
}

TEST_F(TextStreamTest, ReadingStopsBeforeAForeignLineAndLeavesTheStreamAtItsStart) {
  const std::string bytes = "2,2\r\n0,0,a\r\nEND\r\n1,1,b\r\n";
  auto stream = Stream(bytes);
  TTestStringGrid* grid = NewGrid();
  grid->SetCellText(1, 1, "untouched");
  std::vector<std::string> loaded;
  grid->OnLoadCell = [&](TObject*, Integer col, Integer row, std::string& value) {
    loaded.push_back(std::to_string(col) + "," + std::to_string(row) + "," + value);
  };
  grid->ReadGridText(stream.get());
  EXPECT_EQ(loaded, (std::vector<std::string>{"0,0,a"}));
  EXPECT_EQ(grid->GetCellText(1, 1), "untouched");
  EXPECT_EQ(stream->Position(), static_cast<Int64>(bytes.find("END")));
  EXPECT_EQ(grid->ColCount(), 2);
  EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(TextStreamTest, ReaderCases) {
  const struct {
    const char* what;
    std::string bytes;
    std::vector<std::string> cells;   // (0,0), (1,0), (0,1), (1,1)
    bool convertError;
  } cases[] = {
      {"an empty header sets nothing", "\r\n1,1,b\r\n", {"", "", "", "b"}, false},
      {"a line starting with a comma stops", "2,2\r\n,0,a\r\n0,0,x\r\n", {"", "", "", ""}, false},
      {"a line without a second comma stops", "2,2\r\n0,a\r\n0,0,x\r\n", {"", "", "", ""}, false},
      {"only CR ends a line; the byte after it is skipped", "2,2\r\n0,0,a\nb\rX1,1,c", {"a\nb", "", "", "c"}, false},
      {"cells outside the grid are skipped",
       "2,2\r\n5,0,far\r\n0,9,low\r\n-1,0,neg\r\n1,0,in\r\n",
       {"", "in", "", ""},
       false},
      {"a width outside the grid is skipped", "2,2\r\ncw 7,30\r\n0,0,a\r\n", {"a", "", "", ""}, false},
      {"a position that is no number", "2,2\r\n0,0,a\r\nx,1,b\r\n", {"a", "", "", ""}, true},
      {"a header that is no number", "two,2\r\n", {"", "", "", ""}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TTestStringGrid* grid = NewGrid();
    grid->SetColCount(2);
    grid->SetRowCount(2);
    auto stream = Stream(c.bytes);
    if (c.convertError) {
      EXPECT_THROW(grid->ReadGridText(stream.get()), EConvertError);
    } else {
      grid->ReadGridText(stream.get());
    }
    EXPECT_EQ(Column(grid, 0, 0, 1), (std::vector<std::string>{c.cells[0], c.cells[2]}));
    EXPECT_EQ(Column(grid, 1, 0, 1), (std::vector<std::string>{c.cells[1], c.cells[3]}));
  }
}

}   // namespace
}   // namespace gridtest
