// The string grid's clipboard: text copies and pastes, cut, smart paste, and the private cell
// format between grids, hostile streams included.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/cell_range_stream.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/navigation.h"
#include "grid/pro_grid_unit.h"
#include "grid/wide_cell_text.h"
#include "pinned_locale.h"
#include "platform/classes/classes_errors.h"
#include "platform/classes/memory_stream.h"
#include "platform/classes/string_list.h"
#include "platform/core/cp874.h"
#include "platform/ui/bitmap.h"
#include "platform/user/clipboard.h"
#include "platform/user/clipboard_text.h"
#include "platform/user/global_memory.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

// Logs the paste hooks besides the save hooks the fixture's grid logs.
class TClipGrid : public TTestStringGrid {
 public:
  using TTestStringGrid::TTestStringGrid;
  struct TPasted {
    TPoint origin;
    TGridRect range;
    bool wasCopy;
  };
  std::vector<TPasted> pasted;

 protected:
  void LoadProgress(Integer Stage, Integer ARow) override {
    log.push_back("load " + std::to_string(Stage) + "," + std::to_string(ARow));
  }
  void BeforePaste() override { log.push_back("before"); }
  void AfterPaste() override { log.push_back("after"); }
  void CellsPasted(TPoint Origin, const TGridRect& Range, bool WasCopy) override {
    pasted.push_back({Origin, Range, WasCopy});
  }
};

class ClipboardTest : public StringGridTest {
 protected:
  ~ClipboardTest() override {
    if (OpenClipboard(nullptr)) {
      EmptyClipboard();
      CloseClipboard();
    }
  }
  TClipGrid* EditGrid(Integer Cols = 5, Integer Rows = 5) {
    auto* grid = NewGrid<TClipGrid>();
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    return grid;
  }
  static void PutText(const std::string& Text) { ASSERT_TRUE(SetClipboardText(nullptr, Text)); }
  static std::string Text() { return ClipboardText(nullptr); }
  static std::string Bytes(UINT Format) {
    std::string bytes;
    if (!OpenClipboard(nullptr)) return bytes;
    if (HANDLE h = GetClipboardData(Format)) {
      bytes.assign(static_cast<const char*>(GlobalLock(h)), GlobalSize(h));
      GlobalUnlock(h);
    }
    CloseClipboard();
    return bytes;
  }
  static void PutBytes(UINT Format, const std::string& Bytes) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, Bytes.size());
    std::memcpy(GlobalLock(h), Bytes.data(), Bytes.size());
    GlobalUnlock(h);
    SetClipboardData(Format, h);
    CloseClipboard();
  }
  static std::string Stream(TProStringGrid* Grid, const TGridRect& Range) {
    TMemoryStream stream;
    Grid->WriteCellRangeComponents(Range, &stream);
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  }
  // Reads Bytes into the grid at Cell; "" when it went through, else the error class.
  static std::string ReadStream(TProStringGrid* Grid, TPoint Cell, const std::string& Bytes) {
    TMemoryStream stream;
    stream.WriteBuffer(Bytes.data(), static_cast<Integer>(Bytes.size()));
    stream.SetPosition(0);
    try {
      Grid->ReadCellRangeComponents(Cell, &stream);
    } catch (const Exception& e) {
      return e.ClassName();
    }
    return "";
  }
};

// ---- Text ----

TEST_F(ClipboardTest, CopiedTextJoinsFieldsWithTabsAndRowsWithLineBreaks) {
  const struct {
    const char* what;
    TGridRect range;
    const char* text;
  } cases[] = {
      {"two rows", {1, 1, 2, 2}, "a\tb\r\nc\td\r\n"},
      {"one row: no line break", {1, 1, 2, 1}, "a\tb"},
      {"one cell", {2, 2, 2, 2}, "d"},
      {"a cell with CR LF: CR dropped, quoted", {3, 1, 3, 1}, "\"line1\nline2\""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TClipGrid* grid = EditGrid();
    Fill(grid, {{"", "", "", ""}, {"", "a", "b", "line1\r\nline2"}, {"", "c", "d"}});
    grid->SetSelection(c.range);
    grid->CopyToClipboard();
    EXPECT_EQ(Text(), c.text);
    EXPECT_EQ(grid->CopyOrigin(), (TPoint{c.range.Left, c.range.Top}));
    EXPECT_TRUE(grid->LastOperationWasCopy());
  }
}

TEST_F(ClipboardTest, PastedTextFillsCellsAndCountsFields) {
  const struct {
    const char* what;
    const char* text;
    bool editing;
    Integer fields;
    std::vector<std::string> row1, row2;   // columns 1..2
    Integer rowCount;
  } cases[] = {
      {"two rows, the empty rest counts", "a\tb\r\nc\td\r\n", true, 5, {"a", "b"}, {"c", "d"}, 3},
      {"no goEditing: nothing", "a\tb\r\nc\td\r\n", false, 0, {"", ""}, {"", ""}, 2},
      {"quoted multi-line field", "\"x\ny\"\tz", true, 2, {"x\ny", "z"}, {"", ""}, 2},
      {"#11 stands for CR LF in a multi-line field", "\"p\x0Bq\nr\"", true, 1, {"p\r\nq\nr", ""}, {"", ""}, 2},
      {"LF after CR belongs to the break; no rest", "a\r\nb", true, 2, {"a", ""}, {"b", ""}, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TClipGrid* grid = EditGrid(3, 2);
    if (!c.editing) grid->SetOptions(grid->Options() - TGridOptions{goEditing});
    PutText(c.text);
    EXPECT_EQ(grid->PasteClipboardAt(1, 1), c.fields);
    EXPECT_EQ(grid->GetCellText(1, 1), c.row1[0]);
    EXPECT_EQ(grid->GetCellText(2, 1), c.row1[1]);
    if (grid->RowCount() > 2) {
      EXPECT_EQ(grid->GetCellText(1, 2), c.row2[0]);
      EXPECT_EQ(grid->GetCellText(2, 2), c.row2[1]);
    }
    EXPECT_EQ(grid->RowCount(), c.rowCount);
  }
}

TEST(MeasureTextBlockTest, ColsAreTheWidestLineAndRowsTheNonEmptyLinesLessOne) {
  const struct {
    std::string text;
    Integer cols, rows;
  } cases[] = {
      {"a\tb\r\nc\td\r\n", 2, 1},
      {"a\r\n\r\nb\tc\td", 3, 1},              // an empty line is one field and no row
      {std::string("x\ty\0\tz\tw", 8), 2, 0},   // the text ends at its NUL
      {"a\rb\rc", 1, 2},                        // CR alone ends a line
      {"\t\t", 3, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    Integer cols = -5, rows = -5;
    TProStringGrid::MeasureTextBlock(c.text, cols, rows);
    EXPECT_EQ(cols, c.cols);
    EXPECT_EQ(rows, c.rows);
  }
}

TEST_F(ClipboardTest, FieldsOutsideTheGridGrowItFirstOrAreDropped) {
  const struct {
    const char* what;
    bool colGrow, rowGrow;
    Integer cols, rows;
    std::vector<std::string> stored;   // (1,1), (2,1), (1,2), (2,2) where they exist
  } cases[] = {
      {"growth on: room made first", true, true, 3, 3, {"a", "b", "c", "d"}},
      {"no column growth: the field at ColCount dropped", false, true, 2, 3, {"a", "", "c", ""}},
      {"no row growth: the row at RowCount dropped", true, false, 3, 2, {"a", "b", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TClipGrid* grid = EditGrid(2, 2);
    grid->Navigation()->SetAllowClipboardColGrow(c.colGrow);
    grid->Navigation()->SetAllowClipboardRowGrow(c.rowGrow);
    PutText("a\tb\r\nc\td");
    EXPECT_EQ(grid->PasteClipboardAt(1, 1), 4);   // dropped fields still count
    EXPECT_EQ(grid->ColCount(), c.cols);
    EXPECT_EQ(grid->RowCount(), c.rows);
    const TPoint cells[] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}};
    for (size_t i = 0; i < 4; ++i)
      if (cells[i].X < grid->ColCount() && cells[i].Y < grid->RowCount()) {
        EXPECT_EQ(grid->GetCellText(cells[i].X, cells[i].Y), c.stored[i]) << i;
      }
  }
}

TEST_F(ClipboardTest, ThaiTextReadsBackAsUnicodeAndWideFieldsPassTheWideEvent) {
  TClipGrid* grid = EditGrid();
  grid->SetCellText(1, 1, std::string("สวัสดี"_cp874));
  grid->SetSelection(TGridRect{1, 1, 1, 1});
  grid->CopyToClipboard();
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE h = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(std::u16string(static_cast<const char16_t*>(GlobalLock(h))), u"สวัสดี");
  GlobalUnlock(h);
  CloseClipboard();

  std::u16string seen;
  grid->OnClipboardBeforePasteWideCell = [&](TObject*, Integer, Integer, std::u16string& Value, bool&) {
    seen = Value;
    Value += u"!";
  };
  std::string plainSeen;
  grid->OnClipboardBeforePasteCell = [&](TObject*, Integer, Integer, std::string& Value, bool&) { plainSeen = Value; };
  PutText(EncodeWideCellText(u"สว") + "\tplain");
  EXPECT_EQ(grid->PasteClipboardAt(2, 2), 2);
  EXPECT_EQ(seen, u"สว");
  EXPECT_EQ(grid->GetWideCells(2, 2), u"สว!");
  EXPECT_EQ(plainSeen, "plain");
}

TEST_F(ClipboardTest, DisjunctRowsCopyOnlyTheSelectedRows) {
  TClipGrid* grid = EditGrid(3, 5);
  Fill(grid, {{"", "", ""}, {"", "a", "b"}, {"", "c", "d"}, {"", "e", "f"}, {"", "g", "h"}});
  grid->MouseActions()->SetDisjunctRowSelect(true);
  grid->SetDisjunctRowSelected(1, true);
  grid->SetDisjunctRowSelected(3, true);
  grid->CopyToClipboard();
  // The whole stored range is copied, the (empty) fixed column with it.
  EXPECT_EQ(Text(), "\ta\tb\r\n\te\tf\r\n");

  grid->CutToClipboard();
  EXPECT_EQ(Column(grid, 1, 1, 4), (std::vector<std::string>{"", "c", "", "g"}));
  EXPECT_FALSE(grid->LastOperationWasCopy());
}

TEST_F(ClipboardTest, CutEmptiesEditableCellsOrEveryCellWithClipboardAlways) {
  for (const bool always : {false, true}) {
    SCOPED_TRACE(always ? "AllowClipboardAlways" : "editable only");
    TClipGrid* grid = EditGrid();
    Fill(grid, {{"", "", ""}, {"", "a", "b"}});
    grid->OnCanEditCell = [](TObject*, Integer /*ARow*/, Integer ACol, bool& CanEdit) { CanEdit = ACol != 2; };
    grid->Navigation()->SetAllowClipboardAlways(always);
    grid->SetSelection(TGridRect{1, 1, 2, 1});
    grid->CutToClipboard();
    EXPECT_EQ(Text(), "a\tb");
    EXPECT_EQ(grid->GetCellText(1, 1), "");
    EXPECT_EQ(grid->GetCellText(2, 1), always ? "" : "b");
  }
}

TEST_F(ClipboardTest, HooksRunInTheirStages) {
  TClipGrid* grid = EditGrid(3, 3);
  Fill(grid, {{"", "", ""}, {"", "a", "b"}, {"", "c", "d"}});
  grid->SetSelection(TGridRect{1, 1, 2, 2});
  grid->CopyToClipboard();
  EXPECT_EQ(grid->log, (std::vector<std::string>{"save 0,-1", "save 3,1", "save 3,2", "save 2,-1"}));
  grid->log.clear();
  grid->Navigation()->SetAllowSmartClipboard(true);
  grid->SetSelection(TGridRect{1, 1, 1, 2});
  PutText("x");
  grid->PasteFromClipboard();
  EXPECT_EQ(grid->log, (std::vector<std::string>{"load 0,-1", "load 3,1", "before", "after", "load 2,-1"}));
  ASSERT_EQ(grid->pasted.size(), 3u);   // the text, then each filled cell
  EXPECT_EQ(grid->pasted[0].range, (TGridRect{1, 1, 1, 1}));
  EXPECT_EQ(grid->pasted[2].range, (TGridRect{1, 2, 1, 2}));
}

// ---- Smart paste ----

TEST_F(ClipboardTest, SmartPasteFillsValuesSeriesAndBlocks) {
  PinnedLocale locale(',', '.', "dd/mm/yyyy");
  const struct {
    const char* what;
    const char* text;
    TGridRect selection;
    std::vector<std::string> expected;   // the selection's cells in order
  } cases[] = {
      {"one value fills", "7", {1, 1, 1, 5}, {"7", "7", "7", "7", "7"}},
      {"integers continue", "1\r\n3", {1, 1, 1, 5}, {"1", "3", "5", "7", "9"}},
      {"integers across a row", "10\t8", {1, 1, 4, 1}, {"10", "8", "6", "4"}},
      {"decimals with FloatFormat", "1.5\r\n2", {1, 1, 1, 5}, {"1.5", "2", "2.5", "3", "3.5"}},
      {"month and day differ: the plain difference",
       "31/01/2015\r\n28/02/2015",
       {1, 1, 1, 4},
       {"31/01/2015", "28/02/2015", "28/03/2015", "25/04/2015"}},
      {"only the month differs: one month each",
       "15/01/2015\r\n15/02/2015",
       {1, 1, 1, 4},
       {"15/01/2015", "15/02/2015", "15/03/2015", "15/04/2015"}},
      {"a block repeats", "a\r\nb\r\n", {1, 1, 1, 5}, {"a", "b", "a", "b", "a"}},
      {"a series past 2,147,483,647",
       "2147483646\r\n2147483647",
       {1, 1, 1, 4},
       {"2147483646", "2147483647", "2147483648", "2147483649"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TClipGrid* grid = EditGrid(6, 7);
    grid->SetFloatFormat("%g");
    grid->Navigation()->SetAllowSmartClipboard(true);
    grid->Navigation()->SetAllowClipboardRowGrow(false);
    grid->SetSelection(c.selection);
    PutText(c.text);
    grid->PasteFromClipboard();
    std::vector<std::string> cells;
    for (Integer col = c.selection.Left; col <= c.selection.Right; ++col)
      for (Integer row = c.selection.Top; row <= c.selection.Bottom; ++row) cells.push_back(grid->GetCellText(col, row));
    EXPECT_EQ(cells, c.expected);
  }
}

TEST_F(ClipboardTest, RefusedCellsKeepTheirTextInEverySmartFill) {
  for (const char* text : {"7", "1\r\n3"}) {
    SCOPED_TRACE(text);
    TClipGrid* grid = EditGrid(3, 6);
    grid->Navigation()->SetAllowSmartClipboard(true);
    std::vector<Integer> asked;
    grid->OnClipboardBeforePasteCell = [&](TObject*, Integer, Integer ARow, std::string&, bool& Allow) {
      asked.push_back(ARow);
      Allow = ARow != 4;
    };
    grid->SetCellText(1, 4, "kept");
    grid->SetSelection(TGridRect{1, 1, 1, 5});
    PutText(text);
    grid->PasteFromClipboard();
    EXPECT_EQ(grid->GetCellText(1, 4), "kept");
    EXPECT_NE(grid->GetCellText(1, 5), "");
    EXPECT_EQ(std::count(asked.begin(), asked.end(), 4), 1);
  }
}

// ---- The private format ----

class PrivateFormatTest : public ClipboardTest {
 protected:
  TClipGrid* FormatGrid(Integer Cols = 5, Integer Rows = 5) {
    TClipGrid* grid = EditGrid(Cols, Rows);
    grid->Navigation()->SetAllowFmtClipboard(true);
    return grid;
  }
};

TEST_F(PrivateFormatTest, CellsTravelWithTheirPropertiesAndGraphics) {
  TClipGrid* source = FormatGrid();
  TClipGrid* target = FormatGrid();
  source->SetCellText(1, 1, "text");
  source->SetCellColor(2, 1, clRed);
  source->GetCellProperties(2, 1)->SetFontSize(14);

  TCellGraphic* radio = source->CreateCellGraphic(1, 2);
  radio->SetCellType(ctRadio);
  radio->SetCellCreated(true);
  auto* choices = new TStringList;
  choices->Add("one");
  choices->Add("two");
  radio->SetCellBitmap(choices);

  TCellGraphic* images = source->CreateCellGraphic(2, 2);
  images->SetCellType(ctImages);
  auto* indexes = new TIntList(2, 2);
  indexes->SetCommaText("3,1,4");
  images->SetCellBitmap(indexes);

  TCellGraphic* bitmapCell = source->CreateCellGraphic(3, 2);
  bitmapCell->SetCellType(ctBitmap);
  bitmapCell->SetCellCreated(true);
  auto* bitmap = new TBitmap;
  bitmap->SetSize(3, 2);
  bitmap->Canvas()->SetPixels(1, 1, clBlue);
  bitmapCell->SetCellBitmap(bitmap);

  TCellGraphic* check = source->CreateCellGraphic(3, 1);
  check->SetCellType(ctCheckBox);
  check->SetCellBoolean(true);

  source->SetSelection(TGridRect{1, 1, 3, 2});
  source->CopyToClipboard();
  target->SetSelection(TGridRect{2, 2, 2, 2});
  target->PasteFromClipboard();

  EXPECT_EQ(target->GetCellText(2, 2), "text");
  EXPECT_EQ(target->GetCellColor(3, 2), clRed);
  EXPECT_EQ(target->GetCellProperties(3, 2)->FontSize(), 14);
  EXPECT_EQ(target->GetCellProperties(3, 2)->OwnerCol(), 3);
  ASSERT_NE(target->GetRadioChoices(2, 3), nullptr);
  EXPECT_EQ(target->GetRadioChoices(2, 3)->Text(), "one\r\ntwo\r\n");
  ASSERT_NE(target->GetCellImages(3, 3), nullptr);
  EXPECT_EQ(target->GetCellImages(3, 3)->GetCommaText(), "3,1,4");
  auto* copied = dynamic_cast<TBitmap*>(target->GetCellGraphic(4, 3)->CellBitmap());
  ASSERT_NE(copied, nullptr);
  EXPECT_NE(copied, bitmap);
  EXPECT_EQ(copied->Width(), 3);
  EXPECT_EQ(copied->Canvas()->Pixels(1, 1), clBlue);
  bool state = false;
  EXPECT_TRUE(target->GetCheckBoxState(4, 2, state));
  EXPECT_TRUE(state);
}

TEST_F(PrivateFormatTest, PastedRangesReportTheirOriginAndSize) {
  TClipGrid* source = FormatGrid();
  TClipGrid* other = FormatGrid();
  Fill(source, {{"", "", ""}, {"", "a", "b"}, {"", "c", "d"}});
  source->SetSelection(TGridRect{1, 1, 2, 2});
  source->CopyToClipboard();

  source->SetSelection(TGridRect{3, 3, 3, 3});
  source->PasteFromClipboard();
  other->SetSelection(TGridRect{1, 3, 1, 3});
  other->PasteFromClipboard();
  ASSERT_EQ(source->pasted.size(), 1u);
  EXPECT_EQ(source->pasted[0].origin, (TPoint{1, 1}));
  EXPECT_EQ(source->pasted[0].range, (TGridRect{3, 3, 4, 4}));
  EXPECT_TRUE(source->pasted[0].wasCopy);
  ASSERT_EQ(other->pasted.size(), 1u);
  EXPECT_EQ(other->pasted[0].origin, (TPoint{-1, -1}));
  EXPECT_EQ(other->GetCellText(2, 4), "d");
  EXPECT_EQ(other->RowCount(), 5);
}

TEST_F(PrivateFormatTest, AnEmptyTopLeftCellKeepsThePastePlace) {
  TClipGrid* source = FormatGrid();
  TClipGrid* target = FormatGrid();
  source->SetCellText(2, 2, "x");   // the range's top-left (1, 1) stays empty
  source->SetSelection(TGridRect{1, 1, 2, 2});
  source->CopyToClipboard();
  target->SetSelection(TGridRect{2, 2, 2, 2});
  target->PasteFromClipboard();
  EXPECT_EQ(target->GetCellText(3, 3), "x");
  EXPECT_EQ(target->GetCellText(2, 2), "");
}

TEST_F(PrivateFormatTest, AGraphicWhosePayloadTheApplicationOwnsTravelsWithoutIt) {
  TClipGrid* source = FormatGrid();
  TClipGrid* target = FormatGrid();
  TBitmap appBitmap;
  TCellGraphic* graphic = source->CreateCellGraphic(1, 1);
  graphic->SetCellType(ctBitmap);
  graphic->SetCellBitmap(&appBitmap);   // CellCreated off: the application's
  source->SetCellText(2, 1, "after");
  source->SetSelection(TGridRect{1, 1, 2, 1});
  source->CopyToClipboard();
  target->SetSelection(TGridRect{1, 1, 1, 1});
  target->PasteFromClipboard();
  EXPECT_EQ(target->GetCellText(2, 1), "after");
  EXPECT_EQ(target->GetCellGraphic(1, 1), nullptr);
}

TEST_F(PrivateFormatTest, AWholeGridLandsCellForCellWithItsSizes) {
  TClipGrid* source = FormatGrid(3, 3);
  TClipGrid* target = FormatGrid(6, 6);
  Fill(source, {{"h0", "h1", "h2"}, {"r1", "a", "b"}, {"r2", "c", "last"}});
  source->SetColWidths(2, 90);
  source->SetRowHeights(1, 40);
  source->SetSelection(TGridRect{0, 0, 2, 2});
  source->CopyToClipboard();
  target->SetCellText(5, 5, "gone");
  target->SetSelection(TGridRect{1, 1, 1, 1});
  target->PasteFromClipboard();
  EXPECT_EQ(target->ColCount(), 3);
  EXPECT_EQ(target->RowCount(), 3);
  EXPECT_EQ(target->GetCellText(0, 0), "h0");
  EXPECT_EQ(target->GetCellText(2, 2), "last");
  EXPECT_EQ(target->ColWidths(2), 90);
  EXPECT_EQ(target->RowHeights(1), 40);
}

TEST_F(PrivateFormatTest, SizeListsSetOnlyTheSizesTheyHold) {
  const struct {
    const char* widths;
    Integer first, second;   // widths of columns 0 and 1 afterwards (-1: unchanged)
  } cases[] = {{"7", 7, -1}, {"x,9", -1, 9}, {"5,-3", 5, -1}, {"", -1, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.widths);
    TMemoryStream stream;
    TGridPropIO header(nullptr);
    header.ColCount = 2;
    header.RowCount = 3;
    header.ColWidths = c.widths;
    header.FullGrid = true;
    stream.WriteComponent(&header);
    stream.SetPosition(0);
    TClipGrid* target = FormatGrid(2, 2);
    const Integer before = target->ColWidths(1);
    target->ReadCellRangeComponents(TPoint{0, 0}, &stream);
    EXPECT_EQ(target->ColWidths(0), c.first < 0 ? before : c.first);
    EXPECT_EQ(target->ColWidths(1), c.second < 0 ? before : c.second);
    EXPECT_EQ(target->RowCount(), 3);
  }
}

TEST_F(PrivateFormatTest, RowsPast65535KeepTheirPlace) {
  TClipGrid* source = FormatGrid(3, 70000);
  TClipGrid* target = FormatGrid(3, 70000);
  source->SetCellText(1, 65536, "wrapped before");
  source->SetCellText(1, 65537, "next");
  source->SetSelection(TGridRect{1, 65536, 1, 65537});
  source->CopyToClipboard();
  target->SetSelection(TGridRect{1, 69000, 1, 69000});
  target->PasteFromClipboard();
  EXPECT_EQ(target->GetCellText(1, 69000), "wrapped before");
  EXPECT_EQ(target->GetCellText(1, 69001), "next");
  EXPECT_EQ(target->GetCellText(1, 1), "");
}

TEST_F(PrivateFormatTest, HostileStreamsRaiseTheStreamErrorBeforeAnythingChanges) {
  TClipGrid* source = FormatGrid(3, 3);
  Fill(source, {{"", "", ""}, {"", "a", "b"}});
  const std::string valid = Stream(source, TGridRect{1, 1, 2, 1});
  // A header with chosen counts and size lists, then the valid stream's cell records.
  auto withHeader = [&](Integer Cols, Integer Rows) {
    TMemoryStream stream;
    TGridPropIO header(nullptr);
    header.ColCount = Cols;
    header.RowCount = Rows;
    stream.WriteComponent(&header);
    TMemoryStream original;
    original.WriteBuffer(valid.data(), static_cast<Integer>(valid.size()));
    original.SetPosition(0);
    TGridPropIO skipped(nullptr);
    original.ReadComponent(&skipped);
    stream.CopyFrom(&original, original.Size() - original.Position());
    return std::string(static_cast<const char*>(stream.Memory()), static_cast<size_t>(stream.Size()));
  };
  const struct {
    const char* what;
    std::string bytes;
    const char* error;
  } cases[] = {
      {"truncated", valid.substr(0, valid.size() - 7), "EReadError"},
      {"count 0", withHeader(0, 1), "EReadError"},
      {"count -1", withHeader(2, -1), "EReadError"},
      {"count 2,147,483,647", withHeader(2147483647, 1), "EReadError"},
      {"not the format", std::string("TPF0\x05TFoo\x00\x00\x00", 13), "EReadError"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TClipGrid* target = FormatGrid(4, 4);
    target->SetCellText(3, 3, "kept");
    PutBytes(GridCellsClipboardFormat(), c.bytes);
    std::string error;
    try {
      target->PasteClipboardAt(1, 1);
    } catch (const Exception& e) {
      error = e.ClassName();
    }
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(target->GetCellText(3, 3), "kept");
    EXPECT_EQ(target->ColCount(), 4);
  }
}

TEST_F(PrivateFormatTest, RecordsOutsideTheGridAreSkipped) {
  TClipGrid* source = FormatGrid(4, 4);
  Fill(source, {{"", "", "", ""}, {"", "a", "b", "c"}});
  source->GetCellProperties(3, 1)->SetFontSize(9);
  const std::string bytes = Stream(source, TGridRect{1, 1, 3, 1});
  TClipGrid* target = FormatGrid(3, 3);
  EXPECT_EQ(ReadStream(target, TPoint{1, 1}, bytes), "");
  EXPECT_EQ(target->GetCellText(1, 1), "a");
  EXPECT_EQ(target->GetCellText(2, 1), "b");
  EXPECT_EQ(target->ColCount(), 3);
}

TEST_F(PrivateFormatTest, MutatedStreamsEndInTheStreamErrorOrACleanPaste) {
  TClipGrid* source = FormatGrid(4, 4);
  Fill(source, {{"", "", "", ""}, {"", "a", "b", "c"}, {"", "d", "", "f"}});
  source->SetCellColor(2, 2, clGreen);
  TCellGraphic* radio = source->CreateCellGraphic(3, 2);
  radio->SetCellType(ctRadio);
  radio->SetCellCreated(true);
  auto* choices = new TStringList;
  choices->Add("x");
  radio->SetCellBitmap(choices);
  const std::string valid = Stream(source, TGridRect{0, 0, 3, 3});

  std::mt19937 random(20260101);
  Integer errors = 0, clean = 0;
  for (int round = 0; round < 300; ++round) {
    std::string bytes = valid;
    const int flips = 1 + static_cast<int>(random() % 4);
    for (int i = 0; i < flips; ++i) bytes[random() % bytes.size()] = static_cast<char>(random() % 256);
    TClipGrid* target = FormatGrid(4, 4);
    const std::string error = ReadStream(target, TPoint{0, 0}, bytes);
    if (error.empty()) ++clean;
    else {
      ASSERT_EQ(error, "EReadError") << round;
      ++errors;
    }
    delete target;
  }
  EXPECT_GT(errors, 0);
  EXPECT_GT(clean, 0);
}

}  // namespace
}  // namespace gridtest
