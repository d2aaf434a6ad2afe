// Typed cell values under the Thai regional settings (integers, numbers with the grid's number
// rules and its error for texts that are no number, dates), and the cell graphics a cell carries.
#include <gtest/gtest.h>

#include "grid/cell_graphic.h"
#include "grid/cell_properties.h"
#include "grid/int_list.h"
#include "grid/mouse_actions.h"
#include "grid/pro_grid_error.h"
#include "platform/core/cp874.h"
#include "platform/core/date_time.h"
#include "platform/os/locale.h"
#include "string_grid_fixture.h"

namespace gridtest {
namespace {

class ValuesTest : public StringGridTest {
 protected:
  ScopedLocale thai_{"th-TH"};
};

TEST_F(ValuesTest, FloatsReadAmountsAndRefuseTextsWithoutANumber) {
  TTestStringGrid* grid = NewGrid();
  const struct {
    std::string text;
    double value;
  } reads[] = {{"", 0},      {"-", 0},      {" - ", 0},           {"(1,234.50)", -1234.5},
               {"$ 12", 12}, {"12 kg", 12}, {"1,234.50", 1234.5}, {"  7.25  ", 7.25},
               {"-3", -3},   {"1.5E2", 150}};
  for (const auto& r : reads) {
    grid->SetCellText(1, 1, r.text);
    EXPECT_DOUBLE_EQ(grid->GetFloats(1, 1), r.value) << "'" << r.text << "'";
  }
  for (const std::string& text : {std::string("abc"), std::string("N/A"), std::string("."), std::string("พนักงาน"_cp874),
                                  std::string("1.2.3"), std::string("e")}) {
    grid->SetCellText(1, 1, text);
    try {
      grid->GetFloats(1, 1);
      ADD_FAILURE() << "'" << text << "' read as a number";
    } catch (const EProGridError& e) {
      EXPECT_EQ(e.Message(), "Cell does not contain a float value");
    }
  }
}

TEST_F(ValuesTest, IntsReadThePlatformsIntegersOnly) {
  TTestStringGrid* grid = NewGrid();
  const struct {
    std::string text;
    bool reads;
    Integer value;
  } cases[] = {{"", true, 0},       {"-", true, 0},     {"  42", true, 42},
               {"$1F", true, 31},   {"0x10", true, 16}, {"-2147483648", true, -2147483647 - 1},
               {"1,234", false, 0}, {"42 ", false, 0},  {"2147483648", false, 0},
               {"abc", false, 0}};
  for (const auto& c : cases) {
    grid->SetCellText(1, 1, c.text);
    if (c.reads) {
      EXPECT_EQ(grid->GetInts(1, 1), c.value) << c.text;
    } else {
      EXPECT_THROW(grid->GetInts(1, 1), EProGridError) << c.text;
    }
  }
}

TEST_F(ValuesTest, SettersWriteWithTheFloatFormatAndTheShortDateFormat) {
  TTestStringGrid* grid = NewGrid();
  grid->SetFloats(1, 1, 1234.5);
  EXPECT_EQ(grid->GetCellText(1, 1), "1234.50");
  grid->SetFloatFormat("%.3f");
  grid->SetFloats(1, 1, 2.0);
  EXPECT_EQ(grid->GetCellText(1, 1), "2.000");
  grid->SetInts(2, 1, -17);
  EXPECT_EQ(grid->GetCellText(2, 1), "-17");
  grid->SetDates(3, 1, EncodeDate(2014, 5, 12));
  EXPECT_EQ(grid->GetCellText(3, 1), "12/5/2557");   // th-TH: d/M/yyyy, Buddhist era
}

TEST_F(ValuesTest, GraphicsAreAttachedDetachedAndFreedByKind) {
  TTestStringGrid* grid = NewGrid();
  EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
  EXPECT_EQ(grid->GetCellType(-1, 1), ctEmpty);
  TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
  EXPECT_EQ(grid->GetCellText(1, 1), "");   // the blank held meanwhile is gone
  EXPECT_EQ(grid->GetCellType(1, 1), ctNone);
  graphic->SetCellType(ctImages);
  graphic->SetCellBitmap(new TIntList(1, 1));   // ctImages always frees its list
  EXPECT_NE(grid->GetCellImages(1, 1), nullptr);
  EXPECT_EQ(grid->GetCellImageKey(1, 1), -1);
  TCellGraphic* second = grid->CreateCellGraphic(1, 1);   // frees the first
  second->SetCellType(ctImageList);
  second->SetCellIndex(4);
  EXPECT_EQ(grid->GetCellImageKey(1, 1), 4);
  EXPECT_TRUE(grid->RemoveCellGraphicOfType(1, 1, ctImageList));
  EXPECT_FALSE(grid->RemoveCellGraphic(1, 1));
  grid->CreateCellGraphic(2, 2)->SetCellType(ctRotated);
  grid->GetCellGraphic(2, 2)->SetCellAngle(90);
  Integer angle = 0;
  EXPECT_TRUE(grid->GetRotated(2, 2, angle));
  EXPECT_EQ(angle, 90);
  EXPECT_FALSE(grid->RemoveCellGraphicOfType(2, 2, ctCheckBox));
}

TEST_F(ValuesTest, AGraphicFreesABitmapOnlyWhenItMadeIt) {
  TTestStringGrid* grid = NewGrid();
  TObject borrowed;
  TCellGraphic* graphic = grid->CreateCellGraphic(1, 1);
  graphic->SetCellType(ctBitmap);
  graphic->SetCellBitmap(&borrowed);   // CellCreated off: the caller's
  EXPECT_TRUE(grid->RemoveCellGraphic(1, 1));
  graphic = grid->CreateCellGraphic(1, 1);
  graphic->SetCellType(ctBitmap);
  graphic->SetCellCreated(true);
  graphic->SetCellBitmap(new TObject);   // the graphic's: freed with it (the leak checker watches)
  grid->ClearRows(1, 1);
  EXPECT_EQ(grid->GetCellType(1, 1), ctEmpty);
}

TEST_F(ValuesTest, ColumnZeroLendsTheRowCheckBoxWhileHotmailRowSelectIsOn) {
  TTestStringGrid* grid = NewGrid();
  grid->CreateCellGraphic(0, 2)->SetCellType(ctCheckBox);
  grid->MouseActions()->SetHotmailRowSelect(true);
  EXPECT_EQ(grid->GetCellType(0, 2), ctRowCheckBox);
  TCellGraphic* shared = grid->GetCellGraphic(0, 3);
  EXPECT_EQ(shared, grid->RowCheckGraphic());
  EXPECT_EQ(shared->CellType(), ctRowCheckBox);
  EXPECT_FALSE(shared->CellBoolean());
  EXPECT_TRUE(grid->RemoveCellGraphic(0, 3));   // detaches nothing, frees nothing
  EXPECT_EQ(grid->GetCellGraphic(0, 3), grid->RowCheckGraphic());
  grid->MouseActions()->SetHotmailRowSelect(false);
  EXPECT_EQ(grid->GetCellType(0, 2), ctCheckBox);   // the cell's own graphic is still there
}

TEST_F(ValuesTest, HighlightingMarksAndUnmarksTheNormalCellsOrTheWholeGrid) {
  TTestStringGrid* grid = NewGrid();
  Fill(grid, {{"ab", "xab"}, {"ab", "<b>AB</b>"}});
  grid->HighlightInGrid(false, false, "ab");
  EXPECT_EQ(grid->GetCellText(0, 0), "ab");
  EXPECT_EQ(grid->GetCellText(1, 1), "<b><hi>AB</hi></b>");
  grid->UnHighlightInGrid(false);
  EXPECT_EQ(grid->GetCellText(1, 1), "<b>AB</b>");
  grid->HighlightInGrid(true, true, "ab");
  EXPECT_EQ(grid->GetCellText(1, 0), "x<hi>ab</hi>");
  EXPECT_EQ(grid->GetCellText(1, 1), "<b>AB</b>");
}

}   // namespace
}   // namespace gridtest
